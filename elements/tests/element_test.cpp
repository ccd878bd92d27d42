#include "elements/tests/element_test.h"

#include <cmath>

#include "ads_entity.h"
#include "api/host_api.h"
#include "core/element_factory.h"
#include "core/messages.h"
#include "core/type_tables.h"
#include "db/database.h"
#include "elements/element_families.h"
#include "host/io/io.h"

void ElementTest::SetUp() {
    ASSERT_EQ(LoadMessagesFile(LURAK_SOURCE_DIR "/data/lurak.msg"), 0);
    RegisterElementFamilies();
    InitTypeTables();
    SetCurrentDrawing(&state);
}

void ElementTest::TearDown() { SetCurrentDrawing(nullptr); }

ElementPtr MakeElement(int16_t family, int16_t subtype, const std::vector<double>& values) {
    ElementPtr e(CreateElement(family, subtype));
    EXPECT_NE(e, nullptr) << family << "/" << subtype;
    if (e && !values.empty())
        e->SetParams(values.data());
    return e;
}

std::vector<double> Params(LObject& e) {
    double* v = nullptr;
    e.GetParams(&v);
    std::vector<double> out(v, v + e.GetParamCount());
    delete[] v;
    return out;
}

int16_t CopyByXData(LObject& from, LObject& into) {
    resbuf* stored = from.WriteXData();
    resbuf* subtypeGroup = stored;  // past the application, tag, user text and family
    for (int k = 0; k < 4 && subtypeGroup; ++k)
        subtypeGroup = subtypeGroup->rbnext;
    int16_t status = subtypeGroup ? into.ReadXData(subtypeGroup) : -9;
    acutRelRb(stored);
    return status;
}

std::string Taken(char* text) {
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

std::vector<MeasuredDimension> DrawingDimensions() {
    std::vector<MeasuredDimension> out;
    resbuf* filter = acutBuildList(RTDXF0, L"DIMENSION", 0);
    ads_name set;
    long n = 0;
    if (acedSSGet(L"X", nullptr, nullptr, filter, set) == RTNORM)
        acedSSLength(set, &n);
    for (long i = 0; i < n; ++i) {
        ads_name dim;
        acedSSName(set, i, dim);
        resbuf* list = acdbEntGet(dim);
        MeasuredDimension d;
        for (resbuf* rb = list; rb; rb = rb->rbnext) {
            if (rb->restype == 1)
                d.text = host::io::toUtf8(rb->resval.rstring);
            if (rb->restype == 13) {
                d.x13 = rb->resval.rpoint[0];
                d.y13 = rb->resval.rpoint[1];
            }
            if (rb->restype == 14) {
                d.x14 = rb->resval.rpoint[0];
                d.y14 = rb->resval.rpoint[1];
            }
        }
        acutRelRb(list);
        out.push_back(d);
    }
    if (n > 0)
        acedSSFree(set);
    acutRelRb(filter);
    return out;
}

std::vector<std::string> DimensionTexts(std::vector<double>* middles) {
    std::vector<std::string> texts;
    for (const MeasuredDimension& d : DrawingDimensions()) {
        texts.push_back(d.text);
        if (middles)
            middles->push_back((d.x13 + d.x14) / 2);
    }
    return texts;
}

std::vector<Primitive> BlockPrimitives(const char* name) {
    std::vector<Primitive> out;
    host::db::Database* db = host::api::currentDatabase();
    const host::db::Block* block = db->block(db->findRecord(host::db::Table::BlockRecord, name));
    if (!block)
        return out;
    for (auto slot : block->entities) {
        const host::db::Object* o = db->object(slot);
        Primitive p;
        p.type = o->typeName();
        p.layer = host::db::groupText(*o, 8);
        p.linetype = host::db::groupText(*o, 6);
        p.text = host::db::groupText(*o, 1);
        if (const host::db::Group* g = host::db::findGroup(*o, 10)) {
            p.x1 = g->asPoint()[0];
            p.y1 = g->asPoint()[1];
        }
        if (const host::db::Group* g = host::db::findGroup(*o, 11)) {
            p.x2 = g->asPoint()[0];
            p.y2 = g->asPoint()[1];
        }
        if (const host::db::Group* g = host::db::findGroup(*o, 40))
            p.r = g->asReal();
        // The drawing keeps arc angles in degrees.
        bool ellipse = p.type == "ELLIPSE";
        double toRadians = ellipse ? 1.0 : std::acos(-1.0) / 180;
        if (const host::db::Group* g = host::db::findGroup(*o, ellipse ? 41 : 50))
            p.a0 = g->asReal() * toRadians;
        if (const host::db::Group* g = host::db::findGroup(*o, ellipse ? 42 : 51))
            p.a1 = g->asReal() * toRadians;
        out.push_back(p);
    }
    return out;
}

void MakeBlockLinetypes() {
    for (const wchar_t* name : {L"szaggatott", L"cikkcakk", L"KOZEP"}) {
        resbuf* lt = acutBuildList(RTDXF0, L"LTYPE", 2, name, 70, 0, 3, L"", 72, 65, 73, 0, 40, 0.0, 0);
        EXPECT_EQ(acdbEntMake(lt), RTNORM);
        acutRelRb(lt);
    }
}

void ExpectLine(const Primitive& p, const char* layer, double x1, double y1, double x2, double y2) {
    EXPECT_EQ(p.type, "LINE");
    EXPECT_EQ(p.layer, layer);
    EXPECT_NEAR(p.x1, x1, 1e-9);
    EXPECT_NEAR(p.y1, y1, 1e-9);
    EXPECT_NEAR(p.x2, x2, 1e-9);
    EXPECT_NEAR(p.y2, y2, 1e-9);
}
