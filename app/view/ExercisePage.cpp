#include "view/ExercisePage.h"

#include "practice/LearningSession.h"
#include "view/FlightBar.h"
#include "view/Legend.h"
#include "view/SituationView.h"
#include "view/SolutionBox.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace orvik3::trainer {

namespace {

QLabel *namedLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText); // its texts name files and questions
    return label;
}

// As wide and high as what it holds when there is room, as small as a scroll bar when not.
class ColumnScroll : public QScrollArea
{
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override
    {
        const QSize inner = widget() ? widget()->sizeHint() : QSize();
        return inner + QSize(verticalScrollBar()->sizeHint().width() + 2, 2);
    }
    // As wide as the panel while the screen leaves the plan room beside it: the plan gives
    // way first, the panel's answers scroll only on a narrow screen.
    QSize minimumSizeHint() const override
    {
        const int wanted = widget() ? widget()->sizeHint().width() + verticalScrollBar()->sizeHint().width() + 2 : 160;
        const QScreen *on = screen();
        const int cap = on ? on->availableGeometry().width() * 11 / 20 : wanted;
        return {std::clamp(wanted, 160, std::max(160, cap)), 120};
    }

protected:
    // What it holds grew or shrank (a panel made, zoomed or cut short): its wish changes with it.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == widget() && event->type() == QEvent::LayoutRequest)
            updateGeometry();
        return QScrollArea::eventFilter(watched, event);
    }
};

// Holds the panel at the size the control keeps, but asks the column only for the room down
// to the panel's lowest part on show: a panel cut short to its top rows (the solution shown,
// flying) leaves the room below to the solution and the flight controls.
class PanelHolder : public QWidget
{
public:
    PanelHolder(QWidget *panel, QWidget *parent) : QWidget(parent), m_panel(panel)
    {
        setObjectName(QStringLiteral("panelHolder"));
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        panel->setParent(this);
        panel->move(0, 0);
        panel->installEventFilter(this);
        for (QObject *child : panel->children())
            child->installEventFilter(this);
    }
    QSize sizeHint() const override
    {
        if (!m_panel)
            return {};
        int left = m_panel->width(), bottom = 0;
        for (QObject *child : m_panel->children()) {
            const auto *part = qobject_cast<QWidget *>(child);
            // The focus ring is drawn over the parts and takes no room of its own.
            if (!part || !part->isVisibleTo(m_panel) || part->testAttribute(Qt::WA_TransparentForMouseEvents))
                continue;
            left = std::min(left, part->x());
            bottom = std::max(bottom, part->geometry().bottom() + 1);
        }
        // Below the lowest part the same margin as beside the first.
        return {m_panel->width(), bottom > 0 ? std::min(m_panel->height(), bottom + std::max(left, 0)) : m_panel->height()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::ChildAdded:
            if (watched == m_panel)
                static_cast<QChildEvent *>(event)->child()->installEventFilter(this);
            updateGeometry();
            break;
        case QEvent::Resize:
        case QEvent::Move:
        case QEvent::Show:
        case QEvent::Hide:
            updateGeometry();
            break;
        default:
            break;
        }
        return QWidget::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> m_panel;
};

} // namespace

ExercisePage::ExercisePage(FlightSession &flight, QWidget *parent) : QWidget(parent), m_flight(flight)
{
    m_view = new SituationView(this);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(6, 6, 6, 6);
    row->addWidget(m_view, 1);
    // The column scrolls rather than grow the window: a large panel zoom, a long solution or
    // a small screen never push the window past the screen's edge.
    auto *scroll = new ColumnScroll(this);
    scroll->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    scroll->setObjectName(QStringLiteral("exerciseColumn"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus); // no tab stop of its own: what it holds has them
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto *inner = new QWidget(scroll);
    m_column = new QVBoxLayout(inner);
    m_column->setContentsMargins(0, 0, 0, 0);
    scroll->setWidget(inner);
    m_progress = namedLabel("progressLabel", inner);
    m_status = namedLabel("endlessLabel", inner);
    m_status->setWordWrap(true);
    m_status->setMaximumWidth(540);
    m_status->hide();
    m_repeat = namedLabel("repeatLabel", inner);
    m_repeat->setWordWrap(true); // as wide as the column, so that its height is reckoned right
    QPalette red = m_repeat->palette();
    red.setColor(QPalette::WindowText, QColor(0xa0, 0, 0));
    m_repeat->setPalette(red);
    m_repeat->hide();
    m_next = new QPushButton(inner);
    m_next->setObjectName(QStringLiteral("trainerNext"));
    m_next->hide();
    m_next->setAutoDefault(true); // Enter on it in focus presses it
    m_hint = namedLabel("enterHint", inner);
    m_hint->setWordWrap(true);
    m_hint->setForegroundRole(QPalette::PlaceholderText);
    m_hint->hide();
    m_legend = new Legend(inner);
    m_column->addWidget(m_progress);
    m_column->addWidget(m_status);
    m_column->addWidget(m_repeat);
    m_column->addWidget(m_next, 0, Qt::AlignLeft);
    m_column->addWidget(m_hint);
    m_column->addWidget(m_legend);
    m_column->addStretch();
    row->addWidget(scroll);
    connect(m_next, &QPushButton::clicked, this, &ExercisePage::nextWanted);
    retranslate();
}

// The panel refers to the control; it goes first.
ExercisePage::~ExercisePage() { delete m_holder; }

void ExercisePage::setPanel(QWidget *panel)
{
    delete m_holder;
    m_panel = panel;
    if (panel) {
        m_holder = new PanelHolder(panel, m_column->parentWidget());
        m_column->insertWidget(0, m_holder);
        panel->show(); // at once, also on a page that is on screen already
        m_holder->show();
        // The column's wish follows the panel now, not when the posted layout request comes:
        // a picture taken at once must show the whole panel.
        m_column->activate();
        if (auto *scroll = findChild<QScrollArea *>(QStringLiteral("exerciseColumn")))
            scroll->updateGeometry();
        layout()->activate();
    }
}

SolutionBox *ExercisePage::solutionBox()
{
    if (!m_solution) {
        m_solution = new SolutionBox(m_column->parentWidget());
        m_column->insertWidget(m_column->indexOf(m_hint) + 1, m_solution);
    }
    return m_solution;
}

FlightBar *ExercisePage::flightBar()
{
    if (!m_flightBar) {
        m_flightBar = new FlightBar(m_flight, m_column->parentWidget());
        m_flightBar->setLanguage(m_language);
        m_flightBar->hide();
        m_column->insertWidget(m_column->indexOf(m_legend), m_flightBar);
        connect(m_flightBar, &FlightBar::panelWanted, this, &ExercisePage::panelWanted);
    }
    return m_flightBar;
}

void ExercisePage::showProgress(const LearningSession &learning, const QString &statusLine)
{
    m_progress->setText(learning.progressText());
    m_repeat->setText(learning.repeatText());
    m_repeat->setVisible(!learning.repeatText().isEmpty());
    m_status->setText(statusLine);
    m_status->setVisible(!statusLine.isEmpty());
}

void ExercisePage::showSolution(const Explanation &explanation)
{
    solutionBox()->show(explanation);
    m_next->show();
}

void ExercisePage::clearQuestion()
{
    if (m_solution)
        m_solution->hide();
    m_next->hide();
    showFlight(false);
}

void ExercisePage::showFlight(bool on)
{
    if (!on && !m_flightBar)
        return;
    flightBar()->setVisible(on);
    if (on) {
        m_flightBar->refresh();
        m_next->show();
    }
}

void ExercisePage::focusFirstAnswer()
{
    // Not taken from elsewhere on show: only when it is on this page, on nothing or on
    // something gone (the summary's buttons).
    QWidget *focus = window()->focusWidget();
    if (!m_panel || !isVisible() || (focus && focus->isVisible() && !isAncestorOf(focus)))
        return;
    QWidget *first = nullptr;
    for (QWidget *w = m_panel->nextInFocusChain(); w && w != m_panel; w = w->nextInFocusChain()) {
        if (!m_panel->isAncestorOf(w) || !w->isVisibleTo(m_panel) || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        const auto *line = qobject_cast<QLineEdit *>(w);
        if (qobject_cast<QComboBox *>(w) || qobject_cast<QRadioButton *>(w) || (line && !line->isReadOnly())) {
            first = w;
            break;
        }
        if (!first)
            first = w;
    }
    if (first)
        first->setFocus(Qt::TabFocusReason);
}

void ExercisePage::setLanguage(Language language)
{
    m_language = language;
    if (m_flightBar)
        m_flightBar->setLanguage(language);
    retranslate();
}

void ExercisePage::retranslate()
{
    m_next->setText(tr("Next question (Enter)"));
    m_next->setAccessibleDescription(tr("Leaves this question, with its solution shown, for the next one"));
    m_legend->retranslate();
}

} // namespace orvik3::trainer
