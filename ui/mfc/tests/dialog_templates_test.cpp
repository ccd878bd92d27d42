// The nine templates: OK as the default button, Cancel and Help beside it
// but in the information dialog, and the styles that bind typing.
#include <gtest/gtest.h>

#include "mfc.h"
#include "ui/mfc/dialog_templates.h"

namespace {

using host::mfc::ControlTemplate;
using host::mfc::DialogTemplate;
using host::mfc::findTemplate;

const ControlTemplate& Control(const DialogTemplate& t, UINT id) {
    for (const ControlTemplate& c : t.controls)
        if (c.id == id)
            return c;
    static ControlTemplate none;
    ADD_FAILURE() << "no control " << id << " in " << t.id;
    return none;
}

TEST(DialogTemplates, EveryTemplateHasItsButtons) {
    RegisterDialogTemplates();
    for (UINT id : {kSysDialogTemplate, kStartDialogTemplate, kInfoDialogTemplate, kExplodeDialogTemplate,
                    kCopyDialogTemplate, kDimDialogTemplate, kScaleDialogTemplate, kCustomDialogTemplate,
                    kOptionDialogTemplate}) {
        const DialogTemplate* t = findTemplate(id);
        ASSERT_NE(t, nullptr) << id;
        EXPECT_TRUE(t->caption.empty()) << id;
        EXPECT_EQ(Control(*t, IDOK).style & BS_TYPEMASK, BS_DEFPUSHBUTTON) << id;
        if (id != kInfoDialogTemplate) {
            EXPECT_EQ(Control(*t, IDCANCEL).id, static_cast<UINT>(IDCANCEL));
            EXPECT_EQ(Control(*t, kHelpButton).id, static_cast<UINT>(kHelpButton));
        }
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
