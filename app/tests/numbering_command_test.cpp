// "C:ldim" and "C:llist" in a drawing: the number prompt's answers and the
// save button of the list dialog.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "ads_entity.h"
#include "app/label_numbering.h"
#include "app/material_list.h"
#include "app/tests/module_fixture.h"
#include "core/element_factory.h"
#include "core/element_load.h"
#include "core/element_ptr.h"
#include "core/string_convert.h"
#include "core/system_entities.h"
#include "core/system_list.h"
#include "core/xdata_list.h"
#include "io/io.h"

namespace {

constexpr int kLdim = 16;
constexpr int kLlist = 18;
constexpr int16_t kSpiralDuct = 1;
constexpr int16_t kTsdGrille = 4;
constexpr int16_t kCsdGrille = 1;

// A file's bytes (none when it cannot be read).
std::string FileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Elements read from the drawing while a count runs.
int elementsRead = 0;
LObject* CountingMaker(int16_t family, uint16_t subtype) {
    ++elementsRead;
    return CreateElement(family, subtype);
}

// The n-th real (1040) group of an element's XDATA: read, or set as a
// damaged or hand-edited drawing holds it.
resbuf* NthReal(resbuf* list, int n) {
    bool inXdata = false;
    for (resbuf* rb = list; rb; rb = rb->rbnext) {
        inXdata = inXdata || rb->restype == -3;
        if (inXdata && rb->restype == 1040 && n-- == 0)
            return rb;
    }
    return nullptr;
}
double StoredReal(const ads_name insert, int n) {
    resbuf* app = acutBuildList(RTSTR, L"LurakCad_B1", 0);
    resbuf* list = acdbEntGetX(insert, app);
    acutRelRb(app);
    resbuf* rb = NthReal(list, n);
    double value = rb ? rb->resval.rreal : NAN;
    acutRelRb(list);
    return value;
}
void SetStoredReal(const ads_name insert, int n, double value) {
    resbuf* app = acutBuildList(RTSTR, L"LurakCad_B1", 0);
    resbuf* list = acdbEntGetX(insert, app);
    acutRelRb(app);
    resbuf* rb = NthReal(list, n);
    ASSERT_NE(rb, nullptr);
    rb->resval.rreal = value;
    EXPECT_EQ(acdbEntMod(list), RTNORM);
    acutRelRb(list);
}
// The reals of the XDATA: the element's airflow, one per connector, then
// its values (VL-01: a, b, l, lp, piece; SPIRO: d, l, piece).
constexpr int kVl01Length = 5;
constexpr int kSpiroPiece = 5;

// Two spiral ducts and a TSD grille on the second one, which is current.
class NumberingCommandTest : public PlacementTest {
protected:
    void Lay(int32_t labelOffset) {
        for (LSystemNode* n = state->systemList.systems; n; n = n->next)
            n->record.labelNumberOffset = labelOffset;
        state->currentSystem.labelNumberOffset = labelOffset;
        SetStart(0, 0, 0, kShapeRound, 315, 0);
        Place(kLnvf, kSpiralDuct);
        Place(kLnvf, kSpiralDuct);
        Place(kLracs, kTsdGrille);
        Transcript();
    }
    // Labels only, each number asked.
    static std::string Labels(const std::string& answers) { return "1067=1\n1082=0\nok\n" + answers; }
    // The number of every label of the drawing, ascending.
    static std::vector<int32_t> ShownNumbers() {
        std::vector<int32_t> out;
        for (const EntityRef& r : SelectElementInserts()) {
            ads_name insert = {r[0], r[1]};
            ElementPtr e(LoadElementFromEntity(insert));
            uint16_t labels = 0;
            if (e)
                e->GetLabelCount(&labels);
            for (int16_t i = 0; i < static_cast<int16_t>(labels); ++i)
                out.push_back(e->GetLabelNumber(i));
        }
        std::sort(out.begin(), out.end());
        return out;
    }
};

// The walk goes grille, its duct, the first duct.  The duct's description
// typed 1 pushes the grille's 1 up to 2; the first duct, left at "Quit",
// shows a provisional number above both.
TEST_F(NumberingCommandTest, APushedNumberIsNeverShownAgainAsAProvisionalOne) {
    Lay(0);
    Run(kLdim, Labels("@0,500\n\n@0,500\n1\n@0,500\nQuit\n"));
    EXPECT_EQ(ShownNumbers(), (std::vector<int32_t>{1, 2, 3})) << Transcript();
}

TEST_F(NumberingCommandTest, TypingTheProposalCountsLikeAnEmptyAnswer) {
    Lay(0);
    // The grille's own description gets 1, typed; the duct's is new as well
    // and is proposed the next number.
    Run(kLdim, Labels("@0,500\n1\n@0,500\n\n@0,500\n\n"));
    std::string t = Transcript();
    EXPECT_NE(t.find("Label number <1>: 1\n"), std::string::npos) << t;
    EXPECT_NE(t.find("Label number <2>: \n"), std::string::npos) << t;
    EXPECT_EQ(t.find("Label number <1>: \n"), std::string::npos) << t;
}

TEST_F(NumberingCommandTest, ANumberBelowTheOffsetIsRefusedAndQuitIsNoLongerOffered) {
    Lay(99);
    Run(kLdim, Labels("@0,500\n50\nQuit\n\n@0,500\n\n^C\n"));
    std::string t = Transcript();
    EXPECT_NE(t.find("Label number <100>: 50\nThe number cannot be below"), std::string::npos) << t;
    // "Quit" is now no keyword: the prompt asks again, and the empty answer
    // takes the proposal; the next element is reached.
    EXPECT_NE(t.find("Label number <100>: \n"), std::string::npos) << t;
    EXPECT_NE(t.find("Label number <101>"), std::string::npos) << t;
}

// The offset itself would be relative number 0, below the first number.
TEST_F(NumberingCommandTest, TheOffsetItselfIsRefusedLikeANumberBelowIt) {
    Lay(99);
    Run(kLdim, Labels("@0,500\n99\n\n@0,500\nQuit\n"));
    std::string t = Transcript();
    EXPECT_NE(t.find("Label number <100>: 99\nThe number cannot be below"), std::string::npos) << t;
    EXPECT_EQ(ShownNumbers().front(), 1) << t;
}

// A straight duct of 4000 in pieces of 1500: three labels, the last one
// (the rest piece of 1000) a description of its own.  Typing 1 for it
// pushes the first two up to 2; the duct must show what its entries hold.
TEST_F(NumberingCommandTest, AnElementsOwnLabelsShowTheirPushedNumbers) {
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    Place(kLnvl, 1);
    {
        ElementPtr duct(LoadElementFromEntity(state->currentEntity));
        ASSERT_NE(duct, nullptr);
        const double v[] = {400, 300, 4000, -1, 1500};
        duct->SetParams(v);
        duct->Insert(15);
        uint16_t labels = 0;
        duct->GetLabelCount(&labels);
        ASSERT_EQ(labels, 3);
    }
    Transcript();
    Run(kLdim, Labels("@0,500\n\n@0,500\n\n@0,500\n1\n"));
    ElementPtr duct(LoadElementFromEntity(state->currentEntity));
    ASSERT_NE(duct, nullptr);
    std::string t = Transcript();
    EXPECT_EQ(duct->GetLabelNumber(0), 2) << t;
    EXPECT_EQ(duct->GetLabelNumber(1), 2) << t;
    EXPECT_EQ(duct->GetLabelNumber(2), 1) << t;
}

// A straight duct of 300 standard pieces carries 300 labels.  Writing their
// numbers reads and writes the element once, not once per label, both for
// provisional numbers (listing) and for numbered labels pushed up by a new
// description.
TEST_F(NumberingCommandTest, LabelNumbersAreWrittenOncePerElementNotOncePerPiece) {
    constexpr int kPieces = 300;
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    Place(kLnvl, 1);
    ads_name first;
    ads_name_set(state->currentEntity, first);
    Place(kLnvl, 1);
    ElementPtr duct(LoadElementFromEntity(state->currentEntity));
    ASSERT_NE(duct, nullptr);
    const double v[] = {400, 300, kPieces * 1500.0, -1, 1500};
    duct->SetParams(v);
    ASSERT_EQ(duct->Insert(15), 0);
    uint16_t labels = 0;
    duct->GetLabelCount(&labels);
    ASSERT_EQ(labels, kPieces);
    Transcript();

    elementsRead = 0;
    SetElementMaker(CountingMaker);
    Run(kLlist, "list=0\naccept\naccept\n");
    EXPECT_LE(elementsRead, 4) << Transcript();

    // Every label of the long duct numbered 1; a new description given 1
    // pushes them all to 2.
    duct.reset(LoadElementFromEntity(duct->entity));
    ASSERT_NE(duct, nullptr);
    duct->listingFlag = -1;
    for (int16_t i = 0; i < kPieces; ++i)
        duct->SetLabelNumber(1, i);
    ASSERT_EQ(duct->Insert(15), 0);
    CollectElementInserts(state->currentSystem);
    ElementPtr other(LoadElementFromEntity(first));
    ASSERT_NE(other, nullptr);
    elementsRead = 0;
    AddNumberedLabel(other.get(), 0, "another description", nullptr, 1);
    ApplyLabelNumbers(0);
    // The long duct once; the first duct as a numbered and a pending label.
    EXPECT_LE(elementsRead, 3);
    ClearMaterialLists();
    SetElementMaker(nullptr);
    ElementPtr written(LoadElementFromEntity(duct->entity));
    ASSERT_NE(written, nullptr);
    EXPECT_EQ(written->GetLabelNumber(0), 2);
    EXPECT_EQ(written->GetLabelNumber(kPieces - 1), 2);
}

// A duct stored 1e9 long and a spiral duct stored with pieces of 4.9e-324
// (the dialog makes neither; a damaged drawing can): each is listed as one
// piece of its own length, the user is told once per element, and the
// stored values are written back as they were.
TEST_F(NumberingCommandTest, AStoredRunBeyondThePieceBoundIsListedAsOnePieceWithANote) {
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    Place(kLnvl, 1);
    ads_name duct;
    ads_name_set(state->currentEntity, duct);
    SetStart(0, 3000, 0, kShapeRound, 315, 0);
    Place(kLnvf, kSpiralDuct);
    ads_name spiral;
    ads_name_set(state->currentEntity, spiral);
    SetStoredReal(duct, kVl01Length, 1e9);
    SetStoredReal(spiral, kSpiroPiece, 4.9e-324);
    Transcript();

    namespace fs = std::filesystem;
    fs::path bill = installDir / "bill.txt";
    std::string listing = "list=0\naccept\nsave\n" + bill.string() + "\naccept\n";
    Run(kLlist, listing);
    std::string t = Transcript();
    std::ifstream in(bill);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(all,
              "1     1     SPIRO  d=315;  l=6000;  \n"
              "2     1     VL-01  a=400;  b=300;  l=1e+09;  \n")
        << t;
    auto notes = [](const std::string& text) {
        size_t n = 0;
        for (size_t at = text.find("would take more than 1000 pieces"); at != std::string::npos;
             at = text.find("would take more than 1000 pieces", at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(notes(t), 2u) << t;
    EXPECT_NE(t.find("a run of 1e+09 in pieces of 1500"), std::string::npos) << t;
    EXPECT_NE(t.find("one piece of its own length"), std::string::npos) << t;
    EXPECT_EQ(StoredReal(duct, kVl01Length), 1e9);
    EXPECT_EQ(StoredReal(spiral, kSpiroPiece), 4.9e-324);
    // Listed again: nothing new to tell.
    Run(kLlist, listing);
    EXPECT_EQ(notes(Transcript()), 0u);
}

// The run's writes live on its stack: once it is over, by any way out, the
// drawing's state names none of them.
TEST_F(NumberingCommandTest, NoWayOutOfTheRunLeavesItsWritesNamed) {
    Lay(0);
    for (const std::string& answers : {std::string("cancel\n"), Labels("@0,500\nQuit\n"),
                                       Labels("@0,500\n\n@0,500\n\n@0,500\n\n")}) {
        Run(kLdim, answers);
        EXPECT_EQ(state->numberingWrites, nullptr) << answers;
    }
}

TEST_F(NumberingCommandTest, QuitKeepsTheLabelUnnumberedAndEndsTheRun) {
    Lay(0);
    Run(kLdim, Labels("@0,500\nQuit\n"));
    std::string t = Transcript();
    size_t after = t.find("Label number <1>: Quit");
    ASSERT_NE(after, std::string::npos) << t;
    EXPECT_EQ(t.find("Label number", after + 1), std::string::npos) << t;
    EXPECT_EQ(state->numberedRows.next, nullptr);  // the lists are emptied
}

TEST_F(NumberingCommandTest, APickAfterSelectThatIsNoElementOfTheSystemIsToldSo) {
    // A plain line is no element at all: the alert must not call it an
    // element of another system.
    Lay(0);
    ads_point p1 = {0, -3000, 0}, p2 = {1000, -3000, 0};
    resbuf* line = acutBuildList(RTDXF0, L"LINE", 10, p1, 11, p2, 0);
    ASSERT_EQ(acdbEntMake(line), RTNORM);
    acutRelRb(line);
    Transcript();
    Run(kLdim, Labels("Select\n500,-3000\n^C\nQuit\n"));
    std::string t = Transcript();
    size_t alert = t.find("[Alert] ");
    ASSERT_NE(alert, std::string::npos) << t;
    std::string said = t.substr(alert, t.find('\n', alert) - alert);
    EXPECT_EQ(said.find("another air system"), std::string::npos) << said;
    EXPECT_NE(said.find("this air system"), std::string::npos) << said;
}

// The entities of the drawing besides the element inserts that no element
// names.
std::string EntitiesOfNoElement() {
    std::set<std::string> named, others;
    ads_name e, next;
    for (int status = acdbEntNext(nullptr, e); status == RTNORM; status = acdbEntNext(e, next), ads_name_set(next, e)) {
        if (ElementPtr(LoadElementFromEntity(e)) == nullptr) {
            others.insert(HandleOfEntity(e));
            continue;
        }
        resbuf* data = acdbEntGetX(e, ElementAppFilter());
        for (const resbuf* rb = FindGroup(data, -3); rb; rb = rb->rbnext)
            if (rb->restype == 1005)
                named.insert(GroupText(rb));
        acutRelRb(data);
    }
    std::string unnamed;
    for (const std::string& h : others)
        if (named.count(h) == 0)
            unnamed += h + " ";
    return unnamed;
}

// The handles of the size texts the element names.
std::vector<std::string> SizeTexts(const std::string& element) {
    std::vector<std::string> texts;
    ads_name e;
    ElementPtr read(EntityOfHandle(element.c_str(), e) ? LoadElementFromEntity(e) : nullptr);
    for (int m = 0; read && m < read->GetMarkCount() && m < kMarkRoom; ++m)
        texts.push_back(HandleOfEntity(read->marks[m]));
    return texts;
}

// Sizes and labels of three rectangular ducts in a run with a grille on the
// last, answered in every way that leaves an element before it is written.
// Whatever the answers, every size and label drawn is named by its element
// or is not there, and deleting the system leaves nothing of it.
TEST_F(NumberingCommandTest, NoAnswerLeavesASizeOrLabelThatNoElementNames) {
    constexpr int kLcur = 9;
    constexpr const char* kPlaced = "@0,700\n@0,-700\n@0,700\n@0,-700\n@0,700\n@0,-700\n@0,700\n@0,-700\n";
    struct Case {
        const char* name;
        bool labelledBefore;  // by a run answered with points only
        int skipped;          // an element that keeps the size texts it had, or -1
        int start;            // the element current before ldim (laying order)
        std::string answers;  // the first duct picked at 750,200, the second at 2250,200
    };
    const std::string sized = "1070=1\n1082=1\nok\n", asked = "1070=1\n1082=0\nok\n";
    const Case cases[] = {
        {"Select at the first element's first label", false, -1, 0, sized + "@0,700\nSelect\n2250,200\n" + kPlaced},
        {"Select at the first label, each number asked", false, -1, 0,
         asked + "@0,700\nSelect\n2250,200\n@0,700\n@0,-700\n\n@0,700\n@0,-700\n\n@0,700\n@0,-700\n\n@0,700\n@0,-700\n\n"},
        {"Select at a later element's first label", false, -1, 0, sized + "@0,700\n@0,-700\n@0,700\nSelect\n" + kPlaced},
        {"Select, then Quit", false, -1, 0, sized + "@0,700\nSelect\n2250,200\n@0,700\nQuit\n"},
        {"Select, then the pick cancelled", false, -1, 0, sized + "@0,700\nSelect\n^C\n" + kPlaced},
        {"Select after the grille's fitting label", false, -1, 3, sized + "@0,700\nSelect\n750,200\n" + kPlaced},
        {"Next", false, -1, 0, sized + "@0,700\nNext\n" + kPlaced},
        // The skipped duct keeps the size texts of the run before.
        {"Select at a later labelled element, then Quit", true, 1, 0,
         sized + "@0,900\n@0,-900\n@0,900\nSelect\n@0,900\nQuit\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        std::vector<std::string> h;
        SetStart(0, 0, 0, kShapeRect, 400, 300);
        for (int k = 0; k < 3; ++k) {
            Place(kLnvl, 1);
            h.push_back(HandleOfEntity(state->currentEntity));
        }
        Place(kLracs, kCsdGrille);
        h.push_back(HandleOfEntity(state->currentEntity));
        if (c.labelledBefore) {
            Run(kLcur, "#" + h[0] + "\n");
            Run(kLdim, sized + kPlaced);
        }
        std::vector<std::string> kept = c.skipped < 0 ? std::vector<std::string>() : SizeTexts(h[c.skipped]);
        Run(kLcur, "#" + h[c.start] + "\n");
        Transcript();
        Run(kLdim, c.answers);
        std::string said = Transcript();
        EXPECT_EQ(EntitiesOfNoElement(), "") << said;
        if (c.skipped >= 0) {
            EXPECT_FALSE(kept.empty());
            EXPECT_EQ(SizeTexts(h[c.skipped]), kept) << said;
        }

        LSystemRecord system = state->currentSystem;
        Run(kLsys, "list=0\ndelete\nok\naccept\n");
        ads_name left;
        EXPECT_NE(acdbEntNext(nullptr, left), RTNORM) << HandleOfEntity(left) << "\n" << said;
        resbuf* labelLayer = acdbTblSearch(L"LAYER", ToWide(system.labelLayer).c_str(), 0);
        EXPECT_EQ(labelLayer, nullptr) << said;
        acutRelRb(labelLayer);
    }
}

TEST_F(NumberingCommandTest, AFileThatCannotBeWrittenIsReportedAndTheDialogStaysOpen) {
    Lay(0);
    namespace fs = std::filesystem;
    fs::path good = installDir / "bill.txt";
    Run(kLlist, "list=0\naccept\nsave\n" + (installDir / "missing" / "bill.txt").string() + "\nsave\n" +
                    good.string() + "\naccept\n");
    std::string t = Transcript();
    EXPECT_NE(t.find("The file cannot be created."), std::string::npos) << t;
    std::ifstream in(good);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(all,
              "1     1     TSD  L=300;  H=50;  \n"
              "2     2     SPIRO  d=315;  l=6000;  \n"
              "     1     VF-01  d=315;\n")
        << t;
}

// A file the bill would replace is asked about first: ^C or the end of
// the input at the question keeps it byte for byte, Yes replaces it with
// the whole bill, its permissions kept and nothing left beside it.
TEST_F(NumberingCommandTest, CancelOrTheEndOfInputAtTheBillsReplaceQuestionKeepsTheFile) {
    Lay(0);
    namespace fs = std::filesystem;
    fs::path dir = installDir / "bills";
    fs::create_directories(dir);
    fs::path old = dir / "old.txt";
    const std::string kOld = "an earlier bill, kept\n";
    std::ofstream(old, std::ios::binary) << kOld;
    fs::permissions(old, fs::perms(0640));
    const std::string save = "list=0\naccept\nsave\n" + old.string() + "\n";
    for (const char* answer : {"^C\naccept\n", ""}) {
        Run(kLlist, save + answer);
        std::string t = Transcript();
        EXPECT_NE(t.find("Replace it?"), std::string::npos) << t;
        EXPECT_EQ(FileText(old), kOld) << t;
    }
    Run(kLlist, save + "y\naccept\n");
    EXPECT_EQ(FileText(old),
              "1     1     TSD  L=300;  H=50;  \n"
              "2     2     SPIRO  d=315;  l=6000;  \n"
              "     1     VF-01  d=315;\n");
    EXPECT_EQ(fs::status(old).permissions(), fs::perms(0640));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

// A read-only file is not replaced by the bill, whoever saves (the tests
// run as root, who may write any file): the alert says why in the words a
// drawing save uses, and the file stays byte for byte with its mode.
TEST_F(NumberingCommandTest, TheBillRefusesAReadOnlyFileAsADrawingSaveDoes) {
    Lay(0);
    namespace fs = std::filesystem;
    fs::path dir = installDir / "bills";
    fs::create_directories(dir);
    fs::path old = dir / "read_only.txt";
    const std::string kOld = "an earlier bill, kept\n";
    std::ofstream(old, std::ios::binary) << kOld;
    fs::permissions(old, fs::perms(0444));
    Run(kLlist, "list=0\naccept\nsave\n" + old.string() + "\ny\naccept\n");
    std::string t = Transcript();
    EXPECT_NE(t.find("The file cannot be created.\nCannot save: cannot replace " + old.string() + ": it is read-only"),
              std::string::npos)
        << t;
    EXPECT_EQ(FileText(old), kOld);
    EXPECT_EQ(fs::status(old).permissions(), fs::perms(0444));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

// The grille's framed-label handle names, as only damaged data can, a
// user's block and then the framed label of a duct: labelling the grille
// places a label of its own and erases neither.
TEST_F(NumberingCommandTest, AFramedLabelHandleOfNoLabelOfTheElementErasesNothing) {
    Lay(0);
    ads_name grille, duct = {0, 0}, framed, door;
    ads_name_set(state->currentEntity, grille);
    for (const EntityRef& r : SelectElementInserts())
        if (r != ToEntityRef(grille))
            duct[0] = r[0], duct[1] = r[1];
    ElementPtr theirs(LoadElementFromEntity(duct));
    ASSERT_NE(theirs, nullptr);
    host::io::setScript("0,-2000\n");
    ASSERT_EQ(theirs->MakeFittingLabel("SPIRO", "315"), 0);
    ASSERT_EQ(theirs->Insert(1), 0);
    ads_name_set(theirs->GetLabel(0)->third, framed);
    ads_point at = {2000, 3000, 0}, end = {2500, 3000, 0};
    for (resbuf* list : {acutBuildList(RTDXF0, L"BLOCK", 2, L"DOOR", 70, 0, 10, at, 0),
                         acutBuildList(RTDXF0, L"LINE", 8, L"0", 10, at, 11, end, 0),
                         acutBuildList(RTDXF0, L"ENDBLK", 0),
                         acutBuildList(RTDXF0, L"INSERT", 2, L"DOOR", 8, L"0", 10, at, 0)}) {
        EXPECT_EQ(acdbEntMake(list), RTNORM);
        acutRelRb(list);
    }
    ASSERT_EQ(acdbEntLast(door), RTNORM);

    for (const long* named : {static_cast<const long*>(door), static_cast<const long*>(framed)}) {
        ElementPtr g(LoadElementFromEntity(grille));
        ASSERT_NE(g, nullptr);
        ads_name_set(named, g->GetLabel(0)->third);
        ASSERT_EQ(g->Insert(1), 0);
        Transcript();
        Run(kLdim, "1069=1\n1082=1\nok\n1000,1000\n");
        std::string said = Transcript();
        EXPECT_TRUE(EntityIsLive(named)) << said;
        ElementPtr labelled(LoadElementFromEntity(grille));
        ASSERT_NE(labelled, nullptr);
        EXPECT_TRUE(EntityIsLive(labelled->GetLabel(0)->third)) << said;
        EXPECT_FALSE(ads_name_equal(labelled->GetLabel(0)->third, named)) << said;
    }
    // Once the grille names a label of its own, the duct's is the duct's again.
    ElementPtr kept(LoadElementFromEntity(duct));
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(HandleOfEntity(kept->GetLabel(0)->third), HandleOfEntity(framed));
}

}  // namespace

TEST_F(NumberingCommandTest, AnElementWhoseLabelsOutgrowItsDataIsReportedAndLeftAsItWas) {
    // A duct stored 900 m long in pieces of 1500 (a damaged or hand-edited
    // drawing) would carry 600 labels: more than the drawing stores for one
    // element.  Numbering it says so and leaves no label behind.
    SetStart(0, 0, 0, kShapeRect, 400, 300);
    Place(kLnvl, 1);
    ads_name duct;
    ads_name_set(state->currentEntity, duct);
    SetStoredReal(duct, kVl01Length, 900000);
    resbuf* app = acutBuildList(RTSTR, L"LurakCad_B1", 0);
    resbuf* stored = acdbEntGetX(duct, app);
    Transcript();
    Run(kLdim, Labels("@0,500\n\nQuit\n"));
    std::string t = Transcript();
    EXPECT_NE(t.find("was not written: its data would take"), std::string::npos) << t;
    EXPECT_NE(t.find("the drawing is left as it was"), std::string::npos) << t;
    // Nothing but the duct, and its data as it was.
    ads_name first, next;
    ASSERT_EQ(acdbEntNext(nullptr, first), RTNORM);
    EXPECT_TRUE(ads_name_equal(first, duct));
    EXPECT_NE(acdbEntNext(first, next), RTNORM);
    resbuf* after = acdbEntGetX(duct, app);
    int groups = 0, same = 0;
    for (resbuf *a = stored, *b = after; a && b; a = a->rbnext, b = b->rbnext, ++groups)
        same += a->restype == b->restype ? 1 : 0;
    EXPECT_EQ(same, groups);
    acutRelRb(after);
    acutRelRb(stored);
    acutRelRb(app);
}
