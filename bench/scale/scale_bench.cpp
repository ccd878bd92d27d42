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
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr long kSizes[] = {10000, 100000, 1000000};
constexpr long kPieceLength = 1500;
// Every group of ten elements: eight standard pieces, a straight VL-01 and
// the grille on its side; every tenth group has a fire damper in place of
// its first piece.
constexpr long kGroupElements = 10;
constexpr long kGroupsPerDamper = 10;
constexpr long kDamperLength = 400;  // VT-3-2 of 400 x 300

struct Run {
    double seconds = 0;
    long peakKilobytes = 0;
    bool ok = false;
    std::string output;
};

// Runs the program with the arguments, its output kept.
Run RunLurak(const std::string& program, const std::vector<std::string>& args, const std::string& log) {
    Run run;
    std::fflush(stdout);  // the child must not write what is still buffered here
    auto start = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child < 0)
        return run;
    if (child == 0) {
        if (!freopen(log.c_str(), "w", stdout))
            _exit(127);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakKilobytes = usage.ru_maxrss;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    std::ifstream in(log);
    run.output.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return run;
}

void Write(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

// The network start: a rectangular network of 400 x 300, system HV1, at x.
std::string StartAt(long x, bool newSystem) {
    std::string s = "lstart\n" + std::to_string(x) + ",0\n0\n1016=400\n1017=300\n1014=3000\n1009=HV1\nok\n";
    return newSystem ? s + "1001=Bench\nok\n" : s;
}

// Makes the element whose far end is at x current again and starts a run
// from it: by picking it where the program can ("lcur"), else by a new
// start at that point (the run then begins a network of its own).
std::string ContinueFrom(long x, bool canPick) {
    if (canPick)
        return "lcur\n" + std::to_string(x - 100) + ",200\n";  // on the duct's side
    return StartAt(x, false) + "lcontd\n";
}

// The script that lays `elements` elements; farEnd is the x where the
// network ends, its last straight duct between farEnd - 1500 and farEnd.
std::string LayScript(long elements, bool canPick, long& farEnd) {
    std::string s = StartAt(0, true) + "lcontd\n";  // continuous placement on, a run asked for
    long x = 0;
    for (long group = 0, laid = 0; laid + kGroupElements <= elements; ++group, laid += kGroupElements) {
        if (group > 0)
            s += ContinueFrom(x, canPick);
        long pieces = 8;
        if (group % kGroupsPerDamper == kGroupsPerDamper - 1) {
            s += "^C\nltuzv\nlist=11\naccept\n";  // the run ends; the damper asks for the next
            x += kDamperLength;
            --pieces;
        }
        x += pieces * kPieceLength;
        s += std::to_string(x) + ",0\n^C\n";
        s += "lnvl\nlist=0\naccept\n^C\nlracs\nlist=8\naccept\n";
        x += kPieceLength;
    }
    farEnd = x;
    return s;
}

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
    Run probe = RunLurak(program, {"-s", script}, dir + "/probe.log");
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
    Run base = RunLurak(program, {"-s", at("empty.scr")}, at("base.log"));
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
        Write(at("lay.scr"), LayScript(size, canPick, farEnd));
        Write(at("continue.scr"), ContinueFrom(farEnd, canPick) + std::to_string(farEnd + kPieceLength) + ",0\n^C\n");
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
            Run run = RunLurak(program, p.args, at(std::string(p.name) + ".log"));
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
