#include "framework/files/FileBytes.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor when the scope ends, on every path.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now and tells whether the close succeeded (a delayed write error shows here).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a save really replaces: the target of a symbolic link, else the path itself.
std::string resolveTarget(const std::string& path) {
    struct stat linkStat {};
    if (::lstat(path.c_str(), &linkStat) != 0 || !S_ISLNK(linkStat.st_mode))
        return path;
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr)
        return path;
    return resolved;
}

// A fresh file next to target, created exclusively; its name goes to tempPath.
int createTemporary(const std::string& target, std::string& tempPath) {
    const std::string dir = directoryOf(target);
    const std::string base = target.substr(target.rfind('/') + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = dir + "/." + base + ".tmp" + std::to_string(::getpid()) + "-" +
                   std::to_string(std::rand() % 1000000);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

std::optional<std::string> FileBytes::read(const std::string& path, std::size_t maxBytes) {
    // Non-blocking, so that a named pipe in place of the file cannot stall the program.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid())
        return std::nullopt;
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    if (static_cast<std::size_t>(info.st_size) > maxBytes)
        return std::nullopt;

    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break; // a read error ends the file like its end
        if (bytes.size() + static_cast<std::size_t>(got) > maxBytes)
            return std::nullopt; // grew while being read
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return bytes;
}

bool FileBytes::replace(const std::string& path, std::string_view bytes) {
    const std::string target = resolveTarget(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists) {
        if (!S_ISREG(old.st_mode) || (old.st_mode & 0222) == 0)
            return false;
        if (!FileDescriptor(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC)).valid())
            return false;
    }

    std::string tempPath;
    FileDescriptor temp(createTemporary(target, tempPath));
    if (!temp.valid())
        return false;
    bool written = writeAll(temp.get(), bytes);
    if (written && exists) {
        written = ::fchmod(temp.get(), old.st_mode & 07777) == 0;
        // Keeps the owner when an administrator saves someone else's file; harmless if refused.
        [[maybe_unused]] const int ownerKept = ::fchown(temp.get(), old.st_uid, old.st_gid);
    }
    written = written && ::fsync(temp.get()) == 0;
    written = temp.close() && written;
    if (!written || ::rename(tempPath.c_str(), target.c_str()) != 0) {
        ::unlink(tempPath.c_str());
        return false;
    }

    // Makes the rename itself durable; the file is already complete either way.
    FileDescriptor dir(::open(directoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid())
        ::fsync(dir.get());
    return true;
}
