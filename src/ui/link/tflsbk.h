#pragma once

#include "ui/link/controlcontext.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QPushButton;

namespace Ui {
class TF_LSBK;
}

namespace lumetra {

// "流水边框功能": switches the card's moving border. Created once; the
// check box is nowhere stored and keeps its state between openings.
class TF_LSBK : public QDialog
{
    Q_OBJECT
public:
    explicit TF_LSBK(const ControlContext &context, QWidget *parent = nullptr);
    ~TF_LSBK() override;

    QCheckBox *borderBox() const;
    QPushButton *sendButton() const;

    void Button1Click();

private:
    ControlContext m_context;
    std::unique_ptr<Ui::TF_LSBK> m_ui;
};

} // namespace lumetra
