// The systems list dialog "sysedit": the drawing's air systems one line
// each, with buttons to create, edit, delete them and change their zigzag
// scale.  In edit mode "accept" closes without a choice; in choose mode
// "accept" chooses the selected line; a double click always chooses.
//
// New, edit, delete and scale reach the drawing's list and dictionary at
// once, so that the list always shows what is stored; they stay whichever
// way the dialog closes: only the choice of a system depends on that.  A
// system or scale dialog that is itself cancelled changes nothing.
#pragma once

#include <cstdint>

#include "core/system_list.h"
#include "core/system_record.h"
#include "ui/dcl/ldialog.h"

class LSEditDlg : public LDialog {
public:
    // The systems of the current document state unless given.
    explicit LSEditDlg(LSystemList* systems = nullptr);

    int16_t SetupTiles() override;
    int16_t Finish() override;

    void FillList();
    void OnList();
    void OnNew();
    void OnEdit();
    void OnDelete();
    void OnZScale();

    static void NewCallback(ads_callback_packet* packet);
    static void EditCallback(ads_callback_packet* packet);
    static void DeleteCallback(ads_callback_packet* packet);
    static void ZScaleCallback(ads_callback_packet* packet);
    static void ListCallback(ads_callback_packet* packet);
    static void AcceptCallback(ads_callback_packet* packet);

    int16_t selected = -1;
    LSystemRecord system;
    int16_t chooseMode = 0;
    char chosenTag[16] = "";
    LSystemList* systems;

private:
    // The record at the list's selected line (the first with none); the
    // index read in *index.  False for an empty list.
    bool SelectedSystem(LSystemRecord* out, int16_t* index);
    void SelectTag(const char* tag);
};

// The systems list in choose mode, for the start dialog's "Systems..."
// button: the chosen tag, or an empty text.
void ChooseSystemFromList(char* tag, size_t tagSize);
