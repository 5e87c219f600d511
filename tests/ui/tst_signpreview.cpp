#include "uifixture.h"

#include "ui/app/commandtable.h"
#include "ui/link/sendcommands.h"
#include "ui/link/signpreview.h"
#include "ui/link/tfdown.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QTimer>

#include <csignal>

using namespace lumetra;
using namespace lumetra::test;

namespace {

QByteArray frameLog(const SignPreview &preview)
{
    QFile f(preview.outDir() + QStringLiteral("/frames.jsonl"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QList<bool> states(const QList<QAction *> &actions)
{
    QList<bool> out;
    for (QAction *action : actions)
        out << action->isEnabled();
    return out;
}

bool processGone(qint64 pid)
{
    return pid > 0 && !QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid));
}

} // namespace

class TestSignPreview : public QObject
{
    Q_OBJECT

private slots:
    void previewPlaysTheProjectAndEndsWithTheEditor()
    {
        WindowFixture f;
        const QByteArray port = f.ws().ComPort.PortName;
        const QByteArray storedPort = f.ws().display().SerialPort;
        const int programs = f.ws().display().ProgramCount;
        QVERIFY(programs > 0);
        CommandTable &c = *f.window().commands();
        QVERIFY(c.controllerActions().contains(c.toolPreview));
        QCOMPARE(c.menuPreview->text(), QStringLiteral("模拟显示"));

        c.menuPreview->trigger();

        SignPreview *preview = f.window().sendCommands()->preview();
        QVERIFY(preview);
        QVERIFY(preview->isRunning());
        QVERIFY(preview->link().startsWith(f.home()));
        // No question, no message: nothing goes to the real card.
        QCOMPARE(f.prompts().shown, QStringList{});
        QVERIFY(c.toolSend->isEnabled());
        QVERIFY(!f.window().sendCommands()->progressWindow()->isVisible());
        QTRY_COMPARE(frameLog(*preview).count("\"frame\":\"transfer-load\""), programs);
        for (int k = 1; k <= programs; ++k)
            QVERIFY2(QFileInfo::exists(preview->outDir() + QStringLiteral("/program-%1.png").arg(k)), qPrintable(QString::number(k)));
        // The real card's port is the one kept.
        QCOMPARE(f.ws().ComPort.PortName, port);
        QCOMPARE(f.ws().display().SerialPort, storedPort);

        // A second preview reuses the running sign and sends again.
        const qint64 pid = preview->processId();
        c.toolPreview->trigger();
        QCOMPARE(preview->processId(), pid);
        QTRY_COMPARE(frameLog(*preview).count("\"frame\":\"transfer-load\""), 2 * programs);

        f.ws().ModifiedFlag = 0;
        QVERIFY(f.window().close());
        QVERIFY(!preview->isRunning());
        QVERIFY(processGone(pid));
    }

    void signGoneInTheMiddleOfASend()
    {
        WindowFixture f;
        CommandTable &c = *f.window().commands();
        const QList<bool> before = states(c.controllerActions());
        // Start the sign, then send again and kill it once the first data
        // block of that send is in its log.
        c.toolPreview->trigger();
        SignPreview *preview = f.window().sendCommands()->preview();
        QVERIFY(preview && preview->isRunning());
        QTRY_VERIFY(frameLog(*preview).contains("\"frame\":\"transfer-load\""));
        const int blocksBefore = frameLog(*preview).count("\"frame\":\"program-data\"");
        const qint64 pid = preview->processId();
        bool killed = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            if (!killed && frameLog(*preview).count("\"frame\":\"program-data\"") > blocksBefore) {
                ::kill(pid_t(pid), SIGKILL);
                killed = true;
            }
        });
        watch.start(1);
        c.menuPreview->trigger();
        watch.stop();

        QVERIFY(killed);
        QCOMPARE(f.prompts().shown, QStringList{QStringLiteral("串口数据发送失败。")});
        QCOMPARE(states(c.controllerActions()), before);
        QVERIFY(!f.window().sendCommands()->progressWindow()->isVisible());

        // The window still works: the project saves, and the preview starts
        // a new sign that receives it all.
        const int programs = f.ws().display().ProgramCount;
        QVERIFY(f.window().saveFromToolbar());
        const QStringList shownBefore = f.prompts().shown;
        QFile::remove(preview->outDir() + QStringLiteral("/frames.jsonl"));
        c.toolPreview->trigger();
        QVERIFY(preview->isRunning());
        QVERIFY(preview->processId() != pid);
        QTRY_COMPARE(frameLog(*preview).count("\"frame\":\"transfer-load\""), programs);
        QCOMPARE(f.prompts().shown, shownBefore);
    }
};

QTEST_MAIN(TestSignPreview)
#include "tst_signpreview.moc"
