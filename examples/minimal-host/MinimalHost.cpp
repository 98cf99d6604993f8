#include "MinimalHost.h"

#include <orvik3/QAformWidget.h>

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char *const kTypes[] = {
    "Position (HSI)",         "Position (VOR)",      "Holding (HSI)",       "Holding (DG)",
    "ADF position",           "QDM interception",    "QDR interception",    "Wind",
    "DME arc",                "QDM/QDR orientation", "ADF position (RB)",   "QDM interception (RB)",
    "QDR interception (RB)",  "Holding (DG, RB)",
};
} // namespace

MinimalHost::MinimalHost(const QString &basePath, QWidget *parent)
    : QWidget(parent)
    , m_panel(new orvik3::QAformWidget(this))
    , m_base(new QLineEdit(basePath, this))
    , m_type(new QComboBox(this))
    , m_giveBack(new QPushButton(tr("Give the panel back"), this))
    , m_status(new QLabel(this))
{
    setWindowTitle(tr("Orvik3 minimal host"));
    for (int i = 0; i < 14; ++i)
        m_type->addItem(QStringLiteral("%1  %2").arg(i + 1).arg(QLatin1String(kTypes[i])), i + 1);
    auto *browse = new QPushButton(tr("Browse…"), this);
    auto *startButton = new QPushButton(tr("Start"), this);
    auto *tips = new QPushButton(tr("Power tips"), this);
    m_giveBack->setEnabled(false);
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Base path:"), this));
    top->addWidget(m_base, 1);
    top->addWidget(browse);
    auto *choose = new QHBoxLayout;
    choose->addWidget(new QLabel(tr("Exercise:"), this));
    choose->addWidget(m_type, 1);
    choose->addWidget(startButton);
    choose->addWidget(tips);
    choose->addWidget(m_giveBack);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(choose);
    layout->addWidget(m_panel, 0, Qt::AlignLeft);
    layout->addWidget(m_status);
    layout->addStretch(1);

    connect(browse, &QPushButton::clicked, this, [this] {
        const QString dir = QFileDialog::getExistingDirectory(this, tr("Base path"), m_base->text());
        if (!dir.isEmpty())
            m_base->setText(dir);
    });
    connect(startButton, &QPushButton::clicked, this, [this] { start(m_type->currentData().toInt()); });
    connect(tips, &QPushButton::clicked, this, [this] {
        m_panel->setC_MainAppPath(m_base->text());
        m_panel->showPowerTips();
    });
    connect(m_giveBack, &QPushButton::clicked, this, &MinimalHost::giveBack);
    connect(m_panel, &orvik3::QAformWidget::userActed, this, &MinimalHost::readBack);
    connect(m_panel, &orvik3::QAformWidget::handlerFailed, this,
            [this](const QString &message) { m_status->setText(tr("Error: %1").arg(message)); });
}

void MinimalHost::start(int type)
{
    m_type->setCurrentIndex(m_type->findData(type));
    m_panel->setC_MainAppPath(m_base->text());
    m_panel->setC_QAtype(qint16(type));
    readBack();
}

void MinimalHost::readBack()
{
    // The control raises no events: a host learns what happened from its properties.
    const orvik3::QAform &c = m_panel->control();
    if (c.c_QAtype() == 0) {
        m_status->setText(tr("The trainee ended the exercise."));
        return;
    }
    m_giveBack->setEnabled(c.c_QAFly() > 0);
    m_status->setText(tr("Session: %1\nshowResult %2, QAFly %3, TrackDelta %4")
                          .arg(c.c_QASessionFileName())
                          .arg(c.c_showResult())
                          .arg(c.c_QAFly())
                          .arg(c.c_TrackDelta()));
}

void MinimalHost::giveBack()
{
    // A real host lets the trainee fly first; the negative code restores the panel.
    m_panel->setC_QAFly(qint16(-m_panel->c_QAFly()));
    m_panel->setC_showResult(0);
    m_giveBack->setEnabled(false);
    readBack();
}
