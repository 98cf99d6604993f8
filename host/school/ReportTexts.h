#pragma once

#include <QString>

namespace orvik3::school {

enum class ReportLanguage { German, English };

// The report's own texts, in English and German, by key; the key itself for an unknown one.
QString reportText(const char *key, ReportLanguage language);

} // namespace orvik3::school
