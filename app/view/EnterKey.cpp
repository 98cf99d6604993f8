#include "view/EnterKey.h"

#include "panel/TrainerHost.h"
#include "view/ExercisePage.h"

#include <orvik3/QAformWidget.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QPushButton>

namespace orvik3::trainer {

namespace {
// An Enter this soon after a list choice was committed is the key that committed it.
constexpr qint64 kCommitEcho = 250;

QString plainCaption(const QAbstractButton *b)
{
    QString text = b->text();
    text.remove(u'&');
    return text.trimmed();
}
} // namespace

EnterKey::EnterKey(ExercisePage &page, TrainerHost &host, QObject *parent) : QObject(parent), m_page(page), m_host(host)
{
    connect(qApp, &QApplication::focusChanged, this, &EnterKey::refresh);
}

QString EnterKey::panelNextName() const
{
    const ExerciseType *t = exerciseType(qint16(m_host.currentType()));
    return t ? QLatin1String(familyControls(t->family).next) : QString();
}

EnterKey::Action EnterKey::action(bool) const
{
    if (!m_page.isVisible())
        return Action::None;
    auto *panel = qobject_cast<QAformWidget *>(m_page.panel());
    // Once the solution is out (or while flying) Enter is the trainer's "Next question".
    if (m_page.nextButton()->isVisible())
        return Action::Next;
    QWidget *focus = m_page.window()->focusWidget();
    if (panel && focus && panel->isAncestorOf(focus)) {
        // The option already chosen passes Enter on, see below.
        if (auto *b = qobject_cast<QAbstractButton *>(focus); b && b->isEnabled() && !(b->isCheckable() && b->isChecked() && !qobject_cast<QCheckBox *>(b)))
            return Action::Focused;
        if (qobject_cast<QComboBox *>(focus) && panel->choicePending())
            return Action::Focused;
    }
    if (m_page.nextButton()->isVisible())
        return Action::Next;
    QWidget *next = panel ? panel->widgetFor(panelNextName()) : nullptr;
    if (next && next->isVisible() && next->isEnabled())
        return Action::PanelNext;
    return Action::None;
}

bool EnterKey::press()
{
    switch (action(true)) {
    case Action::None:
        return false;
    case Action::Swallow:
        return true;
    case Action::Focused:
        // The panel takes the key on its way here; sent to the window itself, it is pressed here.
        if (auto *b = qobject_cast<QAbstractButton *>(m_page.window()->focusWidget()))
            b->click();
        return true;
    case Action::Next:
        emit nextWanted();
        return true;
    case Action::PanelNext:
        m_host.next();
        return true;
    }
    return false;
}

QString EnterKey::hint() const
{
    switch (action()) {
    case Action::None:
    case Action::Swallow:
        return {};
    case Action::Focused: {
        QWidget *focus = m_page.window()->focusWidget();
        if (auto *combo = qobject_cast<QComboBox *>(focus))
            return tr("Enter: take “%1”").arg(combo->currentText().trimmed());
        return tr("Enter or Space: “%1”").arg(plainCaption(static_cast<QAbstractButton *>(focus)));
    }
    case Action::Next:
        return tr("Enter: next question");
    case Action::PanelNext: {
        auto *panel = qobject_cast<QAformWidget *>(m_page.panel());
        auto *button = qobject_cast<QAbstractButton *>(panel->widgetFor(panelNextName()));
        return tr("Enter: “%1” (on to the next question)").arg(button ? plainCaption(button) : QString());
    }
    }
    return {};
}

void EnterKey::refresh()
{
    const QString text = hint();
    m_page.hintLabel()->setText(text);
    m_page.hintLabel()->setVisible(!text.isEmpty());
}

} // namespace orvik3::trainer
