// The nine templates hold the controls the dialogs and their callers rely
// on, with the styles that bind typing.
#include <gtest/gtest.h>

#include <vector>

#include "mfc.h"
#include "ui/mfc/dialog_templates.h"

namespace {

using host::mfc::ControlKind;
using host::mfc::ControlTemplate;
using host::mfc::DialogTemplate;
using host::mfc::findTemplate;

std::vector<UINT> IdsOf(const DialogTemplate& t) {
    std::vector<UINT> ids;
    for (const ControlTemplate& c : t.controls)
        if (c.id != static_cast<UINT>(IDC_STATIC))
            ids.push_back(c.id);
    return ids;
}

const ControlTemplate& Control(const DialogTemplate& t, UINT id) {
    for (const ControlTemplate& c : t.controls)
        if (c.id == id)
            return c;
    static ControlTemplate none;
    ADD_FAILURE() << "no control " << id << " in " << t.id;
    return none;
}

TEST(DialogTemplates, ControlsInTemplateOrder) {
    RegisterDialogTemplates();
    struct Expected {
        UINT id;
        int width, height;
        std::vector<UINT> ids;
    } expected[] = {
        {130, 382, 162, {1055, 1000, 1056, 1002, 1057, 1001, 1058, 1008, 1022, 1059, 1009, 1031, 1060, 1023,
                         1061, 1010, 1032, 1033, 1067, 1030, 1062, 1003, 1005, 1063, 1004, 1024, 1064, 1007,
                         1020, 1065, 1021, 1026, 1027, 1025, 1, 2, 1006}},
        {132, 190, 181, {1050, 1009, 1010, 1051, 1023, 1018, 1016, 1019, 1017, 1052, 1053, 1014, 1054, 1015,
                         1, 2, 1022, 1006}},
        {133, 220, 154, {1036, 1037, 1038, 1039, 1040, 1041, 1042, 1043, 1044, 1045, 1046, 1047, 1048, 1049, 1}},
        {135, 166, 68, {1035, 1034, 1, 2, 1006}},
        {136, 166, 61, {1035, 1066, 1, 2, 1006}},
        {137, 186, 106, {1070, 1069, 1067, 1082, 1, 2, 1006}},
        {138, 184, 69, {1035, 1074, 1, 2, 1006}},
        {139, 234, 101, {1075, 1077, 1078, 1076, 1066, 1079, 1080, 1081, 1, 2, 1006}},
        {145, 198, 124, {1083, 1087, 1075, 1084, 1085, 1076, 1086, 1077, 1088, 1078, 1, 2, 1006}},
    };
    for (const Expected& e : expected) {
        const DialogTemplate* t = findTemplate(e.id);
        ASSERT_NE(t, nullptr) << e.id;
        EXPECT_EQ(t->width, e.width) << e.id;
        EXPECT_EQ(t->height, e.height) << e.id;
        EXPECT_EQ(IdsOf(*t), e.ids) << e.id;
        EXPECT_TRUE(t->caption.empty()) << e.id;
        EXPECT_EQ(Control(*t, 1).style & BS_TYPEMASK, BS_DEFPUSHBUTTON) << e.id;
    }
}

TEST(DialogTemplates, StylesThatBindTyping) {
    RegisterDialogTemplates();
    const DialogTemplate& sys = *findTemplate(kSysDialogTemplate);
    EXPECT_EQ(Control(sys, 1000).textLimit, 4);
    EXPECT_TRUE(Control(sys, 1002).style & ES_NUMBER);
    EXPECT_TRUE(Control(sys, 1010).style & ES_NUMBER);
    for (UINT list : {1003u, 1007u, 1008u, 1009u})
        EXPECT_EQ(Control(sys, list).style & (CBS_TYPEMASK | CBS_SORT), CBS_DROPDOWNLIST | CBS_SORT) << list;
    for (UINT layer : {1004u, 1021u, 1023u})
        EXPECT_EQ(Control(sys, layer).style & CBS_TYPEMASK, CBS_DROPDOWN) << layer;

    const DialogTemplate& start = *findTemplate(kStartDialogTemplate);
    EXPECT_FALSE(Control(start, 1022).visible);
    EXPECT_EQ(Control(start, 1022).style & (CBS_TYPEMASK | CBS_SORT), CBS_DROPDOWNLIST);
    EXPECT_TRUE(Control(start, 1015).style & WS_DISABLED);
    EXPECT_TRUE(Control(start, 1014).style & ES_NUMBER);

    const DialogTemplate& options = *findTemplate(kOptionDialogTemplate);
    for (UINT box : {1075u, 1076u, 1077u, 1078u, 1087u})
        EXPECT_TRUE(Control(options, box).style & ES_NUMBER) << box;
    EXPECT_FALSE(Control(*findTemplate(kScaleDialogTemplate), 1074).style & ES_NUMBER);  // decimals
}

} // namespace
