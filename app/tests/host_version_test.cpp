// The host version check and what a refused or missing version does.
#include "ads_entity.h"
#include "app/dispatch.h"
#include "app/host_version.h"
#include "app/module_state.h"
#include "module_fixture.h"
#include "shell/session.h"

TEST(HostVersionTest, OnlyTheFirstFourCharactersOfTheThreeReleasesPass) {
    for (const char* text : {"17.0", "17.1", "17.2", "17.1s (LMS Tech)", "17.2.55.0"})
        EXPECT_TRUE(IsSupportedHostVersion(text)) << text;
    for (const char* text : {"17.3", "16.2", "17", "", " 17.0", "17,0", "18.0", "1.17.0"})
        EXPECT_FALSE(IsSupportedHostVersion(text)) << text;
    EXPECT_FALSE(IsSupportedHostVersion(nullptr));
}

TEST(HostVersionTest, LongVersionTextIsCutToTheBuffer) {
    host::shell::setHostVersion(std::string(80, '7'));
    char buffer[50];
    ASSERT_EQ(GetHostString(buffer, sizeof buffer), 1);
    EXPECT_EQ(std::string(buffer), std::string(49, '7'));
    host::shell::setHostVersion(std::nullopt);
    EXPECT_EQ(GetHostString(buffer, sizeof buffer), 0);
    host::shell::setHostVersion(std::string("17.2"));
}

using VersionedModuleTest = ModuleFixture;

TEST_F(VersionedModuleTest, AcceptedVersionRunsCommandsAndNoVersionIsRefusedSilently) {
    const struct { std::optional<std::string> version; bool accepted; } cases[] = {
        {"17.1 (R17.1)", true}, {std::nullopt, false}};
    for (const auto& c : cases) {
        StopModule();
        host::shell::resetSession();
        host::shell::setHostVersion(c.version);
        NewDocument();
        StartModule();
        EXPECT_EQ(HostVersionAccepted(), c.accepted) << c.version.value_or("none");
        EXPECT_EQ(Transcript().find("verzi"), std::string::npos);
        EXPECT_EQ(InvokeFunctionCode(25), c.accepted ? 1 : 0);
    }
}

TEST_F(VersionedModuleTest, RefusedVersionShowsTheBoxAndLeavesCommandsInert) {
    host::shell::setHostVersion(std::string("16.2"));
    NewDocument();
    StartModule();
    std::string shown = Transcript();
    EXPECT_NE(shown.find("Lurak: Nem-megfelelő AutoCAD verzió!"), std::string::npos) << shown;
    EXPECT_FALSE(HostVersionAccepted());
    // The functions are still defined, and do nothing at all.
    EXPECT_EQ(host::shell::currentDocument()->functions().size(), 28u);
    EXPECT_EQ(InvokeFunctionCode(1), 0);
    EXPECT_EQ(InvokeFunctionCode(99), 0);
    EXPECT_EQ(Transcript(), "");
    // A call still loads the system linetypes into the drawing.
    Send(AcRx::kInvkSubrMsg, host::shell::currentDocument());
    resbuf* linetype = acdbTblSearch(L"LTYPE", L"KÖZÉP", 0);
    EXPECT_NE(linetype, nullptr);
    acutRelRb(linetype);
}
