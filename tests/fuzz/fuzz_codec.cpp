// The text codec, against every property its header states.
#include "FuzzCheck.h"

#include "shell/Codec.h"

#include <QString>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);

    // EncodeString: every byte plus 85, a byte whose sum would pass 255 dropped, order kept.
    const QByteArray encoded = shell::EncodeString(bytes);
    QByteArray kept;
    for (char c : bytes)
        if (static_cast<unsigned char>(c) <= 170)
            kept.append(c);
    FUZZ_CHECK(encoded.size() == kept.size());
    for (qsizetype i = 0; i < encoded.size(); ++i)
        FUZZ_CHECK(static_cast<unsigned char>(encoded[i]) == static_cast<unsigned char>(kept[i]) + 85);
    // Encoded output never holds a line end, and decoding gives back what was kept.
    FUZZ_CHECK(!encoded.contains('\r') && !encoded.contains('\n'));
    FUZZ_CHECK(shell::DecodeString(encoded) == kept);

    // DecodeString: every byte minus 85, a byte below 85 dropped, order kept.
    const QByteArray decoded = shell::DecodeString(bytes);
    qsizetype j = 0;
    for (char c : bytes) {
        const int code = static_cast<unsigned char>(c);
        if (code < 85)
            continue;
        FUZZ_CHECK(j < decoded.size() && static_cast<unsigned char>(decoded[j]) == code - 85);
        ++j;
    }
    FUZZ_CHECK(j == decoded.size());
    FUZZ_CHECK(shell::EncodeString(decoded) == shell::EncodeString(shell::DecodeString(bytes)));

    // Windows-1252: every byte is one character and comes back; a text's characters come back when all
    // have a code, and fitsStoredFormat tells exactly the texts that survive the codec.
    const QString text = shell::fromAnsi(bytes);
    FUZZ_CHECK(text.size() == bytes.size());
    bool ok = false;
    FUZZ_CHECK(shell::toAnsi(text, &ok) == bytes && ok);

    const QString utf16 = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2);
    const QByteArray ansi = shell::toAnsi(utf16, &ok);
    FUZZ_CHECK(ansi.size() <= utf16.size());
    FUZZ_CHECK(!ok || shell::fromAnsi(ansi) == utf16);
    const bool survives = ok && shell::fromAnsi(shell::DecodeString(shell::EncodeString(ansi))) == utf16;
    FUZZ_CHECK(shell::fitsStoredFormat(utf16) == survives);
    return 0;
}
