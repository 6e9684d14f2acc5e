#include "textboard/rules/RtfControlWords.h"

#include <string_view>
#include <unordered_map>

namespace {

using Table = std::unordered_map<std::string_view, RtfWordInfo>;

Table buildTable()
{
    Table t;
    const auto add = [&t](std::string_view name, RtfWord word, char16_t ch = 0) {
        t.emplace(name, RtfWordInfo{word, ch});
    };

    add("deff", RtfWord::DefaultFont);
    add("uc", RtfWord::UnicodeSkip);
    add("u", RtfWord::Unicode);
    add("bin", RtfWord::Binary);

    add("fonttbl", RtfWord::FontTable);
    add("colortbl", RtfWord::ColorTable);
    // Destinations that hold no text of the document (or only a copy of it for old
    // readers, like \listtext and \pntext) and may appear without \*.
    for (std::string_view name :
         {"aftncn", "aftnsep", "aftnsepc", "annotation", "atnauthor", "atndate", "atnicn", "atnid",
          "atnparent", "atnref", "atntime", "atrfend", "atrfstart", "author", "background",
          "bkmkend", "bkmkstart", "buptim", "category", "comment", "company", "creatim",
          "datafield", "datastore", "do", "doccomm", "docvar", "dptxbxtext", "falt", "fchars",
          "ffdeftext", "ffentrymcr", "ffexitmcr", "ffformat", "ffhelptext", "ffl", "ffname",
          "ffstattext", "file", "filetbl", "fldinst", "fldtype", "fname", "fontemb", "fontfile",
          "footer", "footerf", "footerl", "footerr", "footnote", "formfield", "ftncn", "ftnsep",
          "ftnsepc", "generator", "header", "headerf", "headerl", "headerr", "hlinkbase", "info",
          "keycode", "keywords", "latentstyles", "lchars", "levelnumbers", "leveltext",
          "lfolevel", "list", "listlevel", "listname", "listoverride", "listoverridetable",
          "listpicture", "liststylename", "listtable", "listtext", "manager", "nextfile",
          "nonshppict", "objalias", "objclass", "objdata", "object", "objname", "objsect",
          "objtime", "operator", "panose", "pgdsctbl", "pict", "pn", "pnseclvl", "pntext",
          "pntxta", "pntxtb", "printim", "private", "revtbl", "revtim", "rsidtbl", "rxe", "shp",
          "shpinst", "shppict", "shprslt", "shptxt", "sp", "stylesheet", "subject", "tc",
          "template", "themedata", "title", "txe", "userprops", "xe", "xmlnstbl"})
        add(name, RtfWord::SkippedDestination);

    add("fcharset", RtfWord::FontCharset);
    add("red", RtfWord::Red);
    add("green", RtfWord::Green);
    add("blue", RtfWord::Blue);

    add("plain", RtfWord::Plain);
    add("f", RtfWord::Font);
    add("fs", RtfWord::FontSize);
    add("b", RtfWord::Bold);
    add("i", RtfWord::Italic);
    for (std::string_view name :
         {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth",
          "ulthd", "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw",
          "ulwave"})
        add(name, RtfWord::Underline);
    add("ulnone", RtfWord::UnderlineNone);
    add("strike", RtfWord::Strike);
    add("striked", RtfWord::Strike);
    add("cf", RtfWord::Color);

    add("pard", RtfWord::ParagraphDefault);
    add("ql", RtfWord::AlignLeft);
    add("qj", RtfWord::AlignLeft);
    add("qd", RtfWord::AlignLeft);
    add("qr", RtfWord::AlignRight);
    add("qc", RtfWord::AlignCentre);

    for (std::string_view name : {"par", "line", "page", "sect", "row"})
        add(name, RtfWord::ParagraphBreak);
    add("tab", RtfWord::Character, u'\t');
    add("cell", RtfWord::Character, u'\t');
    add("emdash", RtfWord::Character, u'\u2014');
    add("endash", RtfWord::Character, u'\u2013');
    add("emspace", RtfWord::Character, u'\u2003');
    add("enspace", RtfWord::Character, u'\u2002');
    add("qmspace", RtfWord::Character, u'\u2005');
    add("bullet", RtfWord::Character, u'\u2022');
    add("lquote", RtfWord::Character, u'\u2018');
    add("rquote", RtfWord::Character, u'\u2019');
    add("ldblquote", RtfWord::Character, u'\u201C');
    add("rdblquote", RtfWord::Character, u'\u201D');
    add("zwj", RtfWord::Character, u'\u200D');
    add("zwnj", RtfWord::Character, u'\u200C');
    add("ltrmark", RtfWord::Character, u'\u200E');
    add("rtlmark", RtfWord::Character, u'\u200F');
    return t;
}

} // namespace

RtfWordInfo rtfWordInfo(QByteArrayView name)
{
    static const Table table = buildTable();
    const auto it = table.find(std::string_view(name.data(), std::size_t(name.size())));
    return it == table.end() ? RtfWordInfo{} : it->second;
}
