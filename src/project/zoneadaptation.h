#pragma once

#include "model/records.h"

namespace lumetra {

// Fits the zones of programs 1 … programCount to a new sign size by their
// template (slots 1 to 3; positions are left as they are).
void adaptZonesToSize(DisplayRecord &display, int programCount, int width, int height);

} // namespace lumetra
