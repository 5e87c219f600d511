// The RTF reader and the native document reader on arbitrary bytes: nothing
// may crash or hang; what RTF import keeps must export and import again.
#include "content/document/nativedocument.h"
#include "content/rtf/rtfreader.h"
#include "content/rtf/rtfwriter.h"
#include "model/error.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

using namespace lumetra;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    QTextDocument rtf;
    RtfReader reader;
    reader.read(rtf, bytes);
    rtf.setTextWidth(128);
    (void)rtf.size();
    QTextDocument again;
    RtfReader second;
    if (!second.read(again, RtfWriter::write(rtf)))
        std::abort();

    QTextDocument native;
    try {
        NativeDocument::deserialize(native, bytes.toByteArray());
        native.setTextWidth(128);
        (void)native.size();
    } catch (const Error &) {
    }
    return 0;
}
