#include "content/richtextzone.h"

#include "content/document/nativedocument.h"
#include "content/rtf/rtfreader.h"
#include "content/textfaces.h"
#include "content/zonebitmap.h"
#include "model/contentfiles.h"
#include "model/error.h"
#include "model/workspace.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace lumetra {

namespace {

// A document's picture is never larger than the planes could take, whatever
// a damaged file says.
constexpr int MaxPictureWidth = 8192;
constexpr int MaxPictureHeight = 65536;

int documentWidth(const QTextDocument &document)
{
    return std::clamp(int(std::ceil(document.size().width())), 0, MaxPictureWidth);
}

// An empty document has no height, as a document without content should.
int documentHeight(const QTextDocument &document)
{
    if (document.isEmpty())
        return 0;
    return std::clamp(int(std::ceil(document.size().height())), 0, MaxPictureHeight);
}

void layOut(QTextDocument &document, int width)
{
    document.setTextWidth(std::max(width, 1));
}

} // namespace

QString RichTextZone::importFailedText()
{
    return QStringLiteral("错误");
}

QString RichTextZone::importFailedTitle()
{
    return QStringLiteral("文件读错误。");
}

RichTextLoad RichTextZone::load(QTextDocument &document, const WorkspaceState &state, const ZoneRecord &zone)
{
    TextFaces::installSubstitutions();
    document.clear();
    document.setDocumentMargin(0);
    RichTextLoad result;
    result.path = contentFilePath(state, zone.ContentFile);
    if (result.path.isEmpty() || !QFileInfo(result.path).isFile()) {
        result.fileMissing = true;
        layOut(document, zone.Width);
        return result;
    }
    const QString name = QFileInfo(result.path).fileName();
    if (name.endsWith(QLatin1String(".zvf")) || name.endsWith(QLatin1String(".zvc"))) {
        try {
            NativeDocument::load(document, result.path);
            result.loaded = true;
        } catch (const Error &) {
            result.importFailed = true;
        }
    } else if (name.endsWith(QLatin1String(".rtf"))) {
        RtfReader reader;
        result.importFailed = !reader.readFile(document, result.path);
        result.loaded = true;
    }
    layOut(document, zone.Width);
    return result;
}

QImage RichTextZone::paint(const QTextDocument &document, int width, int height)
{
    QImage image(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::black);

    // Drawn from a copy with every fragment unsmoothed, so each LED is either
    // lit or dark; the copy leaves the zone's document as it was.
    std::unique_ptr<QTextDocument> copy(document.clone());
    copy->setTextWidth(document.textWidth());
    QTextCursor all(copy.get());
    all.select(QTextCursor::Document);
    QTextCharFormat crisp;
    crisp.setFontStyleStrategy(QFont::NoAntialias);
    all.mergeCharFormat(crisp);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, QColor(255, 0, 0));
    context.clip = QRectF(0, 0, image.width(), image.height());
    copy->documentLayout()->draw(&painter, context);
    return image;
}

RichTextPreview RichTextZone::yuelanrtf(QTextDocument &document, WorkspaceState &state, int program, int slot)
{
    ZoneRecord &zone = state.program(program).Zones[slot];
    if (zone.Height < 16)
        zone.Height = 16;
    const int H = zone.Height;
    const int width = documentWidth(document);
    const int height = documentHeight(document);
    RichTextPreview preview;
    preview.pageCount = (height + H - 1) / H;
    preview.pages = paint(document, width, preview.pageCount * H);
    preview.bitmapPath = ZoneBitmap::writeForZone(state, program, slot, preview.pages, width);
    return preview;
}

TransferResult RichTextZone::rtftobmp(QTextDocument &document, Workspace &workspace, int programIndex, int slot)
{
    ZoneRecord &zone = workspace.program(programIndex + 1).Zones[slot];
    const int width = documentWidth(document);
    const int height = std::max(documentHeight(document), std::max(zone.Height, 1));
    const QImage bitmap = paint(document, width, height);
    ZoneBitmap::writeForZone(workspace, workspace.CurrentProgram, workspace.CurrentZone, bitmap, width);
    return PlaneTransfer::transdata(bitmap, zone, workspace.WorkingSettings, workspace.planes());
}

} // namespace lumetra
