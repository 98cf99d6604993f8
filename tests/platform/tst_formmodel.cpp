#include <orvik3/Error.h>
#include <orvik3/Form.h>

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace orvik3;

namespace {

// A frame with a row of three options, a list, a text box, a check box and a button, each
// handler counting its calls.
struct Panel {
    Form form;
    FormControl *frame, *row, *a, *b, *c, *list, *box, *check, *button, *outside;
    std::map<QString, int> calls;

    Panel()
    {
        frame = &form.add(ControlKind::Frame, QStringLiteral("Frame1"), nullptr, 0, 0, 1000, 1000);
        row = &form.add(ControlKind::Frame, QStringLiteral("Frame2"), frame, 0, 0, 900, 300);
        a = &form.add(ControlKind::OptionButton, QStringLiteral("OptionA"), row, 0, 0, 100, 100);
        b = &form.add(ControlKind::OptionButton, QStringLiteral("OptionB"), row, 100, 0, 100, 100);
        c = &form.add(ControlKind::OptionButton, QStringLiteral("OptionC"), row, 200, 0, 100, 100);
        outside = &form.add(ControlKind::OptionButton, QStringLiteral("OptionD"), frame, 0, 400, 100, 100);
        list = &form.add(ControlKind::ComboBox, QStringLiteral("Combo1"), frame, 0, 500, 100, 100);
        box = &form.add(ControlKind::TextBox, QStringLiteral("Text1"), frame, 0, 600, 100, 100);
        check = &form.add(ControlKind::CheckBox, QStringLiteral("Check1"), frame, 0, 700, 100, 100);
        button = &form.add(ControlKind::CommandButton, QStringLiteral("Command1"), frame, 0, 800, 100, 100);
        for (FormControl *ctl : form.controls()) {
            const QString name = ctl->name();
            ctl->onClick([this, name] { ++calls[name + QStringLiteral("_Click")]; });
            ctl->onChange([this, name] { ++calls[name + QStringLiteral("_Change")]; });
        }
        list->addItem(QStringLiteral("first"));
        list->addItem(QStringLiteral("second"));
    }
    int count(const char *handler) { return calls[QString::fromUtf8(handler)]; }
};

TEST(FormModel, SelectingAnOptionClicksItAndClearsItsGroupOnly)
{
    Panel p;
    p.outside->setValue(-1);
    EXPECT_EQ(p.count("OptionD_Click"), 1);
    p.a->setValue(-1);
    p.b->setValue(-1);
    EXPECT_FALSE(p.a->isSelected());
    EXPECT_EQ(p.b->value(), -1);
    EXPECT_TRUE(p.outside->isSelected()) << "another container is another group";
    EXPECT_EQ(p.count("OptionA_Click"), 1);
    EXPECT_EQ(p.count("OptionB_Click"), 1);
    p.b->setValue(-1); // already selected: it does not become selected, so no Click
    EXPECT_EQ(p.count("OptionB_Click"), 1);
    p.b->setValue(0); // deselecting runs no handler
    EXPECT_EQ(p.count("OptionB_Click"), 1);
    EXPECT_FALSE(p.b->isSelected());
}

TEST(FormModel, ListIndexRunsClickEveryTimeAndIsChecked)
{
    Panel p;
    p.list->setListIndex(0);
    p.list->setListIndex(0);
    EXPECT_EQ(p.count("Combo1_Click"), 2);
    EXPECT_EQ(p.list->text(), QStringLiteral("first"));
    EXPECT_THROW(p.list->setListIndex(2), Error);
    EXPECT_EQ(p.list->listIndex(), 0);
    p.list->clearList();
    EXPECT_EQ(p.list->listIndex(), -1);
    EXPECT_EQ(p.list->listCount(), 0);
}

TEST(FormModel, TextChangeRunsOnlyWhenTheTextChanges)
{
    Panel p;
    p.box->setText(QString());
    EXPECT_EQ(p.count("Text1_Change"), 0);
    p.box->setText(QStringLiteral("12"));
    p.box->setText(QStringLiteral("12"));
    EXPECT_EQ(p.count("Text1_Change"), 1);
}

TEST(FormModel, UserActionsReachOnlyVisibleEnabledControls)
{
    Panel p;
    EXPECT_TRUE(p.check->click());
    EXPECT_EQ(p.check->value(), 1);
    EXPECT_TRUE(p.check->click());
    EXPECT_EQ(p.check->value(), 0);
    EXPECT_EQ(p.count("Check1_Click"), 2);

    p.row->setVisible(false); // hiding the container hides its options
    EXPECT_FALSE(p.a->click());
    EXPECT_EQ(p.count("OptionA_Click"), 0);
    p.row->setVisible(true);
    p.a->setEnabled(false);
    EXPECT_FALSE(p.a->click());
    p.a->setEnabled(true);
    EXPECT_TRUE(p.a->click());
    EXPECT_EQ(p.count("OptionA_Click"), 1);

    EXPECT_TRUE(p.box->type(QStringLiteral("20")));
    EXPECT_EQ(p.box->text(), QStringLiteral("20"));
    p.box->setLocked(true);
    EXPECT_FALSE(p.box->type(QStringLiteral("30")));
    EXPECT_EQ(p.box->text(), QStringLiteral("20"));
    EXPECT_TRUE(p.list->choose(1));
    EXPECT_TRUE(p.button->click());
    EXPECT_EQ(p.count("Command1_Click"), 1);
    EXPECT_THROW(p.box->choose(0), Error);
}

TEST(FormModel, ChangesAreAnnouncedOnceAndNotWhenNothingChanges)
{
    Panel p;
    QSignalSpy spy(&p.form, &Form::changed);
    p.a->setCaption(QStringLiteral("Left"));
    p.a->setCaption(QStringLiteral("Left"));
    p.a->setForeColor(colors::green);
    p.a->setHeight(1100);
    EXPECT_EQ(spy.count(), 3);
    EXPECT_EQ(spy.at(0).at(1).value<ControlProperty>(), ControlProperty::Caption);
}

TEST(FormModel, NamesAreUniqueAndUnknownNamesRaise)
{
    Panel p;
    EXPECT_EQ(&p.form.control(QStringLiteral("OptionB")), p.b);
    EXPECT_EQ(p.b->container(), p.row);
    EXPECT_THROW(p.form.control(QStringLiteral("Option99")), Error);
    EXPECT_THROW(p.form.add(ControlKind::Label, QStringLiteral("OptionB"), p.frame, 0, 0, 1, 1), Error);
    EXPECT_THROW(p.form.add(ControlKind::Label, QStringLiteral("Label9"), p.a, 0, 0, 1, 1), Error)
        << "only frames contain controls";
    EXPECT_THROW(p.button->setText(QStringLiteral("x")), Error) << "a button has no Text";
}

} // namespace
