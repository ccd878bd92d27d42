// The system linetypes, loaded through the host's linetype command.
#include <gtest/gtest.h>

#include <string>

#include "aced_input.h"
#include "ads_entity.h"
#include "core/linetypes.h"
#include "core/string_convert.h"
#include "host/io/io.h"
#include "host/shell/commands.h"
#include "host/shell/session.h"

namespace {

class LinetypeTest : public ::testing::Test {
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
    static bool HasLinetype(const char* name) {
        resbuf* record = acdbTblSearch(L"LTYPE", ToWide(name).c_str(), 0);
        acutRelRb(record);
        return record != nullptr;
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
        EXPECT_TRUE(HasLinetype(name)) << name;
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
