#include "python/registry.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

std::vector<std::pair<int, RegisterClassFn>>& Registrations() {
    static std::vector<std::pair<int, RegisterClassFn>> all;
    return all;
}

}  // namespace

ClassRegistration::ClassRegistration(int order, RegisterClassFn fn) { Registrations().emplace_back(order, fn); }

void RegisterAllClasses(pybind11::module_& module) {
    auto all = Registrations();
    std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& entry : all) entry.second(module);
}
