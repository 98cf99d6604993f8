#pragma once

// The vocabulary of the RTF reader: the control words it acts on, the destinations it skips,
// the Windows-1252 bytes of \'hh escapes, and how an error position is told.

#include <QByteArray>
#include <QString>

#include <string_view>

namespace orvik3::rtf {

enum class Kw {
    Par,
    Line,
    Tab,
    Cell, // tables are not laid out; keep cells apart at least
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Plain,
    FontSize,
    Colour,
    Unicode,
    UnicodeSkip,
    Bin,
    Symbol, // fixed character, see kSymbolWords
    ColourTable,
    Red,
    Green,
    Blue,
    SkipDestination,
};

struct KeywordEntry {
    std::string_view word;
    Kw kw;
    char16_t ch = 0;
};

// The entry of a control word, or nullptr for a word the reader ignores.
const KeywordEntry *lookup(std::string_view word);

// "RTF error at line L, column C (byte B): reason" for an error at that byte of the input.
QString describe(const QByteArray &input, qsizetype offset, const QString &reason);

// A byte of the document's code page as a character.
char16_t decodeCp1252(unsigned char byte);

} // namespace orvik3::rtf
