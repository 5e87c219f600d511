#include "ui/link/tfset1.h"

#include "link/addressselectors.h"
#include "link/hardwarelink.h"
#include "link/linkmessages.h"
#include "link/portsettings.h"
#include "model/error.h"
#include "model/gbk.h"
#include "ui/app/statuspanels.h"
#include "ui/app/userprompts.h"
#include "ui/link/controllerport.h"
#include "ui/link/portsetupdialog.h"
#include "ui_tfset1.h"

#include <QButtonGroup>
#include <QRadioButton>

#include <optional>

namespace lumetra {

namespace {

QButtonGroup *radioGroup(QWidget *box, QObject *owner)
{
    auto *group = new QButtonGroup(owner);
    int id = 0;
    for (QRadioButton *button : box->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly))
        group->addButton(button, id++);
    return group;
}

// A value the controls cannot show (a damaged reply, a hand-edited project)
// leaves the control as it was rather than saving an item index of -1.
void selectItem(QButtonGroup *group, int index)
{
    if (QAbstractButton *button = group->button(index))
        button->setChecked(true);
}

void selectItem(QComboBox *list, int index)
{
    if (index >= 0 && index < list->count())
        list->setCurrentIndex(index);
}

QStringList addressItems()
{
    QStringList items;
    for (int i = 1; i <= 128; ++i)
        items << QString::number(i);
    items << QStringLiteral("所有卡");
    return items;
}

} // namespace

TF_SET1::TF_SET1(const ControlContext &context, QComboBox *ports, StatusPanels *panels, QWidget *parent)
    : QDialog(parent), m_context(context), m_ports(ports), m_panels(panels), m_ui(std::make_unique<Ui::TF_SET1>()),
      m_runModal([](QDialog &dialog) { return dialog.exec(); })
{
    m_ui->setupUi(this);
    // A fixed frame that still follows the read button appearing.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_ui->ComboBox2->addItems(addressItems());
    m_ui->ComboBox3->addItems(addressItems());
    m_moduleTypes = radioGroup(m_ui->RadioGroup1, this);
    m_cardClasses = radioGroup(m_ui->RadioGroup3, this);
    m_linkTypes = radioGroup(m_ui->RadioGroup2, this);

    // Selecting by program runs the reactions too, as the opening relies on.
    connect(m_moduleTypes, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            RadioGroup1Click(id);
    });
    connect(m_cardClasses, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            RadioGroup3Click(id);
    });
    for (QSpinBox *spin : {m_ui->SpinEdit2, m_ui->edit12, m_ui->SpinEdit1, m_ui->SpinEdit3})
        connect(spin, &QSpinBox::valueChanged, this, &TF_SET1::markModified);
    for (QComboBox *list : {m_ui->ComboBox5, m_ui->ComboBox1, m_ui->ComboBox2})
        connect(list, &QComboBox::currentIndexChanged, this, &TF_SET1::markModified);
    for (QCheckBox *box : {m_ui->CheckBox4, m_ui->CheckBox11, m_ui->CheckBox1})
        connect(box, &QCheckBox::toggled, this, &TF_SET1::markModified);

    connect(m_ui->BitBtn4, &QPushButton::clicked, this, &TF_SET1::BitBtn4Click);
    connect(m_ui->BitBtn2, &QPushButton::clicked, this, &TF_SET1::BitBtn2Click);
    connect(m_ui->BitBtn5, &QPushButton::clicked, this, &TF_SET1::BitBtn5Click);
    connect(m_ui->Button4, &QPushButton::clicked, this, &TF_SET1::Button4Click);
    connect(m_ui->Button2, &QPushButton::clicked, this, &TF_SET1::Button2Click);
    connect(m_ui->Button1, &QPushButton::clicked, this, &TF_SET1::Button1Click);
    connect(m_ui->BitBtn12, &QPushButton::clicked, this, &TF_SET1::BitBtn12Click);
    connect(m_ui->BitBtn10, &QPushButton::clicked, this, &TF_SET1::BitBtn10Click);
    connect(m_ui->BitBtn9, &QPushButton::clicked, this, &TF_SET1::BitBtn9Click);
    connect(m_ui->BitBtn61, &QPushButton::clicked, this, &TF_SET1::BitBtn61Click);
    for (QPushButton *close : {m_ui->BitBtn3, m_ui->BitBtn11, m_ui->Button3})
        connect(close, &QPushButton::clicked, this, &QDialog::reject);

    fillFromWorkingSettings();
}

TF_SET1::~TF_SET1() = default;

void TF_SET1::fillFromWorkingSettings()
{
    const WorkingSettingsRecord &w = m_context.workspace->WorkingSettings;
    const HardwareChoice c = HardwareChoice::fromWorkingSettings(w);
    selectItem(m_moduleTypes, c.UnitBoardType);
    m_ui->SpinEdit2->setValue(c.RefreshRate);
    m_ui->SpinEdit1->setValue(c.ScreenHeight);
    m_ui->SpinEdit3->setValue(c.ColorThreshold);
    m_ui->edit12->setValue(c.ScreenWidth);
    selectItem(m_ui->ComboBox5, c.ColorType);
    selectItem(m_ui->ComboBox1, c.GrayLevel);
    selectItem(m_ui->ComboBox2, c.CardAddressIndex);
    m_ui->CheckBox1->setChecked(c.UsbCarriesSettings);
    selectItem(m_cardClasses, c.CardClassIndex);
    m_ui->CheckBox4->setChecked(c.DataLogic);
    m_ui->CheckBox11->setChecked(c.OeLogic);
    selectItem(m_linkTypes, w.LinkType);
    m_modified = 0;
}

HardwareChoice TF_SET1::shownChoice() const
{
    HardwareChoice c;
    c.ColorThreshold = m_ui->SpinEdit3->value();
    c.ScreenWidth = m_ui->edit12->value();
    c.ScreenHeight = m_ui->SpinEdit1->value();
    c.ColorType = m_ui->ComboBox5->currentIndex();
    c.GrayLevel = m_ui->ComboBox1->currentIndex();
    c.CardAddressIndex = m_ui->ComboBox2->currentIndex();
    c.UsbCarriesSettings = m_ui->CheckBox1->isChecked();
    c.CardClassIndex = m_cardClasses->checkedId();
    c.UnitBoardType = m_moduleTypes->checkedId();
    c.RefreshRate = m_ui->SpinEdit2->value();
    c.DataLogic = m_ui->CheckBox4->isChecked();
    c.OeLogic = m_ui->CheckBox11->isChecked();
    return c;
}

void TF_SET1::refreshStatus()
{
    m_panels->refresh(*m_context.workspace);
}

void TF_SET1::RadioGroup1Click(int index)
{
    const bool level = HardwareSettings::logicLevelsFor(index);
    m_ui->CheckBox4->setChecked(level);
    m_ui->CheckBox11->setChecked(level);
    markModified();
}

void TF_SET1::RadioGroup3Click(int index)
{
    Workspace &ws = *m_context.workspace;
    markModified();
    m_ui->BitBtn5->setVisible(index != 0);
    try {
        HardwareSettings::cardClassChanged(ws, m_context.defaultProject, index);
    } catch (const Error &e) {
        m_context.prompts().information(this, e.text());
    }
    m_ports->setCurrentText(fromGbk(ws.display().SerialPort));
    refreshStatus();
}

bool TF_SET1::BitBtn4Click()
{
    try {
        HardwareSettings::saveParameters(*m_context.workspace, m_context.defaultProject, shownChoice());
    } catch (const Error &e) {
        refreshStatus();
        m_context.prompts().information(this, e.text());
        return false;
    }
    refreshStatus();
    m_context.prompts().information(this, HardwareSettings::sizeChangedMessage());
    m_modified = 0;
    return true;
}

void TF_SET1::prepareLink(int replyAddressSource)
{
    Workspace &ws = *m_context.workspace;
    // The port the window's list shows, at the rate the card class set.
    m_context.port->usePort(m_ports->currentText());
    ws.ReplyBuffer.clear();
    ws.ReplyCount = 0;
    ws.ReplyAddressSource = replyAddressSource;
}

void TF_SET1::BitBtn2Click()
{
    prepareLink(0);
    m_ui->BitBtn2->setEnabled(false);
    if (m_modified > 0 && !BitBtn4Click()) {
        // What could not be stored is not sent either.
        m_ui->BitBtn2->setEnabled(true);
        return;
    }
    m_modified = 0;
    const CommandOutcome outcome = HardwareLink::SendDispScreenSet(m_context.port->link(), *m_context.workspace);
    m_ui->BitBtn2->setEnabled(true);
    if (!outcome.Message.isEmpty())
        m_context.prompts().information(this, outcome.Message);
}

void TF_SET1::BitBtn5Click()
{
    Workspace &ws = *m_context.workspace;
    // A-class cards do not answer this; the button is hidden for them.
    if (isClassA(ws.display().CardModel))
        return;
    prepareLink(0);
    m_ui->BitBtn5->setEnabled(false);
    std::optional<ParameterValues> values;
    const CommandOutcome outcome = HardwareLink::readParameters(m_context.port->link(), ws, values);
    if (values) {
        showParameters(*values);
    } else {
        const bool portError = outcome.Message == sendFailedMessage();
        m_context.prompts().information(this, portError ? outcome.Message : noAnswerMessage());
        if (!portError) {
            m_ui->BitBtn5->setEnabled(true);
            return;
        }
    }
    m_ui->BitBtn5->setEnabled(true);
    BitBtn4Click();
}

void TF_SET1::showParameters(const ParameterValues &v)
{
    selectItem(m_ui->ComboBox2, v.CardAddressIndex);
    m_ui->SpinEdit2->setValue(v.RefreshRate);
    m_ui->SpinEdit1->setValue(v.ScreenHeight);
    m_ui->edit12->setValue(v.ScreenWidth);
    selectItem(m_ui->ComboBox5, v.ColorType);
    selectItem(m_ui->ComboBox1, v.GrayLevel);
    // The module type sets both logic boxes; the reply's own values follow.
    selectItem(m_moduleTypes, v.UnitBoardType);
    m_ui->CheckBox4->setChecked(v.DataLogic);
    m_ui->CheckBox11->setChecked(v.OeLogic);
    // An unknown class code reads as A, as the record took it.
    selectItem(m_cardClasses, HardwareSettings::cardClassIndex(m_context.workspace->display().CardModel));
}

void TF_SET1::Button4Click()
{
    prepareLink(1);
    const CommandOutcome outcome = HardwareLink::SendTest(m_context.port->link(), *m_context.workspace);
    if (!outcome.Message.isEmpty())
        m_context.prompts().information(this, outcome.Message);
}

void TF_SET1::Button2Click()
{
    prepareLink(1);
    const CommandOutcome outcome = HardwareLink::communicationTest(m_context.port->link(), *m_context.workspace);
    if (outcome.Answered)
        m_context.prompts().notice(this, QStringLiteral("信息提示"), outcome.Message);
    else if (!outcome.Message.isEmpty())
        m_context.prompts().information(this, outcome.Message);
    else
        m_ui->Button2->setText(QStringLiteral("通讯测试"));
}

void TF_SET1::storeLinkSettings()
{
    Workspace &ws = *m_context.workspace;
    DisplayRecord &d = ws.display();
    d.LinkType = m_linkTypes->checkedId();
    ws.WorkingSettings.LinkType = d.LinkType;
    try {
        m_ports->setCurrentText(PortSettings::ApplayCom(ws, m_context.defaultProject));
        ws.StatusPanels[3] = linkTypeName(d.LinkType);
    } catch (const Error &e) {
        m_context.prompts().information(this, e.text());
    }
    refreshStatus();
}

void TF_SET1::Button1Click()
{
    if (PortSetupDialog::chooseFor(m_context.workspace->display(), *m_ports, m_runModal, this))
        storeLinkSettings();
}

void TF_SET1::BitBtn12Click()
{
    storeLinkSettings();
}

void TF_SET1::BitBtn10Click()
{
    bool saved = false;
    try {
        saved = HardwareSettings::saveUser(*m_context.workspace, m_ui->old_user->text(), m_ui->old_password->text(),
                                           m_ui->new_user->text(), m_ui->new_password->text());
    } catch (const Error &e) {
        // The user is taken; only the open project could not be written.
        refreshStatus();
        m_context.prompts().information(this, e.text());
        return;
    }
    if (!saved) {
        m_context.prompts().information(this, QStringLiteral("用户信息录入不正确."));
        return;
    }
    refreshStatus();
}

void TF_SET1::BitBtn9Click()
{
    HardwareSettings::restoreFactoryPassword(*m_context.workspace);
    for (QLineEdit *edit : {m_ui->old_user, m_ui->old_password, m_ui->new_user, m_ui->new_password})
        edit->setText(QStringLiteral("947"));
    refreshStatus();
}

void TF_SET1::BitBtn61Click()
{
    HardwareSettings::cancelPassword(*m_context.workspace);
    m_ui->old_user->setText(QStringLiteral("947"));
    m_ui->new_user->setText(QStringLiteral("947"));
    m_ui->old_password->clear();
    m_ui->new_password->clear();
    refreshStatus();
}

} // namespace lumetra
