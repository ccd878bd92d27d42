// A small network laid with the core's operations, as the placement
// command does it: a rectangular run VL-01 of 3020 on standard pieces of
// 1500, a round run SPIRO of 15000 on pieces of 6000, a labelled fire damper
// VT-3-2 fitted to the free end of the rectangular run and a labelled CSD
// grille on its side.  The drawing is saved, checked and read back: each
// element keeps its values, labels and user text.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "core/element_factory.h"
#include "core/element_load.h"
#include "core/lobject.h"
#include "core/refit_joint.h"
#include "core/system_list.h"
#include "elements/tests/run_test.h"
#include "host/io/io.h"

namespace {

class NetworkRun : public RunTest {
protected:
    void SetUp() override {
        RunTest::SetUp();
        NewDrawing("HV1");
        ASSERT_EQ(InsertSystem(state.systemList, &system), 0);
    }

    // Inserts the element and dimensions it, the user picking above it.
    static void Place(LObject* e, const char* picks) {
        ASSERT_EQ(e->Insert(15), 0);
        host::io::setScript(picks);
        e->UpdateLabel();
    }
};

}  // namespace

TEST_F(NetworkRun, RunsDamperAndGrilleSavedAsACheckedDrawing) {
    // The rectangular run: 3020 on pieces of 1500 grows to 3050.
    LObject* duct = Make(1, 1);
    ASSERT_NE(duct, nullptr);
    const double rect[5] = {400, 300, 3020, 0, 0};  // a size the damper's catalogue has
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

    // A fire damper on the free end of the rectangular run takes its section.
    LObject* damper = Make(4, 1);
    ASSERT_NE(damper, nullptr);
    damper->SetParamText(2, "TD-1");
    int16_t own = damper->NextFreeConnector(-1, kShapeRect);
    ASSERT_GE(own, 0);
    ASSERT_EQ(damper->FitToElement(duct, own, 0), 0);
    ASSERT_EQ(damper->Insert(15), 0);
    ASSERT_EQ(damper->Connect(duct, own, 0), 0);
    host::io::setScript("5000,1500\n");
    EXPECT_EQ(damper->UpdateLabel(), 0);
    EXPECT_EQ(damper->Insert(1), 0);  // the insert's data now names the label
    ads_point ductEnd, damperEnd;
    duct->GetConnector(0)->GetWorldPoint(ductEnd);
    damper->GetConnector(own)->GetWorldPoint(damperEnd);
    EXPECT_NEAR(ductEnd[0], damperEnd[0], 1e-6);
    EXPECT_NEAR(ductEnd[1], damperEnd[1], 1e-6);

    // A grille on an attach position of the duct whose mask takes it.
    LObject* grille = Make(3, 1);
    ASSERT_NE(grille, nullptr);
    int16_t position = -1;
    for (int16_t q = 0; q < 6 && position < 0; ++q)
        if (duct->GetAttachMask(q) & grille->GetKind())
            position = q;
    ASSERT_GE(position, 0);
    ASSERT_EQ(duct->AddChild(grille, static_cast<uint16_t>(position)), 0);
    grille->AlignTo(duct);
    ASSERT_EQ(grille->Insert(15), 0);
    host::io::setScript("2000,2000\n");
    EXPECT_EQ(grille->UpdateLabel(), 0);
    EXPECT_EQ(grille->Insert(1), 0);
    EXPECT_EQ(duct->Insert(13), 0);
    EXPECT_EQ(damper->Insert(13), 0);

    // Rebuilt from its insert, the grille knows its parent by entity only:
    // aligning reads the duct for the call and lets it go again.
    ads_name grilleEntity;
    grille->GetEntity(grilleEntity);
    ads_point aligned;
    grille->GetInsertionPoint(aligned);
    {
        std::unique_ptr<LObject, void (*)(LObject*)> rebuilt(LoadElementFromEntity(grilleEntity), DestroyElement);
        ASSERT_NE(rebuilt, nullptr);
        EXPECT_EQ(rebuilt->GetParent(), nullptr);
        const ads_point away = {aligned[0] + 700, aligned[1] - 300, 0};
        rebuilt->MoveTo(away);
        EXPECT_EQ(rebuilt->AlignToParent(), 0);
        EXPECT_EQ(rebuilt->GetParent(), nullptr);
        ads_point back;
        rebuilt->GetInsertionPoint(back);
        EXPECT_NEAR(back[0], aligned[0], 1e-6);
        EXPECT_NEAR(back[1], aligned[1], 1e-6);
        EXPECT_EQ(rebuilt->NextAttachPosition(), 0);
        EXPECT_TRUE(duct->GetAttachMask(rebuilt->GetAttachPosition()) & grille->GetKind());
    }
    // An element with no parent at all has nothing to align to.
    EXPECT_EQ(damper->AlignToParent(), -1);

    const std::string path = LURAK_BINARY_DIR "/network_run.dxf";
    SaveChecked(path);
    // The picture is for people; a machine without matplotlib skips it.
    std::string draw = "/usr/bin/python3 -m ezdxf draw -o " + path + ".png " + path + " > /dev/null 2>&1";
    [[maybe_unused]] int drawn = std::system(draw.c_str());
    Reopen(path);
    int found = 0;
    for (const StoredElement& e : StoredElements()) {
        if (e.family == 1 && e.subtype == 1) {
            EXPECT_EQ(e.values, (std::vector<double>{400, 300, 3050, -1, 1500}));
            EXPECT_EQ(e.labels, 3);
        } else if (e.family == 2 && e.subtype == 1) {
            EXPECT_EQ(e.values, (std::vector<double>{315, 15000, 6000}));
            EXPECT_EQ(e.labels, 3);
        } else if (e.family == 4) {
            EXPECT_EQ(e.values, (std::vector<double>{400, 300, 0, 1, 1, 0, 0, 1}));
            EXPECT_EQ(e.text, "TD-1");
            EXPECT_TRUE(e.labelled);
        } else if (e.family == 3) {
            EXPECT_EQ(e.values, (std::vector<double>{1, 300, 300, 1, 1, 1, 1, 0}));
            EXPECT_TRUE(e.labelled);
        }
        ++found;
    }
    EXPECT_EQ(found, 4);
}

// A straight duct fitted into a gap between two elements is laid as
// standard pieces and one last piece, each its own element.
TEST_F(NetworkRun, GapsAreBridgedWithStandardPieces) {
    struct Case {
        int16_t family;
        double gap;
        std::vector<double> lengths;  // of the new elements, in drawing order
    } cases[] = {
        {1, 4000, {1500, 1500, 1000}},
        {1, 3000, {1500, 1500}},
        {2, 15000, {6000, 6000, 3000}},
    };
    for (const Case& c : cases) {
        NewDrawing("HV1");
        int16_t index = c.family == 1 ? 2 : 1;
        // Two short ducts of the same section facing each other over the gap.
        LObject* ends[2];
        for (int i = 0; i < 2; ++i) {
            ends[i] = Make(c.family, 1);
            ASSERT_NE(ends[i], nullptr);
            double v[5] = {400, 200, 1000, 0, 0};
            if (c.family == 2)
                v[0] = 400, v[1] = 1000, v[2] = 0;
            ends[i]->ApplyParams(v, nullptr);
            const ads_point at = {i == 0 ? 0.0 : 1000 + c.gap, 0, 0};
            ends[i]->SetInsertionPoint(at);
            ASSERT_EQ(ends[i]->Insert(15), 0);
        }
        size_t before = StoredElements().size();
        DestroyElement(state.current);
        state.current = CreateElement(c.family, 1);
        ASSERT_EQ(RefitJoint(1, ends[0], ends[1], 0, 1, 1, 0), 0) << c.gap;
        std::vector<StoredElement> all = StoredElements();
        ASSERT_EQ(all.size(), before + c.lengths.size()) << c.gap;
        for (size_t i = 0; i < c.lengths.size(); ++i)
            EXPECT_EQ(all[before + i].values[index], c.lengths[i]) << c.gap << " piece " << i;
    }
}
