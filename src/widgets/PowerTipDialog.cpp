#include <orvik3/PowerTipDialog.h>

#include <orvik3/Error.h>

#include "platform/BoundedFile.h"
#include "platform/VisibleText.h"
#include "widgets/rtf/RtfReader.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
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

void PowerTipDialog::setFileName(const QString &path)
{
    const QByteArray bytes = BoundedFile::readOrThrow(path, limits::kPowerTips);
    QString why;
    if (!RtfReader::read(bytes, m_viewer->document(), &why))
        throw Error(ErrorKind::FileFailure, tr("the power tips %1 are not readable rich text: %2").arg(visibleText(path), why));
    m_fileName = path;
}

void PowerTipDialog::load()
{
    ensurePolished();
}

void PowerTipDialog::show(int style)
{
    if (style == 1) {
        exec(); // returns when the trainee closes the window
        return;
    }
    QDialog::show();
}

} // namespace orvik3
