#include "shell/terminal_source.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include <readline/history.h>
#include <readline/readline.h>

namespace host::shell {

namespace {

volatile sig_atomic_t interrupted = 0;

void onInterrupt(int) { interrupted = 1; }

// Reads one key; Ctrl-C empties the line and ends it, so that readline
// returns and the prompt gets a cancel.
int readKey(FILE* in) {
    for (;;) {
        unsigned char c = 0;
        ssize_t n = read(fileno(in), &c, 1);
        if (n == 1) return c;
        if (n < 0 && errno == EINTR) {
            if (!interrupted) continue;
            rl_replace_line("", 0);
            return '\n';
        }
        return EOF;
    }
}

} // namespace

bool TerminalSource::readLine(std::string_view prompt, std::string& line) {
    std::string shown(prompt);
    interrupted = 0;
    struct sigaction action {};
    struct sigaction previous {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no restart: the read returns at once
    sigaction(SIGINT, &action, &previous);
    rl_catch_signals = 0;
    rl_getc_function = readKey;
    char* text = readline(shown.c_str());
    sigaction(SIGINT, &previous, nullptr);
    if (interrupted) {
        std::free(text);
        line = "^C";
        return true;
    }
    if (!text) return false;
    line = text;
    if (*text) add_history(text);
    std::free(text);
    return true;
}

} // namespace host::shell
