// The received-character handler and the parameter-reply decoder on
// arbitrary bytes, cut into pieces as the port may deliver them: nothing may
// crash and the reply buffer stays bounded.
#include "link/replyhandler.h"

#include <cstdint>
#include <cstdlib>

using namespace lumetra;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return 0;
    // The first bytes choose the settings: address source, selectors,
    // whether a parameter reply is awaited, and where the pieces end.
    WorkspaceState state;
    state.ReplyAddressSource = data[0] % 4;
    AddressSelectors selectors;
    selectors.TargetIndex = data[1] % 129;
    selectors.TestAddressIndex = (data[1] >> 1) % 129;
    state.display().CardAddress = 1 + data[2] % 129;
    ReplyHandler handler(state, selectors);
    handler.setAwaitingParameters(data[2] & 0x80);
    const uint8_t cut = data[3];
    data += 4;
    size -= 4;

    size_t pos = 0;
    int piece = 0;
    while (pos < size) {
        // Piece lengths 1 … 40 drawn from the cut byte and the data.
        const size_t len = std::min(size - pos, size_t(1 + (cut + piece * 7 + data[pos]) % 40));
        handler.ComPortRxChar(QByteArrayView(reinterpret_cast<const char *>(data + pos), qsizetype(len)));
        if (state.ReplyBuffer.size() > 4096)
            std::abort();
        if (piece % 5 == 4)
            handler.reset();
        pos += len;
        ++piece;
    }
    return 0;
}
