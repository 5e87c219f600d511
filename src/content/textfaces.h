#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace lumetra {

// The faces a text zone can choose: "宋体", "黑体", then the installed
// families. The two Chinese names draw with the CJK faces the setup script
// installs, whose ASCII is exactly half a cell wide.
class TextFaces
{
public:
    static QString songTi();
    static QString heiTi();

    // What cmbFont lists; FontIndex is an index into it.
    static QStringList faceNames();

    // The face at a stored FontIndex; 宋体 when the index points past the
    // list (a project made on another machine).
    static QString faceAt(int fontIndex);

    // The installed family a face name draws with.
    static QString family(const QString &face);

    // The face at an LED point size: p × 96 ÷ 72 pixels whatever the
    // monitor, never anti-aliased (the painter hint alone does not stop it).
    static QFont ledFont(const QString &face, int pointSize);

    // Maps 宋体 and 黑体 for every QFont of the process; idempotent.
    static void installSubstitutions();
};

} // namespace lumetra
