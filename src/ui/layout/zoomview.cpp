#include "ui/layout/zoomview.h"

#include <QEvent>
#include <QLabel>
#include <QVariant>

#include <algorithm>

namespace lumetra {

namespace {
const char *const BaseImage = "baseImage";
}

ZoomView::ZoomView(QLabel *image1, QLabel *image100, QObject *parent)
    : QObject(parent), m_image1(image1), m_image100(image100)
{
    for (QLabel *label : {m_image1, m_image100}) {
        // QLabel's own stretching smooths; the pictures are scaled here instead.
        label->setScaledContents(false);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->installEventFilter(this);
    }
}

void ZoomView::showPicture(const QImage &image)
{
    show(m_image1, m_image100, image);
}

void ZoomView::showStrip(const QImage &image)
{
    show(m_image100, m_image1, image);
}

void ZoomView::show(QLabel *shown, QLabel *hidden, const QImage &image)
{
    ViewBaseWidth = image.width();
    ViewBaseHeight = image.height();
    shown->setProperty(BaseImage, image);
    hidden->hide();
    shown->show();
    shown->setFixedSize(std::max(1, ViewBaseWidth), std::max(1, ViewBaseHeight));
    stretch(shown);
}

void ZoomView::zoom(int factor)
{
    QLabel *label = m_image1->isHidden() ? m_image100 : m_image1;
    label->setFixedSize(std::max(1, ViewBaseWidth * factor), std::max(1, ViewBaseHeight * factor));
    stretch(label);
}

void ZoomView::stretch(QLabel *label)
{
    const QImage base = label->property(BaseImage).value<QImage>();
    if (base.isNull())
        return;
    if (base.size() == label->size())
        label->setPixmap(QPixmap::fromImage(base));
    else
        label->setPixmap(QPixmap::fromImage(base.scaled(label->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)));
}

bool ZoomView::eventFilter(QObject *watched, QEvent *event)
{
    // Sized from elsewhere (Loadtoscreen before a render): stretch what is shown.
    if (event->type() == QEvent::Resize)
        stretch(static_cast<QLabel *>(watched));
    return QObject::eventFilter(watched, event);
}

} // namespace lumetra
