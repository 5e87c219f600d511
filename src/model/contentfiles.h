#pragma once

#include "model/workspace.h"

#include <QByteArrayView>
#include <QString>

namespace lumetra {

// Where a project's content files live. Every stored name is reduced to its
// bare file name (after the last "\" or "/") and looked up in ProjectFolder,
// so Windows paths open here and no stored name reaches outside the folder.

// The bare name of a stored ContentFile, decoded; empty when nothing usable
// remains ("", ".", "..", or a name with a NUL byte).
QString bareFileName(QByteArrayView contentFile);

// ProjectFolder + bare name, or empty when the stored name has none.
QString contentFilePath(const WorkspaceState &state, QByteArrayView contentFile);

// ProjectFolder + ProjectBaseName + d + "-" + (p - 1) + "-" + z + ".txt".
QString textFilePath(const WorkspaceState &state, int program, int slot);

// ProjectFolder + "ExtFile/" + d + "-" + (p - 1) + "-" + z + ".bmp".
QString zoneBitmapPath(const WorkspaceState &state, int program, int slot);

QString extFileFolder(const WorkspaceState &state);

// Creates ExtFile/ when it is missing, before a zone bitmap is written.
void ensureExtFileFolder(const WorkspaceState &state);

// A text zone's file: the lines of Text, each followed by CR LF. Reading
// removes one final line break again, so save and load never grow the text.
QByteArray textFileBytes(const QByteArray &text);
QByteArray textFromFileBytes(const QByteArray &bytes);

} // namespace lumetra
