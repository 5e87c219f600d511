#pragma once

#include "model/records.h"

#include <QByteArrayView>
#include <QMetaType>

#include <cstdint>

namespace lumetra {

// What the hardware dialog shows of a decoded parameter reply, in the values
// of its controls.
struct ParameterValues
{
    int CardAddressIndex = 0; // ComboBox2
    int RefreshRate = 0;      // SpinEdit2
    int ScreenHeight = 0;     // SpinEdit1
    int ScreenWidth = 0;      // edit12
    int ColorType = 0;        // ComboBox5
    int GrayLevel = 0;        // ComboBox1
    int UnitBoardType = 0;    // RadioGroup1
    bool DataLogic = false;   // CheckBox4
    bool OeLogic = false;     // CheckBox11
    int CardClassIndex = 0;   // RadioGroup3: 0 A, 1 B, 2 C

    friend bool operator==(const ParameterValues &, const ParameterValues &) = default;
};

// The card's answer to "SNDR": the screen parameter block with the card's
// real class in byte 7.
class ParameterReply
{
public:
    // Byte 0 names the card; 0xFF stands for all cards (CardAddress 129).
    static bool matches(QByteArrayView reply, int32_t cardAddress);

    // Writes the reply into the display record in the order of the dialog
    // and returns what the dialog shows. reply holds at least 31 bytes.
    static ParameterValues decode(QByteArrayView reply, DisplayRecord &display);
};

} // namespace lumetra

Q_DECLARE_METATYPE(lumetra::ParameterValues)
