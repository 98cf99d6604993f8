// The power-tip window behind LoadPowerTip: it loads pwr.rtf of the base path, shows it
// modally and returns when the trainee closes it; a file it cannot show is an error.
#include "support/TestHost.h"

#include <orvik3/PowerTipDialog.h>
#include <orvik3/QAformWidget.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

using namespace orvik3;
using orvik3::test::TestHost;

namespace {

// Closes the modal dialog once it is up, and remembers what it showed. Its timers die with it.
struct Closer {
    QObject context;
    bool shown = false;
    QString text;
    void arm(int tries = 200)
    {
        QTimer::singleShot(0, &context, [this, tries] {
            auto *dialog = qobject_cast<PowerTipDialog *>(QApplication::activeModalWidget());
            if (!dialog) {
                if (tries > 0)
                    arm(tries - 1); // not up yet
                return;
            }
            shown = true;
            text = dialog->findChild<QTextBrowser *>(QStringLiteral("RichTextBox1"))->toPlainText();
            dialog->reject();
        });
    }
};

class PowerTips : public ::testing::Test
{
protected:
    void SetUp() override { QAformWidget::registerPowerTipWindow(); }
    TestHost host;
};

TEST_F(PowerTips, ShowsTheDocumentModallyAndReturnsWhenClosed)
{
    host.writeFile(QStringLiteral("pwr.rtf"), "{\\rtf1\\ansi Tipp: {\\b Kurs} halten.\\par}");
    for (const QString &base : {host.base(), host.base() + u'/'}) {
        host.form().setC_MainAppPath(base);
        Closer closer;
        closer.arm();
        host.form().LoadPowerTip();
        EXPECT_TRUE(closer.shown) << "returned before the window was closed";
        EXPECT_EQ(closer.text.trimmed(), QStringLiteral("Tipp: Kurs halten."));
    }
}

// A missing or malformed file is a file error and shows nothing; the widget reports it instead.
TEST_F(PowerTips, MissingOrMalformedFileIsAFileError)
{
    host.form().setC_MainAppPath(host.base());
    Closer closer;
    closer.arm(); // in case a window came up after all
    try {
        host.form().LoadPowerTip();
        ADD_FAILURE() << "no error for a missing file";
    } catch (const Error &e) {
        EXPECT_EQ(e.kind(), ErrorKind::FileFailure);
        EXPECT_TRUE(e.message().contains(QStringLiteral("pwr.rtf")));
    }
    host.writeFile(QStringLiteral("pwr.rtf"), "{\\rtf1 unclosed");
    EXPECT_THROW(host.form().LoadPowerTip(), Error);
    EXPECT_FALSE(closer.shown);

    QAformWidget panel(host.form());
    QSignalSpy failed(&panel, &QAformWidget::handlerFailed);
    panel.showPowerTips();
    ASSERT_EQ(failed.count(), 1);
    EXPECT_TRUE(failed.at(0).at(0).toString().contains(QStringLiteral("pwr.rtf")));
}

} // namespace
