#pragma once
// The RTF document a version-1 entry's plain text becomes: the minimal
// document version 1 used (Arial, 12 pt, Cyrillic character set), with the
// text escaped so that it reads back exactly as it was written.

#include <string>
#include <string_view>

// "\", "{" and "}" are escaped, line breaks (CR LF, CR or LF) end
// paragraphs, tabs become \tab and 8-bit characters \'hh escapes in the
// wrapper's character set. The result is 7-bit.
std::string WrapVersion1Text(std::string_view plainText);
