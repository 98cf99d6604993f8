#pragma once

#include <orvik3/PowerTipWindow.h>

#include <QDialog>

class QTextBrowser;

namespace orvik3 {

// The power-tip window: a rich-text viewer that loads the tips document when its file name is
// set, shown modally by LoadPowerTip. A missing, unreadable or malformed file raises
// Error(FileFailure) from setFileName.
class PowerTipDialog : public QDialog, public PowerTipWindow
{
    Q_OBJECT
public:
    explicit PowerTipDialog(QWidget *parent = nullptr);

    void setFileName(const QString &path) override;
    void load() override;
    void show(int style) override;
    using QDialog::show;

    QString fileName() const { return m_fileName; }
    QTextBrowser *richTextBox() const { return m_viewer; }

private:
    QTextBrowser *m_viewer;
    QString m_fileName;
};

} // namespace orvik3
