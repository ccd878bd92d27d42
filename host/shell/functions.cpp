// The table of functions a plug-in defines, per document, and the calls.
#include "shell/functions.h"

#include <vector>

#include "aced_input.h"
#include "io/io.h"
#include "ads_entity.h"
#include "shell/documents.h"
#include "shell/prompting.h"
#include "shell/result_lists.h"
#include "shell/session.h"
#include "shell/text.h"

using namespace host::shell;

namespace {

struct Call {
    short code;
    resbuf* args;  // owned
    resbuf* result = nullptr;  // owned; null: no result
};

std::vector<Call>& calls() {
    static std::vector<Call> stack;
    return stack;
}

int setResult(resbuf* list) {
    if (calls().empty()) {
        acutRelRb(list);
        return RTERROR;
    }
    Call& call = calls().back();
    acutRelRb(call.result);
    call.result = list;
    return RTNORM;
}

resbuf* single(short type) {
    resbuf* rb = newRb(type);
    return rb;
}

} // namespace

namespace host::shell {

std::string definedFunctionFor(const std::string& word) {
    Document* doc = currentDocument();
    if (!doc || word.empty()) return {};
    const auto& table = doc->functions();
    // "(name)" calls any function; a bare word only a command "C:name".
    if (word.size() >= 2 && word.front() == '(' && word.back() == ')') {
        std::string name = upper(io::trim(std::string_view(word).substr(1, word.size() - 2)));
        return table.count(name) ? name : std::string();
    }
    std::string name = "C:" + upper(word);
    return table.count(name) ? name : std::string();
}

bool callFunction(const std::string& name, const resbuf* args, resbuf** result) {
    if (result) *result = nullptr;
    Document* doc = currentDocument();
    if (!doc) return false;
    auto it = doc->functions().find(upper(name));
    if (it == doc->functions().end()) return false;
    calls().push_back({it->second, copyList(args)});
    clearUserBreak();
    plugin().send(AcRx::kInvkSubrMsg);
    Call call = calls().back();
    calls().pop_back();
    acutRelRb(call.args);
    if (result)
        *result = call.result;
    else
        acutRelRb(call.result);
    return true;
}

} // namespace host::shell

int acedDefun(const ACHAR* sname, short funcno) {
    Document* doc = currentDocument();
    std::string name = upper(narrow(sname));
    if (!doc || name.empty() || funcno < 0) return RTERROR;
    doc->functions()[name] = funcno;
    return RTNORM;
}

int acedUndef(const ACHAR* sname, short funcno) {
    Document* doc = currentDocument();
    if (!doc) return RTERROR;
    auto it = doc->functions().find(upper(narrow(sname)));
    if (it == doc->functions().end() || it->second != funcno) return RTERROR;
    doc->functions().erase(it);
    return RTNORM;
}

int acedGetFunCode() { return calls().empty() ? RTERROR : calls().back().code; }

resbuf* acedGetArgs() { return calls().empty() ? nullptr : calls().back().args; }

int acedRetVoid() { return setResult(single(RTVOID)); }
int acedRetNil() { return setResult(single(RTNIL)); }
int acedRetT() { return setResult(single(RTT)); }

int acedRetInt(int ival) {
    resbuf* rb = single(RTSHORT);
    if (rb) rb->resval.rint = static_cast<short>(ival);
    return setResult(rb);
}

int acedRetReal(ads_real rval) {
    resbuf* rb = single(RTREAL);
    if (rb) rb->resval.rreal = rval;
    return setResult(rb);
}

int acedRetPoint(const ads_point pt) {
    if (!pt) return RTERROR;
    resbuf* rb = single(RT3DPOINT);
    if (rb) ads_point_set(pt, rb->resval.rpoint);
    return setResult(rb);
}

int acedRetStr(const ACHAR* s) {
    resbuf* rb = single(RTSTR);
    if (rb) rb->resval.rstring = newRbString(narrow(s));
    return setResult(rb);
}

int acedRetName(const ads_name aname, int type) {
    if (!aname || (type != RTENAME && type != RTPICKS)) return RTERROR;
    resbuf* rb = single(static_cast<short>(type));
    if (rb) ads_name_set(aname, rb->resval.rlname);
    return setResult(rb);
}

int acedRetVal(const resbuf* rbuf) {
    if (!rbuf) return RTERROR;
    resbuf copy = *rbuf;
    copy.rbnext = nullptr;
    return setResult(copyList(&copy));
}

int acedRetList(const resbuf* rbuf) {
    resbuf* begin = single(RTLB);
    resbuf* body = copyList(rbuf);
    resbuf* end = single(RTLE);
    if (!begin || !end) {
        acutRelRb(begin);
        acutRelRb(body);
        acutRelRb(end);
        return RTERROR;
    }
    resbuf* tail = begin;
    tail->rbnext = body;
    while (tail->rbnext) tail = tail->rbnext;
    tail->rbnext = end;
    return setResult(begin);
}
