#include "shell/progress.h"

#include <unistd.h>

#include <iostream>
#include <string>

#include "aced_input.h"
#include "io/io.h"

namespace host::shell {

namespace {

struct Meter {
    std::ostream* out = nullptr;  // set by tests
    bool shown = false;
    std::string label;
    int low = 0;
    int high = 0;
    int percent = -1;
};

Meter& meter() {
    static Meter m;
    return m;
}

std::ostream* target() {
    if (meter().out) return meter().out;
    return isatty(STDERR_FILENO) ? &std::cerr : nullptr;
}

} // namespace

void setProgressOutput(std::ostream* out) { meter().out = out; }

} // namespace host::shell

using host::shell::meter;

int acedSetStatusBarProgressMeter(const ACHAR* label, int minPos, int maxPos) {
    auto& m = meter();
    if (!host::shell::target() || maxPos <= minPos) return -1;
    m.shown = true;
    m.label = label ? host::io::toUtf8(label) : std::string();
    m.low = minPos;
    m.high = maxPos;
    m.percent = -1;
    return acedSetStatusBarProgressMeterPos(minPos);
}

int acedSetStatusBarProgressMeterPos(int pos) {
    auto& m = meter();
    std::ostream* out = host::shell::target();
    if (!m.shown || !out) return -1;
    if (pos < m.low) pos = m.low;
    if (pos > m.high) pos = m.high;
    int percent = static_cast<int>(100LL * (pos - m.low) / (m.high - m.low));
    if (percent == m.percent) return 0;  // redrawn only when it moves
    m.percent = percent;
    *out << "\r" << m.label << " " << percent << "%" << std::flush;
    return 0;
}

void acedRestoreStatusBarProgressMeter() {
    auto& m = meter();
    std::ostream* out = host::shell::target();
    if (m.shown && out) *out << "\r\033[K" << std::flush;  // the line is cleared for the transcript
    m.shown = false;
}
