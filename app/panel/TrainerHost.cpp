#include "panel/TrainerHost.h"

#include "panel/TipsWindow.h"

#include <utility>

namespace orvik3::trainer {

TrainerHost::TrainerHost(Services services, QObject *parent)
    : QObject(parent), m_services(std::move(services))
{
    if (!m_services.powerTipFactory)
        m_services.powerTipFactory = [this] {
            return std::make_unique<TipsWindow>(m_installation.isEmpty() ? m_basePath : m_installation, m_language);
        };
    createControl();
}

TrainerHost::~TrainerHost() = default;

template <typename F> bool TrainerHost::guarded(F &&f)
{
    try {
        f();
        return true;
    } catch (const std::exception &e) {
        emit failed(Error::from(e).message() + whereText());
    }
    return false;
}

QString TrainerHost::whereText() const
{
    // Also after the exercise ended on an error: the control still holds that file and question.
    if (!m_form || m_form->studyFilePath().isEmpty())
        return {};
    const int question = m_form->currentQuestion();
    const bool showing = m_showing && question >= 0 && question <= m_form->lastQuestion();
    if (!showing && (!m_form->questionShown() || m_form->lastQuestion() < 0))
        return tr("\n(study file %1)").arg(m_form->studyFilePath());
    return tr("\n(study file %1, question %2 of %3)")
        .arg(m_form->studyFilePath())
        .arg(m_form->currentQuestion() + 1)
        .arg(m_form->lastQuestion() + 1);
}

void TrainerHost::createControl()
{
    Services s = m_services;
    s.texts = m_language == Language::German ? TextTable::german() : TextTable::english();
    auto form = std::make_unique<QAform>(s);
    form->InitProperties();
    listen(*form);
    // The control is new, so nothing the old one announced may be mistaken for a change.
    m_pending = {};
    m_closing.reset();
    m_flyCode = 0;
    m_cut = false;
    std::swap(m_form, form);
    emit controlCreated(m_form.get());
    // The old control goes only now, after the window has let go of its panel.
    form.reset();
}

void TrainerHost::listen(QAform &form)
{
    connect(&form, &QAform::c_QASessionFileNameChanged, this, [this] { m_pending.sessionFile = true; });
    connect(&form, &QAform::c_showResultChanged, this, [this] { m_pending.showResult = true; });
    connect(&form, &QAform::c_QAFlyChanged, this, [this] { m_pending.fly = true; });
    connect(&form, &QAform::c_QAtypeChanged, this, [this] { m_pending.type = true; });
    // The panel's own handlers raise no ...Changed notice; they name the field they wrote.
    connect(&form, &QAform::fieldWritten, this, [this](const QString &property) {
        if (property == QLatin1String("c_QASessionFileName"))
            m_pending.sessionFile = true;
        else if (property == QLatin1String("c_showResult"))
            m_pending.showResult = true;
        else if (property == QLatin1String("c_QAFly"))
            m_pending.fly = true;
        else if (property == QLatin1String("c_QAtype"))
            m_pending.type = true;
    });
    connect(&form, &QAform::rowJudged, this, &TrainerHost::rowJudged);
    connect(&form, &QAform::questionClosed, this, [this](int question, bool attempt, bool wrong) {
        m_closing = Closing{question, attempt, wrong};
    });
    // The panels that can be flown cut themselves to their title row to show the solution.
    connect(&form, &QAform::solutionShown, this, [this] {
        m_cut = exercise() && exercise()->flyCode != 0;
        emit solutionShown();
    });
}

void TrainerHost::setLanguage(Language language)
{
    if (language == m_language)
        return;
    m_language = language;
    createControl();
    if (m_type > 0)
        startExercise(m_type);
}

void TrainerHost::setBasePath(const QString &path)
{
    m_basePath = path;
    if (m_type > 0)
        startExercise(m_type);
}

void TrainerHost::setStatisticsStore(std::shared_ptr<SettingsStore> store)
{
    if (store == m_services.settings)
        return;
    m_services.settings = std::move(store);
    createControl();
    if (m_type > 0)
        startExercise(m_type);
}

void TrainerHost::startExercise(int type)
{
    if (m_flyCode != 0)
        giveBackPanel();
    m_type = type;
    m_cut = false; // selecting the type gives its panel the full height
    m_closing.reset();
    QString failure;
    {
        // Declared outside the try: the handler still belongs to the question put up.
        const Showing showing(m_showing);
        try {
            m_form->setC_MainAppPath(m_basePath);
            m_form->setC_QAtype(qint16(type));
        } catch (const std::exception &e) {
            failure = Error::from(e).message() + whereText();
        }
    }
    // A study file that gives no questions is the cause of whatever failed after it; the
    // window shows that problem in place of the picture, with the exercise kept so that
    // another language or installation can start it again. Any other failure leaves the
    // panel in no known state: said, and back to the chooser so that view and panel agree.
    if (!m_form->studyFileProblem().isEmpty())
        return;
    if (!failure.isEmpty()) {
        emit failed(failure);
        endExercise();
        return;
    }
    // A fresh selection always puts up a question, even one whose session carries the name
    // of the last one shown.
    m_pending.sessionFile = true;
    sync();
}

void TrainerHost::endExercise()
{
    if (m_flyCode != 0)
        giveBackPanel();
    m_type = 0;
    emit exerciseEnded();
}

void TrainerHost::displayQuestion()
{
    {
        const Showing showing(m_showing);
        guarded([&] { m_form->DisplayQuestion(); });
    }
    m_pending.sessionFile = true;
    sync();
}

void TrainerHost::giveBackPanel()
{
    if (m_flyCode == 0)
        return;
    const int code = m_flyCode;
    m_flyCode = 0;
    guarded([&] { m_form->setC_QAFly(qint16(-code)); });
    emit flyEnded();
    sync();
}

void TrainerHost::restorePanel()
{
    m_cut = false;
    if (const ExerciseType *t = exercise(); t && t->restoreCode != 0)
        guarded([&] { m_form->setC_QAFly(t->restoreCode); });
}

void TrainerHost::next()
{
    const ExerciseType *t = exercise();
    if (!t || !m_form)
        return;
    if (m_flyCode != 0)
        giveBackPanel();
    else if (m_cut)
        restorePanel();
    const QString button = QLatin1String(familyControls(t->family).next);
    const Showing showing(m_showing);
    guarded([&] {
        if (!m_form->control(button).click())
            throw Error(ErrorKind::ControlFailure, tr("%1 cannot be pressed").arg(button));
    });
    sync();
}

void TrainerHost::showSolution()
{
    const ExerciseType *t = exercise();
    if (!t || !m_form)
        return;
    guarded([&] { m_form->control(QLatin1String(familyControls(t->family).showSolution)).click(); });
    sync();
}

bool TrainerHost::jumpTo(int question)
{
    if (!m_form || question < 0 || question > m_form->lastQuestion())
        return false;
    bool reached = m_form->currentQuestion() == question;
    // In file order the target is at most one round away; in random order it comes within two.
    for (int k = 0; !reached && k <= 2 * (m_form->lastQuestion() + 1); ++k) {
        const Showing showing(m_showing);
        if (!guarded([&] { m_form->DisplayQuestion(); }))
            break;
        reached = m_form->currentQuestion() == question;
    }
    m_pending.sessionFile = true;
    sync();
    return reached;
}

void TrainerHost::loadPowerTip()
{
    guarded([&] { m_form->LoadPowerTip(); });
}

void TrainerHost::sync()
{
    if (m_syncing || !m_form)
        return;
    m_syncing = true;
    const ControlChanges changed = std::exchange(m_pending, ControlChanges{});
    const ControlSignals now = ControlSignals::read(*m_form);
    const HostReaction r = react(changed, now);
    // The host's own reset is no news to act on.
    if (r.resetShowResult && guarded([&] { m_form->setC_showResult(0); }))
        m_pending.showResult = false;
    m_syncing = false;

    if (r.toChooser) {
        if (m_flyCode != 0) {
            m_flyCode = 0;
            emit flyEnded();
        }
        m_type = 0;
        emit exerciseEnded();
        return;
    }
    if (r.loadSession) {
        if (m_flyCode != 0)
            giveBackPanel();
        if (const std::optional<Closing> c = std::exchange(m_closing, std::nullopt)) {
            // The panel's "Weiter" ran and counted this; a wrong answer in file order brings
            // the same question back.
            const bool repeats = c->attempt && c->wrong && m_form->currentQuestion() == c->question;
            const int shown = m_questionsShown;
            emit questionClosed(c->question, c->attempt, c->attempt && !c->wrong, repeats);
            // A listener may have moved to another question; that one is shown already.
            if (m_questionsShown != shown || !m_form)
                return;
        }
        ++m_questionsShown;
        emit questionShown(now.sessionFile, m_type);
    }
    if (r.showSolution)
        emit solutionRequested();
    if (r.flyCode != 0) {
        m_flyCode = r.flyCode;
        emit flyRequested(r.flyCode, r.turnRate);
    }
}

} // namespace orvik3::trainer
