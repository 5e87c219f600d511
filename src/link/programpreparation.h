#pragma once

#include "content/textrenderer.h"
#include "layout/clockrenderer.h"
#include "model/workspace.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QTextDocument;

namespace lumetra {

// What preparing one program for sending gave: the rows of its byte stream
// and the messages the renderers raised (a clock or picture that overflowed).
struct PreparedProgram
{
    int rows = 0;
    QStringList messages;
    int skippedPictureZones = 0; // picture zones left dark: no renderer set
};

// Renders every zone of a program into the cleared planes as a send does:
// clock zones as a template, text zones by doctobmp, picture zones by the
// rich-text hook; zones without a file are skipped. Shared by the serial
// send and the USB export.
class ProgramPreparation
{
public:
    // rtftobmp: the send-time render of a picture zone (0-based program
    // index, slot, the document's path) into the planes. The preparation
    // starts with its own (the zone's document loaded and sent as is); the
    // window replaces it to show a failed import.
    using PictureRenderer =
        std::function<TransferResult(Workspace &workspace, int programIndex, int slot, const QString &path)>;

    void setPictureRenderer(PictureRenderer renderer) { m_pictures = std::move(renderer); }
    bool hasPictureRenderer() const { return static_cast<bool>(m_pictures); }

    // Program k (0-based): clears the planes, renders its zones, leaving
    // CurrentProgram and CurrentZone on the last zone rendered.
    PreparedProgram prepare(Workspace &workspace, int k);

    ProgramPreparation();

    // Rows of program k's stream on the working settings.
    static int rows(const Workspace &workspace, int k);

private:
    TextRenderer m_text;
    ClockRenderer m_clock;
    PictureRenderer m_pictures;
    std::shared_ptr<QTextDocument> m_document; // shared by every picture zone
};

} // namespace lumetra
