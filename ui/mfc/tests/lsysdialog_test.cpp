// The air-system dialog on scripted lines: proposed layer names, the "same
// layer as pen 0" rule, colours, the first label number, the OK checks and
// the layers it creates.
#include "core/system_layers.h"
#include "db/database.h"
#include "dialog_fixture.h"
#include "ui/mfc/lsysdialog.h"

namespace {

using SysProbe = Probe<LSysDialog>;

class SysDialogTest : public DialogTest {
protected:
    std::string Run(SysProbe& dialog, const std::string& lines, INT_PTR* ended = nullptr, int16_t mode = kSysNew) {
        dialog.pSystem = &record;
        dialog.mode = mode;
        dialog.systems = &systems;
        dialog.database = database;
        return DialogTest::Run(dialog, lines, ended);
    }
    LSystemRecord record;
};

TEST_F(SysDialogTest, NewSystemProposesLayersFromTagAndSize) {
    SysProbe dialog;
    Run(dialog, "1000=zl1\n");
    EXPECT_EQ(dialog.shown[1004], "LURAK-ZL1");
    EXPECT_EQ(dialog.shown[1023], "LURAK-ZL1-100");
    EXPECT_EQ(dialog.shown[1021], "LURAK-ZL1");  // the centre line is on the pen-0 layer
    EXPECT_EQ(dialog.shown[1010], "1");
    EXPECT_EQ(dialog.shown[1003], "ByLayer");  // the table's own spelling
    EXPECT_EQ(dialog.shown[1009], "Standard");
    EXPECT_EQ(dialog.result, -1);
    SysProbe confirmed;
    record = LSystemRecord();
    INT_PTR ended = 0;
    Run(confirmed, "1000=zl1\n1002=250\nok\n", &ended);
    EXPECT_EQ(ended, IDOK);
    EXPECT_EQ(confirmed.result, 0);
    EXPECT_STREQ(record.tag, "ZL1");
    EXPECT_DOUBLE_EQ(record.size, 250.0);
    EXPECT_STREQ(record.penLayer[0], "LURAK-ZL1");
    EXPECT_STREQ(record.penLayer[1], "0");
    EXPECT_STREQ(record.penLinetype[0], "BYLAYER");
    EXPECT_STREQ(record.penLinetype[2], "BYBLOCK");
    EXPECT_STREQ(record.centreLayer, "0");
    EXPECT_STREQ(record.centreLinetype, "K\xc3\x96Z\xc3\x89P");
    EXPECT_STREQ(record.labelLayer, "LURAK-ZL1-250");
    EXPECT_STREQ(record.textStyle, "STANDARD");
    EXPECT_EQ(record.labelNumberOffset, 0);
    EXPECT_EQ(record.labelCircle, 1);
    EXPECT_EQ(record.rectCentreLines, 1);
    EXPECT_TRUE(HasLayer(L"LURAK-ZL1"));
    EXPECT_TRUE(HasLayer(L"LURAK-ZL1-250"));
}

TEST_F(SysDialogTest, EditedLayerBoxesStopTheProposals) {
    SysProbe dialog;
    Run(dialog, "1000=ab\n1004=MAIN\n1000=cd\n1002=80\n");
    EXPECT_EQ(dialog.shown[1004], "MAIN");
    EXPECT_EQ(dialog.shown[1023], "LURAK-CD-80");  // the label layer still follows

    SysProbe labelled;
    record = LSystemRecord();
    Run(labelled, "1000=ab\n1023=LABELS\n1000=cd\n1002=80\n");
    EXPECT_EQ(labelled.shown[1004], "LURAK-CD");
    EXPECT_EQ(labelled.shown[1023], "LABELS");
}

TEST_F(SysDialogTest, LayerOfPen0IsHeldAsZeroElsewhere) {
    CreateLayer(7, L"LURAK-ZL1", database);
    SysProbe dialog;
    INT_PTR ended = 0;
    // Pen 1 takes the pen-0 layer in another case; the centre line another.
    Run(dialog, "1000=zl1\n1024=1\n1004=lurak-zl1\n1021=AXES\n1024=2\n1004=DETAILS\n1024=1\nok\n", &ended);
    ASSERT_EQ(ended, IDOK);
    EXPECT_EQ(dialog.layers[1], L"0");
    EXPECT_STREQ(record.penLayer[1], "0");
    EXPECT_STREQ(record.penLayer[2], "DETAILS");
    EXPECT_STREQ(record.centreLayer, "AXES");
    EXPECT_TRUE(HasLayer(L"DETAILS"));
    EXPECT_TRUE(HasLayer(L"AXES"));
    // Shown back on the pen-1 tab: the pen-0 layer; a new pen-0 layer then
    // pulls the centre line that equals it.
    SysProbe again;
    record = LSystemRecord();
    Run(again, "1000=zl1\n1024=1\n1004=LURAK-ZL1\n1024=0\n1024=1\n");
    EXPECT_EQ(again.shown[1004], "LURAK-ZL1");
    SysProbe renamed;
    record = LSystemRecord();
    Run(renamed, "1000=zl1\n1021=OTHER\n1004=OTHER\n");
    EXPECT_EQ(renamed.centreLayer, L"0");
    EXPECT_EQ(renamed.shown[1021], "OTHER");
    // A new pen-0 layer claims only layers spelt exactly as it is; a layer
    // typed into the centre-line box matches it in any case.
    SysProbe spelt;
    record = LSystemRecord();
    Run(spelt, "1000=zl1\n1021=other\n1004=OTHER\n");
    EXPECT_EQ(spelt.centreLayer, L"other");
    SysProbe anyCase;
    record = LSystemRecord();
    Run(anyCase, "1000=zl1\n1004=OTHER\n1021=Other\n");
    EXPECT_EQ(anyCase.centreLayer, L"0");
}

TEST_F(SysDialogTest, PenLinetypeListOffersByBlockOnlyForPens1And2) {
    SysProbe dialog;
    Run(dialog, "1000=zl1\n1003=BYBLOCK\n1024=2\n1003=CONTINUOUS\n1024=0\n");
    // Pen 0 refused BYBLOCK (not in its list); pen 2 took CONTINUOUS.
    EXPECT_EQ(dialog.linetypes[0], L"BYLAYER");
    EXPECT_EQ(dialog.linetypes[2], L"Continuous");
    EXPECT_EQ(dialog.shown[1003], "ByLayer");
}

// The text styles the list offers, noted while the controls live.
class TextStyleProbe : public SysProbe {
public:
    std::vector<std::string> offered;
    void OnCancel() override {
        for (int i = 0; i < textStyleBox.GetCount(); ++i) {
            CString name;
            textStyleBox.GetLBText(i, name);
            offered.push_back(name.toUtf8());
        }
        SysProbe::OnCancel();
    }
};

// A text style of a shape file has no name to choose: the list offers the
// named styles alone.
TEST_F(SysDialogTest, TextStylesOfShapeFilesAreNotOffered) {
    host::db::Database* drawing = database->hostDatabase();
    host::db::Object style;
    style.type = host::db::internType("STYLE");
    style.groups = {host::db::Group::text(100, "AcDbSymbolTableRecord"),
                    host::db::Group::text(100, "AcDbTextStyleTableRecord"), host::db::Group::text(2, ""),
                    host::db::Group::integer(70, 1), host::db::Group::text(3, "ltypeshp.shx")};
    drawing->addUnnamedRecord(host::db::Table::Style, drawing->add(style));
    TextStyleProbe dialog;
    dialog.pSystem = &record;
    dialog.systems = &systems;
    dialog.database = database;
    DialogTest::Run(dialog, "1000=zl1\n");
    EXPECT_EQ(dialog.offered, std::vector<std::string>{"Standard"});
}

TEST_F(SysDialogTest, ColoursAreWrittenAtOnce) {
    SysProbe dialog;
    // Pen 0 by block becomes by layer; pen 1 keeps by block; cancelling
    // the colour dialog changes nothing; dimensions take neither.
    std::string transcript =
        Run(dialog, "1000=zl1\n1005\n0\n1024=1\n1005\nbyblock\n1020\n3\n1022\n\n1031\n0\n5\ncancel\n");
    EXPECT_NE(transcript.find("1-255"), std::string::npos);
    EXPECT_EQ(record.penColour[0], 256);
    EXPECT_EQ(record.penColour[1], 0);
    EXPECT_EQ(record.centreColour, 3);
    EXPECT_EQ(record.dimTextColour, 7);
    EXPECT_EQ(record.dimColour, 5);
    EXPECT_EQ(dialog.result, -1);
}

TEST_F(SysDialogTest, FirstLabelNumberGivesTheOffset) {
    struct Case {
        const char* typed;
        int32_t before, after;
    } cases[] = {{"25", 0, 24}, {"1", 7, 0}, {"0", 7, 0}, {"2", 0, 1}, {"", 24, 24}};
    for (const Case& c : cases) {
        SysProbe dialog;
        record = LSystemRecord();
        snprintf(record.tag, sizeof record.tag, "ZL1");
        snprintf(record.penLayer[0], sizeof record.penLayer[0], "P0");
        record.labelNumberOffset = c.before;
        Run(dialog, std::string("1010=") + c.typed + "\nok\n", nullptr, kSysExisting);
        EXPECT_EQ(record.labelNumberOffset, c.after) << "typed " << c.typed;
    }
}

// Label numbers are stored in 16 bits: a first number beyond them would
// leave every label without its number.
TEST_F(SysDialogTest, AFirstLabelNumberBeyondTheStoredRangeIsRefused) {
    SysProbe dialog;
    INT_PTR ended = 0;
    std::string transcript = Run(dialog, "1000=zl1\n1010=50000\nok\n1010=32768\nok\n1010=32767\nok\n", &ended);
    EXPECT_EQ(Count(transcript, "between 1 and 32767"), 2u) << transcript;
    EXPECT_EQ(ended, IDOK);
    EXPECT_EQ(record.labelNumberOffset, 32766);
}

TEST_F(SysDialogTest, ExistingSystemShowsItsRecordAndProposesNothing) {
    CreateLayer(1, L"P0", database);
    snprintf(record.tag, sizeof record.tag, "ZL1");
    snprintf(record.penLayer[0], sizeof record.penLayer[0], "P0");
    snprintf(record.penLayer[1], sizeof record.penLayer[1], "0");
    snprintf(record.penLinetype[0], sizeof record.penLinetype[0], "CONTINUOUS");
    snprintf(record.labelLayer, sizeof record.labelLayer, "lab");
    snprintf(record.dimStyle, sizeof record.dimStyle, "standard");
    record.labelNumberOffset = 9;
    record.labelCircle = 0;
    SysProbe dialog;
    Run(dialog, "1000=XX\n1002=300\n", nullptr, kSysExisting);
    EXPECT_FALSE(dialog.enabled[1000]);
    EXPECT_EQ(dialog.shown[1000], "ZL1");
    EXPECT_EQ(dialog.shown[1004], "P0");
    EXPECT_EQ(dialog.shown[1023], "lab");
    EXPECT_EQ(dialog.shown[1003], "Continuous");  // found without regard to case
    EXPECT_EQ(dialog.shown[1009], "Standard");
    EXPECT_EQ(dialog.shown[1010], "10");
    SysProbe confirmed;
    Run(confirmed, "1002=300\n1024=1\nok\n", nullptr, kSysExisting);
    EXPECT_STREQ(record.tag, "ZL1");
    EXPECT_STREQ(record.labelLayer, "lab");
    EXPECT_STREQ(record.penLayer[1], "0");
    EXPECT_EQ(record.labelCircle, 0);
    EXPECT_EQ(record.labelNumberOffset, 9);
    EXPECT_DOUBLE_EQ(record.size, 300.0);
}

TEST_F(SysDialogTest, OkRefusesEmptyTakenAndUnusableTags) {
    AddListed("ZL1", "LURAK-ZL1");
    SysProbe dialog;
    INT_PTR ended = 0;
    std::string transcript = Run(dialog, "ok\n1000=zl1\nok\n1000=a;b\nok\n1000=zl2\nok\n", &ended);
    EXPECT_NE(transcript.find(CommandMessage(175)), std::string::npos);
    EXPECT_NE(transcript.find(CommandMessage(158)), std::string::npos);
    EXPECT_EQ(ended, IDOK);
    EXPECT_STREQ(record.tag, "ZL2");
    EXPECT_EQ(dialog.result, 0);
}

TEST_F(SysDialogTest, OkRefusesLayerNamesTheDrawingCannotHold) {
    SysProbe dialog;
    INT_PTR ended = 0;
    std::string longName(40, 'L');
    std::string transcript =
        Run(dialog, "1000=zl1\n1004=A<B\nok\n1004=" + longName + "\nok\n1004=\nok\n1004=GOOD\n1023=\nok\n", &ended);
    EXPECT_EQ(Count(transcript, CommandMessage(174)), 3u);
    EXPECT_EQ(ended, IDOK);
    EXPECT_STREQ(record.penLayer[0], "GOOD");
    EXPECT_STREQ(record.labelLayer, "0");  // an emptied box: the pen-0 layer
    EXPECT_FALSE(HasLayer(L"A<B"));
}

TEST_F(SysDialogTest, OkRefusesALayerDeletedInThisDrawing) {
    // A deleted system's layers are erased; the drawing keeps their names,
    // so a layer of that name is neither made again nor saved, and elements
    // put on it would name a layer the saved drawing lacks.
    ASSERT_EQ(CreateLayer(1, L"GONE", database), Acad::eOk);
    ASSERT_EQ(EraseLayer("GONE", database), Acad::eOk);
    SysProbe dialog;
    INT_PTR ended = 0;
    std::string transcript = Run(dialog, "1000=zl1\n1004=gone\nok\n1004=GOOD\n1023=GONE\nok\n1023=KEPT\nok\n", &ended);
    EXPECT_EQ(Count(transcript, "GONE was deleted"), 2u) << transcript;
    EXPECT_EQ(ended, IDOK);
    EXPECT_STREQ(record.penLayer[0], "GOOD");
    EXPECT_STREQ(record.labelLayer, "KEPT");
}

TEST_F(SysDialogTest, TagSetByTheCallerStaysAndIsNotChecked) {
    AddListed("ZL1");
    snprintf(record.tag, sizeof record.tag, "NEW");
    SysProbe dialog;
    INT_PTR ended = 0;
    Run(dialog, "1000=zz\nok\n", &ended, kSysNewTagSet);
    EXPECT_EQ(ended, IDOK);
    EXPECT_STREQ(record.tag, "NEW");
    EXPECT_STREQ(record.penLayer[0], "LURAK-NEW");
}

TEST_F(SysDialogTest, CancelHelpAndMissingRecord) {
    SysProbe dialog;
    INT_PTR ended = 0;
    EXPECT_NE(Run(dialog, "help\n1000=zl1\ncancel\n", &ended).find("topic_rendszerek"), std::string::npos);
    EXPECT_EQ(ended, IDCANCEL);
    EXPECT_EQ(dialog.result, -1);
    // Without a record the dialog ends at once and reads no line.
    LSysDialog bare;
    DialogTest::Run(bare, "ok\n", &ended);
    EXPECT_EQ(ended, IDCANCEL);
    EXPECT_EQ(bare.result, -1);
}

} // namespace
