#include "platform/VisibleText.h"

#include <algorithm>

namespace orvik3 {

namespace {

bool isBidiControl(char16_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

bool needsEscape(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F) || isBidiControl(c); }

} // namespace

QString visibleText(const QString &text)
{
    const auto first = std::find_if(text.cbegin(), text.cend(), [](QChar c) { return needsEscape(c.unicode()); });
    if (first == text.cend())
        return text;
    QString out = text.left(first - text.cbegin());
    out.reserve(text.size() + 16);
    for (auto it = first; it != text.cend(); ++it) {
        const char16_t c = it->unicode();
        if (!needsEscape(c)) {
            out += *it;
            continue;
        }
        switch (c) {
        case 0: out += QLatin1String("\\0"); break;
        case '\t': out += QLatin1String("\\t"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        default:
            out += c < 0x100 ? QStringLiteral("\\x%1").arg(int(c), 2, 16, QLatin1Char('0'))
                             : QStringLiteral("\\u%1").arg(int(c), 4, 16, QLatin1Char('0'));
        }
    }
    return out;
}

QString visibleQuote(const QString &text, qsizetype maxChars)
{
    if (text.size() <= maxChars)
        return visibleText(text);
    return visibleText(text.left(maxChars)) + QChar(0x2026);
}

} // namespace orvik3
