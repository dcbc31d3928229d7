#include "gs1/ai_table.h"

#include <cstring>
#include <stdexcept>

#include "core/text_encoding/digits.h"

namespace {

// One AI, or a run of consecutive AIs, with the components of its data: a type letter (N digits,
// X set 82, Y set 39, Z base64url), a fixed length "N6" or a maximum "X..20", in brackets when
// optional, and after a comma the rule it must pass.
struct AiRow {
    const char* first;
    const char* last;
    bool predefined_length;
    const char* format;
};

constexpr AiRow kAiRows[] = {
    {"00", "00", true, "N18,csum"},
    {"01", "01", true, "N14,csum"},
    {"02", "02", true, "N14,csum"},
    {"03", "03", true, "N14,csum"},
    {"10", "10", false, "X..20"},
    {"11", "11", true, "N6,yymmd0"},
    {"12", "12", true, "N6,yymmd0"},
    {"13", "13", true, "N6,yymmd0"},
    {"15", "15", true, "N6,yymmd0"},
    {"16", "16", true, "N6,yymmd0"},
    {"17", "17", true, "N6,yymmd0"},
    {"20", "20", true, "N2"},
    {"21", "21", false, "X..20"},
    {"22", "22", false, "X..20"},
    {"235", "235", false, "X..28"},
    {"240", "240", false, "X..30"},
    {"241", "241", false, "X..30"},
    {"242", "242", false, "N..6"},
    {"243", "243", false, "X..20"},
    {"250", "250", false, "X..30"},
    {"251", "251", false, "X..30"},
    {"253", "253", false, "N13,csum [X..17]"},
    {"254", "254", false, "X..20"},
    {"255", "255", false, "N13,csum [N..12]"},
    {"30", "30", false, "N..8"},
    {"3100", "3105", true, "N6"},
    {"3110", "3115", true, "N6"},
    {"3120", "3125", true, "N6"},
    {"3130", "3135", true, "N6"},
    {"3140", "3145", true, "N6"},
    {"3150", "3155", true, "N6"},
    {"3160", "3165", true, "N6"},
    {"3200", "3205", true, "N6"},
    {"3210", "3215", true, "N6"},
    {"3220", "3225", true, "N6"},
    {"3230", "3235", true, "N6"},
    {"3240", "3245", true, "N6"},
    {"3250", "3255", true, "N6"},
    {"3260", "3265", true, "N6"},
    {"3270", "3275", true, "N6"},
    {"3280", "3285", true, "N6"},
    {"3290", "3295", true, "N6"},
    {"3300", "3305", true, "N6"},
    {"3310", "3315", true, "N6"},
    {"3320", "3325", true, "N6"},
    {"3330", "3335", true, "N6"},
    {"3340", "3345", true, "N6"},
    {"3350", "3355", true, "N6"},
    {"3360", "3365", true, "N6"},
    {"3370", "3375", true, "N6"},
    {"3400", "3405", true, "N6"},
    {"3410", "3415", true, "N6"},
    {"3420", "3425", true, "N6"},
    {"3430", "3435", true, "N6"},
    {"3440", "3445", true, "N6"},
    {"3450", "3455", true, "N6"},
    {"3460", "3465", true, "N6"},
    {"3470", "3475", true, "N6"},
    {"3480", "3485", true, "N6"},
    {"3490", "3495", true, "N6"},
    {"3500", "3505", true, "N6"},
    {"3510", "3515", true, "N6"},
    {"3520", "3525", true, "N6"},
    {"3530", "3535", true, "N6"},
    {"3540", "3545", true, "N6"},
    {"3550", "3555", true, "N6"},
    {"3560", "3565", true, "N6"},
    {"3570", "3575", true, "N6"},
    {"3600", "3605", true, "N6"},
    {"3610", "3615", true, "N6"},
    {"3620", "3625", true, "N6"},
    {"3630", "3635", true, "N6"},
    {"3640", "3645", true, "N6"},
    {"3650", "3655", true, "N6"},
    {"3660", "3665", true, "N6"},
    {"3670", "3675", true, "N6"},
    {"3680", "3685", true, "N6"},
    {"3690", "3695", true, "N6"},
    {"37", "37", false, "N..8"},
    {"3900", "3909", false, "N..15"},
    {"3910", "3919", false, "N3 N..15"},
    {"3920", "3929", false, "N..15"},
    {"3930", "3939", false, "N3 N..15"},
    {"3940", "3943", false, "N4"},
    {"3950", "3955", false, "N6"},
    {"400", "400", false, "X..30"},
    {"401", "401", false, "X..30"},
    {"402", "402", false, "N17,csum"},
    {"403", "403", false, "X..30"},
    {"410", "410", true, "N13,csum"},
    {"411", "411", true, "N13,csum"},
    {"412", "412", true, "N13,csum"},
    {"413", "413", true, "N13,csum"},
    {"414", "414", true, "N13,csum"},
    {"415", "415", true, "N13,csum"},
    {"416", "416", true, "N13,csum"},
    {"417", "417", true, "N13,csum"},
    {"420", "420", false, "X..20"},
    {"421", "421", false, "N3 X..9"},
    {"422", "422", false, "N3"},
    {"423", "423", false, "N3 [N3] [N3] [N3] [N3]"},
    {"424", "424", false, "N3"},
    {"425", "425", false, "N3 [N3] [N3] [N3] [N3]"},
    {"426", "426", false, "N3"},
    {"427", "427", false, "X..3"},
    {"4300", "4300", false, "X..35"},
    {"4301", "4301", false, "X..35"},
    {"4302", "4302", false, "X..70"},
    {"4303", "4303", false, "X..70"},
    {"4304", "4304", false, "X..70"},
    {"4305", "4305", false, "X..70"},
    {"4306", "4306", false, "X..70"},
    {"4307", "4307", false, "X2"},
    {"4308", "4308", false, "X..30"},
    {"4309", "4309", false, "N10 N10"},
    {"4310", "4310", false, "X..35"},
    {"4311", "4311", false, "X..35"},
    {"4312", "4312", false, "X..70"},
    {"4313", "4313", false, "X..70"},
    {"4314", "4314", false, "X..70"},
    {"4315", "4315", false, "X..70"},
    {"4316", "4316", false, "X..70"},
    {"4317", "4317", false, "X2"},
    {"4318", "4318", false, "X..20"},
    {"4319", "4319", false, "X..30"},
    {"4320", "4320", false, "X..35"},
    {"4321", "4321", false, "N1"},
    {"4322", "4322", false, "N1"},
    {"4323", "4323", false, "N1"},
    {"4324", "4324", false, "N6,yymmd0 N4,hhmi"},
    {"4325", "4325", false, "N6,yymmd0 N4,hhmi"},
    {"4326", "4326", false, "N6,yymmdd"},
    {"4330", "4330", false, "N6 [X1]"},
    {"4331", "4331", false, "N6 [X1]"},
    {"4332", "4332", false, "N6 [X1]"},
    {"4333", "4333", false, "N6 [X1]"},
    {"7001", "7001", false, "N13"},
    {"7002", "7002", false, "X..30"},
    {"7003", "7003", false, "N6,yymmdd N4,hhmi"},
    {"7004", "7004", false, "N..4"},
    {"7005", "7005", false, "X..12"},
    {"7006", "7006", false, "N6,yymmdd"},
    {"7007", "7007", false, "N6,yymmdd [N6],yymmdd"},
    {"7008", "7008", false, "X..3"},
    {"7009", "7009", false, "X..10"},
    {"7010", "7010", false, "X..2"},
    {"7011", "7011", false, "N6,yymmdd [N4],hhmi"},
    {"7020", "7020", false, "X..20"},
    {"7021", "7021", false, "X..20"},
    {"7022", "7022", false, "X..20"},
    {"7023", "7023", false, "X..30"},
    {"7030", "7030", false, "N3 X..27"},
    {"7031", "7031", false, "N3 X..27"},
    {"7032", "7032", false, "N3 X..27"},
    {"7033", "7033", false, "N3 X..27"},
    {"7034", "7034", false, "N3 X..27"},
    {"7035", "7035", false, "N3 X..27"},
    {"7036", "7036", false, "N3 X..27"},
    {"7037", "7037", false, "N3 X..27"},
    {"7038", "7038", false, "N3 X..27"},
    {"7039", "7039", false, "N3 X..27"},
    {"7040", "7040", false, "N1 X1 X1 X1"},
    {"7041", "7041", false, "X..4"},
    {"710", "710", false, "X..20"},
    {"711", "711", false, "X..20"},
    {"712", "712", false, "X..20"},
    {"713", "713", false, "X..20"},
    {"714", "714", false, "X..20"},
    {"715", "715", false, "X..20"},
    {"716", "716", false, "X..20"},
    {"717", "717", false, "X..20"},
    {"7230", "7230", false, "X2 X..28"},
    {"7231", "7231", false, "X2 X..28"},
    {"7232", "7232", false, "X2 X..28"},
    {"7233", "7233", false, "X2 X..28"},
    {"7234", "7234", false, "X2 X..28"},
    {"7235", "7235", false, "X2 X..28"},
    {"7236", "7236", false, "X2 X..28"},
    {"7237", "7237", false, "X2 X..28"},
    {"7238", "7238", false, "X2 X..28"},
    {"7239", "7239", false, "X2 X..28"},
    {"7240", "7240", false, "X..20"},
    {"7241", "7241", false, "N2"},
    {"7242", "7242", false, "X..25"},
    {"7250", "7250", false, "N8,yyyymmdd"},
    {"7251", "7251", false, "N8,yyyymmdd N4,hhmi"},
    {"7252", "7252", false, "N1"},
    {"7253", "7253", false, "X..40"},
    {"7254", "7254", false, "X..40"},
    {"7255", "7255", false, "X..10"},
    {"7256", "7256", false, "X..90"},
    {"7257", "7257", false, "X..70"},
    {"7258", "7258", false, "X3"},
    {"7259", "7259", false, "X..40"},
    {"8001", "8001", false, "N4 N5 N3 N1 N1"},
    {"8002", "8002", false, "X..20"},
    {"8003", "8003", false, "N1 N13,csum [X..16]"},
    {"8004", "8004", false, "X..30"},
    {"8005", "8005", false, "N6"},
    {"8006", "8006", false, "N14,csum N4"},
    {"8007", "8007", false, "X..34"},
    {"8008", "8008", false, "N6,yymmdd N2,hh [N2],mi [N2],ss"},
    {"8009", "8009", false, "X..50"},
    {"8010", "8010", false, "Y..30"},
    {"8011", "8011", false, "N..12"},
    {"8012", "8012", false, "X..20"},
    {"8013", "8013", false, "X..25"},
    {"8014", "8014", false, "X..25"},
    {"8017", "8017", false, "N18,csum"},
    {"8018", "8018", false, "N18,csum"},
    {"8019", "8019", false, "N..10"},
    {"8020", "8020", false, "X..25"},
    {"8026", "8026", false, "N14,csum N4"},
    {"8030", "8030", false, "Z..90"},
    {"8040", "8040", false, "N15"},
    {"8041", "8041", false, "N15"},
    {"8042", "8042", false, "N32"},
    {"8043", "8043", false, "N18 [N..2]"},
    {"8110", "8110", false, "X..70"},
    {"8111", "8111", false, "N4"},
    {"8112", "8112", false, "X..70"},
    {"8200", "8200", false, "X..70"},
    {"90", "90", false, "X..30"},
    {"91", "99", false, "X..90"},
};

GS1Linter LinterNamed(const std::string& name) {
    static const struct {
        const char* name;
        GS1Linter linter;
    } kLinters[] = {
        {"csum", GS1Linter::kCheckDigit}, {"yymmd0", GS1Linter::kDateDayZero}, {"yymmdd", GS1Linter::kDate},
        {"yyyymmdd", GS1Linter::kLongDate}, {"hhmi", GS1Linter::kHourMinute}, {"hh", GS1Linter::kHour},
        {"mi", GS1Linter::kMinute}, {"ss", GS1Linter::kSecond},
    };
    for (const auto& entry : kLinters)
        if (name == entry.name) return entry.linter;
    throw std::logic_error("unknown GS1 linter " + name);
}

GS1CharacterSet SetOf(char type) {
    switch (type) {
        case 'N': return GS1CharacterSet::kDigits;
        case 'X': return GS1CharacterSet::kSet82;
        case 'Y': return GS1CharacterSet::kSet39;
        case 'Z': return GS1CharacterSet::kBase64Url;
        default: throw std::logic_error(std::string("unknown GS1 component type ") + type);
    }
}

// "N13,csum", "[X..17]", "X..20": one component of a format.
GS1Component ParseComponent(std::string text) {
    GS1Component c{};
    c.optional = !text.empty() && text[0] == '[';
    if (c.optional) text.erase(0, 1);
    const size_t comma = text.find(',');
    c.linter = comma == std::string::npos ? GS1Linter::kNone : LinterNamed(text.substr(comma + 1));
    std::string format = text.substr(0, comma);  // e.g. "N14", "X..20"
    if (!format.empty() && format.back() == ']') format.pop_back();
    c.set = SetOf(format[0]);
    const bool variable = format.compare(1, 2, "..") == 0;
    c.max_length = std::stoi(format.substr(variable ? 3 : 1));
    c.min_length = variable ? 1 : c.max_length;
    return c;
}

GS1AiFormat FormatOf(const AiRow& row, const std::string& ai) {
    GS1AiFormat f{ai, !row.predefined_length, {}};
    const std::string format = row.format;
    for (size_t start = 0; start < format.size();) {
        size_t end = format.find(' ', start);
        if (end == std::string::npos) end = format.size();
        f.components.push_back(ParseComponent(format.substr(start, end - start)));
        start = end + 1;
    }
    return f;
}

}  // namespace

int GS1AiFormat::MinLength() const {
    int n = 0;
    for (const GS1Component& c : components) n += c.optional ? 0 : c.min_length;
    return n;
}

int GS1AiFormat::MaxLength() const {
    int n = 0;
    for (const GS1Component& c : components) n += c.max_length;
    return n;
}

int GS1AiFormat::PredefinedLength() const { return fnc1_required ? 0 : MaxLength(); }

std::optional<GS1AiFormat> FindGS1Ai(const std::string& ai) {
    if (ai.size() < 2 || ai.size() > 4) return std::nullopt;
    for (char c : ai)
        if (!IsDigit(c)) return std::nullopt;
    for (const AiRow& row : kAiRows) {
        // AIs of one length compare as digit strings.
        if (std::strlen(row.first) == ai.size() && ai >= row.first && ai <= row.last) return FormatOf(row, ai);
    }
    return std::nullopt;
}

size_t GS1AiLengthAt(const std::string& text, size_t pos) {
    if (pos + 2 > text.size() || !IsDigit(text[pos]) || !IsDigit(text[pos + 1])) return 0;
    for (const AiRow& row : kAiRows)
        if (text.compare(pos, 2, row.first, 2) == 0) return std::strlen(row.first);
    return 2;
}
