#include "framework/files/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kLockName = "/Glowtape.lock";

// The directory when it is (or can be made) a real directory of this user that nobody else
// may write to; another user's directory could hold a lock that keeps the program out.
bool isPrivateDirectory(const std::string& path) {
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0)
        return false;
    return S_ISDIR(status.st_mode) && status.st_uid == ::getuid() &&
           (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

} // namespace

std::string SingleInstance::lockPath() {
    const QByteArray runtimeDir = qgetenv("XDG_RUNTIME_DIR");
    if (!runtimeDir.isEmpty() && QDir(QString::fromLocal8Bit(runtimeDir)).exists())
        return runtimeDir.toStdString() + kLockName;
    // Without a runtime directory: a directory of our own under the temp dir, else under the
    // user's cache.
    const std::string uid = std::to_string(::getuid());
    const std::string temp = QDir::tempPath().toStdString() + "/glowtape-" + uid;
    if (isPrivateDirectory(temp))
        return temp + kLockName;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!cache.isEmpty() && QDir().mkpath(cache)) {
        const std::string own = QFile::encodeName(cache).toStdString() + "/glowtape-" + uid;
        if (isPrivateDirectory(own))
            return own + kLockName;
    }
    return {};
}

SingleInstance::SingleInstance() {
    const std::string path = lockPath();
    if (path.empty())
        return;
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0)
        return;
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        acquired_ = false;
}

SingleInstance::~SingleInstance() {
    if (fd_ >= 0)
        ::close(fd_);
}
