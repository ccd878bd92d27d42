// Open and save of N lines (100,000 unless given) each followed by an
// ATTRIB that belongs to no insert, against the N lines alone.  Reading
// leaves such attributes out; the pair shows what leaving them out costs,
// which must grow with N as the lines do, not with N squared.
//
//   lurak_bench_orphans [N]
//
// Prints `name: value unit` lines; times are the best of a few runs.
#include "dxf/reader.h"
#include "dxf/writer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace host::dxf;

namespace {

constexpr int kRuns = 3;
constexpr long kDefaultLines = 100000;

using Clock = std::chrono::steady_clock;

// A drawing of only an ENTITIES section: the reader makes the rest.
std::string drawing(long lines, bool orphans)
{
    std::string text = "  0\nSECTION\n  2\nENTITIES\n";
    for (long i = 0; i < lines; ++i) {
        std::string x = std::to_string(i);
        text += "  0\nLINE\n  8\n0\n 10\n" + x + "\n 20\n0.0\n 30\n0.0\n 11\n" + x + "\n 21\n1.0\n 31\n0.0\n";
        if (orphans)
            text += "  0\nATTRIB\n  8\n0\n 10\n" + x + "\n 20\n1.0\n 30\n0.0\n 40\n2.5\n  1\nalone\n  2\nTAG\n 70\n0\n";
    }
    return text + "  0\nENDSEC\n  0\nEOF\n";
}

// The best time of opening the file and saving it again; negative when
// either fails.
double openAndSave(const std::string& path, const std::string& out)
{
    double best = -1;
    for (int run = 0; run < kRuns; ++run) {
        Clock::time_point start = Clock::now();
        ReadReport report;
        auto db = readDxfFile(path, report);
        std::string error;
        if (!db || !writeDxfFile(*db, out, WriteOptions{}, error)) {
            std::fprintf(stderr, "%s%s\n", report.error.text().c_str(), error.c_str());
            return -1;
        }
        double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        best = best < 0 ? seconds : std::min(best, seconds);
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    long lines = argc > 1 ? std::atol(argv[1]) : kDefaultLines;
    if (lines <= 0) {
        std::fprintf(stderr, "usage: lurak_bench_orphans [NUMBER_OF_LINES]\n");
        return 1;
    }
    char folder[] = "/tmp/lurak_bench_orphansXXXXXX";
    if (!::mkdtemp(folder)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string base = folder, alone = base + "/lines.dxf", orphans = base + "/orphans.dxf",
                      out = base + "/saved.dxf";
    std::ofstream(alone, std::ios::binary) << drawing(lines, false);
    std::ofstream(orphans, std::ios::binary) << drawing(lines, true);
    double plain = openAndSave(alone, out);
    double withOrphans = plain < 0 ? -1 : openAndSave(orphans, out);
    for (const std::string& file : {alone, orphans, out}) ::unlink(file.c_str());
    ::rmdir(folder);
    if (withOrphans < 0) return 1;

    std::printf("lines: %ld count\n", lines);
    std::printf("open and save, lines alone: %.1f ms\n", plain * 1e3);
    std::printf("open and save, each line followed by an orphan attribute: %.1f ms\n", withOrphans * 1e3);
    std::printf("orphan attributes against lines alone: %.2f x\n", withOrphans / plain);
    return 0;
}
