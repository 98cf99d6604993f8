// The power-tip window behind LoadPowerTip: it loads pwr.rtf of the base path, shows it
// modally and returns when the trainee closes it; a file it cannot show is an error.
#include "support/TestHost.h"

#include <orvik3/PowerTipDialog.h>
#include <orvik3/QAformWidget.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <sys/stat.h>

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
        // Looked for every few milliseconds: the window waits for its document a moment.
        QTimer::singleShot(10, &context, [this, tries] {
            auto *dialog = qobject_cast<PowerTipDialog *>(QApplication::activeModalWidget());
            if (!dialog || dialog->building()) {
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

// The largest tips the reader takes are built off the window thread: the first event after
// F1 finds the document still being built, and the window comes up with all of it.
TEST_F(PowerTips, LargestTipsLeaveTheWindowThreadInItsEventLoop)
{
    QByteArray rtf = "{\\rtf1 {\\fs40 Tipps}\\par ";
    for (int p = 0; p < 4990; ++p)
        rtf += (p % 2 ? "\\b Kurs\\b0 " : "{\\i Peilung} ") + QByteArray(30, 'x') + "\\par ";
    host.writeFile(QStringLiteral("pwr.rtf"), rtf + "Ende.}");
    host.form().setC_MainAppPath(host.base());
    std::optional<bool> buildingAtFirstEvent;
    QObject scope;
    QTimer::singleShot(0, &scope, [&] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *d = qobject_cast<PowerTipDialog *>(w))
                buildingAtFirstEvent = d->building();
    });
    QString shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &scope, [&] {
        if (auto *d = qobject_cast<PowerTipDialog *>(QApplication::activeModalWidget()); d && !d->building()) {
            shown = d->richTextBox()->toPlainText();
            d->reject();
        }
    });
    poll.start(10);
    host.form().LoadPowerTip();
    EXPECT_EQ(buildingAtFirstEvent, std::optional<bool>(true));
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Tipps")) && shown.endsWith(QStringLiteral("Ende."))) << qPrintable(shown.left(80));
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

// What an installation can hold instead of pwr.rtf: the error comes at once, names the file
// and the reason, and no window comes up. The bounded reader's other refusals are in the
// table of hostile files.
struct HostileTips {
    const char *name;
    std::function<bool(const QString &path)> make;
    const char *said;
};

bool writeTips(const QString &path, const char *unit, int times)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write("{\\rtf1 " + QByteArray(unit).repeated(times) + "}") > 0;
}

void PrintTo(const HostileTips &r, std::ostream *os) { *os << r.name; }

const HostileTips kHostileTips[] = {
    {"fifo", [](const QString &p) { return ::mkfifo(QFile::encodeName(p).constData(), 0644) == 0; }, "pipe"},
    {"empty", [](const QString &p) { QFile f(p); return f.open(QIODevice::WriteOnly); }, "rich text"},
    // Within the byte limit, but a document no window could lay out in time.
    {"only_paragraph_marks", [](const QString &p) { return writeTips(p, "\\par ", 1600000); }, "5000 paragraphs"},
    {"one_long_paragraph", [](const QString &p) { return writeTips(p, "x", 7000000); }, "200000 characters"},
};

class PowerTipFile : public PowerTips, public ::testing::WithParamInterface<HostileTips>
{
};

TEST_P(PowerTipFile, RefusedAtOnceWithTheReason)
{
    const QString path = host.base() + QStringLiteral("/pwr.rtf");
    ASSERT_TRUE(GetParam().make(path));
    host.form().setC_MainAppPath(host.base());
    Closer closer;
    closer.arm(2);
    QElapsedTimer clock;
    clock.start();
    try {
        host.form().LoadPowerTip();
        ADD_FAILURE() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(e.kind(), ErrorKind::FileFailure);
        EXPECT_TRUE(e.message().contains(QStringLiteral("pwr.rtf"))) << qPrintable(e.message());
        EXPECT_TRUE(e.message().contains(QLatin1String(GetParam().said))) << qPrintable(e.message());
        EXPECT_EQ(e.message().count(QStringLiteral("file failure")), 1) << qPrintable(e.message());
    }
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_FALSE(closer.shown);
}

INSTANTIATE_TEST_SUITE_P(Files, PowerTipFile, ::testing::ValuesIn(kHostileTips),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
