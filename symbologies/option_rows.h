#pragma once
#include <string>
#include <vector>

#include "core/model/option_entry.h"

// Short constructors for the option table's rows (symbologies/registry.cpp).
OptionEntry FlagOption(std::string name, bool default_value, std::string help, std::string field = "");
OptionEntry IntegerOption(std::string name, int low, int high, int default_value, std::string help,
                         std::string field = "");
// An integer or None ("auto"): the encoder's own choice.
OptionEntry AutoIntegerOption(std::string name, int low, int high, std::string help, std::string field = "");
OptionEntry AutoNumberOption(std::string name, double low, double high, std::string help, std::string field = "");
OptionEntry NumberOption(std::string name, double low, double high, double default_value, std::string help,
                        std::string field = "");
OptionEntry ChoiceOption(std::string name, std::vector<std::string> choices, std::string default_value,
                        std::string help, std::string field = "");
OptionEntry TextOption(std::string name, std::string accepted, std::string help, std::string field = "");

// Options several symbologies share.
OptionEntry ValidateOption();       // GS1 element strings checked against the AI table
OptionEntry ShowStartStopOption();  // Code 39 '*', NW-7 A-D in the text
OptionEntry ExtendedGuardOption();  // EAN/UPC
OptionEntry AddOnOption();          // EAN/UPC
OptionEntry EncodingOption();       // 2D byte text: utf-8 or shift_jis
std::vector<OptionEntry> CompositeOptions();  // GS1 composite component and its type
// A symbology's options followed by the composite component's.
std::vector<OptionEntry> WithComposite(std::vector<OptionEntry> options);
