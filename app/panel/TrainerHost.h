#pragma once

#include "ExerciseCatalog.h"
#include "panel/ControlSignals.h"

#include <orvik3/QAform.h>

#include <QObject>
#include <memory>
#include <optional>

namespace orvik3::trainer {

// Owns the control and speaks to it as its host: writes the base path and the type, notes the
// signal properties the control announces as changed, and after every trainee action and
// every write of its own turns those changes into signals for the window. The verdicts (rows
// judged, questions closed) come from the control's typed signals.
class TrainerHost : public QObject
{
    Q_OBJECT
public:
    // `services` are handed to every control created; their text table is replaced by the
    // table of the chosen language.
    explicit TrainerHost(Services services, QObject *parent = nullptr);
    ~TrainerHost() override;

    QAform *control() const { return m_form.get(); }
    Language language() const { return m_language; }
    QString basePath() const { return m_basePath; }
    int currentType() const { return m_type; }

    // A new control with the other language's texts; a running exercise is started again.
    void setLanguage(Language language);
    // The installation; a running exercise is reloaded from there.
    void setBasePath(const QString &path);
    // The trainee's installation, which the power tips come from also while the control
    // works on a temporary one.
    void setInstallation(const QString &path) { m_installation = path; }
    // Where the control keeps its statistics: a new control on that store; a running exercise
    // is started again.
    void setStatisticsStore(std::shared_ptr<SettingsStore> store);

    void startExercise(int type);
    // Leaves the exercise from the host's side (the chooser was asked for).
    void endExercise();
    // Host-driven advance (scripting): DisplayQuestion, then the signals are read.
    void displayQuestion();
    // Gives the panel back after flying: the negative of the family code.
    void giveBackPanel();
    void loadPowerTip();
    // Where the trainee is, for error messages: the study file and the question on display
    // ("" before an exercise is started).
    QString whereText() const;
    // The trainer's own "Weiter": gives the panel back at full height the way the signal
    // table says (the negative family code), then presses the panel's "Weiter", so that it
    // counts and moves on exactly as if the trainee had pressed it.
    void next();
    // Steps the panel through its study file in file order until `question` is on display, so
    // that the statistics keys stay those of the full file. False when it cannot be reached.
    bool jumpTo(int question);
    // True while the panel is cut to its title row (after the solution or a flight started).
    bool panelShrunk() const { return m_flyCode != 0 || m_cut; }
    // Presses the panel's "Lösung zeigen" as the trainee would (scripted runs).
    void showSolution();

public slots:
    // Reacts to the signal properties the control announced as changed since the last time.
    void sync();
    // A trainee action on the panel has ended.
    void panelActed() { sync(); }

signals:
    // The control was (re)created; the old one is gone when this is emitted.
    void controlCreated(orvik3::QAform *form);
    void questionShown(const QString &sessionFile, int type);
    void solutionRequested();
    void flyRequested(int familyCode, double turnRateDegPerSecond);
    void flyEnded();
    void exerciseEnded();
    void failed(const QString &message);
    // A row of the question on display was judged, as the control reported it.
    void rowJudged(int row, bool right, const QString &given);
    // The trainee asked for the solution ("Lösung zeigen").
    void solutionShown();
    // The panel's "Weiter" closed `question`: `answered` if it counted an attempt, `right` if
    // it counted no wrong answer with it; `repeats` when the panel shows the same question again.
    void questionClosed(int question, bool answered, bool right, bool repeats);

private:
    struct Closing {
        int question;
        bool attempt, wrong;
    };

    void createControl();
    // The control's ...Changed signals and its verdicts, noted until the next sync().
    void listen(QAform &form);
    // The panel back at full height after its solution cut it.
    void restorePanel();
    const ExerciseType *exercise() const { return exerciseType(qint16(m_type)); }
    // Runs a write or call on the control; an error it raises is reported, not thrown on.
    template <typename F> bool guarded(F &&f);

    Services m_services;
    std::unique_ptr<QAform> m_form;
    Language m_language = Language::German;
    QString m_basePath;
    QString m_installation;
    int m_type = 0;
    int m_flyCode = 0;
    bool m_cut = false; // the panel cut itself to show the solution
    ControlChanges m_pending;
    std::optional<Closing> m_closing; // what the panel's "Weiter" counted, until the next question is out
    // Counts the questions put up, so that a listener that moved on can be told from one that did not.
    int m_questionsShown = 0;
    bool m_syncing = false;
    // Set while the control puts up a question: a failure then belongs to that question,
    // although the control does not count it as shown yet.
    bool m_showing = false;
    struct Showing {
        explicit Showing(bool &flag) : flag(flag) { flag = true; }
        ~Showing() { flag = false; }
        bool &flag;
    };
};

} // namespace orvik3::trainer
