#include "model/contentfiles.h"

#include "model/gbk.h"
#include "model/savefile.h"

namespace lumetra {

QString bareFileName(QByteArrayView contentFile)
{
    qsizetype cut = -1;
    for (qsizetype i = 0; i < contentFile.size(); ++i) {
        const char c = contentFile[i];
        if (c == '\\' || c == '/')
            cut = i;
        else if (c == '\0')
            return QString();
        else if (isLeadByte(c) && i + 1 < contentFile.size())
            ++i; // a trail byte may be 0x5C ("\") without being a separator
    }
    const QByteArrayView bare = contentFile.sliced(cut + 1);
    if (bare.isEmpty() || bare == ".." || bare == ".")
        return QString();
    return fromGbk(bare);
}

QString contentFilePath(const WorkspaceState &state, QByteArrayView contentFile)
{
    const QString bare = bareFileName(contentFile);
    return bare.isEmpty() ? QString() : state.ProjectFolder + bare;
}

static QString zoneStem(const WorkspaceState &state, int program, int slot)
{
    return QStringLiteral("%1-%2-%3").arg(state.CurrentDisplay).arg(program - 1).arg(slot);
}

QString textFilePath(const WorkspaceState &state, int program, int slot)
{
    return state.ProjectFolder + state.ProjectBaseName + zoneStem(state, program, slot) + QStringLiteral(".txt");
}

QString extFileFolder(const WorkspaceState &state)
{
    return state.ProjectFolder + QStringLiteral("ExtFile/");
}

QString zoneBitmapPath(const WorkspaceState &state, int program, int slot)
{
    return extFileFolder(state) + zoneStem(state, program, slot) + QStringLiteral(".bmp");
}

void ensureExtFileFolder(const WorkspaceState &state)
{
    ensureFolder(extFileFolder(state));
}

QByteArray textFileBytes(const QByteArray &text)
{
    return text.isEmpty() ? QByteArray() : text + "\r\n";
}

QByteArray textFromFileBytes(const QByteArray &bytes)
{
    if (bytes.endsWith("\r\n"))
        return bytes.chopped(2);
    if (bytes.endsWith('\n'))
        return bytes.chopped(1);
    return bytes;
}

} // namespace lumetra
