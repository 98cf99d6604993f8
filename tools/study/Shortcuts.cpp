#include "Shortcuts.h"

#include "exercises/adf/AdfRules.h"
#include "exercises/holding/HoldingRules.h"
#include "exercises/holding/HoldingSolver.h"
#include "exercises/position/PositionRules.h"
#include "exercises/qdmqdr/QdmQdrRules.h"
#include "exercises/wind/WindRules.h"
#include "nav/Geometry.h"
#include "platform/ValueRules.h"
#include "study/ExerciseTypes.h"

#include <algorithm>
#include <cmath>

namespace orvik3::study {

namespace {

// The options a row's stored answer makes right, by row, in the order the rows first come.
class Tally
{
public:
    void add(const QString &row, const QStringList &right)
    {
        if (right.isEmpty())
            return; // the row asks nothing of this question
        auto it = std::find_if(m_rows.begin(), m_rows.end(), [&](const Row &r) { return r.name == row; });
        if (it == m_rows.end())
            it = m_rows.insert(m_rows.end(), Row{row, 0, {}, {}});
        ++it->applies;
        for (const QString &option : right) {
            const qsizetype i = it->options.indexOf(option);
            if (i < 0) {
                it->options << option;
                it->counts.push_back(1);
            } else {
                ++it->counts[std::size_t(i)];
            }
        }
    }

    std::vector<Shortcut> shortcuts() const
    {
        std::vector<Shortcut> out;
        for (const Row &r : m_rows) {
            const auto best = std::max_element(r.counts.begin(), r.counts.end());
            out.push_back({r.name, r.options[best - r.counts.begin()], *best, r.applies});
        }
        std::stable_sort(out.begin(), out.end(), [](const Shortcut &a, const Shortcut &b) { return a.share() > b.share(); });
        return out;
    }

private:
    struct Row {
        QString name;
        int applies;
        QStringList options;
        std::vector<int> counts;
    };
    std::vector<Row> m_rows;
};

QString text(const WalkedRecord &r, int column)
{
    const WalkedValue *v = r.value(column);
    return v ? v->text : QString();
}

std::optional<double> number(const WalkedRecord &r, int column)
{
    const QString t = text(r, column).trimmed();
    if (t.isEmpty() || !(t[0].isDigit() || t[0] == u'-' || t[0] == u'+'))
        return std::nullopt;
    return values::readNumber(t);
}

void position(const WalkedRecord &r, Variant variant, Tally &t)
{
    if (variant == Variant::Orientation) {
        t.add(QStringLiteral("QDM"), {text(r, 13)});
        t.add(QStringLiteral("QDR"), {text(r, 14)});
        t.add(QStringLiteral("RB"), {text(r, 15)});
        return;
    }
    const QString third = text(r, 15);
    const auto pair = position::splitAlternatives(third);
    t.add(variant == Variant::HsiPosition ? QStringLiteral("station") : QStringLiteral("needle"),
          pair ? QStringList{pair->first, pair->second} : QStringList{third});
}

void holding(const WalkedRecord &r, Tally &t)
{
    const std::optional<double> heading = number(r, 13), inboundDeg = number(r, 14);
    if (!heading || !inboundDeg || *heading < 0 || *heading >= 360)
        return; // the plain lint's finding
    qint16 hdg = qint16(std::lround(*heading)), inbound = qint16(std::lround(*inboundDeg)), outbound = 0, gate = 0,
           abeam = 0, first = 0;
    QString kind = text(r, 15), entry, turn;
    findHoldingAnswer(hdg, inbound, kind, entry, outbound, gate, abeam, first, turn);
    t.add(QStringLiteral("entry"), {entry});
    t.add(QStringLiteral("first heading"), {QStringLiteral("inbound + %1").arg(((first - inbound) % 360 + 360) % 360)});
    t.add(QStringLiteral("first turn"), {turn});
}

// The 1-based option of four caption columns that holds the answer, or 0.
int slotOf(const WalkedRecord &r, int firstCaption, int answerColumn)
{
    for (int i = 0; i < 4; ++i)
        if (text(r, firstCaption + i) == text(r, answerColumn))
            return i + 1;
    return 0;
}

void adf(const WalkedRecord &r, Tally &t)
{
    const int qdr = slotOf(r, 1, 13), qdm = slotOf(r, 5, 15), rb = slotOf(r, 9, 17);
    auto slot = [](int s) { return s ? QStringList{QString::number(s)} : QStringList(); };
    auto after = [](int from, int to) {
        return from && to ? QStringList{QStringLiteral("+%1").arg((to - from + 4) % 4)} : QStringList();
    };
    t.add(QStringLiteral("QDR option"), slot(qdr));
    t.add(QStringLiteral("QDM option"), slot(qdm));
    t.add(QStringLiteral("RB option"), slot(rb));
    t.add(QStringLiteral("QDM option after the QDR option"), after(qdr, qdm));
    t.add(QStringLiteral("RB option after the QDM option"), after(qdm, rb));
    for (const auto &[row, column] : {std::pair{"QDR trend", 14}, std::pair{"QDM trend", 16}}) {
        QStringList right;
        for (const adf::TrendWord &w : adf::kTrendWords)
            if (adf::acceptsTrend(w, text(r, column)))
                right << QString::fromUtf16(w.english);
        t.add(QLatin1String(row), right);
    }
}

QString meaningName(qdmqdr::Meaning m)
{
    using M = qdmqdr::Meaning;
    switch (m) {
    case M::Decrease: case M::HeadingLess: return QStringLiteral("less");
    case M::Constant: return QStringLiteral("equal");
    case M::Increase: case M::HeadingGreater: return QStringLiteral("greater");
    case M::Left: return QStringLiteral("left");
    case M::Maintain: return QStringLiteral("maintain");
    case M::Right: return QStringLiteral("right");
    }
    return {};
}

void interception(const WalkedRecord &r, Tally &t)
{
    QStringList right[3];
    const char *rows[] = {"difference", "first turn", "first heading"};
    for (int i = 0; i < 3; ++i) {
        for (const qdmqdr::Meaning m : qdmqdr::meaningsOfColumn(14 + i))
            if (qdmqdr::accepts(m, text(r, 14 + i)))
                right[i] << meaningName(m);
        t.add(QLatin1String(rows[i]), right[i]);
    }
    // The sign rules: the turn read off actual against required, the heading off the turn.
    const bool turnRight = right[1] == QStringList{QStringLiteral("right")};
    if (!turnRight && right[1] != QStringList{QStringLiteral("left")})
        return;
    const std::optional<double> actual = number(r, 13), required = number(r, 1);
    if (actual && required && std::abs(host::nav::angleDifference(*actual, *required)) > 0.5) {
        const bool greater = host::nav::angleDifference(*actual, *required) > 0;
        t.add(QStringLiteral("first turn against actual and required"),
              {turnRight == greater ? QStringLiteral("right when the actual is greater")
                                    : QStringLiteral("left when the actual is greater")});
    }
    if (right[2].size() == 1)
        t.add(QStringLiteral("first heading against the first turn"),
              {(right[2][0] == QLatin1String("greater")) == turnRight ? QStringLiteral("greater after a right turn")
                                                                       : QStringLiteral("less after a right turn")});
}

void windSides(const WalkedRecord &r, Tally &t)
{
    using wind::Side;
    const struct {
        const char *row;
        int column;
        Side sides[3];
        const char *names[3];
    } rows[] = {
        {"head or tail", 14, {Side::Head, Side::Zero, Side::Tail}, {"Head", "Zero", "Tail"}},
        {"crosswind side", 16, {Side::Left, Side::Zero, Side::Right}, {"Left", "Zero", "Right"}},
        {"WCA side", 18, {Side::Left, Side::Zero, Side::Right}, {"Left", "Zero", "Right"}},
    };
    for (const auto &row : rows) {
        QStringList right;
        for (int i = 0; i < 3; ++i)
            if (wind::accepts(row.sides[i], text(r, row.column)))
                right << QLatin1String(row.names[i]);
        t.add(QLatin1String(row.row), right);
    }
}

} // namespace

ShortcutReport shortcutsOf(const QByteArray &bytes, const QString &displayName, qint16 type)
{
    ShortcutReport out;
    out.file = displayName;
    out.type = type;
    const ExerciseType *t = exerciseType(type);
    if (!t)
        return out;
    Tally tally;
    for (const WalkedRecord &r : walkStudyFile(splitLines(bytes), type).records) {
        if (!r.complete)
            break; // the panel loads no further
        ++out.questions;
        switch (t->family) {
        case Family::Position: position(r, variantOf(type), tally); break;
        case Family::Holding:
            if (variantOf(type) == Variant::DmeArc)
                tally.add(QStringLiteral("first turn"), {text(r, 13)});
            else
                holding(r, tally);
            break;
        case Family::Adf: adf(r, tally); break;
        case Family::QdmQdr: interception(r, tally); break;
        case Family::Wind: windSides(r, tally); break;
        }
    }
    out.shortcuts = tally.shortcuts();
    return out;
}

std::optional<ShortcutReport> shortcutsOfFile(const QString &path, const LintOptions &options, QString *error)
{
    const std::optional<StudyFileInput> in = readStudyFileInput(path, options, error);
    if (!in)
        return std::nullopt;
    return shortcutsOf(in->bytes, path, in->type);
}

QString formatShortcuts(const ShortcutReport &report)
{
    auto percent = [](const Shortcut &s) { return QStringLiteral("%1%").arg(std::lround(s.share() * 100.0)); };
    QString out = QStringLiteral("%1: type %2, %3 questions").arg(report.file).arg(report.type).arg(report.questions);
    if (!report.shortcuts.empty()) {
        const Shortcut &top = report.shortcuts.front();
        out += QStringLiteral(", highest %1 (%2: %3)").arg(percent(top), top.row, top.option);
    }
    out += u'\n';
    for (const Shortcut &s : report.shortcuts)
        out += QStringLiteral("  %1 %2  %3: %4 (%5 of %6)\n")
                   .arg(s.share() > kShortcutLimit ? QLatin1Char('!') : QLatin1Char(' '))
                   .arg(percent(s), 4)
                   .arg(s.row, s.option)
                   .arg(s.right)
                   .arg(s.applies);
    return out;
}

} // namespace orvik3::study
