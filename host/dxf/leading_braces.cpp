#include "dxf/leading_braces.h"

#include <string_view>
#include <vector>

namespace host::dxf {

namespace {

constexpr int kBraceCode = 102;
constexpr int kMarkerCode = 100;
constexpr int kEmbeddedObjectCode = 101;
constexpr int kFirstXdataCode = 1000;
constexpr int kReactorCode = 330;
constexpr int kExtensionDictionaryCode = 360;

// The one code the braces of `name` hold, or 0 when any may stand there.
int onlyCodeOf(std::string_view name)
{
    if (name == "{ACAD_REACTORS") return kReactorCode;
    if (name == "{ACAD_XDICTIONARY") return kExtensionDictionaryCode;
    return 0;
}

bool endsApplicationGroups(int code, int onlyCode)
{
    if (code == kMarkerCode || code == kEmbeddedObjectCode || code >= kFirstXdataCode) return true;
    return onlyCode != 0 && code != onlyCode && code != kBraceCode;
}

} // namespace

LeadingBraces leadingBraces(const db::GroupList& groups)
{
    // Braces closed are taken whole, whatever they hold, as they were read.
    size_t i = 0;
    for (size_t depth = 0; i < groups.size() && (groups[i].code() == kBraceCode || depth > 0); ++i) {
        if (groups[i].code() != kBraceCode) continue;
        if (groups[i].asText().starts_with("{"))
            ++depth;
        else if (depth > 0)
            --depth;
        if (depth == 0 && (i + 1 == groups.size() || groups[i + 1].code() != kBraceCode)) return {i + 1, 0};
    }
    if (i == 0) return {};

    std::vector<int> open;  // the code each open brace holds, innermost last
    for (i = 0; i < groups.size(); ++i) {
        const db::Group& g = groups[i];
        if (open.empty() && g.code() != kBraceCode) break;
        if (!open.empty() && endsApplicationGroups(g.code(), open.back())) break;
        if (g.code() != kBraceCode) continue;
        if (g.asText().starts_with("{"))
            open.push_back(onlyCodeOf(g.asText()));
        else if (!open.empty())
            open.pop_back();
    }
    return {i, open.size()};
}

} // namespace host::dxf
