#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class AboutBox;
}

namespace lumetra {

// "系统介绍", fixed at 384 x 226; "确认" closes it.
class AboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);
    ~AboutBox() override;

private:
    std::unique_ptr<Ui::AboutBox> m_ui;
};

} // namespace lumetra
