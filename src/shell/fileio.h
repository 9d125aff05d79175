// Whole-file reading with a size bound, and replacing a file so that a failed
// save never leaves it half written. Shared by every file the program reads
// or saves; nothing here knows what the bytes mean.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace talvo {

enum class FileReadStatus {
    Ok,          // the whole file, no more than the limit
    Missing,     // nothing at the path (a link that leads nowhere included)
    NotAFile,    // something that is no ordinary file: a folder, a pipe, a socket, a device,
                 // a loop of symbolic links
    CannotOpen,  // an ordinary file that could not be opened, one swapped for something else
                 // between the look and the opening, or a path that could not be looked at
                 // (a name too long for the system, a plain file where a folder should be)
    TooLarge,    // more than `limit` bytes: `bytes` holds the first `limit` of them (none
                 // when the file was refused by its size)
    ReadError,   // reading failed part way: `bytes` holds what was read before
};

struct FileReadResult {
    FileReadStatus status = FileReadStatus::Missing;
    std::string bytes;
    std::string error;  // SystemReason() of the system's error, when it gave one
};

// The reason of a failed file operation, worded for the user: a short
// Japanese sentence for each error a read or a save can meet, and
// "システムエラー（番号 N）" for any other errno value N. The system's own
// texts are English (or whatever the locale gives) and would stand in the
// middle of a Japanese message.
std::string SystemReason(int err);

// Reads the file at `path` (a symbolic link is followed). No more than
// `limit` + 1 bytes are ever read, whatever size the file claims, so that a
// huge or endless file costs no more than the limit.
FileReadResult ReadFileBounded(const std::string& path, std::size_t limit);

// The same for a file that is of no use unless it is read whole: one whose
// size is more than `limit` bytes is refused (TooLarge, nothing read).
FileReadResult ReadSmallFile(const std::string& path, std::size_t limit);

// What a file held when this program last read or wrote it: its size, its
// modification time and a checksum of its bytes. A later save compares the
// file with it to tell whether another program has written there since.
struct FileStamp {
    std::string path;             // the file stamped; empty when there is no stamp
    std::uintmax_t size = 0;      // bytes
    std::int64_t modifiedNs = 0;  // modification time, nanoseconds since 1970
    std::uint64_t checksum = 0;   // FNV-1a (64 bits) of the bytes
};

// The stamp of the ordinary file at `path` as it stands now (a symbolic link
// is followed). No stamp (an empty path) when nothing is there, it is no
// ordinary file or it cannot be read. No more bytes are read than the file
// held when it was opened, so a file that keeps growing cannot hold the
// reading up.
FileStamp TakeFileStamp(const std::string& path);

// The stamp of `bytes` that were just written to `path`: their size and
// checksum, with the modification time the file has now. Should another
// program have written there in between, the stamp matches neither, and the
// next comparison finds the file changed.
FileStamp StampOfWritten(const std::string& path, std::string_view bytes);

enum class StampComparison {
    Same,     // the size, the time and the bytes are those of the stamp
    Changed,  // an ordinary file whose size, time or bytes differ from the stamp
    Removed,  // nothing at the path any more (a link that leads nowhere included)
    Unknown,  // no stamp, something that is no ordinary file now, or a file that
              // could not be looked at or read
};

// Compares the file at the stamp's path with the stamp. The bytes are read
// only when the size and the time agree: a writer may keep both (a file
// system with a coarse clock, a tool that sets the time back).
StampComparison CompareWithStamp(const FileStamp& stamp);

// A lock beside a file that is about to be written: from the look at
// whether another program has changed the file to the end of the write, no
// other save of the same file (of this program or another) runs. It is the
// hidden file ".<name>.lock" in the file's folder (beside the target of a
// symbolic link), made with O_EXCL and holding the holder's process id and
// host name; the holder keeps it flock()ed as long as it lives, so that the
// system lets go of it when the holder is killed.
//
// A lock file that nobody holds any more is taken over at once when its
// holder was a process of this host that no longer runs; one of another host
// (a shared folder) or one without a holder's name, after kStaleLockAge. A
// folder where no lock file can be made (read-only, or a name too long) gives
// no lock, and the save goes on without one: it fails or succeeds as before.
class SaveLock {
public:
    // The age after which a lock file whose holder cannot be asked counts
    // as left behind.
    static constexpr int kStaleLockAgeSeconds = 30;

    // Tries for `waitMs` milliseconds to take the lock of `path`.
    SaveLock(const std::string& path, int waitMs);
    ~SaveLock();  // lets go of the lock (the lock file goes)
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

    // Another save held the lock for the whole wait.
    bool HeldByAnother() const { return busy_; }
    // This object holds the lock.
    bool Held() const { return fd_ >= 0; }
    // The lock file's path (empty when none could be named).
    const std::string& LockPath() const { return lockPath_; }

private:
    std::string lockPath_;
    int fd_ = -1;
    bool busy_ = false;
};

// How long a save waits for another save of the same file to end before it
// treats the file as changed by that other program.
inline constexpr int kSaveLockWaitMs = 2000;

// The message of a failed save: the path, " に書き込めません。", a line break
// and the reason.
std::string CannotWriteMessage(std::string_view path, std::string_view reason);

// Where a replacement failed, for a caller that words its own message.
enum class ReplaceStep {
    None,        // no failure
    Access,      // the existing file may not be written by this user
    CreateTemp,  // the temporary file could not be made
    Write,       // writing, flushing or closing the temporary file failed
    Rename,      // the temporary file could not take the target's place
    NotAFile,    // the target is, or a link leads to, no ordinary file: a pipe, a socket, a
                 // device, or links that lead round in a circle (err ENODEV or ELOOP)
};

struct ReplaceFailure {
    ReplaceStep step = ReplaceStep::None;
    int err = 0;  // the errno value
};

// The message of a save refused because its target is no ordinary file: the
// path and " は、通常のファイルではありません。", as opening it says.
std::string NotAFileMessage(std::string_view path);

// Writes `bytes` to a temporary file in the target's folder, flushes it to
// disk and renames it over the target, then flushes the folder (a failure of
// that last flush does not undo the save). An existing target keeps its
// permissions. When `path` is a symbolic link its target is replaced and the
// link stays a link (a dangling link is itself replaced).
//
// Only an ordinary file is replaced. A pipe, a socket, a device, a link to
// one of them or links that lead round in a circle are refused (step
// NotAFile, message NotAFileMessage(path)) before anything is written, and
// looked at once more just before the rename. A folder is left to the
// rename, which fails with EISDIR.
//
// An existing target that this user may not write is refused (step Access),
// as writing into it in place would be, although the folder would allow the
// rename. Temporary files that earlier saves of the same target left behind
// when they were cut short (".<name>.tmp<pid>_<n>" of a process no longer
// running) are removed before the new one is made. Any name the folder allows
// can be saved: of a name too long to take the rest, the temporary's holds
// only as much as fits.
//
// Returns "" on success. On failure the temporary file is removed, the old
// file stays whole, CannotWriteMessage(path, SystemReason(errno)) (for step
// NotAFile: NotAFileMessage(path)) is returned and,
// when `failure` is given, the failing step and errno are stored there.
std::string ReplaceFile(const std::string& path, std::string_view bytes,
                        ReplaceFailure* failure = nullptr);

}  // namespace talvo
