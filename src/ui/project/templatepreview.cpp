#include "ui/project/templatepreview.h"

#include "project/zonelayout.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

namespace lumetra {

namespace {
constexpr int Border = 6;
constexpr int Bar = 5;

QFrame *makeFrame(QWidget *parent, const QString &name, const QColor &color)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, color);
    frame->setPalette(palette);
    return frame;
}
} // namespace

TemplatePreview::TemplatePreview(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TemplatePreview"));
    const QString panelNames[4] = {QStringLiteral("m1"), QStringLiteral("M2"), QStringLiteral("M3"),
                                   QStringLiteral("M4")};
    const QString barNames[4][2] = {{QString(), QString()},
                                    {QStringLiteral("Splitter2"), QString()},
                                    {QStringLiteral("Splitter1"), QString()},
                                    {QStringLiteral("Splitter3"), QStringLiteral("Splitter4")}};
    for (int t = 1; t <= 4; ++t) {
        TemplatePanel &p = m_panels[static_cast<std::size_t>(t - 1)];
        p.frame = makeFrame(this, panelNames[t - 1], QColor(192, 192, 192));
        p.frame->setFrameShape(QFrame::Panel);
        p.frame->setFrameShadow(QFrame::Raised);
        p.frame->setProperty("template", t);
        p.frame->installEventFilter(this);
        const int zones = templateZoneCount(t);
        for (int z = 1; z <= zones; ++z) {
            const QString zoneName = t == 1 ? QStringLiteral("m1_1") : QStringLiteral("M%1_%2").arg(t).arg(z);
            QFrame *zonePanel = makeFrame(p.frame, zoneName, t == 1 ? QColor(0, 0, 255) : QColor(0, 0, 0));
            zonePanel->setProperty("template", t);
            zonePanel->installEventFilter(this);
            auto *picture = new QLabel(zonePanel);
            picture->setObjectName(t == 1 ? QStringLiteral("m1_bmp") : zoneName + QStringLiteral("_BMP"));
            // One screen pixel per LED: a taller page stack shows its first
            // page, as the sign does.
            picture->setScaledContents(false);
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            picture->setToolTip(t == 1 ? QStringLiteral("单击选择对应项目")
                                       : QStringLiteral("单击选择对应项目，双击进入编辑环境"));
            picture->setProperty("zone", z);
            picture->setProperty("template", t);
            picture->installEventFilter(this);
            p.zones[static_cast<std::size_t>(z - 1)] = zonePanel;
            p.pictures[static_cast<std::size_t>(z - 1)] = picture;
        }
        for (int b = 0; b < 2; ++b) {
            if (barNames[t - 1][b].isEmpty())
                continue;
            QFrame *bar = makeFrame(p.frame, barNames[t - 1][b], QColor(128, 0, 255));
            const bool vertical =
                barNames[t - 1][b] == QLatin1String("Splitter1") || barNames[t - 1][b] == QLatin1String("Splitter4");
            bar->setToolTip(vertical ? QStringLiteral("通过移动这里可以改变分区左右大小")
                                     : QStringLiteral("通过移动这里可以改变分区上下大小"));
            bar->setCursor(vertical ? Qt::SplitHCursor : Qt::SplitVCursor);
            bar->setProperty("template", t);
            bar->setProperty("vertical", vertical);
            bar->setProperty("bar", b);
            bar->installEventFilter(this);
            p.bars[static_cast<std::size_t>(b)] = bar;
        }
        p.frame->hide();
    }
    moveAll(30, 30);
}

QFrame *TemplatePreview::panel(int templateId) const
{
    if (templateId < 1 || templateId > 4)
        return nullptr;
    return m_panels[static_cast<std::size_t>(templateId - 1)].frame;
}

QFrame *TemplatePreview::zonePanel(int templateId, int zone) const
{
    if (templateId < 1 || templateId > 4 || zone < 1 || zone > templateZoneCount(templateId))
        return nullptr;
    return m_panels[static_cast<std::size_t>(templateId - 1)].zones[static_cast<std::size_t>(zone - 1)];
}

QLabel *TemplatePreview::zonePictureLabel(int templateId, int zone) const
{
    if (!zonePanel(templateId, zone))
        return nullptr;
    return m_panels[static_cast<std::size_t>(templateId - 1)].pictures[static_cast<std::size_t>(zone - 1)];
}

void TemplatePreview::sizePanel(int templateId, int width, int height, const TemplateSplit &split)
{
    QFrame *frame = panel(templateId);
    if (!frame)
        return;
    TemplatePanel &p = m_panels[static_cast<std::size_t>(templateId - 1)];
    p.sign = QSize(width, height);
    frame->resize(templatePanelSize(templateId, width, height));
    const auto sizes = lumetra::zonePanelSizes(templateId, width, height, split);
    auto place = [&](int z, int x, int y) {
        QFrame *zone = p.zones[static_cast<std::size_t>(z - 1)];
        zone->setGeometry(QRect(QPoint(x, y), sizes[static_cast<std::size_t>(z - 1)]));
        p.pictures[static_cast<std::size_t>(z - 1)]->setGeometry(zone->rect());
    };
    switch (templateId) {
    case 1:
        place(1, Border, Border);
        break;
    case 2:
        place(1, Border, Border);
        p.bars[0]->setGeometry(Border, Border + split.h1, width, Bar);
        place(2, Border, Border + split.h1 + Bar);
        break;
    case 3:
        place(1, Border, Border);
        p.bars[0]->setGeometry(Border + split.w1, Border, Bar, height);
        place(2, Border + split.w1 + Bar, Border);
        break;
    case 4:
        place(1, Border, Border);
        p.bars[0]->setGeometry(Border, Border + split.h1, width, Bar);
        place(2, Border, Border + split.h1 + Bar);
        p.bars[1]->setGeometry(Border + split.w2, Border + split.h1 + Bar, Bar, height - split.h1);
        place(3, Border + split.w2 + Bar, Border + split.h1 + Bar);
        break;
    default:
        break;
    }
    updateExtent(frame);
}

void TemplatePreview::updateExtent(const QFrame *frame)
{
    // The pane scrolls over the whole panel.
    setMinimumSize(frame->x() + frame->width() + 30, frame->y() + frame->height() + 30);
}

void TemplatePreview::showOnly(int templateId)
{
    for (int t = 1; t <= 4; ++t)
        panel(t)->setVisible(t == templateId);
}

void TemplatePreview::moveAll(int left, int top)
{
    for (int t = 1; t <= 4; ++t)
        panel(t)->move(left, top);
}

std::array<QSize, MaxZonesUsed> TemplatePreview::zonePanelSizes(int templateId) const
{
    std::array<QSize, MaxZonesUsed> sizes{};
    for (int z = 1; z <= MaxZonesUsed; ++z)
        if (QFrame *zone = zonePanel(templateId, z))
            sizes[static_cast<std::size_t>(z - 1)] = zone->size();
    return sizes;
}

TemplateSplit TemplatePreview::split(int templateId) const
{
    TemplateSplit split;
    if (QFrame *zone1 = zonePanel(templateId, 1)) {
        split.h1 = zone1->height();
        split.w1 = zone1->width();
    }
    if (QFrame *zone2 = zonePanel(templateId, 2))
        split.w2 = zone2->width();
    return split;
}

void TemplatePreview::setZonePicture(int templateId, int zone, const QImage &image)
{
    if (QLabel *label = zonePictureLabel(templateId, zone))
        label->setPixmap(QPixmap::fromImage(image));
}

void TemplatePreview::colourZonePanels()
{
    for (int t = 1; t <= 4; ++t) {
        for (int z = 1; z <= templateZoneCount(t); ++z) {
            QFrame *zone = zonePanel(t, z);
            QPalette palette = zone->palette();
            palette.setColor(QPalette::Window, t == 1 ? QColor(0, 0, 255) : QColor(0, 0, 0));
            zone->setPalette(palette);
        }
    }
}

bool TemplatePreview::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    auto *widget = qobject_cast<QWidget *>(watched);
    auto *mouse = static_cast<QMouseEvent *>(event);
    if (!widget || widget->property("template").toInt() < 1)
        return QWidget::eventFilter(watched, event);
    if (widget->property("vertical").isValid())
        return barEvent(widget, mouse);
    return panelEvent(widget, mouse);
}

bool TemplatePreview::barEvent(QWidget *bar, QMouseEvent *mouse)
{
    const int t = bar->property("template").toInt();
    const bool vertical = bar->property("vertical").toBool();
    const QPoint at = mouse->position().toPoint();
    switch (mouse->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton) {
            m_bar = bar;
            m_barGrab = vertical ? at.x() : at.y();
        }
        return true;
    case QEvent::MouseMove: {
        if (m_bar != bar || !(mouse->buttons() & Qt::LeftButton))
            return true;
        const TemplatePanel &p = m_panels[static_cast<std::size_t>(t - 1)];
        const QPoint inPanel = bar->mapTo(p.frame, at);
        TemplateSplit s = split(t);
        const int zoneEdge = (vertical ? inPanel.x() : inPanel.y()) - m_barGrab - Border;
        if (!vertical)
            s.h1 = barDragLimit(zoneEdge, p.sign.height(), false);
        else if (t == 3)
            s.w1 = barDragLimit(zoneEdge, p.sign.width(), true);
        else
            s.w2 = barDragLimit(zoneEdge, p.sign.width(), true);
        sizePanel(t, p.sign.width(), p.sign.height(), s);
        return true;
    }
    default:
        if (m_bar == bar && mouse->button() == Qt::LeftButton) {
            m_bar = nullptr;
            emit barMoved(t);
        }
        return true;
    }
}

bool TemplatePreview::panelEvent(QWidget *widget, QMouseEvent *mouse)
{
    const int t = widget->property("template").toInt();
    QFrame *frame = panel(t);
    const QPoint at = mouse->position().toPoint();
    switch (mouse->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() != Qt::LeftButton)
            return false;
        m_dragStart = at;
        m_panelDrag = true;
        if (const int zone = widget->property("zone").toInt(); zone > 0)
            emit zonePictureClicked(zone);
        return true;
    case QEvent::MouseMove:
        if (m_panelDrag && (mouse->buttons() & Qt::LeftButton) && frame->isVisible()) {
            frame->move(frame->pos() + at - m_dragStart);
            updateExtent(frame);
        }
        return true;
    default:
        if (!m_panelDrag || mouse->button() != Qt::LeftButton)
            return false;
        m_panelDrag = false;
        frame->move(std::max(0, frame->x()), std::max(0, frame->y()));
        updateExtent(frame);
        emit panelDropped(frame->x(), frame->y());
        return true;
    }
}

} // namespace lumetra
