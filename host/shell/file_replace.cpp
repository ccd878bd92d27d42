#include "shell/file_replace.h"

#include <filesystem>

#include "dxf/quoted_text.h"
#include "shell/documents.h"
#include "shell/keywords.h"
#include "shell/prompting.h"

namespace host::shell {

namespace {

const KeywordList& answers() {
    static const KeywordList list("Yes No");
    return list;
}

} // namespace

bool replaceNeedsAsking(const Document* doc, const std::string& path, const std::string& own) {
    if (doc && doc->vars().getShort("EXPERT") >= kExpertReplacesFiles) return false;
    std::error_code error;
    std::filesystem::file_status status = std::filesystem::status(path, error);
    // A folder is refused by the writer; there is no file to ask about.
    if (!std::filesystem::exists(status) || std::filesystem::is_directory(status)) return false;
    return own.empty() || !std::filesystem::equivalent(path, own, error);
}

std::string replaceQuestion(const std::string& path) {
    return dxf::withoutControls(path) + " already exists. Replace it? " + answers().display() + " <No>: ";
}

std::optional<bool> replaceAnswer(std::string_view answer) {
    if (answer.empty()) return false;
    std::optional<std::string> keyword = answers().match(answer);
    if (!keyword) return std::nullopt;
    return *keyword == "Yes";
}

std::optional<bool> askReplace(const std::string& path) {
    for (;;) {
        std::string answer;
        if (!askAnswer(replaceQuestion(path), answer)) return std::nullopt;
        if (std::optional<bool> yes = replaceAnswer(answer)) return yes;
        reprompt("Invalid option keyword.");
    }
}

} // namespace host::shell
