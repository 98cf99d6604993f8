#include "RtfReader.h"

#include "RtfKeywords.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>
#include <vector>

namespace orvik3 {

namespace {

using rtf::decodeCp1252;
using rtf::describe;
using rtf::Kw;
using rtf::KeywordEntry;
using rtf::lookup;

enum class Dest : quint8 { Text, Skip, ColourTable };

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 0; // 0: keep the document's default size
    int colourIndex = 0; // 0: automatic colour
    bool operator==(const CharState &) const = default;
};

struct GroupState {
    CharState chars;
    int unicodeSkip = 1;
    Dest dest = Dest::Text;
};

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

class Parser {
public:
    Parser(const QByteArray &input, QTextDocument *doc)
        : m_data(input.constData()), m_size(input.size()), m_cursor(doc)
    {
    }

    bool run();

    qsizetype errorOffset() const { return m_errorOffset; }
    const QString &errorReason() const { return m_errorReason; }

private:
    bool fail(qsizetype offset, const QString &reason)
    {
        if (m_errorOffset < 0) {
            m_errorOffset = offset;
            m_errorReason = reason;
        }
        return false;
    }

    bool openGroup();
    bool closeGroup();
    bool controlSequence();
    bool controlWord(qsizetype start, std::string_view word, bool hasParam, int param);
    void textByte(unsigned char byte);

    // Consumes one character of a \uN fallback if one is pending.
    bool swallowFallback()
    {
        if (m_fallbackPending <= 0)
            return false;
        --m_fallbackPending;
        return true;
    }

    void emitChar(char16_t c);
    void appendRaw(char16_t c);
    void resolveDanglingSurrogate();
    void flushRun();
    void endParagraph();
    QTextCharFormat formatFor(const CharState &s) const;

    void commitColour();

    const char *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    QTextCursor m_cursor;

    std::vector<GroupState> m_stack; // saved states of the enclosing groups
    GroupState m_state;
    bool m_documentClosed = false;
    int m_fallbackPending = 0;

    QString m_run;
    CharState m_runChars;
    int m_paragraphs = 0;
    qsizetype m_characters = 0;
    char16_t m_highSurrogate = 0;

    std::vector<QColor> m_colours; // invalid QColor = automatic
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colourHasComponent = false;

    qsizetype m_errorOffset = -1;
    QString m_errorReason;
};

bool Parser::run()
{
    static constexpr std::string_view kMagic = "{\\rtf";
    if (m_size < qsizetype(kMagic.size()) || std::string_view(m_data, kMagic.size()) != kMagic
        || (m_size > qsizetype(kMagic.size()) && isAsciiLetter(m_data[kMagic.size()]))) {
        return fail(0, QCoreApplication::translate("orvik3::RtfReader", "not an RTF document: expected it to start with {\\rtf"));
    }
    m_stack.reserve(64);

    while (m_pos < m_size && !m_documentClosed) {
        const char c = m_data[m_pos];
        bool ok = true;
        switch (c) {
        case '{':
            ok = openGroup();
            break;
        case '}':
            ok = closeGroup();
            break;
        case '\\':
            ok = controlSequence();
            break;
        case '\r':
        case '\n':
            // Line ends in RTF source are layout of the file, not of the text.
            ++m_pos;
            break;
        default:
            textByte(static_cast<unsigned char>(c));
            ++m_pos;
            break;
        }
        if (!ok)
            return false;
        if (m_paragraphs > RtfReader::kMaxParagraphs)
            return fail(m_pos, QCoreApplication::translate("orvik3::RtfReader", "more than %1 paragraphs")
                                   .arg(RtfReader::kMaxParagraphs));
        if (m_characters > RtfReader::kMaxCharacters)
            return fail(m_pos, QCoreApplication::translate("orvik3::RtfReader", "more than %1 characters of text")
                                   .arg(RtfReader::kMaxCharacters));
    }

    if (!m_documentClosed) {
        return fail(m_size, QCoreApplication::translate("orvik3::RtfReader", "unexpected end of input: %1 group(s) still open")
                                .arg(m_stack.size()));
    }
    // Some writers pad the file with NULs or a trailing newline; anything
    // else after the final brace means the file was spliced or corrupted.
    for (qsizetype i = m_pos; i < m_size; ++i) {
        const char c = m_data[i];
        if (c != '\r' && c != '\n' && c != ' ' && c != '\t' && c != '\0')
            return fail(i, QCoreApplication::translate("orvik3::RtfReader", "unexpected data after the end of the document"));
    }

    resolveDanglingSurrogate();
    flushRun();
    return true;
}

bool Parser::openGroup()
{
    if (int(m_stack.size()) >= RtfReader::kMaxGroupDepth) {
        return fail(m_pos, QCoreApplication::translate("orvik3::RtfReader", "groups nested deeper than %1")
                               .arg(RtfReader::kMaxGroupDepth));
    }
    m_stack.push_back(m_state);
    // A group boundary ends any \uN fallback (the fallback never spans groups).
    m_fallbackPending = 0;
    ++m_pos;
    return true;
}

bool Parser::closeGroup()
{
    // Unreachable with an empty stack: the outermost '}' closes the document
    // and the main loop stops there.
    if (m_state.dest == Dest::ColourTable) {
        // Tolerate a colour table whose last entry lacks the ';'.
        if (m_colourHasComponent)
            commitColour();
    }
    m_state = m_stack.back();
    m_stack.pop_back();
    m_fallbackPending = 0;
    ++m_pos;
    if (m_stack.empty())
        m_documentClosed = true;
    return true;
}

bool Parser::controlSequence()
{
    const qsizetype start = m_pos;
    ++m_pos; // backslash
    if (m_pos >= m_size)
        return fail(start, QCoreApplication::translate("orvik3::RtfReader", "unexpected end of input after '\\'"));

    const char c = m_data[m_pos];
    if (!isAsciiLetter(c)) {
        // Control symbol.
        ++m_pos;
        switch (c) {
        case '\'': {
            if (m_pos + 2 > m_size)
                return fail(start, QCoreApplication::translate("orvik3::RtfReader", "unexpected end of input in \\' escape"));
            const int hi = hexValue(m_data[m_pos]);
            const int lo = hexValue(m_data[m_pos + 1]);
            if (hi < 0 || lo < 0)
                return fail(start, QCoreApplication::translate("orvik3::RtfReader", "\\' must be followed by two hex digits"));
            m_pos += 2;
            textByte(static_cast<unsigned char>(hi * 16 + lo));
            return true;
        }
        case '\\':
        case '{':
        case '}':
            textByte(static_cast<unsigned char>(c));
            return true;
        case '*':
            // Marks an optional destination. We render none of those, so the
            // whole group is dropped whether or not we know the word.
            m_state.dest = Dest::Skip;
            return true;
        default:
            break;
        }
        if (m_state.dest != Dest::Text || swallowFallback())
            return true;
        switch (c) {
        case '~':
            emitChar(0x00A0);
            break;
        case '_':
            emitChar(0x2011);
            break;
        case '\r':
        case '\n':
            // A backslash before a line end is an old spelling of \par.
            endParagraph();
            break;
        default:
            // '-' (optional hyphen), '|', ':' and unknown symbols carry no text.
            break;
        }
        return true;
    }

    const qsizetype wordStart = m_pos;
    while (m_pos < m_size && isAsciiLetter(m_data[m_pos])) {
        if (m_pos - wordStart >= RtfReader::kMaxControlWordLetters) {
            return fail(start, QCoreApplication::translate("orvik3::RtfReader", "control word longer than %1 letters")
                                   .arg(RtfReader::kMaxControlWordLetters));
        }
        ++m_pos;
    }
    const std::string_view word(m_data + wordStart, size_t(m_pos - wordStart));

    bool hasParam = false;
    int param = 0;
    if (m_pos < m_size && (m_data[m_pos] == '-' || isDigit(m_data[m_pos]))) {
        const bool negative = m_data[m_pos] == '-';
        if (negative) {
            ++m_pos;
            if (m_pos >= m_size || !isDigit(m_data[m_pos]))
                return fail(start, QCoreApplication::translate("orvik3::RtfReader", "expected a digit after '-' in a control word"));
        }
        const qsizetype digitsStart = m_pos;
        qint64 value = 0;
        while (m_pos < m_size && isDigit(m_data[m_pos])) {
            if (m_pos - digitsStart >= RtfReader::kMaxParameterDigits) {
                return fail(start, QCoreApplication::translate("orvik3::RtfReader", "numeric parameter longer than %1 digits")
                                       .arg(RtfReader::kMaxParameterDigits));
            }
            value = value * 10 + (m_data[m_pos] - '0');
            ++m_pos;
        }
        if (negative)
            value = -value;
        if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
            return fail(start, QCoreApplication::translate("orvik3::RtfReader", "numeric parameter out of range"));
        hasParam = true;
        param = int(value);
    }
    if (m_pos < m_size && m_data[m_pos] == ' ')
        ++m_pos; // the delimiting space belongs to the control word

    return controlWord(start, word, hasParam, param);
}

bool Parser::controlWord(qsizetype start, std::string_view word, bool hasParam, int param)
{
    const KeywordEntry *entry = lookup(word);
    if (!entry) {
        // Unknown words are ignored by design of the format, but still count
        // as one character of a \uN fallback.
        if (m_state.dest == Dest::Text)
            swallowFallback();
        return true;
    }

    // \bin must be honoured everywhere, including skipped groups: its payload
    // is raw bytes that may contain braces and backslashes.
    if (entry->kw == Kw::Bin) {
        if (hasParam && param < 0)
            return fail(start, QCoreApplication::translate("orvik3::RtfReader", "negative \\bin length"));
        if (param > m_size - m_pos)
            return fail(start, QCoreApplication::translate("orvik3::RtfReader", "\\bin data runs past the end of the input"));
        m_pos += param;
        return true;
    }

    if (m_state.dest == Dest::Skip)
        return true;

    if (entry->kw == Kw::SkipDestination) {
        m_state.dest = Dest::Skip;
        return true;
    }
    if (entry->kw == Kw::ColourTable) {
        m_state.dest = Dest::ColourTable;
        m_colours.clear();
        m_red = m_green = m_blue = 0;
        m_colourHasComponent = false;
        return true;
    }

    if (m_state.dest == Dest::ColourTable) {
        const int component = std::clamp(hasParam ? param : 0, 0, 255);
        switch (entry->kw) {
        case Kw::Red:
            m_red = component;
            m_colourHasComponent = true;
            break;
        case Kw::Green:
            m_green = component;
            m_colourHasComponent = true;
            break;
        case Kw::Blue:
            m_blue = component;
            m_colourHasComponent = true;
            break;
        default:
            break;
        }
        return true;
    }

    // Group-scoped state words are not fallback characters in practice, but
    // the format counts every control word as one; follow it.
    if (swallowFallback())
        return true;

    const bool on = !hasParam || param != 0;
    CharState &cs = m_state.chars;
    switch (entry->kw) {
    case Kw::Par:
        endParagraph();
        break;
    case Kw::Line:
        emitChar(QChar::LineSeparator);
        break;
    case Kw::Tab:
    case Kw::Cell:
        emitChar(u'\t');
        break;
    case Kw::Bold:
        cs.bold = on;
        break;
    case Kw::Italic:
        cs.italic = on;
        break;
    case Kw::Underline:
        cs.underline = on;
        break;
    case Kw::UnderlineNone:
        cs.underline = false;
        break;
    case Kw::Plain:
        cs = CharState{};
        break;
    case Kw::FontSize:
        // Sizes outside what QFont accepts are ignored rather than clamped.
        if (!hasParam)
            cs.halfPoints = 24;
        else if (param > 0 && param <= 3276)
            cs.halfPoints = param;
        break;
    case Kw::Colour:
        cs.colourIndex = std::max(0, hasParam ? param : 0);
        break;
    case Kw::Unicode: {
        if (!hasParam || param < -32768 || param > 65535)
            return fail(start, QCoreApplication::translate("orvik3::RtfReader", "\\u needs a parameter in -32768..65535"));
        emitChar(char16_t(param < 0 ? param + 65536 : param));
        m_fallbackPending = m_state.unicodeSkip;
        break;
    }
    case Kw::UnicodeSkip:
        // Bounded so a hostile \uc cannot eat the rest of a group silently
        // beyond what any writer would emit.
        m_state.unicodeSkip = std::clamp(hasParam ? param : 1, 0, 16);
        break;
    case Kw::Symbol:
        emitChar(entry->ch);
        break;
    default:
        break;
    }
    return true;
}

void Parser::textByte(unsigned char byte)
{
    switch (m_state.dest) {
    case Dest::Skip:
        return;
    case Dest::ColourTable:
        if (byte == ';')
            commitColour();
        return;
    case Dest::Text:
        break;
    }
    if (swallowFallback())
        return;
    emitChar(decodeCp1252(byte));
}

void Parser::commitColour()
{
    // An entry without components (typically the leading ";") is "auto".
    m_colours.push_back(m_colourHasComponent ? QColor(m_red, m_green, m_blue) : QColor());
    m_red = m_green = m_blue = 0;
    m_colourHasComponent = false;
}

void Parser::emitChar(char16_t c)
{
    // Keep the document well-formed UTF-16: lone surrogates become U+FFFD.
    if (QChar::isHighSurrogate(c)) {
        resolveDanglingSurrogate();
        m_highSurrogate = c;
        return;
    }
    if (QChar::isLowSurrogate(c)) {
        if (m_highSurrogate) {
            appendRaw(m_highSurrogate);
            m_highSurrogate = 0;
            appendRaw(c);
        } else {
            appendRaw(0xFFFD);
        }
        return;
    }
    resolveDanglingSurrogate();

    if (c < 0x20 && c != u'\t')
        return; // control characters have no place in displayed text
    if (c == 0x7F)
        return;
    // QTextDocument gives these structural meaning (frames, objects, blocks).
    if (c == 0xFDD0 || c == 0xFDD1 || c == QChar::ObjectReplacementCharacter
        || c == 0xFFFE || c == 0xFFFF) {
        c = 0xFFFD;
    } else if (c == QChar::ParagraphSeparator) {
        c = QChar::LineSeparator;
    }
    appendRaw(c);
}

void Parser::appendRaw(char16_t c)
{
    if (!m_run.isEmpty() && !(m_runChars == m_state.chars))
        flushRun();
    if (m_run.isEmpty())
        m_runChars = m_state.chars;
    m_run.append(QChar(c));
    ++m_characters;
}

void Parser::resolveDanglingSurrogate()
{
    if (m_highSurrogate) {
        m_highSurrogate = 0;
        appendRaw(0xFFFD);
    }
}

void Parser::flushRun()
{
    if (m_run.isEmpty())
        return;
    m_cursor.insertText(m_run, formatFor(m_runChars));
    m_run.clear();
}

void Parser::endParagraph()
{
    resolveDanglingSurrogate();
    flushRun();
    if (++m_paragraphs <= RtfReader::kMaxParagraphs)
        m_cursor.insertBlock();
}

QTextCharFormat Parser::formatFor(const CharState &s) const
{
    // Only set what the text asks for so the dialog's defaults show through.
    QTextCharFormat f;
    if (s.bold)
        f.setFontWeight(QFont::Bold);
    if (s.italic)
        f.setFontItalic(true);
    if (s.underline)
        f.setFontUnderline(true);
    if (s.halfPoints > 0)
        f.setFontPointSize(s.halfPoints / 2.0);
    if (s.colourIndex > 0 && size_t(s.colourIndex) < m_colours.size()
        && m_colours[size_t(s.colourIndex)].isValid()) {
        f.setForeground(m_colours[size_t(s.colourIndex)]);
    }
    return f;
}

} // namespace

RtfParseResult RtfReader::parse(const QByteArray &rtf, QTextDocument *doc)
{
    RtfParseResult result;
    if (!doc) {
        result.errorOffset = 0;
        result.error = QCoreApplication::translate("orvik3::RtfReader", "RTF error: no target document");
        return result;
    }
    doc->clear();
    if (rtf.size() > kMaxInputBytes) {
        result.errorOffset = kMaxInputBytes;
        result.error = describe(rtf, kMaxInputBytes,
                                QCoreApplication::translate("orvik3::RtfReader", "input larger than %1 bytes").arg(kMaxInputBytes));
        return result;
    }

    // Building through the undo stack would only cost memory.
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    bool ok = false;
    {
        Parser parser(rtf, doc);
        QTextCursor batch(doc);
        batch.beginEditBlock();
        ok = parser.run();
        batch.endEditBlock();
        if (!ok) {
            result.errorOffset = parser.errorOffset();
            result.error = describe(rtf, parser.errorOffset(), parser.errorReason());
        }
    }
    if (!ok)
        doc->clear();
    doc->setUndoRedoEnabled(undo);
    result.ok = ok;
    return result;
}

bool RtfReader::read(const QByteArray &rtf, QTextDocument *doc, QString *error)
{
    RtfParseResult result = parse(rtf, doc);
    if (error)
        *error = result.ok ? QString() : result.error;
    return result.ok;
}

} // namespace orvik3
