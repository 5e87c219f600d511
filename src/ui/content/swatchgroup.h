#pragma once

#include <QColor>
#include <QObject>

#include <map>

class QFrame;
class QLabel;

namespace lumetra {

// A row of colour swatches, each a picture in its frame panel: a click on
// the picture reports its code; the marked swatch's frame is drawn black,
// the others in the button face colour.
class SwatchGroup : public QObject
{
    Q_OBJECT
public:
    explicit SwatchGroup(QObject *parent = nullptr);

    void add(int code, QFrame *frame, QLabel *picture, const QColor &colour);
    void mark(int code);
    int marked() const { return m_marked; }
    QColor colour(int code) const;

signals:
    void clicked(int code);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Swatch
    {
        QFrame *frame = nullptr;
        QLabel *picture = nullptr;
        QColor colour;
    };
    std::map<int, Swatch> m_swatches;
    int m_marked = 0;
};

} // namespace lumetra
