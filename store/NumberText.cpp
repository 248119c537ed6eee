#include "store/NumberText.h"

#include <charconv>
#include <system_error>

std::string FormatFixed(double value, int decimals)
{
    char text[400]; // room for the largest double in fixed notation
    const std::to_chars_result result =
        std::to_chars(text, text + sizeof(text), value, std::chars_format::fixed, decimals);
    return result.ec == std::errc() ? std::string(text, result.ptr) : std::string();
}
