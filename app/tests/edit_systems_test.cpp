// "C:lsys" and the systems list dialog: the list, new, edit, delete with
// its question, choosing by double click, and cancel keeping every change.
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "ads_entity.h"
#include "api/host_api.h"
#include "core/element_load.h"
#include "core/entity_handles.h"
#include "core/labels.h"
#include "core/string_convert.h"
#include "core/system_list.h"
#include "core/xdata_list.h"
#include "dxf/reader.h"
#include "dxf/writer.h"
#include "io/io.h"
#include "module_fixture.h"
#include "ui/dcl/lsyslist_dialog.h"

namespace {

class EditSystemsTest : public PlacementTest {
protected:
    void SetUp() override {
        PlacementTest::SetUp();
        AddTestSystem("BB", "Elszivo");
        AddTestSystem("AA", "Befuvo");
        Transcript();
    }
    bool Listed(const char* tag) {
        char key[16];
        std::snprintf(key, sizeof key, "%s", tag);
        return FindSystem(state->systemList, key) != nullptr;
    }
    // The dialog alone, without the command's erasing afterwards.
    void RunDialog(const std::string& lines) {
        LSEditDlg dlg;
        host::io::setScript(lines);
        dlg.Run();
    }
    bool Removal(const char* tag) {
        for (LSystemRemoval* r = state->systemList.removals; r->next; r = r->next)
            if (std::string(r->tag) == tag)
                return true;
        return false;
    }
};

} // namespace

TEST_F(EditSystemsTest, ListShowsTagAndNameInTagOrderAndOnlyADoubleClickChooses) {
    Run(kLsys, "new\n1000=zl1\n1001=Zone\nok\n?\naccept\n");
    std::string said = Transcript();
    size_t aa = said.find("0  [AA] Befuvo"), bb = said.find("1  [BB] Elszivo");
    ASSERT_NE(aa, std::string::npos);
    ASSERT_NE(bb, std::string::npos);
    EXPECT_LT(aa, bb);
    // A new system is listed under its normalised tag, and selected.
    EXPECT_NE(said.find("3  [ZL1] Zone"), std::string::npos);
    EXPECT_NE(said.find("list_box     = \"3\""), std::string::npos) << said;
    EXPECT_TRUE(Listed("ZL1"));
    EXPECT_STREQ(state->currentSystem.tag, "HV1");
    Run(kLsys, "list=1!\n");
    EXPECT_STREQ(state->currentSystem.tag, "BB");
    EXPECT_STREQ(state->currentSystem.name, "Elszivo");
}

TEST_F(EditSystemsTest, ChooseModeAcceptNeedsALine) {
    LSEditDlg dlg;
    dlg.chooseMode = 1;
    host::io::setScript("accept\nlist=1\naccept\n");
    dlg.Run();
    EXPECT_STREQ(dlg.chosenTag, "BB");
    char tag[16] = "x";
    host::io::setScript("cancel\n");
    ChooseSystemFromList(tag, sizeof tag);
    EXPECT_STREQ(tag, "");
}

TEST_F(EditSystemsTest, DeleteAsksFirstAndActsOnTheFirstSystemWithNoLine) {
    Run(kLsys, "delete\ncancel\naccept\n");
    EXPECT_TRUE(Listed("AA"));
    Run(kLsys, "delete\nok\naccept\n");
    EXPECT_FALSE(Listed("AA"));
    EXPECT_TRUE(Listed("BB"));
}

TEST_F(EditSystemsTest, CancelKeepsEveryChangeMadeInTheDialog) {
    // Deleted, then cancelled: still deleted, and queued for the command
    // to erase; a new system stays too.
    RunDialog("list=1\ndelete\nok\nnew\n1000=zl1\n1001=Zone\nok\ncancel\n");
    EXPECT_FALSE(Listed("BB"));
    EXPECT_TRUE(Removal("BB"));
    EXPECT_TRUE(Listed("ZL1"));
    // An edit confirmed in the system dialog stays after "cancel".
    RunDialog("list=0\nedit\n1001=Other\nok\ncancel\n");
    LSystemRecord r;
    char aa[] = "AA";
    ASSERT_EQ(GetSystemByTag(state->systemList, &r, aa), 0);
    EXPECT_STREQ(r.name, "Other");
}

TEST_F(EditSystemsTest, CancelledSystemOrScaleDialogLeavesTheRecordAlone) {
    LSystemRecord r;
    char bb[] = "BB";
    ASSERT_EQ(GetSystemByTag(state->systemList, &r, bb), 0);
    const double scale = r.zigzagScale;
    const struct { const char* lines; const char* name; double scale; } steps[] = {
        {"edit\n1001=Exhaust\nok\n", "Exhaust", scale},  {"edit\n1001=Other\ncancel\n", "Exhaust", scale},
        {"zscale\n1074=2.5\ncancel\n", "Exhaust", scale}, {"zscale\n1074=2.5\nok\n", "Exhaust", 2.5},
    };
    for (const auto& s : steps) {
        Run(kLsys, std::string("list=1\n") + s.lines + "accept\n");
        ASSERT_EQ(GetSystemByTag(state->systemList, &r, bb), 0);
        EXPECT_STREQ(r.name, s.name) << s.lines;
        EXPECT_EQ(r.zigzagScale, s.scale) << s.lines;
    }
}

TEST_F(EditSystemsTest, MissingDialogIsReportedWithItsKey) {
    std::ofstream(installDir / "lurak.dcl") << "other : dialog { ok_only; }\n";
    Run(kLsys, "");
    EXPECT_NE(Transcript().find("Dialog 'sysedit' is missing"), std::string::npos);
    EXPECT_STREQ(state->currentSystem.tag, "HV1");
}

namespace {

constexpr int kLdim = 16;

bool HasLayer(const std::string& name) {
    resbuf* found = acdbTblSearch(L"LAYER", ToWide(name.c_str()).c_str(), 0);
    acutRelRb(found);
    return found != nullptr;
}

// The layers that the BLOCK and ENDBLK records of a DXF text name.
std::vector<std::string> BlockLayers(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line.substr(line.find_first_not_of(' ') == std::string::npos ? 0 : line.find_first_not_of(' ')));
    }
    std::vector<std::string> layers;
    bool inBlock = false;
    for (size_t i = 0; i + 1 < lines.size(); i += 2) {
        if (lines[i] == "0")
            inBlock = lines[i + 1] == "BLOCK" || lines[i + 1] == "ENDBLK";
        else if (inBlock && lines[i] == "8")
            layers.push_back(lines[i + 1]);
    }
    return layers;
}

// The layer of every label entity (number label insert and leader).
std::vector<std::string> LabelLayers() {
    std::vector<std::string> layers;
    ads_name e;
    for (int status = acdbEntNext(nullptr, e); status == RTNORM;) {
        resbuf* list = acdbEntGetX(e, ProgramAppFilter());
        resbuf* marker = FindGroup(list, 1000);
        if (marker && GroupText(marker) == kLabelMarker)
            layers.push_back(GroupText(FindGroup(list, 8)));
        acutRelRb(list);
        ads_name next;
        status = acdbEntNext(e, next);
        ads_name_set(next, e);
    }
    return layers;
}

// The first label number of every element, by handle.
std::map<std::string, int> LabelNumbers() {
    std::map<std::string, int> numbers;
    ads_name e;
    for (int status = acdbEntNext(nullptr, e); status == RTNORM;) {
        if (LObject* read = LoadElementFromEntity(e)) {
            numbers[read->HandleText()] = read->firstLabel.number;
            DestroyElement(read);
        }
        ads_name next;
        status = acdbEntNext(e, next);
        ads_name_set(next, e);
    }
    return numbers;
}

} // namespace

TEST_F(EditSystemsTest, AnEditedSystemRenumbersAndMovesTheLabelsOfItsElements) {
    // Two ducts of HV1 (the third line of the list), each with its number label.
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    Place(kLnvl, 1);
    Place(kLnvl, 1);
    Run(kLdim, "1067=1\n1082=1\nok\n@0,-900\n@0,-900\n^C\n");
    std::map<std::string, int> before = LabelNumbers();
    std::vector<std::string> layers = LabelLayers();
    ASSERT_EQ(before.size(), 2u);
    ASSERT_EQ(layers.size(), 4u);
    const std::string oldLayer = layers[0];
    // A first number of 11 and a new label layer, the labels moved ("No").
    Run(kLsys, "list=2\nedit\n1010=11\n1023=NEWLAB\nok\nNo\naccept\n");
    for (const std::string& layer : LabelLayers())
        EXPECT_EQ(layer, "NEWLAB");
    for (const auto& [handle, number] : LabelNumbers())
        EXPECT_EQ(number, before.at(handle) + 10) << handle;
    EXPECT_FALSE(HasLayer(oldLayer));
    // The old label layer is gone, and nothing of the drawing names it: no
    // block (the label blocks were made while it was current) and nothing
    // the reader would have to repair.
    std::string text;
    host::dxf::writeDxfText(*host::api::databaseOf(state->database), text);
    for (const std::string& layer : BlockLayers(text))
        EXPECT_TRUE(HasLayer(layer)) << layer;
    host::dxf::ReadReport report;
    ASSERT_NE(host::dxf::readDxfText(text, "edited.dxf", report), nullptr) << report.error.message;
    for (const auto& repair : report.repairs)
        ADD_FAILURE() << repair.message;
}

TEST_F(EditSystemsTest, AMovedLabelLayerStaysWhileTheBlocksOfItsDimensionsNameIt) {
    // A duct and a fire damper with labels, sizes, a dimension and a
    // fitting label, all made while the label layer was current.
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    Place(kLnvl, 1);
    Place(kLtuzv, 1);
    std::string points;
    for (int i = 0; i < 8; ++i)
        points += "@0,-900\n";
    Run(kLdim, "1070=1\n1082=1\nok\n" + points + "^C\n");
    const std::string oldLayer = LabelLayers().at(0);
    std::string before;
    host::dxf::writeDxfText(*host::api::databaseOf(state->database), before);
    ASSERT_NE(before.find("DIMENSION"), std::string::npos);
    Run(kLsys, "list=2\nedit\n1023=NEWLAB\nok\nNo\naccept\n");
    for (const std::string& layer : LabelLayers())
        EXPECT_EQ(layer, "NEWLAB");
    std::string text;
    host::dxf::writeDxfText(*host::api::databaseOf(state->database), text);
    for (const std::string& layer : BlockLayers(text))
        EXPECT_TRUE(HasLayer(layer)) << layer;
    EXPECT_TRUE(HasLayer(oldLayer));
}
