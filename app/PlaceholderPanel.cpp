#include "PlaceholderPanel.h"

#include "study/ExerciseTypes.h"

#include <orvik3/QAform.h>

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvik3::trainer {

namespace {

const FamilyControls *controlsOf(const QAform &form)
{
    const ExerciseType *t = exerciseType(form.c_QAtype());
    return t ? &familyControls(t->family) : nullptr;
}

const char *roleControl(const FamilyControls &c, int role)
{
    switch (role) {
    case 0: return c.showSolution;
    case 1: return c.next;
    case 2: return c.fly;
    default: return c.cancel;
    }
}

} // namespace

PlaceholderPanel::PlaceholderPanel(QAform &form, QWidget *parent) : QFrame(parent), m_form(form)
{
    setObjectName(QStringLiteral("panel"));
    setStyleSheet(QStringLiteral("#panel { background: rgb(0, 96, 128); } QLabel { color: white; }"));
    setFixedWidth(7950 * logicalDpiX() / 1440);
    setMinimumHeight(1100 * logicalDpiY() / 1440);
    auto *layout = new QVBoxLayout(this);
    m_caption = new QLabel(this);
    m_caption->setWordWrap(true);
    QFont f = m_caption->font();
    f.setBold(true);
    m_caption->setFont(f);
    m_stats = new QLabel(this);
    auto *row = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        m_buttons[i] = new QPushButton(this);
        row->addWidget(m_buttons[i]);
        connect(m_buttons[i], &QPushButton::clicked, this, [this, i] {
            const FamilyControls *c = controlsOf(m_form);
            if (c && roleControl(*c, i))
                click(roleControl(*c, i));
        });
    }
    layout->addWidget(m_caption);
    layout->addStretch();
    layout->addLayout(row);
    layout->addWidget(m_stats);
    connect(&form.form(), &Form::changed, this, [this] { refresh(); });
    refresh();
}

void PlaceholderPanel::click(const char *name)
{
    try {
        m_form.control(QLatin1String(name)).click();
    } catch (const Error &e) {
        emit handlerFailed(e.message());
    }
    refresh();
    emit userActed();
}

void PlaceholderPanel::refresh()
{
    const FamilyControls *c = controlsOf(m_form);
    if (!c) {
        m_caption->clear();
        m_stats->clear();
        for (QPushButton *b : m_buttons)
            b->hide();
        return;
    }
    const FormControl &frame = m_form.control(QLatin1String(c->frame));
    m_caption->setText(frame.caption());
    m_stats->setText(m_form.control(QLatin1String(c->statsLabel)).caption());
    for (int i = 0; i < 4; ++i) {
        const char *name = roleControl(*c, i);
        FormControl *ctl = name ? m_form.form().find(QLatin1String(name)) : nullptr;
        m_buttons[i]->setVisible(ctl != nullptr);
        if (ctl)
            m_buttons[i]->setText(ctl->caption().isEmpty() ? QLatin1String(name) : ctl->caption());
    }
    setFixedHeight(std::max(frame.height(), 1100) * logicalDpiY() / 1440);
}

} // namespace orvik3::trainer
