#pragma once

#include <QDialog>
#include <QTextCharFormat>

class QCheckBox;
class QDoubleSpinBox;
class QFontComboBox;
class QSpinBox;

namespace lumetra {

class ColourButton;

// The font dialog " (Advanced)": face, size, colours, the styles Qt's own
// font dialog lacks (overline, all capitals) and letter spacing.
class AdvancedFontDialog : public QDialog
{
    Q_OBJECT
public:
    AdvancedFontDialog(const QTextCharFormat &format, qreal defaultSize, QWidget *parent);

    // The character format to merge into the selection.
    QTextCharFormat format() const;

private:
    QFontComboBox *m_face;
    QSpinBox *m_size;
    ColourButton *m_colour;
    ColourButton *m_background;
    QCheckBox *m_bold, *m_italic, *m_underline, *m_strikeOut, *m_overline, *m_allCaps;
    QDoubleSpinBox *m_spacing;
};

} // namespace lumetra
