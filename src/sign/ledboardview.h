#pragma once

#include "sign/ledboard.h"

#include <QImage>
#include <QWidget>

namespace lumetra::sign {

// The board on screen: draws only the LEDs the window exposes, so a wide
// sign at a large pitch costs no more than the part in view.
class LedBoardView : public QWidget
{
    Q_OBJECT

public:
    explicit LedBoardView(int pitch, QWidget *parent = nullptr);

    int pitch() const { return m_board.pitch(); }
    void setPitch(int pitch);
    void setLeds(const QImage &leds);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    LedBoard m_board;
    QImage m_leds;
    QImage m_part;
};

} // namespace lumetra::sign
