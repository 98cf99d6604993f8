#include "widgets/FormView.h"

#include <orvik3/QAformWidget.h>

#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDateTime>
#include <QPointer>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

namespace orvik3 {

namespace {

QPalette::ColorRole systemRole(int index)
{
    switch (index) {
    case 1: return QPalette::Window;          // desktop
    case 4: return QPalette::Window;          // menu
    case 5: return QPalette::Base;            // window background
    case 7: return QPalette::Text;            // menu text
    case 8: return QPalette::Text;            // window text
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;         // button face
    case 16: return QPalette::Dark;           // button shadow
    case 18: return QPalette::ButtonText;
    case 20: return QPalette::Light;          // button highlight
    case 21: return QPalette::Shadow;
    case 22: return QPalette::Midlight;
    case 23: return QPalette::ToolTipText;
    case 24: return QPalette::ToolTipBase;
    default: return QPalette::Window;
    }
}

// Option buttons and check boxes of the design leave little room beside their mark: the gap
// between mark and caption is kept as narrow as on the platform the panels were drawn for.
class PanelStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_RadioButtonLabelSpacing || metric == PM_CheckBoxLabelSpacing) {
            qreal dpi = widget ? widget->logicalDpiX() : 96.0;
            // The gap grows with the panel's zoom like everything else on it.
            for (const QWidget *w = widget; w; w = w->parentWidget())
                if (auto *panel = qobject_cast<const QAformWidget *>(w)) {
                    dpi *= panel->zoom();
                    break;
                }
            return std::max(2, int(std::lround(3 * dpi / 96.0)));
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// Number captions carry the blank of the number format in front; drawn, it only pushes the
// digits out of the narrow option buttons.
const FormControl *rootOf(const FormControl *control)
{
    while (control->container())
        control = control->container();
    return control;
}

QString shownCaption(const FormControl *control)
{
    const QString caption = control->caption();
    if (control->kind() != ControlKind::OptionButton && control->kind() != ControlKind::CheckBox)
        return caption;
    qsizetype blanks = 0;
    while (blanks < caption.size() && caption[blanks] == u' ')
        ++blanks;
    return caption.mid(blanks);
}

} // namespace

QColor FormView::color(OleColor value, const QPalette &palette)
{
    if (isSystemColor(value)) {
        if (systemColorIndex(value) == 17) // grey text
            return palette.color(QPalette::Disabled, QPalette::Text);
        return palette.color(QPalette::Active, systemRole(systemColorIndex(value)));
    }
    return QColor(oleRed(value), oleGreen(value), oleBlue(value));
}

FormView::FormView(Form &form, QAformWidget &panel)
    : QObject(&panel)
    , m_form(form)
    , m_panel(panel)
    , m_style(new PanelStyle)
{
    m_style->setParent(this);
    for (FormControl *control : form.controls()) {
        const FormControl *root = rootOf(control);
        if (control == root || root->isVisible())
            create(control);
        if (control == root && root->isVisible())
            m_built.insert(root);
    }
    findPrompts();
    syncAll();
    updateTabOrder();
    connect(&form, &Form::changed, this, &FormView::mirror);
}

QWidget *FormView::widgetFor(const QString &name)
{
    const FormControl *control = m_form.find(name);
    if (!control)
        return nullptr;
    if (!widgetFor(control))
        build(rootOf(control));
    return widgetFor(control);
}

void FormView::build(const FormControl *root)
{
    if (m_built.contains(root))
        return;
    m_built.insert(root);
    std::vector<FormControl *> made;
    for (FormControl *control : m_form.controls()) {
        if (!m_widgets.contains(control) && rootOf(control) == root) {
            create(control);
            made.push_back(control);
        }
    }
    findPrompts();
    for (FormControl *control : made)
        for (ControlProperty p : {ControlProperty::Geometry, ControlProperty::Caption, ControlProperty::Text,
                                  ControlProperty::List, ControlProperty::ListIndex, ControlProperty::Value,
                                  ControlProperty::ForeColor, ControlProperty::Enabled, ControlProperty::Visible})
            mirror(control, p);
    updateTabOrder();
}

void FormView::create(FormControl *control)
{
    QWidget *parent = control->container() ? widgetFor(control->container()) : static_cast<QWidget *>(&m_panel);
    QWidget *widget = nullptr;
    switch (control->kind()) {
    case ControlKind::Frame:
        widget = new QGroupBox(parent);
        break;
    case ControlKind::Label: {
        auto *label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true); // labels of the design wrap within their width
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget = label;
        break;
    }
    case ControlKind::OptionButton: {
        auto *option = new QRadioButton(parent);
        option->setStyle(m_style);
        option->setBackgroundRole(QPalette::Window); // painted like the frame it sits on
        option->setAutoExclusive(false); // the form, not Qt, keeps one option per group
        connect(option, &QAbstractButton::clicked, this, [this, control] { act([control] { return control->click(); }); });
        widget = option;
        break;
    }
    case ControlKind::CommandButton: {
        auto *button = new QPushButton(parent);
        button->setAutoDefault(false);
        connect(button, &QAbstractButton::clicked, this, [this, control] { act([control] { return control->click(); }); });
        widget = button;
        break;
    }
    case ControlKind::CheckBox: {
        auto *check = new QCheckBox(parent);
        check->setStyle(m_style);
        check->setBackgroundRole(QPalette::Window);
        connect(check, &QAbstractButton::clicked, this, [this, control] { act([control] { return control->click(); }); });
        widget = check;
        break;
    }
    case ControlKind::ComboBox: {
        auto *combo = new QComboBox(parent);
        combo->setMaxVisibleItems(16);
        connect(combo, &QComboBox::activated, this, [this, control, combo](int row) {
            // A key on the closed list only moves to an entry; the choice counts when committed.
            if (m_browsing == combo) {
                m_uncommitted = combo;
                emit m_panel.choicePicked();
                return;
            }
            commitChoice(control, row);
        });
        widget = combo;
        break;
    }
    case ControlKind::TextBox:
        if (control->isMultiLine()) {
            auto *box = new QPlainTextEdit(parent);
            box->setReadOnly(true);
            box->setFocusPolicy(Qt::NoFocus); // a question is read, not acted on
            box->setTabChangesFocus(true);
            box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            box->setFrameShape(QFrame::NoFrame);
            box->document()->setDocumentMargin(2);
            widget = box;
        } else {
            auto *box = new QLineEdit(parent);
            box->setReadOnly(control->isLocked());
            if (control->isLocked())
                box->setFocusPolicy(Qt::NoFocus);
            box->setFrame(false);
            box->setTextMargins(1, 0, 1, 0);
            connect(box, &QLineEdit::textEdited, this,
                    [this, control](const QString &text) { act([control, text] { return control->type(text); }); });
            widget = box;
        }
        break;
    }
    widget->setObjectName(control->name());
    widget->installEventFilter(this);
    m_widgets.insert(control, widget);
    m_controls.insert(widget, control);
}

void FormView::act(const std::function<bool()> &action)
{
    if (m_syncing)
        return;
    m_panel.guarded([&] { action(); });
    // Whatever Qt did on its own (a toggled radio button, a list row, typed text the control
    // refused) is replaced by the model's state.
    syncAll();
    emit m_panel.userActed();
}

void FormView::syncAll()
{
    for (FormControl *control : m_form.controls())
        for (ControlProperty p : {ControlProperty::Geometry, ControlProperty::Caption, ControlProperty::Text,
                                  ControlProperty::List, ControlProperty::ListIndex, ControlProperty::Value,
                                  ControlProperty::ForeColor, ControlProperty::Enabled, ControlProperty::Visible})
            mirror(control, p);
}

void FormView::relayout()
{
    for (FormControl *control : m_form.controls())
        if (QWidget *widget = widgetFor(control))
            applyGeometry(control, widget);
}

void FormView::applyGeometry(FormControl *control, QWidget *widget)
{
    // Edges are converted, not sizes, so that neighbours that touch in twips touch on screen.
    int designTop = control->top();
    int middle = 0;
    if (rowMiddle(control, &middle)) {
        designTop = middle - control->height() / 2;
        static_cast<QLabel *>(widget)->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    const int left = m_panel.toPixels(control->left());
    const int top = m_panel.toPixels(designTop);
    const int right = m_panel.toPixels(control->left() + control->width());
    int bottom = m_panel.toPixels(designTop + control->height());
    if (control->kind() == ControlKind::Frame)
        bottom = top + wholeRows(control, bottom - top);
    widget->setGeometry(left, top, right - left, bottom - top);
    updateParked(control, widget);
    // A frame cut short or grown again hides or shows what it holds.
    if (control->kind() == ControlKind::Frame)
        for (FormControl *c : m_form.controls())
            for (const FormControl *up = c->container(); up; up = up->container())
                if (up == control) {
                    if (QWidget *w = widgetFor(c))
                        updateParked(c, w);
                    break;
                }
}

void FormView::updateParked(const FormControl *control, QWidget *widget)
{
    // A control the design parks beyond its frame's edge (or that a frame cut short hides)
    // can be neither seen nor reached by the mouse; Tab passes it by as well.
    if (const FormControl *frame = control->container();
        frame && (widget->focusPolicy() != Qt::NoFocus || m_parked.contains(control))) {
        QRect at(control->left(), control->top(), control->width(), control->height());
        QRect room(0, 0, frame->width(), frame->height());
        for (const FormControl *c = frame; c; c = c->container()) {
            at.translate(c->left(), c->top());
            room = room.translated(c->left(), c->top()).intersected(QRect(c->left(), c->top(), c->width(), c->height()));
        }
        // The panel shows the control's own area, not every frame in full.
        room = room.intersected(QRect(0, 0, m_panel.control().width(), m_panel.control().height()));
        const bool parked = !room.intersects(at);
        if (parked && !m_parked.contains(control)) {
            m_parked.insert(control, widget->focusPolicy());
            widget->setFocusPolicy(Qt::NoFocus);
        } else if (!parked && m_parked.contains(control)) {
            widget->setFocusPolicy(m_parked.take(control));
        }
    }
}

int FormView::wholeRows(const FormControl *frame, int height) const
{
    // A frame cut short (the panel shrunk to its top rows) ends below a row, never through it;
    // rows are the leaves, also those inside group frames.
    std::vector<std::pair<int, int>> rows;
    const std::function<void(const FormControl *, int)> collect = [&](const FormControl *f, int top) {
        for (const FormControl *child : f->children()) {
            if (!child->isVisible())
                continue;
            if (child->kind() == ControlKind::Frame)
                collect(child, top + child->top());
            else
                rows.emplace_back(m_panel.toPixels(top + child->top()), m_panel.toPixels(top + child->top() + child->height()));
        }
    };
    collect(frame, 0);
    for (bool grown = true; grown;) {
        grown = false;
        for (const auto &[top, bottom] : rows) {
            if (top < height && bottom > height) {
                height = bottom + m_panel.toPixels(60);
                grown = true;
            }
        }
    }
    return height;
}

void FormView::applyColors(FormControl *control, QWidget *widget)
{
    QPalette palette = m_panel.palette();
    const QColor back = color(control->backColor(), palette);
    const QColor fore = color(control->foreColor(), palette);
    switch (control->kind()) {
    case ControlKind::CommandButton:
        palette.setColor(QPalette::Button, back);
        palette.setColor(QPalette::ButtonText, fore);
        break;
    case ControlKind::ComboBox:
    case ControlKind::TextBox:
        // A closed list draws its entry like a button; both looks take the control's colours.
        palette.setColor(QPalette::Base, back);
        palette.setColor(QPalette::Text, fore);
        palette.setColor(QPalette::Button, back);
        palette.setColor(QPalette::ButtonText, fore);
        palette.setColor(QPalette::Window, back);
        palette.setColor(QPalette::WindowText, fore);
        widget->setAutoFillBackground(true);
        break;
    case ControlKind::Frame:
        palette.setColor(QPalette::Text, fore); // some styles draw the title in the text colour
        [[fallthrough]];
    case ControlKind::Label:
    case ControlKind::OptionButton:
    case ControlKind::CheckBox:
        palette.setColor(QPalette::Window, back);
        palette.setColor(QPalette::WindowText, fore);
        palette.setColor(QPalette::ButtonText, fore);
        widget->setAutoFillBackground(true);
        break;
    }
    widget->setPalette(palette);
}

void FormView::mirror(FormControl *control, ControlProperty property)
{
    QWidget *widget = widgetFor(control);
    if (!widget)
        return;
    const bool wasSyncing = m_syncing;
    m_syncing = true;
    const QSignalBlocker quiet(widget); // drawing never writes back into the model
    switch (property) {
    case ControlProperty::Caption:
        if (auto *frame = qobject_cast<QGroupBox *>(widget))
            frame->setTitle(control->caption());
        else if (auto *label = qobject_cast<QLabel *>(widget))
            label->setText(shownText(control, control->caption()));
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            button->setText(shownCaption(control));
        updateAccessibleName(control);
        for (FormControl *other : m_prompted.values(control))
            updateAccessibleName(other);
        break;
    case ControlProperty::Text:
        if (auto *line = qobject_cast<QLineEdit *>(widget)) {
            if (const QString shown = shownText(control, control->text()); line->text() != shown)
                line->setText(shown);
        } else if (auto *box = qobject_cast<QPlainTextEdit *>(widget)) {
            if (const QString shown = shownText(control, control->text()); box->toPlainText() != shown)
                box->setPlainText(shown);
        }
        for (FormControl *other : m_prompted.values(control))
            updateAccessibleName(other);
        break;
    case ControlProperty::Visible:
        widget->setVisible(control->isVisible());
        if (!control->container() && control->isVisible())
            build(control);
        break;
    case ControlProperty::Enabled:
        widget->setEnabled(control->isEnabled());
        break;
    case ControlProperty::ForeColor:
    case ControlProperty::BackColor:
        applyColors(control, widget);
        if (control->kind() == ControlKind::Label || control->kind() == ControlKind::TextBox) {
            mirror(control, ControlProperty::Caption);
            mirror(control, ControlProperty::Text);
        }
        break;
    case ControlProperty::Geometry:
        applyGeometry(control, widget);
        if (FormControl *prompt = m_prompt.value(control, nullptr); prompt && prompt->kind() == ControlKind::Label)
            if (QWidget *label = widgetFor(prompt))
                applyGeometry(prompt, label);
        break;
    case ControlProperty::Value:
        if (auto *option = qobject_cast<QRadioButton *>(widget))
            option->setChecked(control->isSelected());
        else if (auto *check = qobject_cast<QCheckBox *>(widget))
            check->setCheckState(control->value() == 0   ? Qt::Unchecked
                                 : control->value() == 1 ? Qt::Checked
                                                         : Qt::PartiallyChecked);
        break;
    case ControlProperty::List:
        if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            QStringList shown;
            for (int i = 0; i < combo->count(); ++i)
                shown << combo->itemText(i);
            if (shown != control->listItems()) {
                combo->clear();
                combo->addItems(control->listItems());
            }
            combo->setCurrentIndex(control->listIndex());
        }
        break;
    case ControlProperty::ListIndex:
        if (auto *combo = qobject_cast<QComboBox *>(widget))
            combo->setCurrentIndex(control->listIndex());
        break;
    }
    m_syncing = wasSyncing;
}

void FormView::commitChoice(FormControl *control, int row)
{
    m_uncommitted = nullptr;
    m_committedAt = QDateTime::currentMSecsSinceEpoch();
    act([control, row] { return control->choose(row); });
}

bool FormView::closedListKey(QComboBox *combo, QKeyEvent *key)
{
    FormControl *control = m_controls.value(combo, nullptr);
    if (!control || combo->view()->isVisible())
        return false;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_uncommitted != combo)
            return false;
        commitChoice(control, combo->currentIndex());
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Space:
    case Qt::Key_F4:
        return false;
    default:
        break;
    }
    if ((key->modifiers() & Qt::AltModifier) || key->key() == Qt::Key_F1)
        return false;
    // Arrows and typed characters move along the list as Qt does, without judging.
    m_browsing = combo;
    static_cast<QObject *>(combo)->event(key);
    m_browsing = nullptr;
    return true;
}

bool FormView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && m_uncommitted == watched) {
        // Leaving a list commits what was picked on it.
        auto *combo = static_cast<QComboBox *>(watched);
        if (FormControl *control = m_controls.value(combo, nullptr))
            QMetaObject::invokeMethod(this, [this, control, combo = QPointer<QComboBox>(combo)] {
                if (combo && m_uncommitted == combo)
                    commitChoice(control, combo->currentIndex());
            }, Qt::QueuedConnection);
    }
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (auto *combo = qobject_cast<QComboBox *>(watched))
        return closedListKey(combo, key) || QObject::eventFilter(watched, event);
    if (key->modifiers() & ~(Qt::KeypadModifier))
        return QObject::eventFilter(watched, event);
    auto *button = qobject_cast<QAbstractButton *>(watched);
    if (!button)
        return QObject::eventFilter(watched, event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The option already chosen passes Enter on to the host: choosing it again says nothing.
        if (qobject_cast<QRadioButton *>(button) && button->isChecked())
            break;
        button->click();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
        if (qobject_cast<QRadioButton *>(button))
            return moveInRow(button, -1), true;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        if (qobject_cast<QRadioButton *>(button))
            return moveInRow(button, 1), true;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool FormView::moveInRow(QWidget *from, int step)
{
    // The options of one row share their container; arrows move the focus along the row
    // without choosing, so that no answer is given by looking around.
    QList<QRadioButton *> row;
    for (QObject *child : from->parentWidget()->children())
        if (auto *option = qobject_cast<QRadioButton *>(child); option && option->isVisibleTo(&m_panel) && option->isEnabled())
            row << option;
    if (row.size() < 2)
        return false;
    std::sort(row.begin(), row.end(), [](QWidget *a, QWidget *b) { return a->x() < b->x(); });
    const qsizetype at = row.indexOf(from);
    const qsizetype next = ((at < 0 ? 0 : at) + step + row.size()) % row.size();
    row[next]->setFocus(Qt::OtherFocusReason);
    return true;
}

} // namespace orvik3
