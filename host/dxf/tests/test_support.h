// Helpers of the DXF tests: scratch output files and the Python checks.
#pragma once

#include <string>
#include <vector>

// A path in the tests' output folder (made when missing).
std::string outputPath(const std::string& name);
// DXF text of "code value" pairs parted by blanks or lines; the value <blank> is
// a space, <empty> nothing.
std::string dxfOfGroups(const std::string& groups);
// Runs check_dxf.py on a file: "" when it passes, else its report.
std::string runChecks(const std::string& path);
// Runs check_dxf.py on many files in `jobs` processes side by side: "" when
// all pass, else the reports of those that do not.
std::string runChecksOnFiles(const std::vector<std::string>& paths, unsigned jobs);
// Runs one of the tests' Python scripts with one argument: its exit status,
// with what it printed in `output`.
int runPython(const char* script, const std::string& argument, std::string& output);
// The same with several arguments.
int runPython(const char* script, const std::vector<std::string>& arguments, std::string& output);
// Runs compare_dxf.py: "" when the copy keeps everything of the original.
std::string runCompare(const std::string& original, const std::string& copy);
// Makes the 50,000-insert drawing of the DXF benchmark when the file is
// missing: "" when it is there.
std::string makeBigDrawing(const std::string& path);
// The foreign drawings make_samples.py writes with ezdxf, one for each
// version from R12 to R2018 (made on first use): their paths, or none with
// the script's output in `error`.
std::vector<std::string> sampleDrawings(std::string& error);
// The sample of one version ("R2007"): its path, or "" when it cannot be made.
std::string sampleDrawing(const std::string& version);
// The x and y of a saved header point ($EXTMIN, $EXTMAX): the values after
// its codes 10 and 20, lines ending in CR LF.
bool headerPoint(const std::string& text, const std::string& name, double& x, double& y);
