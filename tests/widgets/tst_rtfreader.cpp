#include "widgets/rtf/RtfReader.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <gtest/gtest.h>

#include <span>
#include <string_view>
#include <utility>

using orvik3::RtfReader;
using namespace std::string_view_literals;

namespace {

QByteArray bytes(std::string_view s) { return QByteArray(s.data(), qsizetype(s.size())); }

// Block texts joined by '\n'; line breaks stay U+2028 so they are told apart.
std::string blockTexts(const QTextDocument &doc)
{
    QStringList blocks;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        blocks << b.text();
    return blocks.join(u'\n').toStdString();
}

// One "[text|attrs]" per fragment, blocks separated by '/'.
std::string runs(const QTextDocument &doc)
{
    QString out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b != doc.begin())
            out += u'/';
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QTextCharFormat cf = f.charFormat();
            QStringList attrs;
            if (cf.fontWeight() >= QFont::Bold)
                attrs << QStringLiteral("b");
            if (cf.fontItalic())
                attrs << QStringLiteral("i");
            if (cf.fontUnderline())
                attrs << QStringLiteral("u");
            if (cf.hasProperty(QTextFormat::FontPointSize))
                attrs << QString::number(cf.fontPointSize()) + QStringLiteral("pt");
            if (cf.hasProperty(QTextFormat::ForegroundBrush))
                attrs << cf.foreground().color().name();
            out += u'[' + f.text() + (attrs.isEmpty() ? QString() : u'|' + attrs.join(u',')) + u']';
        }
    }
    return out.toStdString();
}

struct TextRow {
    const char *name;
    std::string_view rtf;
    const char *text; // UTF-8; or the runs, for the formatting rows
};

const TextRow kTextRows[] = {
    {"plain", R"({\rtf1 Hello world})", "Hello world"},
    {"header tables and metadata skipped",
     R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}}{\colortbl;\red9\green9\blue9;})"
     R"({\stylesheet{\s0 Normal;}}{\info{\title T}{\author A}}Body})",
     "Body"},
    {"paragraphs", R"({\rtf1 one\par two\par\pard three})", "one\ntwo\nthree"},
    {"trailing par leaves empty block", R"({\rtf1 a\par})", "a\n"},
    {"section and page end paragraphs", R"({\rtf1 a\sect b\page c})", "a\nb\nc"},
    {"line break", R"({\rtf1 a\line b})", "a\u2028b"},
    {"only one delimiting space eaten", R"({\rtf1 \b  x})", " x"},
    {"parameter ends the word", R"({\rtf1 \b0x})", "x"},
    {"escaped braces and backslash", R"({\rtf1 \\ \{ \}})", "\\ { }"},
    {"cp1252 escapes", R"({\rtf1 \'80\'93\'94\'e9\'FF})", "€“”éÿ"},
    {"undefined cp1252 byte", R"({\rtf1 \'81})", "\uFFFD"},
    {"raw 8-bit byte as cp1252", "{\\rtf1 \x80\xe9}", "€é"},
    {"unicode with default fallback", R"({\rtf1 \u8364?x})", "€x"},
    {"unicode without fallback", R"({\rtf1\uc0 \u8364 x})", "€x"},
    {"hex escapes as fallback", R"({\rtf1\uc2 \u8364\'80\'80y})", "€y"},
    {"unknown word counts as fallback", R"({\rtf1 \u8364\foo x})", "€x"},
    {"negative unicode pair", R"({\rtf1 \u-10179?\u-8704?})", "😀"},
    {"lone high surrogate", R"({\rtf1 \u55357?x})", "\uFFFDx"},
    {"structural code points neutralised", R"({\rtf1 \u65532?\u64976?\u8233?\u7?})", "\uFFFD\uFFFD\u2028"},
    {"fallback stops at group end", R"({\rtf1\uc3 {\u8364}abc})", "€abc"},
    {"uc is group-scoped", R"({\rtf1{\uc0 \u8364}\u8364?x})", "€€x"},
    {"symbols", R"({\rtf1 a\~b\-c\_d\emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})",
     "a\u00A0bc\u2011d—–•‘’“”"},
    {"skipped destinations",
     R"({\rtf1 a{\*\unknown x{y}}b{\pict\wmetafile8 0102}c{\header H\par}{\footerl F\line}d)"
     R"({\object{\*\objdata 00}{\result R}}e{\footnote n}})",
     "abcde"},
    {"field shows its result", R"({\rtf1 {\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}})", "link"},
    {"list fallback text shown", R"({\rtf1 {\pn\pnlvlblt{\pntxtb X}}{\listtext\'95\tab}Item})", "•\tItem"},
    {"bin payload may hold braces", R"({\rtf1 {\pict\bin4 }}{\}x})", "x"},
    {"backslash newline is a paragraph", "{\\rtf1 a\\\nb}", "a\nb"},
    {"raw line ends ignored", "{\\rtf1 a\r\nb}", "ab"},
    {"padding after the end allowed", "{\\rtf1 a}\r\n\0"sv, "a"},
    {"32-letter word accepted", R"({\rtf1 \abcdefghijklmnopqrstuvwxyzabcdef x})", "x"},
    {"10-digit parameter accepted", R"({\rtf1 \foo2147483647 x\bar-2147483648 y})", "xy"},
};

// Formatting rows: one "[text|attrs]" per fragment.
const TextRow kRunRows[] = {
    {"bold group restored", R"({\rtf1 a{\b b}c})", "[a][b|b][c]"},
    {"toggles", R"({\rtf1 \b a\b0 b\i c\i0\ul d\ulnone e\ul f\ul0 g\uldb h})",
     "[a|b][b][c|i][d|u][e][f|u][g][h|u]"},
    {"nested groups restore in order", R"({\rtf1\b a{\i b{\b0 c}d}e})",
     "[a|b][b|b,i][c|i][d|b,i][e|b]"},
    {"font size in half points", R"({\rtf1\fs21 a\fs b\fs0 c})", "[a|10.5pt][bc|12pt]"},
    {"colour table", R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green0\blue255;}\cf1 r\cf2 b\cf0 a\cf9 z})",
     "[r|#ff0000][b|#0000ff][az]"},
    {"empty colour entry is automatic", R"({\rtf1{\colortbl;;\red0\green128\blue0;}\cf1 a\cf2 b})",
     "[a][b|#008000]"},
    {"colour table in skipped group ignored",
     R"({\rtf1{\colortbl;\red255\green0\blue0;}{\*\x{\colortbl;\red1\green1\blue1;}}\cf1 r})", "[r|#ff0000]"},
    {"last colour without semicolon", R"({\rtf1{\colortbl;\red1\green2\blue3}\cf1 x})", "[x|#010203]"},
    {"plain resets everything", R"({\rtf1{\colortbl;\red255\green0\blue0;}\b\i\ul\fs40\cf1 x\plain y})",
     "[x|b,i,u,20pt,#ff0000][y]"},
    {"formatting spans paragraphs", R"({\rtf1\b a\par\pard b})", "[a|b]/[b|b]"},
    {"skipped group cannot change format", R"({\rtf1\b a{\*\x \b0 q}b})", "[ab|b]"},
};

TEST(RtfReader, TextEscapesAndFormatting)
{
    using Rows = std::span<const TextRow>;
    for (const auto &[rows, render] : {std::pair{Rows(kTextRows), &blockTexts}, std::pair{Rows(kRunRows), &runs}}) {
        for (const TextRow &row : rows) {
            SCOPED_TRACE(row.name);
            QTextDocument doc;
            QString error;
            ASSERT_TRUE(RtfReader::read(bytes(row.rtf), &doc, &error)) << error.toStdString();
            EXPECT_EQ(render(doc), row.text);
        }
    }
}

struct ErrorRow { const char *name; std::string_view rtf; qsizetype offset; const char *reason; };

const ErrorRow kErrorRows[] = {
    {"empty", "", 0, "start with"},
    {"not rtf", "hello", 0, "start with"},
    {"magic runs into letters", R"({\rtfx y})", 0, "start with"},
    {"truncated after magic", R"({\rtf1)", 6, "1 group(s) still open"},
    {"unclosed inner group", R"({\rtf1 {x})", 10, "1 group(s) still open"},
    {"extra closing brace", R"({\rtf1 x}})", 9, "after the end"},
    {"truncated after backslash", R"({\rtf1 x\)", 8, "after '\\'"},
    {"truncated hex escape", R"({\rtf1 \'4)", 7, "\\' escape"},
    {"bad hex escape", R"({\rtf1 \'zz})", 7, "two hex digits"},
    {"33-letter word", R"({\rtf1 \abcdefghijklmnopqrstuvwxyzabcdefg x})", 7, "longer than 32"},
    {"11-digit parameter", R"({\rtf1 \fs00000000001 x})", 7, "longer than 10"},
    {"parameter beyond int", R"({\rtf1 \fs2147483648 x})", 7, "out of range"},
    {"dash without digit", R"({\rtf1 \b-x})", 7, "digit after '-'"},
    {"unicode out of range", R"({\rtf1 \u70000 x})", 7, "\\u needs"},
    {"negative bin", R"({\rtf1 \bin-1 x})", 7, "negative"},
    {"bin past end", R"({\rtf1 \bin10 ab})", 7, "past the end"},
    {"error after a paragraph", R"({\rtf1 a\par b\'zz})", 14, "two hex digits"},
    {"error inside skipped group still found", R"({\rtf1 {\*\x \'g0}})", 13, "two hex digits"},
};

TEST(RtfReader, MalformedInputIsRejectedWithPosition)
{
    for (const ErrorRow &row : kErrorRows) {
        SCOPED_TRACE(row.name);
        QTextDocument doc;
        doc.setPlainText(QStringLiteral("stale"));
        const auto result = RtfReader::parse(bytes(row.rtf), &doc);
        ASSERT_FALSE(result.ok);
        EXPECT_EQ(result.errorOffset, row.offset);
        EXPECT_NE(result.error.indexOf(QLatin1String(row.reason)), -1) << result.error.toStdString();
        EXPECT_TRUE(doc.isEmpty()) << "a failed read must not leave partial text";
    }
}

TEST(RtfReader, LimitsPositionsAndOutputs)
{
    QTextDocument doc;
    QString error;
    ASSERT_FALSE(RtfReader::read("{\\rtf1\nab\n}x", &doc, &error));
    EXPECT_TRUE(error.contains(QLatin1String("line 3, column 2 (byte 11)"))) << error.toStdString();

    auto nested = [](int depth) { return "{\\rtf1" + QByteArray(depth - 1, '{') + 'x' + QByteArray(depth, '}'); };
    const auto tooDeep = RtfReader::parse(nested(RtfReader::kMaxGroupDepth + 1), &doc);
    EXPECT_FALSE(tooDeep.ok);
    EXPECT_EQ(tooDeep.errorOffset, 5 + RtfReader::kMaxGroupDepth);

    // A good read replaces the old text and error, and leaves nothing to undo.
    doc.setPlainText(QStringLiteral("old"));
    ASSERT_TRUE(RtfReader::read(nested(RtfReader::kMaxGroupDepth), &doc, &error));
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("x"));
    EXPECT_TRUE(error.isEmpty());
    EXPECT_TRUE(doc.isUndoRedoEnabled());
    EXPECT_FALSE(doc.isUndoAvailable());
    EXPECT_FALSE(RtfReader::read(R"({\rtf1 x})", nullptr, &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
