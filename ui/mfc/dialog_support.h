// What the module's dialogs share: texts from the message tables, numbers
// read from controls, the drawing's names and air-system tags in lists.
#pragma once

#include <cstddef>
#include <string>

#include "mfc.h"

class AcDbDatabase;
struct LSystemList;

// Where a dialog finds the drawing it works on: the current drawing's
// database and air systems (null when there is none).
AcDbDatabase* DialogDatabase();
LSystemList* DialogSystems();

// The dialog's title, or the text of one of its controls, from the dialog
// text table.
void SetTitleText(CWnd& dialog, int entry);
void SetItemText(CWnd& dialog, int id, int entry);
// An alert box with a command message; the dialog stays open.
void AlertMessage(int entry);

// The control's text as narrow text, at most maxChars characters of it.
std::string ControlText(const CWnd& control, int maxChars);
std::wstring WideText(const char* text);

// The number a text begins with (blanks before it are skipped), as
// "%lg" / "%d" read it.  False, leaving value as it was, when the text does
// not begin with a finite number.  Whole numbers saturate at the int range.
bool ReadNumberText(const std::string& text, double& value);
bool ReadWholeText(const std::string& text, int& value);
bool ReadNumber(const CWnd& control, int maxChars, double& value);
bool ReadWhole(const CWnd& control, int maxChars, int& value);
// The whole part of a value (towards zero), held to the range of long.
long WholePart(double value);

// Layer names: those the host would refuse (empty, longer than the
// record's field, or holding <>/\":;?*|,=` ) are not valid here.
constexpr size_t kNameFieldSize = 32;
bool IsValidLayerName(const std::string& name);
// An air-system tag names the system's layers and its dictionary entry: an
// empty tag, or one holding blanks or what a layer name may not hold, is
// not usable.
bool IsUsableSystemTag(const std::string& tag);

// Adds the names of a table of the database to a list.  Layers leave out
// "0" and "DEFPOINTS", as every layer list of the dialogs does.
enum class NameTable { kLayers, kLinetypes, kTextStyles, kDimStyles };
void AddTableNames(CComboBox& box, AcDbDatabase* database, NameTable table);
// Removes the item of that text (any case) when the list holds it.
void RemoveListName(CComboBox& box, const wchar_t* name);
// Selects the item of that text (any case), or no item when there is none.
void SelectListName(CComboBox& box, const wchar_t* name);
// Adds the tag of every listed air system, in list order.
void AddSystemTags(CComboBox& box, const LSystemList* systems);
