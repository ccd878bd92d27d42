// Formatting with texts from the messages file.
//
// The messages file is data, not code: a text is used as a printf format
// only when its conversions are exactly the ones the caller passes, one for
// one and of the same kind.  Otherwise the text is printed as it stands and
// the values after it, so a damaged or translated file can spoil a message
// but never read a missing argument.
#pragma once

#include <initializer_list>
#include <string>

// One value for a message: a whole number, a floating-point number or a
// text (a null text counts as empty).
struct MessageArg {
    enum Kind { kInt, kDouble, kText };

    MessageArg(int value) : kind(kInt), i(value) {}
    MessageArg(double value) : kind(kDouble), d(value) {}
    MessageArg(const char* value) : kind(kText), s(value ? value : "") {}
    MessageArg(const std::string& value) : kind(kText), s(value.c_str()) {}

    Kind kind;
    int i = 0;
    double d = 0.0;
    const char* s = "";
};

// True when the conversions of `format` match `args` in number, order and
// kind: %d %i %u %o %x %X %c (optionally h or hh) for a whole number,
// %f %F %e %E %g %G %a %A (optionally l) for a double, %s for a text.
// Flags, and a width and a precision of up to three digits, are allowed;
// '*', '$', %n and anything else are refused.  "%%" is a literal percent sign.
bool MessageFormatMatches(const char* format, std::initializer_list<MessageArg> args);

// The formatted text when the format matches; otherwise the text followed
// by the values, each after a blank (before a final line feed, if any).
std::string FormatMessageText(const char* format, std::initializer_list<MessageArg> args);

// FormatMessageText with the text of a message number.
std::string FormatMessageNumber(int number, std::initializer_list<MessageArg> args);
