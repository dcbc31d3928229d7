#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What an encoder makes of text and options, before any pixel exists: the modules, the heights of
// their rows, the human-readable text and where it belongs, and the quiet zone the standard asks
// for. Every length is in modules (X). The render step turns it into pixels or vectors as often as
// asked, at any module size; nothing here depends on the output.

enum class SymbolShape {
    Linear,   // one or more rows of bars; rows with height 0 share the bar height the caller asks for
    Postal,   // four-state bars: every row height is fixed by the standard
    Matrix,   // square modules (PDF417 and MicroPDF417 rows are taller than wide)
};

// One row of modules, top to bottom.
struct SymbolRow {
    std::vector<uint8_t> modules;  // 1 dark, 0 light; as many as the symbol is wide
    // Height in modules; 0 for a bar row whose height follows the symbol's bar height.
    double height = 0.0;
    // Modules that reach below the row into the text band (EAN/UPC guards and, for UPC, the outer
    // symbol characters); empty when none do.
    std::vector<uint8_t> extends;
};

enum class TextFace { Roboto, OcrB };

enum class TextRole {
    Main,     // the human-readable line under the bars (or above, when asked)
    Outer,    // an EAN/UPC digit printed in a quiet zone or beside the guards (UPC: smaller)
    AddOn,    // the digits printed above an EAN-2/EAN-5 add-on
    Caption,  // a line above the whole symbol (ISBN 978-..., ISSN ...)
    Marker,   // a light-margin indicator ('>' or '<') in the quiet zone
};

// A piece of human-readable text. Its centre is `center_x` modules from the left edge of the
// symbol (negative: in the left quiet zone); it sits in the text band below row `below_row`, or
// above row 0 for Caption and AddOn spans (`below_row` is then the row it stands over).
struct TextSpan {
    std::string text;  // UTF-8
    double center_x = 0.0;
    int below_row = 0;
    TextRole role = TextRole::Main;
    // Text meant to be spread over a width (letter by letter) rather than centred as one string;
    // 0 for a centred string.
    double spread_width = 0.0;
    int line = 0;  // line of the text band, 0 nearest the bars (the payment form prints two)
    // The span's own face, for text the symbol's face cannot print (the yen sign OCR-B lacks);
    // unset: the symbol's. A font the caller chooses prints every span.
    std::optional<TextFace> face = std::nullopt;
};

enum class BearerKind { None, TopBottom, Frame };

struct Bearer {
    BearerKind kind = BearerKind::None;
    double thickness = 0.0;  // in modules
};

// The light margin each side of the symbol, in modules.
struct ModuleMargins {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};

struct EncodedSymbol {
    SymbolShape shape = SymbolShape::Linear;
    int width = 0;  // modules across, without the quiet zone
    std::vector<SymbolRow> rows;
    // Default height of rows with height 0, in modules (all such rows together share it equally
    // when there are several; a caller's bar height replaces it).
    double bar_height = 0.0;
    double guard_descent = 0.0;  // how far `extends` modules reach below their row, in modules
    std::vector<TextSpan> text;
    TextFace face = TextFace::Roboto;
    Bearer bearer;
    ModuleMargins quiet_zone;  // the standard's minimum (bearers and text outside it are extra)
    std::string full_text;     // what the symbol carries, check digits included (human form)
};
