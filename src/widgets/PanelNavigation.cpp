// Keyboard order and screen-reader names of the panel's widgets, derived from the design
// geometry: the form model knows positions, not rows, so rows are found by where things lie.
#include "widgets/FormView.h"

#include <orvik3/ExerciseCatalog.h>
#include <orvik3/OleColor.h>
#include <orvik3/QAformWidget.h>

#include <QAbstractButton>
#include <QSet>
#include <QWidget>
#include <algorithm>

namespace orvik3 {

namespace {

struct Placed {
    FormControl *control;
    QWidget *widget;
    int left, top, bottom; // twips on the family panel
    bool command;          // buttons and boxes of the side column come after the answers
};

// Position of a control on its family frame (the top-level container).
QPoint panelOrigin(const FormControl *control)
{
    QPoint at(control->left(), control->top());
    for (const FormControl *c = control->container(); c && c->container(); c = c->container())
        at += QPoint(c->left(), c->top());
    return at;
}

bool takesAnswer(const FormControl *c)
{
    return c->kind() == ControlKind::OptionButton || c->kind() == ControlKind::ComboBox
        || (c->kind() == ControlKind::TextBox && !c->isMultiLine());
}

// A label or question box can state a row unless it shares its frame with options: there it
// is the result label of an option group.
bool canPrompt(const FormControl *c)
{
    if (c->kind() != ControlKind::Label && !(c->kind() == ControlKind::TextBox && c->isMultiLine()))
        return false;
    if (!c->container())
        return false;
    const auto &siblings = c->container()->children();
    return std::none_of(siblings.begin(), siblings.end(),
                        [](const FormControl *s) { return s->kind() == ControlKind::OptionButton; });
}

QString promptText(const FormControl *prompt)
{
    QString text = prompt->kind() == ControlKind::TextBox ? prompt->text() : prompt->caption();
    text = text.simplified();
    while (text.endsWith(u':') || text.endsWith(u'?'))
        text.chop(1);
    return text.trimmed();
}

QString withoutMnemonic(QString caption)
{
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(u'&');
    caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return caption;
}

// The controls that show a row's verdict, over every panel.
bool showsVerdict(const FormControl *c)
{
    static const QSet<QString> results = [] {
        QSet<QString> names;
        for (const ExerciseType &t : exerciseTypes())
            for (const AnswerRow &row : t.rows)
                names.insert(QLatin1String(row.result));
        return names;
    }();
    return results.contains(c->name());
}

} // namespace

QString FormView::shownText(const FormControl *control, const QString &text) const
{
    // The verdict is not told by its colour alone: a mark goes in front of the shown text.
    if (text.isEmpty() || !showsVerdict(control))
        return text;
    if (control->foreColor() == colors::green)
        return QStringLiteral("✓ ") + text;
    if (control->backColor() == colors::red)
        return QStringLiteral("✗ ") + text;
    return text;
}

void FormView::findPrompts()
{
    m_prompt.clear();
    m_prompted.clear();
    for (FormControl *control : m_form.controls()) {
        if (!takesAnswer(control))
            continue;
        // Walk out of option-group frames until a row label lies on the left of the row.
        for (const FormControl *row = control; row->container(); row = row->container()) {
            FormControl *best = nullptr;
            for (FormControl *candidate : row->container()->children()) {
                if (candidate == row || !canPrompt(candidate))
                    continue;
                const bool onLeft = candidate->left() + candidate->width() <= row->left() + 60;
                const bool sameRow = candidate->top() < row->top() + row->height()
                                  && row->top() < candidate->top() + candidate->height();
                if (onLeft && sameRow && (!best || candidate->left() < best->left()))
                    best = candidate;
            }
            if (best) {
                m_prompt.insert(control, best);
                m_prompted.insert(best, control);
                break;
            }
        }
    }
    for (FormControl *control : m_form.controls())
        updateAccessibleName(control);
}

void FormView::updateAccessibleName(FormControl *control)
{
    QWidget *widget = widgetFor(control);
    if (!widget)
        return;
    const QString own = withoutMnemonic(control->caption());
    const FormControl *prompt = m_prompt.value(control, nullptr);
    const QString row = prompt ? withoutMnemonic(promptText(prompt)) : QString();
    QString name;
    if (!row.isEmpty() && !own.isEmpty())
        name = row + QStringLiteral(", ") + own;
    else
        name = row.isEmpty() ? own : row;
    if (name.isEmpty() && control->kind() == ControlKind::Frame)
        return; // an untitled group box says nothing by itself
    widget->setAccessibleName(name);
    // What the control is for, beyond its name: the whole row it answers.
    if (takesAnswer(control))
        widget->setAccessibleDescription(prompt ? tr("Answer to: %1").arg(promptText(prompt)) : tr("Answer"));
    else if (control->kind() == ControlKind::CommandButton || control->kind() == ControlKind::CheckBox)
        widget->setAccessibleDescription(tr("Button of the exercise panel"));
    else if (showsVerdict(control))
        widget->setAccessibleDescription(tr("Result of the row"));
}

void FormView::updateTabOrder()
{
    // Per family panel: the answer controls row by row, left to right, then the buttons and
    // boxes of the panel, also row by row.
    std::vector<std::vector<Placed>> panels;
    for (FormControl *control : m_form.controls()) {
        if (!control->container()) {
            panels.emplace_back();
            continue;
        }
        QWidget *widget = widgetFor(control);
        if (!widget || !(widget->focusPolicy() & Qt::TabFocus) || panels.empty())
            continue;
        const QPoint at = panelOrigin(control);
        const bool command = control->kind() == ControlKind::CommandButton || control->kind() == ControlKind::CheckBox;
        panels.back().push_back({control, widget, at.x(), at.y(), at.y() + control->height(), command});
    }
    QWidget *previous = nullptr;
    for (std::vector<Placed> &panel : panels) {
        std::stable_sort(panel.begin(), panel.end(),
                         [](const Placed &a, const Placed &b) { return a.top + a.bottom < b.top + b.bottom; });
        // Rows: controls whose middles lie within a small band of the row's first one.
        std::vector<int> rowOf(panel.size());
        int row = -1, rowMiddle = 0;
        for (size_t i = 0; i < panel.size(); ++i) {
            const int middle = (panel[i].top + panel[i].bottom) / 2;
            if (row < 0 || middle - rowMiddle > 150) {
                ++row;
                rowMiddle = middle;
            }
            rowOf[i] = row;
        }
        std::vector<size_t> order(panel.size());
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
            return std::tuple(panel[a].command, rowOf[a], panel[a].left)
                 < std::tuple(panel[b].command, rowOf[b], panel[b].left);
        });
        for (size_t i : order) {
            if (previous)
                QWidget::setTabOrder(previous, panel[i].widget);
            previous = panel[i].widget;
        }
    }
}

} // namespace orvik3
