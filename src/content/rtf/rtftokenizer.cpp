#include "content/rtf/rtftokenizer.h"

#include <limits>

namespace lumetra {

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

RtfToken RtfTokenizer::next()
{
    RtfToken token;
    while (m_pos < m_data.size()) {
        const char c = m_data[m_pos];
        if (c == '{') {
            ++m_pos;
            token.type = RtfToken::Type::GroupStart;
            return token;
        }
        if (c == '}') {
            ++m_pos;
            token.type = RtfToken::Type::GroupEnd;
            return token;
        }
        if (c == '\\')
            return controlWord();
        if (c == '\r' || c == '\n') {
            ++m_pos; // line breaks in the file carry no meaning
            continue;
        }
        const qsizetype start = m_pos;
        while (m_pos < m_data.size()) {
            const char d = m_data[m_pos];
            if (d == '{' || d == '}' || d == '\\' || d == '\r' || d == '\n')
                break;
            ++m_pos;
        }
        token.type = RtfToken::Type::Text;
        token.text = m_data.sliced(start, m_pos - start);
        return token;
    }
    return token;
}

RtfToken RtfTokenizer::controlWord()
{
    RtfToken token;
    ++m_pos; // the backslash
    if (m_pos >= m_data.size())
        return token; // a lone backslash at the end: nothing more
    const char c = m_data[m_pos];
    if (c == '\r' || c == '\n') {
        ++m_pos;
        token.type = RtfToken::Type::ControlWord;
        token.word = "par";
        return token;
    }
    if (c == '\'') {
        ++m_pos;
        int value = 0;
        int digits = 0;
        while (digits < 2 && m_pos < m_data.size()) {
            const int h = hexValue(m_data[m_pos]);
            if (h < 0)
                break;
            value = value * 16 + h;
            ++digits;
            ++m_pos;
        }
        if (digits == 0) {
            // "\'" without digits: read nothing rather than a made-up byte.
            token.type = RtfToken::Type::Text;
            return token;
        }
        token.type = RtfToken::Type::HexByte;
        token.byte = static_cast<unsigned char>(value);
        return token;
    }
    if (!isLetter(c)) {
        ++m_pos;
        token.type = RtfToken::Type::ControlSymbol;
        token.symbol = c;
        return token;
    }
    const qsizetype start = m_pos;
    while (m_pos < m_data.size() && isLetter(m_data[m_pos]))
        ++m_pos;
    token.type = RtfToken::Type::ControlWord;
    // Words are at most 32 letters; a longer run is kept whole as one unknown word.
    token.word = m_data.sliced(start, std::min<qsizetype>(m_pos - start, 64)).toByteArray();
    bool negative = false;
    if (m_pos + 1 < m_data.size() && m_data[m_pos] == '-' && isDigit(m_data[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    if (m_pos < m_data.size() && isDigit(m_data[m_pos])) {
        qint64 value = 0;
        while (m_pos < m_data.size() && isDigit(m_data[m_pos])) {
            if (value <= std::numeric_limits<int>::max())
                value = value * 10 + (m_data[m_pos] - '0');
            ++m_pos;
        }
        if (negative)
            value = -value;
        token.hasParameter = true;
        token.parameter =
            int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    }
    if (m_pos < m_data.size() && m_data[m_pos] == ' ')
        ++m_pos; // the delimiting space belongs to the word
    return token;
}

bool RtfTokenizer::takeBinary(qint64 count, QByteArrayView &out)
{
    if (count < 0 || count > m_data.size() - m_pos) {
        m_pos = m_data.size();
        return false;
    }
    out = m_data.sliced(m_pos, qsizetype(count));
    m_pos += qsizetype(count);
    return true;
}

} // namespace lumetra
