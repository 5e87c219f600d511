#include "uifixture.h"

#include "model/contentfiles.h"
#include "project/treecaptions.h"
#include "ui/layout/zoomview.h"
#include "ui/project/programnavigator.h"
#include "ui/project/programtree.h"
#include "ui/project/propertywindow.h"
#include "ui/project/templatepreview.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QTest>

using namespace lumetra;
using namespace lumetra::test;

namespace {
QString rect(const ZoneRecord &z)
{
    return QStringLiteral("%1,%2 %3x%4").arg(z.X).arg(z.Y).arg(z.Width).arg(z.Height);
}

QSpinBox *box(WindowFixture &f, const char *name)
{
    return f.window().findChild<QSpinBox *>(QString::fromLatin1(name));
}

QString boxes(WindowFixture &f)
{
    return QStringLiteral("%1,%2 %3x%4")
        .arg(box(f, "e_x")->value())
        .arg(box(f, "e_y")->value())
        .arg(box(f, "E_W")->value())
        .arg(box(f, "E_H")->value());
}

void selectZone(WindowFixture &f, int program, int zone)
{
    const int templateId = f.ws().program(program).Template;
    clickNode(f.window(), node(f.window(), zoneCaption(templateId, zone), programCaption(program)));
}

// Drags a bar with the mouse by the offset, in steps; the bar follows the
// pointer, so each position is taken relative to where the bar is now.
void dragBar(QWidget *bar, QPoint by)
{
    const QPoint grab(2, 2);
    const QPoint start = bar->pos();
    QTest::mousePress(bar, Qt::LeftButton, {}, grab);
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(bar, start + grab + by * step / 4 - bar->pos());
    QTest::mouseRelease(bar, Qt::LeftButton, {}, start + grab + by - bar->pos());
}

// Each LED its own colour, so that any smoothing or misplacement shows.
QImage pattern(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb((x * 37) & 255, (y * 61) & 255, ((x ^ y) & 1) ? 255 : 0));
    return image;
}
} // namespace

class TestLayoutEditor : public QObject
{
    Q_OBJECT
private slots:
    void dragBarOfTemplate2();
    void dragBarsOfTemplate4();
    void zone3WidthOfTemplate4();
    void startPointForcedToZero();
    void dragPanelPastTheCorner();
    void zonePictureSelectsZone();
    void zoomByThree();
    void zoomEnlargesTheStrip();
    void clockMenuOnTextZone();
};

void TestLayoutEditor::dragBarOfTemplate2()
{
    WindowFixture f;
    selectZone(f, 1, 2);
    f.ws().ModifiedFlag = 0;
    TemplatePreview *preview = f.window().preview();
    auto *bar = preview->findChild<QFrame *>(QStringLiteral("Splitter2"));
    QVERIFY(bar && bar->isVisible());

    // As far down as it goes: the drag stops 8 above the bottom, the snap keeps 24.
    dragBar(bar, QPoint(0, 200));
    const ProgramRecord &p = f.ws().program(1);
    QCOMPARE(rect(p.Zones[1]), QStringLiteral("0,0 128x24"));
    QCOMPARE(rect(p.Zones[2]), QStringLiteral("0,24 128x8"));
    QCOMPARE(boxes(f), QStringLiteral("0,24 128x8"));
    QCOMPARE(f.ws().ModifiedFlag, 100);
    // The pictures line up with the bar to the pixel.
    QCOMPARE(bar->geometry(), QRect(6, 6 + 24, 128, 5));
    QCOMPARE(preview->zonePictureLabel(2, 1)->mapTo(preview->panel(2), QPoint(0, 0)), QPoint(6, 6));
    QCOMPARE(preview->zonePictureLabel(2, 1)->size(), QSize(128, 24));
    QCOMPARE(preview->zonePictureLabel(2, 2)->mapTo(preview->panel(2), QPoint(0, 0)), QPoint(6, 6 + 24 + 5));
    QCOMPARE(preview->zonePictureLabel(2, 2)->size(), QSize(128, 8));
    QCOMPARE(preview->panel(2)->size(), QSize(128 + 12, 32 + 17));

    // As far up as it goes: 8 by the drag, 16 by the clamp.
    dragBar(bar, QPoint(0, -200));
    QCOMPARE(rect(p.Zones[1]), QStringLiteral("0,0 128x16"));
    QCOMPARE(rect(p.Zones[2]), QStringLiteral("0,16 128x16"));
    QCOMPARE(boxes(f), QStringLiteral("0,16 128x16"));
    QCOMPARE(bar->geometry(), QRect(6, 6 + 16, 128, 5));
    // The program's node is selected afterwards.
    QCOMPARE(f.window().tree()->currentItem()->text(0), programCaption(1));
}

void TestLayoutEditor::dragBarsOfTemplate4()
{
    WindowFixture f;
    selectZone(f, 3, 3);
    TemplatePreview *preview = f.window().preview();
    const ProgramRecord &p = f.ws().program(3);
    // Splitter4 ends as Splitter3 does: 32 + 45 = 77, snapped to 72.
    dragBar(preview->findChild<QFrame *>(QStringLiteral("Splitter4")), QPoint(45, 0));
    QCOMPARE(rect(p.Zones[2]), QStringLiteral("0,16 72x16"));
    QCOMPARE(rect(p.Zones[3]), QStringLiteral("72,16 56x16"));
    QCOMPARE(boxes(f), QStringLiteral("72,16 56x16"));
    dragBar(preview->findChild<QFrame *>(QStringLiteral("Splitter3")), QPoint(0, 100));
    QCOMPARE(rect(p.Zones[1]), QStringLiteral("0,0 128x24"));
    QCOMPARE(rect(p.Zones[2]), QStringLiteral("0,24 72x8"));
    QCOMPARE(rect(p.Zones[3]), QStringLiteral("72,24 56x8"));
    QCOMPARE(preview->zonePictureLabel(4, 3)->mapTo(preview->panel(4), QPoint(0, 0)), QPoint(6 + 72 + 5, 6 + 24 + 5));
    QCOMPARE(preview->panel(4)->size(), QSize(128 + 17, 32 + 17));
}

void TestLayoutEditor::zone3WidthOfTemplate4()
{
    WindowFixture f;
    selectZone(f, 3, 3);
    box(f, "E_W")->setValue(128 - 4);
    const ProgramRecord &p = f.ws().program(3);
    QCOMPARE(rect(p.Zones[1]), QStringLiteral("0,0 128x16"));
    QCOMPARE(rect(p.Zones[2]), QStringLiteral("0,16 8x16"));
    QCOMPARE(rect(p.Zones[3]), QStringLiteral("8,16 120x16"));
    QCOMPARE(boxes(f), QStringLiteral("8,16 120x16"));
    QCOMPARE(f.ws().CurrentZone, 3);
    QCOMPARE(f.window().tree()->currentItem()->text(0), zoneCaption(4, 3));
    QCOMPARE(f.window().preview()->zonePictureLabel(4, 3)->size(), QSize(120, 16));
    QCOMPARE(f.window().preview()->findChild<QFrame *>(QStringLiteral("Splitter4"))->geometry(),
             QRect(6 + 8, 6 + 16 + 5, 5, 16));
}

void TestLayoutEditor::startPointForcedToZero()
{
    WindowFixture f;
    selectZone(f, 1, 1);
    f.ws().ModifiedFlag = 0;
    box(f, "e_x")->setValue(48);
    QCOMPARE(box(f, "e_x")->value(), 0);
    QCOMPARE(rect(f.ws().program(1).Zones[1]), QStringLiteral("0,0 128x16"));
    QCOMPARE(f.ws().ModifiedFlag, 0);
    // Zone 2's start follows zone 1's height: it moves the bar.
    selectZone(f, 1, 2);
    box(f, "e_y")->setValue(20);
    QCOMPARE(rect(f.ws().program(1).Zones[2]), QStringLiteral("0,16 128x16"));
    box(f, "e_y")->setValue(24);
    QCOMPARE(rect(f.ws().program(1).Zones[2]), QStringLiteral("0,24 128x8"));
    QCOMPARE(f.ws().ModifiedFlag, 100);
}

void TestLayoutEditor::dragPanelPastTheCorner()
{
    WindowFixture f;
    selectZone(f, 1, 1);
    QFrame *m2 = f.window().preview()->panel(2);
    QCOMPARE(m2->pos(), QPoint(30, 30));
    QTest::mousePress(m2, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseMove(m2, QPoint(12, 22));
    QCOMPARE(m2->pos(), QPoint(40, 50));
    // Relative to the panel, which has moved along.
    QTest::mouseMove(m2, QPoint(-80, -80));
    QCOMPARE(m2->pos(), QPoint(-42, -32));
    QTest::mouseRelease(m2, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(m2->pos(), QPoint(0, 0));
    QCOMPARE(f.window().navigator()->TemplateLeft, 0);
    QCOMPARE(f.window().navigator()->TemplateTop, 0);
    // Another program shows its panel at the same place.
    selectZone(f, 3, 1);
    QCOMPARE(f.window().preview()->panel(4)->pos(), QPoint(0, 0));
    QVERIFY(f.window().preview()->panel(4)->isVisible());
    QVERIFY(!m2->isVisible());
}

void TestLayoutEditor::zonePictureSelectsZone()
{
    WindowFixture f;
    selectZone(f, 3, 1);
    QLabel *picture = f.window().preview()->zonePictureLabel(4, 2);
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(f.ws().CurrentZone, 2);
    QCOMPARE(f.window().tree()->currentItem()->text(0), zoneCaption(4, 2));
    QCOMPARE(f.window().tree()->currentItem()->parent()->text(0), programCaption(3));
    QCOMPARE(boxes(f), QStringLiteral("0,16 32x16"));
    // Template 1's single picture: zone 1 spans the sign.
    selectZone(f, 2, 1);
    f.ws().program(2).Zones[1].Width = 64;
    QTest::mouseClick(f.window().preview()->zonePictureLabel(1, 1), Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(rect(f.ws().program(2).Zones[1]), QStringLiteral("0,0 128x32"));
    QCOMPARE(boxes(f), QStringLiteral("0,0 128x32"));
}

void TestLayoutEditor::zoomByThree()
{
    WindowFixture f;
    for (int kind : {TextZone, ClockZone, PictureZone})
        f.window().renderers().setRenderer(kind, [](Workspace &ws, int program, int slot) {
            ensureExtFileFolder(ws);
            const ZoneRecord &zone = ws.program(program).Zones[slot];
            pattern(zone.Width, zone.Height).save(zoneBitmapPath(ws, program, slot), "BMP");
        });
    // The clock zone 2 of program 3 made 64 x 16.
    selectZone(f, 3, 2);
    box(f, "E_W")->setValue(64);
    QCOMPARE(rect(f.ws().program(3).Zones[2]), QStringLiteral("0,16 64x16"));
    auto *image1 = f.window().findChild<QLabel *>(QStringLiteral("Image1"));
    QCOMPARE(image1->size(), QSize(64, 16));

    auto *menu = f.window().findChild<QMenu *>(QStringLiteral("PopupMenu1"));
    QAction *n13 = menu->findChild<QAction *>(QStringLiteral("N13"));
    QCOMPARE(n13->text(), QStringLiteral("放大3倍"));
    n13->trigger();
    QCOMPARE(image1->size(), QSize(192, 48));
    QCOMPARE(f.window().zoomView()->ViewBaseWidth, 64);
    QCOMPARE(f.window().zoomView()->ViewBaseHeight, 16);
    const QImage shown = image1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), QSize(192, 48));
    const QImage led = pattern(64, 16);
    for (int y = 0; y < 48; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(shown.constScanLine(y));
        const auto *source = reinterpret_cast<const QRgb *>(led.constScanLine(y / 3));
        for (int x = 0; x < 192; ++x)
            if (line[x] != source[x / 3])
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is not LED %3,%4").arg(x).arg(y).arg(x / 3).arg(y / 3)));
    }
    // The picture in the whole-sign pane stays at one pixel per LED.
    QCOMPARE(f.window().preview()->zonePictureLabel(4, 2)->size(), QSize(64, 16));
    // The next render shows factor 1 again.
    f.window().navigator()->renderZone(3, 2);
    QCOMPARE(image1->size(), QSize(64, 16));
}

void TestLayoutEditor::zoomEnlargesTheStrip()
{
    WindowFixture f;
    ZoomView *view = f.window().zoomView();
    auto *image1 = f.window().findChild<QLabel *>(QStringLiteral("Image1"));
    auto *image100 = f.window().findChild<QLabel *>(QStringLiteral("Image100"));
    view->showStrip(pattern(300, 16));
    QVERIFY(image1->isHidden());
    QVERIFY(!image100->isHidden());
    const QSize pageStack = image1->size();
    f.window().findChild<QAction *>(QStringLiteral("N12"))->trigger();
    QCOMPARE(image100->size(), QSize(600, 32));
    QCOMPARE(image1->size(), pageStack);
    QCOMPARE(image100->grab().toImage().pixel(599, 31), pattern(300, 16).pixel(299, 15));
    // Back to the page stack, at factor 1.
    view->showPicture(pattern(64, 16));
    QVERIFY(image100->isHidden());
    QCOMPARE(image1->size(), QSize(64, 16));
    f.window().findChild<QAction *>(QStringLiteral("N15"))->trigger();
    QCOMPARE(image1->size(), QSize(320, 80));
}

void TestLayoutEditor::clockMenuOnTextZone()
{
    WindowFixture f;
    selectZone(f, 1, 1);
    const QByteArray textFile = f.ws().program(1).Zones[1].ContentFile;
    QVERIFY(textFile.endsWith(".txt"));
    auto *menu = f.window().findChild<QMenu *>(QStringLiteral("PopupMenu2"));
    menu->findChild<QAction *>(QStringLiteral("N7"))->trigger();
    const ZoneRecord &zone = f.ws().program(1).Zones[1];
    QCOMPARE(zone.ZoneType, int(ClockZone));
    // The text file's name is gone; the clock names its own bitmap when it renders.
    QVERIFY(zone.ContentFile != textFile);
    QVERIFY(!zone.ContentFile.endsWith(".txt"));
    QCOMPARE(f.window().properties()->shownEditor(), PropertyWindow::ClockEditor);
    QCOMPARE(f.window().tree()->currentItem()->data(0, Qt::UserRole).toInt(), int(ClockZone));
    // Back to text: 宋体, the first face of the list.
    menu->findChild<QAction *>(QStringLiteral("N5"))->trigger();
    QCOMPARE(f.ws().program(1).Zones[1].ZoneType, int(TextZone));
    QCOMPARE(f.ws().program(1).Zones[1].FontIndex, 0);
}

QTEST_MAIN(TestLayoutEditor)
#include "tst_layouteditor.moc"
