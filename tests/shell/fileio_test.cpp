#include "shell/fileio.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "support/odd_targets.h"

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

    // Runs `body` as a user whose file permissions count and returns what it
    // returned. Root may write and read any file, so under root (as in a
    // container) the body runs in a child process as "nobody", to whom the
    // test folder is handed first; nullopt when the user cannot be switched.
    // The body must not use EXPECT: a child's failures would be lost.
    std::optional<std::string> AsPlainUser(const std::function<std::string()>& body) const {
        if (!Root()) return body();
        const passwd* nobody = ::getpwnam("nobody");
        const uid_t uid = nobody != nullptr ? nobody->pw_uid : 65534;
        const gid_t gid = nobody != nullptr ? nobody->pw_gid : 65534;
        if (::lchown(dir_.c_str(), uid, gid) != 0) return std::nullopt;
        for (const auto& e : fs::recursive_directory_iterator(dir_))
            if (::lchown(e.path().c_str(), uid, gid) != 0) return std::nullopt;

        int fds[2];
        if (::pipe(fds) != 0) return std::nullopt;
        const pid_t child = ::fork();
        if (child < 0) return std::nullopt;
        if (child == 0) {
            ::close(fds[0]);
            std::string out = "-";
            if (::setgroups(0, nullptr) == 0 && ::setgid(gid) == 0 && ::setuid(uid) == 0)
                out = "+" + body();
            std::string_view rest = out;
            while (!rest.empty()) {
                const ssize_t n = ::write(fds[1], rest.data(), rest.size());
                if (n <= 0) break;
                rest.remove_prefix(static_cast<std::size_t>(n));
            }
            ::_exit(0);
        }
        ::close(fds[1]);
        std::string out;
        char buf[4096];
        for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) != 0;) {
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) break;
            out.append(buf, static_cast<std::size_t>(n));
        }
        ::close(fds[0]);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (out.empty() || out[0] != '+') return std::nullopt;
        return out.substr(1);
    }

    // A replacement's outcome as one text, for comparing it whole.
    static std::string Outcome(ReplaceStep step, int err, const std::string& message) {
        return "step " + std::to_string(static_cast<int>(step)) + ", errno " + std::to_string(err) +
               ": " + message;
    }
    static std::string ReplaceOutcome(const std::string& path, const std::string& bytes) {
        ReplaceFailure failure;
        const std::string message = ReplaceFile(path, bytes, &failure);
        return Outcome(failure.step, failure.err, message);
    }

    std::string dir_;
};

TEST(SystemReason, GivesJapaneseReasonsAndTheNumberOfAnyOther) {
    const struct {
        int err;
        const char* reason;
    } cases[] = {
        {ENOENT, "ファイルまたはフォルダーが見つかりません。"},
        {EACCES, "アクセスが拒否されました。"},
        {EPERM, "アクセスが拒否されました。"},
        {EROFS, "読み取り専用のドライブです。"},
        {ENOSPC, "ディスクの空き容量が足りません。"},
        {EISDIR, "同じ名前のフォルダーがあります。"},
        {EFBIG, "ファイルが大きすぎます。"},
        {12345, "システムエラー（番号 12345）"},
        {0, "システムエラー（番号 0）"},
    };
    for (const auto& c : cases) EXPECT_EQ(SystemReason(c.err), c.reason) << c.err;

    // Every error a read or a save can meet has its own Japanese wording: no
    // number for the user to look up, and no letters of the system's text.
    const int known[] = {ENOENT,  EACCES, EPERM,  EROFS, ENOSPC,       EDQUOT,   EISDIR,
                         ENOTDIR, EEXIST, EBUSY,  EIO,   ENAMETOOLONG, ELOOP,    EMFILE,
                         ENFILE,  EXDEV,  EINVAL, EFBIG, ETXTBSY,      ENOTEMPTY};
    for (int err : known) {
        const std::string reason = SystemReason(err);
        EXPECT_EQ(reason.find("システムエラー"), std::string::npos) << err;
        EXPECT_TRUE(
            std::none_of(reason.begin(), reason.end(),
                         [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }))
            << err << ": " << reason;
    }
}

TEST_F(FileIo, ReadReportsWhatItFoundWithinTheLimit) {
    fs::create_directory(Path("folder"));
    Put(Path("empty"), "");
    Put(Path("nine"), "123456789");
    fs::create_symlink(Path("nine"), Path("link"));
    fs::create_symlink(Path("gone"), Path("dangling"));
    ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0644), 0);
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const std::string sockPath = Path("socket");
    ASSERT_LT(sockPath.size(), sizeof addr.sun_path);
    std::copy(sockPath.begin(), sockPath.end(), addr.sun_path);
    ASSERT_EQ(::bind(sock, reinterpret_cast<const sockaddr*>(&addr), sizeof addr), 0);
    fs::create_symlink("loop-b", Path("loop-a"));
    fs::create_symlink("loop-a", Path("loop-b"));
    const struct {
        const char* name;
        std::size_t limit;
        FileReadStatus status;
        std::string bytes;
    } cases[] = {
        {"absent", 100, FileReadStatus::Missing, ""},
        {"absent/below", 100, FileReadStatus::Missing, ""},
        {"dangling", 100, FileReadStatus::Missing, ""},
        // Something is there, but no file to read: never opened, so that a
        // pipe cannot make the reader wait for a writer.
        {"folder", 100, FileReadStatus::NotAFile, ""},
        {"fifo", 100, FileReadStatus::NotAFile, ""},
        {"socket", 100, FileReadStatus::NotAFile, ""},
        {"loop-a", 100, FileReadStatus::NotAFile, ""},
        {"/dev/null", 100, FileReadStatus::NotAFile, ""},
        {"empty", 0, FileReadStatus::Ok, ""},
        {"nine", 100, FileReadStatus::Ok, "123456789"},
        {"nine", 9, FileReadStatus::Ok, "123456789"},  // exactly the limit
        {"nine", 8, FileReadStatus::TooLarge, "12345678"},
        {"nine", 0, FileReadStatus::TooLarge, ""},
        {"link", 9, FileReadStatus::Ok, "123456789"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " limit " + std::to_string(c.limit));
        const FileReadResult r = ReadFileBounded(c.name[0] == '/' ? c.name : Path(c.name), c.limit);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.bytes, c.bytes);
    }
    ::close(sock);
    EXPECT_EQ(ReadFileBounded(Path("absent"), 1).error,
              "ファイルまたはフォルダーが見つかりません。");
}

// A path the system cannot look at is no missing file: a name longer than a
// folder allows, or a plain file where a folder should be. Its reason goes
// with it, for the message.
TEST_F(FileIo, PathThatCannotBeLookedAtIsNoMissingFile) {
    Put(Path("nine"), "123456789");
    const struct {
        std::string path;
        const char* reason;
    } cases[] = {
        {Path(std::string(256, 'a')), "ファイル名またはパスが長すぎます。"},
        {Path("nine/below"), "パスの途中にフォルダーではないものがあります。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const FileReadResult r = ReadFileBounded(c.path, 100);
        EXPECT_EQ(r.status, FileReadStatus::CannotOpen);
        EXPECT_EQ(r.error, c.reason);
        EXPECT_EQ(r.bytes, "");
    }
}

// A file that is of no use unless whole is refused by its size, unread; one
// of the limit is read.
TEST_F(FileIo, SmallFileReadRefusesALargerOneUnread) {
    Put(Path("nine"), "123456789");
    const FileReadResult whole = ReadSmallFile(Path("nine"), 9);
    EXPECT_EQ(whole.status, FileReadStatus::Ok);
    EXPECT_EQ(whole.bytes, "123456789");
    const FileReadResult larger = ReadSmallFile(Path("nine"), 8);
    EXPECT_EQ(larger.status, FileReadStatus::TooLarge);
    EXPECT_EQ(larger.bytes, "");
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

// A file that may not be read, and one in a folder that may not be searched:
// something may be there, but it cannot be opened.
TEST_F(FileIo, UnreadableFileCannotBeOpened) {
    const std::string path = Path("locked");
    Put(path, "secret");
    ::chmod(path.c_str(), 0);
    fs::create_directory(Path("closed"));
    Put(Path("closed/inside"), "secret");
    ::chmod(Path("closed").c_str(), 0600);
    const auto got = AsPlainUser([&] {
        std::string out;
        for (const std::string& p : {path, Path("closed/inside")}) {
            const FileReadResult r = ReadFileBounded(p, 100);
            out +=
                std::to_string(static_cast<int>(r.status)) + " [" + r.bytes + "] " + r.error + "\n";
        }
        return out;
    });
    if (!got) GTEST_SKIP() << "no other user to read as";
    const std::string cannot = std::to_string(static_cast<int>(FileReadStatus::CannotOpen)) +
                               " [] アクセスが拒否されました。\n";
    EXPECT_EQ(*got, cannot + cannot);
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
        {"owner only", 0600, 0600u},
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
    EXPECT_EQ(Names(dir_), (std::vector<std::string>{"executable", "new file", "owner only",
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

// Only an ordinary file is replaced: a pipe, a socket or a device under the
// name, or behind a link of that name, stays what it is, and so do links
// that lead round in a circle. A folder fails as before; a link to a file
// and a link that leads nowhere are saved through.
TEST_F(FileIo, ReplaceTakesThePlaceOfOrdinaryFilesOnly) {
    int sock = -1;
    const std::vector<test::OddTarget> targets = test::MakeOddTargets(dir_, sock);
    std::vector<std::string> before = Names(dir_);
    for (const test::OddTarget& t : targets) {
        SCOPED_TRACE(t.name);
        const std::string was = test::Kind(t.path);
        const std::string got = ReplaceOutcome(t.path, "new");
        switch (t.outcome) {
            case test::OddTarget::Refused:
                EXPECT_EQ(got,
                          Outcome(ReplaceStep::NotAFile, t.name == "loop-a.dat" ? ELOOP : ENODEV,
                                  t.path + " は、通常のファイルではありません。"));
                EXPECT_EQ(test::Kind(t.path), was);
                break;
            case test::OddTarget::Folder:
                EXPECT_EQ(
                    got, Outcome(ReplaceStep::Rename, EISDIR,
                                 t.path + " に書き込めません。\n同じ名前のフォルダーがあります。"));
                EXPECT_EQ(test::Kind(t.path), "folder");
                break;
            case test::OddTarget::ThroughLink:
                EXPECT_EQ(got, Outcome(ReplaceStep::None, 0, ""));
                EXPECT_EQ(test::Kind(t.path), was);
                EXPECT_EQ(Contents(Path("real.dat")), "new");
                break;
            case test::OddTarget::Replaced:
                EXPECT_EQ(got, Outcome(ReplaceStep::None, 0, ""));
                EXPECT_EQ(test::Kind(t.path), "file: new");
                break;
        }
        // No temporary file is left beside any of them.
        EXPECT_EQ(Names(dir_), before);
    }
    EXPECT_EQ(test::Kind(Path("fifo.dat")), "fifo");
    if (Root()) {
        EXPECT_EQ(test::Kind(Path("device.dat")), "char device");
    }
    ::close(sock);
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
        const char* reason;
    } cases[] = {
        {"folder does not exist", Path("nowhere/a.kvd"), ReplaceStep::CreateTemp, ENOENT,
         "ファイルまたはフォルダーが見つかりません。"},
        {"a file where a folder should be", Path("keep/a.kvd"), ReplaceStep::CreateTemp, ENOTDIR,
         "パスの途中にフォルダーではないものがあります。"},
        {"target is a folder", Path("folder"), ReplaceStep::Rename, EISDIR,
         "同じ名前のフォルダーがあります。"},
        {"link to a folder", Path("link-to-folder"), ReplaceStep::Rename, EISDIR,
         "同じ名前のフォルダーがあります。"},
    };
    const std::vector<std::string> before = Names(dir_);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // The message names the file as the caller gave it.
        EXPECT_EQ(ReplaceOutcome(c.path, "new"),
                  Outcome(c.step, c.err, c.path + " に書き込めません。\n" + c.reason));
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

    EXPECT_EQ(error, path + " に書き込めません。\nファイルが大きすぎます。");
    EXPECT_EQ(failure.step, ReplaceStep::Write);
    EXPECT_EQ(failure.err, EFBIG);
    EXPECT_EQ(Contents(path), "old contents");
    EXPECT_EQ(Names(dir_), std::vector<std::string>{"keep"});
}

TEST_F(FileIo, ReadOnlyFolderRefusesTheReplace) {
    const std::string folder = Path("ro");
    fs::create_directory(folder);
    const std::string path = folder + "/a.kvd";
    Put(path, "old");
    ::chmod(path.c_str(), 0666);  // the file itself would take the bytes
    ::chmod(folder.c_str(), 0555);
    const auto got = AsPlainUser([&] { return ReplaceOutcome(path, "new"); });
    if (!got) GTEST_SKIP() << "no other user to write as";
    EXPECT_EQ(*got, Outcome(ReplaceStep::CreateTemp, EACCES,
                            path + " に書き込めません。\nアクセスが拒否されました。"));
    EXPECT_EQ(Contents(path), "old");
    EXPECT_EQ(Names(folder), std::vector<std::string>{"a.kvd"});
}

TEST_F(FileIo, FileTheUserMayNotWriteIsNotReplaced) {
    // The folder is writable, so the temporary file and the rename would both
    // succeed: only a look at the file itself keeps it.
    fs::create_directory(Path("real"));
    const struct {
        const char* name;
        unsigned mode;
        bool refused;
    } cases[] = {
        {"read-only", 0444, true},
        {"owner may only read", 0466, true},  // the owner's bits decide, not anyone's
        {"no permission at all", 0, true},
        {"owner may write", 0644, false},
    };
    for (const auto& c : cases) {
        Put(Path(c.name), "old");
        ::chmod(Path(c.name).c_str(), c.mode);
    }
    Put(Path("real/b.kvd"), "old");
    ::chmod(Path("real/b.kvd").c_str(), 0444);
    fs::create_symlink("real/b.kvd", Path("link to read-only"));
    const std::vector<std::string> before = Names(dir_);

    const auto refusal = [](const std::string& path) {
        return Outcome(ReplaceStep::Access, EACCES,
                       path + " に書き込めません。\nアクセスが拒否されました。");
    };
    const auto got = AsPlainUser([&] {
        std::string out;
        for (const auto& c : cases) out += ReplaceOutcome(Path(c.name), "new") + "\n";
        return out + ReplaceOutcome(Path("link to read-only"), "new") + "\n";
    });
    if (!got) GTEST_SKIP() << "no other user to write as";
    std::string want;
    for (const auto& c : cases)
        want += (c.refused ? refusal(Path(c.name)) : Outcome(ReplaceStep::None, 0, "")) + "\n";
    want += refusal(Path("link to read-only")) + "\n";
    EXPECT_EQ(*got, want);

    for (const auto& c : cases) {
        ::chmod(Path(c.name).c_str(), 0644);  // so that a plain user can look
        EXPECT_EQ(Contents(Path(c.name)), c.refused ? "old" : "new") << c.name;
    }
    EXPECT_EQ(Contents(Path("real/b.kvd")), "old");
    EXPECT_TRUE(fs::is_symlink(Path("link to read-only")));
    EXPECT_EQ(Names(dir_), before);  // no temporary left
}

// Every name the folder allows can be saved, up to its 255 bytes, of ASCII
// or of full-width characters. A save of such a name killed half way leaves
// its temporary behind, and the next save finds and removes it.
TEST_F(FileIo, LongestNamesAreSavedAndTheirLeftoversRemoved) {
    std::string wide80, wide85;
    for (int i = 0; i < 80; ++i) wide80 += "設";
    for (int i = 0; i < 85; ++i) wide85 += "計";
    const std::string names[] = {
        std::string(200, 'a'),
        std::string(237, 'b'),
        std::string(238, 'c'),
        std::string(255, 'd'),
        wide80 + ".kvd",                      // 244 bytes
        wide80 + "1234567.pdf",               // 255 bytes
        wide85,                               // 255 bytes
        "x" + wide80 + std::string(14, 'y'),  // 255 bytes, the cut falls inside a character
    };
    std::vector<std::string> saved;
    for (const std::string& name : names) {
        SCOPED_TRACE(std::to_string(name.size()) + " bytes: " + name);
        ASSERT_LE(name.size(), 255u);
        ASSERT_EQ(ReplaceFile(Path(name), "new"), "");
        EXPECT_EQ(Contents(Path(name)), "new");
        saved.push_back(name);
        std::sort(saved.begin(), saved.end());
        EXPECT_EQ(Names(dir_), saved);

        // A save killed while it writes: the file-size limit stops the child
        // with SIGXFSZ inside its write, after the temporary was made.
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            rlimit none{0, 0};
            ::setrlimit(RLIMIT_CORE, &none);
            rlimit tiny{1, 1};
            ::setrlimit(RLIMIT_FSIZE, &tiny);
            std::signal(SIGXFSZ, SIG_DFL);
            ReplaceFile(Path(name), std::string(5000, 'k'));
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
        EXPECT_EQ(Names(dir_).size(), saved.size() + 1);  // the leftover
        EXPECT_EQ(Contents(Path(name)), "new");

        ASSERT_EQ(ReplaceFile(Path(name), "again"), "");
        EXPECT_EQ(Contents(Path(name)), "again");
        EXPECT_EQ(Names(dir_), saved);
    }
}

TEST_F(FileIo, SaveRemovesTheTemporariesThatEarlierSavesLeft) {
    // A name with glob and pattern characters, beside names that a glob or a
    // regular expression made of it would also match.
    const std::string target = "a*(1).kvd";
    Put(Path(target), "old");
    // 4194304 is above the highest process id Linux gives; the 11-digit
    // number does not fit one at all.
    const std::vector<std::string> leftovers = {
        ".a*(1).kvd.tmp4194304_0", ".a*(1).kvd.tmp99999999999_17",
        ".a*(1).kvd.tmp" + std::to_string(::getpid()) + "_3",  // this process saves no other now
    };
    const std::vector<std::string> others = {
        ".a*(1).kvd.tmp" + std::to_string(::getppid()) + "_0",  // a save still running
        ".a*(1).kvd.tmp4194304_",
        ".a*(1).kvd.tmp_0",
        ".a*(1).kvd.tmp4194304_0.bak",
        ".a*(1).kvd.tmp4194304-0",
        ".a*(1).kvd.tmp+4194304_0",
        ".a*(1).kvd.tmp4194304_0x",
        ".a*(1)xkvd.tmp4194304_0",
        ".aX(1).kvd.tmp4194304_0",
        ".a1.kvd.tmp4194304_0",
        "a*(1).kvd.tmp4194304_0",
        ".a*(1).kvd.tmp4194304_0 ",
        ".b.kvd.tmp4194304_0",  // another file's
        "..a*(1).kvd.tmp4194304_0",
    };
    for (const auto& name : leftovers) Put(Path(name), "half a save");
    for (const auto& name : others) Put(Path(name), "keep");
    // A folder and a link of the leftover form are no temporaries of a save.
    fs::create_directory(Path(".a*(1).kvd.tmp4194304_1"));
    fs::create_symlink("elsewhere", Path(".a*(1).kvd.tmp4194304_2"));

    ASSERT_EQ(ReplaceFile(Path(target), "new"), "");
    EXPECT_EQ(Contents(Path(target)), "new");
    std::vector<std::string> want = others;
    want.push_back(target);
    want.push_back(".a*(1).kvd.tmp4194304_1");
    want.push_back(".a*(1).kvd.tmp4194304_2");
    std::sort(want.begin(), want.end());
    EXPECT_EQ(Names(dir_), want);
    for (const auto& name : others) EXPECT_EQ(Contents(Path(name)), "keep") << name;
}

// The save lock beside a file: what a save finds under the lock's name and
// whether it gets the lock, waits in vain (another save holds it) or takes
// over a lock whose holder is gone, at once.
TEST_F(FileIo, SaveLockWaitsForALiveHolderAndTakesOverALeftOne) {
    const std::string target = Path("設計.kvd");
    const std::string lock = Path(".設計.kvd.lock");
    Put(target, "design");
    char host[256] = {};
    ASSERT_EQ(::gethostname(host, sizeof host - 1), 0);
    auto old = [&lock] {
        struct timespec times[2]{};
        ::clock_gettime(CLOCK_REALTIME, &times[0]);
        times[0].tv_sec -= SaveLock::kStaleLockAgeSeconds + 5;
        times[1] = times[0];
        ASSERT_EQ(::utimensat(AT_FDCWD, lock.c_str(), times, 0), 0);
    };
    std::optional<SaveLock> live;
    enum Outcome { Taken, Busy, NoLock };
    const struct {
        const char* name;
        std::function<void()> leave;
        Outcome outcome;
    } cases[] = {
        {"nothing there", [] {}, Taken},
        {"another save holds it", [&] { live.emplace(target, 0); }, Busy},
        {"a save killed while it held it",
         [&] {
             const pid_t child = ::fork();
             if (child == 0) {
                 SaveLock held(target, 0);
                 ::kill(::getpid(), SIGKILL);
             }
             int status = 0;
             ::waitpid(child, &status, 0);
             ASSERT_TRUE(fs::exists(lock));
         },
         Taken},
        // A holder that keeps no flock() (a share without it) is asked by
        // its process id: pid 1 runs.
        {"a running process of this host", [&] { Put(lock, "1\n" + std::string(host) + "\n"); },
         Busy},
        {"a process of another host", [&] { Put(lock, "1\nelsewhere\n"); }, Busy},
        {"another host's, long ago",
         [&] {
             Put(lock, "1\nelsewhere\n");
             old();
         },
         Taken},
        {"holder not yet written", [&] { Put(lock, ""); }, Busy},
        {"holder never written, long ago",
         [&] {
             Put(lock, "");
             old();
         },
         Taken},
        {"a folder under the lock's name", [&] { fs::create_directory(lock); }, NoLock},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.leave();
        {
            const SaveLock lk(target, 50);
            EXPECT_EQ(lk.LockPath(), lock);
            EXPECT_EQ(lk.Held(), c.outcome == Taken);
            EXPECT_EQ(lk.HeldByAnother(), c.outcome == Busy);
            if (lk.Held()) {
                EXPECT_TRUE(fs::is_regular_file(lock));
            }
        }
        live.reset();
        if (c.outcome == Taken) {
            EXPECT_FALSE(fs::exists(lock));  // let go of with the lock
        }
        fs::remove_all(lock);
    }
    EXPECT_EQ(Contents(target), "design");
}

// Two names of one file take one lock: that of the file a save replaces.
TEST_F(FileIo, SaveLockStandsBesideTheTargetOfALink) {
    fs::create_directory(Path("sub"));
    Put(Path("sub/a.kvd"), "design");
    fs::create_symlink("sub/a.kvd", Path("b.kvd"));
    const SaveLock first(Path("sub/a.kvd"), 0);
    ASSERT_TRUE(first.Held());
    const SaveLock second(Path("b.kvd"), 20);
    EXPECT_TRUE(second.HeldByAnother());
    EXPECT_FALSE(fs::exists(Path(".b.kvd.lock")));
}

}  // namespace
}  // namespace talvo
