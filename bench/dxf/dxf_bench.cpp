// DXF read and write speed on a large drawing: 50,000 inserts with XDATA,
// 300 anonymous blocks and 200 XRECORDs (about 14 MB), made once by
// make_big_drawing.py beside this file when it is missing.
//
//   lurak_bench_dxf [FILE.dxf]
//
// Prints `name: value unit` lines.  Speeds are the best of a few runs.
// "read" is the file (mapped) into a new drawing database; "write" the
// drawing into DXF text; "save to disk" the atomic save: the text into a
// temporary file, flushed to the disk, renamed over the old file.  The peak
// memory is that of the whole process after one read and one save.  Last,
// the read of a dictionary of 100,000 entries, each an object it owns.
#include "dxf/file_io.h"
#include "dxf/reader.h"
#include "dxf/tokenizer.h"
#include "dxf/writer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace host::dxf;

namespace {

constexpr int kRuns = 5;

using Clock = std::chrono::steady_clock;

bool exists(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

bool makeBigDrawing(const std::string& path)
{
    std::string command = std::string(LURAK_PYTHON) + " " + DXF_BIG_DRAWING_SCRIPT + " R2007 '" + path + "' >/dev/null";
    std::fprintf(stderr, "making %s\n", path.c_str());
    return std::system(command.c_str()) == 0 && exists(path);
}

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double peakMegabytes()
{
    rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;  // kilobytes on Linux
}

size_t fileSize(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? static_cast<size_t>(info.st_size) : 0;
}

struct Timings {
    double read = 1e9, write = 1e9, writeMemory = 1e9;
    size_t written = 0;
    double peak = 0;
};

bool runOnce(const std::string& path, const std::string& out, Timings& t)
{
    Clock::time_point start = Clock::now();
    ReadReport report;
    auto db = readDxfFile(path, report);
    if (!db) {
        std::fprintf(stderr, "%s\n", report.error.text().c_str());
        return false;
    }
    t.read = std::min(t.read, secondsSince(start));

    start = Clock::now();
    std::string error;
    if (!writeDxfFile(*db, out, WriteOptions{}, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    t.write = std::min(t.write, secondsSince(start));
    t.written = fileSize(out);
    if (t.peak == 0) t.peak = peakMegabytes();  // one read and one save, as a user would do them

    start = Clock::now();
    std::string text;
    writeDxfText(*db, text);
    t.writeMemory = std::min(t.writeMemory, secondsSince(start));
    return true;
}

double tokenizeSeconds(const std::string& path)
{
    std::string text, error;
    if (!readWholeFile(path, text, error)) return 0;
    double best = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        Clock::time_point start = Clock::now();
        Tokenizer tokenizer(text, path);
        Token token;
        while (tokenizer.next(token)) {
        }
        best = std::min(best, secondsSince(start));
    }
    return best;
}

// A dictionary of 100,000 XRECORDs, each owned by it: the owner checks of
// reading ask every object whether its owner holds it.
double largeDictionarySeconds()
{
    constexpr int kEntries = 100000;
    std::string text = "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1021\n0\nENDSEC\n0\nSECTION\n2\nOBJECTS\n"
                       "0\nDICTIONARY\n5\nC\n330\n0\n100\nAcDbDictionary\n3\nDATA\n350\nD\n"
                       "0\nDICTIONARY\n5\nD\n330\nC\n100\nAcDbDictionary\n";
    char handle[32];
    for (int i = 0; i < kEntries; ++i) {
        std::snprintf(handle, sizeof handle, "%X", 0x100 + i);
        text += "3\nK" + std::to_string(i) + "\n350\n" + handle + "\n";
    }
    for (int i = 0; i < kEntries; ++i) {
        std::snprintf(handle, sizeof handle, "%X", 0x100 + i);
        text += std::string("0\nXRECORD\n5\n") + handle + "\n330\nD\n100\nAcDbXrecord\n1\nx\n";
    }
    text += "0\nENDSEC\n0\nEOF\n";
    double best = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        Clock::time_point start = Clock::now();
        ReadReport report;
        if (!readDxfText(text, "dictionary.dxf", report)) {
            std::fprintf(stderr, "%s\n", report.error.text().c_str());
            return -1;
        }
        best = std::min(best, secondsSince(start));
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    std::string path = argc > 1 ? argv[1] : DXF_BENCH_FILE;
    if (!exists(path) && !makeBigDrawing(path)) {
        std::fprintf(stderr, "cannot make %s (needs %s with ezdxf)\n", path.c_str(), LURAK_PYTHON);
        return 1;
    }
    std::string out = path + ".written.dxf";
    double megabytes = fileSize(path) / 1e6;
    Timings t;
    for (int run = 0; run < kRuns; ++run)
        if (!runOnce(path, out, t)) return 1;
    double tokenize = tokenizeSeconds(path);
    double dictionary = largeDictionarySeconds();
    if (dictionary < 0) return 1;
    ::unlink(out.c_str());

    std::printf("file size: %.2f MB\n", megabytes);
    std::printf("read: %.0f MB/s\n", megabytes / t.read);
    std::printf("read time: %.1f ms\n", t.read * 1e3);
    std::printf("write: %.0f MB/s\n", t.written / 1e6 / t.writeMemory);
    std::printf("write time: %.1f ms\n", t.writeMemory * 1e3);
    std::printf("save to disk: %.0f MB/s\n", t.written / 1e6 / t.write);
    std::printf("save time: %.1f ms\n", t.write * 1e3);
    std::printf("tokenize only: %.0f MB/s\n", megabytes / tokenize);
    std::printf("peak memory: %.1f MB\n", t.peak);
    std::printf("peak memory per file size: %.2f x\n", t.peak / megabytes);
    std::printf("read of a dictionary of 100000 entries: %.1f ms\n", dictionary * 1e3);
    return 0;
}
