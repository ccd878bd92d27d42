// LINE, CIRCLE, ARC and TEXT: entities made on the current layer, in the
// current colour and linetype (TEXT: in the current text style), through
// the entity maker.
#include <cmath>

#include "ads_entity.h"
#include "io/io.h"
#include "shell/answers.h"
#include "shell/colours.h"
#include "shell/commands.h"
#include "shell/drawing_vars.h"
#include "shell/prompting.h"
#include "shell/result_lists.h"
#include "shell/text.h"

namespace host::shell {

namespace {

constexpr short kColourGroup = 62;
constexpr short kLinetypeGroup = 6;
constexpr std::string_view kByLayerLinetype = "BYLAYER";

std::wstring layerText() { return io::fromUtf8(currentLayerName()); }

// The list with the current colour and linetype added where they are not
// BYLAYER (which an entity without them has).
resbuf* inCurrentLook(resbuf* list) {
    if (!list) return nullptr;
    resbuf* last = list;
    while (last->rbnext) last = last->rbnext;
    int colour = currentColour();
    if (colour != kColourByLayer) {
        last = last->rbnext = newRb(kColourGroup);
        if (!last) return list;
        last->resval.rint = static_cast<short>(colour);
    }
    std::string linetype = currentLinetypeName();
    if (!sameName(linetype, kByLayerLinetype)) {
        last = last->rbnext = newRb(kLinetypeGroup);
        if (!last) return list;
        last->resval.rstring = newRbString(linetype);
    }
    return list;
}

bool make(resbuf* list) {
    list = inCurrentLook(list);
    if (!list) return false;
    int rc = acdbEntMake(list);
    acutRelRb(list);
    if (rc != RTNORM) repromptWithReason("The entity could not be made");
    return rc == RTNORM;
}

bool makeLine(const double a[3], const double b[3]) {
    std::wstring layer = layerText();
    return make(acutBuildList(RTDXF0, L"LINE", 8, layer.c_str(), 10, a, 11, b, 0));
}

class LineCommand : public Command {
public:
    std::string prompt() const override {
        return count_ == 0 ? "Specify first point: " : "Specify next point or [Undo]: ";
    }
    Step take(const Arg& answer) override {
        if (answer.kind == Arg::Kind::Text && answer.text.empty()) return Step::Done;
        if (count_ > 1 && answer.kind == Arg::Kind::Text && sameName(answer.text, "u")) {
            ads_name last;
            if (acdbEntLast(last) == RTNORM) acdbEntDel(last);
            --count_;
            for (int i = 0; i < 3; ++i) from_[i] = previous_[i];
            return Step::More;
        }
        double p[3];
        if (!pointOf(answer, p)) {
            reprompt("Invalid point.");
            return Step::Rejected;
        }
        if (count_ > 0 && !makeLine(from_, p)) return Step::Rejected;
        for (int i = 0; i < 3; ++i) {
            previous_[i] = from_[i];
            from_[i] = p[i];
        }
        ++count_;
        return Step::More;
    }

private:
    int count_ = 0;  // points taken
    double from_[3] = {0, 0, 0};
    double previous_[3] = {0, 0, 0};
};

class CircleCommand : public Command {
public:
    std::string prompt() const override {
        return haveCentre_ ? "Specify radius of circle: " : "Specify center point for circle: ";
    }
    Step take(const Arg& answer) override {
        if (!haveCentre_) {
            if (!pointOf(answer, centre_)) {
                reprompt("Invalid point.");
                return Step::Rejected;
            }
            haveCentre_ = true;
            return Step::More;
        }
        double radius = 0;
        double p[3];
        if (!numberOf(answer, radius)) {
            if (!pointOf(answer, p)) {
                reprompt("Requires numeric distance or second point.");
                return Step::Rejected;
            }
            radius = distanceBetween(centre_, p, true);
        }
        if (radius <= 0) {
            reprompt("Value must be positive and nonzero.");
            return Step::Rejected;
        }
        std::wstring layer = layerText();
        return make(acutBuildList(RTDXF0, L"CIRCLE", 8, layer.c_str(), 10, centre_, 40, radius, 0))
                   ? Step::Done
                   : Step::Cancelled;
    }

private:
    bool haveCentre_ = false;
    double centre_[3] = {0, 0, 0};
};

// A three-point arc: start, a point on the arc, end.
class ArcCommand : public Command {
public:
    std::string prompt() const override {
        static const char* prompts[] = {"Specify start point of arc: ", "Specify second point of arc: ",
                                        "Specify end point of arc: "};
        return prompts[count_];
    }
    Step take(const Arg& answer) override {
        if (!pointOf(answer, points_[count_])) {
            reprompt("Invalid point.");
            return Step::Rejected;
        }
        if (++count_ < 3) return Step::More;
        double centre[3], radius, start, end;
        if (!circleThrough(centre, radius)) {
            reprompt("The three points lie on one line.");
            count_ = 2;
            return Step::Rejected;
        }
        // Counter-clockwise from start to end, passing the second point.
        start = angleBetween(centre, points_[0]);
        end = angleBetween(centre, points_[2]);
        double mid = angleBetween(centre, points_[1]);
        if (!sweeps(start, end, mid)) std::swap(start, end);
        std::wstring layer = layerText();
        return make(acutBuildList(RTDXF0, L"ARC", 8, layer.c_str(), 10, centre, 40, radius, 50, start, 51, end, 0))
                   ? Step::Done
                   : Step::Cancelled;
    }

private:
    bool circleThrough(double centre[3], double& radius) const {
        const double *a = points_[0], *b = points_[1], *c = points_[2];
        double d = 2 * (a[0] * (b[1] - c[1]) + b[0] * (c[1] - a[1]) + c[0] * (a[1] - b[1]));
        if (std::fabs(d) < 1e-12) return false;
        double a2 = a[0] * a[0] + a[1] * a[1], b2 = b[0] * b[0] + b[1] * b[1], c2 = c[0] * c[0] + c[1] * c[1];
        centre[0] = (a2 * (b[1] - c[1]) + b2 * (c[1] - a[1]) + c2 * (a[1] - b[1])) / d;
        centre[1] = (a2 * (c[0] - b[0]) + b2 * (a[0] - c[0]) + c2 * (b[0] - a[0])) / d;
        centre[2] = a[2];
        radius = distanceBetween(centre, a, true);
        return true;
    }
    // True when going counter-clockwise from start reaches mid before end.
    static bool sweeps(double start, double end, double mid) {
        const double full = 6.28318530717958647692;
        auto ccw = [&](double from, double to) { return std::fmod(to - from + 2 * full, full); };
        return ccw(start, mid) < ccw(start, end);
    }
    int count_ = 0;
    double points_[3][3] = {};
};

class TextCommand : public Command {
public:
    std::string prompt() const override {
        switch (stage_) {
        case 0: return "Specify start point of text: ";
        case 1: return "Specify height <" + formatNumber(defaultHeight()) + ">: ";
        case 2: return "Specify rotation angle of text <0>: ";
        default: return "Enter text: ";
        }
    }
    Step take(const Arg& answer) override {
        bool empty = answer.kind == Arg::Kind::Text && answer.text.empty();
        switch (stage_) {
        case 0:
            if (!pointOf(answer, at_)) {
                reprompt("Invalid point.");
                return Step::Rejected;
            }
            break;
        case 1:
            height_ = defaultHeight();
            if (!empty && (!numberOf(answer, height_) || height_ <= 0)) {
                reprompt("Requires a positive height.");
                return Step::Rejected;
            }
            heightTyped_ = !empty;
            break;
        case 2:
            if (!empty && !numberOf(answer, angle_)) {
                reprompt("Requires valid numeric angle.");
                return Step::Rejected;
            }
            break;
        default: return finish(answer.display());
        }
        ++stage_;
        return Step::More;
    }

private:
    static double defaultHeight() { return currentTextSize(); }
    Step finish(const std::string& text) {
        if (text.empty()) return Step::Cancelled;
        std::wstring layer = layerText();
        std::wstring style = io::fromUtf8(currentTextStyleName());
        std::wstring value = io::fromUtf8(text);
        double rotation = degreesToRadians(angle_);
        if (!make(acutBuildList(RTDXF0, L"TEXT", 8, layer.c_str(), 10, at_, 40, height_, 1, value.c_str(), 50,
                                rotation, 7, style.c_str(), 0)))
            return Step::Cancelled;
        // A height typed is the next text's default, as TEXTSIZE set by
        // name would be; Enter leaves the drawing's value as it was read.
        if (Document* doc = currentDocument(); doc && heightTyped_) setDrawingVar(*doc, "TEXTSIZE", realVar(height_));
        return Step::Done;
    }
    int stage_ = 0;
    double at_[3] = {0, 0, 0};
    double height_ = 2.5;
    bool heightTyped_ = false;
    double angle_ = 0;
};

} // namespace

std::unique_ptr<Command> makeDrawCommand(const std::string& name) {
    if (name == "LINE" || name == "L") return std::make_unique<LineCommand>();
    if (name == "CIRCLE" || name == "C") return std::make_unique<CircleCommand>();
    if (name == "ARC" || name == "A") return std::make_unique<ArcCommand>();
    if (name == "TEXT" || name == "DTEXT") return std::make_unique<TextCommand>();
    return nullptr;
}

} // namespace host::shell
