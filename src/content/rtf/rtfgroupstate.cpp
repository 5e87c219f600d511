#include "content/rtf/rtfgroupstate.h"

#include <algorithm>

namespace lumetra {

namespace {

// About half a metre: anything larger in a file is garbage.
constexpr int MaxTwips = 31680;

int twips(int value)
{
    return std::clamp(value, -MaxTwips, MaxTwips);
}

} // namespace

bool RtfGroupState::apply(const QByteArray &word, bool hasParameter, int parameter, int defaultFont)
{
    // A toggle without parameter switches on, with "0" off.
    const bool on = !hasParameter || parameter != 0;
    RtfCharState &c = character;
    RtfParaState &p = paragraph;

    if (word == "plain") {
        const bool listText = c.listText; // a group's meaning, not a format
        c = RtfCharState();
        c.font = defaultFont;
        c.listText = listText;
    } else if (word == "b") {
        c.bold = on;
    } else if (word == "i") {
        c.italic = on;
    } else if (word == "strike" || word == "striked") {
        c.strike = on;
    } else if (word == "caps") {
        c.caps = on;
    } else if (word == "v") {
        c.hidden = on;
    } else if (word == "ul" || word == "uldb" || word == "ulw" || word == "ulth") {
        c.underline = on ? RtfCharState::Single : RtfCharState::NoUnderline;
    } else if (word == "uld" || word == "ulthd") {
        c.underline = on ? RtfCharState::Dotted : RtfCharState::NoUnderline;
    } else if (word == "uldash" || word == "uldashd" || word == "uldashdd" || word == "ulthdash") {
        c.underline = on ? RtfCharState::Dashed : RtfCharState::NoUnderline;
    } else if (word == "ulwave" || word == "ululdbwave" || word == "ulhwave") {
        c.underline = on ? RtfCharState::Wave : RtfCharState::NoUnderline;
    } else if (word == "ulnone") {
        c.underline = RtfCharState::NoUnderline;
    } else if (word == "super") {
        c.vertical = on ? RtfCharState::Super : RtfCharState::Baseline;
    } else if (word == "sub") {
        c.vertical = on ? RtfCharState::Sub : RtfCharState::Baseline;
    } else if (word == "nosupersub") {
        c.vertical = RtfCharState::Baseline;
    } else if (word == "fs") {
        // 1 to 1000 points; a missing value means the default 12.
        c.halfPoints = hasParameter ? std::clamp(parameter, 2, 2000) : 24;
    } else if (word == "f") {
        c.font = hasParameter ? parameter : defaultFont;
    } else if (word == "cf") {
        c.color = std::max(0, parameter);
    } else if (word == "cb" || word == "highlight" || word == "chcbpat") {
        c.background = std::max(0, parameter);
    } else if (word == "pard") {
        p = RtfParaState();
    } else if (word == "ql") {
        p.align = RtfParaState::Left;
    } else if (word == "qc") {
        p.align = RtfParaState::Centre;
    } else if (word == "qr") {
        p.align = RtfParaState::Right;
    } else if (word == "qj" || word == "qd") {
        p.align = RtfParaState::Justify;
    } else if (word == "li") {
        p.left = twips(parameter);
    } else if (word == "ri") {
        p.right = twips(parameter);
    } else if (word == "fi") {
        p.firstLine = twips(parameter);
    } else if (word == "sb") {
        p.before = std::max(0, twips(parameter));
    } else if (word == "sa") {
        p.after = std::max(0, twips(parameter));
    } else if (word == "sl") {
        p.lineSpacing = twips(parameter);
    } else if (word == "slmult") {
        p.lineMultiple = on;
    } else if (word == "intbl") {
        p.inTable = true;
    } else if (word == "itap") {
        // Nesting beyond a handful of tables does not occur; cap it.
        const int level = std::clamp(parameter, 0, 16);
        p.inTable = level > 0;
        p.nesting = std::max(1, level);
    } else if (word == "s") {
        p.style = std::max(0, parameter);
    } else if (word == "ls") {
        p.list = std::max(0, parameter);
    } else if (word == "ilvl") {
        p.listLevel = std::clamp(parameter, 0, 8);
    } else if (word == "cbpat") {
        p.shading = std::max(0, parameter);
    } else if (word == "tqc") {
        p.nextTab = RtfParaState::CentreTab;
    } else if (word == "tqr") {
        p.nextTab = RtfParaState::RightTab;
    } else if (word == "tqdec") {
        p.nextTab = RtfParaState::DecimalTab;
    } else if (word == "tx" || word == "tb") {
        if (word == "tx" && p.tabs.size() < RtfParaState::MaxTabs)
            p.tabs.push_back({std::clamp(parameter, 0, MaxTwips), p.nextTab});
        p.nextTab = RtfParaState::LeftTab;
    } else {
        return false;
    }
    return true;
}

} // namespace lumetra
