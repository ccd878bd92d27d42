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
