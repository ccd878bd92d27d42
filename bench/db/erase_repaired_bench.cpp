// ERASE of every insert of a drawing read from a file, each insert with an
// attribute: once from a file that holds each attribute run's SEQEND, once
// from one that holds none, where the reader's repair adds them (the new
// SEQENDs take slots after everything read, so the model space is out of
// slot order).  Both should take about the same time.
//
//   erase_repaired_bench [N]
//
// Prints `name: value unit` lines; times are the best of a few runs, each
// on a freshly read drawing, of the ERASE command with "all" as the host's
// command line runs it.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "api/host_api.h"
#include "io/io.h"
#include "shell/commands.h"
#include "shell/session.h"

namespace {

constexpr int kRuns = 3;
constexpr int kDefaultInserts = 100000;

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// A block "TB" with an attribute definition and a line, then n inserts of
// it, each with one attribute, with or without the SEQEND after it.
std::string drawingText(int n, bool seqends) {
    std::string text =
        "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1021\n0\nENDSEC\n"
        "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n8\n0\n2\nTB\n70\n2\n10\n0\n20\n0\n30\n0\n"
        "0\nATTDEF\n8\n0\n10\n0\n20\n5\n30\n0\n40\n1\n1\nX\n3\nTAG?\n2\nTAG\n70\n0\n"
        "0\nLINE\n8\n0\n10\n0\n20\n0\n30\n0\n11\n10\n21\n0\n31\n0\n"
        "0\nENDBLK\n8\n0\n0\nENDSEC\n"
        "0\nSECTION\n2\nENTITIES\n";
    for (int i = 0; i < n; ++i) {
        std::string x = std::to_string(i * 20);
        text += "0\nINSERT\n8\n0\n66\n1\n2\nTB\n10\n" + x + "\n20\n0\n30\n0\n";
        text += "0\nATTRIB\n8\n0\n10\n" + x + "\n20\n5\n30\n0\n40\n1\n1\nV" + std::to_string(i) + "\n2\nTAG\n70\n0\n";
        if (seqends) text += "0\nSEQEND\n8\n0\n";
    }
    return text + "0\nENDSEC\n0\nEOF\n";
}

bool writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

// Live model-space entities of the current drawing.
size_t liveEntities() {
    const host::db::Database* db = host::api::currentDatabase();
    size_t live = 0;
    for (host::db::Slot s : db->block(db->modelSpace())->entities)
        if (const host::db::Object* o = db->object(s); o && !o->erased) ++live;
    return live;
}

// The best time of ERASE "all" on the drawing read from path; negative
// when the drawing cannot be read or keeps a live entity.
double eraseAllSeconds(const std::string& path, size_t expected) {
    double best = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        std::string error;
        host::shell::Document* doc = host::shell::openDrawing(path, &error);
        if (doc == nullptr) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return -1;
        }
        if (liveEntities() != expected) {
            std::fprintf(stderr, "%s: %zu entities, not %zu\n", path.c_str(), liveEntities(), expected);
            return -1;
        }
        host::io::setScript("all\n\n");
        Clock::time_point start = Clock::now();
        host::shell::runCommandWord("ERASE");
        best = std::min(best, secondsSince(start));
        bool allGone = liveEntities() == 0;
        host::shell::closeDrawing(doc);
        host::io::takeTranscript();
        if (!allGone) return -1;
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    const int inserts = argc > 1 ? std::atoi(argv[1]) : kDefaultInserts;
    if (inserts <= 0) return 1;
    host::io::captureTranscript();
    host::shell::newDrawing();
    const std::string base = ERASE_BENCH_DIR;
    const std::string without = base + "/erase_without_seqends.dxf", with = base + "/erase_with_seqends.dxf";
    if (!writeFile(without, drawingText(inserts, false)) || !writeFile(with, drawingText(inserts, true))) {
        std::fprintf(stderr, "cannot write the drawings in %s\n", base.c_str());
        return 1;
    }
    // Each insert, its attribute and its SEQEND, read or added.
    const size_t expected = static_cast<size_t>(inserts) * 3;
    double repaired = eraseAllSeconds(without, expected);
    double complete = eraseAllSeconds(with, expected);
    std::remove(without.c_str());
    std::remove(with.c_str());
    host::shell::resetSession();
    host::io::setTranscript(nullptr);
    std::printf("inserts: %d count\n", inserts);
    std::printf("erase_all_file_without_seqends: %.3f s\n", repaired);
    std::printf("erase_all_file_with_seqends: %.3f s\n", complete);
    return repaired >= 0 && complete >= 0 ? 0 : 1;
}
