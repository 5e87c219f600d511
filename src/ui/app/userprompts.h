#pragma once

#include <QString>

class QWidget;

namespace lumetra {

// Every message box and file dialog of the main window goes through here, so
// that the tests can answer them. Questions name 'Yes' and 'NO' in their text
// and keep buttons labelled Yes and No.
class UserPrompts
{
public:
    virtual ~UserPrompts() = default;

    // Yes/No confirmation; true for Yes.
    virtual bool question(QWidget *parent, const QString &text);
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

    static QString projectFilter();
    static QString textFilter();
};

} // namespace lumetra
