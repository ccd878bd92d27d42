// CDialog and its message maps.
//
// A dialog class declares its map in the class with DECLARE_MESSAGE_MAP()
// and defines it in its source file:
//
//     BEGIN_MESSAGE_MAP(LStartDialog, CDialog)
//         ON_NOTIFY(TCN_SELCHANGE, 1023, &LStartDialog::OnSelchangeTab)
//         ON_EN_CHANGE(1014, &LStartDialog::UpdateVelocity)
//         ON_BN_CLICKED(1006, &LStartDialog::OnHelp)
//     END_MESSAGE_MAP()
//
// Command handlers take no arguments; ON_NOTIFY handlers take
// (NMHDR*, LRESULT*).  A notification goes to the first matching entry of
// the most derived map, then of its base classes' maps.  Clicking OK or
// Cancel without an entry of their own calls OnOK or OnCancel.
//
// DoModal runs the dialog on input lines (see host/mfc/README.md): the
// controls are made from the template registered under the dialog's id
// (mfc_template.h), OnInitDialog runs, then each line acts on a control by
// its id until the dialog ends; end of input cancels it.
#pragma once

#include "mfc_window.h"

namespace host::mfc {

class DialogRun;

typedef void (CCmdTarget::*CommandHandler)();
typedef void (CCmdTarget::*NotifyHandler)(NMHDR*, LRESULT*);

// One line of a message map; the map ends with an entry without handler.
struct MessageEntry {
    UINT code = 0;
    UINT id = 0;
    CommandHandler command = nullptr;
    NotifyHandler notify = nullptr;

    template <typename T>
    static MessageEntry onCommand(UINT code, UINT id, void (T::*handler)()) {
        return {code, id, static_cast<CommandHandler>(handler), nullptr};
    }
    template <typename T>
    static MessageEntry onNotify(UINT code, UINT id, void (T::*handler)(NMHDR*, LRESULT*)) {
        return {code, id, nullptr, static_cast<NotifyHandler>(handler)};
    }
};

struct MessageMap {
    const MessageMap* (*base)();  // null at the root
    const MessageEntry* entries;
};

} // namespace host::mfc

#define DECLARE_MESSAGE_MAP()                                     \
protected:                                                        \
    static const host::mfc::MessageMap* GetThisMessageMap();      \
    const host::mfc::MessageMap* GetMessageMap() const override;  \
                                                                  \
public:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                    \
    const host::mfc::MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const host::mfc::MessageMap* theClass::GetThisMessageMap() {                                 \
        using ThisClass [[maybe_unused]] = theClass;                                              \
        using TheBaseClass = baseClass;                                                           \
        static const host::mfc::MessageEntry entries[] = {

#define END_MESSAGE_MAP()                                                                      \
    host::mfc::MessageEntry{}                                                                  \
    }                                                                                          \
    ;                                                                                          \
    static const host::mfc::MessageMap map = {&TheBaseClass::GetThisMessageMap, entries};     \
    return &map;                                                                               \
    }

#define ON_CONTROL(code, id, handler) host::mfc::MessageEntry::onCommand(code, id, handler),
#define ON_COMMAND(id, handler) ON_CONTROL(BN_CLICKED, id, handler)
#define ON_BN_CLICKED(id, handler) ON_CONTROL(BN_CLICKED, id, handler)
#define ON_EN_CHANGE(id, handler) ON_CONTROL(EN_CHANGE, id, handler)
#define ON_EN_KILLFOCUS(id, handler) ON_CONTROL(EN_KILLFOCUS, id, handler)
#define ON_EN_SETFOCUS(id, handler) ON_CONTROL(EN_SETFOCUS, id, handler)
#define ON_CBN_SELCHANGE(id, handler) ON_CONTROL(CBN_SELCHANGE, id, handler)
#define ON_CBN_EDITCHANGE(id, handler) ON_CONTROL(CBN_EDITCHANGE, id, handler)
#define ON_CBN_KILLFOCUS(id, handler) ON_CONTROL(CBN_KILLFOCUS, id, handler)
#define ON_NOTIFY(code, id, handler) host::mfc::MessageEntry::onNotify(code, id, handler),

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // IDOK, IDCANCEL or the value given to EndDialog; -1 when the dialog
    // could not be made (no template of that id, or already running).
    virtual INT_PTR DoModal();
    // The base ties the controls (UpdateData(FALSE)) and returns TRUE.
    virtual BOOL OnInitDialog();
    // The base reads the controls (UpdateData(TRUE)) and ends with IDOK.
    virtual void OnOK();
    // The base ends with IDCANCEL.
    virtual void OnCancel();
    // Ends the modal run once the current handler returns.
    void EndDialog(int result);
    // Gives control the focus (as the user's Tab key would).
    void GotoDlgCtrl(CWnd* control);

    UINT templateId() const { return templateId_; }
    CWnd* m_pParentWnd;

protected:
    static const host::mfc::MessageMap* GetThisMessageMap();
    virtual const host::mfc::MessageMap* GetMessageMap() const;

private:
    friend class host::mfc::DialogRun;
    UINT templateId_;
    host::mfc::DialogRun* run_ = nullptr;
};
