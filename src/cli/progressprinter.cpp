#include "cli/progressprinter.h"

namespace lumetra::cli {

void ProgressPrinter::operator()(const TransferProgress &p)
{
    const int percent = p.maximum > 0 ? p.percent() : 100;
    if (p.program == m_program && percent == m_percent)
        return;
    m_program = p.program;
    m_percent = percent;
    m_err << QStringLiteral("正在下载节目%1 %2%").arg(p.program).arg(percent) << "\n";
    m_err.flush();
}

} // namespace lumetra::cli
