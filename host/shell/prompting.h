// Shared machinery of the input functions: the pending acedInitGet, the
// user-break flag, the last point, and reading one answer for a prompt.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "shell/keywords.h"

namespace host::shell {

struct InitGet {
    int bits = 0;
    KeywordList keywords;
};

// The keyword an answer stands for: the listed keyword it matches or, when
// the call takes any text (RSG_OTHER), the answer itself; nullopt else.
std::optional<std::string> keywordAnswer(const InitGet& init, const std::string& answer);

// Stores the settings for the next input call.
void setInitGet(int bits, std::string_view keywords);
// Takes them: each input call uses the settings once.
InitGet takeInitGet();

// Reads one answer.  False on cancel: "^C" or end of input (the cancel is
// remembered for acedUsrBrk).  The prompt's leading line breaks start a
// new line only when output left one open.
bool askAnswer(std::string_view prompt, std::string& answer);
bool isCancelAnswer(std::string_view answer);

// Output that does not end a line leaves it open for the next prompt.
void noteOutput(std::string_view text);
// Prints command-line output.  A leading line break only ends a line that
// output left open, so the transcript has no empty lines of its own.
void printOutput(std::string_view text);

bool userBreak();
void clearUserBreak();

// LASTPOINT of the current document (the origin without one).
void lastPoint(double point[3]);
void setLastPoint(const double point[3]);

// Prints a re-prompt message on its own line.
void reprompt(std::string_view message);
// Prints a message saying what a command could not make, with the reason
// the entity function that refused it gave: "The entity could not be
// made" becomes "The entity could not be made: the drawing has no handle
// left for a new object."
void repromptWithReason(std::string_view message);

} // namespace host::shell
