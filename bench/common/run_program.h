// Runs the lurak program (or any program) as a child process and weighs
// the run: its wall-clock time, the peak resident memory of the whole run,
// whether it ended well, and what it printed.  The benchmarks that drive the
// program with scripts time each step as such a run.
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace bench {

struct Run {
    double seconds = 0;
    long peakKilobytes = 0;
    bool ok = false;
    std::string output;
};

// Runs the program with the arguments, its output written to `log` (kept
// in `output` unless the log is /dev/null).
inline Run runProgram(const std::string& program, const std::vector<std::string>& args, const std::string& log) {
    Run run;
    std::fflush(stdout);  // the child must not write what is still buffered here
    auto start = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child < 0) return run;
    if (child == 0) {
        if (!freopen(log.c_str(), "w", stdout)) _exit(127);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) return run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakKilobytes = usage.ru_maxrss;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    std::ifstream in(log);
    run.output.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return run;
}

// The fastest of `times` runs, with its peak memory: the machine's other
// work only ever slows a run down.  Stops at the first run that fails.
inline Run fastestRun(int times, const std::string& program, const std::vector<std::string>& args,
                      const std::string& log) {
    Run best = runProgram(program, args, log);
    for (int i = 1; i < times && best.ok; ++i) {
        Run again = runProgram(program, args, log);
        if (!again.ok) return again;
        if (again.seconds < best.seconds) best = again;
    }
    return best;
}

} // namespace bench
