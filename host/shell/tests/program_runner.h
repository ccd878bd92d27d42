// Runs the lurak program as a user would (with the test plug-in and a
// script) and reads its transcript and exit status.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

struct Outcome {
    std::string output;
    int status = -1;
};

inline Outcome runCommand(const std::string& command) {
    Outcome run;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, n);
    int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

inline Outcome runLurak(const std::string& arguments) {
    return runCommand(std::string(LURAK_PROGRAM) + " " + arguments + " </dev/null");
}

inline std::string plugin() { return std::string("--module ") + LURAK_TEST_PLUGIN; }
inline std::string script(const char* name) { return std::string("-s ") + LURAK_SHELL_TEST_DIR + "/" + name; }

// Each piece appears after the one before it.
inline void expectInOrder(const std::string& text, const std::vector<std::string>& pieces) {
    size_t at = 0;
    for (const std::string& piece : pieces) {
        size_t found = text.find(piece, at);
        ASSERT_NE(found, std::string::npos) << "missing, or out of order: " << piece << "\n--- transcript:\n"
                                            << text;
        at = found + piece.size();
    }
}

// A folder of this test process in the temporary folder, gone when the
// process ends. ctest runs tests side by side, each in its own process, so
// the process number keeps them apart.
struct ProcessFolder {
    std::string path;
    ProcessFolder() : path(std::string(testing::TempDir()) + "lurak_test_" + std::to_string(::getpid()) + "/") {
        std::filesystem::create_directories(path);
    }
    ~ProcessFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

// A file of this test in its process's folder.
inline std::string tempPath(const std::string& name) {
    static const ProcessFolder folder;
    return folder.path + name;
}

// A script file in the test's temporary folder; its path.
inline std::string writeScript(const std::string& name, const std::string& text) {
    std::string path = tempPath(name);
    FILE* f = std::fopen(path.c_str(), "w");
    if (f) {
        std::fputs(text.c_str(), f);
        std::fclose(f);
    }
    return path;
}

