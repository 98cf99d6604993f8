#include "explain/SolutionExplainer.h"

#include "ExerciseCatalog.h"
#include "Situation.h"
#include "explain/AdfExplainer.h"
#include "explain/ArcExplainer.h"
#include "explain/BearingExplainer.h"
#include "explain/HoldingExplainer.h"
#include "explain/PositionExplainer.h"
#include "explain/QdmQdrExplainer.h"
#include "explain/WindExplainer.h"

#include <orvik3/QAform.h>

#include <cmath>
#include <utility>
#include <vector>

namespace orvik3::trainer {

namespace {

using Rows = std::vector<std::pair<const char *, const char *>>; // prompt, result

Rows answerRows(int type)
{
    const ExerciseInfo *info = exerciseInfo(type);
    if (!info)
        return {};
    switch (info->family) {
    case ExerciseFamily::Position: return {{"Text1", "Text11"}, {"Text2", "Text12"}, {"Text3", "Text13"}};
    case ExerciseFamily::HoldingArc:
        if (type == 9)
            return {{"Label3", "Label8"}, {"Label6", "Label9"}, {"Label4", "Label10"}};
        return {{"Label3", "Label8"}, {"Label6", "Label9"}, {"Label4", "Label10"}, {"Label5", "Label11"}};
    case ExerciseFamily::AdfPosition:
        return {{"Label20", "Label14"}, {"Label17", "Label22"}, {"Label19", "Label16"}, {"Label18", "Label13"}, {"Label21", "Label15"}};
    case ExerciseFamily::QdmQdr: return {{"Label31", "Label27"}, {"Label28", "Label25"}, {"Label30", "Label26"}, {"Label29", "Label24"}};
    case ExerciseFamily::Wind: return {{"Label38", "Label34"}, {"Label41", "Label36"}, {"Label39", "Label35"}, {"Label40", "Label37"}};
    }
    return {};
}

QString shownText(const FormControl &c)
{
    const QString t = c.kind() == ControlKind::TextBox ? c.text() : c.caption();
    return t.simplified();
}

double number(const QString &text) { return text.trimmed().toDouble(); }

} // namespace

Explanation SolutionExplainer::explain(const QAform &form, const Situation &situation)
{
    Explanation e;
    const int type = form.c_QAtype();
    const ExerciseInfo *info = exerciseInfo(type);
    if (!info)
        return e;
    for (const auto &[prompt, result] : answerRows(type)) {
        const FormControl *p = form.form().find(QLatin1String(prompt));
        const FormControl *r = form.form().find(QLatin1String(result));
        if (!p || !r)
            continue;
        QString answer = shownText(*r);
        if (info->family == ExerciseFamily::Wind && QLatin1String(result) == QLatin1String("Label37"))
            answer = WindExplainer::minutesSeconds(form.qaCol(19, form.currentQuestion()));
        e.answers << tr("%1 %2").arg(shownText(*p), answer);
    }
    const int q = form.currentQuestion();
    switch (info->family) {
    case ExerciseFamily::HoldingArc:
        if (type == 9) {
            if (situation.session)
                e.reason = ArcExplainer::reason(*situation.session);
        } else {
            const int heading = int(std::lround(number(form.qaCol(13, q))));
            const int inbound = int(std::lround(number(form.qaCol(14, q))));
            const bool right = form.qaCol(15, q) == QLatin1String("Standard");
            e.reason = HoldingExplainer::reason(heading, inbound, right);
        }
        break;
    case ExerciseFamily::Wind: {
        WindExplainer::Leg leg{number(form.qaCol(3, q)), number(form.qaCol(4, q)), number(form.qaCol(1, q)),
                               number(form.qaCol(2, q)), std::nullopt};
        if (situation.session && situation.session->wind)
            leg.legNm = situation.session->wind->legNm;
        const Explanation w = WindExplainer::explain(leg);
        e.working = w.working;
        e.reason = w.reason;
        if (!leg.legNm)
            e.working << tr("The leg distance is not given for this question.");
        break;
    }
    case ExerciseFamily::Position:
        if (situation.session)
            e.reason = PositionExplainer::reason(*situation.session);
        break;
    case ExerciseFamily::AdfPosition:
        if (situation.session)
            e.reason = AdfExplainer::reason(*situation.session);
        break;
    case ExerciseFamily::QdmQdr:
        if (situation.session)
            e.reason = QdmQdrExplainer::reason(*situation.session);
        break;
    }
    return e;
}

QString SolutionExplainer::nextButton(int type)
{
    const ExerciseInfo *info = exerciseInfo(type);
    if (!info)
        return {};
    switch (info->family) {
    case ExerciseFamily::Position: return QStringLiteral("Command1");
    case ExerciseFamily::HoldingArc: return QStringLiteral("Command28");
    case ExerciseFamily::AdfPosition: return QStringLiteral("Command6");
    case ExerciseFamily::QdmQdr: return QStringLiteral("Command9");
    case ExerciseFamily::Wind: return QStringLiteral("Command12");
    }
    return {};
}

QString SolutionExplainer::solutionButton(int type)
{
    const ExerciseInfo *info = exerciseInfo(type);
    if (!info)
        return {};
    switch (info->family) {
    case ExerciseFamily::Position: return QStringLiteral("Command2");
    case ExerciseFamily::HoldingArc: return QStringLiteral("Command27");
    case ExerciseFamily::AdfPosition: return QStringLiteral("Command7");
    case ExerciseFamily::QdmQdr: return QStringLiteral("Command10");
    case ExerciseFamily::Wind: return QStringLiteral("Command11");
    }
    return {};
}

QString SolutionExplainer::randomBox(int type)
{
    const ExerciseInfo *info = exerciseInfo(type);
    if (!info)
        return {};
    switch (info->family) {
    case ExerciseFamily::Position: return QStringLiteral("Check1");
    case ExerciseFamily::HoldingArc: return QStringLiteral("Check2");
    case ExerciseFamily::AdfPosition: return QStringLiteral("Check3");
    case ExerciseFamily::QdmQdr: return QStringLiteral("Check4");
    case ExerciseFamily::Wind: return QStringLiteral("Check5");
    }
    return {};
}

int SolutionExplainer::partCount(int type)
{
    const ExerciseInfo *info = exerciseInfo(type);
    if (!info)
        return 0;
    switch (info->family) {
    case ExerciseFamily::Position: return 3;
    case ExerciseFamily::HoldingArc: return type == 9 ? 3 : 4;
    case ExerciseFamily::AdfPosition: return 5;
    case ExerciseFamily::QdmQdr: return 4;
    case ExerciseFamily::Wind: return 4;
    }
    return 0;
}

} // namespace orvik3::trainer
