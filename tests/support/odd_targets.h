// The things a save may meet under the name it was given, made in a folder
// of the test: what is no ordinary file (a pipe, a socket, a device, links
// to them, links that lead round in a circle), a folder, a link to an
// ordinary file and a link that leads nowhere. Each save's test runs its
// save over every one of them and checks what is left with Kind().
#pragma once

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace talvo::test {

struct OddTarget {
    enum Outcome {
        Refused,      // no ordinary file: nothing is written, the save says so
        Folder,       // a folder: the save fails as it always has
        ThroughLink,  // a link to a file: the file gets the bytes, the link stays
        Replaced,     // a link that leads nowhere: the file takes its place
    };
    std::string name;
    std::string path;
    Outcome outcome;
};

// What is at `path`, without following a link: "fifo", "socket", "char
// device", "folder", "link to <where>", "file: <bytes>" or "nothing".
inline std::string Kind(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return "nothing";
    if (S_ISFIFO(st.st_mode)) return "fifo";
    if (S_ISSOCK(st.st_mode)) return "socket";
    if (S_ISCHR(st.st_mode)) return "char device";
    if (S_ISDIR(st.st_mode)) return "folder";
    if (S_ISLNK(st.st_mode)) return "link to " + std::filesystem::read_symlink(path).string();
    std::ifstream in(path, std::ios::binary);
    return "file: " + std::string(std::istreambuf_iterator<char>(in), {});
}

// Makes the targets in `folder` (which must exist), each named with an
// extension as a file dialog would give it; the link to a file leads to
// "real.dat", which holds "old". The device, a copy of the null device,
// can only be made by root: without it its two rows are left out. The socket
// stays bound for as long as `socketFd` is open.
inline std::vector<OddTarget> MakeOddTargets(const std::string& folder, int& socketFd) {
    namespace fs = std::filesystem;
    auto at = [&folder](const std::string& name) { return folder + "/" + name; };
    std::vector<OddTarget> targets;
    auto add = [&](const std::string& name, OddTarget::Outcome outcome) {
        targets.push_back({name, at(name), outcome});
    };

    if (::mkfifo(at("fifo.dat").c_str(), 0644) == 0) add("fifo.dat", OddTarget::Refused);
    socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const std::string socketPath = at("socket.dat");
    if (socketFd >= 0 && socketPath.size() < sizeof addr.sun_path) {
        std::copy(socketPath.begin(), socketPath.end(), addr.sun_path);
        if (::bind(socketFd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) == 0)
            add("socket.dat", OddTarget::Refused);
    }
    if (::mknod(at("device.dat").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        add("device.dat", OddTarget::Refused);
    for (const std::string what : {"fifo.dat", "socket.dat", "device.dat"}) {
        if (!fs::exists(fs::symlink_status(at(what)))) continue;
        fs::create_symlink(what, at("link to " + what));
        add("link to " + what, OddTarget::Refused);
    }
    fs::create_symlink("loop-b.dat", at("loop-a.dat"));
    fs::create_symlink("loop-a.dat", at("loop-b.dat"));
    add("loop-a.dat", OddTarget::Refused);
    fs::create_directory(at("folder.dat"));
    add("folder.dat", OddTarget::Folder);
    std::ofstream(at("real.dat"), std::ios::binary) << "old";
    fs::create_symlink("real.dat", at("link to file.dat"));
    add("link to file.dat", OddTarget::ThroughLink);
    fs::create_symlink("gone.dat", at("dangling.dat"));
    add("dangling.dat", OddTarget::Replaced);
    return targets;
}

}  // namespace talvo::test
