// The message tables: every text the user sees that the module does not
// carry itself (dialog titles and labels, parameter captions, prompts,
// errors) comes from the messages file "lurak.msg" in the install directory.
//
// A message is named by its number, the position of its text in the file
// counted from 0 over the non-empty texts.  The numbers fall into three
// tables: dialog texts 0-74, parameter captions 75-147, command messages
// 148-192; later texts are ignored.
#pragma once

constexpr int kDialogTextFirst = 0;
constexpr int kParamLabelFirst = 75;
constexpr int kCommandMessageFirst = 148;
constexpr int kMessageCount = 193;

constexpr const char* kMessagesFileName = "lurak.msg";
// What the module tells the host (through acdbFail) when LoadMessages fails;
// the module then stays inert.
constexpr const char* kMessagesFileMissing = "Cannot open messages file, aborting.\n";

// Reads "lurak.msg" in the install directory (with or without its final
// separator; an empty or null directory means the working directory).
// Returns 0, or -1 when the file cannot be opened; the tables are then
// empty and every look-up gives the empty text.
int LoadMessages(const char* installDirectory);
// The same for a file named in full.
int LoadMessagesFile(const char* path);
// Forgets every text.
void ClearMessages();

// The text of a message, or "" when the number is outside 0-192 or the file
// had no text for it.  The pointer stays valid until the next load or clear.
const char* MessageText(int number);
bool HasMessageText(int number);
// How many of the 193 numbers have a text.
int LoadedMessageCount();

// Look-ups that also check that the number lies in the named table; a
// number of another table gives "".
const char* DialogText(int number);
const char* ParamLabel(int number);
const char* CommandMessage(int number);
