#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "engine/compute.h"
#include "engine/format_text.h"
#include "tests/report_tool.h"
#include "tests/test_text.h"
#include "tests/test_tools.h"
#include "tools/suite.h"

namespace kelomed {
namespace {

using testing::Utf8Of;

struct Result {
    std::string report;
    std::string verdict;
    std::int32_t level = -1;
    ComputeResult computed;
};

Result Compute(const ToolDef& tool, const double* inputs, int reportCapacity = 4096,
               int verdictCapacity = 512) {
    static char16_t report[8192];
    static char16_t verdict[512];
    Result result;
    result.computed = ComputeTool(tool, inputs, testing::kTestToday, report, reportCapacity,
                                  verdict, verdictCapacity);
    result.level = result.computed.level;
    result.report = Utf8Of(report);
    result.verdict = Utf8Of(verdict);
    return result;
}

constexpr char kDefaultReport[] = "浓度：80.0 ug/ml\r\n泵速：9.00 ml/h\r\n每小时药量：720 ug/h\r\n";

TEST(Tool48, DefaultsGiveTheReferenceResult) {
    const ToolDef& tool = ToolDefinition<48>();
    double inputs[kMaxInputs] = {};
    for (int i = 0; i < tool.inputCount; ++i) {
        inputs[i] = tool.inputs[i].defaultValue;
    }
    EXPECT_EQ(inputs[0], 0.20000000298023224);
    const Result result = Compute(tool, inputs);
    EXPECT_EQ(result.report, kDefaultReport);
    EXPECT_EQ(result.verdict, "泵速计算完成，中心静脉输注");
    EXPECT_EQ(result.level, 0);
    // The values as computed, before they are shown: the single-precision
    // default makes the rate 9.00000013411045.
    ASSERT_EQ(result.computed.outputCount, 3);
    EXPECT_EQ(result.computed.values[0], 80);
    EXPECT_NEAR(result.computed.values[1], 9.00000013411045, 1e-14);
    EXPECT_EQ(result.computed.failedCount, 0);
}

TEST(Tool48, VerdictByDose) {
    const struct {
        double dose;
        const char* verdict;
        std::int32_t level;
    } cases[] = {
        {1.5, "剂量超过 1ug/kg/min，休克加重，评估联合用药", 3},
        {1.0, "泵速计算完成，中心静脉输注", 0},
        {1.0000001, "剂量超过 1ug/kg/min，休克加重，评估联合用药", 3},
    };
    for (const auto& c : cases) {
        const double inputs[] = {c.dose, 60, 4, 50};
        const Result result = Compute(ToolDefinition<48>(), inputs);
        EXPECT_EQ(result.verdict, c.verdict) << c.dose;
        EXPECT_EQ(result.level, c.level) << c.dose;
    }
}

// Values the window refuses reach the engine from elsewhere: a failed output
// shows "--", never the 0 the evaluator left, and the verdict asks for the
// inputs to be checked.
TEST(Tool48, FailedOutputAsksForTheInputsToBeChecked) {
    const struct {
        double inputs[4];
        const char* report;
    } cases[] = {
        // Division by 0: the concentration and the rate fail.
        {{0.2, 60, 4, 0}, "浓度：-- ug/ml\r\n泵速：-- ml/h\r\n每小时药量：720 ug/h\r\n"},
        {{0.2, 60, 0, 50}, "浓度：0.0 ug/ml\r\n泵速：-- ml/h\r\n每小时药量：720 ug/h\r\n"},
        // The concentration underflows to 0: the rate divides by it.
        {{0.2, 60, 1e-300, 1e300}, "浓度：0.0 ug/ml\r\n泵速：-- ml/h\r\n每小时药量：720 ug/h\r\n"},
        // The concentration overflows; the rate divides by infinity and reads 0.
        {{0.2, 60, 1e308, 50}, "浓度：-- ug/ml\r\n泵速：0.00 ml/h\r\n每小时药量：720 ug/h\r\n"},
        // "dose>1" would match, but no rule is trusted over a failed output.
        {{1.5, 60, 4, 0}, "浓度：-- ug/ml\r\n泵速：-- ml/h\r\n每小时药量：5400 ug/h\r\n"},
    };
    for (const auto& c : cases) {
        const Result result = Compute(ToolDefinition<48>(), c.inputs);
        EXPECT_EQ(result.report,
                  std::string(c.report) + "（部分结果无法计算，请检查输入是否合理）\r\n");
        EXPECT_EQ(result.verdict, "请核对输入参数后重新计算") << c.inputs[2];
        EXPECT_EQ(result.level, 3) << c.inputs[2];
        EXPECT_GT(result.computed.failedCount, 0) << c.inputs[2];
    }
}

// Within the ranges the window takes, no output of tool 48 fails, at any
// corner of them: its window and its self-test never meet a "--".
TEST(Tool48, NoOutputFailsWithinItsRanges) {
    const ToolDef& tool = ToolDefinition<48>();
    for (int corner = 0; corner < 16; ++corner) {
        double inputs[4] = {};
        for (int i = 0; i < 4; ++i) {
            const InputRange& range = tool.inputs[i].range;
            inputs[i] = (corner >> i & 1) != 0 ? range.highest : range.lowest;
        }
        const Result result = Compute(tool, inputs);
        EXPECT_EQ(result.report.find("--"), std::string::npos) << result.report;
        EXPECT_EQ(result.verdict, inputs[0] > 1 ? "剂量超过 1ug/kg/min，休克加重，评估联合用药"
                                                : "泵速计算完成，中心静脉输注");
    }
}

TEST(FormulaTool, LaterOutputsReadZeroEarlierOutputsTheirValue) {
    const double inputs[] = {0.2, 60, 4, 50, 0};
    const Result result = Compute(testing::kProbeTool, inputs);
    EXPECT_EQ(
        result.report,
        "浓度：80.0 ug/ml\r\n泵速：9.00 ml/h\r\n两倍：160\r\n提前：1\r\n之后：5\r\n影子：99\r\n");
    // No rule gives a verdict: the computation asks for its inputs, in red.
    EXPECT_EQ(result.verdict, "请核对输入参数后重新计算");
    EXPECT_EQ(result.level, 3);
}

TEST(FormulaTool, AConditionThatCannotBeEvaluatedStopsTheScanInRed) {
    static constexpr InputField inputs[] = {{"a", u"甲", u"", 1}};
    static constexpr OutputField outputs[] = {{"y", u"乙", u"", "a/2", "f2"}};
    static constexpr OutputField failing[] = {{"y", u"乙", u"", "a/0", "f2"}};
    static constexpr VerdictRule rules[] = {
        {"a>5", 3, u"高"},
        {"y>1 && 1/(a-1)>5", 2, u"不应匹配"},  // fails at a = 1
        {"", 0, u"正常"},                      // must not stand in for it
    };
    ToolDef tool = {7,
                    u"t",
                    nullptr,
                    u"c",
                    u"r",
                    nullptr,
                    InputCountOf(inputs),
                    inputs,
                    OutputCountOf(outputs),
                    outputs,
                    RuleCountOf(rules),
                    rules,
                    nullptr};
    Result result = Compute(tool, std::array<double, 1>{1}.data());
    EXPECT_EQ(result.report, "乙：0.50\r\n");
    EXPECT_EQ(result.verdict, "请核对输入参数后重新计算");
    EXPECT_EQ(result.level, 3);
    result = Compute(tool, std::array<double, 1>{2}.data());
    EXPECT_EQ(result.verdict, "正常");
    EXPECT_EQ(result.level, 0);

    // A failed output: the rules are not scanned, whatever they would match.
    tool.outputs = failing;
    result = Compute(tool, std::array<double, 1>{1}.data());
    EXPECT_EQ(result.report, "乙：--\r\n（部分结果无法计算，请检查输入是否合理）\r\n");
    EXPECT_EQ(result.verdict, "请核对输入参数后重新计算");
    EXPECT_EQ(result.level, 3);
}

TEST(FormulaTool, NonFiniteOutputPrintsDashes) {
    static constexpr InputField inputs[] = {{"a", u"甲", u"", 1}};
    static constexpr OutputField outputs[] = {{"big", u"大", u"单位", "10^400", "f0"},
                                              {"d", u"日期", nullptr, "a*11016", "date"}};
    static constexpr ToolDef tool = {7,
                                     u"t",
                                     nullptr,
                                     u"c",
                                     u"r",
                                     nullptr,
                                     InputCountOf(inputs),
                                     inputs,
                                     OutputCountOf(outputs),
                                     outputs,
                                     0,
                                     nullptr,
                                     nullptr};
    const double values[] = {1};
    EXPECT_EQ(Compute(tool, values).report,
              "大：-- 单位\r\n日期：2000-02-29\r\n（部分结果无法计算，请检查输入是否合理）\r\n");
}

TEST(ComputeCapacities, ReportIsCutWhereTheBufferEnds) {
    const double inputs[] = {0.2, 60, 4, 50};
    EXPECT_EQ(Compute(ToolDefinition<48>(), inputs, 1).report, "");
    EXPECT_EQ(Compute(ToolDefinition<48>(), inputs, 4).report, "浓度：");
    // The 15 units of the first line, then 3 units of the second.
    EXPECT_EQ(Compute(ToolDefinition<48>(), inputs, 19).report, "浓度：80.0 ug/ml\r\n泵速：");
    // The verdict keeps its first capacity - 1 units.
    const double high[] = {1.5, 60, 4, 50};
    EXPECT_EQ(Compute(ToolDefinition<48>(), high, 4096, 13).verdict, "剂量超过 1ug/kg/");
    EXPECT_EQ(Compute(ToolDefinition<48>(), inputs, 4096, 13).verdict, "泵速计算完成，中心静脉输");
}

// A report tool's generator gets the buffers and today.
std::int32_t WriteToday(const ToolDef&, const double* inputs, const CivilDate& today,
                        char16_t* report, int reportCapacity, char16_t* verdict,
                        int verdictCapacity) {
    FormatText(report, reportCapacity, u"%d-%d-%d %g", today.year, today.month, today.day,
               inputs[0]);
    CopyText(verdict, verdictCapacity, u"已生成");
    return 2;
}

TEST(ComputeReports, TheGeneratorWritesWithToday) {
    static constexpr InputField inputs[] = {{"a", u"甲", u"", 0}};
    static constexpr ToolDef tool =
        ReportTool({7, u"t", nullptr, u"检验", u"r", nullptr, "t"}, inputs, WriteToday);
    const double values[] = {5};
    char16_t report[64];
    char16_t verdict[64];
    EXPECT_EQ(ComputeTool(tool, values, CivilDate{2028, 2, 29}, report, 64, verdict, 64).level, 2);
    EXPECT_EQ(Utf8Of(report), "2028-2-29 5");
    EXPECT_EQ(Utf8Of(verdict), "已生成");
}

}  // namespace
}  // namespace kelomed
