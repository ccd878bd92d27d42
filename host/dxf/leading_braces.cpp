#include "dxf/leading_braces.h"

#include <string_view>

namespace host::dxf {

namespace {

constexpr int kBraceCode = 102;
constexpr int kMarkerCode = 100;
constexpr int kEmbeddedObjectCode = 101;
constexpr int kFirstXdataCode = 1000;
constexpr int kReactorCode = 330;
constexpr int kExtensionDictionaryCode = 360;
constexpr size_t kNone = static_cast<size_t>(-1);

bool opens(const db::Group& g)
{
    return g.code() == kBraceCode && g.asText().starts_with("{");
}

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
    return onlyCode != 0 && code != onlyCode;
}

// Where each opening brace is closed, counted as they nest; kNone where
// it is not.  A close that nothing opened closes nothing.
std::vector<size_t> closingOf(const db::GroupList& groups)
{
    std::vector<size_t> closing(groups.size(), kNone);
    std::vector<size_t> open;
    for (size_t i = 0; i < groups.size(); ++i) {
        if (groups[i].code() != kBraceCode) continue;
        if (opens(groups[i])) {
            open.push_back(i);
        } else if (!open.empty()) {
            closing[open.back()] = i;
            open.pop_back();
        }
    }
    return closing;
}

} // namespace

LeadingBraces leadingBraces(const db::GroupList& groups, bool ownerUnread)
{
    // Where every brace is closed, they are all taken whole.
    size_t i = 0;
    for (size_t depth = 0; i < groups.size() && (groups[i].code() == kBraceCode || depth > 0); ++i) {
        if (groups[i].code() != kBraceCode) continue;
        if (groups[i].asText().starts_with("{"))
            ++depth;
        else if (depth > 0)
            --depth;
        if (depth == 0 && (i + 1 == groups.size() || groups[i + 1].code() != kBraceCode)) return {i + 1, {}};
    }
    if (i == 0) return {};

    // One is left open: each closed one is still taken whole.
    const std::vector<size_t> closing = closingOf(groups);
    LeadingBraces lead;
    i = 0;
    while (i < groups.size() && groups[i].code() == kBraceCode) {
        if (!opens(groups[i])) {
            ++i;  // a close that nothing opened, kept as read
            continue;
        }
        if (closing[i] != kNone) {
            i = closing[i] + 1;
            continue;
        }
        const int onlyCode = onlyCodeOf(groups[i].asText());
        size_t end = i + 1;
        while (end < groups.size() && groups[end].code() != kBraceCode &&
               !endsApplicationGroups(groups[end].code(), onlyCode))
            ++end;
        const bool endsBraces = end == groups.size() || groups[end].code() != kBraceCode;
        if (ownerUnread && onlyCode == kReactorCode && endsBraces && end - i > 2) --end;
        lead.closes.push_back(end);
        i = end;
    }
    lead.end = i;
    return lead;
}

} // namespace host::dxf
