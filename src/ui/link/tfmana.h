#pragma once

#include "ui/link/controlcontext.h"

#include <QDialog>

#include <memory>

class QLineEdit;
class QPushButton;

namespace Ui {
class TFMANA;
}

namespace lumetra {

// "管理员使用的功能": the operator lock in front of the hardware
// configuration; the password is the one the project file keeps.
class TFMANA : public QDialog
{
    Q_OBJECT
public:
    explicit TFMANA(const ControlContext &context, QWidget *parent = nullptr);
    ~TFMANA() override;

    QLineEdit *passwordEdit() const;
    QPushButton *confirmButton() const;

    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    ControlContext m_context;
    std::unique_ptr<Ui::TFMANA> m_ui;
};

} // namespace lumetra
