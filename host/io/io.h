// The host's one source of input lines and its command-line transcript.
//
// Everything the user would type or click arrives as one line from the
// current line source: a script file, standard input, a terminal, or an
// in-memory script in tests.  Every prompt and every answer is echoed to
// the transcript, so a scripted run reads like a command-line session.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace host::io {

// A source of raw lines.  readLine shows the prompt itself when it is
// interactive (a terminal with line editing); otherwise the caller echoes.
class LineSource {
public:
    virtual ~LineSource() = default;
    // False at end of input.
    virtual bool readLine(std::string_view prompt, std::string& line) = 0;
    virtual bool interactive() const { return false; }
};

// Lines of an in-memory script (a leading byte-order mark is dropped).
class StringSource : public LineSource {
public:
    explicit StringSource(std::string_view text);
    explicit StringSource(std::vector<std::string> lines);
    bool readLine(std::string_view prompt, std::string& line) override;
    size_t remaining() const { return lines_.size() - next_; }

private:
    std::vector<std::string> lines_;
    size_t next_ = 0;
};

// Lines of a stream (a script file or a pipe); a UTF-8 byte-order mark
// before the first line is dropped.
class StreamSource : public LineSource {
public:
    explicit StreamSource(std::unique_ptr<std::istream> in);
    bool readLine(std::string_view prompt, std::string& line) override;

private:
    std::unique_ptr<std::istream> in_;
    bool first_ = true;
};

// Replaces the current source; null means "no input" (every ask fails).
void setSource(std::unique_ptr<LineSource> source);
LineSource* source();
// Shorthand for tests: the given script becomes the source.
void setScript(std::string_view text);

// Asks for one answer.  Comment lines (first non-blank character ';') are
// skipped, leading and trailing blanks removed, and "prompt answer" echoed
// to the transcript.  False at end of input (the caller treats it as cancel).
bool ask(std::string_view prompt, std::string& answer);
// True once a read has hit the end of the input.
bool atEnd();

// How the transcript shows an answer it echoes: the input's words may hold
// what acts on a terminal (ESC ]2; retitles it, ESC [2J clears it).  The
// shell gives the one quoting its messages use; until then (tests of the
// lower layers) an answer is echoed as it stands.
using Quoting = std::string (*)(std::string_view text);
void setAnswerQuoting(Quoting quoting);

// Command-line output.  Text goes to the transcript as it stands.
void print(std::string_view text);
// Where the transcript goes; null restores standard output.
void setTranscript(std::ostream* out);
// Tests: capture the transcript in memory, then take it (and clear it).
void captureTranscript();
std::string takeTranscript();

// The text that acedGetInput returns: the keyword of the last answer, or the
// name of the block just closed by ENDBLK.
void setLastInput(std::string_view text);
const std::string& lastInput();

// UTF-8 <-> wide conversions at the host boundary.  Invalid UTF-8 becomes
// U+FFFD; wide characters outside Unicode become U+FFFD.
std::string toUtf8(std::wstring_view text);
std::wstring fromUtf8(std::string_view text);

// Removes leading and trailing blanks (space, tab, CR, LF).
std::string_view trim(std::string_view text);

} // namespace host::io
