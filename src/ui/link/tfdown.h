#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QProgressBar;

namespace Ui {
class TFDown;
}

namespace lumetra {

struct TransferProgress;

// The send's progress window "节目信息下载进度": shown without blocking, on
// top, while the programs go out.
class TFDown : public QDialog
{
    Q_OBJECT
public:
    explicit TFDown(QWidget *parent = nullptr);
    ~TFDown() override;

    QProgressBar *progressBar() const;
    QLabel *panel(int index) const { return index == 0 ? m_program : m_percent; }

    // Panel 0 "正在下载节目" + n, panel 1 the percentage, the bar's position.
    void showProgress(const TransferProgress &progress);

private:
    std::unique_ptr<Ui::TFDown> m_ui;
    QLabel *m_program = nullptr;
    QLabel *m_percent = nullptr;
};

} // namespace lumetra
