#include "link/parameterreply.h"

#include "link/addressselectors.h"
#include "link/frames.h"
#include "model/gbk.h"

namespace lumetra {

namespace {

inline int byteAt(QByteArrayView reply, int i)
{
    return i < reply.size() ? static_cast<uint8_t>(reply[i]) : 0;
}

} // namespace

bool ParameterReply::matches(QByteArrayView reply, int32_t cardAddress)
{
    if (reply.size() < ScreenParameterBlockLength)
        return false;
    const int address = byteAt(reply, 0);
    return (address == BroadcastAddress ? AllCardsAddress : address) == cardAddress;
}

ParameterValues ParameterReply::decode(QByteArrayView reply, DisplayRecord &d)
{
    ParameterValues v;
    const int address = byteAt(reply, 0);
    d.CardAddress = address == BroadcastAddress ? AllCardsAddress : address;
    v.CardAddressIndex = d.CardAddress - 1;

    d.RefreshRate = byteAt(reply, 3);
    v.RefreshRate = d.RefreshRate;

    d.ScreenWidth = byteAt(reply, 5) * 8;
    d.ScreenHeight = byteAt(reply, 6);
    v.ScreenHeight = d.ScreenHeight;
    v.ScreenWidth = d.ScreenWidth;

    d.ColorType = byteAt(reply, 9);
    v.ColorType = d.ColorType;
    d.GrayLevel = byteAt(reply, 10);
    v.GrayLevel = d.GrayLevel;

    d.UnitBoardType = byteAt(reply, 13) - 1;
    v.UnitBoardType = d.UnitBoardType;

    d.DataLogic = byteAt(reply, 14);
    d.PowerOnHour = uint8_t(byteAt(reply, 17));
    d.PowerOnMinute = uint8_t(byteAt(reply, 18));
    d.PowerOffHour = uint8_t(byteAt(reply, 19));
    d.PowerOffMinute = uint8_t(byteAt(reply, 20));
    d.DayBrightness = uint8_t(byteAt(reply, 21));
    d.NightBrightness = uint8_t(byteAt(reply, 22));
    d.DayBrightnessHour = uint8_t(byteAt(reply, 24));
    d.DayBrightnessMinute = uint8_t(byteAt(reply, 25));
    d.NightBrightnessHour = uint8_t(byteAt(reply, 26));
    d.NightBrightnessMinute = uint8_t(byteAt(reply, 27));
    v.DataLogic = d.DataLogic > 0;

    d.OeLogic = byteAt(reply, 15);
    v.OeLogic = d.OeLogic > 0;

    const int cardClass = byteAt(reply, 7);
    d.CardModel = cardClass == 3 ? toGbk(u"C类卡") : cardClass == 2 ? toGbk(u"B类卡") : toGbk(u"A类卡");
    v.CardClassIndex = cardClass - 1;
    return v;
}

} // namespace lumetra
