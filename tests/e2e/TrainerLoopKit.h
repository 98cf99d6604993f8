#pragma once

// The trainer driven by real input for the end-to-end tests: a copy of the sample installation,
// a right and a wrong answer found for a question, and the window clicked and typed at.
#include "MainWindow.h"
#include "panel/TrainerHost.h"
#include "view/ExercisePage.h"

#include <orvik3/ExerciseCatalog.h>

#include <orvik3/QAform.h>
#include <orvik3/QAformWidget.h>
#include <orvik3/SettingsStore.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace orvik3::trainer::test {

// A copy of the sample installation; with `records` > 0 every study file keeps only that many
// questions, so that a set ends soon.
void copyInstallation(const QString &to, int records);

enum class Input { Option, Combo, TypedOption };

struct Answer {
    Input input = Input::Option;
    QString control;   // option button or combo box
    int row = -1;      // combo entry
    QString box;       // text box typed into first
    QString typed;
    // Panels that shuffle their candidates do it with dice of their own, so an option is
    // found again by its caption within its frame.
    QString caption;
    QString frame;
};

// The first right (want = 1) or wrong (want = 0) answer of the question, tried on a probe of
// its own for every candidate, so that the trainer's counters stay untouched.
std::optional<Answer> findAnswer(const QString &base, int type, int question, int want);

// Where a trainee clicks: an option or a check box reacts only on its mark and caption, not
// on the empty rest of its width (a short caption such as "gleich" ends well left of the
// middle); anything else in its middle.
QPoint target(QWidget *w);
// How many parts of the question on show have been judged.
int partsDone(const QAform &form);

class Trainer
{
public:
    // `size`: the window's size; invalid: the size the window chooses itself.
    explicit Trainer(int records = 0, QSize size = {1500, 950})
    {
        copyInstallation(m_dir.filePath(QStringLiteral("base")), records);
        m_settings = std::make_unique<QSettings>(m_dir.filePath(QStringLiteral("trainer.ini")), QSettings::IniFormat);
        Services s;
        s.settings = std::make_shared<IniSettingsStore>(m_dir.filePath(QStringLiteral("store")));
        window = std::make_unique<MainWindow>(s, *m_settings, base());
        window->setScripted(true);
        if (size.isValid())
            window->resize(size);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        // Without a window manager focus may never be announced; the keys go to the window all the same.
        (void)QTest::qWaitForWindowActive(window.get(), 2000);
    }
    ~Trainer() { window.reset(); } // before the settings it keeps its geometry in
    QString base() const { return m_dir.filePath(QStringLiteral("base")); }
    ExercisePage &page() const { return window->exercisePage(); }
    QAform &form() const { return *window->host().control(); }
    QWidget *widget(const QString &name) const
    {
        auto *panel = qobject_cast<QAformWidget *>(window->panel());
        return panel ? panel->widgetFor(name) : nullptr;
    }
    void click(QWidget *w) const
    {
        ASSERT_TRUE(w && w->isVisible()) << "not on screen";
        QTest::mouseClick(w, Qt::LeftButton, {}, target(w));
        QApplication::processEvents();
    }
    void click(const QString &name) const { click(widget(name)); }
    void enter() const
    {
        QTest::keyClick(window.get(), Qt::Key_Return);
        QApplication::processEvents();
    }
    void answer(const Answer &a) const
    {
        if (a.input == Input::TypedOption) {
            click(a.box);
            QTest::keyClicks(widget(a.box), a.typed);
        }
        if (a.input == Input::TypedOption) {
            const int before = partsDone(form());
            click(a.control);
            ASSERT_GT(partsDone(form()), before) << "the click on " << qPrintable(a.control) << " was not judged";
            return;
        }
        if (a.input == Input::Option) {
            for (FormControl *c : form().form().controls()) {
                if (c->kind() == ControlKind::OptionButton && c->isReachable() && c->caption() == a.caption
                    && c->container() && c->container()->name() == a.frame) {
                    const int before = partsDone(form());
                    click(c->name());
                    // A click that missed would pass for a wrong answer further on.
                    ASSERT_GT(partsDone(form()), before) << "the click on " << qPrintable(a.caption) << " was not judged";
                    return;
                }
            }
            FAIL() << "no option " << qPrintable(a.caption) << " in " << qPrintable(a.frame);
        }
        auto *combo = qobject_cast<QComboBox *>(widget(a.control));
        ASSERT_TRUE(combo);
        click(combo);
        QAbstractItemView *view = combo->view();
        ASSERT_TRUE(QTest::qWaitFor([&] { return view->isVisible(); }, 2000)) << "the list did not open";
        const QModelIndex index = view->model()->index(a.row, 0);
        // Down the open list to the entry, then Return, as a trainee does with the keyboard.
        view->setFocus();
        for (int k = view->currentIndex().row(); k < a.row; ++k)
            QTest::keyClick(view, Qt::Key_Down);
        for (int k = view->currentIndex().row(); k > a.row; --k)
            QTest::keyClick(view, Qt::Key_Up);
        ASSERT_EQ(view->currentIndex().row(), a.row);
        QTest::keyClick(view, Qt::Key_Return);
        QApplication::processEvents();
    }
    QString stat(const QString &key) const
    {
        IniSettingsStore store(m_dir.filePath(QStringLiteral("store")));
        return store.read(QStringLiteral("avx1"), QStringLiteral("stats"), key);
    }

    std::unique_ptr<MainWindow> window;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<QSettings> m_settings;
};

inline const FamilyControls &controlsOf(int type) { return familyControls(exerciseType(qint16(type))->family); }

// With ORVIK3_LOOP_SHOTS set to a folder, the documentation's pictures are taken on the way.
bool takingShots();
void shot(MainWindow *w, const char *name);

} // namespace orvik3::trainer::test
