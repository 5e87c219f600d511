#include "ui/app/statuspanels.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QSerialPortInfo>
#include <QStatusBar>

namespace lumetra {

StatusPanels::StatusPanels(QStatusBar *bar, const QString &home) : QObject(bar)
{
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false);
    const int widths[StatusPanelCount] = {130, 44, 76, 96, 52, 52, 200, 24, 24, 96};
    for (int i = 0; i < StatusPanelCount; ++i) {
        auto *label = new QLabel(bar);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(widths[i]);
        m_panels[static_cast<std::size_t>(i)] = label;
        bar->addWidget(label, i == 6 ? 1 : 0);
        if (i == 4) {
            m_ports = new QComboBox(bar);
            m_ports->setObjectName(QStringLiteral("Combo1"));
            m_ports->setEditable(true);
            m_ports->setMinimumWidth(110);
            for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
                m_ports->addItem(info.portName());
            const QString link = home + QStringLiteral("/virtual-sign");
            if (QFileInfo::exists(link))
                m_ports->addItem(link);
            bar->addWidget(m_ports);
        }
    }
}

void StatusPanels::refresh(const WorkspaceState &state)
{
    for (int i = 0; i < StatusPanelCount; ++i) {
        QLabel *label = panel(i);
        const QString &text = state.StatusPanels[static_cast<std::size_t>(i)];
        // Long paths are shortened in the middle.
        label->setText(i == 6 ? label->fontMetrics().elidedText(text, Qt::ElideMiddle, label->width() - 6) : text);
        label->setToolTip(i == 6 ? text : QString());
    }
    const QString port = state.StatusPanels[4];
    if (!port.isEmpty() && m_ports->currentText() != port) {
        const QSignalBlocker block(m_ports);
        m_ports->setEditText(port);
    }
}

} // namespace lumetra
