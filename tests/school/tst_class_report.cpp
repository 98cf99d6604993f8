// The class report as an instructor meets it: the study tool's simulated class with one
// question keyed wrong, in either home, has that question flagged; text from the data cannot
// break out of the page; and the page, drawn by a real browser, shows its charts.
#include "HtmlReport.h"
#include "ScratchServer.h"
#include "SvgCharts.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

using namespace orvik3::school;

namespace {

// Runs the study tool; its standard output, and the exit code in *code.
QString study(const QStringList &args, int *code)
{
    QProcess p;
    p.start(QStringLiteral(ORVIK3_STUDY_TOOL), args);
    p.waitForFinished(600000);
    *code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    const QString err = QString::fromUtf8(p.readAllStandardError());
    if (*code != 0)
        ADD_FAILURE() << args.join(u' ').toStdString() << ": " << err.toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

class MisKeyTest : public ::testing::TestWithParam<bool> // true: the server
{
};

// 200 students practise the sample installation's study files, HSI question 7 keyed wrong.
TEST_P(MisKeyTest, TheMisKeyedQuestionIsFlagged)
{
    QTemporaryDir dir;
    QString location = dir.filePath(QStringLiteral("class"));
    if (GetParam()) {
        location = ScratchServer::instance().url();
        ASSERT_FALSE(location.isEmpty()) << ScratchServer::instance().error().toStdString();
    } else {
        ASSERT_TRUE(QDir().mkpath(location));
    }
    int code = 0;
    study({QStringLiteral("simulate"), QStringLiteral("--class"), location, QStringLiteral("--base"), QStringLiteral(ORVIK3_DATA_DIR),
           QStringLiteral("--students"), QStringLiteral("200"), QStringLiteral("--days"), QStringLiteral("12"), QStringLiteral("--per-day"),
           QStringLiteral("30"), QStringLiteral("--mis-key"), QStringLiteral("hsi.sty:7")},
          &code);
    ASSERT_EQ(code, 0);
    QStringList negative;
    int lines = 0;
    for (const QString &line : study({QStringLiteral("class"), QStringLiteral("items"), location}, &code).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList f = line.split(u'\t');
        ASSERT_EQ(f.size(), 5) << line.toStdString();
        ++lines;
        if (f[4].split(u',').contains(QLatin1String("negative-discrimination")))
            negative << f[0] + u':' + f[1];
    }
    EXPECT_EQ(code, 0);
    EXPECT_GT(lines, 300);
    EXPECT_TRUE(negative.contains(QLatin1String("hsi.sty:7"))) << negative.join(u' ').toStdString();
    EXPECT_LE(negative.size(), 3) << negative.join(u' ').toStdString();
    const QString html = dir.filePath(QStringLiteral("report.html"));
    const QString summary = study({QStringLiteral("class"), QStringLiteral("report"), QStringLiteral("--html"), html, QStringLiteral("--lang"),
                                   QStringLiteral("en"), location},
                                  &code);
    EXPECT_TRUE(summary.startsWith(QLatin1String("200 students"))) << summary.toStdString();
    QFile page(html);
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(page.readAll()).contains(QLatin1String("<tr class=\"flagged\"><td>hsi.sty</td><td>7</td>")));
}

INSTANTIATE_TEST_SUITE_P(Homes, MisKeyTest, ::testing::Values(false, true),
                         [](const auto &info) { return info.param ? "Server" : "Folder"; });

// Text from the data wherever the page shows it: none of it arrives as markup.
struct Hostile {
    const char *name;
    void (*place)(ClassData &, const QString &);
};

void PrintTo(const Hostile &h, std::ostream *os) { *os << h.name; }

const Hostile kPlaces[] = {
    {"Pseudonym", [](ClassData &d, const QString &t) { d.students.front().pseudonym = t; }},
    {"ProblemSource", [](ClassData &d, const QString &t) { d.problems.push_back({t, QStringLiteral("no snapshot")}); }},
    {"ProblemMessage", [](ClassData &d, const QString &t) { d.problems.push_back({QStringLiteral("x"), t}); }},
    {"FirstAnswer", [](ClassData &d, const QString &t) { d.items.front().rows.front().answers.push_back({t, 3, false}); }},
    {"StudyFile", [](ClassData &d, const QString &t) { d.items.front().file = t; }},
};

class HostileTextTest : public ::testing::TestWithParam<Hostile>
{
};

TEST_P(HostileTextTest, IsEscaped)
{
    ClassData data;
    StudentSummary s;
    s.pseudonym = QStringLiteral("Anna");
    s.recall.assign(38, 0.5);
    data.students = {s, s};
    ItemStats item;
    item.type = 1;
    item.question = 1;
    item.flags = {QStringLiteral("negative-discrimination")}; // flagged: its answers are shown
    item.rows.push_back({});
    data.items = {item};
    data.days = {{20000, 5}};
    const QString hostile = QStringLiteral("<script>alert(\"x\")</script><img src=x onerror=alert(1)>&amp;");
    GetParam().place(data, hostile);
    for (const ReportLanguage l : {ReportLanguage::German, ReportLanguage::English}) {
        const QString html = htmlReport(data, l);
        EXPECT_FALSE(html.contains(QLatin1String("<script"))) << GetParam().name;
        EXPECT_FALSE(html.contains(QLatin1String("<img"))) << GetParam().name;
        EXPECT_TRUE(html.contains(QLatin1String("&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt;"))) << GetParam().name;
        EXPECT_TRUE(html.contains(QLatin1String("&amp;amp;"))) << GetParam().name;
    }
}

INSTANTIATE_TEST_SUITE_P(Places, HostileTextTest, ::testing::ValuesIn(kPlaces), [](const auto &info) { return std::string(info.param.name); });

// The page of a simulated class in headless Chromium: the charts are on the screenshot.
TEST(ClassReportInABrowser, ShowsTheCharts)
{
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    ASSERT_FALSE(chromium.isEmpty()) << "chromium is missing: scripts/deps.sh installs it";
    QTemporaryDir dir;
    const QString location = dir.filePath(QStringLiteral("class")), html = dir.filePath(QStringLiteral("report.html"));
    ASSERT_TRUE(QDir().mkpath(location));
    int code = 0;
    study({QStringLiteral("simulate"), QStringLiteral("--class"), location, QStringLiteral("--base"), QStringLiteral(ORVIK3_DATA_DIR),
           QStringLiteral("--students"), QStringLiteral("40"), QStringLiteral("--days"), QStringLiteral("12"), QStringLiteral("--mis-key"),
           QStringLiteral("hsi.sty:7")},
          &code);
    study({QStringLiteral("class"), QStringLiteral("report"), QStringLiteral("--html"), html, QStringLiteral("--lang"), QStringLiteral("en"),
           QStringLiteral("--exam"), QStringLiteral("2025-02-20"), location},
          &code);
    ASSERT_EQ(code, 0);
    const QString png = dir.filePath(QStringLiteral("report.png"));
    QProcess browser;
    browser.start(chromium, QStringList{QStringLiteral("--headless"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
                             QStringLiteral("--disable-quic"), QStringLiteral("--no-first-run"), QStringLiteral("--disable-background-networking"),
                             QStringLiteral("--disable-component-update"), QStringLiteral("--disable-sync"),
                             QStringLiteral("--user-data-dir=") + dir.filePath(QStringLiteral("profile")), QStringLiteral("--screenshot=") + png,
                             QStringLiteral("--window-size=1280,1400"), QUrl::fromLocalFile(html).toString()});
    ASSERT_TRUE(browser.waitForFinished(120000)) << "chromium did not finish";
    const QImage shot(png);
    ASSERT_FALSE(shot.isNull()) << browser.readAllStandardError().toStdString();
    if (const QByteArray shots = qgetenv("ORVIK3_CLASS_SHOTS"); !shots.isEmpty())
        shot.save(QDir(QString::fromLocal8Bit(shots)).filePath(QStringLiteral("class-report.png")));
    // The reviews-per-day bars in their blue; the readiness bars and the heat map in the red
    // to green of shareColour (sampled where it is red, amber, green), in the upper half.
    const QColor blue(QString::fromLatin1(kDayColour));
    int dayBars = 0, shares = 0;
    std::vector<QColor> scale;
    for (int i = 0; i <= 20; ++i) {
        const auto m = QRegularExpression(QStringLiteral("rgb\\((\\d+),(\\d+),(\\d+)\\)")).match(shareColour(i / 20.0));
        scale.push_back(QColor(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()));
    }
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            dayBars += c == blue;
            shares += std::any_of(scale.begin(), scale.end(), [&](const QColor &s) {
                return std::abs(s.red() - c.red()) + std::abs(s.green() - c.green()) + std::abs(s.blue() - c.blue()) < 12;
            });
        }
    EXPECT_GT(dayBars, 5000);
    EXPECT_GT(shares, 100000);
}

} // namespace
