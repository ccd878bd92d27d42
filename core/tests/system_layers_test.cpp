// System layers made by CreateLayer, and the system linetypes loaded through
// the host's linetype command.
#include "fixtures.h"
#include "core/linetypes.h"

using LayerTest = SystemDrawingTest;
using LinetypeTest = ShellDrawingTest;

TEST_F(LayerTest, CreateLayerAddsOnceWithColourAndContinuous) {
    auto colour = [] {
        resbuf* record = acdbTblSearch(L"LAYER", L"LURAK-ZL1", 0);
        int c = Group(record, 62) ? Group(record, 62)->resval.rint : -1;
        std::string linetype = Group(record, 6) ? ToNarrowString(Group(record, 6)->resval.rstring) : "";
        acutRelRb(record);
        EXPECT_EQ(FoldedLayerName(linetype.c_str()), "CONTINUOUS");
        return c;
    };
    EXPECT_EQ(CreateLayer(3, L"LURAK-ZL1", database), Acad::eOk);
    EXPECT_EQ(colour(), 3);
    // An existing layer keeps its colour, whatever case the name is given in.
    EXPECT_EQ(CreateLayer(5, L"lurak-zl1", database), Acad::eOk);
    EXPECT_EQ(colour(), 3);
    // Bad names and a missing drawing are refused.
    EXPECT_EQ(CreateLayer(1, L"A<B", database), Acad::eInvalidInput);
    EXPECT_FALSE(LayerExists("A<B"));
    EXPECT_EQ(CreateLayer(1, nullptr, database), Acad::eInvalidInput);
    EXPECT_EQ(CreateLayer(1, L"X", nullptr), Acad::eInvalidInput);
}

TEST_F(LinetypeTest, LoadsTheThreeQuietlyOnceAndRestoresCmdecho) {
    for (short echo : {1, 0}) {
        SetEcho(echo);
        host::io::takeTranscript();
        EXPECT_EQ(LoadLinetypes(), 0);
        EXPECT_EQ(Echo(), echo);
        EXPECT_FALSE(host::shell::commandActive());
        EXPECT_EQ(host::io::takeTranscript().find("linetype"), std::string::npos);
    }
    for (const char* name : {"KÖZÉP", "szaggatott", "CIKKCAKK"})
        EXPECT_TRUE(TableHas(L"LTYPE", name)) << name;
    // Loaded twice, each is still there once.
    int count = 0;
    for (resbuf* rb = acdbTblNext(L"LTYPE", 1); rb; rb = acdbTblNext(L"LTYPE", 0)) {
        for (resbuf* g = rb; g; g = g->rbnext)
            count += g->restype == 2 && ToNarrowString(g->resval.rstring) == "CIKKCAKK";
        acutRelRb(rb);
    }
    EXPECT_EQ(count, 1);
}
