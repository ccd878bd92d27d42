// Writing over a file the user named: before a file that exists is
// replaced the user is asked, unless it is the drawing's own file or
// EXPERT is 2 or more (scripts that mean to replace files set it).  The
// saves of drawings and the file input of acedGetFileD share this rule.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace host::shell {

class Document;

// EXPERT from this value up replaces files without the question.
inline constexpr short kExpertReplacesFiles = 2;

// True when writing `path` needs the user's word first: a file is there,
// it is not `own` (the drawing's own file; empty for none), and EXPERT of
// `doc` (null: none, as 0) is below kExpertReplacesFiles.
bool replaceNeedsAsking(const Document* doc, const std::string& path, const std::string& own = {});
// "<path> already exists. Replace it? [Yes/No] <No>: "
std::string replaceQuestion(const std::string& path);
// True for Yes, false for No or Enter, nullopt for any other answer (the
// question is asked again).
std::optional<bool> replaceAnswer(std::string_view answer);
// Asks the question until it is answered: true for Yes, false for No or
// Enter, nullopt when it is cancelled or the input ends.
std::optional<bool> askReplace(const std::string& path);

} // namespace host::shell
