// CString: the dialog framework's wide string.
//
// Formatting follows the platform's wide printf: %s and %c take wide
// arguments, %S and %C narrow ones (UTF-8), %hs narrow, %ls and %ws wide.
// Every index is bounds checked: a position past the end clamps or reads
// as 0, never past the buffer.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

#include "windows_min.h"

class CString;

namespace host::mfc {

// The formatter behind CString::Format, for other wide printf needs.
std::wstring formatWide(const wchar_t* format, va_list args);
std::wstring formatWideArgs(const wchar_t* format, ...);

// What Format passes on for each argument: strings as their characters,
// plain values as they are.  Any other object is refused at compile time
// instead of being read as garbage.
const wchar_t* formatArg(const CString& text);
inline const wchar_t* formatArg(const std::wstring& text) { return text.c_str(); }
inline const char* formatArg(const std::string& text) { return text.c_str(); }
template <typename T>
T formatArg(T value) {
    static_assert(std::is_trivially_copyable_v<T>, "Format takes numbers, characters, pointers and strings");
    return value;
}

} // namespace host::mfc

class CString {
public:
    CString() = default;
    CString(const wchar_t* text);
    CString(std::nullptr_t) {}
    CString(const wchar_t* text, int length);
    CString(wchar_t ch, int repeat = 1);
    // Narrow text is UTF-8.
    explicit CString(const char* text);
    CString(const std::wstring& text) : text_(text) {}
    CString(std::wstring&& text) : text_(std::move(text)) {}

    int GetLength() const { return static_cast<int>(text_.size()); }
    bool IsEmpty() const { return text_.empty(); }
    void Empty() { text_.clear(); }
    const wchar_t* GetString() const { return text_.c_str(); }
    operator const wchar_t*() const { return text_.c_str(); }
    const std::wstring& str() const { return text_; }
    std::string toUtf8() const;

    // 0 for a position outside the text.
    wchar_t GetAt(int index) const;
    wchar_t operator[](int index) const { return GetAt(index); }
    // Ignored for a position outside the text.
    void SetAt(int index, wchar_t ch);

    CString& operator=(const wchar_t* text);
    CString& operator=(wchar_t ch);
    CString& operator+=(const CString& text);
    CString& operator+=(const wchar_t* text);
    CString& operator+=(wchar_t ch);

    // <0, 0, >0 like wcscmp; CompareNoCase folds letters first.
    int Compare(const wchar_t* other) const;
    int CompareNoCase(const wchar_t* other) const;

    // printf-style formatting into this string (see the top of the file).
    // A CString argument may be passed as it is, as on the platform.
    template <typename... Args>
    void Format(const wchar_t* format, Args... args) {
        text_ = host::mfc::formatWideArgs(format, host::mfc::formatArg(args)...);
    }
    template <typename... Args>
    void AppendFormat(const wchar_t* format, Args... args) {
        text_ += host::mfc::formatWideArgs(format, host::mfc::formatArg(args)...);
    }
    void FormatV(const wchar_t* format, va_list args);

    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();
    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim(const wchar_t* chars);
    CString& TrimLeft(const wchar_t* chars);
    CString& TrimRight(const wchar_t* chars);

    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;

    // Index of the first match at or after start, -1 when none.
    int Find(wchar_t ch, int start = 0) const;
    int Find(const wchar_t* sub, int start = 0) const;
    int ReverseFind(wchar_t ch) const;
    // Number of replacements made.
    int Replace(wchar_t from, wchar_t to);
    int Replace(const wchar_t* from, const wchar_t* to);
    int Remove(wchar_t ch);
    // New length; the position is clamped to the text.
    int Insert(int index, wchar_t ch);
    int Insert(int index, const wchar_t* text);
    int Delete(int index, int count = 1);

    // A writable buffer of at least minLength characters and a terminator;
    // ReleaseBuffer takes the length up to the first terminator, or the
    // length given (clamped to the buffer).
    wchar_t* GetBuffer(int minLength = 0);
    wchar_t* GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

private:
    std::wstring text_;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const wchar_t* b);
CString operator+(const wchar_t* a, const CString& b);
CString operator+(const CString& a, wchar_t b);

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, const wchar_t* b);
bool operator==(const wchar_t* a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, const wchar_t* b);
bool operator!=(const wchar_t* a, const CString& b);
bool operator<(const CString& a, const CString& b);
bool operator>(const CString& a, const CString& b);
bool operator<=(const CString& a, const CString& b);
bool operator>=(const CString& a, const CString& b);

typedef CString CStringW;
