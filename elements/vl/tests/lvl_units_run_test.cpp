// The in-duct units and multi-way pieces in a drawing: each type in each of
// the six views inserted, the units labelled, the drawing saved, checked and
// read back with the same values and labels.
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
#include "host/io/io.h"

namespace {

using VlUnitsDrawing = RunTest;

}  // namespace

TEST_F(VlUnitsDrawing, EveryViewSavedCheckedAndReadBack) {
    NewDrawing("UN2");
    ASSERT_EQ(InsertSystem(state.systemList, &system), 0);
    const int16_t types[] = {15, 16, 17, 18, 19, 20, 21, 22, 23, 30, 31, 32};
    std::map<int, std::vector<double>> values;  // the same in every view
    int row = 0;
    for (int16_t type : types) {
        for (int16_t o = 0; o < 6; ++o) {
            LObject* e = Make(kVlFamily, static_cast<uint16_t>(type));
            ASSERT_NE(e, nullptr) << type;
            e->SetOrientation(o);
            const ads_point at = {o * 3000.0, row * 3000.0, 0};
            e->SetInsertionPoint(at);
            SetGlobalMode(kModeRelabel);  // the views need no labels
            ASSERT_EQ(e->Insert(kInsertAll), 0) << type << "/" << o;
            SetGlobalMode(kModeNormal);
            values[type] = Params(*e);
        }
        ++row;
    }
    // The units in the first view labelled with their names and sizes.
    for (LObject* e : made) {
        if (e->orientation != 0 || e->GetSubtype() >= 30)
            continue;
        ads_point at;
        e->GetInsertionPoint(at);
        host::io::setScript("0,0\n0,0\n");
        e->UpdateLabel();
        ASSERT_EQ(e->Insert(kInsertUpdate), 0);
    }

    const std::string path = LURAK_BINARY_DIR "/rect_units.dxf";
    SaveChecked(path);
    std::string draw = "/usr/bin/python3 -m ezdxf draw -o " + path + ".png " + path + " > /dev/null 2>&1";
    [[maybe_unused]] int drawn = std::system(draw.c_str());
    Reopen(path);
    std::map<int, int> perType, labelled;
    for (const StoredElement& e : StoredElements()) {
        ASSERT_EQ(e.family, kVlFamily);
        ++perType[e.subtype];
        labelled[e.subtype] += e.labelled;
        EXPECT_EQ(e.values, values[e.subtype]) << e.subtype;
    }
    for (int16_t type : types) {
        EXPECT_EQ(perType[type], 6) << type;
        EXPECT_EQ(labelled[type], type < 30 ? 1 : 0) << type;
    }
}
