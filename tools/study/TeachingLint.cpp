#include "TeachingLint.h"

#include "Phrases.h"
#include "SessionNames.h"

#include "platform/ValueRules.h"
#include "platform/VisibleText.h"
#include "study/ExerciseTypes.h"
#include "study/QuestionTable.h"
#include "teaching/TeachingRules.h"

namespace orvik3::study {

QString TeachingWarning::toString() const
{
    return QStringLiteral("%1:%2: warning: question %3: %4").arg(file).arg(line).arg(question).arg(reason);
}

namespace {

// A stored number the panel would read, or empty for text that is none.
std::optional<double> numberIn(const WalkedRecord &r, int column)
{
    const WalkedValue *v = r.value(column);
    if (!v || v->short_)
        return std::nullopt;
    const QString t = v->text.trimmed();
    if (t.isEmpty() || !(t[0].isDigit() || t[0] == u'-' || t[0] == u'+' || t[0] == u'.'))
        return std::nullopt;
    return values::readNumber(t);
}

class TeachingLinter
{
public:
    TeachingLinter(QString file, qint16 type, Language language, QString base)
        : m_file(visibleText(file)), m_type(type), m_language(language), m_sessions(base)
    {
    }

    std::vector<TeachingWarning> run(const QByteArray &bytes)
    {
        const Walk walk = walkStudyFile(splitLines(bytes), m_type);
        int question = 0;
        for (const WalkedRecord &r : walk.records) {
            if (!r.complete || question == QuestionTable::rows)
                break; // the loader stops there; the plain lint says so
            ++question;
            for (const QString &reason : problemsOf(r))
                m_warnings.push_back({m_file, r.firstLine, question, visibleText(reason)});
        }
        return m_warnings;
    }

private:
    QStringList problemsOf(const WalkedRecord &r)
    {
        QStringList out;
        const ExerciseType *type = exerciseType(m_type);
        if (!type)
            return out;
        const Variant variant = variantOf(m_type);
        auto add = [&](const std::optional<QString> &p) {
            if (p)
                out << *p;
        };
        // What the file itself holds.
        if (type->family == Family::Holding && variant != Variant::DmeArc) {
            const std::optional<double> heading = numberIn(r, 13), inbound = numberIn(r, 14);
            const WalkedValue *kind = r.value(15);
            if (heading && inbound && *heading >= 0 && *heading < 360)
                add(teaching::holdingSectorProblem(int(*heading), int(*inbound),
                                                   kind && kind->text == QLatin1String("Standard")));
        }
        if (type->family == Family::QdmQdr) {
            const std::optional<double> required = numberIn(r, 1), heading = numberIn(r, 17), actual = numberIn(r, 13);
            const bool qdm = qstrcmp(type->statsPrefix, "qdm") == 0;
            if (required && heading && actual)
                add(teaching::interceptTurnProblem(qdm ? teaching::Bearing::Qdm : teaching::Bearing::Qdr, *actual,
                                                   *required, *heading));
        }
        // What only its session shows: the instrument and the figures of the flight.
        const host::Session *session = sessionOf(r);
        if (!session)
            return out;
        out << teaching::rangeProblems(*session);
        if (type->family == Family::Position && variant != Variant::Orientation && !session->stations.empty()) {
            const std::optional<double> course =
                session->instruments.hsiCourseDeg ? session->instruments.hsiCourseDeg : session->instruments.vorObsDeg;
            if (course) {
                const host::nav::Point aircraft = host::aircraftPosition(*session);
                const WalkedValue *third = r.value(15);
                const Phrases p{m_language};
                const bool asksSide = variant == Variant::StandardVor && third
                    && (third->text == p.needle(NeedleMove::Left) || third->text == p.needle(NeedleMove::Right));
                add(teaching::instrumentProblem(host::nav::qdr(aircraft, session->stations.front().position), *course,
                                                asksSide));
            }
        }
        return out;
    }

    const host::Session *sessionOf(const WalkedRecord &r)
    {
        // A name without a readable session is the plain lint's finding; not followed here.
        const WalkedValue *name = r.value(kSessionColumn);
        return name && !name->text.isEmpty() ? m_sessions.session(name->text) : nullptr;
    }

    QString m_file;
    qint16 m_type;
    Language m_language;
    SessionNames m_sessions;
    std::vector<TeachingWarning> m_warnings;
};

} // namespace

std::vector<TeachingWarning> teachingWarnings(const QByteArray &bytes, const QString &displayName, qint16 type,
                                              Language language, const QString &sessionBase)
{
    return TeachingLinter(displayName, type, language, sessionBase).run(bytes);
}

std::optional<std::vector<TeachingWarning>> teachingLintFile(const QString &path, const LintOptions &options,
                                                              QString *error)
{
    const std::optional<StudyFileInput> in = readStudyFileInput(path, options, error);
    if (!in)
        return std::nullopt;
    return teachingWarnings(in->bytes, path, in->type, in->language, in->base);
}

} // namespace orvik3::study
