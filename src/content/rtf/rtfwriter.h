#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace lumetra {

// Our RTF export: \ansicpg936 with a font table (\fcharset134 for Chinese
// faces) and a colour table, only the changes of character formatting,
// non-ASCII as \ucN\uN with its GBK bytes as \'hh, tables with \intbl in
// every cell paragraph (nested ones by \itap), pictures as PNG in
// \*\shppict, lists in \listtable with their marker also as \listtext.
// The document's background colour as \*\background. Overline and the
// document's margins have no place in it.
class RtfWriter
{
public:
    static QByteArray write(const QTextDocument &document);
    // Written atomically; Error names the file.
    static void save(const QTextDocument &document, const QString &path);
};

} // namespace lumetra
