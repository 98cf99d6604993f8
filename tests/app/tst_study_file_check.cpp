// What the trainer says when an exercise has nothing to show: the study file missing, empty,
// unreadable or without a complete record, named in the view and the status bar.
#include "TrainerTestKit.h"
#include "panel/StudyFileCheck.h"
#include "panel/TrainerHost.h"
#include "view/ExercisePage.h"
#include "view/SituationView.h"

#include <orvik3/QAform.h>

#include <QDir>
#include <QStatusBar>
#include <gtest/gtest.h>

using namespace orvik3;
using namespace orvik3::trainer;

namespace {

// How the study file of type 3 (German name HSIHLD.sty) is spoilt.
struct Spoilt {
    const char *name;
    std::function<void(test::Installation &)> spoil;
    StudyFileState state;
};

void PrintTo(const Spoilt &s, std::ostream *os) { *os << s.name; }

const QString kGerman = QStringLiteral("default/study/HSIHLD.sty");

void linkAs(test::Installation &i, const char *target)
{
    QFile::remove(i.base() + u'/' + kGerman);
    QFile::link(QLatin1String(target), i.base() + u'/' + kGerman);
}

const Spoilt kSpoilings[] = {
    {"Missing", [](test::Installation &i) { QFile::remove(i.base() + u'/' + kGerman); }, StudyFileState::Missing},
    {"Empty", [](test::Installation &i) { i.writeRaw(kGerman, {}); }, StudyFileState::Empty},
    {"OnlyBlankLines", [](test::Installation &i) { i.writeRaw(kGerman, "\r\n\r\n  \r\n"); }, StudyFileState::Empty},
    {"FolderOfThatName",
     [](test::Installation &i) {
         QFile::remove(i.base() + u'/' + kGerman);
         QDir(i.base()).mkpath(kGerman);
     },
     StudyFileState::Unreadable},
    {"LinkLoop", [](test::Installation &i) { linkAs(i, "HSIHLD.sty"); }, StudyFileState::Unreadable},
    {"LinkToNothing", [](test::Installation &i) { linkAs(i, "gone.sty"); }, StudyFileState::Missing},
    // The first record ends before its separator: the control keeps no question of it.
    {"RecordCutShort", [](test::Installation &i) { i.writeRaw(kGerman, "#100\r\n##100\r\n"); }, StudyFileState::NoQuestions},
    {"NoStudyFolder", [](test::Installation &i) { QDir(i.base() + QStringLiteral("/default/study")).removeRecursively(); },
     StudyFileState::Missing},
    // Found whatever the letter case, as the control finds it: then it is the content that fails.
    {"OtherLetterCase",
     [](test::Installation &i) {
         QFile::rename(i.base() + u'/' + kGerman, i.base() + QStringLiteral("/default/study/hsihld.STY"));
         i.writeRaw(QStringLiteral("default/study/hsihld.STY"), {});
     },
     StudyFileState::Empty},
};

class StudyFileMessage : public testing::TestWithParam<Spoilt>, protected test::WindowKit
{
};

} // namespace

TEST_P(StudyFileMessage, ViewAndStatusNameTheFile)
{
    const Spoilt &c = GetParam();
    inst.writeType(3);
    c.spoil(inst);
    const StudyFileCheck check = checkStudyFile(inst.base(), 3, Language::German);
    EXPECT_EQ(check.state, c.state);
    EXPECT_EQ(check.fileName, QStringLiteral("HSIHLD.sty"));

    MainWindow &w = open();
    w.startExercise(3);
    EXPECT_LT(w.host().control()->lastQuestion(), 0);
    const Situation &shown = w.exercisePage().view()->situation();
    EXPECT_FALSE(shown.isValid());
    // Asked again now that the window speaks German: the reader's reason is German as well.
    EXPECT_EQ(shown.error, checkStudyFile(inst.base(), 3, Language::German).message());
    EXPECT_TRUE(shown.error.contains(QStringLiteral("HSIHLD.sty"))) << shown.error.toStdString();
    EXPECT_EQ(w.statusBar()->currentMessage(), shown.error);

    // Asking for the next question does not bring back a message about session files.
    w.host().displayQuestion();
    EXPECT_EQ(w.exercisePage().view()->situation().error, shown.error);
}

INSTANTIATE_TEST_SUITE_P(Trainer, StudyFileMessage, testing::ValuesIn(kSpoilings),
                         [](const testing::TestParamInfo<Spoilt> &info) { return std::string(info.param.name); });

TEST(StudyFileCheck, EachLanguageReadsAFileOfItsOwn)
{
    test::Installation inst;
    inst.writeType(3);
    QFile::remove(inst.base() + QStringLiteral("/default/study/e-HSIHLD.sty"));
    const StudyFileCheck english = checkStudyFile(inst.base(), 3, Language::English);
    EXPECT_EQ(english.state, StudyFileState::Missing);
    EXPECT_EQ(english.fileName, QStringLiteral("e-HSIHLD.sty"));
    EXPECT_EQ(checkStudyFile(inst.base(), 15, Language::German).state, StudyFileState::Missing);
    EXPECT_EQ(checkStudyFile(QString(), 3, Language::German).state, StudyFileState::Missing);
}
