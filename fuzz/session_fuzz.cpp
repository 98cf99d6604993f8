// libFuzzer target for the session reader: whatever it accepts, the writer turns into text
// that reads back as the same session, and writing that again gives the same text.
#include "FuzzCheck.h"

#include "session/SessionFile.h"

#include <QByteArray>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using orvik3::host::SessionFile;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const SessionFile::Result first = SessionFile::parse(bytes, QStringLiteral("fuzz.session"));
    if (!first) {
        ORVIK3_FUZZ_CHECK(!first.error.message.isEmpty());
        return 0;
    }
    const QByteArray text = SessionFile::toText(*first.session);
    const SessionFile::Result second = SessionFile::parse(text, QStringLiteral("fuzz.session"));
    if (!second)
        std::fprintf(stderr, "written text does not read: %s\n%s\n", qPrintable(second.error.toString()), text.constData());
    ORVIK3_FUZZ_CHECK(second);
    ORVIK3_FUZZ_CHECK(*second.session == *first.session);
    ORVIK3_FUZZ_CHECK(SessionFile::toText(*second.session) == text);
    return 0;
}
