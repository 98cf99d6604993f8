#include "session/SessionFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>

using namespace orvik3::host;
namespace nav = orvik3::host::nav;

namespace {

const char kHeader[] = "[session]\nversion = 1\n";
const char kStation[] = "[station]\nid = TGO\nkind = VOR/DME\n";
const char kAircraft[] = "[aircraft]\nradial = 240\ndistance = 12\nheading = 60\ntas = 120\n";

QByteArray minimal() { return QByteArray(kHeader) + kStation + kAircraft; }

SessionFile::Result parse(const QByteArray &text) { return SessionFile::parse(text, "t.session"); }

// "unknown key" -> "UnknownKey": row descriptions as test names.
template <typename Row>
std::string rowName(const ::testing::TestParamInfo<Row> &info)
{
    std::string out;
    bool upper = true;
    for (const char *c = info.param.name; *c; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c))) {
            out += upper ? char(std::toupper(static_cast<unsigned char>(*c))) : *c;
            upper = false;
        } else {
            upper = true;
        }
    }
    return out;
}

struct GoodCase {
    const char *name;
    QByteArray text;
    std::function<void(const Session &)> check;
};
void PrintTo(const GoodCase &c, std::ostream *os) { *os << c.name; }

class GoodFile : public ::testing::TestWithParam<GoodCase>
{
};

TEST_P(GoodFile, Parses)
{
    const auto r = parse(GetParam().text);
    ASSERT_TRUE(r) << r.error.toString().toStdString();
    GetParam().check(*r.session);
}

const GoodCase kGoodCases[] = {
    {"minimal", minimal(), [](const Session &s) {
         ASSERT_EQ(s.stations.size(), 1u);
         EXPECT_EQ(s.stations[0], (Station{"TGO", StationKind::VorDme, {0, 0}}));
         EXPECT_EQ(s.aircraft, (Aircraft{RelativePosition{"", 240, 12}, 60, 120}));
         EXPECT_FALSE(s.exercise || s.holding || s.dmeArc || s.target || s.wind);
         EXPECT_EQ(s.instruments, Instruments{});
     }},
    {"comments, blank lines, CRLF, BOM, spacing, 360 as north",
     "\xEF\xBB\xBF# a session\r\n\r\n  [Session]  \r\nversion=1\r\ntitle =  Holding # 3 at TGO \r\n"
     "[station]\r\n  # indented comment\r\nid = TGO\r\nkind = vor/dme\r\n"
     "[aircraft]\r\nx = -3.5\r\ny = .25\r\nheading = 360\r\ntas = 95.5\r\n",
     [](const Session &s) {
         EXPECT_EQ(s.title, "Holding # 3 at TGO");
         EXPECT_EQ(s.stations[0].kind, StationKind::VorDme);
         EXPECT_EQ(s.aircraft, (Aircraft{nav::Point{-3.5, 0.25}, 0, 95.5}));
     }},
    {"two stations, every section, references later in file",
     "[aircraft]\nstation = ABN\nradial = 090\ndistance = 7\nheading = 270\ntas = 110\n"
     "[instruments]\nhsi = 045\nvor = 90\nrmi = on\nadf = yes\ndg = true\ndme = off\n"
     "nav-station = TGO\nadf-station = ABN\n"
     "[holding]\nfix = ABN\ninbound = 270\nturn = Left\n"
     "[dme-arc]\nstation = TGO\nradius = 10\nfinal-course = 360\ndirection = counterclockwise\nlead = 1\n"
     "[target]\nstation = TGO\nqdm = 120\nqdr = 300\n"
     "[wind]\nfrom = 310\nspeed = 25\nleg = 30\n"
     "[session]\nversion = 1\ntype = 9\n"
     "[station]\nid = TGO\nkind = VOR/DME\nx = 0\ny = 0\n"
     "[station]\nid = ABN\nkind = NDB\nx = 12.5\ny = -4\n",
     [](const Session &s) {
         EXPECT_EQ(s.exercise, 9);
         EXPECT_EQ(s.stations, (std::vector<Station>{{"TGO", StationKind::VorDme, {0, 0}},
                                                     {"ABN", StationKind::Ndb, {12.5, -4}}}));
         EXPECT_EQ(s.aircraft, (Aircraft{RelativePosition{"ABN", 90, 7}, 270, 110}));
         EXPECT_NEAR(aircraftPosition(s).x, 19.5, 1e-12);
         EXPECT_NEAR(aircraftPosition(s).y, -4, 1e-12);
         EXPECT_EQ(s.instruments, (Instruments{45, 90, true, true, true, false, "TGO", "ABN"}));
         EXPECT_EQ(s.holding, (Holding{"ABN", 270, HoldingTurn::Left}));
         EXPECT_EQ(s.dmeArc, (DmeArc{"TGO", 10, 0, nav::ArcDirection::Counterclockwise, 1})); // 360 is north
         EXPECT_EQ(s.target, (Target{"TGO", 120, 300}));
         EXPECT_EQ(s.wind, (Wind{310, 25, 30}));
     }},
    {"defaults: holding turns right, receivers pick stations by kind",
     QByteArray(kHeader) + "[station]\nid = ABN\nkind = NDB\n[station]\nid = TGO\nkind = VOR\nx=5\n"
         + kAircraft + "[holding]\ninbound = 90\n",
     [](const Session &s) {
         EXPECT_EQ(s.holding, (Holding{"", 90, HoldingTurn::Right}));
         EXPECT_EQ(findStation(s, s.holding->fix)->id, "ABN");
         EXPECT_EQ(navStation(s)->id, "TGO");
         EXPECT_EQ(adfStation(s)->id, "ABN");
     }},
};

INSTANTIATE_TEST_SUITE_P(SessionParse, GoodFile, ::testing::ValuesIn(kGoodCases), rowName<GoodCase>);

struct BadCase {
    const char *name;
    QByteArray text;
    int line;
    const char *message;
};
void PrintTo(const BadCase &c, std::ostream *os) { *os << c.name; }

class BadFile : public ::testing::TestWithParam<BadCase>
{
};

TEST_P(BadFile, ReportsFileLineAndReason)
{
    const BadCase &c = GetParam();
    const auto r = parse(c.text);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error.fileName, "t.session");
    EXPECT_EQ(r.error.line, c.line) << r.error.toString().toStdString();
    EXPECT_TRUE(r.error.message.contains(QLatin1String(c.message))) << r.error.message.toStdString();
    EXPECT_TRUE(r.error.toString().startsWith(QStringLiteral("t.session:%1: ").arg(c.line)));
}

const QByteArray h = kHeader;    // lines 1-2
const QByteArray st = kStation;  // 3 lines
const QByteArray ac = kAircraft; // 5 lines
const BadCase kBadCases[] = {
    {"unknown key", h + "colour = red\n" + st + ac, 3, "unknown key 'colour' in [session]"},
    {"unknown section", h + "[radar]\n", 3, "unknown section [radar]"},
    {"not key=value", h + st + "kind VOR\n", 6, "expected 'key = value'"},
    {"empty value", h + st + ac + "[wind]\nfrom =\n", 12, "missing value for 'from'"},
    {"duplicate key", h + st + ac + "tas = 130\n", 11, "duplicate key 'tas' (first at line 10)"},
    {"duplicate section", h + st + ac + "[session]\n", 11, "duplicate section [session] (first at line 1)"},
    {"bad number", h + st + "[aircraft]\nradial = 24O\ndistance = 1\nheading = 1\ntas = 1\n", 7,
     "bad number '24O' for 'radial'"},
    {"nan is not a number", h + st + "x = nan\n" + ac, 6, "bad number 'nan'"},
    {"angle above 360", h + st + "[aircraft]\nradial = 361\ndistance = 1\nheading = 1\ntas = 1\n", 7,
     "angle 'radial' = 361 is out of range 0..360"},
    {"tas out of range", h + st + "[aircraft]\nx = 1\ny = 1\nheading = 1\ntas = 0\n", 10,
     "'tas' = 0 is out of range 1..1000"},
    {"missing required key", h + st + "[aircraft]\nx = 1\ny = 1\ntas = 100\n", 6,
     "[aircraft] is missing required key 'heading'"},
    {"mixed position", h + st + "[aircraft]\nradial = 1\ndistance = 1\nx = 2\nheading = 1\ntas = 1\n", 9,
     "not both"},
    {"missing [aircraft]", h + st, 5, "no [aircraft] section"},
    {"wrong version", "[session]\nversion = 2\n" + st + ac, 2, "unsupported format version 2"},
    {"type out of range", h + "type = 15\n" + st + ac, 3, "'type' = 15 is out of range 1..14"},
    {"bad station kind", h + "[station]\nid = X\nkind = TACAN\n" + ac, 5,
     "'kind' must be one of VOR, NDB, VOR/DME, not 'TACAN'"},
    {"duplicate station id", h + st + st + ac, 7, "duplicate station id 'TGO'"},
    {"unknown station reference", h + st + ac + "station = XYZ\n", 11, "no station with id 'XYZ'"},
    {"nav receiver on an NDB", h + "[station]\nid = N\nkind = NDB\n" + ac + "[instruments]\nnav-station = N\n",
     12, "is an NDB, not a VOR"},
    {"arc without DME", h + "[station]\nid = V\nkind = VOR\n" + ac + "[dme-arc]\nradius = 10\nfinal-course = 90\n",
     11, "not a VOR/DME"},
    {"target without bearing", h + st + ac + "[target]\nstation = TGO\n", 11, "needs 'qdm' or 'qdr'"},
    {"exercise needs its section", h + "type = 9\n" + st + ac, 3, "exercise type 9 needs a [dme-arc] section"},
    {"invalid UTF-8", h + "title = caf\xC3\n", 3, "not valid UTF-8"},
};

INSTANTIATE_TEST_SUITE_P(SessionParse, BadFile, ::testing::ValuesIn(kBadCases), rowName<BadCase>);

Session fullSession()
{
    Session s;
    s.exercise = 9;
    s.title = QStringLiteral("Arc 10 NM TGO, Übung");
    s.stations = {{"TGO", StationKind::VorDme, {0, 0}}, {"ABN", StationKind::Ndb, {-12.25, 0.1}}};
    s.aircraft = {RelativePosition{"ABN", 123.4, 0.3}, 359.9, 97};
    s.instruments = {0, 271.5, true, false, false, true, "TGO", "ABN"};
    s.holding = Holding{"ABN", 90, HoldingTurn::Left};
    s.dmeArc = DmeArc{"TGO", 10, 180, nav::ArcDirection::Clockwise, 1.2};
    s.target = Target{"", 1.0 / 3.0, std::nullopt};
    s.wind = Wind{310, 0, 42};
    return s;
}

} // namespace

TEST(SessionWrite, RoundTrips)
{
    Session xy = fullSession(); // optional parts left out, position on the plane
    xy.aircraft.position = nav::Point{-0.1, 1e-7};
    xy.dmeArc = DmeArc{"TGO", 10, 180, std::nullopt, std::nullopt};
    xy.wind->legNm.reset();
    xy.exercise.reset();
    xy.title = QStringLiteral(" two\nlines ");

    Session bare;
    bare.stations = {{"V1", StationKind::Vor, {3, 4}}};
    bare.aircraft = {RelativePosition{"", 0, 0}, 0, 1};

    for (Session s : {fullSession(), xy, bare}) {
        const QByteArray text = SessionFile::toText(s);
        const auto r = SessionFile::parse(text, "rt");
        ASSERT_TRUE(r) << r.error.toString().toStdString() << "\n" << text.toStdString();
        if (s.title.contains(u'\n'))
            s.title = QStringLiteral("two lines"); // the title stays on one line
        EXPECT_EQ(*r.session, s) << text.toStdString();
        EXPECT_EQ(SessionFile::toText(*r.session), text); // stable output
    }
}

TEST(SessionFiles, SaveAndLoad)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("arc.session");
    QString err;
    ASSERT_TRUE(SessionFile::save(fullSession(), path, &err)) << err.toStdString();
    const auto r = SessionFile::load(path);
    ASSERT_TRUE(r) << r.error.toString().toStdString();
    EXPECT_EQ(*r.session, fullSession());

    const auto missing = SessionFile::load(dir.filePath("none.session"));
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error.line, 0);
    EXPECT_TRUE(missing.error.toString().startsWith(dir.filePath("none.session") + ": cannot open"));

    QFile bad(dir.filePath("bad.session"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(minimal() + "speed = 3\n");
    bad.close();
    const auto r2 = SessionFile::load(bad.fileName());
    ASSERT_FALSE(r2);
    EXPECT_EQ(r2.error.toString(), bad.fileName() + ":11: unknown key 'speed' in [aircraft]");
}
