// LDialog: the base of the module's DCL dialogs.
//
// A derived dialog sets its dialog key (name) and help topic, overrides
// some of the five steps and calls Run, which loads "lurak.dcl" from the
// install directory, opens the dialog, binds "cancel" and "help", lets
// SetupTiles fill the tiles and bind callbacks, shows the dialog and then
// calls OnOk or OnCancel and Finish.  The tile operations take narrow
// texts and numbers and do the conversion to the host's wide strings.
#pragma once

#include <cstdint>
#include <string>

#include "ads_dcl.h"

constexpr const char* kDialogFileName = "lurak.dcl";

class LDialog {
public:
    LDialog() = default;
    virtual ~LDialog() = default;
    LDialog(const LDialog&) = delete;
    LDialog& operator=(const LDialog&) = delete;

    // -1 when the run was aborted (Init or SetupTiles refused, no name, or
    // the dialog could not be opened), else the result of Finish.
    int16_t Run();

    // The five steps; every base version returns 0.  A non-zero result of
    // Init or SetupTiles aborts the run.
    virtual int16_t Init() { return 0; }
    virtual int16_t SetupTiles() { return 0; }
    virtual int16_t OnOk() { return 0; }
    virtual int16_t OnCancel() { return 0; }
    virtual int16_t Finish() { return 0; }

    // Tile operations on the open dialog.  A key the dialog lacks makes the
    // host call fail; the operation goes on with what it has.
    int GetTileInt(const char* key);                   // -1 when not a number
    int16_t GetTileIntAfter(const char* key, int n);   // after n + 1 '_'; -1 else
    char* GetTileString(const char* key);              // new[]; the caller deletes
    int16_t SetTileInt(const char* key, int16_t value);
    int16_t SetTileIntAfter(const char* key, int16_t value, int n);
    int16_t SetTileDouble(const char* key, double value);
    int16_t SetTileDouble1(const char* key, double value);
    int16_t SetTileString(const char* key, const char* text);
    int16_t EnableTile(const char* key);
    int16_t DisableTile(const char* key);
    int16_t SetTileSlide(const char* key, const char* slide);
    int16_t SetTileListDoubles(const char* key, int count, const double* values);
    int16_t SetTileListPercent(const char* key, int count, const double* values);
    int16_t SetTileList(const char* key, int count, const char* const* texts);
    // Binds a callback to a tile, with this dialog as the tile's client
    // data; the callback finds its dialog with FromPacket.
    int16_t ActionTile(const char* key, CLIENTFUNC callback);

    static LDialog* FromPacket(const ads_callback_packet* packet);
    static void CancelCallback(ads_callback_packet* packet);
    static void HelpCallback(ads_callback_packet* packet);

    const char* name = nullptr;       // dialog key; not owned
    const char* helpTopic = nullptr;  // null: "help" does nothing; not owned
    int dclId = 0;
    int status = 0;                   // closing status of the last run
    ads_hdlg dialog = nullptr;
    int16_t cancelled = 0;            // 1 once "cancel" was chosen

private:
    void ReportMissingDialog() const;
    int16_t SetTileText(const char* key, const char* text);
    template <typename Format>
    int16_t FillList(const char* key, int count, Format entryText);
};

// Tells the user that a dialog key is missing from the dialog file
// (command message 148, through acdbFail).  Shared with the type chooser.
void ReportMissingDialogKey(const char* key);
// The path of the module's dialog file in the install directory.
std::string DialogFilePath();
