#include "uifixture.h"

#include "content/zonebitmap.h"
#include "model/contentfiles.h"
#include "model/gbk.h"
#include "ui/project/templatepreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QImageReader>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>

using namespace lumetra;
using namespace lumetra::test;

namespace {

template <typename T> T *control(TMAINForm &window, const QString &name)
{
    T *widget = window.findChild<T *>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

QPlainTextEdit *memo(TMAINForm &window)
{
    return control<QPlainTextEdit>(window, QStringLiteral("Memo1"));
}

// Program 1 (template 2): zone 1 is a 128 x 16 text zone, zone 2 a clock.
void selectTextZone(WindowFixture &f)
{
    clickNode(f.window(), node(f.window(), QStringLiteral("分区1 "), QStringLiteral("节目1")));
}

void type(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Replaces the box's text as the operator does: select all, delete, then
// type (an input method's commit, as Chinese is typed).
void retype(QPlainTextEdit *box, const QString &text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    if (text.isEmpty())
        return;
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(box, &event);
}

QImage savedBitmap(WindowFixture &f, int program, int slot)
{
    return QImageReader(zoneBitmapPath(f.ws(), program, slot)).read().convertToFormat(QImage::Format_RGB32);
}

QImage signPicture(WindowFixture &f, int templateId, int zone)
{
    return f.window()
        .preview()
        ->zonePictureLabel(templateId, zone)
        ->pixmap()
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

int litPixels(const QImage &image)
{
    int lit = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            lit += (line[x] & 0xFFFFFF) != 0;
    }
    return lit;
}

bool rowIs(const QImage &image, int y, QRgb colour)
{
    const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
    return std::all_of(line, line + image.width(), [colour](QRgb p) { return p == colour; });
}

} // namespace

class TestTextPanel : public QObject
{
    Q_OBJECT
private slots:
    void panelControls();
    void typingRendersSavesAndShows();
    void unencodableBecomesQuestionMark_data();
    void unencodableBecomesQuestionMark();
    void controlsRerender_data();
    void controlsRerender();
    void typedSizeStaysInTheBox();
    void nothingWhileNotReady();
    void unwritableBitmapIsReported();
    void selectionFillsThePanel();
    void continuousZoneShowsTheStrip();
    void openReadsTextFile();
    void zoneWithoutContentFileOpensBlack();
    void hugeTextFileFailsCleanly();
};

void TestTextPanel::panelControls()
{
    WindowFixture f;
    auto *size = control<QComboBox>(f.window(), QStringLiteral("cmbFontSize"));
    QVERIFY(size->isEditable());
    QCOMPARE(size->count(), 11);
    QCOMPARE(size->itemText(0), QStringLiteral("单字12个LED灯大小"));
    QCOMPARE(size->itemText(6), QStringLiteral("单字64个LED灯大小"));
    QCOMPARE(size->itemText(10), QStringLiteral("单字128个LED灯大小"));
    auto *font = control<QComboBox>(f.window(), QStringLiteral("cmbFont"));
    QCOMPARE(font->itemText(0), QStringLiteral("宋体"));
    QCOMPARE(font->itemText(1), QStringLiteral("黑体"));
    QCOMPARE(control<QCheckBox>(f.window(), QStringLiteral("CheckBox11"))->text(), QStringLiteral("单行处理"));
    QCOMPARE(control<QCheckBox>(f.window(), QStringLiteral("CheckBox13"))->text(), QStringLiteral("对联效果"));
    QCOMPARE(control<QToolButton>(f.window(), QStringLiteral("SpeedButton1"))->text(), QStringLiteral("打开"));
    QVERIFY(!control<QWidget>(f.window(), QStringLiteral("Button1"))->isVisible());
    for (const char *name : {"Image6", "Image3", "Image2", "Panel10", "Panel8", "Panel9"})
        control<QWidget>(f.window(), QString::fromLatin1(name));
}

void TestTextPanel::typingRendersSavesAndShows()
{
    WindowFixture f;
    selectTextZone(f);
    QPlainTextEdit *box = memo(f.window());
    f.ws().ModifiedFlag = 0;
    retype(box, QString());
    box->moveCursor(QTextCursor::End);
    type(box, QStringLiteral("中A"));

    const ZoneRecord &zone = f.ws().program(1).Zones[1];
    QCOMPARE(zone.Text, toGbk(u"中A"));
    QCOMPARE(fromGbk(zone.ContentFile), f.ws().ProjectFolder + QStringLiteral("0-0-1.txt"));
    QCOMPARE(f.ws().ModifiedFlag, 100);
    QCOMPARE(zone.ContentHeight, 16);

    // The file holds the page stack alone; the marks are on screen only.
    const QImage saved = savedBitmap(f, 1, 1);
    QCOMPARE(saved.size(), QSize(128, 16));
    QVERIFY(litPixels(saved) > 0);
    QVERIFY(!rowIs(saved, 15, ZoneBitmap::MarkColour));
    const QImage zoom =
        control<QLabel>(f.window(), QStringLiteral("Image1"))->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(zoom.size(), QSize(128, 16));
    QVERIFY(rowIs(zoom, 15, ZoneBitmap::MarkColour));

    // The sign pane: this zone from the file, the template's other zone black.
    QCOMPARE(signPicture(f, 2, 1), saved);
    QCOMPARE(litPixels(signPicture(f, 2, 2)), 0);

    // Another keystroke renders again: two characters more ink.
    type(box, QStringLiteral("字"));
    QCOMPARE(zone.Text, toGbk(u"中A字"));
    QVERIFY(litPixels(savedBitmap(f, 1, 1)) > litPixels(saved));
    QCOMPARE(signPicture(f, 2, 1), savedBitmap(f, 1, 1));
}

void TestTextPanel::unencodableBecomesQuestionMark_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("hangul") << QStringLiteral("A한B") << QStringLiteral("A?B");
    QTest::newRow("emoji") << QStringLiteral("中😀文") << QStringLiteral("中?文");
    QTest::newRow("gbk only") << QStringLiteral("㎡价格") << QStringLiteral("㎡价格");
}

void TestTextPanel::unencodableBecomesQuestionMark()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    WindowFixture f;
    selectTextZone(f);
    QPlainTextEdit *box = memo(f.window());
    retype(box, typed);
    QCOMPARE(f.ws().program(1).Zones[1].Text, toGbk(shown));
    QCOMPARE(box->toPlainText(), shown);
    // Typing goes on where it was.
    QCOMPARE(box->textCursor().position(), int(shown.size()));
    type(box, QStringLiteral("Z"));
    QCOMPARE(box->toPlainText(), shown + QStringLiteral("Z"));
}

void TestTextPanel::controlsRerender_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("font size") << QStringLiteral("size");
    QTest::newRow("face") << QStringLiteral("face");
    QTest::newRow("single line") << QStringLiteral("single");
    QTest::newRow("couplet") << QStringLiteral("couplet");
    QTest::newRow("yellow swatch") << QStringLiteral("yellow");
}

void TestTextPanel::controlsRerender()
{
    QFETCH(QString, action);
    WindowFixture f;
    selectTextZone(f);
    QPlainTextEdit *box = memo(f.window());
    retype(box, QStringLiteral("今日特价AB"));
    // Cells of 12 in 16 rows, so that a single line sits lower than a packed one.
    control<QComboBox>(f.window(), QStringLiteral("cmbFontSize"))->setCurrentIndex(0);
    ZoneRecord &zone = f.ws().program(1).Zones[1];
    const ZoneRecord before = zone;
    const QImage first = savedBitmap(f, 1, 1);
    f.ws().ModifiedFlag = 0;

    if (action == QLatin1String("size")) {
        control<QComboBox>(f.window(), QStringLiteral("cmbFontSize"))->setCurrentIndex(3);
        QCOMPARE(zone.FontSizeIndex, 3);
    } else if (action == QLatin1String("face")) {
        control<QComboBox>(f.window(), QStringLiteral("cmbFont"))->setCurrentIndex(1);
        QCOMPARE(zone.FontIndex, 1);
    } else if (action == QLatin1String("single")) {
        control<QCheckBox>(f.window(), QStringLiteral("CheckBox11"))->click();
        QCOMPARE(zone.SingleLine, before.SingleLine > 0 ? 0 : 1);
    } else if (action == QLatin1String("couplet")) {
        control<QCheckBox>(f.window(), QStringLiteral("CheckBox13"))->click();
        QCOMPARE(zone.YearFormat, 1);
    } else {
        QTest::mouseClick(control<QLabel>(f.window(), QStringLiteral("Image2")), Qt::LeftButton);
        QCOMPARE(zone.ForeColor, 3);
        QCOMPARE(control<QFrame>(f.window(), QStringLiteral("Panel9"))->palette().color(QPalette::Window),
                 QColor(Qt::black));
        QVERIFY(control<QFrame>(f.window(), QStringLiteral("Panel10"))->palette().color(QPalette::Window) !=
                QColor(Qt::black));
        const QImage yellow = savedBitmap(f, 1, 1);
        bool sawYellow = false;
        for (int y = 0; y < yellow.height() && !sawYellow; ++y)
            for (int x = 0; x < yellow.width() && !sawYellow; ++x)
                sawYellow = yellow.pixel(x, y) == qRgb(255, 255, 0);
        QVERIFY(sawYellow);
    }
    QCOMPARE(f.ws().ModifiedFlag, 100);
    QVERIFY(savedBitmap(f, 1, 1) != first);
    QCOMPARE(signPicture(f, 2, 1), savedBitmap(f, 1, 1));
}

void TestTextPanel::typedSizeStaysInTheBox()
{
    // 56 is understood though not offered: 42 pt in a 56-LED cell.
    WindowFixture f;
    selectTextZone(f);
    retype(memo(f.window()), QStringLiteral("中文"));
    control<QCheckBox>(f.window(), QStringLiteral("CheckBox11"))->click(); // lines packed
    QCOMPARE(f.ws().program(1).Zones[1].SingleLine, 0);
    auto *size = control<QComboBox>(f.window(), QStringLiteral("cmbFontSize"));
    size->lineEdit()->selectAll();
    type(size->lineEdit(), QStringLiteral("单字56个LED灯大小"));
    const ZoneRecord &zone = f.ws().program(1).Zones[1];
    QCOMPARE(zone.FontSizeIndex, -1);
    QCOMPARE(size->currentText(), QStringLiteral("单字56个LED灯大小"));
    // One line of 56 rows, raised to whole 16-row pages.
    QCOMPARE(zone.ContentHeight, 64);
    QCOMPARE(savedBitmap(f, 1, 1).height(), 64);
    // Typing on keeps the typed size: 中文A needs a second line of 56.
    type(memo(f.window()), QStringLiteral("A"));
    QCOMPARE(size->currentText(), QStringLiteral("单字56个LED灯大小"));
    QCOMPARE(zone.ContentHeight, 112);
}

void TestTextPanel::nothingWhileNotReady()
{
    WindowFixture f;
    selectTextZone(f);
    const QByteArray text = f.ws().program(1).Zones[1].Text;
    f.ws().ModifiedFlag = 0;
    f.ws().UiReady = 0;
    type(memo(f.window()), QStringLiteral("X"));
    control<QCheckBox>(f.window(), QStringLiteral("CheckBox13"))->click();
    QCOMPARE(f.ws().program(1).Zones[1].Text, text);
    QCOMPARE(f.ws().program(1).Zones[1].YearFormat, 0);
    QCOMPARE(f.ws().ModifiedFlag, 0);
}

void TestTextPanel::unwritableBitmapIsReported()
{
    WindowFixture f;
    selectTextZone(f);
    const QString bitmap = zoneBitmapPath(f.ws(), 1, 1);
    QVERIFY(QFile::remove(bitmap));
    QVERIFY(QDir().mkpath(bitmap)); // a folder where the file goes
    type(memo(f.window()), QStringLiteral("B"));
    QCOMPARE(f.prompts().errors.size(), 1);
    QVERIFY(f.prompts().errors.first().contains(bitmap));
    // What was typed is kept, and the next keystroke goes on normally.
    QVERIFY(f.ws().program(1).Zones[1].Text.startsWith("B"));
    QCOMPARE(f.ws().ModifiedFlag, 100);
    QVERIFY(QDir(bitmap).removeRecursively());
    type(memo(f.window()), QStringLiteral("C"));
    QCOMPARE(f.prompts().errors.size(), 1);
    QVERIFY(QFile::exists(bitmap));
}

void TestTextPanel::selectionFillsThePanel()
{
    WindowFixture f;
    // Program 2 zone 1: 黑体, 16 LEDs, yellow, two lines of one zone width each.
    clickNode(f.window(), node(f.window(), QStringLiteral("分区1*"), QStringLiteral("节目2")));
    QCOMPARE(memo(f.window())->toPlainText(), QStringLiteral("今日特价        新鲜水果"));
    QCOMPARE(control<QComboBox>(f.window(), QStringLiteral("cmbFont"))->currentText(), QStringLiteral("黑体"));
    QCOMPARE(control<QComboBox>(f.window(), QStringLiteral("cmbFontSize"))->currentText(),
             QStringLiteral("单字16个LED灯大小"));
    QCOMPARE(control<QFrame>(f.window(), QStringLiteral("Panel9"))->palette().color(QPalette::Window),
             QColor(Qt::black));
    QVERIFY(!control<QCheckBox>(f.window(), QStringLiteral("CheckBox11"))->isChecked());
    QVERIFY(!control<QCheckBox>(f.window(), QStringLiteral("CheckBox13"))->isChecked());
    QCOMPARE(f.ws().StatusPanels[6], f.ws().ProjectFolder + QStringLiteral("Project0-1-1.txt"));
    // Filling the panel is no edit.
    QCOMPARE(f.ws().ModifiedFlag, 0);
    QCOMPARE(f.ws().program(2).Zones[1].Text, toGbk(u"今日特价        新鲜水果"));

    // Program 1 zone 1 has single line on.
    selectTextZone(f);
    QVERIFY(control<QCheckBox>(f.window(), QStringLiteral("CheckBox11"))->isChecked());
    QCOMPARE(control<QFrame>(f.window(), QStringLiteral("Panel10"))->palette().color(QPalette::Window),
             QColor(Qt::black));
}

void TestTextPanel::continuousZoneShowsTheStrip()
{
    WindowFixture f;
    // Program 3 zone 1: single line, "立即显示向左移动"; no stay makes it one line.
    clickNode(f.window(), node(f.window(), QStringLiteral("分区1 "), QStringLiteral("节目3")));
    auto *pages = control<QLabel>(f.window(), QStringLiteral("Image1"));
    auto *strip = control<QLabel>(f.window(), QStringLiteral("Image100"));
    QVERIFY(pages->isVisible());
    auto *stay = control<QLineEdit>(f.window(), QStringLiteral("Edit1"));
    stay->selectAll();
    QTest::keyClicks(stay, QStringLiteral("0"));
    QCOMPARE(f.ws().program(3).Zones[1].StayTime, 0);
    QVERIFY(strip->isVisible());
    QVERIFY(!pages->isVisible());
    // 营业时间 8:00-22:00 is 19 bytes of 8 LEDs: 152, two slices of 128.
    const QImage line = strip->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(line.size(), QSize(256, 16));
    QCOMPARE(line.pixel(127, 3), ZoneBitmap::MarkColour);
    QCOMPARE(line.pixel(255, 3), ZoneBitmap::MarkColour);
    const QImage saved = savedBitmap(f, 3, 1);
    QCOMPARE(saved.size(), QSize(128, 32));
    QCOMPARE(line.copy(0, 0, 127, 16), saved.copy(0, 0, 127, 16));

    // Selected again, the strip comes from the saved pages.
    clickNode(f.window(), node(f.window(), QStringLiteral("节目3")));
    clickNode(f.window(), node(f.window(), QStringLiteral("分区1 "), QStringLiteral("节目3")));
    QVERIFY(strip->isVisible());
    QCOMPARE(strip->pixmap().toImage().convertToFormat(QImage::Format_RGB32), line);

    retype(memo(f.window()), QStringLiteral("A"));
    QCOMPARE(strip->pixmap().size(), QSize(128, 16));
    QCOMPARE(savedBitmap(f, 3, 1).size(), QSize(128, 16));

    // A clock zone shows Image1 again.
    clickNode(f.window(), node(f.window(), QStringLiteral("分区2 "), QStringLiteral("节目3")));
    QVERIFY(pages->isVisible());
    QVERIFY(!strip->isVisible());
}

void TestTextPanel::openReadsTextFile()
{
    WindowFixture f;
    selectTextZone(f);
    const QString path = f.home() + QStringLiteral("/notice.txt");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(toGbk(u"第一行\r\n第二行\r\n"));
    }
    f.prompts().textPath = QString();
    QTest::mouseClick(control<QToolButton>(f.window(), QStringLiteral("SpeedButton1")), Qt::LeftButton);
    QCOMPARE(f.ws().program(1).Zones[1].Text, toGbk(u"欢迎光临 Lumetra LED显示屏"));

    f.prompts().textPath = path;
    QTest::mouseClick(control<QToolButton>(f.window(), QStringLiteral("SpeedButton1")), Qt::LeftButton);
    QCOMPARE(memo(f.window())->toPlainText(), QStringLiteral("第一行\n第二行"));
    QCOMPARE(f.ws().program(1).Zones[1].Text, toGbk(u"第一行\r\n第二行"));
    QCOMPARE(f.ws().ModifiedFlag, 100);

    f.prompts().textPath = f.home() + QStringLiteral("/missing.txt");
    QTest::mouseClick(control<QToolButton>(f.window(), QStringLiteral("SpeedButton1")), Qt::LeftButton);
    QCOMPARE(f.prompts().errors.size(), 1);
    QVERIFY(f.prompts().errors.first().contains(QStringLiteral("missing.txt")));
    QCOMPARE(f.ws().program(1).Zones[1].Text, toGbk(u"第一行\r\n第二行"));
}

void TestTextPanel::zoneWithoutContentFileOpensBlack()
{
    WindowFixture f;
    f.ws().program(1).Zones[1].ContentFile.clear();
    selectTextZone(f);
    QCOMPARE(memo(f.window())->toPlainText(), QString());
    const QImage saved = savedBitmap(f, 1, 1);
    QCOMPARE(saved.size(), QSize(128, 16));
    QCOMPARE(litPixels(saved), 0);
    QCOMPARE(f.ws().StatusPanels[6], QString());
    // The zone keeps its text until the operator types.
    QCOMPARE(f.ws().program(1).Zones[1].Text, toGbk(u"欢迎光临 Lumetra LED显示屏"));
}

// A text file of 20 MB: the render refuses it with its own message, the
// window goes on working and the next zone shows normally.
void TestTextPanel::hugeTextFileFailsCleanly()
{
    WindowFixture f([](const QString &home) {
        QFile file(home + QStringLiteral("/Project/Project0-0-1.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        const QByteArray chunk = QByteArray("\xd6\xd0\xce\xc4 LED ").repeated(1 << 16);
        for (qint64 written = 0; written < 20ll << 20; written += chunk.size())
            file.write(chunk);
    });
    selectTextZone(f);
    QVERIFY2(f.prompts().errors.size() == 2, qPrintable(f.prompts().errors.join('|')));
    QVERIFY(f.prompts().errors[0].contains(QStringLiteral("文本太长")));
    QVERIFY(f.prompts().errors[1].contains(QStringLiteral("分区图像太大")));
    // The box shows the beginning, read-only; the zone keeps all of it.
    QVERIFY(memo(f.window())->isReadOnly());
    QVERIFY(memo(f.window())->toPlainText().startsWith(QStringLiteral("中文 LED 中文")));
    QVERIFY(f.ws().program(1).Zones[1].Text.size() >= 20ll << 20);
    type(memo(f.window()), QStringLiteral("X"));
    QVERIFY(f.ws().program(1).Zones[1].Text.startsWith("\xd6\xd0"));
    clickNode(f.window(), node(f.window(), QStringLiteral("分区1*"), QStringLiteral("节目2")));
    QCOMPARE(memo(f.window())->toPlainText(), QStringLiteral("今日特价        新鲜水果"));
    QVERIFY(!memo(f.window())->isReadOnly());
}

QTEST_MAIN(TestTextPanel)
#include "tst_textpanel.moc"
