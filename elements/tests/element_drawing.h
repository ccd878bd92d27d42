// A fresh drawing made current on top of the element fixture, and readers
// of what an element put into it: the entities of its block in each view,
// and the texts of its label.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "acdb_objects.h"
#include "ads_entity.h"
#include "api/host_api.h"
#include "core/lobject.h"
#include "elements/tests/element_test.h"
#include "host/io/io.h"

class ElementDrawingTest : public ElementTest {
protected:
    void SetUp() override {
        ElementTest::SetUp();
        database = new AcDbDatabase(true);
        host::api::setCurrentDatabase(database);
        MakeBlockLinetypes();
        host::io::setScript("");
    }
    void TearDown() override {
        host::api::setCurrentDatabase(static_cast<AcDbDatabase*>(nullptr));
        delete database;
        host::io::setSource(nullptr);
        ElementTest::TearDown();
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

    // The element's block as its orientation and centre-line switches
    // stand, on the pens of Pens(), read back.
    static std::vector<Primitive> Block(LObject& e) {
        LSystemRecord pens = Pens();
        pens.rectCentreLines = e.system.rectCentreLines;
        pens.roundCentreLines = e.system.roundCentreLines;
        e.SetSystemRecord(pens);
        char name[kBlockNameSize] = "";
        EXPECT_EQ(e.MakeBlock(name), 0);
        EXPECT_EQ(name[0], '*');
        return BlockPrimitives(name);
    }

    // The element's block drawn in orientation o, read back.
    static std::vector<Primitive> Draw(LObject& e, int16_t o) {
        e.SetSystemRecord(Pens());
        e.orientation = o;
        return Block(e);
    }

    // Seen end-on (orientations 2 and 5) a straight duct shows its connector
    // symbols and, while `centreLines` is on, its centre line from -half to
    // half: no joint line.
    static void ExpectEndViewsWithoutJoints(LObject& e, int16_t& centreLines, double half) {
        for (int16_t o : {2, 5}) {
            e.SetOrientation(o);
            centreLines = 1;
            std::vector<Primitive> with = Block(e);
            centreLines = 0;
            std::vector<Primitive> without = Block(e);
            ASSERT_EQ(with.size(), without.size() + 1) << o;
            ExpectLine(with.back(), "PC", -half, 0, half, 0);
            for (const Primitive& x : without)
                EXPECT_NE(x.layer, "P1") << o << ": no joint line in an end view";
        }
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
        for (const Primitive& p : BlockPrimitives(block.c_str()))
            if (p.type == "TEXT")
                out.push_back(p.text);
        return out;
    }

    AcDbDatabase* database = nullptr;
};
