#include "ui/content/editorprompts.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace lumetra {

namespace {

int realModal(QDialog &dialog)
{
    return dialog.exec();
}

QString realOpenFile(QWidget *parent, const QString &caption, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QColor realColour(QWidget *parent, const QColor &initial)
{
    return QColorDialog::getColor(initial, parent);
}

std::optional<QFont> realFont(QWidget *parent, const QFont &initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent);
    if (!ok)
        return std::nullopt;
    return font;
}

void realWarning(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text);
}

} // namespace

std::function<int(QDialog &)> EditorPrompts::runModal = realModal;
std::function<QString(QWidget *, const QString &, const QString &)> EditorPrompts::openFile = realOpenFile;
std::function<QColor(QWidget *, const QColor &)> EditorPrompts::colour = realColour;
std::function<std::optional<QFont>(QWidget *, const QFont &)> EditorPrompts::font = realFont;
std::function<void(QWidget *, const QString &, const QString &)> EditorPrompts::warning = realWarning;

int EditorPrompts::exec(QDialog &dialog)
{
    return runModal ? runModal(dialog) : dialog.exec();
}

void EditorPrompts::reset()
{
    runModal = realModal;
    openFile = realOpenFile;
    colour = realColour;
    font = realFont;
    warning = realWarning;
}

} // namespace lumetra
