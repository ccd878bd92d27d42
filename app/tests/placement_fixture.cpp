#include "placement_fixture.h"

#include <cstdio>
#include <filesystem>

#include "ads_entity.h"
#include "app/command_bodies.h"
#include "app/dispatch.h"
#include "app/place_support.h"
#include "core/element_load.h"
#include "core/linetypes.h"
#include "core/string_convert.h"
#include "core/system_layers.h"
#include "core/system_store.h"
#include "io/io.h"
#include "shell/session.h"

int16_t PlacementTest::chosenSubtype = 1;

static int16_t AnswerChooser(int16_t, int16_t* subtype) {
    if (PlacementTest::chosenSubtype < 0)
        return -1;
    *subtype = PlacementTest::chosenSubtype;
    return 0;
}

void PlacementTest::SetUp() {
    ModuleFixture::SetUp();
    std::filesystem::copy_file(std::string(LURAK_BINARY_DIR) + "/lurak.dcl", installDir / "lurak.dcl");
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
    std::snprintf(r.tag, sizeof r.tag, "%s", tag);
    std::snprintf(r.name, sizeof r.name, "%s", name);
    char layer[24];
    SystemLayerName(layer, sizeof layer, tag);
    for (int i = 0; i < 3; ++i) {
        std::snprintf(r.penLayer[i], sizeof r.penLayer[i], "%s", layer);
        std::snprintf(r.penLinetype[i], sizeof r.penLinetype[i], "CONTINUOUS");
    }
    std::snprintf(r.centreLayer, sizeof r.centreLayer, "%s", layer);
    std::snprintf(r.centreLinetype, sizeof r.centreLinetype, "CONTINUOUS");
    std::snprintf(r.labelLayer, sizeof r.labelLayer, "%s-F", layer);
    std::snprintf(r.textStyle, sizeof r.textStyle, "STANDARD");
    std::snprintf(r.dimStyle, sizeof r.dimStyle, "STANDARD");
    CreateLayer(5, ToWide(layer).c_str(), state->database);
    CreateLayer(7, ToWide(r.labelLayer).c_str(), state->database);
    EXPECT_EQ(AddSystem(state->systemList, &r), 0);
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

int PlacementTest::ContinuePlacementAnswering(const std::string& lines) {
    host::io::setScript(lines);
    return ContinuePlacement();
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
