#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/selftest.h"
#include "app/window_state.h"
#include "engine/compute.h"
#include "engine/text_buffer.h"
#include "tests/recording_view.h"
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

// Each report tool with every typed input at the top of its range (the
// counts at their most, the first dose at 23:59): the window's buffer holds
// the report whole, and the rota of 40 nurses over 31 days is the longest
// report there is.
TEST(Suite, EveryReportFitsTheWindowWhole) {
    for (const ToolDef* tool : SuiteTools()) {
        if (tool->kind == ToolKind::Formula) {
            continue;
        }
        SCOPED_TRACE(tool->id);
        double inputs[kMaxInputs] = {};
        for (int i = 0; i < tool->inputCount; ++i) {
            const InputField& input = tool->inputs[i];
            inputs[i] = input.form == InputForm::Choice      ? input.defaultValue
                        : input.form == InputForm::ClockTime ? 23 + 59 / 60.0
                                                             : input.range.highest;
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

// Every typed input of every tool, at each bound of its range and just
// beyond it: the window takes what the range allows and refuses the rest.
TEST(Suite, FieldsTakeTheirRangeFromBothSides) {
    int checked = 0;
    for (const ToolDef* tool : SuiteTools()) {
        auto state = std::make_unique<WindowState>();
        InitializeWindowState(*state, *tool);
        for (int i = 0; i < tool->inputCount; ++i) {
            const InputField& input = tool->inputs[i];
            if (input.form != InputForm::Number) {
                continue;
            }
            const InputRange& range = input.range;
            const double step = range.whole ? 1 : 0;
            const struct {
                double value;
                bool accepted;
            } values[] = {
                {range.lowest, range.lowestAllowed},
                {step > 0 ? range.lowest - step : std::nextafter(range.lowest, -HUGE_VAL), false},
                {range.highest, range.highestAllowed},
                {step > 0 ? range.highest + step : std::nextafter(range.highest, HUGE_VAL), false},
                {range.whole ? range.lowest + 0.5 : input.defaultValue, !range.whole},
            };
            for (const auto& v : values) {
                testing::RecordingView view;
                view.fields.resize(static_cast<std::size_t>(tool->inputCount));
                RunResetCommand(*state, view);
                char text[64];
                std::snprintf(text, sizeof text, "%.17g", v.value);
                view.fields[static_cast<std::size_t>(i)] = testing::Utf16Of(text);
                RunComputeCommand(*state, view);
                EXPECT_EQ(view.messages.empty(), v.accepted)
                    << tool->id << " input " << i << " at " << text;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 100);
}

// A choice is the number of the item its report names: each item gives a
// report of its own, and the cards that name their items name the chosen one.
TEST(Suite, ChoicesAreTheItemsTheirReportsName) {
    for (const ToolDef* tool : SuiteTools()) {
        if (tool->kind == ToolKind::Formula) {
            continue;
        }
        for (int i = 0; i < tool->inputCount; ++i) {
            const InputField& input = tool->inputs[i];
            std::set<std::string> reports;
            for (int item = 0; item < input.choiceCount; ++item) {
                double inputs[kMaxInputs] = {};
                for (int j = 0; j < tool->inputCount; ++j) {
                    inputs[j] = tool->inputs[j].defaultValue;
                }
                inputs[i] = input.choices[item].value;
                char16_t report[kReportTextCapacity];
                char16_t verdict[kVerdictTextCapacity];
                static char16_t copy[kReportTextCapacity];
                std::int32_t level = 0;
                ComputeTool(*tool, inputs, report, kReportTextCapacity, verdict,
                            kVerdictTextCapacity, level, copy, kReportTextCapacity);
                const std::string name = Utf8Of(input.choices[item].name);
                EXPECT_TRUE(reports.insert(Utf8Of(report)).second) << tool->id << " " << name;
                // The critical values card lists a group's values, not its name.
                if (tool->id != 104) {
                    EXPECT_NE(Utf8Of(report).find(name), std::string::npos)
                        << tool->id << " " << name;
                }
            }
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
