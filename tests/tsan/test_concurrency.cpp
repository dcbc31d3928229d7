// Many threads drawing on separate objects of every class give the image one thread gives. Built
// with ThreadSanitizer (scripts/tsan), which also fails the run on any data race it sees.
#include <gtest/gtest.h>
#include <libdeflate.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "tests/fuzz/fuzz_classes.h"

namespace {

std::string Base64Decode(const std::string& text) {
    static const std::string kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    unsigned bits = 0;
    int count = 0;
    for (char c : text) {
        const size_t value = kAlphabet.find(c);
        if (value == std::string::npos) break;  // the padding
        bits = bits << 6 | unsigned(value);
        if ((count += 6) >= 8) out.push_back(char((bits >> (count -= 8)) & 0xFF));
    }
    return out;
}

// A drawing as compared: an SVG document as it is; a PNG (or its data URI) as its chunks with the
// IDAT stream inflated, every byte the writer chose. ISA-L's level-1 match finder has been seen to
// pick other, equally valid matches for the same rows when the CPU is shared (its SSE and AVX-512
// code, not its C code, on a virtual machine): deflate's choices are the library's, not ours.
std::string ImageOf(const std::string& drawn) {
    const std::string uri = "data:image/png;base64,";
    const std::string png = drawn.compare(0, uri.size(), uri) == 0 ? Base64Decode(drawn.substr(uri.size())) : drawn;
    if (png.compare(0, 4, "\x89PNG") != 0) return drawn;
    std::string chunks, idat;
    for (size_t pos = 8; pos + 12 <= png.size();) {
        const auto* p = reinterpret_cast<const uint8_t*>(png.data() + pos);
        const size_t length = size_t(p[0]) << 24 | size_t(p[1]) << 16 | size_t(p[2]) << 8 | p[3];
        if (png.compare(pos + 4, 4, "IDAT") == 0) idat += png.substr(pos + 8, length);
        else chunks += png.substr(pos + 4, 4 + length);
        pos += 12 + length;
    }
    std::string inflated(1 << 20, '\0');
    for (;;) {
        libdeflate_decompressor* d = libdeflate_alloc_decompressor();
        size_t size = 0;
        const libdeflate_result r = libdeflate_zlib_decompress(d, idat.data(), idat.size(), inflated.data(),
                                                               inflated.size(), &size);
        libdeflate_free_decompressor(d);
        if (r == LIBDEFLATE_INSUFFICIENT_SPACE) {
            inflated.resize(inflated.size() * 4);
            continue;
        }
        if (r != LIBDEFLATE_SUCCESS) return "unreadable PNG " + drawn;
        inflated.resize(size);
        return chunks + inflated;
    }
}

constexpr int kThreads = 8;
constexpr int kRounds = 2;

struct Output {
    const char* format;
    bool as_data_uri;
};
const Output kOutputs[] = {{"png", false}, {"png", true}, {"svg", false}};

// Draws the sample of every class, with each class's draw entries, in each output.
std::vector<std::string> DrawEverything() {
    std::vector<std::string> results;
    for (const FuzzClass& cls : FuzzClasses()) {
        for (const Output& output : kOutputs) {
            for (const bool alternate : {false, true}) {
                auto symbol = cls.make(output.format);
                const bool drawn = cls.draw(*symbol, cls.sample, 300, 100, alternate);
                results.push_back(drawn ? ImageOf(FetchResult(*symbol, output.as_data_uri)) : std::string());
            }
        }
    }
    return results;
}

TEST(Concurrency, SeparateObjectsOfEveryClassDrawTheSameImageAsOneThread) {
    const std::vector<std::string> expected = DrawEverything();
    for (const std::string& image : expected)  // every PNG read back, as chunks and scanlines
        ASSERT_TRUE(image.compare(0, 4, "IHDR") == 0 || image.compare(0, 5, "<?xml") == 0 || image.empty())
            << image.substr(0, 40);
    std::vector<std::vector<std::string>> got(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&got, t] {
            for (int round = 0; round < kRounds; ++round) got[t] = DrawEverything();
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (int t = 0; t < kThreads; ++t) {
        ASSERT_EQ(got[t].size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(got[t][i], expected[i]) << "thread " << t << ", draw " << i << " of "
                                              << FuzzClasses()[i / 6].name;
        }
    }
}

}  // namespace
