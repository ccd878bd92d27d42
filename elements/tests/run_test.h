// A run of elements laid in a fresh drawing of the shell, as the placement
// command does it: the program's application and linetypes registered, one
// system on its own layers, and the elements it makes destroyed at the end.
// Shared by the tests that save a run and read it back.
#pragma once

#include <string>
#include <vector>

#include "core/lobject.h"
#include "elements/tests/element_test.h"
#include "host/shell/documents.h"

class RunTest : public ElementTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new current drawing with the program's application, the system
    // linetypes and the layers of system `tag`, which becomes current.
    void NewDrawing(const char* tag);

    // A system record on layers of its own, made in the current drawing.
    LSystemRecord Record(const char* tag);

    // A new element of the current system, or null when its family does
    // not make the type.
    LObject* Make(int16_t family, uint16_t subtype);

    // Saves the drawing as DXF at `path` and checks the file with the
    // project's drawing checks (host/dxf/tests/check_dxf.py).
    void SaveChecked(const std::string& path);

    // Opens the saved drawing and makes it the state's database.
    void Reopen(const std::string& path);

    host::shell::Document* doc = nullptr;
    LSystemRecord system;
    std::vector<LObject*> made;
};

// One element insert of the drawing, rebuilt from its XDATA.
struct StoredElement {
    int family, subtype;
    std::vector<double> values;
    int labels;            // its label count
    std::string text;      // parameter text 2 of a damper, else ""
    bool labelled;         // its fitting label is drawn
};
std::vector<StoredElement> StoredElements();
