#include "rtf/RtfCodePage.h"

#include <QStringDecoder>
#include <array>
#include <memory>
#include <unordered_map>

namespace {

// Windows-1252 for bytes 0x80-0x9F, used if the system has no converter.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

QByteArray ConverterName(int codePage)
{
    switch (codePage) {
    case 932:
        return "windows-31j";
    case 936:
        return "windows-936";
    case 949:
        return "windows-949";
    case 950:
        return "windows-950";
    case 10000:
        return "macintosh";
    case 437:
    case 850:
    case 852:
    case 855:
    case 857:
    case 860:
    case 861:
    case 862:
    case 863:
    case 864:
    case 865:
    case 866:
    case 869:
        return "IBM" + QByteArray::number(codePage);
    case 65001:
        return "UTF-8";
    default:
        return "windows-" + QByteArray::number(codePage);
    }
}

bool KeepChar(char16_t c)
{
    return c >= 0x20 || c == u'\t';
}

// One table per single-byte page: built once, then decoding is a lookup.
// A zero entry means "drop this byte".
struct SingleByteTable
{
    std::array<char16_t, 256> chars{};
};

struct DecoderCache
{
    std::unordered_map<int, std::unique_ptr<SingleByteTable>> tables;
    std::unordered_map<int, std::unique_ptr<QStringDecoder>> decoders;
    std::unordered_map<int, bool> supported;
};

DecoderCache& Cache()
{
    thread_local DecoderCache cache;
    return cache;
}

std::unique_ptr<QStringDecoder> MakeDecoder(int codePage)
{
    if (codePage <= 0) {
        return nullptr;
    }
    auto decoder = std::make_unique<QStringDecoder>(ConverterName(codePage),
                                                    QStringConverter::Flag::Stateless);
    if (!decoder->isValid()) {
        return nullptr;
    }
    return decoder;
}

const SingleByteTable& TableFor(int codePage)
{
    auto& tables = Cache().tables;
    auto found = tables.find(codePage);
    if (found != tables.end()) {
        return *found->second;
    }
    auto table = std::make_unique<SingleByteTable>();
    std::unique_ptr<QStringDecoder> decoder =
        codePage == CRtfCodePage::kSymbol ? nullptr : MakeDecoder(codePage);
    for (int byte = 0; byte < 256; ++byte) {
        char16_t c = 0;
        if (byte < 0x80) {
            c = char16_t(byte);
        } else if (decoder) {
            const char in = char(byte);
            const QString s = decoder->decode(QByteArrayView(&in, 1));
            c = s.size() == 1 ? s.at(0).unicode() : 0xFFFD;
        } else if (byte < 0xA0) {
            c = kCp1252High[byte - 0x80];
        } else {
            c = char16_t(byte);
        }
        table->chars[size_t(byte)] = KeepChar(c) ? c : 0;
    }
    if (codePage == CRtfCodePage::kSymbol) {
        // Rich-edit bullets are Symbol's and Wingdings' bullet glyphs.
        table->chars[0xB7] = 0x2022;
        table->chars[0xA7] = 0x25AA;
    }
    return *tables.emplace(codePage, std::move(table)).first->second;
}

} // namespace

int CRtfCodePage::FromCharset(int charset)
{
    switch (charset) {
    case 0:
        return 1252;
    case 2:
        return kSymbol;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return 0;
    }
}

bool CRtfCodePage::IsSupported(int codePage)
{
    if (codePage == kSymbol || codePage == kDefault) {
        return true;
    }
    if (codePage <= 0 || codePage > 65535) {
        return false;
    }
    auto& supported = Cache().supported;
    auto found = supported.find(codePage);
    if (found != supported.end()) {
        return found->second;
    }
    const bool ok = MakeDecoder(codePage) != nullptr;
    supported.emplace(codePage, ok);
    return ok;
}

bool CRtfCodePage::IsMultiByte(int codePage)
{
    return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950 ||
           codePage == 65001;
}

bool CRtfCodePage::IsLeadByte(int codePage, unsigned char byte)
{
    switch (codePage) {
    case 932:
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case 936:
    case 949:
    case 950:
        return byte >= 0x81 && byte <= 0xFE;
    default:
        return false;
    }
}

void CRtfCodePage::Decode(int codePage, std::string_view bytes, QString& out)
{
    if (bytes.empty()) {
        return;
    }
    if (IsMultiByte(codePage) && IsSupported(codePage)) {
        auto& decoders = Cache().decoders;
        auto found = decoders.find(codePage);
        if (found == decoders.end()) {
            found = decoders.emplace(codePage, MakeDecoder(codePage)).first;
        }
        const QString text =
            found->second->decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
        out.reserve(out.size() + text.size());
        for (QChar c : text) {
            if (KeepChar(c.unicode())) {
                out.append(c);
            }
        }
        return;
    }
    const SingleByteTable& table = TableFor(IsSupported(codePage) ? codePage : kDefault);
    const qsizetype start = out.size();
    out.resize(start + qsizetype(bytes.size()));
    QChar* dest = out.data() + start;
    for (char byte : bytes) {
        const char16_t c = table.chars[static_cast<unsigned char>(byte)];
        if (c != 0) {
            *dest++ = QChar(c);
        }
    }
    out.resize(dest - out.data());
}
