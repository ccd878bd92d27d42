#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <string>

#include "aced_input.h"
#include "ads_entity.h"
#include "shell/text.h"
#include "shell_fixture.h"

using Input = ShellTest;

TEST_F(Input, RefusedAnswersAreAskedAgainNeverReturned) {
    script("0\n-3\n\n7\n");
    int value = 0;
    acedInitGet(RSG_NONULL | RSG_NOZERO | RSG_NONEG, nullptr);
    ASSERT_EQ(acedGetInt(L"Count: ", &value), RTNORM);
    EXPECT_EQ(value, 7);
    std::string t = transcript();
    EXPECT_NE(t.find("Value must be nonzero."), std::string::npos) << t;
    EXPECT_NE(t.find("Value must be positive."), std::string::npos) << t;
    EXPECT_NE(t.find("Requires a value."), std::string::npos) << t;
    // The bits applied to that call only: the next one takes Enter.
    script("\n");
    EXPECT_EQ(acedGetInt(L"Count: ", &value), RTNONE);
}

TEST_F(Input, MalformedAnswersGetTheRepromptText) {
    script("abc\n1,2,3,4\n3,4\n");
    ads_point p;
    ASSERT_EQ(acedGetPoint(nullptr, L"Point: ", p), RTNORM);
    EXPECT_EQ(p[0], 3);
    EXPECT_EQ(p[1], 4);
    std::string t = transcript();
    EXPECT_EQ(t, "Point: abc\nInvalid point.\nPoint: 1,2,3,4\nInvalid point.\nPoint: 3,4\n");
}

TEST_F(Input, WithoutAPromptTheHostsOwnNamesTheKeywords) {
    script("Next\n4,5\n");
    ads_point p;
    acedInitGet(0, L"Select Next Quit");
    EXPECT_EQ(acedGetPoint(nullptr, nullptr, p), RTKWORD);
    EXPECT_EQ(acedGetPoint(nullptr, nullptr, p), RTNORM);  // the keywords were for one call only
    EXPECT_EQ(transcript(), "Specify point or [Select/Next/Quit]: Next\nSpecify point: 4,5\n");
}

TEST_F(Input, RelativePointsFollowTheBaseOrTheLastPoint) {
    script("5,5\n@1,1\n@2,0\n");
    ads_point a, b, c;
    ASSERT_EQ(acedGetPoint(nullptr, L"A: ", a), RTNORM);
    const ads_point base = {100, 100, 0};
    ASSERT_EQ(acedGetPoint(base, L"B: ", b), RTNORM);
    EXPECT_EQ(b[0], 101);
    ASSERT_EQ(acedGetPoint(nullptr, L"C: ", c), RTNORM);  // from the last point, b
    EXPECT_EQ(c[0], 103);
    EXPECT_EQ(c[1], 101);
}

TEST_F(Input, DistancesAndAnglesFromNumbersOrPoints) {
    script("2.5\n@3,4\n90\n0,10\n10,0\n10,10\n");
    const ads_point base = {0, 0, 0};
    double d = 0;
    ASSERT_EQ(acedGetDist(base, L"D: ", &d), RTNORM);
    EXPECT_EQ(d, 2.5);
    ASSERT_EQ(acedGetDist(base, L"D: ", &d), RTNORM);
    EXPECT_DOUBLE_EQ(d, 5);
    ASSERT_EQ(acedGetAngle(base, L"A: ", &d), RTNORM);
    EXPECT_NEAR(d, M_PI / 2, 1e-12);
    ASSERT_EQ(acedGetAngle(base, L"A: ", &d), RTNORM);
    EXPECT_NEAR(d, M_PI / 2, 1e-12);
    // Without a base point a point answer asks for the second point.
    ASSERT_EQ(acedGetAngle(nullptr, L"A: ", &d), RTNORM);
    EXPECT_NEAR(d, M_PI / 2, 1e-12);
}

// Numbers no drawing can hold are asked again: a start direction of 1e308
// once became a NaN coordinate in the saved file.
TEST_F(Input, HugeAndNonFiniteNumbersAreAskedAgain) {
    const ads_point base = {0, 0, 0};
    double d = 0;
    script("1e308\n-1e16\ninf\nnan\n450\n");
    ASSERT_EQ(acedGetAngle(base, L"A: ", &d), RTNORM);
    EXPECT_NEAR(d, M_PI / 2, 1e-12);
    std::string t = transcript();
    EXPECT_EQ(t.find("A: 1e308\nValue out of range.\nA: -1e16\nValue out of range.\nA: inf\n"), 0u) << t;
    script("1e300\n12\n");
    ASSERT_EQ(acedGetDist(base, L"D: ", &d), RTNORM);
    EXPECT_EQ(d, 12);
    script("1e300\n-1e200\n3\n");
    ASSERT_EQ(acedGetReal(L"R: ", &d), RTNORM);
    EXPECT_EQ(d, 3);
    EXPECT_NE(transcript().find("R: -1e200\nValue out of range.\nR: 3"), std::string::npos);
    ads_point p;
    script("1e300,0\n@1e16<0\n1,2\n");
    ASSERT_EQ(acedGetPoint(base, L"P: ", p), RTNORM);
    EXPECT_EQ(p[1], 2);
    // Nor does a variable take one, and a base that is not finite gives no
    // relative point.
    resbuf nanPoint{};
    nanPoint.restype = RT3DPOINT;
    nanPoint.resval.rpoint[0] = std::nan("");
    EXPECT_EQ(acedSetVar(L"LASTPOINT", &nanPoint), RTERROR);
    const ads_point nanBase = {std::nan(""), 0, 0};
    script("@1,1\n3,3\n");
    ASSERT_EQ(acedGetPoint(nanBase, L"P: ", p), RTNORM);
    EXPECT_EQ(p[0], 3);
}

TEST_F(Input, KeywordsCancelAndEnter) {
    script("s\n^C\n\nxyz\nr\n");
    ads_point p;
    wchar_t word[132];
    acedInitGet(0, L"Select Next Quit");
    ASSERT_EQ(acedGetPoint(nullptr, L"P: ", p), RTKWORD);
    acedGetInput(word);
    EXPECT_STREQ(word, L"Select");
    EXPECT_EQ(acedGetPoint(nullptr, L"P: ", p), RTCAN);
    EXPECT_EQ(acedUsrBrk(), 1);
    acedInitGet(0, L"Left Right None");
    EXPECT_EQ(acedGetKword(L"Side: ", word), RTNONE);
    acedInitGet(0, L"Left Right None");
    ASSERT_EQ(acedGetKword(L"Side: ", word), RTNORM);  // xyz is refused first
    EXPECT_STREQ(word, L"Right");
    EXPECT_NE(transcript().find("Invalid option keyword."), std::string::npos);
    // End of input is cancel at every prompt.
    EXPECT_EQ(acedGetPoint(nullptr, L"P: ", p), RTCAN);
    EXPECT_EQ(acedGetString(0, L"S: ", word), RTCAN);
}

TEST_F(Input, ArbitraryInputAndStrings) {
    script("anything goes\n  two words  \ntwo words\n");
    ads_point p;
    wchar_t text[133];
    acedInitGet(RSG_OTHER, L"Quit");
    ASSERT_EQ(acedGetPoint(nullptr, L"P: ", p), RTKWORD);
    acedGetInput(text);
    EXPECT_STREQ(text, L"anything goes");
    ASSERT_EQ(acedGetString(1, L"S: ", text), RTNORM);
    EXPECT_STREQ(text, L"two words");
    ASSERT_EQ(acedGetString(0, L"S: ", text), RTNORM);  // a blank ends the answer
    EXPECT_STREQ(text, L"two");
}

TEST_F(Input, LongAnswersAreCutToTheBuffer) {
    std::string long_(500, 'x');
    host::io::setScript(long_ + "\n");
    wchar_t small[8];
    ASSERT_EQ(acedGetString(1, L"S: ", small, 8), RTNORM);
    EXPECT_EQ(std::wcslen(small), 7u);
    host::io::setLastInput(long_);
    wchar_t input[132];
    ASSERT_EQ(acedGetInput(input), RTNORM);
    EXPECT_EQ(std::wcslen(input), 131u);
}

TEST_F(Input, PrintfReadsWideAndNarrowArguments) {
    acutPrintf(L"%s|%S|%ls|%d|%5.1f|%c|100%%\n", L"K\u00d6Z\u00c9P", "narrow", L"wide", 42, 2.25, L'\u2205');
    EXPECT_EQ(transcript(), "K\u00d6Z\u00c9P|narrow|wide|42|  2.2|\u2205|100%\n");
    acdbFail(L"bad thing");
    EXPECT_NE(transcript().find("ERROR: bad thing"), std::string::npos);
    acedHelp(L"/opt/Lurak.hlp", L"main_index", 0);
    EXPECT_NE(transcript().find("/opt/Lurak.hlp, topic main_index"), std::string::npos);
}

TEST_F(Input, ColourDialogAnswers) {
    script("bylayer\n300\n12\n\nbyblock\n5\n^C\n");
    resbuf* args = acutBuildList(RTSTR, L"acad_colordlg", RTSHORT, 7, 0);
    resbuf* noByLayer = acutBuildList(RTSTR, L"acad_colordlg", RTSHORT, 7, RTNIL, 0);
    resbuf* result = nullptr;
    auto colour = [&](resbuf* call) {
        result = nullptr;
        EXPECT_EQ(acedInvoke(call, &result), RTNORM);
        int c = result && result->restype == RTSHORT ? result->resval.rint : -1;
        acutRelRb(result);
        return c;
    };
    EXPECT_EQ(colour(args), 256);
    EXPECT_EQ(colour(args), 12);  // 300 is asked again
    EXPECT_EQ(colour(args), -1);  // Enter chooses nothing
    EXPECT_EQ(colour(noByLayer), 5);  // byblock is not offered there
    EXPECT_EQ(colour(args), -1);  // cancel
    acutRelRb(args);
    acutRelRb(noByLayer);
}

TEST_F(Input, FileDialogAndAlerts) {
    // A name that names no file here: nothing to replace.
    std::string name = std::string(testing::TempDir()) + "lurak_no_bom_" + std::to_string(::getpid());
    std::remove((name + ".txt").c_str());
    script((name + "\n\n^C\n").c_str());
    resbuf result;
    ASSERT_EQ(acedGetFileD(L"Save the list", nullptr, L"txt", 5, &result), RTNORM);
    ASSERT_EQ(result.restype, RTSTR);
    EXPECT_EQ(host::shell::narrow(result.resval.rstring), name + ".txt");  // the extension is added
    free(result.resval.rstring);
    ASSERT_EQ(acedGetFileD(L"Save the list", L"list.txt", L"txt", 5, &result), RTNORM);  // Enter: the default
    EXPECT_STREQ(result.resval.rstring, L"list.txt");
    free(result.resval.rstring);
    EXPECT_EQ(acedGetFileD(L"Save the list", nullptr, L"txt", 5, &result), RTCAN);
    transcript();
    EXPECT_EQ(acedAlert(L"Tag already used"), RTNORM);  // needs no answer
    EXPECT_EQ(transcript(), "[Alert] Tag already used\n");
}

TEST_F(Input, AFolderIsNoFileNameAndIsAskedAgain) {
    // A folder, typed with or without its closing slash, names no file: the
    // extension alone would make a hidden ".txt" inside it, or a name that
    // cannot be opened.  The name is asked again.
    std::string folder = std::string(testing::TempDir()) + "lurak_folder_" + std::to_string(::getpid());
    std::string dotted = folder + ".txt";
    std::filesystem::create_directory(folder);
    std::filesystem::create_directory(dotted);
    std::string file = folder + "/list.txt";
    script((folder + "/\n" + dotted + "\n" + file + "\n" + folder + "/\n^C\n").c_str());
    resbuf result;
    ASSERT_EQ(acedGetFileD(L"Save the list", nullptr, L"txt", 5, &result), RTNORM);
    EXPECT_EQ(host::shell::narrow(result.resval.rstring), file);
    free(result.resval.rstring);
    EXPECT_EQ(acedGetFileD(L"Open a list", nullptr, L"txt", 0, &result), RTCAN);  // reading too
    std::string said = transcript();
    EXPECT_NE(said.find(folder + "/ is a folder"), std::string::npos) << said;
    EXPECT_NE(said.find(dotted + " is a folder"), std::string::npos) << said;
    EXPECT_FALSE(std::filesystem::exists(folder + "/.txt"));
    std::filesystem::remove(dotted);
    std::filesystem::remove(folder);
}

TEST_F(Input, AFileToWriteThatExistsIsReplacedOnlyWhenTheUserSaysSo) {
    std::string name = std::string(testing::TempDir()) + "lurak_bom_" + std::to_string(::getpid()) + ".txt";
    std::FILE* f = std::fopen(name.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    std::string other = name + ".new";
    // No keeps the file and asks for the name again; Yes takes it; bit 32 asks nothing.
    script((name + "\nno\n" + other + "\n" + name + "\ny\n" + name + "\n" + name + "\n^C\n").c_str());
    resbuf result;
    ASSERT_EQ(acedGetFileD(L"Save the list", nullptr, L"txt", 5, &result), RTNORM);
    EXPECT_EQ(host::shell::narrow(result.resval.rstring), other);
    free(result.resval.rstring);
    ASSERT_EQ(acedGetFileD(L"Save the list", nullptr, L"txt", 5, &result), RTNORM);
    EXPECT_EQ(host::shell::narrow(result.resval.rstring), name);
    free(result.resval.rstring);
    ASSERT_EQ(acedGetFileD(L"Save the list", nullptr, L"txt", 5 | 32, &result), RTNORM);
    EXPECT_EQ(host::shell::narrow(result.resval.rstring), name);
    free(result.resval.rstring);
    ASSERT_EQ(acedGetFileD(L"Open a list", nullptr, L"txt", 0, &result), RTNORM);  // reading: no question
    free(result.resval.rstring);
    EXPECT_NE(transcript().find("already exists. Replace it?"), std::string::npos);
    std::remove(name.c_str());
}

// The file input asks by the saves' rule: at EXPERT 2 of the drawing a
// file is replaced without the question.
TEST_F(Input, AFileToWriteIsReplacedUnaskedAtExpertTwo) {
    std::string name = std::string(testing::TempDir()) + "lurak_bom_expert_" + std::to_string(::getpid()) + ".txt";
    std::FILE* f = std::fopen(name.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    resbuf two;
    two.restype = RTSHORT;
    two.resval.rint = 2;
    ASSERT_EQ(acedSetVar(L"EXPERT", &two), RTNORM);
    script((name + "\n").c_str());
    resbuf result;
    ASSERT_EQ(acedGetFileD(L"Save the list", nullptr, L"txt", 5, &result), RTNORM);
    EXPECT_EQ(host::shell::narrow(result.resval.rstring), name);
    free(result.resval.rstring);
    EXPECT_EQ(transcript().find("already exists"), std::string::npos);
    std::remove(name.c_str());
}
