#include "ui/content/textediting.h"

#include "content/document/nativedocument.h"
#include "content/rtf/rtfreader.h"
#include "model/error.h"
#include "model/gbk.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QMimeData>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QUrl>
#include <QUuid>

#include <algorithm>
#include <array>

namespace lumetra::TextEditing {

namespace {

constexpr int MaxPictureSide = 8192;
constexpr qint64 MaxTextFile = 64LL * 1024 * 1024;

bool isSentenceEnd(QChar c)
{
    return c == u'.' || c == u'!' || c == u'?' || c == u'。' || c == u'！' || c == u'？' || c == u'\n' ||
           c == QChar::ParagraphSeparator;
}

QString pictureName()
{
    return QStringLiteral("picture:") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// Calls f(start, end, format) for every piece of a run inside [from, to).
template <typename F> void forEachRun(QTextDocument *document, int from, int to, F f)
{
    for (QTextBlock block = document->findBlock(from); block.isValid() && block.position() < to; block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int start = std::max(from, fragment.position());
            const int end = std::min(to, fragment.position() + fragment.length());
            if (start < end)
                f(start, end, fragment.charFormat());
        }
    }
}

QString decodeText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    // Our texts are stored in GBK.
    return fromGbk(bytes);
}

QImage readPicture(const QString &path)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > MaxPictureSide || size.height() > MaxPictureSide))
        return {};
    return reader.read();
}

} // namespace

QString changeCase(const QString &text, Case mode)
{
    QString out = text;
    bool sentenceStart = true;
    bool wordStart = true;
    for (QChar &c : out) {
        switch (mode) {
        case Case::Upper:
            c = c.toUpper();
            break;
        case Case::Lower:
            c = c.toLower();
            break;
        case Case::Toggle:
            c = c.isUpper() ? c.toLower() : c.toUpper();
            break;
        case Case::Sentence:
            if (c.isLetter()) {
                c = sentenceStart ? c.toUpper() : c.toLower();
                sentenceStart = false;
            } else if (isSentenceEnd(c)) {
                sentenceStart = true;
            }
            break;
        case Case::Title:
            if (c.isLetterOrNumber()) {
                c = wordStart ? c.toUpper() : c.toLower();
                wordStart = false;
            } else {
                wordStart = c != u'\'';
            }
            break;
        }
    }
    return out;
}

bool changeCase(QTextCursor &cursor, Case mode)
{
    if (!cursor.hasSelection())
        return false;
    const int from = cursor.selectionStart();
    const int to = cursor.selectionEnd();
    QTextDocument *document = cursor.document();
    // The whole selection at once, since sentences and words run across
    // format changes.
    QString text;
    for (int i = from; i < to; ++i)
        text.append(document->characterAt(i));
    const QString changed = changeCase(text, mode);
    if (changed == text)
        return true;

    struct Piece
    {
        int start, end;
        QTextCharFormat format;
    };
    std::vector<Piece> pieces;
    forEachRun(document, from, to, [&](int s, int e, const QTextCharFormat &f) {
        if (QStringView(text).mid(s - from, e - s) != QStringView(changed).mid(s - from, e - s))
            pieces.push_back({s, e, f});
    });
    QTextCursor edit(document);
    edit.beginEditBlock();
    for (const Piece &piece : pieces) {
        edit.setPosition(piece.start);
        edit.setPosition(piece.end, QTextCursor::KeepAnchor);
        edit.insertText(changed.mid(piece.start - from, piece.end - piece.start), piece.format);
    }
    edit.endEditBlock();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    return true;
}

void changePointSize(QTextCursor &cursor, const std::function<qreal(qreal)> &size, qreal fallback)
{
    auto newFormat = [&](const QTextCharFormat &format) {
        const qreal old = format.fontPointSize() > 0 ? format.fontPointSize() : fallback;
        QTextCharFormat change;
        change.setFontPointSize(std::clamp(size(old), 1.0, 1638.0));
        return change;
    };
    if (!cursor.hasSelection()) {
        cursor.mergeCharFormat(newFormat(cursor.charFormat()));
        return;
    }
    QTextDocument *document = cursor.document();
    std::vector<std::pair<std::pair<int, int>, QTextCharFormat>> pieces;
    forEachRun(document, cursor.selectionStart(), cursor.selectionEnd(), [&](int s, int e, const QTextCharFormat &f) {
        pieces.push_back({{s, e}, newFormat(f)});
    });
    QTextCursor edit(document);
    edit.beginEditBlock();
    for (const auto &[range, format] : pieces) {
        edit.setPosition(range.first);
        edit.setPosition(range.second, QTextCursor::KeepAnchor);
        edit.mergeCharFormat(format);
    }
    edit.endEditBlock();
}

qreal nextSize(qreal points, bool grow)
{
    static constexpr std::array<int, 16> Sizes{8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
    if (grow) {
        for (int s : Sizes) {
            if (s > points)
                return s;
        }
        return points + 10;
    }
    for (auto it = Sizes.rbegin(); it != Sizes.rend(); ++it) {
        if (*it < points)
            return *it;
    }
    return std::max(1.0, points - 1);
}

void changeIndent(QTextCursor &cursor, int step)
{
    QTextDocument *document = cursor.document();
    QTextCursor edit(document);
    edit.beginEditBlock();
    const QTextBlock last = document->findBlock(cursor.selectionEnd());
    for (QTextBlock block = document->findBlock(cursor.selectionStart()); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        format.setIndent(std::max(0, format.indent() + step));
        edit.setPosition(block.position());
        edit.setBlockFormat(format);
        if (block == last)
            break;
    }
    edit.endEditBlock();
}

void insertPicture(QTextCursor &cursor, const QImage &image)
{
    const QString name = pictureName();
    cursor.document()->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(image.width());
    format.setHeight(image.height());
    cursor.insertImage(format);
}

void insertDocument(QTextCursor &cursor, const QTextDocument &source)
{
    // Renamed in a copy, so that the source stays as it is and no picture of
    // ours is replaced by one with the same name.
    std::unique_ptr<QTextDocument> copy(source.clone());
    QTextDocument *target = cursor.document();
    std::vector<std::pair<int, QTextImageFormat>> pictures;
    for (QTextBlock block = copy->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isImageFormat()) {
                for (int i = 0; i < fragment.length(); ++i)
                    pictures.push_back({fragment.position() + i, fragment.charFormat().toImageFormat()});
            }
        }
    }
    QTextCursor edit(copy.get());
    for (auto &[position, format] : pictures) {
        const QVariant picture = source.resource(QTextDocument::ImageResource, QUrl(format.name()));
        const QString name = pictureName();
        target->addResource(QTextDocument::ImageResource, QUrl(name), picture);
        format.setName(name);
        edit.setPosition(position);
        edit.setPosition(position + 1, QTextCursor::KeepAnchor);
        edit.setCharFormat(format);
    }
    cursor.insertFragment(QTextDocumentFragment(copy.get()));
}

FileResult insertFile(QTextCursor &cursor, const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (!QImageReader::imageFormat(path).isEmpty()) {
        const QImage image = readPicture(path);
        if (image.isNull())
            return FileResult::Failed;
        insertPicture(cursor, image);
        return FileResult::Inserted;
    }
    if (suffix == u"rtf") {
        QTextDocument read;
        RtfReader reader;
        const bool ok = reader.readFile(read, path);
        insertDocument(cursor, read);
        return ok ? FileResult::Inserted : FileResult::Failed;
    }
    if (suffix == u"zvf") {
        QTextDocument read;
        try {
            NativeDocument::load(read, path);
        } catch (const Error &) {
            return FileResult::Failed;
        }
        insertDocument(cursor, read);
        return FileResult::Inserted;
    }
    if (suffix == u"txt") {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || file.size() > MaxTextFile)
            return FileResult::Failed;
        QString text = decodeText(file.readAll());
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(u'\r', u'\n');
        cursor.insertText(text);
        return FileResult::Inserted;
    }
    return FileResult::Unsupported;
}

bool canPaste(const QMimeData *data, PasteKind kind)
{
    if (!data)
        return false;
    switch (kind) {
    case PasteKind::PlainText:
        return data->hasText();
    case PasteKind::RichText:
        return data->hasHtml() || data->hasFormat(QStringLiteral("text/rtf")) ||
               data->hasFormat(QStringLiteral("application/rtf"));
    case PasteKind::Picture:
        return data->hasImage();
    }
    return false;
}

bool paste(QTextCursor &cursor, const QMimeData *data, PasteKind kind)
{
    if (!canPaste(data, kind))
        return false;
    switch (kind) {
    case PasteKind::PlainText: {
        // Typed text takes the format at the caret, not the clipboard's.
        const QTextCharFormat format = cursor.charFormat();
        cursor.insertText(data->text(), format);
        return true;
    }
    case PasteKind::RichText: {
        for (const QString &type : {QStringLiteral("text/rtf"), QStringLiteral("application/rtf")}) {
            if (data->hasFormat(type)) {
                QTextDocument read;
                RtfReader().read(read, data->data(type));
                insertDocument(cursor, read);
                return true;
            }
        }
        cursor.insertFragment(QTextDocumentFragment::fromHtml(data->html(), cursor.document()));
        return true;
    }
    case PasteKind::Picture: {
        const QImage image = qvariant_cast<QImage>(data->imageData());
        if (image.isNull() || image.width() > MaxPictureSide || image.height() > MaxPictureSide)
            return false;
        insertPicture(cursor, image);
        return true;
    }
    }
    return false;
}

} // namespace lumetra::TextEditing
