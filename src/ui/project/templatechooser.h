#pragma once

#include <QDialog>

#include <array>
#include <memory>

class QFrame;

namespace Ui {
class TemplateChooser;
}

namespace lumetra {

// TF_MODAL "选择模板": four tiles, the marked one black. Created once; the
// mark stays between uses, so confirming without a click after start-up
// gives template 1.
class TemplateChooser : public QDialog
{
    Q_OBJECT
public:
    explicit TemplateChooser(QWidget *parent = nullptr);
    ~TemplateChooser() override;

    // The template of the black tile (CurrentTemplate after "确定").
    int markedTemplate() const { return m_marked; }
    QFrame *tile(int templateId) const;

    static QImage templatePicture(int templateId);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void mark(int templateId);

    std::unique_ptr<Ui::TemplateChooser> m_ui;
    std::array<QFrame *, 4> m_tiles{};
    int m_marked = 1;
};

} // namespace lumetra
