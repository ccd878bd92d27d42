#include "shell/command_help.h"

#include <algorithm>
#include <fstream>
#include <map>

#include "io/io.h"
#include "shell/documents.h"
#include "shell/search_path.h"
#include "shell/text.h"
#include "dxf/quoted_text.h"

namespace host::shell {

namespace {

struct HostCommand {
    const char* name;
    const char* description;
};

constexpr HostCommand kHostCommands[] = {
    {"NEW", "Starts a new drawing"},
    {"OPEN", "Opens a drawing file"},
    {"SAVE", "Saves the drawing to its file"},
    {"SAVEAS", "Saves the drawing to a file you name"},
    {"CLOSE", "Closes the drawing (asks about unsaved changes)"},
    {"QUIT", "Ends the session (asks about unsaved changes)"},
    {"LINE", "Draws lines"},
    {"CIRCLE", "Draws a circle by centre and radius"},
    {"ARC", "Draws an arc through three points"},
    {"TEXT", "Writes a line of text"},
    {"ERASE", "Erases entities"},
    {"LIST", "Lists the data of entities"},
    {"DIM", "Dimensions: aligned and rotated"},
    {"LINETYPE", "Loads linetypes"},
    {"MENULOAD", "Loads a menu file"},
    {"SETVAR", "Shows or changes a system variable (or type the variable's name)"},
};

// Width of the name column.
constexpr size_t kNameColumn = 10;

// Names and descriptions come from modules and menu files: quoted as file
// text is.
std::string line(const std::string& name, const std::string& description) {
    std::string text = "  " + dxf::withoutControls(name);
    if (!description.empty())
        text += std::string(name.size() < kNameColumn ? kNameColumn - name.size() : 1, ' ') +
                dxf::withoutControls(description);
    return text + "\n";
}

// "Rectangular ducts...   = (C:lnvl)": LNVL -> "Rectangular ducts".
void readMenu(const std::string& path, std::map<std::string, std::string>& descriptions) {
    std::ifstream in(path);
    std::string text;
    while (std::getline(in, text)) {
        std::string_view item = io::trim(text);
        if (item.empty() || item.front() == ';' || item.front() == '[') continue;
        size_t equals = item.find('=');
        if (equals == std::string_view::npos) continue;
        std::string_view label = io::trim(item.substr(0, equals));
        while (!label.empty() && label.back() == '.') label.remove_suffix(1);
        std::string_view command = io::trim(item.substr(equals + 1));
        size_t from = command.find("C:");
        if (from == std::string_view::npos) continue;
        command.remove_prefix(from + 2);
        command = command.substr(0, command.find_first_of(") "));
        descriptions.emplace(upper(command), std::string(label));
    }
}

// The commands and functions doc defines, described by its menus.
std::string definedCommands(Document& doc) {
    std::string text;
    std::map<std::string, std::string> descriptions;
    for (const std::string& menu : doc.menus())
        if (std::string path = findOnSearchPath(menu); !path.empty()) readMenu(path, descriptions);
    std::string commands, functions;
    for (const auto& [name, code] : doc.functions()) {
        if (name.rfind("C:", 0) == 0) {
            auto found = descriptions.find(name.substr(2));
            commands += line(name.substr(2), found == descriptions.end() ? std::string() : found->second);
        } else {
            functions += " (" + dxf::withoutControls(name) + ")";
        }
    }
    std::string drawing = dxf::withoutControls(doc.name());
    if (!commands.empty()) text += "Commands of " + drawing + ":\n" + commands;
    if (!functions.empty()) text += "Functions of " + drawing + ":" + functions + "\n";
    return text;
}

} // namespace

std::string commandListing(Document* doc) {
    std::string text = "Host commands:\n";
    for (const HostCommand& command : kHostCommands) text += line(command.name, command.description);
    if (doc) text += definedCommands(*doc);
    text.pop_back();  // the caller ends the last line
    return text;
}

} // namespace host::shell
