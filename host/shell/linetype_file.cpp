#include "shell/linetype_file.h"

#include <fstream>

#include "io/io.h"
#include "shell/answers.h"
#include "shell/text.h"
#include "dxf/quoted_text.h"

namespace host::shell {

namespace {

std::vector<std::string> splitCommas(const std::string& text) {
    std::vector<std::string> parts;
    size_t start = 0;
    int depth = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] == '[') ++depth;
        if (i < text.size() && text[i] == ']') --depth;
        if (i == text.size() || (text[i] == ',' && depth == 0)) {
            parts.emplace_back(io::trim(std::string_view(text).substr(start, i - start)));
            start = i + 1;
        }
    }
    return parts;
}

} // namespace

bool readLinetypeFile(const std::string& path, std::vector<LinetypeDef>& defs, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = "Cannot open linetype file " + dxf::withoutControls(path) + ".";
        return false;
    }
    std::string line;
    LinetypeDef* current = nullptr;
    while (std::getline(in, line)) {
        std::string text(io::trim(line));
        if (text.empty() || text.front() == ';') continue;
        if (text.front() == '*') {
            std::vector<std::string> parts = splitCommas(text.substr(1));
            if (parts.empty() || parts[0].empty()) {
                current = nullptr;
                continue;
            }
            defs.push_back({parts[0], parts.size() > 1 ? parts[1] : std::string(), {}});
            current = &defs.back();
            continue;
        }
        if (!current) continue;
        std::vector<std::string> parts = splitCommas(text);
        for (size_t i = 1; i < parts.size(); ++i) {
            double value = 0;
            if (parseNumber(parts[i], value)) current->pattern.push_back(value);
        }
        current = nullptr;
    }
    return true;
}

const LinetypeDef* findLinetype(const std::vector<LinetypeDef>& defs, const std::string& name) {
    for (const LinetypeDef& def : defs)
        if (sameName(def.name, name)) return &def;
    return nullptr;
}

} // namespace host::shell
