#include "ui/project/propertywindow.h"

#include "ui/content/textpanel.h"
#include "ui/layout/clockpanel.h"

#include "ui/project/schedulepanel.h"
#include "ui/project/zonepropertiespanel.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace lumetra {

PropertyWindow::PropertyWindow(Workspace &workspace, QWidget *parent) : QStackedWidget(parent)
{
    setObjectName(QStringLiteral("PropertyWindow"));
    m_propertyPage = new QWidget(this);
    m_propertyPage->setObjectName(QStringLiteral("PropertyPanels"));
    auto *row = new QHBoxLayout(m_propertyPage);
    row->setContentsMargins(4, 4, 4, 4);
    m_zoneProperties = new ZonePropertiesPanel(workspace, m_propertyPage);
    m_zoneProperties->setFixedWidth(270);
    row->addWidget(m_zoneProperties);
    row->addWidget(buildGeometryGroup());

    m_editors = new QStackedWidget(m_propertyPage);
    m_editors->setObjectName(QStringLiteral("EditorArea"));
    m_textPanel = new TextPanel(workspace, m_editors);
    m_memo = m_textPanel->memo();
    m_clockPanel = new ClockPanel(workspace, m_editors);
    auto *richPanel = new QWidget(m_editors);
    richPanel->setObjectName(QStringLiteral("RichTextPanel"));
    auto *richLayout = new QVBoxLayout(richPanel);
    m_richTextButton = new QPushButton(QStringLiteral("进入编辑"), richPanel);
    m_richTextButton->setObjectName(QStringLiteral("BitBtn1"));
    m_richTextButton->setMinimumSize(120, 40);
    richLayout->addStretch(1);
    richLayout->addWidget(m_richTextButton, 0, Qt::AlignCenter);
    richLayout->addStretch(1);
    m_editors->addWidget(m_textPanel);
    m_editors->addWidget(m_clockPanel);
    m_editors->addWidget(richPanel);
    row->addWidget(m_editors, 1);

    m_schedule = new SchedulePanel(workspace, this);
    addWidget(m_propertyPage);
    addWidget(m_schedule);
    setCurrentWidget(m_propertyPage);
}

QWidget *PropertyWindow::buildGeometryGroup()
{
    auto *group = new QGroupBox(QStringLiteral("分区坐标"), m_propertyPage);
    group->setObjectName(QStringLiteral("GeometryGroup"));
    auto *form = new QFormLayout(group);
    auto makeBox = [&](const QString &name, const QString &label, int step, int min, int max) {
        auto *box = new QSpinBox(group);
        box->setObjectName(name);
        box->setRange(min, max);
        box->setSingleStep(step);
        box->setValue(16);
        form->addRow(label, box);
        return box;
    };
    m_x = makeBox(QStringLiteral("e_x"), QStringLiteral("起点X"), 16, 0, 1024);
    m_y = makeBox(QStringLiteral("e_y"), QStringLiteral("起点Y"), 8, 0, 128);
    m_height = makeBox(QStringLiteral("E_H"), QStringLiteral("高度"), 8, 8, 128);
    m_width = makeBox(QStringLiteral("E_W"), QStringLiteral("宽度"), 16, 8, 1024);
    group->setFixedWidth(140);
    return group;
}

void PropertyWindow::fillGeometry(const ZoneRecord &zone)
{
    const QSignalBlocker b1(m_x), b2(m_y), b3(m_height), b4(m_width);
    m_x->setValue(zone.X);
    m_y->setValue(zone.Y);
    m_height->setValue(zone.Height);
    m_width->setValue(zone.Width);
}

void PropertyWindow::showPropertyPanels()
{
    setCurrentWidget(m_propertyPage);
}

void PropertyWindow::showSchedulePanel()
{
    setCurrentWidget(m_schedule);
}

bool PropertyWindow::schedulePanelShown() const
{
    return currentWidget() == m_schedule;
}

void PropertyWindow::showEditor(Editor editor)
{
    m_editors->setCurrentIndex(static_cast<int>(editor));
}

PropertyWindow::Editor PropertyWindow::shownEditor() const
{
    return static_cast<Editor>(m_editors->currentIndex());
}

} // namespace lumetra
