#pragma once
#include <string>
#include <vector>

#include "core/model/option_spec.h"

// Short constructors for the option table's rows (symbologies/registry.cpp).
OptionSpec FlagOption(std::string name, bool default_value, std::string help, std::string field = "");
OptionSpec IntegerOption(std::string name, int low, int high, int default_value, std::string help,
                         std::string field = "");
// An integer or None ("auto"): the encoder's own choice.
OptionSpec AutoIntegerOption(std::string name, int low, int high, std::string help, std::string field = "");
OptionSpec AutoNumberOption(std::string name, double low, double high, std::string help, std::string field = "");
OptionSpec NumberOption(std::string name, double low, double high, double default_value, std::string help,
                        std::string field = "");
OptionSpec ChoiceOption(std::string name, std::vector<std::string> choices, std::string default_value,
                        std::string help, std::string field = "");
OptionSpec TextOption(std::string name, std::string accepted, std::string help, std::string field = "");

// Options several symbologies share.
OptionSpec ValidateOption();       // GS1 element strings checked against the AI table
OptionSpec ShowStartStopOption();  // Code 39 '*', NW-7 A-D in the text
OptionSpec ExtendedGuardOption();  // EAN/UPC
OptionSpec AddOnOption();          // EAN/UPC
OptionSpec EncodingOption();       // 2D byte text: utf-8 or shift_jis
std::vector<OptionSpec> CompositeOptions();  // GS1 composite component and its type
// A symbology's options followed by the composite component's.
std::vector<OptionSpec> WithComposite(std::vector<OptionSpec> options);
