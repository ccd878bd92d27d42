// List operations and image recording.
#include "dialog_fixture.h"

namespace {

using namespace dcltest;

std::vector<std::string> items(ads_hdlg hdlg, const char* key) {
    return host::dcl::dialogState(hdlg)->tile(key)->items;
}

void fill(ads_hdlg hdlg, const wchar_t* key, short op, short index, std::initializer_list<const wchar_t*> rows) {
    ASSERT_EQ(ads_start_list(hdlg, key, op, index), RTNORM);
    for (const wchar_t* row : rows) ASSERT_EQ(ads_add_list(row), RTNORM);
    ASSERT_EQ(ads_end_list(), RTNORM);
}

TEST_F(DialogTest, ListOperationsReplaceAppendAndChange) {
    ads_set_tile(hdlg_, L"list", L"2");
    fill(hdlg_, L"list", LIST_NEW, 0, {L"[AA] Befuvo", L"[BB] Elszivo"});
    EXPECT_EQ(items(hdlg_, "list"), (std::vector<std::string>{"[AA] Befuvo", "[BB] Elszivo"}));
    EXPECT_EQ(tileValue(hdlg_, L"list"), "");  // a new list has nothing chosen
    ads_set_tile(hdlg_, L"list", L"1");
    fill(hdlg_, L"list", LIST_APPEND, 0, {L"[CC] Friss"});
    EXPECT_EQ(tileValue(hdlg_, L"list"), "1");  // appending keeps the choice
    fill(hdlg_, L"list", LIST_CHANGE, 0, {L"first", L"[AA] Átnevezve"});  // the last one stays
    EXPECT_EQ(items(hdlg_, "list"),
              (std::vector<std::string>{"[AA] Átnevezve", "[BB] Elszivo", "[CC] Friss"}));
    fill(hdlg_, L"size", LIST_NEW, 0, {L"0", L"33%", L"50%"});
    EXPECT_EQ(tileValue(hdlg_, L"size"), "0");  // a popup list shows its first row
    fill(hdlg_, L"size", LIST_NEW, 0, {});
    EXPECT_EQ(tileValue(hdlg_, L"size"), "");
    EXPECT_EQ(ads_start_list(hdlg_, L"list", LIST_CHANGE, 3), RTERROR);  // no row 3
    EXPECT_EQ(ads_add_list(L"stray"), RTERROR);
    EXPECT_EQ(ads_start_list(hdlg_, L"list", 4, 0), RTERROR);
    EXPECT_EQ(ads_start_list(hdlg_, L"width", LIST_NEW, 0), RTERROR);
    EXPECT_EQ(ads_end_list(), RTERROR);
    EXPECT_EQ(items(hdlg_, "list").size(), 3u);
    EXPECT_NE(host::io::takeTranscript().find("ads_start_list: \"width\" (edit_box) is not a list"),
              std::string::npos);
}

TEST_F(DialogTest, ListsHoldAtMost32768Rows) {
    ASSERT_EQ(ads_start_list(hdlg_, L"list", LIST_NEW, 0), RTNORM);
    int accepted = 0;
    for (int i = 0; i < 32770; ++i)
        if (ads_add_list(L"row") == RTNORM) ++accepted;
    ads_end_list();
    EXPECT_EQ(accepted, 32768);
    EXPECT_EQ(items(hdlg_, "list").size(), 32768u);
}

void refill(ads_callback_packet* p) {
    record(p);
    ads_start_list(p->dialog, L"list", LIST_NEW, 0);
    ads_add_list(L"new row");
    ads_end_list();
}

TEST_F(DialogTest, ListRefilledInsideACallbackTakesNewRows) {
    bind({L"vl01"}, refill);
    bind({L"list"});
    EXPECT_EQ(run("list=2\nvl01\nlist=1\nlist=0\naccept\n"), DLGOK);
    EXPECT_NE(host::io::takeTranscript().find("list_box \"list\" has no row \"1\" (rows 0 to 0)"), std::string::npos);
    EXPECT_EQ(last("list").items, std::vector<std::string>{"new row"});
    EXPECT_EQ(last("list").value, "0");
}

TEST_F(DialogTest, ImagesAreRecordedWithTheirSlides) {
    short cx = 0, cy = 0;
    ASSERT_EQ(ads_dimensions_tile(hdlg_, L"sld", &cx, &cy), RTNORM);
    EXPECT_EQ(cx, 159);  // 20 characters of 8 pixels, less one
    EXPECT_EQ(cy, 106);  // from the aspect ratio 1.5
    ads_dimensions_tile(hdlg_, L"vl01", &cx, &cy);
    EXPECT_EQ(cx, 79);
    EXPECT_EQ(cy, 79);
    ASSERT_EQ(ads_start_image(hdlg_, L"vl01"), RTNORM);
    ads_vector_image(0, 0, 10, 10, 1);
    ads_slide_image(0, 0, cx, cy, L"/opt/lurak/LURAK.SLB(vl01-)");
    ASSERT_EQ(ads_end_image(), RTNORM);
    EXPECT_EQ(host::dcl::lastSlide("vl01"), "/opt/lurak/LURAK.SLB(vl01-)");
    const host::dcl::ImageRecord* image = host::dcl::lastImage("vl01");
    ASSERT_TRUE(image);
    ASSERT_EQ(image->ops.size(), 2u);
    EXPECT_EQ(image->ops[0].type, host::dcl::ImageOp::Type::Vector);
    EXPECT_EQ(image->ops[1].x2, 79);
    ads_start_image(hdlg_, L"vl01");
    ads_fill_image(0, 0, cx, cy, -2);  // covers the tile: the picture starts anew
    ads_end_image();
    image = host::dcl::lastImage("vl01");
    ASSERT_EQ(image->ops.size(), 1u);
    EXPECT_EQ(image->ops[0].color, -2);
    EXPECT_EQ(host::dcl::lastSlide("vl01"), "");
    EXPECT_EQ(host::dcl::lastImage("vl02"), nullptr);
    EXPECT_EQ(ads_fill_image(0, 0, 1, 1, 0), RTERROR);  // no start_image
    EXPECT_EQ(ads_start_image(hdlg_, L"list"), RTERROR);
    EXPECT_EQ(ads_slide_image(0, 0, 1, 1, L"x"), RTERROR);
    EXPECT_EQ(ads_end_image(), RTERROR);
}

} // namespace
