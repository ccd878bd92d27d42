// An element whose insert another program mirrored in 3D (extrusion 0,0,-1,
// its point in that plane's coordinates) or stood upright is never copied,
// exploded, placed at, fitted to or labelled as if its point were a plan
// point: each command through the real dispatch leaves it as it is and says
// so.  A command that acts by its own element alone is not stopped by a
// neighbour in another plane.
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "ads_entity.h"
#include "core/entity_handles.h"
#include "core/insert_plane.h"
#include "core/resbuf_dump.h"
#include "core/string_convert.h"
#include "core/xdata_list.h"
#include "module_fixture.h"

namespace {

enum Code : int {
    kLcur = 9, kLrot = 10, kLplane = 11, kLmove = 12, kLexplode = 13, kLdim = 16, kLairdim = 17, kLlist = 18,
    kLins = 20, kLcopy = 21, kLmirror = 22
};
constexpr int16_t kVl01 = 1;
constexpr int16_t kCsd = 1;
constexpr int kNone = -1;

// Extrusion directions another program leaves on an insert: mirrored in 3D,
// and stood upright in a vertical plane.
using Direction = std::array<double, 3>;
constexpr Direction kMirrored = {0, 0, -1};
constexpr Direction kUpright = {1, 0, 0};

std::string Groups(const ads_name e) {
    resbuf* list = acdbEntGetX(e, ProgramAppFilter());
    std::string text;
    for (resbuf* rb = list; rb; rb = rb->rbnext)
        text += DescribeResbuf(rb);
    acutRelRb(list);
    return text;
}

// Every entity of the drawing with the program's XDATA, in drawing order.
std::string DrawingDump() {
    std::string text;
    ads_name e;
    for (int status = acdbEntNext(nullptr, e); status == RTNORM;) {
        text += Groups(e) + "\n";
        ads_name next;
        status = acdbEntNext(e, next);
        ads_name_set(next, e);
    }
    return text;
}

std::string EntityDump(const std::string& handle) {
    ads_name e;
    return acdbHandEnt(ToWide(handle.c_str()).c_str(), e) == RTNORM ? Groups(e) : "gone";
}

// "{k}" in the input stands for the handle of the k-th element laid.
std::string Fill(std::string lines, const std::vector<std::string>& handles) {
    for (size_t k = 0; k < handles.size(); ++k) {
        std::string mark = "{" + std::to_string(k) + "}";
        for (size_t at = lines.find(mark); at != std::string::npos; at = lines.find(mark))
            lines.replace(at, mark.size(), handles[k]);
    }
    return lines;
}

class OtherPlaneTest : public PlacementTest {
protected:
    // Ducts of 1500 along +x and a CSD grille on the last; handles in
    // laying order.
    std::vector<std::string> LayRun(int ducts) {
        SetStart(0, 0, 0, kShapeRect, 400, 300);
        std::vector<std::string> handles;
        for (int i = 0; i < ducts; ++i) {
            Place(kLnvl, kVl01);
            handles.push_back(HandleOfEntity(state->currentEntity));
        }
        Place(kLracs, kCsd);
        handles.push_back(HandleOfEntity(state->currentEntity));
        return handles;
    }
    // The insert as a program that mirrors it in 3D about the plane x = 0
    // leaves it: extrusion 0,0,-1, the point (x, y, z) of the plan written
    // (-x, y, -z) in the insert's own coordinates.
    static void PutInMirroredPlane(const std::string& handle) { PutInPlane(handle, kMirrored); }
    // The insert with the extrusion n, its plan point written in the
    // coordinates of n's plane (the DXF arbitrary axis algorithm).
    static void PutInPlane(const std::string& handle, const Direction& n) {
        ads_name e;
        ASSERT_EQ(acdbHandEnt(ToWide(handle.c_str()).c_str(), e), RTNORM);
        resbuf* list = acdbEntGet(e);
        ASSERT_NE(list, nullptr);
        resbuf* normal = FindGroup(list, kExtrusionCode);
        resbuf* point = FindGroup(list, 10);
        ASSERT_NE(point, nullptr);
        if (normal) {
            for (int k = 0; k < 3; ++k)
                normal->resval.rpoint[k] = n[k];
        } else {
            ads_point direction = {n[0], n[1], n[2]};
            resbuf* last = list;
            while (last->rbnext)
                last = last->rbnext;
            last->rbnext = acutBuildList(kExtrusionCode, direction, 0);
        }
        const Direction axis = std::abs(n[0]) < 1.0 / 64 && std::abs(n[1]) < 1.0 / 64 ? Direction{0, 1, 0}
                                                                                      : Direction{0, 0, 1};
        const Direction ax = Cross(axis, n), ay = Cross(n, ax);
        const Direction plan = {point->resval.rpoint[0], point->resval.rpoint[1], point->resval.rpoint[2]};
        point->resval.rpoint[0] = Dot(plan, ax);
        point->resval.rpoint[1] = Dot(plan, ay);
        point->resval.rpoint[2] = Dot(plan, n);
        EXPECT_EQ(acdbEntMod(list), RTNORM);
        acutRelRb(list);
        ASSERT_FALSE(InsertInDrawingPlane(e));
    }
    static Direction Cross(const Direction& a, const Direction& b) {
        return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
    }
    static double Dot(const Direction& a, const Direction& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
};

struct Case {
    const char* name;
    int ducts;     // laid along +x, with a grille on the last
    int mirrored;  // the element put in the mirrored plane (laying order)
    int current;   // the element picked with lcur before the command, or kNone
    int code;      // the command
    const char* input;
    const char* said;
    bool drawingKept;  // nothing at all is written
    int made;          // elements the command makes, or kNone
    Direction plane = kMirrored;  // the extrusion given to the element
};

// Without the check each of these writes an element (the mirrored one, one
// fitted to it, or a copy) at the mirror image of its place.
const Case kCases[] = {
    {"lcopy", 3, 1, kNone, kLcopy, "#{0}\n#{1}\n#{2}\n#{3}\n\n0,0\n0,5000\nok\n",
     "1 selected element(s) left out: their insert lies in another plane", false, 3},
    {"lmirror", 3, 1, kNone, kLmirror, "#{0}\n#{1}\n#{2}\n#{3}\n\n5000,0\n5000,1000\nok\n",
     "1 selected element(s) left out: their insert lies in another plane", false, 3},
    {"lcur", 2, 1, kNone, kLcur, "#{1}\n", "lies in another plane", true, kNone},
    {"placement at its free connector", 2, 1, 1, kLnvl, "", "lies in another plane", false, kNone},
    {"lins", 2, 1, kNone, kLins, "#{0}\n#{1}\n", "lies in another plane", true, kNone},
    {"lmove to its connector", 2, 0, 1, kLmove, "", "lies in another plane", true, kNone},
    {"lrot at it", 2, 0, 1, kLrot, "", "lies in another plane", true, kNone},
    {"lplane at it", 2, 0, 1, kLplane, "", "lies in another plane", true, kNone},
    {"lrot of its parent", 2, 2, 1, kLrot, "", "lies in another plane", true, kNone},
    {"ldim", 2, 0, 1, kLdim, "1067=1\n1082=0\nok\n300,700\n\n300,-700\n\n300,700\n\n300,-700\n\n",
     "1 element(s) of air system HV1 lie in another plane", true, kNone},
    {"lexplode", 2, 1, kNone, kLexplode, "#{1}\n\n1034=Plain copies\nok\n",
     "1 selected element(s) left out: their insert lies in another plane", true, 0},
    {"lexplode upright", 2, 1, kNone, kLexplode, "#{0}\n#{1}\n\n1034=Plain copies\nok\n",
     "1 selected element(s) left out: their insert lies in another plane", false, 0, kUpright},
};

TEST_F(OtherPlaneTest, ElementInMirroredPlaneIsLeftAsItIsWithAWord) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        std::vector<std::string> h = LayRun(c.ducts);
        PutInPlane(h[c.mirrored], c.plane);
        Transcript();
        if (c.current != kNone)
            Run(kLcur, "#" + h[c.current] + "\n");
        const std::string mirrored = EntityDump(h[c.mirrored]), drawing = DrawingDump();
        size_t elements = StoredElements().size();
        if (c.code == kLnvl)
            Place(kLnvl, kVl01, Fill(c.input, h));
        else
            Run(c.code, Fill(c.input, h));
        std::string said = Transcript();
        EXPECT_NE(said.find(c.said), std::string::npos) << said;
        EXPECT_EQ(EntityDump(h[c.mirrored]), mirrored);
        if (c.drawingKept) {
            EXPECT_EQ(DrawingDump(), drawing);
        }
        if (c.made != kNone) {
            EXPECT_EQ(StoredElements().size(), elements + c.made);
        }
    }
}

// The airflow label is placed by the element's own connector and label
// anchor: another plane around it does not matter, its own does.
TEST_F(OtherPlaneTest, AirflowLabelIsRefusedOnlyForItsOwnElementInAnotherPlane) {
    const struct {
        const char* name;
        int current;
        int mirrored;
        bool labelled;
    } cases[] = {
        {"its neighbour mirrored", 0, 1, true},
        {"the grille on it mirrored", 1, 2, true},
        {"itself mirrored", 0, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        std::vector<std::string> h = LayRun(2);
        Run(kLcur, "#" + h[c.current] + "\n");
        PutInMirroredPlane(h[c.mirrored]);
        const std::string mirrored = EntityDump(h[c.mirrored]), drawing = DrawingDump();
        Transcript();
        Run(kLairdim, "500,800\nnone\n");
        std::string said = Transcript();
        EXPECT_EQ(said.find("Position of the airflow label") != std::string::npos, c.labelled) << said;
        EXPECT_EQ(said.find("lies in another plane") == std::string::npos, c.labelled) << said;
        EXPECT_EQ(EntityDump(h[c.mirrored]), mirrored);
        // The label is made, or nothing at all.
        EXPECT_EQ(DrawingDump() != drawing, c.labelled);
    }
}

// The ends of every leader (LINE) of the drawing, in drawing order.
std::string LeaderEnds() {
    std::string text;
    ads_name e;
    for (int status = acdbEntNext(nullptr, e); status == RTNORM;) {
        resbuf* list = acdbEntGet(e);
        resbuf* type = FindGroup(list, 0);
        if (type && type->resval.rstring && std::wstring(type->resval.rstring) == L"LINE")
            for (int code : {10, 11})
                if (resbuf* p = FindGroup(list, code))
                    text += DescribeResbuf(p);
        acutRelRb(list);
        ads_name next;
        status = acdbEntNext(e, next);
        ads_name_set(next, e);
    }
    return text;
}

TEST_F(OtherPlaneTest, RenumberingLeavesTheLeadersOfAMirroredElementWhereTheyAre) {
    // Numbered in the plan, then mirrored in 3D by another program with its
    // labels: a new first number rewrites every label of the system, and the
    // leader of the mirrored element must not be drawn to the mirror image
    // of its anchor.
    std::vector<std::string> h = LayRun(2);
    Run(kLcur, "#" + h[0] + "\n");
    Run(kLdim, "1067=1\n1082=1\nok\n@0,-900\n@0,-900\n^C\n");
    const std::string before = LeaderEnds();
    ASSERT_NE(before, "");
    PutInMirroredPlane(h[1]);
    Transcript();
    Run(kLsys, "list=0\nedit\n1010=11\nok\naccept\n");
    EXPECT_EQ(LeaderEnds(), before) << Transcript();
}

}  // namespace
