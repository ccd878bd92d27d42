// The copy and mirror commands on a real run: what the copies are joined
// to, which labels come along, the system they get, prompts answered with
// something other than a point, and the sources left as they were; a label
// taken into a custom element, and a joined duct taken into one; what
// cannot be rebuilt is left out with a word.
#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ads_entity.h"
#include "api/host_api.h"
#include "core/element_load.h"
#include "core/entity_handles.h"
#include "core/labels.h"
#include "core/resbuf_dump.h"
#include "core/string_convert.h"
#include "core/system_list.h"
#include "core/xdata_list.h"
#include "db/database.h"
#include "io/io.h"
#include "module_fixture.h"

namespace {

enum CopyCode : int { kLdim = 16, kLcopy = 21, kLmirror = 22, kLcustom = 27 };
constexpr int16_t kVl01 = 1;
constexpr int16_t kCsd = 1;
constexpr double kPi = 3.14159265358979323846;

// What the drawing says of one element.
struct Seen {
    std::string tag;
    std::vector<std::string> joints;  // neighbour handle per joined connector
    std::string parent;
    std::vector<std::string> children;
    std::vector<std::string> labels;  // insert and leader handles of each node
    double x = 0, y = 0, rotation = 0;
};

std::string Handle(const ads_name e) { return HandleOfEntity(e); }

class CopyCommandsTest : public PlacementTest {
protected:
    // Three ducts of 1500 along +x and a CSD grille on the last; handles in
    // laying order.
    std::vector<std::string> LayRunWithGrille(int ducts = 3) {
        SetStart(0, 0, 0, kShapeRect, 400, 300);
        std::vector<std::string> handles;
        for (int i = 0; i < ducts; ++i) {
            Place(kLnvl, kVl01);
            handles.push_back(Handle(state->currentEntity));
        }
        Place(kLracs, kCsd);
        handles.push_back(Handle(state->currentEntity));
        return handles;
    }
    static std::map<std::string, Seen> Elements() {
        std::map<std::string, Seen> out;
        ads_name e;
        for (int status = acdbEntNext(nullptr, e); status == RTNORM;) {
            if (LObject* read = LoadElementFromEntity(e)) {
                Seen s;
                s.tag = read->System().tag;
                for (int16_t i = 0; i < read->GetConnectorCount(); ++i)
                    if (!read->GetConnector(i)->IsFree())
                        s.joints.push_back(read->GetConnector(i)->neighbourHandle);
                s.parent = Handle(read->parentEntity);
                ads_name child;
                for (LChildNode* n = read->NextChild(child, nullptr); n; n = read->NextChild(child, n))
                    s.children.push_back(Handle(child));
                for (LLabelNode* n = &read->firstLabel; n; n = n->next)
                    s.labels.push_back(Handle(n->insert) + "/" + Handle(n->leader));
                s.x = read->insertionPoint[0];
                s.y = read->insertionPoint[1];
                s.rotation = read->GetRotation();
                out[read->HandleText()] = s;
                DestroyElement(read);
            }
            ads_name next;
            status = acdbEntNext(e, next);
            ads_name_set(next, e);
        }
        return out;
    }
    // Every group of the entity's data with the program's XDATA.
    static std::string Dump(const std::string& handle) {
        ads_name e;
        if (acdbHandEnt(ToWide(handle.c_str()).c_str(), e) != RTNORM)
            return "gone";
        resbuf* list = acdbEntGetX(e, ProgramAppFilter());
        std::string text;
        for (resbuf* rb = list; rb; rb = rb->rbnext)
            text += DescribeResbuf(rb);
        acutRelRb(list);
        return text;
    }
    static std::string Picks(const std::vector<std::string>& handles) {
        std::string lines;
        for (const std::string& h : handles)
            lines += "#" + h + "\n";
        return lines + "\n";
    }
    // The elements made since `before` was taken.
    static std::map<std::string, Seen> MadeSince(const std::map<std::string, Seen>& before) {
        std::map<std::string, Seen> made;
        for (const auto& [h, s] : Elements())
            if (!before.count(h))
                made[h] = s;
        return made;
    }
    // The label entities (insert, leader) of the drawing in drawing order,
    // each with the handles of its label data.
    static std::vector<std::pair<std::string, std::vector<std::string>>> Labels() {
        std::vector<std::pair<std::string, std::vector<std::string>>> out;
        ads_name e;
        for (int status = acdbEntNext(nullptr, e); status == RTNORM;) {
            resbuf* list = acdbEntGetX(e, ProgramAppFilter());
            resbuf* marker = FindGroup(list, 1000);
            if (marker && GroupText(marker) == kLabelMarker) {
                std::vector<std::string> handles;
                for (resbuf* rb = marker; rb; rb = rb->rbnext)
                    if (rb->restype == 1005)
                        handles.push_back(GroupText(rb));
                out.push_back({Handle(e), handles});
            }
            acutRelRb(list);
            ads_name next;
            status = acdbEntNext(e, next);
            ads_name_set(next, e);
        }
        return out;
    }
};

TEST_F(CopyCommandsTest, CopiesAreJoinedAmongThemselvesAndNeverToTheSources) {
    std::vector<std::string> h = LayRunWithGrille();  // ducts A B C, grille G on C
    enum { A, B, C, G };
    std::map<std::string, std::string> sources;
    for (const std::string& s : h)
        sources[s] = Dump(s);
    const struct {
        std::vector<int> picked;
        int joints;           // joined connectors over all copies
        int parents, children;
    } cases[] = {
        {{A, B, C, G}, 4, 1, 1},
        {{B}, 0, 0, 0},     // both joints went to elements not copied
        {{A, B}, 2, 0, 0},  // their joint follows, the one to C is dropped
        {{G}, 0, 0, 0},     // a grille without its duct has no parent
        {{C}, 0, 0, 0},     // a duct without its grille has no child
    };
    for (const auto& c : cases) {
        std::vector<std::string> picked;
        for (int i : c.picked)
            picked.push_back(h[i]);
        auto before = Elements();
        Run(kLcopy, Picks(picked) + "0,0\n0,5000\nok\n");
        auto made = MadeSince(before);
        ASSERT_EQ(made.size(), picked.size()) << Picks(picked);
        int joints = 0, parents = 0, children = 0;
        for (const auto& [handle, s] : made) {
            EXPECT_EQ(s.tag, "HV1");
            EXPECT_NEAR(s.y, 5000, 1e-5);
            for (const std::string& other : s.joints) {
                ASSERT_TRUE(made.count(other)) << handle << " -> " << other;
                const auto& back = made.at(other).joints;
                EXPECT_NE(std::find(back.begin(), back.end(), handle), back.end()) << handle;
                ++joints;
            }
            if (!s.parent.empty()) {
                EXPECT_TRUE(made.count(s.parent)) << s.parent;
                ++parents;
            }
            for (const std::string& child : s.children) {
                EXPECT_TRUE(made.count(child)) << child;
                ++children;
            }
        }
        EXPECT_EQ(joints, c.joints) << Picks(picked);
        EXPECT_EQ(parents, c.parents) << Picks(picked);
        EXPECT_EQ(children, c.children) << Picks(picked);
        for (const auto& [handle, dump] : sources)
            EXPECT_EQ(Dump(handle), dump) << handle;
    }
}

TEST_F(CopyCommandsTest, LabelsFollowTheirCopiesAndNeverNameASourceLeader) {
    std::vector<std::string> h = LayRunWithGrille(1);
    Run(kLdim, "1067=1\n1082=0\nok\n300,700\n\n300,-700\n\n");
    auto labels = Labels();
    ASSERT_GE(labels.size(), 2u);
    const std::string labelInsert = labels[0].first, leader = labels[0].second[0];
    const std::string element = labels[0].second[1];

    // The element with its label insert and leader.
    auto before = Elements();
    Run(kLcopy, Picks({element, labelInsert, leader}) + "0,0\n0,5000\nok\n");
    auto made = MadeSince(before);
    ASSERT_EQ(made.size(), 1u);
    const auto& [copy, seen] = *made.begin();
    auto after = Labels();
    ASSERT_EQ(after.size(), labels.size() + 2);
    const auto& copiedInsert = after[after.size() - 2];
    const auto& copiedLeader = after[after.size() - 1];
    EXPECT_EQ(copiedInsert.second, (std::vector<std::string>{copiedLeader.first, copy}));
    EXPECT_EQ(copiedLeader.second, (std::vector<std::string>{copiedInsert.first, copy}));
    EXPECT_EQ(seen.labels[0], copiedInsert.first + "/" + copiedLeader.first);

    // The label insert without its leader: the copy names no leader.
    before = Elements();
    Run(kLcopy, Picks({element, labelInsert}) + "0,0\n0,9000\nok\n");
    made = MadeSince(before);
    ASSERT_EQ(made.size(), 1u);
    auto last = Labels().back();
    EXPECT_EQ(last.second, (std::vector<std::string>{"0", made.begin()->first}));
    EXPECT_EQ(made.begin()->second.labels[0], last.first + "/");
    EXPECT_NE(Dump(leader), "gone");
}

TEST_F(CopyCommandsTest, ALabelAndItsLeaderTakenIntoACustomElementLeaveNeither) {
    // The label first: its reactor erases the leader, which the command, coming
    // to it, must not bring back.  Either order leaves both in the block only.
    LayRunWithGrille(1);
    Run(kLdim, "1067=1\n1082=0\nok\n300,700\n\n300,-700\n\n");
    auto labels = Labels();
    ASSERT_GE(labels.size(), 4u);
    for (size_t first : {size_t{0}, size_t{3}}) {
        SCOPED_TRACE(first);
        const std::string insert = labels[first == 0 ? 0 : 2].first;
        const std::string leader = labels[first == 0 ? 1 : 3].first;
        std::vector<std::string> picks = first == 0 ? std::vector<std::string>{insert, leader}
                                                    : std::vector<std::string>{leader, insert};
        Run(kLcustom, Picks(picks) + "0,3000\n1078=Label box\nok\n");
        EXPECT_EQ(Dump(insert), "gone");
        EXPECT_EQ(Dump(leader), "gone");
    }
}

TEST_F(CopyCommandsTest, ADuctTakenIntoACustomElementLeavesItsNeighboursFree) {
    std::vector<std::string> h = LayRunWithGrille(3);
    Run(kLcustom, Picks({h[1]}) + "0,3000\n1078=Duct box\nok\n");
    ASSERT_EQ(Dump(h[1]), "gone");
    // Each connector of the ducts either side: neighbour handle and index.
    for (const std::string& side : {h[0], h[2]}) {
        ads_name e;
        ASSERT_EQ(acdbHandEnt(ToWide(side.c_str()).c_str(), e), RTNORM);
        resbuf* list = acdbEntGetX(e, ProgramAppFilter());
        const resbuf* rb = FindGroup(list, 1005);  // the first connector's
        for (int c = 0; c < 2 && rb && rb->rbnext && rb->rbnext->rbnext; ++c, rb = rb->rbnext->rbnext->rbnext) {
            ASSERT_EQ(rb->restype, 1005);
            std::string neighbour = GroupText(rb);
            EXPECT_NE(neighbour, h[1]) << side;
            if (neighbour == "0") {
                EXPECT_EQ(rb->rbnext->resval.rint, -1) << side << " connector " << c;
            }
        }
        acutRelRb(list);
    }
    // The rewritten neighbour keeps its grille.
    EXPECT_EQ(Elements().at(h[2]).children, std::vector<std::string>{h[3]});
}

TEST_F(CopyCommandsTest, SystemOfTheFirstElementOrANewOneDefinedForTheTypedTag) {
    std::vector<std::string> h = LayRunWithGrille(1);
    const struct {
        const char* dialogs;
        size_t made;
        const char* tag;
    } cases[] = {
        {"ok\n", 2, "HV1"},                          // the preset tag, no system dialog
        {"1066=zz1\nok\ncancel\n", 0, nullptr},      // the new system not confirmed
        {"1066=zz1\nok\n1001=New air\nok\n", 2, "ZZ1"},
        {"cancel\n", 0, nullptr},
    };
    for (const auto& c : cases) {
        auto before = Elements();
        Run(kLcopy, Picks(h) + "0,0\n3000,0\n" + c.dialogs);
        auto made = MadeSince(before);
        ASSERT_EQ(made.size(), c.made) << c.dialogs;
        for (const auto& [handle, s] : made)
            EXPECT_EQ(s.tag, c.tag) << c.dialogs;
    }
    char zz1[] = "ZZ1";
    EXPECT_NE(FindSystem(state->systemList, zz1), nullptr);
}

TEST_F(CopyCommandsTest, AnythingButAPointAtEitherPromptEndsBothCommands) {
    std::vector<std::string> h = LayRunWithGrille(1);
    const char* answers[] = {"\n", "^C\n", "0,0\n\n", "0,0\n^C\n", "0,0\nabc\n"};
    auto before = Elements();
    for (int code : {kLcopy, kLmirror})
        for (const char* a : answers) {
            Run(code, Picks(h) + a + "ok\n");
            EXPECT_TRUE(MadeSince(before).empty()) << code << " " << a;
        }
    EXPECT_EQ(Transcript().find("Dialog 136"), std::string::npos);
}

TEST_F(CopyCommandsTest, MirrorReflectsPlacesAndTurnsAndJoinsTheImages) {
    std::vector<std::string> h = LayRunWithGrille(2);
    auto sources = Elements();
    const struct {
        const char* line;
        double a;  // the line's angle
        double x1, y1, dx, dy;
    } cases[] = {
        {"5000,0\n5000,1000\n", kPi / 2, 5000, 0, 0, 1},
        {"0,-1000\n1000,0\n", kPi / 4, 0, -1000, 1, 1},
    };
    for (const auto& c : cases) {
        auto before = Elements();
        Run(kLmirror, Picks(h) + c.line + "ok\n");
        auto made = MadeSince(before);
        ASSERT_EQ(made.size(), 3u) << c.line;
        int joints = 0;
        for (const auto& [handle, s] : made) {
            for (const std::string& other : s.joints) {
                EXPECT_TRUE(made.count(other)) << other;
                ++joints;
            }
            EXPECT_TRUE(s.parent.empty() || made.count(s.parent));
        }
        EXPECT_EQ(joints, 2) << c.line;
        // Each source has an image: the point reflected, the rotation 2a - r
        // of some flip of the source's (a half turn or none).
        for (const auto& [handle, s] : sources) {
            double t = ((s.x - c.x1) * c.dx + (s.y - c.y1) * c.dy) / (c.dx * c.dx + c.dy * c.dy);
            double ix = 2 * (c.x1 + t * c.dx) - s.x, iy = 2 * (c.y1 + t * c.dy) - s.y;
            bool found = false;
            for (const auto& [mh, m] : made) {
                double turn = std::remainder(m.rotation - (2 * c.a - s.rotation), kPi);
                found = found || (std::fabs(m.x - ix) < 1e-6 && std::fabs(m.y - iy) < 1e-6 &&
                                  std::fabs(turn) < 1e-6);
            }
            EXPECT_TRUE(found) << handle << " " << c.line;
        }
    }
    // A selection without elements makes nothing.
    auto before = Elements();
    ads_point p1 = {0, -3000, 0}, p2 = {1000, -3000, 0};
    resbuf* line = acutBuildList(RTDXF0, L"LINE", 10, p1, 11, p2, 0);
    ASSERT_EQ(acdbEntMake(line), RTNORM);
    acutRelRb(line);
    ads_name made;
    acdbEntLast(made);
    Run(kLmirror, Picks({Handle(made)}) + "0,0\n0,1\nok\n");
    EXPECT_TRUE(MadeSince(before).empty());
}

TEST_F(CopyCommandsTest, AMirrorLineThroughOnePointIsAskedForAgain) {
    // Two equal points give a line of no direction: the images would be
    // placed about one line and turned about another.
    std::vector<std::string> h = LayRunWithGrille(1);
    auto sources = Elements();
    auto before = Elements();
    Run(kLmirror, Picks(h) + "5000,0\n5000,0\n^C\n");
    EXPECT_TRUE(MadeSince(before).empty());
    EXPECT_EQ(Transcript().find("Dialog 136"), std::string::npos);
    Run(kLmirror, Picks(h) + "5000,0\n5000,0\n5000,1000\nok\n");
    auto made = MadeSince(before);
    ASSERT_EQ(made.size(), sources.size());
    for (const auto& [handle, s] : sources) {
        bool found = false;
        for (const auto& [mh, m] : made) {
            double turn = std::remainder(m.rotation - (kPi - s.rotation), kPi);
            found = found || (std::fabs(m.x - (10000 - s.x)) < 1e-6 && std::fabs(m.y - s.y) < 1e-6 &&
                              std::fabs(turn) < 1e-6);
        }
        EXPECT_TRUE(found) << handle;
    }
}

TEST_F(CopyCommandsTest, AnElementOfAnUnlistedSystemIsNeitherCopiedNorCloned) {
    std::vector<std::string> h = LayRunWithGrille(1);
    ads_name duct;
    ASSERT_EQ(acdbHandEnt(ToWide(h[0].c_str()).c_str(), duct), RTNORM);
    resbuf* list = acdbEntGetX(duct, ProgramAppFilter());
    resbuf* tag = FindGroup(FindGroup(list, -3), 1000);
    ASSERT_NE(tag, nullptr);
    resbuf* other = acutBuildList(1000, L"QQ9", 0);
    std::swap(tag->resval.rstring, other->resval.rstring);
    acutRelRb(other);
    ASSERT_EQ(acdbEntMod(list), RTNORM);
    acutRelRb(list);
    ads_name last, after;
    acdbEntLast(last);
    Run(kLcopy, Picks({h[0]}) + "0,0\n0,5000\n1066=HV1\nok\n");
    acdbEntLast(after);
    EXPECT_EQ(Handle(after), Handle(last));
}

TEST_F(CopyCommandsTest, ElementsThatCannotBeRebuiltAreLeftOutAndCounted) {
    std::vector<std::string> h = LayRunWithGrille(3);  // ducts A B C, grille G on C
    // A's air system is no longer listed; B's data ends after its type.
    for (int k : {0, 1}) {
        ads_name e;
        ASSERT_EQ(acdbHandEnt(ToWide(h[k].c_str()).c_str(), e), RTNORM);
        resbuf* list = acdbEntGetX(e, ProgramAppFilter());
        resbuf* app = FindGroup(list, 1001);
        ASSERT_NE(app, nullptr);
        if (k == 0) {
            resbuf* tag = acutBuildList(1000, L"QQ", 0);
            std::swap(tag->resval.rstring, app->rbnext->resval.rstring);
            acutRelRb(tag);
        } else {
            resbuf* subtype = app->rbnext->rbnext->rbnext->rbnext;  // after the tag, user text, family
            ASSERT_EQ(subtype->restype, 1070);
            acutRelRb(subtype->rbnext);
            subtype->rbnext = nullptr;
        }
        ASSERT_EQ(acdbEntMod(list), RTNORM);
        acutRelRb(list);
    }
    // The listed system's elements first: the dialog proposes its tag.
    const std::vector<std::string> picks = {h[2], h[3], h[0], h[1]};
    for (int code : {kLcopy, kLmirror}) {
        auto before = Elements();
        Transcript();
        Run(code, Picks(picks) + (code == kLcopy ? "0,0\n0,5000\n" : "5000,0\n5000,1000\n") + "ok\n");
        EXPECT_EQ(MadeSince(before).size(), 2u) << code;
        std::string said = Transcript();
        EXPECT_NE(said.find("1 selected element(s) left out: the drawing no longer lists their air system."),
                  std::string::npos) << said;
        EXPECT_NE(said.find("1 selected element(s) left out: their data cannot be read."), std::string::npos)
            << said;
    }
}

// An insert scaled by 0 along x, as only a damaged or edited file holds it:
// the host makes and modifies no such insert, so the stored group is set.
void SetStoredXScale(const std::string& handle, double x) {
    ads_name e;
    ASSERT_EQ(acdbHandEnt(ToWide(handle.c_str()).c_str(), e), RTNORM);
    host::db::Database* db = host::api::currentDatabase();
    ASSERT_NE(db, nullptr);
    host::db::Object* insert = db->object(host::api::slotOf(*db, e));
    ASSERT_NE(insert, nullptr);
    for (host::db::Group& g : insert->groups)
        if (g.code() == 41) {
            g = host::db::Group::real(41, x);
            return;
        }
    FAIL() << "no x scale on " << handle;
}

TEST_F(CopyCommandsTest, ElementsScaledByZeroAreLeftOutAndCounted) {
    std::vector<std::string> h = LayRunWithGrille(3);  // ducts A B C, grille G on C
    SetStoredXScale(h[0], 0.0);
    SetStoredXScale(h[1], -0.0);
    for (int code : {kLcopy, kLmirror}) {
        auto before = Elements();
        Transcript();
        Run(code, Picks(h) + (code == kLcopy ? "0,0\n0,5000\n" : "5000,0\n5000,1000\n") + "ok\n");
        EXPECT_EQ(MadeSince(before).size(), 2u) << code;
        std::string said = Transcript();
        EXPECT_NE(said.find("2 selected element(s) left out: their insert has a scale of 0"), std::string::npos)
            << said;
    }
}

} // namespace
