#include "shell/terminal_source.h"

#include <cstdio>
#include <cstdlib>

#include <readline/history.h>
#include <readline/readline.h>

namespace host::shell {

bool TerminalSource::readLine(std::string_view prompt, std::string& line) {
    std::string shown(prompt);
    char* text = readline(shown.c_str());
    if (!text) return false;
    line = text;
    if (*text) add_history(text);
    std::free(text);
    return true;
}

} // namespace host::shell
