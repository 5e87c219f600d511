#include "ui/project/programnavigator.h"

#include "content/textfaces.h"
#include "model/contentfiles.h"
#include "model/gbk.h"
#include "project/programcommands.h"
#include "project/templaterules.h"
#include "project/treecaptions.h"
#include "project/zonepicture.h"
#include "project/zonepropertyrules.h"
#include "ui/app/userprompts.h"
#include "ui/content/textpanel.h"
#include "ui/layout/clockpanel.h"
#include "ui/project/programtree.h"
#include "ui/project/propertywindow.h"
#include "ui/project/schedulepanel.h"
#include "ui/project/templatechooser.h"
#include "ui/project/templatepreview.h"
#include "ui/project/zonepropertiespanel.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace lumetra {

ProgramNavigator::ProgramNavigator(Workspace &workspace, ZoneRenderers &renderers, NavigatorParts parts,
                                   QObject *parent)
    : QObject(parent), m_workspace(workspace), m_renderers(renderers), m_parts(std::move(parts))
{
    connect(m_parts.tree, &ProgramTree::selectionHandlingRequested, this, [this] { OBJECT_TREEMouseDown(true); });
    connect(m_parts.tree, &ProgramTree::pictureZoneEditRequested, this, [this] {
        if (m_workspace.CurrentProgram >= 1 && m_workspace.currentZone().ZoneType == PictureZone)
            emit pictureZoneEditRequested();
    });
    connect(m_parts.zoneKinds, &QButtonGroup::idClicked, this, &ProgramNavigator::RadioGroup1Click);
}

// Nodes are found by the caption rule rather than by ProgramName: a project
// written elsewhere may carry other names, and the captions always follow the
// program numbers.
static void setMemoText(QPlainTextEdit *memo, const QByteArray &text)
{
    const QSignalBlocker block(memo);
    memo->setPlainText(fromGbk(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void ProgramNavigator::resetTree()
{
    m_parts.tree->resetToRoot();
}

void ProgramNavigator::buildTree()
{
    ProgramTree *tree = m_parts.tree;
    const DisplayRecord &display = m_workspace.display();
    QTreeWidgetItem *last = nullptr;
    for (int n = 1; n <= display.ProgramCount; ++n) {
        const ProgramRecord &program = display.Programs[n];
        QTreeWidgetItem *node = tree->addProgramNode(n);
        m_workspace.CurrentProgram = n;
        m_workspace.CurrentTemplate = program.Template;
        for (int z = 1; z <= templateZoneCount(program.Template); ++z) {
            last = tree->addZoneNode(node, program.Template, z, program.Zones[z].ZoneType);
            m_workspace.CurrentZone = z;
        }
    }
    if (last)
        tree->setCurrentItem(last);
}

bool ProgramNavigator::find_jiemu()
{
    if (m_workspace.CurrentProgram < 1)
        return false;
    return m_parts.tree->find_jiemu(programCaption(m_workspace.CurrentProgram));
}

bool ProgramNavigator::find_fenqu(int zone)
{
    if (m_workspace.CurrentProgram < 1 || zone < 1 || zone > ZoneSlots)
        return false;
    const ProgramRecord &program = m_workspace.currentProgram();
    return m_parts.tree->find_fenqu(programCaption(m_workspace.CurrentProgram), zone, program.Zones[zone].ZoneType);
}

void ProgramNavigator::setDeleteEnabled(bool enabled)
{
    for (QAction *action : m_parts.deleteActions)
        action->setEnabled(enabled);
}

void ProgramNavigator::sizeTemplatePanel(int programNumber)
{
    const DisplayRecord &display = m_workspace.display();
    const ProgramRecord &program = display.Programs[programNumber];
    TemplateSplit split = splitFromProgram(program);
    // A zone record larger than the sign must not turn a panel inside out.
    split.h1 = std::clamp(split.h1, 0, std::max(0, display.ScreenHeight));
    split.w1 = std::clamp(split.w1, 0, std::max(0, display.ScreenWidth));
    split.w2 = std::clamp(split.w2, 0, std::max(0, display.ScreenWidth));
    m_parts.preview->sizePanel(program.Template, display.ScreenWidth, display.ScreenHeight, split);
}

void ProgramNavigator::showpanel(int templateId)
{
    m_parts.preview->showOnly(templateId);
    if (templateId < 1 || templateId > 4 || m_workspace.CurrentProgram < 1)
        return;
    const DisplayRecord &display = m_workspace.display();
    showpanelGeometry(m_workspace.currentProgram(), templateId, display.ScreenWidth, display.ScreenHeight,
                      m_parts.preview->zonePanelSizes(templateId));
}

void ProgramNavigator::showZonePicture(int program, int slot)
{
    const QImage picture = zonePicture(m_workspace, program, slot);
    m_parts.preview->setZonePicture(m_workspace.program(program).Template, slot, picture);
    if (program == m_workspace.CurrentProgram && slot == m_workspace.CurrentZone)
        showResult(picture);
}

void ProgramNavigator::showResult(const QImage &picture)
{
    if (m_parts.showResult)
        m_parts.showResult(picture);
    else if (m_parts.zoomPicture)
        m_parts.zoomPicture->setPixmap(QPixmap::fromImage(picture));
}

void ProgramNavigator::renderZone(int program, int slot)
{
    m_renderers.render(m_workspace, program, slot);
    showZonePicture(program, slot);
}

void ProgramNavigator::Loadtoscreen(int mode)
{
    Workspace &ws = m_workspace;
    ws.ClockLoading = 200;
    ws.LayoutLoading = 200;

    const DisplayRecord &d = ws.display();
    WorkingSettingsRecord &s = ws.WorkingSettings;
    s.ScreenWidth = d.ScreenWidth;
    s.ScreenHeight = d.ScreenHeight;
    s.ColorType = d.ColorType;
    s.GrayLevel = d.GrayLevel;
    s.RefreshRate = d.RefreshRate;
    s.CardModel = d.CardModel;
    s.UsbCarriesSettings = d.UsbCarriesSettings;
    s.CardAddress = d.CardAddress;
    s.PowerOnHour = d.PowerOnHour;
    s.PowerOnMinute = d.PowerOnMinute;
    s.PowerOffHour = d.PowerOffHour;
    s.PowerOffMinute = d.PowerOffMinute;
    s.DayBrightnessHour = d.DayBrightnessHour;
    s.DayBrightnessMinute = d.DayBrightnessMinute;
    s.NightBrightnessHour = d.NightBrightnessHour;
    s.NightBrightnessMinute = d.NightBrightnessMinute;
    s.DayBrightness = d.DayBrightness;
    s.NightBrightness = d.NightBrightness;
    s.ColorThreshold = d.ColorThreshold;
    s.DataLogic = d.DataLogic;
    s.OeLogic = d.OeLogic;
    s.PowerOnText = d.PowerOnText;
    s.LinkType = d.LinkType;

    ws.StatusPanels[1] = colorTypeName(d.ColorType);
    ws.ComPort.PortName = d.SerialPort;
    ws.StatusPanels[4] = fromGbk(d.SerialPort);
    ws.StatusPanels[5] = QString::number(d.BaudRate);
    ws.StatusPanels[9] = QStringLiteral("注册用户:") + fromGbk(d.UserName);
    ws.StatusPanels[3] = linkTypeName(d.LinkType);
    ws.StatusPanels[2] = unitBoardTypeName(d.UnitBoardType);

    const bool program = mode > 0 && ws.CurrentProgram >= 1 && ws.CurrentProgram <= d.ProgramCount;
    if (program) {
        ProgramRecord &p = ws.currentProgram();
        ws.CurrentTemplate = p.Template;
        // A program shows one of its own zones, not a slot left over from another.
        ws.CurrentZone = std::clamp(ws.CurrentZone, 1, p.ZoneCount);
        const ZoneRecord &zone = ws.currentZone();
        sizeTemplatePanel(ws.CurrentProgram);
        if (QAbstractButton *button = m_parts.zoneKinds->button(zone.ZoneType)) {
            const QSignalBlocker block(m_parts.zoneKinds);
            button->setChecked(true);
        }
        if (zone.ZoneType == TextZone)
            m_parts.properties->textPanel()->setSwitches(zone);
        m_parts.properties->fillGeometry(zone);
        m_parts.properties->zoneProperties()->fill(zone);
        m_parts.properties->schedule()->fill(p);
        if (m_parts.zoomPicture) {
            const int height = zone.ContentHeight > 0 ? zone.ContentHeight : zone.Height;
            m_parts.zoomPicture->setFixedSize(std::max(1, zone.Width), std::max(1, height));
        }
    }
    m_parts.properties->schedule()->setScheduleVisible(mode > 0);

    ws.ClockLoading = 0;
    ws.LayoutLoading = 0;
    if (m_parts.statusChanged)
        m_parts.statusChanged();
}

void ProgramNavigator::showProgramNode(QTreeWidgetItem *node, bool fromTree)
{
    Workspace &ws = m_workspace;
    if (fromTree)
        m_parts.properties->showSchedulePanel();
    m_parts.properties->schedule()->setScheduleTitle(node->text(0) + QStringLiteral("属性信息"));
    ws.CurrentDisplay = std::max(0, displayIndexFromCaption(node->parent()->text(0)));
    const int n = programNumberFromCaption(node->text(0));
    if (n < 1 || n > ws.display().ProgramCount)
        return;
    ws.CurrentProgram = n;
    Loadtoscreen(1);

    const ProgramRecord &program = ws.currentProgram();
    for (int z = 1; z <= program.ZoneCount; ++z) {
        ws.CurrentZone = z;
        const ZoneRecord &zone = program.Zones[z];
        if (zone.ZoneType == TextZone && !zone.ContentFile.isEmpty()) {
            const QFileInfo file(contentFilePath(ws, zone.ContentFile));
            const bool text = file.exists() && file.suffix().compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0;
            setMemoText(m_parts.properties->memo(), text ? zone.Text : QByteArray());
        }
        // A clock draws itself; text and rich text need their file.
        if (!zone.ContentFile.isEmpty() &&
            (zone.ZoneType == ClockZone || QFileInfo::exists(contentFilePath(ws, zone.ContentFile))))
            m_renderers.render(ws, n, z);
        showZonePicture(n, z);
    }
    setDeleteEnabled(true);
    m_parts.properties->schedule()->setScheduleVisible(true);
    showpanel(program.Template);
}

void ProgramNavigator::showZoneNode(QTreeWidgetItem *node)
{
    Workspace &ws = m_workspace;
    PropertyWindow *properties = m_parts.properties;
    properties->showPropertyPanels();
    properties->schedule()->setScheduleVisible(true);
    QTreeWidgetItem *programNode = node->parent();
    properties->zoneProperties()->setTitle(programNode->text(0) + node->text(0));
    if (programNode->parent())
        ws.CurrentDisplay = std::max(0, displayIndexFromCaption(programNode->parent()->text(0)));
    const int n = programNumberFromCaption(programNode->text(0));
    const int z = zoneNumberFromCaption(node->text(0));
    if (n < 1 || n > ws.display().ProgramCount || z < 1 || z > MaxZonesUsed)
        return;
    ws.CurrentProgram = n;
    ws.CurrentZone = z;
    const ProgramRecord &program = ws.currentProgram();
    ws.CurrentTemplate = program.Template;
    ProgramTree::setImage(node, program.Zones[z].ZoneType);

    Loadtoscreen(2);
    showpanel(program.Template);

    const ZoneRecord &zone = ws.currentZone();
    switch (zone.ZoneType) {
    case ClockZone:
        properties->showEditor(PropertyWindow::ClockEditor);
        break;
    case PictureZone:
        properties->showEditor(PropertyWindow::RichTextLauncher);
        break;
    default:
        properties->showEditor(PropertyWindow::TextEditor);
        break;
    }
    m_parts.preview->colourZonePanels();

    ws.LayoutLoading = 200;
    properties->fillGeometry(zone);
    ws.LayoutLoading = 0;

    // The zone's content into its editor, then its picture.
    for (int slot = 1; slot <= program.ZoneCount; ++slot)
        if (slot != z)
            showZonePicture(n, slot);
    if (zone.ZoneType == TextZone)
        properties->textPanel()->Open();
    else if (zone.ZoneType == PictureZone && m_parts.openPictureZone)
        m_parts.openPictureZone();
    else
        renderZone(n, z);
}

void ProgramNavigator::OBJECT_TREEMouseDown(bool fromTree)
{
    Workspace &ws = m_workspace;
    ProgramTree *tree = m_parts.tree;
    ws.ClockLoading = 200;
    ws.UiReady = 0;
    m_parts.preview->moveAll(TemplateLeft, TemplateTop);
    setDeleteEnabled(false);
    if (tree->topLevelItemCount() == 0)
        return;

    QTreeWidgetItem *node = tree->currentItem();
    if (!node) {
        node = tree->root();
        tree->setCurrentItem(node);
    }
    if (ProgramTree::isRoot(node))
        Loadtoscreen(0);
    else if (ProgramTree::isProgramNode(node))
        showProgramNode(node, fromTree);
    else
        showZoneNode(node);

    if (node->parent()) {
        tree->setFocus();
        if (ws.CurrentProgram >= 1 && ws.currentZone().ZoneType == ClockZone)
            m_parts.properties->clockPanel()->szcl();
        ws.ClockLoading = 0;
    }
    ws.UiReady = 200;
}

void ProgramNavigator::addProgram()
{
    Workspace &ws = m_workspace;
    ws.UiReady = 0;
    if (m_parts.zoomPicture) {
        QImage black(m_parts.zoomPicture->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        black.fill(Qt::black);
        showResult(black);
    }
    ws.CurrentZone = 1;
    if (programLimitReached(ws)) {
        m_parts.prompts().information(m_parts.window, programLimitMessage(ws));
    } else if (m_parts.templateChooser->exec() == QDialog::Accepted) {
        const int templateId = m_parts.templateChooser->markedTemplate();
        lumetra::addProgram(ws, templateId);
        ProgramTree *tree = m_parts.tree;
        tree->setCurrentItem(tree->root());
        sizeTemplatePanel(ws.CurrentProgram);
        m_parts.preview->showOnly(templateId);
        QTreeWidgetItem *node = tree->addProgramNode(ws.CurrentProgram);
        QTreeWidgetItem *last = nullptr;
        for (int z = 1; z <= ws.currentProgram().ZoneCount; ++z)
            last = tree->addZoneNode(node, templateId, z, TextZone);
        tree->setCurrentItem(last);
        Loadtoscreen(2);
    }
    ws.UiReady = 0;
    m_parts.tree->setFocus();
    find_fenqu(ws.CurrentZone);
    OBJECT_TREEMouseDown(false);
}

void ProgramNavigator::deleteProgram()
{
    Workspace &ws = m_workspace;
    ProgramTree *tree = m_parts.tree;
    QTreeWidgetItem *node = tree->currentItem();
    if (!ProgramTree::isProgramNode(node))
        return;
    const QString caption = node->text(0);
    if (!m_parts.prompts().question(m_parts.window, QStringLiteral("请确定是否删除") + caption +
                                                        QStringLiteral("?\r\n删除则按'Yes',不则按'NO'.")))
        return;
    const int n = programNumberFromCaption(caption);
    showpanel(0);
    delete node;
    lumetra::deleteProgram(ws, n);
    for (QTreeWidgetItem *item : tree->nodes()) {
        if (!ProgramTree::isProgramNode(item))
            continue;
        const int m = programNumberFromCaption(item->text(0));
        if (m > n)
            item->setText(0, programCaption(m - 1));
    }
    // Show what is now selected, so that no panel goes on editing the
    // program that was removed.
    if (!find_jiemu())
        tree->setCurrentItem(tree->root());
    OBJECT_TREEMouseDown(true);
}

void ProgramNavigator::RadioGroup1Click()
{
    Workspace &ws = m_workspace;
    if (ws.UiReady <= 0 || ws.CurrentProgram < 1)
        return;
    ProgramTree *tree = m_parts.tree;
    const QString caption = tree->currentItem() ? tree->currentItem()->text(0) : QString();
    const int kind = m_parts.zoneKinds->checkedId();
    const QString text = m_parts.properties->memo()->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    setZoneKind(ws, kind, toGbk(text));
    const QString name = programCaption(ws.CurrentProgram);
    for (QTreeWidgetItem *item : tree->nodes()) {
        if (item->parent() && item->parent()->text(0) == name && item->text(0) == caption) {
            tree->setCurrentItem(item);
            ProgramTree::setImage(item, kind);
            break;
        }
    }
    tree->setFocus();
    find_fenqu(ws.CurrentZone);
    OBJECT_TREEMouseDown(false);
}

void ProgramNavigator::setZoneKindFromMenu(int kind)
{
    Workspace &ws = m_workspace;
    if (ws.CurrentProgram < 1)
        return;
    // "宋体" where the text panel's face list has it, -1 when it has not.
    lumetra::setZoneKindFromMenu(ws, kind, int(TextFaces::faceNames().indexOf(TextFaces::songTi())));
    find_fenqu(ws.CurrentZone);
    OBJECT_TREEMouseDown(false);
}

} // namespace lumetra
