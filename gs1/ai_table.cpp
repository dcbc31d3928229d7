#include "gs1/ai_table.h"

#include <cstring>
#include <stdexcept>

#include "core/text_encoding/digits.h"

namespace {

// One AI, or a run of consecutive AIs, with the components of its data: a type letter (N digits,
// X set 82, Y set 39, Z base64url), a fixed length "N6" or a maximum "X..20", in brackets when
// optional, and after a comma the rule it must pass. Then its roles in a GS1 Digital Link URI:
// whether it may be a data attribute (query parameter), and for a primary key its key qualifiers
// as paths in order, alternatives separated by '|' ("22,10,21|235"; "" for none).
struct AiRow {
    const char* first;
    const char* last;
    bool predefined_length;
    const char* format;
    bool dl_attribute;
    const char* dl_key_qualifiers;  // nullptr: not a primary key
};

constexpr AiRow kAiRows[] = {
    {"00", "00", true, "N18,csum", true, ""},
    {"01", "01", true, "N14,csum", true, "22,10,21|235"},
    {"02", "02", true, "N14,csum", true, nullptr},
    {"03", "03", true, "N14,csum", false, nullptr},
    {"10", "10", false, "X..20", true, nullptr},
    {"11", "11", true, "N6,yymmd0", true, nullptr},
    {"12", "12", true, "N6,yymmd0", true, nullptr},
    {"13", "13", true, "N6,yymmd0", true, nullptr},
    {"15", "15", true, "N6,yymmd0", true, nullptr},
    {"16", "16", true, "N6,yymmd0", true, nullptr},
    {"17", "17", true, "N6,yymmd0", true, nullptr},
    {"20", "20", true, "N2", true, nullptr},
    {"21", "21", false, "X..20", false, nullptr},
    {"22", "22", false, "X..20", false, nullptr},
    {"235", "235", false, "X..28", false, nullptr},
    {"240", "240", false, "X..30", true, nullptr},
    {"241", "241", false, "X..30", true, nullptr},
    {"242", "242", false, "N..6", true, nullptr},
    {"243", "243", false, "X..20", true, nullptr},
    {"250", "250", false, "X..30", true, nullptr},
    {"251", "251", false, "X..30", true, nullptr},
    {"253", "253", false, "N13,csum [X..17]", true, ""},
    {"254", "254", false, "X..20", false, nullptr},
    {"255", "255", false, "N13,csum [N..12]", true, ""},
    {"30", "30", false, "N..8", true, nullptr},
    {"3100", "3105", true, "N6", true, nullptr},
    {"3110", "3115", true, "N6", true, nullptr},
    {"3120", "3125", true, "N6", true, nullptr},
    {"3130", "3135", true, "N6", true, nullptr},
    {"3140", "3145", true, "N6", true, nullptr},
    {"3150", "3155", true, "N6", true, nullptr},
    {"3160", "3165", true, "N6", true, nullptr},
    {"3200", "3205", true, "N6", true, nullptr},
    {"3210", "3215", true, "N6", true, nullptr},
    {"3220", "3225", true, "N6", true, nullptr},
    {"3230", "3235", true, "N6", true, nullptr},
    {"3240", "3245", true, "N6", true, nullptr},
    {"3250", "3255", true, "N6", true, nullptr},
    {"3260", "3265", true, "N6", true, nullptr},
    {"3270", "3275", true, "N6", true, nullptr},
    {"3280", "3285", true, "N6", true, nullptr},
    {"3290", "3295", true, "N6", true, nullptr},
    {"3300", "3305", true, "N6", true, nullptr},
    {"3310", "3315", true, "N6", true, nullptr},
    {"3320", "3325", true, "N6", true, nullptr},
    {"3330", "3335", true, "N6", true, nullptr},
    {"3340", "3345", true, "N6", true, nullptr},
    {"3350", "3355", true, "N6", true, nullptr},
    {"3360", "3365", true, "N6", true, nullptr},
    {"3370", "3375", true, "N6", true, nullptr},
    {"3400", "3405", true, "N6", true, nullptr},
    {"3410", "3415", true, "N6", true, nullptr},
    {"3420", "3425", true, "N6", true, nullptr},
    {"3430", "3435", true, "N6", true, nullptr},
    {"3440", "3445", true, "N6", true, nullptr},
    {"3450", "3455", true, "N6", true, nullptr},
    {"3460", "3465", true, "N6", true, nullptr},
    {"3470", "3475", true, "N6", true, nullptr},
    {"3480", "3485", true, "N6", true, nullptr},
    {"3490", "3495", true, "N6", true, nullptr},
    {"3500", "3505", true, "N6", true, nullptr},
    {"3510", "3515", true, "N6", true, nullptr},
    {"3520", "3525", true, "N6", true, nullptr},
    {"3530", "3535", true, "N6", true, nullptr},
    {"3540", "3545", true, "N6", true, nullptr},
    {"3550", "3555", true, "N6", true, nullptr},
    {"3560", "3565", true, "N6", true, nullptr},
    {"3570", "3575", true, "N6", true, nullptr},
    {"3600", "3605", true, "N6", true, nullptr},
    {"3610", "3615", true, "N6", true, nullptr},
    {"3620", "3625", true, "N6", true, nullptr},
    {"3630", "3635", true, "N6", true, nullptr},
    {"3640", "3645", true, "N6", true, nullptr},
    {"3650", "3655", true, "N6", true, nullptr},
    {"3660", "3665", true, "N6", true, nullptr},
    {"3670", "3675", true, "N6", true, nullptr},
    {"3680", "3685", true, "N6", true, nullptr},
    {"3690", "3695", true, "N6", true, nullptr},
    {"37", "37", false, "N..8", true, nullptr},
    {"3900", "3909", false, "N..15", true, nullptr},
    {"3910", "3919", false, "N3 N..15", true, nullptr},
    {"3920", "3929", false, "N..15", true, nullptr},
    {"3930", "3939", false, "N3 N..15", true, nullptr},
    {"3940", "3943", false, "N4", true, nullptr},
    {"3950", "3955", false, "N6", true, nullptr},
    {"400", "400", false, "X..30", true, nullptr},
    {"401", "401", false, "X..30", true, ""},
    {"402", "402", false, "N17,csum", true, ""},
    {"403", "403", false, "X..30", true, nullptr},
    {"410", "410", true, "N13,csum", true, nullptr},
    {"411", "411", true, "N13,csum", true, nullptr},
    {"412", "412", true, "N13,csum", true, nullptr},
    {"413", "413", true, "N13,csum", true, nullptr},
    {"414", "414", true, "N13,csum", true, "254|7040"},
    {"415", "415", true, "N13,csum", true, "8020"},
    {"416", "416", true, "N13,csum", true, nullptr},
    {"417", "417", true, "N13,csum", true, "7040"},
    {"420", "420", false, "X..20", true, nullptr},
    {"421", "421", false, "N3 X..9", true, nullptr},
    {"422", "422", false, "N3", true, nullptr},
    {"423", "423", false, "N3 [N3] [N3] [N3] [N3]", true, nullptr},
    {"424", "424", false, "N3", true, nullptr},
    {"425", "425", false, "N3 [N3] [N3] [N3] [N3]", true, nullptr},
    {"426", "426", false, "N3", true, nullptr},
    {"427", "427", false, "X..3", true, nullptr},
    {"4300", "4300", false, "X..35", true, nullptr},
    {"4301", "4301", false, "X..35", true, nullptr},
    {"4302", "4302", false, "X..70", true, nullptr},
    {"4303", "4303", false, "X..70", true, nullptr},
    {"4304", "4304", false, "X..70", true, nullptr},
    {"4305", "4305", false, "X..70", true, nullptr},
    {"4306", "4306", false, "X..70", true, nullptr},
    {"4307", "4307", false, "X2", true, nullptr},
    {"4308", "4308", false, "X..30", true, nullptr},
    {"4309", "4309", false, "N10 N10", true, nullptr},
    {"4310", "4310", false, "X..35", true, nullptr},
    {"4311", "4311", false, "X..35", true, nullptr},
    {"4312", "4312", false, "X..70", true, nullptr},
    {"4313", "4313", false, "X..70", true, nullptr},
    {"4314", "4314", false, "X..70", true, nullptr},
    {"4315", "4315", false, "X..70", true, nullptr},
    {"4316", "4316", false, "X..70", true, nullptr},
    {"4317", "4317", false, "X2", true, nullptr},
    {"4318", "4318", false, "X..20", true, nullptr},
    {"4319", "4319", false, "X..30", true, nullptr},
    {"4320", "4320", false, "X..35", true, nullptr},
    {"4321", "4321", false, "N1", true, nullptr},
    {"4322", "4322", false, "N1", true, nullptr},
    {"4323", "4323", false, "N1", true, nullptr},
    {"4324", "4324", false, "N6,yymmd0 N4,hhmi", true, nullptr},
    {"4325", "4325", false, "N6,yymmd0 N4,hhmi", true, nullptr},
    {"4326", "4326", false, "N6,yymmdd", true, nullptr},
    {"4330", "4330", false, "N6 [X1]", true, nullptr},
    {"4331", "4331", false, "N6 [X1]", true, nullptr},
    {"4332", "4332", false, "N6 [X1]", true, nullptr},
    {"4333", "4333", false, "N6 [X1]", true, nullptr},
    {"7001", "7001", false, "N13", true, nullptr},
    {"7002", "7002", false, "X..30", true, nullptr},
    {"7003", "7003", false, "N6,yymmdd N4,hhmi", true, nullptr},
    {"7004", "7004", false, "N..4", true, nullptr},
    {"7005", "7005", false, "X..12", true, nullptr},
    {"7006", "7006", false, "N6,yymmdd", true, nullptr},
    {"7007", "7007", false, "N6,yymmdd [N6],yymmdd", true, nullptr},
    {"7008", "7008", false, "X..3", true, nullptr},
    {"7009", "7009", false, "X..10", true, nullptr},
    {"7010", "7010", false, "X..2", true, nullptr},
    {"7011", "7011", false, "N6,yymmdd [N4],hhmi", true, nullptr},
    {"7020", "7020", false, "X..20", true, nullptr},
    {"7021", "7021", false, "X..20", true, nullptr},
    {"7022", "7022", false, "X..20", true, nullptr},
    {"7023", "7023", false, "X..30", true, nullptr},
    {"7030", "7030", false, "N3 X..27", true, nullptr},
    {"7031", "7031", false, "N3 X..27", true, nullptr},
    {"7032", "7032", false, "N3 X..27", true, nullptr},
    {"7033", "7033", false, "N3 X..27", true, nullptr},
    {"7034", "7034", false, "N3 X..27", true, nullptr},
    {"7035", "7035", false, "N3 X..27", true, nullptr},
    {"7036", "7036", false, "N3 X..27", true, nullptr},
    {"7037", "7037", false, "N3 X..27", true, nullptr},
    {"7038", "7038", false, "N3 X..27", true, nullptr},
    {"7039", "7039", false, "N3 X..27", true, nullptr},
    {"7040", "7040", false, "N1 X1 X1 X1", false, nullptr},
    {"7041", "7041", false, "X..4", false, nullptr},
    {"710", "710", false, "X..20", true, nullptr},
    {"711", "711", false, "X..20", true, nullptr},
    {"712", "712", false, "X..20", true, nullptr},
    {"713", "713", false, "X..20", true, nullptr},
    {"714", "714", false, "X..20", true, nullptr},
    {"715", "715", false, "X..20", true, nullptr},
    {"716", "716", false, "X..20", true, nullptr},
    {"717", "717", false, "X..20", true, nullptr},
    {"7230", "7230", false, "X2 X..28", true, nullptr},
    {"7231", "7231", false, "X2 X..28", true, nullptr},
    {"7232", "7232", false, "X2 X..28", true, nullptr},
    {"7233", "7233", false, "X2 X..28", true, nullptr},
    {"7234", "7234", false, "X2 X..28", true, nullptr},
    {"7235", "7235", false, "X2 X..28", true, nullptr},
    {"7236", "7236", false, "X2 X..28", true, nullptr},
    {"7237", "7237", false, "X2 X..28", true, nullptr},
    {"7238", "7238", false, "X2 X..28", true, nullptr},
    {"7239", "7239", false, "X2 X..28", true, nullptr},
    {"7240", "7240", false, "X..20", true, nullptr},
    {"7241", "7241", false, "N2", true, nullptr},
    {"7242", "7242", false, "X..25", true, nullptr},
    {"7250", "7250", false, "N8,yyyymmdd", true, nullptr},
    {"7251", "7251", false, "N8,yyyymmdd N4,hhmi", true, nullptr},
    {"7252", "7252", false, "N1", true, nullptr},
    {"7253", "7253", false, "X..40", true, nullptr},
    {"7254", "7254", false, "X..40", true, nullptr},
    {"7255", "7255", false, "X..10", true, nullptr},
    {"7256", "7256", false, "X..90", true, nullptr},
    {"7257", "7257", false, "X..70", true, nullptr},
    {"7258", "7258", false, "X3", true, nullptr},
    {"7259", "7259", false, "X..40", true, nullptr},
    {"8001", "8001", false, "N4 N5 N3 N1 N1", true, nullptr},
    {"8002", "8002", false, "X..20", true, nullptr},
    {"8003", "8003", false, "N1 N13,csum [X..16]", true, ""},
    {"8004", "8004", false, "X..30", true, "7040"},
    {"8005", "8005", false, "N6", true, nullptr},
    {"8006", "8006", false, "N14,csum N4", true, "22,10,21"},
    {"8007", "8007", false, "X..34", true, nullptr},
    {"8008", "8008", false, "N6,yymmdd N2,hh [N2],mi [N2],ss", true, nullptr},
    {"8009", "8009", false, "X..50", true, nullptr},
    {"8010", "8010", false, "Y..30", true, "8011"},
    {"8011", "8011", false, "N..12", false, nullptr},
    {"8012", "8012", false, "X..20", true, nullptr},
    {"8013", "8013", false, "X..25", true, ""},
    {"8014", "8014", false, "X..25", false, nullptr},
    {"8017", "8017", false, "N18,csum", true, "8019"},
    {"8018", "8018", false, "N18,csum", true, "8019"},
    {"8019", "8019", false, "N..10", false, nullptr},
    {"8020", "8020", false, "X..25", false, nullptr},
    {"8026", "8026", false, "N14,csum N4", true, nullptr},
    {"8030", "8030", false, "Z..90", true, nullptr},
    {"8040", "8040", false, "N15", false, nullptr},
    {"8041", "8041", false, "N15", false, nullptr},
    {"8042", "8042", false, "N32", false, nullptr},
    {"8043", "8043", false, "N18 [N..2]", false, nullptr},
    {"8110", "8110", false, "X..70", true, nullptr},
    {"8111", "8111", false, "N4", true, nullptr},
    {"8112", "8112", false, "X..70", true, nullptr},
    {"8200", "8200", false, "X..70", false, nullptr},
    {"90", "90", false, "X..30", true, nullptr},
    {"91", "99", false, "X..90", true, nullptr},
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

// "22,10,21|235": the paths of key qualifiers.
std::vector<std::vector<std::string>> QualifierPaths(const std::string& text) {
    std::vector<std::vector<std::string>> paths;
    if (text.empty()) return paths;
    paths.emplace_back();
    std::string ai;
    for (char c : text + "|") {
        if (c != ',' && c != '|') {
            ai += c;
            continue;
        }
        paths.back().push_back(ai);
        ai.clear();
        if (c == '|') paths.emplace_back();
    }
    paths.pop_back();
    return paths;
}

GS1AiFormat FormatOf(const AiRow& row, const std::string& ai) {
    GS1AiFormat f;
    f.ai = ai;
    f.fnc1_required = !row.predefined_length;
    f.dl_data_attribute = row.dl_attribute;
    f.dl_primary_key = row.dl_key_qualifiers != nullptr;
    if (f.dl_primary_key) f.dl_qualifier_paths = QualifierPaths(row.dl_key_qualifiers);
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

std::vector<std::string> AllGS1Ais() {
    std::vector<std::string> ais;
    for (const AiRow& row : kAiRows) {
        const int width = int(std::strlen(row.first));
        for (int n = std::stoi(row.first); n <= std::stoi(row.last); ++n) {
            std::string ai = std::to_string(n);
            ais.push_back(std::string(size_t(width) - ai.size(), '0') + ai);
        }
    }
    return ais;
}

size_t GS1AiLengthAt(const std::string& text, size_t pos) {
    if (pos + 2 > text.size() || !IsDigit(text[pos]) || !IsDigit(text[pos + 1])) return 0;
    for (const AiRow& row : kAiRows)
        if (text.compare(pos, 2, row.first, 2) == 0) return std::strlen(row.first);
    return 2;
}
