#pragma once

#include <QWidget>

class QTextEdit;

namespace lumetra {

// The pixel ruler above the rich-text editor: ticks across the text width
// and the current paragraph's indents (first line and left at the left,
// right at the right), which can be dragged.
class IndentRuler : public QWidget
{
    Q_OBJECT
public:
    explicit IndentRuler(QTextEdit *editor, QWidget *parent = nullptr);

    QSize sizeHint() const override;

    enum Marker { NoMarker, FirstLine, LeftIndent, RightIndent };
    // Where a marker stands, in ruler coordinates.
    int markerX(Marker marker) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int origin() const;
    int textWidth() const;
    void moveMarker(int x);

    QTextEdit *m_editor;
    Marker m_dragged = NoMarker;
};

} // namespace lumetra
