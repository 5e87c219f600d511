#pragma once

#include "content/rtf/rtfcodepages.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <map>

namespace lumetra {

// \fonttbl: each face's name, spelt in its own character set, and the code
// page its text bytes are in.
class RtfFontTable
{
public:
    // The names are decoded with the reader's decoders, in the code page of
    // the entry or else the document's.
    struct Context
    {
        RtfCodePages &codePages;
        int documentCodePage;
    };

    // Words inside the table: \f starts an entry, \fcharset and \cpg set it.
    void word(const QByteArray &word, int parameter, Context context);
    void unicode(char16_t unit, Context context); // \uN in a name
    void text(QByteArrayView bytes, Context context);
    void finishName(Context context); // ";" or the entry's closing brace

    // The code page of a font's text: \cpg, else \fcharset, else the document's.
    int codePage(int font, int documentCodePage) const;
    QString family(int font) const;

private:
    struct Font
    {
        QString name;
        int charset = -1;
        int codePage = 0;
    };
    std::map<int, Font> m_fonts;
    int m_entry = -1;
    bool m_hasEntry = false;
    QByteArray m_nameBytes;
    QString m_name;
};

} // namespace lumetra
