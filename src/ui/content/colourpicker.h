#pragma once

#include <QColor>
#include <QMenu>

class QToolButton;

namespace lumetra {

// The drop-down colour picker of the colour tool buttons: a grid of
// colours, "自动" for no colour of its own, and "其他颜色..." for the colour
// dialog. An invalid colour means "自动".
class ColourPicker : public QMenu
{
    Q_OBJECT
public:
    explicit ColourPicker(QWidget *parent = nullptr);

    // Drops down from the button, which stays pressed while it is open.
    void attach(QToolButton *button);
    void choose(const QColor &colour);

signals:
    void colourChosen(const QColor &colour);
};

} // namespace lumetra
