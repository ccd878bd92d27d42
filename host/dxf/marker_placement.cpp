#include "dxf/marker_placement.h"

#include <algorithm>

namespace host::dxf {

namespace {

constexpr int kMarkerCode = 100;
constexpr int kBraceCode = 102;

// What a group costs under a part that is not known to hold its code.
// Under a part of known codes: kMisplaced when another part holds the code;
// kUnlikely when none does but some part's codes are not known (the group
// is likely that one's); nothing when every part's are (none claims it).
// Under a part of unknown codes: kUnlikely when another part holds the
// code (a hatch's boundary type is AcDbEntity's 92 too), else nothing.
constexpr int64_t kMisplaced = 2;
constexpr int64_t kUnlikely = 1;

using Costs = std::array<int64_t, kMostParts>;

class Parts {
public:
    explicit Parts(std::span<const PartFields> parts) : parts_(parts)
    {
        for (const PartFields& p : parts) allKnown_ = allKnown_ && p.known;
    }

    bool holds(size_t j, int code) const
    {
        const PartFields& p = parts_[j];
        return p.known && std::binary_search(p.codes.begin(), p.codes.end(), code);
    }

    bool heldByAny(int code) const
    {
        for (size_t j = 0; j < parts_.size(); ++j)
            if (holds(j, code)) return true;
        return false;
    }

    // Groups of unknown place (another application's, a marker of another
    // type) cost nothing anywhere.
    static bool ofUnknownPlace(const BodyGroup& g)
    {
        return g.foreign || g.code == kMarkerCode || g.code == kBraceCode;
    }

    Costs costs(const BodyGroup& g) const
    {
        Costs c{};
        if (ofUnknownPlace(g)) return c;
        const bool held = heldByAny(g.code);
        for (size_t j = 0; j < parts_.size(); ++j) {
            if (holds(j, g.code)) continue;
            if (parts_[j].known)
                c[j] = held ? kMisplaced : (allKnown_ ? 0 : kUnlikely);
            else
                c[j] = held ? kUnlikely : 0;
        }
        return c;
    }

    // The one part that can hold the group, when every part's codes are
    // known; else SIZE_MAX.
    size_t onlyPart(const BodyGroup& g) const
    {
        if (!allKnown_ || ofUnknownPlace(g)) return SIZE_MAX;
        size_t found = SIZE_MAX;
        for (size_t j = 0; j < parts_.size(); ++j) {
            if (!holds(j, g.code)) continue;
            if (found != SIZE_MAX) return SIZE_MAX;
            found = j;
        }
        return found;
    }

    // For each group whose code several parts hold, the part whose groups
    // the rest of its run holds: a run is what follows one of the record's
    // markers, and where every group of it that one part alone holds is
    // that part's, the others are too (a part moved whole keeps its
    // meaning, and so does one whose marker was renamed).  SIZE_MAX where
    // the run does not tell.
    std::vector<size_t> runParts(std::span<const BodyGroup> body) const
    {
        std::vector<size_t> out(body.size(), SIZE_MAX);
        if (!allKnown_) return out;
        for (size_t begin = 0; begin < body.size();) {
            size_t end = begin + 1;
            while (end < body.size() && !startsRun(body[end])) ++end;
            size_t agreed = SIZE_MAX;
            bool agree = true;
            for (size_t t = begin; t < end && agree; ++t) {
                const size_t only = onlyPart(body[t]);
                if (only == SIZE_MAX) continue;
                agree = agreed == SIZE_MAX || agreed == only;
                agreed = only;
            }
            for (size_t t = begin; agree && agreed != SIZE_MAX && t < end; ++t)
                if (!ofUnknownPlace(body[t]) && holds(agreed, body[t].code)) out[t] = agreed;
            begin = end;
        }
        return out;
    }

    size_t size() const { return parts_.size(); }

private:
    static bool startsRun(const BodyGroup& g) { return g.code == kMarkerCode && !g.foreign; }

    std::span<const PartFields> parts_;
    bool allKnown_ = true;
};

// A place a part may begin: before group p/2 with a new marker (p even), or
// at the record's marker p/2 (p odd).  `before` sums, per part, the costs
// of the groups before it.
struct Place {
    size_t p;
    Costs before;
};

// A placement of the parts so far, compared in the order placeParts says.
struct Score {
    int64_t kept = -1;  // -1: none reaches here
    int64_t cost = 0;
    int64_t named = 0;

    bool reached() const { return kept >= 0; }
    bool beats(const Score& other) const
    {
        if (cost != other.cost) return cost < other.cost;
        if (kept != other.kept) return kept > other.kept;
        return named > other.named;
    }
};

// The places worth trying: every marker of the record, and the places
// between groups where the costs change (within a run of groups of equal
// costs a part begins best at one of its ends), but inside braces.
std::vector<Place> placesOf(const Parts& parts, std::span<const BodyGroup> body)
{
    std::vector<Place> places;
    Costs sum{};
    Costs last{};
    bool lastMarker = true;
    for (size_t t = 0; t <= body.size(); ++t) {
        const bool end = t == body.size();
        const bool marker = !end && body[t].markerOf != 0;
        const Costs here = end || marker ? Costs{} : parts.costs(body[t]);
        const bool open = t > 0 && body[t - 1].continues && !end;  // the end is a place even in open braces
        if (!open && (t == 0 || end || marker || lastMarker || here != last)) places.push_back({2 * t, sum});
        if (end) break;
        if (marker) places.push_back({2 * t + 1, sum});
        for (size_t j = 0; j < parts.size(); ++j) sum[j] += here[j];
        last = here;
        lastMarker = marker;
    }
    return places;
}

} // namespace

Placement placeParts(std::span<const PartFields> partFields, std::span<const BodyGroup> body)
{
    const Parts parts(partFields);
    const size_t n = std::min(parts.size(), kMostParts);
    Placement out;
    out.marker.fill(Placement::kNewMarker);
    out.partOf.assign(body.size(), Placement::kNotWritten);
    if (n == 0) return out;

    const std::vector<Place> places = placesOf(parts, body);
    const size_t count = places.size();
    auto takes = [&](size_t i) { return places[i].p % 2 == 1; };
    auto named = [&](size_t i, size_t j) -> int64_t {
        return takes(i) && (body[places[i].p / 2].markerOf >> j & 1) ? 1 : 0;
    };

    // AcDbEntity comes first: before every group, or at a marker there.
    std::vector<Score> current(count), next(count);
    for (size_t i = 0; i < count && places[i].p <= 1; ++i)
        current[i] = Score{takes(i) ? 1 : 0, 0, named(i, 0)};

    // Each further part after the one before: the best start of the part
    // before, up to here, taken as the groups between cost.
    std::vector<uint32_t> from((n - 1) * count, 0);
    for (size_t j = 0; j + 1 < n; ++j) {
        Score best;
        uint32_t bestAt = 0;
        auto consider = [&](size_t k) {
            if (!current[k].reached()) return;
            Score s = current[k];
            s.cost -= places[k].before[j];
            if (!best.reached() || !best.beats(s)) {
                best = s;
                bestAt = static_cast<uint32_t>(k);
            }
        };
        for (size_t i = 0; i < count; ++i) {
            if (!takes(i)) consider(i);  // two new markers may stand together
            next[i] = best.reached() ? Score{best.kept + (takes(i) ? 1 : 0), best.cost + places[i].before[j],
                                             best.named + named(i, j + 1)}
                                     : Score{};
            from[j * count + i] = bestAt;
            if (takes(i)) consider(i);  // a marker is taken by one part only
        }
        std::swap(current, next);
    }

    // The last part runs to the end.
    Score best;
    size_t at = 0;
    for (size_t i = 0; i < count; ++i) {
        if (!current[i].reached()) continue;
        Score s = current[i];
        s.cost += places[count - 1].before[n - 1] - places[i].before[n - 1];
        if (!best.reached() || !best.beats(s)) {
            best = s;
            at = i;
        }
    }
    std::array<size_t, kMostParts> start{};
    for (size_t j = n; j-- > 0;) {
        start[j] = places[at].p;
        if (j > 0) at = from[(j - 1) * count + at];
    }

    for (size_t j = 0; j < n; ++j)
        if (start[j] % 2 == 1) out.marker[j] = static_cast<uint32_t>(start[j] / 2);
    const std::vector<size_t> run = parts.runParts(body);
    size_t part = 0;
    for (size_t t = 0; t < body.size(); ++t) {
        if (body[t].markerOf != 0) continue;  // taken, or one too many
        while (part + 1 < n && start[part + 1] <= 2 * t) ++part;
        size_t only = parts.onlyPart(body[t]);
        if (only == SIZE_MAX) only = run[t];
        out.partOf[t] = static_cast<uint8_t>(only != SIZE_MAX ? only : part);
    }
    return out;
}

} // namespace host::dxf
