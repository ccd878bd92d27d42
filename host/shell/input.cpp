// The acedGet* input functions.  Each reads answers until one is valid:
// the host re-asks itself where the acedInitGet bits forbid an answer, so
// the caller never sees an empty, zero or negative value it refused.
#include <cmath>
#include <filesystem>

#include "aced_input.h"
#include "io/io.h"
#include "shell/answers.h"
#include "shell/documents.h"
#include "shell/file_names.h"
#include "shell/file_replace.h"
#include "shell/prompting.h"
#include "shell/result_lists.h"
#include "shell/text.h"
#include "dxf/quoted_text.h"

using namespace host::shell;

namespace {

constexpr double kTwoPi = 6.28318530717958647692;

enum class Want { Point, Distance, Angle, Integer, Real };

struct Value {
    double point[3] = {0, 0, 0};
    double number = 0;
    int integer = 0;
};

std::string promptOr(const ACHAR* prompt, const char* fallback) {
    return prompt ? narrow(prompt) : std::string(fallback);
}

const char* invalidText(Want want, bool keywords) {
    switch (want) {
    case Want::Point: return keywords ? "Point or option keyword required." : "Invalid point.";
    case Want::Distance: return "Requires numeric distance or two points.";
    case Want::Angle: return "Requires valid numeric angle or second point.";
    case Want::Integer: return "Requires an integer value.";
    case Want::Real: return "Requires numeric value.";
    }
    return "Invalid input.";
}

// A second point for a distance or angle answered by a point without base.
bool askSecondPoint(const double first[3], double second[3]) {
    for (;;) {
        std::string answer;
        if (!askAnswer("Specify second point: ", answer)) return false;
        if (parsePoint(answer, first, second)) return true;
        reprompt("Invalid point.");
    }
}

// 1: parsed into value; 0: not this kind of answer; -1: cancelled.
int parseValue(Want want, const std::string& answer, const double* base, int bits, Value& value) {
    double p[3];
    double last[3];
    lastPoint(last);
    const double* from = base ? base : last;
    switch (want) {
    case Want::Point:
        if (!parsePoint(answer, from, value.point)) return 0;
        return 1;
    case Want::Distance:
        if (parseNumber(answer, value.number)) return 1;
        if (!parsePoint(answer, from, p)) return 0;
        if (base) {
            value.number = distanceBetween(base, p, bits & RSG_2D);
        } else {
            double second[3];
            if (!askSecondPoint(p, second)) return -1;
            value.number = distanceBetween(p, second, bits & RSG_2D);
        }
        return 1;
    case Want::Angle:
        if (parseNumber(answer, value.number)) {
            if (std::fabs(value.number) > kFarthestCoordinate) return 1;  // refused as out of range
            // Whole turns go before the conversion, which would overflow
            // near the largest numbers.
            value.number = std::fmod(degreesToRadians(std::fmod(value.number, 360.0)), kTwoPi);
            if (value.number < 0) value.number += kTwoPi;
            return 1;
        }
        if (!parsePoint(answer, from, p)) return 0;
        if (base) {
            value.number = angleBetween(base, p);
        } else {
            double second[3];
            if (!askSecondPoint(p, second)) return -1;
            value.number = angleBetween(p, second);
        }
        return 1;
    case Want::Integer:
        return parseInteger(answer, value.integer) ? 1 : 0;
    case Want::Real:
        return parseNumber(answer, value.number) ? 1 : 0;
    }
    return 0;
}

// The refusal of a value by the zero and negative bits, or of a number no
// drawing can hold; null when the value is taken.
const char* refusal(Want want, const Value& value, int bits) {
    if (want == Want::Point) return nullptr;  // parsePoint keeps points in range
    double v = want == Want::Integer ? value.integer : value.number;
    if (!std::isfinite(v) || std::fabs(v) > kFarthestCoordinate) return "Value out of range.";
    if (want == Want::Angle) return nullptr;
    if ((bits & RSG_NOZERO) && v == 0) return "Value must be nonzero.";
    if ((bits & RSG_NONEG) && v < 0) return "Value must be positive.";
    return nullptr;
}

// The common loop: RTNORM with value, RTNONE, RTKWORD, RTCAN.  Without a
// prompt of the caller's the host's own names the keywords the caller set.
int getValue(Want want, const double* base, const ACHAR* given, const char* fallback, Value& value) {
    InitGet init = takeInitGet();
    std::string prompt = promptOr(given, fallback);
    if (!given && !init.keywords.empty()) {
        std::string own(fallback);
        size_t colon = own.rfind(':');
        prompt = own.substr(0, colon) + " or " + init.keywords.display() + own.substr(colon);
    }
    for (;;) {
        std::string answer;
        if (!askAnswer(prompt, answer)) return RTCAN;
        if (answer.empty()) {
            if ((init.bits & RSG_OTHER) && (init.bits & RSG_NONULL)) {
                host::io::setLastInput("");
                return RTKWORD;
            }
            if (init.bits & RSG_NONULL) {
                reprompt("Requires a value.");
                continue;
            }
            return RTNONE;
        }
        int parsed = parseValue(want, answer, base, init.bits, value);
        if (parsed < 0) return RTCAN;
        if (parsed > 0) {
            if (const char* why = refusal(want, value, init.bits)) {
                reprompt(why);
                continue;
            }
            if (want == Want::Point) setLastPoint(value.point);
            return RTNORM;
        }
        if (auto keyword = keywordAnswer(init, answer)) {
            host::io::setLastInput(*keyword);
            return RTKWORD;
        }
        reprompt(invalidText(want, !init.keywords.empty()));
    }
}

} // namespace

int acedInitGet(int val, const ACHAR* kwl) {
    setInitGet(val, narrow(kwl));
    return RTNORM;
}

int acedGetPoint(const ads_point pt, const ACHAR* prompt, ads_point result) {
    if (!result) return RTERROR;
    Value v;
    int rc = getValue(Want::Point, pt, prompt, "Specify point: ", v);
    if (rc == RTNORM) ads_point_set(v.point, result);
    return rc;
}

int acedGetCorner(const ads_point pt, const ACHAR* prompt, ads_point result) {
    if (!pt || !result) return RTERROR;
    Value v;
    int rc = getValue(Want::Point, pt, prompt, "Specify opposite corner: ", v);
    if (rc == RTNORM) ads_point_set(v.point, result);
    return rc;
}

int acedGetDist(const ads_point pt, const ACHAR* prompt, ads_real* result) {
    if (!result) return RTERROR;
    Value v;
    int rc = getValue(Want::Distance, pt, prompt, "Specify distance: ", v);
    if (rc == RTNORM) *result = v.number;
    return rc;
}

int acedGetAngle(const ads_point pt, const ACHAR* prompt, ads_real* result) {
    if (!result) return RTERROR;
    Value v;
    int rc = getValue(Want::Angle, pt, prompt, "Specify angle: ", v);
    if (rc == RTNORM) *result = v.number;
    return rc;
}

int acedGetOrient(const ads_point pt, const ACHAR* prompt, ads_real* result) {
    return acedGetAngle(pt, prompt, result);
}

int acedGetInt(const ACHAR* prompt, int* result) {
    if (!result) return RTERROR;
    Value v;
    int rc = getValue(Want::Integer, nullptr, prompt, "Enter an integer: ", v);
    if (rc == RTNORM) *result = v.integer;
    return rc;
}

int acedGetReal(const ACHAR* prompt, ads_real* result) {
    if (!result) return RTERROR;
    Value v;
    int rc = getValue(Want::Real, nullptr, prompt, "Enter a number: ", v);
    if (rc == RTNORM) *result = v.number;
    return rc;
}

int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result, size_t bufLen) {
    takeInitGet();  // keywords do not apply to strings
    if (!result || bufLen == 0) return RTERROR;
    std::string answer;
    if (!askAnswer(promptOr(prompt, "Enter text: "), answer)) return RTCAN;
    if (!cronly) {
        size_t blank = answer.find_first_of(" \t");
        if (blank != std::string::npos) answer.resize(blank);
    }
    copyOut(answer, result, bufLen);
    return RTNORM;
}

int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result) {
    return acedGetString(cronly, prompt, result, 133);
}

int acedGetKword(const ACHAR* prompt, ACHAR* result, size_t bufLen) {
    InitGet init = takeInitGet();
    if (!result || bufLen == 0) return RTERROR;
    std::string text = promptOr(prompt, "");
    if (text.empty()) text = "Enter an option " + init.keywords.display() + ": ";
    for (;;) {
        std::string answer;
        if (!askAnswer(text, answer)) return RTCAN;
        if (answer.empty()) {
            if (init.bits & RSG_NONULL) {
                reprompt("Requires a value.");
                continue;
            }
            result[0] = 0;
            return RTNONE;
        }
        if (auto keyword = keywordAnswer(init, answer)) {
            host::io::setLastInput(*keyword);
            copyOut(*keyword, result, bufLen);
            return RTNORM;
        }
        reprompt("Invalid option keyword.");
    }
}

int acedGetKword(const ACHAR* prompt, ACHAR* result) { return acedGetKword(prompt, result, 132); }

int acedGetInput(ACHAR* str, size_t bufLen) {
    if (!str || bufLen == 0) return RTERROR;
    copyOut(host::io::lastInput(), str, bufLen);
    return RTNORM;
}

int acedGetInput(ACHAR* str) { return acedGetInput(str, 132); }

int acedUsrBrk() { return userBreak() ? 1 : 0; }

int acedGetFileD(const ACHAR* title, const ACHAR* defawlt, const ACHAR* ext, int flags, resbuf* result) {
    // Bit 1: a file to write, whose replacement is confirmed as a save's is
    // (file_replace.h) unless bit 32 is set.
    constexpr int kNewFile = 1, kNoReplaceWarning = 32;
    takeInitGet();
    if (!result) return RTERROR;
    std::string fallback = narrow(defawlt);
    std::string prompt = title ? narrow(title) : std::string("File name");
    if (!fallback.empty()) prompt += " <" + host::dxf::withoutControls(fallback) + ">";
    prompt += ": ";
    std::string extension = narrow(ext);
    std::string answer;
    for (;;) {
        if (!askAnswer(prompt, answer)) return RTCAN;
        if (answer.empty()) answer = fallback;
        if (answer.empty()) return RTCAN;
        if (!acceptFileName(answer)) continue;
        size_t slash = answer.find_last_of('/');
        std::error_code error;
        // A folder names no file: with the extension alone added it would
        // become a hidden ".txt" inside it, or a name that cannot be opened.
        if (slash == answer.size() - 1 || std::filesystem::is_directory(answer, error)) {
            reprompt(host::dxf::withoutControls(answer) + " is a folder: give the name of a file.");
            continue;
        }
        size_t dot = answer.find_last_of('.');
        bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
        if (!extension.empty() && !hasExtension) answer += "." + extension;
        if (std::filesystem::is_directory(answer, error)) {
            reprompt(host::dxf::withoutControls(answer) + " is a folder: give the name of a file.");
            continue;
        }
        if ((flags & kNewFile) == 0 || (flags & kNoReplaceWarning) != 0 ||
            !replaceNeedsAsking(currentDocument(), answer))
            break;
        std::optional<bool> replace = askReplace(answer);
        if (!replace) return RTCAN;
        if (*replace) break;
    }
    result->restype = RTSTR;
    result->resval.rstring = newRbString(answer);
    return result->resval.rstring ? RTNORM : RTERROR;
}
