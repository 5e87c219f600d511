#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <functional>
#include <optional>

class QDialog;
class QWidget;

namespace lumetra {

// Every modal dialog and box the editing actions open goes through here, so
// that a test can answer it without a blocking event loop. The defaults run
// the real dialogs.
struct EditorPrompts
{
    // QDialog::exec() by default; answers a QDialog::DialogCode.
    static std::function<int(QDialog &)> runModal;
    // A file to open, or "" when cancelled.
    static std::function<QString(QWidget *, const QString &caption, const QString &filter)> openFile;
    // A colour, or an invalid one when cancelled.
    static std::function<QColor(QWidget *, const QColor &initial)> colour;
    static std::function<std::optional<QFont>(QWidget *, const QFont &initial)> font;
    // A warning box with its title.
    static std::function<void(QWidget *, const QString &title, const QString &text)> warning;

    static int exec(QDialog &dialog);
    // Restores the real dialogs.
    static void reset();
};

} // namespace lumetra
