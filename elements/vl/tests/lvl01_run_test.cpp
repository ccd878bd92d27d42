// A small network laid with the core's operations, as the placement
// command does it: a rectangular run VL-01 of 3020 on standard pieces of
// 1500, a round run SPIRO of 15000 on pieces of 6000, a fire damper VT-3-2
// fitted to the free end of the rectangular run and a CSD grille attached
// to its side (each where its family makes it).  The drawing is saved as
// DXF, read back, and checked by the shared reference checker and by ezdxf;
// ezdxf also draws a picture of it beside the file.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ads_entity.h"
#include "app/doc_state.h"
#include "core/element_factory.h"
#include "core/element_load.h"
#include "core/linetypes.h"
#include "core/lobject.h"
#include "core/messages.h"
#include "core/string_convert.h"
#include "core/system_layers.h"
#include "core/system_list.h"
#include "core/type_tables.h"
#include "host/io/io.h"
#include "host/shell/documents.h"
#include "host/shell/drawing_store.h"
#include "host/shell/session.h"

namespace {

class NetworkRun : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(LoadMessagesFile(LURAK_SOURCE_DIR "/data/lurak.msg"), 0);
        InitTypeTables();
        host::shell::resetSession();
        host::io::captureTranscript();
        doc = host::shell::newDrawing();
        ASSERT_NE(doc, nullptr);
        acdbRegApp(L"LurakCad_B1");
        LoadLinetypes();
        state.database = doc->database();
        state.defaults.rectPieceLength = 1500;
        state.defaults.roundPieceLength = 6000;
        CurrentDocState = &state;
        system = Record("HV1");
        ASSERT_EQ(InsertSystem(state.systemList, &system), 0);
        state.currentSystem = system;
        path = std::string(LURAK_BINARY_DIR) + "/network_run.dxf";
    }
    void TearDown() override {
        for (LObject* e : made)
            DestroyElement(e);
        CurrentDocState = nullptr;
        host::shell::resetSession();
        host::io::setSource(nullptr);
        host::io::setTranscript(nullptr);
    }

    LSystemRecord Record(const char* tag) {
        LSystemRecord r;
        std::snprintf(r.tag, sizeof r.tag, "%s", tag);
        char layer[32];
        SystemLayerName(layer, sizeof layer, tag);
        for (int i = 0; i < 3; ++i) {
            std::snprintf(r.penLayer[i], sizeof r.penLayer[i], "%s", layer);
            std::snprintf(r.penLinetype[i], sizeof r.penLinetype[i], "CONTINUOUS");
        }
        r.penColour[1] = 1;
        r.penColour[2] = 3;
        std::snprintf(r.centreLayer, sizeof r.centreLayer, "%s", layer);
        std::snprintf(r.centreLinetype, sizeof r.centreLinetype, "KÖZÉP");
        std::snprintf(r.labelLayer, sizeof r.labelLayer, "LURAK-%s-F", tag);
        std::snprintf(r.textStyle, sizeof r.textStyle, "STANDARD");
        std::snprintf(r.dimStyle, sizeof r.dimStyle, "STANDARD");
        CreateLayer(5, ToWide(layer).c_str(), doc->database());
        CreateLayer(7, ToWide(r.labelLayer).c_str(), doc->database());
        return r;
    }

    // A new element of the current system, or null when its family does
    // not make the type.
    LObject* Make(int16_t family, uint16_t subtype) {
        LObject* e = CreateElement(family, subtype);
        if (e) {
            e->SetSystemRecord(system);
            made.push_back(e);
        }
        return e;
    }

    // Inserts the element and dimensions it, the user picking above it.
    static void Place(LObject* e, const char* picks) {
        ASSERT_EQ(e->Insert(15), 0);
        host::io::setScript(picks);
        e->UpdateLabel();
    }

    static int Run(const std::string& command) { return std::system(command.c_str()); }

    host::shell::Document* doc = nullptr;
    LDocState state;
    LSystemRecord system;
    std::vector<LObject*> made;
    std::string path;
};

}  // namespace

TEST_F(NetworkRun, RectangularAndRoundRunsSavedAsACheckedDrawing) {
    // The rectangular run: 3020 on pieces of 1500 grows to 3050.
    LObject* duct = Make(1, 1);
    ASSERT_NE(duct, nullptr);
    const double rect[5] = {400, 200, 3020, 0, 0};
    duct->ApplyParams(rect, nullptr);
    const ads_point at = {2000, 1000, 0};
    duct->SetInsertionPoint(at);
    Place(duct, "2000,1600\n2000,1600\n2000,1600\n");
    EXPECT_EQ(duct->GetDimensionCount(), 3);

    // The round run below it.
    LObject* spiral = Make(2, 1);
    ASSERT_NE(spiral, nullptr);
    const double round[3] = {315, 15000, 0};
    spiral->ApplyParams(round, nullptr);
    const ads_point below = {7500, -1500, 0};
    spiral->SetInsertionPoint(below);
    Place(spiral, "7500,-900\n7500,-900\n7500,-900\n");
    EXPECT_EQ(spiral->GetDimensionCount(), 3);

    // A fire damper on the free end of the rectangular run.
    if (LObject* damper = Make(4, 1)) {
        int16_t own = damper->NextFreeConnector(-1, kShapeRect);
        ASSERT_GE(own, 0);
        ASSERT_EQ(damper->FitToElement(duct, own, 0), 0);
        ASSERT_EQ(damper->Insert(15), 0);
        damper->Connect(duct, own, 0);
        EXPECT_EQ(duct->Insert(13), 0);
        EXPECT_EQ(damper->Insert(13), 0);
    }
    // A grille on the side of the rectangular run.
    if (LObject* grille = Make(3, 1)) {
        ASSERT_EQ(duct->AddChild(grille, 1), 0);
        grille->AlignTo(duct);
        EXPECT_EQ(grille->Insert(15), 0);
        EXPECT_EQ(duct->Insert(13), 0);
    }

    std::string error;
    ASSERT_TRUE(host::shell::writeDrawing(*doc, path, error)) << error;
    std::string python = "/usr/bin/python3 ";
    EXPECT_EQ(Run(python + LURAK_SOURCE_DIR "/../shared/tools/dxf_check_refs.py " + path + " > /dev/null"), 0);
    std::string audit = python + "-c \"import ezdxf,sys; d=ezdxf.readfile(sys.argv[1]); a=d.audit(); "
                                 "sys.exit(len(a.errors)+len(a.fixes))\" " + path;
    EXPECT_EQ(Run(audit), 0) << audit;
    // The picture is for people; a machine without matplotlib skips it.
    Run(python + "-m ezdxf draw -o " + path + ".png " + path + " > /dev/null 2>&1");

    // Both runs read back with their pieces.
    host::shell::Document* reopened = host::shell::openDrawing(path);
    ASSERT_NE(reopened, nullptr);
    state.database = reopened->database();
    ads_name first;
    ASSERT_EQ(acdbEntNext(nullptr, first), RTNORM);
    int ducts = 0;
    for (ads_name e = {first[0], first[1]}; ; ) {
        LObject* read = LoadElementFromEntity(e);
        if (read) {
            double* v = nullptr;
            read->GetParams(&v);
            uint16_t labels = 0;
            read->GetLabelCount(&labels);
            if (read->GetFamily() == 1 && read->GetSubtype() == 1) {
                EXPECT_EQ(v[2], 3050);
                EXPECT_EQ(v[4], 1500);
                EXPECT_EQ(labels, 3);
                ++ducts;
            } else if (read->GetFamily() == 2 && read->GetSubtype() == 1) {
                EXPECT_EQ(v[1], 15000);
                EXPECT_EQ(labels, 3);
                ++ducts;
            }
            delete[] v;
            DestroyElement(read);
        }
        ads_name next;
        if (acdbEntNext(e, next) != RTNORM)
            break;
        ads_name_set(next, e);
    }
    EXPECT_EQ(ducts, 2);
}
