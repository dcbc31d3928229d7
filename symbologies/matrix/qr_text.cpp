#include "symbologies/matrix/qr_text.h"

#include <algorithm>

#include "core/model/encode_error.h"
#include "core/text_encoding/eci.h"

QrText QrTextOf(const std::string& text, int eci, const std::string& encoding, bool eci_allowed) {
    if (encoding != "utf-8" && encoding != "shift_jis")
        throw EncodeError(EncodeErrorKind::InvalidOption, "encoding \"" + encoding + "\" is not utf-8 or shift_jis");
    if (eci != kNoEci) {
        if (!eci_allowed)
            throw EncodeError(EncodeErrorKind::InvalidOption,
                              "eci: Micro QR has no ECI (qr and rmqr have); its text is ISO-8859-1 or Shift JIS");
        return {EncodeForEci(text, eci), eci, eci == kEciShiftJis};
    }
    if (encoding == "shift_jis") return {EncodeForEci(text, kEciShiftJis), kNoEci, true};
    if (FitsEci(text, kEciLatin1)) {
        // Readers guess the set of bytes without an ECI (zbar takes ISO-8859-1 bytes for Shift JIS),
        // so only ASCII goes without one where an ECI can be written.
        const bool ascii = std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
        return {EncodeForEci(text, kEciLatin1), ascii || !eci_allowed ? kNoEci : kEciLatin1, false};
    }
    if (!eci_allowed || FitsEci(text, kEciShiftJis)) return {EncodeForEci(text, kEciShiftJis), kNoEci, true};
    return {text, kEciUtf8, false};
}
