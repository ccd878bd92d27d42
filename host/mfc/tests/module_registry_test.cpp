#include "windows_min.h"

#include <gtest/gtest.h>

#include <string>

TEST(Modules, RegisteredModuleIsFoundByNameOrFileNameInAnyCase) {
    HMODULE h = host::win::registerModule(L"LURAK.ARX", L"/opt/lurak/LURAK.ARX");
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GetModuleHandleW(L"lurak.arx"), h);
    EXPECT_NE(GetModuleHandleW(nullptr), h);
    wchar_t path[MAX_PATH];
    EXPECT_EQ(GetModuleFileNameW(h, path, MAX_PATH), 20u);
    EXPECT_EQ(std::wstring(path), L"/opt/lurak/LURAK.ARX");
    // Registered again (the module reloaded from elsewhere): same handle.
    EXPECT_EQ(host::win::registerModule(L"Lurak.arx", L"/tmp/x/LURAK.ARX"), h);
    EXPECT_EQ(GetModuleFileNameW(h, path, MAX_PATH), 16u);
    host::win::unregisterModule(L"LURAK.ARX");
    EXPECT_EQ(GetModuleHandleW(L"LURAK.ARX"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
    EXPECT_EQ(GetModuleFileNameW(h, path, MAX_PATH), 0u);
}

TEST(Modules, FileNameIsCutToTheBuffer) {
    HMODULE h = host::win::registerModule(L"T.ARX", L"/abc/T.ARX");
    wchar_t small[5] = {L'?', L'?', L'?', L'?', L'?'};
    EXPECT_EQ(GetModuleFileNameW(h, small, 5), 5u);
    EXPECT_EQ(std::wstring(small), L"/abc");
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(GetModuleFileNameW(h, small, 0), 0u);
    host::win::unregisterModule(L"T.ARX");
}

TEST(Modules, ProgramPathCanBeSet) {
    host::win::setProgramPath(L"/usr/bin/lurak");
    wchar_t path[MAX_PATH];
    EXPECT_EQ(GetModuleFileNameW(nullptr, path, MAX_PATH), 14u);
    EXPECT_EQ(GetModuleFileNameW(GetModuleHandleW(nullptr), path, MAX_PATH), 14u);
    EXPECT_EQ(std::wstring(path), L"/usr/bin/lurak");
}
