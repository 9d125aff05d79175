#include "shell/fileio.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace talvo {
namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Whether a save may take the place of what `st` describes: an ordinary
// file, or a folder (left to the rename, whose EISDIR says more). A pipe, a
// socket or a device is never replaced: the program would not read it, and
// a settings file linked to a device must not turn the device into a file.
bool MayReplace(const struct stat& st) {
    return S_ISREG(st.st_mode) || S_ISDIR(st.st_mode);
}

// The file a save must replace: a symbolic link is followed, so that the
// link stays and its target gets the new contents. A link that leads nowhere
// is replaced itself. 0 when `target` is set, else the errno value of a
// target that may not be replaced (ELOOP for links that lead round in a
// circle, ENODEV for something that is no file). Any other failure to look is
// left to the steps that follow, which name it.
int ResolveTarget(const std::string& path, std::string& target) {
    target = path;
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return errno == ELOOP ? ELOOP : 0;
    if (!S_ISLNK(st.st_mode)) return MayReplace(st) ? 0 : ENODEV;
    if (::stat(path.c_str(), &st) != 0) return errno == ELOOP ? ELOOP : 0;
    if (!MayReplace(st)) return ENODEV;
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real) return errno == ELOOP ? ELOOP : 0;
    target = real;
    std::free(real);
    return 0;
}

// The same look at the name in the open folder, just before the rename: a
// pipe put there since the first look is not replaced either.
int NotReplaceable(int dirFd, const std::string& base) {
    struct stat st {};
    if (::fstatat(dirFd, base.c_str(), &st, 0) != 0) return errno == ELOOP ? ELOOP : 0;
    return MayReplace(st) ? 0 : ENODEV;
}

// What a temporary file's name adds to the target's part: "." before it,
// ".tmp", the saving process's id (a pid_t has at most 10 digits), "_" and
// an attempt number (below 100).
constexpr std::size_t kTempNameExtra = 1 + 4 + 10 + 1 + 2;

// The start of the names of the temporary files that a save of `base` makes
// in a folder whose names may have `nameMax` bytes: "." base ".tmp"; the
// process id, "_" and the attempt number follow. A target whose name leaves
// no room for the rest gives only as much of its name as fits, cut at a
// character, so that every name the folder allows can be saved. The prefix
// depends on nothing but the name and the folder, so that the cleanup of
// leftovers finds what any earlier save made.
std::string TempPrefix(const std::string& base, std::size_t nameMax) {
    std::size_t keep = base.size();
    if (nameMax > kTempNameExtra && keep > nameMax - kTempNameExtra) {
        keep = nameMax - kTempNameExtra;
        while (keep > 0 && (static_cast<unsigned char>(base[keep]) & 0xC0) == 0x80) --keep;
    }
    return "." + base.substr(0, keep) + ".tmp";
}

// The longest name the folder open at `dirFd` allows.
std::size_t NameMax(int dirFd) {
    const long max = ::fpathconf(dirFd, _PC_NAME_MAX);
    return max > 0 ? static_cast<std::size_t>(max) : 255;
}

// The process id in `name` when it is a temporary file name of a save of the
// file whose TempPrefix is `prefix`: the prefix, digits, "_", digits and
// nothing else. Compared as plain text, so that the target's name may hold
// any character. 0 when the name is no such file; a number beyond the range
// of process ids gives INT64_MAX, which no process has.
std::int64_t TempOwner(std::string_view name, std::string_view prefix) {
    if (name.substr(0, prefix.size()) != prefix) return 0;
    name.remove_prefix(prefix.size());
    const std::size_t underscore = name.find('_');
    if (underscore == std::string_view::npos) return 0;
    const std::string_view pid = name.substr(0, underscore);
    const std::string_view attempt = name.substr(underscore + 1);
    auto digits = [](std::string_view s) {
        return !s.empty() &&
               std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!digits(pid) || !digits(attempt)) return 0;
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(pid.data(), pid.data() + pid.size(), value);
    if (ec != std::errc() || end != pid.data() + pid.size()) return INT64_MAX;
    // Process id 0 is no process's; the name is still one of a temporary.
    return value == 0 ? INT64_MAX : value;
}

// Whether the process `pid` may still be writing its temporary file: it runs,
// and it is not this process (which saves one file at a time, so none of its
// own temporaries of this target is in use now). A process of another user
// counts as running (kill() then fails with EPERM).
bool SaveMayBeRunning(std::int64_t pid) {
    if (pid > std::numeric_limits<pid_t>::max()) return false;
    if (pid == ::getpid()) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

// Removes the temporary files (`prefix`, digits, "_", digits) that earlier
// saves of a file in `folder` left when they were killed or lost power
// between making the temporary file and the rename. Only ordinary files of
// exactly that name form go, and only those of processes no longer running:
// another instance of the program may be saving the same file at this
// moment. Failures are ignored; a leftover that stays costs room, not data.
void RemoveLeftoverTemps(const std::string& folder, const std::string& prefix) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return;
    const int dirFd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const std::int64_t owner = TempOwner(entry->d_name, prefix);
        if (owner == 0 || SaveMayBeRunning(owner)) continue;
        struct stat st {};
        if (::fstatat(dirFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(st.st_mode)) {
            continue;
        }
        ::unlinkat(dirFd, entry->d_name, 0);
    }
    ::closedir(dir);
}

// Why an existing target may not be replaced by this user, as an errno value;
// 0 when it may be, or when there is nothing there. Renaming over a file
// needs only the folder's permission, so a read-only file in a writable
// folder would be replaced without this look. The effective ids decide, as
// they would for opening the file to write; a folder is left to the rename,
// whose EISDIR says more.
int WriteRefusal(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return 0;
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0) return 0;
    // Gone since the look: nothing to protect.
    return errno == ENOENT ? 0 : errno;
}

// Writes all of `data` to `fd`; false with errno set on failure.
bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) {
            // No progress and no reason: stop rather than spin.
            errno = EIO;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

namespace {

FileReadResult ReadFile(const std::string& path, std::size_t limit, bool refuseLarger) {
    FileReadResult result;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        const int err = errno;
        result.error = SystemReason(err);
        switch (err) {
            case ENOENT:  // nothing there, or a link that leads nowhere
                result.status = FileReadStatus::Missing;
                break;
            case ELOOP:  // links that lead round in a circle: something is there
                result.status = FileReadStatus::NotAFile;
                break;
            default:  // a folder on the way that may not be searched, a failing disk, a
                      // name too long (ENAMETOOLONG), a plain file on the way (ENOTDIR)
                result.status = FileReadStatus::CannotOpen;
                break;
        }
        return result;
    }
    if (!S_ISREG(st.st_mode)) {
        result.status = FileReadStatus::NotAFile;
        return result;
    }
    // O_NONBLOCK: should the path become a pipe between the look above and
    // this opening, the opening must not wait for a writer. Ordinary files
    // ignore the flag.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        result.status = FileReadStatus::CannotOpen;
        result.error = SystemReason(errno);
        return result;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        result.status = FileReadStatus::CannotOpen;
        return result;
    }
    if (refuseLarger && static_cast<std::uintmax_t>(st.st_size) > limit) {
        ::close(fd);
        result.status = FileReadStatus::TooLarge;
        return result;
    }

    // One byte past the limit tells a file of exactly the limit from a longer
    // one. The size fstat reports is not used: a file may grow while it is
    // read, and some file systems report no size at all.
    const std::size_t want = limit == SIZE_MAX ? limit : limit + 1;
    char buf[65536];
    int err = 0;
    while (result.bytes.size() < want) {
        const std::size_t ask = std::min(sizeof buf, want - result.bytes.size());
        const ssize_t n = ::read(fd, buf, ask);
        if (n < 0) {
            if (errno == EINTR) continue;
            err = errno;
            break;
        }
        if (n == 0) break;
        result.bytes.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);

    if (err != 0) {
        result.status = FileReadStatus::ReadError;
        result.error = SystemReason(err);
    } else if (result.bytes.size() > limit) {
        result.bytes.resize(limit);
        result.status = FileReadStatus::TooLarge;
    } else {
        result.status = FileReadStatus::Ok;
    }
    if (refuseLarger && result.status == FileReadStatus::TooLarge) result.bytes.clear();
    return result;
}

}  // namespace

FileReadResult ReadFileBounded(const std::string& path, std::size_t limit) {
    return ReadFile(path, limit, false);
}

FileReadResult ReadSmallFile(const std::string& path, std::size_t limit) {
    return ReadFile(path, limit, true);
}

namespace {

// FNV-1a over 64 bits: enough to tell one state of a file from another that
// has the same size and time; nobody forges a design file to look unchanged.
constexpr std::uint64_t kFnvOffset = 14695981039346656037u;
constexpr std::uint64_t kFnvPrime = 1099511628211u;

std::uint64_t AddToChecksum(std::uint64_t sum, std::string_view bytes) {
    for (const char c : bytes) {
        sum ^= static_cast<unsigned char>(c);
        sum *= kFnvPrime;
    }
    return sum;
}

std::int64_t ModifiedNs(const struct stat& st) {
    return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

}  // namespace

FileStamp TakeFileStamp(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return FileStamp{};
    // O_NONBLOCK: a pipe put there since the look must not make this wait.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return FileStamp{};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return FileStamp{};
    }
    // The time is the one before the reading: a write while the bytes are
    // read gives the file a later time, which the next comparison sees.
    FileStamp stamp;
    stamp.modifiedNs = ModifiedNs(st);
    const auto want = static_cast<std::uintmax_t>(st.st_size);
    std::uint64_t sum = kFnvOffset;
    std::uintmax_t got = 0;
    char buf[65536];
    while (got < want) {
        const std::size_t ask =
            static_cast<std::size_t>(std::min<std::uintmax_t>(sizeof buf, want - got));
        const ssize_t n = ::read(fd, buf, ask);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return FileStamp{};
        }
        if (n == 0) break;  // shorter than it was: the size below says so
        sum = AddToChecksum(sum, std::string_view(buf, static_cast<std::size_t>(n)));
        got += static_cast<std::uintmax_t>(n);
    }
    ::close(fd);
    stamp.path = path;
    stamp.size = got;
    stamp.checksum = sum;
    return stamp;
}

FileStamp StampOfWritten(const std::string& path, std::string_view bytes) {
    FileStamp stamp;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return stamp;
    stamp.path = path;
    stamp.size = bytes.size();
    stamp.modifiedNs = ModifiedNs(st);
    stamp.checksum = AddToChecksum(kFnvOffset, bytes);
    return stamp;
}

StampComparison CompareWithStamp(const FileStamp& stamp) {
    if (stamp.path.empty()) return StampComparison::Unknown;
    struct stat st {};
    if (::stat(stamp.path.c_str(), &st) != 0)
        return errno == ENOENT ? StampComparison::Removed : StampComparison::Unknown;
    if (!S_ISREG(st.st_mode)) return StampComparison::Unknown;
    if (static_cast<std::uintmax_t>(st.st_size) != stamp.size || ModifiedNs(st) != stamp.modifiedNs)
        return StampComparison::Changed;
    const FileStamp now = TakeFileStamp(stamp.path);
    if (now.path.empty()) return StampComparison::Unknown;
    return now.size == stamp.size && now.modifiedNs == stamp.modifiedNs &&
                   now.checksum == stamp.checksum
               ? StampComparison::Same
               : StampComparison::Changed;
}

namespace {

std::string HostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return std::string();
    return name;
}

// Whether the descriptor `fd` and the name `path` are one file still: a lock
// file let go and made anew in between is another file.
bool SameFile(int fd, const std::string& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// Whether the lock file open at `fd`, which nobody holds with flock() now,
// was left behind by a save that ended without letting go of it. A process
// of this host is asked whether it still runs; for a holder of another host,
// or a file whose holder is not (yet) written in it, only its age can tell.
bool LeftBehind(int fd) {
    char buf[512];
    std::string text;
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        text.append(buf, static_cast<std::size_t>(n));
        if (text.size() >= sizeof buf) break;
    }
    const std::size_t first = text.find('\n');
    const std::size_t second = first == std::string::npos ? first : text.find('\n', first + 1);
    if (second != std::string::npos && text.substr(first + 1, second - first - 1) == HostName()) {
        std::int64_t pid = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + first, pid);
        if (ec == std::errc() && end == text.data() + first && pid > 0) {
            // A lock of this very process that nobody holds is one that was
            // never let go of; no save of it is running.
            if (pid == ::getpid()) return true;
            return !SaveMayBeRunning(pid);
        }
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) return false;
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec - st.st_mtim.tv_sec > SaveLock::kStaleLockAgeSeconds;
}

}  // namespace

SaveLock::SaveLock(const std::string& path, int waitMs) {
    // Beside the file a save really replaces: two names of one file (a link
    // and its target) take one lock.
    std::string target;
    ResolveTarget(path, target);
    const std::string folder = FolderOf(target);
    const std::size_t slash = target.rfind('/');
    std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    if (base.empty()) return;
    // A name too long to take ".lock" keeps only as much as fits, cut at a
    // character; two such names that start alike share a lock, which only
    // makes their saves wait for each other.
    const long nameMax = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    const std::size_t room = (nameMax > 0 ? static_cast<std::size_t>(nameMax) : 255) - 6;
    if (base.size() > room) {
        std::size_t keep = room;
        while (keep > 0 && (static_cast<unsigned char>(base[keep]) & 0xC0) == 0x80) --keep;
        base.resize(keep);
    }
    lockPath_ = (folder == "/" ? std::string() : folder) + "/." + base + ".lock";
    const std::string holder = std::to_string(::getpid()) + "\n" + HostName() + "\n";

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        const int fd = ::open(lockPath_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            // Another save may be looking at the new file for a moment; wait
            // for it. A folder whose system has no flock() keeps the lock by
            // the file alone.
            while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
            }
            WriteAll(fd, holder);
            fd_ = fd;
            return;
        }
        if (errno != EEXIST) return;  // no lock can be made here

        // Someone's lock file. It is taken over when its holder is gone: the
        // system let go of the holder's flock() when it ended.
        const int other = ::open(lockPath_.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (other >= 0) {
            struct stat st {};
            if (::fstat(other, &st) != 0 || !S_ISREG(st.st_mode)) {
                // Something else under the lock's name (a folder, a pipe):
                // not a lock, and not ours to remove.
                ::close(other);
                return;
            }
            bool stale = false;
            if (::flock(other, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK) {
                stale = SameFile(other, lockPath_) && LeftBehind(other) &&
                        ::unlink(lockPath_.c_str()) == 0;
            }
            ::close(other);
            if (stale) continue;
        } else if (errno == ENOENT) {
            continue;  // let go of just now
        } else if (errno == ELOOP) {
            return;  // a link under the lock's name: not ours to remove
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            busy_ = true;
            return;
        }
        const struct timespec pause { 0, 5 * 1000 * 1000 };
        ::nanosleep(&pause, nullptr);
    }
}

SaveLock::~SaveLock() {
    if (fd_ < 0) return;
    // The name goes while the flock() is still held, so that no other save
    // takes the old file for a lock left behind.
    if (SameFile(fd_, lockPath_)) ::unlink(lockPath_.c_str());
    ::close(fd_);
}

std::string SystemReason(int err) {
    switch (err) {
        case ENOENT:
            return "ファイルまたはフォルダーが見つかりません。";
        case EACCES:
        case EPERM:
            return "アクセスが拒否されました。";
        case EROFS:
            return "読み取り専用のドライブです。";
        case ENOSPC:
            return "ディスクの空き容量が足りません。";
        case EDQUOT:
            return "ディスクの使用量が割り当ての上限を超えています。";
        case EFBIG:
        case EOVERFLOW:
            return "ファイルが大きすぎます。";
        case EISDIR:
            return "同じ名前のフォルダーがあります。";
        case ENOTDIR:
            return "パスの途中にフォルダーではないものがあります。";
        case EEXIST:
            return "同じ名前のファイルがあります。";
        case ENOTEMPTY:
            return "フォルダーが空ではありません。";
        case EBUSY:
            return "ファイルまたはフォルダーが使用中です。";
        case ETXTBSY:
            return "ファイルが使用中です。";
        case EAGAIN:
            return "ファイルが一時的に使用できません。";
        case EIO:
            return "ディスクの読み書き中にエラーが起きました。";
        case ENAMETOOLONG:
            return "ファイル名またはパスが長すぎます。";
        case ELOOP:
            return "シンボリックリンクが多すぎるか、循環しています。";
        case EMFILE:
        case ENFILE:
            return "開いているファイルが多すぎます。";
        case EXDEV:
            return "別のドライブとの間では名前を変更できません。";
        case EINVAL:
            return "ファイル名または操作が正しくありません。";
        case EOPNOTSUPP:
            return "このドライブではできない操作です。";
        case ENXIO:
        case ENODEV:
            return "デバイスが見つかりません。";
        case ENOMEM:
            return "メモリが足りません。";
        case EINTR:
            return "操作が中断されました。";
        case ESTALE:
            return "ネットワーク上のファイルが無効になりました。";
        case ETIMEDOUT:
            return "接続が時間切れになりました。";
        default:
            return "システムエラー（番号 " + std::to_string(err) + "）";
    }
}

std::string CannotWriteMessage(std::string_view path, std::string_view reason) {
    std::string message(path);
    message += " に書き込めません。\n";
    message += reason;
    return message;
}

std::string NotAFileMessage(std::string_view path) {
    return std::string(path) + " は、通常のファイルではありません。";
}

std::string ReplaceFile(const std::string& path, std::string_view bytes, ReplaceFailure* failure) {
    if (failure) *failure = ReplaceFailure{};
    auto fail = [&path, failure](ReplaceStep step, int err) {
        if (failure) *failure = ReplaceFailure{step, err};
        if (step == ReplaceStep::NotAFile) return NotAFileMessage(path);
        return CannotWriteMessage(path, SystemReason(err));
    };

    // The new contents go to a temporary file beside the real target (so that
    // the rename stays within one file system) and replace it only when they
    // are complete on disk: a failure half way never leaves a file of old and
    // new bytes. The name is hidden, so that a crash between the two steps
    // leaves no file the user would take for a copy of their own.
    std::string target;
    if (const int err = ResolveTarget(path, target)) return fail(ReplaceStep::NotAFile, err);
    const std::string folder = FolderOf(target);
    const std::size_t slash = target.rfind('/');
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    if (const int refusal = WriteRefusal(target)) return fail(ReplaceStep::Access, refusal);

    // Everything in the folder goes through its descriptor, so that the
    // temporary's name has to fit only as a name, not as a longer path. A
    // folder that may be written but not listed is still reached (O_PATH);
    // only its last flush is then skipped.
    int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0 && errno == EACCES)
        dirFd = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) return fail(ReplaceStep::CreateTemp, errno);
    const std::string prefix = TempPrefix(base, NameMax(dirFd));
    RemoveLeftoverTemps(folder, prefix);

    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = prefix + std::to_string(::getpid()) + "_" + std::to_string(attempt);
        fd = ::openat(dirFd, temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        const int err = errno;
        ::close(dirFd);
        return fail(ReplaceStep::CreateTemp, err);
    }

    // Keep the permissions of the file being replaced.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(fd, old.st_mode & 07777);
    }

    int err = 0;
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err != 0) {
        ::unlinkat(dirFd, temp.c_str(), 0);
        ::close(dirFd);
        return fail(ReplaceStep::Write, err);
    }
    if (const int refusal = NotReplaceable(dirFd, base)) {
        ::unlinkat(dirFd, temp.c_str(), 0);
        ::close(dirFd);
        return fail(ReplaceStep::NotAFile, refusal);
    }
    if (::renameat(dirFd, temp.c_str(), dirFd, base.c_str()) != 0) {
        err = errno;
        ::unlinkat(dirFd, temp.c_str(), 0);
        ::close(dirFd);
        return fail(ReplaceStep::Rename, err);
    }

    // Make the rename itself durable; a failure here does not undo the save.
    ::fsync(dirFd);
    ::close(dirFd);
    return std::string();
}

}  // namespace talvo
