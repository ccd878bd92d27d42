// The install directory taken from the module's own file.
#include <gtest/gtest.h>

#include <string>

#include "app/help.h"
#include "app/install_directory.h"
#include "app/module_state.h"
#include "module_fixture.h"
#include "windows_min.h"

static std::string DirectoryOf(const char* path, size_t size = 256) {
    char out[256];
    DirectoryOfPath(path, out, size);
    return out;
}

TEST(InstallDirectoryTest, KeepsEverythingUpToTheLastSeparator) {
    EXPECT_EQ(DirectoryOf("/opt/lurak/LURAK.ARX"), "/opt/lurak/");
    EXPECT_EQ(DirectoryOf("C:\\Program Files\\Lurak\\LURAK.ARX"), "C:\\Program Files\\Lurak\\");
    EXPECT_EQ(DirectoryOf("D:\\mixed/dir\\LURAK.ARX"), "D:\\mixed/dir\\");
    EXPECT_EQ(DirectoryOf("/opt/lurak/"), "/opt/lurak/");
}

TEST(InstallDirectoryTest, PathWithoutSeparatorAfterItsFirstCharacterStaysWhole) {
    EXPECT_EQ(DirectoryOf("LURAK.ARX"), "LURAK.ARX");
    EXPECT_EQ(DirectoryOf("\\LURAK.ARX"), "\\LURAK.ARX");
    EXPECT_EQ(DirectoryOf("/"), "/");
    EXPECT_EQ(DirectoryOf(""), "");
    EXPECT_EQ(DirectoryOf(nullptr), "");
}

TEST(InstallDirectoryTest, SmallBufferIsNeverOverrun) {
    EXPECT_EQ(DirectoryOf("/opt/lurak/LURAK.ARX", 5), "/opt");
    char one[1] = {'x'};
    EXPECT_EQ(DirectoryOfPath("/a/b", one, 1), 0u);
    EXPECT_EQ(one[0], '\0');
}

using InstallDirectoryModuleTest = ModuleFixture;

TEST_F(InstallDirectoryModuleTest, IsTheDirectoryOfTheLoadedModuleFile) {
    NewDocument();
    StartModule();
    EXPECT_EQ(std::string(InstallDirectory()), installDir.string() + "/");
    EXPECT_EQ(HelpFilePath(), installDir.string() + "/Lurak.hlp");
}

TEST_F(InstallDirectoryModuleTest, UnknownModuleFileFallsBackToTheProgramsDirectory) {
    host::win::unregisterModule(L"LURAK.ARX");
    host::win::setProgramPath(L"/usr/lib/host/hostprog");
    LocateInstallDirectory();
    EXPECT_EQ(std::string(InstallDirectory()), "/usr/lib/host/");
    host::win::setProgramPath(nullptr);
}

TEST_F(InstallDirectoryModuleTest, TooLongPathGivesNoDirectoryRatherThanACutOne) {
    std::wstring path = L"/" + std::wstring(300, L'd') + L"/LURAK.ARX";
    host::win::registerModule(L"LURAK.ARX", path.c_str());
    LocateInstallDirectory();
    EXPECT_EQ(std::string(InstallDirectory()), "");
}
