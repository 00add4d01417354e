#include "engine/compute.h"

#include <limits>

#include "engine/expression.h"
#include "engine/format_value.h"
#include "engine/text_buffer.h"

namespace kelomed {
namespace {

constexpr int kValueTextCapacity = 128;

// "label：text unit" and CR LF, cut to 255 units like any line.
void AppendLine(TextWriter& report, const char16_t* label, const char16_t* text,
                const char16_t* unit) {
    char16_t line[kFormulaLineCapacity] = {};
    TextWriter lineWriter(line, kFormulaLineCapacity);
    lineWriter.Append(label);
    lineWriter.Append(u'：');
    lineWriter.Append(text);
    if (HasText(unit)) {
        lineWriter.Append(u' ');
        lineWriter.Append(unit);
    }
    lineWriter.Append(u"\r\n");
    report.Append(line);
}

// A scale's items as chosen: each applying choice by its name, each ticked
// check box, each measurement with the digits it was typed with; a clear
// check box and an item that does not apply say nothing.
void AppendChosenItems(const ToolDef& tool, const double* inputs, TextWriter& report) {
    for (int i = 0; i < BoundedInputCount(tool); ++i) {
        const InputField& input = tool.inputs[i];
        if (!InputApplies(tool, inputs, i)) {
            continue;
        }
        if (!HasChoices(input)) {
            char16_t value[kValueTextCapacity];
            FormatShortest(inputs[i], value, kValueTextCapacity);
            AppendLine(report, input.label, value, input.unit);
            continue;
        }
        const int item = ChoiceIndexOf(input, inputs[i]);
        if (item >= 0 && !(input.form == InputForm::Check && inputs[i] == 0)) {
            AppendLine(report, input.label, input.choices[item].name, nullptr);
        }
    }
}

// Evaluates the outputs in order, each seeing the values before it, and
// appends one line per output; a failed output is NaN and shows "--", and
// an output that reads it fails as well. `shown` receives each output as its text stands for it.
void AppendOutputLines(const ToolDef& tool, const double* inputs, ComputeResult& result,
                       double* shown, TextWriter& report) {
    result.outputCount = BoundedOutputCount(tool);
    for (int i = 0; i < result.outputCount; ++i) {
        result.applies[i] = OutputApplies(tool, inputs, i);
        if (!result.applies[i]) {
            continue;
        }
        int failed = 0;
        result.values[i] =
            EvaluateExpression(tool, tool.outputs[i].expression, inputs, result.values, failed);
        result.failed[i] = failed != 0;
        result.failedCount += failed != 0 ? 1 : 0;
        if (result.failed[i]) {
            result.values[i] = std::numeric_limits<double>::quiet_NaN();
        }
    }
    for (int i = 0; i < result.outputCount; ++i) {
        if (!result.applies[i]) {
            continue;
        }
        const OutputField& output = tool.outputs[i];
        char16_t valueText[kValueTextCapacity];
        if (result.failed[i]) {
            CopyText(valueText, kValueTextCapacity, kNotComputedText);
            shown[i] = 0;
        } else {
            FormatValue(output.format, result.values[i], valueText, kValueTextCapacity);
            shown[i] = ShownValue(output.format, result.values[i], valueText);
        }
        AppendLine(report, output.label, valueText, output.unit);
    }
}

// True when `condition` is absent or holds, read over the inputs alone.
bool ConditionHolds(const ToolDef& tool, const double* inputs, const char* condition) {
    if (condition == nullptr) {
        return true;
    }
    const double noOutputs[kMaxOutputs] = {};
    int failed = 0;
    const double value = EvaluateExpression(tool, condition, inputs, noOutputs, failed);
    return failed == 0 && value != 0;
}

// The first rule that holds, its conditions reading each output as shown;
// without one, or where a condition cannot be evaluated (a division by zero
// in it, say), the computation asks for its inputs to be checked, in red: a
// rule passed over for failing could leave a later, milder verdict standing.
void ChooseVerdict(const ToolDef& tool, const double* inputs, const double* shown,
                   char16_t* verdict, int verdictCapacity, std::int32_t& level) {
    for (int i = 0; i < tool.ruleCount; ++i) {
        const VerdictRule& rule = tool.rules[i];
        bool matches = rule.condition == nullptr || rule.condition[0] == 0;
        if (!matches) {
            int failed = 0;
            const double value = EvaluateExpression(tool, rule.condition, inputs, shown, failed);
            if (failed != 0) {
                break;
            }
            matches = value != 0;
        }
        if (matches) {
            CopyText(verdict, verdictCapacity, rule.verdict);
            level = rule.level;
            break;
        }
    }
    if (verdictCapacity > 0 && verdict[0] == 0) {
        CopyText(verdict, verdictCapacity, kCheckInputsVerdict);
        level = kFailedComputeLevel;
    }
}

}  // namespace

bool InputApplies(const ToolDef& tool, const double* inputs, int index) {
    return ConditionHolds(tool, inputs, tool.inputs[index].appliesWhen);
}

bool OutputApplies(const ToolDef& tool, const double* inputs, int index) {
    return ConditionHolds(tool, inputs, tool.outputs[index].appliesWhen);
}

ComputeResult ComputeTool(const ToolDef& tool, const double* inputs, const CivilDate& today,
                          char16_t* report, int reportCapacity, char16_t* verdict,
                          int verdictCapacity) {
    CopyText(report, reportCapacity, u"");
    CopyText(verdict, verdictCapacity, u"");
    ComputeResult result;

    double counted[kMaxInputs] = {};
    for (int i = 0; i < BoundedInputCount(tool); ++i) {
        counted[i] = InputApplies(tool, inputs, i) ? inputs[i] : 0;
    }
    if (!IsFormulaTool(tool)) {
        result.level =
            tool.generate(tool, counted, today, report, reportCapacity, verdict, verdictCapacity);
        return result;
    }

    TextWriter reportWriter(report, reportCapacity);
    if (tool.listsChosenItems) {
        AppendChosenItems(tool, counted, reportWriter);
    }
    double shown[kMaxOutputs] = {};
    AppendOutputLines(tool, counted, result, shown, reportWriter);
    if (result.failedCount > 0) {
        reportWriter.Append(kFailedOutputNotice);
        // A rule may read the failed value, so none is trusted: a result that
        // could not be computed must never read as done.
        CopyText(verdict, verdictCapacity, kCheckInputsVerdict);
        result.level = kFailedComputeLevel;
    } else {
        ChooseVerdict(tool, counted, shown, verdict, verdictCapacity, result.level);
    }
    return result;
}

}  // namespace kelomed
