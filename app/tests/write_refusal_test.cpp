// Every command that writes elements meets an element whose write the
// drawing refuses: one whose data, with another application's beside it,
// fills the room the drawing keeps for one object, a duct whose stored
// length was edited so far that its labels would outgrow that room, or an
// element whose numbers overflow where the command would put them (an
// insert scaled by 1e306, an attribute far out mirrored).  Each command
// through the real dispatch either leaves the drawing byte for byte as it
// was and says so, or says what it did and what it did not; and the drawing
// it leaves can always be saved.
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "ads_entity.h"
#include "api/host_api.h"
#include "core/application_name.h"
#include "core/element_load.h"
#include "core/element_ptr.h"
#include "core/element_room.h"
#include "core/insert_flags.h"
#include "core/labels.h"
#include "core/string_convert.h"
#include "core/xdata_list.h"
#include "db/sub_entities.h"
#include "dxf/writer.h"
#include "module_fixture.h"
#include "shell/drawing_check.h"
#include "shell/session.h"

namespace {

enum Code : int {
    kLcur = 9, kLrot = 10, kLplane = 11, kLmove = 12, kLexplode = 13, kLprop = 15, kLdim = 16, kLins = 20,
    kLcopy = 21, kLmirror = 22, kLcustom = 27
};
constexpr int16_t kVl01 = 1;
constexpr int16_t kVl01Run = 24;  // a run of pieces: three labels
constexpr int16_t kCsd = 1;
constexpr int kNone = -1;
constexpr const char* kOtherApp = "OTHERAPP";
constexpr const char* kKeptWord = "the drawing is left as it was";
// The fifth real of a VL-01's data is its length.
constexpr int kVl01Length = 5;
constexpr double kEditedLength = 900000;
// An insert scale a file may hold whose block no drawing can: a point a
// thousand units from the base point lies beyond the largest number.
constexpr double kHugeScale = 1e306;
// Where an attribute lies whose mirror image about a line at 22.5 degrees
// overflows: the image adds about 0.7 of x and of y.
constexpr double kFarOut = 1.5e308;
constexpr const char* kTooLarge = "numbers too large for a drawing";

// The whole drawing as the file would hold it.  The handle seed is left
// out: handles the command used and gave back stay used.
std::string DrawingText(LDocState* state) {
    std::string text;
    host::dxf::writeDxfText(*host::api::databaseOf(state->database), text);
    size_t at = text.find("$HANDSEED");
    if (at != std::string::npos) {
        size_t from = text.find('\n', text.find('\n', at) + 1) + 1;
        text.erase(from, text.find('\n', from) - from);
    }
    return text;
}

// "" when the texts are the same, else the lines around the first that
// differs.
std::string FirstDifference(const std::string& a, const std::string& b) {
    if (a == b)
        return "";
    size_t at = 0;
    while (at < a.size() && at < b.size() && a[at] == b[at])
        ++at;
    size_t from = at > 200 ? at - 200 : 0;
    auto shown = [from](std::string text) {
        text = text.substr(from, 400);
        for (char& c : text)
            c = c == '\r' ? ' ' : c == '\n' ? '|' : c;
        return text;
    };
    return "before: ..." + shown(a) + "\nafter:  ..." + shown(b);
}

resbuf* AppFilter(const char* app) { return acutBuildList(RTSTR, ToWide(app).c_str(), 0); }

// The bytes of the entity's XDATA of the application.
long DataSize(const ads_name e, const char* app) {
    resbuf* filter = AppFilter(app);
    resbuf* list = acdbEntGetX(e, filter);
    acutRelRb(filter);
    resbuf* marker = FindGroup(list, -3);
    long size = 0;
    if (marker && marker->rbnext)
        acdbXdSize(marker->rbnext, &size);
    acutRelRb(list);
    return size;
}

// Another application's strings beside the element's data, up to the room
// of one object: the element's data cannot grow by a byte.
void FillWithOtherData(const ads_name e) {
    ASSERT_EQ(acdbRegApp(ToWide(kOtherApp).c_str()), RTNORM);
    long room = kElementDataRoom - DataSize(e, kApplicationName);
    resbuf* head = acutBuildList(-1, e, -3, 0);
    resbuf* app = acutBuildList(1001, ToWide(kOtherApp).c_str(), 0);
    head->rbnext->rbnext = app;
    long size = 0;
    acdbXdSize(app, &size);
    resbuf* last = app;
    while (size < room) {
        long left = room - size - 3;  // a string group takes its bytes and 3 more
        std::wstring text(static_cast<size_t>(std::min(250L, std::max(left, 0L))), L'x');
        last->rbnext = acutBuildList(1000, text.c_str(), 0);
        last = last->rbnext;
        acdbXdSize(app, &size);
    }
    ASSERT_EQ(acdbEntMod(head), RTNORM);
    acutRelRb(head);
    ASSERT_EQ(DataSize(e, kApplicationName) + DataSize(e, kOtherApp), kElementDataRoom);
}

// The n-th real of the element's data, set as a hand-edited drawing holds it.
void SetStoredReal(const ads_name e, int n, double value) {
    resbuf* filter = AppFilter(kApplicationName);
    resbuf* list = acdbEntGetX(e, filter);
    acutRelRb(filter);
    bool inXdata = false;
    for (resbuf* rb = list; rb; rb = rb->rbnext) {
        inXdata = inXdata || rb->restype == -3;
        if (inXdata && rb->restype == 1040 && n-- == 0)
            rb->resval.rreal = value;
    }
    EXPECT_EQ(acdbEntMod(list), RTNORM);
    acutRelRb(list);
}

// "{k}" in the input stands for the handle of the k-th element laid.
std::string Fill(std::string lines, const std::vector<std::string>& handles) {
    for (size_t k = 0; k < handles.size(); ++k) {
        std::string mark = "{" + std::to_string(k) + "}";
        for (size_t at = lines.find(mark); at != std::string::npos; at = lines.find(mark))
            lines.replace(at, mark.size(), handles[k]);
    }
    return lines;
}

enum class Refusal { kOtherData, kEditedLength, kLabelBeyondRoom, kHugeScale, kFarAttribute };
enum class Layout {
    kRun,            // two ducts along +x, a grille on the second
    kNumbered,       // the same, labelled by ldim first
    kJointApart,     // the same, the second moved off its joint by 700
    kPaperSpace,     // the same, and a line, a circle and a text in paper space
    kNumberedAsked,  // the same, labelled by ldim, each number asked and taken
    kLabelledRun,    // a duct, a run of pieces with three labels, a duct
};
enum class Outcome {
    kKept,     // the drawing byte for byte as before, and the word says so
    kRefused,  // the input refused with a word before anything was written
    kDone,     // the word names what was done; `made` elements more
    kQuiet,    // done without a word: nothing of a refusal is said
};

struct Case {
    const char* name;
    Layout layout;
    int refused;  // the element whose write is refused (laying order)
    Refusal how;
    int current;  // the element picked with lcur before the command, or kNone
    int code;
    const char* input;
    Outcome outcome;
    const char* said;
    int made;
};

constexpr const char* kLabelAnswers = "1067=1\n1082=1\nok\n@0,700\n\n@0,-700\n\n@0,700\n\n^C\n";
constexpr const char* kNumberAnswers = "1067=1\n1082=0\nok\n@0,700\n\n@0,-700\n\n@0,700\n\n^C\n";

// Another application's data leaves no byte to spare: it refuses the
// writes that add to the element's data (a child, more labels, size texts,
// a longer tag).  An edited length refuses every write of the duct.
const Case kCases[] = {
    {"placement at its free connector", Layout::kRun, 1, Refusal::kEditedLength, 1, kLnvl, "", Outcome::kKept,
     kKeptWord, 0},
    {"placement of a grille on it", Layout::kRun, 0, Refusal::kOtherData, 0, kLracs, "", Outcome::kKept,
     "beside the 16202 of other applications on it", 0},
    {"lins separating a joint whose ends lie apart", Layout::kJointApart, 1, Refusal::kEditedLength, kNone,
     kLins, "#{0}\n#{1}\n", Outcome::kKept, kKeptWord, 0},
    {"continuous placement (lcontd)", Layout::kRun, 1, Refusal::kEditedLength, 1, kLcontd, "3000,0\n^C\n",
     Outcome::kKept, kKeptWord, 0},
    {"lrot with a child", Layout::kRun, 1, Refusal::kEditedLength, 1, kLrot, "", Outcome::kKept, kKeptWord, 0},
    {"lplane with a child", Layout::kRun, 1, Refusal::kEditedLength, 1, kLplane, "", Outcome::kKept, kKeptWord,
     0},
    {"lmove with a child and labels", Layout::kNumbered, 1, Refusal::kEditedLength, 1, kLmove, "",
     Outcome::kKept, kKeptWord, 0},
    {"lprop giving a remark", Layout::kRun, 1, Refusal::kOtherData, 1, kLprop, "msg=checked on site\naccept\n",
     Outcome::kKept, kKeptWord, 0},
    {"lcopy of two, one refused", Layout::kRun, 1, Refusal::kEditedLength, kNone, kLcopy,
     "#{0}\n#{1}\n\n0,0\n0,5000\nok\n", Outcome::kDone, "1 element(s) copied; 1 could not be written", 1},
    {"lmirror of two, one refused", Layout::kRun, 1, Refusal::kEditedLength, kNone, kLmirror,
     "#{0}\n#{1}\n\n0,2000\n5000,2000\nok\n", Outcome::kDone, "1 element(s) copied; 1 could not be written",
     1},
    // With their labels and leaders: the refused copy's are not copied, or
    // taken away with the copy when its labels cannot be written.
    {"lcopy of a labelled run, one refused", Layout::kNumbered, 1, Refusal::kEditedLength, kNone, kLcopy,
     "all\n\n0,0\n0,5000\nok\n", Outcome::kDone, "2 element(s) copied; 1 could not be written", 2},
    {"lcopy of a labelled run, one label refused", Layout::kNumbered, 1, Refusal::kLabelBeyondRoom, kNone, kLcopy,
     "all\n\n0,0\n0,5000\nok\n", Outcome::kDone, "2 element(s) copied; 1 could not be written", 2},
    {"ldim with sizes", Layout::kRun, 1, Refusal::kOtherData, 1, kLdim,
     "1070=1\n1082=1\nok\n@0,700\n@0,-700\n@0,700\n@0,-700\n@0,700\n^C\n", Outcome::kKept, kKeptWord, 0},
    {"ldim of a labelled element, sizes refused", Layout::kNumbered, 1, Refusal::kOtherData, 1, kLdim,
     "1070=1\n1082=1\nok\n@0,900\n@0,-900\n@0,900\n@0,-900\n@0,900\n^C\n", Outcome::kKept, kKeptWord, 0},
    {"ldim of a numbered duct whose length was edited", Layout::kNumbered, 1, Refusal::kEditedLength, 1, kLdim,
     "1067=1\n1082=1\nok\n@0,500\n\nQuit\n", Outcome::kKept, kKeptWord, 0},
    // The run's first label is placed and numbered, its second answered
    // "Select": the walk from the picked duct comes to the run again and
    // places that label anew, then meets the refused duct.
    {"ldim, Select after a label, then a refused write", Layout::kLabelledRun, 2, Refusal::kOtherData, 1, kLdim,
     "1070=1\n1082=0\nok\n@0,900\n@0,1100\n@0,700\n\nSelect\n#{0}\n@0,-900\n@0,-700\n\n@0,900\n@0,1100\n"
     "@0,700\n\n@0,-700\n\n@0,-900\n@0,-700\n\n^C\n",
     Outcome::kKept, kKeptWord, 0},
    // Numbered elements are not written before the walk comes to them: the
    // label it erases there is the element's as the run found it.
    {"ldim placing a numbered element's label anew, sizes refused", Layout::kNumberedAsked, 1, Refusal::kOtherData,
     1, kLdim, "1070=1\n1082=1\nok\n@0,900\n@0,-900\n@0,900\n@0,-900\n@0,900\n^C\n", Outcome::kKept, kKeptWord,
     0},
    {"ldim, Select where the label cannot be written", Layout::kNumberedAsked, 1, Refusal::kLabelBeyondRoom, 1, kLdim,
     "1067=1\n1082=0\nok\nSelect\n#{0}\n@0,900\n\n@0,900\n\n^C\n", Outcome::kKept, kKeptWord, 0},
    {"ldim with entities in paper space", Layout::kPaperSpace, 1, Refusal::kOtherData, 1, kLdim,
     "1070=1\n1082=1\nok\n@0,700\n@0,-700\n@0,700\n@0,-700\n@0,700\n^C\n", Outcome::kKept, kKeptWord, 0},
    {"ldim numbering with entities in paper space", Layout::kPaperSpace, 1, Refusal::kEditedLength, 0, kLdim,
     kLabelAnswers, Outcome::kKept, kKeptWord, 0},
    {"lcustom of a name too long to store", Layout::kRun, 1, Refusal::kOtherData, kNone, kLcustom,
     "#{0}\n\n0,3000\n1078=[300]\nok\ncancel\n", Outcome::kRefused, "may take at most 255 bytes", 0},
    {"lcustom of a name of 90 CJK characters", Layout::kRun, 1, Refusal::kOtherData, kNone, kLcustom,
     "#{0}\n\n0,3000\n1078=[CJK90]\nok\ncancel\n", Outcome::kRefused, "may take at most 255 bytes", 0},
    {"lcustom of a duct joined to a refused one", Layout::kRun, 0, Refusal::kEditedLength, kNone, kLcustom,
     "#{1}\n\n0,3000\n1078=Duct box\nok\n", Outcome::kKept, kKeptWord, 0},
    // lexplode writes no element: the insert keeps both applications' data.
    {"lexplode", Layout::kRun, 1, Refusal::kOtherData, kNone, kLexplode, "#{1}\n\n1034=PLAIN\nok\n",
     Outcome::kQuiet, "\"Explode elements\" closed: OK", 0},
    {"redraw after a new colour in lsys", Layout::kRun, 1, Refusal::kEditedLength, kNone, kLsys,
     "list=0\nedit\n1010=11\nok\naccept\n", Outcome::kDone, "it keeps its former data", 0},
    // An element whose numbers overflow where the command puts them: left
    // out whole, or its write refused, and the drawing still saves.
    {"lexplode of an element scaled by 1e306", Layout::kRun, 1, Refusal::kHugeScale, kNone, kLexplode,
     "#{0}\n#{1}\n\n1034=PLAIN\nok\n", Outcome::kDone, "1 selected element(s) left out: their block", 0},
    {"lrot of an element scaled by 1e306", Layout::kRun, 0, Refusal::kHugeScale, 0, kLrot, "", Outcome::kKept,
     kTooLarge, 0},
    {"lplane of an element scaled by 1e306", Layout::kRun, 0, Refusal::kHugeScale, 0, kLplane, "",
     Outcome::kKept, kTooLarge, 0},
    // Its copy is as sound as it is: the copy, its labels and leaders are
    // all finite.
    {"lcopy of a labelled run, one scaled by 1e306", Layout::kNumbered, 1, Refusal::kHugeScale, kNone, kLcopy,
     "all\n\n0,0\n0,5000\nok\n", Outcome::kQuiet, "\"Copy elements\" closed: OK", 3},
    {"lmirror of an element whose attribute's image overflows", Layout::kRun, 1, Refusal::kFarAttribute, kNone,
     kLmirror, "#{0}\n#{1}\n\n0,0\n1000,414.21356237309505\nok\n", Outcome::kDone,
     "its attributes, moved with the copy, would hold numbers too large", 1},
    {"ldim with sizes of an element scaled by 1e306", Layout::kRun, 1, Refusal::kHugeScale, 1, kLdim,
     "1070=1\n1082=1\nok\n@0,700\n@0,-700\n@0,700\n@0,-700\n@0,700\n^C\n", Outcome::kDone,
     "its dimension would lie at numbers too large", 0},
};

class WriteRefusalTest : public PlacementTest {
protected:
    std::vector<std::string> Lay(Layout layout) {
        std::vector<std::string> h;
        SetStart(0, 0, 0, kShapeRect, 400, 300);
        Place(kLnvl, kVl01);
        h.push_back(HandleOfEntity(state->currentEntity));
        Place(kLnvl, layout == Layout::kLabelledRun ? kVl01Run : kVl01);
        h.push_back(HandleOfEntity(state->currentEntity));
        if (layout == Layout::kLabelledRun)
            Place(kLnvl, kVl01);
        else
            Place(kLracs, kCsd);
        h.push_back(HandleOfEntity(state->currentEntity));
        if (layout == Layout::kPaperSpace)
            DrawInPaperSpace();
        if (layout == Layout::kNumbered || layout == Layout::kNumberedAsked) {
            Run(kLcur, "#" + h[1] + "\n");
            Run(kLdim, layout == Layout::kNumbered ? kLabelAnswers : kNumberAnswers);
        }
        if (layout == Layout::kJointApart) {
            ads_name second;
            EXPECT_EQ(acdbHandEnt(ToWide(h[1].c_str()).c_str(), second), RTNORM);
            ElementPtr e(LoadElementFromEntity(second));
            ads_point away = {0, 700, 0};
            e->MoveBy(away, 0);
            ads_name_set(second, e->entity);
            EXPECT_EQ(e->Insert(kInsertAll), 0);
        }
        return h;
    }
    // A line, a circle and a text in paper space, as a layout holds them.
    static void DrawInPaperSpace() {
        ads_point a = {0, 0, 0}, b = {200, 100, 0};
        for (resbuf* list : {acutBuildList(RTDXF0, L"LINE", 67, 1, 10, a, 11, b, 0),
                             acutBuildList(RTDXF0, L"CIRCLE", 67, 1, 10, b, 40, 20.0, 0),
                             acutBuildList(RTDXF0, L"TEXT", 67, 1, 10, a, 40, 5.0, 1, L"Sheet 1", 0)}) {
            EXPECT_EQ(acdbEntMake(list), RTNORM);
            acutRelRb(list);
        }
    }
    // The groups of the drawing as its file holds them: each code as it is
    // written, and its value.
    using Groups = std::vector<std::pair<std::string, std::string>>;
    Groups SavedGroups() {
        std::string saved;
        host::dxf::writeDxfText(*host::api::databaseOf(state->database), saved);
        std::istringstream lines(saved);
        Groups groups;
        std::string code, value;
        while (std::getline(lines, code) && std::getline(lines, value)) {
            for (std::string* line : {&code, &value})  // the file's lines end with CR LF
                if (!line->empty() && line->back() == '\r')
                    line->pop_back();
            groups.emplace_back(code, value);
        }
        return groups;
    }
    // The groups written as a file and opened as the current drawing.
    void OpenAsCurrent(const Groups& groups, const char* file) {
        std::string text;
        for (const auto& [code, value] : groups)
            text += code + "\r\n" + value + "\r\n";
        std::string path = (installDir / file).string(), error;
        std::ofstream(path, std::ios::binary) << text;
        host::shell::Document* doc = host::shell::openDrawing(path, &error);
        ASSERT_NE(doc, nullptr) << error;
        Send(AcRx::kLoadDwgMsg, doc);
        SwitchDocState();
        state = CurrentDocState;
        ASSERT_NE(state, nullptr);
    }
    // The drawing as another writer's file holds it, opened as the current
    // drawing: its inserts leave out the counts and extrusion at their
    // defaults, which the host's own inserts hold.
    void ReopenAsAnotherWriterSavedIt() {
        Groups saved = SavedGroups(), kept;
        std::string type;
        for (const auto& [code, value] : saved) {
            int c = std::stoi(code);
            if (c == 0)
                type = value;
            bool count = c == 70 || c == 71, extrusion = c == 210 || c == 220 || c == 230;
            bool atDefault = count ? value == "1" : value == (c == 230 ? "1.0" : "0.0");
            if (type == "INSERT" && (count || extrusion) && atDefault)
                continue;
            kept.emplace_back(code, value);
        }
        ASSERT_LT(kept.size(), saved.size());
        OpenAsCurrent(kept, "other_writer.dxf");
    }
    // The element's first label carries another application's data beyond
    // the room of one object, as only a damaged file holds: the drawing
    // refuses every write of that label, and of its copies.
    void ReopenWithLabelBeyondRoom(const ads_name element) {
        ElementPtr e(LoadElementFromEntity(element));
        ASSERT_NE(e, nullptr);
        const std::string label = HandleOfEntity(e->firstLabel.insert);
        ASSERT_FALSE(label.empty());
        ASSERT_EQ(acdbRegApp(ToWide(kOtherApp).c_str()), RTNORM);
        Groups saved = SavedGroups(), edited;
        std::string handle;
        for (const auto& [code, value] : saved) {
            int c = std::stoi(code);
            if (c == 0 && handle == label) {
                edited.emplace_back("1001", kOtherApp);
                for (long size = 0; size <= kElementDataRoom; size += 253)
                    edited.emplace_back("1000", std::string(250, 'x'));
            }
            if (c == 0)
                handle.clear();
            if (c == 5)
                handle = value;
            edited.emplace_back(code, value);
        }
        ASSERT_GT(edited.size(), saved.size());
        OpenAsCurrent(edited, "label_beyond_room.dxf");
    }
    // The element's insert carries an attribute far out, stored after it as
    // a file reader stores it.
    static void GiveFarAttribute(const ads_name e) {
        host::db::Database& db = *host::api::currentDatabase();
        host::db::Slot insert = host::api::slotOf(db, e);
        host::db::Object* o = db.object(insert);
        ASSERT_NE(o, nullptr);
        size_t at = 0;
        while (at < o->groups.size() && o->groups[at].code() != 2)
            ++at;
        o->groups.insert(o->groups.begin() + static_cast<std::ptrdiff_t>(at), host::db::Group::integer(66, 1));
        host::db::Block& space = *db.block(db.modelSpace());
        size_t place = host::db::positionInBlock(space, insert) + 1;
        for (const char* type : {"ATTRIB", "SEQEND"}) {
            host::db::Object sub;
            sub.type = host::db::internType(type);
            sub.owner = o->handle;
            sub.groups = {host::db::Group::text(100, "AcDbEntity"), host::db::Group::text(8, "0")};
            if (sub.typeName() == std::string_view("ATTRIB"))
                for (const host::db::Group& g :
                     {host::db::Group::text(100, "AcDbText"), host::db::Group::point(10, kFarOut, kFarOut, 0),
                      host::db::Group::real(40, 100), host::db::Group::text(1, "far"),
                      host::db::Group::text(100, "AcDbAttribute"), host::db::Group::text(2, "TAG"),
                      host::db::Group::integer(70, 0)})
                    sub.groups.push_back(g);
            host::db::Slot slot = db.add(std::move(sub));
            space.entities.insert(space.entities.begin() + static_cast<std::ptrdiff_t>(place++), slot);
        }
    }
    void Refuse(const std::string& handle, Refusal how) {
        ads_name e;
        ASSERT_EQ(acdbHandEnt(ToWide(handle.c_str()).c_str(), e), RTNORM);
        if (how == Refusal::kOtherData) {
            FillWithOtherData(e);
        } else if (how == Refusal::kLabelBeyondRoom) {
            ReopenWithLabelBeyondRoom(e);
        } else if (how == Refusal::kHugeScale) {
            resbuf* scaled = acutBuildList(-1, e, 41, kHugeScale, 42, kHugeScale, 43, kHugeScale, 0);
            EXPECT_EQ(acdbEntMod(scaled), RTNORM);
            acutRelRb(scaled);
        } else if (how == Refusal::kFarAttribute) {
            GiveFarAttribute(e);
        } else {
            SetStoredReal(e, kVl01Length, kEditedLength);
        }
    }
};

// True when the element of the handle lists the entity among its labels.
bool ElementNamesLabel(const std::string& element, const std::string& label) {
    ads_name e;
    if (!EntityOfHandle(element.c_str(), e))
        return false;
    ElementPtr read(LoadElementFromEntity(e));
    for (const LLabelNode* n = read ? &read->firstLabel : nullptr; n; n = n->next)
        for (const long* owned : {n->insert, n->leader, n->third})
            if (HandleOfEntity(owned) == label)
                return true;
    return false;
}

// The label entities (labels and their leaders) of the drawing that no
// element names: left behind by a command that did not write their element.
std::vector<std::string> LabelsOfNoElement() {
    std::vector<std::string> orphans;
    ads_name e;
    for (int status = acdbEntNext(nullptr, e); status == RTNORM;) {
        resbuf* list = acdbEntGetX(e, ElementAppFilter());
        resbuf* marker = FindGroup(list, 1000);
        if (marker && GroupText(marker) == kLabelMarker) {
            // The first handle names the other entity of the label, the
            // second its element.
            std::vector<std::string> handles;
            for (resbuf* rb = marker; rb; rb = rb->rbnext)
                if (rb->restype == 1005)
                    handles.push_back(GroupText(rb));
            std::string handle = HandleOfEntity(e);
            if (handles.size() < 2 || !ElementNamesLabel(handles[1], handle))
                orphans.push_back(handle);
        }
        acutRelRb(list);
        ads_name next;
        status = acdbEntNext(e, next);
        ads_name_set(next, e);
    }
    return orphans;
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string out;
    for (const std::string& t : texts)
        out += t + " ";
    return out;
}

size_t Count(const std::string& text, const std::string& word) {
    size_t n = 0;
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
        ++n;
    return n;
}

std::string Expand(std::string input) {
    std::string cjk;
    for (int i = 0; i < 90; ++i)
        cjk += "\xe7\xae\xa1";  // U+7BA1, three bytes
    for (auto [mark, text] : {std::pair<std::string, std::string>{"[300]", std::string(300, 'n')}, {"[CJK90]", cjk}})
        if (size_t at = input.find(mark); at != std::string::npos)
            input.replace(at, mark.size(), text);
    return input;
}

TEST_F(WriteRefusalTest, ACommandMeetingARefusedWriteLeavesTheDrawingOrSaysWhatItDid) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        std::vector<std::string> h = Lay(c.layout);
        Refuse(h[c.refused], c.how);
        if (c.current != kNone)
            Run(kLcur, "#" + h[c.current] + "\n");
        Transcript();
        const std::string before = DrawingText(state);
        size_t elements = StoredElements().size();
        std::string input = Expand(Fill(c.input, h));
        if (c.code == kLnvl)
            Place(kLnvl, kVl01, input);
        else if (c.code == kLracs)
            Place(kLracs, kCsd, input);
        else
            Run(c.code, input);
        std::string said = Transcript();
        EXPECT_NE(said.find(c.said), std::string::npos) << said;
        // One word per refusal, not one per try.
        EXPECT_LE(Count(said, "LURAK: element"), 1u) << said;
        if (c.outcome == Outcome::kKept || c.outcome == Outcome::kRefused) {
            if (c.outcome == Outcome::kKept) {
                // Once the word is said the command is over: nothing more is asked.
                size_t at = said.find(kKeptWord);
                EXPECT_NE(at, std::string::npos) << said;
                if (at != std::string::npos) {
                    EXPECT_EQ(said.find_first_not_of(".\r\n ", at + std::strlen(kKeptWord)), std::string::npos)
                        << said;
                }
            }
            std::string difference = FirstDifference(before, DrawingText(state));
            EXPECT_TRUE(difference.empty()) << difference << "\n" << said;
        } else {
            EXPECT_EQ(said.find(kKeptWord), std::string::npos) << said;
            if (c.outcome == Outcome::kQuiet) {
                EXPECT_EQ(said.find("LURAK:"), std::string::npos) << said;
            }
            EXPECT_NE(DrawingText(state), before) << said;
            EXPECT_EQ(StoredElements().size(), elements + c.made) << said;
        }
        // Nothing the command made stays without its element, and the
        // drawing can be saved.
        EXPECT_EQ(Joined(LabelsOfNoElement()), "") << said;
        EXPECT_EQ(host::shell::firstNonFiniteNumber(*host::api::databaseOf(state->database)), "") << said;
        // A run's writes are its own: the state no longer names them.
        EXPECT_EQ(state->numberingWrites, nullptr);
        // The refused element keeps both applications' data.
        ads_name e;
        ASSERT_EQ(acdbHandEnt(ToWide(h[c.refused].c_str()).c_str(), e), RTNORM);
        EXPECT_GT(DataSize(e, kApplicationName), 0);
        if (c.how == Refusal::kOtherData) {
            EXPECT_GT(DataSize(e, kOtherApp), 0);
        }
    }
}

// The same commands on a drawing read from another writer's file, whose
// inserts lack groups the host's own hold: taking back gives each insert
// its groups exactly, not the host's fuller form of them.
TEST_F(WriteRefusalTest, TakingBackLeavesADrawingReadFromAnotherWritersFileAsItWas) {
    int checked = 0;
    for (const Case& c : kCases) {
        // A placement's pending start and lcustom's current system stay
        // with the session that laid the drawing.
        if (c.outcome != Outcome::kKept || c.code == kLnvl || c.code == kLracs || c.code == kLcustom)
            continue;
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        std::vector<std::string> h = Lay(c.layout);
        Refuse(h[c.refused], c.how);
        ReopenAsAnotherWriterSavedIt();
        if (c.current != kNone)
            Run(kLcur, "#" + h[c.current] + "\n");
        Transcript();
        const std::string before = DrawingText(state);
        Run(c.code, Expand(Fill(c.input, h)));
        std::string said = Transcript();
        EXPECT_NE(said.find(kKeptWord), std::string::npos) << said;
        std::string difference = FirstDifference(before, DrawingText(state));
        EXPECT_TRUE(difference.empty()) << difference << "\n" << said;
        ++checked;
    }
    EXPECT_EQ(checked, 16);
}

// A custom element whose name the drawing cannot store is no element: its
// insert is not made at all, rather than made as a plain block.  Nor is
// one whose place or turn overflowed: its insert would stand at the origin,
// unturned.
TEST_F(WriteRefusalTest, ACustomElementWhoseDataIsRefusedMakesNoInsert) {
    std::vector<std::string> h = Lay(Layout::kRun);
    Run(kLcustom, "#" + h[0] + "\n\n0,3000\n1078=Box\nok\n");
    const std::pair<const char*, void (*)(LObject&)> refusals[] = {
        {"a name too long", [](LObject& e) { e.SetParamText(0, std::string(300, 'n').c_str()); }},
        {"a place that overflowed",
         [](LObject& e) {
             ads_point far = {std::numeric_limits<double>::infinity(), 0, 0};
             e.SetInsertionPoint(far);
         }},
        {"a turn that overflowed", [](LObject& e) { e.SetRotation(-std::numeric_limits<double>::infinity()); }},
    };
    for (const auto& [name, refuse] : refusals) {
        SCOPED_TRACE(name);
        ElementPtr custom(LoadElementFromEntity(state->currentEntity));
        ASSERT_NE(custom, nullptr);
        ASSERT_EQ(custom->GetKind(), kKindUserBlock);
        refuse(*custom);
        ads_name_clear(custom->entity);
        ads_name last;
        ASSERT_EQ(acdbEntLast(last), RTNORM);
        EXPECT_NE(custom->Insert(kInsertAll), 0);
        ads_name after;
        ASSERT_EQ(acdbEntLast(after), RTNORM);
        EXPECT_TRUE(ads_name_equal(after, last));
    }
}

}  // namespace
