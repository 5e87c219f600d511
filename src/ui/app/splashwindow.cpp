#include "ui/app/splashwindow.h"

#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QTimer>

namespace lumetra {

SplashWindow::SplashWindow(const QString &picturePath, QWidget *parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("SplashWindow"));
    setFixedSize(435, 315);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("SplashPicture"));
    picture->setGeometry(rect());
    picture->setScaledContents(true);
    QImageReader reader(picturePath);
    const QImage image = reader.read();
    if (image.isNull())
        m_error =
            QStringLiteral("无法读取图片 \"%1\": %2").arg(QDir::toNativeSeparators(picturePath), reader.errorString());
    else
        picture->setPixmap(QPixmap::fromImage(image));
    QTimer::singleShot(ShowMilliseconds, this, &QDialog::accept);
}

} // namespace lumetra
