#include "ui/mfc/dialog_support.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "acdb_objects.h"
#include "aced_input.h"
#include "core/drawing_context.h"
#include "core/layer_names.h"
#include "core/messages.h"
#include "core/string_convert.h"
#include "core/system_list.h"

AcDbDatabase* DialogDatabase() { return CurrentDrawing() ? CurrentDrawing()->database : nullptr; }

LSystemList* DialogSystems() { return CurrentDrawing() ? &CurrentDrawing()->systemList : nullptr; }

void SetTitleText(CWnd& dialog, int entry) { dialog.SetWindowText(WideText(DialogText(entry)).c_str()); }

void SetItemText(CWnd& dialog, int id, int entry) {
    dialog.SetDlgItemText(id, WideText(DialogText(entry)).c_str());
}

void AlertMessage(int entry) { acedAlert(WideText(CommandMessage(entry)).c_str()); }

std::string ControlText(const CWnd& control, int maxChars) {
    CString text;
    control.GetWindowText(text);
    if (maxChars >= 0 && text.GetLength() > maxChars)
        text = text.Left(maxChars);
    return ToNarrowString(text.GetString());
}

std::wstring WideText(const char* text) { return ToWide(text); }

bool ReadNumberText(const std::string& text, double& value) {
    const char* start = text.c_str();
    char* end = nullptr;
    double read = std::strtod(start, &end);
    if (end == start || !std::isfinite(read))
        return false;
    value = read;
    return true;
}

bool ReadWholeText(const std::string& text, int& value) {
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    long read = std::strtol(start, &end, 10);
    if (end == start)
        return false;
    if (read > INT_MAX)
        read = INT_MAX;
    if (read < INT_MIN)
        read = INT_MIN;
    value = static_cast<int>(read);
    return true;
}

bool ReadNumber(const CWnd& control, int maxChars, double& value) {
    return ReadNumberText(ControlText(control, maxChars), value);
}

bool ReadWhole(const CWnd& control, int maxChars, int& value) {
    return ReadWholeText(ControlText(control, maxChars), value);
}

long WholePart(double value) {
    if (std::isnan(value))
        return 0;
    // Beyond 2^62 the cast would overflow; the dialogs show at most 8 digits.
    constexpr double kLimit = 4.0e18;
    if (value >= kLimit)
        return static_cast<long>(kLimit);
    if (value <= -kLimit)
        return -static_cast<long>(kLimit);
    return static_cast<long>(value);
}

bool IsValidLayerName(const std::string& name) {
    if (name.empty() || name.size() >= kNameFieldSize)
        return false;
    return name.find_first_of("<>/\\\":;?*|,=`") == std::string::npos;
}

bool IsUsableSystemTag(const std::string& tag) {
    return !tag.empty() && tag.find_first_of(" <>/\\\":;?*|,=`") == std::string::npos;
}

// Opens one table of the database for reading, as the symbol table it is.
template <class Table>
static Acad::ErrorStatus OpenAs(AcDbDatabase* database,
                                Acad::ErrorStatus (AcDbDatabase::*get)(Table*&, AcDb::OpenMode),
                                AcDbSymbolTable*& out) {
    Table* t = nullptr;
    Acad::ErrorStatus es = (database->*get)(t, AcDb::kForRead);
    out = t;
    return es;
}

static Acad::ErrorStatus OpenTable(AcDbDatabase* database, NameTable table, AcDbSymbolTable*& out) {
    out = nullptr;
    switch (table) {
    case NameTable::kLayers: return OpenAs(database, &AcDbDatabase::getLayerTable, out);
    case NameTable::kLinetypes: return OpenAs(database, &AcDbDatabase::getLinetypeTable, out);
    case NameTable::kTextStyles: return OpenAs(database, &AcDbDatabase::getTextStyleTable, out);
    case NameTable::kDimStyles: return OpenAs(database, &AcDbDatabase::getDimStyleTable, out);
    }
    return Acad::eInvalidInput;
}

void AddTableNames(CComboBox& box, AcDbDatabase* database, NameTable table) {
    if (database == nullptr)
        return;
    AcDbSymbolTable* symbols = nullptr;
    if (OpenTable(database, table, symbols) != Acad::eOk || symbols == nullptr)
        return;
    AcDbSymbolTableIterator* it = nullptr;
    if (symbols->newIterator(it) == Acad::eOk && it != nullptr) {
        for (; !it->done(); it->step()) {
            AcDbSymbolTableRecord* record = nullptr;
            if (it->getRecord(record, AcDb::kForRead) != Acad::eOk || record == nullptr)
                continue;
            const ACHAR* name = nullptr;
            // A text style of a shape file has an empty name: nothing to choose.
            if (record->getName(name) == Acad::eOk && name != nullptr && name[0] != L'\0')
                box.AddString(name);
            record->close();
        }
        delete it;
    }
    symbols->close();
    if (table == NameTable::kLayers) {
        RemoveListName(box, kLayerZeroWide);
        RemoveListName(box, kLayerDefpointsWide);
    }
}

void RemoveListName(CComboBox& box, const wchar_t* name) {
    int index = box.FindStringExact(-1, name);
    if (index != CB_ERR)
        box.DeleteString(static_cast<UINT>(index));
}

void SelectListName(CComboBox& box, const wchar_t* name) { box.SetCurSel(box.FindStringExact(-1, name)); }

void AddSystemTags(CComboBox& box, const LSystemList* systems) {
    if (systems == nullptr)
        return;
    LSystemRecord record;
    for (int16_t i = 0; i < systems->systemCount; ++i) {
        if (GetSystemByIndex(*systems, &record, i) != 0)
            break;
        box.AddString(WideText(record.tag).c_str());
    }
}
