// SETVAR, and a system variable's name typed as a command: shows the
// variable's value and takes a new one (Enter keeps it, and the command
// ends).  A read-only variable is shown and refused; a value the variable
// does not take is refused with the reason and asked again, changing
// nothing.
#include <cmath>
#include <limits>
#include <string>

#include "shell/commands.h"
#include "shell/documents.h"
#include "shell/drawing_vars.h"
#include "shell/prompting.h"
#include "shell/text.h"
#include "shell/variable_values.h"
#include "dxf/quoted_text.h"

namespace host::shell {

namespace {

std::string shownValue(const SysVarValue& v) {
    switch (v.type) {
    case RTSHORT: return std::to_string(v.shortValue);
    case RTREAL: return formatNumber(v.realValue);
    case RTSTR: return dxf::inQuotes(v.text);
    default: return formatNumber(v.point[0]) + "," + formatNumber(v.point[1]) + "," + formatNumber(v.point[2]);
    }
}

// The answer as a value of `old`'s kind; empty, or the message that
// refuses it.  What the variable takes beyond its kind is its own to say
// (setDrawingVar).
std::string valueOf(const Arg& answer, const SysVarValue& old, SysVarValue& value) {
    value.type = old.type;
    switch (old.type) {
    case RTSHORT: {
        double number = 0;
        if (!numberOf(answer, number) || number != std::floor(number) ||
            number < std::numeric_limits<short>::min() || number > std::numeric_limits<short>::max())
            return kindNeeded(RTSHORT);
        value.shortValue = static_cast<short>(number);
        return {};
    }
    case RTREAL: return numberOf(answer, value.realValue) ? std::string() : kindNeeded(RTREAL);
    case RTSTR: value.text = answer.display(); return {};
    default: return pointOf(answer, value.point) ? std::string() : kindNeeded(RT3DPOINT);
    }
}

class SetVarCommand : public Command {
public:
    explicit SetVarCommand(std::string name) : name_(std::move(name)) {}
    Step start() override { return name_.empty() ? Step::More : shown(); }
    std::string prompt() const override {
        if (name_.empty()) return "Enter variable name: ";
        const SysVarValue* v = variable();
        return "Enter new value for " + name_ + " <" + (v ? shownValue(*v) : std::string()) + ">: ";
    }
    Step take(const Arg& answer) override {
        if (name_.empty()) {
            if (answer.kind == Arg::Kind::Text && answer.text.empty()) return Step::Cancelled;
            name_ = upper(answer.display());
            return shown();
        }
        Document* doc = currentDocument();
        const SysVarValue* old = variable();
        if (!doc || !old) return Step::Cancelled;
        if (answer.kind == Arg::Kind::Text && answer.text.empty()) return Step::Done;  // Enter keeps it
        SysVarValue value;
        std::string refused = valueOf(answer, *old, value);
        if (refused.empty()) refused = setDrawingVar(*doc, name_, value);
        if (!refused.empty()) {
            reprompt(refused);
            return Step::Rejected;
        }
        return Step::Done;
    }

private:
    const SysVarValue* variable() const {
        Document* doc = currentDocument();
        if (!doc) return nullptr;
        syncDrawingVar(*doc, name_);
        return doc->vars().find(name_);
    }
    // The variable's value asked for, or why there is none to change.
    Step shown() {
        const SysVarValue* v = variable();
        if (!v) {
            reprompt("Unknown variable name " + dxf::inQuotes(name_) + ".");
            return Step::Cancelled;
        }
        if (v->readOnly) {
            reprompt(name_ + " = " + shownValue(*v) + " (read only)");
            return Step::Done;
        }
        return Step::More;
    }
    std::string name_;
};

} // namespace

std::unique_ptr<Command> makeSetVarCommand(const std::string& name) {
    if (name == "SETVAR") return std::make_unique<SetVarCommand>(std::string());
    // A variable's name is a command of its own, after every other command.
    Document* doc = currentDocument();
    if (doc && doc->vars().find(name)) return std::make_unique<SetVarCommand>(name);
    return nullptr;
}

} // namespace host::shell
