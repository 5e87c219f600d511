#include "cli/planescommand.h"

#include "cli/clicontext.h"

#include "link/programpreparation.h"
#include "link/programstream.h"
#include "model/error.h"
#include "model/savefile.h"

#include <QBuffer>

#include <algorithm>

namespace lumetra::cli {

QImage PlanesCommand::picture(const Workspace &ws, int k)
{
    const int rows = std::min(ProgramPreparation::rows(ws, k), FramePlanes::UsableRows);
    const int width = std::min(std::max(ws.WorkingSettings.ScreenWidth, 0) / 8 * 8, FramePlanes::UsableColumns);
    if (rows <= 0 || width <= 0)
        return {};
    const bool dual = ws.WorkingSettings.ColorType != 0;
    const FramePlanes &planes = ws.planes();
    QImage image(width, rows, QImage::Format_RGB32);
    for (int r = 0; r < rows; ++r) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(r));
        const uint8_t *red = planes.redRow(r);
        const uint8_t *green = planes.greenRow(r);
        for (int x = 0; x < width; ++x)
            line[x] = qRgb(red[x] ? 255 : 0, dual && green[x] ? 255 : 0, 0);
    }
    return image;
}

int PlanesCommand::run(CliContext &context, const QStringList &args)
{
    ArgReader reader(args);
    const QString programText = reader.option(QStringLiteral("--program"));
    const QString out = reader.option(QStringLiteral("--out"));
    const QString project = reader.positional(1, QStringLiteral("PROJECT")).first();
    bool ok = false;
    const int n = programText.toInt(&ok);
    if (!ok || n < 1)
        throw UsageError{QStringLiteral("planes needs --program N, a number from 1")};
    if (out.isEmpty())
        throw UsageError{QStringLiteral("planes needs --out FILE.png")};

    context.openLikeTheWindow(project);
    context.takeDisplaySettings();
    Workspace &ws = context.workspace();
    const int programs = std::clamp(ws.display().ProgramCount, 0, MaxPrograms);
    if (n > programs)
        throw Error(QStringLiteral("节目%1不存在（共%2个节目）。").arg(n).arg(programs));

    ProgramPreparation preparation;
    const PreparedProgram prepared = preparation.prepare(ws, n - 1);
    for (const QString &text : prepared.messages)
        context.err() << text << "\n";
    if (prepared.skippedPictureZones > 0)
        context.err() << "picture zones are not rendered yet: " << prepared.skippedPictureZones << " left dark\n";
    const QImage image = picture(ws, n - 1);
    if (image.isNull())
        throw Error(QStringLiteral("节目%1没有要发送的行。").arg(n));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    writeFileAtomically(out, png);
    context.out() << out << " " << image.width() << "x" << image.height() << "\n";
    return ExitOk;
}

} // namespace lumetra::cli
