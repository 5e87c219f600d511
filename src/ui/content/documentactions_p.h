#pragma once

#include "ui/content/documentactions.h"
#include "ui/content/tableediting.h"
#include "ui/content/textediting.h"

#include <QIcon>
#include <QKeySequence>
#include <QPointer>
#include <QTextCharFormat>

#include <functional>
#include <map>

class QActionGroup;
class QToolButton;

namespace lumetra {

class ColourPicker;
class FindReplaceDialog;
class EditorOverlay;

struct DocumentActions::Private
{
    DocumentActions *q = nullptr;
    QTextEdit *editor = nullptr;
    QWidget *dialogParent = nullptr;
    std::map<QString, QAction *> actions;
    QActionGroup *alignments = nullptr;
    QActionGroup *cellAlignments = nullptr;
    QPointer<FindReplaceDialog> find;
    EditorOverlay *overlay = nullptr;
    bool updating = false;

    QAction *add(const char *name, const QString &caption, const QIcon &icon, const QKeySequence &shortcut,
                 std::function<void()> handler);
    QAction *addToggle(const char *name, const QString &caption, const QIcon &icon, const QKeySequence &shortcut,
                       std::function<void(bool)> handler);
    QAction *get(const char *name) const;
    // The named actions in order; nullptr stands for a separator.
    template <typename Target> void place(Target *target, std::initializer_list<const char *> names) const;
    void createActions();
    void createTableActions();
    void updateStates();
    QMenu *addSubmenu(QMenu *menu, const QString &caption, const char *name, std::initializer_list<const char *> items);
    QToolButton *colourButton(QToolBar *bar, const char *name, const char *action,
                              const std::function<void(const QColor &)> &apply);

    // Character formats: merged into the selection, or into what is typed next.
    void mergeCharFormat(const QTextCharFormat &format);
    void clearCharProperty(int property);
    void setTextColour(const QColor &colour);
    void setTextBackground(const QColor &colour);
    void setCharBrush(int property, const QColor &colour);
    void setParagraphColour(const QColor &colour);
    qreal defaultPointSize() const;

    void showFind(bool replace);
    void findNext();
    void insertPicture();
    void insertFile();
    void insertSymbol();
    void pasteSpecial();
    void fontStandard();
    void fontAdvanced();
    void documentBackground();
    void documentBackgroundColour();
    void fillColour();
    void itemProperties();
    void tableProperties();
    void showSpecialCharacters(bool on);
    void changeCase(TextEditing::Case mode);
    void cellBorder(TableEditing::Side side, bool on);
    void cellBorders(bool on);
    bool tableCommand(const std::function<bool(QTextCursor &)> &command);
    QColor askColour(const QColor &initial) const;
    void warnUnreadable(const QString &path) const;
};

} // namespace lumetra
