#pragma once

#include "model/workspace.h"

#include <QWidget>

#include <functional>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QImage;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace Ui {
class ClockPanel;
}

namespace lumetra {

class ClockRenderer;
class SwatchGroup;
class TemplatePreview;
class UserPrompts;
class ZoomView;

// What the clock panel shows its results in; all owned by the main window.
struct ClockPanelParts
{
    QWidget *window = nullptr;
    TemplatePreview *signPane = nullptr;
    ZoomView *zoom = nullptr; // Image1 and Image100
    std::shared_ptr<ClockRenderer> renderer;
    std::function<UserPrompts &()> prompts;
};

// Panel12, the clock zone editor. Every control ends in Edit4Change, which
// stores the whole panel into the zone and renders the preview; nothing
// happens while ClockLoading is 200.
class ClockPanel : public QWidget
{
    Q_OBJECT
public:
    ClockPanel(Workspace &workspace, QWidget *parent = nullptr);
    ~ClockPanel() override;

    void attach(ClockPanelParts parts);

    // The controls from the current zone; renders nothing.
    void szcl();
    void Edit4Change();

    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void SpeedButton10Click();
    void SpeedButton9Click();
    void SpeedButton8Click();
    // Style, year width and line split: re-render and centre again.
    void RadioGroup3Click();
    void cmbFont2Change();
    void cmbFontSize2Change();
    void swatchClick(int colourCode);     // Image11Click, Image9Click, Image10Click
    void backgroundClick(int colourCode); // the hidden "背景颜色" swatches

    // Of the clock text after the last edit.
    int ClockTextWidth() const { return m_textWidth; }
    int ClockBlockHeight() const { return m_blockHeight; }

private:
    bool loading() const { return m_workspace.ClockLoading >= 200; }
    bool clockZoneSelected() const;
    int32_t checkedOptions() const;
    void showRender(const QImage &bitmap);

    Workspace &m_workspace;
    std::unique_ptr<Ui::ClockPanel> m_ui;
    ClockPanelParts m_parts;
    std::array<QCheckBox *, 7> m_elements{}; // 年 月 日 星期 时 分 秒
    QButtonGroup *m_yearFormat = nullptr;    // RadioGroup3
    QButtonGroup *m_lines = nullptr;         // RadioGroup4
    SwatchGroup *m_textSwatches = nullptr;
    SwatchGroup *m_backSwatches = nullptr;
    int m_textColour = ColorRed;
    int m_backColour = ColorBlack;
    int m_textWidth = 0;
    int m_blockHeight = 0;
};

} // namespace lumetra
