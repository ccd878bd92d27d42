#include "shell/prompting.h"

#include "ads_types.h"
#include "api/lists.h"
#include "io/io.h"
#include "shell/documents.h"
#include "dxf/quoted_text.h"

namespace host::shell {

std::optional<std::string> keywordAnswer(const InitGet& init, const std::string& answer) {
    if (auto keyword = init.keywords.match(answer))
        return keyword;
    if (init.bits & RSG_OTHER)
        return answer;
    return std::nullopt;
}

namespace {

// The transcript echoes an answer as the messages quote text from outside.
const bool answersQuoted = (io::setAnswerQuoting(dxf::withoutControls), true);

struct PromptState {
    InitGet pending;
    bool lineOpen = false;
    bool userBreak = false;
};

PromptState& state() {
    static PromptState s;
    return s;
}

} // namespace

void setInitGet(int bits, std::string_view keywords) {
    state().pending.bits = bits;
    state().pending.keywords = KeywordList(keywords);
}

InitGet takeInitGet() {
    InitGet taken = std::move(state().pending);
    state().pending = InitGet{};
    return taken;
}

bool isCancelAnswer(std::string_view answer) { return answer == "^C" || answer == "^c"; }

bool askAnswer(std::string_view prompt, std::string& answer) {
    bool newLine = false;
    while (!prompt.empty() && (prompt.front() == '\n' || prompt.front() == '\r')) {
        prompt.remove_prefix(1);
        newLine = true;
    }
    if (newLine && state().lineOpen) io::print("\n");
    state().lineOpen = false;
    if (!io::ask(prompt, answer) || isCancelAnswer(answer)) {
        state().userBreak = true;
        answer.clear();
        return false;
    }
    return true;
}

void noteOutput(std::string_view text) {
    if (!text.empty()) state().lineOpen = text.back() != '\n';
}

void printOutput(std::string_view text) {
    if (!text.empty() && text.front() == '\n' && !state().lineOpen) text.remove_prefix(1);
    if (text.empty()) return;
    io::print(text);
    noteOutput(text);
}

bool userBreak() { return state().userBreak; }
void clearUserBreak() { state().userBreak = false; }

void lastPoint(double point[3]) {
    point[0] = point[1] = point[2] = 0;
    if (Document* doc = currentDocument())
        if (const SysVarValue* v = doc->vars().find("LASTPOINT"))
            for (int i = 0; i < 3; ++i) point[i] = v->point[i];
}

void setLastPoint(const double point[3]) {
    if (Document* doc = currentDocument()) doc->vars().force("LASTPOINT", pointVar(point));
}

void reprompt(std::string_view message) {
    std::string line = state().lineOpen ? "\n" : "";
    line += message;
    line += "\n";
    io::print(line);
    state().lineOpen = false;
}

void repromptWithReason(std::string_view message) {
    std::string line(message);
    if (const std::string& why = api::lastError(); !why.empty()) line += ": " + dxf::withoutControls(why);
    reprompt(line + ".");
}

} // namespace host::shell
