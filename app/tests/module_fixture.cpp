#include "module_fixture.h"

#include <fstream>
#include <sstream>
#include <vector>

#include "io/io.h"
#include "shell/session.h"
#include "windows_min.h"

namespace fs = std::filesystem;

void ModuleFixture::SetUp() {
    host::shell::resetSession();
    host::io::setScript("");
    host::io::captureTranscript();
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    installDir = fs::temp_directory_path() /
                 ("lurak_app_" + std::string(info->test_suite_name()) + "_" + info->name());
    fs::remove_all(installDir);
    fs::create_directories(installDir);
    host::win::registerModule(L"LURAK.ARX", (installDir / "LURAK.ARX").wstring().c_str());
    WriteMessages();
}

void ModuleFixture::TearDown() {
    StopModule();
    host::win::unregisterModule(L"LURAK.ARX");
    host::shell::resetSession();
    host::io::setSource(nullptr);
    host::io::takeTranscript();
    host::io::setTranscript(nullptr);
    fs::remove_all(installDir);
}

void ModuleFixture::WriteMessages() {
    std::ifstream in(std::string(LURAK_SOURCE_DIR) + "/data/lurak.msg", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    WriteMessages(text.str());
}

void ModuleFixture::WriteMessages(const std::string& text) {
    std::ofstream(installDir / "lurak.msg", std::ios::binary) << text;
}

host::shell::Document* ModuleFixture::NewDocument() {
    auto& docs = host::shell::documents();
    return docs.create(docs.nextDrawingName());
}

void ModuleFixture::Send(AcRx::AppMsgCode msg, host::shell::Document* doc) {
    if (doc)
        host::shell::makeCurrent(doc);
    EXPECT_EQ(acrxEntryPoint(msg, this), AcRx::kRetOK);
}

void ModuleFixture::StartModule() {
    Send(AcRx::kInitAppMsg);
    started = true;
    std::vector<host::shell::Document*> open = host::shell::documents().open();
    for (host::shell::Document* doc : open)
        Send(AcRx::kLoadDwgMsg, doc);
}

void ModuleFixture::StopModule() {
    if (!started)
        return;
    started = false;
    Send(AcRx::kUnloadAppMsg);
}

std::string ModuleFixture::Transcript() { return host::io::takeTranscript(); }
