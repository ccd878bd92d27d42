// The lurak program with drawings a user may hand it: errors that end the
// program on standard error, and a drawing with far-out geometry saved over
// itself and opened again.
#include "program_runner.h"

#include <fstream>
#include <sstream>

namespace {

// Standard output and error apart.
struct Streams {
    std::string out, err;
    int status = -1;
};

Streams runApart(const std::string& arguments) {
    std::string errors = tempPath("lurak_stderr.txt");
    Outcome run = runCommand(std::string(LURAK_PROGRAM) + " " + arguments + " </dev/null 2>" + errors + " ; exit $?");
    Streams streams;
    streams.status = run.status;
    streams.out = run.output;
    std::ifstream in(errors);
    std::stringstream text;
    text << in.rdbuf();
    streams.err = text.str();
    std::remove(errors.c_str());
    return streams;
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeAll(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A drawing the program made with its own commands.
std::string goodDrawing(const std::string& name) {
    std::string path = tempPath(name);
    std::remove(path.c_str());
    Outcome run = runLurak(plugin() + " " + script("drawing.scr") + " -o " + path);
    EXPECT_EQ(run.status, 0) << run.output;
    return path;
}

} // namespace

TEST(ProgramStreams, ADrawingThatCannotBeOpenedIsReportedOnStandardError) {
    std::string path = goodDrawing("lurak_damaged.dxf");
    std::string text = readAll(path);
    size_t at = text.find("$ACADVER");
    ASSERT_NE(at, std::string::npos);
    writeAll(path, text.substr(0, at) + "$ACADVER\r\nx1\r\n" + text.substr(at + 8));
    Streams run = runApart(plugin() + " " + path);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.rfind("lurak: Cannot open " + path + ":", 0), 0u) << run.err;
    EXPECT_EQ(run.out.find("Cannot open"), std::string::npos) << run.out;
    std::remove(path.c_str());
}

TEST(ProgramStreams, FarOutGeometrySavedOverItselfOpensAgain) {
    // A circle whose extents overflow: the drawing opens, is saved over
    // itself, and must open again.
    std::string path = goodDrawing("lurak_far.dxf");
    std::string text = readAll(path);
    size_t at = text.find("ENTITIES\r\n");
    ASSERT_NE(at, std::string::npos);
    at += 10;
    writeAll(path, text.substr(0, at) + "  0\r\nCIRCLE\r\n  8\r\n0\r\n 10\r\n1e308\r\n 20\r\n1e308\r\n 30\r\n0.0\r\n"
                                        " 40\r\n1e308\r\n" + text.substr(at));
    Streams saved = runApart(plugin() + " " + path + " -o " + path);
    ASSERT_EQ(saved.status, 0) << saved.out << saved.err;
    Streams again = runApart(plugin() + " " + path);
    EXPECT_EQ(again.status, 0) << again.err;
    Outcome check = runCommand(std::string(LURAK_PYTHON) + " " + LURAK_DXF_CHECK + " " + path);
    EXPECT_EQ(check.status, 0) << check.output;
    std::remove(path.c_str());
}
