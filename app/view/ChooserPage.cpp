#include "view/ChooserPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvik3::trainer {

ChooserPage::ChooserPage(QWidget *parent) : QWidget(parent)
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(32, 24, 32, 24);
    m_heading = new QLabel(this);
    QFont f = m_heading->font();
    f.setPointSizeF(f.pointSizeF() * 1.6);
    f.setBold(true);
    m_heading->setFont(f);
    outer->addWidget(m_heading);

    // Today's practice first: what the trainee's memory says is due.
    auto *today = new QHBoxLayout;
    m_today = new QPushButton(this);
    m_today->setObjectName(QStringLiteral("today"));
    m_today->setMinimumHeight(40);
    m_todayDue = new QLabel(this);
    m_todayDue->setObjectName(QStringLiteral("todayDue"));
    today->addWidget(m_today);
    today->addWidget(m_todayDue, 1);
    outer->addLayout(today);
    connect(m_today, &QPushButton::clicked, this, &ChooserPage::todayWanted);

    auto *grid = new QGridLayout;
    grid->setSpacing(16);
    int index = 0;
    for (Family family : families()) {
        auto *box = new QGroupBox(this);
        auto *v = new QVBoxLayout(box);
        for (const ExerciseInfo &info : exerciseCatalog()) {
            if (info.family != family)
                continue;
            auto *b = new QPushButton(box);
            b->setObjectName(QStringLiteral("type%1").arg(info.type));
            b->setMinimumHeight(34);
            b->setStyleSheet(QStringLiteral("text-align: left; padding: 4px 10px;"));
            connect(b, &QPushButton::clicked, this, [this, t = info.type] { emit typeChosen(t); });
            v->addWidget(b);
            m_buttons[info.type] = b;
        }
        v->addStretch();
        m_groups[family] = box;
        grid->addWidget(box, index / 3, index % 3);
        ++index;
    }
    outer->addLayout(grid);
    outer->addStretch(1);

    auto *settings = new QHBoxLayout;
    m_languageLabel = new QLabel(this);
    m_languageBox = new QComboBox(this);
    m_languageBox->addItem(QStringLiteral("Deutsch"));
    m_languageBox->addItem(QStringLiteral("English"));
    m_baseLabel = new QLabel(this);
    m_base = new QLineEdit(this);
    m_base->setReadOnly(true);
    m_browse = new QPushButton(this);
    settings->addWidget(m_languageLabel);
    settings->addWidget(m_languageBox);
    settings->addSpacing(24);
    settings->addWidget(m_baseLabel);
    settings->addWidget(m_base, 1);
    settings->addWidget(m_browse);
    outer->addLayout(settings);

    connect(m_languageBox, &QComboBox::activated, this, [this](int i) {
        emit languageChosen(i == 0 ? Language::German : Language::English);
    });
    connect(m_browse, &QPushButton::clicked, this, &ChooserPage::browseRequested);
    retranslate();
}

void ChooserPage::setLanguage(Language language)
{
    m_language = language;
    m_languageBox->setCurrentIndex(language == Language::German ? 0 : 1);
    retranslate();
}

void ChooserPage::setTodayDue(int due)
{
    if (due == m_due)
        return;
    m_due = due;
    retranslate();
}

void ChooserPage::setBasePath(const QString &path) { m_base->setText(path); }

void ChooserPage::setLastType(int type)
{
    if (QPushButton *b = buttonFor(type))
        b->setFocus();
}

QPushButton *ChooserPage::buttonFor(int type) const
{
    auto it = m_buttons.find(type);
    return it == m_buttons.end() ? nullptr : it->second;
}

void ChooserPage::retranslate()
{
    m_heading->setText(tr("Choose an exercise"));
    m_today->setText(tr("Practise today"));
    m_todayDue->setText(m_due < 0 ? QString() : m_due == 0 ? tr("Nothing is due; today's practice brings new skills and the weakest.")
                                                            : tr("Skills due now: %1").arg(m_due));
    for (auto &[family, box] : m_groups)
        static_cast<QGroupBox *>(box)->setTitle(familyName(family, m_language));
    for (auto &[type, button] : m_buttons)
        button->setText(exerciseInfo(type)->name(m_language));
    m_languageLabel->setText(tr("Language:"));
    m_baseLabel->setText(tr("Installation:"));
    m_browse->setText(tr("Change …"));
}

} // namespace orvik3::trainer
