#include <orvik3/PowerTipDialog.h>

#include <orvik3/Error.h>

#include "platform/BoundedFile.h"
#include "platform/VisibleText.h"
#include "widgets/rtf/RtfReader.h"

#include <QDialogButtonBox>
#include <QEventLoop>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

namespace orvik3 {

PowerTipDialog::PowerTipDialog(QWidget *parent)
    : QDialog(parent)
    , m_viewer(new QTextBrowser(this))
{
    setWindowTitle(tr("Power Tips"));
    m_viewer->setObjectName(QStringLiteral("RichTextBox1"));
    m_viewer->setOpenLinks(false);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_viewer);
    layout->addWidget(buttons);
    resize(640, 480);
}

PowerTipDialog::~PowerTipDialog()
{
    if (m_builder.joinable())
        m_builder.join();
}

void PowerTipDialog::setFileName(const QString &path)
{
    const QByteArray bytes = BoundedFile::readOrThrow(path, limits::kPowerTips);
    if (m_builder.joinable())
        m_builder.join();
    m_fileName = path;
    m_failure.clear();
    m_viewer->setPlainText(tr("Loading the power tips …"));
    // Building the largest document the reader takes costs the window thread a noticeable
    // moment: it is built here and moved to the window's thread when done.
    m_builder = std::thread([this, bytes, target = thread()] {
        auto document = std::make_unique<QTextDocument>();
        QString why;
        if (!RtfReader::read(bytes, document.get(), &why))
            document.reset();
        else
            document->moveToThread(target);
        {
            const std::lock_guard lock(m_mutex);
            m_document = std::move(document);
            m_why = why;
        }
        QMetaObject::invokeMethod(this, &PowerTipDialog::built, Qt::QueuedConnection);
    });
}

void PowerTipDialog::built()
{
    if (!m_builder.joinable())
        return;
    m_builder.join();
    std::unique_ptr<QTextDocument> document;
    {
        const std::lock_guard lock(m_mutex);
        document = std::move(m_document);
        if (!document)
            m_failure = tr("the power tips %1 are not readable rich text: %2").arg(visibleText(m_fileName), m_why);
    }
    if (document) {
        document->setParent(m_viewer);
        m_viewer->setDocument(document.release());
        documentShown();
    } else {
        m_viewer->setPlainText(m_failure);
        if (isVisible())
            reject();
    }
    emit documentBuilt();
}

void PowerTipDialog::load()
{
    ensurePolished();
}

void PowerTipDialog::raiseFailure()
{
    if (!m_failure.isEmpty())
        throw Error(ErrorKind::FileFailure, m_failure);
}

void PowerTipDialog::show(int style)
{
    if (style == 1 && building()) {
        // The window thread handles its events meanwhile; the trainee's input waits.
        QEventLoop loop;
        connect(this, &PowerTipDialog::documentBuilt, &loop, &QEventLoop::quit);
        QTimer::singleShot(kLoadingGraceMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    raiseFailure();
    if (style == 1) {
        exec(); // returns when the trainee closes the window
        raiseFailure();
        return;
    }
    QDialog::show();
}

} // namespace orvik3
