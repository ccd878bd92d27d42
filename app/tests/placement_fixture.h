// A started module with one drawing, its document state current, the air
// system HV1 listed and current, and the dialog file in the install
// directory.  Input lines come from the test's script; the type chooser
// answers with the subtype the test sets.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ads_types.h"
#include "app/doc_state.h"
#include "core/lobject.h"
#include "module_fixture.h"

class PlacementTest : public ModuleFixture {
public:
    struct Stored {
        int family = 0;
        int subtype = 0;
        std::vector<double> values;
        int joined = 0;
        double x = 0, y = 0;
    };
    static int16_t chosenSubtype;  // -1: the chooser is cancelled

protected:
    void SetUp() override;
    void TearDown() override;

    // A listed system with layers of its own.
    LSystemRecord AddTestSystem(const char* tag, const char* name);
    // The pending start connector at p, facing angle, of the shape.
    void SetStart(double x, double y, double angle, int16_t shape, double a, double b);
    // Runs a function by its code with the given input lines.
    void Run(int code, const std::string& lines = "");
    int ContinuePlacementAnswering(const std::string& lines);

    // Every element insert of the drawing, in drawing order.
    static std::vector<Stored> StoredElements();

    LDocState* state = nullptr;
};

enum FunctionCode : int {
    kLnvf = 0, kLnvl = 1, kLracs = 2, kLtuzv = 3, kLstart = 8, kLsys = 14, kLcontd = 23
};
