// A new drawing made current for each test, and list helpers.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "acdb_objects.h"
#include "ads_entity.h"
#include "api/host_api.h"
#include "api/lists.h"
#include "io/io.h"

class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        drawing = std::make_unique<AcDbDatabase>();
        host::api::setCurrentDatabase(drawing.get());
        ASSERT_EQ(acdbRegApp(L"LurakCad_B1"), RTNORM);
    }
    void TearDown() override {
        host::api::setCurrentDatabase(static_cast<host::db::Database*>(nullptr));
        drawing.reset();
    }
    host::db::Database& db() { return *drawing->hostDatabase(); }
    // The model space's block record.
    AcDbObjectId modelSpace() {
        AcDbBlockTable* table = nullptr;
        EXPECT_EQ(drawing->getBlockTable(table, AcDb::kForRead), Acad::eOk);
        AcDbObjectId id;
        EXPECT_EQ(table->getAt(ACDB_MODEL_SPACE, id), Acad::eOk);
        table->close();
        return id;
    }
    std::unique_ptr<AcDbDatabase> drawing;
};

// Frees a list at the end of a scope.
struct ListHolder {
    resbuf* list;
    explicit ListHolder(resbuf* l) : list(l) {}
    ~ListHolder() { acutRelRb(list); }
    ListHolder(const ListHolder&) = delete;
    ListHolder& operator=(const ListHolder&) = delete;
};

// The group codes of a list, in order.
inline std::vector<int> codesOf(const resbuf* list) {
    std::vector<int> codes;
    for (const resbuf* rb = list; rb; rb = rb->rbnext) codes.push_back(rb->restype);
    return codes;
}

// The first group with a code, or null.
inline const resbuf* findCode(const resbuf* list, int code) {
    for (const resbuf* rb = list; rb; rb = rb->rbnext)
        if (rb->restype == code) return rb;
    return nullptr;
}

inline std::wstring textOf(const resbuf* rb) { return rb && rb->resval.rstring ? rb->resval.rstring : L""; }

// Makes an entity and returns its name (null name on failure).
inline void makeEntity(resbuf* list, ads_name name) {
    ads_name_clear(name);
    if (acdbEntMake(list) == RTNORM) acdbEntLast(name);
    acutRelRb(list);
}

// A LINE from (0,0) to (1,0), then the given groups.
inline resbuf* line(resbuf* tail = nullptr) {
    ads_point p = {0, 0, 0}, q = {1, 0, 0};
    resbuf* list = acutBuildList(RTDXF0, L"LINE", 10, p, 11, q, 0);
    list->rbnext->rbnext->rbnext = tail;
    return list;
}

// acdbEntMake, acdbEntMakeX and acdbEntMod that release the list: the status.
inline int make(resbuf* list) {
    int status = acdbEntMake(list);
    acutRelRb(list);
    return status;
}
inline int makeX(resbuf* list, ads_name made) {
    int status = acdbEntMakeX(list, made);
    acutRelRb(list);
    return status;
}
inline int modify(resbuf* list) {
    int status = acdbEntMod(list);
    acutRelRb(list);
    return status;
}

// A block of the given entities; the name the host gave it.
inline std::wstring makeBlock(const wchar_t* name, std::vector<resbuf*> entities = {}) {
    ads_point origin = {0, 0, 0};
    EXPECT_EQ(make(acutBuildList(RTDXF0, L"BLOCK", 2, name, 10, origin, 70, name[0] == L'*' ? 1 : 0, 0)), RTNORM);
    for (resbuf* entity : entities) EXPECT_EQ(make(entity), RTNORM);
    EXPECT_NE(make(acutBuildList(RTDXF0, L"ENDBLK", 0)), RTERROR);
    return name[0] == L'*' ? host::io::fromUtf8(host::io::lastInput()) : name;
}

// An entity's list with the XDATA of the applications a pattern names.
inline resbuf* getX(const ads_name e, const wchar_t* apps = L"*") {
    resbuf* names = acutBuildList(RTSTR, apps, 0);
    resbuf* list = acdbEntGetX(e, names);
    acutRelRb(names);
    return list;
}

// The nth group with a code, or null.
inline resbuf* nth(resbuf* list, int code, int n = 0) {
    for (resbuf* rb = list; rb; rb = rb->rbnext)
        if (rb->restype == code && n-- == 0) return rb;
    return nullptr;
}

inline void setText(resbuf* rb, const wchar_t* text) {
    ASSERT_NE(rb, nullptr);
    free(rb->resval.rstring);
    rb->resval.rstring = wcsdup(text);
}

inline AcDbObjectId idOf(const ads_name name) {
    AcDbObjectId id;
    EXPECT_EQ(acdbGetObjectId(id, name), Acad::eOk);
    return id;
}

// Everything of an entity's list but its name, handle and owner, as text.
inline std::vector<std::string> contentOf(const resbuf* list) {
    std::vector<std::string> out;
    for (const resbuf* rb = list; rb; rb = rb->rbnext) {
        if (rb->restype == -1 || rb->restype == 5 || rb->restype == 330) continue;
        std::string item = std::to_string(rb->restype) + ":";
        host::db::Group g;
        std::string error;
        if (rb->restype >= 0 && host::api::groupFromResbuf(*host::api::current(), *rb, g, error)) {
            if (g.isText()) item += std::string(g.asText());
            else if (g.kind() == host::db::ValueKind::Point)
                for (int i = 0; i < 3; ++i) item += std::to_string(g.asPoint()[i]) + ",";
            else if (g.kind() == host::db::ValueKind::Real) item += std::to_string(g.asReal());
            else item += std::to_string(g.asInt());
        }
        out.push_back(item);
    }
    return out;
}
inline std::vector<std::string> contentOf(const ads_name e) {
    ListHolder list(getX(e));
    return contentOf(list.list);
}
