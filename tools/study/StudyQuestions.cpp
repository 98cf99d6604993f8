#include "StudyQuestions.h"

#include "Answers.h"
#include "Lint.h"

#include "exercises/holding/HoldingSolver.h"
#include "study/StudyFileLoader.h"
#include "study/StudyLayout.h"

#include <QSet>

#include <cmath>

namespace orvik3::study {

namespace {

QString text(const WalkedRecord &r, int column)
{
    const WalkedValue *v = r.value(column);
    return v ? v->text.trimmed() : QString();
}

// The answers a stored value accepts: "+Nach vorne+Nach rechts+" is either.
QStringList accepted(const QString &stored)
{
    if (stored.startsWith(u'+') && stored.endsWith(u'+') && stored.size() > 2)
        return stored.split(u'+', Qt::SkipEmptyParts);
    return {stored};
}

// Near misses of a number, written as the key is: the reciprocal of a bearing (the typical
// mistake, first), ten more or less.
QStringList numericMisses(const QString &key)
{
    bool ok = false;
    const double v = key.toDouble(&ok);
    if (!ok)
        return {};
    const qsizetype dot = key.indexOf(u'.');
    const int decimals = dot < 0 ? 0 : int(key.size() - dot - 1);
    auto write = [&](double x) { return QString::number(x, 'f', decimals).rightJustified(key.size(), u'0'); };
    QStringList out;
    if (key.size() == 3 && dot < 0)
        out << write(std::fmod(v + 180, 360));
    out << write(v + 10) << write(std::max(v - 10, 0.0));
    out.removeAll(key);
    return out;
}

struct Truths {
    std::vector<StudyRow> rows;
    RowSituation situation;
};

Truths truthsOf(const ExerciseType &type, const WalkedRecord &r)
{
    Truths out;
    const bool holding = type.rows.front().kind == RowKind::HoldingEntry;
    QString entry, turn;
    qint16 outbound = 0, first = 0;
    if (holding) {
        qint16 hdg = qint16(text(r, 13).toInt()), inbound = qint16(text(r, 14).toInt()), gate = 0, abeam = 0;
        QString kind = text(r, 15);
        findHoldingAnswer(hdg, inbound, kind, entry, outbound, gate, abeam, first, turn);
        out.situation = {holdingEntryFromWord(entry), kind == QLatin1String("Standard") ? PatternHand::Right : PatternHand::Left};
    }
    for (const AnswerRow &row : type.rows) {
        QString stored;
        if (!holding)
            stored = text(r, row.answerColumn);
        else if (row.kind == RowKind::HoldingEntry)
            stored = entry;
        else if (row.kind == RowKind::HoldingFirstTurn)
            stored = turn;
        else
            stored = threeDigits(row.kind == RowKind::HoldingOutbound ? outbound : first);
        const QStringList key = accepted(stored);
        out.rows.push_back({skillOfRow(type.type, row.kind, out.situation), key.front(), key, {}});
    }
    return out;
}

} // namespace

std::optional<std::vector<StudyQuestion>> studyQuestions(const QString &base, QString *error)
{
    std::vector<StudyQuestion> out;
    for (const ExerciseType &type : exerciseTypes()) {
        const QString file = QString::fromLatin1(type.germanFile);
        LintOptions options;
        options.type = type.type;
        options.language = Language::German;
        const std::optional<StudyFileInput> input = readStudyFileInput(studyFilePath(base, file), options, error);
        if (!input)
            return std::nullopt;
        const Walk walk = walkStudyFile(splitLines(input->bytes), type.type);
        const std::size_t first = out.size();
        // What each row's answers are across the file: the wrong answers of a choice row.
        std::vector<QSet<QString>> values(type.rows.size());
        for (std::size_t n = 0; n < walk.records.size() && walk.records[n].complete; ++n) {
            Truths t = truthsOf(type, walk.records[n]);
            if (std::any_of(t.rows.begin(), t.rows.end(), [](const StudyRow &row) { return !row.skill; }))
                continue; // a holding the solver finds no entry for teaches nothing here
            StudyQuestion q{type.type, file, int(n) + 1, {}, std::move(t.rows)};
            q.id = QStringLiteral("%1 %2").arg(QLatin1String(type.statsPrefix)).arg(q.number);
            for (std::size_t i = 0; i < q.rows.size(); ++i)
                for (const QString &k : q.rows[i].key)
                    values[i].insert(k);
            out.push_back(std::move(q));
        }
        for (std::size_t k = first; k < out.size(); ++k)
            for (std::size_t i = 0; i < out[k].rows.size(); ++i) {
                StudyRow &row = out[k].rows[i];
                row.wrong = numericMisses(row.truth);
                if (row.wrong.isEmpty()) {
                    for (const QString &v : values[i])
                        if (!row.key.contains(v))
                            row.wrong << v;
                    row.wrong.sort();
                }
                if (row.wrong.isEmpty())
                    row.wrong << QStringLiteral("?");
            }
    }
    return out;
}

bool misKey(std::vector<StudyQuestion> &questions, const QString &file, int number, QString *error)
{
    for (StudyQuestion &q : questions)
        if (q.file.compare(file, Qt::CaseInsensitive) == 0 && q.number == number) {
            StudyRow &row = q.rows.front();
            row.key = {row.wrong.front()};
            return true;
        }
    *error = QStringLiteral("no question %1 in %2").arg(number).arg(file);
    return false;
}

} // namespace orvik3::study
