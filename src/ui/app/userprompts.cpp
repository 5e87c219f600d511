#include "ui/app/userprompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace lumetra {

static QString boxTitle()
{
    return QApplication::applicationDisplayName();
}

bool UserPrompts::question(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Question, boxTitle(), text, QMessageBox::NoButton, parent);
    // The text tells the operator to press 'Yes' or 'NO': the translated
    // standard buttons would not match it.
    QPushButton *yes = box.addButton(QStringLiteral("Yes"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

int UserPrompts::questionYesNoCancel(QWidget *parent, const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, parent);
    QPushButton *yes = box.addButton(QStringLiteral("Yes"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
    QPushButton *cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes)
        return QMessageBox::Yes;
    return box.clickedButton() == no ? QMessageBox::No : QMessageBox::Cancel;
}

void UserPrompts::information(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Information, boxTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

void UserPrompts::notice(QWidget *parent, const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

void UserPrompts::confirmation(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Question, boxTitle(), text, QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("Yes"), QMessageBox::YesRole);
    box.exec();
}

void UserPrompts::error(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, boxTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

QString UserPrompts::projectFilter()
{
    return QStringLiteral("VeRorIvaziro Format Files (*.Zvp)");
}

QString UserPrompts::textFilter()
{
    return QStringLiteral("VeRorIvaziro Format Files (*.txt)");
}

static QString runDialog(QWidget *parent, QFileDialog::AcceptMode mode, const QString &folder, const QString &name,
                         const QString &filter = UserPrompts::projectFilter(),
                         const QString &suffix = QStringLiteral("Zvp"))
{
    QFileDialog dialog(parent, QString(), folder, filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!name.isEmpty())
        dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString UserPrompts::openProjectFile(QWidget *parent, const QString &folder)
{
    return runDialog(parent, QFileDialog::AcceptOpen, folder, QString());
}

QString UserPrompts::saveProjectFile(QWidget *parent, const QString &folder, const QString &fileName)
{
    // QFileDialog asks before overwriting an existing file.
    return runDialog(parent, QFileDialog::AcceptSave, folder, fileName);
}

QString UserPrompts::openTextFile(QWidget *parent, const QString &folder)
{
    return runDialog(parent, QFileDialog::AcceptOpen, folder, QString(), textFilter(), QStringLiteral("ZVF"));
}

QStringList UserPrompts::documentFilters()
{
    return {QStringLiteral("ZaVivEvov Format Files (*.zvf)"), QStringLiteral("Word Format Files(*.rtf)")};
}

static DocumentChoice runDocumentDialog(QWidget *parent, QFileDialog::AcceptMode mode, const QString &folder)
{
    const QStringList filters = UserPrompts::documentFilters();
    QFileDialog dialog(parent, QString(), folder);
    dialog.setNameFilters(filters);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    // The editor adds the extension of the chosen filter to a bare name.
    return {dialog.selectedFiles().constFirst(), int(filters.indexOf(dialog.selectedNameFilter())) == 1 ? 2 : 1};
}

DocumentChoice UserPrompts::openDocumentFile(QWidget *parent, const QString &folder)
{
    return runDocumentDialog(parent, QFileDialog::AcceptOpen, folder);
}

DocumentChoice UserPrompts::saveDocumentFile(QWidget *parent, const QString &folder)
{
    return runDocumentDialog(parent, QFileDialog::AcceptSave, folder);
}

} // namespace lumetra
