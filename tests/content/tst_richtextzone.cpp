#include "content/document/nativedocument.h"
#include "content/richtextzone.h"
#include "model/contentfiles.h"
#include "model/gbk.h"
#include "model/workspace.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>

using namespace lumetra;

namespace {

// Program 1, slot 1: a 64 x 16 picture zone on a 64 x 16 sign.
void pictureZone(Workspace &ws, const QString &folder, const QByteArray &file)
{
    setProjectPath(ws, folder + QStringLiteral("/Project.zvp"));
    ws.WorkingSettings.ScreenWidth = 64;
    ws.WorkingSettings.ScreenHeight = 16;
    ws.WorkingSettings.ColorThreshold = 127;
    ws.display().ProgramCount = 1;
    ws.CurrentProgram = 1;
    ws.CurrentZone = 1;
    ZoneRecord &z = ws.currentZone();
    z.ZoneType = PictureZone;
    z.Width = 64;
    z.Height = 16;
    z.ContentFile = file;
}

void saveNative(const QString &path, const QString &text, QColor background = QColor())
{
    QTextDocument doc;
    doc.setDocumentMargin(0);
    doc.setPlainText(text);
    if (background.isValid()) {
        QTextFrameFormat f = doc.rootFrame()->frameFormat();
        f.setBackground(background);
        doc.rootFrame()->setFrameFormat(f);
    }
    NativeDocument::save(doc, path);
}

int litPixels(const QImage &image, QRgb *other = nullptr)
{
    int lit = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y) & 0xFFFFFF;
            if (p == 0)
                continue;
            ++lit;
            if (other && p != 0xFF0000)
                *other = p;
        }
    return lit;
}

} // namespace

class TestRichTextZone : public QObject
{
    Q_OBJECT

private slots:
    void shortDocumentIsOnePage();
    void emptyDocument();
    void extensions_data();
    void extensions();
    void lowZoneIsRaisedTo16();
    void whiteBackgroundLeavesLedsDark();
};

void TestRichTextZone::shortDocumentIsOnePage()
{
    QTemporaryDir dir;
    Workspace ws;
    pictureZone(ws, dir.path(), "Note.zvf");
    saveNative(dir.filePath("Note.zvf"), QStringLiteral("AB"));

    QTextDocument doc;
    const RichTextLoad load = RichTextZone::load(doc, ws, ws.currentZone());
    QVERIFY(load.loaded);
    QVERIFY(!load.importFailed);
    const RichTextPreview preview = RichTextZone::yuelanrtf(doc, ws, 1, 1);
    QCOMPARE(preview.pageCount, 1);
    QCOMPARE(preview.pages.size(), QSize(64, 16));
    QVERIFY(QFile::exists(zoneBitmapPath(ws, 1, 1)));
    // No colour in the document: the text is red, and never smoothed.
    QRgb other = 0;
    QVERIFY(litPixels(preview.pages, &other) > 10);
    QCOMPARE(other, QRgb(0));

    const TransferResult sent = RichTextZone::rtftobmp(doc, ws, 0, 1);
    QVERIFY(!sent.stopped);
    QCOMPARE(sent.rows, 16);
    QCOMPARE(ws.currentZone().ContentHeight, 16);
}

void TestRichTextZone::emptyDocument()
{
    QTemporaryDir dir;
    Workspace ws;
    pictureZone(ws, dir.path(), "Empty.zvf");
    saveNative(dir.filePath("Empty.zvf"), QString());
    QTextDocument doc;
    RichTextZone::load(doc, ws, ws.currentZone());
    const RichTextPreview preview = RichTextZone::yuelanrtf(doc, ws, 1, 1);
    QCOMPARE(preview.pageCount, 0);
    QCOMPARE(preview.pages.height(), 0);
    const TransferResult sent = RichTextZone::rtftobmp(doc, ws, 0, 1);
    QCOMPARE(sent.rows, 16); // one black page
    QCOMPARE(ws.currentZone().ContentHeight, 16);
}

void TestRichTextZone::extensions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("loaded");
    QTest::newRow(".zvf") << "a.zvf" << true;
    QTest::newRow(".zvc reads like .zvf") << "a.zvc" << true;
    QTest::newRow("upper case is another extension") << "a.ZVF" << false;
    QTest::newRow("unknown") << "a.doc" << false;
}

void TestRichTextZone::extensions()
{
    QFETCH(QString, name);
    QFETCH(bool, loaded);
    QTemporaryDir dir;
    Workspace ws;
    pictureZone(ws, dir.path(), toGbk(QStringLiteral("C:\\LED\\") + name));
    saveNative(dir.filePath(name), QStringLiteral("Hello"));

    QTextDocument doc;
    doc.setPlainText(QStringLiteral("left over from the zone before"));
    const RichTextLoad load = RichTextZone::load(doc, ws, ws.currentZone());
    QCOMPARE(load.path, dir.filePath(name));
    QCOMPARE(load.loaded, loaded);
    QCOMPARE(doc.toPlainText(), loaded ? QStringLiteral("Hello") : QString());

    ws.currentZone().ContentFile = "missing.zvf";
    QVERIFY(RichTextZone::load(doc, ws, ws.currentZone()).fileMissing);
    QVERIFY(doc.isEmpty());
}

void TestRichTextZone::lowZoneIsRaisedTo16()
{
    QTemporaryDir dir;
    Workspace ws;
    pictureZone(ws, dir.path(), "Note.zvf");
    ws.currentZone().Height = 10;
    saveNative(dir.filePath("Note.zvf"), QStringLiteral("A"));
    QTextDocument doc;
    RichTextZone::load(doc, ws, ws.currentZone());
    RichTextZone::yuelanrtf(doc, ws, 1, 1);
    QCOMPARE(ws.currentZone().Height, 16);
}

void TestRichTextZone::whiteBackgroundLeavesLedsDark()
{
    QTemporaryDir dir;
    Workspace ws;
    pictureZone(ws, dir.path(), "White.zvf");
    saveNative(dir.filePath("White.zvf"), QStringLiteral("  "), Qt::white);
    QTextDocument doc;
    RichTextZone::load(doc, ws, ws.currentZone());
    const RichTextPreview preview = RichTextZone::yuelanrtf(doc, ws, 1, 1);
    QCOMPARE(preview.pages.pixel(5, 5), qRgb(255, 255, 255));
    RichTextZone::rtftobmp(doc, ws, 0, 1);
    for (int x = 0; x < 64; ++x) {
        QCOMPARE(int(ws.planes().red(5, x)), 0);
        QCOMPARE(int(ws.planes().green(5, x)), 0);
    }
}

QTEST_MAIN(TestRichTextZone)
#include "tst_richtextzone.moc"
