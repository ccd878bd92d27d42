#include "ui/mfc/lcustomdialog.h"

#include <cwchar>

#include "aced_input.h"
#include "core/element_room.h"
#include "core/lobject.h"
#include "core/message_numbers.h"
#include "core/system_list.h"
#include "core/system_text.h"
#include "ui/mfc/dialog_support.h"
#include "ui/mfc/control_ids.h"
#include "ui/mfc/dialog_templates.h"

namespace {

constexpr int kTagChars = 4;
constexpr int kTagRoom = 16;
constexpr int16_t kNotListed = 1;
constexpr const wchar_t* kMsgTextTooLong =
    L"The name and the text may take at most %zu bytes each (about %zu characters of Chinese or "
    L"Japanese script): the drawing stores no more with an element.";
// The bytes one character of those scripts takes in UTF-8.
constexpr size_t kWideScriptBytes = 3;

// The listed system of the tag (normalised in tag); false when none has it.
bool FindListedSystem(LSystemList* systems, char* tag, LSystemRecord* out) {
    return systems != nullptr && GetSystemByTag(*systems, out, tag) == 0;
}

} // namespace

LCustomDialog::LCustomDialog(CWnd* parent) : CDialog(kCustomDialogTemplate, parent), systems(DialogSystems()) {
    RegisterDialogTemplates();
}

void LCustomDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kCustomNameEdit, nameBox);
    DDX_Control(pDX, kCustomUserTextEdit, userTextBox);
    DDX_Control(pDX, kSystemTagList, systemBox);
    DDX_Control(pDX, kCustomListedCheck, listedCheck);
}

BOOL LCustomDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetTitleText(*this, 55);
    static const int labels[][2] = {{kCustomBlockGroup, 56}, {kCustomSystemLabel, 57}, {kCustomNameLabel, 58}, {kCustomUserTextLabel, 59}, {kCustomListedCheck, 60}};
    for (const auto& label : labels)
        SetItemText(*this, label[0], label[1]);
    AddSystemTags(systemBox, systems);
    systemBox.LimitText(kTagChars);
    if (pElement == nullptr)
        return TRUE;
    char tag[kTagRoom] = "";
    pElement->GetSystemTag(tag, sizeof tag);
    systemBox.SelectString(-1, WideText(tag).c_str());
    userTextBox.SetWindowText(WideText(pElement->userText).c_str());
    listedCheck.SetCheck(pElement->listingFlag == kNotListed ? BST_UNCHECKED : BST_CHECKED);
    nameBox.SetWindowText(WideText(pElement->GetParamText(0).c_str()).c_str());
    return TRUE;
}

void LCustomDialog::OnOK() {
    // Without an element there is nothing to confirm.
    if (pElement == nullptr)
        return;
    char tag[kTagRoom] = "";
    CopyFieldText(tag, ControlText(systemBox, kTagChars).c_str());
    // A tag that no listed system has would leave the element on its old
    // system without a word: it is refused like an empty one.
    LSystemRecord system;
    if (tag[0] == '\0' || !FindListedSystem(systems, tag, &system)) {
        AlertMessage(kMsgNoSystem);
        return;
    }
    // The element stores each text in one text group of its data: a longer
    // one would keep the element out of the drawing.
    std::string name = ControlText(nameBox, -1), userText = ControlText(userTextBox, -1);
    if (!ElementTextFits(name.c_str()) || !ElementTextFits(userText.c_str())) {
        wchar_t text[256];
        std::swprintf(text, sizeof text / sizeof text[0], kMsgTextTooLong, kElementTextRoom,
                      kElementTextRoom / kWideScriptBytes);
        acedAlert(text);
        return;
    }
    pElement->SetSystemRecord(system);
    pElement->SetParamText(0, name.c_str());
    SetElementUserText(pElement, userText.empty() ? nullptr : userText.c_str());
    pElement->listingFlag = listedCheck.GetCheck() == BST_CHECKED ? 0 : kNotListed;
    CDialog::OnOK();
}

void LCustomDialog::OnCancel() { CDialog::OnCancel(); }
