#pragma once

#include "ui/link/controlcontext.h"

#include <QDateTime>
#include <QDialog>

#include <functional>
#include <memory>

class QLabel;
class QPushButton;
class QTimeEdit;
class QTimer;

namespace Ui {
class TFSETTIMER;
}

namespace lumetra {

struct PowerTimes;

// "开关机及校准 时间": sets the card's clock and its power-on and power-off times.
class TFSETTIMER : public QDialog
{
    Q_OBJECT
public:
    explicit TFSETTIMER(const ControlContext &context, QWidget *parent = nullptr);
    ~TFSETTIMER() override;

    // The computer's clock; tests give a fixed one.
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    QLabel *clockPanel() const;
    QTimeEdit *powerOnPicker() const;
    QTimeEdit *powerOffPicker() const;
    QPushButton *sendButton() const;
    QPushButton *saveButton() const;
    QTimer *clockTimer() const { return m_timer1; }

    void Button1Click();
    bool Button3Click();
    void Timer1Timer();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    PowerTimes pickedTimes() const;

    ControlContext m_context;
    std::unique_ptr<Ui::TFSETTIMER> m_ui;
    QTimer *m_timer1 = nullptr;
    std::function<QDateTime()> m_clock;
};

} // namespace lumetra
