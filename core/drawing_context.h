// The data of the drawing the module works in that the core and the
// elements read and write: its database, defaults and piece lengths, air
// systems, current air system and label counters.  The command layer makes
// a drawing current whenever it switches drawings; the core never learns
// how the drawings are kept.
#pragma once

#include <cstdint>
#include <set>
#include <string>

#include "core/drawing_defaults.h"
#include "core/system_list.h"
#include "core/system_record.h"

class AcDbDatabase;

struct LDrawingContext {
    LDrawingContext() = default;
    LDrawingContext(const LDrawingContext&) = delete;
    LDrawingContext& operator=(const LDrawingContext&) = delete;
    virtual ~LDrawingContext() = default;

    // The drawing's database, refreshed on every switch.
    AcDbDatabase* database = nullptr;
    // The drawing's defaults (piece lengths, label distance, insertion
    // scale, whether it holds elements), read from the drawing when it is
    // first seen.
    LDrawingDefaults defaults;
    LSystemRecord currentSystem;
    // The drawing's air systems sorted by tag, the removed systems whose
    // entities are still to be erased, and the module's entry in the
    // named-object dictionary.
    LSystemList systemList;
    // 1 when the user ended label numbering with its quit keyword.
    int16_t numberingStop = 0;
    int32_t highestLabelNumber = 0;
    int32_t lastLabelNumber = 0;
    // The elements (by handle) whose run, too long for its standard pieces,
    // the user has been told of: once is enough.
    std::set<std::string> notedUncutRuns;
};

// The drawing the module works in, or null when none is open.
LDrawingContext* CurrentDrawing();
// Makes a drawing current (null: none); the caller keeps it alive while it
// is current.
void SetCurrentDrawing(LDrawingContext* drawing);
