// libFuzzer target for the study-file loader: the first byte picks the exercise type (0..15,
// so types without a layout are tried too), the rest is the file.
#include "study/QuestionTable.h"
#include "study/StudyFileLoader.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    using namespace orvik3;
    const auto type = qint16(data[0] % 16);
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    QuestionTable table;
    const StudyLoadResult result = readStudyData(bytes, type, table);

    check(result.records >= 0 && result.records <= QuestionTable::rows);
    if (result.stop == StudyStop::TooManyRecords)
        check(result.records == QuestionTable::rows);
    if (result.stop == StudyStop::UnknownType)
        check(result.records == 0 && (type < 1 || type > 14));
    // A complete record always names its session (the line may hold nothing but its tag).
    if (result.records > 0)
        check(!table.session(result.records - 1).isNull());
    // Reading the same bytes again gives the same result: no hidden state.
    QuestionTable again;
    const StudyLoadResult second = readStudyData(bytes, type, again);
    check(second.records == result.records && second.stop == result.stop);
    return 0;
}
