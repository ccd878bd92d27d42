// LOEditDlg: the properties dialog of one element.
//
// The type descriptor gives the dialog key, the captions and the airflow
// entries; the element itself gives the kind of tile of each parameter and
// its choices (LObject::ParamKind, ParamChoiceCount, ParamChoices), which
// may differ from its type's row and change with its values.  Every tile
// change goes straight into the element through SetParams, after which the
// lists and the greying follow the element again, so its own catalogue
// rules show while the user edits; cancelling puts back everything the
// dialog changed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/drawing_defaults.h"
#include "ui/dcl/ldialog.h"

class LObject;
struct LTypeDescriptor;

// Which connector-bound parameters the dialog greys.
constexpr int16_t kGreyNone = -1;           // none
constexpr int16_t kGreyEveryJoint = -2;     // every connector's, and the fixed ones
// 0 or more: the parameters bound to that one connector.

// The parameters the dialog greys for the element in a greying mode: one
// flag per element parameter.
std::vector<int16_t> GreyedParams(LObject* element, int16_t greyingMode);

// The rows of a parameter's list tile as the element offers them: its kind,
// the texts shown and, for the kinds that choose a number, the number of
// each row (kind -3 chooses by position: row + 1).
struct LParamChoices {
    int16_t kind = 0;
    std::vector<std::string> items;
    std::vector<double> values;
};
bool IsListKind(int16_t kind);
LParamChoices ElementChoices(const LObject* element, int16_t i);

// What the dialog may change in an element, kept to put it back on cancel.
struct LElementSnapshot {
    std::vector<double> params;
    std::vector<double> connectorFlows;
    std::vector<int16_t> paramIsText;
    std::vector<std::string> paramTexts;
    double flow = 0.0;
    int16_t listingFlag = 0;
    bool hasUserText = false;
    std::string userText;
};
// 0 with the snapshot, -1 when the element cannot give its parameters.
int16_t TakeSnapshot(LObject* element, LElementSnapshot* out);
void RestoreSnapshot(LObject* element, const LElementSnapshot& saved);

class LOEditDlg : public LDialog {
public:
    LOEditDlg();

    int16_t Init() override;
    int16_t SetupTiles() override;
    int16_t OnCancel() override;
    int16_t Finish() override;

    // Tiles into the element (and the fresh values back into the working
    // copy); the element's values into the tiles.
    void ReadValues();
    void ShowValues();
    // The accept check: the piece-length question for straight ducts.
    void Apply();

    static void OnTileChange(ads_callback_packet* packet);
    static void OnAcceptTile(ads_callback_packet* packet);

    LObject* element = nullptr;  // not owned; set before Run
    int16_t greyingMode = kGreyNone;
    // The drawing's standard piece lengths, which a straight duct's length
    // is held against on accept.
    double rectPieceLength = LDrawingDefaults{}.rectPieceLength;
    double roundPieceLength = LDrawingDefaults{}.roundPieceLength;

private:
    // The parameters the dialog shows: the descriptor's, bounded by the
    // element's own count.
    int ShownParamCount() const;
    bool IsSwitch(int i) const;
    int16_t Kind(int i) const;
    // Fills the list tiles whose rows the element changed (every one when
    // opening) and greys or wakes the tiles as the element and the joints
    // decide.
    void RefreshTiles(bool opening);
    void FillLists(bool opening);
    void ShowParam(int i, int radioGroup);
    void ReadParam(int i, int radioGroup);
    void ShowAirflows();
    void ReadAirflows();
    void GreyParams();
    // Re-reads the element's values into the working copy.
    void TakeWorkingValues();
    // The standard piece length the element's length is held against, and
    // the indices of its length and piece-length parameters; false for
    // types bought in one piece.
    bool PieceLengthRule(double* standard, int* lengthParam, int* pieceParam) const;

    LTypeDescriptor* descriptor = nullptr;
    int16_t paramCount = 0;
    std::vector<double> working;
    std::vector<int> shownRows;  // by parameter: the list row last shown, -1 none
    std::vector<LParamChoices> choices;  // by parameter: the rows last filled
    // By parameter: the value tile, and the caption, the dialog disabled;
    // a disabled tile is never read back.
    std::vector<char> valueOff;
    std::vector<char> captionOff;
    LElementSnapshot saved;
};

// The velocity text of an airflow through an area: 277 times the airflow
// over the area with one decimal, empty when either is 0.
std::string VelocityText(double airflow, double area);
