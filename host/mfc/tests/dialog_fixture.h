// Shared by the dialog tests: the test's templates registered, the
// transcript captured and the input source reset, and a control's text.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "io/io.h"
#include "mfc.h"

using Log = std::vector<std::string>;

inline std::string text(const CWnd& w) {
    CString s;
    w.GetWindowText(s);
    return s.toUtf8();
}

template <void (*registerTemplates)()>
class DialogFixture : public ::testing::Test {
protected:
    void SetUp() override {
        registerTemplates();
        host::io::captureTranscript();
    }
    void TearDown() override {
        host::io::takeTranscript();
        host::io::setSource(nullptr);
    }
};
