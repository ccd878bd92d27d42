#include "dxf/insert_groups.h"

#include "db/canonical.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>
#include <vector>

namespace host::dxf {

namespace {

using db::Group;
using db::GroupList;

constexpr std::string_view kInsertType = "INSERT";
constexpr std::string_view kReferenceMarker = "AcDbBlockReference";
constexpr int kMarkerCode = 100;
constexpr int kFirstXdataCode = 1000;
constexpr int kInsertionPointCode = 10;
constexpr int kNoField = -1;
// Every field of the part has a code below this.
constexpr int kCodeRoom = 300;

// What an insert's entity data always holds, with its default (a point's
// value is each of its coordinates).
struct HeldDefault {
    int code;
    double value;
};
constexpr HeldDefault kHeld[] = {{kInsertionPointCode, 0.0}, {41, 1.0}, {42, 1.0}, {43, 1.0}, {50, 0.0}};

Group heldGroup(const HeldDefault& d)
{
    return d.code == kInsertionPointCode ? Group::point(d.code, d.value, d.value, d.value) : Group::real(d.code, d.value);
}

// The place of a code among the part's fields in the host's order, looked
// up once for every code.
int placeOf(int code)
{
    static const std::array<int8_t, kCodeRoom> places = [] {
        std::array<int8_t, kCodeRoom> out{};
        for (int c = 0; c < kCodeRoom; ++c)
            out[static_cast<size_t>(c)] = static_cast<int8_t>(db::fieldPlace(kInsertType, kReferenceMarker, c));
        return out;
    }();
    return code >= 0 && code < kCodeRoom ? places[static_cast<size_t>(code)] : kNoField;
}

} // namespace

void holdInsertGroups(GroupList& groups)
{
    // The part: from its marker to the next marker or the XDATA.
    size_t begin = 0, end = groups.size();
    bool marked = false;
    for (size_t i = 0; i < end; ++i) {
        const int code = groups[i].code();
        if (code >= kFirstXdataCode || (marked && code == kMarkerCode)) {
            end = i;
            break;
        }
        if (code == kMarkerCode && groups[i].asText() == kReferenceMarker) {
            begin = i + 1;
            marked = true;
        }
    }

    bool held[std::size(kHeld)] = {};
    bool inOrder = true;
    int last = kNoField;
    for (size_t i = begin; i < end; ++i) {
        const int place = placeOf(groups[i].code());
        if (place == kNoField) continue;
        inOrder = inOrder && place >= last;
        last = std::max(last, place);
        for (size_t k = 0; k < std::size(kHeld); ++k) held[k] = held[k] || groups[i].code() == kHeld[k].code;
    }
    size_t missing = 0;
    for (bool h : held) missing += h ? 0 : 1;
    if (missing > 0) groups.reserve(groups.size() + missing);
    for (size_t k = 0; k < std::size(kHeld); ++k) {
        if (held[k]) continue;
        // In a part in the host's order, before the first field that comes
        // after it (writers leave out default scales and rotation all the
        // time); otherwise at the end, for the sort below.
        size_t at = end;
        if (inOrder) {
            const int place = placeOf(kHeld[k].code);
            for (size_t i = begin; i < end; ++i)
                if (placeOf(groups[i].code()) > place) {
                    at = i;
                    break;
                }
        }
        groups.insert(groups.begin() + static_cast<std::ptrdiff_t>(at), heldGroup(kHeld[k]));
        ++end;
    }
    if (inOrder) return;  // as nearly every file has it

    std::vector<size_t> at;
    GroupList fields;
    for (size_t i = begin; i < end; ++i)
        if (placeOf(groups[i].code()) != kNoField) {
            at.push_back(i);
            fields.push_back(groups[i]);
        }
    std::stable_sort(fields.begin(), fields.end(),
                     [](const Group& a, const Group& b) { return placeOf(a.code()) < placeOf(b.code()); });
    for (size_t j = 0; j < at.size(); ++j) groups[at[j]] = std::move(fields[j]);
}

} // namespace host::dxf
