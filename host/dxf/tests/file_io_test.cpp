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
    std::string missing = (dir / "missing" / "b.dxf").string();
    EXPECT_FALSE(writeFileAtomically(missing, "data", error));
    // The message names the file asked for, never the temporary one.
    EXPECT_EQ(error, "cannot create " + missing + ": No such file or directory");
    EXPECT_FALSE(readWholeFile((dir / "none.dxf").string(), content, error));
    EXPECT_NE(error.find("cannot open"), std::string::npos);
    fs::remove_all(dir);
}

TEST(FileIo, SavingThroughSymbolicLinksReplacesTheTargetAndKeepsTheLinks)
{
    fs::path dir = scratchDirectory("links");
    fs::create_directories(dir / "real");
    std::string error, content;
    ASSERT_TRUE(writeFileAtomically((dir / "real" / "a.dxf").string(), "old", error)) << error;
    fs::create_symlink("real/a.dxf", dir / "link.dxf");    // relative
    fs::create_symlink(dir / "link.dxf", dir / "chain.dxf");  // absolute, to a link
    fs::create_symlink("real/new.dxf", dir / "dangling.dxf");
    for (const char* name : {"link.dxf", "chain.dxf"}) {
        ASSERT_TRUE(writeFileAtomically((dir / name).string(), name, error)) << error;
        EXPECT_TRUE(fs::is_symlink(dir / name));
        ASSERT_TRUE(readWholeFile((dir / "real" / "a.dxf").string(), content, error));
        EXPECT_EQ(content, name);
    }
    ASSERT_TRUE(writeFileAtomically((dir / "dangling.dxf").string(), "made", error)) << error;
    EXPECT_TRUE(fs::is_symlink(dir / "dangling.dxf"));
    EXPECT_TRUE(fs::is_regular_file(dir / "real" / "new.dxf"));
    fs::create_symlink("loop.dxf", dir / "loop.dxf");  // a loop: no hang, a message
    EXPECT_FALSE(writeFileAtomically((dir / "loop.dxf").string(), "x", error));
    EXPECT_NE(error.find("loop.dxf"), std::string::npos) << error;
    fs::remove_all(dir);
}
