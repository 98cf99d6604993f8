#pragma once

class QWidget;

namespace orvik3 {
class QAform;
}

namespace orvik3::trainer {

// The exercise panel on screen for one control. The widget may offer the signals
// userActed() (after every trainee action it passed to the control) and
// handlerFailed(QString) (a handler raised an error); the window connects to them by name.
QWidget *createPanel(QAform &form, QWidget *parent);

} // namespace orvik3::trainer
