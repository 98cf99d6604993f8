#pragma once

#include <orvik3/PowerTipWindow.h>

#include <QDialog>

#include <memory>
#include <mutex>
#include <thread>

class QTextBrowser;
class QTextDocument;

namespace orvik3 {

// The power-tip window: a rich-text viewer that loads the tips document when its file name is
// set, shown modally by LoadPowerTip. A missing or unreadable file raises Error(FileFailure)
// from setFileName; the document is built on a thread of its own, so that the window thread
// stays in its event loop meanwhile, and a file that is no readable rich text raises it from
// show.
class PowerTipDialog : public QDialog, public PowerTipWindow
{
    Q_OBJECT
public:
    explicit PowerTipDialog(QWidget *parent = nullptr);
    // Waits for a document still being built (its size is bounded).
    ~PowerTipDialog() override;

    void setFileName(const QString &path) override;
    void load() override;
    // Modal (style 1): when the document is built within a moment the window comes up with
    // it, or the error is raised without a window; else the window comes up saying that it is
    // loading, and goes again on an error, which is then raised.
    void show(int style) override;
    using QDialog::show;

    QString fileName() const { return m_fileName; }
    QTextBrowser *richTextBox() const { return m_viewer; }
    bool building() const { return m_builder.joinable(); }

    // How long the window waits for the document before it comes up saying that it loads.
    static constexpr int kLoadingGraceMs = 300;

signals:
    void documentBuilt();

protected:
    // The built document is in the viewer: where a window of the tips puts the cursor.
    virtual void documentShown() {}

private:
    void built();
    void raiseFailure();

    QTextBrowser *m_viewer;
    QString m_fileName;
    QString m_failure; // why the file is no readable rich text
    std::thread m_builder;
    std::mutex m_mutex; // the builder's results, until built() takes them
    std::unique_ptr<QTextDocument> m_document;
    QString m_why;
};

} // namespace orvik3
