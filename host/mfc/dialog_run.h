// One modal run of a dialog: its windows, focus, notifications and the
// loop that reads input lines until the dialog ends.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "mfc_dialog.h"
#include "window_state.h"

namespace host::mfc {

class DialogRun {
public:
    DialogRun(CDialog& dialog, const DialogTemplate& dialogTemplate);
    ~DialogRun();
    DialogRun(const DialogRun&) = delete;
    DialogRun& operator=(const DialogRun&) = delete;

    // OnInitDialog, then one input line after another until the end.
    INT_PTR run();

    CDialog& dialog() { return dialog_; }
    HWND__* window() { return window_.get(); }
    UINT templateId() const { return templateId_; }
    // The first control with the id (template order), or null.
    HWND__* find(UINT id);
    const std::vector<std::unique_ptr<HWND__>>& controls() const { return controls_; }

    void end(int result);
    bool ended() const { return ended_; }
    int result() const { return result_; }

    HWND__* focus() const { return focus_; }
    // Moves the focus; the control losing it sends EN_KILLFOCUS or
    // CBN_KILLFOCUS first, the one gaining it EN_SETFOCUS or CBN_SETFOCUS.
    void setFocus(HWND__* control);

    void command(HWND__* control, UINT code);
    LRESULT notify(HWND__* control, UINT code);

    // The listing `?` prints.
    std::string describe() const;

private:
    void addControl(const ControlTemplate& t);
    void cancelAtEndOfInput();
    bool enterHandler();

    CDialog& dialog_;
    UINT templateId_;
    std::unique_ptr<HWND__> window_;
    std::vector<std::unique_ptr<HWND__>> controls_;
    HWND__* focus_ = nullptr;
    bool ended_ = false;
    int result_ = IDCANCEL;
    int depth_ = 0;
};

// The dialogs running now, innermost last.
const std::vector<DialogRun*>& runningDialogs();

// Acts on the dialog as the input line says (`1000=ZL1`, `1005`, `ok`, `?`).
void handleDialogLine(DialogRun& run, std::string_view line);

} // namespace host::mfc
