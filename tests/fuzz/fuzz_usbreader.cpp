// The virtual sign's USB-file reader on arbitrary bytes: nothing may crash;
// a file it reads without error has its 4-byte header.
#include "sign/usbreader.h"

#include <cstdint>
#include <cstdlib>

using namespace lumetra::sign;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    const UsbReader::Result result = UsbReader::parse(file);
    if (result.error.isEmpty() && result.header.size() != 4)
        std::abort();
    qsizetype total = result.header.size();
    for (const SignFrame &frame : result.frames)
        total += frame.bytes.size();
    (void)total;
    return 0;
}
