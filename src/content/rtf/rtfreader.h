#pragma once

#include "content/document/documenttree.h"
#include "content/rtf/rtfcodepages.h"
#include "content/rtf/rtffonttable.h"
#include "content/rtf/rtfgroupstate.h"
#include "content/rtf/rtflisttable.h"
#include "content/rtf/rtfpicture.h"
#include "content/rtf/rtftablebuilder.h"
#include "content/rtf/rtftokenizer.h"

#include <QByteArrayView>
#include <QColor>
#include <QImage>
#include <QString>

#include <map>
#include <memory>
#include <vector>

class QTextDocument;

namespace lumetra {

// Our RTF import. read() appends what it reads to the document and answers
// whether the file was read without fault; after a fault the document keeps
// what was read up to it (the caller then shows "错误" / "文件读错误。").
class RtfReader
{
public:
    // Deeper group nesting than this is taken as a broken file.
    static constexpr int MaxDepth = 200;

    bool read(QTextDocument &document, QByteArrayView rtf);
    bool readFile(QTextDocument &document, const QString &path);

    // Why the last read failed, for diagnostics (not shown to the user).
    const QString &errorString() const { return m_error; }

private:
    struct PendingRun
    {
        RtfCharState state;
        QString text;
        QString image; // a picture's resource name instead of text
        QSize imageSize;
    };

    RtfTokenizer *m_tokenizer = nullptr;
    RtfCodePages m_codePages;
    std::vector<RtfGroupState> m_stack;
    RtfGroupState m_final; // the root group's state once it has closed
    QString m_error;

    int m_ansiCodePage = RtfCodePages::Default;
    int m_defaultFont = 0;
    RtfFontTable m_fonts;
    std::vector<QColor> m_colors;
    int m_red = -1, m_green = -1, m_blue = -1;
    std::map<int, RtfGroupState> m_paragraphStyles;
    std::map<int, RtfCharState> m_characterStyles;
    RtfListTable m_listTable;
    QByteArray m_shapeName;
    QByteArray m_shapeValue;
    QColor m_background;
    std::vector<QTextListFormat> m_lists;

    std::vector<DocNode> m_body;
    std::unique_ptr<RtfTableBuilder> m_tables;
    std::vector<PendingRun> m_runs;
    QByteArray m_bytes; // text bytes of the current run, not yet decoded
    int m_bytesCodePage = 0;
    QString m_text;
    RtfCharState m_textState;
    char16_t m_highSurrogate = 0;
    int m_skip = 0; // \uc fallback still to skip
    bool m_star = false;

    std::unique_ptr<RtfPicture> m_picture;
    std::vector<std::pair<QString, QImage>> m_images;
    int m_imageCount = 0;
    QTextDocument *m_document = nullptr;

    RtfGroupState &state() { return m_stack.back(); }
    void fail(const QString &why);
    bool parse();
    void groupStart();
    void groupEnd();
    void controlWord(const RtfToken &token);
    bool destinationWord(const QByteArray &word, int parameter);
    void specialWord(const QByteArray &word, bool hasParameter, int parameter);
    void text(QByteArrayView bytes);
    void byte(unsigned char value);
    void unicode(int value);
    void loneSurrogate();
    void binary(qint64 count);

    int codePage(int font) const;
    void appendBytes(QByteArrayView bytes);
    void appendChars(const QString &chars);
    void decodeBytes();
    void flushText();
    void addPicture();
    void endParagraph(int level, bool always);
    QTextCharFormat charFormat(const RtfCharState &s) const;
    QTextBlockFormat blockFormat(const RtfParaState &p) const;
    void apply();
};

} // namespace lumetra
