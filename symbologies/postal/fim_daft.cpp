#include "symbologies/postal/fim_daft.h"

#include "core/model/encode_error.h"
#include "symbologies/postal/postal_bars.h"
#include "symbologies/postal/rm4scc.h"
#include "symbologies/symbol_building.h"

EncodedSymbol EncodeFimSymbol(const std::string& text, const EncodeOptions&) {
    // Bar positions of FIM A-E, 1 a bar.
    static const char* const kMarks[] = {"110010011", "101101101", "110101011", "111010111", "101000101"};
    RefuseLongerThan(text, 1);
    RefuseEmpty(text);
    const char letter = char(text[0] >= 'a' && text[0] <= 'e' ? text[0] - 'a' + 'A' : text[0]);
    if (letter < 'A' || letter > 'E')
        throw EncodeError(EncodeErrorKind::InvalidCharacter, "FIM takes one letter, A to E", 0);
    std::string bars;
    for (const char* p = kMarks[letter - 'A']; *p; ++p) bars += *p == '1' ? kFullBar : ' ';
    constexpr double kX = kMmPerInch / 32;
    const double quiet = ModulesOf(kMmPerInch / 8, kX);
    return PostalSymbol(bars, {{"F", ModulesOf(0.625 * kMmPerInch, kX)}}, {quiet, quiet, quiet, quiet},
                        std::string(1, letter));
}

EncodedSymbol EncodeDaftSymbol(const std::string& text, const EncodeOptions&) {
    RefuseLongerThan(text, 576);  // as zint 2.15
    RefuseEmpty(text);
    std::string bars = text;
    for (size_t i = 0; i < bars.size(); ++i) {
        char& c = bars[i];
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
        if (c != kDescender && c != kAscender && c != kFullBar && c != kTracker)
            throw EncodeError(EncodeErrorKind::InvalidCharacter, "DAFT takes the bar letters D, A, F and T", long(i));
    }
    return FourStateSymbol(bars, kRm4sccHeights, kRm4sccQuietZone, bars);
}
