#include "shell/answers.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace host::shell {

namespace {

constexpr double kPi = 3.14159265358979323846;

std::vector<std::string_view> splitOn(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (;;) {
        size_t at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) break;
        start = at + 1;
    }
    return parts;
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

} // namespace

bool parseNumber(std::string_view text, double& value) {
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    double v = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), v);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return false;
    if (!std::isfinite(v)) return false;
    value = v;
    return true;
}

bool parseInteger(std::string_view text, int& value) {
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    long v = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), v);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return false;
    if (v < -32768 || v > 32767) return false;
    value = static_cast<int>(v);
    return true;
}

bool parsePoint(std::string_view text, const double* from, double point[3]) {
    text = trimBlanks(text);
    bool relative = !text.empty() && text.front() == '@';
    if (relative) {
        if (!from) return false;
        text.remove_prefix(1);
        if (trimBlanks(text).empty()) {
            for (int i = 0; i < 3; ++i) point[i] = from[i];
            return true;
        }
        size_t lt = text.find('<');
        if (lt != std::string_view::npos) {
            double dist = 0, angle = 0;
            if (!parseNumber(text.substr(0, lt), dist) || !parseNumber(text.substr(lt + 1), angle)) return false;
            double a = degreesToRadians(angle);
            point[0] = from[0] + dist * std::cos(a);
            point[1] = from[1] + dist * std::sin(a);
            point[2] = from[2];
            return std::fabs(point[0]) <= kFarthestCoordinate && std::fabs(point[1]) <= kFarthestCoordinate;
        }
    }
    std::vector<std::string_view> parts = splitOn(text, ',');
    if (parts.size() < 2 || parts.size() > 3) return false;
    double v[3] = {0, 0, 0};
    for (size_t i = 0; i < parts.size(); ++i)
        if (!parseNumber(parts[i], v[i])) return false;
    for (int i = 0; i < 3; ++i) {
        point[i] = relative ? from[i] + v[i] : v[i];
        // Far beyond any drawing: lengths and angles computed from such
        // points would overflow.
        if (!(std::fabs(point[i]) <= kFarthestCoordinate)) return false;  // NaN (from a base point) too
    }
    return true;
}

double degreesToRadians(double degrees) { return degrees * kPi / 180.0; }
double radiansToDegrees(double radians) { return radians * 180.0 / kPi; }

double angleBetween(const double a[3], const double b[3]) {
    double angle = std::atan2(b[1] - a[1], b[0] - a[0]);
    if (angle < 0) angle += 2 * kPi;
    return angle;
}

double distanceBetween(const double a[3], const double b[3], bool flat) {
    double dx = b[0] - a[0], dy = b[1] - a[1], dz = flat ? 0.0 : b[2] - a[2];
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

} // namespace host::shell
