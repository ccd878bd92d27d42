// The drawing benchmarks' cases: a drawing built in memory, opened, asked
// picks, windows and crossings whose right answers are known, and saved,
// each step timed with its peak memory.  Each case runs in a child process
// of its own under a time limit, so that one that aborts or runs away is
// reported as failed and the others still run; a wrong answer fails the
// benchmark.
//
//   <benchmark> [--list] [--seconds N] [CASE...]
//
// CASE names the cases to run (all when none is given), --list prints
// their names, --seconds sets each case's limit (5 s).  Prints `name:
// value unit` lines: the file's size in KB, milliseconds and the growth of
// the peak resident memory in MB of each step (step_measure.h), and for each
// selection the entities taken and those it could not look through (left
// out, "too many nested or arrayed copies").
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "db/drawn_shapes.h"
#include "dxf/reader.h"
#include "dxf/writer.h"
#include "step_measure.h"

namespace bench {

struct Ask {
    enum Kind { Pick, Window, Crossing } kind;
    std::string name;
    double x1, y1, x2, y2;  // a pick's point, and its radius in x2
    size_t expected;        // entities taken
    size_t undecided = 0;   // entities it cannot look through within its work
    // Copies multiply beyond any bound: an entity may instead be left out
    // and said so (any number undecided), but never taken wrongly.
    bool mayLeaveOut = false;
};

inline bool rightAnswer(const Ask& ask, size_t taken, size_t undecided) {
    if (!ask.mayLeaveOut) return taken == ask.expected && undecided == ask.undecided;
    return taken <= ask.expected && taken + undecided >= ask.expected && (undecided > 0 || taken == ask.expected);
}

struct Case {
    std::string name;
    std::function<std::string()> drawing;  // its DXF text
    std::vector<Ask> asks;
};

// Opens the drawing, asks each question, saves it: true when every answer
// is right.
inline bool runCase(const Case& c) {
    using namespace host;
    const std::string& name = c.name;
    const std::string text = c.drawing();
    std::printf("%s_file: %.1f KB\n", name.c_str(), static_cast<double>(text.size()) / 1024.0);
    std::unique_ptr<db::Database> db;
    measureAndPrint(name + "_open", [&] {
        dxf::ReadReport report;
        db = dxf::readDxfText(text, name, report);
    });
    if (!db) {
        std::printf("%s: not read\n", name.c_str());
        return false;
    }
    bool ok = true;
    for (const Ask& ask : c.asks) {
        size_t taken = 0;
        std::vector<db::Slot> undecided;
        const std::string step = name + "_" + ask.name;
        measureAndPrint(step, [&] {
            if (ask.kind == Ask::Pick) taken = db::pick(*db, ask.x1, ask.y1, ask.x2, &undecided) != db::kNoSlot;
            else
                taken = db::selectWindow(*db, ask.x1, ask.y1, ask.x2, ask.y2, ask.kind == Ask::Crossing, &undecided)
                            .size();
        });
        std::printf("%s_taken: %zu count\n%s_undecided: %zu count\n", step.c_str(), taken, step.c_str(),
                    undecided.size());
        std::fflush(stdout);
        if (!rightAnswer(ask, taken, undecided.size())) {
            std::fprintf(stderr, "%s: wrong answer: %zu taken, %zu left out; expected %zu taken%s\n", step.c_str(),
                         taken, undecided.size(), ask.expected,
                         ask.mayLeaveOut ? " or left out" : (", " + std::to_string(ask.undecided) + " left out").c_str());
            ok = false;
        }
    }
    std::string saved;
    measureAndPrint(name + "_save", [&] { dxf::writeDxfText(*db, saved); });
    return ok && !saved.empty();
}

// Runs the cases the arguments name, each in a child process; 0 when every
// one ran within its limit and answered right, 1 otherwise, 2 on an unknown
// argument.
inline int runCases(int argc, char** argv, const std::vector<Case>& cases) {
    constexpr unsigned kDefaultSeconds = 5;
    unsigned seconds = kDefaultSeconds;
    std::vector<const Case*> chosen;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--list") {
            for (const Case& c : cases) std::printf("%s\n", c.name.c_str());
            return 0;
        }
        if (arg == "--seconds" && i + 1 < argc) {
            seconds = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
            continue;
        }
        const Case* found = nullptr;
        for (const Case& c : cases)
            if (c.name == arg) found = &c;
        if (!found) {
            std::fprintf(stderr, "%s: no case %s (--list names them)\n", argv[0], arg.c_str());
            return 2;
        }
        chosen.push_back(found);
    }
    if (chosen.empty())
        for (const Case& c : cases) chosen.push_back(&c);
    int failed = 0;
    for (const Case* c : chosen) {
        std::fflush(stdout);  // the child must not write again what is still buffered here
        pid_t child = fork();
        if (child == 0) {
            alarm(seconds);
            bool right = runCase(*c);
            std::fflush(stdout);
            _exit(right ? 0 : 1);
        }
        int status = 0;
        if (child < 0 || waitpid(child, &status, 0) != child) status = -1;
        bool right = status == 0;
        std::printf("%s_right: %d count\n", c->name.c_str(), right ? 1 : 0);
        if (!right) {
            ++failed;
            if (WIFSIGNALED(status) && WTERMSIG(status) == SIGALRM)
                std::fprintf(stderr, "%s: still running after %u s: stopped\n", c->name.c_str(), seconds);
            else if (WIFSIGNALED(status))
                std::fprintf(stderr, "%s: ended by signal %d (%s)\n", c->name.c_str(), WTERMSIG(status),
                             strsignal(WTERMSIG(status)));
        }
    }
    std::printf("cases_wrong: %d count\n", failed);
    return failed == 0 ? 0 : 1;
}

} // namespace bench
