#pragma once

#include "ui/app/tmainform.h"
#include "ui/app/userprompts.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class QTreeWidgetItem;

namespace lumetra::test {

// Answers every box and dialog and keeps what was shown.
class TestPrompts : public UserPrompts
{
public:
    QStringList shown;      // every message text, in order
    QStringList errors;     // the error boxes among them
    QStringList captions;   // the captions of the boxes that have their own
    QList<bool> answers;    // answers to the questions in turn; Yes when none is left
    QString openPath;       // the file the open dialog returns ("" = Cancel)
    QString savePath;       // the file the save dialog returns
    QString saveDialogName; // the name the save dialog was opened on
    int saveDialogs = 0;
    QString textPath;            // the file the text panel's open dialog returns ("" = Cancel)
    QList<int> threeWayAnswers;  // QMessageBox::Yes, No or Cancel in turn; Yes when none is left
    DocumentChoice documentOpen; // the editor's open dialog
    DocumentChoice documentSave; // the editor's save dialog
    int documentSaveDialogs = 0;
    QStringList documentDialogFolders; // where the editor's dialogs started

    bool question(QWidget *, const QString &text) override;
    void information(QWidget *, const QString &text) override { shown << text; }
    void notice(QWidget *, const QString &caption, const QString &text) override
    {
        captions << caption;
        shown << text;
    }
    void confirmation(QWidget *, const QString &text) override { shown << text; }
    void error(QWidget *, const QString &text) override;
    QString openProjectFile(QWidget *, const QString &) override { return openPath; }
    QString saveProjectFile(QWidget *, const QString &, const QString &name) override;
    QString openTextFile(QWidget *, const QString &) override { return textPath; }
    int questionYesNoCancel(QWidget *, const QString &caption, const QString &text) override;
    DocumentChoice openDocumentFile(QWidget *, const QString &folder) override;
    DocumentChoice saveDocumentFile(QWidget *, const QString &folder) override;
};

// A seeded home in a temporary folder and the main window on it, shown.
class WindowFixture
{
public:
    // Runs before the window is created, e.g. to change the home's files.
    explicit WindowFixture(const std::function<void(const QString &home)> &prepare = {});

    TMAINForm &window() { return *m_window; }
    Workspace &ws() { return m_window->workspace(); }
    TestPrompts &prompts() { return *m_prompts; }
    QString home() const { return m_home; }

private:
    QTemporaryDir m_dir;
    QString m_home;
    std::unique_ptr<TMAINForm> m_window;
    TestPrompts *m_prompts = nullptr;
};

QTreeWidgetItem *node(TMAINForm &window, const QString &caption, const QString &parentCaption = QString());
// A click on the node, as the operator does it.
void clickNode(TMAINForm &window, QTreeWidgetItem *item);
// Answers the template chooser when it comes up: marks the tile (0: none), then OK or Cancel.
void answerTemplateChooser(TMAINForm &window, int templateId, bool ok = true);
QStringList childCaptions(QTreeWidgetItem *item);

} // namespace lumetra::test
