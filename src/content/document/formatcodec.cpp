#include "content/document/formatcodec.h"

#include <QBrush>
#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QImageReader>
#include <QJsonArray>
#include <QPen>
#include <QTextLength>
#include <QTextOption>

namespace lumetra {

namespace {

QJsonValue colorValue(const QColor &color)
{
    return QJsonValue(double(color.rgba()));
}

bool readColor(const QJsonValue &value, QColor &color)
{
    if (!value.isDouble())
        return false;
    const double v = value.toDouble();
    if (v < 0 || v > 4294967295.0)
        return false;
    color = QColor::fromRgba(QRgb(quint32(v)));
    return true;
}

QJsonArray lengthValue(const QTextLength &length)
{
    return QJsonArray{int(length.type()), length.rawValue()};
}

bool readLength(const QJsonValue &value, QTextLength &length)
{
    const QJsonArray a = value.toArray();
    if (a.size() != 2 || !a[0].isDouble() || !a[1].isDouble())
        return false;
    const int type = a[0].toInt();
    if (type < QTextLength::VariableLength || type > QTextLength::PercentageLength)
        return false;
    length = QTextLength(QTextLength::Type(type), a[1].toDouble());
    return true;
}

QJsonValue encodeValue(const QVariant &value)
{
    const int type = value.typeId();
    switch (type) {
    case QMetaType::Bool:
        return QJsonArray{"b", value.toBool()};
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return QJsonArray{"i", double(value.toLongLong())};
    case QMetaType::Double:
    case QMetaType::Float:
        return QJsonArray{"d", value.toDouble()};
    case QMetaType::QString:
        return QJsonArray{"s", value.toString()};
    case QMetaType::QStringList:
        return QJsonArray{"sl", QJsonArray::fromStringList(value.toStringList())};
    case QMetaType::QColor:
        return QJsonArray{"c", colorValue(value.value<QColor>())};
    case QMetaType::QBrush: {
        const QBrush brush = value.value<QBrush>();
        // A background picture: the picture itself, or it would come back
        // as a plain colour.
        if (brush.style() == Qt::TexturePattern) {
            const QByteArray png = pngBytes(brush.textureImage());
            if (!png.isEmpty())
                return QJsonArray{"brt", QString::fromLatin1(png.toBase64())};
        }
        // Gradients do not occur in our documents; their colour stands in
        // for them.
        const Qt::BrushStyle style = brush.style() > Qt::DiagCrossPattern ? Qt::SolidPattern : brush.style();
        return QJsonArray{"br", int(style), colorValue(brush.color())};
    }
    case QMetaType::QPen: {
        const QPen pen = value.value<QPen>();
        return QJsonArray{
            "pen", int(pen.style()), pen.widthF(), colorValue(pen.color()), int(pen.capStyle()), int(pen.joinStyle())};
    }
    default:
        break;
    }
    if (type == qMetaTypeId<QTextLength>())
        return QJsonArray{"len", lengthValue(value.value<QTextLength>())};
    if (type == QMetaType::QVariantList) {
        // Formats hold two lists: column widths and tab stops.
        const QVariantList items = value.toList();
        QJsonArray lengths;
        QJsonArray tabs;
        for (const QVariant &item : items) {
            if (item.typeId() == qMetaTypeId<QTextLength>()) {
                lengths.append(lengthValue(item.value<QTextLength>()));
            } else if (item.typeId() == qMetaTypeId<QTextOption::Tab>()) {
                const auto tab = item.value<QTextOption::Tab>();
                tabs.append(QJsonArray{tab.position, int(tab.type), QString(tab.delimiter)});
            } else {
                return QJsonValue();
            }
        }
        if (!tabs.isEmpty() && !lengths.isEmpty())
            return QJsonValue();
        if (!tabs.isEmpty())
            return QJsonArray{"tabs", tabs};
        return QJsonArray{"lens", lengths};
    }
    return QJsonValue();
}

bool decodeValue(const QJsonArray &a, QVariant &out)
{
    if (a.isEmpty() || !a[0].isString())
        return false;
    const QString tag = a[0].toString();
    if (tag == "b" && a.size() == 2 && a[1].isBool()) {
        out = a[1].toBool();
    } else if (tag == "i" && a.size() == 2 && a[1].isDouble()) {
        const double v = a[1].toDouble();
        if (v < -2147483648.0 || v > 2147483647.0)
            return false;
        out = int(v);
    } else if (tag == "d" && a.size() == 2 && a[1].isDouble()) {
        out = a[1].toDouble();
    } else if (tag == "s" && a.size() == 2 && a[1].isString()) {
        out = a[1].toString();
    } else if (tag == "sl" && a.size() == 2 && a[1].isArray()) {
        QStringList list;
        for (const QJsonValue &v : a[1].toArray())
            list.append(v.toString());
        out = list;
    } else if (tag == "c" && a.size() == 2) {
        QColor color;
        if (!readColor(a[1], color))
            return false;
        out = color;
    } else if (tag == "br" && a.size() == 3) {
        QColor color;
        const int style = a[1].toInt(-1);
        if (!readColor(a[2], color) || style < Qt::NoBrush || style > Qt::DiagCrossPattern)
            return false;
        out = QBrush(color, Qt::BrushStyle(style));
    } else if (tag == "brt" && a.size() == 2 && a[1].isString()) {
        const QImage image = readPicture(QByteArray::fromBase64(a[1].toString().toLatin1()));
        if (image.isNull())
            return false;
        out = QBrush(image);
    } else if (tag == "pen" && a.size() == 6) {
        QColor color;
        const int style = a[1].toInt(-1);
        if (!readColor(a[3], color) || style < Qt::NoPen || style > Qt::DashDotDotLine)
            return false;
        QPen pen(color);
        pen.setStyle(Qt::PenStyle(style));
        pen.setWidthF(qBound(0.0, a[2].toDouble(), 1000.0));
        pen.setCapStyle(Qt::PenCapStyle(a[4].toInt() & Qt::MPenCapStyle));
        pen.setJoinStyle(Qt::PenJoinStyle(a[5].toInt() & Qt::MPenJoinStyle));
        out = pen;
    } else if (tag == "len" && a.size() == 2) {
        QTextLength length;
        if (!readLength(a[1], length))
            return false;
        out = QVariant::fromValue(length);
    } else if (tag == "lens" && a.size() == 2 && a[1].isArray()) {
        QVariantList lengths;
        for (const QJsonValue &v : a[1].toArray()) {
            QTextLength length;
            if (!readLength(v, length))
                return false;
            lengths.append(QVariant::fromValue(length));
        }
        out = lengths;
    } else if (tag == "tabs" && a.size() == 2 && a[1].isArray()) {
        QList<QVariant> tabs;
        for (const QJsonValue &v : a[1].toArray()) {
            const QJsonArray t = v.toArray();
            if (t.size() != 3)
                return false;
            const int type = t[1].toInt(-1);
            if (type < QTextOption::LeftTab || type > QTextOption::DelimiterTab)
                return false;
            const QString delimiter = t[2].toString();
            tabs.append(QVariant::fromValue(QTextOption::Tab(t[0].toDouble(), QTextOption::TabType(type),
                                                             delimiter.isEmpty() ? QChar() : delimiter[0])));
        }
        out = tabs;
    } else {
        return false;
    }
    return true;
}

} // namespace

QJsonObject encodeFormat(const QTextFormat &format)
{
    QJsonObject properties;
    const QMap<int, QVariant> map = format.properties();
    for (auto it = map.begin(); it != map.end(); ++it) {
        if (it.key() == QTextFormat::ObjectIndex)
            continue;
        const QJsonValue value = encodeValue(it.value());
        if (!value.isNull())
            properties.insert(QString::number(it.key()), value);
    }
    return QJsonObject{{"t", format.type()}, {"p", properties}};
}

bool decodeFormat(const QJsonObject &json, QTextFormat &format)
{
    const int type = json.value("t").toInt(-1);
    if (type < QTextFormat::InvalidFormat || type > QTextFormat::UserFormat + 0xfffff)
        return false;
    const QJsonValue properties = json.value("p");
    if (!properties.isObject())
        return false;
    QTextFormat result(type);
    const QJsonObject object = properties.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        bool ok = false;
        const int id = it.key().toInt(&ok);
        if (!ok || id == QTextFormat::ObjectIndex || !it.value().isArray())
            continue;
        QVariant value;
        if (decodeValue(it.value().toArray(), value))
            result.setProperty(id, value);
    }
    format = result;
    return true;
}

QByteArray pngBytes(const QImage &image)
{
    if (image.isNull())
        return {};
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

QImage readPicture(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > MaxPictureSide || size.height() > MaxPictureSide)
        return {};
    return reader.read();
}

} // namespace lumetra
