#include "symbologies/matrix/qr_text.h"

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
    if (FitsEci(text, kEciLatin1)) return {EncodeForEci(text, kEciLatin1), kNoEci, false};
    if (!eci_allowed || FitsEci(text, kEciShiftJis)) return {EncodeForEci(text, kEciShiftJis), kNoEci, true};
    return {text, kEciUtf8, false};
}
