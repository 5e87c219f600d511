#include "ui/project/programtree.h"

#include "project/treecaptions.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace lumetra {

ProgramTree::ProgramTree(QWidget *parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("OBJECT_TREE"));
    setHeaderHidden(true);
    setColumnCount(1);
    setToolTip(QStringLiteral("单击选择对应项目"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

QIcon ProgramTree::image(int index)
{
    // Small drawn icons: a letter on a coloured square per kind.
    struct Look
    {
        QColor color;
        QString letter;
    };
    Look look;
    switch (index) {
    case TextImage:
        look = {QColor(200, 40, 40), QStringLiteral("文")};
        break;
    case ClockImage:
        look = {QColor(30, 130, 60), QStringLiteral("时")};
        break;
    case PictureImage:
        look = {QColor(40, 80, 200), QStringLiteral("图")};
        break;
    case DisplayImage:
        look = {QColor(60, 60, 60), QStringLiteral("屏")};
        break;
    default:
        look = {QColor(200, 130, 0), QStringLiteral("节")};
        break;
    }
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(look.color);
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(0, 0, 16, 16), 3, 3);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, look.letter);
    return QIcon(pixmap);
}

void ProgramTree::setImage(QTreeWidgetItem *item, int index)
{
    item->setIcon(0, image(index));
    item->setData(0, Qt::UserRole, index);
}

QTreeWidgetItem *ProgramTree::resetToRoot()
{
    clear();
    auto *rootNode = new QTreeWidgetItem(this, QStringList(displayCaption(0)));
    setImage(rootNode, DisplayImage);
    setCurrentItem(rootNode);
    return rootNode;
}

QTreeWidgetItem *ProgramTree::root() const
{
    return topLevelItemCount() > 0 ? topLevelItem(0) : nullptr;
}

QTreeWidgetItem *ProgramTree::addProgramNode(int program)
{
    auto *node = new QTreeWidgetItem(root(), QStringList(programCaption(program)));
    setImage(node, ProgramImage);
    root()->setExpanded(true);
    return node;
}

QTreeWidgetItem *ProgramTree::addZoneNode(QTreeWidgetItem *programNode, int templateId, int zone, int zoneType)
{
    auto *node = new QTreeWidgetItem(programNode, QStringList(zoneCaption(templateId, zone)));
    setImage(node, zoneType);
    programNode->setExpanded(true);
    return node;
}

QList<QTreeWidgetItem *> ProgramTree::nodes() const
{
    QList<QTreeWidgetItem *> list;
    for (QTreeWidgetItemIterator it(const_cast<ProgramTree *>(this)); *it; ++it)
        list << *it;
    return list;
}

bool ProgramTree::isProgramNode(const QTreeWidgetItem *item)
{
    return item && item->parent() && isDisplayCaption(item->parent()->text(0));
}

bool ProgramTree::isZoneNode(const QTreeWidgetItem *item)
{
    return item && item->parent() && !isDisplayCaption(item->parent()->text(0));
}

bool ProgramTree::find_jiemu(const QString &programName)
{
    for (QTreeWidgetItem *node : nodes()) {
        if (node->parent() && node->text(0) == programName) {
            setCurrentItem(node);
            return true;
        }
    }
    return false;
}

bool ProgramTree::find_fenqu(const QString &programName, int zone, int zoneType)
{
    const QString wanted = QStringLiteral("分区") + QString::number(zone);
    for (QTreeWidgetItem *node : nodes()) {
        if (node->parent() && node->parent()->text(0) == programName && node->text(0).chopped(1) == wanted) {
            setCurrentItem(node);
            setImage(node, zoneType);
            return true;
        }
    }
    return false;
}

void ProgramTree::mousePressEvent(QMouseEvent *event)
{
    QTreeWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        emit selectionHandlingRequested();
}

void ProgramTree::keyReleaseEvent(QKeyEvent *event)
{
    QTreeWidget::keyReleaseEvent(event);
    if (!event->isAutoRepeat())
        emit selectionHandlingRequested();
}

void ProgramTree::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTreeWidget::mouseDoubleClickEvent(event);
    emit pictureZoneEditRequested();
}

} // namespace lumetra
