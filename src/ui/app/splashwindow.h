#pragma once

#include <QDialog>

namespace lumetra {

// Borderless, black, 435 x 315, the picture stretched over it; a 5000 ms
// timer closes it.
class SplashWindow : public QDialog
{
    Q_OBJECT
public:
    // An unreadable picture leaves the splash black; errorText() says why.
    explicit SplashWindow(const QString &picturePath, QWidget *parent = nullptr);

    const QString &errorText() const { return m_error; }
    static constexpr int ShowMilliseconds = 5000;

private:
    QString m_error;
};

} // namespace lumetra
