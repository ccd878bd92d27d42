#include "dxf/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
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

TEST(FileIo, DevicesAndPipesAreWrittenThroughAndNeverReplaced)
{
    fs::path dir = scratchDirectory("nodes");
    std::string error;
    // A null device of our own: writes vanish, and the node must stay one.
    std::string null = (dir / "null").string();
    if (::mknod(null.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0) {
        ASSERT_TRUE(writeFileAtomically(null, "drawing", error)) << error;
        struct stat info {};
        ASSERT_EQ(::stat(null.c_str(), &info), 0);
        EXPECT_TRUE(S_ISCHR(info.st_mode));
        EXPECT_EQ(info.st_rdev, ::makedev(1, 3));
    }
    // A pipe with a reader gets the data; one without a reader is refused
    // at once rather than waited on.
    std::string pipe = (dir / "pipe").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0666), 0);
    EXPECT_FALSE(writeFileAtomically(pipe, "nobody reads", error));
    EXPECT_EQ(error, "cannot save " + pipe + ": it is a pipe that no program reads");
    int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    ASSERT_TRUE(writeFileAtomically(pipe, "through the pipe", error)) << error;
    char got[64] = {};
    EXPECT_EQ(::read(reader, got, sizeof got), 16);
    EXPECT_STREQ(got, "through the pipe");
    // The reader gone, the write fails with a message and the program lives on.
    ::close(reader);
    reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    AtomicFileWriter writer;
    ASSERT_TRUE(writer.open(pipe)) << writer.error();
    ::close(reader);
    EXPECT_FALSE(writer.write("lost"));
    EXPECT_NE(writer.error().find("Broken pipe"), std::string::npos) << writer.error();
    EXPECT_TRUE(fs::is_fifo(pipe));
    // Only the two nodes: no temporary file left beside them.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), fs::exists(null) ? 2 : 1);
    fs::remove_all(dir);
}

TEST(FileIo, TheLongestFileNamesCanBeSaved)
{
    fs::path dir = scratchDirectory("long");
    long most = ::pathconf(dir.c_str(), _PC_NAME_MAX);
    ASSERT_GT(most, 8);
    std::string error, content;
    for (size_t length : {static_cast<size_t>(most) - 8, static_cast<size_t>(most)}) {
        std::string path = (dir / (std::string(length - 4, 'n') + ".dxf")).string();
        ASSERT_TRUE(writeFileAtomically(path, "old", error)) << length << ": " << error;
        ASSERT_TRUE(writeFileAtomically(path, "new", error)) << length << ": " << error;
        ASSERT_TRUE(readWholeFile(path, content, error));
        EXPECT_EQ(content, "new");
    }
    // A file named like the temporary one is not touched.
    std::string name = std::string(static_cast<size_t>(most) - 4, 'm') + ".dxf";
    std::string clash = name.substr(0, static_cast<size_t>(most) - 4 - std::to_string(::getpid()).size()) + ".tmp" +
                        std::to_string(::getpid());
    ASSERT_TRUE(writeFileAtomically((dir / clash).string(), "someone else's", error)) << error;
    ASSERT_TRUE(writeFileAtomically((dir / name).string(), "mine", error)) << error;
    ASSERT_TRUE(readWholeFile((dir / clash).string(), content, error));
    EXPECT_EQ(content, "someone else's");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 4);
    // A name longer than any the folder holds is the user's to change.
    std::string tooLong = (dir / std::string(static_cast<size_t>(most) + 1, 'x')).string();
    EXPECT_FALSE(writeFileAtomically(tooLong, "x", error));
    EXPECT_EQ(error, "cannot create " + tooLong + ": File name too long");
    fs::remove_all(dir);
}

// A save killed midway leaves its temporary file beside the drawing: the
// next save of that drawing removes those of processes that are gone, and
// nothing else.
TEST(FileIo, TemporariesOfProcessesGoneAreRemovedByTheNextSave)
{
    fs::path dir = scratchDirectory("abandoned");
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) ::_exit(0);
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
    const std::string gone = std::to_string(child), alive = std::to_string(::getppid());
    long most = ::pathconf(dir.c_str(), _PC_NAME_MAX);
    ASSERT_GT(most, 20);
    const std::string longName = std::string(static_cast<size_t>(most) - 4, 'n') + ".dxf";
    const std::string cutShort = longName.substr(0, static_cast<size_t>(most) - 4 - gone.size()) + ".tmp" + gone;
    const std::vector<std::string> removed = {"a.dxf.tmp" + gone, "a.dxf.tmp" + gone + "-2", cutShort};
    const std::vector<std::string> kept = {"a.dxf.tmp" + alive, "b.dxf.tmp" + gone, "a.dxf.tmp" + gone + "x",
                                           "a.dxf.tmp", "xa.dxf.tmp" + gone, "a.dxf.tmp" + gone + "-2-3"};
    std::string error;
    for (const auto& names : {removed, kept})
        for (const std::string& name : names) ASSERT_TRUE(writeFileAtomically((dir / name).string(), "x", error));
    fs::create_directory(dir / ("a.dxf.tmp" + gone + "-3"));  // not a file: kept
    ASSERT_TRUE(writeFileAtomically((dir / "a.dxf").string(), "drawing", error)) << error;
    ASSERT_TRUE(writeFileAtomically((dir / longName).string(), "drawing", error)) << error;
    for (const std::string& name : removed) EXPECT_FALSE(fs::exists(dir / name)) << name;
    for (const std::string& name : kept) EXPECT_TRUE(fs::exists(dir / name)) << name;
    EXPECT_TRUE(fs::is_directory(dir / ("a.dxf.tmp" + gone + "-3")));
    fs::remove_all(dir);
}
