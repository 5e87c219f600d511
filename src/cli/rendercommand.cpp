#include "cli/rendercommand.h"

#include "cli/clicontext.h"

#include "content/richtextzone.h"
#include "content/textzone.h"
#include "layout/clockrenderer.h"
#include "model/error.h"

#include <QTextDocument>

#include <algorithm>

namespace lumetra::cli {

namespace {

// 0 when absent; UsageError when not a positive number.
int numberOption(ArgReader &reader, const QString &name)
{
    const QString value = reader.option(name);
    if (value.isEmpty())
        return 0;
    bool ok = false;
    const int n = value.toInt(&ok);
    if (!ok || n < 1)
        throw UsageError{QStringLiteral("%1 needs a number from 1").arg(name)};
    return n;
}

} // namespace

int RenderCommand::run(CliContext &context, const QStringList &args)
{
    ArgReader reader(args);
    const int onlyProgram = numberOption(reader, QStringLiteral("--program"));
    const int onlyZone = numberOption(reader, QStringLiteral("--zone"));
    const QString project = reader.positional(1, QStringLiteral("PROJECT")).first();

    context.openLikeTheWindow(project);
    Workspace &ws = context.workspace();
    const int programs = std::clamp(ws.display().ProgramCount, 0, MaxPrograms);
    if (onlyProgram > programs)
        throw Error(QStringLiteral("节目%1不存在（共%2个节目）。").arg(onlyProgram).arg(programs));

    TextRenderer renderer;
    ClockRenderer clocks;
    QTextDocument document;
    for (int p = onlyProgram ? onlyProgram : 1; p <= (onlyProgram ? onlyProgram : programs); ++p) {
        const int zones = std::clamp(ws.program(p).ZoneCount, 0, MaxZonesUsed);
        if (onlyZone > zones)
            throw Error(QStringLiteral("节目%1没有分区%2（共%3个分区）。").arg(p).arg(onlyZone).arg(zones));
        for (int z = onlyZone ? onlyZone : 1; z <= (onlyZone ? onlyZone : zones); ++z) {
            ZoneRecord &zone = ws.program(p).Zones[z];
            ws.CurrentProgram = p;
            ws.CurrentZone = z;
            if (zone.ZoneType == ClockZone) {
                const ClockRender shown = clocks.ClocktoImage(ws, ClockMode::Preview);
                context.out() << p << " " << z << " " << zoneKindName(zone.ZoneType) << " " << zone.Width << "x"
                              << zone.Height << " pages=1 content-height=" << zone.ContentHeight
                              << " file=" << shown.bitmapPath << "\n";
                continue;
            }
            if (zone.ZoneType == PictureZone) {
                const RichTextLoad load = RichTextZone::load(document, ws, zone);
                if (load.fileMissing) {
                    context.err() << p << " " << z << " picture: no document " << load.path << "\n";
                    continue;
                }
                if (load.importFailed)
                    context.err() << p << " " << z << " picture: " << RichTextZone::importFailedTitle() << "\n";
                const RichTextPreview shown = RichTextZone::yuelanrtf(document, ws, p, z);
                context.out() << p << " " << z << " " << zoneKindName(zone.ZoneType) << " " << zone.Width << "x"
                              << zone.Height << " pages=" << shown.pageCount
                              << " content-height=" << shown.pageCount * zone.Height << " file=" << shown.bitmapPath
                              << "\n";
                continue;
            }
            if (zone.ZoneType != TextZone) {
                context.err() << p << " " << z << " " << zoneKindName(zone.ZoneType) << ": unknown kind\n";
                continue;
            }
            const ShownTextZone shown = TextZone::renderAndSave(renderer, ws, p, z, TextZone::choiceFromRecord(zone));
            context.out() << p << " " << z << " " << zoneKindName(zone.ZoneType) << " " << zone.Width << "x"
                          << zone.Height << " pages=" << shown.render.pageCount
                          << " content-height=" << shown.render.ContentHeight << " file=" << shown.bitmapPath << "\n";
        }
    }
    return ExitOk;
}

} // namespace lumetra::cli
