// The start-point dialog on scripted lines: the connector it writes while
// the user types, the velocity it shows, the diameter list and the tag it
// hands back.
#include <cstring>
#include <map>

#include "core/lconnector.h"
#include "dialog_fixture.h"
#include "ui/mfc/lstartdialog.h"

namespace {

class StartProbe : public LStartDialog {
public:
    std::map<int, std::string> shown;
    std::map<int, bool> visible;
    void OnCancel() override {
        for (int id : {1009, 1014, 1015, 1016, 1017, 1018, 1022})
            shown[id] = TextOf(*GetDlgItem(id));
        for (int id : {1016, 1017, 1019, 1022})
            visible[id] = GetDlgItem(id)->IsWindowVisible();
        LStartDialog::OnCancel();
    }
};

class StartDialogTest : public DialogTest {
protected:
    void Prepare(StartProbe& dialog) {
        dialog.pConnector = &connector;
        dialog.systems = &systems;
    }
    LConnector connector;
};

TEST(StartVelocity, UsesTheFactor277) {
    EXPECT_DOUBLE_EQ(StartVelocity(1000, 10000), 27.7);
    EXPECT_EQ(StartVelocity(0, 10000), 0);
    EXPECT_EQ(StartVelocity(1000, 0), 0);
}

TEST_F(StartDialogTest, OpensOnTheConnectorAndShowsItsVelocity) {
    connector.shape = kShapeRound;
    connector.a = 100;
    connector.b = 100;
    connector.flow = 1000;
    StartProbe dialog;
    Prepare(dialog);
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
    connector.a = 110;
    connector.b = 50;
    StartProbe dialog;
    Prepare(dialog);
    Run(dialog, "");
    EXPECT_EQ(dialog.shown[1014], "");
    EXPECT_EQ(dialog.shown[1015], "");
    EXPECT_EQ(dialog.shown[1022], "80");  // 110 is no standard diameter

    StartProbe typed;
    Prepare(typed);
    Run(typed, "1014=550\n");
    EXPECT_DOUBLE_EQ(connector.flow, 550);
    EXPECT_EQ(typed.shown[1015], "27.7");
}

TEST_F(StartDialogTest, RoundTabTakesTheDiameterAndBackAgain) {
    connector.a = 300;
    connector.b = 200;
    connector.flow = 2000;
    StartProbe dialog;
    Prepare(dialog);
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

    connector.a = 300;
    connector.b = 200;
    StartProbe back;
    Prepare(back);
    Run(back, "1023=1\n1023=0\n");
    EXPECT_EQ(connector.shape, kShapeRect);
    EXPECT_DOUBLE_EQ(connector.a, 300);  // from the boxes again
    EXPECT_DOUBLE_EQ(connector.b, 200);
    EXPECT_EQ(back.shown[1018], DialogText(32));
    EXPECT_FALSE(back.visible[1022]);
}

TEST_F(StartDialogTest, EmptiedBoxKeepsTheConnectorValue) {
    connector.a = 400;
    connector.b = 300;
    StartProbe dialog;
    Prepare(dialog);
    Run(dialog, "1016=\n1017=250\n");
    EXPECT_DOUBLE_EQ(connector.a, 400);
    EXPECT_DOUBLE_EQ(connector.b, 250);
}

TEST_F(StartDialogTest, OkHandsBackTheTagAsTyped) {
    AddListed("ZL1");
    StartProbe dialog;
    Prepare(dialog);
    INT_PTR ended = 0;
    std::string transcript = Run(dialog, "ok\n1009=zl2\nok\n", &ended);
    EXPECT_NE(transcript.find(CommandMessage(160)), std::string::npos);
    EXPECT_EQ(ended, IDOK);
    EXPECT_EQ(dialog.result, 0);
    EXPECT_STREQ(dialog.systemTag, "zl2");

    StartProbe listed;
    Prepare(listed);
    Run(listed, "1009=ZL1\nok\n");
    EXPECT_STREQ(listed.systemTag, "ZL1");
}

std::string chooserCalls;
void ChooseZl9(char* tag, size_t size) {
    chooserCalls += "chosen;";
    snprintf(tag, size, "ZL9");
}

TEST_F(StartDialogTest, SystemsButtonTakesTheChosenTag) {
    StartProbe dialog;
    Prepare(dialog);
    dialog.chooseSystem = ChooseZl9;
    Run(dialog, "1010\nok\n");
    EXPECT_EQ(chooserCalls, "chosen;");
    EXPECT_STREQ(dialog.systemTag, "ZL9");

    StartProbe without;
    Prepare(without);
    without.chooseSystem = nullptr;
    Run(without, "1010\nok\n");
    EXPECT_EQ(without.result, -1);  // nothing chosen, the box stays empty
}

TEST_F(StartDialogTest, CancelLeavesResultAndHelpShowsTopic) {
    StartProbe dialog;
    Prepare(dialog);
    INT_PTR ended = 0;
    std::string transcript = Run(dialog, "1009=ZL1\nhelp\ncancel\n", &ended);
    EXPECT_EQ(ended, IDCANCEL);
    EXPECT_EQ(dialog.result, -1);
    EXPECT_NE(transcript.find("topic_indulopont"), std::string::npos);
}

} // namespace
