// Scale benchmark: the lurak program grows one rectangular network to
// 10,000, 100,000 and 1,000,000 elements (straight pieces, a grille on the
// side of every tenth, a fire damper in place of every hundredth) and, per
// size, times and weighs each step a user takes with a large drawing:
//
//   lay       the script that lays the network
//   save      laying and saving, less laying alone
//   reopen    opening the saved drawing
//   continue  opening it and placing one more element at the far end
//   list      opening it and listing the bill of materials (when built)
//
// Each step is a run of the program; its time is less that of a run that
// does nothing, its peak memory is that of the whole run, and the memory
// per element is the peak beyond an empty run shared out over the
// elements.  The ratio of the 100,000 figures to the 10,000 ones shows how
// each step grows.  Prints "name: value unit" lines.
//
// Usage: scale_bench [LARGEST [LURAK_PROGRAM [WORK_DIRECTORY]]]
//   LARGEST  the largest size run (1000000 when not given)
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "network_script.h"
#include "run_program.h"

namespace {

using bench::Run;

constexpr long kSizes[] = {10000, 100000, 1000000};

void Write(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

struct Step {
    const char* name;
    double seconds;
    long peakKilobytes;
};

} // namespace

// True when the program knows the command: it says neither that the
// command is unknown nor that it is not available yet.
bool Knows(const std::string& program, const std::string& dir, const std::string& command) {
    std::string script = dir + "/probe.scr";
    Write(script, command + "\n^C\n");
    Run probe = bench::runProgram(program, {"-s", script}, dir + "/probe.log");
    return probe.ok && probe.output.find("Unknown command") == std::string::npos &&
           probe.output.find("not available") == std::string::npos;
}

void Print(const std::string& name, double value, const char* unit) {
    std::printf("%s: %.3f %s\n", name.c_str(), value, unit);
}

int main(int argc, char** argv) {
    long largest = argc > 1 ? std::atol(argv[1]) : kSizes[2];
    std::string program = argc > 2 ? argv[2] : LURAK_PROGRAM;
    std::filesystem::path dir = argc > 3 ? argv[3] : std::filesystem::temp_directory_path() / "lurak_scale_bench";
    std::filesystem::create_directories(dir);
    auto at = [&dir](const std::string& name) { return (dir / name).string(); };
    Write(at("empty.scr"), "");
    Run base = bench::runProgram(program, {"-s", at("empty.scr")}, at("base.log"));
    if (!base.ok) {
        std::fprintf(stderr, "scale_bench: %s does not run\n", program.c_str());
        return 1;
    }
    const bool canPick = Knows(program, dir.string(), "lcur");
    const bool canList = Knows(program, dir.string(), "llist");
    std::printf("continue_by: %s\n", canPick ? "lcur" : "lstart (no lcur: each grille ends a network)");
    if (!canList)
        std::printf("list: skipped (no bill of materials in this build)\n");

    // step name -> size -> figures
    std::map<std::string, std::map<long, Step>> steps;
    for (long size : kSizes) {
        if (size > largest)
            break;
        const std::string tag = std::to_string(size);
        long farEnd = 0;
        Write(at("lay.scr"), bench::layScript(size, canPick, farEnd));
        Write(at("continue.scr"), bench::continueFrom(farEnd, canPick) +
                                            std::to_string(farEnd + bench::kPieceLength) + ",0\n^C\n");
        Write(at("list.scr"), "llist\nlist=0\naccept\naccept\n");
        const std::string drawing = at("scale_" + tag + ".dxf");
        struct Planned {
            const char* name;
            std::vector<std::string> args;
            const Run* less;  // the run whose time is not part of this step
        };
        Run laid;
        const std::vector<Planned> planned = {
            {"lay", {"-s", at("lay.scr")}, &base},
            {"save", {"-s", at("lay.scr"), "-o", drawing}, &laid},
            {"reopen", {drawing, "-s", at("empty.scr")}, &base},
            {"continue", {drawing, "-s", at("continue.scr")}, &base},
            {"list", {drawing, "-s", at("list.scr")}, &base},
        };
        for (const Planned& p : planned) {
            if (std::string(p.name) == "list" && !canList)
                continue;
            Run run = bench::runProgram(program, p.args, at(std::string(p.name) + ".log"));
            if (!run.ok) {
                std::fprintf(stderr, "scale_bench: %s of %ld elements did not run to its end (see %s)\n", p.name,
                             size, at(std::string(p.name) + ".log").c_str());
                return 1;
            }
            if (std::string(p.name) == "lay")
                laid = run;
            Step step{p.name, run.seconds - p.less->seconds, run.peakKilobytes};
            steps[p.name][size] = step;
            Print(std::string(p.name) + "_" + tag + "_seconds", step.seconds, "s");
            Print(std::string(p.name) + "_" + tag + "_peak_memory", step.peakKilobytes / 1024.0, "MB");
            Print(std::string(p.name) + "_" + tag + "_memory_per_element",
                  (step.peakKilobytes - base.peakKilobytes) * 1024.0 / size, "bytes");
        }
        if (size == kSizes[0] || size == kSizes[1])
            Print("dxf_" + tag + "_size", std::filesystem::file_size(drawing) / (1024.0 * 1024.0), "MB");
    }
    // How each step grows from 10,000 to 100,000 elements (linear: 10).
    for (const auto& [name, bySize] : steps) {
        auto small = bySize.find(kSizes[0]), large = bySize.find(kSizes[1]);
        if (small == bySize.end() || large == bySize.end())
            continue;
        if (small->second.seconds > 0)
            Print(name + "_time_growth_100k_over_10k", large->second.seconds / small->second.seconds, "x");
        double extraSmall = small->second.peakKilobytes - base.peakKilobytes;
        double extraLarge = large->second.peakKilobytes - base.peakKilobytes;
        if (extraSmall > 0)
            Print(name + "_memory_growth_100k_over_10k", extraLarge / extraSmall, "x");
    }
    return 0;
}
