#pragma once

#include "model/workspace.h"

#include <QGroupBox>

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace Ui {
class ZonePropertiesPanel;
}

namespace lumetra {

// The group "节目属性": entry effect, speed, stay time, "固定不动" and
// "播放前清场" of the current zone. Handlers act only while UiReady > 0.
class ZonePropertiesPanel : public QGroupBox
{
    Q_OBJECT
public:
    ZonePropertiesPanel(Workspace &workspace, QWidget *parent = nullptr);
    ~ZonePropertiesPanel() override;

    // Loadtoscreen's part: the controls from the zone, writing nothing back.
    void fill(const ZoneRecord &zone);

    // Called after a stay-time change of a text zone, to render it again.
    void setTextZoneRerender(std::function<void()> rerender) { m_rerender = std::move(rerender); }

    void ComboBox3Change();
    void ComboBox5Change();
    void Edit1Change();
    void CheckBox14Click();
    void CheckBox29Click();

private:
    bool ready() const;
    void setStayText(const QString &text);

    Workspace &m_workspace;
    std::unique_ptr<Ui::ZonePropertiesPanel> m_ui;
    std::function<void()> m_rerender;
    QComboBox *m_effect = nullptr; // ComboBox3
    QComboBox *m_speed = nullptr;  // ComboBox5
    QLineEdit *m_stay = nullptr;   // Edit1
    QCheckBox *m_fixed = nullptr;  // CheckBox14
    QCheckBox *m_clear = nullptr;  // CheckBox29
};

} // namespace lumetra
