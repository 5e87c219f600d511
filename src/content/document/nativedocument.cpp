#include "content/document/nativedocument.h"

#include "content/document/documenttree.h"
#include "content/document/formatcodec.h"
#include "model/error.h"
#include "model/savefile.h"

#include <QBuffer>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QUrl>

namespace lumetra {

namespace {

const QByteArray Magic = "LUMETRA-DOC ";
const QString ReadError = QStringLiteral("文件读错误。");

// Limits against hostile files; far beyond anything the editor makes.
constexpr int MaxDepth = 32;
constexpr int MaxTableCells = 200000;
constexpr qint64 MaxFileSize = 512LL * 1024 * 1024;

class Writer
{
public:
    QJsonArray formats;

    int format(const QTextFormat &format)
    {
        const QJsonObject json = encodeFormat(format);
        const QByteArray key = QJsonDocument(json).toJson(QJsonDocument::Compact);
        auto found = m_index.find(key);
        if (found != m_index.end())
            return found.value();
        const int index = int(formats.size());
        formats.append(json);
        m_index.insert(key, index);
        return index;
    }

    QJsonArray nodes(const std::vector<DocNode> &nodes)
    {
        QJsonArray out;
        for (const DocNode &node : nodes) {
            if (node.kind == DocNode::Kind::Table && node.table) {
                out.append(QJsonObject{{"table", table(*node.table)}});
                continue;
            }
            QJsonArray runs;
            for (const DocRun &run : node.runs)
                runs.append(QJsonArray{run.text, format(run.format)});
            out.append(QJsonObject{
                {"p", QJsonArray{format(node.blockFormat), format(node.blockCharFormat), node.list, runs}}});
        }
        return out;
    }

private:
    QHash<QByteArray, int> m_index;

    QJsonObject table(const DocTable &table)
    {
        QJsonArray cells;
        for (const DocCell &cell : table.cells) {
            cells.append(QJsonObject{{"r", cell.row},
                                     {"c", cell.column},
                                     {"rs", cell.rowSpan},
                                     {"cs", cell.columnSpan},
                                     {"f", format(cell.format)},
                                     {"content", nodes(cell.content)}});
        }
        return QJsonObject{
            {"rows", table.rows}, {"cols", table.columns}, {"f", format(table.format)}, {"cells", cells}};
    }
};

class Reader
{
public:
    std::vector<QTextFormat> formats;
    int listCount = 0;

    bool format(const QJsonValue &value, QTextFormat &out) const
    {
        if (!value.isDouble())
            return false;
        const int index = value.toInt(-1);
        if (index < 0 || index >= int(formats.size()))
            return false;
        out = formats[size_t(index)];
        return true;
    }

    bool nodes(const QJsonValue &value, std::vector<DocNode> &out, int depth)
    {
        if (!value.isArray() || depth > MaxDepth)
            return false;
        for (const QJsonValue &item : value.toArray()) {
            const QJsonObject object = item.toObject();
            DocNode node;
            if (object.contains("table")) {
                node.kind = DocNode::Kind::Table;
                node.table = std::make_shared<DocTable>();
                if (!table(object.value("table").toObject(), *node.table, depth))
                    return false;
            } else if (!paragraph(object.value("p").toArray(), node)) {
                return false;
            }
            out.push_back(std::move(node));
        }
        return true;
    }

private:
    bool paragraph(const QJsonArray &a, DocNode &node)
    {
        QTextFormat block;
        QTextFormat blockChar;
        if (a.size() != 4 || !format(a[0], block) || !format(a[1], blockChar) || !a[3].isArray())
            return false;
        if (!block.isBlockFormat() || !blockChar.isCharFormat())
            return false;
        node.blockFormat = block.toBlockFormat();
        node.blockCharFormat = blockChar.toCharFormat();
        node.list = a[2].toInt(-1);
        if (node.list >= listCount)
            return false;
        for (const QJsonValue &runValue : a[3].toArray()) {
            const QJsonArray run = runValue.toArray();
            QTextFormat charFormat;
            if (run.size() != 2 || !run[0].isString() || !format(run[1], charFormat) || !charFormat.isCharFormat())
                return false;
            QString text = run[0].toString();
            // Paragraph breaks inside a run would split the block on insertion.
            for (QChar &c : text) {
                if (c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator)
                    c = u' ';
            }
            node.runs.push_back({text, charFormat.toCharFormat()});
        }
        return true;
    }

    bool table(const QJsonObject &object, DocTable &table, int depth)
    {
        QTextFormat tableFormat;
        table.rows = object.value("rows").toInt(-1);
        table.columns = object.value("cols").toInt(-1);
        if (table.rows <= 0 || table.columns <= 0 || qint64(table.rows) * table.columns > MaxTableCells)
            return false;
        if (!format(object.value("f"), tableFormat) || !tableFormat.isTableFormat())
            return false;
        table.format = tableFormat.toTableFormat();
        for (const QJsonValue &cellValue : object.value("cells").toArray()) {
            const QJsonObject c = cellValue.toObject();
            DocCell cell;
            cell.row = c.value("r").toInt(-1);
            cell.column = c.value("c").toInt(-1);
            cell.rowSpan = c.value("rs").toInt(-1);
            cell.columnSpan = c.value("cs").toInt(-1);
            if (cell.row < 0 || cell.row >= table.rows || cell.column < 0 || cell.column >= table.columns ||
                cell.rowSpan < 1 || cell.rowSpan > table.rows - cell.row || cell.columnSpan < 1 ||
                cell.columnSpan > table.columns - cell.column)
                return false;
            QTextFormat cellFormat;
            if (!format(c.value("f"), cellFormat) || !cellFormat.isCharFormat())
                return false;
            cell.format = cellFormat.toCharFormat().toTableCellFormat();
            if (!nodes(c.value("content"), cell.content, depth + 1))
                return false;
            table.cells.push_back(std::move(cell));
        }
        return true;
    }
};

QByteArray imageBytes(const QVariant &resource)
{
    if (resource.typeId() == QMetaType::QByteArray)
        return resource.toByteArray();
    return pngBytes(qvariant_cast<QImage>(resource));
}

} // namespace

QByteArray NativeDocument::serialize(const QTextDocument &document)
{
    const DocTree tree = extractTree(document);
    Writer writer;
    QJsonArray lists;
    for (const QTextListFormat &list : tree.lists)
        lists.append(writer.format(list));
    const int root = writer.format(tree.rootFormat);
    QJsonArray body = writer.nodes(tree.body);

    QJsonArray images;
    for (const QString &name : imageNames(tree)) {
        const QByteArray bytes = imageBytes(document.resource(QTextDocument::ImageResource, QUrl(name)));
        if (!bytes.isEmpty())
            images.append(QJsonObject{{"name", name}, {"data", QString::fromLatin1(bytes.toBase64())}});
    }

    const QTextOption option = document.defaultTextOption();
    QJsonObject settings{{"margin", document.documentMargin()},   {"font", document.defaultFont().toString()},
                         {"indentWidth", document.indentWidth()}, {"designMetrics", document.useDesignMetrics()},
                         {"alignment", int(option.alignment())},  {"wrap", int(option.wrapMode())},
                         {"tabStop", option.tabStopDistance()}};

    QJsonObject top{{"document", settings}, {"formats", writer.formats}, {"root", root}, {"lists", lists},
                    {"body", body},         {"images", images}};
    return Magic + QByteArray::number(Version) + '\n' + QJsonDocument(top).toJson(QJsonDocument::Compact) + '\n';
}

void NativeDocument::deserialize(QTextDocument &document, const QByteArray &bytes)
{
    const qsizetype eol = bytes.indexOf('\n');
    if (eol < 0 || !bytes.startsWith(Magic))
        throw Error(ReadError);
    bool ok = false;
    const int version = bytes.mid(Magic.size(), eol - Magic.size()).trimmed().toInt(&ok);
    if (!ok || version < 1 || version > Version)
        throw Error(ReadError);

    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(bytes.mid(eol + 1), &parseError);
    if (parseError.error != QJsonParseError::NoError || !json.isObject())
        throw Error(ReadError);
    const QJsonObject top = json.object();

    Reader reader;
    for (const QJsonValue &value : top.value("formats").toArray()) {
        QTextFormat format;
        if (!decodeFormat(value.toObject(), format))
            throw Error(ReadError);
        reader.formats.push_back(format);
    }
    DocTree tree;
    for (const QJsonValue &value : top.value("lists").toArray()) {
        QTextFormat format;
        if (!reader.format(value, format) || !format.isListFormat())
            throw Error(ReadError);
        tree.lists.push_back(format.toListFormat());
    }
    reader.listCount = int(tree.lists.size());
    QTextFormat root;
    if (!reader.format(top.value("root"), root) || !root.isFrameFormat())
        throw Error(ReadError);
    tree.rootFormat = root.toFrameFormat();
    if (!reader.nodes(top.value("body"), tree.body, 0))
        throw Error(ReadError);

    QHash<QString, QImage> images;
    for (const QJsonValue &value : top.value("images").toArray()) {
        const QJsonObject image = value.toObject();
        const QString name = image.value("name").toString();
        if (!name.isEmpty())
            images.insert(name, readPicture(QByteArray::fromBase64(image.value("data").toString().toLatin1())));
    }

    const QJsonObject settings = top.value("document").toObject();
    document.clear();
    document.setDocumentMargin(qBound(0.0, settings.value("margin").toDouble(), 10000.0));
    QFont font;
    const QString fontText = settings.value("font").toString();
    if (!fontText.isEmpty() && font.fromString(fontText))
        document.setDefaultFont(font);
    document.setIndentWidth(qBound(0.0, settings.value("indentWidth").toDouble(40), 10000.0));
    document.setUseDesignMetrics(settings.value("designMetrics").toBool());
    QTextOption option = document.defaultTextOption();
    option.setAlignment(Qt::Alignment(settings.value("alignment").toInt(int(option.alignment()))));
    option.setWrapMode(QTextOption::WrapMode(qBound(0, settings.value("wrap").toInt(int(option.wrapMode())),
                                                    int(QTextOption::WrapAtWordBoundaryOrAnywhere))));
    option.setTabStopDistance(qBound(1.0, settings.value("tabStop").toDouble(80), 10000.0));
    document.setDefaultTextOption(option);
    document.rootFrame()->setFrameFormat(tree.rootFormat);

    // Every picture comes from the file: a name without data gets an empty
    // picture, so that nothing is ever looked up on disk.
    for (const QString &name : imageNames(tree))
        document.addResource(QTextDocument::ImageResource, QUrl(name), images.value(name));

    QTextCursor cursor(&document);
    buildTree(cursor, tree);
    document.clearUndoRedoStacks();
    document.setModified(false);
}

void NativeDocument::save(const QTextDocument &document, const QString &path)
{
    writeFileAtomically(path, serialize(document));
}

void NativeDocument::load(QTextDocument &document, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        throw Error(ReadError, path);
    const QByteArray bytes = file.readAll();
    try {
        deserialize(document, bytes);
    } catch (const Error &error) {
        throw Error(error.text(), path);
    }
}

} // namespace lumetra
