#include "shell/Codec.h"

#include <array>

namespace shell {

namespace {
constexpr int kShift = 85;

// 0x80..0x9F of Windows-1252. The five undefined codes map to the C1 controls of the same value,
// so that every byte round-trips.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int ansiCode(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == c)
            return 0x80 + static_cast<int>(i);
    return -1;
}
} // namespace

QByteArray EncodeString(QByteArrayView ansiBytes)
{
    QByteArray out;
    out.reserve(ansiBytes.size());
    for (char ch : ansiBytes) {
        const int code = static_cast<unsigned char>(ch) + kShift;
        if (code <= 255)
            out.append(static_cast<char>(code));
    }
    return out;
}

QByteArray DecodeString(QByteArrayView bytes)
{
    QByteArray out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const int code = static_cast<unsigned char>(ch) - kShift;
        if (code >= 0)
            out.append(static_cast<char>(code));
    }
    return out;
}

QByteArray toAnsi(QStringView text, bool* ok)
{
    QByteArray out;
    out.reserve(text.size());
    bool all = true;
    for (QChar ch : text) {
        const int code = ansiCode(ch.unicode());
        if (code < 0) {
            all = false;
            continue;
        }
        out.append(static_cast<char>(code));
    }
    if (ok)
        *ok = all;
    return out;
}

QString fromAnsi(QByteArrayView bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto code = static_cast<unsigned char>(ch);
        out.append(code >= 0x80 && code < 0xA0 ? QChar(kHigh[code - 0x80]) : QChar(code));
    }
    return out;
}

bool fitsStoredFormat(QStringView text)
{
    for (QChar ch : text) {
        const int code = ansiCode(ch.unicode());
        if (code < 0 || code + kShift > 255)
            return false;
    }
    return true;
}

} // namespace shell
