// A copy of a result-buffer list owns every string and chunk that the
// node's type holds by the C API's table, so that the copy and the
// original are released each on its own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cwchar>

#include "ads_entity.h"
#include "shell/result_lists.h"

TEST(ResultLists, ACopyOwnsEveryStringAndChunkItsTypeHolds) {
    // A filter's operator (-4), a type given as RTDXF0, an empty chunk and
    // a true/false group, whose value is a number.
    resbuf* list = acutNewRb(-4);
    list->resval.rstring = wcsdup(L"<OR");
    resbuf* type = list->rbnext = acutNewRb(RTDXF0);
    type->resval.rstring = wcsdup(L"LINE");
    resbuf* chunk = type->rbnext = acutNewRb(1004);
    chunk->resval.rbinary.buf = static_cast<char*>(std::malloc(1));
    resbuf* flag = chunk->rbnext = acutNewRb(290);
    flag->resval.rint = 1;

    resbuf* copy = host::shell::copyList(list);
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy->rbnext, nullptr);
    ASSERT_NE(copy->rbnext->rbnext, nullptr);
    ASSERT_NE(copy->rbnext->rbnext->rbnext, nullptr);
    EXPECT_NE(copy->resval.rstring, list->resval.rstring);
    EXPECT_STREQ(copy->resval.rstring, L"<OR");
    EXPECT_NE(copy->rbnext->resval.rstring, type->resval.rstring);
    EXPECT_STREQ(copy->rbnext->resval.rstring, L"LINE");
    EXPECT_NE(copy->rbnext->rbnext->resval.rbinary.buf, chunk->resval.rbinary.buf);
    EXPECT_EQ(copy->rbnext->rbnext->rbnext->resval.rint, 1);
    acutRelRb(list);
    acutRelRb(copy);
}
