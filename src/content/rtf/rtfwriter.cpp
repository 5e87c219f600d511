#include "content/rtf/rtfwriter.h"

#include "content/document/documenttree.h"
#include "model/gbk.h"
#include "model/savefile.h"

#include <QBuffer>
#include <QImage>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QUrl>

#include <cmath>
#include <map>

namespace lumetra {

namespace {

int twips(double pixels)
{
    return int(std::lround(pixels * 15.0));
}

bool isChineseFace(const QString &name)
{
    for (const QChar c : name) {
        if (c.unicode() >= 0x80)
            return true;
    }
    static const char *const known[] = {"sim",   "song", "hei",       "kai",      "fang",     "ming",
                                        "yahei", "cjk",  "wenquanyi", "han sans", "han serif"};
    const QString lower = name.toLower();
    for (const char *k : known) {
        if (lower.contains(QLatin1String(k)))
            return true;
    }
    return false;
}

void appendHexByte(QByteArray &out, unsigned char b)
{
    static const char digits[] = "0123456789abcdef";
    out += "\\'";
    out += digits[b >> 4];
    out += digits[b & 15];
}

struct CharState
{
    int font = 0;
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool caps = false;
    int underline = 0; // 0 none, 1 single, 2 dotted, 3 dashed, 4 wave
    int vertical = 0;  // 0, 1 super, 2 sub
    int color = 0;
    int background = 0;
};

class Writer
{
public:
    explicit Writer(const QTextDocument &document) : m_document(document)
    {
        const QFont font = document.defaultFont();
        m_defaultFamily = font.family();
        m_defaultHalfPoints = halfPoints(font.pointSizeF(), font.pixelSize());
        fontIndex(m_defaultFamily); // \deff0
        const double width = document.textWidth();
        m_referenceWidth = width > 0 ? width : 480;
    }

    QByteArray run()
    {
        const DocTree tree = extractTree(m_document);
        m_lists = tree.lists;
        const QBrush background = tree.rootFormat.background();
        m_body += "\\pard\\plain\\f0\\fs" + QByteArray::number(m_state.halfPoints) + ' ';
        m_state.font = 0;
        nodes(tree.body, 0);

        QByteArray out = "{\\rtf1\\ansi\\ansicpg936\\uc1\\deff0{\\fonttbl";
        for (int i = 0; i < int(m_fonts.size()); ++i) {
            const QString &name = m_fonts[size_t(i)];
            out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset" + (isChineseFace(name) ? "134" : "0") + ' ';
            // The name in its own character set: GBK bytes, always as \'hh.
            for (const char c : toGbk(name)) {
                const unsigned char b = static_cast<unsigned char>(c);
                if (b >= 0x80 || c == '\\' || c == '{' || c == '}' || c == ';')
                    appendHexByte(out, b);
                else
                    out += c;
            }
            out += ";}";
        }
        out += "}{\\colortbl;";
        for (const QColor &c : m_colors)
            out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) + "\\blue" +
                   QByteArray::number(c.blue()) + ';';
        out += "}\n";
        out += listTables();
        if (tree.rootFormat.hasProperty(QTextFormat::BackgroundBrush) && background.style() != Qt::NoBrush) {
            // The document's colour as a background shape's fill, 0x00BBGGRR.
            const QColor c = background.color();
            out += "{\\*\\background{\\shp{\\*\\shpinst{\\sp{\\sn fillColor}{\\sv " +
                   QByteArray::number(c.red() | c.green() << 8 | c.blue() << 16) + "}}}}}\\viewbksp1\n";
        }
        out += "{\\*\\generator Lumetra;}\\viewkind4\\uc1\n";
        out += m_body;
        out += "}\n";
        return out;
    }

private:
    const QTextDocument &m_document;
    QString m_defaultFamily;
    int m_defaultHalfPoints = 24;
    double m_referenceWidth = 480;
    std::vector<QString> m_fonts;
    std::vector<QColor> m_colors;
    std::vector<QTextListFormat> m_lists;
    std::map<int, int> m_listCounters;
    QByteArray m_body;
    CharState m_state;
    int m_unicodeSkip = 1;

    static int halfPoints(double points, int pixels)
    {
        if (points <= 0 && pixels > 0)
            points = pixels * 72.0 / 96.0;
        if (points <= 0)
            points = 12;
        return std::clamp(int(std::lround(points * 2)), 2, 2000);
    }

    int fontIndex(const QString &family)
    {
        for (size_t i = 0; i < m_fonts.size(); ++i) {
            if (m_fonts[i] == family)
                return int(i);
        }
        m_fonts.push_back(family);
        return int(m_fonts.size()) - 1;
    }

    int colorIndex(const QColor &color)
    {
        const QRgb rgb = color.rgb();
        for (size_t i = 0; i < m_colors.size(); ++i) {
            if (m_colors[i].rgb() == rgb)
                return int(i) + 1;
        }
        m_colors.push_back(QColor::fromRgb(rgb));
        return int(m_colors.size());
    }

    CharState stateOf(const QTextCharFormat &f)
    {
        CharState s;
        const QStringList families = f.fontFamilies().toStringList();
        s.font = fontIndex(!families.isEmpty() && !families.first().isEmpty() ? families.first()
                           : f.hasProperty(QTextFormat::FontFamily) ? f.stringProperty(QTextFormat::FontFamily)
                                                                    : m_defaultFamily);
        if (f.hasProperty(QTextFormat::FontPointSize) || f.hasProperty(QTextFormat::FontPixelSize))
            s.halfPoints = halfPoints(f.fontPointSize(), f.intProperty(QTextFormat::FontPixelSize));
        else
            s.halfPoints = m_defaultHalfPoints;
        s.bold = f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() >= QFont::DemiBold
                                                        : m_document.defaultFont().weight() >= QFont::DemiBold;
        s.italic = f.fontItalic();
        s.strike = f.fontStrikeOut();
        s.caps = f.fontCapitalization() == QFont::AllUppercase;
        switch (f.underlineStyle()) {
        case QTextCharFormat::NoUnderline:
            s.underline = 0;
            break;
        case QTextCharFormat::DotLine:
            s.underline = 2;
            break;
        case QTextCharFormat::DashUnderline:
        case QTextCharFormat::DashDotLine:
        case QTextCharFormat::DashDotDotLine:
            s.underline = 3;
            break;
        case QTextCharFormat::WaveUnderline:
            s.underline = 4;
            break;
        default:
            s.underline = 1;
            break;
        }
        if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
            s.vertical = 1;
        else if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
            s.vertical = 2;
        if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
            s.color = colorIndex(f.foreground().color());
        if (f.hasProperty(QTextFormat::BackgroundBrush) && f.background().style() != Qt::NoBrush)
            s.background = colorIndex(f.background().color());
        return s;
    }

    // Only what changed.
    void switchTo(const CharState &s)
    {
        QByteArray words;
        auto toggle = [&](bool now, bool before, const char *word) {
            if (now != before)
                words += QByteArray("\\") + word + (now ? "" : "0");
        };
        if (s.font != m_state.font)
            words += "\\f" + QByteArray::number(s.font);
        if (s.halfPoints != m_state.halfPoints)
            words += "\\fs" + QByteArray::number(s.halfPoints);
        toggle(s.bold, m_state.bold, "b");
        toggle(s.italic, m_state.italic, "i");
        toggle(s.strike, m_state.strike, "strike");
        toggle(s.caps, m_state.caps, "caps");
        if (s.underline != m_state.underline) {
            static const char *const underline[] = {"\\ulnone", "\\ul", "\\uld", "\\uldash", "\\ulwave"};
            words += underline[s.underline];
        }
        if (s.vertical != m_state.vertical)
            words += s.vertical == 1 ? "\\super" : s.vertical == 2 ? "\\sub" : "\\nosupersub";
        if (s.color != m_state.color)
            words += "\\cf" + QByteArray::number(s.color);
        if (s.background != m_state.background)
            words += "\\chcbpat" + QByteArray::number(s.background) + "\\cb" + QByteArray::number(s.background);
        if (!words.isEmpty())
            m_body += words + ' ';
        m_state = s;
    }

    void unicodeChar(int code, const QByteArray &fallback)
    {
        if (fallback.size() != m_unicodeSkip) {
            m_unicodeSkip = int(fallback.size());
            m_body += "\\uc" + QByteArray::number(m_unicodeSkip);
        }
        m_body += "\\u" + QByteArray::number(code > 32767 ? code - 65536 : code);
        if (fallback.isEmpty())
            m_body += ' ';
        for (const char c : fallback)
            appendHexByte(m_body, static_cast<unsigned char>(c));
    }

    void text(const QString &text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t u = text[i].unicode();
            if (u == '\\' || u == '{' || u == '}') {
                m_body += '\\';
                m_body += char(u);
            } else if (u == '\t') {
                m_body += "\\tab ";
            } else if (u == QChar::LineSeparator) {
                m_body += "\\line ";
            } else if (u == 0x00A0) {
                m_body += "\\~";
            } else if (u == 0x00AD) {
                m_body += "\\-";
            } else if (u < 0x20 || u == QChar::ObjectReplacementCharacter) {
                continue;
            } else if (u < 0x80) {
                m_body += char(u);
            } else if (QChar::isHighSurrogate(u) && i + 1 < text.size() &&
                       QChar::isLowSurrogate(text[i + 1].unicode())) {
                // Outside GBK: the pair as two \u, one "?" for both.
                unicodeChar(u, QByteArray());
                unicodeChar(text[i + 1].unicode(), "?");
                ++i;
            } else {
                const QChar c(u);
                QByteArray gbk = toGbk(QStringView(&c, 1));
                if (gbk.isEmpty())
                    gbk = "?";
                unicodeChar(u, gbk);
            }
        }
    }

    void picture(const QTextImageFormat &format)
    {
        const QVariant resource = m_document.resource(QTextDocument::ImageResource, QUrl(format.name()));
        QByteArray bytes;
        QImage image;
        bool jpeg = false;
        if (resource.typeId() == QMetaType::QByteArray) {
            bytes = resource.toByteArray();
            image.loadFromData(bytes);
            jpeg = bytes.startsWith("\xFF\xD8");
            if (!bytes.startsWith("\x89PNG") && !jpeg)
                bytes.clear();
        } else {
            image = qvariant_cast<QImage>(resource);
        }
        if (image.isNull())
            return;
        if (bytes.isEmpty()) {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "PNG");
        }
        const double width = format.width() > 0 ? format.width() : image.width();
        const double height = format.height() > 0 ? format.height() : image.height();
        m_body += "{\\*\\shppict{\\pict" + QByteArray(jpeg ? "\\jpegblip" : "\\pngblip") + "\\picw" +
                  QByteArray::number(image.width()) + "\\pich" + QByteArray::number(image.height()) + "\\picwgoal" +
                  QByteArray::number(twips(width)) + "\\pichgoal" + QByteArray::number(twips(height)) + "\n";
        const QByteArray hex = bytes.toHex();
        for (qsizetype i = 0; i < hex.size(); i += 128)
            m_body += hex.mid(i, 128) + '\n';
        m_body += "}}";
    }

    static int numberFormat(QTextListFormat::Style style)
    {
        switch (style) {
        case QTextListFormat::ListDecimal:
            return 0;
        case QTextListFormat::ListUpperRoman:
            return 1;
        case QTextListFormat::ListLowerRoman:
            return 2;
        case QTextListFormat::ListUpperAlpha:
            return 3;
        case QTextListFormat::ListLowerAlpha:
            return 4;
        default:
            return 23; // bullet
        }
    }

    static int listLevel(const QTextListFormat &format) { return std::clamp(format.indent(), 1, 9) - 1; }

    // One RTF list per Qt list, with levels down to the list's own indent.
    QByteArray listTables() const
    {
        if (m_lists.empty())
            return {};
        QByteArray out = "{\\*\\listtable";
        for (size_t i = 0; i < m_lists.size(); ++i) {
            const int nfc = numberFormat(m_lists[i].style());
            out += "{\\list\\listtemplateid" + QByteArray::number(int(i) + 1);
            for (int level = 0; level <= listLevel(m_lists[i]); ++level) {
                out += "{\\listlevel\\levelnfc" + QByteArray::number(nfc) + "\\levelnfcn" + QByteArray::number(nfc) +
                       "\\leveljc0\\levelfollow0\\levelstartat1";
                if (nfc == 23)
                    out += "{\\leveltext\\'01\\u8226 ?;}{\\levelnumbers;}";
                else
                    out += "{\\leveltext\\'02\\'0" + QByteArray::number(level) + ".;}{\\levelnumbers\\'01;}";
                out += "\\fi-360\\li" + QByteArray::number(720 * (level + 1)) + "}";
            }
            out += "{\\listname ;}\\listid" + QByteArray::number(int(i) + 1) + "}";
        }
        out += "}{\\*\\listoverridetable";
        for (size_t i = 0; i < m_lists.size(); ++i)
            out += "{\\listoverride\\listid" + QByteArray::number(int(i) + 1) + "\\listoverridecount0\\ls" +
                   QByteArray::number(int(i) + 1) + "}";
        return out + "}\n";
    }

    QByteArray paragraphWords(const QTextBlockFormat &f, int level, double listIndent = 0)
    {
        QByteArray w = "\\pard";
        if (level > 0) {
            w += "\\intbl";
            if (level > 1)
                w += "\\itap" + QByteArray::number(level);
        }
        const Qt::Alignment a = f.alignment() & Qt::AlignHorizontal_Mask;
        if (a & Qt::AlignHCenter)
            w += "\\qc";
        else if (a & Qt::AlignRight)
            w += "\\qr";
        else if (a & Qt::AlignJustify)
            w += "\\qj";
        auto length = [&](const char *word, double px) {
            if (px != 0)
                w += QByteArray("\\") + word + QByteArray::number(twips(px));
        };
        length("li", f.leftMargin() + f.indent() * m_document.indentWidth() + listIndent);
        length("ri", f.rightMargin());
        length("fi", f.textIndent());
        length("sb", f.topMargin());
        length("sa", f.bottomMargin());
        switch (f.lineHeightType()) {
        case QTextBlockFormat::ProportionalHeight:
            w += "\\sl" + QByteArray::number(int(std::lround(f.lineHeight() * 2.4))) + "\\slmult1";
            break;
        case QTextBlockFormat::FixedHeight:
            w += "\\sl-" + QByteArray::number(twips(f.lineHeight())) + "\\slmult0";
            break;
        case QTextBlockFormat::MinimumHeight:
            w += "\\sl" + QByteArray::number(twips(f.lineHeight())) + "\\slmult0";
            break;
        default:
            break;
        }
        for (const QTextOption::Tab &tab : f.tabPositions()) {
            if (tab.type == QTextOption::CenterTab)
                w += "\\tqc";
            else if (tab.type == QTextOption::RightTab)
                w += "\\tqr";
            else if (tab.type == QTextOption::DelimiterTab)
                w += "\\tqdec";
            w += "\\tx" + QByteArray::number(twips(tab.position));
        }
        if (f.hasProperty(QTextFormat::BackgroundBrush) && f.background().style() != Qt::NoBrush)
            w += "\\cbpat" + QByteArray::number(colorIndex(f.background().color()));
        return w + ' ';
    }

    // The paragraph's own words and text, without its ending.
    void paragraph(const DocNode &node, int level)
    {
        const bool listed = node.list >= 0 && node.list < int(m_lists.size());
        if (!listed) {
            m_body += paragraphWords(node.blockFormat, level);
        } else {
            // The marker as text for readers without lists, then the item
            // with its list, level and indent. Inside the group the tracked
            // state does not change: \bullet and digits need no \uc.
            const QTextListFormat &list = m_lists[size_t(node.list)];
            const int number = ++m_listCounters[node.list];
            m_body += numberFormat(list.style()) == 23 ? QByteArray("{\\listtext\\bullet\\tab}")
                                                       : "{\\listtext " + QByteArray::number(number) + ".\\tab}";
            QByteArray words = paragraphWords(node.blockFormat, level, list.indent() * m_document.indentWidth());
            words.chop(1);
            m_body += words + "\\fi-360\\ls" + QByteArray::number(node.list + 1) + "\\ilvl" +
                      QByteArray::number(listLevel(list)) + ' ';
        }
        for (const DocRun &run : node.runs) {
            switchTo(stateOf(run.format));
            if (run.format.isImageFormat())
                picture(run.format.toImageFormat());
            else
                text(run.text);
        }
        // An empty paragraph is as high as its own character format.
        if (node.runs.empty())
            switchTo(stateOf(node.blockCharFormat));
    }

    void nodes(const std::vector<DocNode> &nodes, int level)
    {
        for (const DocNode &node : nodes) {
            if (node.kind == DocNode::Kind::Table && node.table) {
                table(*node.table, level + 1);
                continue;
            }
            paragraph(node, level);
            m_body += "\\par\n";
        }
    }

    std::vector<int> columnWidths(const DocTable &table) const
    {
        const QList<QTextLength> constraints = table.format.columnWidthConstraints();
        std::vector<double> widths(size_t(table.columns), -1);
        double fixed = 0;
        int variable = 0;
        for (int c = 0; c < table.columns; ++c) {
            const QTextLength l = c < constraints.size() ? constraints[c] : QTextLength();
            if (l.type() == QTextLength::FixedLength)
                widths[size_t(c)] = l.rawValue();
            else if (l.type() == QTextLength::PercentageLength)
                widths[size_t(c)] = l.rawValue() * m_referenceWidth / 100.0;
            else
                ++variable;
            if (widths[size_t(c)] >= 0)
                fixed += widths[size_t(c)];
        }
        const double share = variable ? std::max(16.0, (m_referenceWidth - fixed) / variable) : 0;
        std::vector<int> out;
        for (double w : widths)
            out.push_back(std::max(15, twips(w >= 0 ? w : share)));
        return out;
    }

    QByteArray border(const char *side, double width, const QBrush &brush, int style)
    {
        if (width <= 0 || style == QTextFrameFormat::BorderStyle_None)
            return {};
        QByteArray w = QByteArray("\\clbrdr") + side;
        switch (style) {
        case QTextFrameFormat::BorderStyle_Dotted:
            w += "\\brdrdot";
            break;
        case QTextFrameFormat::BorderStyle_Dashed:
            w += "\\brdrdash";
            break;
        case QTextFrameFormat::BorderStyle_Double:
            w += "\\brdrdb";
            break;
        default:
            w += "\\brdrs";
            break;
        }
        w += "\\brdrw" + QByteArray::number(twips(width));
        if (brush.style() != Qt::NoBrush)
            w += "\\brdrcf" + QByteArray::number(colorIndex(brush.color()));
        return w;
    }

    QByteArray cellDefinition(const DocTable &table, const DocCell *cell, bool continued, int right)
    {
        QByteArray w;
        if (cell) {
            const QTextTableCellFormat &f = cell->format;
            // Per-cell borders where the cell has them, else the table's.
            const double tableBorder = table.format.border();
            const QBrush tableBrush = table.format.borderBrush();
            const int tableStyle = table.format.borderStyle();
            auto side = [&](const char *name, QTextFormat::Property widthProperty, QTextFormat::Property brushProperty,
                            QTextFormat::Property styleProperty) {
                const bool own = f.hasProperty(widthProperty);
                const double width = own ? f.doubleProperty(widthProperty) : tableBorder;
                const QBrush brush = own ? f.brushProperty(brushProperty) : tableBrush;
                const int style = own && f.hasProperty(styleProperty) ? f.intProperty(styleProperty)
                                  : own                               ? QTextFrameFormat::BorderStyle_Solid
                                                                      : tableStyle;
                w += border(name, width, brush, style);
            };
            side("t", QTextFormat::TableCellTopBorder, QTextFormat::TableCellTopBorderBrush,
                 QTextFormat::TableCellTopBorderStyle);
            side("l", QTextFormat::TableCellLeftBorder, QTextFormat::TableCellLeftBorderBrush,
                 QTextFormat::TableCellLeftBorderStyle);
            side("b", QTextFormat::TableCellBottomBorder, QTextFormat::TableCellBottomBorderBrush,
                 QTextFormat::TableCellBottomBorderStyle);
            side("r", QTextFormat::TableCellRightBorder, QTextFormat::TableCellRightBorderBrush,
                 QTextFormat::TableCellRightBorderStyle);
            if (f.hasProperty(QTextFormat::BackgroundBrush) && f.background().style() != Qt::NoBrush)
                w += "\\clcbpat" + QByteArray::number(colorIndex(f.background().color()));
            if (f.verticalAlignment() == QTextCharFormat::AlignMiddle)
                w += "\\clvertalc";
            else if (f.verticalAlignment() == QTextCharFormat::AlignBottom)
                w += "\\clvertalb";
            if (continued)
                w += "\\clvmrg";
            else if (cell->rowSpan > 1)
                w += "\\clvmgf";
        }
        return w + "\\cellx" + QByteArray::number(right);
    }

    struct RowCell
    {
        const DocCell *cell = nullptr; // null: a grid place no cell covers
        bool continued = false;        // a place covered from the row above
        int right = 0;
    };

    void table(const DocTable &table, int level)
    {
        const std::vector<int> widths = columnWidths(table);
        // Which cell starts or covers each place of the grid.
        std::vector<const DocCell *> grid(size_t(table.rows) * size_t(table.columns), nullptr);
        for (const DocCell &cell : table.cells) {
            for (int r = cell.row; r < std::min(table.rows, cell.row + cell.rowSpan); ++r)
                for (int c = cell.column; c < std::min(table.columns, cell.column + cell.columnSpan); ++c)
                    grid[size_t(r) * size_t(table.columns) + size_t(c)] = &cell;
        }
        const int padding = twips(table.format.cellPadding());
        for (int r = 0; r < table.rows; ++r) {
            std::vector<RowCell> row;
            int right = 0;
            for (int c = 0; c < table.columns;) {
                const DocCell *cell = grid[size_t(r) * size_t(table.columns) + size_t(c)];
                const int span = cell ? cell->column + cell->columnSpan - c : 1;
                for (int k = 0; k < span; ++k)
                    right += widths[size_t(c + k)];
                row.push_back({cell, cell && cell->row != r, right});
                c += std::max(1, span);
            }
            QByteArray definition = "\\trowd\\trgaph" + QByteArray::number(padding) + "\\trleft0\\trpaddl" +
                                    QByteArray::number(padding) + "\\trpaddr" + QByteArray::number(padding) +
                                    "\\trpaddfl3\\trpaddfr3";
            if (table.format.alignment() & Qt::AlignHCenter)
                definition += "\\trqc";
            else if (table.format.alignment() & Qt::AlignRight)
                definition += "\\trqr";
            for (const RowCell &rc : row)
                definition += cellDefinition(table, rc.cell, rc.continued, rc.right) + '\n';

            // A top-level row is defined before its cells; a nested row
            // after them, in \*\nesttableprops.
            if (level == 1)
                m_body += "\\pard" + definition;
            for (const RowCell &rc : row) {
                const std::vector<DocNode> none;
                const std::vector<DocNode> &content = rc.cell && !rc.continued ? rc.cell->content : none;
                cell(content, level);
            }
            if (level == 1)
                m_body += "\\row\n";
            else
                m_body += "{\\*\\nesttableprops" + definition + "\\nestrow}{\\nonesttables\\par}\n";
        }
    }

    void cell(const std::vector<DocNode> &content, int level)
    {
        const QByteArray end = level == 1 ? "\\cell\n" : "\\nestcell\n";
        if (content.empty()) {
            m_body += paragraphWords(QTextBlockFormat(), level) + end;
            return;
        }
        for (size_t i = 0; i < content.size(); ++i) {
            const DocNode &node = content[i];
            if (node.kind == DocNode::Kind::Table && node.table) {
                table(*node.table, level + 1);
                if (i + 1 == content.size())
                    m_body += paragraphWords(QTextBlockFormat(), level) + end;
                continue;
            }
            paragraph(node, level);
            m_body += i + 1 == content.size() ? end : QByteArray("\\par\n");
        }
    }
};

} // namespace

QByteArray RtfWriter::write(const QTextDocument &document)
{
    return Writer(document).run();
}

void RtfWriter::save(const QTextDocument &document, const QString &path)
{
    writeFileAtomically(path, write(document));
}

} // namespace lumetra
