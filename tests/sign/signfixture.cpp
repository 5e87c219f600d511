#include "signfixture.h"

#include "link/addressselectors.h"
#include "link/frames.h"
#include "link/programstream.h"

namespace lumetra::sign::test {

SignFixture::SignFixture(int width, int height, int programs)
{
    display.ScreenWidth = width;
    display.ScreenHeight = height;
    display.ColorType = 1;
    display.CardAddress = 1;
    display.BaudRate = 19200;
    display.RefreshRate = 100;
    display.ProgramCount = programs;
    // Day brightness all day, at full level.
    display.DayBrightness = 200;
    display.NightBrightness = 200;
    for (int k = 1; k <= programs; ++k) {
        ProgramRecord &p = display.Programs[k];
        p.ZoneCount = 1;
        p.Weekdays.fill(1);
    }
}

QRgb SignFixture::pattern(int x, int y, int page)
{
    const bool red = (x * 7 + y * 3 + page * 5) % 5 < 2;
    const bool green = (x * 3 + y + page) % 4 == 0;
    return qRgb(red ? 255 : 0, green ? 255 : 0, 0);
}

QImage SignFixture::patternPicture(int width, int height, int pages)
{
    QImage image(width, height * pages, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, pattern(x, y % height, y / height));
    return image;
}

ZoneRecord &SignFixture::fullZone(int program, int pages, int effect, int speed, int stay)
{
    ZoneRecord &z = zone(program, 1);
    z.InUse = 1;
    z.ZoneType = TextZone;
    z.X = 0;
    z.Y = 0;
    z.Width = display.ScreenWidth;
    z.Height = display.ScreenHeight;
    z.ContentHeight = display.ScreenHeight * pages;
    z.PlayMode = effect;
    z.Speed = speed;
    z.StayTime = stay;
    z.ClearBeforePlay = 1;
    setPicture(program, patternPicture(display.ScreenWidth, display.ScreenHeight, pages));
    return z;
}

void SignFixture::setPicture(int program, const QImage &picture)
{
    pictures[program - 1] = picture;
}

QByteArray SignFixture::lineBytes() const
{
    const AddressSelectors sel;
    DisplaySettings power;
    power.DayBrightness = 200;
    power.NightBrightness = 200;
    QByteArray bytes = screenSetFrame(screenParameterBlock(display, power, ParameterBlockVariant::Serial));
    for (int k = 1; k <= display.ProgramCount; ++k) {
        planes->clear();
        const QImage &picture = pictures[k - 1];
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb c = picture.pixel(x, y);
                planes->redRow(y)[x] = qRed(c) > 127;
                planes->greenRow(y)[x] = qGreen(c) > 127;
            }
        const ProgramStream s(*planes, StreamGeometry::fromSettings(display), display.Programs[k]);
        bytes += programIndexFrame(display, k - 1, sel);
        for (int i = 0; i < s.blockCount(); ++i)
            bytes += programDataFrame(sel, k, ProgramStream::blockNumber(i), s.block(i));
        bytes += transferLoadFrame(sel, k, s.finalBlockValue());
    }
    return bytes;
}

std::unique_ptr<SignCard> SignFixture::card(const QByteArray &extra, const QString &outDir) const
{
    auto c = std::make_unique<SignCard>(SignCard::ClassB, 1, outDir);
    c->receive(lineBytes() + extra);
    return c;
}

int ledOf(QRgb c)
{
    return (qRed(c) > 0 ? 1 : 0) | (qGreen(c) > 0 ? 2 : 0);
}

int ledAt(const QImage &frame, int x, int y)
{
    return ledOf(frame.pixel(x, y));
}

} // namespace lumetra::sign::test
