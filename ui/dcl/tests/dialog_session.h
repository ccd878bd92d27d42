// Shared set-up of the dialog tests: the messages file read, an install
// directory chosen (the build directory, which holds the generated
// lurak.dcl, unless a test makes its own), the transcript captured and the
// host's dialog records cleared.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "core/environment.h"
#include "core/messages.h"
#include "dcl/inspect.h"
#include "io/io.h"

class DialogSession : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(LoadMessages(LURAK_SOURCE_DIR "/data"), 0);
        UseInstallDirectory(LURAK_BINARY_DIR "/");
        host::dcl::resetDialogs();
        host::io::captureTranscript();
    }
    void TearDown() override {
        host::dcl::resetDialogs();
        host::io::setSource(nullptr);
        host::io::takeTranscript();
        ClearMessages();
        SetInstallDirectory(nullptr);
        if (!ownDirectory.empty())
            std::filesystem::remove_all(ownDirectory);
    }

    static void UseInstallDirectory(const std::string& directory) {
        SetInstallDirectory(directory.c_str());
    }

    // A fresh install directory whose lurak.dcl holds `text` (no file when
    // text is null).
    void UseOwnDialogFile(const char* text) {
        ownDirectory = std::filesystem::temp_directory_path() /
                       ("lurak_dcl_test_" + std::to_string(::getpid()) + "_" +
                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(ownDirectory);
        if (text)
            std::ofstream(ownDirectory / "lurak.dcl") << text;
        else
            std::filesystem::remove(ownDirectory / "lurak.dcl");
        UseInstallDirectory(ownDirectory.string() + "/");
    }

    std::filesystem::path ownDirectory;
};
