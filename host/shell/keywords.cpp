#include "shell/keywords.h"

#include <cctype>

#include "shell/text.h"

namespace host::shell {

namespace {

std::vector<std::string> words(std::string_view text) {
    std::vector<std::string> out;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
        size_t start = i;
        while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i]))) ++i;
        if (i > start) out.emplace_back(text.substr(start, i - start));
    }
    return out;
}

// The run of capitals (and the digits among them) from the first capital;
// a word without capitals is its own abbreviation.
std::string capitals(const std::string& word) {
    size_t first = 0;
    while (first < word.size() && !std::isupper(static_cast<unsigned char>(word[first]))) ++first;
    if (first == word.size()) return word;
    size_t end = first;
    while (end < word.size() && (std::isupper(static_cast<unsigned char>(word[end])) ||
                                 std::isdigit(static_cast<unsigned char>(word[end]))))
        ++end;
    return word.substr(first, end - first);
}

Keyword keywordOf(const std::string& keywordText) {
    Keyword k;
    size_t comma = keywordText.find(',');
    if (comma != std::string::npos) {
        k.word = keywordText.substr(0, comma);
        k.abbrev = keywordText.substr(comma + 1);
        if (k.abbrev.empty()) k.abbrev = k.word;
    } else {
        k.word = keywordText;
        k.abbrev = capitals(keywordText);
    }
    return k;
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool matches(const Keyword& k, std::string_view answer) {
    std::string a = upper(answer);
    std::string word = upper(k.word);
    std::string abbrev = upper(k.abbrev);
    if (a == word || a == abbrev) return true;
    // A leading abbreviation may be typed out further: "LT", "LTY", "LTYPE".
    return startsWith(word, abbrev) && a.size() >= abbrev.size() && startsWith(word, a);
}

} // namespace

KeywordList::KeywordList(std::string_view keywordText) {
    bool global = false;
    for (const std::string& w : words(keywordText)) {
        if (w == "_") {
            global = true;
            continue;
        }
        (global ? global_ : local_).push_back(keywordOf(w));
    }
    // Without a well-formed global part the keywords are their own global
    // forms.
    if (global_.size() != local_.size()) global_.clear();
}

std::optional<std::string> KeywordList::match(std::string_view answer) const {
    if (answer.empty()) return std::nullopt;
    const std::vector<Keyword>& globals = global_.empty() ? local_ : global_;
    bool wantGlobal = answer.front() == '_';
    if (wantGlobal) answer.remove_prefix(1);
    if (answer.empty()) return std::nullopt;
    const std::vector<Keyword>& list = wantGlobal ? globals : local_;
    for (size_t i = 0; i < list.size(); ++i)
        if (matches(list[i], answer)) return globals[i].word;
    return std::nullopt;
}

std::string KeywordList::display() const {
    std::string out = "[";
    for (size_t i = 0; i < local_.size(); ++i) {
        if (i) out += "/";
        out += local_[i].word;
    }
    return out + "]";
}

} // namespace host::shell
