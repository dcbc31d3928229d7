#include "gs1/element_input.h"

#include "core/model/encode_error.h"
#include "core/text_encoding/utf8.h"
#include "gs1/validation.h"

namespace {

std::vector<GS1Element> Read(const std::string& text, bool validate, const std::vector<GS1Element>& earlier) {
    std::vector<GS1Element> elements = ParseGS1(text);
    if (validate) {
        ValidateGS1(elements);
        if (!earlier.empty()) RefuseRepeatedAis(elements, earlier);
    }
    return elements;
}

}  // namespace

std::vector<GS1Element> ReadGS1Input(const std::string& text, bool validate) {
    try {
        return Read(text, validate, {});
    } catch (const GS1Error& e) {
        throw EncodeError(e.Kind(), e.MessageAt(CodePointIndex(text, e.Position())), long(e.Position()));
    }
}

std::vector<GS1Element> ReadGS1Beside(const std::string& what, const std::string& text, bool validate,
                                      const std::vector<GS1Element>& primary) {
    try {
        return Read(text, validate, primary);
    } catch (const GS1Error& e) {
        // InvalidData: the character at fault is not in the symbol's data.
        throw EncodeError(EncodeErrorKind::InvalidData, what + ": " + e.MessageAt(CodePointIndex(text, e.Position())));
    }
}
