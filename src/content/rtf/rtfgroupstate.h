#pragma once

#include <QByteArray>

#include <vector>

namespace lumetra {

struct RtfCharState
{
    enum Underline { NoUnderline, Single, Dotted, Dashed, Wave };
    enum Vertical { Baseline, Super, Sub };

    int font = -1;
    int halfPoints = 24; // \fs: RTF's default is 12 points
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool caps = false;
    bool hidden = false;
    Underline underline = NoUnderline;
    Vertical vertical = Baseline;
    int color = 0;         // colour table index, 0 = automatic
    int background = 0;    // colour table index, 0 = none
    bool listText = false; // in \listtext: dropped when the paragraph is a real list item

    bool operator==(const RtfCharState &) const = default;
};

struct RtfParaState
{
    enum Align { Left, Centre, Right, Justify };
    enum TabKind { LeftTab, CentreTab, RightTab, DecimalTab };
    struct Tab
    {
        int position; // twips
        TabKind kind;
    };
    static constexpr size_t MaxTabs = 64;

    Align align = Left;
    // Twips.
    int left = 0;
    int right = 0;
    int firstLine = 0;
    int before = 0;
    int after = 0;
    int lineSpacing = 0; // \sl: > 0 at least, < 0 exactly, 0 automatic
    bool lineMultiple = false;
    bool inTable = false;
    int nesting = 1; // \itap, meaningful with inTable
    int style = 0;
    int shading = 0; // \cbpat, colour table index
    int list = 0;    // \ls, 0 none
    int listLevel = 0;
    std::vector<Tab> tabs;
    TabKind nextTab = LeftTab; // \tqr, \tqc, \tqdec before the \tx they qualify

    int level() const { return inTable ? nesting : 0; }
};

// What a group carries: where its text goes and the formatting in force.
struct RtfGroupState
{
    enum class Destination {
        Normal,
        Skip,
        FontTable,
        ColorTable,
        StyleSheet,
        StyleEntry,
        Picture,
        Object, // text dropped, looking for \result
        ListTable,
        ListOverrideTable,
        Background,      // \*\background: only its fill colour is read
        BackgroundName,  // \sn inside it
        BackgroundValue, // \sv inside it
    };

    Destination destination = Destination::Normal;
    RtfCharState character;
    RtfParaState paragraph;
    int unicodeSkip = 1; // \uc
    int styleKind = 0;   // in a style entry: 's', 'c' (\cs) or 0 for others
    int styleNumber = 0;

    // Character and paragraph control words; false when the word is not one.
    bool apply(const QByteArray &word, bool hasParameter, int parameter, int defaultFont);
};

} // namespace lumetra
