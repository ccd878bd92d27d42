#include "module_fixture.h"

#include "test_system.h"

#include "ads_entity.h"
#include "app/command_bodies.h"
#include "app/dispatch.h"
#include "app/place_support.h"
#include "core/element_load.h"
#include "core/linetypes.h"
#include "io/io.h"
#include "shell/session.h"
#include "windows_min.h"

#include <unistd.h>

namespace fs = std::filesystem;

void ModuleFixture::SetUp() {
    host::shell::resetSession();
    host::io::setScript("");
    host::io::captureTranscript();
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    installDir = fs::temp_directory_path() /
                 ("lurak_app_" + std::to_string(getpid()) + "_" + info->test_suite_name() + "_" + info->name());
    fs::remove_all(installDir);
    fs::create_directories(installDir);
    host::win::registerModule(L"LURAK.ARX", (installDir / "LURAK.ARX").wstring().c_str());
    fs::copy_file(LURAK_SOURCE_DIR "/data/lurak.msg", installDir / "lurak.msg");
}

void ModuleFixture::TearDown() {
    StopModule();
    host::win::unregisterModule(L"LURAK.ARX");
    host::shell::resetSession();
    host::io::setSource(nullptr);
    host::io::takeTranscript();
    host::io::setTranscript(nullptr);
    fs::remove_all(installDir);
}

host::shell::Document* ModuleFixture::NewDocument() {
    auto& docs = host::shell::documents();
    return docs.create(docs.nextDrawingName());
}

void ModuleFixture::Send(AcRx::AppMsgCode msg, host::shell::Document* doc) {
    if (doc)
        host::shell::makeCurrent(doc);
    EXPECT_EQ(acrxEntryPoint(msg, this), AcRx::kRetOK);
}

void ModuleFixture::StartModule() {
    Send(AcRx::kInitAppMsg);
    started = true;
    for (host::shell::Document* doc : host::shell::documents().open())
        Send(AcRx::kLoadDwgMsg, doc);
}

void ModuleFixture::StopModule() {
    if (started)
        Send(AcRx::kUnloadAppMsg);
    started = false;
}

std::string ModuleFixture::Transcript() { return host::io::takeTranscript(); }

int16_t PlacementTest::chosenSubtype = 1;

static int16_t AnswerChooser(int16_t, int16_t* subtype) {
    if (PlacementTest::chosenSubtype < 0)
        return -1;
    *subtype = PlacementTest::chosenSubtype;
    return 0;
}

void PlacementTest::SetUp() {
    ModuleFixture::SetUp();
    fs::copy_file(std::string(LURAK_BINARY_DIR) + "/lurak.dcl", installDir / "lurak.dcl");
    NewDocument();
    StartModule();
    SwitchDocState();
    state = CurrentDocState;
    ASSERT_NE(state, nullptr);
    acdbRegApp(L"LurakCad_B1");
    LoadLinetypes();
    state->currentSystem = AddTestSystem("HV1", "Supply");
    chosenSubtype = 1;
    SetElementTypeChooser(AnswerChooser);
    SetContinuousMode(0);
}

void PlacementTest::TearDown() {
    SetElementTypeChooser(nullptr);
    SetElementMaker(nullptr);
    SetContinuousMode(0);
    ModuleFixture::TearDown();
}

LSystemRecord PlacementTest::AddTestSystem(const char* tag, const char* name) {
    LSystemRecord r;
    EXPECT_EQ(AddLayeredSystem(state, tag, name, &r), 0);
    return r;
}

void PlacementTest::SetStart(double x, double y, double angle, int16_t shape, double a, double b) {
    ReleaseCurrentElement();
    LConnector* c = new LConnector;
    c->side = 2;
    c->position[0] = x;
    c->position[1] = y;
    c->angle = angle;
    c->shape = shape;
    c->a = a;
    c->b = b;
    c->flow = 1000;
    state->startConnector = c;
}

void PlacementTest::Run(int code, const std::string& lines) {
    host::io::setScript(lines);
    InvokeFunctionCode(code);
}

void PlacementTest::Place(int code, int16_t subtype, const std::string& lines) {
    chosenSubtype = subtype;
    Run(code, lines);
}

std::vector<PlacementTest::Stored> PlacementTest::StoredElements() {
    std::vector<Stored> out;
    ads_name e;
    for (int status = acdbEntNext(nullptr, e); status == RTNORM;) {
        if (LObject* read = LoadElementFromEntity(e)) {
            Stored s;
            s.family = read->GetFamily();
            s.subtype = read->GetSubtype();
            double* v = nullptr;
            read->GetParams(&v);
            s.values.assign(v, v + read->GetParamCount());
            delete[] v;
            s.joined = read->CountConnectedConnectors(-1);
            s.x = read->insertionPoint[0];
            s.y = read->insertionPoint[1];
            out.push_back(s);
            DestroyElement(read);
        }
        ads_name next;
        status = acdbEntNext(e, next);
        ads_name_set(next, e);
    }
    return out;
}
