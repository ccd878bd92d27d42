// Host sessions for the module's own tests.  ModuleFixture: documents of the
// host shell, the module's file registered in a temporary install directory
// holding a copy of the messages file, the transcript captured; the tests
// call acrxEntryPoint directly, as the host would.  PlacementTest: a started
// module with one drawing, its state current, the air system HV1 listed and
// current, the dialog file installed, and a type chooser that answers with
// chosenSubtype.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "acrx_app.h"
#include "ads_types.h"
#include "app/doc_state.h"
#include "core/lobject.h"
#include "shell/documents.h"

class ModuleFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // A new drawing, current (the module is not told).
    host::shell::Document* NewDocument();
    // Sends a message with doc current (when given).
    void Send(AcRx::AppMsgCode msg, host::shell::Document* doc = nullptr);
    // Initialization, then a drawing load for every open drawing.
    void StartModule();
    // The module's unload message, once.
    void StopModule();
    std::string Transcript();
    std::filesystem::path installDir;
    bool started = false;
};

enum FunctionCode : int {
    kLnvf = 0, kLnvl = 1, kLracs = 2, kLtuzv = 3, kLvnt = 4, kLklr = 5, kLflt = 6,
    kLstart = 8, kLsys = 14, kLcontd = 23
};

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
    // The pending start connector at (x, y), facing angle, of the shape.
    void SetStart(double x, double y, double angle, int16_t shape, double a, double b);
    // Runs a function by its code with the given input lines.
    void Run(int code, const std::string& lines = "");
    // Places with the chooser answering subtype.
    void Place(int code, int16_t subtype, const std::string& lines = "");
    bool Said(const char* text) { return Transcript().find(text) != std::string::npos; }
    // Every element insert of the drawing, in drawing order.
    static std::vector<Stored> StoredElements();
    LDocState* state = nullptr;
};
