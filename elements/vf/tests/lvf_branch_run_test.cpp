// The round branch fittings and the round-to-rectangular fitting in a
// drawing: every type in each of the six views inserted, a grille on a
// VF-11 outlet, the drawing saved, checked and read back with the same
// values.
#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/global_mode.h"
#include "core/insert_flags.h"
#include "core/system_list.h"
#include "elements/tests/run_test.h"
#include "elements/vf/vf_family.h"

namespace {

using VfBranchDrawing = RunTest;

}  // namespace

TEST_F(VfBranchDrawing, EveryViewSavedCheckedAndReadBack) {
    NewDrawing("BR1");
    ASSERT_EQ(InsertSystem(state.systemList, &system), 0);
    SetGlobalMode(kModeRelabel);  // no dimension asks for a point here
    std::map<std::pair<int, int>, std::vector<double>> values;
    const int16_t types[] = {10, 14, 15, 16};
    for (int row = 0; row < 4; ++row) {
        for (int16_t o = 0; o < 6; ++o) {
            LObject* e = Make(kVfFamily, static_cast<uint16_t>(types[row]));
            ASSERT_NE(e, nullptr);
            const double sizes[4] = {250, 200, 150, 50};
            e->SetParams(sizes);
            e->SetOrientation(o);
            const ads_point at = {o * 1500.0, row * 1500.0, 0};
            e->SetInsertionPoint(at);
            ASSERT_EQ(e->Insert(kInsertAll), 0) << types[row] << "/" << o;
            values[{types[row], o}] = Params(*e);
        }
    }
    // A grille on the outlet of the first VF-11: it takes the outlet's
    // A x B, and the fitting is drawn again without the outlet's symbol.
    LObject* fitting = made.front();
    LObject* grille = Make(3, 1);
    ASSERT_NE(grille, nullptr);
    const double outlet[4] = {250, 300, 200, 0};
    fitting->SetParams(outlet);
    ASSERT_EQ(fitting->Insert(kInsertAll), 0);
    values[{10, 0}] = Params(*fitting);
    grille->SetAttachPosition(4);
    ASSERT_EQ(grille->AlignTo(fitting), 0);
    ASSERT_EQ(grille->Insert(kInsertAll), 0);
    ASSERT_EQ(fitting->AddChild(grille, 4), 0);
    ASSERT_EQ(fitting->Insert(kInsertAll), 0);
    EXPECT_EQ(Params(*grille)[1], 300);
    EXPECT_EQ(Params(*grille)[2], 200);

    const std::string path = LURAK_BINARY_DIR "/round_branches.dxf";
    SaveChecked(path);
    // The picture is for people; a machine without matplotlib skips it.
    std::string draw = "/usr/bin/python3 -m ezdxf draw -o " + path + ".png " + path + " > /dev/null 2>&1";
    [[maybe_unused]] int drawn = std::system(draw.c_str());
    Reopen(path);
    int fittings = 0, grilles = 0;
    std::map<int, int> perType;
    for (const StoredElement& e : StoredElements()) {
        if (e.family == 3) {
            ++grilles;
            continue;
        }
        ASSERT_EQ(e.family, kVfFamily);
        ++perType[e.subtype];
        ++fittings;
        bool matched = false;
        for (int16_t o = 0; o < 6; ++o)
            matched = matched || values[{e.subtype, o}] == e.values;
        EXPECT_TRUE(matched) << e.subtype;
    }
    EXPECT_EQ(fittings, 24);
    EXPECT_EQ(grilles, 1);
    for (int16_t type : types)
        EXPECT_EQ(perType[type], 6) << type;
}
