// The options and scale dialogs: values taken when a box loses the focus,
// brought into range, and the scale shown as a : b or to four decimals.
#include "core/message_format.h"
#include "dialog_fixture.h"
#include "ui/mfc/loptiondialog.h"
#include "ui/mfc/lscldlg.h"

namespace {

using OptionProbe = Probe<LOptionDialog>;
using ScaleProbe = Probe<LSclDlg>;

class OptionDialogTest : public DialogTest {
protected:
    std::string Run(OptionProbe& dialog, const std::string& lines, double scale = 1.0) {
        dialog.scale = scale;
        dialog.rectPieceLength = 1500;
        dialog.roundPieceLength = 6000;
        dialog.labelDistance = 50.7;
        return DialogTest::Run(dialog, lines);
    }
};

TEST(ScaleParts, ShowsTheWholeParts) {
    const struct { double scale; long a, b; } cases[] = {{2.5, 2, 1}, {0.01, 1, 100}, {0, 1, 1}};
    for (const auto& c : cases) {
        long a = 0, b = 0;
        ScaleParts(c.scale, &a, &b);
        EXPECT_EQ(a, c.a) << c.scale;
        EXPECT_EQ(b, c.b) << c.scale;
    }
}

TEST_F(OptionDialogTest, OpensWithWholeParts) {
    OptionProbe dialog;
    Run(dialog, "", 0.01);
    EXPECT_EQ(dialog.shown[1087], "1");
    EXPECT_EQ(dialog.shown[1075], "100");
    EXPECT_EQ(dialog.shown[1078], "50");
    EXPECT_EQ(dialog.shown[1076], "1500");
    EXPECT_TRUE(dialog.enabled[1087]);
    // Untouched boxes keep the members as they were.
    EXPECT_DOUBLE_EQ(dialog.labelDistance, 50.7);
}

TEST_F(OptionDialogTest, LeavingABoxClampsItsValue) {
    struct Case {
        const char* lines;
        double rect, round, label;
    } cases[] = {
        {"1076=40\n1077\n", 50, 6000, 50.7},
        {"1076=12000\n1077=5\n1078\n", 9999, 10, 50.7},
        {"1078\n1076\n", 1500, 6000, 50},      // the shown whole part is taken
        {"1078=99999\n1076=\n1077\n", 1500, 6000, 9999},  // an emptied box keeps the value
    };
    for (const Case& c : cases) {
        OptionProbe dialog;
        Run(dialog, c.lines);
        EXPECT_DOUBLE_EQ(dialog.rectPieceLength, c.rect) << c.lines;
        EXPECT_DOUBLE_EQ(dialog.roundPieceLength, c.round) << c.lines;
        EXPECT_DOUBLE_EQ(dialog.labelDistance, c.label) << c.lines;
    }
    OptionProbe shown;
    Run(shown, "1076=40\n1077=5\n1078=12000\n1087\n");
    EXPECT_EQ(shown.shown[1076], "50");
    EXPECT_EQ(shown.shown[1077], "10");
    EXPECT_EQ(shown.shown[1078], "9999");
}

TEST_F(OptionDialogTest, TheScaleBoxLeftLastWins) {
    const struct { double before; const char* lines; double scale; const char *left, *right; } cases[] = {
        {0.01, "1087=250\n1076\n", 250, "250", "1"},
        {0.01, "1087=0\n1076\n", 0.01, "1", "100"},  // zero is refused
        {20, "1075=50\n1076\n", 0.02, "1", "50"},
    };
    for (const auto& c : cases) {
        OptionProbe dialog;
        Run(dialog, c.lines, c.before);
        EXPECT_DOUBLE_EQ(dialog.scale, c.scale) << c.lines;
        EXPECT_EQ(dialog.shown[1087], c.left) << c.lines;
        EXPECT_EQ(dialog.shown[1075], c.right) << c.lines;
    }
}

TEST_F(OptionDialogTest, LockedScaleCannotChange) {
    OptionProbe dialog;
    dialog.scaleLocked = 1;
    Run(dialog, "1087=7\n", 5);
    EXPECT_FALSE(dialog.enabled[1087]);
    EXPECT_FALSE(dialog.enabled[1075]);
    EXPECT_DOUBLE_EQ(dialog.scale, 5);
    // A direct call does nothing either.
    dialog.OnKillfocusScaleLeft();
    EXPECT_DOUBLE_EQ(dialog.scale, 5);
}

TEST_F(OptionDialogTest, OkReadsNothingMoreAndClickingItLeavesTheBox) {
    LOptionDialog dialog;
    dialog.rectPieceLength = 1500;
    INT_PTR ended = 0;
    // Enter keeps the focus in the box; clicking OK moves it first.
    DialogTest::Run(dialog, "1076=3000\n\n", &ended);
    EXPECT_EQ(ended, IDOK);
    EXPECT_DOUBLE_EQ(dialog.rectPieceLength, 1500);
    DialogTest::Run(dialog, "1076=3000\nok\n", &ended);
    EXPECT_DOUBLE_EQ(dialog.rectPieceLength, 3000);
}

TEST(CutScale, TruncatesToFourDecimals) {
    EXPECT_DOUBLE_EQ(CutScale(1.23456), 1.2345);
    EXPECT_DOUBLE_EQ(CutScale(0.0003), 0.0003);
    EXPECT_DOUBLE_EQ(CutScale(0), 1.0);
    EXPECT_DOUBLE_EQ(CutScale(-2), 1.0);
    EXPECT_DOUBLE_EQ(CutScale(0.00004), 1.0);
    EXPECT_NEAR(CutScale(1e12), 214748.3647, 1e-9);
}

TEST_F(OptionDialogTest, ScaleDialogShowsTagAndFourDecimals) {
    ScaleProbe dialog;
    snprintf(dialog.system.tag, sizeof dialog.system.tag, "ZL1");
    dialog.scale = 2.5;
    std::string said = DialogTest::Run(dialog, "");
    // The dialog sets the system's zigzag linetype scale, which the systems
    // list offers as such; the insertion scale is the options dialog's.
    EXPECT_NE(said.find("Dialog 138 \"Zigzag"), std::string::npos) << said;
    EXPECT_NE(dialog.shown[1035].find("zigzag"), std::string::npos) << dialog.shown[1035];
    EXPECT_EQ(dialog.shown[1035], FormatMessageNumber(67, {"ZL1"}));
    EXPECT_NE(dialog.shown[1035].find("ZL1"), std::string::npos);
    EXPECT_EQ(dialog.shown[1074], "2.5000");
    ScaleProbe typed;
    // The help button has no action, but clicking it takes the focus.
    DialogTest::Run(typed, "1074=1.23456\nhelp\n1074=x\nhelp\n");
    EXPECT_EQ(typed.shown[1074], "1.2345");  // x is no number: the scale stays
    EXPECT_DOUBLE_EQ(typed.scale, 1.2345);
    LSclDlg confirmed;
    INT_PTR ended = 0;
    DialogTest::Run(confirmed, "1074=-2\n\n", &ended);  // Enter: OK reads the box
    EXPECT_EQ(ended, IDOK);
    EXPECT_DOUBLE_EQ(confirmed.scale, 1.0);
}

} // namespace
