#include "platform/ValueRules.h"

#include "platform/VisibleText.h"

#include <orvik3/Error.h>

#include <cmath>
#include <limits>

#include <QCoreApplication>

namespace orvik3::values {

namespace {

// The names callers give for what overflowed or left its range: listed here so that the
// translation file carries them; the messages translate them when they are raised.
[[maybe_unused]] constexpr const char *kRangeNames[] = {
    QT_TRANSLATE_NOOP("orvik3::Error", "Integer arithmetic"),
    QT_TRANSLATE_NOOP("orvik3::Error", "question table"),
    QT_TRANSLATE_NOOP("orvik3::Error", "session names"),
    QT_TRANSLATE_NOOP("orvik3::Error", "question order"),
    QT_TRANSLATE_NOOP("orvik3::Error", "question"),
};

} // namespace

qint16 toInteger(qint64 value, const char *what)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw Error(ErrorKind::Overflow,
                    QCoreApplication::translate("orvik3::Error", "%1: %2 does not fit a 16-bit Integer").arg(QCoreApplication::translate("orvik3::Error", what)).arg(value));
    return static_cast<qint16>(value);
}

qint16 add(qint16 a, qint16 b) { return toInteger(qint64(a) + b); }
qint16 sub(qint16 a, qint16 b) { return toInteger(qint64(a) - b); }
qint16 mul(qint16 a, qint16 b) { return toInteger(qint64(a) * b); }

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    return std::nearbyint(value); // the default rounding mode rounds halves to even
}

qint16 roundToInteger(double value)
{
    const double r = roundHalfEven(value);
    if (!std::isfinite(r) || r < -32768.0 || r > 32767.0)
        throw Error(ErrorKind::Overflow, QCoreApplication::translate("orvik3::Error", "%1 does not fit a 16-bit Integer").arg(value));
    return static_cast<qint16>(r);
}

namespace {

// Length of the numeric beginning of text from pos, 0 when there is none.
qsizetype scanNumber(const QString &text, qsizetype pos)
{
    const qsizetype start = pos;
    const qsizetype n = text.size();
    if (pos < n && (text[pos] == u'+' || text[pos] == u'-'))
        ++pos;
    qsizetype digits = 0;
    while (pos < n && text[pos].isDigit() && text[pos].unicode() < 128) {
        ++pos;
        ++digits;
    }
    if (pos < n && text[pos] == u'.') {
        ++pos;
        while (pos < n && text[pos].isDigit() && text[pos].unicode() < 128) {
            ++pos;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (pos < n && (text[pos] == u'e' || text[pos] == u'E')) {
        qsizetype e = pos + 1;
        if (e < n && (text[e] == u'+' || text[e] == u'-'))
            ++e;
        const qsizetype expStart = e;
        while (e < n && text[e].isDigit() && text[e].unicode() < 128)
            ++e;
        if (e > expStart)
            pos = e;
    }
    return pos - start;
}

double toDouble(const QString &text, qsizetype pos, qsizetype len)
{
    const QByteArray ascii = text.mid(pos, len).toLatin1();
    if (ascii == "+" || ascii == "-" || ascii.isEmpty())
        return 0.0;
    return std::strtod(ascii.constData(), nullptr);
}

} // namespace

double readNumber(const QString &text)
{
    qsizetype pos = 0;
    while (pos < text.size() && (text[pos] == u' ' || text[pos] == u'\t'))
        ++pos;
    const qsizetype len = scanNumber(text, pos);
    if (len == 0)
        return 0.0;
    const double v = toDouble(text, pos, len);
    return std::isfinite(v) ? v : 0.0;
}

qint16 strictInteger(const QString &text)
{
    const QString trimmed = text.trimmed();
    const qsizetype len = scanNumber(trimmed, 0);
    if (trimmed.isEmpty() || len != trimmed.size())
        throw Error(ErrorKind::TypeMismatch, QCoreApplication::translate("orvik3::Error", "\"%1\" is not a number").arg(visibleQuote(text)));
    return roundToInteger(toDouble(trimmed, 0, len));
}

QString plainNumberText(double value)
{
    if (value == 0.0)
        return QStringLiteral("0"); // also for -0.0
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15);
}

QString signedNumberText(double value)
{
    const QString plain = plainNumberText(value);
    return plain.startsWith(u'-') ? plain : QStringLiteral(" ") + plain;
}

QString headingText(double sum)
{
    qint16 h = roundToInteger(sum);
    if (h > 359)
        h = sub(h, 360);
    if (h == 0)
        h = 360;
    if (h >= 1 && h <= 9)
        return QStringLiteral("00") + QString::number(h);
    if (h >= 10 && h <= 99)
        return QStringLiteral("0") + QString::number(h);
    return signedNumberText(h);
}

int checkedRow(int index, const char *what)
{
    if (index < 0 || index > 300)
        throw Error(ErrorKind::IndexOutOfRange,
                    QCoreApplication::translate("orvik3::Error", "%1: index %2 outside 0..300").arg(QCoreApplication::translate("orvik3::Error", what)).arg(index));
    return index;
}

} // namespace orvik3::values
