// The 28 functions the module defines in every drawing: their names, the
// command each runs with its argument, and what each does to continuous
// placement.  A function's code is its index in the table.
#pragma once

constexpr int kFunctionCount = 28;

// What a function does to continuous placement after its command.
enum class ContinuousRule {
    kContinue,   // when the mode is on, continuous placement runs next
    kOff,        // the mode is switched off
    kUnchanged,  // the mode is neither used nor changed
    kToggle,     // "C:lcontd": no command of its own, toggles the mode
};

// A command body: takes the function's argument, returns a host result.
using CommandBody = int (*)(int argument);

struct FunctionEntry {
    const wchar_t* name;
    CommandBody body;  // null for the toggle
    int argument;
    ContinuousRule rule;
};

// The entry of a code, or null outside 0 to 27.
const FunctionEntry* FunctionAt(int code);
// The name of a code, or null outside 0 to 27.
const wchar_t* FunctionName(int code);

// acedDefun of every name with its code, in code order.  Stops at the first
// name the host refuses and returns RTERROR (the names before it stay
// defined); otherwise RTNORM.
int DefineFunctions();
// acedUndef of every name with its code; returns RTNORM.
int UndefineFunctions();
