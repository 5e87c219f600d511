#include "content/rtf/rtffonttable.h"

namespace lumetra {

namespace {

constexpr size_t MaxFonts = 65536;

} // namespace

void RtfFontTable::word(const QByteArray &word, int parameter, Context context)
{
    if (word == "f") {
        finishName(context);
        // Entries past the limit are read but not kept.
        m_hasEntry = m_fonts.size() < MaxFonts || m_fonts.count(parameter);
        m_entry = parameter;
        if (m_hasEntry)
            m_fonts[m_entry];
    } else if (!m_hasEntry) {
        return;
    } else if (word == "fcharset") {
        m_fonts[m_entry].charset = parameter;
    } else if (word == "cpg") {
        m_fonts[m_entry].codePage = parameter;
    }
}

void RtfFontTable::unicode(char16_t unit, Context context)
{
    // Decode what came before, then add the character.
    m_name += context.codePages.decode(codePage(m_entry, context.documentCodePage), m_nameBytes);
    m_nameBytes.clear();
    m_name += QChar(unit);
}

void RtfFontTable::text(QByteArrayView bytes, Context context)
{
    for (const char c : bytes) {
        if (c == ';')
            finishName(context);
        else if (m_nameBytes.size() < 1024)
            m_nameBytes.append(c);
    }
}

void RtfFontTable::finishName(Context context)
{
    if (m_hasEntry && (!m_nameBytes.isEmpty() || !m_name.isEmpty())) {
        Font &font = m_fonts[m_entry];
        const QString name =
            (m_name + context.codePages.decode(codePage(m_entry, context.documentCodePage), m_nameBytes)).trimmed();
        if (font.name.isEmpty())
            font.name = name;
    }
    m_nameBytes.clear();
    m_name.clear();
}

int RtfFontTable::codePage(int font, int documentCodePage) const
{
    auto found = m_fonts.find(font);
    if (found != m_fonts.end()) {
        if (found->second.codePage > 0)
            return found->second.codePage;
        if (const int page = RtfCodePages::forCharset(found->second.charset))
            return page;
    }
    return documentCodePage;
}

QString RtfFontTable::family(int font) const
{
    auto found = m_fonts.find(font);
    return found != m_fonts.end() ? found->second.name : QString();
}

} // namespace lumetra
