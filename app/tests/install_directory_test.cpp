// The install directory taken from the module's own file.
#include "core/environment.h"
#include "app/install_directory.h"
#include "app/module_state.h"
#include "module_fixture.h"
#include "windows_min.h"

static std::string DirectoryOf(const char* path, size_t size = 256) {
    char out[256];
    DirectoryOfPath(path, out, size);
    return out;
}

TEST(InstallDirectoryTest, KeepsEverythingUpToTheLastSeparatorAfterTheFirstCharacter) {
    const struct { const char* path; size_t size; const char* directory; } cases[] = {
        {"/opt/lurak/LURAK.ARX", 256, "/opt/lurak/"},
        {"C:\\Program Files\\Lurak\\LURAK.ARX", 256, "C:\\Program Files\\Lurak\\"},
        {"D:\\mixed/dir\\LURAK.ARX", 256, "D:\\mixed/dir\\"},
        {"/opt/lurak/", 256, "/opt/lurak/"},
        // Without such a separator the path stays whole.
        {"LURAK.ARX", 256, "LURAK.ARX"},
        {"\\LURAK.ARX", 256, "\\LURAK.ARX"},
        {"/", 256, "/"},
        {"", 256, ""},
        {nullptr, 256, ""},
        // A small buffer is never overrun.
        {"/opt/lurak/LURAK.ARX", 5, "/opt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DirectoryOf(c.path, c.size), c.directory) << (c.path ? c.path : "(null)");
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

TEST_F(InstallDirectoryModuleTest, UnknownModuleFileFallsBackToTheProgramsDirectoryAndATooLongPathGivesNone) {
    host::win::unregisterModule(L"LURAK.ARX");
    host::win::setProgramPath(L"/usr/lib/host/hostprog");
    LocateInstallDirectory();
    EXPECT_EQ(std::string(InstallDirectory()), "/usr/lib/host/");
    host::win::setProgramPath(nullptr);
    // A module path too long for the buffer gives none rather than a cut one.
    std::wstring path = L"/" + std::wstring(300, L'd') + L"/LURAK.ARX";
    host::win::registerModule(L"LURAK.ARX", path.c_str());
    LocateInstallDirectory();
    EXPECT_EQ(std::string(InstallDirectory()), "");
}
