#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>
#include <vector>

namespace lumetra {

// An INI file with the semantics of the Windows profile functions: names
// matched exactly, a write replaces the value in place, or appends the key at
// the end of its section, or appends the section at the end of the file;
// nothing is ever removed and lines it does not understand are kept as they
// were. Names and values are raw bytes (GBK); lines end in CR LF on writing.
class IniDocument
{
public:
    IniDocument() = default;

    // A missing file gives an empty document; a file that exists but cannot
    // be read throws Error naming it.
    static IniDocument load(const QString &path);
    static IniDocument parse(const QByteArray &bytes);

    std::optional<QByteArray> value(const QByteArray &section, const QByteArray &key) const;
    QByteArray value(const QByteArray &section, const QByteArray &key, const QByteArray &fallback) const;
    void setValue(const QByteArray &section, const QByteArray &key, const QByteArray &value);

    bool hasSection(const QByteArray &section) const;
    QList<QByteArray> sections() const;
    QList<QByteArray> keys(const QByteArray &section) const;

    QByteArray serialize() const;
    // Written whole through a temporary file; throws Error naming the file.
    void save(const QString &path) const;

private:
    struct Line
    {
        QByteArray text; // the line as it stands (regenerated when set)
        QByteArray key;  // empty when the line is no entry
        QByteArray value;
    };
    struct Section
    {
        QByteArray name;
        QByteArray header;
        std::vector<Line> lines;
        QHash<QByteArray, int> index; // first line of each key
    };

    const Section *findSection(const QByteArray &name) const;
    static void indexLine(Section &section, int lineNo);

    std::vector<Line> m_preamble; // lines before the first section
    std::vector<Section> m_sections;
    QHash<QByteArray, int> m_sectionIndex;
};

} // namespace lumetra
