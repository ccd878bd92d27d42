// Result buffers: released nodes and strings are reused, and a string the
// caller swapped for its own is still released with the list.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cwchar>
#include <string>

#include "ads_entity.h"

namespace {

ACHAR* mallocCopy(const std::wstring& text) {
    auto* out = static_cast<ACHAR*>(std::malloc((text.size() + 1) * sizeof(ACHAR)));
    std::wmemcpy(out, text.c_str(), text.size() + 1);
    return out;
}

TEST(ResultBuffers, ReusedBlocksCarryNothingOver) {
    const std::wstring longText(300, L'x');
    for (int round = 0; round < 3; ++round) {
        resbuf* list = acutBuildList(RTSTR, L"short", 1000, longText.c_str(), RTSTR, L"", 70, 5, 0);
        ASSERT_NE(list, nullptr);
        EXPECT_STREQ(list->resval.rstring, L"short");
        EXPECT_EQ(list->rbnext->resval.rstring, longText);
        EXPECT_STREQ(list->rbnext->rbnext->resval.rstring, L"");
        EXPECT_EQ(list->rbnext->rbnext->rbnext->resval.rint, 5);
        EXPECT_EQ(list->rbnext->rbnext->rbnext->rbnext, nullptr);
        // The caller's own strings, short and long, in place of the list's.
        std::free(list->resval.rstring);
        list->resval.rstring = mallocCopy(L"swapped in by the caller");
        std::free(list->rbnext->resval.rstring);
        list->rbnext->resval.rstring = mallocCopy(L"s");
        acutRelRb(list);
    }
    resbuf* fresh = acutNewRb(RTSHORT);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->rbnext, nullptr);
    EXPECT_EQ(fresh->resval.rint, 0);
    acutRelRb(fresh);
}

} // namespace
