#include "dxf/group_writer.h"

#include "dxf/number_text.h"

namespace host::dxf {

bool GroupWriter::flush()
{
    if (!file_) return true;
    bool ok = file_->write(out_);
    out_.clear();
    return ok;
}

void GroupWriter::codeLine(int code)
{
    if (code >= 0 && code < 10) {
        out_ += "  ";
        out_ += static_cast<char>('0' + code);
    } else if (code >= 10 && code < 100) {
        out_ += ' ';
        out_ += static_cast<char>('0' + code / 10);
        out_ += static_cast<char>('0' + code % 10);
    } else {
        appendInteger(out_, code);
    }
    lineEnd();
}

void GroupWriter::text(int code, std::string_view value)
{
    codeLine(code);
    appendEncodedText(out_, value, encoding_);
    lineEnd();
}

void GroupWriter::plain(int code, std::string_view value)
{
    codeLine(code);
    out_ += value;
    lineEnd();
}

void GroupWriter::real(int code, double value)
{
    codeLine(code);
    appendDouble(out_, value);
    lineEnd();
}

void GroupWriter::integer(int code, int64_t value)
{
    codeLine(code);
    appendInteger(out_, value);
    lineEnd();
}

void GroupWriter::handle(int code, uint64_t value)
{
    codeLine(code);
    appendHex(out_, value);
    lineEnd();
}

void GroupWriter::point(int code, double x, double y, double z)
{
    real(code, x);
    real(code + 10, y);
    real(code + 20, z);
}

void GroupWriter::point2(int code, double x, double y)
{
    real(code, x);
    real(code + 10, y);
}

} // namespace host::dxf
