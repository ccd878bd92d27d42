// lrot and lplane on an element joined at both ends in a run: every type of
// two or three connectors that a run holds, at the run's sizes and with a
// branch, spigot, outlet or end of its own size, turned once, twice and by
// both commands in turn.  A turn leaves both joints met and the element's own
// values kept; a turn that fits nowhere leaves the drawing as it was, to the
// last byte of every element.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "ads_entity.h"
#include "app/edit_support.h"
#include "core/element_load.h"
#include "core/element_ptr.h"
#include "core/entity_handles.h"
#include "core/resbuf_dump.h"
#include "core/string_convert.h"
#include "core/type_tables.h"
#include "module_fixture.h"

namespace {

enum EditCode : int { kLcur = 9, kLrot = 10, kLplane = 11, kLprop = 15 };
constexpr int16_t kDuct = 1;  // VL-01 and SPIRO: subtype 1 of both duct families
constexpr int kVl = 1, kVf = 2, kTv = 4, kMsc = 5;
constexpr double kRectA = 400, kRectB = 300, kRound = 315;
// A type's own value may differ from the run's by as much as a whole-number
// gap rounds a body length that is no whole number (VF/KS-20).
constexpr double kMeets = 0.5;

enum class Expect { kTurns, kRefused };

struct Case {
    int family;
    int16_t subtype;
    const char* name;
    int16_t shape;      // the run's shape at the first joint
    const char* own;    // properties-dialog lines giving the element values of its own; "" none
    Expect rotate, plane;
    double a = kRectA, b = kRectB;  // the size of a rectangular run
};

const Case kCases[] = {
    // Ducts and in-line pieces: one size through.
    {kVl, 1, "VL-01", kShapeRect, "", Expect::kTurns, Expect::kTurns},
    {kVl, 10, "VL-10", kShapeRect, "", Expect::kTurns, Expect::kTurns},
    {kVl, 15, "KNH-E", kShapeRect, "", Expect::kTurns, Expect::kTurns, 600, 300},
    {kVl, 17, "CS", kShapeRect, "", Expect::kTurns, Expect::kTurns},
    {kVl, 20, "USZ-29", kShapeRect, "", Expect::kRefused, Expect::kRefused},
    {kVl, 21, "LEM", kShapeRect, "", Expect::kRefused, Expect::kRefused},
    {kVl, 22, "S-15", kShapeRect, "", Expect::kRefused, Expect::kRefused},
    {kVl, 23, "USZ-17", kShapeRect, "", Expect::kRefused, Expect::kRefused},
    {kVl, 24, "VLE-01", kShapeRect, "", Expect::kRefused, Expect::kRefused},
    {kVl, 25, "VLE-02", kShapeRect, "", Expect::kRefused, Expect::kRefused},
    {kVf, 1, "SPIRO", kShapeRound, "", Expect::kTurns, Expect::kTurns},
    {kVf, 9, "VF-10", kShapeRound, "", Expect::kTurns, Expect::kTurns},
    {kVf, 11, "VFE-01", kShapeRound, "", Expect::kRefused, Expect::kRefused},
    {kVf, 17, "HSPIRO", kShapeRound, "", Expect::kTurns, Expect::kTurns},
    {kVf, 18, "HFLEX", kShapeRound, "", Expect::kTurns, Expect::kTurns},
    {kVf, 19, "USZ-28", kShapeRound, "", Expect::kRefused, Expect::kRefused},
    {kVf, 20, "FSPIRO", kShapeRound, "", Expect::kRefused, Expect::kRefused},
    // Transitions and reducers: the far end of a size of its own.
    {kVl, 5, "VL-05", kShapeRect, "v0=300\n", Expect::kTurns, Expect::kTurns},
    {kVl, 6, "VL-06", kShapeRect, "v0=300\n", Expect::kRefused, Expect::kRefused},
    {kVl, 8, "VL-08", kShapeRect, "", Expect::kRefused, Expect::kTurns},
    {kVl, 9, "VL-09", kShapeRect, "", Expect::kRefused, Expect::kTurns},
    {kVf, 7, "VF/KS-08", kShapeRound, "v1=13\n", Expect::kTurns, Expect::kTurns},
    {kVf, 8, "VF/KS-09", kShapeRound, "v1=18\n", Expect::kRefused, Expect::kTurns},
    // Tees, branches, spigots and outlets, at the run's size and with one of
    // their own.
    {kVl, 3, "VL-03", kShapeRect, "", Expect::kRefused, Expect::kRefused},
    {kVl, 3, "VL-03", kShapeRect, "v0=200\n", Expect::kRefused, Expect::kRefused},
    {kVl, 4, "VL-04", kShapeRect, "v0=200\n", Expect::kRefused, Expect::kRefused},
    {kVl, 11, "VL-11K", kShapeRect, "v2=10\n", Expect::kTurns, Expect::kTurns},
    {kVl, 26, "VL-11", kShapeRect, "", Expect::kTurns, Expect::kTurns},
    {kVl, 26, "VL-11", kShapeRect, "v2=200\nv3=100\n", Expect::kTurns, Expect::kTurns},
    {kVl, 26, "VL-11", kShapeRect, "v2=300\nv3=100\n", Expect::kTurns, Expect::kTurns},
    {kVl, 12, "VL-12-B", kShapeRect, "v3=200\n", Expect::kRefused, Expect::kRefused},
    {kVl, 13, "VL-12-J", kShapeRect, "v3=200\n", Expect::kRefused, Expect::kRefused},
    {kVl, 14, "VL-13", kShapeRect, "v3=200\n", Expect::kRefused, Expect::kRefused},
    {kVl, 27, "VLE-03", kShapeRect, "v0=200\n", Expect::kRefused, Expect::kRefused},
    {kVl, 28, "VLE-04", kShapeRect, "v3=200\n", Expect::kRefused, Expect::kRefused},
    {kVl, 29, "VLE-05", kShapeRect, "v3=200\n", Expect::kRefused, Expect::kRefused},
    {kVl, 30, "VL-NI", kShapeRect, "", Expect::kRefused, Expect::kRefused},
    {kVf, 5, "VF/KS-06", kShapeRound, "", Expect::kTurns, Expect::kTurns},
    {kVf, 5, "VF/KS-06", kShapeRound, "v1=10\n", Expect::kTurns, Expect::kTurns},
    {kVf, 5, "VF/KS-06", kShapeRound, "v1=13\n", Expect::kTurns, Expect::kTurns},
    {kVf, 5, "VF/KS-06", kShapeRound, "v1=18\n", Expect::kTurns, Expect::kTurns},
    {kVf, 5, "VF/KS-06", kShapeRound, "v0=13\n", Expect::kTurns, Expect::kTurns},
    {kVf, 5, "VF/KS-06", kShapeRound, "v0=18\n", Expect::kTurns, Expect::kTurns},
    {kVf, 6, "VF/KS-07", kShapeRound, "", Expect::kTurns, Expect::kTurns},
    {kVf, 6, "VF/KS-07", kShapeRound, "v1=10\n", Expect::kTurns, Expect::kTurns},
    {kVf, 10, "VF-11/12", kShapeRound, "v1=300\nv2=200\n", Expect::kTurns, Expect::kTurns},
    {kVf, 14, "VF/KS-20", kShapeRound, "", Expect::kTurns, Expect::kTurns},
    {kVf, 14, "VF/KS-20", kShapeRound, "v1=10\n", Expect::kTurns, Expect::kTurns},
    {kVf, 15, "VF/KS-21", kShapeRound, "", Expect::kTurns, Expect::kTurns},
    {kVf, 15, "VF/KS-21", kShapeRound, "v1=10\n", Expect::kTurns, Expect::kTurns},
    // Fire dampers, fans, heaters and filters.
    {kTv, 1, "VT-3-2", kShapeRect, "", Expect::kRefused, Expect::kRefused},
    {kTv, 2, "VT-3-2K", kShapeRound, "", Expect::kRefused, Expect::kRefused},
    {kTv, 3, "LZ3", kShapeRect, "", Expect::kRefused, Expect::kRefused},
    {kTv, 4, "LZ3K", kShapeRound, "", Expect::kRefused, Expect::kRefused},
    {kTv, 14, "XN2-A", kShapeRect, "", Expect::kRefused, Expect::kRefused},
    {kTv, 15, "XN2-AK", kShapeRound, "", Expect::kRefused, Expect::kRefused},
    {kTv, 16, "XN2-J", kShapeRect, "", Expect::kRefused, Expect::kRefused},
    {kTv, 17, "XN2-JK", kShapeRound, "", Expect::kRefused, Expect::kRefused},
    {kMsc, 1, "Ventilator", kShapeRect, "", Expect::kRefused, Expect::kRefused},
    {kMsc, 2, "Ventilator (d)", kShapeRound, "", Expect::kRefused, Expect::kRefused},
    {kMsc, 3, "Kalorifer +", kShapeRect, "", Expect::kRefused, Expect::kRefused},
    {kMsc, 4, "Kalorifer -", kShapeRect, "", Expect::kRefused, Expect::kRefused},
    {kMsc, 5, "Kalorifer +/-", kShapeRect, "", Expect::kRefused, Expect::kRefused},
    {kMsc, 6, "Kalorifer + (d)", kShapeRound, "", Expect::kRefused, Expect::kRefused},
    {kMsc, 7, "Kalorifer - (d)", kShapeRound, "", Expect::kRefused, Expect::kRefused},
    {kMsc, 8, "Kalorifer +/- (d)", kShapeRound, "", Expect::kRefused, Expect::kRefused},
    {kMsc, 9, "Filter", kShapeRect, "", Expect::kRefused, Expect::kRefused},
    {kMsc, 10, "Filter (d)", kShapeRound, "", Expect::kRefused, Expect::kRefused},
    {kMsc, 11, "Filter", kShapeRect, "", Expect::kRefused, Expect::kRefused},
    {kMsc, 12, "Filter (d)", kShapeRound, "", Expect::kRefused, Expect::kRefused},
};

int PageOf(int family) {
    switch (family) {
    case kVl: return kLnvl;
    case kVf: return kLnvf;
    case kTv: return kLtuzv;
    default: return kLvnt;
    }
}

// Two connectors that face away from each other along the element's x axis:
// the ends a run goes through.
bool HoldsARun(const LObject* e) {
    bool plus = false, minus = false;
    for (int16_t c = 0; c < e->GetConnectorCount(); ++c) {
        plus = plus || e->GetConnector(c)->side == 2;
        minus = minus || e->GetConnector(c)->side == 5;
    }
    return plus && minus;
}

// What the drawing holds of an element: every group of its insert with the
// program's XDATA, reals to the last bit.
std::string Dump(const std::string& handle) {
    ads_name e;
    if (acdbHandEnt(ToWide(handle.c_str()).c_str(), e) != RTNORM)
        return "gone";
    resbuf* list = acdbEntGetX(e, ProgramAppFilter());
    std::string text;
    for (resbuf* rb = list; rb; rb = rb->rbnext) {
        text += DescribeResbuf(rb);
        int t = rb->restype;
        bool point = (t >= 10 && t <= 17) || (t >= 1010 && t <= 1013);
        bool real = (t >= 38 && t <= 59) || (t >= 1040 && t <= 1042);
        char bits[80] = "";
        if (point)
            std::snprintf(bits, sizeof bits, "%a %a %a\n", rb->resval.rpoint[0], rb->resval.rpoint[1],
                          rb->resval.rpoint[2]);
        else if (real)
            std::snprintf(bits, sizeof bits, "%a\n", rb->resval.rreal);
        text += bits;
    }
    acutRelRb(list);
    return text;
}

class TurnBetweenJointsTest : public PlacementTest {
protected:
    static std::string HandleOf(const ads_name entity) {
        ElementPtr e(LoadElementFromEntity(entity));
        return e ? e->HandleText() : "";
    }
    static ElementPtr Load(const std::string& handle) {
        ads_name entity;
        if (acdbHandEnt(ToWide(handle.c_str()).c_str(), entity) != RTNORM)
            return nullptr;
        return ElementPtr(LoadElementFromEntity(entity));
    }
    void Duct(int16_t shape) { Place(shape == kShapeRound ? kLnvf : kLnvl, kDuct); }

    // A duct, the element, its own values, and a duct on its far run end;
    // the element's handle, or "" when it cannot be laid so.
    std::string LayInRun(const Case& c, double y) {
        if (c.shape == kShapeRound)
            SetStart(0, y, 0, kShapeRound, kRound, kRound);
        else
            SetStart(0, y, 0, kShapeRect, c.a, c.b);
        Duct(c.shape);
        Place(PageOf(c.family), c.subtype);
        std::string handle = HandleOf(state->currentEntity);
        // Turned at its one joint until the next duct goes on its far run end.
        for (int turn = 0; turn < 3; ++turn) {
            ElementPtr e = Load(handle);
            if (!e || e->GetFamily() != c.family || e->GetSubtype() != c.subtype)
                return "";
            int16_t joined = e->NextConnectedConnector(-1, -1);
            int16_t next = e->NextFreeConnector(-1, -1);
            if (joined != -1 && next != -1 &&
                e->GetConnector(joined)->side + e->GetConnector(next)->side == 7)
                break;
            Run(kLrot);
        }
        if (c.own[0])
            Run(kLprop, std::string(c.own) + "accept\n");
        ElementPtr e = Load(handle);
        int16_t next = e ? e->NextFreeConnector(-1, -1) : -1;
        if (next == -1)
            return "";
        Duct(e->GetConnector(next)->shape);
        Run(kLcur, "#" + handle + "\n");
        return handle;
    }

    struct Seen {
        std::string dump;     // the element and both neighbours as stored
        std::vector<std::string> neighbours;  // the handle joined at each connector
        int16_t orientation = -1;
        double rotation = 0;
        std::vector<double> values;
        std::vector<int> joinedValue;  // 1: bound to a joined connector
    };
    static Seen Look(const std::string& handle) {
        Seen s;
        ElementPtr e = Load(handle);
        if (!e)
            return s;
        s.dump = Dump(handle);
        s.orientation = e->GetOrientation();
        s.rotation = e->GetRotation();
        double* v = nullptr;
        e->GetParams(&v);
        s.values.assign(v, v + e->GetParamCount());
        delete[] v;
        s.joinedValue.assign(s.values.size(), 0);
        for (int16_t c = 0; c < e->GetConnectorCount(); ++c) {
            LConnector* mine = e->GetConnector(c);
            std::string theirs = mine->IsFree() ? "" : mine->neighbourHandle;
            s.neighbours.push_back(theirs);
            if (theirs.empty())
                continue;
            s.dump += Dump(theirs);
            for (int16_t p : {mine->paramA, mine->paramB})
                if (p >= 0 && p < static_cast<int16_t>(s.values.size()))
                    s.joinedValue[p] = 1;
        }
        return s;
    }

    // Both joints recorded on both sides, their points and sizes met.
    static void ExpectJointsMeet(const std::string& handle) {
        ElementPtr e = Load(handle);
        ASSERT_TRUE(e);
        int joints = 0;
        for (int16_t c = 0; c < e->GetConnectorCount(); ++c) {
            LConnector* mine = e->GetConnector(c);
            if (mine->IsFree())
                continue;
            ++joints;
            ElementPtr other(e->LoadNeighbour(c));
            LConnector* theirs = other ? other->GetConnector(mine->neighbourIndex) : nullptr;
            ASSERT_TRUE(theirs) << "connector " << c;
            EXPECT_STREQ(theirs->neighbourHandle, e->HandleText()) << "connector " << c;
            ads_point p, q;
            mine->GetWorldPoint(p);
            theirs->GetWorldPoint(q);
            EXPECT_LE(std::hypot(p[0] - q[0], p[1] - q[1]), kMeets) << "connector " << c;
            double w = 0, h = 0, tw = 0, th = 0;
            mine->GetSize(&w, &h);
            theirs->GetSize(&tw, &th);
            EXPECT_EQ(w, tw) << "connector " << c;
            if (mine->shape == kShapeRect) {
                EXPECT_EQ(h, th) << "connector " << c;
            }
        }
        EXPECT_EQ(joints, 2);
    }

    // One command on the current element, judged against what it was.
    void Turn(int code, Expect expect, const std::string& handle) {
        SCOPED_TRACE(code == kLrot ? "lrot" : "lplane");
        Seen before = Look(handle);
        Run(code);
        Seen after = Look(handle);
        bool turned = after.neighbours != before.neighbours || after.rotation != before.rotation ||
                      after.orientation != before.orientation;
        EXPECT_EQ(turned, expect == Expect::kTurns);
        if (!turned) {
            EXPECT_TRUE(after.dump == before.dump) << "a refused turn changed the drawing";
            return;
        }
        ExpectJointsMeet(handle);
        // Its own values stay; only those of the ends it is joined to follow
        // the runs.
        ASSERT_EQ(after.values.size(), before.values.size());
        for (size_t p = 0; p < after.values.size(); ++p)
            if (!before.joinedValue[p] && !after.joinedValue[p]) {
                EXPECT_EQ(after.values[p], before.values[p]) << "value " << p;
            }
        // A turn keeps the stored rotation within one turn either way.
        EXPECT_LE(std::fabs(after.rotation), 2 * M_PI + 1e-9);
    }
};

// Every type of two or three connectors through which a run goes is in the
// table, and each one is laid as the table says.
TEST_F(TurnBetweenJointsTest, TheTableHoldsEveryTypeARunGoesThrough) {
    std::set<std::string> listed;
    for (const Case& c : kCases)
        listed.insert(c.name);
    for (int family : {kVl, kVf, 3, kTv, kMsc})
        for (int subtype = 1; subtype <= TypeRowCount(family) + 8; ++subtype) {
            if (IsAliasSubtype(family, subtype))
                continue;
            ElementPtr e(MakeElement(static_cast<int16_t>(family), static_cast<uint16_t>(subtype)));
            if (!e || e->GetKind() != 0 || e->GetConnectorCount() < 2 || e->GetConnectorCount() > 3 ||
                !HoldsARun(e.get()))
                continue;
            const LTypeEntry* entry = TypeEntryOf(family, subtype);
            ASSERT_TRUE(entry);
            EXPECT_TRUE(listed.count(entry->name)) << entry->name;
        }
}

TEST_F(TurnBetweenJointsTest, EveryTypeInARunTurnsBetweenItsJointsKeepingItsOwnValues) {
    const std::vector<std::vector<int>> sequences = {
        {kLrot, kLrot}, {kLplane, kLplane}, {kLrot, kLplane}, {kLplane, kLrot}};
    double y = 0;
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.name) + " " + c.own);
        for (const auto& sequence : sequences) {
            y += 5000;
            std::string handle = LayInRun(c, y);
            EXPECT_FALSE(handle.empty());
            if (handle.empty())
                break;
            ExpectJointsMeet(handle);
            for (int code : sequence)
                Turn(code, code == kLrot ? c.rotate : c.plane, handle);
        }
    }
}

// An element that was never edited (one laid first on a start point and
// joined at its other end later, or one of an older drawing) still keeps
// its own spigot, branch and outlet when it is turned: its values are not
// refilled from the ends it is joined to.
TEST_F(TurnBetweenJointsTest, AnElementNeverEditedKeepsItsOwnValuesWhenTurned) {
    const char* kept[] = {"VL-11", "VL-11K", "VF/KS-06", "VF-11/12"};
    double y = 0;
    for (const Case& c : kCases) {
        bool listed = false;
        for (const char* name : kept)
            listed = listed || std::strcmp(c.name, name) == 0;
        if (!listed || c.rotate != Expect::kTurns)
            continue;
        SCOPED_TRACE(std::string(c.name) + " " + c.own);
        for (int code : {kLrot, kLplane}) {
            y -= 5000;
            std::string handle = LayInRun(c, y);
            ASSERT_FALSE(handle.empty());
            {
                ElementPtr e = Load(handle);
                ASSERT_TRUE(e);
                e->edited = 0;
                e->Insert(kWriteElement);
            }
            Run(kLcur, "#" + handle + "\n");
            Turn(code, Expect::kTurns, handle);
        }
    }
}

}  // namespace
