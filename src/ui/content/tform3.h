#pragma once

#include <QDialog>

#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QMenu;
class QScrollArea;
class QSpinBox;
class QStatusBar;
class QTextDocument;
class QToolBar;

namespace lumetra {

class DocumentActions;
class IndentRuler;
class RichViewEdit;
class UserPrompts;
class Workspace;
class ZoomView;

// What the editor works on; owned by the main window.
struct RichTextEditorParts
{
    Workspace *workspace = nullptr;
    std::function<UserPrompts &()> prompts;
    // The main window's Open of the current zone, after every attempt to close.
    std::function<void()> closing;
};

// "图形-文字-表格混合编辑": the document of the current rich-text zone,
// laid out at the zone width, with its paged preview. Created for each
// opening and destroyed when it closes.
class TForm3 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm3(RichTextEditorParts parts, QWidget *parent = nullptr);
    ~TForm3() override;

    static QString caption();
    static QString untitledName();

    // The text area at the zone width W (the control is W + its scroll bar wide).
    void setZoneWidth(int width);

    RichViewEdit *editor() const { return m_editor; }
    QLabel *statusPanel(int index) const { return m_panels.at(std::size_t(index)); }
    QLabel *preview() const { return m_image; }
    ZoomView *zoomView() const { return m_zoom; }
    DocumentActions *actions() const { return m_actions; }
    QString documentFile() const { return m_documentFile; }

    // The document commands; Save, SaveAs and SaveIfNeeded answer whether
    // the work may go on.
    void New();
    bool Open();
    bool Save();
    bool SaveAs();
    bool SaveIfNeeded();
    void ShowFilename();
    void yuelan();
    void zoom(int factor);

    // The box handlers.
    void cmbFontClick();
    void cmbFontSize1Click();
    void RichViewEdit1CurTextStyleChanged();
    void SpinEdit1Change();
    void SpinEdit2Change();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWindow();
    QWidget *buildEditorPane();
    QWidget *buildPreviewPane();
    void buildMenus();
    void buildToolBars(QWidget *coolBar);
    QToolBar *buildFontToolBar();
    void fillSizes();
    void updateCaption();
    void showReadFailure();
    void writeDocument(const QString &path, bool *written);
    bool loadNative(const QString &path);
    bool importRtf(const QString &path);
    void clearDocument();
    QTextDocument *document() const;
    int zoneHeight() const;

    RichTextEditorParts m_parts;
    RichViewEdit *m_editor = nullptr;
    IndentRuler *m_ruler = nullptr;
    DocumentActions *m_actions = nullptr;
    QComboBox *m_faces = nullptr;
    QComboBox *m_sizes = nullptr;
    QSpinBox *m_spacing = nullptr;
    QSpinBox *m_offset = nullptr;
    QLabel *m_image = nullptr;
    QScrollArea *m_previewBox = nullptr;
    ZoomView *m_zoom = nullptr;
    QMenu *m_zoomMenu = nullptr;
    QStatusBar *m_status = nullptr;
    std::array<QLabel *, 3> m_panels{};
    QAction *m_insertTable = nullptr;

    QString m_documentFile;
    QString m_bitmapPath;
    int m_bitmapRequest = 0;
    bool m_guard = false;
    bool m_shown = false;
    int m_zoneWidth = 0;
};

} // namespace lumetra
