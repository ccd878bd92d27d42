// The system linetypes, loaded through the host's linetype command.
#include <gtest/gtest.h>

#include <string>

#include "aced_input.h"
#include "core/linetypes.h"
#include "core/string_convert.h"
#include "host/shell/commands.h"
#include "system_fixture.h"

namespace {

class LinetypeTest : public ShellDrawingTest {
protected:
    static void SetEcho(short value) {
        resbuf rb;
        rb.rbnext = nullptr;
        rb.restype = RTSHORT;
        rb.resval.rint = value;
        ASSERT_EQ(acedSetVar(L"CMDECHO", &rb), RTNORM);
    }
    static short Echo() {
        resbuf rb;
        EXPECT_EQ(acedGetVar(L"CMDECHO", &rb), RTNORM);
        return rb.resval.rint;
    }
};

}  // namespace

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
            if (g->restype == 2 && ToNarrowString(g->resval.rstring) == "CIKKCAKK")
                ++count;
        acutRelRb(rb);
    }
    EXPECT_EQ(count, 1);
}
