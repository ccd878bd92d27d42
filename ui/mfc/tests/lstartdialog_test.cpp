// The start-point dialog on scripted lines: the connector it writes while
// the user types, the velocity it shows, the diameter list and the tag it
// hands back.
#include "core/lconnector.h"
#include "dialog_fixture.h"
#include "ui/mfc/lstartdialog.h"

namespace {

using StartProbe = Probe<LStartDialog>;

class StartDialogTest : public DialogTest {
protected:
    std::string Run(StartProbe& dialog, const std::string& lines, INT_PTR* ended = nullptr) {
        dialog.pConnector = &connector;
        dialog.systems = &systems;
        return DialogTest::Run(dialog, lines, ended);
    }
    void SetConnector(int16_t shape, double a, double b, double flow) {
        connector.shape = shape;
        connector.a = a;
        connector.b = b;
        connector.flow = flow;
    }
    LConnector connector;
};

// The factor and no airflow are shown by the dialog below.
TEST(StartVelocity, IsZeroWithoutArea) { EXPECT_EQ(StartVelocity(1000, 0), 0); }

TEST_F(StartDialogTest, OpensOnTheConnectorAndShowsItsVelocity) {
    SetConnector(kShapeRound, 100, 100, 1000);
    StartProbe dialog;
    Run(dialog, "");
    EXPECT_EQ(connector.shape, kShapeRect);  // the boxes' notifications made it so
    EXPECT_EQ(dialog.shown[1014], "1000");
    EXPECT_EQ(dialog.shown[1016], "100");
    EXPECT_EQ(dialog.shown[1015], "27.7");
    EXPECT_EQ(dialog.shown[1022], "100");  // a standard diameter
    EXPECT_FALSE(dialog.visible[1022]);
    EXPECT_EQ(dialog.result, -1);
}

TEST_F(StartDialogTest, EmptyAirflowShowsNoVelocityUntilTyped) {
    SetConnector(kShapeRect, 110, 50, 0);
    StartProbe dialog;
    Run(dialog, "");
    EXPECT_EQ(dialog.shown[1014], "");
    EXPECT_EQ(dialog.shown[1015], "");
    EXPECT_EQ(dialog.shown[1022], "80");  // 110 is no standard diameter

    StartProbe typed;
    Run(typed, "1014=550\n");
    EXPECT_DOUBLE_EQ(connector.flow, 550);
    EXPECT_EQ(typed.shown[1015], "27.7");
}

TEST_F(StartDialogTest, RoundTabTakesTheDiameterAndBackAgain) {
    SetConnector(kShapeRect, 300, 200, 2000);
    StartProbe dialog;
    Run(dialog, "1023=1\n1022=250\n");
    EXPECT_EQ(connector.shape, kShapeRound);
    EXPECT_DOUBLE_EQ(connector.a, 250);
    EXPECT_DOUBLE_EQ(connector.b, 0);
    EXPECT_EQ(dialog.shown[1018], DialogText(34));
    EXPECT_TRUE(dialog.visible[1022]);
    EXPECT_FALSE(dialog.visible[1016]);
    EXPECT_FALSE(dialog.visible[1019]);
    // 277 * 2000 / (pi 250^2 / 4)
    EXPECT_EQ(dialog.shown[1015], "11.3");
    SetConnector(kShapeRect, 300, 200, 2000);
    StartProbe back;
    Run(back, "1023=1\n1023=0\n");
    EXPECT_EQ(connector.shape, kShapeRect);
    EXPECT_DOUBLE_EQ(connector.a, 300);  // from the boxes again
    EXPECT_DOUBLE_EQ(connector.b, 200);
    EXPECT_EQ(back.shown[1018], DialogText(32));
    EXPECT_FALSE(back.visible[1022]);
}

TEST_F(StartDialogTest, EmptiedBoxKeepsTheConnectorValue) {
    SetConnector(kShapeRect, 400, 300, 0);
    StartProbe dialog;
    Run(dialog, "1016=\n1017=250\n");
    EXPECT_DOUBLE_EQ(connector.a, 400);
    EXPECT_DOUBLE_EQ(connector.b, 250);
}

TEST_F(StartDialogTest, OkHandsBackTheTagAsTyped) {
    AddListed("ZL1");
    SetConnector(kShapeRect, 400, 300, 0);
    StartProbe dialog;
    INT_PTR ended = 0;
    std::string transcript = Run(dialog, "ok\n1009=zl2\nok\n", &ended);
    EXPECT_NE(transcript.find(CommandMessage(160)), std::string::npos);
    EXPECT_EQ(ended, IDOK);
    EXPECT_EQ(dialog.result, 0);
    EXPECT_STREQ(dialog.systemTag, "zl2");
    StartProbe listed;
    Run(listed, "1009=ZL1\nok\n");
    EXPECT_STREQ(listed.systemTag, "ZL1");
}

TEST_F(StartDialogTest, ATagThatCouldNameNoLayerIsRefusedAndTheDialogStaysOpen) {
    // The tag goes into the names of the new system's layers: the system
    // dialog opened on it could only refuse those, with its tag greyed.
    SetConnector(kShapeRect, 400, 300, 0);
    for (const char* tag : {"a<*", "a b", "q/\"|"}) {
        StartProbe dialog;
        INT_PTR ended = 0;
        std::string transcript = Run(dialog, std::string("1009=") + tag + "\nok\n", &ended);
        EXPECT_NE(transcript.find(CommandMessage(175)), std::string::npos) << tag;
        EXPECT_EQ(ended, IDCANCEL) << tag;
        EXPECT_NE(dialog.result, 0) << tag;
    }
}

std::string chooserCalls;
void ChooseZl9(char* tag, size_t size) {
    chooserCalls += "chosen;";
    snprintf(tag, size, "ZL9");
}

TEST_F(StartDialogTest, SystemsButtonTakesTheChosenTag) {
    StartProbe dialog;
    dialog.chooseSystem = ChooseZl9;
    Run(dialog, "1010\nok\n");
    EXPECT_EQ(chooserCalls, "chosen;");
    EXPECT_STREQ(dialog.systemTag, "ZL9");
    StartProbe without;
    without.chooseSystem = nullptr;
    Run(without, "1010\nok\n");
    EXPECT_EQ(without.result, -1);  // nothing chosen, the box stays empty
}

TEST_F(StartDialogTest, CancelLeavesResultAndHelpShowsTopic) {
    StartProbe dialog;
    INT_PTR ended = 0;
    EXPECT_NE(Run(dialog, "1009=ZL1\nhelp\ncancel\n", &ended).find("topic_indulopont"), std::string::npos);
    EXPECT_EQ(ended, IDCANCEL);
    EXPECT_EQ(dialog.result, -1);
}

} // namespace
