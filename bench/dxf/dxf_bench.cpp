// DXF read and write speed on a large drawing: 50,000 inserts with XDATA,
// 300 anonymous blocks and 200 XRECORDs (about 14 MB), made once by
// ../shared/tools/dxf_gen_big.py when it is missing.
//
//   lurak_bench_dxf [FILE.dxf]
//
// Prints `name: value unit` lines.  Each figure is the best of a few runs.
#include "dxf/file_io.h"
#include "dxf/group_writer.h"
#include "dxf/text_codec.h"
#include "dxf/tokenizer.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace host::dxf;

namespace {

constexpr int kRuns = 5;

bool exists(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

bool makeBigDrawing(const std::string& path)
{
    std::string command = std::string(LURAK_PYTHON) + " " + LURAK_SHARED_DIR + "/tools/dxf_gen_big.py R2007 '" +
                          path + "' >/dev/null";
    std::fprintf(stderr, "making %s\n", path.c_str());
    return std::system(command.c_str()) == 0 && exists(path);
}

double seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

double peakMegabytes()
{
    rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;  // kilobytes on Linux
}

// Every group through the tokenizer, text decoded as the reader does.
size_t tokenize(const std::string& text, std::string& error)
{
    Tokenizer tokenizer(text, "bench");
    Token token;
    std::string scratch;
    TextEncoding utf8;
    size_t groups = 0;
    while (tokenizer.next(token)) {
        if (token.kind == ValueKind::String) decodeText(token.text, utf8, scratch);
        ++groups;
    }
    if (tokenizer.failed()) error = tokenizer.error().text();
    return groups;
}

// Every group written back from its typed value.
size_t rewrite(const std::string& text)
{
    Tokenizer tokenizer(text, "bench");
    Token token;
    GroupWriter out(TextEncoding{});
    out.reserve(text.size() + text.size() / 8);
    while (tokenizer.next(token)) {
        switch (token.kind) {
        case ValueKind::Double: out.real(token.code, token.real); break;
        case ValueKind::Int16:
        case ValueKind::Int32:
        case ValueKind::Int64:
        case ValueKind::Bool: out.integer(token.code, token.integer); break;
        case ValueKind::Handle: out.handle(token.code, static_cast<uint64_t>(token.integer)); break;
        default: out.text(token.code, token.text); break;
        }
    }
    return out.buffer().size();
}

} // namespace

int main(int argc, char** argv)
{
    std::string path = argc > 1 ? argv[1] : DXF_BENCH_FILE;
    if (!exists(path) && !makeBigDrawing(path)) {
        std::fprintf(stderr, "cannot make %s (needs %s with ezdxf)\n", path.c_str(), LURAK_PYTHON);
        return 1;
    }
    std::string text, error;
    if (!readWholeFile(path, text, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    double megabytes = text.size() / 1e6;
    double bestTokenize = 1e9, bestRewrite = 1e9;
    size_t groups = 0, written = 0;
    for (int run = 0; run < kRuns; ++run) {
        auto start = std::chrono::steady_clock::now();
        groups = tokenize(text, error);
        bestTokenize = std::min(bestTokenize, seconds(start));
        start = std::chrono::steady_clock::now();
        written = rewrite(text);
        bestRewrite = std::min(bestRewrite, seconds(start));
    }
    if (!error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    std::printf("file size: %.2f MB\n", megabytes);
    std::printf("groups: %zu count\n", groups);
    std::printf("tokenize: %.0f MB/s\n", megabytes / bestTokenize);
    std::printf("rewrite groups: %.0f MB/s\n", written / 1e6 / bestRewrite);
    std::printf("peak memory: %.1f MB\n", peakMegabytes());
    return 0;
}
