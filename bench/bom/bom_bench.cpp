// Bill-of-materials and numbering benchmark.  In one host session the
// module lays a round network of one air system: runs of spiral ducts
// (their joints take joint pieces), a TSD grille on the last duct of each
// run and a round fire damper VT-3-2K before the next run, until the
// drawing holds the number of elements asked for (100,000 by default).
// Then it times
//   - the numbering walk: "C:ldim" with number labels only, every label
//     placed and its proposed number taken, from the first duct;
//   - "C:llist": from the command to the closed list dialog, on the
//     numbered drawing (the dialogs answer at once from the script).
// and prints the peak memory of the process.  Prints "name: value unit".
// The list dialog shows its rows ("?"): unless their numbered rows count
// every element laid, nothing was numbered or listed (the dialog file
// missing, say, makes the command return at once) and the benchmark fails
// rather than time it.
//
// Usage: bom_bench [ELEMENTS [INSTALL_DIRECTORY]]
#include <sys/resource.h>

#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "acrx_app.h"
#include "ads_entity.h"
#include "app/current_element.h"
#include "app/dispatch.h"
#include "app/doc_state.h"
#include "app/place_support.h"
#include "core/element_load.h"
#include "core/lobject.h"
#include "core/system_entities.h"
#include "io/io.h"
#include "shell/documents.h"
#include "shell/session.h"
#include "windows_min.h"

namespace {

// The type chooser answers at once: the subtype of the next placement.
int16_t nextSubtype = 0;
int16_t AnswerChooser(int16_t, int16_t* subtype) {
    *subtype = nextSubtype;
    return 0;
}

enum Code : int { kLtuzv = 3, kLstart = 8, kLracs = 2, kLdim = 16, kLlist = 18, kLcontd = 23 };
constexpr int16_t grilleSubtype = 4;  // TSD
constexpr int16_t damperSubtype = 2;  // VT-3-2K
constexpr int kDuctsPerRun = 6;
constexpr double kPieceLength = 6000.0;

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// The processor time of the process: on a busy machine the wall-clock time
// of a phase also holds the time other programs ran.
double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + t.tv_nsec * 1e-9;
}

void Run(int code, const std::string& lines) {
    host::io::setScript(lines);
    InvokeFunctionCode(code);
}

// The round network of about `elements` elements; the first duct's insert.
long LayNetwork(long elements, ads_name firstDuct) {
    Run(kLstart, "0,0\n0\n1023=1\n1022=315\n1014=1200\n1009=HV1\nok\n1001=Bench\nok\n");
    std::string run = "@" + std::to_string(static_cast<long>(kDuctsPerRun * kPieceLength)) + ",0\n^C\n";
    Run(kLcontd, run);
    ads_name_clear(firstDuct);
    long laid = kDuctsPerRun;
    while (true) {
        ads_name lastDuct;
        ads_name_set(CurrentDocState->currentEntity, lastDuct);
        if (ads_name_nil(firstDuct)) {
            std::vector<EntityRef> inserts = SelectElementInserts();
            firstDuct[0] = inserts.front()[0];
            firstDuct[1] = inserts.front()[1];
        }
        nextSubtype = grilleSubtype;
        Run(kLracs, "");  // the grille on the last duct
        ++laid;
        if (laid + 1 + kDuctsPerRun > elements)
            break;
        ads_name_set(lastDuct, CurrentDocState->currentEntity);
        SelectCurrentElement(lastDuct);
        nextSubtype = damperSubtype;
        Run(kLtuzv, run);  // the damper, then the next run
        laid += 1 + kDuctsPerRun;
    }
    return laid;
}

// The elements the bill's numbered rows count, as the list dialog shows
// them: "index  number  count x text" (rows without a number have no
// second number before the count).
long NumberedElements(const std::string& transcript) {
    std::istringstream lines(transcript);
    std::string line;
    long counted = 0;
    while (std::getline(lines, line)) {
        std::istringstream row(line);
        long index = 0, number = 0, count = 0;
        std::string times;
        if (row >> index >> number >> count >> times && times == "x")
            counted += count;
    }
    return counted;
}

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
    long wanted = argc > 1 ? std::atol(argv[1]) : 100000;
    std::string install = argc > 2 ? argv[2] : LURAK_BINARY_DIR;
    host::shell::resetSession();
    host::io::setScript("");
    std::ostream quiet(nullptr);  // the transcript goes nowhere
    host::io::setTranscript(&quiet);
    host::win::registerModule(L"LURAK.ARX", std::wstring(install.begin(), install.end()).append(L"/LURAK.ARX").c_str());
    auto& docs = host::shell::documents();
    docs.create(docs.nextDrawingName());
    int appId = 0;
    acrxEntryPoint(AcRx::kInitAppMsg, &appId);
    for (host::shell::Document* doc : docs.open()) {
        host::shell::makeCurrent(doc);
        acrxEntryPoint(AcRx::kLoadDwgMsg, &appId);
    }
    SwitchDocState();
    if (!CurrentDocState) {
        std::fprintf(stderr, "bom_bench: the module did not start\n");
        return 1;
    }

    SetElementTypeChooser(AnswerChooser);
    auto start = std::chrono::steady_clock::now();
    ads_name firstDuct;
    long elements = LayNetwork(wanted, firstDuct);
    double laying = Seconds(start);
    SetElementTypeChooser(nullptr);

    // Numbering: every label placed beside its element, every proposal taken.
    std::string answers = "1067=1\n1082=0\nok\n";
    for (long i = 0; i < elements; ++i)
        answers += "@0,500\n\n";
    ads_name_set(firstDuct, CurrentDocState->currentEntity);
    SelectCurrentElement(firstDuct);
    host::io::setScript(answers);
    start = std::chrono::steady_clock::now();
    double cpu = CpuSeconds();
    InvokeFunctionCode(kLdim);
    double numbering = Seconds(start), numberingCpu = CpuSeconds() - cpu;

    std::ostringstream listed;
    host::io::setTranscript(&listed);
    host::io::setScript("list=0\naccept\n?\naccept\n");
    start = std::chrono::steady_clock::now();
    cpu = CpuSeconds();
    InvokeFunctionCode(kLlist);
    double listing = Seconds(start), listingCpu = CpuSeconds() - cpu;
    host::io::setTranscript(&quiet);
    if (long billed = NumberedElements(listed.str()); billed != elements) {
        std::fprintf(stderr, "bom_bench: the bill of materials counts %ld numbered elements of the %ld laid: "
                     "nothing to time.  What llist said:\n%s", billed, elements, listed.str().c_str());
        return 1;
    }

    std::printf("elements: %ld elements\n", elements);
    std::printf("laying_seconds: %.3f s\n", laying);
    std::printf("numbering_walk_seconds: %.3f s\n", numbering);
    std::printf("numbering_walk_cpu_seconds: %.3f s\n", numberingCpu);
    std::printf("bill_of_materials_seconds: %.3f s\n", listing);
    std::printf("bill_of_materials_cpu_seconds: %.3f s\n", listingCpu);
    std::printf("peak_memory: %.1f MB\n", PeakKilobytes() / 1024.0);
    acrxEntryPoint(AcRx::kUnloadAppMsg, &appId);
    host::io::setTranscript(nullptr);
    return 0;
}
