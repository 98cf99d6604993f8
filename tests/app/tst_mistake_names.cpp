// Mistake names: each typical mistake named only when the given answer is exactly what that
// mistake gives, and read off a real panel of fresh situations right after the wrong choice.
#include "explain/Explanation.h"
#include "explain/MistakeNames.h"

#include "RandomSet.h"

#include <orvik3/QAform.h>
#include <orvik3/SettingsStore.h>

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

using namespace orvik3;
using namespace orvik3::trainer;
using Entry = HoldingEntry;
using Side = MistakeNames::Side;
using Bearing = MistakeNames::Bearing;

namespace {

struct NameRow {
    const char *name;
    std::function<QString()> call;
    const char *expected; // a part of the sentence; empty: no mistake named
};

void PrintTo(const NameRow &r, std::ostream *os) { *os << r.name; }

class Names : public testing::TestWithParam<NameRow> {};

TEST_P(Names, OnlyForTheMistakeItself)
{
    const QString said = GetParam().call();
    if (!*GetParam().expected)
        EXPECT_TRUE(said.isEmpty()) << said.toStdString();
    else
        EXPECT_TRUE(said.contains(QLatin1String(GetParam().expected))) << said.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Names,
    testing::Values(
        NameRow{"radialGivenAsBearing", [] { return MistakeNames::bearing(Bearing::Radial, 90, 270); }, "Radial and bearing"},
        NameRow{"radialAcrossNorth", [] { return MistakeNames::bearing(Bearing::Radial, 350, 170); }, "radial 350"},
        NameRow{"radialOffByOne", [] { return MistakeNames::bearing(Bearing::Radial, 90, 271); }, ""},
        NameRow{"qdmGivenAsQdr", [] { return MistakeNames::bearing(Bearing::Qdm, 10, 190); }, "190 is the QDR"},
        NameRow{"qdrThreeSixty", [] { return MistakeNames::bearing(Bearing::Qdr, 360, 180); }, "180 is the QDM"},
        NameRow{"qdmSame", [] { return MistakeNames::bearing(Bearing::Qdm, 10, 10); }, ""},
        // Inbound 090, heading 290: parallel into a right-hand hold, offset into a left-hand one.
        NameRow{"holdMirrored", [] { return MistakeNames::holdEntry(290, 90, true, Entry::Offset); }, "Hold side mirrored"},
        NameRow{"holdMirroredLeft", [] { return MistakeNames::holdEntry(290, 90, false, Entry::Parallel); }, "turns left"},
        NameRow{"holdOtherWrongEntry", [] { return MistakeNames::holdEntry(290, 90, true, Entry::Direct); }, ""},
        NameRow{"holdRightEntry", [] { return MistakeNames::holdEntry(290, 90, true, Entry::Parallel); }, ""},
        // Heading 090 inbound 090: direct either way, so no mirror to blame.
        NameRow{"holdSameEitherSide", [] { return MistakeNames::holdEntry(90, 90, true, Entry::Offset); }, ""},
        NameRow{"headTakenForTail", [] { return MistakeNames::headTail(true, false); }, "it is a headwind"},
        NameRow{"tailTakenForHead", [] { return MistakeNames::headTail(false, true); }, "it is a tailwind"},
        NameRow{"headRight", [] { return MistakeNames::headTail(true, true); }, ""},
        NameRow{"wcaAwayFromLeftWind", [] { return MistakeNames::wcaSide(Side::Left, Side::Right); }, "to the left"},
        NameRow{"wcaAwayFromRightWind", [] { return MistakeNames::wcaSide(Side::Right, Side::Left); }, "to the right"},
        NameRow{"wcaRightSide", [] { return MistakeNames::wcaSide(Side::Left, Side::Left); }, ""},
        NameRow{"crosswindFromTheLeftSaidRight", [] { return MistakeNames::crosswindSide(Side::Left, Side::Right); }, "here the left"},
        NameRow{"crosswindRightSide", [] { return MistakeNames::crosswindSide(Side::Right, Side::Right); }, ""},
        NameRow{"rbGivenForQdm", [] { return MistakeNames::rbForQdm(300, 30, 300); }, "300 is the RB"},
        NameRow{"rbEqualsQdmAtNorth", [] { return MistakeNames::rbForQdm(30, 30, 30); }, ""},
        // Inbound 090 right-hand, heading 250: offset; outbound 270 − 30 = 240, mirrored 300.
        NameRow{"offsetMirroredRightHand", [] { return MistakeNames::offsetMirrored(250, 90, true, 300); }, "300 leads to the non-holding side; a right-hand hold"},
        NameRow{"offsetMirroredLeftHand", [] { return MistakeNames::offsetMirrored(290, 90, false, 240); }, "outbound + 30 = 300"},
        NameRow{"offsetRightHeading", [] { return MistakeNames::offsetMirrored(250, 90, true, 240); }, ""},
        NameRow{"notAnOffsetEntry", [] { return MistakeNames::offsetMirrored(130, 90, true, 300); }, ""},
        // 70 NM at GS 89 kt: 47:11; at TAS 105 kt: 40:00, inside the panel's 20 % band.
        NameRow{"timeFromTas", [] { return MistakeNames::timeFromTas(2831, 89.0, 105.0, 2400); }, "ground speed of 89 kt"},
        NameRow{"timeFromGs", [] { return MistakeNames::timeFromTas(2831, 89.0, 105.0, 2831); }, ""},
        NameRow{"timeNoWindToSpeakOf", [] { return MistakeNames::timeFromTas(2400, 104.0, 105.0, 2400); }, ""}),
    [](const auto &info) { return std::string(info.param.name); });

// --- on the panel -------------------------------------------------------------------------------

// The mistakes named from the control's verdicts, as the trainer names them.
struct Panel {
    QTemporaryDir dir;
    std::unique_ptr<QAform> form;
    QStringList said;
    Panel(qint16 type, std::vector<QStringList> wishes)
    {
        QString error;
        EXPECT_TRUE(study::writeRandomSet({type, 1, 3, study::Language::English, std::move(wishes), {}}, dir.path(), &error))
            << error.toStdString();
        Services s;
        s.settings = std::make_shared<MemorySettingsStore>();
        s.texts = TextTable::english();
        form = std::make_unique<QAform>(s);
        form->InitProperties();
        form->setC_MainAppPath(dir.path());
        form->setC_QAtype(type);
        QObject::connect(form.get(), &QAform::rowJudged, [this](int row, bool, const QString &given) {
            if (const QString s = MistakeNames::of(*form, row, given); !s.isEmpty())
                said << s;
        });
    }
    QString col(int c) const { return form->qaCol(c, form->currentQuestion()).trimmed(); }
    FormControl &ctl(const char *name) const { return form->control(QLatin1String(name)); }
};

struct PanelRow {
    const char *name;
    qint16 type;
    std::vector<QStringList> wishes;
    std::function<void(Panel &)> act;
    const char *expected;
};

void PrintTo(const PanelRow &r, std::ostream *os) { *os << r.name; }

class OnThePanel : public testing::TestWithParam<PanelRow> {};

TEST_P(OnThePanel, NamedRightAfterTheChoice)
{
    const PanelRow &row = GetParam();
    Panel p(row.type, row.wishes);
    ASSERT_TRUE(p.form->questionShown());
    row.act(p);
    const QStringList &said = p.said;
    if (!*row.expected) {
        EXPECT_TRUE(said.isEmpty()) << said.join(u'|').toStdString();
        return;
    }
    ASSERT_EQ(said.size(), 1) << said.join(u'|').toStdString();
    EXPECT_TRUE(said.front().contains(QLatin1String(row.expected))) << said.front().toStdString();
}

void chooseReciprocal(Panel &p, const char *combo, int column)
{
    FormControl &c = p.ctl(combo);
    // The lists write north as 360.
    const int reciprocal = (p.col(column).toInt() + 180) % 360;
    const int row = int(c.listItems().indexOf(reciprocal == 0 ? QStringLiteral("360") : threeDigits(reciprocal)));
    ASSERT_GE(row, 0);
    c.choose(row);
}

void clickEntry(Panel &p, bool mirrored)
{
    const int heading = p.col(13).toInt(), inbound = p.col(14).toInt();
    const bool right = p.col(15) == QLatin1String("Standard");
    const Entry asked = holdingEntry(heading, inbound, right);
    const Entry mirror = holdingEntry(heading, inbound, !right);
    ASSERT_NE(asked, mirror);
    // Otherwise the one entry that is neither.
    Entry click = mirror;
    for (const Entry e : {Entry::Direct, Entry::Offset, Entry::Parallel})
        if (!mirrored && e != asked && e != mirror)
            click = e;
    p.ctl(click == Entry::Direct ? "Option11" : click == Entry::Parallel ? "Option12" : "Option13").click();
}

// The candidate of the first QDM/QDR row that is the reciprocal (or, with `reciprocal` false,
// another wrong one).
void clickCandidate(Panel &p, bool reciprocal)
{
    const int right = p.col(13).toInt();
    for (const char *name : {"Option50", "Option49", "Option48", "Option46"}) {
        const int value = p.ctl(name).caption().trimmed().toInt();
        const int off = ((value - right) % 360 + 360) % 360;
        if (off != 0 && (off == 180) == reciprocal) {
            p.ctl(name).click();
            return;
        }
    }
    FAIL() << "no such candidate";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OnThePanel,
    testing::Values(
        PanelRow{"radialReciprocal", 2, {}, [](Panel &p) { chooseReciprocal(p, "Combo1", 13); }, "Radial and bearing"},
        PanelRow{"qdmReciprocal", 2, {}, [](Panel &p) { chooseReciprocal(p, "Combo2", 14); }, "QDM and QDR"},
        PanelRow{"interceptQdmReciprocal", 6, {}, [](Panel &p) { clickCandidate(p, true); }, "is the QDR"},
        PanelRow{"interceptQdrReciprocal", 13, {}, [](Panel &p) { clickCandidate(p, true); }, "is the QDM"},
        PanelRow{"interceptOtherCandidate", 6, {}, [](Panel &p) { clickCandidate(p, false); }, ""},
        PanelRow{"orientationQdrReciprocal", 10, {}, [](Panel &p) { chooseReciprocal(p, "Combo2", 14); }, "is the QDM"},
        // A parallel entry into a right-hand hold is an offset or direct entry mirrored.
        PanelRow{"holdMirrored", 3, {{"parallel", "right-hand"}}, [](Panel &p) { clickEntry(p, true); }, "Hold side mirrored"},
        PanelRow{"holdOtherwiseWrong", 3, {{"parallel", "right-hand"}}, [](Panel &p) { clickEntry(p, false); }, ""},
        PanelRow{"tailForHead", 8, {{"headwind"}},
                 [](Panel &p) {
                     p.ctl("Text4").type(p.col(13));
                     p.ctl("Option35").click();
                 },
                 "it is a headwind"},
        PanelRow{"wrongNumberRightSide", 8, {{"headwind"}},
                 [](Panel &p) {
                     p.ctl("Text4").type(QStringLiteral("999"));
                     p.ctl("Option47").click();
                 },
                 ""},
        PanelRow{"wcaAwayFromTheWind", 8, {{"crosswind-left"}},
                 [](Panel &p) {
                     p.ctl("Text6").type(p.col(17));
                     p.ctl("Option41").click();
                 },
                 "to the left"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
