// Helpers of the DXF tests: scratch output files and the Python checks.
#pragma once

#include <string>
#include <vector>

// A path in the tests' output folder (made when missing).
std::string outputPath(const std::string& name);
// Runs check_dxf.py on a file: "" when it passes, else its report.
std::string runChecks(const std::string& path);
// Runs check_dxf.py on many files in `jobs` processes side by side: "" when
// all pass, else the reports of those that do not.
std::string runChecksOnFiles(const std::vector<std::string>& paths, unsigned jobs);
// Runs compare_dxf.py: "" when the copy keeps everything of the original.
std::string runCompare(const std::string& original, const std::string& copy);
// Makes the 50,000-insert drawing with ../shared/tools/dxf_gen_big.py when
// the file is missing: "" when it is there.
std::string makeBigDrawing(const std::string& path);
// Runs one of the tests' Python scripts with an argument: its exit status,
// with what it printed in `output`.
int runPython(const char* script, const std::string& argument, std::string& output);
