#include "elements/tv/ltv.h"

#include <gtest/gtest.h>

#include "core/messages.h"
#include "elements/tests/element_test.h"
#include "elements/tv/tv_factory.h"
#include "elements/tv/tv_rows.h"
#include "elements/tv/tv_type_table.h"

using TestTv = BareElement<LTv>;
using TvFamily = ElementTest;

TEST_F(TvFamily, BaseBuildsOnItsRow) {
    TestTv e(14, 2, 6);
    EXPECT_EQ(e.GetFamily(), 4);
    EXPECT_EQ(e.GetTypeDesc(), &TvTypeTable[13]);
    EXPECT_EQ(e.GetConnector(1)->shape, kShapeRect);
    EXPECT_EQ(e.LTv::MarkFixedParams(nullptr), -1);
    EXPECT_EQ(e.FitLength(nullptr, nullptr, 0, 1, 100, 0), -1);
    EXPECT_EQ(e.AdjustInsertionPoint(nullptr, nullptr), 0);
}

TEST_F(TvFamily, TextParametersAndSharedTexts) {
    for (int s = 1; s <= 17; ++s) {
        int16_t text = TvTextParam(s);
        ASSERT_GE(text, 0);
        EXPECT_EQ(TvTypeTable[s - 1].kinds[text], kParamText) << s;
        EXPECT_STREQ(TvTypeTable[s - 1].captions[text], MessageText(129));
    }
    EXPECT_EQ(TvTextParam(0), -1);
    EXPECT_EQ(TvTextParam(18), -1);
    EXPECT_STREQ(TvVariantCode(4), "VD");  // the last of each list, then none
    EXPECT_STREQ(TvVariantCode(5), "");
    EXPECT_STREQ(TvActuatorCode(3), "GPV-TP");
    EXPECT_STREQ(TvActuatorCode(4), "");
    EXPECT_STREQ(TvActuatorCode(0), "");
    EXPECT_EQ(TvInstallMessageFromFlags(true, false), 131);
    EXPECT_EQ(TvInstallMessageFromFlags(true, true), 133);
    EXPECT_EQ(TvInstallMessageFromFlags(false, true), 132);
    EXPECT_EQ(TvInstallMessageFromFlags(false, false), 0);
    EXPECT_EQ(TvInstallMessageFromChoice(1), 0);
    EXPECT_EQ(TvInstallMessageFromChoice(4), 133);
    EXPECT_EQ(TvInstallMessageFromChoice(9), 0);
}

TEST_F(TvFamily, DefaultRowsAndFactoryBounds) {
    EXPECT_EQ(TvDefaultRow(0), nullptr);
    EXPECT_EQ(TvDefaultRow(18), nullptr);
    EXPECT_EQ(TvDefaultRow(17)[3], 1);
    for (int16_t s : {0, 18, 17})
        EXPECT_EQ(CreateTvElement(s), nullptr) << s;
}

TEST_F(TvFamily, EveryRowDescribesItsParameters) {
    for (int s = 1; s <= 17; ++s) {
        const LTypeDescriptor& row = TvTypeTable[s - 1];
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
            if (kind == kParamText) {
                EXPECT_EQ(k, TvTextParam(s)) << s;
            }
            if (row.captions[k] == MessageText(136))
                ++variants;
        }
        EXPECT_EQ(variants, (s <= 4 || s >= 14) ? 1 : 0) << s;
    }
    EXPECT_EQ(DescValueCount(&TvTypeTable[2], 1), 17);
}
