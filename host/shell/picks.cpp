#include "shell/picks.h"

#include <algorithm>
#include <string>
#include <unordered_set>
#include <utility>

#include "aced_input.h"
#include "ads_entity.h"
#include "db/drawn_shapes.h"
#include "db/sub_entities.h"
#include "api/host_api.h"
#include "io/io.h"
#include "shell/answers.h"
#include "shell/documents.h"
#include "shell/prompting.h"
#include "shell/text.h"
#include "dxf/quoted_text.h"

namespace host::shell {

namespace {

double pickRadius() {
    Document* doc = currentDocument();
    short box = doc ? doc->vars().getShort("PICKBOX", 3) : 3;
    return box > 0 ? box : 1;
}

bool startsWithWord(std::string_view answer, std::string_view word, std::string_view& rest) {
    std::string head = upper(answer.substr(0, std::min(answer.size(), word.size())));
    if (head != word) return false;
    rest = io::trim(answer.substr(word.size()));
    return answer.size() == word.size() || answer[word.size()] == ' ';
}

bool twoCorners(std::string_view text, double a[3], double b[3]) {
    size_t blank = text.find(' ');
    if (blank == std::string_view::npos) return false;
    return parsePoint(text.substr(0, blank), nullptr, a) && parsePoint(io::trim(text.substr(blank + 1)), nullptr, b);
}

// Live main entities of the drawing in order.
std::vector<db::Slot> everything(const db::Database& database) {
    std::vector<db::Slot> out;
    for (db::Slot space : {database.modelSpace(), database.paperSpace()}) {
        const db::Block* block = database.block(space);
        if (!block) continue;
        for (db::Slot s : block->entities) {
            const db::Object* o = database.object(s);
            if (o && !o->erased && !db::isSubEntity(*o)) out.push_back(s);
        }
    }
    return out;
}

// One line for each cause of the entities a pick or window could not
// decide, naming the first of them: they were left out, not taken
// unconfirmed.  `question` says what the pick or window asks of them.
void tellUndecided(const db::Database& database, const std::vector<db::Slot>& undecided,
                   const std::vector<db::Doubt>& why, std::string_view question) {
    const std::pair<db::Doubt, std::string> causes[] = {
        {db::Doubt::Work, "Too many nested or arrayed copies to look through in "},
        {db::Doubt::Close, "Too close to tell whether " + std::string(question) + " "},
        {db::Doubt::Overflow, "Numbers out of range in "},
    };
    for (const auto& [cause, words] : causes) {
        size_t count = 0;
        const db::Object* first = nullptr;
        for (size_t i = 0; i < undecided.size(); ++i) {
            // An entity whose cause went untold is still named, as out of work.
            db::Doubt its = i < why.size() && why[i] != db::Doubt::None ? why[i] : db::Doubt::Work;
            if (its == cause && count++ == 0) first = database.object(undecided[i]);
        }
        if (count == 0) continue;
        std::string line = words;
        line += first ? dxf::shown(first->typeName()) + " " + db::handleText(first->handle) : "an entity";
        if (count > 1) line += " and " + std::to_string(count - 1) + " more";
        line += ": left out of the selection.";
        reprompt(line);
    }
}

} // namespace

PickOutcome pickAnswer(std::string_view answer, bool sets, std::vector<db::Slot>& picked, double point[3]) {
    db::Database* database = api::currentDatabase();
    if (!database) return PickOutcome::Invalid;
    point[0] = point[1] = point[2] = 0;
    std::string_view rest;
    if (!answer.empty() && answer.front() == '#') {
        db::Handle handle = 0;
        if (!db::parseHandle(answer.substr(1), handle)) return PickOutcome::Invalid;
        db::Slot slot = database->slotOf(handle);
        const db::Object* o = database->object(slot);
        if (!o || o->erased || !database->isMainEntity(slot)) return PickOutcome::Missed;
        picked.push_back(slot);
        return PickOutcome::Picked;
    }
    if (sameName(answer, "last") || sameName(answer, "l")) {
        ads_name last;
        if (acdbEntLast(last) != RTNORM) return PickOutcome::Missed;
        db::Slot slot = api::slotOf(*database, last);
        if (slot == db::kNoSlot) return PickOutcome::Missed;
        picked.push_back(slot);
        return PickOutcome::Picked;
    }
    if (sets && (sameName(answer, "all") || sameName(answer, "a"))) {
        std::vector<db::Slot> all = everything(*database);
        picked.insert(picked.end(), all.begin(), all.end());
        return all.empty() ? PickOutcome::Missed : PickOutcome::Picked;
    }
    bool window = sets && (startsWithWord(answer, "WINDOW", rest) || startsWithWord(answer, "W", rest));
    bool crossing = sets && !window && (startsWithWord(answer, "CROSSING", rest) || startsWithWord(answer, "C", rest));
    if (window || crossing) {
        double a[3], b[3];
        if (!twoCorners(rest, a, b)) return PickOutcome::Invalid;
        std::vector<db::Slot> undecided;
        std::vector<db::Doubt> why;
        std::vector<db::Slot> inside =
            db::selectWindow(*database, a[0], a[1], b[0], b[1], crossing, &undecided, &why);
        tellUndecided(*database, undecided, why, crossing ? "the crossing meets" : "the window holds");
        picked.insert(picked.end(), inside.begin(), inside.end());
        return inside.empty() ? PickOutcome::Missed : PickOutcome::Picked;
    }
    double last[3];
    lastPoint(last);
    if (!parsePoint(answer, last, point)) return PickOutcome::Invalid;
    std::vector<db::Slot> undecided;
    std::vector<db::Doubt> why;
    db::Slot slot = db::pick(*database, point[0], point[1], pickRadius(), &undecided, &why);
    tellUndecided(*database, undecided, why, "the pick reaches");
    if (slot == db::kNoSlot) return PickOutcome::Missed;
    picked.push_back(slot);
    return PickOutcome::Picked;
}

namespace {

// "Select objects:" until an empty answer; ":S" modes stop after one pick.
int selectInteractively(const ACHAR* mode, const void*, const void*, std::vector<db::Slot>& picked) {
    std::string m = upper(narrow(mode));
    while (!m.empty() && m.front() == '_') m.erase(0, 1);
    bool single = m.find(":S") != std::string::npos;
    // A look-up, not a search of the set, for each entity found: "all" of
    // a big drawing finds every entity at once.
    std::unordered_set<db::Slot> taken(picked.begin(), picked.end());
    for (;;) {
        std::string answer;
        if (!askAnswer("Select objects: ", answer)) return RTCAN;
        if (answer.empty()) break;
        std::vector<db::Slot> found;
        double point[3];
        PickOutcome outcome = pickAnswer(answer, true, found, point);
        if (outcome == PickOutcome::Invalid) {
            reprompt("Invalid selection: a point, #handle, last, all, window or crossing with two corners.");
            continue;
        }
        size_t added = 0;
        for (db::Slot s : found)
            if (taken.insert(s).second) {
                picked.push_back(s);
                ++added;
            }
        reprompt(std::to_string(found.size()) + " found" +
                 (added < found.size() ? " (" + std::to_string(found.size() - added) + " duplicate)" : ""));
        if (single && !picked.empty()) break;
    }
    return picked.empty() ? RTERROR : RTNORM;
}

} // namespace

void installSelectionHook() { api::setInteractiveSelectHook(selectInteractively); }

namespace {
// The selection is there as soon as the shell library is loaded.
const bool selectionInstalled = (installSelectionHook(), true);
} // namespace

} // namespace host::shell

int acedEntSel(const ACHAR* str, ads_name entres, ads_point ptres) {
    using namespace host::shell;
    InitGet init = takeInitGet();
    if (!entres || !ptres) return RTERROR;
    std::string prompt = str ? narrow(str) : std::string("Select object: ");
    Document* doc = currentDocument();
    auto setErrno = [&](short value) {
        if (doc) doc->vars().force("ERRNO", shortVar(value));
    };
    for (;;) {
        std::string answer;
        if (!askAnswer(prompt, answer)) return RTCAN;
        if (answer.empty()) {
            if (init.bits & RSG_NONULL) {
                reprompt("Requires a value.");
                continue;
            }
            setErrno(52);
            return RTERROR;
        }
        std::vector<host::db::Slot> found;
        double point[3];
        PickOutcome outcome = pickAnswer(answer, false, found, point);
        if (outcome == PickOutcome::Invalid) {
            if (auto keyword = keywordAnswer(init, answer)) {
                host::io::setLastInput(*keyword);
                return RTKWORD;
            }
            reprompt("Invalid selection: a point, #handle or last.");
            continue;
        }
        if (outcome == PickOutcome::Missed) {
            setErrno(7);
            return RTERROR;
        }
        host::db::Database* database = host::api::currentDatabase();
        host::api::nameOf(*database, found.front(), entres);
        ads_point_set(point, ptres);
        return RTNORM;
    }
}
