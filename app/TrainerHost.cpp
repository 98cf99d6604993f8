#include "TrainerHost.h"

namespace orvik3::trainer {

TrainerHost::TrainerHost(Services services, QObject *parent)
    : QObject(parent), m_services(std::move(services))
{
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
    if (!m_form || m_type <= 0 || m_form->studyFilePath().isEmpty())
        return {};
    if (!m_form->questionShown() || m_form->lastQuestion() < 0)
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
    // The control is new, so nothing it signals may be mistaken for a change.
    m_last = ControlSignals::read(*form);
    m_last.type = 0;
    m_flyCode = 0;
    std::swap(m_form, form);
    emit controlCreated(m_form.get());
    // The old control goes only now, after the window has let go of its panel.
    form.reset();
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

void TrainerHost::startExercise(int type)
{
    if (m_flyCode != 0)
        giveBackPanel();
    m_type = type;
    QString failure;
    try {
        m_form->setC_MainAppPath(m_basePath);
        m_form->setC_QAtype(qint16(type));
    } catch (const std::exception &e) {
        failure = Error::from(e).message() + whereText();
    }
    // A study file that gives no questions is the cause of whatever failed after it, so it is
    // what is said. Either way the panel has nothing to show: back to the chooser, so that the
    // view and the panel agree.
    const QString problem = m_form->studyFileProblem();
    if (!problem.isEmpty() || !failure.isEmpty()) {
        emit failed(problem.isEmpty() ? failure : problem);
        endExercise();
        return;
    }
    // A fresh selection always puts up a question, even one whose session carries the name
    // of the last one shown.
    m_last.sessionFile.clear();
    m_last.type = 0;
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
    guarded([&] { m_form->DisplayQuestion(); });
    m_last.sessionFile.clear();
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

void TrainerHost::loadPowerTip()
{
    guarded([&] { m_form->LoadPowerTip(); });
}

void TrainerHost::sync()
{
    if (m_syncing || !m_form)
        return;
    m_syncing = true;
    const ControlSignals now = ControlSignals::read(*m_form);
    const HostReaction r = react(m_last, now);
    m_last = now;
    if (r.resetShowResult && guarded([&] { m_form->setC_showResult(0); }))
        m_last.showResult = 0;
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
