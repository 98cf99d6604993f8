// The shipped installation in the control itself: every exercise type loads its study file
// in both languages, names session files that exist and read, and stores answers that the
// control's own lists, captions and solver can match.

#include "control/QAformTestAccess_p.h"
#include "session/SessionFile.h"
#include "support/TestHost.h"

#include <orvik3/FormControl.h>
#include <orvik3/QAform.h>

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QRegularExpression>

using namespace orvik3;

namespace {

const QString kData = QStringLiteral(ORVIK3_DATA_DIR);

// The accepted alternatives of a position answer: one text, or "+first+second+".
QStringList alternatives(const QString &answer)
{
    if (!answer.startsWith(u'+'))
        return {answer};
    return answer.mid(1, answer.size() - 2).split(u'+');
}

void checkPosition(QAform &form, qint16 type, int q)
{
    const QStringList list1 = form.control("Combo1").listItems();
    const QStringList list3 = form.control("Combo3").listItems();
    const QString a1 = form.qaCol(13, q), a2 = form.qaCol(14, q), a3 = form.qaCol(15, q);
    if (type == 10) {
        EXPECT_TRUE(list1.contains(a1)) << a1.toStdString();
        EXPECT_TRUE(list1.contains(a2)) << a2.toStdString();
    } else {
        // Entries are the degrees as three digits, so the stored text must be one of them.
        EXPECT_GT(list1.indexOf(a1), 0) << a1.toStdString();
        EXPECT_GT(form.control("Combo2").listItems().indexOf(a2), 0) << a2.toStdString();
    }
    for (const QString &alt : alternatives(a3))
        EXPECT_TRUE(list3.contains(alt)) << "type " << type << " question " << q << ": " << alt.toStdString();
}

void checkAdf(QAform &form, int q)
{
    for (const auto &[answer, first] : {std::pair{13, 1}, {15, 5}, {17, 9}}) {
        QStringList captions;
        for (int c = first; c < first + 4; ++c)
            captions << form.qaCol(c, q);
        EXPECT_EQ(captions.count(form.qaCol(answer, q)), 1) << "question " << q;
    }
}

void checkHolding(QAform &form, int q)
{
    qint16 hdg = qint16(form.qaCol(13, q).toInt()), inbound = qint16(form.qaCol(14, q).toInt());
    qint16 outbound = -1, gate = -1, abeam = -1, first = -1;
    QString kind = form.qaCol(15, q), entry, turn;
    form.findHoldingAnswer(hdg, inbound, kind, entry, outbound, gate, abeam, first, turn);
    EXPECT_TRUE(entry == "direct" || entry == "parallel" || entry == "offset") << "question " << q;
    EXPECT_EQ(outbound, (inbound + 180) % 360);
}

} // namespace

TEST(SampleData, EveryTypeLoadsInBothLanguages)
{
    for (const bool german : {true, false}) {
        for (qint16 type = 1; type <= 14; ++type) {
            test::TestHost host({0.5f}, german ? TextTable::german() : TextTable::english());
            QAform &form = host.form();
            form.setC_MainAppPath(kData);
            form.setC_QAtype(type);
            const int count = form.lastQuestion() + 1;
            SCOPED_TRACE(QStringLiteral("type %1, %2").arg(type).arg(german ? "German" : "English").toStdString());
            EXPECT_GE(count, 20);

            for (int q = 0; q < count; ++q) {
                const QString session = kData + "/default/sessions/" + QAformTestAccess(form).qaSession(q);
                const host::SessionFile::Result s = host::SessionFile::load(session);
                ASSERT_TRUE(s) << s.error.toString().toStdString();
                ASSERT_TRUE(s.session->exercise);
                // Shared English files hold the situations of the plain twin.
                EXPECT_TRUE(*s.session->exercise == type || (!german && *s.session->exercise + 6 == type)
                            || (!german && type == 14 && *s.session->exercise == 4))
                    << *s.session->exercise;
                switch (type) {
                case 1: case 2: case 10: checkPosition(form, type, q); break;
                case 5: case 11: checkAdf(form, q); break;
                case 3: case 4: case 14: checkHolding(form, q); break;
                default: break;
                }
            }
            // The control hands the host the session of the question on display.
            EXPECT_TRUE(QFileInfo(form.c_QASessionFileName()).isFile()) << form.c_QASessionFileName().toStdString();
        }
    }
}
