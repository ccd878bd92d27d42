#include "elements/tests/element_test.h"

#include "ads_entity.h"
#include "core/messages.h"
#include "core/type_tables.h"

void ElementTest::SetUp() {
    ASSERT_EQ(LoadMessagesFile(LURAK_SOURCE_DIR "/data/lurak.msg"), 0);
    InitTypeTables();
    CurrentDocState = &state;
}

void ElementTest::TearDown() { CurrentDocState = nullptr; }

std::vector<double> Params(LObject& e) {
    double* v = nullptr;
    e.GetParams(&v);
    std::vector<double> out(v, v + e.GetParamCount());
    delete[] v;
    return out;
}

std::string Description(LObject& e) {
    char* text = e.GetDescription();
    std::string out = text ? text : "";
    delete[] text;
    return out;
}

BomRows BomOf(LObject& e) {
    BomRows r;
    LBomRow* rows = nullptr;
    EXPECT_EQ(e.GetBomLines(&rows, &r.count, &r.further, &r.extra), 0);
    for (int i = 0; i < r.count + r.extra; ++i) {
        r.texts.push_back(rows[i].description ? rows[i].description : "");
        r.flows.push_back(rows[i].flowText ? rows[i].flowText : "");
        r.quantities.push_back(rows[i].quantity);
    }
    FreeBomRows(rows, r.count + r.extra);
    return r;
}

std::vector<std::string> DimensionTexts(std::vector<double>* middles) {
    std::vector<std::string> texts;
    resbuf* filter = acutBuildList(RTDXF0, L"DIMENSION", 0);
    ads_name set;
    long n = 0;
    if (acedSSGet(L"X", nullptr, nullptr, filter, set) == RTNORM)
        acedSSLength(set, &n);
    for (long i = 0; i < n; ++i) {
        ads_name dim;
        acedSSName(set, i, dim);
        resbuf* list = acdbEntGet(dim);
        std::string text;
        double x13 = 0, x14 = 0;
        for (resbuf* rb = list; rb; rb = rb->rbnext) {
            if (rb->restype == 1)
                for (const wchar_t* c = rb->resval.rstring; *c; ++c)
                    text += static_cast<char>(*c);
            if (rb->restype == 13)
                x13 = rb->resval.rpoint[0];
            if (rb->restype == 14)
                x14 = rb->resval.rpoint[0];
        }
        acutRelRb(list);
        texts.push_back(text);
        if (middles)
            middles->push_back((x13 + x14) / 2);
    }
    if (n > 0)
        acedSSFree(set);
    acutRelRb(filter);
    return texts;
}
