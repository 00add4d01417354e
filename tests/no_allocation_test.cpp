// Proves the compute path allocates nothing: every global allocation
// function of this test binary counts while a compute runs.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

#include "engine/compute.h"
#include "engine/tool_model.h"
#include "tests/report_tool.h"
#include "tools/suite.h"

namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

void* Allocate(std::size_t size) {
    if (counting.load()) {
        allocations.fetch_add(1);
    }
    void* memory = std::malloc(size == 0 ? 1 : size);
    if (memory == nullptr) {
        throw std::bad_alloc();
    }
    return memory;
}

void* AllocateAligned(std::size_t size, std::align_val_t alignment) {
    if (counting.load()) {
        allocations.fetch_add(1);
    }
    const auto align = static_cast<std::size_t>(alignment);
    void* memory = std::aligned_alloc(align, (size + align - 1) / align * align);
    if (memory == nullptr) {
        throw std::bad_alloc();
    }
    return memory;
}

}  // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new(std::size_t size, std::align_val_t alignment) {
    return AllocateAligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
    return AllocateAligned(size, alignment);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::align_val_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::align_val_t) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept {
    std::free(memory);
}

namespace kelomed {
namespace {

TEST(NoAllocation, ComputeToolAllocatesNothingForAnyTool) {
    static char16_t report[kLongestFormulaReport + 1];
    static char16_t verdict[512];
    // The allocation counter itself works.
    counting = true;
    delete new int(1);
    counting = false;
    ASSERT_EQ(allocations.exchange(0), 1);

    // Every tool of the suite with its typed inputs at the top of their
    // ranges (the longest reports), and tool 48 with a failing output.
    for (const ToolDef* tool : SuiteTools()) {
        double inputs[kMaxInputs] = {};
        for (int i = 0; i < tool->inputCount; ++i) {
            const InputField& input = tool->inputs[i];
            inputs[i] = input.form == InputForm::Number ? input.range.highest : input.defaultValue;
        }
        counting = true;
        ComputeTool(*tool, inputs, testing::kTestToday, report, kLongestFormulaReport + 1, verdict,
                    512);
        counting = false;
        EXPECT_EQ(allocations.exchange(0), 0) << "tool " << tool->id;
        EXPECT_NE(report[0], 0) << "tool " << tool->id;
    }
    const double failing[] = {0.2, 60, 4, 0};
    counting = true;
    std::int32_t level =
        ComputeTool(ToolDefinition<48>(), failing, testing::kTestToday, report, 8192, verdict, 512)
            .level;
    counting = false;
    EXPECT_EQ(allocations.exchange(0), 0) << "a failing output";
    EXPECT_EQ(level, 3);

    // Every function of the formulas, with arguments that take the
    // multiple-precision path: a tie (94906267^2), a near-tie (exp(2^-53))
    // and near-ties of log and log10 from the hard cases.
    static constexpr InputField mathInputs[] = {{"x", u"x", u"", 0}};
    static constexpr OutputField mathOutputs[] = {
        {"a", u"a", u"", "pow(94906267, 2) + x^0.5 + cbrt(x) + exp(0x1p-53)", "f2"},
        {"b", u"b", u"", "log(0x1.6330f8a3ecc9cp-791) + log10(0x1.428e9817d5a73p-395)", "f3"},
        {"c", u"c", u"", "sqrt(x) + abs(x) + floor(x) + ceil(x) + round(x) + sign(x)", "f2"},
        {"d", u"d", u"", "min(x, 1) + max(x, 1) + mod(x, 3) + x % 2", "f2"},
    };
    static constexpr ToolDef mathTool = {1,
                                         u"t",
                                         nullptr,
                                         u"c",
                                         u"r",
                                         nullptr,
                                         InputCountOf(mathInputs),
                                         mathInputs,
                                         OutputCountOf(mathOutputs),
                                         mathOutputs,
                                         0,
                                         nullptr,
                                         nullptr};
    const double x[] = {27};
    counting = true;
    level = ComputeTool(mathTool, x, testing::kTestToday, report, 8192, verdict, 512).failedCount;
    counting = false;
    EXPECT_EQ(allocations.exchange(0), 0) << "every function";
    EXPECT_EQ(level, 0) << "no output failed";
}

}  // namespace
}  // namespace kelomed
