#include "platform/AnsiCodec.h"

#include <QStringList>
#include <array>

namespace {
// Windows-1252 bytes 0x80..0x9F; the five bytes the code page leaves
// undefined map to the C1 controls of the same value, as Windows does.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int ByteFor(char16_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) {
        return ch;
    }
    for (size_t i = 0; i < kHighTable.size(); ++i) {
        if (kHighTable[i] == ch) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}
} // namespace

QString CAnsiCodec::ToQString(std::string_view bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte < 0xA0) {
            text.append(QChar(kHighTable[byte - 0x80]));
        } else {
            text.append(QChar(static_cast<char16_t>(byte)));
        }
    }
    return text;
}

std::optional<std::string> CAnsiCodec::FromQString(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (const QChar ch : text) {
        const int byte = ByteFor(ch.unicode());
        // A zero byte would end the string early in the diary's fields.
        if (byte <= 0) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(byte));
    }
    return bytes;
}

bool CAnsiCodec::CanEncode(const QString& text)
{
    return FromQString(text).has_value();
}

QString CAnsiCodec::UnsupportedMessage(const QString& text)
{
    QStringList refused;
    for (const char32_t ch : text.toUcs4()) {
        // A character beyond the 16-bit plane (an emoji) never fits.
        const int byte = ch > 0xFFFF ? -1 : ByteFor(static_cast<char16_t>(ch));
        if (byte > 0) {
            continue;
        }
        const QString shown = ch == 0 ? QStringLiteral("U+0000") : QString::fromUcs4(&ch, 1);
        if (!refused.contains(shown)) {
            refused << shown;
        }
    }
    return tr("This text contains characters that a diary cannot store: %1. Please use only "
              "Western European letters, digits and punctuation.")
        .arg(refused.join(QStringLiteral(", ")));
}

QString CAnsiCodec::UnsupportedMessage()
{
    return tr("This text contains characters that a diary cannot store. Please use "
              "only Western European letters, digits and punctuation.");
}
