#include "link/addressselectors.h"

#include "model/gbk.h"

namespace lumetra {

bool isClassA(const QByteArray &cardModel)
{
    static const QByteArray classA = toGbk(u"A类卡");
    return cardModel == classA;
}

int32_t baudRateForCardClass(const QByteArray &cardModel)
{
    return isClassA(cardModel) ? 4800 : 19200;
}

uint8_t itemAddress(int itemIndex)
{
    return itemIndex == BroadcastItem ? BroadcastAddress : static_cast<uint8_t>(itemIndex + 1);
}

uint8_t addressRuleA(const AddressSelectors &selectors, const QByteArray &cardModel)
{
    return isClassA(cardModel) ? BroadcastAddress : itemAddress(selectors.TargetIndex);
}

uint8_t addressRuleB(const AddressSelectors &selectors)
{
    return itemAddress(selectors.TargetIndex);
}

uint8_t addressRuleC(int32_t cardAddress)
{
    return cardAddress > 128 ? BroadcastAddress : static_cast<uint8_t>(cardAddress);
}

} // namespace lumetra
