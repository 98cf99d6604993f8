#include "view/SolutionBox.h"

#include <QLabel>
#include <QVBoxLayout>

namespace orvik3::trainer {

SolutionBox::SolutionBox(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("solutionBox"));
    setFrameShape(QFrame::StyledPanel);
    setStyleSheet(QStringLiteral("#solutionBox { background: #fffbe6; border: 1px solid #c9a227; }"));
    auto *column = new QVBoxLayout(this);
    m_title = new QLabel(this);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_body = new QLabel(this);
    m_body->setWordWrap(true);
    m_body->setTextFormat(Qt::RichText);
    m_body->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // No maximum width: a layout asks a wrapping label for its height at the width it offers,
    // not at a narrower maximum, and the last lines would be cut off. The column is as wide
    // as the panel above it, which keeps the lines short enough.
    column->addWidget(m_title);
    column->addWidget(m_body);
    hide();
}

void SolutionBox::show(const Explanation &e)
{
    m_shown = e;
    m_title->setText(tr("Solution"));
    m_body->setAccessibleDescription(tr("The right answers of the question, each with how it is found"));
    QString html = QStringLiteral("<ul style='margin-left:-20px'>");
    for (qsizetype k = 0; k < e.answers.size(); ++k) {
        const QString why = e.whys.value(k);
        html += why.isEmpty() ? QStringLiteral("<li>%1</li>").arg(e.answers[k].toHtmlEscaped())
                              : QStringLiteral("<li>%1<br><i>%2</i></li>").arg(e.answers[k].toHtmlEscaped(), why.toHtmlEscaped());
    }
    html += QStringLiteral("</ul>");
    if (!e.working.isEmpty())
        html += QStringLiteral("<p style='font-family:monospace'>%1</p>")
                    .arg(e.working.join(QStringLiteral("\n")).toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")));
    if (!e.reason.isEmpty())
        html += QStringLiteral("<p><b>%1</b> %2</p>").arg(tr("Why:"), e.reason.toHtmlEscaped());
    m_body->setText(html);
    QFrame::show();
}

QString SolutionBox::plainText() const
{
    QStringList lines;
    for (qsizetype k = 0; k < m_shown.answers.size(); ++k)
        lines << (m_shown.whys.value(k).isEmpty() ? m_shown.answers[k] : m_shown.answers[k] + u'\n' + m_shown.whys[k]);
    lines += m_shown.working;
    if (!m_shown.reason.isEmpty())
        lines << m_shown.reason;
    return lines.join(QLatin1Char('\n'));
}

} // namespace orvik3::trainer
