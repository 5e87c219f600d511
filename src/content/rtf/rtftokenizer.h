#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace lumetra {

struct RtfToken
{
    enum class Type { End, GroupStart, GroupEnd, ControlWord, ControlSymbol, Text, HexByte };
    Type type = Type::End;
    QByteArray word; // control word, letters only
    bool hasParameter = false;
    int parameter = 0;   // clamped to the int range
    char symbol = 0;     // control symbol
    QByteArrayView text; // plain bytes, line breaks removed
    unsigned char byte = 0;
};

// Splits RTF bytes into tokens. A backslash before a line break is "\par";
// "\binN" data is taken with takeBinary() right after its control word.
class RtfTokenizer
{
public:
    explicit RtfTokenizer(QByteArrayView data) : m_data(data) {}

    RtfToken next();
    // False when fewer than count bytes are left (count is never trusted).
    bool takeBinary(qint64 count, QByteArrayView &out);
    qsizetype position() const { return m_pos; }
    bool atEnd() const { return m_pos >= m_data.size(); }

private:
    QByteArrayView m_data;
    qsizetype m_pos = 0;

    RtfToken controlWord();
};

} // namespace lumetra
