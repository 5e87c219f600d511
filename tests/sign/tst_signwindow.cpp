#include "signfixture.h"

#include "content/textfaces.h"
#include "sign/effects.h"
#include "sign/signwindow.h"

#include <QComboBox>
#include <QTest>

using namespace lumetra;
using namespace lumetra::sign;
using namespace lumetra::sign::test;

class TestSignWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TextFaces::installSubstitutions(); }
    void showsTheSignAtThePitch_data();
    void showsTheSignAtThePitch();
};

void TestSignWindow::showsTheSignAtThePitch_data()
{
    QTest::addColumn<int>("pitch");
    QTest::newRow("2") << 2;
    QTest::newRow("7") << 7;
    QTest::newRow("12") << 12;
}

void TestSignWindow::showsTheSignAtThePitch()
{
    QFETCH(int, pitch);
    SignFixture f(64, 16, 1);
    f.fullZone(1, 1, PageTurn, 1, 4);
    const auto card = f.card();
    SignWindow window(4);
    window.setContent(card->content(), true);
    auto *choice = window.findChild<QComboBox *>(QStringLiteral("pitch"));
    QVERIFY(choice);
    QCOMPARE(choice->count(), 11);
    choice->setCurrentText(QString::number(pitch));
    auto *board = window.findChild<QWidget *>(QStringLiteral("board"));
    QVERIFY(board);
    QCOMPARE(board->size(), QSize(64 * pitch, 16 * pitch));
    // The page is on the board: a lit LED's dot in its colour at its centre.
    const QImage dots = board->grab().toImage();
    QCOMPARE(dots.size(), QSize(64 * pitch, 16 * pitch));
    for (int x = 0; x < 64; ++x) {
        const int led = ledOf(SignFixture::pattern(x, 3, 0));
        const QRgb centre = dots.pixel(x * pitch + pitch / 2, 3 * pitch + pitch / 2);
        QCOMPARE(qRed(centre) > 128, (led & 1) != 0);
        QCOMPARE(qGreen(centre) > 128, (led & 2) != 0);
    }
    QCOMPARE(window.ledFrame().size(), QSize(64, 16));
}

QTEST_MAIN(TestSignWindow)
#include "tst_signwindow.moc"
