#pragma once

#include "sign/cardcontent.h"
#include "sign/signplayer.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>

#include <memory>

class QComboBox;
class QLabel;

namespace lumetra::sign {

class LedBoardView;

// The sign the card drives: its LEDs as dots at a chosen pitch, played
// from what the card holds, about sixty frames a second.
class SignWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit SignWindow(int pitch, QWidget *parent = nullptr);

    // New programs start the play again; other changes (brightness, power,
    // pause, border, time) take effect in the play as it goes.
    // clock: the card's clock now, when not the content's own.
    void setContent(const CardContent &content, bool programsChanged, const QDateTime &clock = {});

    // The frame on show, one pixel per LED.
    QImage ledFrame() const { return m_leds; }

private:
    void tick();
    void pitchChosen(int item);

    std::unique_ptr<SignPlayer> m_player;
    QElapsedTimer m_elapsed;
    QTimer m_timer;
    QImage m_leds;
    LedBoardView *m_view = nullptr;
    QLabel *m_status = nullptr;
    QComboBox *m_pitch = nullptr;
};

} // namespace lumetra::sign
