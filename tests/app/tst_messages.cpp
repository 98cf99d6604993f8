// What the trainer says when an exercise has nothing to show, and what its chart leaves out.

#include "MainWindow.h"
#include "SituationView.h"
#include "StatisticsChart.h"
#include "StudyFileCheck.h"
#include "TrainerHost.h"
#include "TrainerTestKit.h"

#include <orvik3/QAform.h>

#include <QDir>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace orvik3;
using namespace orvik3::trainer;

namespace {

// How the study file of type 3 (German name HSIHLD.sty) is spoilt.
struct Spoilt {
    const char *name;
    std::function<void(test::Installation &)> spoil;
    StudyFileState state;
};

const QString kGerman = QStringLiteral("default/study/HSIHLD.sty");

std::vector<Spoilt> spoilings()
{
    return {
        {"Missing", [](test::Installation &i) { QFile::remove(i.base() + QLatin1Char('/') + kGerman); },
         StudyFileState::Missing},
        {"Empty", [](test::Installation &i) { i.writeRaw(kGerman, {}); }, StudyFileState::Empty},
        {"OnlyBlankLines", [](test::Installation &i) { i.writeRaw(kGerman, "\r\n\r\n  \r\n"); }, StudyFileState::Empty},
        {"FolderOfThatName",
         [](test::Installation &i) {
             QFile::remove(i.base() + QLatin1Char('/') + kGerman);
             QDir(i.base()).mkpath(kGerman);
         },
         StudyFileState::Unreadable},
        // The first record ends before its separator: the control keeps no question of it.
        {"RecordCutShort", [](test::Installation &i) { i.writeRaw(kGerman, "#100\r\n##100\r\n"); },
         StudyFileState::NoQuestions},
        {"NoStudyFolder", [](test::Installation &i) { QDir(i.base() + QStringLiteral("/default/study")).removeRecursively(); },
         StudyFileState::Missing},
    };
}

class StudyFileMessage : public testing::TestWithParam<Spoilt>
{
protected:
    StudyFileMessage() : settings(dir.filePath(QStringLiteral("t.ini")), QSettings::IniFormat) { inst.writeType(3); }

    QTemporaryDir dir;
    QSettings settings;
    test::Installation inst;
};

} // namespace

TEST_P(StudyFileMessage, ViewAndStatusNameTheFile)
{
    const Spoilt c = GetParam();
    c.spoil(inst);
    const StudyFileCheck check = checkStudyFile(inst.base(), 3, Language::German);
    EXPECT_EQ(check.state, c.state);
    EXPECT_EQ(check.fileName, QStringLiteral("HSIHLD.sty"));

    Services s;
    s.settings = std::make_shared<MemorySettingsStore>();
    MainWindow w(s, settings, inst.base());
    w.setScripted(true);
    w.setLanguage(Language::German);
    w.startExercise(3);
    EXPECT_LT(w.host().control()->lastQuestion(), 0);
    const Situation &shown = w.situationView()->situation();
    EXPECT_FALSE(shown.isValid());
    EXPECT_TRUE(shown.error.contains(QStringLiteral("HSIHLD.sty"))) << shown.error.toStdString();
    EXPECT_EQ(w.statusBar()->currentMessage(), shown.error);
    // Asked again now that the window speaks German: the reader's reason is German as well.
    EXPECT_EQ(shown.error, checkStudyFile(inst.base(), 3, Language::German).message());

    // Asking for the next question does not bring back a message about session files.
    w.host().displayQuestion();
    EXPECT_TRUE(w.situationView()->situation().error.contains(QStringLiteral("HSIHLD.sty")));
}

INSTANTIATE_TEST_SUITE_P(Trainer, StudyFileMessage, testing::ValuesIn(spoilings()),
                         [](const testing::TestParamInfo<Spoilt> &info) { return std::string(info.param.name); });

TEST(StudyFileCheck, AGoodFileAndTheOtherLanguagesFile)
{
    test::Installation inst;
    inst.writeType(3);
    EXPECT_TRUE(checkStudyFile(inst.base(), 3, Language::German).usable());
    EXPECT_TRUE(checkStudyFile(inst.base(), 3, Language::English).usable());
    // Each language reads a file of its own: the English one gone leaves German working.
    QFile::remove(inst.base() + QStringLiteral("/default/study/e-HSIHLD.sty"));
    EXPECT_TRUE(checkStudyFile(inst.base(), 3, Language::German).usable());
    const StudyFileCheck english = checkStudyFile(inst.base(), 3, Language::English);
    EXPECT_EQ(english.state, StudyFileState::Missing);
    EXPECT_EQ(english.fileName, QStringLiteral("e-HSIHLD.sty"));
    EXPECT_EQ(checkStudyFile(inst.base(), 15, Language::German).state, StudyFileState::Missing);
    EXPECT_EQ(checkStudyFile(QString(), 3, Language::German).state, StudyFileState::Missing);
}

namespace {

struct Counts {
    const char *name;
    std::vector<std::pair<double, double>> attemptsWrong; // per question
    QList<QPointF> points;
};

class ChartRate : public testing::TestWithParam<Counts>
{
};

} // namespace

TEST_P(ChartRate, UntriedQuestionsHaveNoPoint)
{
    ExerciseStats stats;
    int q = 0;
    for (auto [attempts, wrong] : GetParam().attemptsWrong)
        stats.questions.push_back({q++, attempts, wrong});
    EXPECT_EQ(StatisticsChart::ratePoints(stats), GetParam().points);
    // The chart takes the same stats without trouble.
    StatisticsChart chart;
    chart.show(stats, false);
}

INSTANTIATE_TEST_SUITE_P(
    Trainer, ChartRate,
    testing::Values(Counts{"NothingTried", {{0, 0}, {0, 0}, {0, 0}}, {}},
                    Counts{"GapBetweenTried", {{4, 1}, {0, 0}, {2, 2}}, {{0, 75}, {2, 0}}},
                    Counts{"AllRight", {{3, 0}}, {{0, 100}}},
                    Counts{"NoQuestions", {}, {}},
                    Counts{"UntriedAtTheEnd", {{1, 0}, {0, 0}}, {{0, 100}}}),
    [](const testing::TestParamInfo<Counts> &info) { return std::string(info.param.name); });

namespace {

// A failure deep in the library, as the trainee meets it: in the trainer's language, with the
// study file and the question that led to it.
struct Failing {
    const char *name;
    int type;
    std::function<void(test::Installation &)> spoil;
    enum { InView, Reported, TipsReported } shown; // in place of the situation, as a report, or
                                                    // reported on opening the power tips
    QStringList german, english;
};

void PrintTo(const Failing &f, std::ostream *os) { *os << f.name; }

void makeFifo(const QString &path)
{
    QFile::remove(path);
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
}

void replaceInSession(test::Installation &inst, const char *pattern, const char *with)
{
    QFile f(inst.sessionPath(QStringLiteral("t6_0.session")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(f.readAll());
    f.close();
    const QString before = text;
    text.replace(QRegularExpression(QLatin1String(pattern)), QLatin1String(with));
    ASSERT_NE(text, before);
    inst.writeRaw(QStringLiteral("default/sessions/t6_0.session"), text.toUtf8());
}

// Two questions of the holding exercise, the first with letters where its headings belong.
void holdingWithLetters(test::Installation &inst)
{
    QByteArray study;
    for (const char *value : {"abc", "90"}) {
        for (int line = 0; line < 4; ++line)
            study += QByteArray("#####") + value + "\r\n";
        study += "####t3_0.session\r\n\r\n";
    }
    inst.writeRaw(QStringLiteral("default/study/HSIHLD.sty"), study);
    inst.writeRaw(QStringLiteral("default/study/e-HSIHLD.sty"), study);
}

std::vector<Failing> failings()
{
    const QString where = QStringLiteral("Frage 1 von 2");
    const QString whereEn = QStringLiteral("question 1 of 2");
    return {
        {"SessionIsAPipe", 6, [](test::Installation &i) { makeFifo(i.sessionPath(QStringLiteral("t6_0.session"))); },
         Failing::InView,
         {QStringLiteral("t6_0.session: ist eine Pipe (FIFO), also keine Sitzungsdatei"), where},
         {QStringLiteral("t6_0.session: is a pipe (FIFO), not a session file"), whereEn}},
        {"SessionOverTheLimit", 6,
         [](test::Installation &i) {
             i.writeRaw(QStringLiteral("default/sessions/t6_0.session"), QByteArray(1024 * 1024 + 1, '#'));
         },
         Failing::InView,
         {QStringLiteral("größer als 1 MB, die Obergrenze für eine Sitzungsdatei"), where},
         {QStringLiteral("larger than 1 MB, the limit for a session file"), whereEn}},
        {"SessionLettersForANumber", 6, [](test::Installation &i) { replaceInSession(i, "tas *= *[0-9.]+", "tas = abc"); },
         Failing::InView,
         {QStringLiteral("ungültige Zahl"), QStringLiteral("abc"), where},
         {QStringLiteral("bad number"), QStringLiteral("abc"), whereEn}},
        {"SessionWithoutStation", 6, [](test::Installation &i) { replaceInSession(i, "\\[station\\]", "[stationx]"); },
         Failing::InView,
         {QStringLiteral("unbekannter Abschnitt [stationx]"), where},
         {QStringLiteral("unknown section [stationx]"), whereEn}},
        {"PowerTipsArePipe", 6, [](test::Installation &i) { makeFifo(i.base() + QStringLiteral("/pwr.rtf")); }, Failing::TipsReported,
         {QStringLiteral("Dateifehler: "), QStringLiteral("pwr.rtf: ist eine Pipe (FIFO), also keine Tippdatei"), where},
         {QStringLiteral("file failure: "), QStringLiteral("pwr.rtf: is a pipe (FIFO), not a power tips"), whereEn}},
        {"PowerTipsAFolder", 6, [](test::Installation &i) { QDir(i.base()).mkpath(QStringLiteral("pwr.rtf")); }, Failing::TipsReported,
         {QStringLiteral("Dateifehler: "), QStringLiteral("ist ein Ordner, also keine Tippdatei"), where},
         {QStringLiteral("file failure: "), QStringLiteral("is a folder, not a power tips"), whereEn}},
        {"StudyLettersForAHeading", 3, holdingWithLetters, Failing::Reported,
         {QStringLiteral("Typfehler: „abc“ ist keine Zahl"), where},
         {QStringLiteral("type mismatch: \"abc\" is not a number"), whereEn}},
    };
}

class FailureMessage : public testing::TestWithParam<Failing>
{
protected:
    QString shownIn(Language language)
    {
        const Failing &c = GetParam();
        test::Installation inst;
        inst.writeType(c.type);
        c.spoil(inst);
        QTemporaryDir dir;
        QSettings settings(dir.filePath(QStringLiteral("t.ini")), QSettings::IniFormat);
        Services s;
        s.settings = std::make_shared<MemorySettingsStore>();
        MainWindow w(s, settings, inst.base());
        w.setScripted(true);
        w.setLanguage(language);
        QSignalSpy failed(&w.host(), &TrainerHost::failed);
        w.startExercise(c.type);
        if (c.shown == Failing::InView)
            return w.situationView()->situation().error;
        if (c.shown == Failing::TipsReported)
            w.host().loadPowerTip();
        return failed.isEmpty() ? QString() : failed.last().at(0).toString();
    }
};

} // namespace

TEST_P(FailureMessage, InTheTrainersLanguageWithFileAndQuestion)
{
    const Failing &c = GetParam();
    const QString german = shownIn(Language::German);
    for (const QString &piece : c.german)
        EXPECT_TRUE(german.contains(piece)) << qPrintable(piece) << "\n in: " << qPrintable(german);
    // No English sentence left in between.
    EXPECT_FALSE(german.contains(c.english.first())) << qPrintable(german);
    EXPECT_TRUE(german.contains(QStringLiteral("(Fragendatei "))) << qPrintable(german);

    const QString english = shownIn(Language::English);
    for (const QString &piece : c.english)
        EXPECT_TRUE(english.contains(piece)) << qPrintable(piece) << "\n in: " << qPrintable(english);
    EXPECT_TRUE(english.contains(QStringLiteral("(study file "))) << qPrintable(english);
    // Switching back leaves no German behind.
    EXPECT_FALSE(english.contains(c.german.first())) << qPrintable(english);
}

INSTANTIATE_TEST_SUITE_P(Trainer, FailureMessage, testing::ValuesIn(failings()),
                         [](const testing::TestParamInfo<Failing> &info) { return std::string(info.param.name); });
