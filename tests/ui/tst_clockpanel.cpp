#include "uifixture.h"

#include "model/contentfiles.h"
#include "model/gbk.h"
#include "ui/layout/clockpanel.h"
#include "ui/project/propertywindow.h"
#include "ui/project/templatepreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
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

template <typename T> T *control(TMAINForm &window, const char *name)
{
    return control<T>(window, QString::fromLatin1(name));
}

const char *const elementBoxes[7] = {"CheckBox9",  "CheckBox10", "CheckBox12", "CheckBox16",
                                     "CheckBox17", "CheckBox18", "CheckBox19"};

// Program 1 zone 2: a 128 x 16 clock zone in template 2.
ZoneRecord &clockZone(WindowFixture &f)
{
    return f.ws().program(1).Zones[2];
}

void selectClockZone(WindowFixture &f)
{
    clickNode(f.window(), node(f.window(), QStringLiteral("分区2*"), QStringLiteral("节目1")));
}

// The zone prepared as a record, then selected: the tree renders it and
// szcl fills the panel.
void selectClock(WindowFixture &f, int32_t options, int style, int yearFormat, int multiLine, int sizeIndex,
                 const QString &text = QString())
{
    ZoneRecord &zone = clockZone(f);
    zone.ClockOptions = options;
    zone.ClockStyle = style;
    zone.YearFormat = yearFormat;
    zone.MultiLine = multiLine;
    zone.FontSizeIndex = sizeIndex;
    zone.ClockText = toGbk(text);
    zone.InfoX = 0;
    zone.InfoY = 0;
    zone.InfoSpacing = 0;
    selectClockZone(f);
}

QImage savedBitmap(WindowFixture &f)
{
    return QImageReader(zoneBitmapPath(f.ws(), 1, 2)).read().convertToFormat(QImage::Format_RGB32);
}

void retype(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, text, Qt::NoModifier);
}

} // namespace

class TestClockPanel : public QObject
{
    Q_OBJECT
private slots:
    void panelControls();
    void szclFillsControls_data();
    void szclFillsControls();
    void szclFillsTheOtherControls();
    void editStoresEveryControl();
    void oneLineWorkedExample();
    void oneLineDrawnSpacingLower();
    void alignment_data();
    void alignment();
    void recentredAfter_data();
    void recentredAfter();
    void nothingWhileLoading();
    void unknownBackgroundIsBlack();
};

void TestClockPanel::panelControls()
{
    WindowFixture f;
    QCOMPARE(control<QSpinBox>(f.window(), "SpinEdit3")->maximum(), 1024);
    QCOMPARE(control<QSpinBox>(f.window(), "SpinEdit6")->maximum(), 256);
    QCOMPARE(control<QSpinBox>(f.window(), "SpinEdit2")->maximum(), 256);
    QCOMPARE(control<QSpinBox>(f.window(), "SpinEdit3")->toolTip(), QStringLiteral("时钟信息的左起始坐标"));
    auto *style = control<QComboBox>(f.window(), "ComboBox1");
    QCOMPARE(style->count(), 3);
    QCOMPARE(style->itemText(2), QStringLiteral("2009年08月28日12点00分00秒"));
    QCOMPARE(control<QComboBox>(f.window(), "cmbFont2")->itemText(1), QStringLiteral("粗字体"));
    QCOMPARE(control<QComboBox>(f.window(), "cmbFontSize2")->itemText(2), QStringLiteral("单字32个LED灯大小"));
    for (const char *name : {"RadioGroup3", "RadioGroup4", "Edit4", "Image11", "Image9", "Image10", "SpeedButton5",
                             "SpeedButton6", "SpeedButton7", "SpeedButton8", "SpeedButton9", "SpeedButton10"})
        control<QWidget>(f.window(), name);
    QVERIFY(!control<QWidget>(f.window(), "BackColourGroup")->isVisibleTo(f.window().properties()));
}

void TestClockPanel::szclFillsControls_data()
{
    QTest::addColumn<int>("options");
    QTest::addColumn<QString>("ticked"); // 年 月 日 星期 时 分 秒
    QTest::newRow("time") << 14 << QStringLiteral("0000111");
    QTest::newRow("everything") << 254 << QStringLiteral("1111111");
    QTest::newRow("year and week") << 144 << QStringLiteral("1001000");
    QTest::newRow("meaningless 1 bit") << 65 << QStringLiteral("0100000");
    QTest::newRow("none") << 0 << QStringLiteral("0000000");
}

void TestClockPanel::szclFillsControls()
{
    QFETCH(int, options);
    QFETCH(QString, ticked);
    WindowFixture f;
    selectClock(f, options, 0, 0, 0, 1);
    for (int i = 0; i < 7; ++i)
        QCOMPARE(control<QCheckBox>(f.window(), elementBoxes[i])->isChecked(), ticked.at(i) == QLatin1Char('1'));
    // Filling is no edit.
    QCOMPARE(f.ws().ModifiedFlag, 0);
    QCOMPARE(clockZone(f).ClockOptions, options);
}

void TestClockPanel::szclFillsTheOtherControls()
{
    WindowFixture f;
    ZoneRecord &zone = clockZone(f);
    zone.InfoX = 5;
    zone.InfoY = 3;
    zone.InfoSpacing = 2;
    zone.FontIndex = 1;
    zone.FontSizeIndex = 2;
    zone.ForeColor = 3;
    zone.ClockStyle = 2;
    zone.YearFormat = 1;
    zone.MultiLine = 1;
    zone.ClockText = toGbk(u"时间");
    selectClockZone(f);
    QCOMPARE(control<QSpinBox>(f.window(), "SpinEdit3")->value(), 5);
    QCOMPARE(control<QSpinBox>(f.window(), "SpinEdit6")->value(), 3);
    QCOMPARE(control<QSpinBox>(f.window(), "SpinEdit2")->value(), 2);
    QCOMPARE(control<QComboBox>(f.window(), "cmbFont2")->currentText(), QStringLiteral("粗字体"));
    QCOMPARE(control<QComboBox>(f.window(), "cmbFontSize2")->currentText(), QStringLiteral("单字32个LED灯大小"));
    QCOMPARE(control<QComboBox>(f.window(), "ComboBox1")->currentIndex(), 2);
    QVERIFY(control<QRadioButton>(f.window(), "RadioGroup3_1")->isChecked());
    QVERIFY(control<QRadioButton>(f.window(), "RadioGroup4_1")->isChecked());
    QCOMPARE(control<QLineEdit>(f.window(), "Edit4")->text(), QStringLiteral("时间"));
    QCOMPARE(control<QFrame>(f.window(), "Image10Frame")->palette().color(QPalette::Window), QColor(Qt::black));
    QVERIFY(control<QFrame>(f.window(), "Image11Frame")->palette().color(QPalette::Window) != QColor(Qt::black));
    QCOMPARE(f.window().properties()->shownEditor(), PropertyWindow::ClockEditor);
    // The tree rendered the preview before filling the panel.
    QCOMPARE(fromGbk(zone.ContentFile), zoneBitmapPath(f.ws(), 1, 2));

    // A face index left over from a text zone shows no item and draws 黑体.
    zone.FontIndex = 5;
    selectClockZone(f);
    QCOMPARE(control<QComboBox>(f.window(), "cmbFont2")->currentIndex(), -1);
}

void TestClockPanel::editStoresEveryControl()
{
    WindowFixture f;
    selectClock(f, 14, 0, 0, 0, 1);
    control<QSpinBox>(f.window(), "SpinEdit3")->setValue(7);
    control<QSpinBox>(f.window(), "SpinEdit6")->setValue(1);
    control<QSpinBox>(f.window(), "SpinEdit2")->setValue(3);
    control<QCheckBox>(f.window(), "CheckBox16")->click();
    control<QComboBox>(f.window(), "cmbFont2")->setCurrentIndex(1);
    control<QComboBox>(f.window(), "cmbFontSize2")->setCurrentIndex(0);
    QTest::mouseClick(control<QLabel>(f.window(), "Image9"), Qt::LeftButton);
    f.ws().ModifiedFlag = 0;
    retype(control<QLineEdit>(f.window(), "Edit4"), QStringLiteral("价한"));

    const ZoneRecord &zone = clockZone(f);
    QCOMPARE(f.ws().ModifiedFlag, 200);
    QCOMPARE(zone.InfoX, 7);
    QCOMPARE(zone.InfoY, 1);
    QCOMPARE(zone.InfoSpacing, 3);
    QCOMPARE(zone.ClockOptions, 30);
    QCOMPARE(zone.FontIndex, 1);
    QCOMPARE(zone.FontSizeIndex, 0);
    QCOMPARE(zone.ForeColor, 2);
    // The box shows what the zone keeps.
    QCOMPARE(zone.ClockText, toGbk(u"价?"));
    QCOMPARE(control<QLineEdit>(f.window(), "Edit4")->text(), QStringLiteral("价?"));
    QCOMPARE(fromGbk(zone.ContentFile), zoneBitmapPath(f.ws(), 1, 2));
    QCOMPARE(zone.ContentHeight, 16);
    // One line: 价? 星期六 08:06:01 from x 7, cells of 12.
    QCOMPARE(zone.WeekX, 7 + 3 * 6 + 4 * 6);
    QCOMPARE(zone.HourX, 7 + 10 * 6);
    QCOMPARE(zone.HourY, 1);

    const QImage saved = savedBitmap(f);
    QCOMPARE(saved.size(), QSize(128, 16));
    bool green = false;
    for (int y = 0; y < saved.height() && !green; ++y)
        for (int x = 0; x < saved.width() && !green; ++x)
            green = saved.pixel(x, y) == qRgb(0, 128, 0);
    QVERIFY(green);
    const QImage sign =
        f.window().preview()->zonePictureLabel(2, 2)->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(sign, saved);
    const QImage other = f.window().preview()->zonePictureLabel(2, 1)->pixmap().toImage();
    QCOMPARE(other.pixel(3, 3), qRgb(0, 0, 0));
    auto *zoom = control<QLabel>(f.window(), "Image1");
    QVERIFY(zoom->isVisible());
    QCOMPARE(zoom->pixmap().toImage().convertToFormat(QImage::Format_RGB32), saved);
}

void TestClockPanel::oneLineWorkedExample()
{
    // Style 0, two-digit year, everything shown, no fixed text, cell 12.
    WindowFixture f;
    selectClock(f, 254, 0, 1, 0, 0);
    ZoneRecord &zone = clockZone(f);
    zone.YearX = zone.MonthX = zone.DayX = zone.WeekX = zone.HourX = zone.MinuteX = zone.SecondX = -1;
    control<QSpinBox>(f.window(), "SpinEdit3")->setValue(1);
    control<QSpinBox>(f.window(), "SpinEdit3")->setValue(0);
    QCOMPARE(zone.YearX, 0);
    QCOMPARE(zone.MonthX, 18);
    QCOMPARE(zone.DayX, 36);
    QCOMPARE(zone.WeekX, 72);
    QCOMPARE(zone.HourX, 90);
    QCOMPARE(zone.MinuteX, 108);
    QCOMPARE(zone.SecondX, 126);
    QCOMPARE(zone.WeekRowY, 0);
    QCOMPARE(zone.TimeRowY, 0);
    QCOMPARE(f.window().properties()->clockPanel()->ClockTextWidth(), 23 * 12 / 2);
    QCOMPARE(f.window().properties()->clockPanel()->ClockBlockHeight(), 12);
}

void TestClockPanel::oneLineDrawnSpacingLower()
{
    // On one line the panel draws InfoSpacing lower; the positions stay.
    WindowFixture f;
    selectClock(f, 14, 0, 0, 0, 0);
    control<QSpinBox>(f.window(), "SpinEdit3")->setValue(2);
    const QImage flush = savedBitmap(f);
    control<QSpinBox>(f.window(), "SpinEdit2")->setValue(3);
    const QImage lower = savedBitmap(f);
    QVERIFY(lower != flush);
    for (int y = 0; y + 3 < flush.height(); ++y)
        for (int x = 0; x < flush.width(); ++x)
            QCOMPARE(lower.pixel(x, y + 3), flush.pixel(x, y));
    QCOMPARE(clockZone(f).HourY, 0);
    QCOMPARE(clockZone(f).TimeRowY, 0);
}

void TestClockPanel::alignment_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("options");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    // 08:06:01 is 8 bytes of 6 LEDs: 48 wide, 12 high, in 128 x 16.
    QTest::newRow("left") << QStringLiteral("SpeedButton5") << 14 << 0 << 5;
    QTest::newRow("centre") << QStringLiteral("SpeedButton6") << 14 << 40 << 5;
    QTest::newRow("right") << QStringLiteral("SpeedButton7") << 14 << 80 << 5;
    QTest::newRow("top") << QStringLiteral("SpeedButton10") << 14 << 9 << 0;
    QTest::newRow("middle") << QStringLiteral("SpeedButton9") << 14 << 9 << 2;
    QTest::newRow("bottom") << QStringLiteral("SpeedButton8") << 14 << 9 << 4;
    // 09-05-07星期六 08:06:01 is 138 wide: wider than the zone.
    QTest::newRow("centre, too wide") << QStringLiteral("SpeedButton6") << 254 << 0 << 5;
    QTest::newRow("right, too wide") << QStringLiteral("SpeedButton7") << 254 << 0 << 5;
}

void TestClockPanel::alignment()
{
    QFETCH(QString, button);
    QFETCH(int, options);
    QFETCH(int, x);
    QFETCH(int, y);
    WindowFixture f;
    selectClock(f, options, 0, 1, 0, 0);
    control<QSpinBox>(f.window(), "SpinEdit3")->setValue(9);
    control<QSpinBox>(f.window(), "SpinEdit6")->setValue(5);
    control<QToolButton>(f.window(), button)->click();
    QCOMPARE(control<QSpinBox>(f.window(), "SpinEdit3")->value(), x);
    QCOMPARE(control<QSpinBox>(f.window(), "SpinEdit6")->value(), y);
    const ZoneRecord &zone = clockZone(f);
    QCOMPARE(zone.InfoX, x);
    QCOMPARE(zone.InfoY, y);
    // The positions are those of the last render.
    QCOMPARE(zone.SecondY, y);
}

void TestClockPanel::recentredAfter_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("x");
    // Style 2: 08点06分01秒, 12 bytes of 6 LEDs.
    QTest::newRow("style") << QStringLiteral("style") << (128 - 72) / 2;
    // Several lines: the widest line, 08:06:01, is 48 wide.
    QTest::newRow("lines") << QStringLiteral("lines") << (128 - 48) / 2;
    // "2009 08:06:01" becomes "09 08:06:01", 11 bytes.
    QTest::newRow("year width") << QStringLiteral("year") << (128 - 11 * 6) / 2;
}

void TestClockPanel::recentredAfter()
{
    QFETCH(QString, change);
    QFETCH(int, x);
    WindowFixture f;
    // Year and time on one line, style 0, four-digit year: 2009 08:06:01.
    selectClock(f, 128 + 14, 0, 0, 0, 0);
    if (change == QLatin1String("style")) {
        selectClock(f, 14, 0, 0, 0, 0);
        auto *style = control<QComboBox>(f.window(), "ComboBox1");
        style->setFocus();
        QTest::keyClick(style, Qt::Key_End);
        QCOMPARE(clockZone(f).ClockStyle, 2);
    } else if (change == QLatin1String("lines")) {
        selectClock(f, 14, 0, 0, 0, 0);
        control<QRadioButton>(f.window(), "RadioGroup4_1")->click();
        QCOMPARE(clockZone(f).MultiLine, 1);
    } else {
        control<QRadioButton>(f.window(), "RadioGroup3_1")->click();
        QCOMPARE(clockZone(f).YearFormat, 1);
    }
    QCOMPARE(control<QSpinBox>(f.window(), "SpinEdit3")->value(), x);
    QCOMPARE(clockZone(f).InfoX, x);
    QCOMPARE(f.ws().ModifiedFlag, 200);
}

void TestClockPanel::nothingWhileLoading()
{
    WindowFixture f;
    selectClock(f, 14, 0, 0, 0, 0);
    QVERIFY(QFile::remove(zoneBitmapPath(f.ws(), 1, 2)));
    const ZoneRecord before = clockZone(f);
    f.ws().ClockLoading = 200;
    control<QSpinBox>(f.window(), "SpinEdit3")->setValue(11);
    retype(control<QLineEdit>(f.window(), "Edit4"), QStringLiteral("AB"));
    control<QCheckBox>(f.window(), "CheckBox9")->click();
    control<QToolButton>(f.window(), "SpeedButton6")->click();
    QTest::mouseClick(control<QLabel>(f.window(), "Image10"), Qt::LeftButton);
    const ZoneRecord &zone = clockZone(f);
    QCOMPARE(zone.InfoX, before.InfoX);
    QCOMPARE(zone.ClockText, before.ClockText);
    QCOMPARE(zone.ClockOptions, before.ClockOptions);
    QCOMPARE(zone.ForeColor, before.ForeColor);
    QCOMPARE(zone.ContentFile, before.ContentFile);
    QCOMPARE(f.ws().ModifiedFlag, 0);
    QVERIFY(!QFile::exists(zoneBitmapPath(f.ws(), 1, 2)));
}

void TestClockPanel::unknownBackgroundIsBlack()
{
    // A zone on green first, then one whose code the table does not know:
    // the panel draws it black, as the sign will, not in the last zone's green.
    WindowFixture f;
    clockZone(f).BackColor = 2;
    selectClock(f, 14, 0, 0, 0, 0);
    control<QSpinBox>(f.window(), "SpinEdit3")->setValue(1);
    QCOMPARE(savedBitmap(f).pixel(127, 15), qRgb(0, 128, 0));
    clickNode(f.window(), node(f.window(), QStringLiteral("分区1 "), QStringLiteral("节目1")));
    clockZone(f).BackColor = 0;
    selectClock(f, 14, 0, 0, 0, 0);
    control<QSpinBox>(f.window(), "SpinEdit3")->setValue(1);
    QCOMPARE(savedBitmap(f).pixel(127, 15), qRgb(0, 0, 0));
    QCOMPARE(clockZone(f).BackColor, 0);
}

QTEST_MAIN(TestClockPanel)
#include "tst_clockpanel.moc"
