#include "ui/content/documentactions.h"

#include "ui/content/actionicons.h"
#include "ui/content/colourpicker.h"
#include "ui/content/documentactions_p.h"
#include "ui/content/editoroverlay.h"
#include "ui/content/editorprompts.h"
#include "ui/content/tftablesize.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QRegularExpression>
#include <QStyle>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextList>
#include <QTextTable>
#include <QToolBar>
#include <QToolButton>

namespace lumetra {

namespace {

using ActionIcons::Glyph;
using TableEditing::Side;

QIcon standard(QStyle::StandardPixmap pixmap)
{
    return QApplication::style()->standardIcon(pixmap);
}

} // namespace

QAction *DocumentActions::Private::add(const char *name, const QString &caption, const QIcon &icon,
                                       const QKeySequence &shortcut, std::function<void()> handler)
{
    auto *action = new QAction(icon, caption, q);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    QString tip = caption;
    tip.remove(QStringLiteral("..."));
    tip.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
    action->setToolTip(tip);
    action->setStatusTip(tip);
    if (handler)
        QObject::connect(action, &QAction::triggered, q, [handler] { handler(); });
    actions[action->objectName()] = action;
    return action;
}

QAction *DocumentActions::Private::addToggle(const char *name, const QString &caption, const QIcon &icon,
                                             const QKeySequence &shortcut, std::function<void(bool)> handler)
{
    QAction *action = add(name, caption, icon, shortcut, {});
    action->setCheckable(true);
    QObject::connect(action, &QAction::triggered, q, [this, handler](bool on) {
        if (!updating)
            handler(on);
    });
    return action;
}

template <typename Target>
void DocumentActions::Private::place(Target *target, std::initializer_list<const char *> names) const
{
    for (const char *name : names) {
        if (name)
            target->addAction(get(name));
        else
            target->addSeparator();
    }
}

QAction *DocumentActions::Private::get(const char *name) const
{
    const auto found = actions.find(QString::fromLatin1(name));
    return found == actions.end() ? nullptr : found->second;
}

void DocumentActions::Private::createActions()
{
    QTextEdit *e = editor;
    // Main
    add("actFind", QStringLiteral("查找(&F)..."), ActionIcons::find(), QKeySequence::Find, [this] { showFind(false); });
    add("actFindNext", QStringLiteral("查找下一个(&N)"), QIcon(), QKeySequence::FindNext, [this] { findNext(); });
    add("actReplace", QStringLiteral("替换(&R)..."), ActionIcons::edit(ActionIcons::Edit::Replace),
        QKeySequence(Qt::CTRL | Qt::Key_H), [this] { showFind(true); });
    add("actCut", QStringLiteral("剪切(&T)"), QIcon::fromTheme("edit-cut", ActionIcons::edit(ActionIcons::Edit::Cut)),
        QKeySequence::Cut, [e] { e->cut(); });
    add("actCopy", QStringLiteral("复制(&C)"),
        QIcon::fromTheme("edit-copy", ActionIcons::edit(ActionIcons::Edit::Copy)), QKeySequence::Copy,
        [e] { e->copy(); });
    add("actPaste", QStringLiteral("粘贴(&P)"),
        QIcon::fromTheme("edit-paste", ActionIcons::edit(ActionIcons::Edit::Paste)), QKeySequence::Paste,
        [e] { e->paste(); });
    add("actUndo", QStringLiteral("撤消(&U)"), standard(QStyle::SP_ArrowBack), QKeySequence::Undo, [e] { e->undo(); });
    add("actRedo", QStringLiteral("重做(&R)"), standard(QStyle::SP_ArrowForward), QKeySequence::Redo,
        [e] { e->redo(); });
    add("actSelectAll", QStringLiteral("全选(&A)"), QIcon(), QKeySequence::SelectAll, [e] { e->selectAll(); });
    add("actPasteSpecial", QStringLiteral("选择性粘贴(&S)..."), QIcon(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_V),
        [this] { pasteSpecial(); });
    add("actInsertPicture", QStringLiteral("图片(&P)..."), ActionIcons::picture(), QKeySequence(),
        [this] { insertPicture(); });
    add("actInsertFile", QStringLiteral("文件(&F)..."), standard(QStyle::SP_FileIcon), QKeySequence(),
        [this] { insertFile(); });
    add("actInsertSymbol", QStringLiteral("符号(&S)..."), QIcon(), QKeySequence(), [this] { insertSymbol(); });
    addToggle("actShowSpecialCharacters", QStringLiteral("显示特殊字符(&S)"), ActionIcons::specialCharacters(),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_8), [this](bool on) { showSpecialCharacters(on); });

    // Character case
    add("actCaseUpper", QStringLiteral("大写"), QIcon(), QKeySequence(),
        [this] { changeCase(TextEditing::Case::Upper); });
    add("actCaseLower", QStringLiteral("小写"), QIcon(), QKeySequence(),
        [this] { changeCase(TextEditing::Case::Lower); });
    add("actCaseSentence", QStringLiteral("句首大写"), QIcon(), QKeySequence(),
        [this] { changeCase(TextEditing::Case::Sentence); });
    add("actCaseTitle", QStringLiteral("每个单词首字母大写"), QIcon(), QKeySequence(),
        [this] { changeCase(TextEditing::Case::Title); });
    add("actCaseToggle", QStringLiteral("切换大小写"), QIcon(), QKeySequence(Qt::SHIFT | Qt::Key_F3),
        [this] { changeCase(TextEditing::Case::Toggle); });

    // Formatting
    addToggle("actBold", QStringLiteral("粗体(&B)"), ActionIcons::glyph(Glyph::Bold), QKeySequence::Bold,
              [this](bool on) {
                  QTextCharFormat f;
                  f.setFontWeight(on ? QFont::Bold : QFont::Normal);
                  mergeCharFormat(f);
              });
    addToggle("actItalic", QStringLiteral("斜体(&I)"), ActionIcons::glyph(Glyph::Italic), QKeySequence::Italic,
              [this](bool on) {
                  QTextCharFormat f;
                  f.setFontItalic(on);
                  mergeCharFormat(f);
              });
    addToggle("actUnderline", QStringLiteral("下划线(&U)"), ActionIcons::glyph(Glyph::Underline),
              QKeySequence::Underline, [this](bool on) {
                  QTextCharFormat f;
                  f.setFontUnderline(on);
                  mergeCharFormat(f);
              });
    addToggle("actStrikeOut", QStringLiteral("删除线(&K)"), ActionIcons::glyph(Glyph::StrikeOut), QKeySequence(),
              [this](bool on) {
                  QTextCharFormat f;
                  f.setFontStrikeOut(on);
                  mergeCharFormat(f);
              });
    addToggle("actOverline", QStringLiteral("上划线(&O)"), ActionIcons::glyph(Glyph::Overline), QKeySequence(),
              [this](bool on) {
                  QTextCharFormat f;
                  f.setFontOverline(on);
                  mergeCharFormat(f);
              });
    addToggle("actAllCaps", QStringLiteral("全部大写(&A)"), ActionIcons::glyph(Glyph::AllCaps),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), [this](bool on) {
                  QTextCharFormat f;
                  f.setFontCapitalization(on ? QFont::AllUppercase : QFont::MixedCase);
                  mergeCharFormat(f);
              });
    auto sizeStep = [this](const std::function<qreal(qreal)> &size) {
        QTextCursor cursor = editor->textCursor();
        TextEditing::changePointSize(cursor, size, defaultPointSize());
        if (!cursor.hasSelection())
            editor->setTextCursor(cursor);
        updateStates();
    };
    add("actFontGrow", QStringLiteral("增大字体(&G)"), ActionIcons::glyph(Glyph::Grow),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Period),
        [sizeStep] { sizeStep([](qreal p) { return TextEditing::nextSize(p, true); }); });
    add("actFontShrink", QStringLiteral("减小字体(&S)"), ActionIcons::glyph(Glyph::Shrink),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Comma),
        [sizeStep] { sizeStep([](qreal p) { return TextEditing::nextSize(p, false); }); });
    add("actFontGrowOnePoint", QStringLiteral("增大一磅(&R)"), ActionIcons::glyph(Glyph::Grow),
        QKeySequence(Qt::CTRL | Qt::Key_BracketRight), [sizeStep] { sizeStep([](qreal p) { return p + 1; }); });
    add("actFontShrinkOnePoint", QStringLiteral("减小一磅(&H)"), ActionIcons::glyph(Glyph::Shrink),
        QKeySequence(Qt::CTRL | Qt::Key_BracketLeft), [sizeStep] { sizeStep([](qreal p) { return p - 1; }); });
    add("actFontColor", QStringLiteral("文字颜色(&C)..."), ActionIcons::colour("A", Qt::red), QKeySequence(), [this] {
        const QColor c = askColour(editor->currentCharFormat().foreground().color());
        if (c.isValid())
            setTextColour(c);
    });
    add("actFontBackColor", QStringLiteral("文字背景颜色(&K)..."), ActionIcons::colour("ab", Qt::yellow),
        QKeySequence(), [this] {
            const QColor c = askColour(editor->currentCharFormat().background().color());
            if (c.isValid())
                setTextBackground(c);
        });
    add("actFontStandard", QStringLiteral("字体(&F)... (Standard)"), QIcon(), QKeySequence(),
        [this] { fontStandard(); });
    add("actFontAdvanced", QStringLiteral("字体(&F)... (Advanced)"), QIcon(), QKeySequence(Qt::CTRL | Qt::Key_D),
        [this] { fontAdvanced(); });

    // Paragraph
    alignments = new QActionGroup(q);
    const std::tuple<const char *, const char16_t *, Qt::Alignment, QKeySequence> aligns[] = {
        {"actAlignLeft", u"左对齐(&L)", Qt::AlignLeft, QKeySequence(Qt::CTRL | Qt::Key_L)},
        {"actAlignCenter", u"居中(&E)", Qt::AlignHCenter, QKeySequence(Qt::CTRL | Qt::Key_E)},
        {"actAlignRight", u"右对齐(&R)", Qt::AlignRight, QKeySequence(Qt::CTRL | Qt::Key_R)},
        {"actAlignJustify", u"两端对齐(&J)", Qt::AlignJustify, QKeySequence(Qt::CTRL | Qt::Key_J)},
    };
    for (const auto &[name, caption, alignment, key] : aligns) {
        const Qt::Alignment a = alignment;
        QAction *action = addToggle(name, QString::fromUtf16(caption), ActionIcons::alignment(a), key, [this, a](bool) {
            QTextBlockFormat f;
            f.setAlignment(a);
            QTextCursor cursor = editor->textCursor();
            cursor.mergeBlockFormat(f);
        });
        alignments->addAction(action);
    }
    add("actIndentDec", QStringLiteral("减少缩进(&D)"), ActionIcons::indent(false),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M), [this] {
            QTextCursor cursor = editor->textCursor();
            TextEditing::changeIndent(cursor, -1);
            updateStates();
        });
    add("actIndentInc", QStringLiteral("增加缩进(&I)"), ActionIcons::indent(true), QKeySequence(Qt::CTRL | Qt::Key_M),
        [this] {
            QTextCursor cursor = editor->textCursor();
            TextEditing::changeIndent(cursor, 1);
            updateStates();
        });
    add("actParaColor", QStringLiteral("段落背景颜色(&B)..."), ActionIcons::colour(QStringLiteral("¶"), Qt::blue),
        QKeySequence(), [this] {
            const QColor c = askColour(editor->textCursor().blockFormat().background().color());
            if (c.isValid())
                setParagraphColour(c);
        });

    // Format
    add("actBackground", QStringLiteral("背景(&B)..."), QIcon(), QKeySequence(), [this] { documentBackground(); });
    add("actBackColor", QStringLiteral("背景颜色(&C)..."), QIcon(), QKeySequence(),
        [this] { documentBackgroundColour(); });
    add("actFillColor", QStringLiteral("填充颜色(&F)..."), QIcon(), QKeySequence(), [this] { fillColour(); });
    add("actItemProperties", QStringLiteral("对象属性(&I)..."), QIcon(), QKeySequence(), [this] { itemProperties(); });

    createTableActions();
}

void DocumentActions::Private::createTableActions()
{
    using ActionIcons::Table;
    using TableEditing::Selection;
    auto command = [this](bool (*f)(QTextCursor &)) { return [this, f] { tableCommand(f); }; };
    add("actInsertColumnLeft", QStringLiteral("在左侧插入列(&L)"), ActionIcons::table(Table::ColumnLeft),
        QKeySequence(), [this] { tableCommand([](QTextCursor &c) { return TableEditing::insertColumns(c, false); }); });
    add("actInsertColumnRight", QStringLiteral("在右侧插入列(&R)"), ActionIcons::table(Table::ColumnRight),
        QKeySequence(), [this] { tableCommand([](QTextCursor &c) { return TableEditing::insertColumns(c, true); }); });
    add("actInsertRowAbove", QStringLiteral("在上方插入行(&A)"), ActionIcons::table(Table::RowAbove), QKeySequence(),
        [this] { tableCommand([](QTextCursor &c) { return TableEditing::insertRows(c, false); }); });
    add("actInsertRowBelow", QStringLiteral("在下方插入行(&B)"), ActionIcons::table(Table::RowBelow), QKeySequence(),
        [this] { tableCommand([](QTextCursor &c) { return TableEditing::insertRows(c, true); }); });
    add("actDeleteRows", QStringLiteral("删除行(&W)"), ActionIcons::table(Table::DeleteRows), QKeySequence(),
        command(&TableEditing::deleteRows));
    add("actDeleteColumns", QStringLiteral("删除列(&O)"), ActionIcons::table(Table::DeleteColumns), QKeySequence(),
        command(&TableEditing::deleteColumns));
    add("actDeleteTable", QStringLiteral("删除表格(&D)"), ActionIcons::table(Table::DeleteTable), QKeySequence(),
        command(&TableEditing::deleteTable));
    add("actMergeCells", QStringLiteral("合并单元格(&M)"), ActionIcons::table(Table::Merge), QKeySequence(),
        command(&TableEditing::mergeCells));
    add("actSplitCells", QStringLiteral("拆分单元格(&P)"), ActionIcons::table(Table::Split), QKeySequence(),
        command(&TableEditing::splitCells));
    const std::tuple<const char *, const char16_t *, Selection> selections[] = {
        {"actSelectTable", u"表格(&T)", Selection::Table},
        {"actSelectColumns", u"列(&C)", Selection::Columns},
        {"actSelectRows", u"行(&R)", Selection::Rows},
        {"actSelectCell", u"单元格(&E)", Selection::Cell},
    };
    for (const auto &[name, caption, what] : selections) {
        const Selection w = what;
        add(name, QString::fromUtf16(caption), QIcon(), QKeySequence(), [this, w] {
            QTextCursor cursor = editor->textCursor();
            if (TableEditing::select(cursor, w))
                editor->setTextCursor(cursor);
        });
    }
    const std::tuple<const char *, const char16_t *, ActionIcons::Border, Side> sides[] = {
        {"actCellBorderLeft", u"左边框(&L)", ActionIcons::Border::Left, Side::Left},
        {"actCellBorderRight", u"右边框(&R)", ActionIcons::Border::Right, Side::Right},
        {"actCellBorderTop", u"上边框(&T)", ActionIcons::Border::Top, Side::Top},
        {"actCellBorderBottom", u"下边框(&B)", ActionIcons::Border::Bottom, Side::Bottom},
    };
    for (const auto &[name, caption, icon, side] : sides) {
        const Side s = side;
        addToggle(name, QString::fromUtf16(caption), ActionIcons::border(icon), QKeySequence(),
                  [this, s](bool on) { cellBorder(s, on); });
    }
    add("actCellBorderAll", QStringLiteral("所有边框(&A)"), ActionIcons::border(ActionIcons::Border::All),
        QKeySequence(), [this] { cellBorders(true); });
    add("actCellBorderNone", QStringLiteral("无边框(&N)"), ActionIcons::border(ActionIcons::Border::None),
        QKeySequence(), [this] { cellBorders(false); });
    cellAlignments = new QActionGroup(q);
    const std::tuple<const char *, const char16_t *, Qt::Alignment, QTextCharFormat::VerticalAlignment> valigns[] = {
        {"actCellAlignTop", u"顶端(&T)", Qt::AlignTop, QTextCharFormat::AlignTop},
        {"actCellAlignMiddle", u"居中(&M)", Qt::AlignVCenter, QTextCharFormat::AlignMiddle},
        {"actCellAlignBottom", u"底端(&B)", Qt::AlignBottom, QTextCharFormat::AlignBottom},
        {"actCellAlignDefault", u"默认(&D)", Qt::AlignTop, QTextCharFormat::AlignNormal},
    };
    for (const auto &[name, caption, icon, alignment] : valigns) {
        const QTextCharFormat::VerticalAlignment a = alignment;
        QAction *action = addToggle(
            name, QString::fromUtf16(caption), ActionIcons::cellAlignment(icon), QKeySequence(),
            [this, a](bool) { tableCommand([a](QTextCursor &c) { return TableEditing::setCellAlignment(c, a); }); });
        cellAlignments->addAction(action);
    }
    get("actCellAlignDefault")->setIcon(QIcon());
    addToggle("actShowGridLines", QStringLiteral("显示网格线(&G)"), ActionIcons::table(Table::Grid), QKeySequence(),
              [this](bool on) { overlay->setGridLines(on); });
    add("actTableProperties", QStringLiteral("表格属性(&P)..."), QIcon(), QKeySequence(),
        [this] { tableProperties(); });
}

void DocumentActions::Private::updateStates()
{
    updating = true;
    const QTextCursor cursor = editor->textCursor();
    const QTextCharFormat f = editor->currentCharFormat();
    get("actBold")->setChecked(f.fontWeight() >= QFont::Bold);
    get("actItalic")->setChecked(f.fontItalic());
    get("actUnderline")->setChecked(f.fontUnderline());
    get("actStrikeOut")->setChecked(f.fontStrikeOut());
    get("actOverline")->setChecked(f.fontOverline());
    get("actAllCaps")->setChecked(f.fontCapitalization() == QFont::AllUppercase);

    const Qt::Alignment a = cursor.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    const char *align = "actAlignLeft";
    if (a & Qt::AlignHCenter)
        align = "actAlignCenter";
    else if ((a & Qt::AlignJustify) == Qt::AlignJustify)
        align = "actAlignJustify";
    else if (a & Qt::AlignRight)
        align = "actAlignRight";
    get(align)->setChecked(true);
    get("actIndentDec")->setEnabled(cursor.blockFormat().indent() > 0);

    const bool inTable = cursor.currentTable() != nullptr;
    for (const char *name : {"actInsertColumnLeft", "actInsertColumnRight", "actInsertRowAbove",   "actInsertRowBelow",
                             "actDeleteRows",       "actDeleteColumns",     "actDeleteTable",      "actSelectTable",
                             "actSelectColumns",    "actSelectRows",        "actSelectCell",       "actCellBorderLeft",
                             "actCellBorderRight",  "actCellBorderTop",     "actCellBorderBottom", "actCellBorderAll",
                             "actCellBorderNone",   "actCellAlignTop",      "actCellAlignMiddle",  "actCellAlignBottom",
                             "actCellAlignDefault", "actTableProperties"})
        get(name)->setEnabled(inTable);
    get("actMergeCells")->setEnabled(TableEditing::canMerge(cursor));
    get("actSplitCells")->setEnabled(TableEditing::canSplit(cursor));
    get("actCellBorderLeft")->setChecked(inTable && TableEditing::cellBorder(cursor, Side::Left) > 0);
    get("actCellBorderRight")->setChecked(inTable && TableEditing::cellBorder(cursor, Side::Right) > 0);
    get("actCellBorderTop")->setChecked(inTable && TableEditing::cellBorder(cursor, Side::Top) > 0);
    get("actCellBorderBottom")->setChecked(inTable && TableEditing::cellBorder(cursor, Side::Bottom) > 0);
    const char *cellAlign = "actCellAlignDefault";
    switch (TableEditing::cellAlignment(cursor)) {
    case QTextCharFormat::AlignTop:
        cellAlign = "actCellAlignTop";
        break;
    case QTextCharFormat::AlignMiddle:
        cellAlign = "actCellAlignMiddle";
        break;
    case QTextCharFormat::AlignBottom:
        cellAlign = "actCellAlignBottom";
        break;
    default:
        break;
    }
    get(cellAlign)->setChecked(true);

    const bool selected = cursor.hasSelection();
    get("actCut")->setEnabled(selected && !editor->isReadOnly());
    get("actCopy")->setEnabled(selected);
    get("actPaste")->setEnabled(editor->canPaste());
    get("actPasteSpecial")->setEnabled(editor->canPaste());
    for (const char *name : {"actCaseUpper", "actCaseLower", "actCaseSentence", "actCaseTitle", "actCaseToggle"})
        get(name)->setEnabled(selected);
    get("actUndo")->setEnabled(editor->document()->isUndoAvailable());
    get("actRedo")->setEnabled(editor->document()->isRedoAvailable());
    updating = false;
}

DocumentActions::DocumentActions(QTextEdit *editor, QWidget *dialogParent) : QObject(editor), d(new Private)
{
    d->q = this;
    d->editor = editor;
    d->dialogParent = dialogParent ? dialogParent : editor;
    d->overlay = new EditorOverlay(editor);
    d->createActions();
    auto update = [this] { d->updateStates(); };
    connect(editor, &QTextEdit::currentCharFormatChanged, this, update);
    connect(editor, &QTextEdit::cursorPositionChanged, this, update);
    connect(editor, &QTextEdit::selectionChanged, this, update);
    connect(editor->document(), &QTextDocument::undoAvailable, this, update);
    connect(editor->document(), &QTextDocument::redoAvailable, this, update);
    connect(editor->document(), &QTextDocument::contentsChanged, this, update);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, update);
    d->updateStates();
}

DocumentActions::~DocumentActions()
{
    delete d;
}

QAction *DocumentActions::action(const QString &objectName) const
{
    const auto found = d->actions.find(objectName);
    return found == d->actions.end() ? nullptr : found->second;
}

QMenu *DocumentActions::Private::addSubmenu(QMenu *menu, const QString &caption, const char *name,
                                            std::initializer_list<const char *> items)
{
    QMenu *sub = menu->addMenu(caption);
    sub->setObjectName(QString::fromLatin1(name));
    for (const char *item : items) {
        if (item)
            sub->addAction(get(item));
        else
            sub->addSeparator();
    }
    return sub;
}

QToolButton *DocumentActions::Private::colourButton(QToolBar *bar, const char *name, const char *action,
                                                    const std::function<void(const QColor &)> &apply)
{
    auto *button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setDefaultAction(get(action));
    auto *picker = new ColourPicker(button);
    picker->setObjectName(QString::fromLatin1(name) + QStringLiteral("Picker"));
    picker->attach(button);
    QObject::connect(picker, &ColourPicker::colourChosen, q, apply);
    bar->addWidget(button);
    return button;
}

void DocumentActions::fillMainToolBar(QToolBar *bar)
{
    d->place(bar, {"actFind", "actReplace", nullptr, "actCut", "actCopy", "actPaste", nullptr, "actUndo", "actRedo",
                   nullptr, "actInsertPicture", "actShowSpecialCharacters"});
}

void DocumentActions::fillFormattingToolBar(QToolBar *bar)
{
    d->place(bar, {"actBold", "actItalic", "actUnderline", "actStrikeOut", "actOverline", nullptr,
                   "actFontGrowOnePoint", "actFontShrinkOnePoint"});
    d->colourButton(bar, "ToolButton36", "actFontColor", [this](const QColor &c) { d->setTextColour(c); });
    d->colourButton(bar, "ToolButton38", "actFontBackColor", [this](const QColor &c) { d->setTextBackground(c); });
    bar->addSeparator();
    d->place(bar, {"actAlignLeft", "actAlignCenter", "actAlignRight", "actAlignJustify", nullptr, "actIndentDec",
                   "actIndentInc"});
    d->colourButton(bar, "ToolButton39", "actParaColor", [this](const QColor &c) { d->setParagraphColour(c); });
}

void DocumentActions::fillTableToolBar(QToolBar *bar)
{
    d->place(bar, {"actInsertColumnLeft", "actInsertColumnRight", "actInsertRowAbove", "actInsertRowBelow", nullptr,
                   "actDeleteRows", "actDeleteColumns", "actDeleteTable", nullptr, "actMergeCells", "actSplitCells"});
}

void DocumentActions::fillCellBordersToolBar(QToolBar *bar)
{
    d->place(bar,
             {"actCellBorderLeft", "actCellBorderRight", "actCellBorderTop", "actCellBorderBottom", "actCellBorderAll",
              "actCellBorderNone", nullptr, "actCellAlignTop", "actCellAlignMiddle", "actCellAlignBottom"});
}

void DocumentActions::fillEditMenu(QMenu *menu)
{
    d->place(menu, {"actUndo", "actRedo", nullptr, "actCut", "actCopy", "actPaste", "actPasteSpecial", nullptr,
                    "actFind", "actFindNext", "actReplace", nullptr});
    d->addSubmenu(menu, QStringLiteral("更改大小写(&A)"), "menuCharCase",
                  {"actCaseUpper", "actCaseLower", "actCaseSentence", "actCaseTitle", "actCaseToggle"});
    menu->addSeparator();
    menu->addAction(d->get("actSelectAll"));
}

void DocumentActions::fillFontMenu(QMenu *menu)
{
    menu->addAction(d->get("actFontStandard"));
    menu->addAction(d->get("actFontAdvanced"));
    menu->addSeparator();
    d->addSubmenu(menu, QStringLiteral("大小"), "menuFontSize",
                  {"actFontShrink", "actFontGrow", nullptr, "actFontShrinkOnePoint", "actFontGrowOnePoint"});
    d->addSubmenu(menu, QStringLiteral("样式"), "menuFontStyle",
                  {"actBold", "actItalic", "actUnderline", "actStrikeOut", nullptr, "actAllCaps", "actOverline"});
    menu->addSeparator();
    menu->addAction(d->get("actFontColor"));
    menu->addAction(d->get("actFontBackColor"));
}

void DocumentActions::fillParagraphMenu(QMenu *menu)
{
    d->place(menu, {"actAlignLeft", "actAlignCenter", "actAlignRight", "actAlignJustify", nullptr, "actIndentDec",
                    "actIndentInc", nullptr, "actParaColor"});
}

void DocumentActions::fillFormatMenu(QMenu *menu)
{
    d->place(menu, {"actBackground", "actBackColor", "actFillColor", nullptr, "actItemProperties"});
}

void DocumentActions::fillInsertMenu(QMenu *menu)
{
    menu->addAction(d->get("actInsertFile"));
    menu->addAction(d->get("actInsertPicture"));
    menu->addAction(d->get("actInsertSymbol"));
}

void DocumentActions::fillTableMenu(QMenu *menu, QAction *insertTable)
{
    if (insertTable)
        menu->addAction(insertTable);
    d->place(menu, {"actInsertColumnLeft", "actInsertColumnRight", "actInsertRowAbove", "actInsertRowBelow", nullptr,
                    "actDeleteRows", "actDeleteColumns", "actDeleteTable", nullptr});
    d->addSubmenu(menu, QStringLiteral("选择(&T)"), "menuTableSelect",
                  {"actSelectTable", "actSelectColumns", "actSelectRows", "actSelectCell"});
    d->addSubmenu(menu, QStringLiteral("排列单元格内容(&N)"), "menuCellAlign",
                  {"actCellAlignTop", "actCellAlignMiddle", "actCellAlignBottom", nullptr, "actCellAlignDefault"});
    d->addSubmenu(menu, QStringLiteral("单元格边框(&E)"), "menuCellBorders",
                  {"actCellBorderLeft", "actCellBorderRight", "actCellBorderTop", "actCellBorderBottom", nullptr,
                   "actCellBorderAll", "actCellBorderNone"});
    menu->addSeparator();
    menu->addAction(d->get("actSplitCells"));
    menu->addAction(d->get("actMergeCells"));
    menu->addSeparator();
    menu->addAction(d->get("actShowGridLines"));
    menu->addAction(d->get("actTableProperties"));
}

QMenu *DocumentActions::contextMenu(QWidget *parent) const
{
    d->updateStates();
    auto *menu = new QMenu(parent);
    menu->setObjectName("EditorContextMenu");
    d->place(menu, {"actUndo", "actRedo", nullptr, "actCut", "actCopy", "actPaste", nullptr, "actSelectAll"});
    if (d->editor->textCursor().currentTable()) {
        menu->addSeparator();
        d->place(menu, {"actInsertRowAbove", "actInsertRowBelow", "actInsertColumnLeft", "actInsertColumnRight",
                        "actDeleteRows", "actDeleteColumns", nullptr, "actMergeCells", "actSplitCells", nullptr,
                        "actTableProperties"});
    }
    return menu;
}

bool DocumentActions::insertTableFromDialog()
{
    TF_TABLE_SIZE &dialog = TF_TABLE_SIZE::instance();
    dialog.prepare();
    if (EditorPrompts::exec(dialog) != QDialog::Accepted)
        return false;
    QTextCursor cursor = d->editor->textCursor();
    TableEditing::insertTable(cursor, dialog.values());
    d->editor->setTextCursor(cursor);
    d->editor->setFocus();
    return true;
}

void DocumentActions::applyFontFamily(const QString &family)
{
    QTextCharFormat f;
    f.setFontFamilies({family});
    d->mergeCharFormat(f);
}

void DocumentActions::applyPointSize(int points)
{
    if (points <= 0)
        return;
    QTextCharFormat f;
    f.setFontPointSize(points);
    d->mergeCharFormat(f);
}

} // namespace lumetra
