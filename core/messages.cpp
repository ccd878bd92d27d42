#include "core/messages.h"

#include <array>
#include <cstdio>
#include <string>

#include "core/message_scanner.h"

namespace {

struct MessageTables {
    std::array<std::string, kMessageCount> texts;
    std::array<bool, kMessageCount> present{};
};

MessageTables& Tables()
{
    static MessageTables tables;
    return tables;
}

// The file is read in fixed blocks; the scanner carries an open text from
// one block to the next, so a text may be of any length.
constexpr size_t kBlockSize = 256;

const char* TextInRange(int number, int first, int end)
{
    return number >= first && number < end ? MessageText(number) : "";
}

} // namespace

int LoadMessagesFile(const char* path)
{
    ClearMessages();
    std::FILE* file = path ? std::fopen(path, "rb") : nullptr;
    if (!file)
        return -1;

    MessageScanner scanner(kMessageCount);
    char block[kBlockSize];
    size_t got;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0)
        scanner.Feed(block, got);
    scanner.Finish();
    std::fclose(file);

    MessageTables& tables = Tables();
    const auto& texts = scanner.Texts();
    for (size_t i = 0; i < texts.size(); ++i) {
        tables.texts[i] = texts[i];
        tables.present[i] = true;
    }
    return 0;
}

int LoadMessages(const char* installDirectory)
{
    std::string path = installDirectory ? installDirectory : "";
    if (!path.empty() && path.back() != '/' && path.back() != '\\')
        path += '/';
    path += kMessagesFileName;
    return LoadMessagesFile(path.c_str());
}

void ClearMessages()
{
    MessageTables& tables = Tables();
    for (int i = 0; i < kMessageCount; ++i) {
        tables.texts[i].clear();
        tables.present[i] = false;
    }
}

const char* MessageText(int number)
{
    if (number < 0 || number >= kMessageCount)
        return "";
    return Tables().texts[number].c_str();
}

bool HasMessageText(int number)
{
    return number >= 0 && number < kMessageCount && Tables().present[number];
}

int LoadedMessageCount()
{
    int count = 0;
    for (bool present : Tables().present)
        count += present ? 1 : 0;
    return count;
}

const char* DialogText(int number)
{
    return TextInRange(number, kDialogTextFirst, kParamLabelFirst);
}

const char* ParamLabel(int number)
{
    return TextInRange(number, kParamLabelFirst, kCommandMessageFirst);
}

const char* CommandMessage(int number)
{
    return TextInRange(number, kCommandMessageFirst, kMessageCount);
}
