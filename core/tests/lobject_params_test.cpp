// Parameters against the type row: catalogue matches, applying, connector
// sizes and areas; the airflow texts and the default parts-list row.
#include "fixtures.h"

namespace {
const double kSizes[] = {100, 150, 200};

// A row of three parameters captioned "width (a)", "height (b)" and
// "diameter (d)", the second chosen from kSizes, with the airflow entries.
struct Row {
    explicit Row(std::initializer_list<int16_t> entries = {0}) {
        AllocDescriptorArrays(&row, 3, static_cast<int16_t>(entries.size()), kParamFree, nullptr);
        SetParamRow(&row, 1, kParamList, 3, kSizes);
        row.captions[0] = "width (a)";
        row.captions[1] = "height (b)";
        row.captions[2] = "diameter (d)";
        int i = 0;
        for (int16_t c : entries)
            row.flowConnectors[i++] = c;
    }
    ~Row() { FreeDescriptorArrays(&row); }
    LTypeDescriptor row;
};

std::string Take(char* text) {
    std::string out = text ? text : "(null)";
    delete[] text;
    return out;
}
}  // namespace

TEST(MatchCatalogue, ComparesExactlyAndChecksLists) {
    Row r;
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
    Row r;
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

TEST(FlowText, EntriesNameTheirConnectorsSizes) {
    Row r({0, 1});
    TestElement e(1, 1, 2, 3, &r.row);
    LConnector* rect = e.GetConnector(0);
    rect->paramA = 0;
    rect->paramB = 1;
    rect->a = 200;
    rect->b = 100;
    rect->flow = 1000;
    LConnector* round = e.GetConnector(1);
    round->shape = kShapeRound;
    round->paramA = 2;
    round->a = 0;  // area 0
    round->flow = 500;
    EXPECT_EQ(Take(e.GetFlowText()),
              "Vaxb=1000 m3/h;  vaxb=13.8 m/s;  Vd=500 m3/h;  vd=0 m/s;");
}

TEST(FlowText, OwnAirflowCases) {
    Row r({0, -1});
    TestElement e(1, 1, 1, 3, &r.row);
    e.SetFlow(1200);
    e.GetConnector(0)->paramA = 0;
    e.GetConnector(0)->flow = 300;
    EXPECT_EQ(Take(e.GetFlowText()), "Va=300 m3/h;  va=0 m/s;  V=1200 m3/h;");
    e.kind = 1;  // attached elements show their own airflow only
    EXPECT_EQ(Take(e.GetFlowText()), "V=1200 m3/h;");
    // A type that shows the airflow of its connector 0 (the terminals).
    Row terminalRow({0, -1});
    terminalRow.row.flags = kTypeFlowOfFirstConnector;
    TestElement terminal(3, 9, 1, 3, &terminalRow.row);
    terminal.GetConnector(0)->flow = 250;
    EXPECT_EQ(Take(terminal.GetFlowText()), "V=250 m3/h;");
    TestElement none(1, 1, 1, 3, nullptr);
    EXPECT_EQ(none.GetFlowText(), nullptr);
    // An entry naming a connector the element lacks, or no entries at all,
    // read nothing but the own airflow.
    Row far({3});
    TestElement custom(16, 1, 0, 1, &far.row);
    custom.SetFlow(80);
    EXPECT_EQ(Take(custom.GetFlowText()), "V=80 m3/h;");
    int16_t* kept = far.row.flowConnectors;
    far.row.flowConnectors = nullptr;
    EXPECT_EQ(Take(custom.GetFlowText()), "V=80 m3/h;");
    far.row.flowConnectors = kept;
}

TEST(FlowText, LongTextsAreNeverCut) {
    Row r({0, 1, 2, 3});
    TestElement e(1, 31, 4, 3, &r.row);
    for (int i = 0; i < 4; ++i) {
        LConnector* c = e.GetConnector(static_cast<int16_t>(i));
        c->paramA = 0;
        c->paramB = 1;
        c->a = 450;
        c->b = 150;
        c->flow = 123456.75;
    }
    std::string text = Take(e.GetFlowText());
    EXPECT_GT(text.size(), 127u);
    EXPECT_EQ(text.substr(text.size() - 15), "vaxb=506.6 m/s;");
}

TEST(FlowText, FormattersCutToTheCallersBuffer) {
    TestElement e(1, 1, 1, 0);
    e.SetFlow(100);
    char small[12];
    e.FormatFlowText(small, sizeof small, "a", 0.0);
    EXPECT_STREQ(small, "Va=100 m3/h");
    char out[64];
    e.FormatFlowText(out, sizeof out, "a", 277.0);
    EXPECT_STREQ(out, "Va=100 m3/h;  va=100.0 m/s;");
    e.FormatConnectorFlowText(out, sizeof out, "d", nullptr);
    EXPECT_STREQ(out, "");
}

TEST(BomLines, DefaultRowNeedsADescription) {
    TestElement e(1, 1, 0, 0);
    LBomRow* rows = nullptr;
    uint16_t count = 9, further = 9, extra = 9;
    EXPECT_EQ(e.GetBomLines(&rows, &count, &further, &extra), -1);
    EXPECT_EQ(rows, nullptr);
    e.describe = true;
    EXPECT_EQ(e.GetBomLines(&rows, &count, &further, &extra), 0);
    ASSERT_NE(rows, nullptr);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(further, 0);
    EXPECT_EQ(extra, 0);
    EXPECT_EQ(rows[0].quantity, 1);
    EXPECT_STREQ(rows[0].description, "D");
    EXPECT_EQ(rows[0].flowText, nullptr);  // no row, no airflow text
    FreeBomRows(rows, count);
}
