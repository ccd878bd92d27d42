// The rectangular branch fittings in a drawing: VL-12-B, VL-12-J and VL-13
// in each of the six views inserted, one VL-12-B mirrored in place, the
// drawing saved, checked and read back with the same types and values.
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/global_mode.h"
#include "core/insert_flags.h"
#include "core/system_list.h"
#include "elements/tests/run_test.h"
#include "elements/vl/vl_family.h"

namespace {

using VlBranchDrawing = RunTest;

}  // namespace

TEST_F(VlBranchDrawing, EveryViewSavedCheckedAndReadBack) {
    NewDrawing("BR2");
    ASSERT_EQ(InsertSystem(state.systemList, &system), 0);
    SetGlobalMode(kModeRelabel);  // no dimension asks for a point here
    std::map<int, std::vector<double>> values;  // the same in every view
    const int16_t types[] = {12, 13, 14};
    for (int row = 0; row < 3; ++row) {
        for (int16_t o = 0; o < 6; ++o) {
            LObject* e = Make(kVlFamily, static_cast<uint16_t>(types[row]));
            ASSERT_NE(e, nullptr);
            const double sizes[7] = {400, 200, 250, 150, 600, 150, 0};
            e->SetParams(sizes);
            e->SetOrientation(o);
            const ads_point at = {o * 1500.0, row * 1500.0, 0};
            e->SetInsertionPoint(at);
            ASSERT_EQ(e->Insert(kInsertAll), 0) << types[row] << "/" << o;
            values[types[row]] = Params(*e);
        }
    }
    // Mirrored after insertion, the first VL-12-B is stored as a VL-12-J.
    LObject* mirrored = made.front();
    ASSERT_EQ(mirrored->Mirror(), 0);
    ASSERT_EQ(mirrored->Insert(kInsertAll), 0);

    const std::string path = LURAK_BINARY_DIR "/rect_branches.dxf";
    SaveChecked(path);
    std::string draw = "/usr/bin/python3 -m ezdxf draw -o " + path + ".png " + path + " > /dev/null 2>&1";
    [[maybe_unused]] int drawn = std::system(draw.c_str());
    Reopen(path);
    std::map<int, int> perType;
    for (const StoredElement& e : StoredElements()) {
        ASSERT_EQ(e.family, kVlFamily);
        ++perType[e.subtype];
        EXPECT_EQ(e.values, values[e.subtype]) << e.subtype;
    }
    EXPECT_EQ(perType[12], 5);
    EXPECT_EQ(perType[13], 7);
    EXPECT_EQ(perType[14], 6);
}
