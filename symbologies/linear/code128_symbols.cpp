#include "symbologies/linear/code128_symbols.h"

#include "core/model/encode_error.h"

namespace code128 {
namespace {

// Widths in modules of bar, space, bar, ... per symbol value; the stop has seven elements.
constexpr char kPatterns[107][8] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213",
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132",
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331",
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111",
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214",
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141",
    "114131", "311141", "411131", "211412", "211214", "211232", "2331112",
};

void AppendPattern(ModuleWidths& out, int value, const char* invalid_value_message) {
    if (value < 0 || value > kStop) throw EncodeError(EncodeErrorKind::InvalidData, invalid_value_message);
    for (const char* digit = kPatterns[value]; *digit; ++digit) out.push_back(*digit - '0');
}

}  // namespace

int ValueInSetA(unsigned char byte) {
    if (byte < 0x20) return byte + 64;
    return byte < 0x60 ? byte - 32 : -1;
}

int ValueInSetB(unsigned char byte) { return byte >= 0x20 && byte <= 0x7F ? byte - 32 : -1; }

int CheckValue(const std::vector<int>& values) {
    long long sum = values.empty() ? 0 : values[0];
    for (size_t i = 1; i < values.size(); ++i) sum = (sum + static_cast<long long>(i % 103) * values[i]) % 103;
    return static_cast<int>(sum % 103);
}

ModuleWidths ToModuleWidths(const std::vector<int>& values, const char* invalid_value_message) {
    ModuleWidths out;
    out.reserve(6 * (values.size() + 1) + 7);
    for (int value : values) AppendPattern(out, value, invalid_value_message);
    AppendPattern(out, CheckValue(values), invalid_value_message);
    AppendPattern(out, kStop, invalid_value_message);
    return out;
}

}  // namespace code128
