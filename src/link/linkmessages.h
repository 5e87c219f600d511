#pragma once

#include <QString>

namespace lumetra {

// The fixed texts of the controller link, shown as they are.
inline QString noAnswerMessage()
{
    return QStringLiteral("可能没有连接到控制卡或通讯线接触不好，请检查一下后重新操作。");
}

inline QString noSerialPortMessage()
{
    return QStringLiteral("电脑可能没有串口请检查后再操作。");
}

inline QString sendFailedMessage()
{
    return QStringLiteral("串口数据发送失败。");
}

} // namespace lumetra
