#pragma once

#include "ClassData.h"
#include "ReportTexts.h"

#include <QString>

namespace orvik3::school {

// The class report as one self-contained HTML page: styles and SVG charts inline, no script,
// nothing loaded from elsewhere, so it reads offline and prints. Every text from the data is
// escaped.
QString htmlReport(const ClassData &data, ReportLanguage language);

} // namespace orvik3::school
