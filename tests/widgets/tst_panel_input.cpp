// Real mouse and key events on the panel reach the control's handlers, and the control, not
// Qt, decides what the widgets show. Assertions are on the model's reaction (selection state,
// answer flags, host signals), so that they hold whatever the family's marking does.
#include "PanelScenes.h"

#include <orvik3/QAformWidget.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace orvik3;
using namespace orvik3::test;

namespace {

class PanelInput : public ::testing::Test
{
protected:
    void show(qint16 type)
    {
        for (const Scene &s : kScenes)
            if (s.type == type)
                showQuestion(host, s);
        panel = std::make_unique<QAformWidget>(host.form());
        panel->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
        panel->activateWindow();
        acted = std::make_unique<QSignalSpy>(panel.get(), &QAformWidget::userActed);
        failed = std::make_unique<QSignalSpy>(panel.get(), &QAformWidget::handlerFailed);
    }
    QWidget *w(const char *name) { return panel->widgetFor(QLatin1String(name)); }
    template <typename T> T *as(const char *name) { return qobject_cast<T *>(w(name)); }
    void click(const char *name)
    {
        QWidget *widget = w(name);
        ASSERT_TRUE(widget && widget->isVisible()) << name;
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
    }
    // An option the trainee clicked is either still chosen or its row has been marked.
    bool answered(const char *option, int row) { return host.ctl(QLatin1String(option)).isSelected() || host.form().partDone(row); }

    TestHost host;
    std::unique_ptr<QAformWidget> panel;
    std::unique_ptr<QSignalSpy> acted, failed;
};

TEST_F(PanelInput, TypeWrittenThroughTheWidgetShowsOnlyThatFamily)
{
    show(1);
    for (const Scene &s : kScenes) {
        showQuestion(host, s); // study file in place; the widget write selects
        panel->setC_QAtype(s.type);
        for (const Scene &other : kScenes)
            EXPECT_EQ(w(other.frame)->isVisible(), other.type == s.type) << s.family << " shows " << other.frame;
    }
    EXPECT_EQ(failed->count(), 0);
    EXPECT_EQ(acted->count(), 0); // host writes are not trainee actions
}

TEST_F(PanelInput, PositionListChoiceReachesTheModelAndResetsShowAtOnce)
{
    show(1);
    auto *combo = as<QComboBox>("Combo1");
    ASSERT_EQ(combo->count(), host.ctl(QStringLiteral("Combo1")).listCount());
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(host.ctl(QStringLiteral("Combo1")).listIndex(), 1);
    EXPECT_EQ(acted->count(), 1);

    // The next question resets the list in the model; the widget follows without acting.
    host.form().DisplayQuestion();
    EXPECT_EQ(combo->currentIndex(), host.ctl(QStringLiteral("Combo1")).listIndex());
    EXPECT_EQ(acted->count(), 1);
}

TEST_F(PanelInput, HoldingOptionClickAndFlyingOnEnter)
{
    show(3);
    click("Option11");
    EXPECT_TRUE(answered("Option11", 1));
    EXPECT_EQ(as<QRadioButton>("Option11")->isChecked(), host.ctl(QStringLiteral("Option11")).isSelected());

    // "Selber Fliegen" by keyboard: the panel shrinks at once.
    w("Command26")->setFocus();
    QTest::keyClick(w("Command26"), Qt::Key_Return);
    EXPECT_EQ(host.form().c_QAFly(), 2);
    EXPECT_EQ(host.form().c_TrackDelta(), 3);
    EXPECT_EQ(host.form().c_showResult(), 4);
    EXPECT_EQ(w("Frame2")->height(), panel->toPixels(15 + 1100) - panel->toPixels(15));

    // The host gives the panel back.
    panel->setC_QAFly(-2);
    EXPECT_EQ(w("Frame2")->height(), panel->toPixels(15 + 4250) - panel->toPixels(15));
    EXPECT_EQ(failed->count(), 0);
}

TEST_F(PanelInput, TheModelNotQtDecidesWhatIsChecked)
{
    show(3);
    // A handler that takes the choice back at once (as marking does when it locks a row):
    // Qt's own check mark must not stay behind.
    FormControl &option = host.ctl(QStringLiteral("Option12"));
    option.onClick([&option] { option.setValue(0); });
    click("Option12");
    EXPECT_FALSE(option.isSelected());
    EXPECT_FALSE(as<QRadioButton>("Option12")->isChecked());
    EXPECT_EQ(acted->count(), 1);
}

TEST_F(PanelInput, AdfOptionClickAndCancelByKeyboard)
{
    show(5);
    click("Option22");
    EXPECT_TRUE(answered("Option22", 1));
    w("Command5")->setFocus();
    QTest::keyClick(w("Command5"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(host.form().c_QAtype(), 0);
}

TEST_F(PanelInput, ArrowsMoveAlongARowWithoutAnswering)
{
    show(6);
    completeCaptions(host, kScenes[3]);
    w("Option50")->setFocus();
    QTest::keyClick(w("Option50"), Qt::Key_Right);
    EXPECT_TRUE(w("Option49")->hasFocus());
    QTest::keyClick(w("Option49"), Qt::Key_Left);
    QTest::keyClick(w("Option50"), Qt::Key_Left); // wraps to the row's end
    EXPECT_TRUE(w("Option46")->hasFocus());
    EXPECT_EQ(acted->count(), 0);
    for (const char *o : {"Option50", "Option49", "Option48", "Option46"})
        EXPECT_FALSE(host.ctl(QLatin1String(o)).isSelected());

    QTest::keyClick(w("Option46"), Qt::Key_Space);
    EXPECT_TRUE(answered("Option46", 1));
    EXPECT_EQ(acted->count(), 1);

    click("Command15");
    EXPECT_EQ(host.form().c_QAFly(), 3);
}

TEST_F(PanelInput, WindTypingReachesTheModel)
{
    show(8);
    auto *box = as<QLineEdit>("Text4");
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("12"));
    EXPECT_EQ(host.ctl(QStringLiteral("Text4")).text(), QStringLiteral("12"));
    EXPECT_EQ(acted->count(), 2);
    click("Command14");
    EXPECT_EQ(host.form().c_QAFly(), 4);
}

TEST_F(PanelInput, TabGoesRowByRowThenToTheButtons)
{
    show(3);
    completeCaptions(host, kScenes[1]);
    w("Option11")->setFocus();
    const char *expected[] = {"Option12", "Option13", "Option1", "Option2", "Option3", "Option4", "Option5",
                              "Option6",  "Option7",  "Option8", "Option9", "Option10", "Option14", "Option16",
                              "Option15", "Command27", "Command26", "Check2", "Command28", "Command4"};
    for (const char *next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), w(next)) << "expected " << next << ", got "
                                                        << qPrintable(QApplication::focusWidget()->objectName());
    }
}

TEST_F(PanelInput, AccessibleNamesJoinRowPromptAndCaption)
{
    show(8);
    completeCaptions(host, kScenes[4]);
    EXPECT_EQ(w("Option47")->accessibleName(), QStringLiteral("Head or Tail Wind, Head"));
    EXPECT_EQ(w("Text4")->accessibleName(), QStringLiteral("Head or Tail Wind"));
    EXPECT_EQ(w("Text8")->accessibleName(), QStringLiteral("Time"));
    EXPECT_EQ(w("Command12")->accessibleName(), QStringLiteral("Weiter"));
    host.select(3);
    EXPECT_EQ(w("Option11")->accessibleName(), QStringLiteral("Entry, Direct"));
    host.select(1);
    EXPECT_EQ(w("Combo2")->accessibleName(), host.ctl(QStringLiteral("Text2")).text());
}

TEST_F(PanelInput, FailingHandlerIsReportedAndThePanelStaysUsable)
{
    show(3);
    host.ctl(QStringLiteral("Command27")).onClick([] { throw Error(ErrorKind::Overflow, QStringLiteral("too far")); });
    host.ctl(QStringLiteral("Command28")).onClick([] { throw std::runtime_error("broken"); });
    click("Command27");
    ASSERT_EQ(failed->count(), 1);
    EXPECT_TRUE(failed->at(0).at(0).toString().contains(QStringLiteral("too far")));
    click("Command28");
    ASSERT_EQ(failed->count(), 2);
    EXPECT_TRUE(failed->at(1).at(0).toString().contains(QStringLiteral("broken")));
    EXPECT_EQ(acted->count(), 2);

    click("Command4"); // still works
    EXPECT_EQ(host.form().c_QAtype(), 0);
}

TEST_F(PanelInput, HostWritesShowAtOnceAndTheirFailuresAreReported)
{
    show(6);
    panel->setC_smallFrame(true);
    EXPECT_EQ(w("Frame20")->height(), panel->toPixels(-15 + 1100) - panel->toPixels(-15));
    EXPECT_EQ(w("Frame1")->height(), panel->toPixels(15 + 4200) - panel->toPixels(15));
    EXPECT_EQ(panel->size(), QSize(panel->toPixels(7950), panel->toPixels(4250)));
    EXPECT_EQ(failed->count(), 0);

    // The host's own change notification fails: reported, never thrown into the caller.
    QObject::connect(&host.form(), &QAform::c_TrackDeltaChanged, panel.get(),
                     [] { throw Error(ErrorKind::ControlFailure, QStringLiteral("notice refused")); });
    EXPECT_NO_THROW(panel->setC_TrackDelta(5));
    ASSERT_EQ(failed->count(), 1);
    EXPECT_TRUE(failed->at(0).at(0).toString().contains(QStringLiteral("notice refused")));
}

} // namespace
