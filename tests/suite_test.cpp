#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/decisions/commands.h"
#include "app/decisions/window_state.h"
#include "engine/compute.h"
#include "engine/text_buffer.h"
#include "tests/recording_view.h"
#include "tests/report_tool.h"
#include "tests/test_text.h"
#include "tools/suite.h"

namespace kelomed {
namespace {

using testing::Utf8Of;

// Each input's default values, for a compute of the tool.
void FillDefaults(const ToolDef& tool, double* inputs) {
    for (int i = 0; i < tool.inputCount; ++i) {
        inputs[i] = tool.inputs[i].defaultValue;
    }
}

std::string ReportOf(const ToolDef& tool, const double* inputs) {
    return testing::ComputeReport(tool, inputs, kReportTextCapacity).report;
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

std::string ReadSourceFile(const std::string& name) {
    std::ifstream file(std::string(KELOMED_SOURCE_DIR) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// What a tool needs besides its file and its line in tools/tool_list.h: its
// self-test reference and its row in README's table of programs. A missing
// one is named, with what to do.
TEST(Suite, EveryToolHasItsSelftestReferenceAndReadmeRow) {
    const std::string readme = ReadSourceFile("README.md");
    ASSERT_FALSE(readme.empty()) << "README.md not found under " << KELOMED_SOURCE_DIR;
    for (const ToolDef* tool : SuiteTools()) {
        char number[8];
        std::snprintf(number, sizeof number, "%03d", static_cast<int>(tool->id));
        const std::string reference = "tests/data/selftest-t" + std::string(number) + ".txt";
        EXPECT_FALSE(ReadSourceFile(reference).empty())
            << "tool " << tool->id << " has no self-test reference " << reference
            << ": write it with build/native/bin/kelomed-t" << number << " --selftest " << reference
            << " --today=2026-12-08, read it line by line, and commit it";
        EXPECT_NE(readme.find("| `kelomed-t" + std::string(number) + "` |"), std::string::npos)
            << "README.md's table of programs has no row for kelomed-t" << number;
    }
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

// Every input of a report tool is one its generator reads (a key it does not
// know would read 0 whatever is typed): another accepted value, or another
// item of a list, gives another report. A report tool has no outputs or rules.
TEST(Suite, EveryInputOfAReportToolIsRead) {
    for (const ToolDef* tool : SuiteTools()) {
        if (IsFormulaTool(*tool)) {
            continue;
        }
        EXPECT_EQ(tool->outputCount + tool->ruleCount, 0) << tool->id;
        for (int i = 0; i < tool->inputCount; ++i) {
            const InputField& input = tool->inputs[i];
            double inputs[kMaxInputs] = {};
            FillDefaults(*tool, inputs);
            const std::string before = ReportOf(*tool, inputs);
            inputs[i] = input.form == InputForm::Choice
                            ? input
                                  .choices[(ChoiceIndexOf(input, input.defaultValue) + 1) %
                                           input.choiceCount]
                                  .value
                        : input.form == InputForm::ClockTime ? 23.5
                                                             : input.range.lowest;
            EXPECT_NE(ReportOf(*tool, inputs), before) << tool->id << " " << input.key;
        }
    }
}

// Calls `visit` with every combination of the tool's choices, each typed
// input at the top of its range (the counts at their most, the first dose
// at 23:59).
template <typename Visit>
void ForEveryChoice(const ToolDef& tool, double* inputs, int from, Visit visit) {
    if (from == tool.inputCount) {
        visit(inputs);
        return;
    }
    const InputField& input = tool.inputs[from];
    if (!HasChoices(input)) {
        inputs[from] = input.form == InputForm::ClockTime ? 23 + 59 / 60.0 : input.range.highest;
        ForEveryChoice(tool, inputs, from + 1, visit);
        return;
    }
    for (int item = 0; item < input.choiceCount; ++item) {
        inputs[from] = input.choices[item].value;
        ForEveryChoice(tool, inputs, from + 1, visit);
    }
}

// Each report tool at every choice with its counts at their most: the
// window's buffer holds the report whole, and the rota of 40 nurses over
// 31 days is the longest report there is.
TEST(Suite, EveryReportFitsTheWindowWhole) {
    int longest = 0;
    for (const ToolDef* tool : SuiteTools()) {
        if (IsFormulaTool(*tool)) {
            continue;
        }
        SCOPED_TRACE(tool->id);
        double inputs[kMaxInputs] = {};
        ForEveryChoice(*tool, inputs, 0, [&](const double* values) {
            static char16_t roomy[65536];
            static char16_t report[kReportTextCapacity];
            char16_t verdict[kVerdictTextCapacity];
            ComputeTool(*tool, values, testing::kTestToday, roomy, 65536, verdict,
                        kVerdictTextCapacity);
            ComputeTool(*tool, values, testing::kTestToday, report, kReportTextCapacity, verdict,
                        kVerdictTextCapacity);
            ASSERT_LE(TextLength(roomy), kLongestGeneratedReport);
            EXPECT_FALSE(FillsItsBuffer(report, kReportTextCapacity));
            EXPECT_EQ(Utf8Of(report), Utf8Of(roomy));
            longest = TextLength(roomy) > longest ? TextLength(roomy) : longest;
        });
    }
    EXPECT_EQ(longest, kLongestGeneratedReport);
}

// Chooses, in `view`, an item of one list or check box that makes input
// `index` apply, when it does not with the defaults.
void ChooseSoThatItApplies(const ToolDef& tool, int index, testing::RecordingView& view) {
    double values[kMaxInputs] = {};
    FillDefaults(tool, values);
    for (int k = 0; k < tool.inputCount && !InputApplies(tool, values, index); ++k) {
        const InputField& choice = tool.inputs[k];
        for (int item = 0; HasChoices(choice) && item < choice.choiceCount; ++item) {
            values[k] = choice.choices[item].value;
            if (InputApplies(tool, values, index)) {
                view.chosen[static_cast<std::size_t>(k)] = item;
                return;
            }
        }
        values[k] = choice.defaultValue;
    }
}

// Every typed input of every tool, at each bound of its range and just
// beyond it, and with a decimal too many: the window takes what the range
// allows and refuses the rest.
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
                {range.decimals > 0 ? range.lowest + 0.05 : input.defaultValue,
                 range.decimals <= 0},
            };
            for (const auto& v : values) {
                testing::RecordingView view;
                view.fields.resize(static_cast<std::size_t>(tool->inputCount));
                RunResetCommand(*state, view);
                ChooseSoThatItApplies(*tool, i, view);
                char text[64];
                std::snprintf(text, sizeof text, "%.17g", v.value);
                view.fields[static_cast<std::size_t>(i)] = testing::Utf16Of(text);
                RunComputeCommand(*state, view, testing::kTestToday);
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
        if (IsFormulaTool(*tool)) {
            continue;
        }
        for (int i = 0; i < tool->inputCount; ++i) {
            const InputField& input = tool->inputs[i];
            std::set<std::string> reports;
            for (int item = 0; item < input.choiceCount; ++item) {
                double inputs[kMaxInputs] = {};
                FillDefaults(*tool, inputs);
                inputs[i] = input.choices[item].value;
                const std::string report = ReportOf(*tool, inputs);
                const std::string name = Utf8Of(input.choices[item].name);
                EXPECT_TRUE(reports.insert(report).second) << tool->id << " " << name;
                // The critical values card lists a group's values, not its name.
                if (tool->id != 104) {
                    EXPECT_NE(report.find(name), std::string::npos) << tool->id << " " << name;
                }
            }
        }
    }
}

}  // namespace
}  // namespace kelomed
