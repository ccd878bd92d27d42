// The properties command on real grilles whose choices are their own: the
// heights of a TSD follow the duct it sits on, and a CSD's G option rules
// out its accessory and its D form.  What the dialog offers, what it lets
// the user change and what reaches the drawing must agree with the element,
// also when the element is opened again.
#include <string>
#include <vector>

#include "dcl/inspect.h"
#include "core/element_load.h"
#include "core/lobject.h"
#include "module_fixture.h"

namespace {

constexpr int kLprop = 15;
constexpr int16_t kSpiralDuct = 1;
constexpr int16_t kVl01 = 1;
constexpr int16_t kCsd = 1;
constexpr int16_t kTsd = 4;

class PropertiesChoicesTest : public PlacementTest {
protected:
    // The current element's values as the drawing holds them.
    std::vector<double> StoredValues() {
        LObject* e = LoadElementFromEntity(state->currentEntity);
        std::vector<double> out;
        double* v = nullptr;
        if (e && e->GetParams(&v) == 0 && v)
            out.assign(v, v + e->GetParamCount());
        delete[] v;
        DestroyElement(e);
        return out;
    }
    // The tile as the last dialog left it.
    host::dcl::TileState Tile(const char* key) {
        auto dialog = host::dcl::lastDialogState();
        const host::dcl::TileState* t = dialog ? dialog->tile(key) : nullptr;
        return t ? *t : host::dcl::TileState{};
    }
};

TEST_F(PropertiesChoicesTest, TsdOffersTheHeightsOfItsRoundDuct) {
    SetStart(0, 0, 0, kShapeRound, 315, 0);
    Place(kLnvf, kSpiralDuct);
    Place(kLracs, kTsd);
    Run(kLprop, "cancel\n");
    EXPECT_EQ(Tile("v1").items, (std::vector<std::string>{"50", "75"}));
    EXPECT_EQ(Tile("v1").value, "0");
    Run(kLprop, "v1=1\naccept\n");
    ASSERT_EQ(StoredValues().size(), 4u);
    EXPECT_EQ(StoredValues()[1], 75);
    // Opened again, the stored height is the one shown.
    Run(kLprop, "cancel\n");
    EXPECT_EQ(Tile("v1").items, (std::vector<std::string>{"50", "75"}));
    EXPECT_EQ(Tile("v1").value, "1");
}

TEST_F(PropertiesChoicesTest, CsdGOptionLeavesNoAccessoryNorDFormToChoose) {
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    Place(kLnvl, kVl01);
    Place(kLracs, kCsd);
    Run(kLprop, "cancel\n");
    EXPECT_EQ(Tile("v5").items.size(), 4u);
    EXPECT_TRUE(Tile("v7").enabled);  // kind -11 from the start
    Transcript();
    // G2, then the accessory AZN and the D form: neither can be chosen.
    Run(kLprop, "v6=1\nv5=1\nv7=1\naccept\n");
    std::string t = Transcript();
    EXPECT_NE(t.find("has no row"), std::string::npos) << t;
    EXPECT_NE(t.find("\"v7\" is disabled"), std::string::npos) << t;
    std::vector<double> stored = StoredValues();
    ASSERT_EQ(stored.size(), 8u);
    EXPECT_EQ(stored[5], 1);  // no accessory
    EXPECT_EQ(stored[6], 2);  // G2
    EXPECT_EQ(stored[7], 0);  // no D form
    // Reopened after the accept: the element's choices from the opening on.
    Run(kLprop, "cancel\n");
    EXPECT_EQ(Tile("v5").items.size(), 1u);
    EXPECT_FALSE(Tile("v7").enabled);
    EXPECT_EQ(Tile("v6").value, "1");
    // Without the G option both come back and can be chosen again.
    Run(kLprop, "v6=0\nv5=1\nv7=1\naccept\n");
    EXPECT_EQ(Tile("v5").items.size(), 4u);
    EXPECT_TRUE(Tile("v7").enabled);
    stored = StoredValues();
    ASSERT_EQ(stored.size(), 8u);
    EXPECT_EQ(stored[5], 2);
    EXPECT_EQ(stored[6], 1);
    EXPECT_EQ(stored[7], 1);
}

}  // namespace

// An RNT's size lists and their texts change with its variant: the dialog
// shows the texts the element gives for its own lists, entry for entry.
TEST_F(PropertiesChoicesTest, RntShowsTheSizeTextsOfItsOwnLists) {
    constexpr int16_t kRnt = 13;
    SetStart(0, 0, 0, kShapeRound, 200, 0);
    Place(kLnvf, kSpiralDuct);
    Place(kLracs, kRnt);
    Run(kLprop, "v1=5\naccept\n");  // RNT-4: A and B from their own list
    Run(kLprop, "cancel\n");
    EXPECT_EQ(Tile("v3").items,
              (std::vector<std::string>{"225", "325", "425", "525", "543", "625"}));
    ASSERT_EQ(Tile("v3").value, "1");  // 325: two B sizes fit it
    EXPECT_EQ(Tile("v4").items, (std::vector<std::string>{"185 (125)", "285 (160)"}));
}

// RNT-4 with the square A 543 (B forced to 543), then A 625: the dialog
// leaves B on the largest of the five B sizes below 543, shows it, stores
// it and shows it again when opened anew.
TEST_F(PropertiesChoicesTest, RntLeavingTheSquareFaceShowsTheBItStores) {
    constexpr int16_t kRnt = 13;
    SetStart(0, 0, 0, kShapeRound, 200, 0);
    Place(kLnvf, kSpiralDuct);
    Place(kLracs, kRnt);
    Run(kLprop, "v1=5\nv3=4\naccept\n");  // RNT-4, A 543
    ASSERT_EQ(StoredValues().size(), 5u);
    ASSERT_EQ(StoredValues()[4], 543);
    Run(kLprop, "v3=5\naccept\n");  // A 625
    EXPECT_EQ(Tile("v4").items.size(), 5u);
    EXPECT_EQ(Tile("v4").value, "3");
    EXPECT_EQ(StoredValues()[4], 485);
    Run(kLprop, "cancel\n");
    EXPECT_EQ(Tile("v4").value, "3");
}
