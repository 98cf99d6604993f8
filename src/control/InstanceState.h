#pragma once

#include <orvik3/Form.h>
#include <orvik3/Services.h>

#include "study/StudyFileLoader.h"

#include <QFont>
#include <QString>
#include <array>
#include <functional>

namespace orvik3 {

// The question table: text columns qaCol01..qaCol19 and the session names, rows 0..300.
class QuestionTable
{
public:
    static constexpr int rows = 301;
    static constexpr int columns = 19;

    // Row and column are checked; an index outside the table raises an index error.
    QString &col(int column, int row);
    const QString &col(int column, int row) const;
    QString &session(int row);
    const QString &session(int row) const;

private:
    std::array<std::array<QString, rows>, columns + 1> m_cols; // column 0 unused
    std::array<QString, rows> m_session;
};

// Answers of the holding question on display, as the solver gave them.
struct HoldingFields {
    qint16 heading = 0, inbound = 0;
    QString typeText;
    QString entry;
    qint16 outbound = 0, gate = 0, abeam = 0, firstHdg = 0;
    QString firstTurn;
};

// The state every part of the control shares: property fields, the question table, the
// question position, the answer flags and the child controls.
struct InstanceState {
    explicit InstanceState(Services services);

    Services services; // every member set
    Form form;

    // property fields
    qint32 BackColor = 0, ForeColor = 0;
    bool Enabled = false;
    QFont Font;
    qint16 BackStyle = 0, BorderStyle = 0;
    qint16 c_QAtype = 1;
    QString c_QASessionFileName, c_MainAppPath;
    qint16 c_showResult = 0, c_QAFly = 0;
    bool c_smallFrame = false;
    qint16 c_TrackDelta = 0;
    int widthTwips = 0, heightTwips = 0;

    QString exerciseTitle;
    QuestionTable table;
    qint16 lastQuestion = -1, currentQuestion = 0, orderPos = 0;
    std::array<qint16, QuestionTable::rows> questionOrder{};
    std::array<bool, QuestionTable::rows> orderUsed{};
    std::array<bool, 7> partCorrect{}; // 1-based: partCorrect1..partCorrect6
    std::array<bool, 7> partDone{};    // 1-based
    bool questionShown = false;
    std::array<qint16, 6> optionOffsets{}; // 1-based, shared by holding, DME arc and QDM/QDR
    std::array<qint16, 6> optionOrder{};   // 1-based
    HoldingFields hold;
    // How the last study file read ended, for hosts that tell the instructor why there are
    // no questions.
    StudyLoadResult lastStudyLoad;

    // Set by the control: shows the next question (DisplayQuestion).
    std::function<void()> displayQuestion;

    QString text(quint16 id) const { return services.texts->text(id); }
    FormControl &ctl(const QString &name) const { return form.control(name); }
    // The question-table cell of the question on display.
    const QString &current(int column) const { return table.col(column, currentQuestion); }
    bool anyPartDone() const;
    // partCorrect1..partCorrect<count> all set.
    bool allCorrect(int count) const;
    void clearParts();
};

} // namespace orvik3
