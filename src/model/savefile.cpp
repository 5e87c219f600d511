#include "model/savefile.h"

#include "model/error.h"

#include <QDir>
#include <QSaveFile>

namespace lumetra {

static Error writeError(const QString &path, const QString &reason)
{
    return Error(QStringLiteral("无法写入文件 \"%1\"：%2").arg(path, reason), path);
}

void writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw writeError(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw writeError(path, reason);
    }
    if (!file.commit())
        throw writeError(path, file.errorString());
}

void ensureFolder(const QString &path)
{
    if (QDir(path).exists())
        return;
    if (!QDir().mkpath(path))
        throw Error(QStringLiteral("无法创建文件夹 \"%1\"").arg(path), path);
}

} // namespace lumetra
