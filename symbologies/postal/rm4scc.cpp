#include "symbologies/postal/rm4scc.h"

#include <cstring>

#include "core/model/encode_error.h"
#include "symbologies/postal/postal_bars.h"
#include "symbologies/symbol_building.h"

namespace {

constexpr char kCharset[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
// Which two of a character's four bars rise (by its row) or fall (by its column).
constexpr char kPairs[6][5] = {"0011", "0101", "0110", "1001", "1010", "1100"};

int IndexOf(char c) { return int(static_cast<const char*>(std::memchr(kCharset, c, 36)) - kCharset); }

// Upper case text of the code's character set, or InvalidCharacter at the first character outside it.
std::string CheckedText(const char* name, const std::string& text, size_t limit) {
    RefuseLongerThan(text, limit);
    RefuseEmpty(text);
    std::string upper = text;
    for (size_t i = 0; i < upper.size(); ++i) {
        char& c = upper[i];
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')))
            throw EncodeError(EncodeErrorKind::InvalidCharacter, std::string(name) + " takes 0-9 and A-Z", long(i));
    }
    return upper;
}

}  // namespace

// Royal Mail's nominal bars: 22 to the inch (a module is half the pitch), tracker 1.27 mm, ascender
// and descender 1.88 mm each; quiet zone 2 mm all round.
constexpr double kX = kMmPerInch / 44;
const FourStateHeights kRm4sccHeights = {ModulesOf(1.88, kX), ModulesOf(1.27, kX), ModulesOf(1.88, kX)};
const ModuleMargins kRm4sccQuietZone = QuietZoneOf(2.0, 2.0, kX);

std::string Rm4sccCharacterBars(const std::string& text) {
    std::string bars;
    bars.reserve(4 * text.size());
    for (char c : text) {
        const int index = IndexOf(c);
        const char* up = kPairs[index / 6];
        const char* down = kPairs[index % 6];
        for (int b = 0; b < 4; ++b)
            bars += up[b] == '1' ? (down[b] == '1' ? kFullBar : kAscender) : (down[b] == '1' ? kDescender : kTracker);
    }
    return bars;
}

char Rm4sccCheckCharacter(const std::string& text) {
    int rows = 0, columns = 0;
    for (char c : text) {
        rows += IndexOf(c) / 6 + 1;
        columns += IndexOf(c) % 6 + 1;
    }
    return kCharset[(rows + 5) % 6 * 6 + (columns + 5) % 6];
}

EncodedSymbol EncodeRm4sccSymbol(const std::string& text, const EncodeOptions&) {
    const std::string upper = CheckedText("RM4SCC", text, 50);
    const char check = Rm4sccCheckCharacter(upper);
    const std::string bars = kAscender + Rm4sccCharacterBars(upper + check) + kFullBar;
    return FourStateSymbol(bars, kRm4sccHeights, kRm4sccQuietZone, upper + check);
}

EncodedSymbol EncodeKixSymbol(const std::string& text, const EncodeOptions&) {
    const std::string upper = CheckedText("KIX", text, 18);
    return FourStateSymbol(Rm4sccCharacterBars(upper), kRm4sccHeights, kRm4sccQuietZone, upper);
}
