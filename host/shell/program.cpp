#include "shell/program.h"

#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "dxf/quoted_text.h"
#include "io/io.h"
#include "shell/commands.h"
#include "shell/drawing_store.h"
#include "shell/session.h"
#include "shell/terminal_source.h"

namespace fs = std::filesystem;

namespace host::shell {

namespace {

constexpr const char* kUsage =
    "usage: lurak [DRAWING] [-s SCRIPT] [-o OUTPUT.dxf] [--module PATH]\n"
    "             [--host-version TEXT | --no-host-version]\n"
    "\n"
    "Opens DRAWING (or a new drawing), loads the module (LURAK.ARX beside the\n"
    "program unless --module names one), reads commands and answers from\n"
    "SCRIPT (or standard input; a terminal gets line editing), and at the end\n"
    "saves the current drawing to OUTPUT when given.\n"
    "\n"
    "  -s SCRIPT            read input lines from SCRIPT\n"
    "  -o OUTPUT.dxf        save the current drawing there at the end\n"
    "  --module PATH        load this plug-in instead of LURAK.ARX\n"
    "  --host-version TEXT  the version the host reports (default 17.2)\n"
    "  --no-host-version    the host reports no version at all\n"
    "  -h, --help           show this text\n"
    "\n"
    "Answers: empty line = Enter, ^C = cancel, x,y[,z] or @dx,dy[,dz] points,\n"
    "#handle or last for picks, ; starts a comment line.  ? at the command\n"
    "prompt lists the commands.\n"
    "Exit status: 0 input ran to its end, 1 a save failed, 2 could not start.\n";

struct Options {
    std::string drawing;
    std::string script;
    std::string output;
    std::string module;
    std::optional<std::string> version = std::string("17.2");
    bool help = false;
};

bool parseOptions(int argc, char** argv, Options& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= argc) {
                error = "option " + arg + " needs a value";
                return false;
            }
            into = argv[++i];
            return true;
        };
        if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "-s") {
            if (!value(options.script)) return false;
            if (options.script.empty()) {
                error = "option -s needs a file name";
                return false;
            }
        } else if (arg == "-o") {
            if (!value(options.output)) return false;
            if (options.output.empty()) {
                error = "option -o needs a file name";
                return false;
            }
        } else if (arg == "--module") {
            if (!value(options.module)) return false;
        } else if (arg == "--host-version") {
            std::string v;
            if (!value(v)) return false;
            options.version = v;
        } else if (arg == "--no-host-version") {
            options.version.reset();
        } else if (!arg.empty() && arg[0] == '-') {
            error = "unknown option " + dxf::withoutControls(arg);
            return false;
        } else if (options.drawing.empty()) {
            options.drawing = arg;
        } else {
            error = "more than one drawing given: " + dxf::withoutControls(arg);
            return false;
        }
    }
    return true;
}

std::string programDirectory() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : exe.parent_path().string();
}

void saveOutput(const std::string& output) {
    Document* doc = currentDocument();
    if (!doc) {
        std::cerr << "lurak: no drawing open to save as " << dxf::withoutControls(output) << "\n";
        noteSaveFailure();
        return;
    }
    std::string message;
    std::string target = saveTarget(*doc, output);
    if (!saveDrawing(*doc, target, message)) {
        std::cerr << "lurak: " << message << "\n";
        noteSaveFailure();
        return;
    }
    doc->setPath(target);
    io::print(message + "\n");
}

} // namespace

int runProgram(int argc, char** argv) {
    // Narrow strings passed to the wide printf of the C interface are UTF-8.
    std::setlocale(LC_CTYPE, "C.UTF-8");
    Options options;
    std::string error;
    if (!parseOptions(argc, argv, options, error)) {
        std::cerr << "lurak: " << error << "\n" << kUsage;
        return 2;
    }
    if (options.help) {
        std::cout << kUsage;
        return 0;
    }
    if (!options.script.empty()) {
        std::error_code ec;
        if (fs::is_directory(options.script, ec)) {
            std::cerr << "lurak: cannot read script " << dxf::withoutControls(options.script) << ": it is a folder\n";
            return 2;
        }
        auto in = std::make_unique<std::ifstream>(options.script);
        if (!*in) {
            std::cerr << "lurak: cannot read script " << dxf::withoutControls(options.script) << ": "
                      << std::strerror(errno) << "\n";
            return 2;
        }
        io::setSource(std::make_unique<io::StreamSource>(std::move(in)));
    } else if (isatty(STDIN_FILENO)) {
        io::setSource(std::make_unique<TerminalSource>());
    } else {
        auto in = std::make_unique<std::istream>(std::cin.rdbuf());
        io::setSource(std::make_unique<io::StreamSource>(std::move(in)));
    }
    setHostVersion(options.version);

    if (!options.drawing.empty()) {
        // Like every error that ends the program, on standard error.
        if (!openDrawing(options.drawing, &error)) {
            std::cerr << "lurak: " << error << "\n";
            return 2;
        }
    } else {
        newDrawing();
    }

    std::string module = options.module;
    bool moduleRequired = !module.empty();
    if (module.empty()) module = (fs::path(programDirectory()) / "LURAK.ARX").string();
    std::error_code ec;
    if (moduleRequired || fs::exists(module, ec)) {
        if (!loadPlugin(module, error)) {
            std::cerr << "lurak: " << error << "\n";
            quit();
            return 2;
        }
    }

    if (!options.output.empty()) setBeforeQuit([output = options.output] { saveOutput(output); });
    runCommandLine();
    endActiveCommand();
    quit();
    io::setSource(nullptr);
    return saveFailed() ? 1 : 0;
}

} // namespace host::shell
