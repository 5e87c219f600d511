#pragma once

#include "link/addressselectors.h"
#include "model/records.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>

#include <cstdint>

namespace lumetra {

// Lengths of the frames, as the card tells them apart.
inline constexpr int ProgramIndexLength = 252;
inline constexpr int ProgramDataLength = 530;
inline constexpr int TransferLoadLength = 10;
inline constexpr int BrightnessLength = 22;
inline constexpr int BorderLength = 22;
inline constexpr int TimerLength = 27;
inline constexpr int PowerLength = 17;
inline constexpr int PauseLength = 18;
inline constexpr int ScreenSetLength = 47;
inline constexpr int ScreenParameterBlockLength = 31;
inline constexpr int ParameterReplyLength = 33;
inline constexpr int AcknowledgementLength = 3;
inline constexpr uint8_t AcknowledgementByte = 0x60;

inline constexpr uint8_t ControlKind = 0xFF;
inline constexpr uint8_t IndexKind = 0xFE;
inline constexpr uint8_t DataKind = 0xFD;

enum class ParameterBlockVariant { Serial, Usb };

// The six values the brightness dialog sends.
struct BrightnessValues
{
    int DayHour = 0, DayMinute = 0;
    int NightHour = 0, NightMinute = 0;
    int DayBrightness = 0, NightBrightness = 0;
};

struct PowerTimes
{
    int OnHour = 0, OnMinute = 0;
    int OffHour = 0, OffMinute = 0;
};

// Scan code of the module interface, block byte 16.
uint8_t scanCode(int32_t unitBoardType);

// ScreenParameterBlock: the display's settings with the power and brightness
// bytes taken from powerBytes (WorkingSettings for the serial frame, the
// display record itself for the USB file).
QByteArray screenParameterBlock(const DisplayRecord &display, const DisplaySettings &powerBytes,
                                ParameterBlockVariant variant);

// Program k (0-based) of the display.
QByteArray programIndexFrame(const DisplayRecord &display, int k, const AddressSelectors &selectors);
// data: up to 512 bytes, zero-padded.
QByteArray programDataFrame(const AddressSelectors &selectors, int programNumber, int blockNumber, QByteArrayView data);
QByteArray transferLoadFrame(const AddressSelectors &selectors, int programNumber, uint8_t finalBlock);

QByteArray brightnessFrame(const AddressSelectors &selectors, const QByteArray &cardModel,
                           const BrightnessValues &values);
QByteArray borderFrame(const AddressSelectors &selectors, const QByteArray &cardModel, bool on);
QByteArray timerFrame(const AddressSelectors &selectors, const QByteArray &cardModel, const QDateTime &now,
                      const PowerTimes &times);
QByteArray powerFrame(const AddressSelectors &selectors, const QByteArray &cardModel, bool on);
QByteArray pauseFrame(const AddressSelectors &selectors, const QByteArray &cardModel, bool pause);
QByteArray screenSetFrame(QByteArrayView parameterBlock);

// Test, read and probe frames; the address items are those of the hardware
// dialog (item 128 "所有卡").
QByteArray unitBoardTestFrame(int testAddressIndex, const QByteArray &cardModel);
QByteArray communicationTestFrame(int testAddressIndex, const QByteArray &cardModel);
QByteArray readParametersFrame(int cardAddressIndex);
QByteArray probeFrame();

// Date "2009-05-05" and time "17:30:00" fields as the index frame sends them;
// a part that is no number gives 0.
struct DateParts
{
    int year = 0, month = 0, day = 0;
};
struct TimeParts
{
    int hour = 0, minute = 0;
};
DateParts parseDate(const QByteArray &text);
TimeParts parseTime(const QByteArray &text);

} // namespace lumetra
