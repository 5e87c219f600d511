#pragma once

#include <QColor>
#include <QPushButton>

namespace lumetra {

// A button that shows a colour and asks for another when clicked. With
// "none" allowed, an invalid colour stands for no colour.
class ColourButton : public QPushButton
{
    Q_OBJECT
public:
    ColourButton(const QColor &colour, QWidget *parent);

    QColor colour() const { return m_colour; }
    void setColour(const QColor &colour);

private:
    QColor m_colour;
};

} // namespace lumetra
