#include "ui/app/tmainform.h"

#include "ui_tmainform.h"

#include "content/richtextzone.h"
#include "content/zonebitmap.h"
#include "link/portsettings.h"
#include "model/apphome.h"
#include "model/contentfiles.h"
#include "model/error.h"
#include "model/projectfile.h"
#include "ui/app/aboutbox.h"
#include "ui/app/commandtable.h"
#include "ui/app/savingwindow.h"
#include "ui/app/statuspanels.h"
#include "ui/app/userprompts.h"
#include "ui/app/zonerendering.h"
#include "ui/content/textpanel.h"
#include "ui/content/tform3.h"
#include "ui/layout/clockpanel.h"
#include "ui/layout/zonelayouteditor.h"
#include "ui/layout/zoomview.h"
#include "ui/link/controlcommands.h"
#include "ui/link/sendcommands.h"
#include "ui/link/signpreview.h"
#include "ui/project/programnavigator.h"
#include "ui/project/programtree.h"
#include "ui/project/propertywindow.h"
#include "ui/project/schedulepanel.h"
#include "ui/project/templatechooser.h"
#include "ui/project/templatepreview.h"
#include "ui/project/zonepropertiespanel.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

namespace lumetra {

namespace {
// The preview panes: grey, with their title near the right edge.
void preparePane(QScrollArea *pane, const QString &title, const QString &titleName)
{
    QWidget *viewport = pane->viewport();
    QPalette palette = viewport->palette();
    palette.setColor(QPalette::Window, QColor(102, 102, 102));
    viewport->setPalette(palette);
    viewport->setBackgroundRole(QPalette::Window);
    viewport->setAutoFillBackground(true);
    // QScrollArea makes its widget fill its own background: give it the pane's colour.
    pane->widget()->setPalette(palette);
    auto *label = new QLabel(title, viewport);
    label->setObjectName(titleName);
    QFont font(QStringLiteral("黑体"));
    font.setPixelSize(32);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    label->adjustSize();
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
}

// Keeps a pane's title near its right edge.
class TitlePlacer : public QObject
{
public:
    TitlePlacer(QScrollArea *pane, QLabel *title) : QObject(pane), m_pane(pane), m_title(title)
    {
        pane->viewport()->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Resize) {
            m_title->move(std::max(0, m_pane->viewport()->width() - m_title->width() - 16), 4);
            m_title->raise();
        }
        return false;
    }

private:
    QScrollArea *m_pane;
    QLabel *m_title;
};
} // namespace

TMAINForm::TMAINForm(const QString &home, QWidget *parent)
    : QMainWindow(parent), m_home(home), m_prompts(std::make_unique<UserPrompts>()),
      m_ui(std::make_unique<Ui::TMAINForm>()), m_runEditor([](TForm3 &editor) { editor.exec(); })
{
    // Creation handler, in its order.
    m_workspace.ReplyAddressSource = 2;
    m_workspace.ReplyCount = 0;
    m_workspace.ReplyCode = 0;
    m_workspace.UiReady = 0;
    m_workspace.ClockLoading = 0;
    m_workspace.LayoutLoading = 0;
    m_workspace.PlayModeLoading = 1;
    m_workspace.FirstShow = true;
    m_workspace.WorkingProgramCount = 0;

    const InstalledRenderers shared = installZoneRenderers(m_renderers);
    m_richText = shared.richText;
    buildWindow();

    // The zone editors keep the hook's renderers, and with them their glyphs.
    TextPanelParts text;
    text.window = this;
    text.signPane = m_preview;
    text.zoom = m_zoomView;
    text.renderer = shared.text;
    text.renderZone = [this](int program, int slot) { m_navigator->renderZone(program, slot); };
    text.prompts = [this]() -> UserPrompts & { return *m_prompts; };
    text.statusChanged = [this] { refreshStatus(); };
    m_properties->textPanel()->attach(std::move(text));
    ClockPanelParts clock;
    clock.window = this;
    clock.signPane = m_preview;
    clock.zoom = m_zoomView;
    clock.renderer = shared.clock;
    clock.prompts = [this]() -> UserPrompts & { return *m_prompts; };
    m_properties->clockPanel()->attach(std::move(clock));

    m_navigator->resetTree();
    setProjectPath(m_workspace, AppHome::defaultProjectPath(home));
    m_workspace.CurrentDisplay = 0;
    setWindowTitle(AppHome::windowTitle(home));
}

TMAINForm::~TMAINForm() = default;

void TMAINForm::setPrompts(std::unique_ptr<UserPrompts> prompts)
{
    m_prompts = std::move(prompts);
}

void TMAINForm::buildWindow()
{
    m_ui->setupUi(this);
    setFixedSize(1016, 703);
    setCursor(Qt::PointingHandCursor);
    m_commands = std::make_unique<CommandTable>(*m_ui);

    m_tree = m_ui->OBJECT_TREE;
    m_zoneKinds = new QButtonGroup(m_ui->RadioGroup1);
    m_zoneKinds->addButton(m_ui->RadioGroup1_0, TextZone);
    m_zoneKinds->addButton(m_ui->RadioGroup1_1, ClockZone);
    m_zoneKinds->addButton(m_ui->RadioGroup1_2, PictureZone);

    m_preview = m_ui->TemplatePreview;
    m_zoomPane = m_ui->ScrollBox2;
    m_zoomPicture = m_ui->Image1;
    m_zoomView = new ZoomView(m_ui->Image1, m_ui->Image100, this);
    preparePane(m_ui->ScrollBox1, QStringLiteral("显示屏整体阅览"), QStringLiteral("Label35"));
    preparePane(m_zoomPane, QStringLiteral("分区放大阅览"), QStringLiteral("Label24"));
    for (QScrollArea *pane : {m_ui->ScrollBox1, m_ui->ScrollBox2})
        new TitlePlacer(pane, pane->viewport()->findChild<QLabel *>(QString(), Qt::FindDirectChildrenOnly));
    m_ui->Splitter5->setStyleSheet(QStringLiteral("QSplitter#Splitter5::handle { background: rgb(0, 0, 255); }"));
    m_ui->Splitter5->setSizes({263, 120});

    m_properties = new PropertyWindow(m_workspace, m_ui->PropertyDockContent);
    m_properties->setFixedHeight(236);
    m_ui->PropertyDockLayout->addWidget(m_properties);
    // The bottom dock spans the width under the program dock.
    setCorner(Qt::BottomLeftCorner, Qt::BottomDockWidgetArea);

    m_status = new StatusPanels(statusBar(), m_home);

    // The other windows of start-up, hidden until used.
    m_templateChooser = new TemplateChooser(this);
    m_savingWindow = new SavingWindow(this);
    m_aboutBox = new AboutBox(this);

    NavigatorParts parts;
    parts.window = this;
    parts.tree = m_tree;
    parts.preview = m_preview;
    parts.properties = m_properties;
    parts.zoneKinds = m_zoneKinds;
    parts.zoomPicture = m_zoomPicture;
    parts.showResult = [this](const QImage &picture) { m_zoomView->showPicture(picture); };
    parts.templateChooser = m_templateChooser;
    parts.deleteActions = {m_commands->menuDeleteProgram, m_commands->toolDelete};
    parts.prompts = [this]() -> UserPrompts & { return *m_prompts; };
    // Every load into the editors ends by applying the display's port.
    parts.statusChanged = [this] { applyPortSettings(); };
    parts.openPictureZone = [this] { Open(); };
    m_navigator = new ProgramNavigator(m_workspace, m_renderers, parts, this);
    m_layoutEditor = new ZoneLayoutEditor(m_workspace, m_navigator, m_preview, m_properties, this);

    buildPopupMenus();
    connectCommands();
    connect(m_status->portSelector(), &QComboBox::textActivated, this, &TMAINForm::Combo1Change);
    connect(m_properties->richTextButton(), &QPushButton::clicked, this, &TMAINForm::BitBtn1Click);
    connect(m_navigator, &ProgramNavigator::pictureZoneEditRequested, this, &TMAINForm::BitBtn1Click);
}

void TMAINForm::buildPopupMenus()
{
    m_treeMenu = new QMenu(this);
    m_treeMenu->setObjectName(QStringLiteral("PopupMenu2"));
    const struct
    {
        const char *name;
        QString caption;
        int kind;
    } kinds[3] = {{"N5", QStringLiteral("设置文本分区"), TextZone},
                  {"N7", QStringLiteral("设置成时钟分区"), ClockZone},
                  {"N9", QStringLiteral("设置成图文分区"), PictureZone}};
    for (const auto &k : kinds) {
        QAction *action = m_treeMenu->addAction(ProgramTree::image(k.kind), k.caption);
        action->setObjectName(QString::fromLatin1(k.name));
        const int kind = k.kind;
        connect(action, &QAction::triggered, this, [this, kind] { m_navigator->setZoneKindFromMenu(kind); });
    }
    connect(m_tree, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        if (ProgramTree::isZoneNode(m_tree->currentItem()))
            m_treeMenu->popup(m_tree->viewport()->mapToGlobal(at));
    });

    m_zoomMenu = new QMenu(this);
    m_zoomMenu->setObjectName(QStringLiteral("PopupMenu1"));
    void (ZoomView::*const zoomHandlers[5])() = {&ZoomView::N11Click, &ZoomView::N12Click, &ZoomView::N13Click,
                                                 &ZoomView::N14Click, &ZoomView::N15Click};
    for (int k = 1; k <= 5; ++k) {
        if (k > 1)
            m_zoomMenu->addSeparator();
        QAction *action = m_zoomMenu->addAction(QStringLiteral("放大%1倍").arg(k));
        action->setObjectName(QStringLiteral("N%1").arg(10 + k));
        connect(action, &QAction::triggered, m_zoomView, zoomHandlers[k - 1]);
    }
    auto popupZoom = [this](QWidget *source, const QPoint &at) { m_zoomMenu->popup(source->mapToGlobal(at)); };
    connect(m_zoomPane, &QWidget::customContextMenuRequested, this,
            [this, popupZoom](const QPoint &at) { popupZoom(m_zoomPane, at); });
    connect(m_zoomPicture, &QWidget::customContextMenuRequested, this,
            [this, popupZoom](const QPoint &at) { popupZoom(m_zoomPicture, at); });
}

void TMAINForm::connectCommands()
{
    CommandTable &c = *m_commands;
    for (QAction *a : {c.menuNew, c.toolNew})
        connect(a, &QAction::triggered, this, &TMAINForm::fileNew);
    for (QAction *a : {c.menuOpen, c.toolOpen})
        connect(a, &QAction::triggered, this, &TMAINForm::fileOpen);
    connect(c.menuSave, &QAction::triggered, this, &TMAINForm::saveFromMenu);
    connect(c.toolSave, &QAction::triggered, this, &TMAINForm::saveFromToolbar);
    for (QAction *a : {c.menuSaveAs, c.toolSaveAs})
        connect(a, &QAction::triggered, this, &TMAINForm::saveAs);
    for (QAction *a : {c.menuExit, c.toolExit})
        connect(a, &QAction::triggered, this, &QWidget::close);
    for (QAction *a : {c.menuAddProgram, c.toolAdd})
        connect(a, &QAction::triggered, m_navigator, &ProgramNavigator::addProgram);
    for (QAction *a : {c.menuDeleteProgram, c.toolDelete})
        connect(a, &QAction::triggered, m_navigator, &ProgramNavigator::deleteProgram);
    connect(c.menuAbout, &QAction::triggered, this, &TMAINForm::showAbout);
    // A new stay time can turn the zone into one continuous line: the text
    // panel renders it as every other text setting does.
    m_properties->zoneProperties()->setTextZoneRerender([this] { m_properties->textPanel()->memo1Change(); });

    SendCommands::Parts send;
    send.window = this;
    send.home = m_home;
    send.workspace = &m_workspace;
    send.navigator = m_navigator;
    send.ports = m_status->portSelector();
    send.controllerActions = c.controllerActions();
    send.prompts = [this]() -> UserPrompts & { return *m_prompts; };
    m_send = new SendCommands(send);
    for (QAction *a : {c.menuSend, c.toolSend})
        connect(a, &QAction::triggered, m_send, &SendCommands::TBXItem7Click);
    connect(c.toolUsb, &QAction::triggered, m_send, &SendCommands::TBXItem13Click);

    ControlCommands::Parts control;
    control.window = this;
    control.workspace = &m_workspace;
    control.send = m_send;
    control.ports = m_status->portSelector();
    control.panels = m_status;
    control.defaultProject = AppHome::defaultProjectPath(m_home);
    control.prompts = send.prompts;
    m_control = new ControlCommands(control);
    for (QAction *a : {c.menuPowerOn, c.toolPowerOn})
        connect(a, &QAction::triggered, m_control, &ControlCommands::powerOn);
    for (QAction *a : {c.menuPowerOff, c.toolPowerOff})
        connect(a, &QAction::triggered, m_control, &ControlCommands::powerOff);
    for (QAction *a : {c.menuPause, c.toolPause})
        connect(a, &QAction::triggered, m_control, &ControlCommands::pauseDisplay);
    for (QAction *a : {c.menuResume, c.toolResume})
        connect(a, &QAction::triggered, m_control, &ControlCommands::resumeDisplay);
    for (QAction *a : {c.menuTimer, c.toolTimer, c.menuClock, c.toolClock})
        connect(a, &QAction::triggered, m_control, &ControlCommands::openTimer);
    for (QAction *a : {c.menuBrightness, c.toolBrightness})
        connect(a, &QAction::triggered, m_control, &ControlCommands::openBrightness);
    connect(c.toolBorder, &QAction::triggered, m_control, &ControlCommands::openBorder);
    connect(c.toolFind, &QAction::triggered, m_control, &ControlCommands::TBXItem17Click);
    connect(c.menuHardware, &QAction::triggered, m_control, &ControlCommands::TBXItem16Click);
    connect(c.toolHardware, &QAction::triggered, this, [this] {
        m_control->TBXItem16Click();
        m_navigator->showpanel(0);
    });
    for (QAction *a : {c.menuPreview, c.toolPreview})
        connect(a, &QAction::triggered, m_send, &SendCommands::previewClick);
}

void TMAINForm::refreshStatus()
{
    m_status->refresh(m_workspace);
}

void TMAINForm::applyPortSettings()
{
    try {
        PortSettings::ApplayCom(m_workspace, AppHome::defaultProjectPath(m_home));
    } catch (const Error &error) {
        m_prompts->error(this, error.text());
    }
    refreshStatus();
}

void TMAINForm::Combo1Change(const QString &port)
{
    QStringList ports;
    QComboBox *list = m_status->portSelector();
    for (int i = 0; i < list->count(); ++i)
        ports << list->itemText(i);
    if (!port.isEmpty() && !ports.contains(port))
        ports << port; // a typed device path counts as a port
    try {
        PortSettings::Combo1Change(m_workspace, ports, port, AppHome::defaultProjectPath(m_home));
    } catch (const Error &error) {
        m_prompts->error(this, error.text());
    }
    refreshStatus();
}

void TMAINForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Restoring a minimised window is no show of the form.
    if (event->spontaneous())
        return;
    Workspace &ws = m_workspace;
    ws.UiReady = 0;
    if (ws.FirstShow) {
        m_preview->showOnly(0);
        ws.PlayModeLoading = 0;
        m_preview->moveAll(m_navigator->TemplateLeft, m_navigator->TemplateTop);
        ws.FirstShow = false;
        try {
            LoadProject(ws, ws.ProjectPath);
        } catch (const Error &error) {
            // The editor still starts, on an empty display of the file's default size.
            ws.WorkingSettings.ScreenWidth = 128;
            ws.WorkingSettings.ScreenHeight = 32;
            InitLedDispJiemu(ws);
            m_prompts->error(this, error.text());
        }
        m_tree->setCurrentItem(m_tree->root());
        m_navigator->buildTree();
        refreshStatus();
    }
    if (ws.display().ProgramCount > 0) {
        m_navigator->sizeTemplatePanel(ws.display().ProgramCount);
        m_preview->showOnly(ws.CurrentTemplate);
    }
    move(0, 0);
    m_navigator->Loadtoscreen(1);
    ws.UiReady = 200;
    if (ws.display().ProgramCount > 0) {
        m_navigator->find_fenqu(1);
        m_navigator->OBJECT_TREEMouseDown(false);
    }
}

void TMAINForm::closeEvent(QCloseEvent *event)
{
    if (!m_prompts->question(this, QStringLiteral("请确定是否退出该系统?\r\n退出按'Yes',不退出按'NO'."))) {
        event->ignore();
        return;
    }
    Workspace &ws = m_workspace;
    if (ws.ModifiedFlag > 0 &&
        m_prompts->question(this, QStringLiteral("请确定是否保存信息?\r\n保存按'Yes',不保存按'NO'."))) {
        ws.UiReady = 0;
        ws.ClockLoading = 200;
        const bool saved = saveFromMenu();
        ws.UiReady = 200;
        ws.ClockLoading = 0;
        // A failed save keeps the window, and the work in it, open.
        if (!saved) {
            event->ignore();
            return;
        }
    }
    // The preview's sign goes with the editor.
    if (SignPreview *preview = m_send->preview())
        preview->stop();
    event->accept();
}

bool TMAINForm::askToSaveChanges()
{
    // Leaving a changed project for another is a question, as leaving the editor is.
    if (m_workspace.ModifiedFlag <= 0)
        return true;
    if (!m_prompts->question(this, QStringLiteral("请确定是否保存信息?\r\n保存按'Yes',不保存按'NO'.")))
        return true;
    return saveFromMenu();
}

void TMAINForm::fileNew()
{
    if (!askToSaveChanges())
        return;
    Workspace &ws = m_workspace;
    m_navigator->resetTree();
    newProject(ws);
    ws.ModifiedFlag = 0;
    m_navigator->showpanel(0);
    m_properties->schedule()->setScheduleVisible(false);
    m_navigator->Loadtoscreen(0);
    m_unsavedNewProject = true;
}

void TMAINForm::fileOpen()
{
    Workspace &ws = m_workspace;
    QString path = m_prompts->openProjectFile(this, ws.ProjectFolder);
    if (!path.isEmpty() && !askToSaveChanges())
        return;
    if (!path.isEmpty()) {
        if (QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".Zvp");
        ws.UiReady = 0;
        try {
            openProject(ws, path);
            m_navigator->resetTree();
            m_tree->setCurrentItem(m_tree->root());
            m_navigator->buildTree();
            ws.ModifiedFlag = 0;
            m_unsavedNewProject = false;
        } catch (const Error &error) {
            // The project open before stays open, unchanged.
            m_prompts->error(this, error.text());
        }
    }
    showFirstProgramAfterOpen();
}

void TMAINForm::showFirstProgramAfterOpen()
{
    Workspace &ws = m_workspace;
    if (ws.display().ProgramCount > 0 && ws.CurrentProgram >= 1)
        m_navigator->sizeTemplatePanel(ws.CurrentProgram);
    m_preview->showOnly(0);
    if (ws.display().ProgramCount > 0) {
        ws.CurrentProgram = 1;
        m_navigator->find_jiemu();
        m_navigator->OBJECT_TREEMouseDown(false);
    }
    ws.UiReady = 200;
}

bool TMAINForm::runSave(const QString &path, bool asNewPath)
{
    m_savingWindow->showNow();
    try {
        if (asNewPath)
            saveProjectAs(m_workspace, path);
        else
            saveProject(m_workspace);
        // Zone bitmaps are written into ExtFile/ beside the project.
        ensureExtFileFolder(m_workspace);
    } catch (const Error &error) {
        m_savingWindow->hide();
        m_prompts->error(this, error.text());
        return false;
    }
    m_savingWindow->hide();
    m_prompts->confirmation(this, QStringLiteral("保存成功!"));
    return true;
}

bool TMAINForm::saveFromMenu()
{
    if (m_unsavedNewProject)
        return saveAs();
    return runSave(m_workspace.ProjectPath, false);
}

bool TMAINForm::saveFromToolbar()
{
    Workspace &ws = m_workspace;
    ws.UiReady = 0;
    ws.ClockLoading = 200;
    const bool saved = saveFromMenu();
    if (saved)
        ws.ModifiedFlag = 0;
    ws.ClockLoading = 0;
    ws.UiReady = 200;
    if (ws.display().ProgramCount > 0 && ws.CurrentProgram >= 1) {
        m_navigator->find_fenqu(1);
        m_navigator->OBJECT_TREEMouseDown(false);
    }
    return saved;
}

bool TMAINForm::saveAs()
{
    Workspace &ws = m_workspace;
    QString path = m_prompts->saveProjectFile(this, ws.ProjectFolder, ws.ProjectFileName);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".Zvp");
    if (!runSave(path, true))
        return false;
    m_unsavedNewProject = false;
    return true;
}

void TMAINForm::showAbout()
{
    m_aboutBox->exec();
}

TForm3 *TMAINForm::richTextEditor() const
{
    return m_editorWindow;
}

void TMAINForm::BitBtn1Click()
{
    Workspace &ws = m_workspace;
    // One editor at a time: reloading the zone while it is open never opens another.
    if (m_editorWindow || ws.CurrentProgram < 1)
        return;
    const ZoneRecord &zone = ws.currentZone();
    RichTextEditorParts parts;
    parts.workspace = &ws;
    parts.prompts = [this]() -> UserPrompts & { return *m_prompts; };
    parts.closing = [this] { Open(); };
    auto *editor = new TForm3(std::move(parts), this);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->setZoneWidth(zone.Width);
    editor->statusPanel(0)->setText(QStringLiteral("分区大小:%1*%2").arg(zone.Width).arg(zone.Height));
    m_editorWindow = editor;
    m_runEditor(*editor);
}

void TMAINForm::Open()
{
    Workspace &ws = m_workspace;
    if (ws.CurrentProgram < 1 || ws.CurrentProgram > ws.display().ProgramCount)
        return;
    const int program = ws.CurrentProgram;
    const int slot = ws.CurrentZone;
    const ZoneRecord &zone = ws.currentZone();
    if (zone.ZoneType != PictureZone) {
        // The other kinds show themselves as the tree shows them.
        if (zone.ZoneType == TextZone)
            m_properties->textPanel()->Open();
        else
            m_navigator->renderZone(program, slot);
        return;
    }
    ws.StatusPanels[6].clear();
    try {
        if (zone.ContentFile.isEmpty()) {
            {
                const QSignalBlocker block(m_properties->memo());
                m_properties->memo()->clear();
            }
            QImage black(m_zoomPicture->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
            black.fill(Qt::black);
            ZoneBitmap::writeForZone(ws, program, slot, black);
        } else {
            const RichTextLoad load = RichTextZone::load(*m_richText, ws, zone);
            if (load.importFailed)
                m_prompts->notice(this, RichTextZone::importFailedTitle(), RichTextZone::importFailedText());
            if (load.loaded)
                ws.StatusPanels[6] = load.path;
            refreshStatus();
            if (load.fileMissing)
                BitBtn1Click();
            else
                RichTextZone::yuelanrtf(*m_richText, ws, program, slot);
        }
    } catch (const Error &error) {
        m_prompts->error(this, error.text());
    }
    refreshStatus();
    m_navigator->showZonePicture(program, slot);
}

} // namespace lumetra
