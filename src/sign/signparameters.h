#pragma once

#include <QByteArray>
#include <QString>

namespace lumetra::sign {

// Screen parameters for the card from a file: a raw 31-byte block, or a
// project file whose display settings give the block. Empty on failure,
// with error set.
class SignParameters
{
public:
    static QByteArray load(const QString &path, QString &error);
};

} // namespace lumetra::sign
