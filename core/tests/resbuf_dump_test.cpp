// The debugging dump of entity lists: each group described by its code.
#include <gtest/gtest.h>
#include "ads_entity.h"
#include "core/resbuf_dump.h"
#include "io/io.h"

TEST(ResbufDump, EachGroupByItsCode) {
    ads_point p = {1, 2, 3};
    ads_name name = {7, 9};
    resbuf* list = acutBuildList(RTDXF0, L"LINE", -1, name, 8, L"Fűtés", 6, L"KOZEP", 62, 5,
                                 10, p, 40, 2.5, 50, 0.5, 70, 3, 90, 70000L, 210, p, 0);
    ASSERT_NE(list, nullptr);
    host::io::captureTranscript();
    DumpResbufList(list);
    std::string out = host::io::takeTranscript();
    acutRelRb(list);
    for (const char* line : {"\tAttr: 0\tString=\"LINE\".\n", "\tAttr: -1\tName Ref=7,9\n", "Layer=\"Fűtés\".\n",
                             "\tAttr: 62\tUnknown type.\n", "Point=(1.000000, 2.000000, 3.000000).\n",
                             "Angle=0.500000.\n", "\tAttr: 90\tInteger=70000.\n", "Extrusion Point=(1.000000"})
        EXPECT_NE(out.find(line), std::string::npos) << line << " in\n" << out;
}

TEST(ResbufDump, XdataAndUnknownCodes) {
    resbuf marker{}, app{}, text{}, small{}, odd{};
    marker.restype = -3;
    marker.rbnext = &app;
    app.restype = 1001;
    app.resval.rstring = const_cast<wchar_t*>(L"LurakCad_B1");
    app.rbnext = &text;
    text.restype = 1000;
    text.resval.rstring = nullptr;  // a text group without its text
    text.rbnext = &small;
    small.restype = 1070;
    small.resval.rint = -2;
    small.rbnext = &odd;
    odd.restype = 5555;
    EXPECT_EQ(DescribeResbuf(&marker), "XDATA Sentinel.\n");
    EXPECT_EQ(DescribeResbuf(&app), "  XDATA Appname=\"LurakCad_B1\".\n");
    EXPECT_EQ(DescribeResbuf(&text), "  XDATA String=\"\".\n");
    EXPECT_EQ(DescribeResbuf(&small), "  XDATA Integer=-2.\n");
    EXPECT_EQ(DescribeResbuf(&odd), "Unknown code.\n");
}
