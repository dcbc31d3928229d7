#include "symbologies/option_rows.h"

#include <cmath>
#include <utility>

namespace {

std::string NumberText(double value) {
    if (value == std::floor(value) && std::fabs(value) < 1e15) return std::to_string(static_cast<long long>(value));
    std::string text = std::to_string(value);
    while (text.back() == '0') text.pop_back();
    return text;
}

OptionEntry Entry(std::string name, OptionKind kind, std::string help, std::string default_value, std::string field) {
    OptionEntry entry;
    entry.name = std::move(name);
    entry.kind = kind;
    entry.help = std::move(help);
    entry.default_value = std::move(default_value);
    entry.field = std::move(field);
    return entry;
}

OptionEntry Ranged(OptionEntry entry, double low, double high, bool automatic) {
    entry.low = low;
    entry.high = high;
    entry.automatic = automatic;
    return entry;
}

}  // namespace

OptionEntry FlagOption(std::string name, bool default_value, std::string help, std::string field) {
    return Entry(std::move(name), OptionKind::Flag, std::move(help), default_value ? "true" : "false", std::move(field));
}

OptionEntry IntegerOption(std::string name, int low, int high, int default_value, std::string help,
                         std::string field) {
    return Ranged(Entry(std::move(name), OptionKind::Integer, std::move(help), NumberText(default_value),
                       std::move(field)),
                  low, high, false);
}

OptionEntry AutoIntegerOption(std::string name, int low, int high, std::string help, std::string field) {
    return Ranged(Entry(std::move(name), OptionKind::Integer, std::move(help), "auto", std::move(field)), low, high,
                  true);
}

OptionEntry AutoNumberOption(std::string name, double low, double high, std::string help, std::string field) {
    return Ranged(Entry(std::move(name), OptionKind::Number, std::move(help), "auto", std::move(field)), low, high,
                  true);
}

OptionEntry NumberOption(std::string name, double low, double high, double default_value, std::string help,
                        std::string field) {
    return Ranged(Entry(std::move(name), OptionKind::Number, std::move(help), NumberText(default_value),
                       std::move(field)),
                  low, high, false);
}

OptionEntry ChoiceOption(std::string name, std::vector<std::string> choices, std::string default_value,
                        std::string help, std::string field) {
    OptionEntry entry = Entry(std::move(name), OptionKind::Choice, std::move(help), std::move(default_value),
                           std::move(field));
    entry.choices = std::move(choices);
    return entry;
}

OptionEntry TextOption(std::string name, std::string accepted, std::string help, std::string field) {
    OptionEntry entry = Entry(std::move(name), OptionKind::Text, std::move(help), "", std::move(field));
    entry.accepted = std::move(accepted);
    return entry;
}

OptionEntry ValidateOption() {
    return FlagOption("validate", true, "check the element string against GS1's rules first", "gs1_validate");
}

OptionEntry ShowStartStopOption() {
    return FlagOption("show_start_stop", true, "print the start/stop characters in the text");
}

OptionEntry ExtendedGuardOption() {
    return FlagOption("extended_guard", true, "guard bars reach into the text, digits in groups");
}

OptionEntry AddOnOption() {
    return TextOption("addon", "\"\", or 2 or 5 digits",
                      "EAN-2/EAN-5 add-on digits (also written after '+' in the data)");
}

OptionEntry EncodingOption() {
    return ChoiceOption("encoding", {"utf-8", "shift_jis"}, "utf-8", "bytes the text is encoded as");
}

std::vector<OptionEntry> CompositeOptions() {
    return {TextOption("composite", "an element string, e.g. \"(10)ABC123\" or \"[10]ABC123\"",
                       "element string of a GS1 composite component above the bars"),
            ChoiceOption("composite_type", {"auto", "a", "b", "c"}, "auto",
                         "composite component CC-A, CC-B or CC-C (C over GS1-128 only; auto: the smallest)")};
}

std::vector<OptionEntry> WithComposite(std::vector<OptionEntry> options) {
    for (OptionEntry& entry : CompositeOptions()) options.push_back(std::move(entry));
    return options;
}
