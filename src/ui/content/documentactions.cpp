#include "ui/content/documentactions.h"

#include <QMenu>
#include <QTextCursor>
#include <QTextEdit>

namespace lumetra {

// Stand-in until the editing actions arrive: no actions of its own, the
// editor's standard menu and the two font operations the window needs.
struct DocumentActions::Private
{
    QTextEdit *editor = nullptr;
};

DocumentActions::DocumentActions(QTextEdit *editor, QWidget *dialogParent)
    : QObject(dialogParent), d(new Private{editor})
{
}

DocumentActions::~DocumentActions()
{
    delete d;
}

QAction *DocumentActions::action(const QString &) const
{
    return nullptr;
}

void DocumentActions::fillMainToolBar(QToolBar *) {}
void DocumentActions::fillFormattingToolBar(QToolBar *) {}
void DocumentActions::fillTableToolBar(QToolBar *) {}
void DocumentActions::fillCellBordersToolBar(QToolBar *) {}
void DocumentActions::fillEditMenu(QMenu *) {}
void DocumentActions::fillFontMenu(QMenu *) {}
void DocumentActions::fillParagraphMenu(QMenu *) {}
void DocumentActions::fillFormatMenu(QMenu *) {}
void DocumentActions::fillInsertMenu(QMenu *) {}
void DocumentActions::fillTableMenu(QMenu *, QAction *) {}

QMenu *DocumentActions::contextMenu(QWidget *parent) const
{
    QMenu *menu = d->editor->createStandardContextMenu();
    menu->setParent(parent, menu->windowFlags());
    return menu;
}

bool DocumentActions::insertTableFromDialog()
{
    return false;
}

static void mergeIntoSelection(QTextEdit *editor, const QTextCharFormat &format)
{
    QTextCursor cursor = editor->textCursor();
    if (cursor.hasSelection())
        cursor.mergeCharFormat(format);
    editor->mergeCurrentCharFormat(format);
}

void DocumentActions::applyFontFamily(const QString &family)
{
    QTextCharFormat format;
    format.setFontFamilies({family});
    mergeIntoSelection(d->editor, format);
}

void DocumentActions::applyPointSize(int points)
{
    QTextCharFormat format;
    format.setFontPointSize(points);
    mergeIntoSelection(d->editor, format);
}

} // namespace lumetra
