#include "model/inidocument.h"

#include "model/error.h"
#include "model/savefile.h"

#include <QFile>
#include <QFileInfo>

namespace lumetra {

namespace {

QByteArray trimmed(QByteArrayView bytes)
{
    return bytes.trimmed().toByteArray();
}

// A value must stay on its line: line breaks inside it would start new
// entries when the file is read again.
QByteArray oneLine(const QByteArray &value)
{
    if (!value.contains('\r') && !value.contains('\n'))
        return value;
    QByteArray copy = value;
    copy.replace('\r', ' ');
    copy.replace('\n', ' ');
    return copy;
}

} // namespace

IniDocument IniDocument::load(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return IniDocument();
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("无法读取文件 \"%1\"：%2").arg(path, file.errorString()), path);
    return parse(file.readAll());
}

IniDocument IniDocument::parse(const QByteArray &bytes)
{
    IniDocument doc;
    Section *current = nullptr;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArrayView raw(bytes.constData() + start, end - start);
        if (raw.endsWith('\r'))
            raw.chop(1);
        start = end + 1;

        const QByteArrayView stripped = raw.trimmed();
        if (stripped.startsWith('[')) {
            const qsizetype close = stripped.indexOf(']');
            const QByteArray name = trimmed(stripped.sliced(1, (close < 0 ? stripped.size() : close) - 1));
            doc.m_sections.push_back(Section{name, raw.toByteArray(), {}, {}});
            if (!doc.m_sectionIndex.contains(name))
                doc.m_sectionIndex.insert(name, int(doc.m_sections.size() - 1));
            current = &doc.m_sections.back();
            continue;
        }

        Line line{raw.toByteArray(), {}, {}};
        const qsizetype eq = stripped.indexOf('=');
        if (eq > 0 && !stripped.startsWith(';')) {
            line.key = trimmed(stripped.first(eq));
            line.value = trimmed(stripped.sliced(eq + 1));
        }
        if (current) {
            current->lines.push_back(std::move(line));
            indexLine(*current, int(current->lines.size() - 1));
        } else {
            doc.m_preamble.push_back(std::move(line));
        }
    }
    return doc;
}

void IniDocument::indexLine(Section &section, int lineNo)
{
    const QByteArray &key = section.lines[static_cast<std::size_t>(lineNo)].key;
    if (!key.isEmpty() && !section.index.contains(key))
        section.index.insert(key, lineNo);
}

const IniDocument::Section *IniDocument::findSection(const QByteArray &name) const
{
    const auto it = m_sectionIndex.constFind(name);
    return it == m_sectionIndex.constEnd() ? nullptr : &m_sections[static_cast<std::size_t>(*it)];
}

std::optional<QByteArray> IniDocument::value(const QByteArray &section, const QByteArray &key) const
{
    const Section *s = findSection(section);
    if (!s)
        return std::nullopt;
    const auto it = s->index.constFind(key);
    if (it == s->index.constEnd())
        return std::nullopt;
    return s->lines[static_cast<std::size_t>(*it)].value;
}

QByteArray IniDocument::value(const QByteArray &section, const QByteArray &key, const QByteArray &fallback) const
{
    return value(section, key).value_or(fallback);
}

void IniDocument::setValue(const QByteArray &section, const QByteArray &key, const QByteArray &value)
{
    const QByteArray clean = oneLine(value);
    const QByteArray text = key + '=' + clean;

    auto sit = m_sectionIndex.constFind(section);
    if (sit == m_sectionIndex.constEnd()) {
        m_sections.push_back(Section{section, '[' + section + ']', {}, {}});
        m_sectionIndex.insert(section, int(m_sections.size() - 1));
        sit = m_sectionIndex.constFind(section);
    }
    Section &s = m_sections[static_cast<std::size_t>(*sit)];

    const auto it = s.index.constFind(key);
    if (it != s.index.constEnd()) {
        Line &line = s.lines[static_cast<std::size_t>(*it)];
        line.text = text;
        line.value = clean;
        return;
    }

    // Append after the last non-blank line, so blank lines that separate
    // sections stay where they are.
    std::size_t at = s.lines.size();
    while (at > 0 && s.lines[at - 1].text.trimmed().isEmpty())
        --at;
    s.lines.insert(s.lines.begin() + static_cast<std::ptrdiff_t>(at), Line{text, key, clean});
    if (at + 1 < s.lines.size()) {
        s.index.clear();
        for (int i = 0; i < int(s.lines.size()); ++i)
            indexLine(s, i);
    } else {
        indexLine(s, int(at));
    }
}

bool IniDocument::hasSection(const QByteArray &section) const
{
    return findSection(section) != nullptr;
}

QList<QByteArray> IniDocument::sections() const
{
    QList<QByteArray> names;
    for (const Section &s : m_sections)
        names.append(s.name);
    return names;
}

QList<QByteArray> IniDocument::keys(const QByteArray &section) const
{
    QList<QByteArray> names;
    if (const Section *s = findSection(section)) {
        for (const Line &line : s->lines)
            if (!line.key.isEmpty())
                names.append(line.key);
    }
    return names;
}

QByteArray IniDocument::serialize() const
{
    QByteArray out;
    qsizetype size = 0;
    for (const Line &line : m_preamble)
        size += line.text.size() + 2;
    for (const Section &s : m_sections) {
        size += s.header.size() + 2;
        for (const Line &line : s.lines)
            size += line.text.size() + 2;
    }
    out.reserve(size);
    for (const Line &line : m_preamble)
        out += line.text + "\r\n";
    for (const Section &s : m_sections) {
        out += s.header;
        out += "\r\n";
        for (const Line &line : s.lines) {
            out += line.text;
            out += "\r\n";
        }
    }
    return out;
}

void IniDocument::save(const QString &path) const
{
    writeFileAtomically(path, serialize());
}

} // namespace lumetra
