// The trainer's German: every text of the translation file translated, every text of the
// sources in it, and the window really switching, Qt's own dialog buttons included.

#include "ChooserPage.h"
#include "LearningSession.h"
#include "MainWindow.h"
#include "StatisticsWindow.h"
#include "TrainerTestKit.h"
#include "TrainerTranslator.h"
#include "explain/HoldingExplainer.h"
#include "explain/WindExplainer.h"

#include <orvik3/PowerTipDialog.h>

#include <QDialogButtonBox>
#include <QDomDocument>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

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

class LanguageSwitch : public testing::TestWithParam<Shown>
{
protected:
    LanguageSwitch() : settings(dir.filePath(QStringLiteral("t.ini")), QSettings::IniFormat)
    {
        inst.writeType(1);
    }
    void TearDown() override { TrainerTranslator::apply(Language::English); }

    QTemporaryDir dir;
    QSettings settings;
    test::Installation inst;
};

QString buttonText(QDialogButtonBox *box, QDialogButtonBox::StandardButton which)
{
    return box && box->button(which) ? box->button(which)->text().remove(QLatin1Char('&')) : QString();
}

} // namespace

TEST_P(LanguageSwitch, WindowAndQtDialogsSpeakTheLanguage)
{
    const Shown want = GetParam();
    Services s;
    s.settings = std::make_shared<MemorySettingsStore>();
    MainWindow w(s, settings, inst.base());
    w.setScripted(true);
    // From the other language, so that every text has to change.
    w.setLanguage(want.language == Language::German ? Language::English : Language::German);
    w.setLanguage(want.language);

    EXPECT_EQ(w.menuBar()->actions().value(0)->text(), QString::fromUtf8(want.exerciseMenu));
    EXPECT_EQ(w.chooser()->findChildren<QLabel *>().value(0)->text(), QString::fromUtf8(want.heading));
    ASSERT_TRUE(w.chooser()->buttonFor(1));
    EXPECT_EQ(w.chooser()->buttonFor(1)->text(), QString::fromUtf8(want.typeButton));

    StatisticsWindow stats(*s.settings, QStringLiteral("hsipos"), -1, want.language);
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
