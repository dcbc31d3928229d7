#include <gtest/gtest.h>

#include "core/codec/image_encoder.h"
#include "core/model/encode_error.h"

namespace {

// JPEG stores width and height in 16 bits (ITU-T T.81, the frame header's X and Y) and libjpeg
// stops at 65500 (its JPEG_MAX_DIMENSION; 65501 measured to fail): a canvas past that is refused
// as too large, naming the limit; PNG's 31-bit sizes take it.
TEST(ImageEncoder, JpegRefusesSidesPastItsLimit) {
    const struct {
        ImageFormat format;
        int width;
        int height;
        bool refused;
    } cases[] = {
        {ImageFormat::Jpeg, 65500, 1, false},
        {ImageFormat::Jpeg, 65501, 1, true},
        {ImageFormat::Jpeg, 1, 70000, true},
        {ImageFormat::Png, 65536, 1, false},
        {ImageFormat::PngSmallest, 65536, 1, false},
    };
    for (const auto& c : cases) {
        const RasterCanvas canvas(c.width, c.height, Rgba{255, 255, 255, 255});
        try {
            EXPECT_FALSE(EncodeCanvas(canvas, c.format, 0).empty()) << c.width << " x " << c.height;
            EXPECT_FALSE(c.refused) << c.width << " x " << c.height;
        } catch (const EncodeError& e) {
            EXPECT_TRUE(c.refused) << c.width << " x " << c.height;
            EXPECT_EQ(e.Kind(), EncodeErrorKind::TooLarge);
            EXPECT_NE(std::string(e.what()).find("JPEG's limit of 65500"), std::string::npos) << e.what();
        }
    }
}

}  // namespace
