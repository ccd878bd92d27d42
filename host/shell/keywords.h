// The keyword list of acedInitGet: "Select Next Quit", "LTYPE,LT",
// "Links Rechts _ Left Right" (local keywords, then their global forms).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host::shell {

struct Keyword {
    std::string word;    // as written before any comma
    std::string abbrev;  // its capitals, or the text after the comma
};

class KeywordList {
public:
    KeywordList() = default;
    explicit KeywordList(std::string_view keywordText);
    bool empty() const { return local_.empty(); }
    // The keyword an answer names, in its global form: the full word or any
    // part of it at least as long as the abbreviation, in any case; a
    // leading '_' matches the global forms.  nullopt when none matches.
    std::optional<std::string> match(std::string_view answer) const;
    // "[Select/Next/Quit]" for prompts that list their options.
    std::string display() const;

private:
    std::vector<Keyword> local_;
    std::vector<Keyword> global_;  // same length as local_, or empty
};

} // namespace host::shell
