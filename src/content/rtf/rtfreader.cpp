#include "content/rtf/rtfreader.h"

#include <QFile>
#include <QSet>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QUrl>

namespace lumetra {

namespace {

using Destination = RtfGroupState::Destination;

// Limits against hostile files.
constexpr qint64 MaxFileSize = 256LL * 1024 * 1024;
constexpr size_t MaxTableEntries = 65536; // fonts, colours, styles

// Destinations whose content is not document text.
const QSet<QByteArray> &skippedDestinations()
{
    static const QSet<QByteArray> words{
        "info",       "header",     "headerl",      "headerr",   "headerf", "footer",  "footerl",  "footerr",
        "footerf",    "footnote",   "pn",           "pnseclvl",  "xe",      "tc",      "txe",      "rxe",
        "fldinst",    "template",   "ftnsep",       "ftnsepc",   "ftncn",   "aftnsep", "aftnsepc", "aftncn",
        "annotation", "nonshppict", "nonesttables", "datafield", "comment", "private", "revtbl"};
    return words;
}

// Destinations that may follow \* and are read.
const QSet<QByteArray> &starredKnown()
{
    static const QSet<QByteArray> words{"shppict",   "nesttableprops",    "cs",        "ts", "ds",
                                        "listtable", "listoverridetable", "background"};
    return words;
}

// \uN is a signed 16-bit number; writers also give it unsigned.
char16_t unicodeUnit(int value)
{
    if (value < -32768 || value > 65535)
        return QChar::ReplacementCharacter;
    return char16_t(value < 0 ? value + 65536 : value);
}

} // namespace

void RtfReader::fail(const QString &why)
{
    if (m_error.isEmpty())
        m_error = why;
}

bool RtfReader::readFile(QTextDocument &document, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize) {
        m_error = QStringLiteral("cannot read the file");
        return false;
    }
    const QByteArray bytes = file.readAll();
    return read(document, bytes);
}

bool RtfReader::read(QTextDocument &document, QByteArrayView rtf)
{
    *this = RtfReader();
    m_document = &document;
    m_tables = std::make_unique<RtfTableBuilder>(m_colors, m_body);

    // A byte-order mark or blank lines before the header are tolerated.
    qsizetype start = 0;
    if (rtf.startsWith("\xEF\xBB\xBF"))
        start = 3;
    while (start < rtf.size() && (rtf[start] == ' ' || rtf[start] == '\r' || rtf[start] == '\n' || rtf[start] == '\t'))
        ++start;
    if (!rtf.sliced(start).startsWith("{\\rtf")) {
        m_error = QStringLiteral("not an RTF file");
        return false;
    }
    RtfTokenizer tokenizer(rtf.sliced(start));
    m_tokenizer = &tokenizer;
    const bool closed = parse();
    if (!closed)
        fail(QStringLiteral("the file ends inside a group"));

    // What was read stays, whatever went wrong.
    endParagraph((m_stack.empty() ? m_final : state()).paragraph.level(), false);
    m_tables->finish();
    if (m_tables->truncated())
        fail(QStringLiteral("a table is too large"));
    apply();
    m_tokenizer = nullptr;
    return m_error.isEmpty();
}

bool RtfReader::parse()
{
    for (;;) {
        const RtfToken token = m_tokenizer->next();
        if (token.type == RtfToken::Type::End)
            return false;
        if (token.type == RtfToken::Type::GroupStart) {
            if (int(m_stack.size()) >= MaxDepth) {
                fail(QStringLiteral("groups nested too deep"));
                return true; // stop reading; the fault is recorded
            }
            groupStart();
            continue;
        }
        if (token.type == RtfToken::Type::GroupEnd) {
            groupEnd();
            if (m_stack.empty())
                return true; // the final brace: anything after it is ignored
            continue;
        }
        if (m_stack.empty())
            continue; // cannot happen after the header check; be safe
        if (token.type == RtfToken::Type::ControlWord && token.word == "bin") {
            binary(token.hasParameter ? token.parameter : 0);
            if (!m_error.isEmpty())
                return true;
            continue;
        }
        if (state().destination == Destination::Skip)
            continue;
        if (m_skip > 0) {
            // The fallback after \uN: each byte, \'hh or control counts one.
            if (token.type == RtfToken::Type::Text) {
                const qsizetype drop = std::min<qsizetype>(m_skip, token.text.size());
                m_skip -= int(drop);
                if (drop < token.text.size())
                    text(token.text.sliced(drop));
            } else {
                --m_skip;
            }
            continue;
        }
        switch (token.type) {
        case RtfToken::Type::ControlWord:
            controlWord(token);
            break;
        case RtfToken::Type::ControlSymbol: {
            const char c = token.symbol;
            if (c == '*') {
                m_star = true;
                continue; // the flag is for the next word
            }
            if (c == '\\' || c == '{' || c == '}')
                text(QByteArrayView(&token.symbol, 1));
            else if (state().destination != Destination::Normal)
                break;
            else if (c == '~')
                appendChars(QString(QChar(0x00A0)));
            else if (c == '_')
                appendChars(QString(QChar(0x2011)));
            else if (c == '\t')
                appendChars(QStringLiteral("\t"));
            // "\-" (optional hyphen), "\:" and the rest show nothing.
            break;
        }
        case RtfToken::Type::Text:
            text(token.text);
            break;
        case RtfToken::Type::HexByte:
            byte(token.byte);
            break;
        default:
            break;
        }
        m_star = false;
    }
}

void RtfReader::groupStart()
{
    m_skip = 0; // braces end a \uc fallback
    m_star = false;
    if (m_stack.empty()) {
        RtfGroupState root;
        m_stack.push_back(root);
        return;
    }
    RtfGroupState child = state();
    if (child.destination == Destination::StyleSheet) {
        child = RtfGroupState();
        child.destination = Destination::StyleEntry;
        child.character.font = m_defaultFont;
        child.styleKind = 's';
    }
    m_stack.push_back(child);
}

void RtfReader::groupEnd()
{
    m_skip = 0;
    m_star = false;
    if (m_stack.empty())
        return;
    const RtfGroupState closing = state();
    m_stack.pop_back();
    if (m_stack.empty())
        m_final = closing; // a last paragraph without \par keeps its format
    const Destination parent = m_stack.empty() ? Destination::Normal : state().destination;
    switch (closing.destination) {
    case Destination::FontTable:
        m_fonts.finishName({m_codePages, m_ansiCodePage});
        break;
    case Destination::StyleEntry:
        if (parent == Destination::StyleSheet && m_paragraphStyles.size() < MaxTableEntries) {
            if (closing.styleKind == 's')
                m_paragraphStyles[closing.styleNumber] = closing;
            else if (closing.styleKind == 'c')
                m_characterStyles[closing.styleNumber] = closing.character;
        }
        break;
    case Destination::BackgroundValue:
        if (parent == Destination::Background && m_shapeName.trimmed() == "fillColor") {
            // A shape colour is a number 0x00BBGGRR.
            bool ok = false;
            const qint64 value = m_shapeValue.trimmed().toLongLong(&ok);
            if (ok && value >= 0 && value <= 0xFFFFFF)
                m_background = QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
        }
        break;
    case Destination::Picture:
        if (parent != Destination::Picture && m_picture) {
            // The picture belongs to the text of the group around it.
            if (parent == Destination::Normal && !m_stack.empty())
                addPicture();
            m_picture.reset();
        }
        break;
    default:
        break;
    }
}

void RtfReader::binary(qint64 count)
{
    QByteArrayView data;
    if (!m_tokenizer->takeBinary(count, data)) {
        fail(QStringLiteral("\\bin longer than the file"));
        return;
    }
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    if (state().destination == Destination::Picture && m_picture)
        m_picture->addBinary(data);
}

void RtfReader::controlWord(const RtfToken &token)
{
    const QByteArray &word = token.word;
    const int parameter = token.hasParameter ? token.parameter : 0;
    RtfGroupState &s = state();

    const bool inBackground = s.destination == Destination::Background;
    if (m_star && !starredKnown().contains(word) && !(inBackground && word == "shpinst")) {
        s.destination = Destination::Skip;
        return;
    }
    if (destinationWord(word, parameter))
        return;

    switch (s.destination) {
    case Destination::FontTable:
        if (word == "u")
            m_fonts.unicode(unicodeUnit(parameter), {m_codePages, m_ansiCodePage});
        else if (word == "uc")
            s.unicodeSkip = std::clamp(parameter, 0, 64);
        else
            m_fonts.word(word, parameter, {m_codePages, m_ansiCodePage});
        if (word == "u")
            m_skip = s.unicodeSkip;
        return;
    case Destination::ColorTable:
        if (word == "red")
            m_red = std::clamp(parameter, 0, 255);
        else if (word == "green")
            m_green = std::clamp(parameter, 0, 255);
        else if (word == "blue")
            m_blue = std::clamp(parameter, 0, 255);
        return;
    case Destination::Picture:
        if (m_picture)
            m_picture->controlWord(word, token.hasParameter, parameter);
        return;
    case Destination::Object:
        if (word == "result")
            s.destination = Destination::Normal;
        return;
    case Destination::StyleEntry:
        if (word == "s" || word == "cs" || word == "ds" || word == "ts") {
            s.styleKind = word == "s" ? 's' : word == "cs" ? 'c' : 0;
            s.styleNumber = std::max(0, parameter);
        } else {
            s.apply(word, token.hasParameter, parameter, m_defaultFont);
        }
        return;
    case Destination::ListTable:
        // The level's text and numbers only repeat what \levelnfc says.
        if (word == "leveltext" || word == "levelnumbers" || word == "listname")
            s.destination = Destination::Skip;
        else
            m_listTable.listTableWord(word, parameter);
        return;
    case Destination::ListOverrideTable:
        m_listTable.overrideWord(word, parameter);
        return;
    case Destination::Background:
        if (word == "sn") {
            s.destination = Destination::BackgroundName;
            m_shapeName.clear();
        } else if (word == "sv") {
            s.destination = Destination::BackgroundValue;
            m_shapeValue.clear();
        }
        return;
    case Destination::BackgroundName:
    case Destination::BackgroundValue:
    case Destination::StyleSheet:
    case Destination::Skip:
        return;
    case Destination::Normal:
        break;
    }

    if (word == "uc") {
        s.unicodeSkip = std::clamp(parameter, 0, 64);
    } else if (word == "u") {
        unicode(parameter);
        m_skip = s.unicodeSkip;
    } else if (word == "s") {
        auto style = m_paragraphStyles.find(parameter);
        if (style != m_paragraphStyles.end()) {
            RtfParaState p = style->second.paragraph;
            p.inTable = s.paragraph.inTable;
            p.nesting = s.paragraph.nesting;
            s.paragraph = p;
            s.character = style->second.character;
        }
        s.paragraph.style = std::max(0, parameter);
    } else if (word == "cs") {
        auto style = m_characterStyles.find(parameter);
        if (style != m_characterStyles.end())
            s.character = style->second;
    } else if (s.apply(word, token.hasParameter, parameter, m_defaultFont)) {
        // character or paragraph formatting
    } else if (m_tables->definitionWord(word, token.hasParameter, parameter)) {
        // table definitions; \trowd itself is handled below
    } else {
        specialWord(word, token.hasParameter, parameter);
    }
}

bool RtfReader::destinationWord(const QByteArray &word, int parameter)
{
    RtfGroupState &s = state();
    if (word == "fonttbl") {
        s.destination = Destination::FontTable;
    } else if (word == "colortbl") {
        s.destination = Destination::ColorTable;
        m_colors.clear();
        m_red = m_green = m_blue = -1;
    } else if (word == "stylesheet") {
        s.destination = Destination::StyleSheet;
    } else if (word == "pict") {
        s.destination = Destination::Picture;
        m_picture = std::make_unique<RtfPicture>();
    } else if (word == "object") {
        s.destination = Destination::Object;
    } else if (word == "background") {
        s.destination = Destination::Background;
    } else if (word == "listtable") {
        s.destination = Destination::ListTable;
    } else if (word == "listoverridetable") {
        s.destination = Destination::ListOverrideTable;
    } else if (word == "listtext" && s.destination == Destination::Normal) {
        s.character.listText = true;
    } else if (skippedDestinations().contains(word)) {
        s.destination = Destination::Skip;
    } else if (word == "ansicpg") {
        if (parameter > 0 && parameter < 65536)
            m_ansiCodePage = parameter;
    } else if (word == "ansi") {
        m_ansiCodePage = 1252;
    } else if (word == "mac") {
        m_ansiCodePage = 10000;
    } else if (word == "pc") {
        m_ansiCodePage = 437;
    } else if (word == "pca") {
        m_ansiCodePage = 850;
    } else if (word == "deff") {
        m_defaultFont = parameter;
        if (s.character.font < 0)
            s.character.font = parameter;
    } else {
        return false;
    }
    return true;
}

void RtfReader::specialWord(const QByteArray &word, bool hasParameter, int parameter)
{
    Q_UNUSED(hasParameter);
    Q_UNUSED(parameter);
    const RtfParaState &p = state().paragraph;
    if (word == "par" || word == "sect" || word == "page") {
        int level = p.level();
        if (level == 0 && m_tables->rowOpen(1))
            level = 1; // a row whose paragraphs lack \intbl
        endParagraph(level, true);
    } else if (word == "cell") {
        endParagraph(1, true);
        m_tables->endCell(1);
    } else if (word == "nestcell") {
        const int level = std::max(2, p.level());
        endParagraph(level, true);
        m_tables->endCell(level);
    } else if (word == "row") {
        endParagraph(1, false);
        m_tables->endRow(1);
    } else if (word == "nestrow") {
        const int level = std::max(2, p.level());
        endParagraph(level, false);
        m_tables->endRow(level);
    } else if (word == "trowd") {
        m_tables->startRowDefinition(std::max(1, p.level()));
    } else if (word == "line") {
        appendChars(QString(QChar::LineSeparator));
    } else if (word == "tab") {
        appendChars(QStringLiteral("\t"));
    } else if (word == "emdash") {
        appendChars(QString(QChar(0x2014)));
    } else if (word == "endash") {
        appendChars(QString(QChar(0x2013)));
    } else if (word == "bullet") {
        appendChars(QString(QChar(0x2022)));
    } else if (word == "lquote") {
        appendChars(QString(QChar(0x2018)));
    } else if (word == "rquote") {
        appendChars(QString(QChar(0x2019)));
    } else if (word == "ldblquote") {
        appendChars(QString(QChar(0x201C)));
    } else if (word == "rdblquote") {
        appendChars(QString(QChar(0x201D)));
    } else if (word == "emspace") {
        appendChars(QString(QChar(0x2003)));
    } else if (word == "enspace") {
        appendChars(QString(QChar(0x2002)));
    } else if (word == "qmspace") {
        appendChars(QString(QChar(0x2005)));
    }
    // Everything else (\lang, \sectd, \widctlpar, ...) changes nothing we show.
}

void RtfReader::text(QByteArrayView bytes)
{
    switch (state().destination) {
    case Destination::Normal:
        appendBytes(bytes);
        break;
    case Destination::FontTable:
        m_fonts.text(bytes, {m_codePages, m_ansiCodePage});
        break;
    case Destination::ColorTable:
        for (const char c : bytes) {
            if (c != ';')
                continue;
            if (m_colors.size() < MaxTableEntries) {
                // An entry without values is "automatic".
                if (m_red < 0 && m_green < 0 && m_blue < 0)
                    m_colors.push_back(QColor());
                else
                    m_colors.push_back(QColor(std::max(m_red, 0), std::max(m_green, 0), std::max(m_blue, 0)));
            }
            m_red = m_green = m_blue = -1;
        }
        break;
    case Destination::Picture:
        if (m_picture)
            m_picture->addHex(bytes);
        break;
    case Destination::BackgroundName:
        if (m_shapeName.size() < 64)
            m_shapeName += bytes;
        break;
    case Destination::BackgroundValue:
        if (m_shapeValue.size() < 64)
            m_shapeValue += bytes;
        break;
    default:
        break;
    }
}

void RtfReader::byte(unsigned char value)
{
    if (state().destination == Destination::Picture)
        return; // picture data is hexadecimal text, not \'hh
    const char c = char(value);
    text(QByteArrayView(&c, 1));
}

void RtfReader::unicode(int value)
{
    const char16_t unit = unicodeUnit(value);
    if (QChar::isHighSurrogate(unit)) {
        loneSurrogate();
        m_highSurrogate = unit;
    } else if (QChar::isLowSurrogate(unit)) {
        if (m_highSurrogate) {
            const QChar pair[2] = {QChar(m_highSurrogate), QChar(unit)};
            m_highSurrogate = 0;
            appendChars(QString(pair, 2));
        } else {
            appendChars(QString(QChar(QChar::ReplacementCharacter)));
        }
    } else {
        appendChars(QString(QChar(unit)));
    }
}

void RtfReader::loneSurrogate()
{
    if (m_highSurrogate) {
        decodeBytes();
        m_text += QChar(QChar::ReplacementCharacter);
        m_highSurrogate = 0;
    }
}

int RtfReader::codePage(int font) const
{
    return m_fonts.codePage(font < 0 ? m_defaultFont : font, m_ansiCodePage);
}

void RtfReader::appendBytes(QByteArrayView bytes)
{
    const RtfCharState &s = state().character;
    if (s.hidden || bytes.isEmpty())
        return;
    loneSurrogate();
    const int page = codePage(s.font);
    if (!(s == m_textState) || page != m_bytesCodePage) {
        if (!(s == m_textState))
            flushText();
        else
            decodeBytes();
        m_textState = s;
        m_bytesCodePage = page;
    }
    m_bytes.append(bytes);
}

void RtfReader::appendChars(const QString &chars)
{
    const RtfCharState &s = state().character;
    if (s.hidden)
        return;
    if (!(s == m_textState)) {
        flushText();
        m_textState = s;
    }
    loneSurrogate();
    decodeBytes();
    m_text += chars;
}

void RtfReader::decodeBytes()
{
    if (!m_bytes.isEmpty()) {
        // The run's bytes together: a two-byte character is never split.
        m_text += m_codePages.decode(m_bytesCodePage, m_bytes);
        m_bytes.clear();
    }
}

void RtfReader::flushText()
{
    loneSurrogate();
    decodeBytes();
    if (m_text.isEmpty())
        return;
    QString clean;
    clean.reserve(m_text.size());
    for (const QChar c : std::as_const(m_text)) {
        const char16_t u = c.unicode();
        if (u == u'\t' || u >= 0x20) {
            if (u != 0x7F && u != QChar::ObjectReplacementCharacter && u != QChar::ParagraphSeparator)
                clean += c;
        }
    }
    m_text.clear();
    if (clean.isEmpty())
        return;
    if (!m_runs.empty() && m_runs.back().image.isEmpty() && m_runs.back().state == m_textState)
        m_runs.back().text += clean;
    else
        m_runs.push_back({m_textState, clean, QString(), QSize()});
}

void RtfReader::addPicture()
{
    QImage image;
    QSize size;
    if (!m_picture->finish(image, size))
        fail(QStringLiteral("a picture does not decode"));
    const RtfCharState &s = state().character;
    if (s.hidden)
        return;
    flushText();
    // A name no resource of the document has yet.
    QString name;
    do {
        name = QStringLiteral("rtf-picture:%1").arg(++m_imageCount);
    } while (m_document->resource(QTextDocument::ImageResource, QUrl(name)).isValid());
    m_images.push_back({name, image});
    m_runs.push_back({s, QString(), name, size});
}

void RtfReader::endParagraph(int level, bool always)
{
    flushText();
    if (!always && m_runs.empty())
        return;
    DocNode node;
    const RtfGroupState &s = m_stack.empty() ? m_final : state();
    node.blockFormat = blockFormat(s.paragraph);
    node.blockCharFormat = charFormat(s.character);
    if (s.paragraph.list > 0)
        node.list = m_listTable.listFor(s.paragraph.list, s.paragraph.listLevel, m_lists);
    if (node.list >= 0) {
        // Qt draws the marker and indents the item itself.
        node.blockFormat.clearProperty(QTextFormat::BlockLeftMargin);
        node.blockFormat.clearProperty(QTextFormat::TextIndent);
    }
    for (const PendingRun &run : m_runs) {
        if (run.state.listText && node.list >= 0)
            continue; // the marker written for readers without lists
        if (run.image.isEmpty()) {
            node.runs.push_back({run.text, charFormat(run.state)});
        } else {
            QTextImageFormat picture;
            picture.merge(charFormat(run.state));
            picture.setName(run.image);
            picture.setWidth(run.imageSize.width());
            picture.setHeight(run.imageSize.height());
            node.runs.push_back({QString(QChar::ObjectReplacementCharacter), picture});
        }
    }
    m_runs.clear();
    m_tables->container(level).push_back(std::move(node));
}

QTextCharFormat RtfReader::charFormat(const RtfCharState &s) const
{
    QTextCharFormat format;
    if (const QString family = m_fonts.family(s.font < 0 ? m_defaultFont : s.font); !family.isEmpty())
        format.setFontFamilies({family});
    format.setFontPointSize(s.halfPoints / 2.0);
    if (s.bold)
        format.setFontWeight(QFont::Bold);
    if (s.italic)
        format.setFontItalic(true);
    if (s.strike)
        format.setFontStrikeOut(true);
    if (s.caps)
        format.setFontCapitalization(QFont::AllUppercase);
    switch (s.underline) {
    case RtfCharState::Single:
        format.setUnderlineStyle(QTextCharFormat::SingleUnderline);
        break;
    case RtfCharState::Dotted:
        format.setUnderlineStyle(QTextCharFormat::DotLine);
        break;
    case RtfCharState::Dashed:
        format.setUnderlineStyle(QTextCharFormat::DashUnderline);
        break;
    case RtfCharState::Wave:
        format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        break;
    case RtfCharState::NoUnderline:
        break;
    }
    if (s.vertical == RtfCharState::Super)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (s.vertical == RtfCharState::Sub)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    // Index 0 is "automatic": the document's own colour.
    if (s.color > 0 && s.color < int(m_colors.size()) && m_colors[size_t(s.color)].isValid())
        format.setForeground(m_colors[size_t(s.color)]);
    if (s.background > 0 && s.background < int(m_colors.size()) && m_colors[size_t(s.background)].isValid())
        format.setBackground(m_colors[size_t(s.background)]);
    return format;
}

QTextBlockFormat RtfReader::blockFormat(const RtfParaState &p) const
{
    QTextBlockFormat format;
    switch (p.align) {
    case RtfParaState::Left:
        format.setAlignment(Qt::AlignLeft);
        break;
    case RtfParaState::Centre:
        format.setAlignment(Qt::AlignHCenter);
        break;
    case RtfParaState::Right:
        format.setAlignment(Qt::AlignRight);
        break;
    case RtfParaState::Justify:
        format.setAlignment(Qt::AlignJustify);
        break;
    }
    // Twips to pixels at 96 dots per inch.
    if (p.left)
        format.setLeftMargin(p.left / 15.0);
    if (p.right)
        format.setRightMargin(p.right / 15.0);
    if (p.firstLine)
        format.setTextIndent(p.firstLine / 15.0);
    if (p.before)
        format.setTopMargin(p.before / 15.0);
    if (p.after)
        format.setBottomMargin(p.after / 15.0);
    if (p.lineSpacing != 0) {
        if (p.lineMultiple) {
            const double percent = std::abs(p.lineSpacing) * 100.0 / 240.0;
            if (std::abs(percent - 100.0) > 0.01)
                format.setLineHeight(percent, QTextBlockFormat::ProportionalHeight);
        } else if (p.lineSpacing > 0) {
            format.setLineHeight(p.lineSpacing / 15.0, QTextBlockFormat::MinimumHeight);
        } else {
            format.setLineHeight(-p.lineSpacing / 15.0, QTextBlockFormat::FixedHeight);
        }
    }
    if (!p.tabs.empty()) {
        QList<QTextOption::Tab> tabs;
        for (const RtfParaState::Tab &tab : p.tabs) {
            static const QTextOption::TabType types[] = {QTextOption::LeftTab, QTextOption::CenterTab,
                                                         QTextOption::RightTab, QTextOption::DelimiterTab};
            tabs.append(QTextOption::Tab(tab.position / 15.0, types[tab.kind],
                                         tab.kind == RtfParaState::DecimalTab ? QChar(u'.') : QChar()));
        }
        format.setTabPositions(tabs);
    }
    if (p.shading > 0 && p.shading < int(m_colors.size()) && m_colors[size_t(p.shading)].isValid())
        format.setBackground(m_colors[size_t(p.shading)]);
    return format;
}

void RtfReader::apply()
{
    if (m_background.isValid()) {
        QTextFrameFormat root = m_document->rootFrame()->frameFormat();
        root.setBackground(m_background);
        m_document->rootFrame()->setFrameFormat(root);
    }
    if (m_body.empty())
        return;
    for (const auto &[name, image] : m_images)
        m_document->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextCursor cursor(m_document);
    cursor.movePosition(QTextCursor::End);
    // The import adds to what the document holds.
    if (!m_document->isEmpty())
        cursor.insertBlock();
    DocTree tree;
    tree.body = std::move(m_body);
    tree.lists = m_lists;
    buildTree(cursor, tree);
    m_body.clear();
}

} // namespace lumetra
