#pragma once

#include "model/workspace.h"

#include <QStackedWidget>

class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace lumetra {

class ClockPanel;
class SchedulePanel;
class TextPanel;
class ZonePropertiesPanel;

// The content of the dock "属性编辑窗体": either the property panels (the
// group "节目属性", the group "分区坐标" and one of the zone editors) or,
// above them, the schedule panel Panel3. The editors' contents come with
// their renderers: Panel5 (text), Panel12 (clock) and the rich-text
// launcher with "进入编辑".
class PropertyWindow : public QStackedWidget
{
    Q_OBJECT
public:
    enum Editor { TextEditor, ClockEditor, RichTextLauncher };

    PropertyWindow(Workspace &workspace, QWidget *parent = nullptr);

    void showPropertyPanels();
    void showSchedulePanel();
    bool schedulePanelShown() const;
    void showEditor(Editor editor);
    Editor shownEditor() const;

    // The zone's rectangle in e_x, e_y, E_H, E_W (their handlers come with
    // the layout editor).
    void fillGeometry(const ZoneRecord &zone);

    ZonePropertiesPanel *zoneProperties() const { return m_zoneProperties; }
    SchedulePanel *schedule() const { return m_schedule; }
    QPlainTextEdit *memo() const { return m_memo; }
    TextPanel *textPanel() const { return m_textPanel; }
    ClockPanel *clockPanel() const { return m_clockPanel; }
    QPushButton *richTextButton() const { return m_richTextButton; }

private:
    QWidget *buildGeometryGroup();

    QWidget *m_propertyPage = nullptr;
    ZonePropertiesPanel *m_zoneProperties = nullptr;
    SchedulePanel *m_schedule = nullptr;
    QStackedWidget *m_editors = nullptr;
    QPlainTextEdit *m_memo = nullptr;
    TextPanel *m_textPanel = nullptr;
    ClockPanel *m_clockPanel = nullptr;
    QPushButton *m_richTextButton = nullptr;
    QSpinBox *m_x = nullptr, *m_y = nullptr, *m_height = nullptr, *m_width = nullptr;
};

} // namespace lumetra
