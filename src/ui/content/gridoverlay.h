#pragma once

#include <QWidget>

class QTextEdit;

namespace lumetra {

// Dotted cell boundaries over the editor where a table draws no border, so
// that borderless tables can be edited. Painted on top of the viewport and
// never part of the document.
class GridOverlay : public QWidget
{
    Q_OBJECT
public:
    explicit GridOverlay(QTextEdit *editor);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QTextEdit *m_editor;
};

} // namespace lumetra
