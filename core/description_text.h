// The standard element description: the display code, then the sizes and
// values as "  name=value;", then the options, the first after two spaces
// and the others after a comma.  The bill of materials and the list dialog
// show these texts, so every class builds them the same way.
#pragma once

#include <string>

class DescriptionText {
public:
    explicit DescriptionText(std::string code) : text(std::move(code)) {}

    // "  name=value;"
    DescriptionText& Size(const char* name, double value);
    // "  value;": a value without a name.
    DescriptionText& Value(double value);
    // One option; an empty one adds nothing.
    DescriptionText& Option(const char* item);

    const std::string& Text() const { return text; }
    // The text as a new description buffer (freed with delete[]).
    char* NewBuffer() const;
    // The text cut to fit the description buffer of kDescriptionSize
    // characters (freed with delete[]).
    char* NewCutBuffer() const;

private:
    std::string text;
    bool hasOption = false;
};
