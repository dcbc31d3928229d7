#pragma once
#include <string>
#include <vector>

// One option a symbology takes, as every edge (make(), the command line, symbologies()) presents
// and checks it: this is the only place its range, choices and default are written.
enum class OptionKind {
    Flag,     // true or false
    Integer,  // a whole number in [low, high]
    Number,   // a real number in [low, high]
    Choice,   // one of `choices`, matched without regard to case or '-' versus '_'
    Text,     // any text; the encoder checks it
};

struct OptionEntry {
    std::string name;   // the keyword make() takes and the command line's --flag
    OptionKind kind = OptionKind::Text;
    std::string help;
    std::string default_value;  // in the option's own form ("true", "3", "M"); "auto" with `automatic`
    double low = 0.0;           // Integer, Number
    double high = 0.0;
    bool automatic = false;     // None ("auto") leaves the choice to the encoder
    std::vector<std::string> choices;  // Choice
    std::string accepted;       // Text: what it takes, for messages
    std::string field;          // the EncodeOptions field it sets (the name, when empty)
};
