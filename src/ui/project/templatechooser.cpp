#include "ui/project/templatechooser.h"

#include "ui_templatechooser.h"

#include "project/templaterules.h"

#include <QMouseEvent>
#include <QPainter>

namespace lumetra {

// The template on a 128 x 64 sign, scaled into the tile's picture.
static QRect pictureRect(int templateId, int zone)
{
    constexpr int W = 63, H = 60;
    const ZoneRect r = defaultTemplateGeometry(templateId, 128, 64)[static_cast<std::size_t>(zone - 1)];
    return QRect(QPoint(r.X * W / 128, r.Y * H / 64),
                 QPoint((r.X + r.Width) * W / 128 - 1, (r.Y + r.Height) * H / 64 - 1));
}

TemplateChooser::TemplateChooser(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::TemplateChooser>())
{
    m_ui->setupUi(this);
    setFixedSize(325, 216);
    m_tiles = {m_ui->TemplateTile1, m_ui->TemplateTile2, m_ui->TemplateTile3, m_ui->TemplateTile4};
    QLabel *pictures[4] = {m_ui->TemplatePicture1, m_ui->TemplatePicture2, m_ui->TemplatePicture3,
                           m_ui->TemplatePicture4};
    QLabel *labels[4] = {m_ui->MainZoneLabel1, m_ui->MainZoneLabel2, m_ui->MainZoneLabel3, m_ui->MainZoneLabel4};
    for (int t = 1; t <= 4; ++t) {
        const std::size_t i = static_cast<std::size_t>(t - 1);
        pictures[i]->setPixmap(QPixmap::fromImage(templatePicture(t)));
        // "主分区" sits on the main zone of the picture.
        QRect onPicture = labels[i]->rect();
        onPicture.moveCenter(pictureRect(t, templateMainZone(t)).center() + pictures[i]->pos());
        labels[i]->move(onPicture.topLeft());
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
    QImage image(63, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const int main = templateMainZone(templateId);
    for (int z = 1; z <= templateZoneCount(templateId); ++z) {
        const QRect rect = pictureRect(templateId, z);
        painter.fillRect(rect, z == main ? QColor(0, 0, 255) : QColor(160, 160, 160));
        painter.setPen(Qt::white);
        painter.drawRect(rect);
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
