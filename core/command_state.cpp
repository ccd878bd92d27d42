#include "core/command_state.h"

#include "aced_input.h"

static void SetEcho(short value) {
    resbuf rb;
    rb.restype = RTSHORT;
    rb.resval.rint = value;
    rb.rbnext = nullptr;
    acedSetVar(L"CMDECHO", &rb);
}

CommandState::CommandState(AcDbDatabase* database, bool keepLayer) : database_(database) {
    if (database_) {
        dimstyle_ = database_->dimstyle();
        if (keepLayer)
            layer_ = database_->clayer();
    }
    resbuf value;
    if (acedGetVar(L"CMDECHO", &value) == RTNORM && value.restype == RTSHORT) {
        echo_ = value.resval.rint;
        haveEcho_ = true;
        SetEcho(0);
    }
}

CommandState::~CommandState() {
    if (haveEcho_)
        SetEcho(echo_);
    if (!database_)
        return;
    if (!layer_.isNull())
        database_->setClayer(layer_);
    if (!dimstyle_.isNull()) {
        database_->setDimstyle(dimstyle_);
        database_->setDimstyleData(dimstyle_);
    }
}
