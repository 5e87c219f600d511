#include "uifixture.h"

#include "model/error.h"
#include "model/gbk.h"
#include "model/projectfile.h"
#include "ui/app/commandtable.h"
#include "ui/app/lumetraapplication.h"
#include "ui/app/splashwindow.h"
#include "ui/app/statuspanels.h"
#include "ui/project/programtree.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace lumetra;
using namespace lumetra::test;

namespace {
// Throws from its event handler, as a handler whose bitmap cannot be written does.
class ThrowingObject : public QObject
{
public:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            throw Error(QStringLiteral("无法写入文件 \"/x/ExtFile/0-0-1.bmp\""),
                        QStringLiteral("/x/ExtFile/0-0-1.bmp"));
        return QObject::event(e);
    }
};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString ExitQuestion = QStringLiteral("请确定是否退出该系统?\r\n退出按'Yes',不退出按'NO'.");
const QString SaveQuestion = QStringLiteral("请确定是否保存信息?\r\n保存按'Yes',不保存按'NO'.");
const QString Saved = QStringLiteral("保存成功!");
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void portChoiceIsApplied();
    void caption_data();
    void caption();
    void startupBuildsTreeAndSelects();
    void startupFillsStatusPanels();
    void startupWithUnreadableProject();
    void commandTable_data();
    void commandTable();
    void windowLayout();
    void exitAfterAddAsksToSave();
    void exitWithoutChangesAsksOnce();
    void exitAnsweredNoStaysOpen();
    void menuSaveKeepsFlagToolbarSaveClears();
    void saveAfterNewGoesThroughSaveAs();
    void failedSaveNamesFileAndIsNoSuccess();
    void openBuildsTreeOnProgram1();
    void openUnreadableKeepsProject();
    void exitWithFailedSaveStaysOpen();
    void newAsksToSaveChanges();
    void splashWindow();
    void splashWithoutPictureIsBlack();
    void aboutBox();
    void gifPicturesReadable();
    void escapedErrorReachesErrorBox();
    void chineseStandardTexts();
};

void TestMainWindow::caption_data()
{
    QTest::addColumn<QByteArray>("titleFile"); // GBK bytes; empty: no file
    QTest::addColumn<QString>("caption");
    QTest::newRow("bundled") << QByteArray("keep") << QStringLiteral("Lumetra LED显示屏编辑与下载");
    QTest::newRow("own") << toGbk(u"[标题]\r\ntitle=北门超市\r\n") << QStringLiteral("北门超市");
    QTest::newRow("missing") << QByteArray() << QStringLiteral("Lumetra");
}

void TestMainWindow::caption()
{
    QFETCH(QByteArray, titleFile);
    QFETCH(QString, caption);
    WindowFixture f([&](const QString &home) {
        const QString path = home + QStringLiteral("/Project/ExtFile/title.txt");
        if (titleFile == "keep")
            return;
        QFile::remove(path);
        if (!titleFile.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(titleFile);
        }
    });
    QCOMPARE(f.window().windowTitle(), caption);
}

void TestMainWindow::startupBuildsTreeAndSelects()
{
    WindowFixture f;
    ProgramTree *tree = f.window().tree();
    QTreeWidgetItem *root = tree->root();
    QCOMPARE(root->text(0), QStringLiteral("显示屏-1"));
    QCOMPARE(childCaptions(root),
             (QStringList{QStringLiteral("节目1"), QStringLiteral("节目2"), QStringLiteral("节目3")}));
    QCOMPARE(childCaptions(root->child(0)), (QStringList{QStringLiteral("分区1 "), QStringLiteral("分区2*")}));
    QCOMPARE(childCaptions(root->child(1)), QStringList{QStringLiteral("分区1*")});
    QCOMPARE(childCaptions(root->child(2)),
             (QStringList{QStringLiteral("分区1 "), QStringLiteral("分区2 "), QStringLiteral("分区3*")}));
    // Zone images are the zone kinds: 节目3 holds a text, a clock and a picture zone.
    QCOMPARE(root->child(2)->child(1)->data(0, Qt::UserRole).toInt(), int(ClockZone));
    QCOMPARE(root->child(2)->child(2)->data(0, Qt::UserRole).toInt(), int(PictureZone));
    // The first show selects zone 1 of the last program.
    QCOMPARE(f.ws().CurrentProgram, 3);
    QCOMPARE(f.ws().CurrentZone, 1);
    QCOMPARE(tree->currentItem(), root->child(2)->child(0));
    QCOMPARE(f.ws().UiReady, 200);
    QCOMPARE(f.ws().ModifiedFlag, 0);
    QVERIFY(f.prompts().shown.isEmpty());
    // The text zone's text is in the editor, the template of 节目3 in the preview.
    const QByteArray text = f.ws().program(3).Zones[1].Text;
    QVERIFY(!text.isEmpty());
    QCOMPARE(f.window().findChild<QPlainTextEdit *>(QStringLiteral("Memo1"))->toPlainText(), fromGbk(text));
    QVERIFY(f.window().findChild<QWidget *>(QStringLiteral("M4"))->isVisible());
}

void TestMainWindow::startupFillsStatusPanels()
{
    WindowFixture f;
    StatusPanels *status = f.window().statusPanels();
    QCOMPARE(status->panel(0)->text(), QStringLiteral("显示屏大小:32*128"));
    QCOMPARE(status->panel(1)->text(), QStringLiteral("双色"));
    QCOMPARE(status->panel(2)->text(), QStringLiteral("户内屏"));
    QCOMPARE(status->panel(3)->text(), QStringLiteral("本地串口通讯"));
    QCOMPARE(status->panel(5)->text(), QStringLiteral("4800"));
    QCOMPARE(status->panel(9)->text(), QStringLiteral("注册用户:947"));
    QCOMPARE(status->portSelector()->currentText(), QStringLiteral("COM1"));
    QCOMPARE(status->portSelector()->objectName(), QStringLiteral("Combo1"));
}

void TestMainWindow::startupWithUnreadableProject()
{
    WindowFixture f([](const QString &home) {
        QFile file(home + QStringLiteral("/Project/Project.zvp"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(toGbk(u"[显示屏参数]\r\n显示屏宽度=wide\r\n"));
    });
    QCOMPARE(f.prompts().errors.size(), 1);
    QVERIFY(f.prompts().errors.first().contains(QStringLiteral("显示屏宽度")));
    QCOMPARE(f.window().tree()->topLevelItemCount(), 1);
    QCOMPARE(f.window().tree()->root()->childCount(), 0);
    QCOMPARE(f.ws().display().ScreenWidth, 128);
    QCOMPARE(f.ws().UiReady, 200);
}

void TestMainWindow::commandTable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("enabled");
    auto row = [](const char *name, const char16_t *caption, const char16_t *hint, const char *shortcut, bool visible,
                  bool enabled) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf16(caption) << QString::fromUtf16(hint)
                            << QString::fromLatin1(shortcut) << visible << enabled;
    };
    row("MenuNew", u"新建", u"", "Ctrl+N", true, true);
    row("MenuOpen", u"打开", u"", "Ctrl+O", true, true);
    row("MenuSave", u"保存", u"", "Ctrl+S", true, true);
    row("MenuSaveAs", u"另存为", u"", "", true, true);
    row("MenuAddProgram", u"添加节目", u"", "Ctrl+X", true, true);
    row("MenuDeleteProgram", u"删除节目", u"", "", true, false);
    row("MenuTimer", u"定时开关机设置", u"", "", true, true);
    row("MenuResume", u"继续显示", u"", "", true, true);
    row("ToolNew", u"新建", u"新建一个显示工程", "", false, true);
    row("ToolSave", u"保存", u"保存一个显示工程", "", true, true);
    row("ToolSaveAs", u"另存为", u"另存为一个显示工程", "", false, true);
    row("ToolAdd", u"添加", u"添加一个节目", "", true, true);
    row("ToolDelete", u"删除", u"删除当前选择的节目", "", true, false);
    row("ToolUsb", u"保存到U盘", u"通过U盘把数据导入显示屏", "", true, true);
    row("ToolPowerOff", u"关机", u"强制关闭显示屏", "", false, true);
    row("ToolResume", u"继续显示", u"继续暂停显示屏信息显示", "", false, true);
    row("ToolFind", u"查找显示屏", u"", "", true, true);
    row("ToolExit", u"退出", u"退出软件系统", "", true, true);
}

void TestMainWindow::commandTable()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(QString, shortcut);
    QFETCH(bool, visible);
    QFETCH(bool, enabled);
    WindowFixture f([](const QString &home) { QFile::remove(home + QStringLiteral("/Project/Project.zvp")); });
    auto *action = f.window().findChild<QAction *>(name);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    if (!hint.isEmpty())
        QCOMPARE(action->toolTip(), hint);
    QCOMPARE(action->shortcut().toString(), shortcut);
    QCOMPARE(action->isVisible(), visible);
    // Qt reports a hidden action as disabled as well.
    if (visible)
        QCOMPARE(action->isEnabled(), enabled);
}

void TestMainWindow::windowLayout()
{
    WindowFixture f;
    QCOMPARE(f.window().size(), QSize(1016, 703));
    QCOMPARE(f.window().minimumSize(), f.window().maximumSize());
    QCOMPARE(f.window().findChildren<QLabel *>(QRegularExpression(QStringLiteral("^StatusPanel\\d$"))).size(), 10);
    auto *help = f.window().findChild<QMenu *>(QStringLiteral("HelpMenu"));
    QVERIFY(help && !help->menuAction()->isVisible());
    for (const char *name :
         {"OBJECT_TREE", "RadioGroup1", "Panel3",     "Panel4",     "Panel5",   "Panel12",  "Memo1",
          "ScrollBox1",  "ScrollBox2",  "Splitter5",  "Image1",     "Image100", "m1",       "M2",
          "M3",          "M4",          "PopupMenu1", "PopupMenu2", "TF_MODAL", "AboutBox", "BitBtn1"})
        QVERIFY2(f.window().findChild<QObject *>(QString::fromLatin1(name)), name);
}

void TestMainWindow::exitAfterAddAsksToSave()
{
    WindowFixture f;
    answerTemplateChooser(f.window(), 1);
    f.window().commands()->toolAdd->trigger();
    QCOMPARE(f.ws().display().ProgramCount, 4);
    f.prompts().answers = {true, false}; // exit: Yes; save: No
    QVERIFY(f.window().close());
    QCOMPARE(f.prompts().shown, (QStringList{ExitQuestion, SaveQuestion}));
}

void TestMainWindow::exitWithoutChangesAsksOnce()
{
    WindowFixture f;
    QVERIFY(f.window().close());
    QCOMPARE(f.prompts().shown, QStringList{ExitQuestion});
}

void TestMainWindow::exitAnsweredNoStaysOpen()
{
    WindowFixture f;
    f.prompts().answers = {false};
    QVERIFY(!f.window().close());
    QVERIFY(f.window().isVisible());
}

void TestMainWindow::menuSaveKeepsFlagToolbarSaveClears()
{
    WindowFixture f;
    answerTemplateChooser(f.window(), 2);
    f.window().commands()->menuAddProgram->trigger();
    QCOMPARE(f.ws().ModifiedFlag, 100);

    f.window().commands()->menuSave->trigger();
    QCOMPARE(f.prompts().shown, QStringList{Saved});
    QCOMPARE(f.ws().ModifiedFlag, 100);
    WorkspaceState saved;
    LoadProject(saved, f.ws().ProjectPath);
    QCOMPARE(saved.display().ProgramCount, 4);
    QCOMPARE(saved.program(4).Template, 2);

    f.window().commands()->toolSave->trigger();
    QCOMPARE(f.ws().ModifiedFlag, 0);
    // The toolbar save shows zone 1 of the program again.
    QCOMPARE(f.ws().CurrentZone, 1);
    QCOMPARE(f.window().tree()->currentItem()->text(0), QStringLiteral("分区1 "));
}

void TestMainWindow::saveAfterNewGoesThroughSaveAs()
{
    WindowFixture f;
    const QString path = f.ws().ProjectPath;
    const QByteArray before = readAll(path);
    f.window().commands()->menuNew->trigger();
    QCOMPARE(f.window().tree()->topLevelItemCount(), 1);
    QCOMPARE(f.window().tree()->root()->childCount(), 0);
    QCOMPARE(f.ws().display().ProgramCount, 0);

    f.prompts().savePath.clear(); // the operator cancels the dialog
    f.window().commands()->menuSave->trigger();
    QCOMPARE(f.prompts().saveDialogs, 1);
    QCOMPARE(f.prompts().saveDialogName, QStringLiteral("Project.zvp"));
    QVERIFY(!f.prompts().shown.contains(Saved));
    QCOMPARE(readAll(path), before);

    // Confirmed in the dialog, the old habit still works.
    f.prompts().savePath = path;
    f.window().commands()->menuSave->trigger();
    QCOMPARE(f.prompts().shown, QStringList{Saved});
    WorkspaceState saved;
    LoadProject(saved, path);
    QCOMPARE(saved.display().ProgramCount, 0);
}

void TestMainWindow::failedSaveNamesFileAndIsNoSuccess()
{
    WindowFixture f;
    const QString target = f.home() + QStringLiteral("/no/such/folder/Other.Zvp");
    f.prompts().savePath = target;
    f.window().commands()->menuSaveAs->trigger();
    QCOMPARE(f.prompts().errors.size(), 1);
    QVERIFY2(f.prompts().errors.first().contains(QStringLiteral("/no/such/folder/")),
             qPrintable(f.prompts().errors.first()));
    QVERIFY(!f.prompts().shown.contains(Saved));
    // The open project is still the one before.
    QCOMPARE(f.ws().ProjectFileName, QStringLiteral("Project.zvp"));
}

void TestMainWindow::openBuildsTreeOnProgram1()
{
    WindowFixture f;
    const QString other = f.home() + QStringLiteral("/Other");
    f.prompts().savePath = other; // no extension: .Zvp is added
    f.window().commands()->menuSaveAs->trigger();
    QVERIFY(QFile::exists(other + QStringLiteral(".Zvp")));
    QVERIFY(QFile::exists(f.home() + QStringLiteral("/ExtFile")));

    f.window().commands()->menuNew->trigger();
    QCOMPARE(f.window().tree()->root()->childCount(), 0);
    f.prompts().openPath = other + QStringLiteral(".Zvp");
    f.window().commands()->menuOpen->trigger();
    QCOMPARE(f.window().tree()->root()->childCount(), 3);
    QCOMPARE(f.ws().CurrentProgram, 1);
    QCOMPARE(f.window().tree()->currentItem()->text(0), QStringLiteral("节目1"));
    QCOMPARE(f.ws().ProjectFileName, QStringLiteral("Other.Zvp"));
    QCOMPARE(f.ws().UiReady, 200);
}

void TestMainWindow::openUnreadableKeepsProject()
{
    WindowFixture f;
    const QString bad = f.home() + QStringLiteral("/Bad.Zvp");
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(toGbk(u"[显示屏参数]\r\n当前节目数=two\r\n"));
    file.close();
    f.prompts().openPath = bad;
    f.window().commands()->menuOpen->trigger();
    QCOMPARE(f.prompts().errors.size(), 1);
    QVERIFY(f.prompts().errors.first().contains(QStringLiteral("Bad.Zvp")));
    QCOMPARE(f.window().tree()->root()->childCount(), 3);
    QCOMPARE(f.ws().display().ProgramCount, 3);
    QCOMPARE(f.ws().ProjectFileName, QStringLiteral("Project.zvp"));
}

void TestMainWindow::exitWithFailedSaveStaysOpen()
{
    WindowFixture f;
    answerTemplateChooser(f.window(), 1);
    f.window().commands()->toolAdd->trigger();
    setProjectPath(f.ws(), f.home() + QStringLiteral("/gone/Project.zvp"));
    f.prompts().answers = {true, true}; // exit: Yes; save: Yes
    QVERIFY(!f.window().close());
    QVERIFY(f.window().isVisible());
    QCOMPARE(f.prompts().errors.size(), 1);
    QVERIFY(!f.prompts().shown.contains(Saved));
    QCOMPARE(f.ws().ModifiedFlag, 100);
}

void TestMainWindow::newAsksToSaveChanges()
{
    WindowFixture f;
    answerTemplateChooser(f.window(), 1);
    f.window().commands()->toolAdd->trigger();
    f.prompts().answers = {false};
    f.window().commands()->menuNew->trigger();
    QCOMPARE(f.prompts().shown, QStringList{SaveQuestion});
    QCOMPARE(f.ws().display().ProgramCount, 0);
    QCOMPARE(f.ws().ModifiedFlag, 0);
    // A clean project is left without a question.
    f.window().commands()->menuNew->trigger();
    QCOMPARE(f.prompts().shown.size(), 1);
}

void TestMainWindow::splashWindow()
{
    QTemporaryDir dir;
    QImage picture(435, 315, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 255));
    const QString path = dir.path() + QStringLiteral("/SP1.BMP");
    QVERIFY(picture.save(path, "BMP"));
    SplashWindow splash(path);
    QVERIFY(splash.errorText().isEmpty());
    QCOMPARE(splash.size(), QSize(435, 315));
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
    auto *label = splash.findChild<QLabel *>(QStringLiteral("SplashPicture"));
    QCOMPARE(label->pixmap().toImage().pixel(10, 10), qRgb(0, 0, 255));
}

void TestMainWindow::splashWithoutPictureIsBlack()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/SP1.BMP");
    SplashWindow splash(path);
    QVERIFY(splash.errorText().contains(path));
    QVERIFY(splash.findChild<QLabel *>(QStringLiteral("SplashPicture"))->pixmap().isNull());
    QCOMPARE(splash.palette().color(QPalette::Window), QColor(Qt::black));
}

void TestMainWindow::aboutBox()
{
    WindowFixture f;
    auto *about = f.window().findChild<QDialog *>(QStringLiteral("AboutBox"));
    QCOMPARE(about->windowTitle(), QStringLiteral("系统介绍"));
    QVERIFY(!QIcon(QStringLiteral(":/icons/lumetra.png")).isNull());
    QCOMPARE(about->size(), QSize(384, 226));
    QTimer::singleShot(0, about, [about] {
        QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("OKButton")), Qt::LeftButton);
    });
    f.window().commands()->menuAbout->trigger();
    QVERIFY(!about->isVisible());
    QCOMPARE(about->result(), int(QDialog::Accepted));
}

void TestMainWindow::gifPicturesReadable()
{
    QVERIFY(QImageReader::supportedImageFormats().contains("gif"));
}

void TestMainWindow::escapedErrorReachesErrorBox()
{
    auto *app = qobject_cast<LumetraApplication *>(QCoreApplication::instance());
    QVERIFY(app);
    QStringList boxes;
    app->setErrorBox([&boxes](const QString &text) { boxes << text; });
    ThrowingObject object;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&object, &event);
    QCOMPARE(boxes.size(), 1);
    QVERIFY(boxes.first().contains(QStringLiteral("/x/ExtFile/0-0-1.bmp")));
    // The program goes on: the next event is delivered as usual.
    QEvent other(QEvent::Type(QEvent::User + 1));
    QCoreApplication::sendEvent(&object, &other);
    QCOMPARE(boxes.size(), 1);
    app->setErrorBox({});
}

void TestMainWindow::chineseStandardTexts()
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(folder + QStringLiteral("/qtbase_zh_CN.qm")))
        QSKIP("Qt's Chinese translations are not installed (scripts/setup installs them)");
    auto *app = qobject_cast<LumetraApplication *>(QCoreApplication::instance());
    app->loadTranslations();
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
}

void TestMainWindow::portChoiceIsApplied()
{
    WindowFixture f;
    auto *ports = f.window().findChild<QComboBox *>(QStringLiteral("Combo1"));
    QVERIFY(ports);
    const QString device = f.home() + QStringLiteral("/some-port");
    ports->setEditText(device);
    emit ports->textActivated(device);
    QCOMPARE(fromGbk(f.ws().display().SerialPort), device);
    QCOMPARE(fromGbk(f.ws().ComPort.PortName), device);
    QCOMPARE(f.ws().StatusPanels[4], device);
    QFile file(f.home() + QStringLiteral("/Project/Project.zvp"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains(toGbk(QStringLiteral("串口=") + device)));
}

int main(int argc, char **argv)
{
    LumetraApplication app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
