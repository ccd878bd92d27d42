#include <cmath>

#include "io/io.h"
#include "shell/answers.h"
#include "shell/command_help.h"
#include "shell/commands.h"
#include "shell/functions.h"
#include "shell/prompting.h"
#include "shell/session.h"
#include "shell/text.h"
#include "dxf/quoted_text.h"

namespace host::shell {

Arg Arg::ofText(std::string text) {
    Arg a;
    a.text = std::move(text);
    return a;
}

Arg Arg::ofPoint(const double p[3]) {
    Arg a;
    a.kind = Kind::Point;
    for (int i = 0; i < 3; ++i) a.point[i] = p[i];
    return a;
}

Arg Arg::ofNumber(double value) {
    Arg a;
    a.kind = Kind::Number;
    a.number = value;
    return a;
}

std::string Arg::display() const {
    switch (kind) {
    case Kind::Point:
        return formatNumber(point[0]) + "," + formatNumber(point[1]) + "," + formatNumber(point[2]);
    case Kind::Number: return formatNumber(number);
    case Kind::Text: break;
    }
    return text;
}

bool pointOf(const Arg& answer, double point[3]) {
    if (answer.kind == Arg::Kind::Point) {
        // A passed point no drawing can hold is refused like a typed one.
        for (int i = 0; i < 3; ++i)
            if (!std::isfinite(answer.point[i]) || std::fabs(answer.point[i]) > kFarthestCoordinate) return false;
        for (int i = 0; i < 3; ++i) point[i] = answer.point[i];
    } else {
        double last[3];
        lastPoint(last);
        if (answer.kind != Arg::Kind::Text || !parsePoint(answer.text, last, point)) return false;
    }
    setLastPoint(point);
    return true;
}

bool numberOf(const Arg& answer, double& value) {
    if (answer.kind == Arg::Kind::Number) {
        if (!std::isfinite(answer.number) || std::fabs(answer.number) > kFarthestCoordinate) return false;
        value = answer.number;
        return true;
    }
    return answer.kind == Arg::Kind::Text && parseNumber(answer.text, value);
}

std::unique_ptr<Command> makeHostCommand(std::string_view name) {
    std::string word = upper(name);
    while (!word.empty() && (word.front() == '_' || word.front() == '.')) word.erase(0, 1);
    if (word.empty()) return nullptr;
    using Factory = std::unique_ptr<Command> (*)(const std::string&);
    for (Factory make : {makeDocumentCommand, makeDrawCommand, makeSelectCommand, makeDimCommand,
                         makeLinetypeCommand, makeMenuLoadCommand, makeSetVarCommand})
        if (auto command = make(word)) return command;
    return nullptr;
}

bool runCommandWord(const std::string& word) {
    std::string function = definedFunctionFor(word);
    if (!function.empty()) {
        callFunction(function, nullptr, nullptr);
        return true;
    }
    std::unique_ptr<Command> command = makeHostCommand(word);
    if (!command) return false;
    Step step = command->start();
    while (step == Step::More || step == Step::Rejected) {
        std::string answer;
        if (!askAnswer(command->prompt(), answer)) {
            command->end();
            reprompt("*Cancel*");
            return true;
        }
        step = command->take(Arg::ofText(answer));
    }
    return true;
}

void runCommandLine() {
    while (!quitting()) {
        if (commandActive()) {
            continueActiveCommand();
            continue;
        }
        std::string line;
        if (!askAnswer("\nCommand: ", line)) {
            if (io::atEnd()) break;
            continue;  // ^C at the command prompt
        }
        if (line.empty()) continue;
        if (line == "?" || sameName(line, "HELP")) {
            reprompt(commandListing(currentDocument()));
            continue;
        }
        if (!runCommandWord(line)) reprompt("Unknown command " + dxf::inQuotes(line) + ".");
    }
}

} // namespace host::shell
