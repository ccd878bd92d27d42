// acedGetVar / acedSetVar over the current document's variables.
#include "aced_input.h"
#include "shell/documents.h"
#include "shell/drawing_vars.h"
#include "shell/result_lists.h"
#include "shell/text.h"

using namespace host::shell;

int acedGetVar(const ACHAR* sym, resbuf* result) {
    Document* doc = currentDocument();
    if (!doc || !sym || !result) return RTERROR;
    std::string name = narrow(sym);
    syncDrawingVar(*doc, name);
    const SysVarValue* v = doc->vars().find(name);
    if (!v) return RTERROR;
    result->restype = v->type;
    switch (v->type) {
    case RTSHORT: result->resval.rint = v->shortValue; break;
    case RTREAL: result->resval.rreal = v->realValue; break;
    case RTSTR: result->resval.rstring = newRbString(v->text); break;
    default:
        result->restype = RT3DPOINT;
        for (int i = 0; i < 3; ++i) result->resval.rpoint[i] = v->point[i];
    }
    return RTNORM;
}

int acedSetVar(const ACHAR* sym, const resbuf* val) {
    Document* doc = currentDocument();
    if (!doc || !sym || !val) return RTERROR;
    std::string name = narrow(sym);
    SysVarValue v;
    v.type = val->restype;
    switch (val->restype) {
    case RTSHORT: v.shortValue = val->resval.rint; break;
    case RTREAL: v.realValue = val->resval.rreal; break;
    case RTSTR: v.text = narrow(val->resval.rstring); break;
    case RTPOINT:
    case RT3DPOINT:
        for (int i = 0; i < 3; ++i) v.point[i] = val->resval.rpoint[i];
        if (val->restype == RTPOINT) v.point[2] = 0;
        break;
    default: return RTERROR;
    }
    // The checks of SETVAR: a value it would refuse is an error.
    return setDrawingVar(*doc, name, v).empty() ? RTNORM : RTERROR;
}
