#include "support/virtualsign.h"
#include "uifixture.h"

#include "ui/app/commandtable.h"
#include "ui/app/statuspanels.h"
#include "ui/link/sendcommands.h"
#include "ui/link/tfdown.h"
#include "ui/link/tfusb.h"
#include "ui/project/programtree.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace lumetra;
using namespace lumetra::test;

namespace {

const QString SendQuestion = QStringLiteral("请确定是否发送当前这些节目到显示屏内?\r\n发送按'Yes',不发送按'NO'.");

} // namespace

class TestSendCommands : public QObject
{
    Q_OBJECT

private slots:
    void sendToTheVirtualCard()
    {
        VirtualSign sign;
        QVERIFY(sign.start());
        WindowFixture f;
        SendCommands *send = f.window().sendCommands();
        send->selectPort(sign.link());
        QAction *sendAction = f.window().commands()->toolSend;

        // While it runs: items off, the progress window up and counting.
        bool disabledDuring = false, shownDuring = false;
        QString panelDuring;
        QTimer probe;
        probe.setSingleShot(true);
        connect(&probe, &QTimer::timeout, [&] {
            disabledDuring = !sendAction->isEnabled() && !f.window().commands()->toolUsb->isEnabled();
            shownDuring = send->progressWindow()->isVisible();
            panelDuring = send->progressWindow()->panel(0)->text();
        });
        probe.start(5);
        f.window().commands()->menuSend->trigger();

        QCOMPARE(f.prompts().shown, QStringList{SendQuestion});
        QVERIFY(disabledDuring);
        QVERIFY(shownDuring);
        QVERIFY(panelDuring.startsWith(QStringLiteral("正在下载节目")));
        QVERIFY(sendAction->isEnabled());
        QVERIFY(!send->progressWindow()->isVisible());
        QCOMPARE(send->progressWindow()->panel(0)->text(), QStringLiteral("正在下载节目3"));
        QCOMPARE(send->progressWindow()->panel(1)->text(), QStringLiteral("100%"));
        QTRY_COMPARE(sign.log().count("\"frame\":\"transfer-load\""), 3);
        // The selection is the one the tree and the panels show: program 1.
        QCOMPARE(f.ws().CurrentProgram, 1);
        QCOMPARE(f.window().tree()->currentItem(), node(f.window(), QStringLiteral("节目1")));
    }

    void noAnswersNothingSent()
    {
        VirtualSign sign;
        QVERIFY(sign.start());
        WindowFixture f;
        f.window().sendCommands()->selectPort(sign.link());
        f.prompts().answers = {false};
        f.window().commands()->toolSend->trigger();
        QCOMPARE(f.prompts().shown, QStringList{SendQuestion});
        QCOMPARE(f.ws().CurrentProgram, 1);
        QTest::qWait(50);
        QVERIFY(sign.log().isEmpty());
    }

    void noProgramsStillAsks()
    {
        VirtualSign sign;
        QVERIFY(sign.start());
        WindowFixture f;
        f.window().sendCommands()->selectPort(sign.link());
        f.ws().display().ProgramCount = 0;
        f.window().commands()->toolSend->trigger();
        QCOMPARE(f.prompts().shown, QStringList{SendQuestion});
        QVERIFY(!f.window().sendCommands()->progressWindow()->isVisible());
        QTest::qWait(50);
        QVERIFY(sign.log().isEmpty());
    }

    void portErrorIsReportedAndItemsComeBack()
    {
        QTemporaryDir dir;
        WindowFixture f;
        f.window().sendCommands()->selectPort(dir.filePath(QStringLiteral("no-such-port")));
        // Hidden items count as disabled: compare with the states before.
        QList<bool> before;
        for (QAction *action : f.window().commands()->controllerActions())
            before << action->isEnabled();
        QVERIFY(before.contains(true));
        f.window().commands()->toolSend->trigger();
        QCOMPARE(f.prompts().shown, (QStringList{SendQuestion, QStringLiteral("串口数据发送失败。")}));
        QVERIFY(!f.window().sendCommands()->progressWindow()->isVisible());
        QList<bool> after;
        for (QAction *action : f.window().commands()->controllerActions())
            after << action->isEnabled();
        QCOMPARE(after, before);
    }

    void noPortNoSend()
    {
        WindowFixture f;
        QComboBox *ports = f.window().statusPanels()->portSelector();
        ports->clear();
        ports->setEditText(QString());
        f.window().commands()->toolSend->trigger();
        QCOMPARE(f.prompts().shown, QStringList{QStringLiteral("电脑可能没有串口请检查后再操作。")});
    }

    void usbExport_data()
    {
        QTest::addColumn<bool>("underPlainFile");
        QTest::newRow("to the disk") << false;
        QTest::newRow("under a plain file") << true;
    }
    void usbExport()
    {
        QFETCH(bool, underPlainFile);
        QTemporaryDir disk;
        QString volume = disk.path();
        if (underPlainFile) {
            volume = disk.filePath(QStringLiteral("plain"));
            QFile plain(volume);
            QVERIFY(plain.open(QIODevice::WriteOnly));
        }
        WindowFixture f;
        bool disabledDuring = false;
        f.window().sendCommands()->setModalRunner([&](QDialog &dialog) {
            auto *usb = qobject_cast<TF_usb *>(&dialog);
            if (!usb)
                return int(QDialog::Rejected);
            disabledDuring = !f.window().commands()->toolUsb->isEnabled();
            usb->drives()->setEditText(volume);
            usb->borderBox()->setChecked(true);
            usb->saveButton()->click();
            return int(QDialog::Rejected);
        });
        f.window().commands()->toolUsb->trigger();

        QVERIFY(disabledDuring);
        QVERIFY(f.window().commands()->toolUsb->isEnabled());
        const QString file = volume + QStringLiteral("/qelto/qelto.zv");
        if (underPlainFile) {
            QCOMPARE(f.prompts().errors, QStringList{QStringLiteral("数据没有导入成功。")});
            QVERIFY(!QFileInfo::exists(file));
            return;
        }
        QCOMPARE(f.prompts().shown, QStringList{QStringLiteral("数据导入到") + volume + QStringLiteral("盘。")});
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.read(8) == "01033130");
        // Back on zone 1 of the first program.
        QCOMPARE(f.ws().CurrentProgram, 1);
        QCOMPARE(f.ws().CurrentZone, 1);
    }

    void volumesRemovableFirst()
    {
        bool fixedSeen = false;
        for (const QString &root : TF_usb::volumes()) {
            const bool removable = root.startsWith(QLatin1String("/media/")) ||
                                   root.startsWith(QLatin1String("/run/media/")) ||
                                   root.startsWith(QLatin1String("/mnt/"));
            QVERIFY2(!(removable && fixedSeen), qPrintable(root));
            fixedSeen = fixedSeen || !removable;
            QVERIFY(QFileInfo(root).isDir());
        }
    }

    void clockChoiceEnablesTimeEditing()
    {
        WindowFixture f;
        SendCommands *send = f.window().sendCommands();
        QCOMPARE(send->UsbClockTime(), QTime(16, 0, 0));
        send->setModalRunner([&](QDialog &dialog) {
            if (auto *usb = qobject_cast<TF_usb *>(&dialog)) {
                if (usb->editTimeButton()->isEnabled())
                    return int(QDialog::Rejected);
                usb->clockBox()->setChecked(true);
                usb->editTimeButton()->click();
                return int(QDialog::Rejected);
            }
            // The time dialog: pick a date and time, then "确认".
            dialog.findChild<QWidget *>(QStringLiteral("MonthCalendar1"))
                ->setProperty("selectedDate", QDate(2009, 5, 7));
            dialog.findChild<QWidget *>(QStringLiteral("DateTimePicker2"))->setProperty("time", QTime(8, 30, 0));
            return int(QDialog::Accepted);
        });
        f.window().commands()->toolUsb->trigger();
        QCOMPARE(send->UsbClockDate(), QDate(2009, 5, 7));
        QCOMPARE(send->UsbClockTime(), QTime(8, 30, 0));
    }
};

QTEST_MAIN(TestSendCommands)
#include "tst_sendcommands.moc"
