// Host commands: each is a small state machine that shows a prompt and
// takes one answer at a time, so the same command runs from the command
// line (answers typed) and through acedCommand (answers passed, "\\"
// pausing for the user).
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace host::shell {

// One answer: typed or passed text, or a value passed by acedCommand.
struct Arg {
    enum class Kind { Text, Point, Number } kind = Kind::Text;
    std::string text;
    double point[3] = {0, 0, 0};
    double number = 0;

    static Arg ofText(std::string text);
    static Arg ofPoint(const double p[3]);
    static Arg ofNumber(double value);
    // How the answer reads on the command line.
    std::string display() const;
};

enum class Step {
    More,      // asks again (see prompt())
    Done,      // finished
    Rejected,  // the answer was refused (a message was printed); asks again
    Cancelled  // the command ended without doing its work
};

class Command {
public:
    virtual ~Command() = default;
    // Runs what needs no answer; More when the command asks something.
    virtual Step start() { return Step::More; }
    virtual std::string prompt() const = 0;
    virtual Step take(const Arg& answer) = 0;
    // Ended from outside: cancel or an empty acedCommand.
    virtual void end() {}
    // False for a command that reports a passed answer by a note of its
    // own rather than by its prompt and the answer.
    virtual bool echoesPassedAnswers() const { return true; }
};

// A host command by name ("LINE", "_line", ".LINE"); null when unknown.
std::unique_ptr<Command> makeHostCommand(std::string_view name);

// Answers as values: a point (text parsed with "@" from the last point),
// a number, or text.  The point of a successful answer becomes the last
// point.
bool pointOf(const Arg& answer, double point[3]);
bool numberOf(const Arg& answer, double& value);

// The command line: reads commands until the end of input or QUIT.
void runCommandLine();
// Runs one line typed at the command prompt: a defined function or a host
// command with its answers from the input.  False: unknown command.
bool runCommandWord(const std::string& word);

// A command's report of what it did ("Linetype X loaded."); left out
// while acedCommand runs the command with CMDECHO 0.
void commandNote(const std::string& text);

// Ends the command acedCommand left active (if any).
void endActiveCommand();
// Feeds the command acedCommand left active with answers from the input
// until it ends (the command line does this before its next prompt).
void continueActiveCommand();
bool commandActive();

// The factories of the command families.
std::unique_ptr<Command> makeDocumentCommand(const std::string& name);
std::unique_ptr<Command> makeDrawCommand(const std::string& name);
std::unique_ptr<Command> makeSelectCommand(const std::string& name);
std::unique_ptr<Command> makeDimCommand(const std::string& name);
std::unique_ptr<Command> makeLinetypeCommand(const std::string& name);
std::unique_ptr<Command> makeMenuLoadCommand(const std::string& name);
// SETVAR, or a system variable's name: asked last, so commands come first.
std::unique_ptr<Command> makeSetVarCommand(const std::string& name);

} // namespace host::shell
