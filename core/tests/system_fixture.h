// A fresh drawing made current for the air-system tests, and small makers
// of the entities those tests need: element inserts with the program's
// XDATA, label inserts, plain lines, block definitions.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "acdb_objects.h"
#include "ads_entity.h"
#include "api/host_api.h"
#include "core/string_convert.h"
#include "core/system_list.h"
#include "core/system_store.h"
#include "host/io/io.h"
#include "host/shell/session.h"

// Read-only queries of the current drawing.
inline std::string HandleOf(const ads_name name) {
    resbuf* list = acdbEntGet(name);
    std::string handle;
    for (resbuf* rb = list; rb; rb = rb->rbnext)
        if (rb->restype == 5)
            handle = ToNarrowString(rb->resval.rstring);
    acutRelRb(list);
    return handle;
}

inline bool Live(const ads_name name) {
    resbuf* list = acdbEntGet(name);
    acutRelRb(list);
    return list != nullptr;
}

// The last group of the code in the entity's list (empty or NaN if none).
inline std::string GroupText(const ads_name e, int code) {
    resbuf* list = acdbEntGet(e);
    std::string v;
    for (resbuf* rb = list; rb; rb = rb->rbnext)
        if (rb->restype == code)
            v = ToNarrowString(rb->resval.rstring);
    acutRelRb(list);
    return v;
}

inline double GroupReal(const ads_name e, int code) {
    resbuf* list = acdbEntGet(e);
    double v = NAN;
    for (resbuf* rb = list; rb; rb = rb->rbnext)
        if (rb->restype == code)
            v = rb->resval.rreal;
    acutRelRb(list);
    return v;
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

    static TestEntity Line(const char* layer) {
        ads_point a = {0, 0, 0}, b = {10, 0, 0};
        resbuf* list = acutBuildList(RTDXF0, L"LINE", 8, ToWide(layer).c_str(), 10, a, 11, b, 0);
        EXPECT_EQ(acdbEntMake(list), RTNORM);
        acutRelRb(list);
        return Last();
    }

    // A block holding one line on the layer; "*" makes an anonymous one.
    static void Block(const char* name, const char* layer) {
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
        resbuf* record = acdbTblSearch(L"BLOCK", ToWide(name).c_str(), 0);
        if (record)
            acutRelRb(record);
        else
            Block(name, "0");
    }

    // An element insert of the custom family with one label node naming
    // `labels` and one dimension list naming `dims`.
    static TestEntity Element(const char* tag, const char* layer, int labelNumber = 1,
                              const std::vector<std::string>& labels = {},
                              const std::vector<std::string>& dims = {}) {
        EnsureBlock("ELEMENT");
        ads_point at = {0, 0, 0};
        std::wstring t = ToWide(tag), l = ToWide(layer);
        resbuf* list = acutBuildList(RTDXF0, L"INSERT", 2, L"ELEMENT", 8, l.c_str(), 10, at, -3, 1001,
                                     L"LurakCad_B1", 1000, t.c_str(), 1000, L"", 1070, 16, 1070, 0,
                                     1040, 0.0, 1070, 0, 1070, labelNumber, 1002, L"{", 0);
        resbuf* tail = list;
        while (tail->rbnext)
            tail = tail->rbnext;
        std::vector<std::wstring> keep;
        auto append = [&](resbuf* more) {
            tail->rbnext = more;
            while (tail->rbnext)
                tail = tail->rbnext;
        };
        append(acutBuildList(1070, labelNumber, 0));
        for (size_t i = 0; i < 3; ++i) {
            keep.push_back(ToWide(i < labels.size() ? labels[i].c_str() : ""));
            append(acutBuildList(1005, keep.back().c_str(), 0));
        }
        append(acutBuildList(1000, L"-", 1002, L"}", 1002, L"{", 0));
        for (const std::string& d : dims) {
            keep.push_back(ToWide(d.c_str()));
            append(acutBuildList(1005, keep.back().c_str(), 0));
        }
        append(acutBuildList(1002, L"}", 0));
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

    static bool Live(const TestEntity& e) { return ::Live(e.name); }
    static bool LayerExists(const char* name) { return TableHas(L"LAYER", name); }

    // A record with every layer on `layer` and the label layer `labelLayer`.
    static LSystemRecord Record(const char* tag, const char* layer, const char* labelLayer) {
        LSystemRecord r;
        snprintf(r.tag, sizeof r.tag, "%s", tag);
        for (auto& l : r.penLayer)
            snprintf(l, sizeof l, "%s", layer);
        snprintf(r.centreLayer, sizeof r.centreLayer, "%s", layer);
        snprintf(r.labelLayer, sizeof r.labelLayer, "%s", labelLayer);
        return r;
    }

    AcDbDatabase* database = nullptr;
    LSystemList list;
};
