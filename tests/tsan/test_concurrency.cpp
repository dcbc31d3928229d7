// Many threads drawing on separate objects of every class give the bytes one thread gives. Built
// with ThreadSanitizer (scripts/tsan), which also fails the run on any data race it sees.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "tests/fuzz/fuzz_classes.h"

namespace {

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
                results.push_back(drawn ? FetchResult(*symbol, output.as_data_uri) : std::string());
            }
        }
    }
    return results;
}

TEST(Concurrency, SeparateObjectsOfEveryClassDrawTheSameBytesAsOneThread) {
    const std::vector<std::string> expected = DrawEverything();
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
