#pragma once

#include <QObject>
#include <QProcess>
#include <QString>

namespace lumetra {

// The virtual sign the preview sends to: lumetra-sign beside the editor's
// executable, class B at address 1, on a link of its own in the home and
// with its window open. Stopped with the editor.
class SignPreview : public QObject
{
    Q_OBJECT
public:
    explicit SignPreview(const QString &home, QObject *parent = nullptr);
    ~SignPreview() override;

    // Starts the sign unless it runs; false with error set when it cannot.
    bool start(QString &error);
    void stop();
    bool isRunning() const { return m_process.state() == QProcess::Running; }
    qint64 processId() const { return m_process.processId(); }

    QString link() const;
    // Where the sign keeps the frames and pictures it received.
    QString outDir() const;

private:
    QString m_home;
    QProcess m_process;
};

} // namespace lumetra
