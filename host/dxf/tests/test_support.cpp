#include "test_support.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <algorithm>
#include <cmath>

namespace {

// Output and exit status of a shell command.
int run(const std::string& command, std::string& output)
{
    output.clear();
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return -1;
    std::array<char, 4096> buffer;
    size_t got;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) output.append(buffer.data(), got);
    int status = ::pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string script(const char* name)
{
    return std::string(LURAK_PYTHON) + " " + DXF_TEST_SCRIPTS + "/" + name;
}

std::string shellQuoted(const std::string& path)
{
    return "'" + path + "'";
}

} // namespace

std::string dxfOfGroups(const std::string& groups)
{
    std::istringstream in(groups);
    std::string code, value, out;
    while (in >> code >> value) {
        if (value == "<blank>") value = " ";
        if (value == "<empty>") value.clear();
        out += code + "\n" + value + "\n";
    }
    return out;
}

std::string outputPath(const std::string& name)
{
    std::filesystem::create_directories(DXF_TEST_OUTPUT);
    return std::string(DXF_TEST_OUTPUT) + "/" + name;
}

std::string runChecks(const std::string& path)
{
    std::string output;
    int status = run(script("check_dxf.py") + " " + shellQuoted(path), output);
    return status == 0 ? "" : output;
}

std::string runChecksOnFiles(const std::vector<std::string>& paths, unsigned jobs)
{
    jobs = std::max(1u, std::min<unsigned>(jobs, static_cast<unsigned>(paths.size())));
    std::vector<std::string> reports(jobs);
    std::vector<std::thread> pool;
    for (unsigned job = 0; job < jobs; ++job)
        pool.emplace_back([&, job] {
            std::string command = script("check_dxf.py");
            for (size_t i = job; i < paths.size(); i += jobs) command += " " + shellQuoted(paths[i]);
            std::string output;
            if (run(command, output) == 0) return;
            // Only what failed: a line per file that passed would bury it.
            size_t start = 0;
            while (start < output.size()) {
                size_t end = output.find('\n', start);
                if (end == std::string::npos) end = output.size();
                std::string_view line(output.data() + start, end - start);
                if (!line.ends_with(": ok")) reports[job].append(line).append("\n");
                start = end + 1;
            }
        });
    for (std::thread& t : pool) t.join();
    std::string all;
    for (const std::string& report : reports) all += report;
    return all;
}

int runPython(const char* name, const std::string& argument, std::string& output)
{
    return run(script(name) + " " + shellQuoted(argument), output);
}

int runPython(const char* name, const std::vector<std::string>& arguments, std::string& output)
{
    std::string command = script(name);
    for (const std::string& argument : arguments) command += " " + shellQuoted(argument);
    return run(command, output);
}

std::string runCompare(const std::string& original, const std::string& copy)
{
    std::string output;
    int status = run(script("compare_dxf.py") + " " + shellQuoted(original) + " " + shellQuoted(copy), output);
    return status == 0 ? "" : output;
}

std::string makeBigDrawing(const std::string& path)
{
    if (std::filesystem::exists(path)) return "";
    std::string output;
    std::string partial = path + ".part";
    int status = run(std::string(LURAK_PYTHON) + " " + DXF_BIG_DRAWING_SCRIPT + " R2007 " + shellQuoted(partial),
                     output);
    if (status != 0) return output;
    std::filesystem::rename(partial, path);
    return "";
}

std::vector<std::string> sampleDrawings(std::string& error)
{
    std::string listing;
    std::vector<std::string> paths;
    if (run(script("make_samples.py") + " " + shellQuoted(outputPath("samples")), listing) != 0) {
        error = listing;
        return paths;
    }
    std::istringstream lines(listing);
    for (std::string line; std::getline(lines, line);)
        if (line.size() > 4 && line.compare(line.size() - 4, 4, ".dxf") == 0) paths.push_back(line);
    return paths;
}

std::string sampleDrawing(const std::string& version)
{
    std::string error;
    for (const std::string& path : sampleDrawings(error))
        if (path.ends_with("_" + version + ".dxf")) return path;
    return "";
}

bool headerPoint(const std::string& text, const std::string& name, double& x, double& y)
{
    size_t at = text.find(name + "\r\n");
    if (at == std::string::npos) return false;
    auto valueAfter = [&](const char* code) -> double {
        size_t line = text.find(code, at);
        if (line == std::string::npos) return NAN;
        size_t begin = line + std::string(code).size();
        return std::stod(text.substr(begin, text.find('\r', begin) - begin));
    };
    x = valueAfter("\r\n 10\r\n");
    y = valueAfter("\r\n 20\r\n");
    return std::isfinite(x) && std::isfinite(y);
}
