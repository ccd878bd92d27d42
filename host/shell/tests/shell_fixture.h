// A fresh session with one new drawing, scripted input and a captured
// transcript, for the in-process tests of the shell.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "ads_entity.h"
#include "io/io.h"
#include "shell/session.h"

// A group of a list (null when absent), and its text.
inline const resbuf* group(const resbuf* list, int code) {
    for (const resbuf* rb = list; rb; rb = rb->rbnext)
        if (rb->restype == code) return rb;
    return nullptr;
}
inline std::string text(const resbuf* list, int code) {
    const resbuf* g = group(list, code);
    return g && g->resval.rstring ? host::io::toUtf8(g->resval.rstring) : "";
}

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        host::shell::resetSession();
        host::io::captureTranscript();
        doc_ = host::shell::newDrawing();
    }
    void TearDown() override {
        acutRelRb(last_);
        host::shell::resetSession();
        host::io::setSource(nullptr);
        host::io::setTranscript(nullptr);
    }
    void script(const char* text) { host::io::setScript(text); }
    std::string transcript() { return host::io::takeTranscript(); }

    // The list of the entity made last (null when there is none); freed
    // at the next call or at the end of the test.
    const resbuf* lastList() {
        acutRelRb(last_);
        ads_name e;
        last_ = acdbEntLast(e) == RTNORM ? acdbEntGet(e) : nullptr;
        return last_;
    }
    host::shell::Document* doc_ = nullptr;
    resbuf* last_ = nullptr;
};
