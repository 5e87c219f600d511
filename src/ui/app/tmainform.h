#pragma once

#include "model/workspace.h"
#include "project/zonerenderers.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>

#include <memory>

class QButtonGroup;
class QLabel;
class QMenu;
class QScrollArea;
class QTextDocument;

namespace Ui {
class TMAINForm;
}

namespace lumetra {

class AboutBox;
class CommandTable;
class ControlCommands;
class ProgramNavigator;
class ProgramTree;
class PropertyWindow;
class SendCommands;
class SavingWindow;
class StatusPanels;
class TemplateChooser;
class TemplatePreview;
class TForm3;
class UserPrompts;
class ZoneLayoutEditor;
class ZoomView;

// The main window: it owns the workspace and every panel, runs the file
// commands and the exit sequence. The tree's behaviour is ProgramNavigator's.
class TMAINForm : public QMainWindow
{
    Q_OBJECT
public:
    // home: the application home holding Project/.
    explicit TMAINForm(const QString &home, QWidget *parent = nullptr);
    ~TMAINForm() override;

    Workspace &workspace() { return m_workspace; }
    ZoneRenderers &renderers() { return m_renderers; }
    ProgramNavigator *navigator() const { return m_navigator; }
    ZoneLayoutEditor *layoutEditor() const { return m_layoutEditor; }
    ZoomView *zoomView() const { return m_zoomView; }
    ProgramTree *tree() const { return m_tree; }
    TemplatePreview *preview() const { return m_preview; }
    PropertyWindow *properties() const { return m_properties; }
    TemplateChooser *templateChooser() const { return m_templateChooser; }
    CommandTable *commands() const { return m_commands.get(); }
    StatusPanels *statusPanels() const { return m_status; }
    UserPrompts &prompts() { return *m_prompts; }
    SendCommands *sendCommands() const { return m_send; }
    ControlCommands *controlCommands() const { return m_control; }
    // Tests answer the message boxes and file dialogs here.
    void setPrompts(std::unique_ptr<UserPrompts> prompts);

    // The file commands; false when nothing was saved.
    void fileNew();
    void fileOpen();
    bool saveFromMenu();
    bool saveFromToolbar();
    bool saveAs();
    void showAbout();

    // "进入编辑": the rich-text editor for the current zone, shown modally.
    void BitBtn1Click();
    // Shows the current zone from its content file; for a rich-text zone
    // without its file it opens the editor.
    void Open();
    // Tests show the editor without blocking; the default runs it modally.
    void setEditorRunner(std::function<void(TForm3 &)> runner) { m_runEditor = std::move(runner); }
    TForm3 *richTextEditor() const;
    QTextDocument *richTextDocument() const { return m_richText.get(); }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildWindow();
    void buildPopupMenus();
    void connectCommands();
    void refreshStatus();
    // ApplayCom after every load into the editors; Combo1Change for the
    // status bar's port list.
    void applyPortSettings();
    void Combo1Change(const QString &port);
    bool askToSaveChanges();
    void showFirstProgramAfterOpen();
    bool runSave(const QString &path, bool asNewPath);

    QString m_home;
    Workspace m_workspace;
    ZoneRenderers m_renderers;
    std::unique_ptr<UserPrompts> m_prompts;
    std::unique_ptr<Ui::TMAINForm> m_ui;
    std::unique_ptr<CommandTable> m_commands;
    ProgramTree *m_tree = nullptr;
    QButtonGroup *m_zoneKinds = nullptr;
    TemplatePreview *m_preview = nullptr;
    PropertyWindow *m_properties = nullptr;
    QLabel *m_zoomPicture = nullptr;
    QScrollArea *m_zoomPane = nullptr;
    StatusPanels *m_status = nullptr;
    TemplateChooser *m_templateChooser = nullptr;
    SavingWindow *m_savingWindow = nullptr;
    AboutBox *m_aboutBox = nullptr;
    ProgramNavigator *m_navigator = nullptr;
    ZoneLayoutEditor *m_layoutEditor = nullptr;
    ZoomView *m_zoomView = nullptr;
    QMenu *m_treeMenu = nullptr;
    QMenu *m_zoomMenu = nullptr;
    // New keeps the path of the project open before; the first save after
    // it goes through Save As so that file is not overwritten unasked.
    bool m_unsavedNewProject = false;
    SendCommands *m_send = nullptr;
    ControlCommands *m_control = nullptr;
    std::shared_ptr<QTextDocument> m_richText;
    QPointer<TForm3> m_editorWindow;
    std::function<void(TForm3 &)> m_runEditor;
};

} // namespace lumetra
