#include "content/ledfontsizes.h"

#include <array>

namespace lumetra {

namespace {

struct Entry
{
    int cell;
    int pointSize;
    bool offered;
};

constexpr std::array<Entry, 12> entries{{
    {12, 9, true},
    {16, 12, true},
    {24, 18, true},
    {32, 24, true},
    {40, 30, true},
    {48, 36, true},
    {56, 42, false},
    {64, 48, true},
    {72, 54, true},
    {80, 60, true},
    {96, 72, true},
    {128, 84, true},
}};

QString textFor(int cell)
{
    return QStringLiteral("单字%1个LED灯大小").arg(cell);
}

} // namespace

LedFontSize LedFontSizes::lookup(const QString &sizeText)
{
    for (const Entry &e : entries)
        if (sizeText == textFor(e.cell))
            return {e.pointSize, e.cell, true};
    return {};
}

const QStringList &LedFontSizes::offered()
{
    static const QStringList list = [] {
        QStringList texts;
        for (const Entry &e : entries)
            if (e.offered)
                texts << textFor(e.cell);
        return texts;
    }();
    return list;
}

QString LedFontSizes::initialText()
{
    return textFor(12);
}

QString LedFontSizes::textAt(int fontSizeIndex)
{
    const QStringList &list = offered();
    return fontSizeIndex >= 0 && fontSizeIndex < list.size() ? list.at(fontSizeIndex) : QString();
}

} // namespace lumetra
