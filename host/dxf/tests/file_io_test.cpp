#include "dxf/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
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

constexpr int kChildWaitMs = 30000;  // a child waits no longer for a test that failed

// The entries of `dir` whose names begin with `start`.
std::vector<std::string> entriesStartingWith(const fs::path& dir, const std::string& start)
{
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(dir)) {
        std::string name = entry.path().filename().string();
        if (name.compare(0, start.size(), start) == 0) found.push_back(name);
    }
    return found;
}

// Sets a file's (or a link's own) times an hour back.
void backdate(const fs::path& path)
{
    timespec times[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

// Saves of `paths` that a child process starts and is killed in midway:
// their temporary files stay, held by no one.
void killedMidway(const std::vector<fs::path>& paths)
{
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        for (const fs::path& path : paths) {
            auto* writer = new AtomicFileWriter;
            if (!writer->open(path.string()) || !writer->write("half a drawing")) ::_exit(1);
        }
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// Pipe ends closed when the test ends, however it ends, so that no child
// waits on them.
struct Descriptors {
    int first, second;
    ~Descriptors()
    {
        ::close(first);
        ::close(second);
    }
};

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

// The system would take a name holding NUL only up to the NUL: nothing is
// written, under that name or any other.
TEST(FileIo, ANameHoldingNulIsRefusedAndNothingIsWritten)
{
    fs::path dir = scratchDirectory("nul");
    std::string held = (dir / "a").string() + std::string(1, '\0') + "b.dxf";
    std::string error;
    EXPECT_FALSE(writeFileAtomically(held, "data", error));
    EXPECT_EQ(error, "cannot create " + held + ": " + std::string(kNulInFileName));
    EXPECT_TRUE(fs::is_empty(dir));
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
// next save of that drawing removes it once it has lain untouched for a while
// and no writer holds it, and nothing that is not exactly such a file.
TEST(FileIo, TemporariesOfProcessesGoneAreRemovedByTheNextSave)
{
    fs::path dir = scratchDirectory("abandoned");
    long most = ::pathconf(dir.c_str(), _PC_NAME_MAX);
    ASSERT_GT(most, 40);
    const std::string longName = std::string(static_cast<size_t>(most) - 4, 'n') + ".dxf";
    killedMidway({dir / "a.dxf", dir / "b.dxf", dir / longName, dir / "c.dxf"});
    const std::vector<std::string> a = entriesStartingWith(dir, ".a.dxf"), b = entriesStartingWith(dir, ".b.dxf"),
                                   cutShort = entriesStartingWith(dir, ".nnn"), c = entriesStartingWith(dir, ".c.dxf");
    ASSERT_TRUE(a.size() == 1 && b.size() == 1 && cutShort.size() == 1 && c.size() == 1);
    EXPECT_LE(cutShort[0].size(), static_cast<size_t>(most));
    // Names a character away from a temporary file's, and a folder and a
    // link named exactly like one: none is a temporary file of a.dxf.
    const std::string& made = a[0];
    const std::string stem = made.substr(0, made.size() - 1);
    const std::vector<std::string> nearly = {made + "0", stem, made.substr(1), stem + "g", stem + "A", ".x" + made.substr(1)};
    for (const std::string& name : nearly) std::ofstream(dir / name) << "user's";
    const std::string folder = stem + (made.back() == '0' ? "1" : "0"), link = stem + (made.back() == 'f' ? "e" : "f");
    fs::create_directory(dir / folder);
    std::ofstream(dir / "linked.dxf") << "user's";
    fs::create_symlink("linked.dxf", dir / link);
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.path().filename() != c[0]) backdate(entry.path());
    std::string error;
    for (const std::string& name : {std::string("a.dxf"), longName, std::string("c.dxf")})
        ASSERT_TRUE(writeFileAtomically((dir / name).string(), "drawing", error)) << error;
    EXPECT_FALSE(fs::exists(dir / made));
    EXPECT_FALSE(fs::exists(dir / cutShort[0]));
    EXPECT_TRUE(fs::exists(dir / b[0]));  // another drawing's
    EXPECT_TRUE(fs::exists(dir / c[0]));  // too recent: its writer may not have locked it yet
    for (const std::string& name : nearly) EXPECT_TRUE(fs::exists(dir / name)) << name;
    EXPECT_TRUE(fs::is_directory(dir / folder));
    EXPECT_TRUE(fs::is_symlink(dir / link));
    EXPECT_TRUE(fs::exists(dir / "linked.dxf"));
    backdate(dir / c[0]);
    ASSERT_TRUE(writeFileAtomically((dir / "c.dxf").string(), "drawing", error)) << error;
    EXPECT_FALSE(fs::exists(dir / c[0]));
    fs::remove_all(dir);
}

// Files named like the temporary files of other programs (or of earlier
// versions of this one) are the user's: a save beside them leaves them be,
// whatever number they end in and whether or not a process has it.
TEST(FileIo, FilesNamedLikeTemporariesAreTheUsersAndSurviveASave)
{
    fs::path dir = scratchDirectory("users");
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) ::_exit(0);
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
    const std::string gone = std::to_string(child);
    const std::vector<std::string> names = {"plan.dxf.tmp2024", "plan.dxf.tmp9999999999", "plan.dxf.tmp" + gone,
                                            "plan.dxf.tmp" + gone + "-2"};
    for (const std::string& name : names) {
        std::ofstream(dir / name) << "user's";
        backdate(dir / name);
    }
    std::string error, content;
    ASSERT_TRUE(writeFileAtomically((dir / "plan.dxf").string(), "drawing", error)) << error;
    for (const std::string& name : names) {
        ASSERT_TRUE(readWholeFile((dir / name).string(), content, error)) << name << ": " << error;
        EXPECT_EQ(content, "user's");
    }
    fs::remove_all(dir);
}

// Another program saving the same drawing in a process whose id means
// nothing here (another container, another machine on a shared folder): a
// save meanwhile leaves its temporary file alone, however long untouched,
// and that program's save then succeeds.
TEST(FileIo, ASaveUnderWayElsewhereKeepsItsTemporaryAndSucceeds)
{
    fs::path dir = scratchDirectory("elsewhere");
    const std::string path = (dir / "plan.dxf").string();
    std::string error, content;
    ASSERT_TRUE(writeFileAtomically(path, "first", error)) << error;
    int go[2], done[2];
    ASSERT_EQ(::pipe(go), 0);
    ASSERT_EQ(::pipe(done), 0);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The save starts here and goes on in a process of its own once the
        // one that started it, whose id its temporary file may carry, is gone.
        ::close(go[1]);
        ::close(done[0]);
        auto* writer = new AtomicFileWriter;
        if (!writer->open(path) || !writer->write("theirs")) ::_exit(1);
        pid_t rest = ::fork();
        if (rest != 0) ::_exit(rest > 0 ? 0 : 1);
        pollfd wait{go[0], POLLIN, 0};
        ::poll(&wait, 1, kChildWaitMs);
        char saved = writer->write(", whole") && writer->commit() ? 'y' : 'n';
        ssize_t told = ::write(done[1], &saved, 1);
        ::_exit(told == 1 ? 0 : 1);
    }
    Descriptors ends{go[1], done[0]};
    ::close(go[0]);
    ::close(done[1]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    std::vector<std::string> theirs;
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.path().filename() != "plan.dxf") theirs.push_back(entry.path().filename().string());
    ASSERT_EQ(theirs.size(), 1u);
    backdate(dir / theirs[0]);
    EXPECT_TRUE(writeFileAtomically(path, "mine", error)) << error;
    EXPECT_TRUE(fs::exists(dir / theirs[0]));
    ASSERT_EQ(::write(go[1], "g", 1), 1);
    char saved = 0;
    EXPECT_EQ(::read(done[0], &saved, 1), 1);
    EXPECT_EQ(saved, 'y');
    ASSERT_TRUE(readWholeFile(path, content, error)) << error;
    EXPECT_EQ(content, "theirs, whole");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    fs::remove_all(dir);
}
