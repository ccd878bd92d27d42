// Helpers of the core tests: a small element class that counts the calls
// the base makes of it, a test duct, drawings made current for the tests,
// and makers and readers of the entities those tests need.
#pragma once
#include <gtest/gtest.h>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>
#include "acdb_objects.h"
#include "aced_input.h"
#include "ads_entity.h"
#include "api/host_api.h"
#include "api/lists.h"
#include "core/anonymous_block.h"
#include "core/draw_neutral.h"
#include "core/drawing_context.h"
#include "core/element_factory.h"
#include "core/element_load.h"
#include "core/geometry.h"
#include "core/global_mode.h"
#include "core/label_reactor.h"
#include "core/lobject.h"
#include "core/null_handle.h"
#include "core/string_convert.h"
#include "core/system_layers.h"
#include "core/system_list.h"
#include "core/system_store.h"
#include "core/type_descriptor.h"
#include "host/io/io.h"
#include "host/shell/commands.h"
#include "host/shell/session.h"

// Elements made by the factory or the loader, destroyed with the element code.
using ElementPtr = std::unique_ptr<LObject, void (*)(LObject*)>;
inline ElementPtr Owned(LObject* e) { return ElementPtr(e, DestroyElement); }

// Values kept in an array; counts the calls that the base makes of it.
class TestElement : public LObject {
public:
    TestElement(uint16_t familyCode, uint16_t subtypeCode, int16_t connectorTotal, int16_t params,
                LTypeDescriptor* row = nullptr)
        : LObject(familyCode, subtypeCode, connectorTotal, params, row), values(params > 0 ? params : 0) {
        for (int i = 0; i < connectorCount; ++i) {
            connectors[i] = new LConnector;
            connectors[i]->owner = this;
            connectors[i]->shape = kShapeRect;
        }
    }
    int16_t MakeBlock(char* name) override {
        name[0] = '\0';
        return 0;
    }
    int16_t Mirror() override {
        ++mirrors;
        return 7;
    }
    int16_t MarkFixedParams(int16_t*) override { return -1; }
    int16_t GetParams(double** out) override {
        *out = new double[values.size() + 1];
        for (size_t i = 0; i < values.size(); ++i)
            (*out)[i] = values[i];
        return 0;
    }
    int16_t SetParams(const double* in) override {
        ++sets;
        for (size_t i = 0; i < values.size(); ++i)
            values[i] = in[i];
        return 0;
    }
    double GetDimensionOffset() override { return 1.0; }
    char* GetDescription() override {
        if (!describe)
            return nullptr;
        char* text = new char[8];
        std::strcpy(text, "D");
        return text;
    }
    int16_t UpdateLabel() override { return 0; }

    std::vector<double> values;
    int mirrors = 0;
    int sets = 0;
    bool describe = false;
};

// A straight duct.  Params: 0 width, 1 height, 2 length.  Connector 0 faces
// -x at the origin, connector 1 faces +x at the length; both are bound to
// the width and height.  The loader makes these for any family and subtype.
class TestDuct : public TestElement {
public:
    TestDuct(uint16_t f = 1, uint16_t s = 1, LTypeDescriptor* row = nullptr) : TestElement(f, s, 2, 3, row) {
        for (int i = 0; i < 2; ++i) {
            connectors[i]->paramA = 0;
            connectors[i]->paramB = 1;
        }
        connectors[0]->side = 5;
        connectors[1]->side = 2;
        if (CurrentDrawing())
            SetSystemRecord(CurrentDrawing()->currentSystem);
        double start[3] = {200, 100, 1000};
        SetParams(start);
    }
    int16_t SetParams(const double* in) override {
        TestElement::SetParams(in);
        for (int i = 0; i < 2; ++i) {
            connectors[i]->a = values[0];
            connectors[i]->b = values[1];
        }
        SetPoint3d(connectors[1]->position, values[2], 0, 0);
        return 0;
    }
    int16_t MakeBlock(char* name) override {
        ads_point o = {0, 0, 0}, p = {values[2], 0, 0};
        BeginAnonymousBlock(o);
        MakeLine(o, p);
        return EndAnonymousBlock(name, kBlockNameSize) == RTNORM ? 0 : -1;
    }
    int16_t FitLength(double* params, int16_t* flags, int16_t, int16_t, double along, double across) override {
        if (across != 0 || along <= 0)
            return -1;
        params[2] = along;
        flags[2] = 1;
        return 0;
    }
    double Length() const { return values[2]; }
};

inline LObject* MakeTestDuct(int16_t family, uint16_t subtype) { return new TestDuct(family, subtype); }

// Passes the host's erase notices to the label code.
struct ForwardingReactor : AcDbObjectReactor {
    void erased(const AcDbObject* object, Adesk::Boolean erasing) override { LabelErased(object, erasing); }
};

inline void ExpectXY(const ads_point p, double x, double y, double tolerance = 1e-9) {
    EXPECT_NEAR(p[0], x, tolerance);
    EXPECT_NEAR(p[1], y, tolerance);
}

// The nth group of the code in a list, or null.
inline const resbuf* Group(const resbuf* list, int code, int nth = 0) {
    for (const resbuf* rb = list; rb; rb = rb->rbnext)
        if (rb->restype == code && nth-- == 0)
            return rb;
    return nullptr;
}

// Read-only queries of the current drawing: the entity's first group of
// the code as text or real (empty or NaN if none), its handle, whether it
// is there and not erased.
inline std::string GroupText(const ads_name e, int code) {
    resbuf* list = acdbEntGet(e);
    const resbuf* g = Group(list, code);
    std::string v = g ? ToNarrowString(g->resval.rstring) : "";
    acutRelRb(list);
    return v;
}

inline double GroupReal(const ads_name e, int code) {
    resbuf* list = acdbEntGet(e);
    const resbuf* g = Group(list, code);
    double v = g ? g->resval.rreal : NAN;
    acutRelRb(list);
    return v;
}

inline std::string HandleOf(const ads_name name) { return GroupText(name, 5); }

inline bool Live(const ads_name name) {
    resbuf* list = acdbEntGet(name);
    acutRelRb(list);
    return list != nullptr;
}

inline bool TableHas(const wchar_t* table, const char* name) {
    resbuf* record = acdbTblSearch(table, ToWide(name).c_str(), 0);
    acutRelRb(record);
    return record != nullptr;
}

// Whether the entity carries a dimension style override.
inline bool HasStyleOverride(const ads_name e) {
    resbuf* apps = acutBuildList(RTSTR, L"ACAD", 0);
    resbuf* data = acdbEntGetX(e, apps);
    acutRelRb(apps);
    bool found = false;
    for (resbuf* rb = data; rb; rb = rb->rbnext)
        found = found || (rb->restype == 1000 && ToNarrowString(rb->resval.rstring) == "DSTYLE");
    acutRelRb(data);
    return found;
}

// A linetype record with a name only, as a drawing would load it.
inline void AddLinetype(const wchar_t* name) {
    resbuf* lt = acutBuildList(RTDXF0, L"LTYPE", 2, name, 70, 0, 3, L"", 72, 65, 73, 0, 40, 0.0, 0);
    EXPECT_EQ(acdbEntMake(lt), RTNORM);
    acutRelRb(lt);
}

// What the tests read of an entity in a block definition.
struct BlockEntity {
    std::string type, layer, linetype;  // the linetype folded, BYLAYER when none is named
    int colour = -1;
    double linetypeScale = NAN;
    double length = 0;  // from its 10 to its 11 point
};

// The entities of the block definition, in order.
inline std::vector<BlockEntity> BlockEntities(const char* block) {
    std::vector<BlockEntity> out;
    resbuf* record = acdbTblSearch(L"BLOCK", ToWide(block).c_str(), 0);
    ads_name e = {0, 0}, next;
    bool more = Group(record, -2) != nullptr;
    if (more)
        ads_name_set(Group(record, -2)->resval.rlname, e);
    acutRelRb(record);
    while (more) {
        resbuf* list = acdbEntGet(e);
        auto text = [&](int code, const char* none) {
            const resbuf* g = Group(list, code);
            return g ? ToNarrowString(g->resval.rstring) : std::string(none);
        };
        BlockEntity b;
        b.type = text(0, "");
        b.layer = text(8, "");
        b.linetype = FoldedLayerName(text(6, "BYLAYER").c_str());
        if (const resbuf* g = Group(list, 62))
            b.colour = g->resval.rint;
        if (const resbuf* g = Group(list, 48))
            b.linetypeScale = g->resval.rreal;
        const resbuf *p = Group(list, 10), *q = Group(list, 11);
        if (p && q)
            b.length = std::hypot(q->resval.rpoint[0] - p->resval.rpoint[0], q->resval.rpoint[1] - p->resval.rpoint[1]);
        acutRelRb(list);
        out.push_back(b);
        more = acdbEntNext(e, next) == RTNORM;
        ads_name_set(next, e);
    }
    return out;
}

inline void SetEcho(short value) {
    resbuf rb;
    rb.rbnext = nullptr;
    rb.restype = RTSHORT;
    rb.resval.rint = value;
    ASSERT_EQ(acedSetVar(L"CMDECHO", &rb), RTNORM);
}

inline short Echo() {
    resbuf rb;
    EXPECT_EQ(acedGetVar(L"CMDECHO", &rb), RTNORM);
    return rb.resval.rint;
}

// A new drawing of the host session, current, with the command line captured.
class ShellDrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        host::shell::resetSession();
        host::io::captureTranscript();
        host::shell::newDrawing();
    }
    void TearDown() override {
        host::shell::resetSession();
        host::io::setSource(nullptr);
        host::io::setTranscript(nullptr);
    }
};

struct TestEntity {
    ads_name name = {0, 0};
    std::string handle;
};

// A fresh drawing made current, with the program's application registered.
class SystemDrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        database = new AcDbDatabase(true);
        host::api::setCurrentDatabase(database);
        acdbRegApp(L"LurakCad_B1");
    }
    void TearDown() override {
        host::api::setCurrentDatabase(static_cast<AcDbDatabase*>(nullptr));
        delete database;
    }

    static TestEntity Last() {
        TestEntity e;
        acdbEntLast(e.name);
        e.handle = HandleOf(e.name);
        return e;
    }

    // A line in model space (also stands in for marks and dimensions).
    static TestEntity Line(const char* layer = "0", double y = 0) {
        ads_point a = {0, y, 0}, b = {10, y, 0};
        resbuf* list = acutBuildList(RTDXF0, L"LINE", 8, ToWide(layer).c_str(), 10, a, 11, b, 0);
        EXPECT_EQ(acdbEntMake(list), RTNORM);
        acutRelRb(list);
        return Last();
    }

    // A block holding one line on the layer; "*" makes an anonymous one.
    static void Block(const char* name, const char* layer = "0") {
        ads_point o = {0, 0, 0}, b = {5, 5, 0};
        bool anonymous = name[0] == '*';
        std::wstring n = anonymous ? L"*NEW" : ToWide(name), l = ToWide(layer);
        resbuf* begin = acutBuildList(RTDXF0, L"BLOCK", 2, n.c_str(), 10, o, 70, anonymous ? 1 : 0, 0);
        resbuf* line = acutBuildList(RTDXF0, L"LINE", 8, l.c_str(), 10, o, 11, b, 0);
        resbuf* end = acutBuildList(RTDXF0, L"ENDBLK", 0);
        EXPECT_EQ(acdbEntMake(begin), RTNORM);
        EXPECT_EQ(acdbEntMake(line), RTNORM);
        acdbEntMake(end);
        acutRelRb(begin);
        acutRelRb(line);
        acutRelRb(end);
    }

    static void EnsureBlock(const char* name) {
        if (!TableHas(L"BLOCK", name))
            Block(name);
    }

    // An element insert of the custom family with one label node naming
    // `labels` and one dimension list naming `dims`.
    static TestEntity Element(const char* tag, const char* layer, int labelNumber = 1,
                              const std::vector<std::string>& labels = {},
                              const std::vector<std::string>& dims = {}) {
        EnsureBlock("ELEMENT");
        ads_point at = {0, 0, 0};
        std::wstring t = ToWide(tag), l = ToWide(layer), h[3];
        for (size_t i = 0; i < 3; ++i)
            h[i] = ToWide(i < labels.size() ? labels[i].c_str() : "");
        resbuf* list = acutBuildList(RTDXF0, L"INSERT", 2, L"ELEMENT", 8, l.c_str(), 10, at, -3, 1001,
                                     L"LurakCad_B1", 1000, t.c_str(), 1000, L"", 1070, 16, 1070, 0, 1040, 0.0,
                                     1070, 0, 1070, labelNumber, 1002, L"{", 1070, labelNumber, 1005, h[0].c_str(),
                                     1005, h[1].c_str(), 1005, h[2].c_str(), 1000, L"-", 1002, L"}", 1002, L"{", 0);
        resbuf* tail = list;
        for (const std::string& d : dims) {
            while (tail->rbnext)
                tail = tail->rbnext;
            tail->rbnext = acutBuildList(1005, ToWide(d.c_str()).c_str(), 0);
        }
        while (tail->rbnext)
            tail = tail->rbnext;
        tail->rbnext = acutBuildList(1002, L"}", 0);
        EXPECT_EQ(acdbEntMake(list), RTNORM);
        acutRelRb(list);
        return Last();
    }

    // A number-label insert whose label XDATA names the element.
    static TestEntity Label(const std::string& elementHandle, const char* layer) {
        EnsureBlock("LABEL");
        ads_point at = {20, 20, 0};
        std::wstring l = ToWide(layer), e = ToWide(elementHandle.c_str());
        resbuf* list = acutBuildList(RTDXF0, L"INSERT", 2, L"LABEL", 8, l.c_str(), 10, at, -3, 1001,
                                     L"LurakCad_B1", 1000, L"LurakLabelReactor", 1002, L"{", 1005, L"0",
                                     1070, 1, 1040, 10.0, 1005, e.c_str(), 1010, at, 1002, L"}", 0);
        EXPECT_EQ(acdbEntMake(list), RTNORM);
        acutRelRb(list);
        return Last();
    }

    // A number label's leader: a line whose label XDATA names the label and
    // the element.
    static TestEntity Leader(const std::string& labelHandle, const std::string& elementHandle,
                             const char* layer = "0") {
        ads_point a = {0, 0, 0}, b = {20, 20, 0};
        std::wstring l = ToWide(layer), h = ToWide(labelHandle.c_str()), e = ToWide(elementHandle.c_str());
        resbuf* list = acutBuildList(RTDXF0, L"LINE", 8, l.c_str(), 10, a, 11, b, -3, 1001, L"LurakCad_B1", 1000,
                                     L"LurakLabelReactor", 1002, L"{", 1005, h.c_str(), 1070, 1, 1040, 10.0, 1005,
                                     e.c_str(), 1010, a, 1002, L"}", 0);
        EXPECT_EQ(acdbEntMake(list), RTNORM);
        acutRelRb(list);
        return Last();
    }

    // A framed label: an insert of an anonymous block of label texts and
    // frame lines, with no data of its own.
    static TestEntity FramedLabel(const char* layer = "0") {
        ads_point origin = {0, 0, 0}, corner = {100, 0, 0}, at = {40, 20, 0};
        BeginAnonymousBlock(origin);
        resbuf* text = acutBuildList(RTDXF0, L"TEXT", 8, L"0", 10, origin, 40, 10.0, 1, L"VL-01", 0);
        EXPECT_EQ(acdbEntMake(text), RTNORM);
        acutRelRb(text);
        MakeLine(origin, corner);
        char block[kBlockNameSize] = "";
        EXPECT_EQ(EndAnonymousBlock(block, sizeof block), RTNORM);
        std::wstring l = ToWide(layer), b = ToWide(block);
        resbuf* list = acutBuildList(RTDXF0, L"INSERT", 2, b.c_str(), 8, l.c_str(), 10, at, 0);
        EXPECT_EQ(acdbEntMake(list), RTNORM);
        acutRelRb(list);
        return Last();
    }

    static bool Live(const TestEntity& e) { return ::Live(e.name); }
    static bool Live(const ads_name name) { return ::Live(name); }
    static bool LayerExists(const char* name) { return TableHas(L"LAYER", name); }

    // A record with every layer on `layer`, the label layer `labelLayer`,
    // pen 0 by layer and the others by block, and the standard styles.
    static LSystemRecord Record(const char* tag, const char* layer = "ZZ-0", const char* labelLayer = "ZZ-LABEL") {
        LSystemRecord r;
        std::snprintf(r.tag, sizeof r.tag, "%s", tag);
        for (int i = 0; i < 3; ++i) {
            std::snprintf(r.penLayer[i], sizeof r.penLayer[i], "%s", layer);
            std::snprintf(r.penLinetype[i], sizeof r.penLinetype[i], i == 0 ? "BYLAYER" : "BYBLOCK");
        }
        std::snprintf(r.centreLinetype, sizeof r.centreLinetype, "BYBLOCK");
        std::snprintf(r.centreLayer, sizeof r.centreLayer, "%s", layer);
        std::snprintf(r.labelLayer, sizeof r.labelLayer, "%s", labelLayer);
        std::snprintf(r.textStyle, sizeof r.textStyle, "STANDARD");
        std::snprintf(r.dimStyle, sizeof r.dimStyle, "STANDARD");
        return r;
    }

    static bool ByHandle(const std::string& handle, ads_name out) {
        return acdbHandEnt(ToWide(handle.c_str()).c_str(), out) == RTNORM && ::Live(out);
    }

    // The program's XDATA of an entity, with its entity groups.
    static resbuf* StoredXData(const ads_name insert) {
        resbuf* apps = acutBuildList(RTSTR, L"LurakCad_B1", 0);
        resbuf* list = acdbEntGetX(insert, apps);
        acutRelRb(apps);
        return list;
    }

    AcDbDatabase* database = nullptr;
    LSystemList list;
};

// The drawing with a document state that lists one air system, "ZZ", whose
// ducts the loader makes.
class JointDrawingTest : public SystemDrawingTest {
protected:
    void SetUp() override {
        SystemDrawingTest::SetUp();
        state = new LDrawingContext;
        state->database = database;
        SetCurrentDrawing(state);
        record = Record("ZZ");
        InsertSystem(state->systemList, &record);
        state->currentSystem = record;
        CreateLayer(record.dimColour, ToWide(record.labelLayer).c_str(), database);
        CreateLayer(1, L"ZZ-0", database);
        SetElementMaker(MakeTestDuct);
        host::io::setScript("");
    }
    void TearDown() override {
        SetElementMaker(nullptr);
        SetCurrentDrawing(nullptr);
        delete state;
        SystemDrawingTest::TearDown();
        host::io::setSource(nullptr);
    }

    LDrawingContext* state = nullptr;
    LSystemRecord record;
};
