// A fresh session with one new drawing, scripted input and a captured
// transcript, for the in-process tests of the shell.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "io/io.h"
#include "shell/session.h"

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        host::shell::resetSession();
        host::io::captureTranscript();
        doc_ = host::shell::newDrawing();
    }
    void TearDown() override {
        host::shell::resetSession();
        host::io::setSource(nullptr);
        host::io::setTranscript(nullptr);
    }
    void script(const char* text) { host::io::setScript(text); }
    std::string transcript() { return host::io::takeTranscript(); }

    host::shell::Document* doc_ = nullptr;
};
