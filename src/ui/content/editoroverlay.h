#pragma once

#include <QWidget>

class QTextEdit;

namespace lumetra {

// What the editor shows only to the operator, painted on top of its
// viewport and never part of the document (so neither saved nor painted
// into the zone's bitmap): dotted cell boundaries where a table draws no
// border, and marks for paragraph ends, line breaks, tabs and spaces.
class EditorOverlay : public QWidget
{
    Q_OBJECT
public:
    explicit EditorOverlay(QTextEdit *editor);

    void setGridLines(bool on);
    void setSpecialCharacters(bool on);
    bool gridLines() const { return m_grid; }
    bool specialCharacters() const { return m_marks; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void paintMarks(QPainter &painter);

    QTextEdit *m_editor;
    bool m_grid = false;
    bool m_marks = false;
};

} // namespace lumetra
