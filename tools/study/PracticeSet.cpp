#include "PracticeSet.h"

#include "RandomSet.h"

namespace orvik3::study {

std::optional<std::vector<QStringList>> writePracticeSet(const PracticeRequest &request, const QString &outDir,
                                                         QString *error)
{
    RandomRequest r;
    r.type = request.type;
    r.count = request.count;
    r.seed = request.seed;
    r.language = request.german ? Language::German : Language::English;
    r.wishes = request.wishes;
    r.skills = request.skills;
    const std::optional<RandomSet> set = randomSet(r, error);
    if (!set || !writePracticeFiles(set->files, outDir, error))
        return std::nullopt;
    return set->kinds;
}

QStringList practiceKinds(qint16 type) { return situationKinds(type); }

} // namespace orvik3::study
