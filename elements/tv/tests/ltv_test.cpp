#include "elements/tv/ltv.h"

#include <memory>

#include <gtest/gtest.h>

#include "core/messages.h"
#include "core/type_tables.h"
#include "core/element_factory.h"
#include "elements/tests/element_test.h"
#include "elements/tv/tv_family.h"
#include "elements/tv/tv_texts.h"

using TestTv = BareElement<LTv>;
using TvFamily = ElementTest;

TEST_F(TvFamily, BaseBuildsOnItsRow) {
    TestTv e(14, 2, 6);
    EXPECT_EQ(e.GetFamily(), 4);
    EXPECT_EQ(e.GetTypeDesc(), TypeRow(kTvFamily, 14));
    EXPECT_EQ(e.GetConnector(1)->shape, kShapeRect);
    EXPECT_EQ(e.LTv::MarkFixedParams(nullptr), -1);
    EXPECT_EQ(e.FitLength(nullptr, nullptr, 0, 1, 100, 0), -1);
    EXPECT_EQ(e.AdjustInsertionPoint(nullptr, nullptr), 0);
}

TEST_F(TvFamily, OneTextParameterPerTypeAndInstallationTexts) {
    for (int s = 1; s <= 17; ++s) {
        const LTypeDescriptor* row = TypeRow(kTvFamily, s);
        int texts = 0;
        for (int k = 0; k < row->paramCount; ++k) {
            if (row->kinds[k] != kParamText)
                continue;
            ++texts;
            EXPECT_STREQ(row->captions[k], MessageText(129)) << s;
        }
        EXPECT_EQ(texts, 1) << s;
    }
    EXPECT_EQ(TvInstallMessageFromFlags(true, false), 131);
    EXPECT_EQ(TvInstallMessageFromFlags(true, true), 133);
    EXPECT_EQ(TvInstallMessageFromFlags(false, true), 132);
    EXPECT_EQ(TvInstallMessageFromFlags(false, false), 0);
    EXPECT_EQ(TvInstallMessageFromChoice(1), 0);
    EXPECT_EQ(TvInstallMessageFromChoice(4), 133);
    EXPECT_EQ(TvInstallMessageFromChoice(9), 0);
}

TEST_F(TvFamily, DefaultRowsAndFactoryBounds) {
    EXPECT_EQ(TypeDefaults(kTvFamily, 0), nullptr);
    EXPECT_EQ(TypeDefaults(kTvFamily, 18), nullptr);
    EXPECT_EQ(TypeDefaults(kTvFamily, 17)[3], 1);
    for (int16_t s : {0, 18})
        EXPECT_EQ(CreateElement(kTvFamily, s), nullptr) << s;
    std::unique_ptr<LObject> last(CreateElement(kTvFamily, 17));
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->GetSubtype(), 17);
}

TEST_F(TvFamily, EveryRowDescribesItsParameters) {
    for (int s = 1; s <= 17; ++s) {
        const LTypeDescriptor& row = *TypeRow(kTvFamily, s);
        int variants = 0;
        for (int k = 0; k < row.paramCount; ++k) {
            int16_t kind = row.kinds[k];
            if (kind == kParamList || kind == kParamTextChoice) {
                EXPECT_GT(row.valueCounts[k], 0) << s << "/" << k;
                EXPECT_STRNE(row.captions[k], "") << s << "/" << k;
            }
            if (kind == kParamEntry || kind == kParamRadio) {
                EXPECT_STREQ(row.captions[k], "") << s << "/" << k;
            }
            if (row.captions[k] == MessageText(136))
                ++variants;
        }
        EXPECT_EQ(variants, (s <= 4 || s >= 14) ? 1 : 0) << s;
    }
    EXPECT_EQ(DescValueCount(TypeRow(kTvFamily, 3), 1), 17);
}
