#include "content/rtf/rtflisttable.h"

#include <algorithm>

namespace lumetra {

void RtfListTable::listTableWord(const QByteArray &word, int parameter)
{
    if (word == "list") {
        if (int(m_lists.size()) < MaxLists)
            m_lists.emplace_back();
    } else if (m_lists.empty()) {
        return;
    } else if (word == "listlevel") {
        if (int(m_lists.back().levels.size()) < MaxLevels)
            m_lists.back().levels.push_back(0);
    } else if (word == "levelnfc" || word == "levelnfcn") {
        if (!m_lists.back().levels.empty())
            m_lists.back().levels.back() = parameter;
    } else if (word == "listid") {
        m_lists.back().id = parameter;
    }
}

void RtfListTable::overrideWord(const QByteArray &word, int parameter)
{
    if (word == "listoverride") {
        if (int(m_overrides.size()) < MaxLists)
            m_overrides.push_back({0, 0});
    } else if (m_overrides.empty()) {
        return;
    } else if (word == "listid") {
        m_overrides.back().second = parameter;
    } else if (word == "ls") {
        m_overrides.back().first = parameter;
    }
}

int RtfListTable::listFor(int override, int level, std::vector<QTextListFormat> &formats)
{
    level = std::clamp(level, 0, MaxLevels - 1);
    const auto key = std::make_pair(override, level);
    if (auto used = m_used.find(key); used != m_used.end())
        return used->second;
    auto found = std::find_if(m_overrides.begin(), m_overrides.end(),
                              [&](const std::pair<int, int> &o) { return o.first == override; });
    if (found == m_overrides.end())
        return -1;
    auto list = std::find_if(m_lists.begin(), m_lists.end(), [&](const List &l) { return l.id == found->second; });
    if (list == m_lists.end())
        return -1;
    const int nfc = level < int(list->levels.size()) ? list->levels[size_t(level)] : 23;
    QTextListFormat format;
    switch (nfc) {
    case 0:
        format.setStyle(QTextListFormat::ListDecimal);
        break;
    case 1:
        format.setStyle(QTextListFormat::ListUpperRoman);
        break;
    case 2:
        format.setStyle(QTextListFormat::ListLowerRoman);
        break;
    case 3:
        format.setStyle(QTextListFormat::ListUpperAlpha);
        break;
    case 4:
        format.setStyle(QTextListFormat::ListLowerAlpha);
        break;
    default: // 23 bullet, 255 none and the rest
        format.setStyle(QTextListFormat::ListDisc);
        break;
    }
    format.setIndent(level + 1);
    const int index = int(formats.size());
    formats.push_back(format);
    m_used.emplace(key, index);
    return index;
}

} // namespace lumetra
