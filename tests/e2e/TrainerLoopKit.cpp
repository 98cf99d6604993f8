#include "TrainerLoopKit.h"

#include "ExerciseCatalog.h"

#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>

namespace orvik3::trainer::test {

namespace {

struct Probe {
    std::unique_ptr<QAform> form;
    Probe(const QString &base, int type, int question)
    {
        Services s;
        s.settings = std::make_shared<MemorySettingsStore>();
        // The trainer's language picks the study file; the probe reads the same one.
        s.texts = qEnvironmentVariableIsSet("ORVIK3_LOOP_SHOTS") ? TextTable::english() : TextTable::german();
        form = std::make_unique<QAform>(s);
        form->InitProperties();
        form->setC_MainAppPath(base);
        form->setC_QAtype(qint16(type));
        for (int k = 0; k < 400 && form->currentQuestion() != question; ++k)
            form->DisplayQuestion();
    }
    // 1 right, 0 wrong, -1 nothing judged
    int verdict() const
    {
        bool done = false, right = false;
        for (int n = 1; n <= 6; ++n) {
            done = done || form->partDone(n);
            right = right || form->partCorrect(n);
        }
        return right ? 1 : done ? 0 : -1;
    }
};

} // namespace

// A copy of the sample installation; with `records` > 0 every study file keeps only that many
// questions, so that a set ends soon.
void copyInstallation(const QString &to, int records)
{
    const QString from = QStringLiteral(ORVIK3_SAMPLE_DATA_DIR);
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + src.mid(from.size());
        QDir().mkpath(QFileInfo(dst).path());
        QFile in(src);
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        QByteArray bytes = in.readAll();
        if (records > 0 && src.endsWith(QLatin1String(".sty"))) {
            const QList<QByteArray> lines = bytes.split('\r');
            QByteArray kept;
            int sessions = 0;
            for (int k = 0; k < lines.size() && sessions <= records; ++k) {
                kept += lines[k] + '\r';
                if (sessions == records)
                    break; // the separator after the last session line
                if (lines[k].trimmed().startsWith("ses:"))
                    ++sessions;
            }
            bytes = kept + '\n';
        }
        QFile out(dst);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
}

// The first right (want = 1) or wrong (want = 0) answer of the question, tried on a probe of
// its own for every candidate, so that the trainer's counters stay untouched.
std::optional<Answer> findAnswer(const QString &base, int type, int question, int want)
{
    const Family family = exerciseType(qint16(type))->family;
    if (family == Family::Position) {
        const int count = Probe(base, type, question).form->control(QStringLiteral("Combo1")).listCount();
        for (int row = 0; row < count; ++row) {
            Probe p(base, type, question);
            p.form->control(QStringLiteral("Combo1")).choose(row);
            if (p.verdict() == want)
                return Answer{Input::Combo, QStringLiteral("Combo1"), row, {}, {}};
        }
        return std::nullopt;
    }
    if (family == Family::Wind) {
        const QString typed = want ? Probe(base, type, question).form->qaCol(13, question).trimmed() : QStringLiteral("999");
        for (const char *opt : {"Option47", "Option42", "Option35"}) {
            Probe p(base, type, question);
            p.form->control(QStringLiteral("Text4")).type(typed);
            p.form->control(QLatin1String(opt)).click();
            if (p.verdict() == want)
                return Answer{Input::TypedOption, QLatin1String(opt), -1, QStringLiteral("Text4"), typed};
        }
        return std::nullopt;
    }
    for (int k = 1; k <= 60; ++k) {
        const QString name = QStringLiteral("Option%1").arg(k);
        Probe p(base, type, question);
        const FormControl *c = p.form->form().find(name);
        if (!c || !c->isReachable())
            continue;
        const QString caption = c->caption();
        const QString frame = c->container() ? c->container()->name() : QString();
        p.form->control(name).click();
        if (p.verdict() == want)
            return Answer{Input::Option, name, -1, {}, {}, caption, frame};
    }
    return std::nullopt;
}

QPoint target(QWidget *w)
{
    auto *button = qobject_cast<QAbstractButton *>(w);
    const bool option = qobject_cast<QRadioButton *>(w) != nullptr;
    if (!button || (!option && !qobject_cast<QCheckBox *>(w)))
        return w->rect().center();
    QStyleOptionButton o;
    o.initFrom(button);
    o.text = button->text();
    o.icon = button->icon();
    o.iconSize = button->iconSize();
    const QRect mark = w->style()->subElementRect(option ? QStyle::SE_RadioButtonClickRect : QStyle::SE_CheckBoxClickRect, &o, w);
    return mark.isValid() ? mark.center() : QPoint(6, w->height() / 2);
}

int partsDone(const QAform &form)
{
    int n = 0;
    for (int k = 1; k <= 6; ++k)
        n += form.partDone(k) ? 1 : 0;
    return n;
}

bool takingShots() { return qEnvironmentVariableIsSet("ORVIK3_LOOP_SHOTS"); }
void shot(MainWindow *w, const char *name)
{
    w->statusBar()->clearMessage(); // the temporary folder is no business of the picture
    if (takingShots())
        w->grab().save(qEnvironmentVariable("ORVIK3_LOOP_SHOTS") + QLatin1Char('/') + QLatin1String(name));
}

} // namespace orvik3::trainer::test
