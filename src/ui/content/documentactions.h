#pragma once

#include <QObject>

class QAction;
class QMenu;
class QTextEdit;
class QToolBar;
class QWidget;

namespace lumetra {

// The ready-made editing actions of the rich-text editor: every command the
// window's toolbars and menus place, acting on one QTextEdit and its
// document. The window owns the menus and toolbars; these functions fill
// them in their order. Captions are Chinese; every action has an objectName.
class DocumentActions : public QObject
{
    Q_OBJECT
public:
    DocumentActions(QTextEdit *editor, QWidget *dialogParent);
    ~DocumentActions() override;

    // An action by its objectName, or nullptr.
    QAction *action(const QString &objectName) const;

    // Toolbars "Main", "Formatting", "Table", "Cell Borders".
    void fillMainToolBar(QToolBar *bar);
    void fillFormattingToolBar(QToolBar *bar); // colour buttons ToolButton36, ToolButton38, ToolButton39
    void fillTableToolBar(QToolBar *bar);
    void fillCellBordersToolBar(QToolBar *bar);

    // Menus "编辑(&E)", "字体(&N)", "段落(&P)", "格式(&O)", "插入(&I)", "表格(&T)".
    // insertTable is the window's own entry "插入表格", placed first.
    void fillEditMenu(QMenu *menu);
    void fillFontMenu(QMenu *menu);
    void fillParagraphMenu(QMenu *menu);
    void fillFormatMenu(QMenu *menu);
    void fillInsertMenu(QMenu *menu);
    void fillTableMenu(QMenu *menu, QAction *insertTable);

    // The standard editing menu for the editor's context menu.
    QMenu *contextMenu(QWidget *parent) const;

    // Insert a table through TF_TABLE_SIZE at the caret; false when cancelled.
    bool insertTableFromDialog();

    // Apply a face or a point size to the selection (or to what is typed
    // next) without a dialog.
    void applyFontFamily(const QString &family);
    void applyPointSize(int points);

private:
    struct Private;
    Private *d;
};

} // namespace lumetra
