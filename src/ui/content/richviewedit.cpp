#include "ui/content/richviewedit.h"

#include "content/document/nativedocument.h"
#include "content/rtf/rtfreader.h"
#include "content/rtf/rtfwriter.h"
#include "model/error.h"
#include "model/gbk.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeData>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QUrl>

namespace lumetra {

namespace {

const QStringList RtfMimeTypes = {QStringLiteral("text/rtf"), QStringLiteral("application/rtf")};

// A text file of this system is GBK; one that is valid UTF-8 was written elsewhere.
QString decodeTextFile(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return fromGbk(bytes);
}

void copyImages(const QTextDocument &source, QTextDocument &target)
{
    for (QTextBlock block = source.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QUrl name(format.toImageFormat().name());
            const QVariant image = source.resource(QTextDocument::ImageResource, name);
            if (image.isValid())
                target.addResource(QTextDocument::ImageResource, name, image);
        }
    }
}

} // namespace

RichViewEdit::RichViewEdit(QWidget *parent) : QTextEdit(parent)
{
    setObjectName(QStringLiteral("RichViewEdit1"));
    setAcceptDrops(true);
}

QString RichViewEdit::nativeMimeType()
{
    return QStringLiteral("application/x-lumetra-zvf");
}

void RichViewEdit::insertDocument(QTextCursor &cursor, const QTextDocument &source)
{
    // A fragment carries the pictures' names only: their images go along
    // as resources of the target document.
    copyImages(source, *cursor.document());
    cursor.insertFragment(QTextDocumentFragment(&source));
}

void RichViewEdit::insertImage(const QImage &image)
{
    if (image.isNull())
        return;
    // Names only have to be unique within the document.
    QString name;
    do
        name = QStringLiteral("picture-%1").arg(++m_pictures);
    while (document()->resource(QTextDocument::ImageResource, QUrl(name)).isValid());
    document()->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(image.width());
    format.setHeight(image.height());
    textCursor().insertImage(format);
}

bool RichViewEdit::insertFile(const QString &path)
{
    QImageReader pictures(path);
    if (pictures.canRead()) {
        insertImage(pictures.read());
        return true;
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    QTextCursor cursor = textCursor();
    if (suffix == QLatin1String("rtf")) {
        QTextDocument read;
        RtfReader reader;
        reader.readFile(read, path); // what was read before a fault is kept
        insertDocument(cursor, read);
        return true;
    }
    if (suffix == QLatin1String("zvf")) {
        QTextDocument read;
        try {
            NativeDocument::load(read, path);
        } catch (const Error &) {
            return false;
        }
        insertDocument(cursor, read);
        return true;
    }
    if (suffix == QLatin1String("txt")) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        cursor.insertText(decodeTextFile(file.readAll()));
        return true;
    }
    return false;
}

bool RichViewEdit::canInsertFromMimeData(const QMimeData *source) const
{
    if (source->hasFormat(nativeMimeType()) || source->hasImage() || source->hasUrls())
        return true;
    for (const QString &type : RtfMimeTypes)
        if (source->hasFormat(type))
            return true;
    return QTextEdit::canInsertFromMimeData(source);
}

void RichViewEdit::insertFromMimeData(const QMimeData *source)
{
    QTextCursor cursor = textCursor();
    if (source->hasFormat(nativeMimeType())) {
        QTextDocument read;
        try {
            NativeDocument::deserialize(read, source->data(nativeMimeType()));
            insertDocument(cursor, read);
            return;
        } catch (const Error &) {
            // Damaged data: fall back to what else came with it.
        }
    }
    for (const QString &type : RtfMimeTypes) {
        if (source->hasFormat(type)) {
            QTextDocument read;
            RtfReader reader;
            reader.read(read, source->data(type));
            insertDocument(cursor, read);
            return;
        }
    }
    if (source->hasImage()) {
        insertImage(qvariant_cast<QImage>(source->imageData()));
        return;
    }
    if (source->hasUrls()) {
        bool any = false;
        for (const QUrl &url : source->urls())
            if (url.isLocalFile())
                any = insertFile(url.toLocalFile()) || any;
        if (any || !source->hasText())
            return;
    }
    QTextEdit::insertFromMimeData(source);
}

QMimeData *RichViewEdit::createMimeDataFromSelection() const
{
    QMimeData *data = QTextEdit::createMimeDataFromSelection();
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return data;
    QTextDocument selection;
    QTextCursor(&selection).insertFragment(cursor.selection());
    copyImages(*document(), selection);
    data->setData(nativeMimeType(), NativeDocument::serialize(selection));
    data->setData(RtfMimeTypes.first(), RtfWriter::write(selection));
    return data;
}

} // namespace lumetra
