#include "dxf/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace host::dxf;
namespace fs = std::filesystem;

namespace {

fs::path scratchDirectory(const char* name)
{
    fs::path dir = fs::temp_directory_path() / ("lurak_dxf_" + std::to_string(::getpid()) + "_" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

} // namespace

TEST(FileIo, AtomicWriteReplacesTheFileAndLeavesNoTemporary)
{
    fs::path dir = scratchDirectory("replace");
    std::string path = (dir / "a.dxf").string();
    std::string error, content;
    ASSERT_TRUE(writeFileAtomically(path, "old", error)) << error;
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(writeFileAtomically(path, "new content", error)) << error;
    ASSERT_TRUE(readWholeFile(path, content, error));
    EXPECT_EQ(content, "new content");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms(0640));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    fs::remove_all(dir);
}

TEST(FileIo, FailedWriteKeepsTheOldFileAndSaysWhy)
{
    fs::path dir = scratchDirectory("fail");
    std::string error, content;
    // The target is a directory: the rename fails after the data was written.
    fs::create_directories(dir / "taken.dxf" / "inside");
    EXPECT_FALSE(writeFileAtomically((dir / "taken.dxf").string(), "data", error));
    EXPECT_NE(error.find("cannot replace"), std::string::npos) << error;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    // A folder that does not exist: nothing can be created.
    EXPECT_FALSE(writeFileAtomically((dir / "missing" / "b.dxf").string(), "data", error));
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
    EXPECT_FALSE(readWholeFile((dir / "none.dxf").string(), content, error));
    EXPECT_NE(error.find("cannot open"), std::string::npos);
    fs::remove_all(dir);
}
