#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace lumetra {

// Our own document file (".zvf", and ".zvc" read alike): a magic first line
// with the version, then the whole document as JSON — formats, paragraphs,
// lists, tables, the root frame's background and margins, and every picture
// embedded as PNG. Reading it back paints the same pixels.
class NativeDocument
{
public:
    static constexpr int Version = 1;

    static QByteArray serialize(const QTextDocument &document);
    // Replaces the document's content; on error (Error "文件读错误。") the
    // document is left as it was.
    static void deserialize(QTextDocument &document, const QByteArray &bytes);

    // Written atomically; Error names the file.
    static void save(const QTextDocument &document, const QString &path);
    static void load(QTextDocument &document, const QString &path);
};

} // namespace lumetra
