#include "study/Skills.h"

#include <QtCore/qcoreapplication.h>

namespace orvik3 {

namespace {
using K = RowKind;
using E = HoldingEntry;
using H = PatternHand;

constexpr quint16 bits(std::initializer_list<int> types)
{
    quint16 b = 0;
    for (int t : types)
        b |= quint16(1u << t);
    return b;
}

constexpr quint16 kHsi = bits({1}), kVor = bits({2}), kRmi = bits({10}), kHold = bits({3, 4, 14}), kArc = bits({9}),
                  kAdf = bits({5, 11}), kQdm = bits({6, 12}), kQdr = bits({7, 13}), kWind = bits({8});
constexpr Family P = Family::Position, HF = Family::Holding, A = Family::Adf, Q = Family::QdmQdr, W = Family::Wind;

#define N(text) QT_TRANSLATE_NOOP("orvik3::Skill", text)
constexpr Skill kSkills[] = {
    {"position.hsi.radial", N("HSI: radial and TO/FROM"), P, K::Radial, kHsi},
    {"position.hsi.qdm", N("HSI: QDM"), P, K::PositionQdm, kHsi},
    {"position.hsi.station-side", N("HSI: where the station lies"), P, K::StationSide, kHsi},
    {"position.vor.radial", N("VOR: radial and TO/FROM"), P, K::Radial, kVor},
    {"position.vor.qdm", N("VOR: QDM"), P, K::PositionQdm, kVor},
    {"position.vor.needle", N("VOR: needle movement"), P, K::NeedleMovement, kVor},
    {"orientation.qdm", N("RMI: QDM"), P, K::OrientationQdm, kRmi},
    {"orientation.qdr", N("RMI: QDR"), P, K::OrientationQdr, kRmi},
    {"orientation.rb", N("RMI: relative bearing"), P, K::OrientationRb, kRmi},
    {"holding.entry.direct.right", N("Holding entry: direct, right-hand pattern"), HF, K::HoldingEntry, kHold, E::Direct, H::Right},
    {"holding.entry.direct.left", N("Holding entry: direct, left-hand pattern"), HF, K::HoldingEntry, kHold, E::Direct, H::Left},
    {"holding.entry.parallel.right", N("Holding entry: parallel, right-hand pattern"), HF, K::HoldingEntry, kHold, E::Parallel, H::Right},
    {"holding.entry.parallel.left", N("Holding entry: parallel, left-hand pattern"), HF, K::HoldingEntry, kHold, E::Parallel, H::Left},
    {"holding.entry.offset.right", N("Holding entry: offset, right-hand pattern"), HF, K::HoldingEntry, kHold, E::Offset, H::Right},
    {"holding.entry.offset.left", N("Holding entry: offset, left-hand pattern"), HF, K::HoldingEntry, kHold, E::Offset, H::Left},
    {"holding.outbound", N("Holding: outbound heading"), HF, K::HoldingOutbound, kHold},
    {"holding.first-heading", N("Holding: first heading after the station"), HF, K::HoldingFirstHeading, kHold},
    {"holding.first-turn", N("Holding: first turn after the station"), HF, K::HoldingFirstTurn, kHold},
    {"arc.turn", N("DME arc: turn onto the arc"), HF, K::ArcFirstTurn, kArc},
    {"arc.heading", N("DME arc: heading on the arc"), HF, K::ArcFirstHeading, kArc},
    {"arc.lead-radial", N("DME arc: lead radial"), HF, K::ArcLeadRadial, kArc},
    {"adf.qdr", N("ADF: QDR"), A, K::AdfQdr, kAdf},
    {"adf.qdr-trend", N("ADF: how the QDR changes"), A, K::AdfQdrTrend, kAdf},
    {"adf.qdm", N("ADF: QDM"), A, K::AdfQdm, kAdf},
    {"adf.qdm-trend", N("ADF: how the QDM changes"), A, K::AdfQdmTrend, kAdf},
    {"adf.rb", N("ADF: relative bearing"), A, K::AdfRb, kAdf},
    {"intercept.qdm.bearing", N("QDM interception: actual QDM"), Q, K::InterceptBearing, kQdm},
    {"intercept.qdm.difference", N("QDM interception: how the difference develops"), Q, K::InterceptDifference, kQdm},
    {"intercept.qdm.turn", N("QDM interception: intercept turn"), Q, K::InterceptTurn, kQdm},
    {"intercept.qdm.heading", N("QDM interception: intercept heading"), Q, K::InterceptHeading, kQdm},
    {"intercept.qdr.bearing", N("QDR interception: actual QDR"), Q, K::InterceptBearing, kQdr},
    {"intercept.qdr.difference", N("QDR interception: how the difference develops"), Q, K::InterceptDifference, kQdr},
    {"intercept.qdr.turn", N("QDR interception: intercept turn"), Q, K::InterceptTurn, kQdr},
    {"intercept.qdr.heading", N("QDR interception: intercept heading"), Q, K::InterceptHeading, kQdr},
    {"wind.head-tail", N("Wind: head or tail wind"), W, K::WindHeadTail, kWind},
    {"wind.crosswind", N("Wind: crosswind side"), W, K::WindCrosswind, kWind},
    {"wind.wca", N("Wind: wind correction angle"), W, K::WindCorrection, kWind},
    {"wind.time", N("Wind: ground speed and time"), W, K::WindTime, kWind},
};
#undef N
} // namespace

std::span<const Skill> skills() { return kSkills; }

const Skill *skillById(QStringView id)
{
    for (const Skill &s : kSkills)
        if (id == QLatin1StringView(s.id))
            return &s;
    return nullptr;
}

int skillIndex(const Skill *skill)
{
    const std::span<const Skill> all = kSkills;
    for (std::size_t i = 0; i < all.size(); ++i)
        if (&all[i] == skill)
            return int(i);
    return -1;
}

const Skill *skillOfRow(qint16 type, RowKind row, const RowSituation &situation)
{
    for (const Skill &s : kSkills) {
        if (s.row != row || !s.trainedBy(type))
            continue;
        if (!s.needsSituation() || (s.entry == situation.entry && s.hand == situation.hand))
            return &s;
    }
    return nullptr;
}

std::vector<const Skill *> skillsOfQuestion(qint16 type, const RowSituation &situation)
{
    std::vector<const Skill *> out;
    if (const ExerciseType *t = exerciseType(type))
        for (const AnswerRow &row : t->rows)
            if (const Skill *s = skillOfRow(type, row.kind, situation))
                out.push_back(s);
    return out;
}

std::vector<qint16> typesTraining(const Skill &skill)
{
    std::vector<qint16> out;
    for (qint16 t = 1; t <= 14; ++t)
        if (skill.trainedBy(t))
            out.push_back(t);
    return out;
}

std::optional<HoldingEntry> holdingEntryFromWord(QStringView word)
{
    if (word.compare(u"direct", Qt::CaseInsensitive) == 0)
        return HoldingEntry::Direct;
    if (word.compare(u"parallel", Qt::CaseInsensitive) == 0)
        return HoldingEntry::Parallel;
    if (word.compare(u"offset", Qt::CaseInsensitive) == 0)
        return HoldingEntry::Offset;
    return std::nullopt;
}

} // namespace orvik3
