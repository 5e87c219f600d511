#include "uifixture.h"

#include "ui/project/programtree.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimeEdit>

using namespace lumetra;
using namespace lumetra::test;

namespace {
template <typename T> T *control(TMAINForm &window, const char *name)
{
    T *widget = window.findChild<T *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

void retype(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}
} // namespace

class TestPropertyPanels : public QObject
{
    Q_OBJECT
private slots:
    void untickTimedPlayResetsDates();
    void untimedProgramAfterTimedOneResetsItsDates();
    void storedDuration3ShowsAndStores5();
    void switchingToFixedTimeStoresTheBox();
    void volumeOutOfRangeShowsNoItem();
    void weekdayAndTimeEdits();
    void stayBox255IsFixed();
    void fixedForcesPageTurn();
    void switchingZonesChangesNothing();
    void speedAndClearing();
    void typedNonDigitsDropped();
};

void TestPropertyPanels::untickTimedPlayResetsDates()
{
    WindowFixture f;
    clickNode(f.window(), node(f.window(), QStringLiteral("节目1")));
    auto *timed = control<QCheckBox>(f.window(), "CheckBox2");
    auto *start = control<QDateEdit>(f.window(), "disp_startdate");
    auto *stop = control<QDateEdit>(f.window(), "disp_enddate");
    QVERIFY(!start->isEnabled());
    timed->click();
    QVERIFY(start->isEnabled());
    QVERIFY(control<QComboBox>(f.window(), "sound5")->isEnabled());
    QCOMPARE(f.ws().program(1).TimedPlay, 1);
    start->setDate(QDate(2024, 3, 1));
    stop->setDate(QDate(2024, 4, 30));
    QCOMPARE(f.ws().program(1).StartDate, QByteArray("2024-03-01"));
    QCOMPARE(f.ws().program(1).StopDate, QByteArray("2024-04-30"));
    timed->click();
    QCOMPARE(f.ws().program(1).TimedPlay, 0);
    QCOMPARE(f.ws().program(1).StartDate, QByteArray("2009-05-05"));
    QCOMPARE(f.ws().program(1).StopDate, QByteArray("2009-05-05"));
    QCOMPARE(start->date(), QDate(2009, 5, 5));
    QCOMPARE(stop->date(), QDate(2009, 5, 5));
    QVERIFY(!start->isEnabled());
    QCOMPARE(f.ws().ModifiedFlag, 100);
}

void TestPropertyPanels::untimedProgramAfterTimedOneResetsItsDates()
{
    WindowFixture f;
    f.ws().program(1).TimedPlay = 1;
    f.ws().program(2).StartDate = "2020-01-01";
    clickNode(f.window(), node(f.window(), QStringLiteral("节目1")));
    QVERIFY(control<QCheckBox>(f.window(), "CheckBox2")->isChecked());
    clickNode(f.window(), node(f.window(), QStringLiteral("节目2")));
    QVERIFY(!control<QCheckBox>(f.window(), "CheckBox2")->isChecked());
    QCOMPARE(f.ws().program(2).StartDate, QByteArray("2009-05-05"));
    QCOMPARE(f.ws().program(1).TimedPlay, 1);
}

void TestPropertyPanels::storedDuration3ShowsAndStores5()
{
    WindowFixture f;
    f.ws().program(2).PlayDuration = 3;
    clickNode(f.window(), node(f.window(), QStringLiteral("节目2")));
    auto *seconds = control<QSpinBox>(f.window(), "SpinEdit1");
    QCOMPARE(seconds->value(), 5);
    QVERIFY(seconds->isEnabled());
    QCOMPARE(f.ws().program(2).PlayDuration, 5);
    QCOMPARE(f.ws().PlayModeLoading, 0);
    // Typed seconds are stored at once.
    seconds->setValue(60);
    QCOMPARE(f.ws().program(2).PlayDuration, 60);
}

void TestPropertyPanels::switchingToFixedTimeStoresTheBox()
{
    WindowFixture f;
    clickNode(f.window(), node(f.window(), QStringLiteral("节目1")));
    auto *seconds = control<QSpinBox>(f.window(), "SpinEdit1");
    QVERIFY(!seconds->isEnabled());
    const auto items = f.window().findChild<QGroupBox *>(QStringLiteral("RadioGroup2"))->findChildren<QRadioButton *>();
    QCOMPARE(items.size(), 2);
    items.at(1)->click();
    QVERIFY(seconds->isEnabled());
    QCOMPARE(f.ws().program(1).PlayDuration, seconds->value());
    items.at(0)->click();
    QCOMPARE(f.ws().program(1).PlayDuration, 0);
    QVERIFY(!seconds->isEnabled());
    // While "顺序播放" is chosen the box changes nothing.
    seconds->setEnabled(true);
    seconds->setValue(100);
    QCOMPARE(f.ws().program(1).PlayDuration, 0);
}

void TestPropertyPanels::volumeOutOfRangeShowsNoItem()
{
    WindowFixture f;
    f.ws().program(1).Volumes[0] = 11;
    f.ws().program(1).Volumes[4] = 7;
    clickNode(f.window(), node(f.window(), QStringLiteral("节目1")));
    QCOMPARE(control<QComboBox>(f.window(), "sound1")->currentIndex(), -1);
    QCOMPARE(control<QComboBox>(f.window(), "sound5")->currentText(), QStringLiteral("7"));
    QCOMPARE(f.ws().program(1).Volumes[0], 11);
}

void TestPropertyPanels::weekdayAndTimeEdits()
{
    WindowFixture f;
    clickNode(f.window(), node(f.window(), QStringLiteral("节目1")));
    control<QCheckBox>(f.window(), "CheckBox2")->click();
    control<QCheckBox>(f.window(), "CheckBox8")->click(); // 星期日
    QCOMPARE(f.ws().program(1).Weekdays[6], 0);
    QCOMPARE(f.ws().program(1).Weekdays[0], 1);
    control<QTimeEdit>(f.window(), "sj2js")->setTime(QTime(6, 30, 15));
    QCOMPARE(f.ws().program(1).StopTimes[1], QByteArray("06:30:15"));
    // A stop before its start is kept as entered.
    control<QTimeEdit>(f.window(), "sj2ks")->setTime(QTime(7, 0, 0));
    QCOMPARE(f.ws().program(1).StartTimes[1], QByteArray("07:00:00"));
    control<QComboBox>(f.window(), "sound3")->setCurrentIndex(10);
    QCOMPARE(f.ws().program(1).Volumes[2], 10);
}

void TestPropertyPanels::stayBox255IsFixed()
{
    WindowFixture f;
    clickNode(f.window(), node(f.window(), QStringLiteral("分区1 "), QStringLiteral("节目1")));
    auto *stay = control<QLineEdit>(f.window(), "Edit1");
    auto *fixed = control<QCheckBox>(f.window(), "CheckBox14");
    auto *effect = control<QComboBox>(f.window(), "ComboBox3");
    retype(stay, QStringLiteral("255"));
    QVERIFY(fixed->isChecked());
    QCOMPARE(f.ws().program(1).Zones[1].StayTime, 255);
    QCOMPARE(effect->currentIndex(), 4);
    QCOMPARE(f.ws().program(1).Zones[1].PlayMode, 5);
    QTest::keyClick(stay, Qt::Key_End);
    QTest::keyClick(stay, Qt::Key_Backspace);
    QVERIFY(!fixed->isChecked());
    QCOMPARE(stay->text(), QStringLiteral("10"));
    QCOMPARE(f.ws().program(1).Zones[1].StayTime, 10);
}

void TestPropertyPanels::fixedForcesPageTurn()
{
    WindowFixture f;
    clickNode(f.window(), node(f.window(), QStringLiteral("分区1 "), QStringLiteral("节目1")));
    auto *fixed = control<QCheckBox>(f.window(), "CheckBox14");
    auto *effect = control<QComboBox>(f.window(), "ComboBox3");
    fixed->click();
    QCOMPARE(control<QLineEdit>(f.window(), "Edit1")->text(), QStringLiteral("255"));
    for (int item : {0, 13, 7}) {
        effect->setCurrentIndex(item);
        QCOMPARE(effect->currentIndex(), 4);
        QCOMPARE(f.ws().program(1).Zones[1].PlayMode, 5);
    }
    fixed->click();
    effect->setCurrentIndex(13);
    QCOMPARE(f.ws().program(1).Zones[1].PlayMode, 14);
}

void TestPropertyPanels::switchingZonesChangesNothing()
{
    WindowFixture f;
    // In the bundled project zone 2 of 节目1 stays fixed (255), zone 1 for 4.
    clickNode(f.window(), node(f.window(), QStringLiteral("分区2*"), QStringLiteral("节目1")));
    QCOMPARE(control<QLineEdit>(f.window(), "Edit1")->text(), QStringLiteral("255"));
    QVERIFY(control<QCheckBox>(f.window(), "CheckBox14")->isChecked());
    clickNode(f.window(), node(f.window(), QStringLiteral("分区1 "), QStringLiteral("节目1")));
    QCOMPARE(control<QLineEdit>(f.window(), "Edit1")->text(), QStringLiteral("4"));
    QVERIFY(!control<QCheckBox>(f.window(), "CheckBox14")->isChecked());
    QCOMPARE(f.ws().program(1).Zones[2].StayTime, 255);
    QCOMPARE(f.ws().program(1).Zones[1].StayTime, 4);
    QCOMPARE(f.ws().program(1).Zones[1].PlayMode, 6);
    QCOMPARE(f.ws().ModifiedFlag, 0);
}

void TestPropertyPanels::speedAndClearing()
{
    WindowFixture f;
    clickNode(f.window(), node(f.window(), QStringLiteral("分区1*"), QStringLiteral("节目2")));
    auto *speed = control<QComboBox>(f.window(), "ComboBox5");
    QCOMPARE(speed->currentText(), QStringLiteral("3"));
    speed->setCurrentIndex(39);
    QCOMPARE(f.ws().program(2).Zones[1].Speed, 40);
    QCOMPARE(speed->currentText(), QStringLiteral("40(最慢档)"));
    auto *clear = control<QCheckBox>(f.window(), "CheckBox29");
    QVERIFY(clear->isChecked());
    clear->click();
    QCOMPARE(f.ws().program(2).Zones[1].ClearBeforePlay, 0);
}

void TestPropertyPanels::typedNonDigitsDropped()
{
    WindowFixture f;
    clickNode(f.window(), node(f.window(), QStringLiteral("分区1 "), QStringLiteral("节目1")));
    auto *stay = control<QLineEdit>(f.window(), "Edit1");
    retype(stay, QStringLiteral("1a2-"));
    QCOMPARE(stay->text(), QStringLiteral("12"));
    QCOMPARE(f.ws().program(1).Zones[1].StayTime, 12);
    retype(stay, QStringLiteral("300"));
    QCOMPARE(stay->text(), QStringLiteral("30"));
}

QTEST_MAIN(TestPropertyPanels)
#include "tst_propertypanels.moc"
