#include "content/document/nativedocument.h"
#include "content/richtextzone.h"
#include "content/rtf/rtfreader.h"
#include "content/rtf/rtfwriter.h"
#include "model/gbk.h"
#include "ui/content/colourpicker.h"
#include "ui/content/documentactions.h"
#include "ui/content/editorprompts.h"
#include "ui/content/findreplacedialog.h"
#include "ui/content/textediting.h"
#include "ui/content/tftablesize.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextTable>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidgetAction>

#include <memory>

using namespace lumetra;

namespace {

// The editor as the window sets it up: black, red text, no margins.
struct Editor
{
    QWidget window;
    QTextEdit *edit;
    DocumentActions *actions;

    Editor()
    {
        auto *layout = new QVBoxLayout(&window);
        edit = new QTextEdit(&window);
        layout->addWidget(edit);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, Qt::black);
        palette.setColor(QPalette::Text, Qt::red);
        edit->setPalette(palette);
        edit->document()->setDocumentMargin(0);
        QFont font = edit->document()->defaultFont();
        font.setPointSize(12);
        edit->document()->setDefaultFont(font);
        actions = new DocumentActions(edit, &window);
        window.resize(400, 300);
        window.show();
    }

    QAction *act(const char *name) const
    {
        QAction *a = actions->action(QString::fromLatin1(name));
        if (!a)
            qFatal("no action %s", name);
        return a;
    }
    void trigger(const char *name) const { act(name)->trigger(); }
    QTextTable *table() const
    {
        for (QTextFrame *frame : edit->document()->rootFrame()->childFrames()) {
            if (auto *t = qobject_cast<QTextTable *>(frame))
                return t;
        }
        return nullptr;
    }
    void caretInCell(int row, int column) const
    {
        edit->setTextCursor(table()->cellAt(row, column).firstCursorPosition());
    }
    void selectCells(int row0, int column0, int row1, int column1) const
    {
        QTextCursor c = edit->textCursor();
        c.setPosition(table()->cellAt(row0, column0).firstPosition());
        c.setPosition(table()->cellAt(row1, column1).lastPosition(), QTextCursor::KeepAnchor);
        edit->setTextCursor(c);
    }
};

// Answers TF_TABLE_SIZE as the operator does: spin boxes, then a button.
void answerTableDialog(int columns, int rows, int outer, int inner, bool ok = true)
{
    EditorPrompts::runModal = [=](QDialog &dialog) {
        dialog.findChild<QSpinBox *>("SpinEdit2")->setValue(columns);
        dialog.findChild<QSpinBox *>("SpinEdit1")->setValue(rows);
        dialog.findChild<QSpinBox *>("SpinEdit3")->setValue(outer);
        dialog.findChild<QSpinBox *>("SpinEdit4")->setValue(inner);
        dialog.findChild<QPushButton *>(ok ? "bok" : "bcancel")->click();
        return dialog.result();
    };
}

std::unique_ptr<QTextDocument> reloaded(const QTextDocument &document)
{
    auto copy = std::make_unique<QTextDocument>();
    NativeDocument::deserialize(*copy, NativeDocument::serialize(document));
    return copy;
}

QTextTable *firstTable(QTextDocument &document)
{
    for (QTextFrame *frame : document.rootFrame()->childFrames()) {
        if (auto *t = qobject_cast<QTextTable *>(frame))
            return t;
    }
    return nullptr;
}

QString cellText(QTextTable *table, int row, int column)
{
    const QTextTableCell cell = table->cellAt(row, column);
    QTextCursor c = cell.firstCursorPosition();
    c.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
    return c.selectedText();
}

void fillCells(QTextTable *table)
{
    for (int r = 0; r < table->rows(); ++r) {
        for (int c = 0; c < table->columns(); ++c)
            table->cellAt(r, c).firstCursorPosition().insertText(QStringLiteral("%1%2").arg(r).arg(c));
    }
}

} // namespace

class TestDocumentActions : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { EditorPrompts::reset(); }

    void tableThroughDialogSurvivesNativeSave();
    void tableDialogKeepsItsValues();
    void formattingActions_data();
    void formattingActions();
    void sizeStepsEachRun();
    void checkStatesFollowCaret();
    void fontFaceAndSizeForTypedText();
    void insertAndDeleteRowsAndColumns();
    void tableActionsNeedATable();
    void cellBordersAndAlignmentSurviveSave_data();
    void cellBordersAndAlignmentSurviveSave();
    void splitRestoresMergedCells();
    void replaceAll_data();
    void replaceAll();
    void characterCase_data();
    void characterCase();
    void pasteSpecialPlainTextDropsFormatting();
    void insertFileByExtension_data();
    void insertFileByExtension();
    void insertedDocumentKeepsBothPictures();
    void gridLinesAreNeverSaved();
    void specialCharactersOnlyOnScreen();
    void colourButtonHeldWhilePickerOpen();
    void menusHoldTheirEntries();
    void findNextWalksThroughMatches();
    void sizeStepForTypedText();
    void fontDialogs();
    void pictureAndCellProperties();
    void tablePropertiesApplyToEveryCell();
    void documentBackground();
    void symbolInserted();
};

void TestDocumentActions::tableThroughDialogSurvivesNativeSave()
{
    Editor e;
    answerTableDialog(3, 2, 2, 2);
    QVERIFY(e.actions->insertTableFromDialog());
    QTextTable *table = e.table();
    QVERIFY(table);
    QCOMPARE(table->columns(), 3);
    QCOMPARE(table->rows(), 2);
    fillCells(table);

    e.selectCells(0, 0, 0, 1);
    QVERIFY(e.act("actMergeCells")->isEnabled());
    e.trigger("actMergeCells");
    QCOMPARE(table->cellAt(0, 0).columnSpan(), 2);

    auto copy = reloaded(*e.edit->document());
    QTextTable *loaded = firstTable(*copy);
    QVERIFY(loaded);
    QCOMPARE(loaded->rows(), 2);
    QCOMPARE(loaded->columns(), 3);
    QCOMPARE(loaded->cellAt(0, 0).columnSpan(), 2);
    QCOMPARE(loaded->cellAt(0, 1).column(), 0); // covered by the merged cell
    QCOMPARE(cellText(loaded, 1, 2), QStringLiteral("12"));
    const QTextTableFormat format = loaded->format();
    QCOMPARE(format.border(), 2.0);
    QCOMPARE(format.borderBrush().color(), QColor(Qt::red));
    QCOMPARE(format.borderStyle(), QTextFrameFormat::BorderStyle_Solid);
    QCOMPARE(format.cellPadding(), 4.0);
    QCOMPARE(format.cellSpacing(), 0.0);
    QVERIFY(format.borderCollapse());
    QCOMPARE(format.background().style(), Qt::NoBrush);
    QCOMPARE(format.columnWidthConstraints().value(0), QTextLength(QTextLength::FixedLength, 45));
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 3; ++c) {
            const QTextTableCellFormat cell = loaded->cellAt(r, c).format().toTableCellFormat();
            QCOMPARE(cell.leftBorder(), 2.0);
            QCOMPARE(cell.bottomBorder(), 2.0);
            QCOMPARE(cell.topBorderBrush().color(), QColor(Qt::red));
        }
    }
}

void TestDocumentActions::tableDialogKeepsItsValues()
{
    TF_TABLE_SIZE &dialog = TF_TABLE_SIZE::instance();
    QCOMPARE(&dialog, &TF_TABLE_SIZE::instance());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("插入表格"));
    QCOMPARE(dialog.findChild<QSpinBox *>("SpinEdit2")->maximum(), 63);
    QCOMPARE(dialog.findChild<QSpinBox *>("SpinEdit3")->minimum(), 0);

    Editor e;
    // Panel1 takes the colour the colour dialog answers.
    EditorPrompts::colour = [](QWidget *, const QColor &) { return QColor(Qt::blue); };
    EditorPrompts::runModal = [](QDialog &d) {
        d.findChild<QSpinBox *>("SpinEdit2")->setValue(4);
        d.findChild<QSpinBox *>("SpinEdit1")->setValue(5);
        d.findChild<QSpinBox *>("SpinEdit3")->setValue(6);
        d.findChild<QSpinBox *>("SpinEdit4")->setValue(0);
        QTest::mouseClick(d.findChild<QWidget *>("Panel1"), Qt::LeftButton);
        d.findChild<QPushButton *>("bok")->click();
        return d.result();
    };
    QVERIFY(e.actions->insertTableFromDialog());

    // Second use: shows what was stored; an edit that is cancelled is lost.
    QList<int> shown;
    EditorPrompts::runModal = [&shown](QDialog &d) {
        for (const char *name : {"SpinEdit2", "SpinEdit1", "SpinEdit3", "SpinEdit4"}) {
            shown << d.findChild<QSpinBox *>(name)->value();
            d.findChild<QSpinBox *>(name)->setValue(9);
        }
        d.findChild<QPushButton *>("bcancel")->click();
        return d.result();
    };
    QVERIFY(!e.actions->insertTableFromDialog());
    QCOMPARE(shown, (QList<int>{4, 5, 6, 0}));
    const TableSizeValues &v = dialog.values();
    QCOMPARE(v.columns, 4);
    QCOMPARE(v.rows, 5);
    QCOMPARE(v.outerWidth, 6);
    QCOMPARE(v.cellWidth, 0);
    QCOMPARE(v.outerColour, QColor(Qt::blue));
    QCOMPARE(v.cellColour, QColor(Qt::red));

    shown.clear();
    QVERIFY(!e.actions->insertTableFromDialog());
    QCOMPARE(shown, (QList<int>{4, 5, 6, 0}));
    QCOMPARE(e.table()->columns(), 4);
    QCOMPARE(e.table()->format().borderBrush().color(), QColor(Qt::blue));

    // Leave the shared dialog as the other tests expect it.
    answerTableDialog(2, 2, 1, 1);
    EditorPrompts::colour = [](QWidget *, const QColor &) { return QColor(Qt::red); };
    EditorPrompts::runModal = [](QDialog &d) {
        d.findChild<QSpinBox *>("SpinEdit4")->setValue(1);
        QTest::mouseClick(d.findChild<QWidget *>("Panel1"), Qt::LeftButton);
        d.findChild<QPushButton *>("bok")->click();
        return d.result();
    };
    QVERIFY(e.actions->insertTableFromDialog());
}

void TestDocumentActions::formattingActions_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("block");
    QTest::addColumn<int>("property");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("bold") << "actBold" << false << int(QTextFormat::FontWeight) << QVariant(int(QFont::Bold));
    QTest::newRow("italic") << "actItalic" << false << int(QTextFormat::FontItalic) << QVariant(true);
    QTest::newRow("underline") << "actUnderline" << false << int(QTextFormat::TextUnderlineStyle)
                               << QVariant(int(QTextCharFormat::SingleUnderline));
    QTest::newRow("strike") << "actStrikeOut" << false << int(QTextFormat::FontStrikeOut) << QVariant(true);
    QTest::newRow("overline") << "actOverline" << false << int(QTextFormat::FontOverline) << QVariant(true);
    QTest::newRow("all capitals") << "actAllCaps" << false << int(QTextFormat::FontCapitalization)
                                  << QVariant(int(QFont::AllUppercase));
    QTest::newRow("grow one point") << "actFontGrowOnePoint" << false << int(QTextFormat::FontPointSize)
                                    << QVariant(13.0);
    QTest::newRow("shrink one point") << "actFontShrinkOnePoint" << false << int(QTextFormat::FontPointSize)
                                      << QVariant(11.0);
    QTest::newRow("grow") << "actFontGrow" << false << int(QTextFormat::FontPointSize) << QVariant(14.0);
    QTest::newRow("shrink") << "actFontShrink" << false << int(QTextFormat::FontPointSize) << QVariant(11.0);
    QTest::newRow("centre") << "actAlignCenter" << true << int(QTextFormat::BlockAlignment)
                            << QVariant(int(Qt::AlignHCenter));
    QTest::newRow("right") << "actAlignRight" << true << int(QTextFormat::BlockAlignment)
                           << QVariant(int(Qt::AlignRight));
    QTest::newRow("justify") << "actAlignJustify" << true << int(QTextFormat::BlockAlignment)
                             << QVariant(int(Qt::AlignJustify));
    QTest::newRow("indent") << "actIndentInc" << true << int(QTextFormat::BlockIndent) << QVariant(1);
}

void TestDocumentActions::formattingActions()
{
    QFETCH(QString, action);
    QFETCH(bool, block);
    QFETCH(int, property);
    QFETCH(QVariant, expected);

    Editor e;
    QTextCursor c = e.edit->textCursor();
    QTextCharFormat twelve;
    twelve.setFontPointSize(12);
    c.insertText(QStringLiteral("first line"), twelve);
    c.insertBlock();
    c.insertText(QStringLiteral("second"), twelve);
    c.insertBlock();
    c.insertText(QStringLiteral("untouched"), twelve);
    // Everything but the last paragraph.
    c.setPosition(2);
    c.setPosition(e.edit->document()->findBlockByNumber(1).position() + 3, QTextCursor::KeepAnchor);
    e.edit->setTextCursor(c);

    e.trigger(action.toLatin1().constData());

    QTextDocument *doc = e.edit->document();
    for (int n = 0; n < 3; ++n) {
        const QTextBlock b = doc->findBlockByNumber(n);
        QTextCursor probe(doc);
        probe.setPosition(b.position() + 3); // after the third character
        const QTextFormat format = block ? QTextFormat(b.blockFormat()) : QTextFormat(probe.charFormat());
        if (n < 2)
            QCOMPARE(format.property(property), expected);
        else
            QVERIFY2(format.property(property) != expected, "applied beyond the selection");
    }
    if (!block) {
        // The first two characters lie outside the selection.
        QTextCursor before(doc);
        before.setPosition(1);
        QVERIFY(before.charFormat().property(property) != expected);
    }
}

void TestDocumentActions::sizeStepsEachRun()
{
    Editor e;
    QTextCursor c = e.edit->textCursor();
    QTextCharFormat small, large;
    small.setFontPointSize(10);
    large.setFontPointSize(20);
    c.insertText(QStringLiteral("ab"), small);
    c.insertText(QStringLiteral("cd"), large);
    c.select(QTextCursor::Document);
    e.edit->setTextCursor(c);
    e.trigger("actFontGrowOnePoint");
    QTextCursor probe(e.edit->document());
    probe.setPosition(1);
    QCOMPARE(probe.charFormat().fontPointSize(), 11.0);
    probe.setPosition(4);
    QCOMPARE(probe.charFormat().fontPointSize(), 21.0);
    e.trigger("actFontShrink");
    QCOMPARE(probe.charFormat().fontPointSize(), 20.0);
    probe.setPosition(1);
    QCOMPARE(probe.charFormat().fontPointSize(), 10.0);
}

void TestDocumentActions::checkStatesFollowCaret()
{
    Editor e;
    QTextCursor c = e.edit->textCursor();
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setFontOverline(true);
    c.insertText(QStringLiteral("plain"), QTextCharFormat());
    c.insertText(QStringLiteral("bold"), bold);
    c.setPosition(7);
    e.edit->setTextCursor(c);
    QVERIFY(e.act("actBold")->isChecked());
    QVERIFY(e.act("actOverline")->isChecked());
    QVERIFY(!e.act("actItalic")->isChecked());
    c.setPosition(2);
    e.edit->setTextCursor(c);
    QVERIFY(!e.act("actBold")->isChecked());
    QVERIFY(e.act("actAlignLeft")->isChecked());

    // Unchecking bold on a bold selection makes it plain.
    c.setPosition(5);
    c.setPosition(9, QTextCursor::KeepAnchor);
    e.edit->setTextCursor(c);
    QVERIFY(e.act("actBold")->isChecked());
    e.trigger("actBold");
    QTextCursor probe(e.edit->document());
    probe.setPosition(7);
    QCOMPARE(probe.charFormat().fontWeight(), int(QFont::Normal));
}

void TestDocumentActions::fontFaceAndSizeForTypedText()
{
    Editor e;
    e.edit->setFocus();
    e.actions->applyFontFamily(QStringLiteral("DejaVu Serif"));
    e.actions->applyPointSize(31);
    QTest::keyClicks(e.edit, QStringLiteral("ab"));
    QTextCursor probe(e.edit->document());
    probe.setPosition(2);
    QCOMPARE(probe.charFormat().fontPointSize(), 31.0);
    QCOMPARE(probe.charFormat().fontFamilies().toStringList().value(0), QStringLiteral("DejaVu Serif"));

    // On a selection: only the selection changes.
    probe.setPosition(1, QTextCursor::KeepAnchor);
    e.edit->setTextCursor(probe);
    e.actions->applyPointSize(8);
    QTextCursor first(e.edit->document());
    first.setPosition(1);
    QCOMPARE(first.charFormat().fontPointSize(), 31.0);
    first.setPosition(2);
    QCOMPARE(first.charFormat().fontPointSize(), 8.0);
}

void TestDocumentActions::insertAndDeleteRowsAndColumns()
{
    Editor e;
    answerTableDialog(2, 2, 1, 3);
    QVERIFY(e.actions->insertTableFromDialog());
    QTextTable *table = e.table();
    fillCells(table);

    e.caretInCell(0, 0);
    e.trigger("actInsertColumnRight");
    QCOMPARE(table->columns(), 3);
    QCOMPARE(cellText(table, 0, 1), QString());
    QCOMPARE(cellText(table, 0, 2), QStringLiteral("01"));
    // New cells look like their neighbours.
    QCOMPARE(table->cellAt(1, 1).format().toTableCellFormat().leftBorder(), 3.0);

    e.caretInCell(0, 0);
    e.trigger("actInsertColumnLeft");
    QCOMPARE(table->columns(), 4);
    QCOMPARE(cellText(table, 0, 1), QStringLiteral("00"));

    e.caretInCell(1, 1);
    e.trigger("actInsertRowAbove");
    QCOMPARE(table->rows(), 3);
    QCOMPARE(cellText(table, 2, 1), QStringLiteral("10"));
    e.caretInCell(2, 1);
    e.trigger("actInsertRowBelow");
    QCOMPARE(table->rows(), 4);
    QCOMPARE(cellText(table, 2, 1), QStringLiteral("10"));
    QCOMPARE(table->cellAt(3, 1).format().toTableCellFormat().topBorder(), 3.0);

    // Delete the two selected rows, then the two selected columns.
    e.selectCells(1, 0, 2, 1);
    e.trigger("actDeleteRows");
    QCOMPARE(table->rows(), 2);
    QCOMPARE(cellText(table, 1, 1), QString());
    e.selectCells(0, 0, 1, 1);
    e.trigger("actDeleteColumns");
    QCOMPARE(table->columns(), 2);
    QCOMPARE(cellText(table, 0, 0), QString());
    QCOMPARE(cellText(table, 0, 1), QStringLiteral("01"));

    // Deleting every row deletes the table, and one undo brings it back.
    e.selectCells(0, 0, 1, 0);
    e.trigger("actDeleteRows");
    QVERIFY(!e.table());
    e.edit->undo();
    QVERIFY(e.table());
    QCOMPARE(e.table()->rows(), 2);

    e.caretInCell(0, 0);
    e.trigger("actDeleteTable");
    QVERIFY(!e.table());
}

void TestDocumentActions::tableActionsNeedATable()
{
    Editor e;
    e.edit->insertPlainText(QStringLiteral("text"));
    for (const char *name : {"actInsertRowBelow", "actDeleteColumns", "actDeleteTable", "actMergeCells",
                             "actCellBorderAll", "actCellAlignMiddle", "actSelectTable"})
        QVERIFY2(!e.act(name)->isEnabled(), name);
    answerTableDialog(2, 2, 1, 1);
    QVERIFY(e.actions->insertTableFromDialog());
    QVERIFY(e.act("actInsertRowBelow")->isEnabled());
    QVERIFY(!e.act("actMergeCells")->isEnabled()); // one cell is no merge
    QVERIFY(!e.act("actSplitCells")->isEnabled());
    std::unique_ptr<QMenu> menu(e.actions->contextMenu(&e.window));
    QVERIFY(menu->actions().contains(e.act("actInsertRowBelow")));
    QVERIFY(menu->actions().contains(e.act("actPaste")));

    QTextCursor outside(e.edit->document());
    outside.movePosition(QTextCursor::End);
    e.edit->setTextCursor(outside);
    std::unique_ptr<QMenu> plain(e.actions->contextMenu(&e.window));
    QVERIFY(!plain->actions().contains(e.act("actInsertRowBelow")));
    QVERIFY(plain->actions().contains(e.act("actSelectAll")));
}

void TestDocumentActions::cellBordersAndAlignmentSurviveSave_data()
{
    QTest::addColumn<bool>("rtf");
    QTest::newRow("native") << false;
    QTest::newRow("rtf") << true;
}

void TestDocumentActions::cellBordersAndAlignmentSurviveSave()
{
    Editor e;
    answerTableDialog(2, 2, 1, 1);
    QVERIFY(e.actions->insertTableFromDialog());

    e.caretInCell(0, 0);
    e.trigger("actCellBorderNone");
    QVERIFY(!e.act("actCellBorderLeft")->isChecked());
    e.trigger("actCellBorderLeft");
    e.trigger("actCellBorderBottom");
    QVERIFY(e.act("actCellBorderLeft")->isChecked());
    QVERIFY(!e.act("actCellBorderTop")->isChecked());
    e.trigger("actCellAlignBottom");
    QVERIFY(e.act("actCellAlignBottom")->isChecked());

    e.caretInCell(1, 1);
    e.trigger("actCellAlignMiddle");
    e.trigger("actCellBorderRight"); // was on: now off
    QVERIFY(!e.act("actCellBorderRight")->isChecked());

    e.caretInCell(0, 0);
    QVERIFY(e.act("actCellAlignBottom")->isChecked());

    QFETCH(bool, rtf);
    auto copy = rtf ? std::make_unique<QTextDocument>() : reloaded(*e.edit->document());
    if (rtf)
        QVERIFY(RtfReader().read(*copy, RtfWriter::write(*e.edit->document())));
    QTextTable *table = firstTable(*copy);
    QVERIFY(table);
    const QTextTableCellFormat a = table->cellAt(0, 0).format().toTableCellFormat();
    QCOMPARE(a.leftBorder(), 1.0);
    QCOMPARE(a.rightBorder(), 0.0);
    QCOMPARE(a.topBorder(), 0.0);
    QCOMPARE(a.bottomBorder(), 1.0);
    QCOMPARE(a.leftBorderBrush().color(), QColor(Qt::red));
    QCOMPARE(a.verticalAlignment(), QTextCharFormat::AlignBottom);
    const QTextTableCellFormat d = table->cellAt(1, 1).format().toTableCellFormat();
    QCOMPARE(d.verticalAlignment(), QTextCharFormat::AlignMiddle);
    QCOMPARE(d.rightBorder(), 0.0);
    QCOMPARE(d.leftBorder(), 1.0);
    QCOMPARE(table->cellAt(0, 1).format().verticalAlignment(), QTextCharFormat::AlignNormal);
}

void TestDocumentActions::splitRestoresMergedCells()
{
    Editor e;
    answerTableDialog(3, 3, 1, 2);
    QVERIFY(e.actions->insertTableFromDialog());
    QTextTable *table = e.table();
    e.selectCells(0, 0, 1, 1);
    e.trigger("actMergeCells");
    QCOMPARE(table->cellAt(1, 1).row(), 0);
    e.caretInCell(0, 0);
    QVERIFY(e.act("actSplitCells")->isEnabled());
    e.trigger("actSplitCells");
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 2; ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            QCOMPARE(cell.row(), r);
            QCOMPARE(cell.column(), c);
            QCOMPARE(cell.rowSpan(), 1);
            QCOMPARE(cell.format().toTableCellFormat().leftBorder(), 2.0);
        }
    }
}

void TestDocumentActions::replaceAll_data()
{
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("count");
    // The replacement holds the searched word: it is not replaced again.
    QTest::newRow("any case") << false << false << "dog cat dog cat dog catalog" << 3;
    QTest::newRow("match case") << true << false << "dog cat Cat dog catalog" << 2;
    QTest::newRow("whole words") << false << true << "dog cat dog cat catalog" << 2;
}

void TestDocumentActions::replaceAll()
{
    QFETCH(bool, matchCase);
    QFETCH(bool, wholeWord);
    QFETCH(QString, expected);
    QFETCH(int, count);

    Editor e;
    e.edit->setPlainText(QStringLiteral("cat Cat catalog"));
    e.trigger("actReplace");
    auto *dialog = e.window.findChild<FindReplaceDialog *>("FindReplaceDialog");
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    dialog->findChild<QLineEdit *>("EditFind")->setText(QStringLiteral("cat"));
    dialog->findChild<QLineEdit *>("EditReplace")->setText(QStringLiteral("dog cat"));
    dialog->findChild<QCheckBox *>("CheckCase")->setChecked(matchCase);
    dialog->findChild<QCheckBox *>("CheckWholeWord")->setChecked(wholeWord);
    QCOMPARE(dialog->replaceAll(), count);
    QCOMPARE(e.edit->toPlainText(), expected);
    // One undo step for all of them.
    e.edit->undo();
    QCOMPARE(e.edit->toPlainText(), QStringLiteral("cat Cat catalog"));
}

void TestDocumentActions::characterCase_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("upper") << "actCaseUpper"
                           << "hello World 中文"
                           << "HELLO WORLD 中文";
    QTest::newRow("lower") << "actCaseLower"
                           << "HeLLo WORLD"
                           << "hello world";
    QTest::newRow("sentence") << "actCaseSentence"
                              << "hELLO world. new DAY? yes"
                              << "Hello world. New day? Yes";
    QTest::newRow("each word") << "actCaseTitle"
                               << "hELLO wide-world it's"
                               << "Hello Wide-World It's";
    QTest::newRow("toggle") << "actCaseToggle"
                            << "Hello wORLD"
                            << "hELLO World";
}

void TestDocumentActions::characterCase()
{
    QFETCH(QString, action);
    QFETCH(QString, input);
    QFETCH(QString, expected);

    Editor e;
    QTextCursor c = e.edit->textCursor();
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    // The sentence runs across a change of format.
    c.insertText(input.left(3), bold);
    c.insertText(input.mid(3), QTextCharFormat());
    c.select(QTextCursor::Document);
    e.edit->setTextCursor(c);
    e.trigger(action.toLatin1().constData());
    QCOMPARE(e.edit->toPlainText(), expected);
    QTextCursor probe(e.edit->document());
    probe.setPosition(3);
    QCOMPARE(probe.charFormat().fontWeight(), int(QFont::Bold));
    probe.setPosition(4);
    QCOMPARE(probe.charFormat().fontWeight(), int(QFont::Normal));
    QVERIFY(e.edit->textCursor().hasSelection());
}

void TestDocumentActions::pasteSpecialPlainTextDropsFormatting()
{
    Editor e;
    auto *data = new QMimeData;
    data->setHtml(QStringLiteral("<b><span style=\"color:#00ff00\">pasted</span></b>"));
    data->setText(QStringLiteral("pasted"));
    QApplication::clipboard()->setMimeData(data);

    QTextCharFormat caret;
    caret.setForeground(Qt::yellow);
    e.edit->setCurrentCharFormat(caret);
    QStringList offered;
    EditorPrompts::runModal = [&offered](QDialog &d) {
        auto *list = d.findChild<QListWidget *>("ListFormats");
        for (int i = 0; i < list->count(); ++i)
            offered << list->item(i)->text();
        list->setCurrentItem(list->findItems(QStringLiteral("无格式文本"), Qt::MatchExactly).value(0));
        d.accept();
        return d.result();
    };
    e.trigger("actPasteSpecial");
    QCOMPARE(offered, (QStringList{QStringLiteral("RTF 格式文本"), QStringLiteral("无格式文本")}));
    QCOMPARE(e.edit->toPlainText(), QStringLiteral("pasted"));
    QTextCursor probe(e.edit->document());
    probe.setPosition(3);
    QCOMPARE(probe.charFormat().fontWeight(), int(QFont::Normal));
    QCOMPARE(probe.charFormat().foreground().color(), QColor(Qt::yellow));
}

void TestDocumentActions::insertFileByExtension_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected"); // the document's text afterwards
    QTest::addColumn<bool>("warned");

    QTest::newRow("txt in GBK, upper case") << "a.TXT" << toGbk(u"你好\r\n世界") << "x你好\n世界" << false;
    QTest::newRow("txt in UTF-8") << "b.txt" << QByteArray("caf\xC3\xA9") << "xcafé" << false;
    QTest::newRow("rtf, mixed case") << "c.Rtf" << QByteArray("{\\rtf1\\ansi {\\b bold} text}") << "xbold text"
                                     << false;
    QTest::newRow("broken rtf") << "d.rtf" << QByteArray("plain words") << "x" << true;
    QTest::newRow("native, upper case") << "e.ZVF" << QByteArray() << "xnative" << false;
    QTest::newRow("broken native") << "f.zvf" << QByteArray("LUMETRA-DOC 1\n{") << "x" << true;
    QTest::newRow("unknown") << "g.doc" << QByteArray("whatever") << "x" << false;
}

void TestDocumentActions::insertFileByExtension()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QFETCH(bool, warned);

    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (bytes.isEmpty()) {
        QTextDocument native;
        QTextCursor(&native).insertText(QStringLiteral("native"));
        bytes = NativeDocument::serialize(native);
    }
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    Editor e;
    e.edit->setPlainText(QStringLiteral("x"));
    e.edit->moveCursor(QTextCursor::End);
    bool warning = false;
    EditorPrompts::openFile = [&path](QWidget *, const QString &, const QString &) { return path; };
    EditorPrompts::warning = [&warning](QWidget *, const QString &title, const QString &text) {
        QCOMPARE(title, QStringLiteral("文件读错误。"));
        QCOMPARE(text, QStringLiteral("错误"));
        warning = true;
    };
    e.trigger("actInsertFile");
    QCOMPARE(e.edit->toPlainText(), expected);
    QCOMPARE(warning, warned);
}

void TestDocumentActions::insertedDocumentKeepsBothPictures()
{
    // Two files whose pictures have the same name must not overwrite each
    // other, nor a picture the document already has.
    QTemporaryDir dir;
    QStringList paths;
    for (QRgb rgb : {0xff00ff00u, 0xff0000ffu}) {
        QTextDocument source;
        QImage image(3, 2, QImage::Format_RGB32);
        image.fill(rgb);
        source.addResource(QTextDocument::ImageResource, QUrl("pic"), image);
        QTextImageFormat format;
        format.setName("pic");
        QTextCursor(&source).insertImage(format);
        paths << dir.filePath(QStringLiteral("p%1.zvf").arg(paths.size()));
        NativeDocument::save(source, paths.last());
    }
    QImage png(5, 4, QImage::Format_RGB32);
    png.fill(Qt::white);
    paths << dir.filePath("q.PNG");
    QVERIFY(png.save(paths.last(), "PNG"));

    Editor e;
    for (const QString &path : paths) {
        EditorPrompts::openFile = [path](QWidget *, const QString &, const QString &) { return path; };
        e.trigger("actInsertFile");
    }
    auto copy = reloaded(*e.edit->document());
    QList<QRgb> colours;
    QList<QSize> sizes;
    for (auto it = copy->begin().begin(); !it.atEnd(); ++it) {
        const QTextImageFormat f = it.fragment().charFormat().toImageFormat();
        const QImage image = qvariant_cast<QImage>(copy->resource(QTextDocument::ImageResource, QUrl(f.name())));
        colours << image.pixel(0, 0);
        sizes << QSize(int(f.width()), int(f.height()));
    }
    QCOMPARE(colours, (QList<QRgb>{0xff00ff00u, 0xff0000ffu, 0xffffffffu}));
    // A picture file goes in one image pixel per pixel.
    QCOMPARE(sizes.last(), QSize(5, 4));
}

namespace {

int litPixels(const QImage &picture)
{
    const QImage shot = picture.convertToFormat(QImage::Format_RGB32);
    int lit = 0;
    for (int y = 0; y < shot.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(shot.constScanLine(y));
        for (int x = 0; x < shot.width(); ++x)
            lit += qGray(line[x]) > 40;
    }
    return lit;
}

int litViewport(const Editor &e)
{
    QApplication::processEvents();
    return litPixels(e.edit->viewport()->grab().toImage());
}

} // namespace

void TestDocumentActions::gridLinesAreNeverSaved()
{
    Editor e;
    e.edit->setCursorWidth(0);
    answerTableDialog(2, 2, 0, 0);
    QVERIFY(e.actions->insertTableFromDialog());
    e.caretInCell(0, 0);
    const QByteArray before = NativeDocument::serialize(*e.edit->document());
    const QImage bitmap = RichTextZone::paint(*e.edit->document(), 160, 64);

    QCOMPARE(litViewport(e), 0);
    e.trigger("actShowGridLines");
    QVERIFY(e.act("actShowGridLines")->isChecked());
    QVERIFY(litViewport(e) > 20);
    QCOMPARE(NativeDocument::serialize(*e.edit->document()), before);
    QCOMPARE(RichTextZone::paint(*e.edit->document(), 160, 64), bitmap);
    e.trigger("actShowGridLines");
    QCOMPARE(litViewport(e), 0);
}

void TestDocumentActions::specialCharactersOnlyOnScreen()
{
    Editor e;
    e.edit->setCursorWidth(0);
    e.edit->setPlainText(QStringLiteral("a b\tc\n\n"));
    const QByteArray before = NativeDocument::serialize(*e.edit->document());
    const QImage bitmap = RichTextZone::paint(*e.edit->document(), 160, 64);
    const int text = litViewport(e);
    QVERIFY(text > 0);

    e.trigger("actShowSpecialCharacters");
    QVERIFY(litViewport(e) > text + 10);
    QCOMPARE(NativeDocument::serialize(*e.edit->document()), before);
    // What the sign shows has no marks.
    QCOMPARE(RichTextZone::paint(*e.edit->document(), 160, 64), bitmap);
    e.trigger("actShowSpecialCharacters");
    QCOMPARE(litViewport(e), text);
}

void TestDocumentActions::colourButtonHeldWhilePickerOpen()
{
    Editor e;
    QToolBar bar;
    e.actions->fillFormattingToolBar(&bar);
    auto *button = bar.findChild<QToolButton *>("ToolButton36");
    QVERIFY(button);
    QVERIFY(bar.findChild<QToolButton *>("ToolButton38"));
    QVERIFY(bar.findChild<QToolButton *>("ToolButton39"));
    bar.show();
    e.edit->setPlainText(QStringLiteral("colour"));
    e.edit->selectAll();

    bool heldWhileOpen = false;
    QTimer::singleShot(0, button, [button, &heldWhileOpen] {
        auto *picker = qobject_cast<ColourPicker *>(button->menu());
        heldWhileOpen = button->isDown() && picker && picker->isVisible();
        if (picker)
            picker->choose(Qt::green);
    });
    button->showMenu();
    QVERIFY(heldWhileOpen);
    QVERIFY(!button->isDown());
    QTextCursor probe(e.edit->document());
    probe.setPosition(2);
    QCOMPARE(probe.charFormat().foreground().color(), QColor(Qt::green));

    // "自动" takes the colour of its own away again.
    e.edit->selectAll();
    qobject_cast<ColourPicker *>(button->menu())->choose(QColor());
    QVERIFY(!probe.charFormat().hasProperty(QTextFormat::ForegroundBrush));
}

void TestDocumentActions::menusHoldTheirEntries()
{
    Editor e;
    QMenu table;
    QAction insert(QStringLiteral("插入表格"));
    e.actions->fillTableMenu(&table, &insert);
    QCOMPARE(table.actions().value(0), &insert);
    QStringList submenus;
    for (QAction *a : table.actions()) {
        if (a->menu())
            submenus << a->text();
    }
    QCOMPARE(submenus, (QStringList{QStringLiteral("选择(&T)"), QStringLiteral("排列单元格内容(&N)"),
                                    QStringLiteral("单元格边框(&E)")}));
    QMenu font;
    e.actions->fillFontMenu(&font);
    QVERIFY(font.actions().value(0)->text().endsWith(QStringLiteral(" (Standard)")));
    QVERIFY(font.actions().value(1)->text().endsWith(QStringLiteral(" (Advanced)")));
    auto *style = font.findChild<QMenu *>("menuFontStyle");
    QVERIFY(style);
    QCOMPARE(style->title(), QStringLiteral("样式"));
    QVERIFY(style->actions().contains(e.act("actAllCaps")));
    QCOMPARE(font.findChild<QMenu *>("menuFontSize")->title(), QStringLiteral("大小"));

    // A toolbar button without a picture would show as a bare caption.
    QToolBar bars[4];
    e.actions->fillMainToolBar(&bars[0]);
    e.actions->fillFormattingToolBar(&bars[1]);
    e.actions->fillTableToolBar(&bars[2]);
    e.actions->fillCellBordersToolBar(&bars[3]);
    int placed = 0;
    for (QToolBar &bar : bars) {
        for (QAction *a : bar.actions()) {
            if (a->isSeparator() || qobject_cast<QWidgetAction *>(a))
                continue;
            ++placed;
            QVERIFY2(!a->icon().isNull(), qPrintable(a->objectName()));
            QVERIFY2(a->objectName().startsWith(QStringLiteral("act")), qPrintable(a->text()));
        }
    }
    QVERIFY(placed >= 40);
}

void TestDocumentActions::findNextWalksThroughMatches()
{
    Editor e;
    e.edit->setPlainText(QStringLiteral("x a\nb a"));
    e.edit->moveCursor(QTextCursor::Start);
    e.trigger("actFindNext"); // nothing searched yet: the dialog comes up
    auto *dialog = e.window.findChild<FindReplaceDialog *>("FindReplaceDialog");
    QVERIFY(dialog && dialog->isVisible());
    dialog->setFindText(QStringLiteral("A"));
    QList<int> found;
    for (int i = 0; i < 3; ++i) {
        e.trigger("actFindNext");
        found << (e.edit->textCursor().hasSelection() ? e.edit->textCursor().selectionStart() : -1);
    }
    // The third search finds nothing and leaves the last match selected.
    QCOMPARE(found, (QList<int>{2, 6, 6}));
    QVERIFY(!dialog->findChild<QLabel *>("LabelStatus")->text().isEmpty());
}

void TestDocumentActions::sizeStepForTypedText()
{
    Editor e;
    e.edit->setFocus();
    e.trigger("actFontGrowOnePoint");
    e.trigger("actFontGrowOnePoint");
    QTest::keyClicks(e.edit, QStringLiteral("z"));
    QTextCursor probe(e.edit->document());
    probe.setPosition(1);
    QCOMPARE(probe.charFormat().fontPointSize(), 14.0);
}

void TestDocumentActions::fontDialogs()
{
    Editor e;
    e.edit->setPlainText(QStringLiteral("letters"));
    e.edit->selectAll();
    EditorPrompts::runModal = [](QDialog &d) {
        d.findChild<QCheckBox *>("CheckOverline")->setChecked(true);
        d.findChild<QCheckBox *>("CheckAllCaps")->setChecked(true);
        d.findChild<QSpinBox *>("SpinSize")->setValue(20);
        d.findChild<QDoubleSpinBox *>("SpinSpacing")->setValue(2);
        d.accept();
        return d.result();
    };
    e.trigger("actFontAdvanced");
    QTextCursor probe(e.edit->document());
    probe.setPosition(3);
    QTextCharFormat f = probe.charFormat();
    QVERIFY(f.fontOverline());
    QCOMPARE(f.fontCapitalization(), QFont::AllUppercase);
    QCOMPARE(f.fontPointSize(), 20.0);
    QCOMPARE(f.fontLetterSpacing(), 2.0);
    QVERIFY(!f.hasProperty(QTextFormat::ForegroundBrush)); // "自动" stays automatic

    EditorPrompts::font = [](QWidget *, const QFont &initial) -> std::optional<QFont> {
        QFont font = initial;
        font.setItalic(true);
        font.setPointSize(16);
        return font;
    };
    e.trigger("actFontStandard");
    f = probe.charFormat();
    QVERIFY(f.fontItalic());
    QCOMPARE(f.fontPointSize(), 16.0);
    QVERIFY(f.fontOverline()); // Qt's dialog knows nothing of it and leaves it
}

void TestDocumentActions::pictureAndCellProperties()
{
    Editor e;
    QImage image(7, 5, QImage::Format_RGB32);
    image.fill(Qt::white);
    QTextCursor c = e.edit->textCursor();
    TextEditing::insertPicture(c, image);
    e.edit->setTextCursor(c); // caret just after the picture
    EditorPrompts::runModal = [](QDialog &d) {
        auto *w = d.findChild<QSpinBox *>("SpinWidth");
        if (!w || w->value() != 7)
            return int(QDialog::Rejected); // shows the picture's own size first
        w->setValue(14);
        d.accept();
        return d.result();
    };
    e.trigger("actItemProperties");
    QTextCursor probe(e.edit->document());
    probe.setPosition(1);
    QCOMPARE(probe.charFormat().toImageFormat().width(), 14.0);
    QCOMPARE(probe.charFormat().toImageFormat().height(), 5.0);

    answerTableDialog(2, 2, 1, 1);
    QVERIFY(e.actions->insertTableFromDialog());
    e.caretInCell(1, 0);
    EditorPrompts::colour = [](QWidget *, const QColor &) { return QColor(Qt::blue); };
    EditorPrompts::runModal = [](QDialog &d) {
        d.findChild<QPushButton *>("ButtonBackground")->click();
        auto *alignment = d.findChild<QComboBox *>("ComboAlignment");
        alignment->setCurrentIndex(alignment->findText(QStringLiteral("底端")));
        d.accept();
        return d.result();
    };
    e.trigger("actItemProperties");
    const QTextTableCellFormat cell = e.table()->cellAt(1, 0).format().toTableCellFormat();
    QCOMPARE(cell.background().color(), QColor(Qt::blue));
    QCOMPARE(cell.verticalAlignment(), QTextCharFormat::AlignBottom);
    QCOMPARE(e.table()->cellAt(0, 0).format().background().style(), Qt::NoBrush);

    EditorPrompts::colour = [](QWidget *, const QColor &) { return QColor(Qt::green); };
    e.selectCells(0, 0, 0, 1);
    e.trigger("actFillColor");
    QCOMPARE(e.table()->cellAt(0, 1).format().background().color(), QColor(Qt::green));
    QCOMPARE(e.table()->cellAt(1, 1).format().background().style(), Qt::NoBrush);
}

void TestDocumentActions::tablePropertiesApplyToEveryCell()
{
    Editor e;
    answerTableDialog(2, 2, 1, 1);
    QVERIFY(e.actions->insertTableFromDialog());
    e.selectCells(0, 0, 0, 1);
    e.trigger("actMergeCells");
    e.caretInCell(1, 1);
    EditorPrompts::runModal = [](QDialog &d) {
        d.findChild<QSpinBox *>("SpinBorder")->setValue(3);
        d.findChild<QSpinBox *>("SpinCellBorder")->setValue(5);
        d.findChild<QSpinBox *>("SpinPadding")->setValue(7);
        d.findChild<QCheckBox *>("CheckNoBackground")->setChecked(false);
        d.accept();
        return d.result();
    };
    e.trigger("actTableProperties");
    QTextTable *table = e.table();
    QCOMPARE(table->format().border(), 3.0);
    QCOMPARE(table->format().cellPadding(), 7.0);
    QCOMPARE(table->format().background().color(), QColor(Qt::black));
    QCOMPARE(table->cellAt(0, 0).columnSpan(), 2); // merging survives
    for (const auto &[r, col] : {std::pair{0, 0}, std::pair{1, 0}, std::pair{1, 1}})
        QCOMPARE(table->cellAt(r, col).format().toTableCellFormat().rightBorder(), 5.0);
    e.edit->undo();
    QCOMPARE(e.table()->format().border(), 1.0);
    QCOMPARE(e.table()->cellAt(1, 1).format().toTableCellFormat().rightBorder(), 1.0);
}

void TestDocumentActions::documentBackground()
{
    QTemporaryDir dir;
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    const QString path = dir.filePath("back.BMP");
    QVERIFY(picture.save(path, "BMP"));
    Editor e;
    EditorPrompts::openFile = [&path](QWidget *, const QString &, const QString &) { return path; };
    e.trigger("actBackground");
    QCOMPARE(e.edit->document()->rootFrame()->frameFormat().background().style(), Qt::TexturePattern);
    auto copy = reloaded(*e.edit->document());
    QCOMPARE(copy->rootFrame()->frameFormat().background().textureImage().pixel(1, 1), QColor(Qt::darkCyan).rgb());

    EditorPrompts::colour = [](QWidget *, const QColor &) { return QColor(0, 0, 80); };
    e.trigger("actBackColor");
    QCOMPARE(e.edit->document()->rootFrame()->frameFormat().background().color(), QColor(0, 0, 80));
    QCOMPARE(e.edit->document()->rootFrame()->frameFormat().background().style(), Qt::SolidPattern);
}

void TestDocumentActions::symbolInserted()
{
    Editor e;
    EditorPrompts::runModal = [](QDialog &d) {
        auto *grid = d.findChild<QTableWidget *>("GridSymbols");
        const QList<QTableWidgetItem *> hits = grid->findItems(QStringLiteral("【"), Qt::MatchExactly);
        if (hits.isEmpty())
            return int(QDialog::Rejected);
        grid->setCurrentItem(hits.first());
        d.accept();
        return d.result();
    };
    e.trigger("actInsertSymbol");
    QCOMPARE(e.edit->toPlainText(), QStringLiteral("【"));
}

QTEST_MAIN(TestDocumentActions)
#include "tst_documentactions.moc"
