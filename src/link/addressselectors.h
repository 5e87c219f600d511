#pragma once

#include <QByteArray>

#include <cstdint>

namespace lumetra {

// Item index of the broadcast entry ("群发", "所有卡") of the address lists,
// whose items 0 … 127 stand for the addresses 1 … 128.
inline constexpr int BroadcastItem = 128;
inline constexpr uint8_t BroadcastAddress = 0xFF;
// CardAddress value meaning all cards.
inline constexpr int32_t AllCardsAddress = 129;

// The hidden address selectors of the main window and the hardware dialog,
// as item indices.
struct AddressSelectors
{
    int TargetIndex = 0;      // main window ComboBox2, "1" at start-up
    int CardAddressIndex = 0; // hardware dialog ComboBox2
    int TestAddressIndex = 0; // hardware dialog ComboBox3
};

// The card-class tests of the protocol.
bool isClassA(const QByteArray &cardModel);
// The baud rate the hardware dialog sets for a card class: 4800 for A, 19200
// for B and C.
int32_t baudRateForCardClass(const QByteArray &cardModel);

// Address byte of the main-window frames (TargetAddressRule).
uint8_t addressRuleA(const AddressSelectors &selectors, const QByteArray &cardModel);
uint8_t addressRuleB(const AddressSelectors &selectors);
uint8_t addressRuleC(int32_t cardAddress);

// Address byte of an item of the lists: 0xFF for broadcast, else index + 1.
uint8_t itemAddress(int itemIndex);

} // namespace lumetra
