#include "ui/content/advancedfontdialog.h"

#include "ui/content/colourbutton.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace lumetra {

namespace {

QCheckBox *check(const QString &caption, const char *name, bool on, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setChecked(on);
    return box;
}

} // namespace

AdvancedFontDialog::AdvancedFontDialog(const QTextCharFormat &format, qreal defaultSize, QWidget *parent)
    : QDialog(parent)
{
    setObjectName("AdvancedFontDialog");
    setWindowTitle(QStringLiteral("字体"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    m_face = new QFontComboBox(this);
    m_face->setObjectName("ComboFace");
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty())
        m_face->setEditText(families.first());
    m_size = new QSpinBox(this);
    m_size->setObjectName("SpinSize");
    m_size->setRange(1, 1638);
    m_size->setValue(int(std::lround(format.fontPointSize() > 0 ? format.fontPointSize() : defaultSize)));
    const QBrush foreground = format.foreground();
    m_colour = new ColourButton(foreground.style() != Qt::NoBrush ? foreground.color() : QColor(), this);
    m_colour->setObjectName("ButtonColour");
    const QBrush background = format.background();
    m_background = new ColourButton(background.style() != Qt::NoBrush ? background.color() : QColor(), this);
    m_background->setObjectName("ButtonBackground");
    m_spacing = new QDoubleSpinBox(this);
    m_spacing->setObjectName("SpinSpacing");
    m_spacing->setRange(-20, 100);
    m_spacing->setDecimals(1);
    m_spacing->setSuffix(QStringLiteral(" 像素"));
    m_spacing->setValue(format.fontLetterSpacingType() == QFont::AbsoluteSpacing ? format.fontLetterSpacing() : 0);
    form->addRow(QStringLiteral("字体(&F):"), m_face);
    form->addRow(QStringLiteral("大小(&S):"), m_size);
    form->addRow(QStringLiteral("颜色(&C):"), m_colour);
    form->addRow(QStringLiteral("背景(&B):"), m_background);
    form->addRow(QStringLiteral("字间距(&P):"), m_spacing);
    layout->addLayout(form);

    auto *styles = new QGroupBox(QStringLiteral("样式"), this);
    auto *grid = new QGridLayout(styles);
    m_bold = check(QStringLiteral("粗体"), "CheckBold", format.fontWeight() >= QFont::Bold, styles);
    m_italic = check(QStringLiteral("斜体"), "CheckItalic", format.fontItalic(), styles);
    m_underline = check(QStringLiteral("下划线"), "CheckUnderline", format.fontUnderline(), styles);
    m_strikeOut = check(QStringLiteral("删除线"), "CheckStrikeOut", format.fontStrikeOut(), styles);
    m_overline = check(QStringLiteral("上划线"), "CheckOverline", format.fontOverline(), styles);
    m_allCaps =
        check(QStringLiteral("全部大写"), "CheckAllCaps", format.fontCapitalization() == QFont::AllUppercase, styles);
    const QCheckBox *boxes[] = {m_bold, m_italic, m_underline, m_strikeOut, m_overline, m_allCaps};
    for (int i = 0; i < 6; ++i)
        grid->addWidget(const_cast<QCheckBox *>(boxes[i]), i / 2, i % 2);
    layout->addWidget(styles);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("Buttons");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QTextCharFormat AdvancedFontDialog::format() const
{
    QTextCharFormat f;
    f.setFontFamilies({m_face->currentText()});
    f.setFontPointSize(m_size->value());
    if (m_colour->colour().isValid())
        f.setForeground(m_colour->colour());
    f.setBackground(m_background->colour().isValid() ? QBrush(m_background->colour()) : QBrush(Qt::NoBrush));
    f.setFontWeight(m_bold->isChecked() ? QFont::Bold : QFont::Normal);
    f.setFontItalic(m_italic->isChecked());
    f.setFontUnderline(m_underline->isChecked());
    f.setFontStrikeOut(m_strikeOut->isChecked());
    f.setFontOverline(m_overline->isChecked());
    f.setFontCapitalization(m_allCaps->isChecked() ? QFont::AllUppercase : QFont::MixedCase);
    f.setFontLetterSpacingType(QFont::AbsoluteSpacing);
    f.setFontLetterSpacing(m_spacing->value());
    return f;
}

} // namespace lumetra
