#pragma once

#include "content/textzone.h"
#include "model/error.h"
#include "model/workspace.h"

#include <QWidget>

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;

namespace Ui {
class TextPanel;
}

namespace lumetra {

class SwatchGroup;
class TemplatePreview;
class TextRenderer;
class UserPrompts;
class ZoomView;

// What the text panel shows its results in; all owned by the main window.
struct TextPanelParts
{
    QWidget *window = nullptr;
    TemplatePreview *signPane = nullptr;
    ZoomView *zoom = nullptr; // Image1 and Image100
    std::shared_ptr<TextRenderer> renderer;
    // The window's renderer hook for the zone, showing its saved picture.
    std::function<void(int program, int slot)> renderZone;
    std::function<UserPrompts &()> prompts;
    std::function<void()> statusChanged;
};

// Panel5, the text zone editor: the input box Memo1, face and size, the
// colour swatches, "单行处理" and "对联效果", and "打开". Every accepted change
// renders the zone again, saves its bitmap and shows it.
class TextPanel : public QWidget
{
    Q_OBJECT
public:
    TextPanel(Workspace &workspace, QWidget *parent = nullptr);
    ~TextPanel() override;

    void attach(TextPanelParts parts);

    QPlainTextEdit *memo() const { return m_memo; }

    // Loadtoscreen's part: the two switches from the zone, writing nothing back.
    void setSwitches(const ZoneRecord &zone);
    // Open for a text zone: the input box and its status panel, then yuelan;
    // a zone without content file gets a black bitmap.
    void Open();
    // The zone's text and settings into the panel, rendered and shown.
    void yuelan();

    void memo1Change();
    void Button1Click();
    void cmbFontChange();
    void cmbFontSizeChange();
    void CheckBox11Click();
    void CheckBox13Click();
    void swatchClick(int colourCode); // Image6Click, Image3Click, Image2Click
    void SpeedButton1Click();

    // What the controls hold besides the record.
    TextPanelChoice choice() const;

private:
    bool zoneSelected() const;
    QByteArray takeTypedText();
    void setMemoText(const QByteArray &text);
    void setTextColour(int colourCode);
    void restoreColour(int foreColor);
    void applyMemoFont();
    void showPages(QImage pages, QImage strip, bool continuous, int zoneWidth, int zoneHeight);
    void showSavedPicture();
    void report(const Error &error);

    Workspace &m_workspace;
    std::unique_ptr<Ui::TextPanel> m_ui;
    TextPanelParts m_parts;
    QPlainTextEdit *m_memo = nullptr;
    QComboBox *m_font = nullptr;     // cmbFont
    QComboBox *m_fontSize = nullptr; // cmbFontSize
    QCheckBox *m_singleLine = nullptr;
    QCheckBox *m_couplet = nullptr;
    SwatchGroup *m_swatches = nullptr;
    int m_textColour = ColorRed;
    int m_pointSize = 9;
};

} // namespace lumetra
