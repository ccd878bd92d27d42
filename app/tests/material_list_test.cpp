// The bill of materials from element lines: joint pieces, numbered and
// unnumbered rows, both variants, the push-up of label numbers, and the
// lines of the list and of the text file.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/label_numbering.h"
#include "app/material_list.h"
#include "app/tests/bom_element.h"
#include "ui/dcl/llist_dialog.h"

namespace {

struct RowSeen {
    int32_t number;
    int32_t count;
    std::string tag;
    std::string text;
    bool operator==(const RowSeen&) const = default;
};

std::vector<RowSeen> Rows(const LListEntry& first) {
    std::vector<RowSeen> out;
    for (const LListEntry* e = &first; !e->IsEnd(); e = e->next.get())
        out.push_back({e->number, e->count, e->tag ? e->tag.get() : "-", e->text ? e->text.get() : "-"});
    return out;
}

using MaterialListTest = BomListTest;

struct JointCase {
    const char* name;
    int16_t code;
    double d;
    int16_t flag;
    std::vector<RowSeen> expected;  // the bill of two joined elements
};

TEST_F(MaterialListTest, JointPiecesAreCountedFromBothSidesAndHalved) {
    const std::vector<JointCase> cases = {
        {"code 1 once", 1, 200, 0, {{-1, 1, "VF-01  d=200;", "-"}}},
        {"code 3 twice", 3, 200, 0, {{-1, 2, "VF-01  d=200;", "-"}}},
        {"other codes VF-02", 2, 160, 0, {{-1, 1, "VF-02  d=160;", "-"}}},
        {"800 still counts", 1, 800, 0, {{-1, 1, "VF-01  d=800;", "-"}}},
        {"above 800 none", 1, 900, 0, {}},
        {"no code none", 0, 200, 0, {}},
        {"left out of the bill", 1, 200, 1, {}},
    };
    for (const JointCase& c : cases) {
        SCOPED_TRACE(c.name);
        BomElement left(2, 1), right(1, 2);
        left.Join(1, c.d, c.code);
        right.Join(0, c.d, c.code);
        left.listingFlag = right.listingFlag = c.flag;
        AddElementListLines(&left);
        AddElementListLines(&right);
        BuildMaterialList(kBomByDescription);
        EXPECT_EQ(Rows(state.numberedRows), c.expected);
        ClearMaterialLists();
    }
}

TEST_F(MaterialListTest, AnElementLeftOutAddsNothingAndAFailedLineQueryOnlyItsPieces) {
    BomElement out(1, 1), failing(1, 2);
    out.Join(0, 200, 1);
    out.rows = {{"VL-01  a=400;"}};
    out.listingFlag = 1;
    failing.Join(0, 200, 1);
    failing.failLines = true;
    AddElementListLines(&out);
    AddElementListLines(&failing);
    AddElementListLines(nullptr);
    BuildMaterialList(kBomByDescription);
    // One side of a joint only: the halved count is 0, so no row.
    EXPECT_TRUE(Rows(state.numberedRows).empty());
    EXPECT_FALSE(state.bomLines.next);
}

TEST_F(MaterialListTest, ExtraRowsCountTheirQuantity) {
    BomElement e(0, 1);
    e.rows = {{"SPIRO  d=315;  l=6000;"}};
    e.extras = {{"VF-01  d=315;", nullptr, 3}};
    AddElementListLines(&e);
    BuildMaterialList(kBomByDescription);
    EXPECT_EQ(Rows(state.numberedRows), (std::vector<RowSeen>{{1, 1, "SPIRO  d=315;  l=6000;  ", "-"},
                                                               {-1, 3, "VF-01  d=315;", "-"}}));
}

TEST_F(MaterialListTest, TheUserTextSharesTheRoomOfTheLine) {
    std::string row(120, 'x');
    BomElement cut(0, 1), none(0, 2);
    cut.rows = {{row}};
    SetElementUserText(&cut, "0123456789abcdef");
    none.rows = {{std::string(140, 'y')}};  // longer than the room: no user text at all
    SetElementUserText(&none, "zz");
    AddElementListLines(&cut);
    AddElementListLines(&none);
    std::vector<RowSeen> rows = Rows(state.pendingLabels);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].tag, row + "  01234567");
    EXPECT_EQ(rows[1].tag, std::string(140, 'y') + "  ");
}

// Three equal lines without numbers and one numbered element.
struct VariantCase {
    int16_t variant;
    std::vector<RowSeen> expected;
};

TEST_F(MaterialListTest, BothVariantsCountEqualLinesTogether) {
    const std::vector<VariantCase> cases = {
        {kBomByDescription, {{2, 2, "VF-03  d=200;  ", "B"}, {3, 3, "VL-01  a=400;  ", "x"}}},
        {kBomByAirflow,
         {{2, 1, "VF-03  d=200;  ", "B"},
          {2, 1, "VF-03  d=200;  ", "C"},
          {3, 2, "VL-01  a=400;  ", "x"},
          {3, 1, "VL-01  a=400;  ", "y"}}},
    };
    for (const VariantCase& c : cases) {
        SCOPED_TRACE(c.variant);
        BomElement a(0, 1), b(0, 2), d(0, 3), n1(0, 4), n2(0, 5);
        a.rows = b.rows = d.rows = {{"VL-01  a=400;", "x"}};
        b.rows[0].flow = "y";
        for (BomElement* n : {&n1, &n2}) {
            n->rows = {{"VF-03  d=200;", n == &n1 ? "B" : "C"}};
            n->listingFlag = -1;
            n->SetLabelNumber(2, 0);
        }
        for (BomElement* e : {&a, &b, &d, &n1, &n2})
            AddElementListLines(e);
        BuildMaterialList(c.variant);
        EXPECT_EQ(Rows(state.numberedRows), c.expected);
        EXPECT_TRUE(state.pendingLabels.IsEnd());
        ClearMaterialLists();
        EXPECT_TRUE(state.numberedRows.IsEnd());
        EXPECT_EQ(state.highestLabelNumber, 0);
    }
}

TEST_F(MaterialListTest, UnnumberedGroupsFollowTheHighestNumber) {
    BomElement a(0, 1), b(0, 2), c(0, 3);
    a.rows = {{"A"}};
    b.rows = {{"B"}};
    c.rows = {{"C"}};
    c.listingFlag = -1;
    c.SetLabelNumber(5, 0);
    for (BomElement* e : {&a, &b, &c})
        AddElementListLines(e);
    EXPECT_EQ(state.highestLabelNumber, 5);
    BuildMaterialList(kBomByDescription);
    EXPECT_EQ(Rows(state.numberedRows),
              (std::vector<RowSeen>{{5, 1, "C  ", "-"}, {6, 1, "A  ", "-"}, {7, 1, "B  ", "-"}}));
}

TEST_F(MaterialListTest, ANewDescriptionPushesTheFollowingNumbersUp) {
    BomElement e(0, 1);
    AddNumberedLabel(&e, 0, "three", nullptr, 3);
    AddNumberedLabel(&e, 0, "four", nullptr, 4);
    AddNumberedLabel(&e, 0, "six", nullptr, 6);
    AddNumberedLabel(&e, 0, "three", "t", 3);  // joins its group
    // Forget the marks: the elements are not in a drawing.
    for (LListEntry* r : state.numberedIndex.TakeDirty())
        r->dirty = 0;
    AddNumberedLabel(&e, 0, "new", nullptr, 3);
    EXPECT_EQ(Rows(state.numberedRows), (std::vector<RowSeen>{{3, 1, "new", "-"},
                                                               {4, 1, "three", "-"},
                                                               {4, 1, "-", "t"},
                                                               {5, 1, "four", "-"},
                                                               {6, 1, "six", "-"}}));
    std::vector<int32_t> dirty;
    for (const LListEntry* r = &state.numberedRows; !r->IsEnd(); r = r->next.get())
        dirty.push_back(r->dirty);
    EXPECT_EQ(dirty, (std::vector<int32_t>{1, 1, 1, 1, 0}));
    EXPECT_EQ(state.highestLabelNumber, 6);
    // The look-ups follow: the pushed group is found under its new number.
    AddNumberedLabel(&e, 0, "four", nullptr, 5);
    EXPECT_EQ(CountEntries(&state.numberedRows), 6);
    EXPECT_EQ(Rows(state.numberedRows)[4], (RowSeen{5, 1, "-", "-"}));
    // A number above every group starts a group at the end.
    AddNumberedLabel(&e, 0, "nine", nullptr, 9);
    EXPECT_EQ(Rows(state.numberedRows).back(), (RowSeen{9, 1, "nine", "-"}));
    EXPECT_EQ(state.highestLabelNumber, 9);
}

TEST(MaterialFileTest, RowsAreFormattedForTheListAndTheFile) {
    LListEntry numbered, piece;
    numbered.number = 3;
    numbered.count = 12;
    numbered.tag = CopyListText("VL-01  a=400;  ");
    numbered.text = CopyListText("V=3000 m3/h;");
    piece.number = -1;
    piece.count = 4;
    piece.tag = CopyListText("VF-01  d=200;");
    EXPECT_EQ(MaterialListLine(numbered, 100, 0), " 103   12 x VL-01  a=400;  ");
    EXPECT_EQ(MaterialListLine(numbered, 100, 1), " 103   12 x VL-01  a=400;  ;  V=3000 m3/h;");
    EXPECT_EQ(MaterialListLine(piece, 100, 1), "        4 x VF-01  d=200;");
    EXPECT_EQ(MaterialFileLine(numbered, 0, 0), "3     12     VL-01  a=400;  ");
    EXPECT_EQ(MaterialFileLine(numbered, 0, 1), "3     12     VL-01  a=400;  ;  V=3000 m3/h;");
    EXPECT_EQ(MaterialFileLine(piece, 0, 0), "     4     VF-01  d=200;");
}

TEST(MaterialFileTest, TheFileHoldsOneLinePerRowAndNoHeader) {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / "lurak_material_file_test";
    fs::remove_all(dir);
    fs::create_directories(dir);
    LListEntry first;
    LListEntry* end = &first;
    for (int n : {1, 2, -1}) {
        LListEntry* row = InsertEntryBefore(end);
        if (row == end)
            end = end->next.get();
        row->number = n;
        row->tag = CopyListText(n > 0 ? "duct" : "piece");
    }
    fs::path file = dir / "bom.txt";
    ASSERT_EQ(WriteMaterialFile(file.string().c_str(), &first, 10, 0), 0);
    std::ifstream in(file);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(all, "11     1     duct\n12     1     duct\n     1     piece\n");
    EXPECT_EQ(WriteMaterialFile((dir / "missing" / "bom.txt").string().c_str(), &first, 0, 0), -1);
    EXPECT_FALSE(fs::exists(dir / "missing"));
    fs::remove_all(dir);
}

// A write that fails midway (a file-size limit of 40 bytes, in a child
// process, stands in for a full disk) leaves the file it would replace
// byte for byte, and nothing beside it.
TEST(MaterialFileTest, AWriteThatFailsMidwayKeepsTheOldFile) {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("lurak_material_limit_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::path file = dir / "big.txt";
    const std::string old(4200, 'x');
    std::ofstream(file, std::ios::binary) << old;
    LListEntry first;
    LListEntry* end = &first;
    for (int n = 1; n <= 5; ++n) {
        LListEntry* row = InsertEntryBefore(end);
        if (row == end)
            end = end->next.get();
        row->number = n;
        row->tag = CopyListText("VL-01  a=400;  b=300;  l=1500;");
    }
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);  // the write fails instead of ending the process
        rlimit limit{40, 40};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(WriteMaterialFile(file.string().c_str(), &first, 0, 0) == -1 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    std::ifstream in(file, std::ios::binary);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(all, old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    fs::remove_all(dir);
}

}  // namespace
