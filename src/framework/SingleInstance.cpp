#include "framework/SingleInstance.h"

#include <QDir>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

std::string SingleInstance::lockPath() {
    const QByteArray runtimeDir = qgetenv("XDG_RUNTIME_DIR");
    if (!runtimeDir.isEmpty() && QDir(QString::fromLocal8Bit(runtimeDir)).exists())
        return runtimeDir.toStdString() + "/Glowtape.lock";
    return QDir::tempPath().toStdString() + "/Glowtape-" + std::to_string(getuid()) + ".lock";
}

SingleInstance::SingleInstance() {
    fd_ = ::open(lockPath().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0)
        return;
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        acquired_ = false;
}

SingleInstance::~SingleInstance() {
    if (fd_ >= 0)
        ::close(fd_);
}
