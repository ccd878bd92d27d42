#include "io.h"

#include <iostream>
#include <sstream>

namespace host::io {

namespace {

struct State {
    std::unique_ptr<LineSource> source;
    std::ostream* out = nullptr;
    std::ostringstream captured;
    bool capturing = false;
    bool atEnd = false;
    std::string lastInput;
    Quoting quoting = nullptr;
};

State& state() {
    static State s;
    return s;
}

std::ostream& transcript() {
    State& s = state();
    if (s.capturing) return s.captured;
    return s.out ? *s.out : std::cout;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

} // namespace

StringSource::StringSource(std::string_view text)
    : lines_(splitLines(text.substr(text.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0 ? kByteOrderMark.size() : 0))) {}
StringSource::StringSource(std::vector<std::string> lines) : lines_(std::move(lines)) {}

bool StringSource::readLine(std::string_view, std::string& line) {
    if (next_ >= lines_.size()) return false;
    line = lines_[next_++];
    return true;
}

StreamSource::StreamSource(std::unique_ptr<std::istream> in) : in_(std::move(in)) {}

bool StreamSource::readLine(std::string_view, std::string& line) {
    if (!in_ || !std::getline(*in_, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // Editors that save UTF-8 with a byte-order mark put it before the
    // first command, where it would make the command unknown.
    if (first_ && line.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0) line.erase(0, kByteOrderMark.size());
    first_ = false;
    return true;
}

void setSource(std::unique_ptr<LineSource> source) {
    state().source = std::move(source);
    state().atEnd = false;
}

LineSource* source() { return state().source.get(); }

void setScript(std::string_view text) { setSource(std::make_unique<StringSource>(text)); }

std::string_view trim(std::string_view text) {
    const char* blanks = " \t\r\n";
    size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

bool ask(std::string_view prompt, std::string& answer) {
    State& s = state();
    answer.clear();
    if (!s.source || s.atEnd) {
        s.atEnd = true;
        return false;
    }
    std::string line;
    for (;;) {
        if (!s.source->readLine(prompt, line)) {
            s.atEnd = true;
            if (!s.source->interactive()) transcript() << prompt << "\n";
            return false;
        }
        std::string_view t = trim(line);
        if (!t.empty() && t.front() == ';') continue;
        answer.assign(t);
        break;
    }
    if (!s.source->interactive()) transcript() << prompt << (s.quoting ? s.quoting(answer) : answer) << "\n";
    return true;
}

bool atEnd() { return state().atEnd; }

void setAnswerQuoting(Quoting quoting) { state().quoting = quoting; }

void print(std::string_view text) { transcript() << text; }

void setTranscript(std::ostream* out) { state().out = out; }

void captureTranscript() {
    State& s = state();
    s.capturing = true;
    s.captured.str("");
}

std::string takeTranscript() {
    State& s = state();
    std::string text = s.captured.str();
    s.captured.str("");
    return text;
}

void setLastInput(std::string_view text) { state().lastInput.assign(text); }

const std::string& lastInput() { return state().lastInput; }

std::string toUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t wc : text) {
        auto c = static_cast<uint32_t>(wc);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::wstring fromUtf8(std::string_view text) {
    std::wstring out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        auto b = static_cast<unsigned char>(text[i]);
        uint32_t c = 0xFFFD;
        size_t len = 1;
        if (b < 0x80) {
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            len = 2;
        } else if ((b & 0xF0) == 0xE0) {
            len = 3;
        } else if ((b & 0xF8) == 0xF0) {
            len = 4;
        }
        if (len > 1) {
            bool ok = i + len <= text.size();
            uint32_t v = b & (0x7F >> len);
            for (size_t k = 1; ok && k < len; ++k) {
                auto cb = static_cast<unsigned char>(text[i + k]);
                if ((cb & 0xC0) != 0x80) ok = false;
                v = (v << 6) | (cb & 0x3F);
            }
            static const uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
            if (ok && v >= least[len] && v <= 0x10FFFF && !(v >= 0xD800 && v <= 0xDFFF)) {
                c = v;
            } else {
                len = 1;  // resynchronise on the next byte
            }
        }
        out += static_cast<wchar_t>(c);
        i += len;
    }
    return out;
}

} // namespace host::io
