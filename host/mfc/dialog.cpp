// CDialog: the modal run and its standard endings; the host's main frame.
#include <string>

#include "dialog_run.h"
#include "io/io.h"
#include "mfc.h"

using namespace host::mfc;

CDialog::CDialog(UINT templateId, CWnd* parent) : m_pParentWnd(parent), templateId_(templateId) {}

CDialog::~CDialog() = default;

INT_PTR CDialog::DoModal() {
    if (run_) {
        host::io::print("Dialog " + std::to_string(templateId_) + " is already open.\n");
        return -1;
    }
    const DialogTemplate* found = findTemplate(templateId_);
    if (!found) {
        host::io::print("No dialog template " + std::to_string(templateId_) + " is defined.\n");
        return -1;
    }
    DialogRun run(*this, *found);
    run_ = &run;
    INT_PTR result = run.run();
    run_ = nullptr;
    return result;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int result) {
    if (run_) run_->end(result);
}

void CDialog::GotoDlgCtrl(CWnd* control) {
    if (control) control->SetFocus();
}

const MessageMap* CDialog::GetThisMessageMap() {
    static const MessageEntry entries[] = {MessageEntry{}};
    static const MessageMap map = {nullptr, entries};
    return &map;
}

const MessageMap* CDialog::GetMessageMap() const { return GetThisMessageMap(); }

namespace {

struct Frame {
    HWND__ window;
    CWnd object;
    Frame() {
        window.role = HWND__::Role::Frame;
        window.text = L"LURAK";
        window.bound = &object;
        object.m_hWnd = &window;
    }
};

Frame& frame() {
    static Frame f;
    return f;
}

} // namespace

CWnd* acedGetAcadFrame() { return &frame().object; }

HWND adsw_acadMainWnd() { return &frame().window; }

int AfxMessageBox(LPCTSTR text, UINT type, UINT) { return MessageBoxW(adsw_acadMainWnd(), text, L"LURAK", type); }
