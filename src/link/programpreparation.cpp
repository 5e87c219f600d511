#include "link/programpreparation.h"

#include "content/richtextzone.h"
#include "content/textzone.h"
#include "link/programstream.h"
#include "model/contentfiles.h"

#include <QFileInfo>
#include <QTextDocument>

#include <algorithm>

namespace lumetra {

ProgramPreparation::ProgramPreparation() : m_document(std::make_shared<QTextDocument>())
{
    m_pictures = [document = m_document](Workspace &workspace, int programIndex, int slot, const QString &) {
        const RichTextLoad load =
            RichTextZone::load(*document, workspace, workspace.program(programIndex + 1).Zones[slot]);
        TransferResult transfer = RichTextZone::rtftobmp(*document, workspace, programIndex, slot);
        if (load.importFailed && transfer.message.isEmpty())
            transfer.message = RichTextZone::importFailedTitle();
        return transfer;
    };
}

int ProgramPreparation::rows(const Workspace &workspace, int k)
{
    return ProgramStream::rowCount(StreamGeometry::fromSettings(workspace.WorkingSettings), workspace.program(k + 1));
}

PreparedProgram ProgramPreparation::prepare(Workspace &workspace, int k)
{
    PreparedProgram prepared;
    workspace.planes().clear();
    const int zones = std::clamp(workspace.program(k + 1).ZoneCount, 0, ZoneSlots);
    for (int z = 1; z <= zones; ++z) {
        workspace.CurrentProgram = k + 1;
        workspace.CurrentZone = z;
        const ZoneRecord &zone = workspace.program(k + 1).Zones[z];
        if (zone.ContentFile.isEmpty())
            continue;
        const QString path = contentFilePath(workspace, zone.ContentFile);
        TransferResult transfer;
        switch (zone.ZoneType) {
        case ClockZone:
            // The card draws the changing digits and the day name itself.
            transfer = m_clock.ClocktoImage(workspace, ClockMode::Template).transfer;
            break;
        case TextZone:
            if (path.isEmpty() || !QFileInfo::exists(path))
                continue;
            transfer = TextZone::doctobmp(m_text, workspace, k, z);
            break;
        case PictureZone:
            if (path.isEmpty() || !QFileInfo::exists(path))
                continue;
            if (!m_pictures) {
                ++prepared.skippedPictureZones;
                continue;
            }
            transfer = m_pictures(workspace, k, z, path);
            break;
        default:
            continue;
        }
        if (!transfer.message.isEmpty())
            prepared.messages << transfer.message;
    }
    prepared.rows = rows(workspace, k);
    return prepared;
}

} // namespace lumetra
