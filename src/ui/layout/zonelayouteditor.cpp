#include "ui/layout/zonelayouteditor.h"

#include "project/programcommands.h"
#include "ui/project/programnavigator.h"
#include "ui/project/templatepreview.h"

#include <QSpinBox>

namespace lumetra {

ZoneLayoutEditor::ZoneLayoutEditor(Workspace &workspace, ProgramNavigator *navigator, TemplatePreview *preview,
                                   QWidget *boxes, QObject *parent)
    : QObject(parent), m_workspace(workspace), m_navigator(navigator), m_preview(preview)
{
    const struct
    {
        const char *name;
        LayoutBox box;
        void (ZoneLayoutEditor::*handler)();
    } table[4] = {{"e_x", LayoutBox::StartX, &ZoneLayoutEditor::e_xChange},
                  {"e_y", LayoutBox::StartY, &ZoneLayoutEditor::e_yChange},
                  {"E_H", LayoutBox::Height, &ZoneLayoutEditor::E_HChange},
                  {"E_W", LayoutBox::Width, &ZoneLayoutEditor::E_WChange}};
    for (const auto &entry : table) {
        auto *spin = boxes->findChild<QSpinBox *>(QString::fromLatin1(entry.name));
        if (!spin)
            continue;
        const BoxLimits limits = layoutBoxLimits(entry.box);
        spin->setRange(limits.minimum, limits.maximum);
        spin->setSingleStep(limits.step);
        // A typed number counts when it is complete (Enter or leaving the
        // box), not at every digit: "100" must not pass through 10 first.
        spin->setKeyboardTracking(false);
        m_boxes[static_cast<std::size_t>(entry.box)] = spin;
        connect(spin, &QSpinBox::valueChanged, this, entry.handler);
    }

    connect(m_preview, &TemplatePreview::barMoved, this, [this](int templateId) {
        switch (templateId) {
        case 2:
            Splitter2Moved();
            break;
        case 3:
            Splitter1Moved();
            break;
        case 4:
            Splitter3Moved();
            break;
        default:
            break;
        }
    });
    connect(m_preview, &TemplatePreview::panelDropped, this, &ZoneLayoutEditor::panelDropped);
    connect(m_preview, &TemplatePreview::zonePictureClicked, this, &ZoneLayoutEditor::zonePictureMouseDown);
}

bool ZoneLayoutEditor::editable() const
{
    const Workspace &ws = m_workspace;
    return ws.CurrentProgram >= 1 && ws.CurrentProgram <= ws.display().ProgramCount;
}

void ZoneLayoutEditor::Splitter2Moved()
{
    barMoved(2);
}

void ZoneLayoutEditor::Splitter1Moved()
{
    barMoved(3);
}

void ZoneLayoutEditor::Splitter3Moved()
{
    barMoved(4);
}

void ZoneLayoutEditor::setBox(LayoutBox which, int value)
{
    if (QSpinBox *spin = box(which))
        spin->setValue(value);
}

void ZoneLayoutEditor::showZoneInBoxes(const std::array<ZoneRect, MaxZonesUsed> &rects)
{
    const ZoneRect r = boxesForZone(rects, m_workspace.CurrentZone);
    setBox(LayoutBox::Height, r.Height);
    setBox(LayoutBox::Width, r.Width);
    setBox(LayoutBox::StartX, r.X);
    setBox(LayoutBox::StartY, r.Y);
}

// Shows the free sizes on the panel, the current zone in the boxes, and
// writes the layout into the program's zones.
void ZoneLayoutEditor::applySplit(int templateId, const TemplateSplit &split)
{
    Workspace &ws = m_workspace;
    const int W = ws.display().ScreenWidth;
    const int H = ws.display().ScreenHeight;
    ws.LayoutLoading = 200;
    m_preview->sizePanel(templateId, W, H, split);
    showZoneInBoxes(layoutRects(templateId, W, H, split));
    ws.LayoutLoading = 0;
    if (writeLayout(ws.currentProgram(), templateId, W, H, m_preview->split(templateId)))
        markModified(ws);
}

void ZoneLayoutEditor::barMoved(int templateId)
{
    Workspace &ws = m_workspace;
    if (!editable() || ws.currentProgram().Template != templateId)
        return;
    applySplit(templateId, clampSplit(templateId, m_preview->split(templateId), ws.display().ScreenWidth,
                                      ws.display().ScreenHeight));
    m_navigator->find_jiemu();
    m_navigator->OBJECT_TREEMouseDown(false);
}

void ZoneLayoutEditor::e_xChange()
{
    boxChanged(LayoutBox::StartX);
}

void ZoneLayoutEditor::e_yChange()
{
    boxChanged(LayoutBox::StartY);
}

void ZoneLayoutEditor::E_HChange()
{
    boxChanged(LayoutBox::Height);
}

void ZoneLayoutEditor::E_WChange()
{
    boxChanged(LayoutBox::Width);
}

void ZoneLayoutEditor::boxChanged(LayoutBox which)
{
    Workspace &ws = m_workspace;
    if (ws.LayoutLoading >= 100 || !editable() || !box(which))
        return;
    const int templateId = ws.currentProgram().Template;
    const BoxEdit edit = boxEdited(which, templateId, ws.CurrentZone, box(which)->value(), m_preview->split(templateId),
                                   ws.display().ScreenWidth, ws.display().ScreenHeight);
    if (edit.reset) {
        ws.LayoutLoading = 200;
        setBox(which, *edit.reset);
        ws.LayoutLoading = 0;
        return;
    }
    if (edit.asBarDrag) {
        m_preview->sizePanel(templateId, ws.display().ScreenWidth, ws.display().ScreenHeight, edit.split);
        barMoved(templateId);
        return;
    }
    applySplit(templateId, edit.split);
    // The zone is shown again, rendered at its new size.
    m_navigator->find_fenqu(ws.CurrentZone);
    m_navigator->OBJECT_TREEMouseDown(false);
}

void ZoneLayoutEditor::panelDropped(int left, int top)
{
    m_navigator->TemplateLeft = left;
    m_navigator->TemplateTop = top;
}

void ZoneLayoutEditor::zonePictureMouseDown(int zone)
{
    Workspace &ws = m_workspace;
    if (!editable())
        return;
    ProgramRecord &program = ws.currentProgram();
    if (program.Template == 1) {
        const int W = ws.display().ScreenWidth;
        const int H = ws.display().ScreenHeight;
        ws.LayoutLoading = 200;
        setBox(LayoutBox::Height, H);
        setBox(LayoutBox::Width, W);
        setBox(LayoutBox::StartX, 0);
        setBox(LayoutBox::StartY, 0);
        ws.LayoutLoading = 0;
        if (writeLayout(program, 1, W, H, TemplateSplit{}))
            markModified(ws);
        zone = 1;
    }
    ws.CurrentZone = zone;
    m_navigator->find_fenqu(zone);
    m_navigator->OBJECT_TREEMouseDown(false);
}

} // namespace lumetra
