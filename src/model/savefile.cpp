#include "model/savefile.h"

#include "model/error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumetra {

namespace {

Error writeError(const QString &path, int error)
{
    const QString reason = QString::fromLocal8Bit(std::strerror(error));
    return Error(QStringLiteral("无法写入文件 \"%1\"：%2").arg(path, reason), path);
}

// Writes go to the file a symbolic link points at, as an editor would.
QByteArray targetOf(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString resolved = info.canonicalFilePath();
        if (!resolved.isEmpty())
            return QFile::encodeName(resolved);
    }
    return QFile::encodeName(info.absoluteFilePath());
}

bool writeAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

} // namespace

FileBatch::~FileBatch()
{
    for (const Pending &p : m_pending)
        ::unlink(p.temp.constData());
}

void FileBatch::add(const QString &path, const QByteArray &bytes)
{
    Pending p{path, targetOf(path), {}};
    const qsizetype slash = p.target.lastIndexOf('/');
    p.temp = p.target.left(slash + 1) + '.' + p.target.mid(slash + 1) + ".XXXXXX";

    // No fsync: the rename gives all-or-nothing for every file, and syncing
    // each of a project's many small files would cost more than the save.
    const int fd = ::mkstemp(p.temp.data());
    if (fd < 0)
        throw writeError(path, errno);
    struct stat old;
    const mode_t mode = ::stat(p.target.constData(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    if (::fchmod(fd, mode) != 0 || !writeAll(fd, bytes.constData(), bytes.size())) {
        const int error = errno;
        ::close(fd);
        ::unlink(p.temp.constData());
        throw writeError(path, error);
    }
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(p.temp.constData());
        throw writeError(path, error);
    }
    m_pending.push_back(std::move(p));
}

void FileBatch::commit()
{
    while (!m_pending.empty()) {
        const Pending &p = m_pending.front();
        if (::rename(p.temp.constData(), p.target.constData()) != 0)
            throw writeError(p.path, errno); // the destructor removes what is left
        m_pending.erase(m_pending.begin());
    }
}

void writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    FileBatch batch;
    batch.add(path, bytes);
    batch.commit();
}

void ensureFolder(const QString &path)
{
    if (QDir(path).exists())
        return;
    if (!QDir().mkpath(path))
        throw Error(QStringLiteral("无法创建文件夹 \"%1\"").arg(path), path);
}

} // namespace lumetra
