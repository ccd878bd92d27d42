// The dialog that gives a new duct network its first cross-section, its
// airflow and its air system.  It writes the shape, sizes and airflow into
// the caller's connector while the user types and shows the air velocity;
// on OK it hands back the tag typed or chosen.
#pragma once

#include <cstddef>
#include <cstdint>

#include "mfc.h"

class LConnector;
struct LSystemList;

// Runs the systems list to choose a system: the chosen tag in tag (at most
// tagSize bytes with the terminator), or an empty text.
typedef void (*SystemChooser)(char* tag, size_t tagSize);

class LStartDialog : public CDialog {
public:
    explicit LStartDialog(CWnd* parent = nullptr);

    LConnector* pConnector = nullptr;  // the caller's; set before the run
    int16_t result = -1;               // 0 after OK
    char systemTag[16] = "";           // after OK: the system box, as typed
    // The drawing's systems offered in the list (set by the opening
    // command; by default the current drawing's), and the systems list behind the
    // "Systems..." button (none: the button does nothing).
    LSystemList* systems;
    SystemChooser chooseSystem;

    CEdit sizeABox;
    CComboBox systemBox;
    CTabCtrl shapeTab;
    CEdit velocityBox;
    CEdit flowBox;
    CStatic sizeBLabel;
    CStatic sizeALabel;
    CEdit sizeBBox;
    CComboBox diameterList;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    void OnSelchangeTab(NMHDR* header, LRESULT* result);
    void UpdateVelocity();
    void OnSystems();
    void OnHelp();

    DECLARE_MESSAGE_MAP()

private:
    void ShowVelocity();
    void FillSystems();
};

// The air velocity in m/s of an airflow in m3/h through an area in mm2,
// with the factor 277 the velocity box uses; 0 without flow or area.
double StartVelocity(double flow, double area);

// The systems list the start dialog's button runs when a dialog is made
// (set by the part that owns the systems list; none at first).
extern SystemChooser DefaultSystemChooser;
