#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "app/selftest.h"
#include "app/window_state.h"
#include "engine/compute.h"
#include "engine/text_buffer.h"
#include "tests/test_text.h"
#include "tools/suite.h"

namespace kelomed {
namespace {

using testing::Utf8Of;

// The input keys each report kind reads.
const std::vector<std::string> kKindKeys[] = {
    {},
    {"nurses", "days"},
    {"start", "interval", "times"},
    {"kind"},
    {"kind"},
    {"kind"},
    {"drugA", "drugB"},
    {"start", "gap", "times"},
    {},
    {"beds"},
    {"bed", "dose", "volume", "gtt"},
    {"panel"},
};

std::vector<std::string> KeysOf(const ToolDef& tool) {
    std::vector<std::string> keys;
    for (int i = 0; i < tool.inputCount; ++i) {
        keys.push_back(tool.inputs[i].key);
    }
    return keys;
}

TEST(Suite, ToolsHaveDistinctThreeDigitIds) {
    std::set<int> ids;
    for (const ToolDef* tool : SuiteTools()) {
        EXPECT_TRUE(tool->id > 0 && tool->id <= 999) << tool->id;
        EXPECT_TRUE(ids.insert(tool->id).second) << "id " << tool->id << " twice";
        EXPECT_EQ(FindSuiteTool(tool->id), tool);
    }
    EXPECT_EQ(FindSuiteTool(48), &ToolDefinition<48>());
    EXPECT_EQ(FindSuiteTool(0), nullptr);
}

TEST(Suite, EveryToolSaysWhatItIsAndNamesEachInputOnce) {
    for (const ToolDef* tool : SuiteTools()) {
        SCOPED_TRACE(tool->id);
        EXPECT_TRUE(HasText(tool->title));
        EXPECT_TRUE(HasText(tool->subtitle));
        EXPECT_TRUE(HasText(tool->category));
        EXPECT_TRUE(HasText(tool->reference));
        EXPECT_TRUE(HasText(tool->note));
        std::set<std::string> keys;
        for (int i = 0; i < tool->inputCount; ++i) {
            EXPECT_TRUE(keys.insert(tool->inputs[i].key).second) << tool->inputs[i].key;
            EXPECT_TRUE(HasText(tool->inputs[i].label)) << tool->inputs[i].key;
        }
    }
}

TEST(Suite, EachReportKindHasOneToolThatReadsItsKeys) {
    int toolsOfKind[12] = {};
    for (const ToolDef* tool : SuiteTools()) {
        if (tool->kind == ToolKind::Formula) {
            continue;
        }
        SCOPED_TRACE(tool->id);
        ASSERT_TRUE(tool->kind >= 1 && tool->kind <= 11);
        ++toolsOfKind[tool->kind];
        EXPECT_EQ(KeysOf(*tool), kKindKeys[tool->kind]);
        EXPECT_EQ(tool->outputCount, 0);
        EXPECT_EQ(tool->ruleCount, 0);
    }
    for (int kind = 1; kind <= 11; ++kind) {
        EXPECT_EQ(toolsOfKind[kind], 1) << "kind " << kind;
    }
}

// Each report tool at the inputs that make its report longest (the rest at
// their defaults): the window's buffer holds the report whole, and the rota
// of 40 nurses over 31 days is the longest report there is.
TEST(Suite, EveryReportFitsTheWindowWhole) {
    const struct {
        int id;
        std::vector<double> inputs;
    } longest[] = {
        {101, {40, 31}},
        {102, {23.99, 1000, 30}},
        {107, {36500, 36500, 20}},
        {109, {30}},
    };
    for (const ToolDef* tool : SuiteTools()) {
        if (tool->kind == ToolKind::Formula) {
            continue;
        }
        SCOPED_TRACE(tool->id);
        double inputs[kMaxInputs] = {};
        for (int i = 0; i < tool->inputCount; ++i) {
            inputs[i] = tool->inputs[i].defaultValue;
        }
        for (const auto& row : longest) {
            for (std::size_t i = 0; row.id == tool->id && i < row.inputs.size(); ++i) {
                inputs[i] = row.inputs[i];
            }
        }
        static char16_t roomy[65536];
        static char16_t report[kReportTextCapacity];
        char16_t verdict[kVerdictTextCapacity];
        static char16_t copy[kReportTextCapacity];
        std::int32_t level = 0;
        ComputeTool(*tool, inputs, roomy, 65536, verdict, kVerdictTextCapacity, level, copy,
                    kReportTextCapacity);
        ComputeTool(*tool, inputs, report, kReportTextCapacity, verdict, kVerdictTextCapacity,
                    level, copy, kReportTextCapacity);
        EXPECT_LE(TextLength(roomy), kLongestGeneratedReport);
        EXPECT_FALSE(FillsItsBuffer(report, kReportTextCapacity));
        EXPECT_EQ(Utf8Of(report), Utf8Of(roomy));
        EXPECT_EQ(Utf8Of(copy), Utf8Of(roomy));
        if (tool->id == 101) {
            EXPECT_EQ(TextLength(roomy), kLongestGeneratedReport);
        }
    }
}

// The self-test evaluates each output alone, so an output that read another
// would show a different value there than in the window.
TEST(Suite, FormulaDefaultsComputeAndTheSelftestShowsTheWindowsValues) {
    for (const ToolDef* tool : SuiteTools()) {
        if (tool->kind != ToolKind::Formula) {
            continue;
        }
        SCOPED_TRACE(tool->id);
        double inputs[kMaxInputs] = {};
        for (int i = 0; i < tool->inputCount; ++i) {
            inputs[i] = tool->inputs[i].defaultValue;
        }
        char16_t report[8192];
        char16_t verdict[512];
        char16_t copy[8192];
        std::int32_t level = 0;
        ComputeTool(*tool, inputs, report, 8192, verdict, 512, level, copy, 8192);
        char16_t selftest[kSelftestTextCapacity];
        EXPECT_EQ(BuildSelftestText(*tool, selftest, kSelftestTextCapacity), 0);
        const std::string text = Utf8Of(selftest);
        const std::string lines = Utf8Of(report);
        for (int i = 0; i < tool->outputCount; ++i) {
            const OutputField& output = tool->outputs[i];
            const std::string label = Utf8Of(output.label);
            const std::size_t out = text.find("OUT|" + label + "|");
            ASSERT_NE(out, std::string::npos) << label;
            const std::size_t valueStart = out + 5 + label.size();
            const std::string value =
                text.substr(valueStart, text.find('|', valueStart) - valueStart);
            EXPECT_NE(lines.find(label + "：" + value), std::string::npos) << label << " " << value;
        }
    }
}

}  // namespace
}  // namespace kelomed
