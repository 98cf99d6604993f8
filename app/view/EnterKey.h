#pragma once

#include <QObject>
#include <QString>

namespace orvik3::trainer {

class ExercisePage;
class TrainerHost;

// What Enter does on the exercise page, one thing at a time, and the hint line that says it:
// on an answer in focus the panel takes it; once the solution is out (or while flying) the
// trainer's "Next question"; otherwise the panel's own "Weiter". The Enter that commits a
// list choice does nothing more.
class EnterKey : public QObject
{
    Q_OBJECT
public:
    EnterKey(ExercisePage &page, TrainerHost &host, QObject *parent = nullptr);

    // Does what the hint says; false when Enter has nothing to do on the page.
    bool press();
    QString hint() const;
    // Puts the hint into the page's hint line.
    void refresh();

signals:
    void nextWanted();

private:
    enum class Action { None, Swallow, Focused, Next, PanelNext };
    // `pressing`: for a key just pressed, which may be the one that committed a list choice.
    Action action(bool pressing = false) const;
    QString panelNextName() const;

    ExercisePage &m_page;
    TrainerHost &m_host;
};

} // namespace orvik3::trainer
