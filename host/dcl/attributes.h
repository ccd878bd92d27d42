// The attributes the host knows and the kind of value each takes.
// Attributes it does not know are the application's own and take any value.
#pragma once

#include <string>

#include "dcl/ast.h"

namespace host::dcl {

// Empty when the value suits the attribute, else what is wrong with it.
std::string checkAttribute(const std::string& name, const Value& value);

// The value as DCL text: strings as they read, words and numbers as written.
std::string attributeText(const Value& value);

// true/false attribute; fallback when the value is missing or not a boolean.
bool isTrue(const Value* value, bool fallback);

// A number attribute; fallback when missing or not a number.
double numberOf(const Value* value, double fallback);

} // namespace host::dcl
