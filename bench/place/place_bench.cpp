// Continuous-placement benchmark: the lurak program runs a script that
// starts a rectangular network and lays one run of 10,000 standard pieces
// (1500 each) by continuous placement, then saves the drawing.  The run is
// timed with and without the save (best of three); the peak memory of the program beyond
// that of an empty run is shared out over the pieces.  Prints
// "name: value unit" lines.
//
// Usage: place_bench [LURAK_PROGRAM [WORK_DIRECTORY]]
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "network_script.h"
#include "run_program.h"

namespace {

constexpr int kPieces = 10000;

// The fastest of three runs of the program on a script (saving to output
// when given), its output thrown away.
bench::Run BestOfThree(const std::string& program, const std::string& script, const std::string& output) {
    std::vector<std::string> args{"-s", script};
    if (!output.empty()) args.insert(args.end(), {"-o", output});
    return bench::fastestRun(3, program, args, "/dev/null");
}

void WriteScript(const std::string& path, bool withRun) {
    std::ofstream out(path);
    out << bench::startAt(0, true);
    if (withRun)
        out << "lcontd\n" << kPieces * bench::kPieceLength << ",0\n^C\n";
}

} // namespace

int main(int argc, char** argv) {
    std::string program = argc > 1 ? argv[1] : LURAK_PROGRAM;
    std::filesystem::path dir = argc > 2 ? argv[2] : std::filesystem::temp_directory_path() / "lurak_place_bench";
    std::filesystem::create_directories(dir);
    std::string empty = (dir / "empty.scr").string(), run = (dir / "run.scr").string();
    WriteScript(empty, false);
    WriteScript(run, true);

    bench::Run base = BestOfThree(program, empty, "");
    bench::Run placed = BestOfThree(program, run, "");
    bench::Run saved = BestOfThree(program, run, (dir / "place_bench.dxf").string());
    if (!base.ok || !placed.ok || !saved.ok) {
        std::fprintf(stderr, "place_bench: %s did not run to its end\n", program.c_str());
        return 1;
    }
    double placing = placed.seconds - base.seconds;
    double perElement = (placed.peakKilobytes - base.peakKilobytes) * 1024.0 / kPieces;
    std::printf("pieces: %d pieces\n", kPieces);
    std::printf("placement_seconds: %.3f s\n", placing);
    std::printf("placement_rate: %.0f pieces/s\n", placing > 0 ? kPieces / placing : 0.0);
    std::printf("placement_and_save_seconds: %.3f s\n", saved.seconds - base.seconds);
    std::printf("peak_memory_per_element: %.0f bytes\n", perElement);
    std::printf("dxf_size: %.1f MB\n",
                std::filesystem::file_size(dir / "place_bench.dxf") / (1024.0 * 1024.0));
    return 0;
}
