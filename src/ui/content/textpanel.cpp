#include "ui/content/textpanel.h"

#include "ui_textpanel.h"

#include "content/ledfontsizes.h"
#include "content/textfaces.h"
#include "content/textlayout.h"
#include "content/textrenderer.h"
#include "content/zonebitmap.h"
#include "model/contentfiles.h"
#include "model/gbk.h"
#include "project/zonepicture.h"
#include "ui/app/userprompts.h"
#include "ui/content/swatchgroup.h"
#include "ui/layout/editedzonepicture.h"
#include "ui/layout/zoomview.h"
#include "ui/project/templatepreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

namespace lumetra {

namespace {

// The item index as the stored FontSizeIndex means it: a typed text that
// is no entry of the list has none.
int itemIndex(const QComboBox *box)
{
    return box->isEditable() ? box->findText(box->currentText(), Qt::MatchExactly) : box->currentIndex();
}

// Sets the item index without the box's change handler; an index that is
// already shown leaves a typed text alone.
void setItemIndex(QComboBox *box, int index)
{
    if (itemIndex(box) == index)
        return;
    const QSignalBlocker block(box);
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

QString memoText(const QByteArray &text)
{
    return fromGbk(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Far more than any sign shows; beyond it the box would take many seconds to
// lay the text out, so it shows the beginning only, read-only, and the
// zone's text stays whole.
constexpr qsizetype MaxMemoBytes = qsizetype(1) << 20;

bool tooLongForMemo(const QByteArray &text)
{
    return text.size() > MaxMemoBytes;
}

QString shownText(const QByteArray &text)
{
    if (!tooLongForMemo(text))
        return memoText(text);
    qsizetype end = 0;
    while (end < text.size()) {
        const qsizetype next = end + gbkCharLength(text, end);
        if (next > MaxMemoBytes)
            break;
        end = next;
    }
    return memoText(text.left(end));
}

QColor ledColour(int colourCode)
{
    return QColor::fromRgb(TextRenderer::textColour(colourCode));
}

} // namespace

TextPanel::TextPanel(Workspace &workspace, QWidget *parent)
    : QWidget(parent), m_workspace(workspace), m_ui(std::make_unique<Ui::TextPanel>())
{
    m_ui->setupUi(this);
    m_memo = m_ui->Memo1;
    m_font = m_ui->cmbFont;
    m_fontSize = m_ui->cmbFontSize;
    m_singleLine = m_ui->CheckBox11;
    m_couplet = m_ui->CheckBox13;

    m_font->addItems(TextFaces::faceNames());
    m_fontSize->addItems(LedFontSizes::offered());
    m_fontSize->setInsertPolicy(QComboBox::NoInsert);
    m_fontSize->setCompleter(nullptr);
    m_fontSize->setEditText(LedFontSizes::initialText());

    m_swatches = new SwatchGroup(this);
    m_swatches->add(ColorRed, m_ui->Panel10, m_ui->Image6, ledColour(ColorRed));
    m_swatches->add(ColorGreen, m_ui->Panel8, m_ui->Image3, ledColour(ColorGreen));
    m_swatches->add(ColorYellow, m_ui->Panel9, m_ui->Image2, ledColour(ColorYellow));
    setTextColour(ColorRed);
    // The box shows the text as the sign does: in its colour on black.
    QPalette palette = m_memo->palette();
    palette.setColor(QPalette::Base, Qt::black);
    m_memo->setPalette(palette);
    applyMemoFont();

    connect(m_memo, &QPlainTextEdit::textChanged, this, &TextPanel::memo1Change);
    connect(m_ui->Button1, &QPushButton::clicked, this, &TextPanel::Button1Click);
    connect(m_font, &QComboBox::currentIndexChanged, this, &TextPanel::cmbFontChange);
    // Typed or chosen: the size box changes with its text.
    connect(m_fontSize, &QComboBox::editTextChanged, this, &TextPanel::cmbFontSizeChange);
    connect(m_singleLine, &QCheckBox::toggled, this, &TextPanel::CheckBox11Click);
    connect(m_couplet, &QCheckBox::toggled, this, &TextPanel::CheckBox13Click);
    connect(m_swatches, &SwatchGroup::clicked, this, &TextPanel::swatchClick);
    connect(m_ui->SpeedButton1, &QToolButton::clicked, this, &TextPanel::SpeedButton1Click);
}

TextPanel::~TextPanel() = default;

void TextPanel::attach(TextPanelParts parts)
{
    m_parts = std::move(parts);
}

bool TextPanel::zoneSelected() const
{
    const int p = m_workspace.CurrentProgram;
    const int z = m_workspace.CurrentZone;
    return p >= 1 && p <= MaxPrograms && z >= 1 && z <= ZoneSlots;
}

TextPanelChoice TextPanel::choice() const
{
    return {m_font->currentText(), m_fontSize->currentText(), m_couplet->isChecked()};
}

void TextPanel::setSwitches(const ZoneRecord &zone)
{
    const QSignalBlocker b1(m_singleLine), b2(m_couplet);
    m_singleLine->setChecked(zone.SingleLine > 0);
    m_couplet->setChecked(zone.YearFormat > 0);
}

void TextPanel::setMemoText(const QByteArray &text)
{
    const QSignalBlocker block(m_memo);
    m_memo->setPlainText(shownText(text));
    m_memo->setReadOnly(tooLongForMemo(text));
}

// The box's text as the zone stores it: GBK with CR LF line ends. What GBK
// cannot hold became "?"; the box then shows that too.
QByteArray TextPanel::takeTypedText()
{
    const QString typed = m_memo->toPlainText();
    QString lines = typed;
    lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const QByteArray stored = TextZone::storedText(lines);
    const QString shown = memoText(stored);
    if (shown != typed) {
        const int at = m_memo->textCursor().position();
        const int shownAt = int(fromGbk(toGbk(QStringView(typed).left(at))).size());
        const QSignalBlocker block(m_memo);
        m_memo->setPlainText(shown);
        QTextCursor cursor = m_memo->textCursor();
        cursor.setPosition(std::min(shownAt, int(shown.size())));
        m_memo->setTextCursor(cursor);
    }
    return stored;
}

void TextPanel::setTextColour(int colourCode)
{
    m_textColour = colourCode;
    m_swatches->mark(colourCode);
    QPalette palette = m_memo->palette();
    palette.setColor(QPalette::Text, ledColour(colourCode));
    m_memo->setPalette(palette);
}

void TextPanel::restoreColour(int foreColor)
{
    setTextColour(ColorRed);
    if (TextZone::swatchFor(foreColor) != ColorRed)
        setTextColour(TextZone::swatchFor(foreColor));
}

void TextPanel::applyMemoFont()
{
    const LedFontSize size = LedFontSizes::lookup(m_fontSize->currentText());
    QFont font(TextFaces::family(m_font->currentText()));
    font.setPixelSize(LedFontSizes::pixelSize(size.pointSize));
    m_memo->setFont(font);
}

void TextPanel::report(const Error &error)
{
    QString text = error.text();
    if (!error.subject().isEmpty() && !text.contains(error.subject()))
        text += QStringLiteral("\n") + error.subject();
    if (m_parts.prompts)
        m_parts.prompts().error(m_parts.window, text);
}

// Image1 with the page marks, and in the continuous mode Image100 with the
// slice marks in its place; the marks never reach the file.
void TextPanel::showPages(QImage pages, QImage strip, bool continuous, int zoneWidth, int zoneHeight)
{
    const int pageCount = zoneHeight < 1 ? 1 : pages.height() / zoneHeight;
    ZoneBitmap::drawPageMarks(pages, zoneHeight, pageCount);
    if (!m_parts.zoom)
        return;
    if (continuous) {
        ZoneBitmap::drawSliceMarks(strip, zoneWidth, pageCount);
        m_parts.zoom->showStrip(strip);
    } else {
        m_parts.zoom->showPicture(pages);
    }
}

// After the renderer hook has saved the zone: the zoom views from the file.
// The continuous line is the pages' slices side by side again.
void TextPanel::showSavedPicture()
{
    const Workspace &ws = m_workspace;
    const ZoneRecord &zone = ws.program(ws.CurrentProgram).Zones[ws.CurrentZone];
    const QImage pages = zonePicture(ws, ws.CurrentProgram, ws.CurrentZone);
    const bool continuous = TextLayout::manzu(zone.SingleLine, zone.PlayMode, zone.StayTime) > 0;
    QImage strip;
    if (continuous && zone.Width >= 1 && zone.Height >= 1) {
        const int slices = pages.height() / zone.Height;
        strip = QImage(slices * pages.width(), zone.Height, QImage::Format_RGB32);
        for (int j = 0; j < slices; ++j)
            for (int y = 0; y < zone.Height; ++y)
                std::copy_n(reinterpret_cast<const QRgb *>(pages.constScanLine(j * zone.Height + y)), pages.width(),
                            reinterpret_cast<QRgb *>(strip.scanLine(y)) + j * pages.width());
    }
    showPages(pages, strip, continuous, zone.Width, zone.Height);
}

void TextPanel::memo1Change()
{
    Workspace &ws = m_workspace;
    if (ws.UiReady <= 0 || !zoneSelected() || !m_parts.renderer)
        return;
    const QByteArray text = takeTypedText();
    std::optional<ShownTextZone> shown;
    try {
        shown = TextZone::memo1Change(*m_parts.renderer, ws, text, choice());
    } catch (const Error &error) {
        restoreColour(ws.currentZone().ForeColor);
        report(error);
        return;
    }
    if (!shown)
        return;
    const ZoneRecord &zone = ws.currentZone();
    restoreColour(zone.ForeColor);
    if (!shown->rendered)
        return;
    applyMemoFont();
    setItemIndex(m_font, zone.FontIndex);
    setItemIndex(m_fontSize, zone.FontSizeIndex);
    const TextRenderResult &render = shown->render;
    showPages(render.pages, render.strip, render.continuous, zone.Width, render.Height);
    if (m_parts.signPane)
        showEditedZonePicture(*m_parts.signPane, ws, render.pages);
}

void TextPanel::Button1Click()
{
    Workspace &ws = m_workspace;
    if (!zoneSelected() || !m_parts.renderer)
        return;
    applyMemoFont();
    TextRenderResult render;
    try {
        render = TextZone::Button1Click(*m_parts.renderer, ws, ws.CurrentProgram, ws.CurrentZone, choice());
    } catch (const Error &error) {
        report(error);
        return;
    }
    showPages(render.pages, render.strip, render.continuous, ws.currentZone().Width, render.Height);
}

void TextPanel::yuelan()
{
    Workspace &ws = m_workspace;
    if (!zoneSelected())
        return;
    // Filling the box edits the zone only while the window is ready.
    {
        const ZoneRecord &zone = ws.currentZone();
        const QString text = shownText(zone.Text);
        if (m_memo->toPlainText() != text)
            m_memo->setPlainText(text);
        m_memo->setReadOnly(tooLongForMemo(zone.Text));
    }
    ws.UiReady = 0;
    const ZoneRecord &zone = ws.currentZone();
    setItemIndex(m_font, zone.FontIndex);
    setItemIndex(m_fontSize, zone.FontSizeIndex);
    restoreColour(zone.ForeColor);
    applyMemoFont();
    // A zone that cannot be rendered says so; the selection goes on.
    if (m_parts.renderZone) {
        try {
            m_parts.renderZone(ws.CurrentProgram, ws.CurrentZone);
        } catch (const Error &error) {
            report(error);
        }
    }
    showSavedPicture();
}

void TextPanel::Open()
{
    Workspace &ws = m_workspace;
    if (!zoneSelected())
        return;
    ws.StatusPanels[6].clear();
    const ZoneRecord &zone = ws.currentZone();
    if (zone.ContentFile.isEmpty()) {
        setMemoText(QByteArray());
        const int rows = zone.ContentHeight > 0 ? zone.ContentHeight : zone.Height;
        QImage black(std::max(1, zone.Width), std::max(1, rows), QImage::Format_RGB32);
        black.fill(Qt::black);
        try {
            ZoneBitmap::writeForZone(ws, ws.CurrentProgram, ws.CurrentZone, black);
        } catch (const Error &error) {
            report(error);
        }
        showPages(black, QImage(), false, zone.Width, zone.Height);
        if (m_parts.signPane)
            m_parts.signPane->setZonePicture(ws.currentProgram().Template, ws.CurrentZone, black);
    } else {
        const QString name = bareFileName(zone.ContentFile);
        if (name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive)) {
            setMemoText(zone.Text);
            if (tooLongForMemo(zone.Text))
                m_parts.prompts().error(m_parts.window,
                                        QStringLiteral("这个分区的文本太长（%1 字节），这里只显示前面 1 MB，不能编辑。")
                                            .arg(zone.Text.size()));
            ws.StatusPanels[6] = ws.ProjectFolder + name;
        } else {
            setMemoText(QByteArray());
        }
        yuelan();
    }
    if (m_parts.statusChanged)
        m_parts.statusChanged();
}

void TextPanel::cmbFontChange()
{
    Workspace &ws = m_workspace;
    if (ws.UiReady <= 0 || !zoneSelected())
        return;
    applyMemoFont();
    ZoneRecord &zone = ws.currentZone();
    zone.FontIndex = itemIndex(m_font);
    zone.FontSizeIndex = itemIndex(m_fontSize);
    memo1Change();
}

void TextPanel::cmbFontSizeChange()
{
    Workspace &ws = m_workspace;
    if (ws.UiReady <= 0 || !zoneSelected())
        return;
    const LedFontSize size = LedFontSizes::lookup(m_fontSize->currentText());
    if (size.recognised)
        m_pointSize = size.pointSize;
    QFont font = m_memo->font();
    font.setPixelSize(LedFontSizes::pixelSize(m_pointSize));
    m_memo->setFont(font);
    ZoneRecord &zone = ws.currentZone();
    zone.FontIndex = itemIndex(m_font);
    zone.FontSizeIndex = itemIndex(m_fontSize);
    memo1Change();
}

void TextPanel::CheckBox11Click()
{
    Workspace &ws = m_workspace;
    if (ws.UiReady <= 0 || !zoneSelected())
        return;
    ws.currentZone().SingleLine = m_singleLine->isChecked() ? 1 : 0;
    memo1Change();
}

void TextPanel::CheckBox13Click()
{
    Workspace &ws = m_workspace;
    if (ws.UiReady <= 0 || !zoneSelected())
        return;
    ws.currentZone().YearFormat = m_couplet->isChecked() ? 1 : 0;
    memo1Change();
}

void TextPanel::swatchClick(int colourCode)
{
    setTextColour(colourCode);
    if (zoneSelected())
        m_workspace.currentZone().ForeColor = colourCode;
    memo1Change();
}

void TextPanel::SpeedButton1Click()
{
    if (!m_parts.prompts)
        return;
    const QString path = m_parts.prompts().openTextFile(m_parts.window, m_workspace.ProjectFolder);
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_parts.prompts().error(m_parts.window,
                                QStringLiteral("无法读取文件 \"%1\"：%2").arg(path, file.errorString()));
        return;
    }
    if (file.size() > MaxMemoBytes) {
        m_parts.prompts().error(m_parts.window,
                                QStringLiteral("文件 \"%1\" 太大（%2 字节），不能读入。").arg(path).arg(file.size()));
        return;
    }
    QByteArray text = file.readAll();
    // A final line end is no line of the text.
    if (text.endsWith("\r\n"))
        text.chop(2);
    m_memo->setPlainText(memoText(text));
}

} // namespace lumetra
