#include "core/message_scanner.h"

MessageScanner::MessageScanner(size_t keep) : keep_(keep) {}

void MessageScanner::Feed(const char* bytes, size_t length)
{
    for (size_t i = 0; i < length; ++i) {
        char byte = bytes[i];
        // A carriage return waits for the next byte: before a line feed it
        // vanishes, otherwise it is an ordinary byte.
        if (pendingCr_) {
            pendingCr_ = false;
            if (byte != '\n')
                FeedByte('\r');
        }
        if (byte == '\r') {
            pendingCr_ = true;
            continue;
        }
        FeedByte(byte);
    }
}

void MessageScanner::Finish()
{
    if (pendingCr_) {
        pendingCr_ = false;
        FeedByte('\r');
    }
    open_.clear();
    insideText_ = false;
    escaped_ = false;
}

void MessageScanner::FeedByte(char byte)
{
    if (byte == '"' && !escaped_) {
        if (insideText_)
            CloseText();
        insideText_ = !insideText_;
    } else if (insideText_) {
        open_.push_back(byte);
    }
    escaped_ = (byte == '\\' && !escaped_);
}

void MessageScanner::CloseText()
{
    size_t n = open_.size();
    if (n >= 3 && open_[n - 2] == '\\' && open_[n - 1] == 'n') {
        open_.resize(n - 2);
        open_.push_back('\n');
    }
    if (!open_.empty()) {
        if (texts_.size() < keep_)
            texts_.push_back(open_);
        ++total_;
    }
    open_.clear();
}
