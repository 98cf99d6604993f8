#include "HtmlReport.h"

#include "SvgCharts.h"

#include <orvik3/Skills.h>

#include <QCoreApplication>
#include <QDateTime>

#include <algorithm>
#include <cmath>

namespace orvik3::school {

namespace {

const char kStyle[] = "body{font-family:sans-serif;margin:24px;color:#222}h1{font-size:22px}h2{font-size:17px;margin-top:28px}"
                      "table{border-collapse:collapse;font-size:12px}td,th{border:1px solid #ccc;padding:2px 6px;text-align:right}"
                      "td:first-child,th:first-child{text-align:left}tr.flagged{background:#fdecea}.note{font-size:12px;color:#555}"
                      ".chart{overflow-x:auto}";

class Page
{
public:
    Page(const ClassData &data, ReportLanguage language) : m_data(data), m_language(language) {}

    QString html()
    {
        const QString lang = m_language == ReportLanguage::German ? QStringLiteral("de") : QStringLiteral("en");
        m_out = QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\"><head><meta charset=\"utf-8\"><title>%2</title><style>%3</style>"
                               "</head><body>\n<h1>%2</h1>\n")
                    .arg(lang, t("title"), QLatin1String(kStyle));
        summary();
        problems();
        section("readiness-chart", QStringLiteral("<div class=\"chart\">") + readinessChart(m_data) + QStringLiteral("</div>"));
        section("heat-chart", QStringLiteral("<div class=\"chart\">") + heatMap(m_data, m_language) + QStringLiteral("</div>"));
        section("days-chart", QStringLiteral("<div class=\"chart\">") + reviewsPerDayChart(m_data, m_language) + QStringLiteral("</div>"));
        weakest();
        items();
        students();
        return m_out + QStringLiteral("</body></html>\n");
    }

private:
    QString t(const char *key) const { return reportText(key, m_language).toHtmlEscaped(); }
    static QString e(const QString &s) { return s.toHtmlEscaped(); }
    static QString pct(double share) { return QString::number(std::lround(share * 100)) + QStringLiteral("&nbsp;%"); }
    QString date(qint64 ms) const
    {
        if (ms <= 0)
            return t("never");
        const QDate d = QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).date();
        return d.toString(m_language == ReportLanguage::German ? QStringLiteral("dd.MM.yyyy") : QStringLiteral("yyyy-MM-dd"));
    }
    QString skillName(int skill) const { return e(QCoreApplication::translate("orvik3::Skill", skills()[std::size_t(skill)].name)); }

    void section(const char *key, const QString &body) { m_out += QStringLiteral("<h2>%1</h2>\n%2\n").arg(t(key), body); }

    void summary()
    {
        const qint64 day = 86400000;
        const QString from = m_data.days.empty() ? t("never") : date(m_data.days.front().day * day);
        const QString to = m_data.days.empty() ? t("never") : date(m_data.days.back().day * day);
        m_out += QStringLiteral("<p>%1</p>\n").arg(reportText("summary", m_language).toHtmlEscaped().arg(
            QString::number(m_data.students.size()), QString::number(m_data.reviews()), from, to, date(m_data.exam)));
    }

    void problems()
    {
        if (m_data.problems.empty())
            return;
        QString list = QStringLiteral("<ul>");
        for (const SourceProblem &p : m_data.problems)
            list += QStringLiteral("<li>%1: %2</li>").arg(e(p.source), e(p.message));
        section("problems", list + QStringLiteral("</ul>"));
    }

    void students()
    {
        QString table = QStringLiteral("<table><tr><th>%1</th><th>%2</th><th>%3</th><th>%4</th>")
                            .arg(t("pseudonym"), t("reviews"), t("right"), t("readiness"));
        for (int f = 0; f < 5; ++f)
            table += QStringLiteral("<th>%1<br>%2 · %3 · %4</th>")
                         .arg(t(QStringLiteral("family%1").arg(f).toLatin1().constData()), t("reviews"), t("right"), t("readiness"));
        table += QStringLiteral("<th>%1</th></tr>\n").arg(t("last"));
        for (const StudentSummary &s : m_data.students) {
            table += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td>")
                         .arg(e(s.pseudonym), QString::number(s.reviews), pct(s.share()), pct(s.readiness));
            for (const FamilyFigures &f : s.families)
                table += QStringLiteral("<td>%1 · %2 · %3</td>").arg(QString::number(f.reviews), pct(f.share()), pct(f.readiness));
            table += QStringLiteral("<td>%1</td></tr>\n").arg(date(s.lastPractice));
        }
        section("students", table + QStringLiteral("</table>"));
    }

    void weakest()
    {
        QString table = QStringLiteral("<table><tr><th>%1</th><th>%2</th><th>%3</th><th>%4</th></tr>\n")
                            .arg(t("skill"), t("reviews"), t("right"), t("recall"));
        const std::size_t shown = std::min<std::size_t>(m_data.skills.size(), 8);
        for (std::size_t i = 0; i < shown; ++i) {
            const SkillSummary &s = m_data.skills[i];
            table += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>\n")
                         .arg(skillName(s.skill), QString::number(s.reviews), pct(s.reviews ? double(s.right) / s.reviews : 0), pct(s.recall));
        }
        section("weakest", table + QStringLiteral("</table>"));
    }

    QString flags(const QStringList &words) const
    {
        QStringList out;
        for (const QString &w : words)
            out << t(w.toLatin1().constData());
        return out.join(QStringLiteral("; "));
    }

    // The rows of a flagged question: what each asks and the first answers given.
    QString rowDetails(const ItemStats &item) const
    {
        QString out;
        for (const ItemRow &r : item.rows) {
            QStringList answers;
            for (const AnswerCount &a : r.answers)
                answers << QStringLiteral("%1%2&nbsp;×%3").arg(e(a.answer), a.right ? QStringLiteral("&nbsp;✓") : QString()).arg(a.count);
            out += QStringLiteral("<br>%1: %2 %3, %4 %5%6").arg(skillName(r.skill), t("difficulty"), pct(r.difficulty),
                                                                 t("discrimination"), r.discriminationKnown ? QString::number(r.discrimination, 'f', 2) : QStringLiteral("–"),
                                                                 r.flags.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(flags(r.flags)));
            out += QStringLiteral("; %1: %2").arg(t("answers"), answers.join(QStringLiteral(", ")));
        }
        return out;
    }

    void items()
    {
        std::vector<const ItemStats *> order;
        for (const ItemStats &i : m_data.items)
            order.push_back(&i);
        std::stable_partition(order.begin(), order.end(), [](const ItemStats *i) { return !i->flags.isEmpty(); });
        const auto flagged = std::count_if(order.begin(), order.end(), [](const ItemStats *i) { return !i->flags.isEmpty(); });
        QString body = QStringLiteral("<p class=\"note\">%1</p><p>%2</p>\n")
                           .arg(t("items-note"), reportText("flagged", m_language).arg(flagged).arg(order.size()).toHtmlEscaped());
        body += QStringLiteral("<table><tr><th>%1</th><th>%2</th><th>%3</th><th>%4</th><th>%5</th><th>%6</th></tr>\n")
                    .arg(t("file"), t("question"), t("tried"), t("difficulty"), t("discrimination"), t("flags"));
        for (const ItemStats *i : order) {
            const bool marked = !i->flags.isEmpty();
            body += QStringLiteral("<tr%1><td>%2</td><td>%3</td><td>%4</td><td>%5</td><td>%6</td><td style=\"text-align:left\">%7%8</td></tr>\n")
                        .arg(marked ? QStringLiteral(" class=\"flagged\"") : QString(), e(i->file), QString::number(i->question),
                             QString::number(i->students), pct(i->difficulty),
                             i->discriminationKnown ? QString::number(i->discrimination, 'f', 2) : QStringLiteral("–"), flags(i->flags),
                             marked ? rowDetails(*i) : QString());
        }
        section("items", body + QStringLiteral("</table>"));
    }

    const ClassData &m_data;
    ReportLanguage m_language;
    QString m_out;
};

} // namespace

QString htmlReport(const ClassData &data, ReportLanguage language) { return Page(data, language).html(); }

} // namespace orvik3::school
