// The element edit commands on a run of real ducts: the current element
// picked, two elements picked for an insertion, turns, plane changes and
// moves by the element's number of joints, and the properties command with
// its refits, its cancel and a dialog that cannot open.
#include <cmath>
#include <string>
#include <vector>

#include "ads_entity.h"
#include "app/edit_support.h"
#include "core/element_load.h"
#include "core/element_ptr.h"
#include "core/entity_handles.h"
#include "core/resbuf_dump.h"
#include "core/lcustom.h"
#include "core/string_convert.h"
#include "io/io.h"
#include "module_fixture.h"
#include "shell/commands.h"

namespace {

enum EditCode : int { kLcur = 9, kLrot = 10, kLplane = 11, kLmove = 12, kLprop = 15, kLins = 20 };
constexpr int16_t kVl01 = 1;
constexpr int16_t kCsd = 1;

class EditCommandsTest : public PlacementTest {
protected:
    // A rectangular run of `count` straight ducts of 1500 from the origin
    // along +x; their inserts in laying order.
    std::vector<std::string> LayRun(int count) {
        SetStart(0, 0, 0, kShapeRect, 400, 300);
        std::vector<std::string> handles;
        for (int i = 0; i < count; ++i) {
            Place(kLnvl, kVl01);
            handles.push_back(HandleOf(state->currentEntity));
        }
        return handles;
    }
    static std::string HandleOf(const ads_name entity) {
        LObject* e = LoadElementFromEntity(entity);
        std::string handle = e ? e->HandleText() : "";
        DestroyElement(e);
        return handle;
    }
    // The element of a handle, read from the drawing.
    static LObject* Load(const std::string& handle) {
        ads_name entity;
        if (acdbHandEnt(ToWide(handle.c_str()).c_str(), entity) != RTNORM)
            return nullptr;
        return LoadElementFromEntity(entity);
    }
    struct Seen {
        int joined = -1;
        int orientation = -1;
        double x = 0, y = 0;
        std::vector<int> joinedAt;  // indices of the joined connectors
        double length = 0;
        int edited = 0;
    };
    static Seen Look(const std::string& handle) {
        Seen seen;
        LObject* e = Load(handle);
        if (!e)
            return seen;
        seen.joined = e->CountConnectedConnectors(-1);
        seen.orientation = e->GetOrientation();
        seen.x = e->insertionPoint[0];
        seen.y = e->insertionPoint[1];
        for (int16_t c = 0; c < e->GetConnectorCount(); ++c)
            if (!e->GetConnector(c)->IsFree())
                seen.joinedAt.push_back(c);
        double* v = nullptr;
        e->GetParams(&v);
        seen.length = v[2];
        delete[] v;
        seen.edited = e->IsEdited();
        DestroyElement(e);
        return seen;
    }
    // Makes the element of the handle current, as "C:lcur" does.
    void MakeCurrent(const std::string& handle) {
        Run(kLcur, "#" + handle + "\n");
        ASSERT_EQ(HandleOf(state->currentEntity), handle);
    }
};

TEST_F(EditCommandsTest, CurrentElementPickedMissedCancelledOrNotAnElement) {
    std::vector<std::string> run = LayRun(2);
    Transcript();
    Run(kLcur, "#" + run[0] + "\n");
    EXPECT_EQ(HandleOf(state->currentEntity), run[0]);
    EXPECT_EQ(state->selectionState, 1);
    EXPECT_STREQ(state->currentSystem.tag, "HV1");
    EXPECT_TRUE(host::shell::currentDocument()->highlighted(state->currentEntity));
    Run(kLcur, "^C\n");
    Run(kLcur, "50000,50000\n");
    EXPECT_TRUE(Said("Nothing was picked."));
    host::io::setScript("0,-5000\n100,-5000\n\n");
    host::shell::runCommandWord("LINE");
    Run(kLcur, "last\n");
    EXPECT_TRUE(Said("That is not a LurakCAD element."));
    EXPECT_EQ(HandleOf(state->currentEntity), run[0]);
    EXPECT_TRUE(host::shell::currentDocument()->highlighted(state->currentEntity));
}

TEST_F(EditCommandsTest, InsertBetweenStoresPicksOrRefusesElementsWithoutFreeConnectors) {
    std::vector<std::string> run = LayRun(3);
    Transcript();
    // The middle duct is joined at both ends.
    Run(kLins, "#" + run[0] + "\n#" + run[1] + "\n");
    EXPECT_TRUE(Said("There is no free connector that matches."));
    EXPECT_NE(state->selectionState, kTwoEntitiesPicked);
    Run(kLins, "#" + run[0] + "\n^C\n");
    EXPECT_NE(state->selectionState, kTwoEntitiesPicked);
    Run(kLins, "#" + run[0] + "\n50000,50000\n");
    EXPECT_TRUE(Said("Nothing was picked."));
    host::io::setScript("0,-5000\n100,-5000\n\n");
    host::shell::runCommandWord("LINE");
    Run(kLins, "#" + run[0] + "\nlast\n");
    EXPECT_TRUE(Said("That is not a LurakCAD element."));
    EXPECT_NE(state->selectionState, kTwoEntitiesPicked);
    Run(kLins, "#" + run[0] + "\n#" + run[2] + "\n");
    EXPECT_EQ(state->selectionState, kTwoEntitiesPicked);
    EXPECT_EQ(HandleOf(state->firstPick), run[0]);
    EXPECT_EQ(HandleOf(state->secondPick), run[2]);
    EXPECT_EQ(state->current, nullptr);
}

TEST_F(EditCommandsTest, InsertBetweenSeparatesAJointWhoseEndsLieApart) {
    std::vector<std::string> run = LayRun(2);
    LObject* second = Load(run[1]);
    ads_point away = {0, 700, 0};
    second->MoveBy(away, 0);
    ads_name entity;
    acdbHandEnt(ToWide(run[1].c_str()).c_str(), entity);
    ads_name_set(entity, second->entity);
    second->Insert(kWriteElement);
    DestroyElement(second);
    ASSERT_EQ(Look(run[1]).joined, 1);
    Run(kLins, "#" + run[0] + "\n#" + run[1] + "\n");
    EXPECT_EQ(state->selectionState, kTwoEntitiesPicked);
    EXPECT_EQ(Look(run[0]).joined, 0);
    EXPECT_EQ(Look(run[1]).joined, 0);
}

TEST_F(EditCommandsTest, RotateByJointCount) {
    // On the start point: the other end goes to the start.
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    Place(kLnvl, kVl01);
    std::string first = HandleOf(state->currentEntity);
    int16_t atStart = state->currentConnector;
    Run(kLrot);
    EXPECT_NE(state->currentConnector, atStart);
    // One joint: the end duct turns about its joint on its other connector.
    Place(kLnvl, kVl01);
    Place(kLnvl, kVl01);
    std::string last = HandleOf(state->currentEntity);
    Seen before = Look(last);
    ASSERT_EQ(before.joined, 1);
    Run(kLrot);
    Seen after = Look(last);
    EXPECT_EQ(after.joined, 1);
    EXPECT_NE(after.joinedAt, before.joinedAt);
    // Two joints: the middle duct is refitted between its neighbours.
    std::string middle = HandleOf(state->neighbour ? state->neighbour->entity : state->currentEntity);
    MakeCurrent(middle);
    before = Look(middle);
    ASSERT_EQ(before.joined, 2);
    Run(kLrot);
    after = Look(middle);
    EXPECT_EQ(after.joined, 2);
    EXPECT_EQ(after.x, before.x);
    EXPECT_EQ(Look(first).joined, 1);
    EXPECT_EQ(Look(last).joined, 1);
}

TEST_F(EditCommandsTest, ChangePlaneByJointCount) {
    // On the start point: turned about the connector at the start.
    std::vector<std::string> single = LayRun(1);
    int16_t atStart = state->currentConnector;
    Seen lone = Look(single[0]);
    Run(kLplane);
    EXPECT_NE(Look(single[0]).orientation, lone.orientation);
    EXPECT_EQ(state->currentConnector, atStart);
    std::vector<std::string> run = LayRun(3);
    for (const std::string& handle : {run[2], run[1]}) {
        MakeCurrent(handle);
        Seen before = Look(handle);
        Run(kLplane);
        Seen after = Look(handle);
        EXPECT_NE(after.orientation, before.orientation) << before.joined << " joints";
        EXPECT_EQ(after.joined, before.joined);
    }
    // The two-joint case tried the next orientation first.
    EXPECT_EQ(Look(run[1]).orientation, 1);
}

TEST_F(EditCommandsTest, ChildrenFollowTheirTurnedDuctAndAChildChangesItsAttachPosition) {
    std::vector<std::string> run = LayRun(2);
    Place(kLracs, kCsd);
    std::string grille = HandleOf(state->currentEntity);
    LObject* before = Load(grille);
    ASSERT_NE(before, nullptr);
    int16_t position = before->GetAttachPosition();
    int16_t orientation = before->GetOrientation();
    DestroyElement(before);
    // The grille on its own: the next attach position of the duct.
    Run(kLplane);
    LObject* moved = Load(grille);
    ASSERT_NE(moved, nullptr);
    EXPECT_NE(moved->GetAttachPosition(), position);
    ads_point placed;
    moved->GetInsertionPoint(placed);
    double turned = moved->GetRotation();
    DestroyElement(moved);
    // The duct turned into another plane: its grille is written where the
    // duct in its new plane puts it.
    MakeCurrent(run[1]);
    Run(kLplane);
    LObject* after = Load(grille);
    LObject* duct = Load(run[1]);
    ASSERT_TRUE(after && duct);
    ads_point stored;
    after->GetInsertionPoint(stored);
    int16_t storedOrientation = after->GetOrientation();
    double storedRotation = after->GetRotation();
    after->SetParent(duct);
    after->AlignToParent();
    after->SetParent(nullptr);
    ads_point expected;
    after->GetInsertionPoint(expected);
    EXPECT_EQ(storedOrientation, after->GetOrientation());
    EXPECT_NEAR(storedRotation, after->GetRotation(), 1e-9);
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(stored[k], expected[k], 1e-6);
    bool wasElsewhere = std::abs(placed[0] - expected[0]) + std::abs(placed[1] - expected[1]) > 1e-6 ||
                        std::abs(turned - storedRotation) > 1e-9 || orientation != storedOrientation;
    EXPECT_TRUE(wasElsewhere);
    DestroyElement(after);
    DestroyElement(duct);
}

TEST_F(EditCommandsTest, MoveNeedsAnotherFreeConnectorOnTheNeighbour) {
    std::vector<std::string> run = LayRun(3);
    Seen before = Look(run[2]);
    Run(kLmove);  // the middle duct has no free connector left
    Seen after = Look(run[2]);
    EXPECT_EQ(after.x, before.x);
    EXPECT_EQ(after.joined, 1);
    // Two ducts: the second moves to the first one's other end.
    std::vector<std::string> pair = LayRun(2);
    before = Look(pair[1]);
    Run(kLmove);
    after = Look(pair[1]);
    EXPECT_EQ(after.joined, 1);
    EXPECT_LT(after.x, 0.0);
    EXPECT_GT(before.x, 0.0);
}

// The current duct erased: no command acts on its copy in memory, and its
// neighbour keeps its joint record.
TEST_F(EditCommandsTest, AnErasedCurrentElementIsNoLongerCurrent) {
    std::vector<std::string> run = LayRun(2);
    // The neighbour's data as stored, joint record and all.
    auto StoredFirst = [&] {
        ads_name first;
        std::string out;
        if (acdbHandEnt(ToWide(run[0].c_str()).c_str(), first) != RTNORM)
            return out;
        resbuf* list = acdbEntGetX(first, ProgramAppFilter());
        for (const resbuf* rb = list; rb; rb = rb->rbnext)
            out += DescribeResbuf(rb);
        acutRelRb(list);
        return out;
    };
    MakeCurrent(run[1]);
    ads_name erased;
    ASSERT_EQ(acdbHandEnt(ToWide(run[1].c_str()).c_str(), erased), RTNORM);
    ASSERT_EQ(acdbEntDel(erased), RTNORM);
    std::string joint = StoredFirst();
    auto before = StoredElements();
    for (int code : {kLrot, kLplane, kLmove, kLprop}) {
        SCOPED_TRACE(code);
        Transcript();
        Run(code, "accept\n");
        EXPECT_TRUE(Said("There is no current element"));
        EXPECT_EQ(StoredFirst(), joint);
        auto after = StoredElements();
        ASSERT_EQ(after.size(), before.size());
        for (size_t i = 0; i < after.size(); ++i) {
            EXPECT_EQ(after[i].values, before[i].values);
            EXPECT_EQ(after[i].joined, before[i].joined);
        }
    }
    EXPECT_EQ(state->current, nullptr);
}

// A lone duct on the start point refits to the start connector, the end
// duct of two to its neighbour: the fixed end stays, the middle moves by
// half the change.
TEST_F(EditCommandsTest, PropertiesOnTheStartPointOrWithOneJointKeepTheFixedEnd) {
    for (int count : {1, 2}) {
        SCOPED_TRACE(count);
        std::string last = LayRun(count).back();
        Seen before = Look(last);
        Run(kLprop, "v2=1000\naccept\n");
        Seen after = Look(last);
        EXPECT_EQ(after.length, 1000);
        EXPECT_EQ(after.joined, count - 1);
        EXPECT_EQ(after.edited, 1);
        EXPECT_DOUBLE_EQ(after.x, before.x - 250);
        EXPECT_EQ(state->startConnector != nullptr, count == 1);
    }
}

// A grille on the end duct of two: the duct shortened from 1500 to 600
// keeps its joint, and the grille is written where the shorter duct puts it.
TEST_F(EditCommandsTest, ChildrenFollowTheirDuctAfterAPropertiesEdit) {
    std::vector<std::string> run = LayRun(2);
    Place(kLracs, kCsd);
    std::string grille = HandleOf(state->currentEntity);
    ElementPtr placed(Load(grille));
    ASSERT_NE(placed, nullptr);
    ads_point before;
    placed->GetInsertionPoint(before);
    MakeCurrent(run[1]);
    Run(kLprop, "v2=600\naccept\n");
    ASSERT_EQ(Look(run[1]).length, 600);
    ElementPtr after(Load(grille));
    ElementPtr duct(Load(run[1]));
    ASSERT_TRUE(after && duct);
    ads_point stored, expected;
    after->GetInsertionPoint(stored);
    after->SetParent(duct.get());
    after->AlignToParent();
    after->SetParent(nullptr);
    after->GetInsertionPoint(expected);
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(stored[k], expected[k], 1e-6) << k;
    EXPECT_GT(std::abs(before[0] - expected[0]) + std::abs(before[1] - expected[1]), 1.0);
}

TEST_F(EditCommandsTest, PropertiesBetweenTwoJointsGreyTheLengthAndKeepTheJoints) {
    std::vector<std::string> run = LayRun(3);
    MakeCurrent(run[1]);
    Transcript();
    Run(kLprop, "v2=900\naccept\n");
    EXPECT_TRUE(Said("is disabled"));
    Seen after = Look(run[1]);
    EXPECT_EQ(after.length, 1500);
    EXPECT_EQ(after.joined, 2);
    EXPECT_EQ(after.edited, 1);
}

TEST_F(EditCommandsTest, CancelledOrUnopenedPropertiesLeaveTheDrawingAlone) {
    std::vector<std::string> run = LayRun(2);
    auto before = StoredElements();
    Run(kLprop, "v2=1000\nlm0=9000\ncancel\n");
    auto after = StoredElements();
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].values, before[i].values);
        EXPECT_EQ(after[i].x, before[i].x);
    }
    EXPECT_EQ(Look(run[1]).edited, 0);
    // Without a dialog file the dialog cannot open: nothing is refitted,
    // marked edited or written.
    std::filesystem::remove(installDir / "lurak.dcl");
    Run(kLprop, "");
    EXPECT_EQ(Look(run[1]).edited, 0);
    EXPECT_EQ(StoredElements()[1].x, before[1].x);
}

TEST_F(EditCommandsTest, ACancelledCustomElementDialogDropsTheCurrentElement) {
    // A custom element current on the pending start point stays loaded as
    // it is; the properties command opens its own dialog on it.
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    state->current = new LCustom;
    state->selectionState = 0;
    Run(kLprop, "cancel\n");
    EXPECT_TRUE(Said("Dialog 139"));
    EXPECT_EQ(state->current, nullptr);
    EXPECT_TRUE(StoredElements().empty());
}

}  // namespace
