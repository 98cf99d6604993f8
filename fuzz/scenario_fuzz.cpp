// libFuzzer target for scenario files and the generator behind them: whatever scenario
// reads, the generator either reports why it cannot make it or makes sessions that read
// back and study files that the control loads in full.
#include "FuzzCheck.h"

#include "Generator.h"
#include "Scenario.h"

#include "session/SessionFile.h"
#include "study/QuestionTable.h"
#include "study/StudyFileLoader.h"

#include <QByteArray>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace orvik3;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    study::ScenarioError error;
    const std::optional<study::Scenario> scenario = study::parseScenario(bytes, QStringLiteral("fuzz.txt"), &error);
    if (!scenario) {
        ORVIK3_FUZZ_CHECK(!error.message.isEmpty());
        return 0;
    }
    std::vector<study::ScenarioError> errors;
    const std::optional<study::Generated> generated = study::generate({*scenario}, &errors);
    if (!generated) {
        ORVIK3_FUZZ_CHECK(!errors.empty());
        return 0;
    }
    for (const study::GeneratedFile &file : generated->files) {
        if (file.path.startsWith(QLatin1String("default/sessions/"))) {
            const host::SessionFile::Result session = host::SessionFile::parse(file.bytes, file.path);
            if (!session)
                std::fprintf(stderr, "%s\n", qPrintable(session.error.toString()));
            ORVIK3_FUZZ_CHECK(session);
        } else {
            ORVIK3_FUZZ_CHECK(file.path.startsWith(QLatin1String("default/study/")));
            QuestionTable table;
            const StudyLoadResult loaded = readStudyData(file.bytes, scenario->type, table);
            ORVIK3_FUZZ_CHECK(loaded.stop == StudyStop::EndOfFile);
            ORVIK3_FUZZ_CHECK(loaded.records == int(scenario->situations.size()));
        }
    }
    return 0;
}
