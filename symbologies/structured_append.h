#pragma once
#include <string>

// One symbol of a message spread over several, as the structured_append option writes it:
// "INDEX,COUNT[,ID]" (INDEX from 1).
struct StructuredAppend {
    int index = 0;
    int count = 0;   // 0: a symbol on its own
    std::string id;  // the message's identifier, "" none
};

// The option's text read, checked against a symbology's most symbols: InvalidOption naming the
// option and the limit. "" is a symbol on its own.
StructuredAppend ReadStructuredAppend(const std::string& text, int most_symbols);
