#include "project/schedulerules.h"

#include <QTest>

using namespace lumetra;

class TestScheduleRules : public QObject
{
    Q_OBJECT
private slots:
    void dateText_data();
    void dateText();
    void timeText_data();
    void timeText();
    void playMode_data();
    void playMode();
    void timedPlayOffResetsDates();
    void timedPlayOnKeepsDates();
    void volumeItems();
};

void TestScheduleRules::dateText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("default") << QByteArray("2009-05-05") << QDate(2009, 5, 5) << QByteArray("2009-05-05");
    QTest::newRow("no zeros") << QByteArray("2024-1-9") << QDate(2024, 1, 9) << QByteArray("2024-01-09");
    QTest::newRow("slashes") << QByteArray("2024/12/31") << QDate(2024, 12, 31) << QByteArray("2024-12-31");
    QTest::newRow("garbage") << QByteArray("yesterday") << QDate() << QByteArray();
    QTest::newRow("no such day") << QByteArray("2023-02-30") << QDate() << QByteArray();
}

void TestScheduleRules::dateText()
{
    QFETCH(QByteArray, text);
    QFETCH(QDate, date);
    QFETCH(QByteArray, written);
    QCOMPARE(dateFromText(text), date);
    if (date.isValid())
        QCOMPARE(lumetra::dateText(date), written);
}

void TestScheduleRules::timeText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QTime>("time");
    QTest::newRow("band") << QByteArray("17:30:45") << QTime(17, 30, 45);
    QTest::newRow("end of day") << QByteArray("23:59:59") << QTime(23, 59, 59);
    QTest::newRow("no seconds") << QByteArray("8:05") << QTime(8, 5);
    QTest::newRow("out of range") << QByteArray("25:00:00") << QTime();
}

void TestScheduleRules::timeText()
{
    QFETCH(QByteArray, text);
    QFETCH(QTime, time);
    QCOMPARE(timeFromText(text), time);
    if (time.isValid())
        QCOMPARE(timeFromText(lumetra::timeText(time)), time);
}

void TestScheduleRules::playMode_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("stored");
    QTest::newRow("in turn ignores the box") << 0 << 200 << 0;
    QTest::newRow("fixed time") << 1 << 200 << 200;
    QTest::newRow("below the box") << 1 << 3 << 5;
    QTest::newRow("above the box") << 1 << 5000 << 1800;
}

void TestScheduleRules::playMode()
{
    QFETCH(int, item);
    QFETCH(int, seconds);
    QFETCH(int, stored);
    ProgramRecord program;
    program.PlayDuration = 77;
    applyPlayMode(program, item, seconds);
    QCOMPARE(program.PlayDuration, stored);
}

void TestScheduleRules::timedPlayOffResetsDates()
{
    ProgramRecord program;
    program.TimedPlay = 1;
    program.StartDate = "2024-01-01";
    program.StopDate = "2024-02-01";
    applyTimedPlay(program, false);
    QCOMPARE(program.TimedPlay, 0);
    QCOMPARE(program.StartDate, QByteArray("2009-05-05"));
    QCOMPARE(program.StopDate, QByteArray("2009-05-05"));
}

void TestScheduleRules::timedPlayOnKeepsDates()
{
    ProgramRecord program;
    program.StartDate = "2024-01-01";
    applyTimedPlay(program, true);
    QCOMPARE(program.TimedPlay, 1);
    QCOMPARE(program.StartDate, QByteArray("2024-01-01"));
}

void TestScheduleRules::volumeItems()
{
    QCOMPARE(volumeItem(0), 0);
    QCOMPARE(volumeItem(10), 10);
    QCOMPARE(volumeItem(11), -1);
    QCOMPARE(volumeItem(-1), -1);
}

QTEST_GUILESS_MAIN(TestScheduleRules)
#include "tst_schedulerules.moc"
