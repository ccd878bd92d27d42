#include "io/io.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace host::io;

TEST(Io, AskSkipsCommentsTrimsAndEchoes) {
    captureTranscript();
    setScript("; a comment\n  10,20  \n\n");
    std::string answer;
    ASSERT_TRUE(ask("Point: ", answer));
    EXPECT_EQ(answer, "10,20");
    ASSERT_TRUE(ask("Again: ", answer));
    EXPECT_EQ(answer, "");  // an empty line is Enter
    EXPECT_FALSE(ask("More: ", answer));
    EXPECT_TRUE(atEnd());
    EXPECT_FALSE(ask("Still: ", answer));  // stays at the end
    EXPECT_EQ(takeTranscript(), "Point: 10,20\nAgain: \nMore: \n");
    setSource(nullptr);
}

// The echo shows the answer as the given quoting does; the caller gets it
// as typed.
TEST(Io, AnEchoedAnswerGoesThroughTheQuoting) {
    captureTranscript();
    setScript("a\x1b[2Jb\n");
    setAnswerQuoting([](std::string_view text) { return "<" + std::string(text.size(), '?') + ">"; });
    std::string answer;
    ASSERT_TRUE(ask("Name: ", answer));
    EXPECT_EQ(answer, "a\x1b[2Jb");
    EXPECT_EQ(takeTranscript(), "Name: <??????>\n");
    setAnswerQuoting(nullptr);
    setSource(nullptr);
}

TEST(Io, Utf8RoundTripAndRepair) {
    std::wstring wide = L"K\u00d6Z\u00c9P \u2205 \U0001F600";
    EXPECT_EQ(fromUtf8(toUtf8(wide)), wide);
    EXPECT_EQ(toUtf8(L"\u00d6"), "\xC3\x96");
    // A truncated sequence and an overlong one become replacement characters.
    EXPECT_EQ(fromUtf8("a\xC3"), L"a\uFFFD");
    EXPECT_EQ(fromUtf8("\xC0\xAF"), L"\uFFFD\uFFFD");
}

TEST(Io, ByteOrderMarkBeforeTheFirstLineIsDropped) {
    const std::string text = "\xEF\xBB\xBFline\n\xEF\xBB\xBFkept\n";
    std::vector<std::unique_ptr<LineSource>> sources;
    sources.push_back(std::make_unique<StreamSource>(std::make_unique<std::istringstream>(text)));
    sources.push_back(std::make_unique<StringSource>(text));
    for (auto& source : sources) {
        std::string line;
        ASSERT_TRUE(source->readLine("", line));
        EXPECT_EQ(line, "line");
        ASSERT_TRUE(source->readLine("", line));
        EXPECT_EQ(line, "\xEF\xBB\xBFkept");  // only the file's start holds a mark
    }
}
