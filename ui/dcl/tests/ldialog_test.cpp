// The dialog base: the run with its five steps, the standard tiles, a
// missing dialog and the tile operations.
#include <cstring>
#include <functional>
#include <vector>

#include "dialog_session.h"
#include "ui/dcl/ldialog.h"

namespace {

const char* const kProbeDcl = R"DCL(
probe : dialog {
    label = "Probe";
    : edit_box { key = "number"; }
    : edit_box { key = "words"; }
    : popup_list { key = "sizes"; }
    : radio_row { key = "variant"; : radio_button { key = "_1"; } : radio_button { key = "_2"; } }
    : image { key = "sld"; width = 10; height = 5; }
    ok_cancel_help;
}
)DCL";

// Records which steps ran; each step can be given its result and work.
class ProbeDialog : public LDialog {
public:
    ProbeDialog() { name = "probe"; }

    int16_t Init() override { steps.push_back("init"); return initResult; }
    int16_t SetupTiles() override {
        steps.push_back("setup");
        if (setup)
            setup(*this);
        return setupResult;
    }
    int16_t OnOk() override { steps.push_back("ok"); return 0; }
    int16_t OnCancel() override { steps.push_back("cancel"); return 0; }
    int16_t Finish() override { steps.push_back("finish"); return 7; }

    std::vector<std::string> steps;
    int16_t initResult = 0;
    int16_t setupResult = 0;
    std::function<void(ProbeDialog&)> setup;
    std::vector<int> numbers;  // what the "number" tile read as
};

void ReadNumber(ads_callback_packet* packet) {
    auto* self = static_cast<ProbeDialog*>(LDialog::FromPacket(packet));
    self->numbers.push_back(self->GetTileInt("number"));
}

class LDialogTest : public DialogSession {
protected:
    void SetUp() override {
        DialogSession::SetUp();
        UseOwnDialogFile(kProbeDcl);
    }
    int16_t Run(const char* script) { return Run(probe, script); }
    static int16_t Run(ProbeDialog& dialog, const char* script) {
        host::io::setScript(script);
        return dialog.Run();
    }
    const host::dcl::TileState* Closed(const char* key) {
        closed = host::dcl::lastDialogState();
        return closed ? closed->tile(key) : nullptr;
    }

    ProbeDialog probe;
    std::optional<host::dcl::DialogState> closed;
};

TEST_F(LDialogTest, AcceptRunsOkCancelRunsOnCancelAndFinishGivesTheResult) {
    EXPECT_EQ(Run("accept\n"), 7);
    EXPECT_EQ(probe.steps, (std::vector<std::string>{"init", "setup", "ok", "finish"}));
    EXPECT_EQ(probe.status, DLGOK);
    EXPECT_EQ(probe.cancelled, 0);
    EXPECT_EQ(host::dcl::loadedFileCount(), 0u);
    ProbeDialog cancelled;
    EXPECT_EQ(Run(cancelled, "cancel\n"), 7);
    EXPECT_EQ(cancelled.steps, (std::vector<std::string>{"init", "setup", "cancel", "finish"}));
    EXPECT_EQ(cancelled.status, DLGOK);  // though cancelled
    EXPECT_EQ(cancelled.cancelled, 1);
    // The flag is reset by the next run; the end of input cancels too.
    EXPECT_EQ(Run(cancelled, "accept\n"), 7);
    EXPECT_EQ(cancelled.cancelled, 0);
    EXPECT_EQ(Run(cancelled, ""), 7);
    EXPECT_EQ(cancelled.cancelled, 1);
}

TEST_F(LDialogTest, RefusedStepsAndMissingNamesAbortTheRun) {
    probe.initResult = 1;
    EXPECT_EQ(Run("accept\n"), -1);
    EXPECT_EQ(probe.steps, std::vector<std::string>{"init"});
    ProbeDialog refusing;
    refusing.setupResult = 1;
    EXPECT_EQ(Run(refusing, "accept\n"), -1);
    EXPECT_EQ(refusing.steps, (std::vector<std::string>{"init", "setup"}));
    EXPECT_EQ(host::dcl::loadedFileCount(), 0u);
    EXPECT_EQ(host::dcl::liveDialogCount(), 0u);
    for (const char* name : {static_cast<const char*>(nullptr), ""}) {
        ProbeDialog nameless;
        nameless.name = name;
        EXPECT_EQ(Run(nameless, "accept\n"), -1);
        EXPECT_EQ(nameless.steps, std::vector<std::string>{"init"});
    }
    EXPECT_EQ(host::io::takeTranscript().find("missing"), std::string::npos);
}

TEST_F(LDialogTest, AMissingDialogKeyIsReportedWithMessage148) {
    probe.name = "prop_vl_nothing";
    EXPECT_EQ(Run("accept\n"), -1);
    EXPECT_EQ(probe.steps, std::vector<std::string>{"init"});
    std::string text = host::io::takeTranscript();
    EXPECT_NE(text.find("ERROR: Dialog 'prop_vl_nothing' is missing from the dialog file lurak.dcl."),
              std::string::npos)
        << text;
    EXPECT_EQ(host::dcl::loadedFileCount(), 0u);
    UseOwnDialogFile(nullptr);  // no dialog file at all
    ProbeDialog fileless;
    EXPECT_EQ(Run(fileless, "accept\n"), -1);
    EXPECT_NE(host::io::takeTranscript().find("Dialog 'probe' is missing"), std::string::npos);
}

TEST_F(LDialogTest, HelpOpensTheTopicAndKeepsTheDialogOpen) {
    probe.helpTopic = "topic_rendszerek";
    EXPECT_EQ(Run("help\naccept\n"), 7);
    EXPECT_EQ(probe.cancelled, 0);
    std::string text = host::io::takeTranscript();
    EXPECT_NE(text.find("Lurak.hlp, topic topic_rendszerek"), std::string::npos) << text;
    probe.helpTopic = nullptr;
    EXPECT_EQ(Run("help\naccept\n"), 7);
    EXPECT_EQ(host::io::takeTranscript().find("Help:"), std::string::npos);
}

TEST_F(LDialogTest, TypedNumbersAreReadRounded) {
    probe.setup = [](ProbeDialog& d) { d.ActionTile("number", ReadNumber); };
    Run("number=12.5\nnumber=12.6\nnumber=-12.5\nnumber=letters\nnumber=12.7\naccept\n");
    EXPECT_EQ(probe.numbers, (std::vector<int>{12, 13, -12, -1, 13}));
}

TEST_F(LDialogTest, TileOperationsWriteWhatTheyAreGiven) {
    int16_t radio = 0, radioOtherGroup = 0, missingNumber = 0;
    std::string words, missingWords;
    probe.setup = [&](ProbeDialog& d) {
        const double percents[] = {0, 33, 50};
        d.SetTileListPercent("sizes", 3, percents);
        d.SetTileIntAfter("variant", 2, 0);
        radio = d.GetTileIntAfter("variant", 0);
        radioOtherGroup = d.GetTileIntAfter("variant", 1);
        d.SetTileString("words", "Befúvó ág");
        char* text = d.GetTileString("words");
        words = text;
        delete[] text;
        text = d.GetTileString("nothing");
        missingWords = text;
        delete[] text;
        missingNumber = static_cast<int16_t>(d.GetTileInt("nothing"));
        d.SetTileDouble1("number", 8.84);
        d.SetTileSlide("sld", "vl01");
        d.DisableTile("sizes");
    };
    EXPECT_EQ(Run("accept\n"), 7);
    EXPECT_EQ(radio, 2);
    EXPECT_EQ(radioOtherGroup, -1);
    EXPECT_EQ(words, "Befúvó ág");
    EXPECT_EQ(missingWords, "");
    EXPECT_EQ(missingNumber, -1);
    ASSERT_TRUE(Closed("sizes"));
    EXPECT_EQ(Closed("sizes")->items, (std::vector<std::string>{"0", "33%", "50%"}));
    EXPECT_FALSE(Closed("sizes")->enabled);
    EXPECT_EQ(Closed("variant")->value, "_2");
    EXPECT_EQ(Closed("number")->value, "8.8");
    EXPECT_EQ(host::dcl::lastSlide("sld"), ownDirectory.string() + "/LURAK.SLB(vl01)");
}

TEST_F(LDialogTest, ListsOfNumbersAndTexts) {
    const double sizes[] = {0, 100, 12.5};
    const char* const codes[] = {"CS-N", nullptr, "CS-R"};
    const struct { std::function<void(ProbeDialog&)> fill; std::vector<std::string> items; } cases[] = {
        {[&](ProbeDialog& d) { d.SetTileListDoubles("sizes", 3, sizes); }, {"0", "100", "12.5"}},
        {[&](ProbeDialog& d) { d.SetTileList("sizes", 3, codes); }, {"CS-N", "", "CS-R"}},
        {[](ProbeDialog& d) { d.SetTileList("sizes", 2, nullptr); }, {}},
    };
    for (const auto& c : cases) {
        probe.setup = c.fill;
        Run("accept\n");
        ASSERT_TRUE(Closed("sizes"));
        EXPECT_EQ(Closed("sizes")->items, c.items);
    }
}

}  // namespace
