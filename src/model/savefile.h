#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace lumetra {

// Files that are replaced together: each is written whole to a temporary
// file in its own folder at once, and only commit() renames them over the
// old files. A failure before commit() (full disk, file-size limit, missing
// folder) throws Error naming the file and leaves every old file as it was;
// temporaries that were not committed are removed.
class FileBatch
{
public:
    FileBatch() = default;
    FileBatch(const FileBatch &) = delete;
    FileBatch &operator=(const FileBatch &) = delete;
    ~FileBatch();

    void add(const QString &path, const QByteArray &bytes);
    void commit();

private:
    struct Pending
    {
        QString path;
        QByteArray target; // local 8-bit path of the file to replace
        QByteArray temp;
    };
    std::vector<Pending> m_pending;
};

// One file written whole or not at all (a batch of one).
void writeFileAtomically(const QString &path, const QByteArray &bytes);

// Creates the folder (and its parents) when it is missing; throws Error.
void ensureFolder(const QString &path);

} // namespace lumetra
