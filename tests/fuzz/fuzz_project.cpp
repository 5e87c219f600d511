// The INI reader and the project loader on arbitrary bytes: nothing may
// crash, a parsed document must write back what it read, and a load either
// succeeds or throws Error leaving the workspace as it was.
#include "model/error.h"
#include "model/inidocument.h"
#include "model/projectfile.h"
#include "model/workspace.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

using namespace lumetra;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    const IniDocument doc = IniDocument::parse(bytes);
    const QByteArray once = doc.serialize();
    if (IniDocument::parse(once).serialize() != once)
        std::abort();

    static QTemporaryDir dir;
    static Workspace ws;
    const QString path = dir.filePath(QStringLiteral("Project.zvp"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(bytes);
    file.close();

    setProjectPath(ws, path);
    const DisplayRecord before = ws.display();
    try {
        LoadProject(ws, path);
        if (ws.display().ProgramCount < 0 || ws.display().ProgramCount > MaxPrograms)
            std::abort();
        SaveProject(ws, path);
    } catch (const Error &) {
        if (!(ws.display() == before))
            std::abort();
    }
    return 0;
}
