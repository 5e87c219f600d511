#pragma once

#include <QByteArray>
#include <QString>

namespace lumetra {

// Writes the whole file through a temporary file in the same folder that is
// renamed over the old one, so a crash or a full disk leaves the old file.
// Throws Error naming the file when anything fails.
void writeFileAtomically(const QString &path, const QByteArray &bytes);

// Creates the folder (and its parents) when it is missing; throws Error.
void ensureFolder(const QString &path);

} // namespace lumetra
