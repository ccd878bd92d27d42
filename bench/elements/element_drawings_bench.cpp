// What the drawings of the module's own work cost in the lurak program:
//   network  a rectangular network laid (network_script.h) and numbered
//            with ldim by the program, every element a number label (a
//            circle of radius 290 and its number);
//   labels   20,000 inserts, each of a block of its own holding a circle of
//            radius 290 and a text.
// For each: opening the drawing, opening and saving it, opening it and
// picking ten elements (LIST), and for the network renumbering it with ldim
// and saving.  Each step is a run of the program: its time is less that of
// the run it adds to (an empty run for opening, opening for the others),
// best of three but the renumbering; its peak memory is that of the whole
// run.  A pick that does not find its element fails the benchmark.
//
//   element_drawings_bench [--program LURAK] [--dir WORK_DIRECTORY] [--elements N] [CASE...]
//
// CASE is network or labels (both when none is given); N the network's
// elements (8,000).  Prints `name: value unit` lines.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "dxf_text.h"
#include "network_script.h"
#include "run_program.h"

namespace {

constexpr long kDefaultElements = 8000;
constexpr int kPicks = 10;
constexpr int kTimes = 3;  // runs of each quick step, the fastest kept
constexpr int kLabels = 20000;
constexpr int kLabelColumns = 200;
constexpr double kLabelSpacing = 1000;
constexpr double kLabelRadius = 290;

struct Setup {
    std::string program;
    std::filesystem::path dir;
    bench::Run base;  // a run that opens nothing and does nothing
    std::string at(const std::string& name) const { return (dir / name).string(); }
};

void write(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

// The entities a run saved in model space, as the program says it (-1 when
// it says nothing); a script out of step shows as an unknown command.
long savedEntities(const bench::Run& run) {
    const std::string said = "entities in model space";
    size_t at = run.output.rfind(said);
    if (at == std::string::npos) return -1;
    size_t open = run.output.rfind('(', at);
    return open == std::string::npos ? -1 : std::atol(run.output.c_str() + open + 1);
}
bool inStep(const bench::Run& run) { return run.output.find("Unknown command") == std::string::npos; }

void print(const std::string& name, const char* what, double value, const char* unit) {
    std::printf("%s_%s: %.3f %s\n", name.c_str(), what, value, unit);
}
void printRun(const std::string& name, const bench::Run& run, const bench::Run& less) {
    print(name, "seconds", run.seconds - less.seconds, "s");
    print(name, "peak_memory", run.peakKilobytes / 1024.0, "MB");
}

// The number of lines saying a pick found one entity.
int foundOne(const std::string& output) {
    int found = 0;
    for (size_t at = output.find("1 found"); at != std::string::npos; at = output.find("1 found", at + 1))
        if (at == 0 || output[at - 1] == '\n' || output[at - 1] == ' ') ++found;
    return found;
}

// Opens, saves and picks in the drawing; false when a run fails or a pick
// misses.  `picks` are the points of the ten picks ("x,y").
bool openSaveAndPick(const Setup& s, const std::string& name, const std::string& drawing,
                     const std::vector<std::string>& picks) {
    std::printf("%s_file: %.1f MB\n", name.c_str(), std::filesystem::file_size(drawing) / (1024.0 * 1024.0));
    const std::string empty = s.at("empty.scr"), picking = s.at(name + "_picks.scr");
    std::string script = "LIST\n";
    for (const std::string& p : picks) script += p + "\n";
    write(picking, script + "\n");
    bench::Run open = bench::fastestRun(kTimes, s.program, {drawing, "-s", empty}, s.at(name + "_open.log"));
    bench::Run saved = bench::fastestRun(kTimes, s.program, {drawing, "-s", empty, "-o", s.at(name + "_saved.dxf")},
                                         s.at(name + "_save.log"));
    bench::Run picked = bench::fastestRun(kTimes, s.program, {drawing, "-s", picking}, s.at(name + "_picks.log"));
    if (!open.ok || !saved.ok || !picked.ok) {
        std::fprintf(stderr, "element_drawings_bench: %s: a run of %s failed (see %s)\n", name.c_str(),
                     s.program.c_str(), s.dir.c_str());
        return false;
    }
    printRun(name + "_open", open, s.base);
    printRun(name + "_save", saved, open);
    printRun(name + "_ten_picks", picked, open);
    int found = foundOne(picked.output);
    std::printf("%s_ten_picks_found: %d count\n", name.c_str(), found);
    if (found != kPicks) {
        std::fprintf(stderr, "element_drawings_bench: %s: %d of the %d picks found their element (see %s)\n",
                     name.c_str(), found, kPicks, s.at(name + "_picks.log").c_str());
        return false;
    }
    return true;
}

// Number labels only, every label 500 above its element's label point and
// every proposed number taken, walking from the first duct (made current
// with continuous placement stopped).
std::string numbering(long elements) {
    std::string s = "lcur\n" + bench::ductSide(bench::kPieceLength) + "^C\nldim\n1067=1\n1082=0\nok\n";
    for (long i = 0; i < elements; ++i) s += "@0,500\n\n";
    return s;
}

bool network(const Setup& s, long elements) {
    long farEnd = 0;
    const std::string drawing = s.at("network.dxf"), script = s.at("network_lay.scr");
    write(script, bench::layScript(elements, true, farEnd) + numbering(elements));
    bench::Run laid = bench::runProgram(s.program, {"-s", script, "-o", drawing}, s.at("network_lay.log"));
    // Each element its number label: far more entities than elements.
    const long saved = savedEntities(laid);
    if (!laid.ok || !inStep(laid) || saved <= elements) {
        std::fprintf(stderr, "element_drawings_bench: laying and numbering the network failed (see %s)\n",
                     s.at("network_lay.log").c_str());
        return false;
    }
    std::printf("network_elements: %ld count\nnetwork_entities: %ld count\n", elements, saved);
    printRun("network_lay_and_number", laid, s.base);
    // On the side of the ducts, spread along the network.
    std::vector<std::string> picks;
    for (int k = 0; k < kPicks; ++k) picks.push_back(bench::ductSide(farEnd * (2 * k + 1) / (2 * kPicks)));
    for (std::string& p : picks) p.pop_back();  // the line's end
    if (!openSaveAndPick(s, "network", drawing, picks)) return false;
    const std::string renumber = s.at("network_renumber.scr");
    write(renumber, numbering(elements));
    bench::Run open = bench::runProgram(s.program, {drawing, "-s", s.at("empty.scr")}, s.at("network_open.log"));
    bench::Run renumbered = bench::runProgram(s.program, {drawing, "-s", renumber, "-o", s.at("network_renumbered.dxf")},
                                              s.at("network_renumber.log"));
    // Renumbering keeps every label: as many entities as before.
    if (!open.ok || !renumbered.ok || !inStep(renumbered) || savedEntities(renumbered) != saved) {
        std::fprintf(stderr, "element_drawings_bench: renumbering failed (see %s)\n",
                     s.at("network_renumber.log").c_str());
        return false;
    }
    printRun("network_renumber_and_save", renumbered, open);
    return true;
}

std::string labelsDrawing() {
    std::string blocks, inserts;
    for (int i = 0; i < kLabels; ++i) {
        const std::string name = "LABEL" + std::to_string(i);
        blocks += bench::block(name, bench::circle(0, 0, kLabelRadius) +
                                         bench::text(-150, -100, 200, std::to_string(i + 1)));
        inserts += bench::insert(name, {.x = (i % kLabelColumns) * kLabelSpacing,
                                        .y = static_cast<double>(i / kLabelColumns) * kLabelSpacing});
    }
    return bench::drawing(blocks, inserts);
}

bool labels(const Setup& s) {
    const std::string drawing = s.at("labels.dxf");
    write(drawing, labelsDrawing());
    // On the circles of labels spread over the drawing.
    std::vector<std::string> picks;
    for (int k = 0; k < kPicks; ++k) {
        int i = (2 * k + 1) * kLabels / (2 * kPicks) + k;
        double x = (i % kLabelColumns) * kLabelSpacing + kLabelRadius, y = (i / kLabelColumns) * kLabelSpacing;
        picks.push_back(bench::number(x) + "," + bench::number(y));
    }
    return openSaveAndPick(s, "labels", drawing, picks);
}

} // namespace

int main(int argc, char** argv) {
    Setup s;
    s.program = LURAK_PROGRAM;
    s.dir = std::filesystem::temp_directory_path() / "lurak_element_drawings_bench";
    long elements = kDefaultElements;
    std::vector<std::string> cases;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--program" && i + 1 < argc) s.program = argv[++i];
        else if (arg == "--dir" && i + 1 < argc) s.dir = argv[++i];
        else if (arg == "--elements" && i + 1 < argc) elements = std::atol(argv[++i]);
        else if (arg == "network" || arg == "labels") cases.push_back(arg);
        else {
            std::fprintf(stderr, "%s: unknown argument %s (cases: network, labels)\n", argv[0], arg.c_str());
            return 2;
        }
    }
    if (cases.empty()) cases = {"network", "labels"};
    std::filesystem::create_directories(s.dir);
    write(s.at("empty.scr"), "");
    s.base = bench::fastestRun(kTimes, s.program, {"-s", s.at("empty.scr")}, s.at("base.log"));
    if (!s.base.ok) {
        std::fprintf(stderr, "element_drawings_bench: %s does not run\n", s.program.c_str());
        return 1;
    }
    bool ok = true;
    for (const std::string& c : cases) ok = (c == "network" ? network(s, elements) : labels(s)) && ok;
    return ok ? 0 : 1;
}
