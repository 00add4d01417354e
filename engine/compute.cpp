#include "engine/compute.h"

#include "engine/expression.h"
#include "engine/format_value.h"
#include "engine/text_buffer.h"

namespace kelomed {
namespace {

constexpr int kValueTextCapacity = 128;
constexpr char16_t kCheckInputsVerdict[] = u"请核对输入参数后重新计算";

// Evaluates the outputs in order, each seeing the values before it, and
// appends one line per output; a failed output shows "--", whatever value
// the evaluator left. `shown` receives each output as its text stands for it.
// Returns whether any output failed.
bool AppendOutputLines(const ToolDef& tool, const double* inputs, double* values, double* shown,
                       char16_t* report, int reportCapacity) {
    const int count = BoundedOutputCount(tool);
    TextWriter reportWriter(report, reportCapacity);
    bool failed[kMaxOutputs] = {};
    bool anyFailed = false;
    for (int i = 0; i < count; ++i) {
        int outputFailed = 0;
        values[i] =
            EvaluateExpression(tool, tool.outputs[i].expression, inputs, values, outputFailed);
        failed[i] = outputFailed != 0;
        anyFailed = anyFailed || failed[i];
    }
    for (int i = 0; i < count; ++i) {
        const OutputField& output = tool.outputs[i];
        char16_t valueText[kValueTextCapacity];
        if (failed[i]) {
            CopyText(valueText, kValueTextCapacity, kNotComputedText);
            shown[i] = 0;
        } else {
            FormatValue(output.format, values[i], valueText, kValueTextCapacity);
            shown[i] = ShownValue(output.format, values[i], valueText);
        }
        // "label：value unit" and CR LF, cut to 255 units like any line.
        char16_t line[kFormulaLineCapacity] = {};
        TextWriter lineWriter(line, kFormulaLineCapacity);
        lineWriter.Append(output.label);
        lineWriter.Append(u'：');
        lineWriter.Append(valueText);
        if (HasText(output.unit)) {
            lineWriter.Append(u' ');
            lineWriter.Append(output.unit);
        }
        lineWriter.Append(u"\r\n");
        reportWriter.Append(line);
    }
    return anyFailed;
}

// The first rule that holds, its conditions reading each output as shown.
void ChooseVerdict(const ToolDef& tool, const double* inputs, const double* shown,
                   char16_t* verdict, int verdictCapacity, std::int32_t& level) {
    for (int i = 0; i < tool.ruleCount; ++i) {
        const VerdictRule& rule = tool.rules[i];
        bool matches = rule.condition == nullptr || rule.condition[0] == 0;
        if (!matches) {
            int failed = 0;
            const double value = EvaluateExpression(tool, rule.condition, inputs, shown, failed);
            matches = failed == 0 && value != 0;
        }
        if (matches) {
            CopyText(verdict, verdictCapacity, rule.verdict);
            level = rule.level;
            break;
        }
    }
    if (verdictCapacity > 0 && verdict[0] == 0) {
        CopyText(verdict, verdictCapacity, kCheckInputsVerdict);
    }
}

}  // namespace

std::int32_t ComputeTool(const ToolDef& tool, const double* inputs, char16_t* report,
                         int reportCapacity, char16_t* verdict, int verdictCapacity,
                         std::int32_t& level, char16_t* reportCopy, int reportCopyCapacity,
                         const CivilDate& today) {
    CopyText(report, reportCapacity, u"");
    CopyText(verdict, verdictCapacity, u"");
    CopyText(reportCopy, reportCopyCapacity, u"");
    level = 0;

    if (!IsFormulaTool(tool)) {
        level =
            tool.generate(tool, inputs, today, report, reportCapacity, verdict, verdictCapacity);
        CopyText(reportCopy, reportCopyCapacity, report);
        return level;
    }

    double values[kMaxOutputs] = {};
    double shown[kMaxOutputs] = {};
    if (AppendOutputLines(tool, inputs, values, shown, report, reportCapacity)) {
        AppendText(report, reportCapacity, kFailedOutputNotice);
        // A rule may read the failed value, so none is trusted: a result that
        // could not be computed must never read as done.
        CopyText(verdict, verdictCapacity, kCheckInputsVerdict);
        level = kFailedComputeLevel;
    } else {
        ChooseVerdict(tool, inputs, shown, verdict, verdictCapacity, level);
    }
    CopyText(reportCopy, reportCopyCapacity, report);
    return level;
}

}  // namespace kelomed
