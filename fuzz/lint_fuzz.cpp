// libFuzzer target for the study-file linter: the first byte picks the type (1..14) and the
// language, the rest is the file. The linter must count the records the control loads and
// place every finding on a line of the file.
#include "FuzzCheck.h"

#include "Lint.h"

#include "study/QuestionTable.h"
#include "study/StudyFileLoader.h"

#include <QByteArray>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace orvik3;
    if (size == 0)
        return 0;
    const auto type = qint16(data[0] % 14 + 1);
    const auto language = data[0] & 0x80 ? study::Language::English : study::Language::German;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const study::LintReport report = study::lintStudyData(bytes, QStringLiteral("fuzz.sty"), type, language, QString());

    QuestionTable table;
    ORVIK3_FUZZ_CHECK(report.records == readStudyData(bytes, type, table).records);
    const int lines = int(bytes.count('\r')) + 1;
    for (const study::Finding &f : report.findings) {
        ORVIK3_FUZZ_CHECK(!f.message.isEmpty());
        ORVIK3_FUZZ_CHECK(f.line >= 0 && f.line <= lines + 1);
    }
    return 0;
}
