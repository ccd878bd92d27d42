// The air system that copied or mirrored elements get: a listed tag, or a
// new one that the command then defines.
#pragma once

#include <cstdint>

#include "mfc.h"

struct LSystemList;

constexpr int16_t kCopyMode = 300;
constexpr int16_t kMirrorMode = 301;

class LCpyDialog : public CDialog {
public:
    explicit LCpyDialog(CWnd* parent = nullptr);

    int16_t mode = kCopyMode;
    CString tag;  // a tag to propose; after OK the box text
    LSystemList* systems;  // set by the opening command; by default the current drawing's
    CComboBox systemBox;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnHelp();

    DECLARE_MESSAGE_MAP()
};
