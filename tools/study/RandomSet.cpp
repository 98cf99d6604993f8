#include "RandomSet.h"

#include "Prng.h"
#include "Records.h"

#include "exercises/holding/HoldingSolver.h"
#include "platform/BoundedFile.h"
#include "study/ExerciseTypes.h"

#include <QFileInfo>

#include <algorithm>
#include <cstdlib>

namespace orvik3::study {

namespace {

// A question whose draws all fail a rule is a sign of a bad wish, not of bad luck: the
// rarest kind (an offset entry on a given side) is met about once in fifteen draws.
constexpr int kAttemptsPerQuestion = 4000;

const char *const kStationIds[] = {"TGO", "LBU", "ERL", "ABN", "OBR", "WLD", "HDO", "KPT"};
const char *const kDestinationIds[] = {"MIKE", "ROMEO", "DELTA", "SIERRA"};

QString deg(int d) { return QString::number(((d % 360) + 360) % 360); }

host::StationKind stationKindOf(qint16 type)
{
    switch (type) {
    case 9: return host::StationKind::VorDme;
    case 1: case 2: case 3: case 8: return host::StationKind::Vor;
    default: return host::StationKind::Ndb;
    }
}

// One situation of the type, drawn within the teaching rules' realistic ranges; the record
// builder decides whether it has a clear-cut answer.
QMap<QString, QString> draw(qint16 type, Prng &r)
{
    QMap<QString, QString> v;
    auto set = [&](const char *key, const QString &value) { v.insert(QString::fromLatin1(key), value); };
    auto number = [&](const char *key, double value) { set(key, QString::number(value)); };
    number("tas", r.stepped(90, 160, 5));
    switch (type) {
    case 1: case 2: {
        // The course set near the radial or its reciprocal, so that the bar can be read.
        const int radial = r.stepped(0, 355, 5);
        const int course = radial + (r.chance(1, 2) ? 0 : 180) + r.between(-9, 9);
        set("radial", deg(radial));
        number("distance", r.between(4, 60));
        set("heading", deg(r.between(0, 359)));
        set(type == 1 ? "course" : "obs", deg(course));
        break;
    }
    case 10: {
        // QDM and relative bearing both entries of the lists; QDR then is one too.
        static const int entries[] = {30, 45, 60, 90, 120, 135, 150, 180, 210, 225, 240, 270, 300, 315, 330, 360};
        const int qdm = entries[r.below(16)];
        const int rb = entries[r.below(16)];
        set("radial", deg(qdm + 180));
        number("distance", r.between(4, 40));
        set("heading", deg(qdm - rb));
        break;
    }
    case 3: case 4: case 14:
        set("heading", deg(r.between(0, 359)));
        set("inbound", deg(r.stepped(0, 355, 5)));
        set("turn", r.chance(1, 2) ? QStringLiteral("left") : QStringLiteral("right"));
        number("distance", r.between(5, 40));
        break;
    case 9: {
        // Flying out or in along the radial to the arc; the final approach course some way
        // round the arc.
        const int radial = r.between(0, 359);
        const int finalRadial = radial + (r.chance(1, 2) ? 1 : -1) * r.between(40, 140);
        set("radial", deg(radial));
        set("heading", deg(radial + (r.chance(1, 2) ? 0 : 180) + r.between(-20, 20)));
        number("radius", r.between(6, 20));
        number("lead", 0.5 * r.between(2, 4));
        set("final", deg(5 * ((finalRadial + 180 + 2) / 5)));
        break;
    }
    case 5: case 11:
        set("radial", deg(r.between(0, 359)));
        number("distance", r.between(4, 40));
        set("heading", deg(r.between(0, 359)));
        break;
    case 6: case 7: case 12: case 13: {
        // The required bearing near the actual one, the heading anywhere: short of the
        // intercept heading, beyond it or on the other side of the bearing, so that the first
        // turn cannot be read off the sides of actual and required bearing.
        const int radial = r.between(0, 359);
        const int actual = type == 6 || type == 12 ? radial + 180 : radial;
        const int target = actual + (r.chance(1, 2) ? 1 : -1) * r.between(5, 40);
        set("radial", deg(radial));
        number("distance", r.between(5, 40));
        set("target", deg(target));
        set("heading", deg(r.between(0, 359)));
        break;
    }
    case 8: {
        const int course = r.between(0, 359);
        // Head or tail and the crosswind side both plain to see: no wind within ten degrees
        // of abeam, nor a few degrees off the nose or the tail, where a knot decides.
        int wind = 0, off = 0;
        do {
            wind = r.stepped(0, 350, 10);
            off = std::abs(((wind - course) % 360 + 540) % 360 - 180); // 0..180
        } while ((off > 80 && off < 100) || (off > 0 && off < 10) || (off > 170 && off < 180));
        set("course", deg(course));
        number("tas", r.stepped(80, 160, 5));
        set("wind", deg(wind));
        number("speed", r.between(5, 35));
        number("leg", r.between(15, 120));
        break;
    }
    default: break;
    }
    return v;
}

// Holdings come in blocks of six questions that show each entry with each side of the
// pattern once, in an order drawn from the seed, so that neither the common direct entry nor
// the usual right-hand pattern gives the answer away. A wish naming an entry or a side keeps it.
class HoldingBalance
{
public:
    explicit HoldingBalance(quint64 seed) : m_order(seedOf("holding balance", seed)) {}

    QStringList next(const QStringList &wish)
    {
        static const QStringList groups[] = {{QStringLiteral("direct"), QStringLiteral("parallel"), QStringLiteral("offset")},
                                             {QStringLiteral("right-hand"), QStringLiteral("left-hand")}};
        if (m_block.empty()) {
            for (const QString &entry : groups[0])
                for (const QString &side : groups[1])
                    m_block.push_back({entry, side});
            for (std::size_t i = m_block.size() - 1; i > 0; --i)
                std::swap(m_block[i], m_block[m_order.below(i + 1)]);
        }
        const QStringList combo = m_block.back();
        m_block.pop_back();
        QStringList out = wish;
        for (const QStringList &group : groups)
            if (std::none_of(wish.begin(), wish.end(), [&](const QString &w) { return group.contains(w); }))
                for (const QString &w : combo)
                    if (group.contains(w))
                        out << w;
        return out;
    }

private:
    Prng m_order;
    std::vector<QStringList> m_block;
};

bool wanted(const QStringList &kinds, const QStringList &wish)
{
    for (const QString &w : wish)
        if (!kinds.contains(w))
            return false;
    return true;
}

} // namespace

QStringList situationKinds(qint16 type)
{
    switch (type) {
    case 3: case 4: case 14:
        return {"direct", "parallel", "offset", "right-hand", "left-hand"};
    case 6: case 7: case 12: case 13: return {"left", "right"};
    case 8: return {"crosswind-left", "crosswind-right", "headwind", "tailwind"};
    case 9: return {"clockwise", "counterclockwise"};
    default: return {};
    }
}

QStringList kindsOf(qint16 type, const Situation &sit)
{
    QStringList out;
    switch (type) {
    case 3: case 4: case 14: {
        qint16 hdg = qint16(sit.number(QStringLiteral("heading"))), inbound = qint16(sit.number(QStringLiteral("inbound")));
        qint16 outbound = 0, gate = 0, abeam = 0, first = 0;
        const bool left = sit.word(QStringLiteral("turn")) == QLatin1String("left");
        QString kind = left ? QStringLiteral("Non-Standard") : QStringLiteral("Standard");
        QString entry, firstTurn;
        findHoldingAnswer(hdg, inbound, kind, entry, outbound, gate, abeam, first, firstTurn);
        out << entry.toLower() << (left ? QStringLiteral("left-hand") : QStringLiteral("right-hand"));
        break;
    }
    case 6: case 7: case 12: case 13: {
        const bool qdm = type == 6 || type == 12;
        const Point aircraft = host::nav::offset(Point{}, sit.number(QStringLiteral("radial")), sit.number(QStringLiteral("distance")));
        const auto a = intercept(qdm ? BearingKind::Qdm : BearingKind::Qdr, aircraft, sit.number(QStringLiteral("heading")), Point{},
                                 sit.number(QStringLiteral("target")));
        if (a && a->firstTurn != Turn::Maintain)
            out << (a->firstTurn == Turn::Left ? QStringLiteral("left") : QStringLiteral("right"));
        break;
    }
    case 8: {
        const auto a = windAnswer(sit.number(QStringLiteral("course")), sit.number(QStringLiteral("tas")),
                                  sit.number(QStringLiteral("wind")), sit.number(QStringLiteral("speed")),
                                  sit.number(QStringLiteral("leg")));
        if (!a)
            break;
        if (a->crosswindFrom != Side::None)
            out << (a->crosswindFrom == Side::Left ? QStringLiteral("crosswind-left") : QStringLiteral("crosswind-right"));
        if (a->headwind != 0)
            out << (a->headwind > 0 ? QStringLiteral("headwind") : QStringLiteral("tailwind"));
        break;
    }
    case 9: {
        const auto a = dmeArc(sit.number(QStringLiteral("radial")), sit.number(QStringLiteral("heading")),
                              sit.number(QStringLiteral("final")), sit.number(QStringLiteral("radius")),
                              sit.number(QStringLiteral("lead")), std::nullopt);
        if (a)
            out << (a->direction == ArcDirection::Clockwise ? QStringLiteral("clockwise") : QStringLiteral("counterclockwise"));
        break;
    }
    default: break;
    }
    return out;
}

std::optional<RandomSet> randomSet(const RandomRequest &request, QString *error)
{
    const ExerciseType *type = exerciseType(request.type);
    if (!type) {
        *error = QStringLiteral("the exercise type must be 1..14");
        return std::nullopt;
    }
    if (request.count < 1 || request.count > kMaxRandomQuestions) {
        *error = QStringLiteral("the number of questions must be 1..%1").arg(kMaxRandomQuestions);
        return std::nullopt;
    }
    const QStringList known = situationKinds(request.type);
    for (const QStringList &wish : request.wishes)
        for (const QString &w : wish)
            if (!known.contains(w)) {
                *error = known.isEmpty() ? QStringLiteral("exercise type %1 has no kinds of situation").arg(request.type)
                                         : QStringLiteral("'%1' is no kind of exercise type %2 (%3)")
                                               .arg(w).arg(request.type).arg(known.join(QStringLiteral(", ")));
                return std::nullopt;
            }

    std::vector<QStringList> skillWishes;
    for (const Skill *skill : request.skills) {
        const std::optional<QStringList> wish = skill ? wishForSkill(request.type, *skill, error) : QStringList();
        if (!wish)
            return std::nullopt;
        skillWishes.push_back(*wish);
    }

    Prng master(request.seed);
    const bool german = request.language == Language::German;
    Scenario sc;
    sc.type = request.type;
    sc.fileName = QStringLiteral("random");
    sc.name = QFileInfo(QString::fromLatin1(type->germanFile)).completeBaseName().toLower() + QStringLiteral("-r");
    sc.station = {QString::fromLatin1(kStationIds[master.below(std::size(kStationIds))]), stationKindOf(request.type), {}};
    if (request.type == 8)
        sc.destination = host::Station{QString::fromLatin1(kDestinationIds[master.below(std::size(kDestinationIds))]),
                                       host::StationKind::Vor, {}};

    RandomSet out;
    // Type 10's one file serves both languages and holds the German lines.
    const bool germanLines = german || request.type == 10;
    out.studyFile = QString::fromLatin1(german ? type->germanFile : type->otherFile);
    QStringList lines = headerLines(request.type, request.language);
    std::vector<GeneratedFile> sessions;
    const bool holding = request.type == 3 || request.type == 4 || request.type == 14;
    HoldingBalance balance(request.seed);
    for (int i = 0; i < request.count; ++i) {
        const quint64 questionSeed = master.next();
        Prng r(questionSeed);
        QStringList asked = request.wishes.empty() ? QStringList() : request.wishes[std::size_t(i) % request.wishes.size()];
        if (!skillWishes.empty())
            asked += skillWishes[std::size_t(i) % skillWishes.size()];
        const QStringList wish = holding ? balance.next(asked) : asked;
        const int index = i + 1;
        const QString sessionName = QStringLiteral("%1-%2.session").arg(sc.name).arg(index, 3, 10, QLatin1Char('0'));
        std::optional<Record> record;
        QStringList kinds;
        for (int attempt = 0; attempt < kAttemptsPerQuestion && !record; ++attempt) {
            Situation sit;
            sit.line = index;
            sit.values = draw(request.type, r);
            kinds = kindsOf(request.type, sit);
            if (!wanted(kinds, wish))
                continue;
            ScenarioError ignored;
            record = buildRecord({sc, sit, index, sessionName, true, seedOf("options", questionSeed)}, &ignored);
        }
        if (!record) {
            *error = QStringLiteral("no situation of exercise type %1 found for question %2%3")
                         .arg(request.type)
                         .arg(index)
                         .arg(asked.isEmpty() ? QString() : QStringLiteral(" (") + asked.join(QStringLiteral(", ")) + QLatin1Char(')'));
            return std::nullopt;
        }
        lines += germanLines ? record->german : record->english;
        sessions.push_back({QStringLiteral("default/sessions/") + sessionName, sessionBytes(record->session)});
        out.kinds.push_back(kinds);
    }
    out.files.files.push_back({QStringLiteral("default/study/") + out.studyFile, studyBytes(lines)});
    for (GeneratedFile &f : sessions)
        out.files.files.push_back(std::move(f));
    if (!request.powerTips.isEmpty()) {
        // Any file may be named here: a FIFO or /dev/zero is refused, not waited for or read to the end.
        BoundedFile::Result tips = BoundedFile::read(request.powerTips, limits::kPowerTips);
        if (!tips.ok()) {
            *error = QStringLiteral("cannot read the power tips: %1").arg(tips.error);
            return std::nullopt;
        }
        out.files.files.push_back({QStringLiteral("pwr.rtf"), std::move(tips.bytes)});
    }
    out.files.notes << QStringLiteral("type %1, %2 questions, seed %3").arg(request.type).arg(request.count).arg(request.seed);
    return out;
}

bool writePracticeFiles(const Generated &generated, const QString &outDir, QString *error)
{
    // No flush to the disk per file: a practice installation lives for minutes and is made
    // again when anything is missing, and the trainer waits for it between sets. It is the
    // trainer's own folder, so what is there is replaced.
    return writeGenerated(generated, outDir, error, {.replace = true, .durable = false});
}

bool writeRandomSet(const RandomRequest &request, const QString &outDir, QString *error)
{
    const std::optional<RandomSet> set = randomSet(request, error);
    return set && writePracticeFiles(set->files, outDir, error);
}

} // namespace orvik3::study
