// The type chooser on the generated dialog file: the pages' maps, picks by
// image and by list row, double clicks, accept, cancel and help.
#include <algorithm>
#include <numeric>
#include <vector>

#include "core/catalogue_strings.h"
#include "core/type_tables.h"
#include "dialog_session.h"
#include "elements/element_families.h"
#include "ui/dcl/chooser_pages.h"
#include "ui/dcl/type_chooser.h"

namespace {

// The pages show the registered types.
const bool kFamiliesRegistered = (RegisterElementFamilies(), true);

std::vector<int> PageMap(int page) {
    std::vector<int> subtypes;
    for (int position = 1; position <= ChooserPageTypeCount(page); ++position)
        subtypes.push_back(ChooserPositionToType(page, position));
    return subtypes;
}

std::vector<int> Range(int first, int count) {
    std::vector<int> values(static_cast<size_t>(count));
    std::iota(values.begin(), values.end(), first);
    return values;
}

TEST(ChooserPagesTest, EveryFamilyPageShowsEachOfItsTypesOnceAndFamilyFiveIsShared) {
    for (int page = 1; page <= 5; ++page) {
        std::vector<int> subtypes = PageMap(page);
        std::sort(subtypes.begin(), subtypes.end());
        EXPECT_EQ(subtypes, Range(1, ChooserTypeCounts[page - 1])) << "page " << page;
        EXPECT_EQ(ChooserTypeCounts[page - 1], TypeRowCount(page)) << "page " << page;
        EXPECT_EQ(FamilyOfPage(page - 1), page - 1);
    }
    // Family 5 in catalogue order, and again split over three pages of its own.
    EXPECT_EQ(PageMap(5), Range(1, 12));
    std::vector<int> split;
    for (int page : {6, 7, 8}) {
        std::vector<int> subtypes = PageMap(page);
        split.insert(split.end(), subtypes.begin(), subtypes.end());
        EXPECT_EQ(FamilyOfPage(page - 1), 4);
    }
    EXPECT_EQ(split, Range(1, 12));
}

TEST(ChooserPagesTest, OutsideTheTableThePositionStands) {
    EXPECT_EQ(ChooserPositionToType(1, 33), 33);
    EXPECT_EQ(ChooserPositionToType(1, 0), 0);
    EXPECT_EQ(ChooserPositionToType(6, 3), 3);
    EXPECT_EQ(ChooserPositionToType(0, 5), 5);
    EXPECT_EQ(ChooserPositionToType(9, 5), 5);
    EXPECT_EQ(ChooserPageTypeCount(0), 0);
    EXPECT_EQ(ChooserPageTypeCount(9), 0);
    EXPECT_EQ(FamilyOfPage(8), -1);
    EXPECT_EQ(FamilyOfPage(-1), -1);
    EXPECT_EQ(ChooserHelpTopic(5), nullptr);
    EXPECT_STREQ(ChooserHelpTopic(7), "topic_kalorifer");
}

class TypeChooserTest : public DialogSession {
protected:
    // Runs a page on the script; the subtype starts at -7 to show whether
    // the chooser stored one.
    int16_t Choose(int16_t page, const char* script) {
        host::io::setScript(script);
        chosen = -7;
        return ChooseElementType(page, &chosen);
    }
    const host::dcl::TileState* Closed(const char* key) {
        closed = host::dcl::lastDialogState();
        return closed ? closed->tile(key) : nullptr;
    }

    int16_t chosen = -7;
    std::optional<host::dcl::DialogState> closed;
};

TEST_F(TypeChooserTest, ADoubleClickedImageOrListRowClosesWithItsTypeHighlighted) {
    EXPECT_EQ(Choose(1, "vl11!\nvl01\n"), 0);
    EXPECT_EQ(chosen, 26);
    ASSERT_TRUE(Closed("list"));
    EXPECT_EQ(Closed("list")->value, "10");
    EXPECT_TRUE(Closed("vl11")->highlighted);
    EXPECT_FALSE(Closed("vl01")->highlighted);
    EXPECT_EQ(host::dcl::loadedFileCount(), 0u);
    EXPECT_EQ(Choose(2, "list=0!\n"), 0);
    EXPECT_EQ(chosen, 21);
    EXPECT_TRUE(Closed("vl01")->highlighted);
}

TEST_F(TypeChooserTest, APickThenAcceptChoosesWithinThePageAndOnlyTheLastPickIsLit) {
    EXPECT_EQ(Choose(7, "vl03\naccept\n"), 0);
    EXPECT_EQ(chosen, 5);
    EXPECT_EQ(Choose(8, "vl01\naccept\n"), 0);
    EXPECT_EQ(chosen, 9);
    EXPECT_EQ(Choose(3, "list=26\naccept\n"), 0);
    EXPECT_EQ(chosen, 2);  // "RK..", which has no class
    EXPECT_EQ(Choose(4, "vl02\nvl05\nlist=6\naccept\n"), 0);
    EXPECT_EQ(chosen, 10);
    EXPECT_TRUE(Closed("vl07")->highlighted);
    for (const char* key : {"vl02", "vl05", "vl01"})
        EXPECT_FALSE(Closed(key)->highlighted) << key;
}

TEST_F(TypeChooserTest, CancelAndAnEmptyAcceptChooseNothing) {
    EXPECT_EQ(Choose(1, "vl03\ncancel\n"), -1);
    EXPECT_EQ(chosen, -7);
    EXPECT_EQ(Choose(1, "accept\n"), -1);
    EXPECT_EQ(chosen, -7);
    EXPECT_EQ(Choose(6, "vl02\n"), -1);  // the input ends: cancelled
    EXPECT_EQ(chosen, -7);
    EXPECT_EQ(Choose(0, "vl01!\n"), -1);
    EXPECT_EQ(Choose(9, "vl01!\n"), -1);
    EXPECT_EQ(chosen, -7);
}

TEST_F(TypeChooserTest, ImagesShowTheSlidesOfTheTypePrefixesAndTheListTheirCodes) {
    EXPECT_EQ(Choose(2, "cancel\n"), -1);
    std::string library = std::string(LURAK_BINARY_DIR) + "/LURAK.SLB(";
    EXPECT_EQ(host::dcl::lastSlide("vl01"), library + BlockPrefixOf(2, 21) + ")");
    EXPECT_EQ(host::dcl::lastSlide("vl22"), library + BlockPrefixOf(2, 11) + ")");
    ASSERT_TRUE(Closed("list"));
    const std::vector<std::string>& items = Closed("list")->items;
    ASSERT_EQ(items.size(), 22u);
    EXPECT_EQ(items[0], TypeNameOf(2, 21));
    EXPECT_EQ(items[19], TypeNameOf(2, 1));
}

TEST_F(TypeChooserTest, HelpOpensThePageTopicAndPageFiveHasNone) {
    EXPECT_EQ(Choose(2, "help\nvl01!\n"), 0);
    std::string text = host::io::takeTranscript();
    EXPECT_NE(text.find("Lurak.hlp, topic topic_csovek"), std::string::npos) << text;
    EXPECT_EQ(Choose(5, "help\nvl12!\n"), 0);
    EXPECT_EQ(chosen, 12);
    EXPECT_EQ(host::io::takeTranscript().find("Help:"), std::string::npos);
}

TEST_F(TypeChooserTest, AMissingPageIsReportedWithMessage148) {
    UseOwnDialogFile("select_vl : dialog { label = \"Only one\"; ok_cancel_help; }\n");
    EXPECT_EQ(Choose(4, "accept\n"), -1);
    std::string text = host::io::takeTranscript();
    EXPECT_NE(text.find("ERROR: Dialog 'select_tv' is missing from the dialog file lurak.dcl."),
              std::string::npos)
        << text;
    EXPECT_EQ(host::dcl::loadedFileCount(), 0u);
    UseOwnDialogFile(nullptr);
    EXPECT_EQ(Choose(8, "accept\n"), -1);
    EXPECT_NE(host::io::takeTranscript().find("Dialog 'select_flt' is missing"), std::string::npos);
    EXPECT_EQ(chosen, -7);
}

}  // namespace
