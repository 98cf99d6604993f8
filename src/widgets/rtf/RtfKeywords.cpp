#include "RtfKeywords.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <vector>

namespace orvik3::rtf {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. Undefined code
// points become U+FFFD rather than invisible C1 controls.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

} // namespace

char16_t decodeCp1252(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kCp1252High[byte - 0x80];
    return char16_t(byte);
}

namespace {



// Destinations whose content is never shown. Listing them explicitly matters
// for the ones that old writers emit without the \* marker.
constexpr std::string_view kSkippedDestinations[] = {
    "aftncn", "aftnsep", "aftnsepc", "annotation", "atnauthor", "atndate", "atnicn", "atnid",
    "atnparent", "atnref", "atntime", "atrfend", "atrfstart", "author", "background",
    "bkmkend", "bkmkstart", "blipuid", "buptim", "category", "colorschememapping", "comment",
    "company", "creatim", "datafield", "datastore", "defchp", "defpap", "do", "doccomm",
    "docvar", "dptxbxtext", "ebcend", "ebcstart", "factoidname", "falt", "fchars", "ffdeftext",
    "ffentrymcr", "ffexitmcr", "ffformat", "ffhelptext", "ffl", "ffname", "ffstattext", "file",
    "filetbl", "fldinst", "fldtype", "fname", "fontemb", "fontfile", "fonttbl", "footer",
    "footerf", "footerl", "footerr", "footnote", "formfield", "ftncn", "ftnsep", "ftnsepc",
    "g", "generator", "gridtbl", "header", "headerf", "headerl", "headerr", "hl", "hlfr",
    "hlinkbase", "hlloc", "hlsrc", "hsv", "htmltag", "info", "keycode", "keywords",
    "latentstyles", "lchars", "levelnumbers", "leveltext", "lfolevel", "linkval", "list",
    "listlevel", "listname", "listoverride", "listoverridetable", "listpicture",
    "liststylename", "listtable", "lsdlockedexcept", "macc", "maccPr", "mailmerge", "manager",
    "mmathPr", "nesttableprops", "nextfile", "nonesttables", "nonshppict", "objalias",
    "objclass", "objdata", "object", "objname", "objsect", "objtime", "oldcprops", "oldpprops",
    "oldsprops", "oldtprops", "oleclsid", "operator", "panose", "password", "passwordhash",
    "pgp", "pgptbl", "picprop", "pict", "pn", "pnseclvl", "pntxta", "pntxtb", "printim",
    "private", "propname", "protend", "protstart", "protusertbl", "pxe", "result", "revtbl",
    "revtim", "rsidtbl", "rxe", "shp", "shpgrp", "shpinst", "shppict", "shprslt", "shptxt",
    "sn", "sp", "staticval", "stylesheet", "subject", "sv", "svb", "tc", "template",
    "themedata", "title", "txe", "ud", "upr", "userprops", "wgrffmtfilter", "windowcaption",
    "writereservation", "writereservhash", "xe", "xform", "xmlattrname", "xmlattrvalue",
    "xmlclose", "xmlname", "xmlnstbl", "xmlopen",
};

constexpr KeywordEntry kWords[] = {
    {"par", Kw::Par},
    {"sect", Kw::Par},
    {"page", Kw::Par},
    {"row", Kw::Par},
    {"line", Kw::Line},
    {"tab", Kw::Tab},
    {"cell", Kw::Cell},
    {"b", Kw::Bold},
    {"i", Kw::Italic},
    {"ul", Kw::Underline},
    {"uld", Kw::Underline},
    {"uldb", Kw::Underline},
    {"uldash", Kw::Underline},
    {"ulth", Kw::Underline},
    {"ulw", Kw::Underline},
    {"ulwave", Kw::Underline},
    {"ulnone", Kw::UnderlineNone},
    {"plain", Kw::Plain},
    {"fs", Kw::FontSize},
    {"cf", Kw::Colour},
    {"u", Kw::Unicode},
    {"uc", Kw::UnicodeSkip},
    {"bin", Kw::Bin},
    {"emdash", Kw::Symbol, 0x2014},
    {"endash", Kw::Symbol, 0x2013},
    {"emspace", Kw::Symbol, 0x2003},
    {"enspace", Kw::Symbol, 0x2002},
    {"qmspace", Kw::Symbol, 0x2005},
    {"bullet", Kw::Symbol, 0x2022},
    {"lquote", Kw::Symbol, 0x2018},
    {"rquote", Kw::Symbol, 0x2019},
    {"ldblquote", Kw::Symbol, 0x201C},
    {"rdblquote", Kw::Symbol, 0x201D},
    {"colortbl", Kw::ColourTable},
    {"red", Kw::Red},
    {"green", Kw::Green},
    {"blue", Kw::Blue},
};

} // namespace

const KeywordEntry *lookup(std::string_view word)
{
    // Built once; sorted so lookups stay logarithmic however long the input.
    static const std::vector<KeywordEntry> table = [] {
        std::vector<KeywordEntry> t(std::begin(kWords), std::end(kWords));
        for (std::string_view d : kSkippedDestinations)
            t.push_back({d, Kw::SkipDestination});
        std::sort(t.begin(), t.end(),
                  [](const KeywordEntry &a, const KeywordEntry &b) { return a.word < b.word; });
        return t;
    }();
    auto it = std::lower_bound(table.begin(), table.end(), word,
                               [](const KeywordEntry &e, std::string_view w) { return e.word < w; });
    return (it != table.end() && it->word == word) ? &*it : nullptr;
}

QString describe(const QByteArray &input, qsizetype offset, const QString &reason)
{
    int line = 1;
    qsizetype lineStart = 0;
    const qsizetype end = std::min(offset, input.size());
    for (qsizetype i = 0; i < end; ++i) {
        if (input.at(i) == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    return QCoreApplication::translate("orvik3::RtfReader", "RTF error at line %1, column %2 (byte %3): %4")
        .arg(line)
        .arg(offset - lineStart + 1)
        .arg(offset)
        .arg(reason);
}

} // namespace orvik3::rtf
