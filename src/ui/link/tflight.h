#pragma once

#include "ui/link/controlcontext.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QPushButton;
class QTimeEdit;

namespace Ui {
class TFLight;
}

namespace lumetra {

struct BrightnessValues;

// "亮度调节": the day and night brightness and the times they take effect.
class TFLight : public QDialog
{
    Q_OBJECT
public:
    explicit TFLight(const ControlContext &context, QWidget *parent = nullptr);
    ~TFLight() override;

    QComboBox *dayLevels() const;
    QComboBox *nightLevels() const;
    QTimeEdit *dayPicker() const;
    QTimeEdit *nightPicker() const;
    QPushButton *sendButton() const;
    QPushButton *saveButton() const;

    void Button1Click();
    bool Button3Click();

private:
    BrightnessValues shownValues() const;

    ControlContext m_context;
    std::unique_ptr<Ui::TFLight> m_ui;
};

} // namespace lumetra
