#include "model/gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace lumetra {

// Opening a converter costs far more than a short conversion, so each
// thread keeps one of each; GBK carries no state between calls.
QByteArray toGbk(QStringView text)
{
    // The encoder substitutes "?" for what GBK cannot hold.
    thread_local QStringEncoder encoder("GBK");
    encoder.resetState();
    return encoder.encode(text);
}

QString fromGbk(QByteArrayView bytes)
{
    thread_local QStringDecoder decoder("GBK");
    decoder.resetState();
    return decoder.decode(bytes);
}

int gbkCharLength(QByteArrayView text, qsizetype pos)
{
    if (pos < 0 || pos >= text.size())
        return 0;
    if (isLeadByte(text[pos]) && pos + 1 < text.size())
        return 2;
    return 1;
}

qsizetype gbkCharCount(QByteArrayView text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); i += gbkCharLength(text, i))
        ++count;
    return count;
}

qsizetype gbkHalfCells(QByteArrayView text)
{
    qsizetype cells = 0;
    for (qsizetype i = 0; i < text.size();) {
        const int len = gbkCharLength(text, i);
        cells += len;
        i += len;
    }
    return cells;
}

} // namespace lumetra
