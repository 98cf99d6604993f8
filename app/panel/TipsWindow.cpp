#include "panel/TipsWindow.h"

#include <orvik3/Paths.h>

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>

namespace orvik3::trainer {

TipsWindow::TipsWindow(const QString &installation, Language language, QWidget *parent)
    : PowerTipDialog(parent), m_installation(installation), m_language(language)
{
}

void TipsWindow::setFileName(const QString &path)
{
    PowerTipDialog::setFileName(m_installation.isEmpty() ? path : paths::join(m_installation, QStringLiteral("pwr.rtf")));
}

void TipsWindow::documentShown()
{
    QTextBrowser *box = richTextBox();
    QTextDocument *doc = box->document();
    // Section headings: the blocks set in the largest type.
    qreal largest = 0;
    std::vector<QTextBlock> headings;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        if (b.text().trimmed().isEmpty())
            continue;
        const qreal size = QTextCursor(b).charFormat().fontPointSize();
        if (size > largest + 0.1)
            largest = size, headings.clear();
        if (size > largest - 0.1)
            headings.push_back(b);
    }
    const std::size_t section = m_language == Language::English ? 1 : 0;
    QTextCursor at(doc);
    if (section < headings.size() && largest > 0)
        at = QTextCursor(headings[section]);
    box->setTextCursor(at);
    // Scrolled once the window is laid out (it may be shown modally right after this).
    QMetaObject::invokeMethod(this, [box, block = at.block()] {
        const QRectF where = block.position() > 0 ? box->document()->documentLayout()->blockBoundingRect(block) : QRectF();
        box->verticalScrollBar()->setValue(int(where.top()));
    }, Qt::QueuedConnection);
}

} // namespace orvik3::trainer
