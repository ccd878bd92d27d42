#include "dialog_run.h"

#include "io/io.h"

namespace host::mfc {

namespace {

// Handlers that set texts notify again; a chain deeper than this is a loop.
constexpr int kMaxNotifyDepth = 32;

std::vector<DialogRun*>& stack() {
    static std::vector<DialogRun*> runs;
    return runs;
}

std::string titleOf(const DialogRun& run, const HWND__* window) {
    std::string text = "Dialog " + std::to_string(run.templateId());
    if (!window->text.empty()) text += " \"" + io::toUtf8(window->text) + "\"";
    return text;
}

const char* resultName(int result) {
    switch (result) {
    case IDOK: return "OK";
    case IDCANCEL: return "Cancel";
    default: return nullptr;
    }
}

// First match in the most derived map, then up the chain of base maps.
const MessageEntry* findEntry(const MessageMap* map, UINT code, UINT id, bool notify) {
    for (; map; map = map->base ? map->base() : nullptr) {
        for (const MessageEntry* e = map->entries; e && (e->command || e->notify); ++e) {
            if (e->code != code || e->id != id) continue;
            if (notify ? e->notify != nullptr : e->command != nullptr) return e;
        }
    }
    return nullptr;
}

} // namespace

const std::vector<DialogRun*>& runningDialogs() { return stack(); }

DialogRun::DialogRun(CDialog& dialog, const DialogTemplate& dialogTemplate)
    : dialog_(dialog), templateId_(dialogTemplate.id), window_(std::make_unique<HWND__>()) {
    window_->role = HWND__::Role::Dialog;
    window_->run = this;
    window_->id = dialogTemplate.id;
    window_->text = dialogTemplate.caption;
    window_->bound = &dialog;
    dialog.m_hWnd = window_.get();
    for (const ControlTemplate& t : dialogTemplate.controls) addControl(t);
}

DialogRun::~DialogRun() {
    for (auto& c : controls_)
        if (c->bound) c->bound->m_hWnd = nullptr;
    dialog_.m_hWnd = nullptr;
}

void DialogRun::addControl(const ControlTemplate& t) {
    auto c = std::make_unique<HWND__>();
    c->run = this;
    c->kind = t.kind;
    c->id = t.id;
    c->style = t.style;
    c->text = t.text;
    c->enabled = (t.style & WS_DISABLED) == 0;
    c->visible = t.visible;
    c->limit = t.textLimit;
    controls_.push_back(std::move(c));
}

HWND__* DialogRun::find(UINT id) {
    for (auto& c : controls_)
        if (c->id == id) return c.get();
    return nullptr;
}

void DialogRun::end(int result) {
    ended_ = true;
    result_ = result;
}

void DialogRun::setFocus(HWND__* control) {
    if (control == focus_) return;
    HWND__* old = focus_;
    focus_ = control;
    if (old && isEdit(old)) command(old, EN_KILLFOCUS);
    if (old && isCombo(old)) command(old, CBN_KILLFOCUS);
    if (control && focus_ == control && isEdit(control)) command(control, EN_SETFOCUS);
    if (control && focus_ == control && isCombo(control)) command(control, CBN_SETFOCUS);
}

bool DialogRun::enterHandler() {
    if (depth_ >= kMaxNotifyDepth) {
        io::print("Notifications nest too deep (a handler that changes its own control?): one was dropped.\n");
        return false;
    }
    ++depth_;
    return true;
}

void DialogRun::command(HWND__* control, UINT code) {
    if (!enterHandler()) return;
    if (const MessageEntry* e = findEntry(dialog_.GetMessageMap(), code, control->id, false)) {
        (static_cast<CCmdTarget&>(dialog_).*(e->command))();
    } else if (code == BN_CLICKED && control->id == IDOK) {
        dialog_.OnOK();
    } else if (code == BN_CLICKED && control->id == IDCANCEL) {
        dialog_.OnCancel();
    }
    --depth_;
}

LRESULT DialogRun::notify(HWND__* control, UINT code) {
    LRESULT result = 0;
    if (!enterHandler()) return result;
    if (const MessageEntry* e = findEntry(dialog_.GetMessageMap(), code, control->id, true)) {
        NMHDR header{control, control->id, code};
        (static_cast<CCmdTarget&>(dialog_).*(e->notify))(&header, &result);
    }
    --depth_;
    return result;
}

void DialogRun::cancelAtEndOfInput() {
    io::print("End of input: the dialog is cancelled.\n");
    dialog_.OnCancel();
    // A handler that refuses to close cannot keep a dialog without input open.
    if (!ended_) end(IDCANCEL);
}

INT_PTR DialogRun::run() {
    stack().push_back(this);
    dialog_.OnInitDialog();
    io::print("-- " + titleOf(*this, window_.get()) + " --\n");
    // On a terminal the user sees the dialog at once; a script asks with `?`.
    if (io::source() && io::source()->interactive()) io::print(describe());
    std::string prompt = "Dialog " + std::to_string(templateId_) + ": ";
    while (!ended_) {
        std::string line;
        if (!io::ask(prompt, line)) {
            cancelAtEndOfInput();
            break;
        }
        handleDialogLine(*this, line);
    }
    const char* name = resultName(result_);
    io::print("-- " + titleOf(*this, window_.get()) + " closed: " +
              (name ? std::string(name) : std::to_string(result_)) + " --\n");
    stack().pop_back();
    return result_;
}

std::string DialogRun::describe() const {
    std::string text = titleOf(*this, window_.get()) + "\n";
    for (const auto& c : controls_) text += "  " + host::mfc::describe(c.get(), c.get() == focus_) + "\n";
    return text;
}

} // namespace host::mfc
