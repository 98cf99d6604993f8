#include "view/SummaryPage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace orvik3::trainer {

namespace {

QString clock(qint64 millis)
{
    const qint64 s = (millis + 500) / 1000;
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

SummaryPage::SummaryPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("summaryPage"));
    auto *column = new QVBoxLayout(this);
    m_heading = new QLabel(this);
    m_heading->setTextFormat(Qt::PlainText);
    m_heading->setObjectName(QStringLiteral("summaryHeading"));
    QFont big = m_heading->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    m_heading->setFont(big);
    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("summaryTable"));
    m_table->setColumnCount(5);
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_table->setWordWrap(true);
    m_weakest = new QLabel(this);
    m_weakest->setTextFormat(Qt::PlainText);
    m_weakest->setObjectName(QStringLiteral("summaryWeakest"));
    m_weakest->setWordWrap(true);
    m_again = new QPushButton(this);
    m_again->setObjectName(QStringLiteral("summaryAgain"));
    m_mistakes = new QPushButton(this);
    m_mistakes->setObjectName(QStringLiteral("summaryMistakes"));
    m_next = new QPushButton(this);
    m_next->setObjectName(QStringLiteral("summaryNext"));
    m_mistakesSaid = new QLabel(this);
    m_mistakesSaid->setObjectName(QStringLiteral("summaryMistakesSaid"));
    m_mistakesSaid->setWordWrap(true);
    for (QPushButton *b : {m_again, m_mistakes, m_next})
        b->setAutoDefault(true); // Enter presses the button in focus
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_again);
    buttons->addWidget(m_mistakes);
    buttons->addWidget(m_next);
    buttons->addStretch();
    column->addWidget(m_heading);
    column->addWidget(m_table, 1);
    column->addWidget(m_weakest);
    column->addWidget(m_mistakesSaid);
    column->addLayout(buttons);
    connect(m_again, &QPushButton::clicked, this, &SummaryPage::againWanted);
    connect(m_mistakes, &QPushButton::clicked, this, &SummaryPage::mistakesWanted);
    connect(m_next, &QPushButton::clicked, this, &SummaryPage::nextExerciseWanted);
}

void SummaryPage::show(const LearningSession &session, const QString &exerciseName, const ExerciseStats &stats,
                       const std::function<QString(int)> &brief)
{
    m_heading->setText(tr("%1: %2 of %3 right at the first try, %4 min:s")
                           .arg(exerciseName)
                           .arg(session.rightCount())
                           .arg(session.setSize())
                           .arg(clock(session.totalMillis())));
    m_table->setHorizontalHeaderLabels({tr("Question"), tr("Situation"), tr("Result"), tr("Tries"), tr("Time")});
    const auto &results = session.results();
    m_table->setRowCount(int(results.size()));
    for (int row = 0; row < int(results.size()); ++row) {
        const LearningSession::Result &r = results[row];
        // A mark beside the word, so that the colour is not all that tells them apart.
        const QString verdict = r.tries == 0 ? tr("– skipped")
                              : r.firstRight ? tr("✓ right")
                              : r.right      ? tr("✓ right after a repeat")
                                             : tr("✗ wrong");
        auto *item = new QTableWidgetItem(verdict);
        item->setForeground(r.firstRight ? QColor(0, 120, 0) : QColor(170, 0, 0));
        m_table->setItem(row, 0, new QTableWidgetItem(QString::number(r.question + 1)));
        m_table->setItem(row, 1, new QTableWidgetItem(brief ? brief(r.question) : QString()));
        m_table->setItem(row, 2, item);
        m_table->setItem(row, 3, new QTableWidgetItem(QString::number(r.tries)));
        m_table->setItem(row, 4, new QTableWidgetItem(clock(r.millis)));
    }
    QStringList weak;
    for (int q : weakestQuestions(stats, 5)) {
        const auto it = std::find_if(stats.questions.begin(), stats.questions.end(), [q](const QuestionStats &s) { return s.question == q; });
        weak << tr("question %1 (%2% right of %3)").arg(q + 1).arg(std::lround(it->rightPercent())).arg(it->attempts);
    }
    m_weakest->setText(weak.isEmpty() ? tr("Weakest questions: none so far.")
                                      : tr("Weakest questions: %1.").arg(weak.join(QStringLiteral(", "))));
    m_again->setText(tr("Again"));
    m_mistakes->setText(tr("Only my mistakes"));
    const std::vector<int> mistakes = session.mistakes();
    QStringList numbers;
    for (int q : mistakes)
        numbers << QString::number(q + 1);
    m_mistakesSaid->setText(mistakes.empty()
                                ? tr("No mistakes in this set: none left to practise again.")
                                : tr("“Only my mistakes” asks again the questions of this set not right at the first try: %1.")
                                      .arg(numbers.join(QStringLiteral(", "))));
    m_mistakes->setEnabled(!mistakes.empty());
    m_mistakes->setAccessibleDescription(m_mistakesSaid->text());
    m_next->setText(tr("Next exercise"));
    QWidget::show();
}

void SummaryPage::setNote(const QString &note)
{
    m_weakest->setText(note);
    m_mistakes->setEnabled(false);
}

} // namespace orvik3::trainer
