#pragma once

#include "link/programsender.h"

#include <QTextStream>

namespace lumetra::cli {

// Progress on standard error: a line when a program starts and whenever its
// percentage changes.
class ProgressPrinter
{
public:
    explicit ProgressPrinter(QTextStream &err) : m_err(err) {}

    void operator()(const TransferProgress &p);

private:
    QTextStream &m_err;
    int m_program = 0;
    int m_percent = -1;
};

} // namespace lumetra::cli
