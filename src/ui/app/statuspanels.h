#pragma once

#include "model/workspace.h"

#include <QObject>

#include <array>

class QComboBox;
class QLabel;
class QStatusBar;

namespace lumetra {

// The ten panels of the status bar (StatusPanel0 … StatusPanel9) and the
// port selector Combo1, which sits beside the port panel.
class StatusPanels : public QObject
{
    Q_OBJECT
public:
    StatusPanels(QStatusBar *bar, const QString &home);

    // Shows the texts the model keeps for the panels.
    void refresh(const WorkspaceState &state);
    QLabel *panel(int index) const { return m_panels.at(static_cast<std::size_t>(index)); }
    QComboBox *portSelector() const { return m_ports; }

private:
    std::array<QLabel *, StatusPanelCount> m_panels{};
    QComboBox *m_ports = nullptr;
};

} // namespace lumetra
