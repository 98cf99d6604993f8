// libFuzzer target for the RTF reader.
//   clang++ -fsanitize=fuzzer,address,undefined ... && ./rtf_fuzz fuzz/corpus/rtf
// Fontconfig keeps caches alive until exit (font fallback for odd scripts);
// scripts/fuzz.sh runs it with the suppressions of fuzz/lsan.supp.
#include "widgets/rtf/RtfReader.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

namespace {

QGuiApplication *g_app = nullptr;

// Cheap invariants the reader promises; a violation is reported as a crash.
void check(bool condition)
{
    if (!condition)
        std::abort();
}

void runOne(const QByteArray &input)
{
    QTextDocument doc;
    QString error;
    const bool ok = orvik3::RtfReader::read(input, &doc, &error);
    if (!ok) {
        check(!error.isEmpty());
        check(doc.isEmpty());
        return;
    }
    check(error.isEmpty());
    // The reader must never leave unpaired surrogates or frame markers.
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QString text = b.text();
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            check(c.unicode() != 0xFDD0 && c.unicode() != 0xFDD1
                  && c != QChar::ObjectReplacementCharacter);
            if (c.isHighSurrogate())
                check(i + 1 < text.size() && text.at(++i).isLowSurrogate());
            else
                check(!c.isLowSurrogate());
        }
    }
    // Lay out small results too, as the dialog would.
    if (input.size() < 4096)
        (void)doc.size();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // QTextDocument needs fonts, hence a GUI application, but no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_app = new QGuiApplication(*argc, *argv);
    // Warm up font caches so their one-time allocations are not seen as leaks.
    runOne(QByteArray(R"({\rtf1 {\b\i\ul\fs30 warm}\par up})"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    runOne(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
