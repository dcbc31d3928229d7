#include "gs1/element_input.h"

#include "core/model/encode_error.h"
#include "gs1/validation.h"

std::vector<GS1Element> ReadGS1Input(const std::string& text, bool validate) {
    try {
        std::vector<GS1Element> elements = ParseGS1(text);
        if (validate) ValidateGS1(elements);
        return elements;
    } catch (const GS1Error& e) {
        throw EncodeError(e.Kind(), e.what(), long(e.Position()));
    }
}
