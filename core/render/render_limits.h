#pragma once

// What the render step accepts, for every caller to check against before drawing.
constexpr int kMaxModulePixels = 10000;   // whole pixels per module
constexpr double kMaxMarginModules = 1e6;  // the most for quiet zones, heights and other sizes in modules
constexpr int kRotations[] = {0, 90, 180, 270};  // degrees clockwise
// The faces compiled in, by the names callers give; anything else is a font file's path.
constexpr const char* kBuiltInFonts[] = {"ocr-b", "roboto"};
