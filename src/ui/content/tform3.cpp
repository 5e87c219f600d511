#include "ui/content/tform3.h"

#include "content/document/nativedocument.h"
#include "content/richtextzone.h"
#include "content/rtf/rtfreader.h"
#include "content/rtf/rtfwriter.h"
#include "content/textfaces.h"
#include "content/zonebitmap.h"
#include "model/contentfiles.h"
#include "model/error.h"
#include "model/gbk.h"
#include "project/programcommands.h"
#include "ui/app/userprompts.h"
#include "ui/content/documentactions.h"
#include "ui/content/indentruler.h"
#include "ui/content/richviewedit.h"
#include "ui/layout/zoomview.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>

#include <algorithm>
#include <cmath>

namespace lumetra {

namespace {

// A ".zvc" is the native format under its second name: it is read and
// written as such, never overwritten with RTF.
bool isNativeName(const QString &name)
{
    return name.endsWith(QLatin1String(".zvf")) || name.endsWith(QLatin1String(".zvc"));
}

// The largest size the face box takes; larger ones only stall the layout.
constexpr int MaxPointSize = 1638;

} // namespace

QString TForm3::caption()
{
    return QStringLiteral("图形-文字-表格混合编辑");
}

QString TForm3::untitledName()
{
    return QStringLiteral("ZVUntitled.zvf");
}

TForm3::TForm3(RichTextEditorParts parts, QWidget *parent) : QDialog(parent), m_parts(std::move(parts))
{
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(caption());
    setModal(true);
    TextFaces::installSubstitutions();

    m_editor = new RichViewEdit(this);
    QPalette palette = m_editor->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, QColor(255, 0, 0));
    m_editor->setPalette(palette);
    m_editor->setFrameShape(QFrame::NoFrame);
    m_editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The scroll bar always takes its room, so the text width never changes.
    m_editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_editor->setContextMenuPolicy(Qt::CustomContextMenu);
    document()->setDocumentMargin(0);
    m_actions = new DocumentActions(m_editor, this);

    buildWindow();

    connect(m_editor, &QTextEdit::currentCharFormatChanged, this, &TForm3::RichViewEdit1CurTextStyleChanged);
    connect(m_editor, &QTextEdit::cursorPositionChanged, this, &TForm3::RichViewEdit1CurTextStyleChanged);
    connect(document(), &QTextDocument::modificationChanged, this, &TForm3::updateCaption);
    connect(m_editor, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu *menu = m_actions->contextMenu(m_editor);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(m_editor->viewport()->mapToGlobal(at));
    });

    const Workspace &ws = *m_parts.workspace;
    if (ws.CurrentProgram >= 1)
        setZoneWidth(ws.program(ws.CurrentProgram).Zones[ws.CurrentZone].Width);
    updateCaption();
}

TForm3::~TForm3() = default;

QTextDocument *TForm3::document() const
{
    return m_editor->document();
}

int TForm3::zoneHeight() const
{
    const Workspace &ws = *m_parts.workspace;
    return ws.program(ws.CurrentProgram).Zones[ws.CurrentZone].Height;
}

void TForm3::setZoneWidth(int width)
{
    m_zoneWidth = std::max(width, 1);
    m_editor->setLineWrapMode(QTextEdit::FixedPixelWidth);
    m_editor->setLineWrapColumnOrWidth(m_zoneWidth);
    const int bar = m_editor->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_editor);
    m_editor->setFixedWidth(m_zoneWidth + bar + 2 * m_editor->frameWidth());
    m_ruler->updateGeometry();
    m_ruler->update();
}

void TForm3::fillSizes()
{
    QStringList sizes;
    for (int size = 8; size <= 72; ++size) {
        if (size == 31)
            continue;
        sizes << QString::number(size);
        // The list has always offered 30 twice and no 31.
        if (size == 30)
            sizes << QString::number(size);
    }
    m_sizes->addItems(sizes);
    m_sizes->setCurrentIndex(0);
}

void TForm3::updateCaption()
{
    const QString name = m_documentFile.isEmpty() ? untitledName() : QFileInfo(m_documentFile).fileName();
    setWindowTitle(name + (document()->isModified() ? QStringLiteral(" (*)") : QString()) + QStringLiteral(" - ") +
                   caption());
}

void TForm3::showReadFailure()
{
    m_parts.prompts().notice(this, RichTextZone::importFailedTitle(), RichTextZone::importFailedText());
}

void TForm3::clearDocument()
{
    document()->clear();
    document()->setDocumentMargin(0);
}

bool TForm3::loadNative(const QString &path)
{
    try {
        NativeDocument::load(*document(), path);
    } catch (const Error &) {
        // The document stays as it was.
        showReadFailure();
        return false;
    }
    return true;
}

bool TForm3::importRtf(const QString &path)
{
    RtfReader reader;
    const bool read = reader.readFile(*document(), path);
    if (!read)
        showReadFailure();
    m_editor->setFocus();
    return read;
}

void TForm3::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shown || event->spontaneous())
        return;
    m_shown = true;
    m_bitmapRequest = 0;
    const int songTi = m_faces->findText(TextFaces::songTi());
    m_faces->setCurrentIndex(songTi);
    cmbFontClick();
    ShowFilename();
    // Loading cleared what is typed next: a new document is still typed in 宋体.
    if (document()->isEmpty()) {
        m_faces->setCurrentIndex(songTi);
        cmbFontClick();
    }
    yuelan();
    document()->setModified(false);
    updateCaption();
}

void TForm3::ShowFilename()
{
    Workspace &ws = *m_parts.workspace;
    const ZoneRecord &zone = ws.currentZone();
    m_panels[2]->clear();
    m_documentFile.clear();
    if (!zone.ContentFile.isEmpty()) {
        m_documentFile = bareFileName(zone.ContentFile);
        const QString path = contentFilePath(ws, zone.ContentFile);
        const QFileInfo file(path);
        if (path.isEmpty()) {
            m_documentFile.clear();
        } else if (file.isFile() && isNativeName(file.fileName())) {
            loadNative(path);
            m_panels[2]->setText(path);
        } else if (file.isFile() && file.fileName().endsWith(QLatin1String(".rtf"))) {
            clearDocument();
            importRtf(path);
            m_panels[2]->setText(path);
        } else if (!file.exists()) {
            // The zone names a file that is not there: it gets the empty document.
            Save();
            m_panels[2]->setText(path);
        }
        RichViewEdit1CurTextStyleChanged();
        yuelan();
    } else {
        clearDocument();
        const QString starting = ws.ProjectFolder + untitledName();
        if (QFileInfo(starting).isFile() && loadNative(starting))
            m_panels[2]->setText(starting);
        RichViewEdit1CurTextStyleChanged();
    }
    updateCaption();
}

void TForm3::yuelan()
{
    Workspace &ws = *m_parts.workspace;
    m_editor->verticalScrollBar()->setValue(0);
    m_editor->horizontalScrollBar()->setValue(0);
    QTextCursor cursor = m_editor->textCursor();
    if (cursor.hasSelection()) {
        cursor.clearSelection();
        m_editor->setTextCursor(cursor);
    }
    m_editor->viewport()->update();

    QTextFrameFormat root = document()->rootFrame()->frameFormat();
    if (root.topMargin() != m_offset->value()) {
        root.setTopMargin(m_offset->value());
        document()->rootFrame()->setFrameFormat(root);
    }

    const int H = zoneHeight();
    const int width = std::max(0, int(std::ceil(document()->size().width())));
    // The layout's height already holds the top margin.
    const int laidOut = document()->isEmpty() ? int(root.topMargin()) : int(std::ceil(document()->size().height()));
    const int pages = H > 0 ? (std::max(laidOut, 0) + H - 1) / H : 0;
    const int height = pages * H;
    ZoneRecord &zone = ws.currentZone();
    if (zone.ContentHeight != height) {
        zone.ContentHeight = height;
        markModified(ws);
    }

    QImage picture = RichTextZone::paint(*document(), width, height);
    if (m_bitmapRequest > 0) {
        try {
            ensureExtFileFolder(ws);
            ZoneBitmap::write(m_bitmapPath, picture, width);
        } catch (const Error &error) {
            m_parts.prompts().error(this, error.text());
        }
    }
    m_bitmapRequest = 0;
    if (!picture.isNull())
        ZoneBitmap::drawPageMarks(picture, H, pages);
    m_zoom->showPicture(picture);
}

void TForm3::zoom(int factor)
{
    yuelan();
    m_zoom->zoom(factor);
}

void TForm3::New()
{
    if (!SaveIfNeeded())
        return;
    m_documentFile.clear();
    clearDocument();
    RichViewEdit1CurTextStyleChanged();
    updateCaption();
}

bool TForm3::Open()
{
    Workspace &ws = *m_parts.workspace;
    m_panels[2]->clear();
    if (!SaveIfNeeded())
        return false;
    const DocumentChoice chosen = m_parts.prompts().openDocumentFile(this, ws.ProjectFolder);
    if (chosen.path.isEmpty())
        return false;
    m_panels[1]->clear();
    m_documentFile = chosen.path;
    if (chosen.filter == 2) {
        clearDocument();
        importRtf(chosen.path);
    } else {
        loadNative(chosen.path);
    }
    m_panels[2]->setText(m_documentFile);
    RichViewEdit1CurTextStyleChanged();
    updateCaption();
    return true;
}

bool TForm3::Save()
{
    Workspace &ws = *m_parts.workspace;
    m_panels[1]->clear();
    m_panels[2]->clear();
    if (m_documentFile.isEmpty())
        return SaveAs();
    const QString name = QFileInfo(m_documentFile).fileName();
    m_documentFile = ws.ProjectFolder + name;
    m_bitmapPath = zoneBitmapPath(ws, ws.CurrentProgram, ws.CurrentZone);
    m_bitmapRequest = 100;
    try {
        if (isNativeName(name))
            NativeDocument::save(*document(), m_documentFile);
        else
            RtfWriter::save(*document(), m_documentFile);
    } catch (const Error &error) {
        // Nothing was written: the zone keeps its file and the document stays modified.
        m_bitmapRequest = 0;
        if (isNativeName(name))
            m_parts.prompts().error(this, error.text());
        else
            showReadFailure();
        m_editor->setFocus();
        updateCaption();
        return false;
    }
    ZoneRecord &zone = ws.currentZone();
    const QByteArray stored = toGbk(name);
    if (zone.ContentFile != stored) {
        zone.ContentFile = stored;
        markModified(ws);
    }
    document()->setModified(false);
    m_panels[2]->setText(m_documentFile);
    updateCaption();
    return true;
}

bool TForm3::SaveAs()
{
    Workspace &ws = *m_parts.workspace;
    m_panels[1]->clear();
    m_panels[2]->clear();
    const DocumentChoice chosen = m_parts.prompts().saveDocumentFile(this, ws.ProjectFolder);
    if (chosen.path.isEmpty())
        return false;
    const bool rtf = chosen.filter == 2;
    QString name = QFileInfo(chosen.path).fileName();
    // A bare name takes the extension of its filter, so the file is read back
    // in the format it was written in.
    if (QFileInfo(name).suffix().isEmpty())
        name += rtf ? QStringLiteral(".rtf") : QStringLiteral(".zvf");
    const QString previous = m_documentFile;
    // Both formats are written into the project folder, where the zone finds them.
    m_documentFile = ws.ProjectFolder + name;
    m_panels[2]->setText(m_documentFile);
    if (!Save()) {
        m_documentFile = previous;
        updateCaption();
        return false;
    }
    if (rtf) {
        ws.currentZone().ContentFile = toGbk(m_documentFile);
        markModified(ws);
    }
    return true;
}

bool TForm3::SaveIfNeeded()
{
    if (!document()->isModified())
        return true;
    const int answer = m_parts.prompts().questionYesNoCancel(this, QStringLiteral("请注意:分区已经修改"),
                                                             QStringLiteral("现在保存图文分区修改吗?"));
    if (answer == QMessageBox::Yes)
        return Save();
    return answer == QMessageBox::No;
}

void TForm3::closeEvent(QCloseEvent *event)
{
    const bool mayClose = SaveIfNeeded();
    // The main window shows the zone from its file whether or not the window goes.
    if (m_parts.closing)
        m_parts.closing();
    if (!mayClose) {
        event->ignore();
        return;
    }
    setResult(QDialog::Accepted);
    event->accept();
}

void TForm3::reject()
{
    // Escape closes as the close button does, asking first.
    close();
}

void TForm3::cmbFontClick()
{
    if (m_guard)
        return;
    // Returning the focus to the editor leaves the box again.
    const QScopedValueRollback inBox(m_guard, true);
    const QString face = m_faces->currentText();
    if (face.isEmpty() || m_faces->findText(face, Qt::MatchExactly) < 0)
        QApplication::beep();
    else
        m_actions->applyFontFamily(face);
    m_editor->setFocus();
}

void TForm3::cmbFontSize1Click()
{
    if (m_guard)
        return;
    const QScopedValueRollback inBox(m_guard, true);
    bool number = false;
    const int size = m_sizes->currentText().trimmed().toInt(&number);
    if (!number || size < 1 || size > MaxPointSize)
        QApplication::beep();
    else
        m_actions->applyPointSize(size);
    m_editor->setFocus();
}

void TForm3::RichViewEdit1CurTextStyleChanged()
{
    if (m_guard)
        return;
    const QScopedValueRollback guard(m_guard, true);
    // Showing the caret's style is no change of the document.
    const QSignalBlocker spacing(m_spacing), offset(m_offset), faces(m_faces), sizes(m_sizes);
    const QTextCursor cursor = m_editor->textCursor();
    const QTextBlockFormat block = cursor.blockFormat();
    m_spacing->setValue(block.lineHeightType() == QTextBlockFormat::ProportionalHeight ? int(block.lineHeight()) : 100);
    m_offset->setValue(int(std::lround(document()->rootFrame()->frameFormat().topMargin())));
    const QTextCharFormat format = m_editor->currentCharFormat();
    const QStringList families = format.fontFamilies().toStringList();
    const QString face = families.isEmpty() ? document()->defaultFont().family() : families.constFirst();
    const int index = m_faces->findText(face, Qt::MatchExactly);
    if (index >= 0)
        m_faces->setCurrentIndex(index);
    else
        m_faces->setEditText(face);
    const qreal points = format.fontPointSize() > 0 ? format.fontPointSize() : document()->defaultFont().pointSizeF();
    m_sizes->setEditText(QString::number(std::lround(points)));
}

void TForm3::SpinEdit1Change()
{
    if (m_guard)
        return;
    QTextBlockFormat spacing;
    spacing.setLineHeight(m_spacing->value(), QTextBlockFormat::ProportionalHeight);
    m_editor->textCursor().mergeBlockFormat(spacing);
}

void TForm3::SpinEdit2Change()
{
    if (m_guard)
        return;
    // Changing the frame lays the document out anew; the line spacing stays.
    QTextFrameFormat root = document()->rootFrame()->frameFormat();
    root.setTopMargin(m_offset->value());
    document()->rootFrame()->setFrameFormat(root);
}

bool TForm3::eventFilter(QObject *watched, QEvent *event)
{
    const bool spin = watched == m_spacing || watched == m_offset;
    if (spin) {
        // Only the arrows change the spin boxes.
        if (event->type() == QEvent::KeyPress) {
            switch (static_cast<QKeyEvent *>(event)->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
                return false;
            default:
                return true;
            }
        }
        return event->type() == QEvent::InputMethod || event->type() == QEvent::Drop;
    }
    const bool faceBox = watched == m_faces || watched == m_faces->lineEdit();
    const bool sizeBox = watched == m_sizes || watched == m_sizes->lineEdit();
    if (!faceBox && !sizeBox)
        return QDialog::eventFilter(watched, event);
    auto apply = [this, faceBox] { faceBox ? cmbFontClick() : cmbFontSize1Click(); };
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            apply();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut &&
               static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason) {
        apply();
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace lumetra
