#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <map>
#include <memory>

namespace lumetra {

// Windows code pages as RTF names them (\ansicpg, \cpg, \fcharset), decoded
// by Qt's ICU-backed decoders; an unknown page reads as cp1252.
class RtfCodePages
{
public:
    static constexpr int Default = 1252;

    // The code page of an \fcharset value, or 0 for "the document's".
    static int forCharset(int charset);

    QString decode(int codePage, QByteArrayView bytes);

private:
    std::map<int, std::unique_ptr<QStringDecoder>> m_decoders;

    QStringDecoder *decoder(int codePage);
};

} // namespace lumetra
