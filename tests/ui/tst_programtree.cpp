#include "uifixture.h"

#include "model/contentfiles.h"
#include "model/gbk.h"
#include "project/programcommands.h"
#include "ui/app/commandtable.h"
#include "ui/content/tform3.h"
#include "ui/project/programnavigator.h"
#include "ui/project/programtree.h"
#include "ui/project/propertywindow.h"
#include "ui/project/templatechooser.h"
#include "ui/project/templatepreview.h"

#include <QAction>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

using namespace lumetra;
using namespace lumetra::test;

namespace {
// Fills the display with template-1 programs up to n and rebuilds the tree.
void fillTo(WindowFixture &f, int n)
{
    while (f.ws().display().ProgramCount < n)
        addProgram(f.ws(), 1);
    f.window().navigator()->resetTree();
    f.window().navigator()->buildTree();
}

QRgb pictureColour(TemplatePreview *preview, int templateId, int zone)
{
    const QPixmap pixmap = preview->zonePictureLabel(templateId, zone)->pixmap();
    return pixmap.toImage().pixel(2, 2);
}
} // namespace

class TestProgramTree : public QObject
{
    Q_OBJECT
private slots:
    void addTemplate4();
    void chooserStartsOnTemplate1AndKeepsMark();
    void chooserCancelAddsNothing();
    void seventeenthProgramRefused();
    void deleteProgram2Of3();
    void deleteAnsweredNo();
    void deleteOnlyProgram();
    void deleteOnlyOnProgramNode();
    void selectProgram12();
    void keyReleaseSelects();
    void zoneNodeShowsItsEditor_data();
    void zoneNodeShowsItsEditor();
    void missingBitmapShowsBlack();
    void radioGroupMakesTextZone();
    void popupMenuMakesPictureZone();
    void renderersFillTheZonePictures();
    void doubleClickOnPictureZoneAsksForEditor();
    void doubleClickOnPictureZoneOpensTheEditor();
};

void TestProgramTree::addTemplate4()
{
    WindowFixture f;
    answerTemplateChooser(f.window(), 4);
    f.window().commands()->toolAdd->trigger();
    QTreeWidgetItem *program = node(f.window(), QStringLiteral("节目4"));
    QVERIFY(program);
    QCOMPARE(childCaptions(program),
             (QStringList{QStringLiteral("分区1 "), QStringLiteral("分区2 "), QStringLiteral("分区3*")}));
    const ProgramRecord &p = f.ws().program(4);
    const int rects[3][4] = {{0, 0, 128, 16}, {0, 16, 32, 16}, {32, 16, 96, 16}};
    for (int z = 1; z <= 3; ++z) {
        QCOMPARE((QList<int>{p.Zones[z].X, p.Zones[z].Y, p.Zones[z].Width, p.Zones[z].Height}),
                 (QList<int>{rects[z - 1][0], rects[z - 1][1], rects[z - 1][2], rects[z - 1][3]}));
        QCOMPARE(p.Zones[z].ZoneType, int(TextZone));
    }
    // The last zone is selected and the template panel sized for the sign.
    QCOMPARE(f.window().tree()->currentItem(), program->child(2));
    QCOMPARE(f.ws().CurrentProgram, 4);
    QCOMPARE(f.ws().CurrentZone, 3);
    TemplatePreview *preview = f.window().preview();
    QVERIFY(preview->panel(4)->isVisible());
    QVERIFY(!preview->panel(2)->isVisible());
    QCOMPARE(preview->panel(4)->size(), QSize(145, 49));
    QCOMPARE(preview->zonePanel(4, 1)->size(), QSize(128, 16));
    QCOMPARE(preview->zonePanel(4, 3)->size(), QSize(96, 16));
    QCOMPARE(f.window().properties()->shownEditor(), PropertyWindow::TextEditor);
}

void TestProgramTree::chooserStartsOnTemplate1AndKeepsMark()
{
    WindowFixture f;
    answerTemplateChooser(f.window(), 0); // OK without a click
    f.window().commands()->toolAdd->trigger();
    QCOMPARE(f.ws().program(4).Template, 1);
    answerTemplateChooser(f.window(), 3);
    f.window().commands()->toolAdd->trigger();
    QCOMPARE(f.ws().program(5).Template, 3);
    answerTemplateChooser(f.window(), 0);
    f.window().commands()->toolAdd->trigger();
    QCOMPARE(f.ws().program(6).Template, 3);
    QCOMPARE(f.window().templateChooser()->windowTitle(), QStringLiteral("选择模板"));
}

void TestProgramTree::chooserCancelAddsNothing()
{
    WindowFixture f;
    answerTemplateChooser(f.window(), 2, false);
    f.window().commands()->toolAdd->trigger();
    QCOMPARE(f.ws().display().ProgramCount, 3);
    QCOMPARE(f.window().tree()->root()->childCount(), 3);
    QCOMPARE(f.ws().ModifiedFlag, 0);
}

void TestProgramTree::seventeenthProgramRefused()
{
    WindowFixture f;
    fillTo(f, 16);
    bool chooserShown = false;
    TemplateChooser *chooser = f.window().templateChooser();
    QTimer::singleShot(0, chooser, [chooser, &chooserShown] {
        chooserShown = chooser->isVisible();
        chooser->reject();
    });
    f.window().commands()->menuAddProgram->trigger();
    QCOMPARE(f.prompts().shown, QStringList{QStringLiteral("对不起显示屏-1最多只能16节目。")});
    QVERIFY(!chooserShown);
    QCOMPARE(f.ws().display().ProgramCount, 16);
    QCOMPARE(f.window().tree()->root()->childCount(), 16);
}

void TestProgramTree::deleteProgram2Of3()
{
    WindowFixture f;
    clickNode(f.window(), node(f.window(), QStringLiteral("节目2")));
    QVERIFY(f.window().commands()->toolDelete->isEnabled());
    f.window().commands()->toolDelete->trigger();
    QCOMPARE(f.prompts().shown, QStringList{QStringLiteral("请确定是否删除节目2?\r\n删除则按'Yes',不则按'NO'.")});
    QTreeWidgetItem *root = f.window().tree()->root();
    QCOMPARE(childCaptions(root), (QStringList{QStringLiteral("节目1"), QStringLiteral("节目2")}));
    // What was program 3 (template 4, three zones) moved up.
    QCOMPARE(childCaptions(root->child(1)),
             (QStringList{QStringLiteral("分区1 "), QStringLiteral("分区2 "), QStringLiteral("分区3*")}));
    QCOMPARE(f.ws().display().ProgramCount, 2);
    QCOMPARE(f.ws().program(2).Template, 4);
    QCOMPARE(f.ws().program(2).Zones[3].ZoneType, int(PictureZone));
    QCOMPARE(f.ws().CurrentProgram, 2);
    QCOMPARE(f.ws().ModifiedFlag, 100);
}

void TestProgramTree::deleteAnsweredNo()
{
    WindowFixture f;
    clickNode(f.window(), node(f.window(), QStringLiteral("节目2")));
    f.prompts().answers = {false};
    f.window().commands()->menuDeleteProgram->trigger();
    QCOMPARE(f.window().tree()->root()->childCount(), 3);
    QCOMPARE(f.ws().display().ProgramCount, 3);
    QCOMPARE(f.ws().ModifiedFlag, 0);
}

void TestProgramTree::deleteOnlyProgram()
{
    WindowFixture f;
    f.window().fileNew();
    answerTemplateChooser(f.window(), 2);
    f.window().commands()->toolAdd->trigger();
    clickNode(f.window(), node(f.window(), QStringLiteral("节目1")));
    f.window().commands()->toolDelete->trigger();
    QCOMPARE(f.window().tree()->root()->childCount(), 0);
    QCOMPARE(f.window().tree()->currentItem(), f.window().tree()->root());
    QCOMPARE(f.ws().display().ProgramCount, 0);
    QCOMPARE(f.ws().CurrentProgram, 0);
    QVERIFY(!f.window().commands()->toolDelete->isEnabled());
    QVERIFY(!f.window().preview()->panel(2)->isVisible());
}

void TestProgramTree::deleteOnlyOnProgramNode()
{
    WindowFixture f;
    CommandTable *c = f.window().commands();
    clickNode(f.window(), node(f.window(), QStringLiteral("分区1*"), QStringLiteral("节目2")));
    QVERIFY(!c->toolDelete->isEnabled());
    QVERIFY(!c->menuDeleteProgram->isEnabled());
    clickNode(f.window(), node(f.window(), QStringLiteral("节目2")));
    QVERIFY(c->toolDelete->isEnabled());
    QVERIFY(c->menuDeleteProgram->isEnabled());
    clickNode(f.window(), f.window().tree()->root());
    QVERIFY(!c->toolDelete->isEnabled());
    // The root shows no program: the schedule controls are hidden.
    QVERIFY(f.window().findChild<QWidget *>(QStringLiteral("GroupBox10"))->isHidden());
    QVERIFY(f.window().findChild<QWidget *>(QStringLiteral("RadioGroup2"))->isHidden());
}

void TestProgramTree::selectProgram12()
{
    WindowFixture f;
    fillTo(f, 12);
    clickNode(f.window(), node(f.window(), QStringLiteral("节目12")));
    QCOMPARE(f.ws().CurrentProgram, 12);
    QVERIFY(f.window().properties()->schedulePanelShown());
    auto *group = f.window().findChild<QGroupBox *>(QStringLiteral("GroupBox10"));
    QCOMPARE(group->title(), QStringLiteral("节目12属性信息"));
    clickNode(f.window(), node(f.window(), QStringLiteral("节目1")));
    QCOMPARE(f.ws().CurrentProgram, 1);
}

void TestProgramTree::keyReleaseSelects()
{
    WindowFixture f;
    ProgramTree *tree = f.window().tree();
    clickNode(f.window(), node(f.window(), QStringLiteral("分区1 "), QStringLiteral("节目3")));
    QCOMPARE(f.ws().CurrentZone, 1);
    QTest::keyClick(tree, Qt::Key_Down);
    QCOMPARE(tree->currentItem()->text(0), QStringLiteral("分区2 "));
    QCOMPARE(f.ws().CurrentProgram, 3);
    QCOMPARE(f.ws().CurrentZone, 2);
    QCOMPARE(f.window().properties()->shownEditor(), PropertyWindow::ClockEditor);
}

void TestProgramTree::zoneNodeShowsItsEditor_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<int>("editor");
    QTest::addColumn<QString>("title");
    QTest::newRow("text") << QStringLiteral("节目1") << QStringLiteral("分区1 ") << int(PropertyWindow::TextEditor)
                          << QStringLiteral("节目1分区1 ");
    QTest::newRow("clock") << QStringLiteral("节目1") << QStringLiteral("分区2*") << int(PropertyWindow::ClockEditor)
                           << QStringLiteral("节目1分区2*");
    QTest::newRow("picture") << QStringLiteral("节目3") << QStringLiteral("分区3*")
                             << int(PropertyWindow::RichTextLauncher) << QStringLiteral("节目3分区3*");
}

void TestProgramTree::zoneNodeShowsItsEditor()
{
    QFETCH(QString, program);
    QFETCH(QString, zone);
    QFETCH(int, editor);
    QFETCH(QString, title);
    WindowFixture f;
    clickNode(f.window(), node(f.window(), program));
    QVERIFY(f.window().properties()->schedulePanelShown());
    clickNode(f.window(), node(f.window(), zone, program));
    PropertyWindow *properties = f.window().properties();
    QVERIFY(!properties->schedulePanelShown());
    QCOMPARE(int(properties->shownEditor()), editor);
    QCOMPARE(properties->findChild<QGroupBox *>(QStringLiteral("ZonePropertiesGroup"))->title(), title);
    const ZoneRecord &z = f.ws().currentZone();
    auto *kind = f.window().findChild<QRadioButton *>(QStringLiteral("RadioGroup1_%1").arg(z.ZoneType));
    QVERIFY(kind->isChecked());
    QCOMPARE(f.window().findChild<QSpinBox *>(QStringLiteral("E_W"))->value(), z.Width);
    QCOMPARE(f.window().findChild<QSpinBox *>(QStringLiteral("e_y"))->value(), z.Y);
    QCOMPARE(f.ws().UiReady, 200);
}

void TestProgramTree::missingBitmapShowsBlack()
{
    // Program 3 zone 3 is a picture zone; without its document nothing
    // renders it: the window shows the saved bitmap, or black.
    const auto bitmap = [](const QString &home) { return home + QStringLiteral("/Project/ExtFile/0-2-3.bmp"); };
    WindowFixture f([&](const QString &home) {
        QImage red(96, 16, QImage::Format_RGB32);
        red.fill(qRgb(255, 0, 0));
        QDir().mkpath(home + QStringLiteral("/Project/ExtFile"));
        QVERIFY(red.save(bitmap(home), "BMP"));
        QVERIFY(QFile::remove(home + QStringLiteral("/Project/Program3.zvf")));
    });
    TemplatePreview *preview = f.window().preview();
    clickNode(f.window(), node(f.window(), QStringLiteral("节目3")));
    QVERIFY(preview->panel(4)->isVisible());
    QCOMPARE(pictureColour(preview, 4, 3), qRgb(255, 0, 0));

    QVERIFY(QFile::remove(bitmap(f.home())));
    clickNode(f.window(), node(f.window(), QStringLiteral("节目1")));
    clickNode(f.window(), node(f.window(), QStringLiteral("节目3")));
    QCOMPARE(pictureColour(preview, 4, 3), qRgb(0, 0, 0));
    // Selection went on to the end despite the missing file.
    QCOMPARE(f.ws().UiReady, 200);
    QVERIFY(f.prompts().errors.isEmpty());
}

void TestProgramTree::radioGroupMakesTextZone()
{
    WindowFixture f;
    QTreeWidgetItem *clock = node(f.window(), QStringLiteral("分区2*"), QStringLiteral("节目1"));
    clickNode(f.window(), clock);
    f.window().findChild<QRadioButton *>(QStringLiteral("RadioGroup1_0"))->click();
    const ZoneRecord &zone = f.ws().program(1).Zones[2];
    QCOMPARE(zone.ZoneType, int(TextZone));
    QCOMPARE(fromGbk(zone.ContentFile), textFilePath(f.ws(), 1, 2));
    QCOMPARE(clock->data(0, Qt::UserRole).toInt(), int(TextZone));
    QCOMPARE(f.window().tree()->currentItem(), clock);
    QCOMPARE(f.window().properties()->shownEditor(), PropertyWindow::TextEditor);
    QCOMPARE(f.ws().ModifiedFlag, 100);
}

void TestProgramTree::popupMenuMakesPictureZone()
{
    WindowFixture f;
    clickNode(f.window(), node(f.window(), QStringLiteral("分区1 "), QStringLiteral("节目1")));
    auto *menu = f.window().findChild<QMenu *>(QStringLiteral("PopupMenu2"));
    QAction *picture = menu->findChild<QAction *>(QStringLiteral("N9"));
    QVERIFY(picture);
    QCOMPARE(picture->text(), QStringLiteral("设置成图文分区"));
    picture->trigger();
    QCOMPARE(f.ws().program(1).Zones[1].ZoneType, int(PictureZone));
    QVERIFY(f.ws().program(1).Zones[1].ContentFile.isEmpty());
    QCOMPARE(f.window().properties()->shownEditor(), PropertyWindow::RichTextLauncher);
}

// A renderer registered for a kind writes the zone's bitmap; the window shows it.
void TestProgramTree::renderersFillTheZonePictures()
{
    WindowFixture f;
    QList<int> rendered;
    f.window().renderers().setRenderer(TextZone, [&rendered](Workspace &ws, int program, int slot) {
        rendered << program * 10 + slot;
        ensureExtFileFolder(ws);
        const ZoneRecord &zone = ws.program(program).Zones[slot];
        QImage green(zone.Width, zone.Height, QImage::Format_RGB32);
        green.fill(qRgb(0, 128, 0));
        green.save(zoneBitmapPath(ws, program, slot), "BMP");
    });
    clickNode(f.window(), node(f.window(), QStringLiteral("分区1*"), QStringLiteral("节目2")));
    QCOMPARE(rendered, QList<int>{21});
    QCOMPARE(pictureColour(f.window().preview(), 1, 1), qRgb(0, 128, 0));
    auto *zoom = f.window().findChild<QLabel *>(QStringLiteral("Image1"));
    QCOMPARE(zoom->pixmap().toImage().pixel(1, 1), qRgb(0, 128, 0));
    QCOMPARE(zoom->size(), QSize(128, 32));
    rendered.clear();
    // A program node renders each of its zones that has content.
    clickNode(f.window(), node(f.window(), QStringLiteral("节目1")));
    QCOMPARE(rendered, QList<int>{11});
}

void TestProgramTree::doubleClickOnPictureZoneAsksForEditor()
{
    WindowFixture f;
    f.window().setEditorRunner([](TForm3 &editor) { editor.show(); });
    QSignalSpy spy(f.window().navigator(), &ProgramNavigator::pictureZoneEditRequested);
    ProgramTree *tree = f.window().tree();
    QTreeWidgetItem *text = node(f.window(), QStringLiteral("分区1 "), QStringLiteral("节目3"));
    clickNode(f.window(), text);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(text).center());
    QCOMPARE(spy.count(), 0);
    QTreeWidgetItem *picture = node(f.window(), QStringLiteral("分区3*"), QStringLiteral("节目3"));
    clickNode(f.window(), picture);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(picture).center());
    QCOMPARE(spy.count(), 1);
}

// The double click opens the rich-text editor on the zone (shown without blocking here).
void TestProgramTree::doubleClickOnPictureZoneOpensTheEditor()
{
    WindowFixture f;
    f.window().setEditorRunner([](TForm3 &editor) { editor.show(); });
    ProgramTree *tree = f.window().tree();
    QTreeWidgetItem *picture = node(f.window(), QStringLiteral("分区3*"), QStringLiteral("节目3"));
    clickNode(f.window(), picture);
    QVERIFY(!f.window().richTextEditor());
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(picture).center());
    TForm3 *editor = f.window().richTextEditor();
    QVERIFY(editor);
    QCOMPARE(editor->statusPanel(0)->text(), QStringLiteral("分区大小:96*16"));
    QCOMPARE(editor->statusPanel(2)->text(), f.ws().ProjectFolder + QStringLiteral("Program3.zvf"));
}

QTEST_MAIN(TestProgramTree)
#include "tst_programtree.moc"
