#include "explain/MistakeNames.h"

#include "ExerciseCatalog.h"
#include "explain/Explanation.h"

#include <orvik3/QAform.h>

#include <cmath>

namespace orvik3::trainer {

namespace {

bool reciprocal(int a, int b) { return ((a - b) % 360 + 360) % 360 == 180; }

// The option of `names` chosen last, or the one selected now.
const FormControl *selectedOf(const QAform &form, const QStringList &chosen, std::initializer_list<const char *> names)
{
    for (qsizetype k = chosen.size() - 1; k >= 0; --k)
        for (const char *n : names)
            if (chosen[k] == QLatin1String(n))
                return form.form().find(chosen[k]);
    for (const char *n : names)
        if (const FormControl *c = form.form().find(QLatin1String(n)); c && c->isSelected())
            return c;
    return nullptr;
}

bool wrongPart(const QAform &form, int n) { return form.partDone(n) && !form.partCorrect(n); }

} // namespace

QString MistakeNames::bearing(Bearing asked, int right, int given)
{
    if (!reciprocal(right, given))
        return {};
    switch (asked) {
    case Bearing::Radial:
        return tr("Radial and bearing mixed up: %1 leads to the station; the radial %2 is counted from it.")
            .arg(threeDigits(given), threeDigits(right));
    case Bearing::Qdm:
        return tr("QDM and QDR mixed up: %1 is the QDR, the reciprocal of the QDM %2.").arg(threeDigits(given), threeDigits(right));
    case Bearing::Qdr:
        return tr("QDM and QDR mixed up: %1 is the QDM, the reciprocal of the QDR %2.").arg(threeDigits(given), threeDigits(right));
    }
    return {};
}

QString MistakeNames::holdEntry(int heading, int inbound, bool rightHand, HoldingExplainer::Entry given)
{
    const HoldingExplainer::Entry right = HoldingExplainer::entryFor(heading, inbound, rightHand);
    if (given == right || given != HoldingExplainer::entryFor(heading, inbound, !rightHand))
        return {};
    // Whole sentences, so that each language can say them its own way.
    using E = HoldingExplainer::Entry;
    if (rightHand) {
        switch (given) {
        case E::Direct: return tr("Hold side mirrored: direct is the entry into a left-hand hold; this hold turns right, so its sectors lie the other way round.");
        case E::Offset: return tr("Hold side mirrored: offset is the entry into a left-hand hold; this hold turns right, so its sectors lie the other way round.");
        case E::Parallel: return tr("Hold side mirrored: parallel is the entry into a left-hand hold; this hold turns right, so its sectors lie the other way round.");
        }
    }
    switch (given) {
    case E::Direct: return tr("Hold side mirrored: direct is the entry into a right-hand hold; this hold turns left, so its sectors lie the other way round.");
    case E::Offset: return tr("Hold side mirrored: offset is the entry into a right-hand hold; this hold turns left, so its sectors lie the other way round.");
    case E::Parallel: return tr("Hold side mirrored: parallel is the entry into a right-hand hold; this hold turns left, so its sectors lie the other way round.");
    }
    return {};
}

QString MistakeNames::headTail(bool rightIsHead, bool givenIsHead)
{
    if (rightIsHead == givenIsHead)
        return {};
    return rightIsHead ? tr("Head and tail wind mixed up: wind from less than 90° off the nose blows against you, it is a headwind.")
                       : tr("Head and tail wind mixed up: wind from more than 90° off the nose blows from behind, it is a tailwind.");
}

QString MistakeNames::wcaSide(Side right, Side given)
{
    if (right == given)
        return {};
    return right == Side::Left ? tr("Wind correction to the wrong side: the nose turns into the wind, here to the left.")
                               : tr("Wind correction to the wrong side: the nose turns into the wind, here to the right.");
}

QStringList MistakeNames::observe(const QAform &form, const QStringList &chosen)
{
    QStringList out;
    const int type = form.c_QAtype();
    const ExerciseInfo *info = exerciseInfo(type);
    if (!info || !form.questionShown())
        return out;
    const int q = form.currentQuestion();
    auto add = [&out](const QString &s) {
        if (!s.isEmpty() && !out.contains(s))
            out << s;
    };
    switch (info->family) {
    case ExerciseFamily::Position: {
        // Types 1 and 2 ask for the radial and then the QDM; type 10 for QDM and QDR.
        const Bearing asked[] = {type == 10 ? Bearing::Qdm : Bearing::Radial, type == 10 ? Bearing::Qdr : Bearing::Qdm};
        for (int list = 1; list <= 2; ++list) {
            const FormControl *combo = form.form().find(QStringLiteral("Combo%1").arg(list));
            if (!form.partDone(1) || form.partCorrect(list) || !combo || combo->isVisible() || combo->listIndex() < 0)
                continue;
            bool ok = false, okRight = false;
            const int given = combo->listItem(combo->listIndex()).trimmed().toInt(&ok);
            const int right = form.qaCol(12 + list, q).trimmed().toInt(&okRight);
            if (ok && okRight)
                add(bearing(asked[list - 1], right, given));
        }
        break;
    }
    case ExerciseFamily::HoldingArc: {
        if (type == 9 || !wrongPart(form, 1))
            break;
        const FormControl *option = selectedOf(form, chosen, {"Option11", "Option12", "Option13"});
        if (!option)
            break;
        // Option11..13: direct, parallel, offset.
        const HoldingExplainer::Entry given = option->name() == QLatin1String("Option11") ? HoldingExplainer::Entry::Direct
                                              : option->name() == QLatin1String("Option12") ? HoldingExplainer::Entry::Parallel
                                                                                            : HoldingExplainer::Entry::Offset;
        add(holdEntry(form.qaCol(13, q).trimmed().toInt(), form.qaCol(14, q).trimmed().toInt(),
                      form.qaCol(15, q) == QLatin1String("Standard"), given));
        break;
    }
    case ExerciseFamily::QdmQdr: {
        // The first row offers the actual bearing among candidates, one of them its reciprocal.
        if (!wrongPart(form, 1))
            break;
        const FormControl *option = selectedOf(form, chosen, {"Option50", "Option49", "Option48", "Option46"});
        bool ok = false, okRight = false;
        const int given = option ? option->caption().trimmed().toInt(&ok) : 0;
        const int right = form.qaCol(13, q).trimmed().toInt(&okRight);
        if (ok && okRight)
            add(bearing(type == 6 || type == 12 ? Bearing::Qdm : Bearing::Qdr, right, given));
        break;
    }
    case ExerciseFamily::Wind: {
        // The sides from the wind itself: the stored words are in the file's language.
        const double course = form.qaCol(3, q).trimmed().toDouble(), from = form.qaCol(1, q).trimmed().toDouble();
        constexpr double rad = 3.14159265358979323846 / 180.0;
        const double head = std::cos((from - course) * rad), cross = std::sin((from - course) * rad);
        if (wrongPart(form, 1) && std::abs(head) > 0.02) {
            if (const FormControl *c = selectedOf(form, chosen, {"Option47", "Option35"}))
                add(headTail(head > 0, c->name() == QLatin1String("Option47")));
        }
        if (wrongPart(form, 3) && std::abs(cross) > 0.02) {
            if (const FormControl *c = selectedOf(form, chosen, {"Option52", "Option41"}))
                add(wcaSide(cross > 0 ? Side::Right : Side::Left, c->name() == QLatin1String("Option41") ? Side::Right : Side::Left));
        }
        break;
    }
    default: break;
    }
    return out;
}

} // namespace orvik3::trainer
