#include "shell/fileio.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace talvo {
namespace {

namespace fs = std::filesystem;

class FileIo : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/talvo_fileio_XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
        for (const auto& e : fs::recursive_directory_iterator(dir_, ec))
            if (!e.is_symlink(ec))
                fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }
    std::string Path(const std::string& name) const { return dir_ + "/" + name; }
    static std::string Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static unsigned Mode(const std::string& path) {
        struct stat st {};
        EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
        return st.st_mode & 07777;
    }
    // Every name under `folder`, hidden ones included, so that a temporary
    // file left behind shows.
    std::vector<std::string> Names(const std::string& folder) const {
        std::vector<std::string> names;
        for (const auto& e : fs::recursive_directory_iterator(folder))
            names.push_back(e.path().lexically_relative(folder).string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static bool Root() { return ::geteuid() == 0; }

    std::string dir_;
};

TEST_F(FileIo, ReadReportsWhatItFoundWithinTheLimit) {
    fs::create_directory(Path("folder"));
    Put(Path("empty"), "");
    Put(Path("nine"), "123456789");
    fs::create_symlink(Path("nine"), Path("link"));
    fs::create_symlink(Path("gone"), Path("dangling"));
    const struct {
        const char* name;
        std::size_t limit;
        FileReadStatus status;
        std::string bytes;
    } cases[] = {
        {"absent", 100, FileReadStatus::Missing, ""},
        {"folder", 100, FileReadStatus::Missing, ""},
        {"dangling", 100, FileReadStatus::Missing, ""},
        {"empty", 0, FileReadStatus::Ok, ""},
        {"nine", 100, FileReadStatus::Ok, "123456789"},
        {"nine", 9, FileReadStatus::Ok, "123456789"},  // exactly the limit
        {"nine", 8, FileReadStatus::TooLarge, "12345678"},
        {"nine", 0, FileReadStatus::TooLarge, ""},
        {"link", 9, FileReadStatus::Ok, "123456789"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " limit " + std::to_string(c.limit));
        const FileReadResult r = ReadFileBounded(Path(c.name), c.limit);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.bytes, c.bytes);
    }
    EXPECT_EQ(ReadFileBounded(Path("absent"), 1).error, std::strerror(ENOENT));
}

TEST_F(FileIo, ReadStopsAtTheLimitOfAHugeFile) {
    // A sparse file of 64 GiB: reading it whole, or trusting its size to make
    // room, would take minutes or all the memory there is.
    const std::string path = Path("huge");
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    const bool grown = ::pwrite(fd, "abc", 3, 0) == 3 && ::ftruncate(fd, off_t{1} << 36) == 0;
    ::close(fd);
    if (!grown) GTEST_SKIP() << "no room for a sparse file of 64 GiB here";
    const FileReadResult r = ReadFileBounded(path, 100000);
    EXPECT_EQ(r.status, FileReadStatus::TooLarge);
    ASSERT_EQ(r.bytes.size(), 100000u);
    EXPECT_EQ(r.bytes.substr(0, 4), std::string("abc\0", 4));
}

TEST_F(FileIo, ReadDoesNotTrustTheReportedSize) {
    // The kernel reports 0 bytes for this ordinary file, yet it has contents.
    const std::string path = "/proc/self/status";
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size != 0)
        GTEST_SKIP() << "no file that understates its size";
    const FileReadResult r = ReadFileBounded(path, 1 << 20);
    EXPECT_EQ(r.status, FileReadStatus::Ok);
    EXPECT_NE(r.bytes.find("Name:"), std::string::npos);
}

TEST_F(FileIo, UnreadableFileCannotBeOpened) {
    if (Root()) GTEST_SKIP() << "root reads any file";
    const std::string path = Path("locked");
    Put(path, "secret");
    ::chmod(path.c_str(), 0);
    const FileReadResult r = ReadFileBounded(path, 100);
    EXPECT_EQ(r.status, FileReadStatus::CannotOpen);
    EXPECT_EQ(r.bytes, "");
    EXPECT_EQ(r.error, std::strerror(EACCES));
}

TEST_F(FileIo, ReplaceWritesTheBytesAndKeepsThePermissions) {
    const std::string bytes("new\0contents\r\n", 14);
    const struct {
        const char* name;
        int oldMode;  // -1: no file before
        unsigned mode;
    } cases[] = {
        {"new file", -1, 0666u & ~0022u},
        {"shared with the group", 0640, 0640u},
        {"read-only file", 0400, 0400u},  // the folder decides, not the file
        {"executable", 0755, 0755u},
    };
    const mode_t oldMask = ::umask(0022);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = Path(c.name);
        if (c.oldMode >= 0) {
            Put(path, "old contents, longer than the new ones");
            ::chmod(path.c_str(), static_cast<mode_t>(c.oldMode));
        }
        ReplaceFailure failure{ReplaceStep::Write, EIO};
        EXPECT_EQ(ReplaceFile(path, bytes, &failure), "");
        EXPECT_EQ(failure.step, ReplaceStep::None);
        EXPECT_EQ(Contents(path), bytes);
        EXPECT_EQ(Mode(path), c.mode);
    }
    ::umask(oldMask);
    // No temporary file left beside them.
    EXPECT_EQ(Names(dir_), (std::vector<std::string>{"executable", "new file", "read-only file",
                                                     "shared with the group"}));
}

TEST_F(FileIo, ReplaceThroughALinkKeepsTheLink) {
    fs::create_directory(Path("real"));
    fs::create_directory(Path("links"));
    const std::string real = Path("real/a.kvd");
    Put(real, "old");
    ::chmod(real.c_str(), 0640);
    const struct {
        const char* link;
        std::string to;
    } cases[] = {
        {"links/absolute", real},
        {"links/relative", "../real/a.kvd"},
        {"links/to-a-link", "absolute"},
    };
    for (const auto& c : cases) fs::create_symlink(c.to, Path(c.link));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.link);
        const std::string bytes = std::string("through ") + c.link;
        ASSERT_EQ(ReplaceFile(Path(c.link), bytes), "");
        EXPECT_TRUE(fs::is_symlink(Path(c.link)));
        EXPECT_EQ(fs::read_symlink(Path(c.link)), c.to);
        EXPECT_EQ(Contents(real), bytes);
        EXPECT_EQ(Mode(real), 0640u);
    }
    EXPECT_EQ(Names(dir_), (std::vector<std::string>{"links", "links/absolute", "links/relative",
                                                     "links/to-a-link", "real", "real/a.kvd"}));

    // A link that leads nowhere is replaced by the file itself.
    fs::create_symlink(Path("real/gone"), Path("dangling"));
    ASSERT_EQ(ReplaceFile(Path("dangling"), "saved"), "");
    EXPECT_EQ(Contents(Path("dangling")), "saved");
}

TEST_F(FileIo, FailedReplaceLeavesTheOldFileWholeAndSaysWhy) {
    fs::create_directory(Path("folder"));
    Put(Path("folder/inside"), "x");
    Put(Path("keep"), "old contents");
    fs::create_symlink(Path("folder"), Path("link-to-folder"));
    const struct {
        const char* name;
        std::string path;
        ReplaceStep step;
        int err;
    } cases[] = {
        {"folder does not exist", Path("nowhere/a.kvd"), ReplaceStep::CreateTemp, ENOENT},
        {"a file where a folder should be", Path("keep/a.kvd"), ReplaceStep::CreateTemp, ENOTDIR},
        {"target is a folder", Path("folder"), ReplaceStep::Rename, EISDIR},
        {"link to a folder", Path("link-to-folder"), ReplaceStep::Rename, EISDIR},
    };
    const std::vector<std::string> before = Names(dir_);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ReplaceFailure failure;
        EXPECT_EQ(ReplaceFile(c.path, "new", &failure),
                  std::string("ファイルに書き込めません。\n") + std::strerror(c.err));
        EXPECT_EQ(failure.step, c.step);
        EXPECT_EQ(failure.err, c.err);
    }
    EXPECT_EQ(Names(dir_), before);
    EXPECT_TRUE(fs::is_directory(Path("folder")));
    EXPECT_EQ(Contents(Path("keep")), "old contents");
    EXPECT_TRUE(fs::is_symlink(Path("link-to-folder")));
}

TEST_F(FileIo, WriteFailingHalfWayLeavesTheOldFileWhole) {
    // A file-size limit below the new contents fails the write half-way, as a
    // full disk would.
    const std::string path = Path("keep");
    Put(path, "old contents");
    const std::string bytes(5000, 'n');
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    ReplaceFailure failure;
    const std::string error = ReplaceFile(path, bytes, &failure);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(error, std::string("ファイルに書き込めません。\n") + std::strerror(EFBIG));
    EXPECT_EQ(failure.step, ReplaceStep::Write);
    EXPECT_EQ(failure.err, EFBIG);
    EXPECT_EQ(Contents(path), "old contents");
    EXPECT_EQ(Names(dir_), std::vector<std::string>{"keep"});
}

TEST_F(FileIo, ReadOnlyFolderRefusesTheReplace) {
    if (Root()) GTEST_SKIP() << "root writes into any folder";
    const std::string folder = Path("ro");
    fs::create_directory(folder);
    const std::string path = folder + "/a.kvd";
    Put(path, "old");
    ::chmod(path.c_str(), 0666);  // the file itself would take the bytes
    ::chmod(folder.c_str(), 0555);
    ReplaceFailure failure;
    const std::string error = ReplaceFile(path, "new", &failure);
    EXPECT_EQ(error, std::string("ファイルに書き込めません。\n") + std::strerror(EACCES));
    EXPECT_EQ(failure.step, ReplaceStep::CreateTemp);
    EXPECT_EQ(Contents(path), "old");
    EXPECT_EQ(Names(folder), std::vector<std::string>{"a.kvd"});
}

}  // namespace
}  // namespace talvo
