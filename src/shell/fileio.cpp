#include "shell/fileio.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace talvo {
namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// The file a save must replace: a symbolic link is followed, so that the
// link stays and its target gets the new contents. A link that leads nowhere
// is replaced itself.
std::string ResolveTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real) return path;
    std::string resolved(real);
    std::free(real);
    return resolved;
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

FileReadResult ReadFileBounded(const std::string& path, std::size_t limit) {
    FileReadResult result;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        result.status = FileReadStatus::Missing;
        result.error = std::strerror(errno);
        return result;
    }
    if (!S_ISREG(st.st_mode)) {
        result.status = FileReadStatus::Missing;
        return result;
    }
    // O_NONBLOCK: should the path become a pipe between the look above and
    // this opening, the opening must not wait for a writer. Ordinary files
    // ignore the flag.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        result.status = FileReadStatus::CannotOpen;
        result.error = std::strerror(errno);
        return result;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        result.status = FileReadStatus::CannotOpen;
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
        result.error = std::strerror(err);
    } else if (result.bytes.size() > limit) {
        result.bytes.resize(limit);
        result.status = FileReadStatus::TooLarge;
    } else {
        result.status = FileReadStatus::Ok;
    }
    return result;
}

std::string CannotWriteMessage(std::string_view reason) {
    std::string message = "ファイルに書き込めません。\n";
    message += reason;
    return message;
}

std::string ReplaceFile(const std::string& path, std::string_view bytes, ReplaceFailure* failure) {
    if (failure) *failure = ReplaceFailure{};
    auto fail = [failure](ReplaceStep step, int err) {
        if (failure) *failure = ReplaceFailure{step, err};
        return CannotWriteMessage(std::strerror(err));
    };

    // The new contents go to a temporary file beside the real target (so that
    // the rename stays within one file system) and replace it only when they
    // are complete on disk: a failure half way never leaves a file of old and
    // new bytes. The name is hidden, so that a crash between the two steps
    // leaves no file the user would take for a copy of their own.
    const std::string target = ResolveTarget(path);
    const std::string folder = FolderOf(target);
    const std::size_t slash = target.rfind('/');
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = folder + "/." + base + ".tmp" + std::to_string(::getpid()) + "_" +
               std::to_string(attempt);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return fail(ReplaceStep::CreateTemp, errno);

    // Keep the permissions of the file being replaced.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(fd, old.st_mode & 07777);
    }

    int err = 0;
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err != 0) {
        ::unlink(temp.c_str());
        return fail(ReplaceStep::Write, err);
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        err = errno;
        ::unlink(temp.c_str());
        return fail(ReplaceStep::Rename, err);
    }

    // Make the rename itself durable; a failure here does not undo the save.
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return std::string();
}

}  // namespace talvo
