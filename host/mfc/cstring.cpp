#include "mfc_string.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>

#include "io/io.h"

namespace {

std::wstring_view view(const wchar_t* text) { return text ? std::wstring_view(text) : std::wstring_view(); }

wchar_t fold(wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); }

bool isBlank(wchar_t c) { return std::iswspace(c) != 0; }

int clampIndex(int index, size_t size) {
    if (index < 0) return 0;
    return std::min(index, static_cast<int>(size));
}

} // namespace

CString::CString(const wchar_t* text) : text_(view(text)) {}

CString::CString(const wchar_t* text, int length) {
    if (text && length > 0) text_.assign(text, wcsnlen(text, static_cast<size_t>(length)));
}

CString::CString(wchar_t ch, int repeat) : text_(repeat > 0 ? static_cast<size_t>(repeat) : 0, ch) {}

CString::CString(const char* text) : text_(text ? host::io::fromUtf8(text) : std::wstring()) {}

std::string CString::toUtf8() const { return host::io::toUtf8(text_); }

wchar_t CString::GetAt(int index) const {
    if (index < 0 || index >= GetLength()) return L'\0';
    return text_[static_cast<size_t>(index)];
}

void CString::SetAt(int index, wchar_t ch) {
    if (index < 0 || index >= GetLength()) return;
    text_[static_cast<size_t>(index)] = ch;
}

CString& CString::operator=(const wchar_t* text) {
    text_.assign(view(text));
    return *this;
}

CString& CString::operator=(wchar_t ch) {
    text_.assign(1, ch);
    return *this;
}

CString& CString::operator+=(const CString& text) {
    text_ += text.text_;
    return *this;
}

CString& CString::operator+=(const wchar_t* text) {
    text_ += view(text);
    return *this;
}

CString& CString::operator+=(wchar_t ch) {
    text_ += ch;
    return *this;
}

int CString::Compare(const wchar_t* other) const {
    int c = std::wstring_view(text_).compare(view(other));
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int CString::CompareNoCase(const wchar_t* other) const {
    std::wstring_view a = text_, b = view(other);
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        wchar_t x = fold(a[i]), y = fold(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

void CString::FormatV(const wchar_t* format, va_list args) { text_ = host::mfc::formatWide(format, args); }

CString& CString::MakeUpper() {
    for (wchar_t& c : text_) c = static_cast<wchar_t>(std::towupper(c));
    return *this;
}

CString& CString::MakeLower() {
    for (wchar_t& c : text_) c = fold(c);
    return *this;
}

CString& CString::MakeReverse() {
    std::reverse(text_.begin(), text_.end());
    return *this;
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }

CString& CString::TrimLeft() {
    size_t i = 0;
    while (i < text_.size() && isBlank(text_[i])) ++i;
    text_.erase(0, i);
    return *this;
}

CString& CString::TrimRight() {
    while (!text_.empty() && isBlank(text_.back())) text_.pop_back();
    return *this;
}

CString& CString::Trim(const wchar_t* chars) { return TrimRight(chars).TrimLeft(chars); }

CString& CString::TrimLeft(const wchar_t* chars) {
    size_t first = text_.find_first_not_of(view(chars));
    text_.erase(0, first == std::wstring::npos ? text_.size() : first);
    return *this;
}

CString& CString::TrimRight(const wchar_t* chars) {
    size_t last = text_.find_last_not_of(view(chars));
    text_.erase(last == std::wstring::npos ? 0 : last + 1);
    return *this;
}

CString CString::Left(int count) const {
    return CString(text_.substr(0, static_cast<size_t>(clampIndex(count, text_.size()))));
}

CString CString::Right(int count) const {
    size_t n = static_cast<size_t>(clampIndex(count, text_.size()));
    return CString(text_.substr(text_.size() - n));
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
    size_t start = static_cast<size_t>(clampIndex(first, text_.size()));
    size_t n = static_cast<size_t>(clampIndex(count, text_.size() - start));
    return CString(text_.substr(start, n));
}

int CString::Find(wchar_t ch, int start) const {
    if (start < 0 || start >= GetLength()) return -1;
    size_t at = text_.find(ch, static_cast<size_t>(start));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const wchar_t* sub, int start) const {
    if (start < 0 || start > GetLength()) return -1;
    size_t at = text_.find(view(sub), static_cast<size_t>(start));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(wchar_t ch) const {
    size_t at = text_.rfind(ch);
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Replace(wchar_t from, wchar_t to) {
    int count = 0;
    for (wchar_t& c : text_) {
        if (c == from) {
            c = to;
            ++count;
        }
    }
    return count;
}

int CString::Replace(const wchar_t* from, const wchar_t* to) {
    std::wstring_view f = view(from), t = view(to);
    if (f.empty()) return 0;
    int count = 0;
    size_t at = 0;
    while ((at = text_.find(f, at)) != std::wstring::npos) {
        text_.replace(at, f.size(), t);
        at += t.size();
        ++count;
    }
    return count;
}

int CString::Remove(wchar_t ch) {
    size_t before = text_.size();
    std::erase(text_, ch);
    return static_cast<int>(before - text_.size());
}

int CString::Insert(int index, wchar_t ch) {
    text_.insert(static_cast<size_t>(clampIndex(index, text_.size())), 1, ch);
    return GetLength();
}

int CString::Insert(int index, const wchar_t* text) {
    text_.insert(static_cast<size_t>(clampIndex(index, text_.size())), view(text));
    return GetLength();
}

int CString::Delete(int index, int count) {
    if (index >= 0 && index < GetLength() && count > 0)
        text_.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    return GetLength();
}

wchar_t* CString::GetBuffer(int minLength) {
    if (minLength > GetLength()) text_.resize(static_cast<size_t>(minLength), L'\0');
    return text_.data();
}

wchar_t* CString::GetBufferSetLength(int length) {
    text_.resize(static_cast<size_t>(std::max(length, 0)), L'\0');
    return text_.data();
}

void CString::ReleaseBuffer(int newLength) {
    size_t length = newLength < 0 ? wcsnlen(text_.c_str(), text_.size())
                                  : std::min(static_cast<size_t>(newLength), text_.size());
    text_.resize(length);
}

const wchar_t* host::mfc::formatArg(const CString& text) { return text.GetString(); }

CString operator+(const CString& a, const CString& b) { return CString(a.str() + b.str()); }
CString operator+(const CString& a, const wchar_t* b) { return CString(a) += b; }
CString operator+(const wchar_t* a, const CString& b) { return CString(a) += b; }
CString operator+(const CString& a, wchar_t b) { return CString(a) += b; }

bool operator==(const CString& a, const CString& b) { return a.str() == b.str(); }
bool operator==(const CString& a, const wchar_t* b) { return a.Compare(b) == 0; }
bool operator==(const wchar_t* a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, const wchar_t* b) { return !(a == b); }
bool operator!=(const wchar_t* a, const CString& b) { return !(a == b); }
bool operator<(const CString& a, const CString& b) { return a.str() < b.str(); }
bool operator>(const CString& a, const CString& b) { return b < a; }
bool operator<=(const CString& a, const CString& b) { return !(b < a); }
bool operator>=(const CString& a, const CString& b) { return !(a < b); }
