#pragma once

#include "model/records.h"

#include <QDialog>

#include <functional>

class QComboBox;

namespace lumetra {

// "设置窗体": the manual choice of the serial port and its rate.
class PortSetupDialog : public QDialog
{
    Q_OBJECT
public:
    PortSetupDialog(const QStringList &ports, const QString &port, int baudRate, QWidget *parent = nullptr);

    QComboBox *portBox() const { return m_port; }
    QComboBox *rateBox() const { return m_rate; }
    QString portName() const;
    int baudRate() const;

    // The rates offered, fastest first.
    static QList<int> rates();

    // The dialog over the ports of the given box, opened on the display's
    // port and rate; on OK the display takes the choice. False on Cancel.
    static bool chooseFor(DisplayRecord &display, const QComboBox &listed,
                          const std::function<int(QDialog &)> &runModal, QWidget *parent);

private:
    QComboBox *m_port = nullptr;
    QComboBox *m_rate = nullptr;
};

} // namespace lumetra
