#pragma once

// The report's charts as inline SVG: nothing to load, readable offline and in print. Every
// text from the data (pseudonyms are the students' own) is escaped.

#include "ClassData.h"
#include "ReportTexts.h"

#include <QString>

namespace orvik3::school {

// Red through amber to green for a share 0..1: the colour of readiness and recall.
QString shareColour(double share);
// The blue of the reviews-per-day bars.
inline constexpr char kDayColour[] = "#1565c0";

QString readinessChart(const ClassData &data);
QString heatMap(const ClassData &data, ReportLanguage language);
QString reviewsPerDayChart(const ClassData &data, ReportLanguage language);

} // namespace orvik3::school
