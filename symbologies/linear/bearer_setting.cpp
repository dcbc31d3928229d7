#include "symbologies/linear/bearer_setting.h"

#include "core/model/encode_error.h"

namespace {

constexpr double kBearerThickness = 5.0;

}  // namespace

Bearer BearerFromSetting(const std::string& setting, BearerKind fallback) {
    BearerKind kind = fallback;
    if (setting == "frame") {
        kind = BearerKind::Frame;
    } else if (setting == "top-bottom") {
        kind = BearerKind::TopBottom;
    } else if (setting == "none") {
        kind = BearerKind::None;
    } else if (!setting.empty()) {
        throw EncodeError(EncodeErrorKind::InvalidOption, "bearer must be none, frame or top-bottom");
    }
    return {kind, kind == BearerKind::None ? 0.0 : kBearerThickness};
}
