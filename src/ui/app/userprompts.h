#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace lumetra {

// A file chosen in a document dialog, with the filter it was chosen under
// (1 native, 2 RTF); an empty path is Cancel.
struct DocumentChoice
{
    QString path;
    int filter = 1;
};

// Every message box and file dialog of the main window goes through here, so
// that the tests can answer them. Questions name 'Yes' and 'NO' in their text
// and keep buttons labelled Yes and No.
class UserPrompts
{
public:
    virtual ~UserPrompts() = default;

    // Yes/No confirmation; true for Yes.
    virtual bool question(QWidget *parent, const QString &text);
    // Yes/No/Cancel question with the question icon: QMessageBox::Yes, No or Cancel.
    virtual int questionYesNoCancel(QWidget *parent, const QString &caption, const QString &text);
    // Information box with OK.
    virtual void information(QWidget *parent, const QString &text);
    // Information box with OK under a caption of its own ("信息提示").
    virtual void notice(QWidget *parent, const QString &caption, const QString &text);
    // Confirmation box with the single button Yes ("保存成功!").
    virtual void confirmation(QWidget *parent, const QString &text);
    // The application error box: the reason and the file it concerns.
    virtual void error(QWidget *parent, const QString &text);

    // Project file dialogs; an empty result is Cancel.
    virtual QString openProjectFile(QWidget *parent, const QString &folder);
    virtual QString saveProjectFile(QWidget *parent, const QString &folder, const QString &fileName);
    // The text panel's "打开": an existing text file; empty for Cancel.
    virtual QString openTextFile(QWidget *parent, const QString &folder);

    // The rich-text editor's document dialogs, both starting in folder; the
    // save dialog asks before overwriting.
    virtual DocumentChoice openDocumentFile(QWidget *parent, const QString &folder);
    virtual DocumentChoice saveDocumentFile(QWidget *parent, const QString &folder);

    static QString projectFilter();
    static QStringList documentFilters();
    static QString textFilter();
};

} // namespace lumetra
