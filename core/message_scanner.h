// The scanner of the messages file: picks the quoted texts out of a byte
// stream fed in blocks of any size.
//
// Rules of the file format:
// - a double quote that is not escaped opens a text, the next one closes it;
// - a backslash escapes exactly the next byte (two backslashes escape
//   nothing); the backslash itself stays in the text;
// - a text that ends in backslash-n (and is at least three bytes long) gets
//   a line feed in place of those two bytes;
// - an empty text ("") takes no number;
// - everything outside texts (numbers, comments, line breaks) is skipped;
// - a text still open at the end of the file is dropped;
// - a carriage return before a line feed is dropped, as a text-mode read
//   would do on the platform the file comes from.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class MessageScanner {
public:
    // Keeps at most `keep` texts; later ones are counted and dropped.
    explicit MessageScanner(size_t keep);

    void Feed(const char* bytes, size_t length);
    // Ends the stream: a pending carriage return is fed, an open text dropped.
    void Finish();

    const std::vector<std::string>& Texts() const { return texts_; }
    // Every non-empty text seen, kept or dropped.
    size_t TotalTexts() const { return total_; }

private:
    void FeedByte(char byte);
    void CloseText();

    size_t keep_;
    std::vector<std::string> texts_;
    size_t total_ = 0;
    std::string open_;          // the text being read, carried across blocks
    bool insideText_ = false;
    bool escaped_ = false;
    bool pendingCr_ = false;
};
