// What a command that makes many entities or runs host commands keeps
// while it works: CMDECHO is switched off, and the drawing's dimension
// style (and, when asked, its current layer) are put back at the end.
#pragma once

#include "acdb_objects.h"

class CommandState {
public:
    explicit CommandState(AcDbDatabase* database, bool keepLayer = false);
    ~CommandState();
    CommandState(const CommandState&) = delete;
    CommandState& operator=(const CommandState&) = delete;

private:
    AcDbDatabase* database_;
    AcDbObjectId dimstyle_;
    AcDbObjectId layer_;
    short echo_ = 0;
    bool haveEcho_ = false;
};
