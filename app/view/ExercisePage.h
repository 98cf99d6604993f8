#pragma once

#include "ExerciseCatalog.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace orvik3::trainer {

class FlightBar;
class FlightSession;
class LearningSession;
class Legend;
class SituationView;
class SolutionBox;
struct Explanation;

// The page of an exercise: the drawing of the situation, and beside it the panel with the
// progress of the set, the trainer's "Next question", the solution box, the flight controls
// and the legend. The solution box and the flight controls are made when first needed.
class ExercisePage : public QWidget
{
    Q_OBJECT
public:
    ExercisePage(FlightSession &flight, QWidget *parent = nullptr);
    ~ExercisePage() override;

    SituationView *view() const { return m_view; }
    QWidget *panel() const { return m_panel; }
    // Puts `panel` at the top of the column in place of the last one, which is deleted.
    void setPanel(QWidget *panel);

    QPushButton *nextButton() const { return m_next; }
    QLabel *progressLabel() const { return m_progress; }
    QLabel *repeatLabel() const { return m_repeat; }
    QLabel *statusLabel() const { return m_status; }
    // What Enter does now.
    QLabel *hintLabel() const { return m_hint; }
    SolutionBox *solutionBox();
    FlightBar *flightBar();

    // The set's progress, why a question repeats, and the practice's own line under them.
    void showProgress(const LearningSession &learning, const QString &statusLine);
    void showSolution(const Explanation &explanation);
    // Solution box, flight controls and "Next question" put away for a fresh question.
    void clearQuestion();
    void showFlight(bool on);
    // The keyboard to the panel's first answer, unless it is on something still on show.
    void focusFirstAnswer();
    void setLanguage(Language language);
    void retranslate();

signals:
    void nextWanted();
    void panelWanted();

private:
    FlightSession &m_flight;
    Language m_language = Language::German;
    SituationView *m_view;
    QVBoxLayout *m_column;
    QPointer<QWidget> m_panel;
    QPointer<QWidget> m_holder; // the panel's parent in the column
    QLabel *m_progress;
    QLabel *m_status;
    QLabel *m_repeat;
    QPushButton *m_next;
    QLabel *m_hint;
    SolutionBox *m_solution = nullptr;
    FlightBar *m_flightBar = nullptr;
    Legend *m_legend;
};

} // namespace orvik3::trainer
