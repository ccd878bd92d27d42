// A small plug-in for the host's own tests: it reports every message it
// gets and defines functions that ask every kind of question.
#include <cwchar>

#include "aced_input.h"
#include "acrx_app.h"
#include "ads_entity.h"
#include "windows_min.h"

namespace {

const wchar_t* statusName(int rc) {
    switch (rc) {
    case RTNORM: return L"RTNORM";
    case RTNONE: return L"RTNONE";
    case RTCAN: return L"RTCAN";
    case RTKWORD: return L"RTKWORD";
    case RTREJ: return L"RTREJ";
    case RTERROR: return L"RTERROR";
    default: return L"other";
    }
}

void report(const wchar_t* what, int rc) {
    acutPrintf(L"%s: %s", what, statusName(rc));
    if (rc == RTKWORD) {
        wchar_t input[132];
        acedGetInput(input);
        acutPrintf(L" \"%s\"", input);
    }
}

void reportPoint(const wchar_t* what, int rc, const ads_point p) {
    report(what, rc);
    if (rc == RTNORM) acutPrintf(L" (%g,%g,%g)", p[0], p[1], p[2]);
    acutPrintf(L"\n");
}

void printHandle(const ads_name entity) {
    resbuf* list = acdbEntGet(entity);
    for (resbuf* rb = list; rb; rb = rb->rbnext)
        if (rb->restype == 5) acutPrintf(L" #%s", rb->resval.rstring);
    acutRelRb(list);
}

void points() {
    ads_point a, b;
    int rc = acedGetPoint(nullptr, L"\nFirst point: ", a);
    reportPoint(L"point", rc, a);
    if (rc != RTNORM) return;
    rc = acedGetPoint(a, L"Next point: ", b);
    reportPoint(L"next", rc, b);
    double d = 0;
    rc = acedGetDist(a, L"Distance: ", &d);
    report(L"distance", rc);
    acutPrintf(rc == RTNORM ? L" %g\n" : L"\n", d);
    rc = acedGetAngle(a, L"Angle: ", &d);
    report(L"angle", rc);
    acutPrintf(rc == RTNORM ? L" %.4f\n" : L"\n", d);
}

void keywords() {
    ads_point p;
    acedInitGet(0, L"Select Next Quit");
    reportPoint(L"point or keyword", acedGetPoint(nullptr, L"Point or [Select/Next/Quit]: ", p), p);
    wchar_t word[132];
    acedInitGet(1, L"Links Rechts _ Left Right");
    int rc = acedGetKword(L"Side [Links/Rechts]: ", word);
    report(L"side", rc);
    acutPrintf(rc == RTNORM ? L" %s\n" : L"\n", word);
}

void numbers() {
    int i = 0;
    acedInitGet(6, L"Quit");
    int rc = acedGetInt(L"Number: ", &i);
    report(L"integer", rc);
    acutPrintf(rc == RTNORM ? L" %d\n" : L"\n", i);
    double r = 0;
    rc = acedGetReal(L"Real: ", &r);
    report(L"real", rc);
    acutPrintf(rc == RTNORM ? L" %g\n" : L"\n", r);
    wchar_t text[133];
    rc = acedGetString(1, L"Text: ", text);
    report(L"string", rc);
    acutPrintf(rc == RTNORM ? L" \"%s\"\n" : L"\n", text);
}

void picks() {
    ads_name entity;
    ads_point at;
    int rc = acedEntSel(nullptr, entity, at);
    report(L"pick", rc);
    if (rc == RTNORM) printHandle(entity);
    acutPrintf(L"\n");
    ads_name set;
    rc = acedSSGet(nullptr, nullptr, nullptr, nullptr, set);
    report(L"selection", rc);
    if (rc == RTNORM) {
        long n = 0;
        acedSSLength(set, &n);
        acutPrintf(L" %ld:", n);
        for (long k = 0; k < n; ++k) {
            ads_name e;
            acedSSName(set, k, e);
            printHandle(e);
        }
        acedSSFree(set);
    }
    acutPrintf(L"\n");
}

void colour() {
    resbuf* args = acutBuildList(RTSTR, L"acad_colordlg", RTSHORT, 7, 0);
    resbuf* result = nullptr;
    int rc = acedInvoke(args, &result);
    acutRelRb(args);
    report(L"colour", rc);
    if (result && result->restype == RTSHORT) acutPrintf(L" %d", result->resval.rint);
    acutPrintf(result ? L"\n" : L" none\n");
    acutRelRb(result);
}

void version() {
    AcDbHostApplicationServices* services = acdbHostApplicationServices();
    if (services)
        acutPrintf(L"host version \"%s\"\n", services->versionString());
    else
        acutPrintf(L"host version: none\n");
    wchar_t path[512];
    HMODULE self = GetModuleHandleW(L"TESTPLUG.ARX");
    acutPrintf(L"module found: %s\n", self && GetModuleFileNameW(self, path, 512) ? L"yes" : L"no");
}

void documents() {
    int count = 0;
    AcApDocumentIterator* it = acDocManager->newAcApDocumentIterator();
    for (; !it->done(); it->step()) ++count;
    delete it;
    acutPrintf(L"documents open: %d\n", count);
}

const wchar_t* const kNames[] = {L"C:tpoints", L"C:tkeys", L"C:tnumbers", L"C:tpicks",
                                 L"C:tcolour", L"C:tversion", L"C:tdocs"};
void (*const kBodies[])() = {points, keywords, numbers, picks, colour, version, documents};
constexpr int kCount = 7;

} // namespace

extern "C" int acrxGetApiVersion() { return ACRX_API_VERSION; }

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId) {
    AcApDocument* doc = acDocManager->curDocument();
    acutPrintf(L"[message %d, drawing %s]\n", static_cast<int>(msg),
               doc && doc->fileName()[0] ? doc->fileName() : L"-");
    switch (msg) {
    case AcRx::kInitAppMsg:
        acrxDynamicLinker->unlockApplication(appId);
        acrxDynamicLinker->registerAppMDIAware(appId);
        break;
    case AcRx::kLoadDwgMsg:
        for (int i = 0; i < kCount; ++i) acedDefun(kNames[i], static_cast<short>(i));
        break;
    case AcRx::kUnloadDwgMsg:
        for (int i = 0; i < kCount; ++i) acedUndef(kNames[i], static_cast<short>(i));
        break;
    case AcRx::kInvkSubrMsg: {
        int code = acedGetFunCode();
        if (code >= 0 && code < kCount) kBodies[code]();
        acedRetVoid();
        break;
    }
    default: break;
    }
    return AcRx::kRetOK;
}
