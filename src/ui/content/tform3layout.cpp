// The editor window's controls: menus, toolbars, the editor and preview panes.
#include "ui/content/tform3.h"

#include "content/textfaces.h"
#include "ui/content/actionicons.h"
#include "ui/content/documentactions.h"
#include "ui/content/indentruler.h"
#include "ui/content/richviewedit.h"
#include "ui/layout/zoomview.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumetra {

namespace {

QLabel *guidance(const QString &text, QWidget *parent, int pixelSize = 12)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    return label;
}

void paintGrey(QWidget *widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(128, 128, 128));
    widget->setPalette(palette);
    widget->setBackgroundRole(QPalette::Window);
    widget->setAutoFillBackground(true);
}

// A toolbar button under the name the window's handlers know it by.
QAction *addButton(QToolBar *bar, const QString &name, const QIcon &icon, const QString &text)
{
    QAction *action = bar->addAction(icon, text);
    action->setObjectName(name);
    if (QWidget *button = bar->widgetForAction(action))
        button->setObjectName(name);
    return action;
}

QWidget *captioned(const QString &name, const QString &caption, QSpinBox *spin, QWidget *parent)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(name);
    auto *layout = new QHBoxLayout(panel);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(new QLabel(caption, panel));
    layout->addWidget(spin);
    return panel;
}

} // namespace

void TForm3::buildWindow()
{
    resize(1000, 720);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_ruler = new IndentRuler(m_editor, this);
    auto *coolBar = new QWidget(this);
    coolBar->setObjectName(QStringLiteral("CoolBar1"));
    buildToolBars(coolBar);
    buildMenus();

    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("Splitter1"));
    splitter->addWidget(buildEditorPane());
    splitter->addWidget(buildPreviewPane());
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    m_status = new QStatusBar(this);
    m_status->setObjectName(QStringLiteral("StatusBar1"));
    m_status->setSizeGripEnabled(false);
    const int widths[3] = {200, 200, 100};
    for (int i = 0; i < 3; ++i) {
        auto *panel = new QLabel(m_status);
        panel->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        panel->setMinimumWidth(widths[i]);
        if (i == 0)
            panel->setAlignment(Qt::AlignCenter);
        m_status->addWidget(panel, i == 2 ? 1 : 0);
        m_panels[std::size_t(i)] = panel;
    }

    layout->addWidget(m_ruler);
    layout->addWidget(coolBar);
    layout->addWidget(splitter, 1);
    layout->addWidget(m_status);
}

QWidget *TForm3::buildEditorPane()
{
    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Panel1"));
    frame->setStyleSheet(QStringLiteral("QFrame#Panel1 { background: rgb(0, 0, 255); }"));
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(3, 3, 3, 3);

    auto *box = new QScrollArea(frame);
    box->setObjectName(QStringLiteral("ScrollBox1"));
    box->setFrameShape(QFrame::NoFrame);
    box->setWidgetResizable(true);
    auto *inside = new QWidget(box);
    paintGrey(inside);
    paintGrey(box->viewport());
    auto *row = new QHBoxLayout(inside);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_editor);

    auto *notes = new QVBoxLayout;
    notes->setContentsMargins(12, 12, 12, 12);
    notes->addWidget(guidance(QStringLiteral("超文本编辑区域"), inside, 28));
    notes->addWidget(guidance(QStringLiteral("如果要修改对应字的字体，颜色和大小，请先选择修改的字内容。"), inside));
    auto iconLabel = [inside, this](QStyle::StandardPixmap icon) {
        auto *label = new QLabel(inside);
        label->setPixmap(style()->standardIcon(icon).pixmap(16, 16));
        return label;
    };
    auto *previewRow = new QHBoxLayout;
    previewRow->addWidget(guidance(QStringLiteral("当录入完信息后，请按工具栏"), inside));
    previewRow->addWidget(iconLabel(QStyle::SP_FileDialogContentsView));
    previewRow->addWidget(guidance(QStringLiteral("按钮，阅览分区信息"), inside));
    previewRow->addStretch();
    notes->addLayout(previewRow);
    auto *saveRow = new QHBoxLayout;
    saveRow->addWidget(guidance(QStringLiteral("编辑好信息如果要保存当前信息，请按工具栏"), inside));
    saveRow->addWidget(iconLabel(QStyle::SP_DialogSaveButton));
    saveRow->addWidget(guidance(QStringLiteral("，方便多次调用。"), inside));
    saveRow->addStretch();
    notes->addLayout(saveRow);
    notes->addStretch();
    row->addLayout(notes, 1);
    box->setWidget(inside);
    frameLayout->addWidget(box);
    return frame;
}

QWidget *TForm3::buildPreviewPane()
{
    auto *pane = new QWidget(this);
    pane->setObjectName(QStringLiteral("Panel2"));
    paintGrey(pane);
    auto *layout = new QVBoxLayout(pane);
    layout->setContentsMargins(4, 4, 4, 4);
    auto *titles = new QHBoxLayout;
    titles->addWidget(guidance(QStringLiteral("分区放大阅览"), pane, 20));
    titles->addWidget(guidance(QStringLiteral("点击鼠标右键可以放大"), pane));
    titles->addWidget(guidance(QStringLiteral("如果分区放大阅览的蓝线压着字，请调节行距，字体大小，或分区大小"), pane));
    titles->addStretch();
    layout->addLayout(titles);

    m_previewBox = new QScrollArea(pane);
    m_previewBox->setObjectName(QStringLiteral("ScrollBox2"));
    m_previewBox->setFrameShape(QFrame::NoFrame);
    paintGrey(m_previewBox->viewport());
    auto *holder = new QWidget(m_previewBox);
    paintGrey(holder);
    auto *holderLayout = new QVBoxLayout(holder);
    holderLayout->setContentsMargins(0, 0, 0, 0);
    m_image = new QLabel(holder);
    m_image->setObjectName(QStringLiteral("Image1"));
    holderLayout->addWidget(m_image, 0, Qt::AlignLeft | Qt::AlignTop);
    // ZoomView shows one of two pictures; the editor has only the page stack.
    auto *unused = new QLabel(holder);
    unused->hide();
    holderLayout->addWidget(unused);
    holderLayout->addStretch();
    holderLayout->setSizeConstraint(QLayout::SetMinAndMaxSize);
    m_previewBox->setWidget(holder);
    m_zoom = new ZoomView(m_image, unused, this);
    layout->addWidget(m_previewBox, 1);

    m_zoomMenu = new QMenu(this);
    m_zoomMenu->setObjectName(QStringLiteral("PopupMenu1"));
    for (int k = 1; k <= 5; ++k) {
        QAction *action = m_zoomMenu->addAction(QStringLiteral("放大%1倍").arg(k));
        action->setObjectName(QStringLiteral("N%1").arg(k));
        connect(action, &QAction::triggered, this, [this, k] { zoom(k); });
    }
    for (QWidget *source : {static_cast<QWidget *>(m_previewBox), static_cast<QWidget *>(m_image)}) {
        source->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(source, &QWidget::customContextMenuRequested, this,
                [this, source](const QPoint &at) { m_zoomMenu->popup(source->mapToGlobal(at)); });
    }
    return pane;
}

void TForm3::buildMenus()
{
    auto *bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu1"));
    layout()->setMenuBar(bar);

    QMenu *file = bar->addMenu(QStringLiteral("文件(&F)"));
    auto fileEntry = [this, file](const char *name, const QString &text, auto handler) {
        QAction *action = file->addAction(text);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    fileEntry("mitNew", QStringLiteral("新建文件"), [this] { New(); });
    fileEntry("mitOpen", QStringLiteral("打开文件"), [this] {
        if (Open()) {
            document()->setModified(true);
            yuelan();
        }
    });
    fileEntry("mitSave", QStringLiteral("保存文件"), [this] {
        if (Save())
            yuelan();
    });
    fileEntry("mitSaveAs", QStringLiteral("另保存文件"), [this] {
        if (SaveAs())
            yuelan();
    });
    file->addSeparator();
    fileEntry("mitExit", QStringLiteral("退出(&X)"), [this] { close(); });

    m_actions->fillEditMenu(bar->addMenu(QStringLiteral("编辑(&E)")));
    m_actions->fillFontMenu(bar->addMenu(QStringLiteral("字体(&N)")));
    m_actions->fillParagraphMenu(bar->addMenu(QStringLiteral("段落(&P)")));
    m_actions->fillFormatMenu(bar->addMenu(QStringLiteral("格式(&O)")));
    m_actions->fillInsertMenu(bar->addMenu(QStringLiteral("插入(&I)")));
    QMenu *table = bar->addMenu(QStringLiteral("表格(&T)"));
    m_insertTable = new QAction(ActionIcons::table(ActionIcons::Table::Grid), QStringLiteral("插入表格"), table);
    m_insertTable->setObjectName(QStringLiteral("mitInsertTable"));
    connect(m_insertTable, &QAction::triggered, this, [this] { m_actions->insertTableFromDialog(); });
    m_actions->fillTableMenu(table, m_insertTable);
    // The stand-in and any library that leaves it out still offer the entry.
    if (!table->actions().contains(m_insertTable))
        table->insertAction(table->actions().value(0), m_insertTable);
}

void TForm3::buildToolBars(QWidget *coolBar)
{
    auto *rows = new QVBoxLayout(coolBar);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    auto *first = new QHBoxLayout;
    auto *second = new QHBoxLayout;
    rows->addLayout(first);
    rows->addLayout(second);
    auto toolBar = [coolBar](const QString &name) {
        auto *bar = new QToolBar(name, coolBar);
        bar->setObjectName(name);
        bar->setIconSize(QSize(16, 16));
        return bar;
    };
    QStyle *s = style();

    QToolBar *main = toolBar(QStringLiteral("Main"));
    QAction *newButton =
        addButton(main, QStringLiteral("ToolButton11"), s->standardIcon(QStyle::SP_FileIcon), QStringLiteral("&New"));
    newButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(newButton, &QAction::triggered, this, [this] { New(); });
    QAction *openButton = addButton(main, QStringLiteral("ToolButton1"), s->standardIcon(QStyle::SP_DialogOpenButton),
                                    QStringLiteral("&Open..."));
    openButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(openButton, &QAction::triggered, this, [this] {
        if (Open()) {
            document()->setModified(true);
            yuelan();
        }
    });
    QAction *saveButton = addButton(main, QStringLiteral("ToolButton2"), s->standardIcon(QStyle::SP_DialogSaveButton),
                                    QStringLiteral("&Save"));
    saveButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(saveButton, &QAction::triggered, this, [this] {
        if (Save())
            yuelan();
    });
    main->addSeparator();
    m_actions->fillMainToolBar(main);
    main->addSeparator();
    QAction *table64 = addButton(main, QStringLiteral("ToolButton64"), ActionIcons::table(ActionIcons::Table::Grid), QStringLiteral("插入表格"));
    connect(table64, &QAction::triggered, this, [this] { m_actions->insertTableFromDialog(); });
    QAction *preview = addButton(main, QStringLiteral("ToolButton12"),
                                 s->standardIcon(QStyle::SP_FileDialogContentsView), QStringLiteral("阅览编辑"));
    connect(preview, &QAction::triggered, this, &TForm3::yuelan);
    QAction *closeButton = addButton(main, QStringLiteral("ToolButton13"),
                                     s->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("关闭编辑"));
    connect(closeButton, &QAction::triggered, this, [this] { close(); });
    for (QAction *captioned : {preview, closeButton})
        if (auto *button = qobject_cast<QToolButton *>(main->widgetForAction(captioned)))
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    QToolBar *formatting = toolBar(QStringLiteral("Formatting"));
    m_actions->fillFormattingToolBar(formatting);

    QToolBar *table = toolBar(QStringLiteral("Table"));
    QAction *table47 = addButton(table, QStringLiteral("ToolButton47"), ActionIcons::table(ActionIcons::Table::Grid), QStringLiteral("插入表格"));
    table47->setToolTip(QStringLiteral("插入表格"));
    connect(table47, &QAction::triggered, this, [this] { m_actions->insertTableFromDialog(); });
    m_actions->fillTableToolBar(table);

    QToolBar *borders = toolBar(QStringLiteral("Cell Borders"));
    m_actions->fillCellBordersToolBar(borders);

    first->addWidget(main);
    first->addWidget(formatting);
    first->addStretch();
    second->addWidget(buildFontToolBar());
    second->addWidget(table);
    second->addWidget(borders);
    second->addStretch();
}

QToolBar *TForm3::buildFontToolBar()
{
    auto *bar = new QToolBar(QStringLiteral("Font"), this);
    bar->setObjectName(QStringLiteral("Font"));

    m_faces = new QComboBox(bar);
    m_faces->setObjectName(QStringLiteral("cmbFont"));
    m_faces->setEditable(true);
    m_faces->setInsertPolicy(QComboBox::NoInsert);
    m_faces->setCompleter(nullptr);
    m_faces->addItems(TextFaces::faceNames());
    m_faces->setMinimumWidth(160);
    connect(m_faces, &QComboBox::textActivated, this, &TForm3::cmbFontClick);

    m_sizes = new QComboBox(bar);
    m_sizes->setObjectName(QStringLiteral("cmbFontSize"));
    m_sizes->setEditable(true);
    m_sizes->setInsertPolicy(QComboBox::NoInsert);
    m_sizes->setCompleter(nullptr);
    m_sizes->setMinimumWidth(60);
    fillSizes();
    connect(m_sizes, &QComboBox::textActivated, this, &TForm3::cmbFontSize1Click);

    for (QComboBox *box : {m_faces, m_sizes}) {
        box->installEventFilter(this);
        box->lineEdit()->installEventFilter(this);
    }

    m_spacing = new QSpinBox(bar);
    m_spacing->setObjectName(QStringLiteral("SpinEdit1"));
    m_spacing->setRange(50, 600);
    m_spacing->setSingleStep(5);
    m_spacing->setValue(100);
    m_offset = new QSpinBox(bar);
    m_offset->setObjectName(QStringLiteral("SpinEdit2"));
    m_offset->setRange(-2, 64);
    m_offset->setValue(0);
    for (QSpinBox *spin : {m_spacing, m_offset}) {
        spin->setToolTip(QStringLiteral("文字的行间距"));
        spin->setContextMenuPolicy(Qt::NoContextMenu);
        spin->installEventFilter(this);
        if (auto *edit = spin->findChild<QLineEdit *>())
            edit->setAcceptDrops(false);
    }
    connect(m_spacing, &QSpinBox::valueChanged, this, &TForm3::SpinEdit1Change);
    connect(m_offset, &QSpinBox::valueChanged, this, &TForm3::SpinEdit2Change);

    bar->addWidget(m_faces);
    bar->addWidget(m_sizes);
    bar->addWidget(captioned(QStringLiteral("Panel4"), QStringLiteral("行距"), m_spacing, bar));
    bar->addWidget(captioned(QStringLiteral("Panel3"), QStringLiteral("下移"), m_offset, bar));
    return bar;
}

} // namespace lumetra
