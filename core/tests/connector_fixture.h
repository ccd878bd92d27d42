// A drawing made current with a document state that lists one air system,
// and a small straight duct of the test family: two rectangular connectors
// at its ends bound to its width and height, and a length that FitLength
// sets.  The loader makes these ducts for any family and subtype.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "app/doc_state.h"
#include "core/anonymous_block.h"
#include "core/draw_neutral.h"
#include "core/element_load.h"
#include "core/lobject.h"
#include "core/null_handle.h"
#include "core/system_layers.h"
#include "host/io/io.h"
#include "system_fixture.h"
#include "test_element.h"

// Params: 0 width, 1 height, 2 length.  Connector 0 faces -x at the
// origin, connector 1 faces +x at the length.
class TestDuct : public TestElement {
public:
    TestDuct(uint16_t f = 1, uint16_t s = 1) : TestElement(f, s, 2, 3) {
        for (int i = 0; i < 2; ++i) {
            connectors[i]->paramA = 0;
            connectors[i]->paramB = 1;
        }
        connectors[0]->side = 5;
        connectors[1]->side = 2;
        if (CurrentDocState)
            SetSystemRecord(CurrentDocState->currentSystem);
        double start[3] = {200, 100, 1000};
        SetParams(start);
    }
    int16_t SetParams(const double* in) override {
        TestElement::SetParams(in);
        for (int i = 0; i < 2; ++i) {
            connectors[i]->a = values[0];
            connectors[i]->b = values[1];
        }
        SetPoint3d(connectors[1]->position, values[2], 0, 0);
        return 0;
    }
    int16_t MakeBlock(char* name) override {
        ads_point o = {0, 0, 0}, p = {values[2], 0, 0};
        BeginAnonymousBlock(o);
        MakeLine(o, p);
        return EndAnonymousBlock(name, kBlockNameSize) == RTNORM ? 0 : -1;
    }
    int16_t FitLength(double* params, int16_t* flags, int16_t, int16_t, double along, double across) override {
        if (across != 0 || along <= 0)
            return -1;
        params[2] = along;
        flags[2] = 1;
        return 0;
    }
    double Length() const { return values[2]; }
};

inline LObject* MakeTestDuct(int16_t family, uint16_t subtype) { return new TestDuct(family, subtype); }

class JointDrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        database = new AcDbDatabase(true);
        host::api::setCurrentDatabase(database);
        acdbRegApp(L"LurakCad_B1");
        state = new LDocState;
        state->database = database;
        CurrentDocState = state;
        record = Record("ZZ");
        InsertSystem(state->systemList, &record);
        state->currentSystem = record;
        CreateLayer(record.dimColour, ToWide(record.labelLayer).c_str(), database);
        CreateLayer(1, L"ZZ-0", database);
        SetElementMaker(MakeTestDuct);
        host::io::setScript("");
    }
    void TearDown() override {
        SetElementMaker(nullptr);
        CurrentDocState = nullptr;
        delete state;
        host::api::setCurrentDatabase(static_cast<AcDbDatabase*>(nullptr));
        delete database;
        host::io::setSource(nullptr);
    }

    static LSystemRecord Record(const char* tag) {
        LSystemRecord r;
        std::snprintf(r.tag, sizeof r.tag, "%s", tag);
        for (auto& l : r.penLayer)
            std::snprintf(l, sizeof l, "ZZ-0");
        std::snprintf(r.penLinetype[0], sizeof r.penLinetype[0], "BYLAYER");
        std::snprintf(r.penLinetype[1], sizeof r.penLinetype[1], "BYBLOCK");
        std::snprintf(r.penLinetype[2], sizeof r.penLinetype[2], "BYBLOCK");
        std::snprintf(r.centreLinetype, sizeof r.centreLinetype, "BYBLOCK");
        std::snprintf(r.centreLayer, sizeof r.centreLayer, "ZZ-0");
        std::snprintf(r.labelLayer, sizeof r.labelLayer, "ZZ-LABEL");
        std::snprintf(r.textStyle, sizeof r.textStyle, "STANDARD");
        std::snprintf(r.dimStyle, sizeof r.dimStyle, "STANDARD");
        return r;
    }

    static bool ByHandle(const std::string& handle, ads_name out) {
        return acdbHandEnt(ToWide(handle.c_str()).c_str(), out) == RTNORM && Live(out);
    }

    // A plain line in model space (stands in for marks and dimensions).
    static void Line(ads_name out, double y = 0) {
        ads_point a = {0, y, 0}, b = {10, y, 0};
        resbuf* list = acutBuildList(RTDXF0, L"LINE", 8, L"0", 10, a, 11, b, 0);
        acdbEntMake(list);
        acutRelRb(list);
        acdbEntLast(out);
    }

    // The element's XDATA as written by the element, read back from its insert.
    static resbuf* StoredXData(const ads_name insert) {
        resbuf* apps = acutBuildList(RTSTR, L"LurakCad_B1", 0);
        resbuf* list = acdbEntGetX(insert, apps);
        acutRelRb(apps);
        return list;
    }

    AcDbDatabase* database = nullptr;
    LDocState* state = nullptr;
    LSystemRecord record;
};
