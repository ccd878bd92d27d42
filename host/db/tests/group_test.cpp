// Group values: kinds by code range, texts inside and outside the group.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/group.h"

using host::db::Group;
using host::db::ValueKind;

TEST(GroupKinds, CodeRangesGiveValueKinds) {
    struct Case {
        int code;
        ValueKind kind;
    } cases[] = {{0, ValueKind::Text},       {8, ValueKind::Text},     {10, ValueKind::Point},  {39, ValueKind::Real},
                 {40, ValueKind::Real},      {62, ValueKind::Int16},   {90, ValueKind::Int32},  {100, ValueKind::Text},
                 {102, ValueKind::Text},     {160, ValueKind::Int64},  {210, ValueKind::Point}, {290, ValueKind::Int16},
                 {310, ValueKind::Binary},   {330, ValueKind::Handle}, {360, ValueKind::Handle}, {390, ValueKind::Handle},
                 {1000, ValueKind::Text},    {1004, ValueKind::Binary}, {1005, ValueKind::Text}, {1010, ValueKind::Point},
                 {1041, ValueKind::Real},    {1070, ValueKind::Int16}, {1071, ValueKind::Int32}};
    for (const Case& c : cases) {
        ValueKind kind;
        ASSERT_TRUE(host::db::kindOfCode(c.code, kind)) << c.code;
        EXPECT_EQ(kind, c.kind) << c.code;
    }
    ValueKind kind;
    for (int bad : {-6, 1006, 1072, 2000, 5005}) EXPECT_FALSE(host::db::kindOfCode(bad, kind)) << bad;
}

TEST(GroupValues, LongTextsSurviveCopyMoveAndAssignment) {
    std::string longText(300, 'x');
    Group a = Group::text(1, longText);
    Group b = a;                      // copy
    Group c = std::move(a);           // move
    Group d = Group::text(1, "short");
    d = b;                            // copy over an inline text
    Group e = Group::text(1, std::string(100, 'y'));
    e = std::move(c);                 // move over a heap text
    EXPECT_EQ(b.asText(), longText);
    EXPECT_EQ(d.asText(), longText);
    EXPECT_EQ(e.asText(), longText);
    host::db::GroupList many(50, Group::text(3, std::string(40, 'z')));
    many.insert(many.begin(), Group::text(3, "first"));  // shifts every group
    EXPECT_EQ(many.back().asText(), std::string(40, 'z'));
    EXPECT_EQ(Group::text(1, std::string(24, 'q')).asText().size(), 24u);  // the largest inline text
}

TEST(GroupValues, AccessorsAnswerOnlyForTheirKind) {
    Group p = Group::point(10, 1, 2, 3);
    EXPECT_EQ(p.asPoint()[2], 3);
    EXPECT_EQ(p.asReal(), 0);
    EXPECT_EQ(p.asText(), "");
    EXPECT_FALSE(p.pointIs2d());
    EXPECT_TRUE(Group::point2d(10, 1, 2).pointIs2d());
    EXPECT_EQ(Group::integer(90, 70000).kind(), ValueKind::Int32);
    EXPECT_EQ(Group::integer(62, 5).kind(), ValueKind::Int16);
    EXPECT_EQ(Group::integer(160, 1LL << 40).asInt(), 1LL << 40);
    EXPECT_NE(Group::real(40, 1.0), Group::real(41, 1.0));
}

TEST(Handles, TextAndParse) {
    EXPECT_EQ(host::db::handleText(0), "0");
    EXPECT_EQ(host::db::handleText(0x1A2B), "1A2B");
    host::db::Handle h = 0;
    EXPECT_TRUE(host::db::parseHandle("1a2b", h));
    EXPECT_EQ(h, 0x1A2Bu);
    EXPECT_TRUE(host::db::parseHandle("FFFFFFFFFFFFFFFF", h));
    EXPECT_FALSE(host::db::parseHandle("", h));
    EXPECT_FALSE(host::db::parseHandle("12345678901234567", h));  // 17 digits
    EXPECT_FALSE(host::db::parseHandle("G1", h));
    EXPECT_FALSE(host::db::parseHandle(" 1", h));
}
