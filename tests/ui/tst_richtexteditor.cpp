#include "uifixture.h"

#include "content/document/nativedocument.h"
#include "model/contentfiles.h"
#include "model/gbk.h"
#include "ui/app/statuspanels.h"
#include "ui/content/richviewedit.h"
#include "ui/content/tform3.h"
#include "ui/layout/zoomview.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QSpinBox>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>

using namespace lumetra;
using namespace lumetra::test;

namespace {

template <typename T> T *control(QWidget *window, const QString &name)
{
    T *widget = window->findChild<T *>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

void click(TForm3 *editor, const QString &button)
{
    control<QAction>(editor, button)->trigger();
}

void writeNative(const QString &path, const QString &text)
{
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setPlainText(text);
    NativeDocument::save(document, path);
}

QString nativeText(const QString &path)
{
    QTextDocument document;
    NativeDocument::load(document, path);
    return document.toPlainText();
}

// Program 2's single zone (128 x 32 over the whole sign) made a rich-text
// zone, with the editor shown without blocking.
struct EditorFixture
{
    WindowFixture f;

    explicit EditorFixture(int height = 32, const QByteArray &contentFile = {})
    {
        ZoneRecord &zone = f.ws().program(2).Zones[1];
        zone.ZoneType = PictureZone;
        zone.Height = height;
        zone.ContentFile = contentFile;
        f.ws().CurrentProgram = 2;
        f.ws().CurrentZone = 1;
        f.window().setEditorRunner([](TForm3 &editor) { editor.show(); });
    }

    ZoneRecord &zone() { return f.ws().program(2).Zones[1]; }
    QString folder() { return f.ws().ProjectFolder; }

    TForm3 *open()
    {
        f.window().BitBtn1Click();
        TForm3 *editor = f.window().richTextEditor();
        if (!editor || !QTest::qWaitForWindowExposed(editor))
            qFatal("editor not shown");
        return editor;
    }
};

QImage shownPreview(TForm3 *editor)
{
    return editor->preview()->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

// One line of text whose paragraph is exactly `height` pixels high.
void typeLine(TForm3 *editor, const QString &text, int height = 0)
{
    RichViewEdit *edit = editor->editor();
    edit->setFocus();
    QTest::keyClicks(edit, text);
    if (height > 0) {
        QTextBlockFormat fixed;
        fixed.setLineHeight(height, QTextBlockFormat::FixedHeight);
        edit->textCursor().mergeBlockFormat(fixed);
    }
}

int firstInkRow(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qRed(image.pixel(x, y)) > 0)
                return y;
    return -1;
}

} // namespace

class TestRichTextEditor : public QObject
{
    Q_OBJECT
private slots:
    void opensAtTheZoneWidth();
    void previewCutsTheDocumentIntoPages();
    void offsetMovesTheInkDown();
    void zoomEnlargesByWholeBlocks();
    void saveAsksForANameAndWritesIntoTheProjectFolder_data();
    void saveAsksForANameAndWritesIntoTheProjectFolder();
    void cancelledCloseKeepsTheWindowButReloadsTheZone();
    void closeAnswers_data();
    void closeAnswers();
    void zoneWithoutFileStartsFromTheUntitledDocument();
    void sizeBoxOffersItsListAndTakesTypedSizes();
    void faceBoxTakesOnlyListedFaces();
    void spinBoxesIgnoreTypedKeys();
    void loadedOffsetIsKept();
    void droppedFilesAreReadByExtension();
    void openOfAMissingFileOpensTheEditor();
    void openShowsThePathAndTheImportFailure();
};

void TestRichTextEditor::opensAtTheZoneWidth()
{
    EditorFixture e;
    TForm3 *editor = e.open();
    QCOMPARE(editor->statusPanel(0)->text(), QStringLiteral("分区大小:128*32"));
    QCOMPARE(editor->editor()->document()->textWidth(), 128.0);
    QCOMPARE(editor->editor()->viewport()->width(), 128);
    QVERIFY(editor->windowTitle().endsWith(QStringLiteral(" - 图形-文字-表格混合编辑")));
    QVERIFY(!editor->windowTitle().contains(QStringLiteral("(*)")));
    typeLine(editor, QStringLiteral("A"));
    QVERIFY(editor->windowTitle().contains(QStringLiteral(" (*)")));
    // A line longer than the zone wraps inside it.
    typeLine(editor, QStringLiteral(" the quick brown fox jumps over the lazy dog"));
    QVERIFY(editor->editor()->document()->size().width() <= 128.0);
    QVERIFY(editor->editor()->document()->firstBlock().layout()->lineCount() > 1);
}

void TestRichTextEditor::previewCutsTheDocumentIntoPages()
{
    EditorFixture e;
    TForm3 *editor = e.open();
    typeLine(editor, QStringLiteral("LED"), 70);
    QCOMPARE(editor->editor()->document()->size().height(), 70.0);
    click(editor, QStringLiteral("ToolButton12"));
    QCOMPARE(e.zone().ContentHeight, 96);
    QCOMPARE(editor->zoomView()->ViewBaseWidth, 128);
    QCOMPARE(editor->zoomView()->ViewBaseHeight, 96);
    const QImage preview = shownPreview(editor);
    QCOMPARE(preview.size(), QSize(128, 96));
    // A blue line closes each of the three pages.
    for (int y : {31, 63, 95})
        QCOMPARE(preview.pixel(5, y), qRgb(0, 0, 255));
    QVERIFY(preview.pixel(5, 30) != qRgb(0, 0, 255));
    QVERIFY(firstInkRow(preview) >= 0);
}

void TestRichTextEditor::offsetMovesTheInkDown()
{
    EditorFixture e;
    TForm3 *editor = e.open();
    typeLine(editor, QStringLiteral("LED 88"));
    click(editor, QStringLiteral("ToolButton12"));
    const QImage before = shownPreview(editor);
    QCOMPARE(before.height(), 32);
    auto *offset = control<QSpinBox>(editor, QStringLiteral("SpinEdit2"));
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(offset, Qt::Key_Up);
    QCOMPARE(offset->value(), 8);
    click(editor, QStringLiteral("ToolButton12"));
    const QImage after = shownPreview(editor);
    QCOMPARE(after.size(), before.size());
    QVERIFY(firstInkRow(before) >= 0);
    QCOMPARE(firstInkRow(after), firstInkRow(before) + 8);
    // The red of every row reappears 8 rows lower (blue page lines have no red).
    for (int y = 0; y + 8 < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (qRed(before.pixel(x, y)) != qRed(after.pixel(x, y + 8)))
                QFAIL(qPrintable(QStringLiteral("differs at %1,%2").arg(x).arg(y)));
    // The line spacing was not touched by the offset.
    QCOMPARE(control<QSpinBox>(editor, QStringLiteral("SpinEdit1"))->value(), 100);
}

void TestRichTextEditor::zoomEnlargesByWholeBlocks()
{
    EditorFixture e;
    TForm3 *editor = e.open();
    typeLine(editor, QStringLiteral("LED"), 70);
    auto *menu = control<QMenu>(editor, QStringLiteral("PopupMenu1"));
    QStringList captions;
    for (QAction *action : menu->actions())
        captions << action->text();
    QCOMPARE(captions, (QStringList{QStringLiteral("放大1倍"), QStringLiteral("放大2倍"), QStringLiteral("放大3倍"),
                                    QStringLiteral("放大4倍"), QStringLiteral("放大5倍")}));
    menu->actions().at(0)->trigger();
    const QImage base = shownPreview(editor);
    QCOMPARE(base.size(), QSize(128, 96));
    menu->actions().at(2)->trigger();
    QCOMPARE(editor->preview()->size(), QSize(384, 288));
    const QImage zoomed = shownPreview(editor);
    QCOMPARE(zoomed.size(), QSize(384, 288));
    for (int y = 0; y < zoomed.height(); ++y)
        for (int x = 0; x < zoomed.width(); ++x)
            if (zoomed.pixel(x, y) != base.pixel(x / 3, y / 3))
                QFAIL(qPrintable(QStringLiteral("not a sharp block at %1,%2").arg(x).arg(y)));
}

void TestRichTextEditor::saveAsksForANameAndWritesIntoTheProjectFolder_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("written");
    QTest::addColumn<bool>("rtf");
    QTest::newRow("native elsewhere") << "elsewhere/mine.zvf" << 1 << "mine.zvf" << false;
    QTest::newRow("native typed bare") << "elsewhere/mine" << 1 << "mine.zvf" << false;
    QTest::newRow("rtf elsewhere") << "elsewhere/word.rtf" << 2 << "word.rtf" << true;
    QTest::newRow("rtf typed bare") << "elsewhere/word" << 2 << "word.rtf" << true;
}

void TestRichTextEditor::saveAsksForANameAndWritesIntoTheProjectFolder()
{
    QFETCH(QString, chosen);
    QFETCH(int, filter);
    QFETCH(QString, written);
    QFETCH(bool, rtf);
    EditorFixture e;
    const QString elsewhere = e.f.home() + QStringLiteral("/") + chosen;
    QDir().mkpath(QFileInfo(elsewhere).path());
    e.f.prompts().documentSave = {elsewhere, filter};
    TForm3 *editor = e.open();
    typeLine(editor, QStringLiteral("SALE"), 40);
    click(editor, QStringLiteral("ToolButton2"));
    QCOMPARE(e.f.prompts().documentSaveDialogs, 1);
    QCOMPARE(e.f.prompts().documentDialogFolders.value(0), e.folder());

    const QString path = e.folder() + written;
    QVERIFY(QFileInfo::exists(path));
    QVERIFY(!QFileInfo::exists(QFileInfo(elsewhere).path() + QStringLiteral("/") + written));
    QCOMPARE(fromGbk(e.zone().ContentFile), rtf ? path : written);
    QCOMPARE(editor->statusPanel(2)->text(), path);
    QVERIFY(!editor->editor()->document()->isModified());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    if (rtf)
        QVERIFY(bytes.startsWith("{\\rtf"));
    else
        QCOMPARE(nativeText(path), QStringLiteral("SALE"));
    // The preview after the save wrote the zone's bitmap, two pages high.
    QCOMPARE(e.zone().ContentHeight, 64);
    const QImage bitmap(zoneBitmapPath(e.f.ws(), 2, 1));
    QCOMPARE(bitmap.size(), QSize(128, 64));

    // The document has its name now: the next save asks nothing.
    typeLine(editor, QStringLiteral("!"));
    click(editor, QStringLiteral("ToolButton2"));
    QCOMPARE(e.f.prompts().documentSaveDialogs, 1);
    QVERIFY(!editor->editor()->document()->isModified());
}

void TestRichTextEditor::cancelledCloseKeepsTheWindowButReloadsTheZone()
{
    EditorFixture e(32, "first.zvf");
    writeNative(e.folder() + QStringLiteral("first.zvf"), QStringLiteral("ALPHA"));
    TForm3 *editor = e.open();
    QCOMPARE(editor->editor()->toPlainText(), QStringLiteral("ALPHA"));
    QCOMPARE(editor->statusPanel(2)->text(), e.folder() + QStringLiteral("first.zvf"));
    QVERIFY(!editor->editor()->document()->isModified());
    editor->editor()->moveCursor(QTextCursor::End);
    typeLine(editor, QStringLiteral(" BETA"));
    e.f.prompts().threeWayAnswers = {QMessageBox::Cancel};
    click(editor, QStringLiteral("ToolButton13"));
    QCOMPARE(e.f.prompts().captions.value(0), QStringLiteral("请注意:分区已经修改"));
    QCOMPARE(e.f.prompts().shown.value(0), QStringLiteral("现在保存图文分区修改吗?"));
    QCoreApplication::processEvents();
    QCOMPARE(e.f.window().richTextEditor(), editor);
    QVERIFY(editor->isVisible());
    // The main window shows the zone as its file has it, not as typed.
    QCOMPARE(e.f.window().richTextDocument()->toPlainText(), QStringLiteral("ALPHA"));
    QCOMPARE(e.f.ws().StatusPanels[6], e.folder() + QStringLiteral("first.zvf"));
    QCOMPARE(nativeText(e.folder() + QStringLiteral("first.zvf")), QStringLiteral("ALPHA"));
}

void TestRichTextEditor::closeAnswers_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("stored");
    QTest::newRow("yes saves") << int(QMessageBox::Yes) << "ALPHA BETA";
    QTest::newRow("no discards") << int(QMessageBox::No) << "ALPHA";
}

void TestRichTextEditor::closeAnswers()
{
    QFETCH(int, answer);
    QFETCH(QString, stored);
    EditorFixture e(32, "first.zvf");
    writeNative(e.folder() + QStringLiteral("first.zvf"), QStringLiteral("ALPHA"));
    TForm3 *editor = e.open();
    editor->editor()->moveCursor(QTextCursor::End);
    typeLine(editor, QStringLiteral(" BETA"));
    e.f.prompts().threeWayAnswers = {answer};
    QTest::keyClick(editor, Qt::Key_Escape);
    QTRY_VERIFY(!e.f.window().richTextEditor());
    QCOMPARE(nativeText(e.folder() + QStringLiteral("first.zvf")), stored);
    QCOMPARE(e.f.window().richTextDocument()->toPlainText(), stored);
    QVERIFY(QFileInfo::exists(zoneBitmapPath(e.f.ws(), 2, 1)));
}

void TestRichTextEditor::zoneWithoutFileStartsFromTheUntitledDocument()
{
    EditorFixture e;
    const QString untitled = e.folder() + QStringLiteral("ZVUntitled.zvf");
    writeNative(untitled, QStringLiteral("START"));
    TForm3 *editor = e.open();
    QCOMPARE(editor->editor()->toPlainText(), QStringLiteral("START"));
    QCOMPARE(editor->statusPanel(2)->text(), untitled);
    QVERIFY(editor->documentFile().isEmpty());
    QVERIFY(editor->windowTitle().startsWith(QStringLiteral("ZVUntitled.zvf - ")));
    // The starting document is no file of the zone: saving asks for a name,
    // and a cancelled dialog leaves everything as it was.
    typeLine(editor, QStringLiteral("X"));
    click(editor, QStringLiteral("ToolButton2"));
    QCOMPARE(e.f.prompts().documentSaveDialogs, 1);
    QVERIFY(e.zone().ContentFile.isEmpty());
    QCOMPARE(nativeText(untitled), QStringLiteral("START"));
    QVERIFY(editor->editor()->document()->isModified());
}

void TestRichTextEditor::sizeBoxOffersItsListAndTakesTypedSizes()
{
    EditorFixture e;
    TForm3 *editor = e.open();
    auto *sizes = control<QComboBox>(editor, QStringLiteral("cmbFontSize"));
    QStringList items;
    for (int i = 0; i < sizes->count(); ++i)
        items << sizes->itemText(i);
    QCOMPARE(items.count(QStringLiteral("30")), 2);
    QVERIFY(!items.contains(QStringLiteral("31")));
    QCOMPARE(items.first(), QStringLiteral("8"));
    QCOMPARE(items.last(), QStringLiteral("72"));
    QCOMPARE(items.size(), 65);

    typeLine(editor, QStringLiteral("big"));
    editor->editor()->selectAll();
    auto pointSize = [editor] {
        QTextCursor cursor = editor->editor()->textCursor();
        cursor.setPosition(1);
        return cursor.charFormat().fontPointSize();
    };
    const qreal before = pointSize();
    for (const QString &typed : {QStringLiteral("abc"), QStringLiteral("0"), QStringLiteral("")}) {
        sizes->lineEdit()->setText(typed);
        QTest::keyClick(sizes->lineEdit(), Qt::Key_Return);
        QCOMPARE(pointSize(), before);
    }
    sizes->lineEdit()->setText(QStringLiteral("31"));
    QTest::keyClick(sizes->lineEdit(), Qt::Key_Return);
    QCOMPARE(pointSize(), 31.0);
    QVERIFY(editor->editor()->hasFocus());
    // The box follows the caret.
    editor->editor()->moveCursor(QTextCursor::End);
    QCOMPARE(sizes->currentText(), QStringLiteral("31"));
}

void TestRichTextEditor::faceBoxTakesOnlyListedFaces()
{
    EditorFixture e;
    TForm3 *editor = e.open();
    auto *faces = control<QComboBox>(editor, QStringLiteral("cmbFont"));
    QCOMPARE(faces->itemText(0), QStringLiteral("宋体"));
    QVERIFY(faces->findText(QStringLiteral("黑体")) >= 0);
    // Showing the window chose 宋体 for what is typed.
    typeLine(editor, QStringLiteral("face"));
    editor->editor()->selectAll();
    auto family = [editor] {
        QTextCursor cursor = editor->editor()->textCursor();
        cursor.setPosition(1);
        return cursor.charFormat().fontFamilies().toStringList().value(0);
    };
    QCOMPARE(family(), QStringLiteral("宋体"));
    faces->lineEdit()->setText(QStringLiteral("No Such Face"));
    QTest::keyClick(faces->lineEdit(), Qt::Key_Return);
    QCOMPARE(family(), QStringLiteral("宋体"));
    faces->lineEdit()->setText(QStringLiteral("黑体"));
    QTest::keyClick(faces->lineEdit(), Qt::Key_Return);
    QCOMPARE(family(), QStringLiteral("黑体"));
}

void TestRichTextEditor::spinBoxesIgnoreTypedKeys()
{
    EditorFixture e;
    TForm3 *editor = e.open();
    auto *spacing = control<QSpinBox>(editor, QStringLiteral("SpinEdit1"));
    auto *offset = control<QSpinBox>(editor, QStringLiteral("SpinEdit2"));
    QCOMPARE(spacing->toolTip(), QStringLiteral("文字的行间距"));
    QCOMPARE(offset->toolTip(), QStringLiteral("文字的行间距"));
    QCOMPARE(spacing->minimum(), 50);
    QCOMPARE(spacing->maximum(), 600);
    QCOMPARE(offset->minimum(), -2);
    QCOMPARE(offset->maximum(), 64);
    typeLine(editor, QStringLiteral("spaced"));
    for (QSpinBox *spin : {spacing, offset}) {
        const int value = spin->value();
        spin->setFocus();
        QTest::keyClicks(spin, QStringLiteral("7"));
        QTest::keyClick(spin, Qt::Key_Backspace);
        QTest::keyClick(spin, Qt::Key_Minus);
        QCOMPARE(spin->value(), value);
    }
    // The arrows step by 5 and give the caret's paragraph its spacing.
    QTest::keyClick(spacing, Qt::Key_Up);
    QCOMPARE(spacing->value(), 105);
    const QTextBlockFormat block = editor->editor()->textCursor().blockFormat();
    QCOMPARE(block.lineHeightType(), int(QTextBlockFormat::ProportionalHeight));
    QCOMPARE(block.lineHeight(), 105.0);
}

void TestRichTextEditor::loadedOffsetIsKept()
{
    // A document saved with an offset opens with it, and its preview shows it.
    EditorFixture e(32, "offset.zvf");
    TForm3 *editor = e.open();
    typeLine(editor, QStringLiteral("LED"));
    control<QSpinBox>(editor, QStringLiteral("SpinEdit2"))->setValue(6);
    click(editor, QStringLiteral("ToolButton2"));
    const int shifted = firstInkRow(shownPreview(editor));
    QTest::keyClick(editor, Qt::Key_Escape);
    QTRY_VERIFY(!e.f.window().richTextEditor());

    TForm3 *again = e.open();
    QCOMPARE(control<QSpinBox>(again, QStringLiteral("SpinEdit2"))->value(), 6);
    QCOMPARE(firstInkRow(shownPreview(again)), shifted);
    QVERIFY(!again->editor()->document()->isModified());
}

void TestRichTextEditor::droppedFilesAreReadByExtension()
{
    EditorFixture e;
    TForm3 *editor = e.open();
    RichViewEdit *edit = editor->editor();
    const QString dir = e.f.home() + QStringLiteral("/drops/");
    QDir().mkpath(dir);
    QImage picture(12, 9, QImage::Format_RGB32);
    picture.fill(Qt::green);
    picture.save(dir + QStringLiteral("pic.PNG"), "PNG");
    writeNative(dir + QStringLiteral("part.ZVF"), QStringLiteral("NATIVE"));
    QFile rtf(dir + QStringLiteral("word.Rtf"));
    QVERIFY(rtf.open(QIODevice::WriteOnly));
    rtf.write("{\\rtf1\\ansi RTFTEXT}");
    rtf.close();
    QFile text(dir + QStringLiteral("plain.TXT"));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write(toGbk(QStringLiteral("文本")));
    text.close();

    QMimeData files;
    files.setUrls(
        {QUrl::fromLocalFile(dir + QStringLiteral("part.ZVF")), QUrl::fromLocalFile(dir + QStringLiteral("word.Rtf")),
         QUrl::fromLocalFile(dir + QStringLiteral("plain.TXT")), QUrl::fromLocalFile(dir + QStringLiteral("pic.PNG"))});
    edit->insertFromMimeData(&files);
    const QString plain = edit->toPlainText();
    for (const QString &part : {QStringLiteral("NATIVE"), QStringLiteral("RTFTEXT"), QStringLiteral("文本")})
        QVERIFY2(plain.contains(part), qPrintable(plain));
    bool image = false;
    for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat()) {
                const QString name = it.fragment().charFormat().toImageFormat().name();
                const QImage stored =
                    qvariant_cast<QImage>(edit->document()->resource(QTextDocument::ImageResource, QUrl(name)));
                image = stored.size() == QSize(12, 9);
            }
    QVERIFY(image);
}

void TestRichTextEditor::openOfAMissingFileOpensTheEditor()
{
    EditorFixture e(32, "lost.zvf");
    const QString lost = e.folder() + QStringLiteral("lost.zvf");
    QVERIFY(!QFileInfo::exists(lost));
    e.f.window().Open();
    TForm3 *editor = e.f.window().richTextEditor();
    QVERIFY(editor);
    QCOMPARE(editor->statusPanel(2)->text(), lost);
    QVERIFY(QFileInfo::exists(lost));
    QVERIFY(nativeText(lost).isEmpty());
    QCOMPARE(e.zone().ContentFile, QByteArray("lost.zvf"));
    // Reloading while the editor is open opens no second one.
    e.f.window().Open();
    QCOMPARE(e.f.window().richTextEditor(), editor);
    QCOMPARE(e.f.window().findChildren<TForm3 *>().size(), 1);
}

void TestRichTextEditor::openShowsThePathAndTheImportFailure()
{
    EditorFixture e(32, "broken.rtf");
    const QString broken = e.folder() + QStringLiteral("broken.rtf");
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1\\ansi KEPT {\\b bold");
    file.close();
    e.f.window().Open();
    QCOMPARE(e.f.prompts().captions, QStringList{QStringLiteral("文件读错误。")});
    QCOMPARE(e.f.prompts().shown, QStringList{QStringLiteral("错误")});
    QCOMPARE(e.f.ws().StatusPanels[6], broken);
    QCOMPARE(e.f.window().statusPanels()->panel(6)->toolTip(), broken);
    // What was read before the fault is previewed.
    QVERIFY(e.f.window().richTextDocument()->toPlainText().contains(QStringLiteral("KEPT")));
    QVERIFY(!e.f.window().richTextEditor());

    // A readable native file: its path, no box.
    e.f.prompts().captions.clear();
    e.f.prompts().shown.clear();
    writeNative(e.folder() + QStringLiteral("good.zvf"), QStringLiteral("GOOD"));
    e.zone().ContentFile = "good.zvf";
    e.f.window().Open();
    QVERIFY(e.f.prompts().shown.isEmpty());
    QCOMPARE(e.f.ws().StatusPanels[6], e.folder() + QStringLiteral("good.zvf"));
    QCOMPARE(e.f.window().richTextDocument()->toPlainText(), QStringLiteral("GOOD"));
}

QTEST_MAIN(TestRichTextEditor)
#include "tst_richtexteditor.moc"
