#include "fixtures.h"

namespace {
const double kSizes[] = {100, 150, 200};

// A row of three parameters, the second chosen from kSizes.
struct ListRow {
    ListRow() {
        AllocDescriptorArrays(&row, 3, 1, kParamFree, nullptr);
        SetParamRow(&row, 1, kParamList, 3, kSizes);
    }
    ~ListRow() { FreeDescriptorArrays(&row); }
    LTypeDescriptor row;
};
}  // namespace

TEST(MatchCatalogue, ComparesExactlyAndChecksLists) {
    ListRow r;
    TestElement e(1, 1, 0, 3, &r.row);
    e.values = {10, 150, 30};
    double same[] = {10, 150, 30};
    EXPECT_EQ(e.MatchCatalogue(same, nullptr), 0);
    double other[] = {10, 150, 31};
    EXPECT_EQ(e.MatchCatalogue(other, nullptr), -1);
    int16_t onlyFirst[] = {1, 0, 0};
    EXPECT_EQ(e.MatchCatalogue(other, onlyFirst), 0);
    double nan[] = {std::nan(""), 150, 30};
    EXPECT_EQ(e.MatchCatalogue(nan, onlyFirst), -1);
    e.values = {10, 160, 30};  // not a catalogue size
    double asked[] = {10, 160, 30};
    int16_t second[] = {0, 1, 0};
    EXPECT_EQ(e.MatchCatalogue(asked, second), -1);
    EXPECT_EQ(e.MatchCatalogue(asked, onlyFirst), 0);
    EXPECT_EQ(e.MatchCatalogue(nullptr, nullptr), -1);
}

TEST(ApplyParams, ClearsConnectorSizesUnlessEdited) {
    ListRow r;
    TestElement e(1, 1, 2, 3, &r.row);
    e.GetConnector(0)->paramA = 0;
    e.GetConnector(1)->paramA = 1;
    e.values = {10, 150, 30};
    double asked[] = {99, 0, 0};
    int16_t flags[] = {1, 0, 0};
    EXPECT_EQ(e.ApplyParams(asked, flags), 0);
    EXPECT_EQ(e.values, (std::vector<double>{99, 0, 30}));
    e.values = {10, 150, 30};
    e.SetEdited();
    e.ApplyParams(asked, flags);
    EXPECT_EQ(e.values, (std::vector<double>{99, 150, 30}));
    EXPECT_EQ(e.ApplyParams(nullptr, flags), -1);
    double all[] = {1, 2, 3};
    e.ApplyParams(all, nullptr);
    EXPECT_EQ(e.values, (std::vector<double>{1, 2, 3}));
}

TEST(ConnectorSize, BoundWritersMustAgree) {
    TestElement e(1, 1, 2, 1);
    e.orientation = 1;
    e.GetConnector(0)->side = 0;
    e.GetConnector(1)->side = 0;
    e.GetConnector(0)->paramA = 0;
    e.GetConnector(1)->paramA = 0;
    double params[1] = {0};
    int16_t set[1] = {0};
    EXPECT_EQ(e.GetConnector(0)->SetSize(params, set, 200, 100), 0);
    EXPECT_EQ(e.GetConnector(1)->SetSize(params, set, 200, 100), 0);
    EXPECT_EQ(e.GetConnector(1)->SetSize(params, set, 250, 100), -1);
    EXPECT_EQ(e.GetConnector(0)->SetSize(nullptr, set, 1, 1), -1);
    EXPECT_EQ(e.GetConnector(0)->SetSize(params, nullptr, 200, 100), -1);
    e.GetConnector(1)->paramA = 5;  // outside the owner's values: ignored
    EXPECT_EQ(e.GetConnector(1)->SetSize(params, set, 1, 1), 0);
}

TEST(ConnectorArea, RoundAndRectangular) {
    LConnector c;
    c.shape = kShapeRect;
    c.a = 200;
    c.b = 100;
    c.areaFactor = 0.5;
    EXPECT_EQ(c.GetArea(), 10000);
    c.shape = kShapeRound;
    c.areaFactor = 1.0;
    EXPECT_NEAR(c.GetArea(), 3.1415926535 * 200 * 200 / 4, 1e-9);
    EXPECT_TRUE(c.IsFree());
}
