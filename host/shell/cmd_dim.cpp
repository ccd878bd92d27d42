// The dimensioning mode: "Dim:" takes the subcommands "aligned" and
// "rotated" (and "exit"); each makes one dimension and returns to "Dim:".
// The mode stays on until exit, cancel or an empty acedCommand.
#include "shell/answers.h"
#include "shell/commands.h"
#include "shell/dimension_maker.h"
#include "shell/prompting.h"
#include "shell/text.h"

namespace host::shell {

namespace {

class DimCommand : public Command {
public:
    std::string prompt() const override {
        switch (stage_) {
        case Stage::Mode: return "Dim: ";
        case Stage::Angle: return "Specify angle of dimension line <0>: ";
        case Stage::Origin1: return "Specify first extension line origin: ";
        case Stage::Origin2: return "Specify second extension line origin: ";
        case Stage::Location: return "Specify dimension line location: ";
        case Stage::Text: return "Dimension text <" + formatNumber(measure(dim_)) + ">: ";
        }
        return {};
    }

    Step take(const Arg& answer) override {
        switch (stage_) {
        case Stage::Mode: return mode(answer);
        case Stage::Angle: {
            double degrees = 0;
            bool empty = answer.kind == Arg::Kind::Text && answer.text.empty();
            if (!empty && !numberOf(answer, degrees)) {
                reprompt("Requires valid numeric angle.");
                return Step::Rejected;
            }
            dim_.angle = degreesToRadians(degrees);
            stage_ = Stage::Origin1;
            return Step::More;
        }
        case Stage::Origin1: return takePoint(answer, dim_.origin1, Stage::Origin2);
        case Stage::Origin2: return takePoint(answer, dim_.origin2, Stage::Location);
        case Stage::Location: return takePoint(answer, dim_.location, Stage::Text);
        case Stage::Text:
            dim_.text = answer.display();
            makeDimension(dim_);
            stage_ = Stage::Mode;
            return Step::More;
        }
        return Step::Done;
    }

private:
    enum class Stage { Mode, Angle, Origin1, Origin2, Location, Text };

    Step mode(const Arg& answer) {
        std::string word = upper(answer.text);
        while (!word.empty() && word.front() == '_') word.erase(0, 1);
        if (answer.kind != Arg::Kind::Text) word = "?";
        if (word.empty()) return Step::More;
        dim_ = LinearDimension{};
        if (word == "AL" || word == "ALI" || word == "ALIGNED") {
            stage_ = Stage::Origin1;
            return Step::More;
        }
        if (word == "RO" || word == "ROT" || word == "ROTATED") {
            dim_.rotated = true;
            stage_ = Stage::Angle;
            return Step::More;
        }
        if (word == "E" || word == "EXIT") return Step::Done;
        reprompt("Unknown dimensioning command; use aligned, rotated or exit.");
        return Step::Rejected;
    }

    Step takePoint(const Arg& answer, double* into, Stage next) {
        if (!pointOf(answer, into)) {
            reprompt("Invalid point.");
            return Step::Rejected;
        }
        stage_ = next;
        return Step::More;
    }

    Stage stage_ = Stage::Mode;
    LinearDimension dim_;
};

} // namespace

std::unique_ptr<Command> makeDimCommand(const std::string& name) {
    if (name == "DIM" || name == "DIM1") return std::make_unique<DimCommand>();
    return nullptr;
}

} // namespace host::shell
