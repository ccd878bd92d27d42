// What each user of group-code kinds answers for every code from -5 to
// 1071: the drawing database's storage kind, the DXF reader's and writer's
// value kind and point starts, and the value of a C API result buffer.
// They are derived from one table; this pins what they answer, code by code.
#include "api/result_kinds.h"
#include "db/group.h"
#include "dxf/binary_dxf.h"
#include "dxf/group_code.h"
#include "dxf/reader.h"
#include "dxf/tokenizer.h"
#include "dxf/writer.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using S = host::db::ValueKind;
using F = host::dxf::ValueKind;
using P = host::api::Payload;
constexpr std::optional<S> kNone;  // the database stores no group of the code

struct Row {
    int first, last;
    std::optional<S> stored;
    F file;
    bool pointStart;
    P ofCode, ofType;  // payloadOfCode, and payloadOf a node of that type
};

constexpr Row kRows[] = {
    {-5, -5, S::Text, F::String, false, P::Text, P::Bad},
    {-4, -4, S::Text, F::String, false, P::Text, P::Text},
    {-3, -3, S::Text, F::String, false, P::Text, P::None},
    {-2, -1, S::Text, F::String, false, P::Text, P::Name},
    {0, 4, S::Text, F::String, false, P::Text, P::Text},
    {5, 5, S::Text, F::Handle, false, P::Text, P::Text},
    {6, 9, S::Text, F::String, false, P::Text, P::Text},
    {10, 18, S::Point, F::Double, true, P::Point, P::Point},
    {19, 59, S::Real, F::Double, false, P::Real, P::Real},
    {60, 79, S::Int16, F::Int16, false, P::Short, P::Short},
    {80, 89, kNone, F::String, false, P::Bad, P::Bad},
    {90, 99, S::Int32, F::Int32, false, P::Long, P::Long},
    {100, 102, S::Text, F::String, false, P::Text, P::Text},
    {103, 104, kNone, F::String, false, P::Bad, P::Bad},
    {105, 105, S::Text, F::Handle, false, P::Text, P::Text},
    {106, 109, kNone, F::String, false, P::Bad, P::Bad},
    {110, 112, S::Point, F::Double, true, P::Point, P::Point},
    {113, 149, S::Real, F::Double, false, P::Real, P::Real},
    {150, 159, kNone, F::String, false, P::Bad, P::Bad},
    {160, 169, S::Int64, F::Int64, false, P::Int64, P::Int64},
    {170, 179, S::Int16, F::Int16, false, P::Short, P::Short},
    {180, 209, kNone, F::String, false, P::Bad, P::Bad},
    {210, 213, S::Point, F::Double, true, P::Point, P::Point},
    {214, 239, S::Real, F::Double, false, P::Real, P::Real},
    {240, 269, kNone, F::String, false, P::Bad, P::Bad},
    {270, 289, S::Int16, F::Int16, false, P::Short, P::Short},
    {290, 299, S::Int16, F::Bool, false, P::Short, P::Short},
    {300, 309, S::Text, F::String, false, P::Text, P::Text},
    {310, 319, S::Binary, F::Binary, false, P::Binary, P::Binary},
    {320, 369, S::Handle, F::Handle, false, P::Name, P::Name},
    {370, 389, S::Int16, F::Int16, false, P::Short, P::Short},
    {390, 399, S::Handle, F::Handle, false, P::Name, P::Name},
    {400, 409, S::Int16, F::Int16, false, P::Short, P::Short},
    {410, 419, S::Text, F::String, false, P::Text, P::Text},
    {420, 429, S::Int32, F::Int32, false, P::Long, P::Long},
    {430, 439, S::Text, F::String, false, P::Text, P::Text},
    {440, 459, S::Int32, F::Int32, false, P::Long, P::Long},
    {460, 469, S::Real, F::Double, false, P::Real, P::Real},
    {470, 479, S::Text, F::String, false, P::Text, P::Text},
    {480, 481, S::Handle, F::Handle, false, P::Name, P::Name},
    {482, 998, kNone, F::String, false, P::Bad, P::Bad},
    {999, 1003, S::Text, F::String, false, P::Text, P::Text},
    {1004, 1004, S::Binary, F::Binary, false, P::Binary, P::Binary},
    {1005, 1005, S::Text, F::String, false, P::Text, P::Text},
    {1006, 1009, kNone, F::String, false, P::Bad, P::Bad},
    {1010, 1013, S::Point, F::Double, true, P::Point, P::Point},
    {1014, 1059, S::Real, F::Double, false, P::Real, P::Real},
    {1060, 1070, S::Int16, F::Int16, false, P::Short, P::Short},
    {1071, 1071, S::Int32, F::Int32, false, P::Long, P::Long},
};

} // namespace

TEST(CodeKinds, EveryCodeAnswersAsTabled)
{
    int next = -5;
    for (const Row& row : kRows) {
        ASSERT_EQ(row.first, next) << "the rows leave a gap or overlap";
        next = row.last + 1;
        for (int code = row.first; code <= row.last; ++code) {
            S stored = S::Text;
            bool known = host::db::kindOfCode(code, stored);
            EXPECT_EQ(known ? std::optional<S>(stored) : kNone, row.stored) << code;
            EXPECT_EQ(host::dxf::valueKindOf(code), row.file) << code;
            EXPECT_EQ(host::dxf::isPointStart(code), row.pointStart) << code;
            EXPECT_EQ(host::api::payloadOfCode(code), row.ofCode) << code;
            EXPECT_EQ(host::api::payloadOf(code), row.ofType) << code;
            // An integer group is 32 or 64 bits where its code says so, else 16.
            S integer = row.stored == S::Int32 || row.stored == S::Int64 ? *row.stored : S::Int16;
            EXPECT_EQ(host::db::Group::integer(code, 1).kind(), integer) << code;
        }
    }
    EXPECT_EQ(next, 1072);
}

TEST(CodeKinds, CodesOutsideTheRangesHaveNoKind)
{
    for (int code : {-32768, -6, 1072, 2000, 5005, 32767}) {
        S stored = S::Text;
        EXPECT_FALSE(host::db::kindOfCode(code, stored)) << code;
        EXPECT_EQ(host::dxf::valueKindOf(code), F::String) << code;
        EXPECT_FALSE(host::dxf::isPointStart(code)) << code;
        EXPECT_EQ(host::api::payloadOfCode(code), P::Bad) << code;
    }
}

namespace {

// A line in model space from (0, 0) to (1, 1), `more` after its points.
host::db::Slot lineWith(host::db::Database& db, host::db::GroupList more)
{
    using host::db::Group;
    host::db::Object line;
    line.type = host::db::internType("LINE");
    line.cls = host::db::ObjectClass::Entity;
    line.groups = {Group::text(100, "AcDbEntity"), Group::text(8, "0"), Group::text(100, "AcDbLine"),
                   Group::point(10, 0, 0, 0), Group::point(11, 1, 1, 0)};
    line.groups.insert(line.groups.end(), more.begin(), more.end());
    host::db::Slot slot = db.add(std::move(line));
    db.appendEntity(db.modelSpace(), slot);
    return slot;
}

} // namespace

// Groups 5 and 105 are handles only as a record's own; anywhere else the
// database keeps them as text (a C API list may put any text there), and a
// saved drawing must read back with that text.
TEST(CodeKinds, TextInHandleCodesOutsideTheirPlaceReadsBack)
{
    using host::db::Group;
    auto db = host::db::Database::createDefault();
    lineWith(*db, {Group::text(105, "not a handle"), Group::text(5, "kept as text"), Group::text(105, "1A")});
    std::string text, binary, why;
    host::dxf::writeDxfText(*db, text);
    // Text and binary alike: a binary file is converted from the text, and
    // was cut short at the first such group.
    ASSERT_TRUE(host::dxf::textToBinary(text, binary, &why)) << why;
    for (const std::string* file : {&text, &binary}) {
        host::dxf::ReadReport report;
        auto back = host::dxf::readDxfText(*file, "back.dxf", report);
        ASSERT_TRUE(back) << report.error.text();
        const host::db::Block* model = back->block(back->modelSpace());
        ASSERT_TRUE(model && model->entities.size() == 1);
        std::vector<std::string> kept;
        for (const Group& g : back->object(model->entities[0])->groups)
            if (g.code() == 5 || g.code() == 105) kept.emplace_back(g.asText());
        EXPECT_EQ(kept, (std::vector<std::string>{"not a handle", "kept as text", "1A"}));
    }
}

// XDATA 1005 is text to the database: what is no handle at all ("ABC",
// "zz", "") is kept as read, and so saved, as text and as binary DXF; a
// handle of a record saved stays that record's.
TEST(CodeKinds, XdataHandleTextIsSavedAsItIsKept)
{
    using host::db::Group;
    auto db = host::db::Database::createDefault();
    host::db::Slot slot = lineWith(*db, {});
    const std::string own = host::db::handleText(db->object(slot)->handle);
    const std::vector<std::string> kept = {"ABC", "zz", "", own};
    auto& groups = db->object(slot)->groups;
    groups.push_back(Group::text(1001, "ACAD"));
    for (const std::string& text : kept) groups.push_back(Group::text(1005, text));
    for (bool binary : {false, true}) {
        SCOPED_TRACE(binary ? "binary" : "text");
        std::string path = outputPath(binary ? "xdata_handle_text_binary.dxf" : "xdata_handle_text.dxf"), error;
        ASSERT_TRUE(host::dxf::writeDxfFile(*db, path, host::dxf::WriteOptions{host::dxf::DxfVersion::R2007, binary},
                                            error))
            << error;
        host::dxf::ReadReport report;
        auto back = host::dxf::readDxfFile(path, report);
        ASSERT_TRUE(back) << report.error.text();
        const host::db::Block* model = back->block(back->modelSpace());
        ASSERT_TRUE(model && model->entities.size() == 1);
        const host::db::Object& read = *back->object(model->entities[0]);
        std::vector<std::string> texts;
        for (const Group& g : read.groups)
            if (g.code() == 1005) texts.emplace_back(g.asText());
        EXPECT_EQ(texts, kept);
        EXPECT_EQ(host::db::handleText(read.handle), own);
    }
}

// A binary file holds each value as its code's kind says: every kind comes
// back from one as it went in.  A flag is one byte there, while the text
// reader takes 16-bit values for it: one that fits no byte keeps its truth.
TEST(CodeKinds, EveryKindComesBackFromABinaryFile)
{
    const std::string text = "  9\n$ACADVER\n  1\nAC1021\n  1\nsome text\n  5\n1F\n 10\n1.5\n 62\n-3\n 90\n70000\n"
                             "160\n5000000000\n290\n0\n290\n1\n290\n200\n290\n256\n290\n-1\n310\n0A1B\n330\n2C\n"
                             "1005\n0\n1071\n-70000\n";
    std::string binary, back, error;
    host::dxf::textToBinary(text, binary);
    ASSERT_TRUE(host::dxf::binaryToText(binary, back, error)) << error;
    host::dxf::Tokenizer in(text, "in.dxf"), out(back, "out.dxf");
    host::dxf::Token a, b;
    int groups = 0;
    while (in.next(a)) {
        ASSERT_TRUE(out.next(b)) << out.error().text();
        ++groups;
        ASSERT_EQ(a.code, b.code);
        ASSERT_EQ(a.kind, b.kind) << a.code;
        if (a.kind == F::Bool && (a.integer < 0 || a.integer > 255))
            EXPECT_NE(b.integer, 0) << a.integer << " lost its truth";
        else if (host::dxf::isNumeric(a.kind) || a.kind == F::Handle)
            EXPECT_TRUE(a.real == b.real && a.integer == b.integer) << a.code << " " << a.text << " " << b.text;
        else
            EXPECT_EQ(a.text, b.text) << a.code;
    }
    EXPECT_FALSE(out.next(b));
    EXPECT_EQ(groups, 17);
}
