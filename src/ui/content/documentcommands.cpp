// The handlers behind the editing actions.

#include "ui/content/advancedfontdialog.h"
#include "ui/content/documentactions_p.h"
#include "ui/content/editoroverlay.h"
#include "ui/content/editorprompts.h"
#include "ui/content/findreplacedialog.h"
#include "ui/content/itempropertiesdialog.h"
#include "ui/content/pastespecialdialog.h"
#include "ui/content/symboldialog.h"
#include "ui/content/tablepropertiesdialog.h"
#include "ui/content/tftablesize.h"

#include "content/richtextzone.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QImageReader>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>

namespace lumetra {

namespace {

const char *const PictureFilter =
    "图片文件 (*.bmp *.png *.jpg *.jpeg *.gif *.BMP *.PNG *.JPG *.JPEG *.GIF);;所有文件 (*)";

// Runs over the selection, or the caret's own format, with the property
// removed rather than set: merging cannot take a property away.
template <typename F> void rewriteRuns(QTextEdit *editor, F change)
{
    QTextCursor cursor = editor->textCursor();
    if (!cursor.hasSelection()) {
        QTextCharFormat f = editor->currentCharFormat();
        change(f);
        editor->setCurrentCharFormat(f);
        return;
    }
    QTextDocument *document = editor->document();
    const int from = cursor.selectionStart();
    const int to = cursor.selectionEnd();
    std::vector<std::tuple<int, int, QTextCharFormat>> pieces;
    for (QTextBlock block = document->findBlock(from); block.isValid() && block.position() < to; block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int start = std::max(from, fragment.position());
            const int end = std::min(to, fragment.position() + fragment.length());
            if (start >= end)
                continue;
            QTextCharFormat f = fragment.charFormat();
            change(f);
            pieces.emplace_back(start, end, f);
        }
    }
    QTextCursor edit(document);
    edit.beginEditBlock();
    for (const auto &[start, end, format] : pieces) {
        edit.setPosition(start);
        edit.setPosition(end, QTextCursor::KeepAnchor);
        edit.setCharFormat(format);
    }
    edit.endEditBlock();
}

} // namespace

qreal DocumentActions::Private::defaultPointSize() const
{
    const qreal size = editor->document()->defaultFont().pointSizeF();
    return size > 0 ? size : 9;
}

void DocumentActions::Private::mergeCharFormat(const QTextCharFormat &format)
{
    editor->mergeCurrentCharFormat(format);
    updateStates();
}

void DocumentActions::Private::clearCharProperty(int property)
{
    rewriteRuns(editor, [property](QTextCharFormat &f) { f.clearProperty(property); });
    updateStates();
}

void DocumentActions::Private::setTextColour(const QColor &colour)
{
    setCharBrush(QTextFormat::ForegroundBrush, colour);
}

void DocumentActions::Private::setTextBackground(const QColor &colour)
{
    setCharBrush(QTextFormat::BackgroundBrush, colour);
}

// An invalid colour is "自动": the property goes and the document's own
// colour shows.
void DocumentActions::Private::setCharBrush(int property, const QColor &colour)
{
    if (!colour.isValid()) {
        clearCharProperty(property);
        return;
    }
    QTextCharFormat f;
    f.setProperty(property, QBrush(colour));
    mergeCharFormat(f);
}

void DocumentActions::Private::setParagraphColour(const QColor &colour)
{
    QTextCursor cursor = editor->textCursor();
    QTextDocument *document = editor->document();
    const QTextBlock last = document->findBlock(cursor.selectionEnd());
    QTextCursor edit(document);
    edit.beginEditBlock();
    for (QTextBlock block = document->findBlock(cursor.selectionStart()); block.isValid(); block = block.next()) {
        QTextBlockFormat f = block.blockFormat();
        if (colour.isValid())
            f.setBackground(colour);
        else
            f.clearBackground();
        edit.setPosition(block.position());
        edit.setBlockFormat(f);
        if (block == last)
            break;
    }
    edit.endEditBlock();
}

QColor DocumentActions::Private::askColour(const QColor &initial) const
{
    return EditorPrompts::colour(dialogParent, initial.isValid() ? initial : QColor(Qt::red));
}

void DocumentActions::Private::warnUnreadable(const QString &path) const
{
    Q_UNUSED(path);
    EditorPrompts::warning(dialogParent, RichTextZone::importFailedTitle(), RichTextZone::importFailedText());
}

void DocumentActions::Private::showFind(bool replace)
{
    if (!find)
        find = new FindReplaceDialog(editor, dialogParent);
    find->showFind(replace);
}

void DocumentActions::Private::findNext()
{
    if (!find || find->findText().isEmpty()) {
        showFind(false);
        return;
    }
    if (!find->findNext())
        QApplication::beep();
}

void DocumentActions::Private::insertPicture()
{
    const QString path =
        EditorPrompts::openFile(dialogParent, QStringLiteral("插入图片"), QString::fromUtf8(PictureFilter));
    if (path.isEmpty())
        return;
    QImageReader reader(path);
    const QImage image = reader.size().width() > 8192 || reader.size().height() > 8192 ? QImage() : reader.read();
    if (image.isNull()) {
        warnUnreadable(path);
        return;
    }
    QTextCursor cursor = editor->textCursor();
    TextEditing::insertPicture(cursor, image);
    editor->setTextCursor(cursor);
}

void DocumentActions::Private::insertFile()
{
    const QString path = EditorPrompts::openFile(
        dialogParent, QStringLiteral("插入文件"),
        QStringLiteral("所有支持的文件 (*.rtf *.zvf *.txt *.bmp *.png *.jpg *.jpeg *.gif *.RTF *.ZVF *.TXT);;"
                       "RTF 文件 (*.rtf *.RTF);;ZaVivEvov Format Files (*.zvf);;文本文件 (*.txt *.TXT);;所有文件 (*)"));
    if (path.isEmpty())
        return;
    QTextCursor cursor = editor->textCursor();
    cursor.beginEditBlock();
    const TextEditing::FileResult result = TextEditing::insertFile(cursor, path);
    cursor.endEditBlock();
    editor->setTextCursor(cursor);
    if (result == TextEditing::FileResult::Failed)
        warnUnreadable(path);
    else if (result == TextEditing::FileResult::Unsupported)
        QApplication::beep();
}

void DocumentActions::Private::insertSymbol()
{
    SymbolDialog dialog(dialogParent);
    if (EditorPrompts::exec(dialog) != QDialog::Accepted || dialog.symbol().isEmpty())
        return;
    editor->textCursor().insertText(dialog.symbol());
}

void DocumentActions::Private::pasteSpecial()
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    PasteSpecialDialog dialog(data, dialogParent);
    if (!dialog.hasChoices() || EditorPrompts::exec(dialog) != QDialog::Accepted)
        return;
    QTextCursor cursor = editor->textCursor();
    cursor.beginEditBlock();
    TextEditing::paste(cursor, QApplication::clipboard()->mimeData(), dialog.kind());
    cursor.endEditBlock();
    editor->setTextCursor(cursor);
}

void DocumentActions::Private::fontStandard()
{
    const QTextCharFormat current = editor->currentCharFormat();
    QFont initial = current.font();
    if (initial.pointSizeF() <= 0)
        initial.setPointSizeF(defaultPointSize());
    const std::optional<QFont> font = EditorPrompts::font(dialogParent, initial);
    if (!font)
        return;
    QTextCharFormat f;
    f.setFontFamilies({font->family()});
    if (font->pointSizeF() > 0)
        f.setFontPointSize(font->pointSizeF());
    f.setFontWeight(font->weight());
    f.setFontItalic(font->italic());
    f.setFontUnderline(font->underline());
    f.setFontStrikeOut(font->strikeOut());
    mergeCharFormat(f);
}

void DocumentActions::Private::fontAdvanced()
{
    AdvancedFontDialog dialog(editor->currentCharFormat(), defaultPointSize(), dialogParent);
    if (EditorPrompts::exec(dialog) != QDialog::Accepted)
        return;
    const QTextCharFormat f = dialog.format();
    mergeCharFormat(f);
    if (!f.hasProperty(QTextFormat::ForegroundBrush))
        clearCharProperty(QTextFormat::ForegroundBrush);
    if (f.background().style() == Qt::NoBrush)
        clearCharProperty(QTextFormat::BackgroundBrush);
}

void DocumentActions::Private::documentBackground()
{
    const QString path =
        EditorPrompts::openFile(dialogParent, QStringLiteral("背景图片"), QString::fromUtf8(PictureFilter));
    if (path.isEmpty())
        return;
    QImageReader reader(path);
    const QImage image = reader.size().width() > 8192 || reader.size().height() > 8192 ? QImage() : reader.read();
    if (image.isNull()) {
        warnUnreadable(path);
        return;
    }
    QTextFrameFormat f = editor->document()->rootFrame()->frameFormat();
    f.setBackground(QBrush(image));
    QTextCursor cursor(editor->document());
    cursor.beginEditBlock();
    editor->document()->rootFrame()->setFrameFormat(f);
    cursor.endEditBlock();
}

void DocumentActions::Private::documentBackgroundColour()
{
    QTextFrameFormat f = editor->document()->rootFrame()->frameFormat();
    const QColor colour = askColour(f.background().style() == Qt::SolidPattern ? f.background().color() : Qt::black);
    if (!colour.isValid())
        return;
    f.setBackground(colour);
    editor->document()->rootFrame()->setFrameFormat(f);
}

void DocumentActions::Private::fillColour()
{
    QTextCursor cursor = editor->textCursor();
    if (cursor.currentTable()) {
        const QColor colour = askColour(cursor.currentTable()->cellAt(cursor).format().background().color());
        if (colour.isValid())
            TableEditing::setCellBackground(cursor, colour);
        return;
    }
    const QColor colour = askColour(cursor.blockFormat().background().color());
    if (colour.isValid())
        setParagraphColour(colour);
}

void DocumentActions::Private::itemProperties()
{
    QTextCursor cursor = editor->textCursor();
    QTextDocument *document = editor->document();
    // The picture selected, or just before or after the caret.
    int picture = -1;
    for (int at : {cursor.selectionStart(), cursor.position() - 1}) {
        if (at >= 0 && document->characterAt(at) == QChar::ObjectReplacementCharacter) {
            QTextCursor probe(document);
            probe.setPosition(at + 1);
            if (probe.charFormat().isImageFormat()) {
                picture = at;
                break;
            }
        }
    }
    if (picture >= 0) {
        QTextCursor edit(document);
        edit.setPosition(picture + 1);
        const QTextImageFormat format = edit.charFormat().toImageFormat();
        const QImage image =
            qvariant_cast<QImage>(document->resource(QTextDocument::ImageResource, QUrl(format.name())));
        ItemPropertiesDialog dialog(format, image.size(), dialogParent);
        if (EditorPrompts::exec(dialog) != QDialog::Accepted)
            return;
        edit.setPosition(picture);
        edit.setPosition(picture + 1, QTextCursor::KeepAnchor);
        edit.setCharFormat(dialog.picture());
        return;
    }
    if (QTextTable *table = cursor.currentTable()) {
        ItemPropertiesDialog dialog(table->cellAt(cursor).format().toTableCellFormat(), dialogParent);
        if (EditorPrompts::exec(dialog) != QDialog::Accepted)
            return;
        const QTextTableCellFormat chosen = dialog.cell();
        tableCommand([&chosen](QTextCursor &c) {
            TableEditing::setCellBackground(
                c, chosen.background().style() == Qt::NoBrush ? QColor() : chosen.background().color());
            return TableEditing::setCellAlignment(c, chosen.verticalAlignment());
        });
        return;
    }
    QApplication::beep();
}

void DocumentActions::Private::tableProperties()
{
    QTextTable *table = editor->textCursor().currentTable();
    if (!table)
        return;
    TablePropertiesDialog dialog(table, dialogParent);
    if (EditorPrompts::exec(dialog) == QDialog::Accepted)
        dialog.apply(table);
}

void DocumentActions::Private::showSpecialCharacters(bool on)
{
    // Not through the document's text option: the zone's bitmap is painted
    // from a copy of the document and would show the marks on the sign.
    overlay->setSpecialCharacters(on);
}

void DocumentActions::Private::changeCase(TextEditing::Case mode)
{
    QTextCursor cursor = editor->textCursor();
    if (TextEditing::changeCase(cursor, mode))
        editor->setTextCursor(cursor);
}

bool DocumentActions::Private::tableCommand(const std::function<bool(QTextCursor &)> &command)
{
    QTextCursor cursor = editor->textCursor();
    if (!command(cursor))
        return false;
    editor->setTextCursor(cursor);
    updateStates();
    return true;
}

void DocumentActions::Private::cellBorder(TableEditing::Side side, bool on)
{
    const TableSizeValues &values = TF_TABLE_SIZE::instance().values();
    const qreal width = on ? std::max(1, values.cellWidth) : 0;
    tableCommand([&](QTextCursor &c) { return TableEditing::setCellBorder(c, side, width, values.cellColour); });
}

void DocumentActions::Private::cellBorders(bool on)
{
    const TableSizeValues &values = TF_TABLE_SIZE::instance().values();
    const qreal width = on ? std::max(1, values.cellWidth) : 0;
    tableCommand([&](QTextCursor &c) { return TableEditing::setAllCellBorders(c, width, values.cellColour); });
}

} // namespace lumetra
