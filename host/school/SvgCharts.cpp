#include "SvgCharts.h"

#include <orvik3/Skills.h>

#include <QCoreApplication>
#include <QDate>

#include <algorithm>
#include <cmath>

namespace orvik3::school {

namespace {

QString num(double v) { return QString::number(v, 'f', 1); }

QString svgOpen(double width, double height)
{
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" viewBox=\"0 0 %1 %2\""
                          " font-family=\"sans-serif\" font-size=\"11\">")
        .arg(num(width), num(height));
}

QString rect(double x, double y, double w, double h, const QString &fill, const QString &tip)
{
    return QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"><title>%6</title></rect>")
        .arg(num(x), num(y), num(w), num(h), fill, tip.toHtmlEscaped());
}

QString label(double x, double y, const QString &text, const char *anchor = "start", const QString &extra = {})
{
    return QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"%3\"%4>%5</text>")
        .arg(num(x), num(y), QLatin1String(anchor), extra, text.toHtmlEscaped());
}

// Horizontal guide lines with their values at the left.
QString guides(double left, double right, double top, double height, const QStringList &values)
{
    QString out;
    for (qsizetype i = 0; i < values.size(); ++i) {
        const double y = top + height - height * double(i) / double(values.size() - 1);
        out += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%2\" stroke=\"#ccc\"/>").arg(num(left), num(y), num(right));
        out += label(left - 4, y + 4, values[i], "end");
    }
    return out;
}

QString percent(double share) { return QString::number(std::lround(share * 100)) + QLatin1Char('%'); }

} // namespace

QString shareColour(double share)
{
    const double s = std::clamp(std::isfinite(share) ? share : 0.0, 0.0, 1.0);
    // red (198, 40, 40) -> amber (249, 168, 37) -> green (46, 125, 50)
    const double a[3] = {198, 40, 40}, b[3] = {249, 168, 37}, c[3] = {46, 125, 50};
    const double *from = s < 0.5 ? a : b, *to = s < 0.5 ? b : c;
    const double t = s < 0.5 ? s * 2 : (s - 0.5) * 2;
    auto mix = [&](int i) { return int(std::lround(from[i] + (to[i] - from[i]) * t)); };
    return QStringLiteral("rgb(%1,%2,%3)").arg(mix(0)).arg(mix(1)).arg(mix(2));
}

QString readinessChart(const ClassData &data)
{
    const double left = 40, top = 10, height = 160, n = double(std::max<std::size_t>(data.students.size(), 1));
    const double bar = std::clamp(1000.0 / n, 2.0, 28.0), width = left + bar * n + 10;
    const bool names = data.students.size() <= 40;
    QString out = svgOpen(width, top + height + (names ? 90 : 10));
    out += guides(left, width - 10, top, height, {QStringLiteral("0%"), QStringLiteral("50%"), QStringLiteral("100%")});
    for (std::size_t i = 0; i < data.students.size(); ++i) {
        const StudentSummary &s = data.students[i];
        const double h = height * std::clamp(s.readiness, 0.0, 1.0), x = left + bar * double(i);
        out += rect(x + bar * 0.1, top + height - h, bar * 0.8, h, shareColour(s.readiness), s.pseudonym + QStringLiteral(": ") + percent(s.readiness));
        if (names)
            out += label(x + bar / 2, top + height + 8, s.pseudonym, "end",
                         QStringLiteral(" transform=\"rotate(-60 %1 %2)\"").arg(num(x + bar / 2), num(top + height + 8)));
    }
    return out + QStringLiteral("</svg>");
}

QString heatMap(const ClassData &data, ReportLanguage)
{
    const double left = 260, top = 10, rowHeight = 12, n = double(std::max<std::size_t>(data.students.size(), 1));
    const double cell = std::clamp(900.0 / n, 2.0, 24.0);
    const auto all = skills();
    QString out = svgOpen(left + cell * n + 10, top + rowHeight * double(all.size()) + 10);
    for (std::size_t k = 0; k < all.size(); ++k) {
        const double y = top + rowHeight * double(k);
        const QString name = QCoreApplication::translate("orvik3::Skill", all[k].name);
        out += label(left - 6, y + rowHeight - 2, name, "end");
        for (std::size_t i = 0; i < data.students.size(); ++i) {
            const double r = data.students[i].recall[k];
            out += rect(left + cell * double(i), y, cell, rowHeight - 1, shareColour(r),
                        data.students[i].pseudonym + QStringLiteral(", ") + name + QStringLiteral(": ") + percent(r));
        }
    }
    return out + QStringLiteral("</svg>");
}

QString reviewsPerDayChart(const ClassData &data, ReportLanguage language)
{
    const double left = 60, top = 10, height = 140;
    if (data.days.empty())
        return svgOpen(left, top);
    const qint64 first = data.days.front().day, last = data.days.back().day;
    const double n = double(last - first + 1), bar = std::clamp(900.0 / n, 3.0, 30.0), width = left + bar * n + 10;
    int most = 1;
    for (const DayCount &d : data.days)
        most = std::max(most, d.reviews);
    QString out = svgOpen(width, top + height + 24);
    out += guides(left, width - 10, top, height, {QStringLiteral("0"), QString::number(most)});
    const QString format = language == ReportLanguage::German ? QStringLiteral("dd.MM.") : QStringLiteral("MM-dd");
    for (const DayCount &d : data.days) {
        const double x = left + bar * double(d.day - first), h = height * d.reviews / most;
        const QDate date = QDate(1970, 1, 1).addDays(d.day);
        out += rect(x + bar * 0.1, top + height - h, bar * 0.8, h, QLatin1String(kDayColour),
                    date.toString(Qt::ISODate) + QStringLiteral(": ") + QString::number(d.reviews));
    }
    out += label(left, top + height + 16, QDate(1970, 1, 1).addDays(first).toString(format));
    out += label(width - 10, top + height + 16, QDate(1970, 1, 1).addDays(last).toString(format), "end");
    return out + QStringLiteral("</svg>");
}

} // namespace orvik3::school
