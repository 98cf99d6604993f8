#pragma once

#include <QString>
#include <QtGlobal>

namespace orvik3 {

struct PanelContext;

// The answer rows of Frame2 and the candidate headings they offer; shared by the holding
// questions and the DME-arc questions, which use the same rows with other meanings.
namespace holding {

struct Row {
    int number;         // 1..4, the index of its partCorrect / partDone flags
    const char *prompt; // label left of the options
    const char *result; // label that takes the options' place once the row is answered
    int firstOption, lastOption;
};

// Rows 1..4.
const Row &row(int number);
// The row of Option<option>; nullptr outside 1..16.
const Row *rowOfOption(int option);
QString optionName(int option);

// Prompts and result labels of all four rows back to white on dark teal.
void paintRowLabels(const PanelContext &ctx);
// Shows or hides Option<first>..Option<last>.
void showOptions(const PanelContext &ctx, int first, int last, bool visible);
// Clears the selection of Option<first>..Option<last> (this runs no Click handler).
void deselectOptions(const PanelContext &ctx, int first, int last);

// Caption of a candidate heading: the study-file number, which must be a number as a whole,
// plus the offset. A text that is not a number raises a type-mismatch error.
QString candidateCaption(const QString &studyNumber, qint16 offset);
// A whole-degree sum reduced once into 0..359, as the answer rows compare headings.
qint16 reduced(qint16 base, qint16 offset);

} // namespace holding

} // namespace orvik3
