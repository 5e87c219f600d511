#pragma once

#include "model/workspace.h"
#include "project/zonerenderers.h"

#include <QObject>

#include <functional>

class QAction;
class QImage;
class QButtonGroup;
class QLabel;
class QTreeWidgetItem;
class QWidget;

namespace lumetra {

class ProgramTree;
class PropertyWindow;
class TemplateChooser;
class TemplatePreview;
class UserPrompts;

// What the navigator works on; all owned by the main window.
struct NavigatorParts
{
    QWidget *window = nullptr;
    ProgramTree *tree = nullptr;
    TemplatePreview *preview = nullptr;
    PropertyWindow *properties = nullptr;
    QButtonGroup *zoneKinds = nullptr;              // the items of RadioGroup1
    QLabel *zoomPicture = nullptr;                  // Image1
    std::function<void(const QImage &)> showResult; // the result view at factor 1
    TemplateChooser *templateChooser = nullptr;
    QList<QAction *> deleteActions;
    std::function<UserPrompts &()> prompts;
    std::function<void()> statusChanged;
    // The main window's Open of a rich-text zone; without it the zone is rendered.
    std::function<void()> openPictureZone;
};

// The program tree's behaviour: building it, the selection handling that
// fills the window from the model (OBJECT_TREEMouseDown, Loadtoscreen),
// adding and deleting programs, and the zone-kind controls.
class ProgramNavigator : public QObject
{
    Q_OBJECT
public:
    ProgramNavigator(Workspace &workspace, ZoneRenderers &renderers, NavigatorParts parts, QObject *parent = nullptr);

    int TemplateLeft = 30;
    int TemplateTop = 30;

    // Program and zone nodes for programs 1..ProgramCount, leaving the
    // selection at the last zone of the last program.
    void buildTree();
    void resetTree();

    // fromTree: started by the tree itself (a program node then shows the schedule panel).
    void OBJECT_TREEMouseDown(bool fromTree = false);
    void Loadtoscreen(int mode);
    bool find_jiemu();
    bool find_fenqu(int zone);

    // The template panel of the program sized from its zones and shown (showpanel).
    void sizeTemplatePanel(int programNumber);
    void showpanel(int templateId);

    void addProgram();
    void deleteProgram();

    // RadioGroup1 and the tree's pop-up commands.
    void RadioGroup1Click();
    void setZoneKindFromMenu(int kind);

    // Renders one zone (hook for the renderers) and shows its bitmap.
    void renderZone(int program, int slot);
    // The zone's saved bitmap into its template panel (and the result view when current).
    void showZonePicture(int program, int slot);

signals:
    void pictureZoneEditRequested();

private:
    void showProgramNode(QTreeWidgetItem *node, bool fromTree);
    void showZoneNode(QTreeWidgetItem *node);
    void setDeleteEnabled(bool enabled);
    void showResult(const QImage &picture);

    Workspace &m_workspace;
    ZoneRenderers &m_renderers;
    NavigatorParts m_parts;
};

} // namespace lumetra
