#include "platform/ValueRules.h"

#include <orvik3/Error.h>

#include <gtest/gtest.h>

using namespace orvik3;

namespace {

template <typename F>
ErrorKind raisedKind(F &&f)
{
    try {
        f();
    } catch (const Error &e) {
        return e.kind();
    }
    ADD_FAILURE() << "no error raised";
    return ErrorKind::ControlFailure;
}

struct ReadCase {
    const char *text;
    double value;
};

class ReadNumber : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumber, TakesTheNumericBeginning)
{
    EXPECT_DOUBLE_EQ(values::readNumber(QString::fromUtf8(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadNumber,
                         ::testing::Values(ReadCase{"045", 45}, ReadCase{"  12.30", 12.3}, ReadCase{"12.5 min", 12.5},
                                           ReadCase{"-7", -7}, ReadCase{"+3", 3}, ReadCase{".5", 0.5},
                                           ReadCase{"", 0}, ReadCase{"abc", 0}, ReadCase{"-", 0},
                                           ReadCase{"1e3", 1000}, ReadCase{"1e", 1}, ReadCase{"12,5", 12},
                                           ReadCase{"\t8", 8}, ReadCase{"x12", 0}));

struct RoundCase {
    double in;
    double out;
};

class RoundHalfEven : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(values::roundHalfEven(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Values, RoundHalfEven,
                         ::testing::Values(RoundCase{0.5, 0}, RoundCase{1.5, 2}, RoundCase{2.5, 2}, RoundCase{3.5, 4},
                                           RoundCase{-0.5, 0}, RoundCase{-1.5, -2}, RoundCase{2.4999, 2},
                                           RoundCase{2.5001, 3}, RoundCase{359.5, 360}));

struct TextCase {
    double value;
    const char *signedText;
    const char *plainText;
};

class NumberText : public ::testing::TestWithParam<TextCase> {};

TEST_P(NumberText, BlankBeforeNonNegativeOnlyInSignedText)
{
    EXPECT_EQ(values::signedNumberText(GetParam().value), QString::fromUtf8(GetParam().signedText));
    EXPECT_EQ(values::plainNumberText(GetParam().value), QString::fromUtf8(GetParam().plainText));
}

INSTANTIATE_TEST_SUITE_P(Values, NumberText,
                         ::testing::Values(TextCase{4, " 4", "4"}, TextCase{0, " 0", "0"}, TextCase{-0.0, " 0", "0"},
                                           TextCase{-3, "-3", "-3"}, TextCase{12.5, " 12.5", "12.5"},
                                           TextCase{301, " 301", "301"}, TextCase{-62.5, "-62.5", "-62.5"}));

struct HeadingCase {
    double sum;
    const char *text;
};

class HeadingText : public ::testing::TestWithParam<HeadingCase> {};

TEST_P(HeadingText, CaptionOfACandidate)
{
    EXPECT_EQ(values::headingText(GetParam().sum), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Sums, HeadingText,
                         ::testing::Values(HeadingCase{0, " 360"}, HeadingCase{360, " 360"}, HeadingCase{5, "005"},
                                           HeadingCase{9, "009"}, HeadingCase{10, "010"}, HeadingCase{90, "090"},
                                           HeadingCase{99, "099"}, HeadingCase{100, " 100"},
                                           HeadingCase{270, " 270"}, HeadingCase{450, "090"},
                                           HeadingCase{365, "005"}, HeadingCase{359, " 359"},
                                           HeadingCase{4.5, "004"}, HeadingCase{5.5, "006"},
                                           HeadingCase{359.5, " 360"}, HeadingCase{720, " 360"}));

TEST(IntegerArithmetic, OverflowRaisesInsteadOfWrapping)
{
    EXPECT_EQ(values::add(32000, 767), 32767);
    EXPECT_EQ(values::sub(-32000, 768), -32768);
    EXPECT_EQ(raisedKind([] { values::add(32767, 1); }), ErrorKind::Overflow);
    EXPECT_EQ(raisedKind([] { values::sub(-32768, 1); }), ErrorKind::Overflow);
    EXPECT_EQ(raisedKind([] { values::mul(547, 60); }), ErrorKind::Overflow);
    EXPECT_EQ(values::mul(546, 60), 32760);
    EXPECT_EQ(raisedKind([] { values::roundToInteger(32767.5); }), ErrorKind::Overflow);
    EXPECT_EQ(values::roundToInteger(-32768.4), -32768);
    EXPECT_EQ(raisedKind([] { values::roundToInteger(std::numeric_limits<double>::quiet_NaN()); }), ErrorKind::Overflow);
}

struct StrictCase {
    const char *text;
    int value; // INT_MIN: type mismatch
};

class StrictInteger : public ::testing::TestWithParam<StrictCase> {};

TEST_P(StrictInteger, AcceptsOnlyANumberAsAWhole)
{
    const QString text = QString::fromUtf8(GetParam().text);
    if (GetParam().value == INT_MIN)
        EXPECT_EQ(raisedKind([&] { values::strictInteger(text); }), ErrorKind::TypeMismatch) << GetParam().text;
    else
        EXPECT_EQ(values::strictInteger(text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, StrictInteger,
                         ::testing::Values(StrictCase{"230", 230}, StrictCase{" 045 ", 45}, StrictCase{"2.5", 2},
                                           StrictCase{"-90", -90}, StrictCase{"", INT_MIN}, StrictCase{"12a", INT_MIN},
                                           StrictCase{"abc", INT_MIN}, StrictCase{"1 2", INT_MIN},
                                           StrictCase{".", INT_MIN}));

TEST(CheckedRow, TableBoundsAreZeroTo300)
{
    EXPECT_EQ(values::checkedRow(0, "t"), 0);
    EXPECT_EQ(values::checkedRow(300, "t"), 300);
    EXPECT_EQ(raisedKind([] { values::checkedRow(301, "t"); }), ErrorKind::IndexOutOfRange);
    EXPECT_EQ(raisedKind([] { values::checkedRow(-1, "t"); }), ErrorKind::IndexOutOfRange);
}

} // namespace
