#pragma once

#include "model/records.h"
#include "project/templaterules.h"

#include <QWidget>

#include <array>

class QFrame;
class QLabel;

namespace lumetra {

// The whole-sign pane's content: the four template panels m1, M2, M3, M4,
// each with its zone panels (m1_1, M2_1 …) and their pictures (m1_bmp,
// M2_1_BMP …), at one pixel per LED. The bars and the visible panel can be
// dragged; what a drag means for the zones is the layout editor's.
class TemplatePreview : public QWidget
{
    Q_OBJECT
public:
    explicit TemplatePreview(QWidget *parent = nullptr);

    // Lays out the panel of the template for a W x H sign with the free sizes.
    void sizePanel(int templateId, int width, int height, const TemplateSplit &split);
    // showpanel without the model: hide all, show the template's panel (0 hides only).
    void showOnly(int templateId);
    void moveAll(int left, int top);

    QFrame *panel(int templateId) const;
    QFrame *zonePanel(int templateId, int zone) const;
    QLabel *zonePictureLabel(int templateId, int zone) const;
    std::array<QSize, MaxZonesUsed> zonePanelSizes(int templateId) const;
    // The free sizes as the template's zone panels show them.
    TemplateSplit split(int templateId) const;

    void setZonePicture(int templateId, int zone, const QImage &image);
    // The colour a zone panel shows where no picture is: blue for template 1, black otherwise.
    void colourZonePanels();

signals:
    void zonePictureClicked(int zone);
    // A bar drag ended (Splitter4 ends as Splitter3 does).
    void barMoved(int templateId);
    // A panel drag ended there; never left of or above the pane.
    void panelDropped(int left, int top);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool barEvent(QWidget *bar, QMouseEvent *mouse);
    bool panelEvent(QWidget *widget, QMouseEvent *mouse);
    void updateExtent(const QFrame *frame);

    struct TemplatePanel
    {
        QFrame *frame = nullptr;
        std::array<QFrame *, MaxZonesUsed> zones{};
        std::array<QLabel *, MaxZonesUsed> pictures{};
        std::array<QFrame *, 2> bars{};
        QSize sign;
    };
    std::array<TemplatePanel, 4> m_panels;

    // DragStart: where the pointer went down, relative to the control under it.
    QPoint m_dragStart;
    bool m_panelDrag = false;
    QWidget *m_bar = nullptr; // the bar being dragged
    int m_barGrab = 0;        // where on the bar it was taken
};

} // namespace lumetra
