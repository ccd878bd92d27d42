// The custom element and explode commands on plain entities, and the
// settings and inspection commands: defaults stored in the drawing, the
// airflow label by type, the entity dump, and a deleted current system.
#include <string>
#include <vector>

#include "acdb_objects.h"
#include "ads_entity.h"
#include "app/explode_elements.h"
#include "core/drawing_defaults.h"
#include "core/element_load.h"
#include "core/entity_handles.h"
#include "core/lcustom.h"
#include "core/string_convert.h"
#include "core/xdata_list.h"
#include "io/io.h"
#include "module_fixture.h"

namespace {

enum SettingsCode : int {
    kLinf = 7, kLcur = 9, kLexplode = 13, kLairdim = 17, kLcprop = 24, kLcustom = 27
};

struct Plain {
    std::string type, layer;
    int colour;
};

class SettingsCommandsTest : public PlacementTest {
protected:
    static std::string Make(resbuf* list) {
        EXPECT_EQ(acdbEntMake(list), RTNORM);
        acutRelRb(list);
        ads_name made;
        acdbEntLast(made);
        return HandleOfEntity(made);
    }
    // A line in BYBLOCK colour and a circle in colour 3 around (x, y).
    std::vector<std::string> LineAndCircle(double x, double y) {
        ads_point a = {x - 500, y, 0}, b = {x + 500, y, 0}, c = {x, y, 0};
        return {Make(acutBuildList(RTDXF0, L"LINE", 10, a, 11, b, 62, 0, 0)),
                Make(acutBuildList(RTDXF0, L"CIRCLE", 10, c, 40, 200.0, 62, 3, 0))};
    }
    // The model-space entities without the program's data.
    static std::vector<Plain> PlainEntities() {
        std::vector<Plain> out;
        ads_name e;
        for (int status = acdbEntNext(nullptr, e); status == RTNORM;) {
            resbuf* list = acdbEntGetX(e, ProgramAppFilter());
            if (!FindGroup(list, -3)) {
                resbuf* colour = FindGroup(list, 62);
                out.push_back({GroupText(FindGroup(list, 0)), GroupText(FindGroup(list, 8)),
                               colour ? colour->resval.rint : 256});
            }
            acutRelRb(list);
            ads_name next;
            status = acdbEntNext(e, next);
            ads_name_set(next, e);
        }
        return out;
    }
    static LObject* Load(const std::string& handle) {
        ads_name e;
        if (acdbHandEnt(ToWide(handle.c_str()).c_str(), e) != RTNORM)
            return nullptr;
        return LoadElementFromEntity(e);
    }
};

TEST_F(SettingsCommandsTest, CustomElementTakesTheEntitiesAndExplodeGivesThemBack) {
    std::vector<std::string> picked = LineAndCircle(2000, 1000);
    const std::string picks = "#" + picked[0] + "\n#" + picked[1] + "\n\n2000,1000\n";
    state->defaults.insertScale = AcGeScale3d(2, 2, 2);
    // Cancelled: the entities stay, nothing is made.
    Run(kLcustom, picks + "cancel\n");
    EXPECT_EQ(PlainEntities().size(), 2u);
    Run(kLcustom, picks + "1078=Box\nok\n");
    EXPECT_TRUE(PlainEntities().empty());
    const std::string custom = HandleOfEntity(state->currentEntity);
    LObject* e = Load(custom);
    ASSERT_NE(e, nullptr);
    AcGeScale3d scale;
    e->GetScale(&scale);
    EXPECT_EQ(e->GetFamily(), kCustomFamilyCode);
    EXPECT_STREQ(e->System().tag, "HV1");
    EXPECT_EQ(scale.sx, 1.0);
    EXPECT_EQ(e->insertionPoint[0], 2000.0);
    std::string layer = e->System().penLayer[0];
    DestroyElement(e);

    // The insert in colour 5, exploded twice onto a layer made for it: the
    // second time its former layer is that one.
    AcDbObjectId id;
    AcDbEntity* insert = nullptr;
    ASSERT_EQ(acdbGetObjectId(id, state->currentEntity), Acad::eOk);
    ASSERT_EQ(acdbOpenObject(insert, id, AcDb::kForWrite), Acad::eOk);
    insert->setColorIndex(5);
    insert->close();
    Run(kLexplode, "#" + custom + "\n\n1034=Plain copies\nok\n");
    Run(kLexplode, "#" + custom + "\n\n1034=Plain copies\nok\n");
    std::vector<Plain> plain = PlainEntities();
    ASSERT_EQ(plain.size(), 4u);
    for (size_t i = 0; i < plain.size(); ++i) {
        EXPECT_EQ(plain[i].layer, i < 2 ? layer : "Plain copies") << i;
        EXPECT_EQ(plain[i].colour, plain[i].type == "LINE" ? 5 : 3) << i;
    }
    e = Load(custom);
    ASSERT_NE(e, nullptr);  // the insert keeps its data
    DestroyElement(e);
    resbuf* list = acdbEntGetX(state->currentEntity, ProgramAppFilter());
    EXPECT_EQ(GroupText(FindGroup(list, 8)), "Plain copies");
    acutRelRb(list);
    EXPECT_EQ(ExplodedColour(0, 7), 7);
    EXPECT_EQ(ExplodedColour(256, 7), 256);  // BYLAYER stays
}

// A window takes what it holds as drawn: the room name beside the line and
// circle starts inside the window but its text runs far out of it.
TEST_F(SettingsCommandsTest, CustomElementTakesWhatTheWindowHolds) {
    LineAndCircle(2000, 1000);
    ads_point at = {2100, 750, 0};
    Make(acutBuildList(RTDXF0, L"MTEXT", 10, at, 40, 100.0, 41, 0.0, 71, 1, 1, L"Meeting room 101 with a long name",
                       0));
    Run(kLcustom, "window 1400,700 2600,1300\n\n2000,1000\n1078=Box\nok\n");
    std::vector<Plain> left = PlainEntities();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].type, "MTEXT");
}

TEST_F(SettingsCommandsTest, ExplodeOfPlainEntitiesOnlyMakesTheLayer) {
    std::vector<std::string> picked = LineAndCircle(0, 0);
    Run(kLexplode, "#" + picked[0] + "\n#" + picked[1] + "\n\n1034=EMPTY\nok\n");
    EXPECT_EQ(PlainEntities().size(), 2u);
    ads_name layer;
    EXPECT_EQ(acdbTblObjName(L"LAYER", L"EMPTY", layer), RTNORM);
    Run(kLexplode, "#" + picked[0] + "\n\ncancel\n");
    EXPECT_NE(acdbTblObjName(L"LAYER", L"NONE", layer), RTNORM);
}

TEST_F(SettingsCommandsTest, OptionsAreStoredInTheDrawingAndReadBack) {
    state->defaults.hasElements = 0;
    Run(kLcprop, "1087=2\n1076=2000\n1077=3000\n1078=80\nok\n");
    EXPECT_EQ(state->defaults.insertScale.sz, 2.0);
    resbuf* stored = acdbEntGetX(state->systemList.programDictionary, ProgramAppFilter());
    std::vector<double> reals;
    for (resbuf* rb = FindGroup(stored, -3); rb; rb = rb->rbnext)
        if (rb->restype == 1040)
            reals.push_back(rb->resval.rreal);
    acutRelRb(stored);
    EXPECT_EQ(reals, (std::vector<double>{80, 2000, 3000, 2}));
    LDrawingDefaults read;
    ASSERT_EQ(ReadDrawingDefaults(state->systemList.programDictionary, &read), 0);
    EXPECT_EQ(read.insertScale.sx, 2.0);
    EXPECT_EQ(read.rectPieceLength, 2000.0);
    // With elements in the drawing the scale stays; a cancel keeps all.
    state->defaults.hasElements = 1;
    Run(kLcprop, "1087=5\n1078=90\nok\n");
    EXPECT_EQ(state->defaults.insertScale.sx, 2.0);
    EXPECT_EQ(state->defaults.labelDistance, 90.0);
    Run(kLcprop, "1078=10\ncancel\n");
    EXPECT_EQ(state->defaults.labelDistance, 90.0);
}

TEST_F(SettingsCommandsTest, AirflowLabelOnlyForTheTypesThatHaveOne) {
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    const struct {
        int16_t subtype;
        bool asked;
    } cases[] = {{2, false}, {1, true}};  // an elbow, a straight duct
    for (const auto& c : cases) {
        Place(kLnvl, c.subtype);
        Transcript();
        Run(kLairdim, "500,800\nnone\n");
        EXPECT_EQ(Said("Position of the airflow label"), c.asked) << c.subtype;
    }
    ReleaseCurrentElement();
    ads_name_clear(state->currentEntity);
    Run(kLairdim, "500,800\n");
    EXPECT_EQ(Transcript().find("airflow"), std::string::npos);
}

TEST_F(SettingsCommandsTest, EntityDataOfAPickAndNothingPicked) {
    std::vector<std::string> picked = LineAndCircle(0, 0);
    Transcript();
    Run(kLinf, "#" + picked[0] + "\n");
    std::string said = Transcript();
    EXPECT_NE(said.find("LINE"), std::string::npos) << said;
    EXPECT_EQ(said.find("XDATA"), std::string::npos) << said;
    Run(kLinf, "\n");
    EXPECT_TRUE(Said("Nothing was picked."));
    Run(kLinf, "^C\n");
    EXPECT_FALSE(Said("Nothing was picked."));
}

TEST_F(SettingsCommandsTest, DeletingTheCurrentSystemLeavesNoneCurrent) {
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    Place(kLnvl, 1);
    ASSERT_NE(state->current, nullptr);
    Run(kLsys, "list=0\ndelete\nok\naccept\n");
    EXPECT_STREQ(state->currentSystem.tag, "");
    EXPECT_EQ(state->current, nullptr);
    EXPECT_EQ(state->startConnector, nullptr);
    EXPECT_TRUE(ads_name_nil(state->currentEntity));
    // Placing now finds nothing to fit to and makes nothing.
    Place(kLnvl, 1);
    EXPECT_TRUE(StoredElements().empty());
}

} // namespace
