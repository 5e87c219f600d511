#include "ui/content/swatchgroup.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

namespace lumetra {

SwatchGroup::SwatchGroup(QObject *parent) : QObject(parent) {}

void SwatchGroup::add(int code, QFrame *frame, QLabel *picture, const QColor &colour)
{
    QPixmap fill(picture->size().expandedTo(QSize(1, 1)));
    fill.fill(colour);
    picture->setPixmap(fill);
    picture->setScaledContents(true);
    picture->setProperty("swatchCode", code);
    picture->installEventFilter(this);
    frame->setAutoFillBackground(true);
    m_swatches[code] = {frame, picture, colour};
    mark(m_marked);
}

void SwatchGroup::mark(int code)
{
    m_marked = code;
    const QColor face = QApplication::palette().color(QPalette::Button);
    for (auto &[swatchCode, swatch] : m_swatches) {
        QPalette palette = swatch.frame->palette();
        palette.setColor(QPalette::Window, swatchCode == code ? QColor(Qt::black) : face);
        swatch.frame->setPalette(palette);
    }
}

QColor SwatchGroup::colour(int code) const
{
    const auto it = m_swatches.find(code);
    return it == m_swatches.end() ? QColor() : it->second.colour;
}

bool SwatchGroup::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        const QVariant code = watched->property("swatchCode");
        if (code.isValid())
            emit clicked(code.toInt());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lumetra
