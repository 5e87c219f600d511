#pragma once

#include "model/records.h"

#include <QJsonObject>

namespace lumetra::cli {

// The records as JSON with their own field names; strings decoded from GBK.
QJsonObject zoneToJson(const ZoneRecord &zone);
QJsonObject programToJson(const ProgramRecord &program);
// Programs 1 … ProgramCount, each with its zone slots 1 … ZoneCount.
QJsonObject displayToJson(const DisplayRecord &display);

} // namespace lumetra::cli
