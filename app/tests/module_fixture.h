// A host session for the module's own tests: documents of the host shell,
// the module's file registered in a temporary install directory that holds
// a copy of the messages file, and the command-line transcript captured.
// The tests call acrxEntryPoint directly, as the host would.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "acrx_app.h"
#include "shell/documents.h"

class ModuleFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the messages file into the install directory (a copy of the
    // program's own unless text is given).
    void WriteMessages();
    void WriteMessages(const std::string& text);

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
