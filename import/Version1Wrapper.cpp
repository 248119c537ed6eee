#include "import/Version1Wrapper.h"

std::string WrapVersion1Text(std::string_view plainText)
{
    static constexpr std::string_view kHead =
        "{\\rtf1\\ansi\\deff0\n\\viewkind4\\uc1\\pard{\\fonttbl{\\f0\\fswiss\\fcharset204 "
        "Arial;}{\\f1\\fswiss\\fcharset0 Arial;}}\\f0\\fs24 ";
    static constexpr std::string_view kTail = "\n\\par }";
    static constexpr char kHex[] = "0123456789abcdef";

    std::string rtf;
    rtf.reserve(kHead.size() + plainText.size() + plainText.size() / 8 + kTail.size());
    rtf.append(kHead);
    for (size_t i = 0; i < plainText.size(); ++i) {
        const char c = plainText[i];
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '\\':
        case '{':
        case '}':
            rtf.push_back('\\');
            rtf.push_back(c);
            break;
        case '\r':
            if (i + 1 < plainText.size() && plainText[i + 1] == '\n') {
                ++i;
            }
            [[fallthrough]];
        case '\n':
            rtf.append("\\par\n");
            break;
        case '\t':
            rtf.append("\\tab ");
            break;
        default:
            if (byte >= 0x80) {
                rtf.append("\\'");
                rtf.push_back(kHex[byte >> 4]);
                rtf.push_back(kHex[byte & 0x0F]);
            } else {
                rtf.push_back(c);
            }
            break;
        }
    }
    rtf.append(kTail);
    return rtf;
}
