#pragma once

#include <QByteArray>
#include <QTextListFormat>

#include <map>
#include <utility>
#include <vector>

namespace lumetra {

// \listtable and \listoverridetable: which numbering each \lsN means, so
// that list paragraphs become Qt lists (whose markers Qt draws itself).
class RtfListTable
{
public:
    static constexpr int MaxLists = 1024;
    static constexpr int MaxLevels = 9;

    void listTableWord(const QByteArray &word, int parameter);
    void overrideWord(const QByteArray &word, int parameter);

    // The index in formats of the list for \lsN at \ilvlM, adding it when
    // new; -1 when the file defines no such list.
    int listFor(int override, int level, std::vector<QTextListFormat> &formats);

private:
    struct List
    {
        int id = 0;
        std::vector<int> levels; // \levelnfc of each level
    };
    std::vector<List> m_lists;
    std::vector<std::pair<int, int>> m_overrides; // \ls, \listid
    std::map<std::pair<int, int>, int> m_used;    // (\ls, level) -> index in formats
};

} // namespace lumetra
