#include "shell/filecommands.h"

#include <filesystem>
#include <system_error>

#include "shell/codec.h"
#include "shell/designfile.h"
#include "shell/globals.h"

namespace talvo {

namespace {
constexpr const char* kProgramTitle = "タルヴォ－ＳＩ";

// Characters of a UTF-8 text (a full-width character counts once, as the
// dialog's name rule counts characters, not bytes).
std::size_t CharCount(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s) {
        if ((c & 0xC0) != 0x80) ++n;
    }
    return n;
}
}  // namespace

std::string PlainCaption(const std::string& file) {
    return std::string(kProgramTitle) + "  ［" + file + "］";
}

std::string ChainCaption(int workType, const std::string& file) {
    const std::string type = workType >= 0 && workType < static_cast<int>(TypeCaption.size())
                                 ? TypeCaption[workType]
                                 : std::string();
    return std::string(kProgramTitle) + type + "  ［" + file + "］";
}

std::string BareFileName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool FileNameRefused(const std::string& path) {
    const std::string name = BareFileName(path);
    return name.find('.') == std::string::npos && CharCount(name) > 4;
}

int RecentEntries() {
    if (RecentCount < 0) return 0;
    return RecentCount > 4 ? 4 : RecentCount;
}

namespace {

// The form a recent entry is kept in: absolute, without "." and ".."
// steps, as the engineer would type the path.
std::string PlainPath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error) return path;
    std::string plain = absolute.lexically_normal().string();
    // A folder's path keeps no separator at its end.
    while (plain.size() > 1 && plain.back() == '/') plain.pop_back();
    return plain;
}

// The file a path names, through links and ".." steps, for comparing
// entries; the plain form when the system cannot tell (a folder gone).
std::string FileOf(const std::string& path) {
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(path, error);
    return error ? PlainPath(path) : canonical.string();
}

}  // namespace

void PushRecentFile(const std::string& path) {
    // The list is kept in the settings file in code page 932: a path that
    // would come back as another path is not offered again.
    if (cp932::AsStored(path) != path) return;
    const std::string entry = PlainPath(path);
    const std::string file = FileOf(path);
    int n = RecentEntries();
    int found = 0;
    for (int k = 1; k <= n; ++k) {
        if (RecentFile[k] == entry || FileOf(RecentFile[k]) == file) {
            found = k;
            break;
        }
    }
    if (found == 0) {
        if (n < 4) ++n;
        found = n;
    }
    for (int j = found; j >= 2; --j) RecentFile[j] = RecentFile[j - 1];
    RecentFile[1] = entry;
    RecentCount = static_cast<std::int16_t>(n);
}

std::string RecentCaption(int n, const std::string& path) {
    return "&" + std::to_string(n) + " " + path;
}

bool ChangedByAnotherWriter(const std::string& path) {
    return DesignFileStamp.path == path &&
           CompareWithStamp(DesignFileStamp) == StampComparison::Changed;
}

std::string ChangedFileQuestion(const std::string& path) {
    return path + " は、読み込んだ後にほかのプログラムで変更されています。\r上書きしますか？";
}

GuardedDesignWrite WriteDesignGuarded(const std::string& path, const DesignData& design,
                                      bool checkFirst, int waitMs) {
    GuardedDesignWrite write;
    const SaveLock lock(path, waitMs);
    if (checkFirst && (lock.HeldByAnother() || ChangedByAnotherWriter(path))) {
        write.askFirst = true;
        return write;
    }
    write.result = WriteDesignFile(path, design);
    // The stamp of the bytes the writer wrote, not of a reading of the file
    // afterwards (a write of another program in between must not become
    // this stamp) nor of the record serialized once more.
    if (write.result.ok) DesignFileStamp = write.result.stamp;
    return write;
}

}  // namespace talvo
