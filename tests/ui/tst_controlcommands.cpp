#include "support/virtualsign.h"
#include "uifixture.h"

#include "model/apphome.h"
#include "model/gbk.h"
#include "model/inidocument.h"
#include "ui/app/commandtable.h"
#include "ui/app/statuspanels.h"
#include "ui/link/controlcommands.h"
#include "ui/link/portsetupdialog.h"
#include "ui/link/sendcommands.h"
#include "ui/link/tfcom.h"
#include "ui/link/tflight.h"
#include "ui/link/tflsbk.h"
#include "ui/link/tfmana.h"
#include "ui/link/tfsettimer.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>

using namespace lumetra;
using namespace lumetra::test;

namespace {

QByteArray displayKey(const QString &home, const char16_t *key)
{
    IniDocument ini = IniDocument::load(AppHome::defaultProjectPath(home));
    return ini.value(toGbk(u"显示屏参数"), toGbk(QStringView(key)), QByteArray());
}

QByteArray serialKey(const QString &home, const char16_t *key)
{
    IniDocument ini = IniDocument::load(AppHome::defaultProjectPath(home));
    return ini.value(toGbk(u"显示屏串口"), toGbk(QStringView(key)), QByteArray());
}

} // namespace

class TestControlCommands : public QObject
{
    Q_OBJECT

private slots:
    void powerOffSendsItsFrameAndItemsComeBack()
    {
        VirtualSign sign;
        QVERIFY(sign.start());
        WindowFixture f;
        f.window().sendCommands()->selectPort(sign.link());
        QList<bool> before;
        for (QAction *action : f.window().commands()->controllerActions())
            before << action->isEnabled();
        f.window().commands()->toolPowerOff->trigger();
        QVERIFY(f.prompts().shown.isEmpty());
        QTRY_VERIFY(sign.log().contains("\"frame\":\"power\""));
        QList<bool> after;
        for (QAction *action : f.window().commands()->controllerActions())
            after << action->isEnabled();
        QCOMPARE(after, before);
    }

    void portErrorIsReported()
    {
        QTemporaryDir dir;
        WindowFixture f;
        f.window().sendCommands()->selectPort(dir.filePath(QStringLiteral("no-such-port")));
        const bool before = f.window().commands()->menuPowerOn->isEnabled();
        QVERIFY(before);
        f.window().commands()->menuPause->trigger();
        QCOMPARE(f.prompts().shown, QStringList{QStringLiteral("串口数据发送失败。")});
        QCOMPARE(f.window().commands()->menuPowerOn->isEnabled(), before);
    }

    void timerSaveWritesTheFourKeys()
    {
        WindowFixture f;
        bool disabledDuring = false;
        QString panel;
        f.window().controlCommands()->setModalRunner([&](QDialog &dialog) {
            auto *timer = qobject_cast<TFSETTIMER *>(&dialog);
            if (!timer)
                return int(QDialog::Rejected);
            disabledDuring = !f.window().commands()->toolTimer->isEnabled();
            timer->setClock([] { return QDateTime(QDate(2009, 5, 7), QTime(8, 6, 1)); });
            timer->Timer1Timer();
            panel = timer->clockPanel()->text();
            timer->powerOnPicker()->setTime(QTime(7, 30, 0));
            timer->powerOffPicker()->setTime(QTime(22, 15, 0));
            timer->saveButton()->click();
            return int(QDialog::Rejected);
        });
        f.window().commands()->menuTimer->trigger();
        QCOMPARE(panel, QStringLiteral("2009年5月7日8点6分1秒星期四"));
        QVERIFY(disabledDuring);
        QVERIFY(f.window().commands()->toolTimer->isEnabled());
        QCOMPARE(f.ws().display().PowerOnHour, 7);
        QCOMPARE(f.ws().WorkingSettings.PowerOffMinute, 15);
        QCOMPARE(displayKey(f.home(), u"开机时间小时"), QByteArray("7"));
        QCOMPARE(displayKey(f.home(), u"开机时间分钟"), QByteArray("30"));
        QCOMPARE(displayKey(f.home(), u"关机时间小时"), QByteArray("22"));
        QCOMPARE(displayKey(f.home(), u"关机时间分钟"), QByteArray("15"));
    }

    void brightnessStoresTheLevels()
    {
        WindowFixture f;
        int entries = 0;
        f.window().controlCommands()->setModalRunner([&](QDialog &dialog) {
            auto *light = qobject_cast<TFLight *>(&dialog);
            if (!light)
                return int(QDialog::Rejected);
            entries = light->dayLevels()->count();
            light->dayLevels()->setCurrentIndex(199);
            light->nightLevels()->setCurrentIndex(0);
            light->saveButton()->click();
            return int(QDialog::Rejected);
        });
        f.window().commands()->toolBrightness->trigger();
        QCOMPARE(entries, 200);
        QCOMPARE(f.ws().display().DayBrightness, 200);
        QCOMPARE(f.ws().display().NightBrightness, 1);
        QCOMPARE(f.ws().WorkingSettings.DayBrightness, 200);
        QCOMPARE(displayKey(f.home(), u"白天亮度"), QByteArray("200"));
        QCOMPARE(displayKey(f.home(), u"晚上亮度"), QByteArray("1"));
    }

    void borderKeepsItsCheckBox()
    {
        WindowFixture f;
        QList<bool> seen;
        f.window().controlCommands()->setModalRunner([&](QDialog &dialog) {
            auto *border = qobject_cast<TF_LSBK *>(&dialog);
            if (!border)
                return int(QDialog::Rejected);
            seen << border->borderBox()->isChecked();
            border->borderBox()->setChecked(true);
            return int(QDialog::Rejected);
        });
        f.window().commands()->toolBorder->trigger();
        f.window().commands()->toolBorder->trigger();
        QCOMPARE(seen, (QList<bool>{false, true}));
    }

    void searchFindsTheCardOnTheSecondPort()
    {
        VirtualSign sign;
        QVERIFY(sign.start());
        QTemporaryDir dir;
        WindowFixture f;
        f.ws().display().CardModel = toGbk(u"B类卡");
        QComboBox *ports = f.window().statusPanels()->portSelector();
        ports->clear();
        ports->addItems({dir.filePath(QStringLiteral("gone-1")), sign.link(), dir.filePath(QStringLiteral("gone-3"))});
        QString label;
        int progress = -1;
        f.window().controlCommands()->setModalRunner([&](QDialog &dialog) {
            auto *search = qobject_cast<TF_com *>(&dialog);
            if (!search)
                return int(QDialog::Rejected);
            search->show();
            label = search->label()->text();
            progress = search->progressBar()->value();
            search->close();
            return int(QDialog::Rejected);
        });
        f.window().commands()->toolFind->trigger();
        QCOMPARE(label, QStringLiteral("已经找到显示屏在") + sign.link());
        QCOMPARE(progress, 100);
        QCOMPARE(fromGbk(f.ws().display().SerialPort), sign.link());
    }

    void searchWithNobodyAnswering()
    {
        QTemporaryDir dir;
        WindowFixture f;
        f.ws().display().CardModel = toGbk(u"C类卡");
        QComboBox *ports = f.window().statusPanels()->portSelector();
        ports->clear();
        ports->addItems({dir.filePath(QStringLiteral("gone-1")), dir.filePath(QStringLiteral("gone-2"))});
        QString label;
        f.window().controlCommands()->setModalRunner([&](QDialog &dialog) {
            if (auto *search = qobject_cast<TF_com *>(&dialog)) {
                search->show();
                label = search->label()->text();
                search->close();
            }
            return int(QDialog::Rejected);
        });
        f.window().commands()->toolFind->trigger();
        QCOMPARE(label, QStringLiteral("没有找到显示屏,请检查硬件和通讯线。"));
        QCOMPARE(fromGbk(f.ws().display().SerialPort), dir.filePath(QStringLiteral("gone-2")));
    }

    void manualPortChoice_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("确定") << true;
        QTest::newRow("取消") << false;
    }
    void manualPortChoice()
    {
        QFETCH(bool, confirm);
        QTemporaryDir dir;
        const QString chosen = dir.filePath(QStringLiteral("ttyManual"));
        WindowFixture f;
        DisplayRecord &d = f.ws().display();
        d.CardModel = toGbk(u"B类卡");
        d.SerialPort = "COM3";
        d.BaudRate = 19200;
        d.LinkType = 0;
        // No ports listed: the automatic search ends at once.
        f.window().statusPanels()->portSelector()->clear();
        const QByteArray fileBefore = serialKey(f.home(), u"波特率");
        QString caption;
        f.window().controlCommands()->setModalRunner([&](QDialog &dialog) {
            if (auto *setup = qobject_cast<PortSetupDialog *>(&dialog)) {
                caption = setup->windowTitle();
                setup->portBox()->setCurrentText(chosen);
                setup->rateBox()->setCurrentIndex(setup->rateBox()->findText(QStringLiteral("38400")));
                return int(confirm ? QDialog::Accepted : QDialog::Rejected);
            }
            if (auto *search = qobject_cast<TF_com *>(&dialog)) {
                search->show();
                search->manualButton()->click();
                search->close();
            }
            return int(QDialog::Rejected);
        });
        f.window().commands()->toolFind->trigger();
        QCOMPARE(caption, QStringLiteral("设置窗体"));
        QCOMPARE(fromGbk(d.SerialPort), confirm ? chosen : QStringLiteral("COM3"));
        QCOMPARE(d.BaudRate, confirm ? 38400 : 19200);
        QCOMPARE(serialKey(f.home(), u"波特率"), confirm ? QByteArray("38400") : fileBefore);
        if (confirm) {
            QCOMPARE(fromGbk(serialKey(f.home(), u"串口")), chosen);
            QCOMPARE(f.window().statusPanels()->panel(4)->text(), chosen);
            QCOMPARE(f.window().statusPanels()->panel(5)->text(), QStringLiteral("38400"));
            QCOMPARE(f.window().statusPanels()->panel(3)->text(), QStringLiteral("本地串口通讯"));
            QCOMPARE(f.window().statusPanels()->portSelector()->currentText(), chosen);
        }
    }

    void gateAsksForTheStoredPassword()
    {
        WindowFixture f;
        f.ws().display().Password = "947";
        bool stayedOpen = false;
        f.window().controlCommands()->setModalRunner([&](QDialog &dialog) {
            auto *gate = qobject_cast<TFMANA *>(&dialog);
            if (!gate)
                return int(QDialog::Rejected);
            gate->show();
            gate->passwordEdit()->setText(QStringLiteral("946"));
            gate->confirmButton()->click();
            stayedOpen = gate->isVisible() && gate->result() != QDialog::Accepted;
            gate->passwordEdit()->setText(QStringLiteral("947"));
            gate->confirmButton()->click();
            return gate->result();
        });
        QVERIFY(f.window().controlCommands()->TBXItem16Click());
        QVERIFY(stayedOpen);
        QCOMPARE(f.prompts().shown, QStringList{QStringLiteral("密码错误,请重新录入。")});
    }

    void searchRefusedForClassA()
    {
        WindowFixture f;
        f.ws().display().CardModel = toGbk(u"A类卡");
        bool opened = false;
        f.window().controlCommands()->setModalRunner([&](QDialog &) {
            opened = true;
            return int(QDialog::Rejected);
        });
        f.window().commands()->toolFind->trigger();
        QVERIFY(!opened);
        QCOMPARE(f.prompts().captions, QStringList{QStringLiteral("信息提示")});
        QCOMPARE(f.prompts().shown, QStringList{QStringLiteral("A类卡不支持这个功能，只有B类卡和C类卡支持。")});
    }
};

QTEST_MAIN(TestControlCommands)
#include "tst_controlcommands.moc"
