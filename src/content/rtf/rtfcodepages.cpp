#include "content/rtf/rtfcodepages.h"

namespace lumetra {

namespace {

QByteArray decoderName(int codePage)
{
    switch (codePage) {
    case 936:
        return "GBK";
    case 950:
        return "Big5";
    case 932:
        return "Shift_JIS";
    case 949:
        return "windows-949";
    case 437:
        return "IBM437";
    case 850:
        return "IBM850";
    case 10000:
        return "macintosh";
    case 65001:
        return "UTF-8";
    default:
        return "windows-" + QByteArray::number(codePage);
    }
}

} // namespace

int RtfCodePages::forCharset(int charset)
{
    switch (charset) {
    case 0:
    case 2: // symbol fonts: their bytes are glyph numbers, cp1252 is the closest
        return 1252;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return 0; // 1 "default" and anything unknown
    }
}

QStringDecoder *RtfCodePages::decoder(int codePage)
{
    auto found = m_decoders.find(codePage);
    if (found != m_decoders.end())
        return found->second.get();
    auto decoder = std::make_unique<QStringDecoder>(decoderName(codePage).constData());
    if (!decoder->isValid())
        decoder = std::make_unique<QStringDecoder>("windows-1252");
    if (!decoder->isValid())
        decoder.reset(); // Latin-1 below
    QStringDecoder *result = decoder.get();
    m_decoders.emplace(codePage, std::move(decoder));
    return result;
}

QString RtfCodePages::decode(int codePage, QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return {};
    QStringDecoder *d = decoder(codePage);
    if (!d)
        return QString::fromLatin1(bytes);
    d->resetState();
    return d->decode(bytes);
}

} // namespace lumetra
