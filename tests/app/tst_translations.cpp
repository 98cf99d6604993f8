// The trainer's German: every text of the translation file translated, every text of the
// sources in it, the window really switching, Qt's own dialog buttons included, and the
// library's error messages in the trainer's language with where they happened.

#include "TrainerTestKit.h"
#include "TrainerTranslator.h"
#include "explain/HoldingExplainer.h"
#include "explain/WindExplainer.h"
#include "panel/TrainerHost.h"
#include "practice/LearningSession.h"
#include "statistics/StatisticsWindow.h"
#include "view/ChooserPage.h"
#include "view/ExercisePage.h"
#include "view/SituationView.h"

#include <orvik3/PowerTipDialog.h>

#include <QDialogButtonBox>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace orvik3;
using namespace orvik3::trainer;

namespace {

struct Entry {
    QString context, source, translation, type;
};

std::vector<Entry> readTs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QDomDocument doc;
    if (!doc.setContent(&file))
        return {};
    std::vector<Entry> entries;
    const QDomNodeList contexts = doc.elementsByTagName(QStringLiteral("context"));
    for (int c = 0; c < contexts.size(); ++c) {
        const QDomElement context = contexts.at(c).toElement();
        const QString name = context.firstChildElement(QStringLiteral("name")).text();
        for (QDomElement m = context.firstChildElement(QStringLiteral("message")); !m.isNull();
             m = m.nextSiblingElement(QStringLiteral("message"))) {
            const QDomElement t = m.firstChildElement(QStringLiteral("translation"));
            entries.push_back({name, m.firstChildElement(QStringLiteral("source")).text(), t.text(),
                               t.attribute(QStringLiteral("type"))});
        }
    }
    return entries;
}

// The %n markers of a text, sorted: a translation must fill in the same values.
QStringList markers(const QString &text)
{
    QStringList found;
    for (const QRegularExpressionMatch &m : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        found << m.captured();
    found.sort();
    return found;
}

int mnemonics(const QString &text)
{
    return int(text.count(QLatin1Char('&')) - 2 * text.count(QStringLiteral("&&")));
}

} // namespace

TEST(TrainerTranslations, EveryEntryTranslatedWithTheSameMarkers)
{
    const std::vector<Entry> entries = readTs(QStringLiteral(ORVIK3_TRAINER_TS));
    ASSERT_GT(entries.size(), 50u) << "the translation file is missing or unreadable";
    for (const Entry &e : entries) {
        SCOPED_TRACE(e.context.toStdString() + ": " + e.source.toStdString());
        EXPECT_TRUE(e.type.isEmpty()) << "marked " << e.type.toStdString();
        EXPECT_FALSE(e.translation.trimmed().isEmpty());
        EXPECT_EQ(markers(e.translation), markers(e.source));
        EXPECT_EQ(mnemonics(e.translation), mnemonics(e.source));
    }
}

TEST(TrainerTranslations, EveryTextOfTheSourcesIsInTheFile)
{
    // lupdate over app/ into a copy: whatever it finds that the file lacks comes out unfinished.
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("check_de.ts"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(ORVIK3_TRAINER_TS), copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    QProcess lupdate;
    QStringList includes;
    for (const QString &dir : QStringLiteral(ORVIK3_LUPDATE_INCLUDES).split(QLatin1Char('|'), Qt::SkipEmptyParts))
        includes << QStringLiteral("-I") << dir;
    const QStringList arguments = QStringList{QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                                              QStringLiteral("none")}
                                  + includes + QStringLiteral(ORVIK3_TRAINER_SOURCES).split(QLatin1Char('|'))
                                  + QStringList{QStringLiteral("-ts"), copy};
    lupdate.start(QStringLiteral(ORVIK3_LUPDATE), arguments);
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    for (const Entry &e : readTs(copy))
        EXPECT_TRUE(e.type.isEmpty()) << e.context.toStdString() << ": \"" << e.source.toStdString()
                                      << "\" has no translation";
}

namespace {

struct Shown {
    Language language;
    const char *exerciseMenu;
    const char *heading;
    const char *typeButton; // chooser button of type 1
    const char *closeButton;
    const char *yesButton;
    const char *powerTipTitle; // a text of the panel's library, translated with the trainer's
};

class LanguageSwitch : public testing::TestWithParam<Shown>, protected test::WindowKit
{
protected:
    void TearDown() override { TrainerTranslator::apply(Language::English); }
};

QString buttonText(QDialogButtonBox *box, QDialogButtonBox::StandardButton which)
{
    return box && box->button(which) ? box->button(which)->text().remove(QLatin1Char('&')) : QString();
}

} // namespace

TEST_P(LanguageSwitch, WindowAndQtDialogsSpeakTheLanguage)
{
    const Shown want = GetParam();
    inst.writeType(1);
    MainWindow &w = open();
    w.applyOptions({});
    // From the other language, so that every text has to change.
    w.setLanguage(want.language == Language::German ? Language::English : Language::German);
    w.setLanguage(want.language);

    EXPECT_EQ(w.menuBar()->actions().value(0)->text(), QString::fromUtf8(want.exerciseMenu));
    EXPECT_EQ(w.chooser()->findChildren<QLabel *>().value(0)->text(), QString::fromUtf8(want.heading));
    ASSERT_TRUE(w.chooser()->buttonFor(1));
    EXPECT_EQ(w.chooser()->buttonFor(1)->text(), QString::fromUtf8(want.typeButton));

    StatisticsWindow stats(*store, QStringLiteral("hsipos"), -1, want.language);
    EXPECT_EQ(buttonText(stats.findChild<QDialogButtonBox *>(), QDialogButtonBox::Close),
              QString::fromUtf8(want.closeButton));
    QMessageBox question(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
    question.show(); // the box names its buttons when it is shown
    EXPECT_EQ(question.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QString::fromUtf8(want.yesButton));
    EXPECT_EQ(PowerTipDialog().windowTitle(), QString::fromUtf8(want.powerTipTitle));
}

INSTANTIATE_TEST_SUITE_P(
    Trainer, LanguageSwitch,
    testing::Values(Shown{Language::German, "&Übung", "Übung wählen", "Standort mit dem HSI", "Schließen", "Ja", "Tipps"},
                    Shown{Language::English, "&Exercise", "Choose an exercise", "Position with the HSI", "Close", "Yes", "Power Tips"}),
    [](const testing::TestParamInfo<Shown> &info) {
        return std::string(info.param.language == Language::German ? "German" : "English");
    });

// --- the solution box's sentences in German ------------------------------------------------

namespace {

struct GermanLine {
    const char *name;
    std::function<QString()> text;
    std::vector<const char *> words; // all present
};

class GermanSentences : public testing::TestWithParam<GermanLine>
{
protected:
    void SetUp() override { ASSERT_TRUE(TrainerTranslator::apply(Language::German)) << "no German file"; }
    void TearDown() override { TrainerTranslator::apply(Language::English); }
};

QString windText(WindExplainer::Leg leg)
{
    const Explanation e = WindExplainer::explain(leg);
    return e.working.join(QLatin1Char('\n')) + QLatin1Char('\n') + e.reason;
}

} // namespace

TEST_P(GermanSentences, TranslatedWholeAndFilledIn)
{
    const GermanLine &r = GetParam();
    const QString text = r.text();
    for (const char *w : r.words)
        EXPECT_TRUE(text.contains(QString::fromUtf8(w))) << qPrintable(text) << "\n  lacks: " << w;
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("%\\d")))) << qPrintable(text);
    // English words left over mean a sentence was not found in the file.
    for (const char *english : {"the ", "right", "left", "headwind", "tailwind", "crosswind", "entry", "Heading"})
        EXPECT_FALSE(text.contains(QLatin1String(english))) << qPrintable(text);
}

INSTANTIATE_TEST_SUITE_P(
    Explainers, GermanSentences,
    testing::Values(
        GermanLine{"holdingRightHandDirect", [] { return HoldingExplainer::reason(130, 90, true); },
                   {"Steuerkurs 130", "direkten Einflugs", "020°–200°", "Standard-Warteschleife", "Inbound-Kurs 090"}},
        GermanLine{"holdingLeftHandTeardrop", [] { return HoldingExplainer::reason(100, 270, false); },
                   {"Tropfen-Einflugs", "090°–160°", "Linkskurven"}},
        GermanLine{"holdingRightHandParallel", [] { return HoldingExplainer::reason(300, 90, true); },
                   {"Parallel-Einflugs", "Rechtskurven"}},
        GermanLine{"windQuarteringFromRight", [] { return windText({360, 120, 30, 30, 60}); },
                   {"Gegenwind", "Querwind", "von rechts", "Vorhaltewinkel (WCA)", "Steuerkurs", "Grundgeschwindigkeit",
                    "Flugzeit", "nach rechts in den Wind"}},
        GermanLine{"windAbeamFromLeft", [] { return windText({180, 90, 90, 15, 30}); }, {"von links", "nach links"}},
        GermanLine{"windTailOnly", [] { return windText({90, 100, 270, 20, 40}); }, {"Rückenwind", "längs des Kurses"}},
        GermanLine{"progress", [] {
                       LearningSession s;
                       s.start(1, 4);
                       return s.progressText();
                   },
                   {"1/4, 0 richtig"}}),
    [](const testing::TestParamInfo<GermanLine> &info) { return std::string(info.param.name); });

// --- the library's failures in the trainer's language ---------------------------------------

namespace {

struct Failing {
    const char *name;
    int type;
    std::function<void(test::Installation &)> spoil;
    enum { InView, Reported, TipsReported } shown; // in place of the situation, reported, or
                                                    // reported on opening the power tips
    QStringList german, english;
    bool storeInInstallation = false; // the statistics in <base>/store rather than in memory
};

void PrintTo(const Failing &f, std::ostream *os) { *os << f.name; }

void makeFifo(const QString &path)
{
    QFile::remove(path);
    ::mkfifo(QFile::encodeName(path).constData(), 0600);
}

void replaceInSession(test::Installation &inst, const char *pattern, const char *with)
{
    QString text = QString::fromUtf8(host::SessionFile::toText(test::sessionFor(6)));
    text.replace(QRegularExpression(QLatin1String(pattern)), QLatin1String(with));
    inst.writeRaw(QStringLiteral("default/sessions/t6_0.session"), text.toUtf8());
}

// Two questions of the holding exercise, the first with `text` where its headings belong.
void holdingWith(test::Installation &inst, const QByteArray &text)
{
    QByteArray study;
    for (const QByteArray &value : {text, QByteArray("90")}) {
        for (int line = 0; line < 4; ++line)
            study += QByteArray("#####") + value + "\r\n";
        study += "####t3_0.session\r\n\r\n";
    }
    inst.writeRaw(QStringLiteral("default/study/HSIHLD.sty"), study);
    inst.writeRaw(QStringLiteral("default/study/e-HSIHLD.sty"), study);
}

const char kMarkup[] = R"(<a href="http://x.invalid/">x</a><img src="a.png" width="30000">)";
const QString kWhere = QStringLiteral("Frage 1 von 2"), kWhereEn = QStringLiteral("question 1 of 2");

const Failing kFailings[] = {
    {"SessionIsAPipe", 6, [](test::Installation &i) { makeFifo(i.sessionPath(QStringLiteral("t6_0.session"))); },
     Failing::InView,
     {QStringLiteral("t6_0.session: ist eine Pipe (FIFO), also keine Sitzungsdatei"), kWhere},
     {QStringLiteral("t6_0.session: is a pipe (FIFO), not a session file"), kWhereEn}},
    {"SessionOverTheLimit", 6,
     [](test::Installation &i) { i.writeRaw(QStringLiteral("default/sessions/t6_0.session"), QByteArray(1024 * 1024 + 1, '#')); },
     Failing::InView, {QStringLiteral("größer als 1 MB, die Obergrenze für eine Sitzungsdatei"), kWhere},
     {QStringLiteral("larger than 1 MB, the limit for a session file"), kWhereEn}},
    {"SessionLettersForANumber", 6, [](test::Installation &i) { replaceInSession(i, "tas *= *[0-9.]+", "tas = abc"); },
     Failing::InView, {QStringLiteral("ungültige Zahl"), QStringLiteral("abc"), kWhere},
     {QStringLiteral("bad number"), QStringLiteral("abc"), kWhereEn}},
    {"SessionWithoutStation", 6, [](test::Installation &i) { replaceInSession(i, "\\[station\\]", "[stationx]"); },
     Failing::InView, {QStringLiteral("unbekannter Abschnitt [stationx]"), kWhere},
     {QStringLiteral("unknown section [stationx]"), kWhereEn}},
    {"PowerTipsArePipe", 6, [](test::Installation &i) { makeFifo(i.base() + QStringLiteral("/pwr.rtf")); }, Failing::TipsReported,
     {QStringLiteral("Dateifehler: "), QStringLiteral("pwr.rtf: ist eine Pipe (FIFO), also keine Tippdatei"), kWhere},
     {QStringLiteral("file failure: "), QStringLiteral("pwr.rtf: is a pipe (FIFO), not a power tips"), kWhereEn}},
    {"StatisticsStoreAFolder", 6, [](test::Installation &i) { QDir(i.base()).mkpath(QStringLiteral("store/avx1.ini")); },
     Failing::Reported, {QStringLiteral("Fehler im Einstellungsspeicher: "), QStringLiteral("avx1.ini")},
     {QStringLiteral("store failure: "), QStringLiteral("avx1.ini")}, true},
    {"PowerTipsNotRichText", 6, [](test::Installation &i) { i.writeRaw(QStringLiteral("pwr.rtf"), "{\\rtf1 \\'zz}"); },
     Failing::TipsReported, {QStringLiteral("RTF-Fehler in Zeile 1"), QStringLiteral("zwei Hexadezimalziffern"), kWhere},
     {QStringLiteral("RTF error at line 1"), QStringLiteral("two hex digits"), kWhereEn}},
    {"PowerTipsAFolder", 6, [](test::Installation &i) { QDir(i.base()).mkpath(QStringLiteral("pwr.rtf")); }, Failing::TipsReported,
     {QStringLiteral("Dateifehler: "), QStringLiteral("ist ein Ordner, also keine Tippdatei"), QStringLiteral("Frage 1 von 2")},
     {QStringLiteral("file failure: "), QStringLiteral("is a folder, not a power tips"), QStringLiteral("question 1 of 2")}},
    {"StudyLettersForAHeading", 3, [](test::Installation &i) { holdingWith(i, "abc"); }, Failing::Reported,
     {QStringLiteral("Typfehler: „abc“ ist keine Zahl"), QStringLiteral("Frage 1 von 2")},
     {QStringLiteral("type mismatch: \"abc\" is not a number"), QStringLiteral("question 1 of 2")}},
    // Shown as it stands, cut short: no link to follow, no picture, no table to lay out.
    {"StudyMarkupForAHeading", 3,
     [](test::Installation &i) { holdingWith(i, kMarkup + QByteArray("<table><tr><td>").repeated(2000)); }, Failing::Reported,
     {QStringLiteral("Typfehler: „") + QLatin1String(kMarkup), QStringLiteral("<table><tr><td><…“ ist keine Zahl"), kWhere},
     {QStringLiteral("type mismatch: \"") + QLatin1String(kMarkup), QStringLiteral("<table><tr><td><…\" is not a number"), kWhereEn}},
};

class FailureMessage : public testing::TestWithParam<Failing>
{
protected:
    void TearDown() override { TrainerTranslator::apply(Language::English); }
    QString shownIn(Language language)
    {
        const Failing &c = GetParam();
        test::WindowKit kit;
        kit.inst.writeType(c.type);
        c.spoil(kit.inst);
        Services services;
        if (c.storeInInstallation)
            services.settings = std::make_shared<IniSettingsStore>(kit.inst.base() + QStringLiteral("/store"));
        MainWindow &w = kit.open(services);
        w.setScripted(false); // reported in a message box
        w.setLanguage(language);
        QElapsedTimer clock;
        clock.start();
        w.startExercise(c.type);
        if (c.shown == Failing::InView)
            return w.exercisePage().view()->situation().error;
        if (c.shown == Failing::TipsReported)
            w.host().loadPowerTip();
        QMessageBox *box = w.findChild<QMessageBox *>();
        if (!box)
            return QString();
        box->grab(); // laid out and painted as the trainee sees it
        EXPECT_LT(clock.elapsed(), 2000);
        EXPECT_TRUE(box->textFormat() == Qt::PlainText && box->text().size() < 600);
        return box->text();
    }
};

} // namespace

TEST_P(FailureMessage, InTheTrainersLanguageWithFileAndQuestion)
{
    const Failing &c = GetParam();
    const QString german = shownIn(Language::German);
    for (const QString &piece : c.german)
        EXPECT_TRUE(german.contains(piece)) << qPrintable(piece) << "\n in: " << qPrintable(german);
    EXPECT_FALSE(german.contains(c.english.first())) << qPrintable(german);
    EXPECT_TRUE(german.contains(QStringLiteral("(Fragendatei ")) || c.storeInInstallation) << qPrintable(german);
    const QString english = shownIn(Language::English);
    for (const QString &piece : c.english)
        EXPECT_TRUE(english.contains(piece)) << qPrintable(piece) << "\n in: " << qPrintable(english);
    EXPECT_TRUE(english.contains(QStringLiteral("(study file ")) || c.storeInInstallation) << qPrintable(english);
    EXPECT_FALSE(english.contains(c.german.first())) << qPrintable(english);
}

INSTANTIATE_TEST_SUITE_P(Trainer, FailureMessage, testing::ValuesIn(kFailings),
                         [](const testing::TestParamInfo<Failing> &info) { return std::string(info.param.name); });
