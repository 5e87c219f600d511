// The virtual sign's frame splitter on arbitrary bytes in arbitrary pieces:
// nothing may crash, and every byte fed comes out once, in order, as frames
// or unparsed pieces.
#include "sign/framesplitter.h"

#include <cstdint>
#include <cstdlib>

using namespace lumetra::sign;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const uint8_t cut = data[0];
    const QByteArrayView bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    FrameSplitter splitter;
    QByteArray out;
    qsizetype pos = 0;
    int piece = 0;
    while (pos < bytes.size()) {
        const qsizetype len = std::min<qsizetype>(bytes.size() - pos, 1 + (cut + 13 * piece) % 64);
        for (const SignFrame &frame : splitter.feed(bytes.sliced(pos, len))) {
            if (frame.bytes.isEmpty())
                std::abort();
            out += frame.bytes;
        }
        pos += len;
        ++piece;
    }
    for (const SignFrame &frame : splitter.flush())
        out += frame.bytes;
    if (splitter.hasPending() || out != bytes)
        std::abort();
    return 0;
}
