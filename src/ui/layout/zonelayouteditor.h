#pragma once

#include "model/workspace.h"
#include "project/zonelayout.h"

#include <QObject>

#include <array>

class QSpinBox;
class QWidget;

namespace lumetra {

class ProgramNavigator;
class TemplatePreview;

// The zone layout on the whole-sign pane: bar drags, the coordinate boxes
// e_x, e_y, E_H, E_W, dragging the sign panel and clicks on zone pictures.
// Every change ends in the zone records and a reselection in the tree.
class ZoneLayoutEditor : public QObject
{
    Q_OBJECT
public:
    // boxes: where e_x, e_y, E_H and E_W live (found by object name).
    ZoneLayoutEditor(Workspace &workspace, ProgramNavigator *navigator, TemplatePreview *preview, QWidget *boxes,
                     QObject *parent = nullptr);

    void Splitter2Moved();
    void Splitter1Moved();
    void Splitter3Moved();

    void e_xChange();
    void e_yChange();
    void E_HChange();
    void E_WChange();

    // M1MouseUp … M4MouseUp: the panel stays there for every program.
    void panelDropped(int left, int top);
    // m1_bmpMouseDown, M2_1_BMPMouseDown …
    void zonePictureMouseDown(int zone);

private:
    void barMoved(int templateId);
    void boxChanged(LayoutBox box);
    void showZoneInBoxes(const std::array<ZoneRect, MaxZonesUsed> &rects);
    void setBox(LayoutBox box, int value);
    QSpinBox *box(LayoutBox box) const { return m_boxes[static_cast<std::size_t>(box)]; }
    bool editable() const;
    void applySplit(int templateId, const TemplateSplit &split);

    Workspace &m_workspace;
    ProgramNavigator *m_navigator;
    TemplatePreview *m_preview;
    std::array<QSpinBox *, 4> m_boxes{};
};

} // namespace lumetra
