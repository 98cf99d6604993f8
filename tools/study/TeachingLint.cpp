#include "TeachingLint.h"

#include "Phrases.h"
#include "SessionNames.h"

#include "exercises/holding/HoldingRules.h"
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
        const ExerciseType *type = exerciseType(m_type);
        if (!type)
            return {};
        // What the session shows: the instrument, the wind and the figures of the flight.
        const host::Session *session = sessionOf(r);
        teaching::Facts facts = session ? teaching::sessionFacts(m_type, *session, asksSide(r)) : teaching::Facts();
        // What the file itself holds comes first.
        if (type->family == Family::Holding && variantOf(m_type) != Variant::DmeArc) {
            const std::optional<double> heading = numberIn(r, 13), inbound = numberIn(r, 14);
            const WalkedValue *kind = r.value(15);
            facts.holding.reset();
            if (heading && inbound && *heading >= 0 && *heading < 360)
                facts.holding = teaching::HoldingFacts{int(*heading), int(*inbound),
                                                       kind && kind->text == holding::kRightHandWord};
        }
        if (type->family == Family::QdmQdr) {
            const std::optional<double> required = numberIn(r, 1), heading = numberIn(r, 17), actual = numberIn(r, 13);
            const bool qdm = qstrcmp(type->statsPrefix, "qdm") == 0;
            facts.intercept.reset();
            if (required && heading && actual)
                facts.intercept = teaching::InterceptFacts{qdm ? teaching::Bearing::Qdm : teaching::Bearing::Qdr, *actual,
                                                           *required, *heading};
        }
        if (facts.wind) {
            const std::pair<teaching::WindFigure teaching::WindFacts::*, int> stored[] = {
                {&teaching::WindFacts::headTail, 13}, {&teaching::WindFacts::crosswind, 15}, {&teaching::WindFacts::wca, 17}};
            for (const auto &[figure, column] : stored)
                if (const std::optional<double> n = numberIn(r, column))
                    ((*facts.wind).*figure).stored = *n;
        }
        return teaching::problems(facts);
    }

    // Whether a standard-VOR question asks which side the needle moves to.
    bool asksSide(const WalkedRecord &r) const
    {
        const WalkedValue *third = r.value(15);
        const Phrases p{m_language};
        return variantOf(m_type) == Variant::StandardVor && third
            && (third->text == p.needle(NeedleMove::Left) || third->text == p.needle(NeedleMove::Right));
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
