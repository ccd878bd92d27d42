// Input lines typed on a terminal, with line editing and history.
#pragma once

#include "io/io.h"

namespace host::shell {

class TerminalSource : public io::LineSource {
public:
    bool readLine(std::string_view prompt, std::string& line) override;
    bool interactive() const override { return true; }
};

} // namespace host::shell
