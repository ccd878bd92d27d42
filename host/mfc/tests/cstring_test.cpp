#include "mfc_string.h"

#include <gtest/gtest.h>

namespace {

CString format(const wchar_t* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    CString s;
    s.FormatV(fmt, args);
    va_end(args);
    return s;
}

} // namespace

TEST(CString, FormatFollowsThePlatformsWidePrintf) {
    // %s is wide and %S narrow (UTF-8), as in the platform's wide printf.
    EXPECT_EQ(format(L"[%s] %S", L"ZL1", "K\xC3\x96Z\xC3\x89P"), L"[ZL1] K\u00d6Z\u00c9P");
    EXPECT_EQ(format(L"%hs|%ls|%ws", "a", L"b", L"c"), L"a|b|c");
    EXPECT_EQ(format(L"%-5s|%5s|%.2s", L"ab", L"cd", L"xyz"), L"ab   |   cd|xy");
    EXPECT_EQ(format(L"%c%C", L'\u00d6', 'x'), L"\u00d6x");
    EXPECT_EQ(format(L"%s", static_cast<const wchar_t*>(nullptr)), L"(null)");
}

TEST(CString, FormatTakesStringObjectsAsTheirText) {
    CString tag(L"ZL1");
    CString s;
    s.Format(L"LURAK-%s-%s-%S", tag, std::wstring(L"100"), std::string("x"));
    EXPECT_EQ(s, L"LURAK-ZL1-100-x");
    s.AppendFormat(L" %d%s", 7, L"!");
    EXPECT_EQ(s, L"LURAK-ZL1-100-x 7!");
    s.Format(L"%.1f", 2.5f);  // a float is widened as in any printf
    EXPECT_EQ(s, L"2.5");
}

TEST(CString, FormatNumbersAsTheModuleWritesThem) {
    EXPECT_EQ(format(L"%lg", 100.0), L"100");
    EXPECT_EQ(format(L"%.4lf", 1.23456), L"1.2346");
    EXPECT_EQ(format(L"%.1lf", 27.7), L"27.7");
    EXPECT_EQ(format(L"%ld : %d", 250L, 1), L"250 : 1");
    EXPECT_EQ(format(L"%I64d %lld %u %x", 1LL << 40, -3LL, 7u, 255u), L"1099511627776 -3 7 ff");
    EXPECT_EQ(format(L"%*d|%-*d|%.*f", 4, 7, 3, 1, 2, 3.14159), L"   7|1  |3.14");
    EXPECT_EQ(format(L"100%% %d", 5), L"100% 5");
}

TEST(CString, FormatSurvivesBadFormats) {
    // A conversion cut off at the end is copied; %n writes nothing; huge
    // widths are bounded.
    EXPECT_EQ(format(L"abc %"), L"abc %");
    EXPECT_EQ(format(L"%q", 1), L"%q");
    int n = 42;
    EXPECT_EQ(format(L"x%ny", &n), L"xy");
    EXPECT_EQ(n, 42);
    EXPECT_LE(format(L"%999999999d", 1).GetLength(), 1025);
    CString s;
    s.Format(nullptr);
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CString, ComparesAndSearches) {
    CString tag(L"zl1");
    EXPECT_TRUE(tag == L"zl1");
    EXPECT_TRUE(L"zl1" == tag);
    EXPECT_TRUE(tag != CString(L"ZL1"));
    EXPECT_EQ(tag.CompareNoCase(L"ZL1"), 0);
    EXPECT_LT(CString(L"AA").Compare(L"BB"), 0);
    EXPECT_LT(CString(L"aa").CompareNoCase(L"BB"), 0);
    EXPECT_GT(CString(L"abc").CompareNoCase(L"AB"), 0);
    EXPECT_EQ(CString(L"LURAK-ZL1").Find(L"ZL"), 6);
    EXPECT_EQ(CString(L"a\\b\\c").ReverseFind(L'\\'), 3);
    EXPECT_EQ(tag.MakeUpper(), L"ZL1");
    EXPECT_EQ(CString(nullptr), L"");
    EXPECT_EQ(CString("K\xC3\x96Z").GetLength(), 3);
}

TEST(CString, PiecesAreClampedToTheText) {
    CString s(L"LURAK");
    EXPECT_EQ(s.Left(2), L"LU");
    EXPECT_EQ(s.Left(99), L"LURAK");
    EXPECT_EQ(s.Left(-1), L"");
    EXPECT_EQ(s.Right(3), L"RAK");
    EXPECT_EQ(s.Mid(3), L"AK");
    EXPECT_EQ(s.Mid(9, 2), L"");
    EXPECT_EQ(s.Mid(-2, 2), L"LU");
    EXPECT_EQ(s.GetAt(99), L'\0');
    EXPECT_EQ(s[0], L'L');
    s.SetAt(99, L'x');  // ignored
    EXPECT_EQ(s, L"LURAK");
    EXPECT_EQ(s.Find(L'K', 99), -1);
}

TEST(CString, EditsInPlace) {
    CString s(L"  a b  ");
    EXPECT_EQ(s.Trim(), L"a b");
    EXPECT_EQ(s.Replace(L' ', L'_'), 1);
    EXPECT_EQ(CString(L"xx-yy-xx").Replace(L"xx", L"z"), 2);
    CString t(L"abc");
    t.Insert(99, L"d");
    t.Delete(0);
    EXPECT_EQ(t, L"bcd");
    t += L'e';
    t += CString(L"f");
    EXPECT_EQ(L">" + t + L"<", L">bcdef<");
    EXPECT_EQ(CString(L"..x..").Trim(L"."), L"x");
}

TEST(CString, BufferAccess) {
    CString s;
    wchar_t* buffer = s.GetBuffer(10);
    wcscpy(buffer, L"abc");
    s.ReleaseBuffer();
    EXPECT_EQ(s, L"abc");
    EXPECT_EQ(s.GetLength(), 3);
    s.GetBufferSetLength(2);
    s.ReleaseBuffer(99);  // clamped to the buffer
    EXPECT_EQ(s, L"ab");
}
