#include "ui/layout/clockpanel.h"

#include "ui_clockpanel.h"

#include "layout/clocklayout.h"
#include "layout/clockrenderer.h"
#include "model/error.h"
#include "model/gbk.h"
#include "ui/app/userprompts.h"
#include "ui/content/swatchgroup.h"
#include "ui/layout/editedzonepicture.h"
#include "ui/layout/zoomview.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>

namespace lumetra {

namespace {

constexpr std::array<int32_t, 7> elementBits{ClockYear, ClockMonth,  ClockDay,   ClockWeek,
                                             ClockHour, ClockMinute, ClockSecond};

QColor colourOf(QRgb rgb)
{
    return QColor::fromRgb(rgb);
}

// An index the list does not hold shows no item, as the stored value then
// means nothing the list offers.
void setItem(QComboBox *box, int index)
{
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

void setItem(QButtonGroup *group, int index)
{
    if (QAbstractButton *button = group->button(index)) {
        button->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton *button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

} // namespace

ClockPanel::ClockPanel(Workspace &workspace, QWidget *parent)
    : QWidget(parent), m_workspace(workspace), m_ui(std::make_unique<Ui::ClockPanel>())
{
    m_ui->setupUi(this);
    m_elements = {m_ui->CheckBox9,  m_ui->CheckBox10, m_ui->CheckBox12, m_ui->CheckBox16,
                  m_ui->CheckBox17, m_ui->CheckBox18, m_ui->CheckBox19};
    m_yearFormat = new QButtonGroup(this);
    m_yearFormat->addButton(m_ui->RadioGroup3_0, 0);
    m_yearFormat->addButton(m_ui->RadioGroup3_1, 1);
    m_lines = new QButtonGroup(this);
    m_lines->addButton(m_ui->RadioGroup4_0, 0);
    m_lines->addButton(m_ui->RadioGroup4_1, 1);
    m_ui->ComboBox1->addItems({QStringLiteral("2009-08-28 12:00:00"), QStringLiteral("08/28/2009 12:00:00"),
                               QStringLiteral("2009年08月28日12点00分00秒")});
    m_ui->cmbFont2->addItems({QStringLiteral("细字体"), QStringLiteral("粗字体")});
    m_ui->cmbFontSize2->addItems({QStringLiteral("单字12个LED灯大小"), QStringLiteral("单字16个LED灯大小"),
                                  QStringLiteral("单字32个LED灯大小")});

    m_textSwatches = new SwatchGroup(this);
    m_textSwatches->add(ColorRed, m_ui->Image11Frame, m_ui->Image11, colourOf(ClockRenderer::textColour(ColorRed)));
    m_textSwatches->add(ColorGreen, m_ui->Image9Frame, m_ui->Image9, colourOf(ClockRenderer::textColour(ColorGreen)));
    m_textSwatches->add(ColorYellow, m_ui->Image10Frame, m_ui->Image10,
                        colourOf(ClockRenderer::textColour(ColorYellow)));
    m_textSwatches->mark(ColorRed);
    m_backSwatches = new SwatchGroup(this);
    const std::array<std::tuple<int, QFrame *, QLabel *>, 4> backs{{
        {ColorRed, m_ui->BackRedFrame, m_ui->BackRed},
        {ColorGreen, m_ui->BackGreenFrame, m_ui->BackGreen},
        {ColorYellow, m_ui->BackYellowFrame, m_ui->BackYellow},
        {ColorBlack, m_ui->BackBlackFrame, m_ui->BackBlack},
    }};
    for (const auto &[code, frame, picture] : backs)
        m_backSwatches->add(code, frame, picture, colourOf(ClockRenderer::backgroundColour(code)));
    m_backSwatches->mark(ColorBlack);

    for (QSpinBox *box : {m_ui->SpinEdit3, m_ui->SpinEdit6, m_ui->SpinEdit2})
        connect(box, &QSpinBox::valueChanged, this, &ClockPanel::Edit4Change);
    for (QCheckBox *box : m_elements)
        connect(box, &QCheckBox::toggled, this, &ClockPanel::Edit4Change);
    connect(m_yearFormat, &QButtonGroup::idClicked, this, &ClockPanel::RadioGroup3Click);
    connect(m_lines, &QButtonGroup::idClicked, this, &ClockPanel::RadioGroup3Click);
    connect(m_ui->ComboBox1, &QComboBox::activated, this, &ClockPanel::RadioGroup3Click);
    connect(m_ui->Edit4, &QLineEdit::textChanged, this, &ClockPanel::Edit4Change);
    connect(m_ui->cmbFont2, &QComboBox::currentIndexChanged, this, &ClockPanel::cmbFont2Change);
    connect(m_ui->cmbFontSize2, &QComboBox::currentIndexChanged, this, &ClockPanel::cmbFontSize2Change);
    connect(m_textSwatches, &SwatchGroup::clicked, this, &ClockPanel::swatchClick);
    connect(m_backSwatches, &SwatchGroup::clicked, this, &ClockPanel::backgroundClick);
    connect(m_ui->SpeedButton5, &QToolButton::clicked, this, &ClockPanel::SpeedButton5Click);
    connect(m_ui->SpeedButton6, &QToolButton::clicked, this, &ClockPanel::SpeedButton6Click);
    connect(m_ui->SpeedButton7, &QToolButton::clicked, this, &ClockPanel::SpeedButton7Click);
    connect(m_ui->SpeedButton10, &QToolButton::clicked, this, &ClockPanel::SpeedButton10Click);
    connect(m_ui->SpeedButton9, &QToolButton::clicked, this, &ClockPanel::SpeedButton9Click);
    connect(m_ui->SpeedButton8, &QToolButton::clicked, this, &ClockPanel::SpeedButton8Click);
}

ClockPanel::~ClockPanel() = default;

void ClockPanel::attach(ClockPanelParts parts)
{
    m_parts = std::move(parts);
}

bool ClockPanel::clockZoneSelected() const
{
    const int p = m_workspace.CurrentProgram;
    const int z = m_workspace.CurrentZone;
    return p >= 1 && p <= MaxPrograms && z >= 1 && z <= ZoneSlots &&
           m_workspace.program(p).Zones[z].ZoneType == ClockZone;
}

void ClockPanel::szcl()
{
    Workspace &ws = m_workspace;
    ws.ClockLoading = 200;
    const int p = ws.CurrentProgram;
    const int z = ws.CurrentZone;
    if (p >= 1 && p <= MaxPrograms && z >= 1 && z <= ZoneSlots) {
        const ZoneRecord &zone = ws.program(p).Zones[z];
        m_ui->SpinEdit3->setValue(zone.InfoX);
        m_ui->SpinEdit6->setValue(zone.InfoY);
        m_ui->SpinEdit2->setValue(zone.InfoSpacing);
        setItem(m_ui->cmbFont2, zone.FontIndex);
        setItem(m_ui->cmbFontSize2, zone.FontSizeIndex);
        int32_t remaining = zone.ClockOptions;
        for (std::size_t i = 0; i < elementBits.size(); ++i) {
            const bool shown = remaining >= elementBits[i];
            if (shown)
                remaining -= elementBits[i];
            m_elements[i]->setChecked(shown);
        }
        // A background the table does not know renders black, and so does
        // the panel's own render: another zone's colour must not stay.
        m_backColour = zone.BackColor >= ColorRed && zone.BackColor <= ColorBlack ? zone.BackColor : ColorBlack;
        m_backSwatches->mark(m_backColour);
        m_textColour = ColorRed;
        if (zone.ForeColor == ColorGreen || zone.ForeColor == ColorYellow)
            m_textColour = zone.ForeColor;
        m_textSwatches->mark(m_textColour);
        setItem(m_ui->ComboBox1, zone.ClockStyle);
        setItem(m_yearFormat, zone.YearFormat);
        m_ui->Edit4->setText(fromGbk(zone.ClockText));
        setItem(m_lines, zone.MultiLine);
    }
    ws.ClockLoading = 0;
}

int32_t ClockPanel::checkedOptions() const
{
    int32_t options = 0;
    for (std::size_t i = 0; i < elementBits.size(); ++i)
        if (m_elements[i]->isChecked())
            options += elementBits[i];
    return options;
}

void ClockPanel::Edit4Change()
{
    Workspace &ws = m_workspace;
    if (loading() || !clockZoneSelected() || !m_parts.renderer)
        return;
    ws.ModifiedFlag = 200;
    ZoneRecord &zone = ws.currentZone();
    zone.InfoX = m_ui->SpinEdit3->value();
    zone.InfoY = m_ui->SpinEdit6->value();
    zone.InfoSpacing = m_ui->SpinEdit2->value();

    // The box shows what the zone stores: "?" for what GBK cannot hold.
    const QString typed = m_ui->Edit4->text();
    zone.ClockText = toGbk(typed);
    const QString stored = fromGbk(zone.ClockText);
    if (stored != typed) {
        const int at = m_ui->Edit4->cursorPosition();
        const QSignalBlocker block(m_ui->Edit4);
        m_ui->Edit4->setText(stored);
        m_ui->Edit4->setCursorPosition(int(fromGbk(toGbk(QStringView(typed).left(at))).size()));
    }

    zone.FontIndex = m_ui->cmbFont2->currentIndex();
    zone.FontSizeIndex = m_ui->cmbFontSize2->currentIndex();
    zone.ForeColor = m_textColour;
    zone.ClockStyle = m_ui->ComboBox1->currentIndex();
    zone.ClockOptions = checkedOptions();
    zone.YearFormat = m_yearFormat->checkedId();
    zone.MultiLine = m_lines->checkedId();
    zone.ContentFile.clear();

    const ClockPanelOverrides colours{ClockRenderer::backgroundColour(m_backColour),
                                      ClockRenderer::textColour(m_textColour)};
    ClockRender render;
    try {
        render = m_parts.renderer->panelRender(ws, colours);
    } catch (const Error &error) {
        if (m_parts.prompts)
            m_parts.prompts().error(m_parts.window, error.text());
        return;
    }
    // The width and height the alignment works with are those just drawn.
    m_textWidth = render.layout.textWidth;
    m_blockHeight = render.layout.blockHeight;
    showRender(render.bitmap);
    if (!render.transfer.message.isEmpty() && m_parts.prompts)
        m_parts.prompts().error(m_parts.window, render.transfer.message);
}

void ClockPanel::showRender(const QImage &bitmap)
{
    if (m_parts.zoom)
        m_parts.zoom->showPicture(bitmap);
    if (m_parts.signPane)
        showEditedZonePicture(*m_parts.signPane, m_workspace, bitmap);
}

void ClockPanel::SpeedButton5Click()
{
    if (loading())
        return;
    Edit4Change();
    m_ui->SpinEdit3->setValue(0);
}

void ClockPanel::SpeedButton6Click()
{
    if (loading() || !clockZoneSelected())
        return;
    Edit4Change();
    m_ui->SpinEdit3->setValue((m_workspace.currentZone().Width - m_textWidth) / 2);
    Edit4Change();
}

void ClockPanel::SpeedButton7Click()
{
    if (loading() || !clockZoneSelected())
        return;
    Edit4Change();
    m_ui->SpinEdit3->setValue(m_workspace.currentZone().Width - m_textWidth);
}

void ClockPanel::SpeedButton10Click()
{
    if (loading())
        return;
    Edit4Change();
    m_ui->SpinEdit6->setValue(0);
}

void ClockPanel::SpeedButton9Click()
{
    if (loading() || !clockZoneSelected())
        return;
    Edit4Change();
    m_ui->SpinEdit6->setValue((m_workspace.currentZone().Height - m_blockHeight) / 2);
}

void ClockPanel::SpeedButton8Click()
{
    if (loading() || !clockZoneSelected())
        return;
    Edit4Change();
    m_ui->SpinEdit6->setValue(m_workspace.currentZone().Height - m_blockHeight);
}

void ClockPanel::RadioGroup3Click()
{
    SpeedButton6Click();
}

void ClockPanel::cmbFont2Change()
{
    if (loading())
        return;
    Edit4Change();
}

void ClockPanel::cmbFontSize2Change()
{
    if (loading())
        return;
    Edit4Change();
}

void ClockPanel::swatchClick(int colourCode)
{
    if (loading())
        return;
    m_textColour = colourCode;
    m_textSwatches->mark(colourCode);
    Edit4Change();
}

void ClockPanel::backgroundClick(int colourCode)
{
    if (loading())
        return;
    m_backColour = colourCode;
    m_backSwatches->mark(colourCode);
    if (clockZoneSelected())
        m_workspace.currentZone().BackColor = colourCode;
    Edit4Change();
}

} // namespace lumetra
