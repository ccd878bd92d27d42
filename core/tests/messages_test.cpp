// The messages file: scanning, the three tables, safe formatting, and the
// shipped data files.
#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <unistd.h>
#include "core/message_format.h"
#include "core/message_scanner.h"
#include "core/messages.h"

namespace {
namespace fs = std::filesystem;

const std::string kDataDir = std::string(LURAK_SOURCE_DIR) + "/data/";

// A messages file in a fresh temporary directory, removed afterwards.
class MessagesFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("lurak-msg-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override {
        ClearMessages();
        fs::remove_all(dir_);
    }
    // Writes the file and loads it; returns LoadMessages' result.
    int Load(const std::string& content) {
        std::ofstream(dir_ / kMessagesFileName, std::ios::binary) << content;
        return LoadMessages((dir_.string() + "/").c_str());
    }
    fs::path dir_;
};

std::vector<std::string> Scan(const std::string& content, size_t block = 256) {
    MessageScanner scanner(kMessageCount);
    for (size_t at = 0; at < content.size(); at += block)
        scanner.Feed(content.data() + at, std::min(block, content.size() - at));
    scanner.Finish();
    return scanner.Texts();
}

using Texts = std::vector<std::string>;
}  // namespace

TEST(MessageScanner, ReadsTextsByTheFileRules) {
    const struct {
        const char* content;
        size_t block;
        Texts expected;
    } cases[] = {
        // Empty texts take no number; everything outside quotes is skipped.
        {"1 \"A\"\n2 \"\"\n3 \"B\"\n", 256, {"A", "B"}},
        {"; comment\n 12 \"one\" junk 13\n\n\"two\"\n", 256, {"one", "two"}},
        {"no texts at all\n", 256, {}},
        // Only a closing backslash-n becomes a line feed, and not a text of just that.
        {R"("Done.\n")", 256, {"Done.\n"}},
        {R"("\n")", 256, {"\\n"}},
        {R"("a\nb")", 256, {"a\\nb"}},
        // A backslash escapes exactly the next byte and stays in the text.
        {R"("say \"hi\"")", 256, {R"(say \"hi\")"}},
        {R"("a\\" "b")", 256, {R"(a\\)", "b"}},
        {R"(\" "A")", 256, {"A"}},
        // CR before LF is dropped, also when the pair is split between blocks.
        {"\"a\r\nb\"\r\n", 256, {"a\nb"}},
        {"\"a\rb\"", 256, {"a\rb"}},
        {"\"a\r\nb\"", 2, {"a\nb"}},
        // An unterminated text at the end is dropped.
        {"\"a\r", 256, {}},
        {"\"A\" \"B", 256, {"A"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Scan(c.content, c.block), c.expected) << c.content;
}

TEST(MessageScanner, TextsSpanBlocksOfAnySize) {
    std::string longText(5000, 'x');
    std::string content = "\"first\" \"" + longText + "\" \"last\\n\"";
    for (size_t block : {1, 3, 255, 256, 4096})
        EXPECT_EQ(Scan(content, block), (Texts{"first", longText, "last\n"})) << block;
}

TEST(MessageScanner, KeepsOnlyTheFirstTextsButCountsAll) {
    MessageScanner scanner(2);
    std::string content = "\"a\" \"b\" \"c\" \"\"";
    scanner.Feed(content.data(), content.size());
    scanner.Finish();
    EXPECT_EQ(scanner.Texts(), (Texts{"a", "b"}));
    EXPECT_EQ(scanner.TotalTexts(), 3u);
}

TEST_F(MessagesFile, NumbersFallIntoThreeTables) {
    std::string content;
    for (int i = 0; i < 200; ++i)
        content += "\"t" + std::to_string(i) + "\"\n";
    ASSERT_EQ(Load(content), 0);
    EXPECT_EQ(LoadedMessageCount(), kMessageCount);
    EXPECT_STREQ(MessageText(0), "t0");
    EXPECT_STREQ(DialogText(74), "t74");
    EXPECT_STREQ(ParamLabel(75), "t75");
    EXPECT_STREQ(ParamLabel(147), "t147");
    EXPECT_STREQ(CommandMessage(148), "t148");
    EXPECT_STREQ(CommandMessage(192), "t192");
    // Text 193 and later are ignored.
    EXPECT_STREQ(MessageText(193), "");
    // A table does not answer for another table's numbers.
    EXPECT_STREQ(DialogText(75), "");
    EXPECT_STREQ(ParamLabel(74), "");
    EXPECT_STREQ(ParamLabel(148), "");
    EXPECT_STREQ(CommandMessage(147), "");
    EXPECT_STREQ(CommandMessage(193), "");
}

TEST_F(MessagesFile, MissingNumbersAndOutOfRangeLookUpsGiveEmptyText) {
    ASSERT_EQ(Load("\"only\""), 0);
    EXPECT_EQ(LoadedMessageCount(), 1);
    EXPECT_TRUE(HasMessageText(0));
    EXPECT_FALSE(HasMessageText(1));
    for (int number : {1, 192, -1, 193, INT_MIN, INT_MAX}) {
        EXPECT_STREQ(MessageText(number), "") << number;
        EXPECT_FALSE(HasMessageText(number)) << number;
    }
}

TEST_F(MessagesFile, ReloadForgetsTheOldTextsAndAMissingFileLeavesNone) {
    ASSERT_EQ(Load("\"a\" \"b\""), 0);
    ASSERT_EQ(Load("\"c\""), 0);
    EXPECT_STREQ(MessageText(0), "c");
    EXPECT_STREQ(MessageText(1), "");
    // The install directory may come without its final separator.
    ASSERT_EQ(LoadMessages(dir_.string().c_str()), 0);
    EXPECT_STREQ(MessageText(0), "c");
    EXPECT_EQ(LoadMessages((dir_.string() + "/no-such-dir/").c_str()), -1);
    EXPECT_EQ(LoadedMessageCount(), 0);
    EXPECT_STREQ(MessageText(0), "");
    EXPECT_EQ(LoadMessagesFile(nullptr), -1);
    EXPECT_EQ(LoadMessages(nullptr), -1);  // "lurak.msg" in the working directory
}

TEST(MessageFormat, MatchingConversionsAreFormatted) {
    EXPECT_EQ(FormatMessageText("Dialog '%s' missing.\n", {"sysedit"}), "Dialog 'sysedit' missing.\n");
    EXPECT_EQ(FormatMessageText("%lg then %lg", {6000.0, 7500.5}), "6000 then 7500.5");
    EXPECT_EQ(FormatMessageText("<%d>: ", {101}), "<101>: ");
    EXPECT_EQ(FormatMessageText("%-6.2f|%05d|%x", {1.5, 42, 255}), "1.50  |00042|ff");
    EXPECT_EQ(FormatMessageText("100%% of %s", {"air"}), "100% of air");
    EXPECT_EQ(FormatMessageText("plain", {}), "plain");
    // Long values are not cut.
    std::string longTag(300, 'T');
    EXPECT_EQ(FormatMessageText("[%s]", {longTag}), "[" + longTag + "]");
    EXPECT_EQ(FormatMessageText("[%s]", {static_cast<const char*>(nullptr)}), "[]");
}

TEST(MessageFormat, MismatchPrintsTextAndValuesApart) {
    // Too few, too many, or the wrong kind of values.
    EXPECT_EQ(FormatMessageText("Number <%d>: ", {}), "Number <%d>: ");
    EXPECT_EQ(FormatMessageText("Scale:", {"ABC"}), "Scale: ABC");
    EXPECT_EQ(FormatMessageText("%d", {2.5}), "%d 2.5");
    EXPECT_EQ(FormatMessageText("%s\n", {7}), "%s 7\n");
    EXPECT_EQ(FormatMessageText("%lg %lg", {1.0}), "%lg %lg 1");
}

TEST(MessageFormat, DangerousConversionsAreRefused) {
    for (const char* format : {"%n", "%*d", "%.*d", "%1$d", "%Ld", "%ld", "%lld", "%p", "%ls",
                               "%Lf", "%hhf", "%1000d", "%.1000d", "%", "abc%", "%-"}) {
        EXPECT_FALSE(MessageFormatMatches(format, {1})) << format;
        EXPECT_FALSE(MessageFormatMatches(format, {1.0})) << format;
        EXPECT_EQ(FormatMessageText(format, {1}), std::string(format) + " 1") << format;
    }
    EXPECT_TRUE(MessageFormatMatches("%999d", {1}));
    EXPECT_TRUE(MessageFormatMatches("%hd %c", {1, 65}));
    EXPECT_TRUE(MessageFormatMatches("%lf %e %G", {1.0, 2.0, 3.0}));
    EXPECT_FALSE(MessageFormatMatches(nullptr, {}));
    EXPECT_EQ(FormatMessageText(nullptr, {}), "");
}

class ShippedMessages : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(LoadMessages(kDataDir.c_str()), 0); }
    void TearDown() override { ClearMessages(); }
};

TEST_F(ShippedMessages, HoldsExactly193Texts) {
    EXPECT_EQ(LoadedMessageCount(), kMessageCount);
    std::ifstream in(kDataDir + kMessagesFileName, std::ios::binary);
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    MessageScanner scanner(1000);
    scanner.Feed(content.data(), content.size());
    scanner.Finish();
    EXPECT_EQ(scanner.TotalTexts(), static_cast<size_t>(kMessageCount));
}

TEST_F(ShippedMessages, FormattedEntriesTakeWhatTheirCallersPass) {
    EXPECT_TRUE(MessageFormatMatches(MessageText(67), {"ZL1"}));          // scale dialog: system tag
    EXPECT_TRUE(MessageFormatMatches(MessageText(148), {"sysedit"}));     // missing dialog key
    EXPECT_TRUE(MessageFormatMatches(MessageText(188), {6000.0, 7500.0})); // piece length, length
    EXPECT_TRUE(MessageFormatMatches(MessageText(190), {101}));           // proposed label number
    EXPECT_TRUE(MessageFormatMatches(MessageText(189), {1e9, 20000}));    // run length, most pieces
    EXPECT_TRUE(MessageFormatMatches(MessageText(173), {32767}));         // highest first label number
    // Every other text has no conversion, so it prints as it stands.
    for (int number = 0; number < kMessageCount; ++number) {
        if (number == 67 || number == 148 || number == 173 || number == 188 || number == 189 || number == 190)
            continue;
        EXPECT_TRUE(MessageFormatMatches(MessageText(number), {})) << number;
    }
    EXPECT_EQ(FormatMessageNumber(190, {101}), "Label number <101>: ");
}

TEST_F(ShippedMessages, PrintedMessagesEndTheirLine) {
    auto text = [](int number) { return std::string(MessageText(number)); };
    // Texts printed on the command line end in a line feed; prompts, alerts
    // and titles do not.
    for (int number : {148, 149, 152, 153, 155, 156, 157, 163, 164, 166, 167, 170, 176, 183, 185, 189, 191})
        EXPECT_EQ(text(number).back(), '\n') << number;
    for (int number : {150, 151, 165, 169, 171, 172, 177, 178, 179, 180, 184, 186, 187, 190})
        EXPECT_EQ(text(number).substr(text(number).size() - 2), ": ") << number;
    for (int number : {158, 159, 160, 161, 162, 168, 174, 175, 181, 182, 188, 192})
        EXPECT_NE(text(number).back(), '\n') << number;
    // Keyword prompts offer the keywords their callers set up.
    EXPECT_NE(text(165).find("[Quit]"), std::string::npos);
    EXPECT_NE(text(178).find("[Left/Right/None]"), std::string::npos);
    EXPECT_NE(text(180).find("[Next]"), std::string::npos);
}

TEST_F(ShippedMessages, CaptionsEndWithTheNameTheDescriptionsRead) {
    // The generic descriptions take a parameter's name from the end of its
    // caption: "Width (a):" gives "a", "First diameter (d1):" gives "d1".
    const std::map<int, std::string> names = {
        {75, "a"}, {76, "b"}, {77, "l"}, {78, "c"}, {79, "d"}, {80, "d"}, {81, "e"}, {82, "f"},
        {83, "d"}, {85, "d1"}, {86, "d2"}, {87, "d3"}, {88, "A"}, {89, "B"}, {90, "L"}, {91, "B"},
        {92, "H"}, {93, "n"}, {94, "t"}, {98, "D"}, {125, "E"}, {126, "t"}, {138, "h"}, {139, "m"},
        {140, "n"}, {143, "m"}, {144, "n"}, {145, "r"}};
    for (const auto& [number, name] : names) {
        std::string caption = ParamLabel(number), tail = " (" + name + "):";
        ASSERT_GE(caption.size(), tail.size()) << number;
        EXPECT_EQ(caption.substr(caption.size() - tail.size()), tail) << number << " " << caption;
    }
}

TEST(ShippedDataFiles, MenuCallsEveryCommand) {
    const std::set<std::string> commands = {
        "lnvf", "lnvl", "lracs", "ltuzv", "lvnt", "lklr", "lflt", "linf", "lstart", "lcur",
        "lrot", "lplane", "lmove", "lexplode", "lsys", "lprop", "ldim", "lairdim", "llist",
        "lalist", "lins", "lcopy", "lmirror", "lcontd", "lcprop", "lhelp", "linfo", "lcustom"};
    std::ifstream in(kDataDir + "LURAK.cui");
    ASSERT_TRUE(in);
    std::set<std::string> called;
    std::string line;
    while (std::getline(in, line)) {
        size_t at = line.find("(C:");
        if (line.empty() || line[0] == ';' || at == std::string::npos)
            continue;
        size_t end = line.find(')', at);
        ASSERT_NE(end, std::string::npos) << line;
        called.insert(line.substr(at + 3, end - at - 3));
    }
    EXPECT_EQ(called, commands);
}
