#pragma once

#include <QImage>
#include <QObject>

class QLabel;

namespace lumetra {

// The result view of the lower pane: Image1 (the zone's rendered bitmap)
// or Image100 (a text zone's continuous strip), enlarged by whole factors.
// The pictures stretch their bitmap to their own size by nearest neighbour,
// so that every LED stays a sharp block of its own colour.
class ZoomView : public QObject
{
    Q_OBJECT
public:
    ZoomView(QLabel *image1, QLabel *image100, QObject *parent = nullptr);

    // Unzoomed size of what the view shows, set with each picture shown.
    int ViewBaseWidth = 0;
    int ViewBaseHeight = 0;

    // A render's result at factor 1: the page stack in Image1, or the strip in Image100.
    void showPicture(const QImage &image);
    void showStrip(const QImage &image);

    void zoom(int factor);
    void N11Click() { zoom(1); }
    void N12Click() { zoom(2); }
    void N13Click() { zoom(3); }
    void N14Click() { zoom(4); }
    void N15Click() { zoom(5); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show(QLabel *shown, QLabel *hidden, const QImage &image);
    void stretch(QLabel *label);

    QLabel *m_image1;
    QLabel *m_image100;
};

} // namespace lumetra
