#pragma once

#include "ui/link/controlcontext.h"

#include <QDialog>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace Ui {
class TF_com;
}

namespace lumetra {

class StatusPanels;

// "查找显示屏": probes every port of the window's port list for a B- or
// C-class card; the search starts as the dialog shows.
class TF_com : public QDialog
{
    Q_OBJECT
public:
    TF_com(const ControlContext &context, QComboBox *ports, StatusPanels *panels, QWidget *parent = nullptr);
    ~TF_com() override;

    // Tests answer the port set-up dialog here instead of a modal loop.
    void setModalRunner(std::function<int(QDialog &)> runner) { m_runModal = std::move(runner); }

    QLabel *label() const;
    QProgressBar *progressBar() const;
    QPushButton *manualButton() const;

    void Button1Click();
    void Button2Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    ControlContext m_context;
    QComboBox *m_ports;
    StatusPanels *m_panels;
    std::unique_ptr<Ui::TF_com> m_ui;
    std::function<int(QDialog &)> m_runModal;
};

} // namespace lumetra
