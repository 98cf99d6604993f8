#include "Lint.h"

#include "Phrases.h"
#include "SessionNames.h"

#include "platform/BoundedFile.h"
#include "study/QuestionTable.h"
#include "exercises/adf/AdfRules.h"
#include "exercises/holding/HoldingRules.h"
#include "exercises/position/PositionRules.h"
#include "exercises/qdmqdr/QdmQdrRules.h"
#include "exercises/wind/WindRules.h"
#include "platform/ValueRules.h"
#include "platform/VisibleText.h"
#include "study/ExerciseTypes.h"
#include "study/StudyFileLoader.h"

#include <orvik3/Error.h>

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <cmath>
#include <memory>

namespace orvik3::study {

QString Finding::toString() const
{
    return QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(message);
}

namespace {

QString quoted(const QString &s) { return QLatin1Char('\'') + s + QLatin1Char('\''); }

bool startsWithNumber(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    qsizetype i = (t[0] == u'+' || t[0] == u'-') ? 1 : 0;
    if (i < t.size() && t[i] == u'.')
        ++i;
    return i < t.size() && t[i].isDigit();
}

class Linter
{
public:
    Linter(QString file, qint16 type, Language language, QString sessionBase)
        : m_file(visibleText(file)), m_type(type), m_language(language), m_sessions(sessionBase)
    {
    }

    LintReport run(const QByteArray &bytes);

private:
    // Names and values come from the file: none of its control characters reaches a terminal.
    void add(int line, const QString &message) { m_report.findings.push_back({m_file, line, visibleText(message)}); }

    void checkLoading(const QByteArray &bytes, const Walk &walk);
    void checkMarkers(const Walk &walk);
    void checkRecord(const WalkedRecord &r);
    void checkSession(const WalkedValue &v);

    // Value checks; each returns quietly for a value without a problem.
    void word(const WalkedValue *v, const QStringList &accepted, const QString &what);
    void positionDegree(const WalkedValue *v, bool secondList);
    void positionEntry(const WalkedValue *v, bool alternatives);
    void wholeCaption(const WalkedValue *v, const QString &what, int max);
    void holdingHeading(const WalkedValue *v);
    void adfAnswer(const WalkedRecord &r, int answer, int firstCaption, const QString &what);
    void bearing(const WalkedValue *v);
    void windNumber(const WalkedValue *number, const WalkedValue *side, const QString &what);
    void windTime(const WalkedValue *v);

    QString m_file;
    qint16 m_type;
    Language m_language;
    SessionNames m_sessions;
    LintReport m_report;
};

LintReport Linter::run(const QByteArray &bytes)
{
    Walk walk = walkStudyFile(splitLines(bytes), m_type);
    // Records the loader never reaches are not checked either.
    if (walk.records.size() > std::size_t(QuestionTable::rows))
        walk.records.resize(std::size_t(QuestionTable::rows));
    checkLoading(bytes, walk);
    checkMarkers(walk);
    for (const WalkedRecord &r : walk.records)
        checkRecord(r);
    std::stable_sort(m_report.findings.begin(), m_report.findings.end(),
                     [](const Finding &a, const Finding &b) { return a.line < b.line; });
    if (m_report.findings.size() > std::size_t(kMaxFindings)) {
        m_report.unshown = int(m_report.findings.size()) - kMaxFindings;
        m_report.findings.resize(std::size_t(kMaxFindings));
    }
    return m_report;
}

void Linter::checkLoading(const QByteArray &bytes, const Walk &walk)
{
    // The control's own loader has the last word on where reading ends.
    auto table = std::make_unique<QuestionTable>();
    const StudyLoadResult loaded = readStudyData(bytes, m_type, *table);
    m_report.records = loaded.records;
    if (loaded.stop != StudyStop::EndOfFile)
        add(loaded.stopLine, QStringLiteral("loading stops here (%1); %2 questions load")
                                 .arg(loaded.stopMessage()).arg(loaded.records));
    else if (loaded.records == 0)
        add(1, QStringLiteral("no question loads"));
    // Lines that would stop loading once the first stop is mended.
    for (const WalkedRecord &r : walk.records)
        for (const WalkedValue &v : r.values)
            if (v.short_ && v.line != loaded.stopLine)
                add(v.line, QStringLiteral("line shorter than its tag: loading would stop here too"));
}

void Linter::checkMarkers(const Walk &walk)
{
    QHash<QString, int> seen;
    for (const WalkedMarker &m : walk.markers) {
        if (seen.contains(m.marker))
            add(m.line, QStringLiteral("%1 again: its text replaces that of line %2").arg(quoted(m.marker)).arg(seen[m.marker]));
        seen[m.marker] = m.line;
    }
    for (const QString &marker : requiredMarkers(m_type)) {
        if (!seen.contains(marker)) {
            add(1, QStringLiteral("no %1 line: that question of the panel stays without its text").arg(quoted(marker)));
            continue;
        }
    }
    // A ":qc:," text is stored at the row of the next record; only row 0 is shown.
    if (layoutOf(m_type).qcMarker)
        for (const WalkedMarker &m : walk.markers)
            if (m.marker == QLatin1String(":qc:,")) {
                int before = 0;
                for (const WalkedRecord &r : walk.records)
                    before += r.firstLine < m.line ? 1 : 0;
                if (before > 0)
                    add(m.line, QStringLiteral("':qc:,' after %1 questions is never shown; put it before the first question").arg(before));
            }
}

void Linter::checkRecord(const WalkedRecord &r)
{
    auto col = [&](int c) {
        const WalkedValue *v = r.value(c);
        return v && !v->short_ ? v : nullptr;
    };
    const ExerciseType *type = exerciseType(m_type);
    const Variant variant = variantOf(m_type);
    switch (type ? type->family : Family::Position) {
    case Family::Position:
        if (!type)
            break;
        if (variant == Variant::Orientation) {
            positionEntry(col(13), false);
            positionEntry(col(14), false);
            positionEntry(col(15), false);
            break;
        }
        positionDegree(col(13), false);
        positionDegree(col(14), true);
        positionEntry(col(15), variant == Variant::HsiPosition);
        if (variant == Variant::StandardVor && col(3) && col(3)->text.trimmed().isEmpty())
            add(col(3)->line, QStringLiteral("empty question text"));
        break;
    case Family::Holding:
        if (variant == Variant::DmeArc) {
            word(col(13), holding::arcTurnWords(), QStringLiteral("first turn"));
            wholeCaption(col(14), QStringLiteral("first heading"), 360);
            wholeCaption(col(15), QStringLiteral("lead radial"), 360);
            if (col(3) && col(3)->text.trimmed().isEmpty())
                add(col(3)->line, QStringLiteral("empty question text"));
            break;
        }
        holdingHeading(col(13));
        wholeCaption(col(14), QStringLiteral("inbound course"), 360);
        if (const WalkedValue *v = col(15); v && v->text != holding::kRightHandWord
                                             && v->text.trimmed().compare(holding::kRightHandWord, Qt::CaseInsensitive) == 0)
            add(v->line, QStringLiteral("%1 is not '%2': the holding is taken as left-hand")
                             .arg(quoted(v->text), holding::kRightHandWord.toString()));
        break;
    case Family::Adf:
        adfAnswer(r, 13, 1, QStringLiteral("QDR"));
        word(col(14), adf::acceptedTrendWords(), QStringLiteral("QDR trend"));
        adfAnswer(r, 15, 5, QStringLiteral("QDM"));
        word(col(16), adf::acceptedTrendWords(), QStringLiteral("QDM trend"));
        adfAnswer(r, 17, 9, QStringLiteral("relative bearing"));
        break;
    case Family::QdmQdr:
        bearing(col(13));
        word(col(14), qdmqdr::acceptedWords(14), QStringLiteral("difference"));
        word(col(15), qdmqdr::acceptedWords(15), QStringLiteral("first turn"));
        word(col(16), qdmqdr::acceptedWords(16), QStringLiteral("first heading"));
        break;
    case Family::Wind:
        word(col(14), wind::acceptedWords(true), QStringLiteral("head/tail side"));
        word(col(16), wind::acceptedWords(false), QStringLiteral("crosswind side"));
        word(col(18), wind::acceptedWords(false), QStringLiteral("WCA side"));
        windNumber(col(13), col(14), QStringLiteral("head/tail component"));
        windNumber(col(15), col(16), QStringLiteral("crosswind"));
        windNumber(col(17), col(18), QStringLiteral("WCA"));
        windTime(col(19));
        break;
    }
    if (r.complete)
        if (const WalkedValue *s = col(kSessionColumn))
            checkSession(*s);
}

void Linter::checkSession(const WalkedValue &v)
{
    if (v.text.isEmpty())
        add(v.line, QStringLiteral("no session name"));
    else if (const QString problem = m_sessions.problem(v.text); !problem.isEmpty())
        add(v.line, problem);
}

void Linter::word(const WalkedValue *v, const QStringList &accepted, const QString &what)
{
    if (!v || accepted.contains(v->text))
        return;
    for (const QString &a : accepted) {
        if (a.compare(v->text, Qt::CaseInsensitive) == 0) {
            add(v->line, QStringLiteral("%1 %2 is in the wrong case: write %3").arg(what, quoted(v->text), quoted(a)));
            return;
        }
        if (a == v->text.trimmed()) {
            add(v->line, QStringLiteral("%1 %2 has blanks around it: write %3").arg(what, quoted(v->text), quoted(a)));
            return;
        }
    }
    if (v->text == QString::fromUtf8("größer"))
        add(v->line, QStringLiteral("%1 'größer' is not accepted here: write 'grösser'").arg(what));
    else
        add(v->line, QStringLiteral("%1 %2 is none of %3").arg(what, quoted(v->text), accepted.join(QStringLiteral(", "))));
}

void Linter::positionDegree(const WalkedValue *v, bool secondList)
{
    if (!v)
        return;
    if (!startsWithNumber(v->text)) {
        add(v->line, QStringLiteral("%1 is not a number of degrees").arg(quoted(v->text)));
        return;
    }
    const double n = values::roundHalfEven(values::readNumber(v->text));
    if (n < 0 || n > 360 || std::fmod(n, 5.0) != 0.0)
        add(v->line, QStringLiteral("%1 degrees is not a multiple of 5 in 0..360: no list entry matches").arg(v->text.trimmed()));
    else if (n == 360)
        add(v->line, secondList ? QStringLiteral("the second list has no entry for 360: write 000")
                                : QStringLiteral("360 matches only the empty last entry of the list: write 000"));
}

void Linter::positionEntry(const WalkedValue *v, bool alternatives)
{
    if (!v)
        return;
    const QStringList entries = positionEntries(m_type, m_language);
    auto check = [&](const QString &text) {
        if (!entries.contains(text))
            add(v->line, QStringLiteral("%1 is no entry of the list (%2)").arg(quoted(text), entries.join(QStringLiteral(", "))));
    };
    if (alternatives && position::isAlternatives(v->text)) {
        const auto pair = position::splitAlternatives(v->text);
        if (!pair) {
            add(v->line, QStringLiteral("two accepted answers are written +first+second+"));
            return;
        }
        check(pair->first);
        check(pair->second);
        return;
    }
    check(v->text);
}

void Linter::wholeCaption(const WalkedValue *v, const QString &what, int max)
{
    if (!v)
        return;
    const QString t = v->text.trimmed();
    try {
        const qint16 n = values::strictInteger(v->text);
        if (values::readNumber(t) != std::trunc(values::readNumber(t)))
            add(v->line, QStringLiteral("%1 %2 is not a whole number").arg(what, quoted(v->text)));
        else if (n < 0 || n > max)
            add(v->line, QStringLiteral("%1 %2 is outside 0..%3").arg(what, quoted(v->text)).arg(max));
    } catch (const Error &) {
        add(v->line, QStringLiteral("%1 %2 is not a whole number: the question cannot be shown").arg(what, quoted(v->text)));
    }
}

void Linter::holdingHeading(const WalkedValue *v)
{
    if (!v)
        return;
    if (!startsWithNumber(v->text)) {
        add(v->line, QStringLiteral("heading %1 is not a number").arg(quoted(v->text)));
        return;
    }
    const double n = values::roundHalfEven(values::readNumber(v->text));
    if (n < 0 || n > 359)
        add(v->line, QStringLiteral("heading %1 is outside 0..359: the solver finds no entry").arg(v->text.trimmed()));
}

void Linter::adfAnswer(const WalkedRecord &r, int answer, int firstCaption, const QString &what)
{
    const WalkedValue *v = r.value(answer);
    if (!v || v->short_)
        return;
    for (int c = firstCaption; c < firstCaption + 4; ++c)
        if (const WalkedValue *caption = r.value(c); caption && caption->text == v->text)
            return;
    add(v->line, QStringLiteral("%1 answer %2 equals none of its four captions").arg(what, quoted(v->text)));
}

void Linter::bearing(const WalkedValue *v)
{
    if (!v)
        return;
    if (!startsWithNumber(v->text)) {
        add(v->line, QStringLiteral("bearing %1 is not a number").arg(quoted(v->text)));
        return;
    }
    const double n = values::readNumber(v->text);
    if (n == 360)
        add(v->line, QStringLiteral("a bearing of 360 is never judged right: write 000"));
    else if (n < 0 || n > 359)
        add(v->line, QStringLiteral("bearing %1 is outside 0..359: no option is judged right").arg(v->text.trimmed()));
}

void Linter::windNumber(const WalkedValue *number, const WalkedValue *side, const QString &what)
{
    if (!number)
        return;
    if (!startsWithNumber(number->text)) {
        add(number->line, QStringLiteral("%1 %2 is not a number").arg(what, quoted(number->text)));
        return;
    }
    if (side && side->text != QLatin1String("-") && values::readNumber(number->text) <= 0)
        add(number->line, QStringLiteral("%1 %2 with a side is never judged right: it must be above 0")
                              .arg(what, quoted(number->text)));
}

void Linter::windTime(const WalkedValue *v)
{
    if (!v)
        return;
    if (!startsWithNumber(v->text)) {
        add(v->line, QStringLiteral("time %1 is not a number (minutes.seconds)").arg(quoted(v->text)));
        return;
    }
    const double t = values::readNumber(v->text);
    const double minutes = std::floor(t);
    const double seconds = std::floor((t - minutes) * 100.0);
    if (minutes > wind::kMaxMinutes)
        add(v->line, QStringLiteral("time %1: minutes above %2 stop the control with an overflow error")
                         .arg(v->text.trimmed())
                         .arg(wind::kMaxMinutes));
    else if (t <= 0)
        add(v->line, QStringLiteral("time %1 is never judged right: it must be above 0").arg(v->text.trimmed()));
    else if (seconds > 59)
        add(v->line, QStringLiteral("time %1: %2 seconds (minutes.seconds)").arg(v->text.trimmed()).arg(seconds));
}

} // namespace

LintReport lintStudyData(const QByteArray &bytes, const QString &displayName, qint16 type, Language language,
                         const QString &sessionBase)
{
    return Linter(displayName, type, language, sessionBase).run(bytes);
}

// The installation a study file belongs to: the folder holding its default/study/.
QString installationOf(const QString &path)
{
    QDir dir = QFileInfo(path).absoluteDir();
    if (dir.dirName().compare(QLatin1String("study"), Qt::CaseInsensitive) != 0 || !dir.cdUp())
        return {};
    if (dir.dirName().compare(QLatin1String("default"), Qt::CaseInsensitive) != 0 || !dir.cdUp())
        return {};
    return dir.path();
}

std::optional<StudyFileInput> readStudyFileInput(const QString &path, const LintOptions &options, QString *error)
{
    const QString name = QFileInfo(path).fileName();
    const FileKind kind = fileKindOf(name);
    const qint16 type = options.type ? options.type : kind.type;
    if (type < 1 || type > 14) {
        *error = QStringLiteral("%1: not a study file name of any exercise type; give --type").arg(path);
        return std::nullopt;
    }
    BoundedFile::Result file = BoundedFile::read(path, limits::kStudyFile);
    if (!file.ok()) {
        *error = file.error;
        return std::nullopt;
    }
    if (file.bytes.isEmpty()) {
        // The control would show "question 1 of 0" without a word; say it here instead.
        *error = QStringLiteral("%1: the study file is empty").arg(path);
        return std::nullopt;
    }
    StudyFileInput in;
    in.bytes = std::move(file.bytes);
    in.type = type;
    in.language = options.language ? *options.language : (kind.type ? kind.language : languageOf(name));
    in.base = options.base.isEmpty() ? installationOf(path) : options.base;
    return in;
}

std::optional<LintReport> lintStudyFile(const QString &path, const LintOptions &options, QString *error)
{
    const std::optional<StudyFileInput> in = readStudyFileInput(path, options, error);
    if (!in)
        return std::nullopt;
    return lintStudyData(in->bytes, path, in->type, in->language, in->base);
}

} // namespace orvik3::study
