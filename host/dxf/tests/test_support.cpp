#include "test_support.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <sys/wait.h>

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
