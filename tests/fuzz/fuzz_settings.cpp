// Every setter with the values Python can pass, then draws (sizes included) on the same object, a
// few rounds in a row as a long-lived object sees them; the text is the class's sample or fuzzed.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <limits>
#include <string>

#include "tests/fuzz/fuzz_classes.h"

namespace {

class FuzzedSettings : public SettingSource {
public:
    explicit FuzzedSettings(FuzzedDataProvider& in) : in_(in) {}
    int Int(int low, int high) override { return in_.ConsumeIntegralInRange(low, high); }
    bool Bool() override { return in_.ConsumeBool(); }
    double Real() override {
        static const double kSpecial[] = {0.0, 0.5, 1.0, 2.0, -1.0, NAN, INFINITY, -INFINITY,
                                          std::numeric_limits<double>::max(), 1e-300};
        return in_.ConsumeBool() ? Pick(kSpecial) : in_.ConsumeFloatingPoint<double>();
    }
    std::string Text() override { return in_.ConsumeRandomLengthString(32); }

private:
    FuzzedDataProvider& in_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    FuzzedSettings settings(in);
    const auto& classes = FuzzClasses();
    const FuzzClass& cls = classes[in.ConsumeIntegralInRange<size_t>(0, classes.size() - 1)];
    auto symbol = cls.make(in.ConsumeBool() ? "svg" : "png");
    for (int round = in.ConsumeIntegralInRange(1, 3); round > 0; --round) {
        SetCommon(*symbol, settings);
        cls.set_own(*symbol, settings);
        // Sizes stay within what fits in memory; zero and negative ones are in range.
        const int width = in.ConsumeIntegralInRange(-8, 2400);
        const int height = in.ConsumeIntegralInRange(-8, 1200);
        const bool alternate = in.ConsumeBool();
        const bool as_data_uri = in.ConsumeBool();
        const std::string code = in.ConsumeBool() ? std::string(cls.sample) : in.ConsumeRandomLengthString(200);
        bool drawn = false;
        try {
            drawn = cls.draw(*symbol, code, width, height, alternate);
        } catch (const std::exception&) {
            if (!cls.throws) throw;
            continue;
        }
        if (drawn) FetchResult(*symbol, as_data_uri);
    }
    return 0;
}
