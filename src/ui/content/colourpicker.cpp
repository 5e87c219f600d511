#include "ui/content/colourpicker.h"

#include "ui/content/editorprompts.h"

#include <QGridLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>

namespace lumetra {

namespace {

const QRgb Palette[] = {
    0x000000, 0x993300, 0x333300, 0x003300, 0x003366, 0x000080, 0x333399, 0x333333, //
    0x800000, 0xFF6600, 0x808000, 0x008000, 0x008080, 0x0000FF, 0x666699, 0x808080, //
    0xFF0000, 0xFF9900, 0x99CC00, 0x339966, 0x33CCCC, 0x3366FF, 0x800080, 0x969696, //
    0xFF00FF, 0xFFCC00, 0xFFFF00, 0x00FF00, 0x00FFFF, 0x00CCFF, 0x993366, 0xC0C0C0, //
    0xFF99CC, 0xFFCC99, 0xFFFF99, 0xCCFFCC, 0xCCFFFF, 0x99CCFF, 0xCC99FF, 0xFFFFFF,
};

} // namespace

ColourPicker::ColourPicker(QWidget *parent) : QMenu(parent)
{
    auto *panel = new QWidget(this);
    panel->setObjectName("ColourGrid");
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(4, 4, 4, 4);
    auto *automatic = new QPushButton(QStringLiteral("自动"), panel);
    automatic->setObjectName("ColourAuto");
    layout->addWidget(automatic);
    connect(automatic, &QPushButton::clicked, this, [this] { choose(QColor()); });

    auto *grid = new QGridLayout;
    grid->setSpacing(2);
    int index = 0;
    for (QRgb rgb : Palette) {
        auto *swatch = new QToolButton(panel);
        const QColor colour = QColor::fromRgb(rgb);
        swatch->setObjectName(QStringLiteral("Colour%1").arg(colour.name().mid(1).toUpper()));
        swatch->setFixedSize(18, 18);
        swatch->setToolTip(colour.name());
        swatch->setStyleSheet(
            QStringLiteral("QToolButton { background: %1; border: 1px solid gray; }").arg(colour.name()));
        connect(swatch, &QToolButton::clicked, this, [this, colour] { choose(colour); });
        grid->addWidget(swatch, index / 8, index % 8);
        ++index;
    }
    layout->addLayout(grid);
    auto *more = new QPushButton(QStringLiteral("其他颜色..."), panel);
    more->setObjectName("ColourMore");
    layout->addWidget(more);
    connect(more, &QPushButton::clicked, this, [this] {
        hide();
        const QColor colour = EditorPrompts::colour(parentWidget(), Qt::red);
        if (colour.isValid())
            emit colourChosen(colour);
    });

    auto *action = new QWidgetAction(this);
    action->setDefaultWidget(panel);
    addAction(action);
}

void ColourPicker::attach(QToolButton *button)
{
    button->setMenu(this);
    button->setPopupMode(QToolButton::InstantPopup);
    // QToolButton lets go of its pressed look when the menu's event loop
    // starts on some styles; hold it explicitly.
    connect(this, &QMenu::aboutToShow, button, [button] { button->setDown(true); });
    connect(this, &QMenu::aboutToHide, button, [button] { button->setDown(false); });
}

void ColourPicker::choose(const QColor &colour)
{
    hide();
    emit colourChosen(colour);
}

} // namespace lumetra
