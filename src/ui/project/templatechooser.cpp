#include "ui/project/templatechooser.h"

#include "ui_templatechooser.h"

#include "project/templaterules.h"

#include <QMouseEvent>
#include <QPainter>

namespace lumetra {

TemplateChooser::TemplateChooser(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::TemplateChooser>())
{
    m_ui->setupUi(this);
    setFixedSize(325, 216);
    m_tiles = {m_ui->TemplateTile1, m_ui->TemplateTile2, m_ui->TemplateTile3, m_ui->TemplateTile4};
    QLabel *pictures[4] = {m_ui->TemplatePicture1, m_ui->TemplatePicture2, m_ui->TemplatePicture3,
                           m_ui->TemplatePicture4};
    QLabel *labels[4] = {m_ui->MainZoneLabel1, m_ui->MainZoneLabel2, m_ui->MainZoneLabel3, m_ui->MainZoneLabel4};
    // Where "主分区" sits on each picture: on the main zone.
    const QPoint labelAt[4] = {QPoint(17, 27), QPoint(17, 37), QPoint(27, 27), QPoint(27, 40)};
    for (int t = 1; t <= 4; ++t) {
        const std::size_t i = static_cast<std::size_t>(t - 1);
        pictures[i]->setPixmap(QPixmap::fromImage(templatePicture(t)));
        labels[i]->move(labelAt[i]);
        for (QObject *o : {static_cast<QObject *>(m_tiles[i]), static_cast<QObject *>(pictures[i]),
                           static_cast<QObject *>(labels[i])}) {
            o->setProperty("template", t);
            o->installEventFilter(this);
        }
    }
    mark(1);
    connect(m_ui->OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

TemplateChooser::~TemplateChooser() = default;

QFrame *TemplateChooser::tile(int templateId) const
{
    return templateId >= 1 && templateId <= 4 ? m_tiles[static_cast<std::size_t>(templateId - 1)] : nullptr;
}

QImage TemplateChooser::templatePicture(int templateId)
{
    // The template drawn on a 64 x 32 sign scaled into the tile's picture.
    constexpr int W = 63, H = 60;
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const auto rects = defaultTemplateGeometry(templateId, W, H);
    const int main = templateMainZone(templateId);
    for (int z = 1; z <= templateZoneCount(templateId); ++z) {
        const ZoneRect &r = rects[static_cast<std::size_t>(z - 1)];
        const QRect rect(r.X, r.Y, r.Width, r.Height);
        painter.fillRect(rect, z == main ? QColor(0, 0, 255) : QColor(160, 160, 160));
        painter.setPen(Qt::white);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
    return image;
}

void TemplateChooser::mark(int templateId)
{
    m_marked = templateId;
    for (int t = 1; t <= 4; ++t) {
        QFrame *frame = tile(t);
        QPalette palette = frame->palette();
        palette.setColor(QPalette::Window, t == templateId ? Qt::black : Qt::white);
        frame->setPalette(palette);
    }
}

bool TemplateChooser::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const int t = watched->property("template").toInt();
        if (t >= 1)
            mark(t);
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace lumetra
