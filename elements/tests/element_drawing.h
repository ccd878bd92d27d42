// A fresh drawing made current with the messages and type tables loaded,
// and readers of what an element put into it: the entities of an anonymous
// block, and the texts of the element's label.  Shared by the tests of the
// element families.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "acdb_objects.h"
#include "ads_entity.h"
#include "api/host_api.h"
#include "core/lobject.h"
#include "core/messages.h"
#include "core/type_tables.h"
#include "db/database.h"
#include "host/io/io.h"

// One entity of a block: its type, layer, linetype and first two points.
struct Primitive {
    std::string type;
    std::string layer;
    std::string linetype;  // "" when the entity names none
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

class ElementDrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(LoadMessagesFile(LURAK_SOURCE_DIR "/data/lurak.msg"), 0);
        InitTypeTables();
        database = new AcDbDatabase(true);
        host::api::setCurrentDatabase(database);
        for (const wchar_t* name : {L"szaggatott", L"KOZEP"}) {
            resbuf* lt = acutBuildList(RTDXF0, L"LTYPE", 2, name, 70, 0, 3, L"", 72, 65, 73, 0,
                                       40, 0.0, 0);
            ASSERT_EQ(acdbEntMake(lt), RTNORM);
            acutRelRb(lt);
        }
        host::io::setScript("");
    }
    void TearDown() override {
        host::api::setCurrentDatabase(static_cast<AcDbDatabase*>(nullptr));
        delete database;
        host::io::setSource(nullptr);
    }

    // Pens on layers P0, P1, P2 and the centre lines on PC.
    static LSystemRecord Pens() {
        LSystemRecord r;
        std::snprintf(r.tag, sizeof r.tag, "T1");
        for (int i = 0; i < 3; ++i) {
            std::snprintf(r.penLayer[i], sizeof r.penLayer[i], "P%d", i);
            std::snprintf(r.penLinetype[i], sizeof r.penLinetype[i], "BYLAYER");
            r.penColour[i] = static_cast<int16_t>(i + 1);
        }
        r.centreColour = 4;
        std::snprintf(r.centreLayer, sizeof r.centreLayer, "PC");
        std::snprintf(r.centreLinetype, sizeof r.centreLinetype, "KOZEP");
        std::snprintf(r.labelLayer, sizeof r.labelLayer, "LABELS");
        return r;
    }

    // The element's block drawn in orientation o, read back.
    static std::vector<Primitive> Draw(LObject& e, int16_t o) {
        e.SetSystemRecord(Pens());
        e.orientation = o;
        char name[kBlockNameSize] = "";
        EXPECT_EQ(e.MakeBlock(name), 0);
        EXPECT_EQ(name[0], '*');
        return BlockEntities(name);
    }

    static std::vector<Primitive> BlockEntities(const char* name) {
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
            if (const host::db::Group* g = host::db::findGroup(*o, 10)) {
                p.x1 = g->asPoint()[0];
                p.y1 = g->asPoint()[1];
            }
            if (const host::db::Group* g = host::db::findGroup(*o, 11)) {
                p.x2 = g->asPoint()[0];
                p.y2 = g->asPoint()[1];
            }
            out.push_back(p);
        }
        return out;
    }

    // How many of the primitives are of the type (and linetype, when given).
    static int Count(const std::vector<Primitive>& list, const char* type, const char* linetype = nullptr) {
        int n = 0;
        for (const Primitive& p : list)
            if (p.type == type && (!linetype || p.linetype == linetype))
                ++n;
        return n;
    }

    // The texts of the element's label block (its fitting or unit label).
    static std::vector<std::string> LabelTexts(LObject& e) {
        std::vector<std::string> out;
        LLabelNode* node = e.GetLabel(e.fittingLabelNode);
        if (!node)
            return out;
        resbuf* list = acdbEntGet(node->third);
        std::string block;
        for (resbuf* rb = list; rb; rb = rb->rbnext)
            if (rb->restype == 2)
                block = host::io::toUtf8(rb->resval.rstring);
        acutRelRb(list);
        host::db::Database* db = host::api::currentDatabase();
        const host::db::Block* b = db->block(db->findRecord(host::db::Table::BlockRecord, block));
        if (!b)
            return out;
        for (auto slot : b->entities) {
            const host::db::Object* o = db->object(slot);
            if (o->typeName() == "TEXT")
                out.push_back(std::string(host::db::groupText(*o, 1)));
        }
        return out;
    }

    AcDbDatabase* database = nullptr;
};
