#include "ui/content/colourbutton.h"

#include "ui/content/editorprompts.h"

#include <QPainter>
#include <QPixmap>

namespace lumetra {

ColourButton::ColourButton(const QColor &colour, QWidget *parent) : QPushButton(parent)
{
    setColour(colour);
    connect(this, &QPushButton::clicked, this, [this] {
        const QColor chosen = EditorPrompts::colour(this, m_colour.isValid() ? m_colour : QColor(Qt::red));
        if (chosen.isValid())
            setColour(chosen);
    });
}

void ColourButton::setColour(const QColor &colour)
{
    m_colour = colour;
    QPixmap swatch(32, 12);
    swatch.fill(colour.isValid() ? colour : QColor(Qt::transparent));
    if (!colour.isValid()) {
        QPainter painter(&swatch);
        painter.drawLine(0, 11, 31, 0);
    }
    setIcon(QIcon(swatch));
    setIconSize(swatch.size());
    setText(colour.isValid() ? QString() : QStringLiteral("无"));
}

} // namespace lumetra
