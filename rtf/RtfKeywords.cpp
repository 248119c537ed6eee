#include "rtf/RtfKeywords.h"

#include <unordered_map>

namespace {

using Kw = RtfKeyword;

const std::unordered_map<std::string_view, CRtfKeywords::Entry>& Table()
{
    static const std::unordered_map<std::string_view, CRtfKeywords::Entry> table = [] {
        std::unordered_map<std::string_view, CRtfKeywords::Entry> t;
        t["fonttbl"] = {Kw::FontTable};
        t["colortbl"] = {Kw::ColourTable};
        // Groups whose content is not part of the text.
        for (const char* name : {"stylesheet",
                                 "info",
                                 "object",
                                 "objdata",
                                 "objclass",
                                 "objname",
                                 "header",
                                 "headerl",
                                 "headerr",
                                 "headerf",
                                 "footer",
                                 "footerl",
                                 "footerr",
                                 "footerf",
                                 "footnote",
                                 "annotation",
                                 "atnid",
                                 "atnauthor",
                                 "atntime",
                                 "atnref",
                                 "atndate",
                                 "atrfstart",
                                 "atrfend",
                                 "fldinst",
                                 "pn",
                                 "pntxta",
                                 "pntxtb",
                                 "pnseclvl",
                                 "listtable",
                                 "listoverridetable",
                                 "revtbl",
                                 "rsidtbl",
                                 "xmlnstbl",
                                 "themedata",
                                 "colorschememapping",
                                 "latentstyles",
                                 "datastore",
                                 "pgdsctbl",
                                 "bkmkstart",
                                 "bkmkend",
                                 "shp",
                                 "shpinst",
                                 "shprslt",
                                 "nonshppict",
                                 "template",
                                 "ftnsep",
                                 "ftnsepc",
                                 "ftncn",
                                 "aftnsep",
                                 "aftnsepc",
                                 "aftncn",
                                 "comment",
                                 "author",
                                 "operator",
                                 "title",
                                 "subject",
                                 "keywords",
                                 "doccomm",
                                 "company",
                                 "manager",
                                 "category",
                                 "creatim",
                                 "revtim",
                                 "printim",
                                 "buptim",
                                 "blipuid",
                                 "sp",
                                 "sn",
                                 "sv",
                                 "docvar",
                                 "xe",
                                 "tc",
                                 "txe",
                                 "rxe",
                                 "private",
                                 "userprops",
                                 "generator",
                                 "falt",
                                 "panose",
                                 "fontemb",
                                 "fontfile",
                                 "filetbl",
                                 "formfield",
                                 "ffname",
                                 "ffdeftext",
                                 "picprop",
                                 "do",
                                 "listpicture",
                                 "mmathPr",
                                 "wgrffmtfilter",
                                 "passwordhash",
                                 "protusertbl",
                                 "fchars",
                                 "lchars",
                                 "background",
                                 "hlinkbase",
                                 "expandedcolortbl",
                                 "listtext" /* handled below */}) {
            t[name] = {Kw::SkipDestination};
        }
        // The rendered list number or bullet is text like any other.
        t.erase("listtext");
        t["pict"] = {Kw::Picture};
        t["pngblip"] = {Kw::PngBlip};
        t["jpegblip"] = {Kw::JpegBlip};
        t["picw"] = {Kw::PicW};
        t["pich"] = {Kw::PicH};
        t["picwgoal"] = {Kw::PicWGoal};
        t["pichgoal"] = {Kw::PicHGoal};
        t["ansi"] = {Kw::Ansi};
        t["mac"] = {Kw::Mac};
        t["pc"] = {Kw::Pc};
        t["pca"] = {Kw::Pca};
        t["ansicpg"] = {Kw::AnsiCpg};
        t["deff"] = {Kw::Deff};
        t["uc"] = {Kw::Uc};
        t["u"] = {Kw::U};
        t["bin"] = {Kw::Bin};
        for (const char* name : {"par", "sect", "page", "row", "column"}) {
            t[name] = {Kw::Par};
        }
        t["line"] = {Kw::Line};
        t["tab"] = {Kw::Tab};
        t["cell"] = {Kw::Tab};
        t["nestcell"] = {Kw::Tab};
        t["emdash"] = {Kw::Char, 0x2014};
        t["endash"] = {Kw::Char, 0x2013};
        t["emspace"] = {Kw::Char, 0x2003};
        t["enspace"] = {Kw::Char, 0x2002};
        t["qmspace"] = {Kw::Char, 0x2005};
        t["bullet"] = {Kw::Char, 0x2022};
        t["lquote"] = {Kw::Char, 0x2018};
        t["rquote"] = {Kw::Char, 0x2019};
        t["ldblquote"] = {Kw::Char, 0x201C};
        t["rdblquote"] = {Kw::Char, 0x201D};
        t["zwj"] = {Kw::Char, 0x200D};
        t["zwnj"] = {Kw::Char, 0x200C};
        t["ltrmark"] = {Kw::Char, 0x200E};
        t["rtlmark"] = {Kw::Char, 0x200F};
        t["plain"] = {Kw::Plain};
        t["f"] = {Kw::F};
        t["fs"] = {Kw::Fs};
        t["b"] = {Kw::B};
        t["i"] = {Kw::I};
        for (const char* name : {"ul", "uld", "uldb", "ulw", "ulth", "ulwave", "uldash", "uldashd",
                                 "uldashdd", "ulhwave", "ulldash", "ulthd", "ulthdash", "ulthdashd",
                                 "ulthdashdd", "ulthldash", "ululdbwave"}) {
            t[name] = {Kw::Ul};
        }
        t["ulnone"] = {Kw::UlNone};
        t["strike"] = {Kw::Strike};
        t["striked"] = {Kw::Strike};
        t["cf"] = {Kw::Cf};
        t["highlight"] = {Kw::Highlight};
        t["cb"] = {Kw::Highlight};
        t["chcbpat"] = {Kw::Highlight};
        t["super"] = {Kw::Super};
        t["sub"] = {Kw::Sub};
        t["nosupersub"] = {Kw::NoSuperSub};
        t["v"] = {Kw::Hidden};
        t["pard"] = {Kw::Pard};
        t["ql"] = {Kw::Ql};
        t["qc"] = {Kw::Qc};
        t["qr"] = {Kw::Qr};
        t["qj"] = {Kw::Qj};
        t["li"] = {Kw::Li};
        t["ri"] = {Kw::Ri};
        t["fi"] = {Kw::Fi};
        t["sb"] = {Kw::Sb};
        t["sa"] = {Kw::Sa};
        t["tx"] = {Kw::Tx};
        t["tqr"] = {Kw::Tqr};
        t["tqc"] = {Kw::Tqc};
        t["tqdec"] = {Kw::Tqdec};
        t["fcharset"] = {Kw::FCharset};
        t["cpg"] = {Kw::Cpg};
        t["red"] = {Kw::Red};
        t["green"] = {Kw::Green};
        t["blue"] = {Kw::Blue};
        return t;
    }();
    return table;
}

} // namespace

CRtfKeywords::Entry CRtfKeywords::Lookup(std::string_view word)
{
    const auto& table = Table();
    auto found = table.find(word);
    return found == table.end() ? Entry{} : found->second;
}
