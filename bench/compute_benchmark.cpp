// Speed of the compute path, as ratios measured in one run:
//  - ComputeTool for tool 48 against a hand-written computation that formats
//    the same three lines directly (what a program that knew the formulas
//    in advance would do);
//  - EvaluateExpression per expression of tool 48;
//  - every report tool of the suite, its inputs at the top of their ranges.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "app/decisions/window_state.h"
#include "bench/ratio_reporter.h"
#include "engine/compute.h"
#include "engine/expression.h"
#include "engine/tool_model.h"
#include "tools/suite.h"

namespace {

using kelomed::ToolDef;

// The window's own buffers.
char16_t report[kelomed::kReportTextCapacity];
char16_t verdict[kelomed::kVerdictTextCapacity];

const double kTool48Inputs[] = {0.20000000298023224, 60, 4, 50};
constexpr kelomed::CivilDate kToday = {2026, 12, 8};

void ComputeTool48(benchmark::State& state) {
    const ToolDef& tool = kelomed::ToolDefinition<48>();
    for (auto _ : state) {
        const kelomed::ComputeResult result =
            kelomed::ComputeTool(tool, kTool48Inputs, kToday, report, kelomed::kReportTextCapacity,
                                 verdict, kelomed::kVerdictTextCapacity);
        benchmark::DoNotOptimize(report);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(ComputeTool48);

// Writes "label：value unit\r\n" with the value through std::to_chars.
char16_t* AppendLine(char16_t* out, const char16_t* label, double value, int precision,
                     const char16_t* unit) {
    while (*label != 0) {
        *out++ = *label++;
    }
    *out++ = u'：';
    char digits[64];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, precision);
    for (const char* p = digits; p != result.ptr; ++p) {
        *out++ = static_cast<char16_t>(*p);
    }
    *out++ = u' ';
    while (*unit != 0) {
        *out++ = *unit++;
    }
    *out++ = u'\r';
    *out++ = u'\n';
    return out;
}

void HandWrittenBaseline(benchmark::State& state) {
    for (auto _ : state) {
        double dose = kTool48Inputs[0];
        double weight = kTool48Inputs[1];
        double drug = kTool48Inputs[2];
        double dilution = kTool48Inputs[3];
        benchmark::DoNotOptimize(dose);
        benchmark::DoNotOptimize(weight);
        benchmark::DoNotOptimize(drug);
        benchmark::DoNotOptimize(dilution);
        const double concentration = drug * 1000 / dilution;
        const double hourly = dose * weight * 60;
        char16_t* out = report;
        out = AppendLine(out, u"浓度", concentration, 1, u"ug/ml");
        out = AppendLine(out, u"泵速", hourly / concentration, 2, u"ml/h");
        out = AppendLine(out, u"每小时药量", hourly, 0, u"ug/h");
        *out = 0;
        benchmark::DoNotOptimize(report);
    }
}
BENCHMARK(HandWrittenBaseline);

void Evaluate(benchmark::State& state, const char* expression) {
    const ToolDef& tool = kelomed::ToolDefinition<48>();
    const double outputs[16] = {80, 9, 720};
    for (auto _ : state) {
        int failed = 0;
        benchmark::DoNotOptimize(
            kelomed::EvaluateExpression(tool, expression, kTool48Inputs, outputs, failed));
    }
}
BENCHMARK_CAPTURE(Evaluate, conc, "drug*1000/dil");
BENCHMARK_CAPTURE(Evaluate, rate, "dose*w*60/(drug*1000/dil)");
BENCHMARK_CAPTURE(Evaluate, ug_h, "dose*w*60");
BENCHMARK_CAPTURE(Evaluate, rule, "dose>1");

// The report of one tool, each typed input at the top of its range.
void Report(benchmark::State& state, const ToolDef* tool) {
    double inputs[kelomed::kMaxInputs] = {};
    for (int i = 0; i < tool->inputCount; ++i) {
        const kelomed::InputField& input = tool->inputs[i];
        inputs[i] =
            input.form == kelomed::InputForm::Number ? input.range.highest : input.defaultValue;
    }
    for (auto _ : state) {
        kelomed::ComputeTool(*tool, inputs, kToday, report, kelomed::kReportTextCapacity, verdict,
                             kelomed::kVerdictTextCapacity);
        benchmark::DoNotOptimize(report);
    }
}

// Every report tool of the suite's list.
void RegisterReports() {
    for (const ToolDef* tool : kelomed::SuiteTools()) {
        if (!kelomed::IsFormulaTool(*tool)) {
            benchmark::RegisterBenchmark(("Report/" + std::to_string(tool->id)).c_str(), Report,
                                         tool);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RegisterReports();
    kelomed::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double compute = reporter.At("ComputeTool48");
    const double baseline = reporter.At("HandWrittenBaseline");
    if (compute > 0 && baseline > 0) {
        std::printf("\nratio ComputeTool(tool 48) / hand-written baseline: %.2f\n",
                    compute / baseline);
        const double expressions = reporter.At("Evaluate/conc") + reporter.At("Evaluate/rate") +
                                   reporter.At("Evaluate/ug_h") + reporter.At("Evaluate/rule");
        std::printf("share of ComputeTool spent evaluating its four expressions: %.0f%%\n",
                    100 * expressions / compute);
        for (const ToolDef* tool : kelomed::SuiteTools()) {
            if (!kelomed::IsFormulaTool(*tool)) {
                const double generator = reporter.At("Report/" + std::to_string(tool->id));
                std::printf("ratio report tool %3d / ComputeTool(tool 48): %.2f\n",
                            static_cast<int>(tool->id), generator / compute);
            }
        }
    }
    benchmark::Shutdown();
    return 0;
}
