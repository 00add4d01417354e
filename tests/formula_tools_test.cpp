// The suite's formula tools against published worked examples and their
// rules' boundaries from both sides. Where a row's source shows rounded
// intermediate steps, the expected text is the exact value shown to the
// tool's digits (checked with 120-bit mpmath), and the row says so.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "engine/compute.h"
#include "engine/expression.h"
#include "engine/format_value.h"
#include "tests/report_tool.h"
#include "tests/test_text.h"
#include "tools/infusion.h"

namespace kelomed {
namespace {

using testing::Utf8Of;

constexpr char kCheckInputs[] = "请核对输入参数后重新计算";

struct FormulaCase {
    std::vector<double> inputs;
    // Each output's value as the report shows it ("--" when not computed).
    std::vector<std::string> shown;
    std::int32_t level;
    std::string verdict;
    const char* source;
};

// "\nlabel：", the start of output `index`'s line in a report read with a
// line break before it (built by appends: GCC 12 warns wrongly of a
// literal's "+" into a string).
std::string LineStart(const ToolDef& tool, int index) {
    std::string start = "\n";
    start += Utf8Of(tool.outputs[index].label);
    start += "：";
    return start;
}

std::string AfterLineBreak(const std::string& report) {
    std::string text = "\n";
    text += report;
    return text;
}

// The value text of each report line "label：value unit".
std::vector<std::string> ShownValues(const ToolDef& tool, const std::string& report) {
    std::vector<std::string> values;
    std::size_t at = 0;
    for (int i = 0; i < tool.outputCount; ++i) {
        // An output that does not apply has no line.
        const std::string label = LineStart(tool, i);
        const std::size_t line = AfterLineBreak(report).find(label, at);
        if (line == std::string::npos) {
            continue;
        }
        at = line + label.size() - 1;
        std::string value = report.substr(at, report.find('\r', at) - at);
        std::string unit = " ";
        unit += Utf8Of(tool.outputs[i].unit);
        if (unit.size() > 1 && value.ends_with(unit)) {
            value.resize(value.size() - unit.size());
        }
        values.push_back(value);
    }
    return values;
}

// Output `index` of `tool` as the compute evaluates it, the outputs before
// it computed first.
double EvaluateOutput(const ToolDef& tool, int index, const std::vector<double>& values) {
    double inputs[kMaxInputs] = {};
    std::copy(values.begin(), values.end(), inputs);
    double outputs[kMaxOutputs] = {};
    for (int i = 0; i <= index; ++i) {
        int failed = 0;
        outputs[i] = EvaluateExpression(tool, tool.outputs[i].expression, inputs, outputs, failed);
    }
    return outputs[index];
}

void CheckCases(int id, const std::vector<FormulaCase>& cases) {
    const ToolDef& tool = *FindSuiteTool(id);
    for (const FormulaCase& c : cases) {
        SCOPED_TRACE(c.source);
        double inputs[kMaxInputs] = {};
        for (std::size_t i = 0; i < c.inputs.size(); ++i) {
            inputs[i] = c.inputs[i];
        }
        const testing::ReportResult result = testing::ComputeReport(tool, inputs);
        EXPECT_EQ(ShownValues(tool, result.report), c.shown) << result.report;
        EXPECT_EQ(result.level, c.level);
        EXPECT_EQ(result.verdict, c.verdict);
    }
}

TEST(FormulaTools, PumpRateToDose) {
    CheckCases(
        49,
        {
            {{9, 60, 4, 50},
             {"80.0", "0.20", "720"},
             0,
             "剂量在常用范围 0.05-1ug/kg/min",
             "tool 48's worked result read back: 0.2 ug/kg/min, 60 kg, 4 mg in 50 ml is 9.00 ml/h"},
            {{67.5, 60, 4, 50},
             {"80.0", "1.50", "5400"},
             3,
             "剂量超过 1ug/kg/min，休克加重，评估联合用药",
             "tool 48 at 1.5 ug/kg/min is 67.50 ml/h"},
            {{45, 60, 4, 50},
             {"80.0", "1.00", "3600"},
             0,
             "剂量在常用范围 0.05-1ug/kg/min",
             "1.00 is in range"},
            {{45.45, 60, 4, 50},
             {"80.0", "1.01", "3636"},
             3,
             "剂量超过 1ug/kg/min，休克加重，评估联合用药",
             "1.01 is above"},
            {{2.25, 60, 4, 50},
             {"80.0", "0.05", "180"},
             0,
             "剂量在常用范围 0.05-1ug/kg/min",
             "0.05 is in range"},
            {{1.8, 60, 4, 50},
             {"80.0", "0.04", "144"},
             1,
             "剂量低于常用范围 0.05ug/kg/min，核对泵速与配置",
             "0.04 is below"},
            // At a decimal tie the verdict reads the dose as shown: 0.045 shows
            // 0.04, below the range.
            {{2.7, 80, 4, 50},
             {"80.0", "0.04", "216"},
             1,
             "剂量低于常用范围 0.05ug/kg/min，核对泵速与配置",
             "exact dose 0.045 shows 0.04"},
            {{0.4455, 33, 10, 50},
             {"200.0", "0.04", "89"},
             1,
             "剂量低于常用范围 0.05ug/kg/min，核对泵速与配置",
             "exact dose 0.045 shows 0.04"},
            {{9, 60, 1e308, 50}, {"--", "--", "--"}, 3, kCheckInputs, "an overflowing amount"},
            {{9, 0, 4, 50}, {"80.0", "--", "720"}, 3, kCheckInputs, "no weight: the dose fails"},
        });
}

TEST(FormulaTools, BodySurfaceArea) {
    const char* done = "体表面积已计算，按 m² 给药前请复核身高体重";
    CheckCases(61, {
                       {{70, 175},
                        {"1.85", "1.84"},
                        0,
                        done,
                        "Du Bois' formula in its log form worked for 70 kg, 1.75 m to about 1.85 "
                        "(Zill, differential equations, problem from Du Bois 1916); Mosteller "
                        "sqrt(175 x 70 / 3600) = 1.8447"},
                       {{80, 180},
                        {"2.00", "2.00"},
                        0,
                        done,
                        "Mosteller sqrt(180 x 80 / 3600) = 2 exactly; Du Bois 1.9964"},
                       {{65, 170}, {"1.75", "1.75"}, 0, done, "the defaults"},
                       {{1e300, 1e300}, {"--", "--"}, 3, kCheckInputs, "overflow"},
                   });
}

TEST(FormulaTools, BodyMassIndex) {
    // WS/T 428-2013 gives the index and its cut-offs; each cut-off from both
    // sides, on the index shown to one decimal.
    CheckCases(62,
               {
                   {{70, 175}, {"22.9"}, 0, "体重正常（18.5≤BMI<24.0）", "70 / 1.75^2 = 22.857"},
                   {{53.465, 170}, {"18.5"}, 0, "体重正常（18.5≤BMI<24.0）", "18.5 exactly"},
                   {{53.4, 170}, {"18.5"}, 0, "体重正常（18.5≤BMI<24.0）", "18.478 shows 18.5"},
                   {{53.1, 170}, {"18.4"}, 1, "体重过低（BMI<18.5）", "18.374"},
                   {{69.2, 170}, {"23.9"}, 0, "体重正常（18.5≤BMI<24.0）", "23.945"},
                   {{69.3, 170}, {"24.0"}, 1, "超重（24.0≤BMI<28.0）", "23.979 shows 24.0"},
                   {{80.7, 170}, {"27.9"}, 1, "超重（24.0≤BMI<28.0）", "27.924"},
                   {{80.8, 170}, {"28.0"}, 2, "肥胖（BMI≥28.0）", "27.958 shows 28.0"},
                   // Exact ties, each just below in binary: the verdict of the shown number.
                   {{73.8, 200}, {"18.4"}, 1, "体重过低（BMI<18.5）", "18.45 shows 18.4"},
                   {{95.8, 200}, {"23.9"}, 0, "体重正常（18.5≤BMI<24.0）", "23.95 shows 23.9"},
                   {{111.8, 200}, {"27.9"}, 1, "超重（24.0≤BMI<28.0）", "27.95 shows 27.9"},
                   {{70, 1e-160}, {"--"}, 3, kCheckInputs, "the height squared underflows to 0"},
               });
}

TEST(FormulaTools, EgfrCkdEpi2021) {
    // Rows at each KDIGO boundary for a man of 60: the equation evaluated in
    // 120-bit arithmetic beside each.
    CheckCases(
        63, {
                {{79.56, 55, 2},
                 {"0.90", "75"},
                 1,
                 "G2：轻度下降（eGFR 60-89）",
                 "woman of 55, 0.9 mg/dL: worked through rounded steps to 'about 76' "
                 "(creatinineclearancecalculator.net, from the NKF's equation); exactly 75.4988"},
                {{85, 60, 1}, {"0.96", "90"}, 0, "G1：正常或升高（eGFR≥90）", "90.315"},
                {{86, 60, 1}, {"0.97", "89"}, 1, "G2：轻度下降（eGFR 60-89）", "89.056"},
                {{120, 60, 1}, {"1.36", "60"}, 1, "G2：轻度下降（eGFR 60-89）", "59.710 shows 60"},
                {{121, 60, 1}, {"1.37", "59"}, 2, "G3a：轻中度下降（eGFR 45-59）", "59.118"},
                {{151, 60, 1}, {"1.71", "45"}, 2, "G3a：轻中度下降（eGFR 45-59）", "45.320"},
                {{154, 60, 1}, {"1.74", "44"}, 2, "G3b：中重度下降（eGFR 30-44）", "44.263"},
                {{212, 60, 1}, {"2.40", "30"}, 2, "G3b：中重度下降（eGFR 30-44）", "30.162"},
                {{216, 60, 1},
                 {"2.44", "29"},
                 3,
                 "G4：重度下降（eGFR 15-29），按肾功能调整用药",
                 "29.493"},
                {{379, 60, 1},
                 {"4.29", "15"},
                 3,
                 "G4：重度下降（eGFR 15-29），按肾功能调整用药",
                 "15.021"},
                {{392, 60, 1},
                 {"4.43", "14"},
                 3,
                 "G5：肾衰竭（eGFR<15），评估肾脏替代治疗，按肾功能调整用药",
                 "14.425"},
                // A creatinine built to land the eGFR on the double 44.5, which
                // shows 44 (a tie rounds to even): G3b, as the number says.
                {{153.31500897378314, 60, 1},
                 {"1.73", "44"},
                 2,
                 "G3b：中重度下降（eGFR 30-44）",
                 "eGFR exactly 44.5 in binary shows 44"},
                {{80, 17, 1}, {"0.90", "--"}, 3, kCheckInputs, "under 18: not for children"},
                {{80, 50, 3}, {"0.90", "--"}, 3, kCheckInputs, "sex neither 1 nor 2"},
            });
}

TEST(FormulaTools, QtcInterval) {
    // At 60 beats a minute RR is 1 s and both corrections give QT itself.
    const char* normal = "QTc 在正常范围";
    const char* prolonged = "QTc 延长（男≥450ms，女≥460ms），评估致 QT 延长的药物与电解质";
    CheckCases(
        64,
        {
            {{480, 64, 1},
             {"0.938", "496", "490"},
             2,
             prolonged,
             "QT 480 ms at 64 beats/min: Bazett 0.480 / sqrt(0.938) = 496 ms (Guyton and Hall, "
             "Textbook of Medical Physiology, 14th ed., as worked by StethoPrep)"},
            {{400, 75, 1}, {"0.800", "447", "431"}, 0, normal, "the defaults: 447.21 and 430.89"},
            {{449, 60, 1}, {"1.000", "449", "449"}, 0, normal, "a man below 450"},
            {{450, 60, 1}, {"1.000", "450", "450"}, 2, prolonged, "a man at 450"},
            {{459, 60, 2}, {"1.000", "459", "459"}, 0, normal, "a woman below 460"},
            {{460, 60, 2}, {"1.000", "460", "460"}, 2, prolonged, "a woman at 460"},
            {{500, 60, 2}, {"1.000", "500", "500"}, 2, prolonged, "500 is not above 500"},
            {{501, 60, 1},
             {"1.000", "501", "501"},
             3,
             "QTc>500ms：尖端扭转型室速高危，停用延长 QT 的药物，查血钾、血镁",
             "above 500"},
            {{390, 60, 1},
             {"1.000", "390", "390"},
             1,
             "QTc≤390ms，QT 间期缩短，结合临床判断",
             "390"},
            {{391, 60, 1}, {"1.000", "391", "391"}, 0, normal, "391"},
            // Ties: 500.5 and 390.5 show 500 and 390 (to even).
            {{500.5, 60, 1}, {"1.000", "500", "500"}, 2, prolonged, "500.5 shows 500"},
            {{390.5, 60, 1},
             {"1.000", "390", "390"},
             1,
             "QTc≤390ms，QT 间期缩短，结合临床判断",
             "390.5 shows 390"},
            {{400, 60, 0.5}, {"1.000", "--", "--"}, 3, kCheckInputs, "sex neither 1 nor 2"},
        });
}

TEST(FormulaTools, MeldScore) {
    // Bilirubin and creatinine in umol/L: 17.1 and 88.4 per mg/dL.
    CheckCases(
        65,
        {
            {{71.82, 1.2, 167.96, 0},
             {"20"},
             2,
             "MELD 20-29：3 个月死亡率约 19.6%",
             "creatinine 1.9, bilirubin 4.2 mg/dL, INR 1.2: 2.039 x 10 = 20 (Medscape, Wolf DC, "
             "Cirrhosis)"},
            {{71.82, 1.1, 167.96, 0},
             {"19"},
             1,
             "MELD 10-19：3 个月死亡率约 6.0%",
             "the same with INR 1.1: 19.06"},
            {{10, 0.9, 50, 0},
             {"6"},
             0,
             "MELD≤9：3 个月死亡率约 1.9%",
             "every value below 1 counts as 1: 6.43"},
            {{38, 1, 88.4, 0}, {"9"}, 0, "MELD≤9：3 个月死亡率约 1.9%", "9.448"},
            {{40, 1, 88.4, 0}, {"10"}, 1, "MELD 10-19：3 个月死亡率约 6.0%", "9.642 rounds to 10"},
            {{100, 2.3, 176.8, 0}, {"29"}, 2, "MELD 20-29：3 个月死亡率约 19.6%", "29.068"},
            {{100, 2.4, 176.8, 0},
             {"30"},
             3,
             "MELD≥30：3 个月死亡率约 52.6%-71.3%",
             "29.544 rounds to 30"},
            {{17.1, 1, 442, 0},
             {"20"},
             2,
             "MELD 20-29：3 个月死亡率约 19.6%",
             "creatinine 5 mg/dL counts as 4: 19.697"},
            {{17.1, 1, 50, 1},
             {"20"},
             2,
             "MELD 20-29：3 个月死亡率约 19.6%",
             "dialysis twice a week: creatinine counts as 4"},
            {{1000, 10, 1000, 0},
             {"40"},
             3,
             "MELD≥30：3 个月死亡率约 52.6%-71.3%",
             "60.87 capped at 40"},
            {{20, 1.1, 80, 2}, {"--"}, 3, kCheckInputs, "dialysis neither 0 nor 1"},
        });
}

TEST(FormulaTools, GlasgowComaScale) {
    // Teasdale and Jennett's three scales summed; the severity classes.
    CheckCases(66,
               {
                   {{4, 5, 6}, {"15"}, 0, "GCS 15：轻型，意识清楚", "best response on each scale"},
                   {{4, 5, 5}, {"14"}, 1, "GCS 13-14：轻型", "14"},
                   {{3, 4, 6}, {"13"}, 1, "GCS 13-14：轻型", "13"},
                   {{3, 4, 5}, {"12"}, 2, "GCS 9-12：中型", "12"},
                   {{2, 2, 5}, {"9"}, 2, "GCS 9-12：中型", "9"},
                   {{2, 2, 4}, {"8"}, 3, "GCS 3-8：重型，昏迷，注意保护气道", "8"},
                   {{1, 1, 1}, {"3"}, 3, "GCS 3-8：重型，昏迷，注意保护气道", "the least"},
                   {{5, 5, 6}, {"--"}, 3, kCheckInputs, "eye opening above 4"},
                   {{4, 6, 6}, {"--"}, 3, kCheckInputs, "verbal above 5"},
                   {{4, 5, 7}, {"--"}, 3, kCheckInputs, "motor above 6"},
                   {{3.5, 5, 6}, {"--"}, 3, kCheckInputs, "not a whole number"},
               });
}

// The infusion family: each drug's worked example, from its label's dosing
// table or preparation where the label gives one, else a hand calculation
// shown in the row (the expected texts are exact values shown to the tool's
// digits); then each kind of limit crossed, in each use. Inputs in the
// tool's order: the use where the label doses several, dose, weight when
// dosed per kg, preparation (9 for "自定义"), the amount and volume typed for
// it, and a loading dose the label gives as a range. Outputs: concentration,
// pump rate, amount per hour, the dose of 1 ml/h, the loading dose, the
// amount of 24 hours where the label limits it, how long the preparation
// lasts (whole minutes, rounded down), when the label's total is reached,
// and the loading dose's volume and pump rate.
TEST(FormulaTools, InfusionWorkedExamples) {
    const std::vector<std::pair<int, FormulaCase>> cases = {
        {70,
         {{2, 60, 9, 400, 250},
          {"1600", "4.50", "7.20", "0.444", "55 小时 33 分"},
          0,
          "在常用剂量范围 1-20 μg/kg/min 内",
          "dopamine label's dilution, 400 mg in 250 ml: 2 μg/kg/min at 60 kg is 4.5 ml/h"}},
        {70,
         {{20, 60, 1, 0, 0},
          {"4000", "18.00", "72.0", "1.11", "2 小时 46 分"},
          0,
          "在常用剂量范围 1-20 μg/kg/min 内",
          "the usual top: 20 μg/kg/min at 60 kg and 4 mg/ml is 18 ml/h"}},
        {70,
         {{45, 60, 1, 0, 0},
          {"4000", "40.50", "162", "1.11", "1 小时 14 分"},
          2,
          "高于常用剂量上限 20 μg/kg/min，软限制，请核对医嘱",
          "45 μg/kg/min is above the usual 20, below the label's 50: soft"}},
        {70,
         {{50.5, 60, 9, 400, 250},
          {"1600", "113.62", "182", "0.444", "2 小时 12 分"},
          3,
          "超过说明书最大剂量 50 μg/kg/min，硬限制，立即核对医嘱",
          "above the label's 50: 113.625 ml/h shows 113.62, a tie to even"}},
        {70,
         {{50, 500, 9, 1, 1000},
          {"1.00", "1500000.00", "1500", "0.0000333", "不足 1 分钟"},
          3,
          "泵速高于 1200 ml/h，超出输液泵可设范围，请提高浓度",
          "the label's 50 at 500 kg and 1 μg/ml: 1.5 million ml/h, which no pump runs"}},
        {71,
         {{5, 70, 9, 250, 250},
          {"1000", "21.00", "21.0", "0.238", "11 小时 54 分"},
          0,
          "在常用剂量范围 2.5-10 μg/kg/min 内",
          "dobutamine at 1000 μg/ml: 5 μg/kg/min for 70 kg is 21 ml/h"}},
        {71,
         {{20, 70, 9, 250, 250},
          {"1000", "84.00", "84.0", "0.238", "2 小时 58 分"},
          2,
          "高于常用剂量上限 10 μg/kg/min，软限制，请核对医嘱",
          "the label's occasional doses above 15: soft, and no maximum"}},
        {72,
         {{0.05, 70, 9, 1, 1000},
          {"1.00", "210.00", "0.210", "0.000238", "4 小时 45 分"},
          0,
          "在常用剂量范围 0.05-0.5 μg/kg/min 内",
          "epinephrine label's dilution, 1 mg in 1000 ml: 3.5 μg/min is 210 ml/h"}},
        {72,
         {{1.9, 70, 1, 0, 0},
          {"80.0", "99.75", "7.98", "0.0190", "0 小时 30 分"},
          2,
          "高于常用剂量上限 0.5 μg/kg/min，软限制，请核对医嘱",
          "1.9 μg/kg/min is above the guideline's 0.5, below the label's 2"}},
        {72,
         {{2.5, 70, 1, 0, 0},
          {"80.0", "131.25", "10.5", "0.0190", "0 小时 22 分"},
          3,
          "超过说明书最大剂量 2 μg/kg/min，硬限制，立即核对医嘱",
          "above the label's range"}},
        {73,
         {{0.03, 9, 10, 100},
          {"0.100", "18.00", "1.80", "0.00167", "5 小时 33 分"},
          0,
          "在常用剂量范围 0.01-0.03 U/min 内",
          "vasopressin at 0.1 U/ml: 0.03 U/min is 0.3 ml/min"}},
        {73,
         {{0.05, 9, 10, 100},
          {"0.100", "30.00", "3.00", "0.00167", "3 小时 20 分"},
          2,
          "高于常用剂量上限 0.03 U/min，软限制，请核对医嘱",
          "more than 0.03 U/min is salvage therapy: soft"}},
        {73,
         {{0.08, 9, 10, 100},
          {"0.100", "48.00", "4.80", "0.00167", "2 小时 5 分"},
          3,
          "超过说明书最大剂量 0.07 U/min，硬限制，立即核对医嘱",
          "above the label's 0.07"}},
        {73,
         {{0.005, 9, 10, 100},
          {"0.100", "3.00", "0.300", "0.00167", "33 小时 20 分"},
          1,
          "低于常用剂量下限 0.01 U/min，软限制，请核对医嘱",
          "half the starting dose"}},
        {74,
         {{100, 1, 0, 0},
          {"20.0", "300.00", "6.00", "0.333", "1 小时 40 分"},
          0,
          "在常用剂量范围 40-180 μg/min 内",
          "phenylephrine label's 10 mg in 500 ml: the shock regimen's 100 μg/min is 5 ml/min"}},
        {74,
         {{30, 1, 0, 0},
          {"20.0", "90.00", "1.80", "0.333", "5 小时 33 分"},
          1,
          "低于常用剂量下限 40 μg/min，软限制，请核对医嘱",
          "below the label's maintenance 40-60"}},
        {75,
         {{10, 1, 0, 0},
          {"100", "6.00", "0.600", "1.67", "8 小时 20 分"},
          0,
          "在常用剂量范围 10-200 μg/min 内",
          "nitroglycerin at 100 μg/ml: 10 μg/min is 0.1 ml/min"}},
        {75,
         {{250, 1, 0, 0},
          {"100", "150.00", "15.0", "1.67", "0 小时 20 分"},
          2,
          "高于常用剂量上限 200 μg/min，软限制，请核对医嘱",
          "above 200, which the guideline gives as 'up to': soft"}},
        {76,
         {{0.5, 80, 2, 0, 0},
          {"1000", "2.40", "2.40", "0.208", "20 小时 50 分", "116 小时 40 分"},
          2,
          "高于说明书稀释浓度 200 μg/ml，软限制，请经中心静脉输注",
          "nitroprusside at 1 mg/ml (50 mg in 50 ml, a central line's): 0.5 μg/kg/min at 80 kg is "
          "2.4 ml/h, above the label's dilution"}},
        {76,
         {{5, 80, 2, 0, 0},
          {"1000", "24.00", "24.0", "0.208", "2 小时 5 分", "11 小时 40 分"},
          2,
          "高于常用剂量上限 3 μg/kg/min，软限制；最大 10 μg/kg/min 最长 10 分钟，请核对医嘱",
          "above the usual 3, below the maximum allowed 10 minutes"}},
        {76,
         {{12, 80, 2, 0, 0},
          {"1000", "57.60", "57.6", "0.208", "0 小时 52 分", "4 小时 51 分"},
          3,
          "超过说明书最大剂量 10 μg/kg/min（最长 10 分钟），硬限制，立即核对医嘱",
          "above the label's 极量 10"}},
        {76,
         {{0.5, 80, 1, 0, 0},
          {"200", "12.00", "2.40", "0.0417", "20 小时 50 分", "116 小时 40 分"},
          0,
          "在常用剂量范围 0.5-3 μg/kg/min 内",
          "the label's 50 mg in 250 ml (200 μg/ml): 12 ml/h, 250 ml last 20 h 50 min"}},
        {76,
         {{10, 80, 1, 0, 0},
          {"200", "240.00", "48.0", "0.0417", "1 小时 2 分", "5 小时 50 分"},
          2,
          "高于常用剂量上限 3 μg/kg/min，软限制；最大 10 μg/kg/min 最长 10 分钟，请核对医嘱",
          "the label's 极量 10 reaches its total 3.5 mg/kg after exactly 350 min; 250 ml last 62.5 "
          "min"}},
        {77,
         {{6, 70, 1, 0, 0},
          {"200", "126.00", "25.2", "0.0476", "0 小时 23 分"},
          0,
          "在常用剂量范围 0.5-6 μg/kg/min 内",
          "nicardipine label's top for emergencies: 6 μg/kg/min at 70 kg, 0.2 mg/ml, is 126 ml/h "
          "(25.2 mg/h)"}},
        {77,
         {{0.5, 70, 2, 0, 0},
          {"100", "21.00", "2.10", "0.0238", "4 小时 45 分"},
          0,
          "在常用剂量范围 0.5-6 μg/kg/min 内",
          "the label's start at 0.1 mg/ml: 21 ml/h"}},
        {77,
         {{12, 70, 1, 0, 0},
          {"200", "252.00", "50.4", "0.0476", "0 小时 11 分"},
          2,
          "高于常用剂量上限 6 μg/kg/min，软限制，请核对医嘱",
          "the surgical range reaches 10; above 6 is soft, the label gives no maximum"}},
        {77,
         {{2, 70, 9, 50, 50},
          {"1000", "8.40", "8.40", "0.238", "5 小时 57 分"},
          2,
          "高于说明书稀释浓度 200 μg/ml，软限制，请经中心静脉输注",
          "1 mg/ml is above the label's 0.2 mg/ml"}},
        {78,
         {{0.1, 70, 9, 2500, 250},
          {"10.0", "42.00", "420", "0.00238", "5 小时 57 分"},
          0,
          "在常用剂量范围 0.05-0.2 mg/kg/min 内",
          "esmolol at 10 mg/ml: ml/h = kg x mg/kg/min x 6"}},
        {78,
         {{0.25, 70, 9, 2500, 250},
          {"10.0", "105.00", "1050", "0.00238", "2 小时 22 分"},
          2,
          "高于常用剂量上限 0.2 mg/kg/min，软限制，请核对医嘱",
          "above 0.2 the label sees no further benefit: soft"}},
        {78,
         {{0.35, 70, 9, 2500, 250},
          {"10.0", "147.00", "1470", "0.00238", "1 小时 42 分"},
          3,
          "超过说明书最大剂量 0.3 mg/kg/min，硬限制，立即核对医嘱",
          "above the label's 0.3"}},
        {79,
         {{0.5, 70, 1, 0, 0},
          {"200", "10.50", "2.10", "0.0476", "3500", "0.770", "4 小时 45 分", "17.5", "105.00"},
          0,
          "在常用剂量范围 0.25-1.0 μg/kg/min 内",
          "milrinone at 200 μg/ml: 0.5 μg/kg/min is 0.15 ml/kg/h; the label's load 50 μg/kg over "
          "10 min"}},
        {79,
         {{0.75, 70, 1, 0, 0},
          {"200", "15.75", "3.15", "0.0476", "3500", "1.13", "3 小时 10 分", "17.5", "105.00"},
          0,
          "在常用剂量范围 0.25-1.0 μg/kg/min 内",
          "0.75 μg/kg/min all day with the load is 1.08 + 0.05 = 1.13 mg/kg, the label's daily "
          "most"}},
        {79,
         {{0.753, 70, 1, 0, 0},
          {"200", "15.81", "3.16", "0.0476", "3500", "1.13", "3 小时 9 分", "17.5", "105.00"},
          0,
          "在常用剂量范围 0.25-1.0 μg/kg/min 内",
          "1.13432 mg/kg shows 1.13: not above"}},
        {79,
         {{0.754, 70, 1, 0, 0},
          {"200", "15.83", "3.17", "0.0476", "3500", "1.14", "3 小时 9 分", "17.5", "105.00"},
          3,
          "持续 24 小时（含负荷量）将超过说明书每日最大量 1.13 mg/kg，硬限制，请核对医嘱",
          "1.13576 mg/kg shows 1.14: above the daily most, hard"}},
        {79,
         {{0.8, 70, 1, 0, 0},
          {"200", "16.80", "3.36", "0.0476", "3500", "1.20", "2 小时 58 分", "17.5", "105.00"},
          3,
          "持续 24 小时（含负荷量）将超过说明书每日最大量 1.13 mg/kg，硬限制，请核对医嘱",
          "0.8 μg/kg/min all day is 1.152 mg/kg, 1.202 with the load: hard"}},
        {80,
         {{0.5, 60, 1, 0, 0},
          {"4.00", "7.50", "30.0", "0.0667", "60.0", "6 小时 40 分", "15.0", "90.00"},
          1,
          "在常用剂量范围 0.2-0.7 μg/kg/h 内；持续输注不超过 24 小时",
          "dexmedetomidine at 4 μg/ml: 0.5 μg/kg/h for 60 kg is 7.5 ml/h, for 24 hours at most"}},
        {80,
         {{0.2, 0.3, 9, 200, 2},
          {"100", "0.00060", "0.0600", "333", "0.300", "3333 小时 20 分", "0.00300", "0.018"},
          3,
          "泵速低于 0.1 ml/h，注射泵无法准确输注，请降低浓度（加大稀释量）",
          "0.2 μg/kg/h for 0.3 kg at 100 μg/ml is 0.0006 ml/h: no pump runs it"}},
        {80,
         {{1, 60, 1, 0, 0},
          {"4.00", "15.00", "60.0", "0.0667", "60.0", "3 小时 20 分", "15.0", "90.00"},
          2,
          "高于常用剂量上限 0.7 μg/kg/h，软限制，请核对医嘱",
          "above the US range, within the EU maximum 1.4"}},
        {81,
         {{2, 70, 1, 0, 0},
          {"10.0", "14.00", "140", "0.143", "3 小时 34 分"},
          0,
          "在常用剂量范围 0.3-4 mg/kg/h 内",
          "propofol 1% undiluted: 2 mg/kg/h for 70 kg is 140 mg/h, 14 ml/h"}},
        {82,
         {{2, 9, 1, 0, 0},
          {"2.00", "4.50", "9.00", "2.00", "11 小时 6 分"},
          0,
          "乌拉地尔 维持：不高于说明书剂量 9 mg/h",
          "urapidil label's pump: 100 mg in 50 ml at the maintenance 9 mg/h is 4.5 ml/h; 50 ml "
          "last 11 h 6.7 min"}},
        {82,
         {{2, 100, 1, 0, 0},
          {"2.00", "50.00", "100", "2.00", "1 小时 0 分"},
          2,
          "乌拉地尔 维持：高于说明书剂量 9 mg/h，软限制，请核对医嘱",
          "100 mg/h left as maintenance is above the label's 9 mg/h"}},
        {82,
         {{2, 6, 1, 0, 0},
          {"2.00", "3.00", "6.00", "2.00", "16 小时 40 分"},
          0,
          "乌拉地尔 维持：不高于说明书剂量 9 mg/h",
          "below the label's one maintenance rate: not short of it"}},
        {82,
         {{1, 120, 1, 0, 0},
          {"2.00", "60.00", "120", "2.00", "0 小时 50 分"},
          1,
          "乌拉地尔 初始：不高于说明书剂量 120 mg/h；血压下降后改为维持剂量",
          "the label's starting 2 mg/min is 60 ml/h, for the start only"}},
        {82,
         {{1, 121, 1, 0, 0},
          {"2.00", "60.50", "121", "2.00", "0 小时 49 分"},
          2,
          "乌拉地尔 初始：高于说明书剂量 120 mg/h，软限制，请核对医嘱",
          "above the starting rate"}},
        {82,
         {{2, 9, 9, 250, 50},
          {"5.00", "1.80", "9.00", "5.00", "27 小时 46 分"},
          3,
          "浓度超过说明书最大浓度 4 mg/ml，硬限制，请加大稀释量",
          "5 mg/ml is above the label's 4 mg/ml"}},
        {83,
         {{1, 1, 9, 100, 50},
          {"2.00", "30.00", "60.0", "0.0333", "150", "1440", "1 小时 40 分", "75.0", "450.00"},
          1,
          "胺碘酮 前 6 小时：符合说明书剂量 1 mg/min；仅限前 6 小时，之后 0.5 mg/min 维持",
          "amiodarone at 2 mg/ml: 1 mg/min is 30 ml/h; the load 150 mg is 75 ml, 450 ml/h over 10 "
          "min"}},
        {83,
         {{1, 1, 1, 0, 0},
          {"1.20", "50.00", "60.0", "0.0200", "150", "1440", "5 小时 0 分", "125", "750.00"},
          1,
          "胺碘酮 前 6 小时：符合说明书剂量 1 mg/min；仅限前 6 小时，之后 0.5 mg/min 维持",
          "the label's dilution, 300 mg in 250 ml: 50 ml/h; the load 125 ml at 750 ml/h"}},
        {83,
         {{1, 1, 9, 75, 100},
          {"0.750", "80.00", "60.0", "0.0125", "150", "1440", "1 小时 15 分", "200", "1200.00"},
          1,
          "胺碘酮 前 6 小时：符合说明书剂量 1 mg/min；仅限前 6 小时，之后 0.5 mg/min 维持",
          "at 0.75 mg/ml the load of 200 ml over 10 min is 1200 ml/h, the pump's top"}},
        {83,
         {{1, 1, 9, 74.9, 100},
          {"0.749", "80.11", "60.0", "0.0125", "150", "1440", "1 小时 14 分", "200", "1201.60"},
          3,
          "胺碘酮 前 6 小时：负荷泵速高于 1200 ml/h，超出输液泵范围，请提高浓度",
          "a little more dilute: 1201.6 ml/h, no pump gives the load"}},
        {83,
         {{1, 1, 2, 0, 0},
          {"6.00", "10.00", "60.0", "0.100", "150", "1440", "5 小时 0 分", "25.0", "150.00"},
          2,
          "高于说明书稀释浓度 2 mg/ml，软限制，请经中心静脉输注",
          "300 mg in 50 ml (6 mg/ml) is for a central line"}},
        {83,
         {{1, 1.5, 1, 0, 0},
          {"1.20", "75.00", "90.0", "0.0200", "150", "2160", "3 小时 20 分", "125", "750.00"},
          2,
          "胺碘酮 前 6 小时：持续 24 小时将超过说明书警示的每日 2100 mg，软限制，请核对输注时长",
          "1.5 mg/min all day is 2160 mg, above the 2100 mg the label warns of"}},
        {83,
         {{2, 0.5, 1, 0, 0},
          {"1.20", "25.00", "30.0", "0.0200", "720", "10 小时 0 分"},
          0,
          "胺碘酮 维持：符合说明书剂量 0.5 mg/min",
          "then 0.5 mg/min, 25 ml/h"}},
        {83,
         {{2, 1, 1, 0, 0},
          {"1.20", "50.00", "60.0", "0.0200", "1440", "5 小时 0 分"},
          2,
          "胺碘酮 维持：高于说明书剂量 0.5 mg/min，软限制，请核对医嘱",
          "1 mg/min as maintenance is above the label's 0.5"}},
        {84,
         {{2, 1, 0, 0, 50},
          {"10.0", "12.00", "120", "0.167", "4 小时 10 分", "5.00"},
          0,
          "在常用剂量范围 1-4 mg/min 内",
          "lidocaine at 10 mg/ml: 2 mg/min is 12 ml/h"}},
        {84,
         {{5, 1, 0, 0, 50},
          {"10.0", "30.00", "300", "0.167", "1 小时 40 分", "5.00"},
          3,
          "超过说明书最大剂量 4 mg/min，硬限制，立即核对医嘱",
          "above the label's largest maintenance, 4 mg/min"}},
        {85,
         {{1, 5, 70, 1, 0, 0},
          {"1000", "21.00", "21.0", "0.238", "2 小时 22 分"},
          0,
          "地尔硫卓 高血压急症：在常用剂量范围 5-15 μg/kg/min 内",
          "diltiazem at 1 mg/ml: 5 μg/kg/min at 70 kg is 21 ml/h"}},
        {85,
         {{1, 20, 70, 1, 0, 0},
          {"1000", "84.00", "84.0", "0.238", "0 小时 35 分"},
          2,
          "地尔硫卓 高血压急症：高于常用剂量上限 15 μg/kg/min，软限制，请核对医嘱",
          "above the label's 15 for hypertensive emergencies"}},
        {85,
         {{2, 5, 70, 1, 0, 0},
          {"1000", "21.00", "21.0", "0.238", "2 小时 22 分"},
          0,
          "地尔硫卓 不稳定型心绞痛：在常用剂量范围 1-5 μg/kg/min 内",
          "unstable angina at the label's most"}},
        {85,
         {{2, 10, 70, 1, 0, 0},
          {"1000", "42.00", "42.0", "0.238", "1 小时 11 分"},
          3,
          "地尔硫卓 不稳定型心绞痛：超过说明书最大剂量 5 μg/kg/min，硬限制，立即核对医嘱",
          "10 μg/kg/min for unstable angina is above the label's most 5"}},
        {86,
         {{2, 1, 1, 0, 0},
          {"20.0", "3.00", "0.0600", "0.333", "16 小时 40 分"},
          0,
          "异丙肾上腺素 抗休克：在常用剂量范围 0.5-2 μg/min 内",
          "isoprenaline 1 mg in 50 ml: 1 μg/min for shock is 3 ml/h"}},
        {86,
         {{2, 3, 1, 0, 0},
          {"20.0", "9.00", "0.180", "0.333", "5 小时 33 分"},
          2,
          "异丙肾上腺素 抗休克：高于常用剂量上限 2 μg/min，软限制，请核对医嘱",
          "above the label's 2 μg/min for shock"}},
        {86,
         {{1, 5, 2, 0, 0},
          {"4.00", "75.00", "0.300", "0.0667", "3 小时 20 分"},
          0,
          "异丙肾上腺素 心脏传导阻滞：不高于说明书剂量 5 μg/min",
          "heart block: the US label's 5 μg/min at 4 μg/ml is 75 ml/h"}},
        {86,
         {{1, 6, 2, 0, 0},
          {"4.00", "90.00", "0.360", "0.0667", "2 小时 46 分"},
          2,
          "异丙肾上腺素 心脏传导阻滞：高于说明书剂量 5 μg/min，软限制，请核对医嘱",
          "above the starting rate the US label gives"}},
        {87,
         {{1, 250, 1, 0, 0},
          {"60.0", "4.17", "0.250", "60.0", "250", "12 小时 0 分", "4.17"},
          0,
          "生长抑素 上消化道大出血：符合说明书剂量 250 μg/h",
          "somatostatin 3 mg in 50 ml: 250 μg/h is 4.17 ml/h; the load 250 μg is 4.17 ml"}},
        {87,
         {{1, 200, 1, 0, 0},
          {"60.0", "3.33", "0.200", "60.0", "250", "15 小时 0 分", "4.17"},
          1,
          "生长抑素 上消化道大出血：低于说明书剂量 250 μg/h，软限制，请核对医嘱",
          "below the label's 250 μg/h for bleeding"}},
        {87,
         {{2, 300, 1, 0, 0},
          {"60.0", "5.00", "0.300", "60.0", "10 小时 0 分"},
          2,
          "生长抑素 胰瘘、胆瘘、肠瘘：高于说明书剂量 250 μg/h，软限制，请核对医嘱",
          "above the label's 250 μg/h for fistulas"}},
        {87,
         {{3, 99.4, 9, 1, 1},
          {"1000", "0.099", "0.0994", "1000", "10 小时 3 分"},
          3,
          "泵速低于 0.1 ml/h，注射泵无法准确输注，请降低浓度（加大稀释量）",
          "at 1000 μg/ml, 99.4 μg/h is 0.0994 ml/h, shown 0.099: below what a syringe pump sets"}},
        {87,
         {{3, 99.96, 9, 1, 1},
          {"1000", "0.10", "0.1000", "1000", "10 小时 0 分"},
          1,
          "生长抑素 糖尿病酮症酸中毒：低于常用剂量下限 100 μg/h，软限制，请核对医嘱",
          "0.09996 ml/h shows 0.10: the verdict reads the rate as shown"}},
        {87,
         {{3, 100, 9, 1, 1},
          {"1000", "0.10", "0.100", "1000", "10 小时 0 分"},
          0,
          "生长抑素 糖尿病酮症酸中毒：在常用剂量范围 100-500 μg/h 内",
          "0.1 ml/h, the smallest a syringe pump sets"}},
        {87,
         {{3, 1200, 9, 0.25, 250},
          {"1.00", "1200.00", "1.20", "1.00", "0 小时 12 分"},
          2,
          "生长抑素 糖尿病酮症酸中毒：高于常用剂量上限 500 μg/h，软限制，请核对医嘱",
          "at 1 μg/ml, 1200 μg/h is 1200 ml/h, the top of a pump's range"}},
        {87,
         {{3, 1200.01, 9, 0.25, 250},
          {"1.00", "1200.01", "1.20", "1.00", "0 小时 12 分"},
          3,
          "泵速高于 1200 ml/h，超出输液泵可设范围，请提高浓度",
          "just above it"}},
        {88,
         {{25, 1, 0, 0},
          {"12.0", "2.08", "0.0250", "12.0", "24 小时 0 分"},
          1,
          "在常用剂量范围 25-50 μg/h 内；连续使用最多 5 天",
          "octreotide 0.6 mg in 50 ml: 25 μg/h is 2.08 ml/h"}},
        {88,
         {{60, 1, 0, 0},
          {"12.0", "5.00", "0.0600", "12.0", "10 小时 0 分"},
          2,
          "高于常用剂量上限 50 μg/h，软限制，请核对医嘱",
          "above the guideline's 50 μg/h"}},
        {89,
         {{0.05, 70, 1, 0, 0},
          {"1.00", "3.50", "3.50", "0.0143", "14 小时 17 分"},
          0,
          "在常用剂量范围 0.02-0.1 mg/kg/h 内",
          "midazolam at 1 mg/ml: 0.05 mg/kg/h at 70 kg is 3.5 ml/h"}},
        {90,
         {{1, 70, 1, 0, 0},
          {"10.0", "7.00", "70.0", "0.143", "7 小时 8 分"},
          0,
          "在常用剂量范围 0.7-10 μg/kg/h 内",
          "fentanyl at 10 μg/ml: 1 μg/kg/h at 70 kg is 7 ml/h"}},
        {91,
         {{0.1, 70, 1, 0, 0},
          {"25.0", "16.80", "0.420", "0.00595", "29 小时 45 分"},
          0,
          "在常用剂量范围 0.05-0.2 μg/kg/min 内",
          "levosimendan 12.5 mg in 500 ml (0.025 mg/ml): 0.1 μg/kg/min at 70 kg is 16.8 ml/h"}},
        {92,
         {{0.2, 1, 0, 0},
          {"0.200", "60.00", "12.0", "0.00333", "8 小时 20 分"},
          0,
          "低于说明书极量 0.3 mg/min（说明书未给常用剂量）",
          "metaraminol 100 mg in 500 ml: 0.2 mg/min is 60 ml/h, below the label's ceiling"}},
        {92,
         {{0.3, 1, 0, 0},
          {"0.200", "90.00", "18.0", "0.00333", "5 小时 33 分"},
          2,
          "达到说明书极量 0.3-0.4 mg/min，软限制，请核对医嘱",
          "the label's ceiling 0.3-0.4 mg/min begins: soft"}},
        {92,
         {{0.4, 1, 0, 0},
          {"0.200", "120.00", "24.0", "0.00333", "4 小时 10 分"},
          2,
          "达到说明书极量 0.3-0.4 mg/min，软限制，请核对医嘱",
          "its end"}},
        {92,
         {{0.41, 1, 0, 0},
          {"0.200", "123.00", "24.6", "0.00333", "4 小时 3 分"},
          3,
          "超过说明书最大剂量 0.4 mg/min，硬限制，立即核对医嘱",
          "above the ceiling: hard"}},
        {92,
         {{0.2, 2, 0, 0},
          {"1.00", "12.00", "12.0", "0.0167", "4 小时 10 分"},
          2,
          "高于说明书稀释浓度 0.2 mg/ml，软限制，请经中心静脉输注",
          "50 mg in 50 ml is for a central line"}},
        {84,
         {{1, 1, 0, 0, 100},
          {"10.0", "6.00", "60.0", "0.167", "8 小时 20 分", "10.0"},
          0,
          "在常用剂量范围 1-4 mg/min 内",
          "lidocaine: the label's load up to 100 mg is 10 ml of 10 mg/ml, pushed over 2-3 min"}},
    };
    for (const auto& [id, c] : cases) {
        CheckCases(id, {c});
    }
}

// The verdict each formula tool's sources give for its outputs as shown (and
// the inputs it reads), as the start of the verdict text: written from the
// publications' thresholds, not from the tools' rules; an infusion's from
// its drug's limits as the source writes them, on the dose as typed, and
// the pump's range on the rate as shown. Empty for a tool none is written
// for.
// An infusion's verdict from its use's limits as the source writes them, on
// the dose as typed, the amounts and rates as shown, in the order a pump's
// library checks them: hard limits, the pump, then soft limits.
std::string InfusionVerdictFromShown(const InfusionDrug& drug, const std::string& report,
                                     const double* inputs) {
    const ToolDef& tool = *FindSuiteTool(drug.texts.id);
    const auto input = [&](const std::string& key) {
        for (int i = 0; i < tool.inputCount; ++i) {
            if (key == tool.inputs[i].key) {
                return inputs[i];
            }
        }
        return 1.0;
    };
    const auto shown = [&](const std::string& key) {
        for (int i = 0; i < tool.outputCount; ++i) {
            const std::string label = LineStart(tool, i);
            const std::size_t at = AfterLineBreak(report).find(label);
            if (key == tool.outputs[i].key && at != std::string::npos) {
                return std::strtod(report.c_str() + at + label.size() - 1, nullptr);
            }
        }
        return std::nan("");
    };
    const bool several = drug.uses[1].usualHighest != nullptr;
    const InfusionUse& use = drug.uses[static_cast<std::size_t>(input("use")) - 1];
    const std::string prefix = several
                                   ? Utf8Of(tool.title).substr(0, Utf8Of(tool.title).find("配置")) +
                                         " " + Utf8Of(use.name) + "："
                                   : "";
    const double dose = input("dose");
    const auto above = [](const char* limit, double value) {
        return limit != nullptr && value > std::stod(limit);
    };
    const bool labelRate =
        !use.ceiling && (use.usualLowest == nullptr ||
                         std::string(use.usualLowest) == std::string(use.usualHighest));
    if (above(use.maximum, dose))
        return prefix + "超过说明书最大剂量";
    if (above(drug.maximumConcentration, shown("conc")))
        return "浓度超过说明书最大浓度";
    if (use.dailyIsHard && above(use.dailyMaximum, shown("per_day")))
        return prefix + "持续 24 小时";
    if (shown("rate") < 0.1)
        return "泵速低于 0.1 ml/h";
    if (shown("rate") > 1200)
        return "泵速高于 1200 ml/h";
    if (shown("load_rate") < 0.1)
        return prefix + "负荷泵速低于";
    if (shown("load_rate") > 1200)
        return prefix + "负荷泵速高于";
    if (!use.dailyIsHard && above(use.dailyMaximum, shown("per_day")))
        return prefix + "持续 24 小时";
    if (use.ceiling && dose >= std::stod(use.usualHighest))
        return prefix + "达到说明书极量";
    if (!use.ceiling && above(use.usualHighest, dose) &&
        !(use.maximum != nullptr && std::string(use.maximum) == use.usualHighest)) {
        return prefix + (labelRate ? "高于说明书剂量" : "高于常用剂量上限");
    }
    if (above(drug.dilutionHighest, shown("conc")))
        return "高于说明书稀释浓度";
    if (use.usualLowest != nullptr && dose < std::stod(use.usualLowest)) {
        return prefix + (labelRate ? "低于说明书剂量" : "低于常用剂量下限");
    }
    return prefix + (use.ceiling       ? "低于说明书极量"
                     : !labelRate      ? "在常用剂量范围"
                     : use.usualLowest ? "符合说明书剂量"
                                       : "不高于说明书剂量");
}

std::string VerdictFromShown(int id, const std::vector<double>& shown, const double* inputs,
                             const std::string& report) {
    for (const double value : shown) {
        if (std::isnan(value)) {
            return kCheckInputs;
        }
    }
    for (const InfusionDrug* drug : InfusionLibrary()) {
        if (drug->texts.id == id) {
            return InfusionVerdictFromShown(*drug, report, inputs);
        }
    }
    switch (id) {
        case 48:
            return inputs[0] > 1 ? "剂量超过" : "泵速计算完成";
        case 49:
            return shown[1] > 1 ? "剂量超过" : shown[1] < 0.05 ? "剂量低于" : "剂量在常用范围";
        case 62:
            return shown[0] < 18.5  ? "体重过低"
                   : shown[0] >= 28 ? "肥胖"
                   : shown[0] >= 24 ? "超重"
                                    : "体重正常";
        case 63: {
            const double egfr = shown[1];
            return egfr < 15   ? "G5"
                   : egfr < 30 ? "G4"
                   : egfr < 45 ? "G3b"
                   : egfr < 60 ? "G3a"
                   : egfr < 90 ? "G2"
                               : "G1";
        }
        case 64: {
            const double qtc = shown[1];
            return qtc > 500                             ? "QTc>500ms"
                   : qtc >= (inputs[2] == 2 ? 460 : 450) ? "QTc 延长"
                   : qtc <= 390                          ? "QTc≤390ms"
                                                         : "QTc 在正常范围";
        }
        case 65:
            return shown[0] >= 30   ? "MELD≥30"
                   : shown[0] >= 20 ? "MELD 20-29"
                   : shown[0] >= 10 ? "MELD 10-19"
                                    : "MELD≤9";
        case 66:
            return shown[0] <= 8    ? "GCS 3-8"
                   : shown[0] <= 12 ? "GCS 9-12"
                   : shown[0] <= 14 ? "GCS 13-14"
                                    : "GCS 15";
        case 121:
            return shown[0] <= 9    ? "Braden ≤9"
                   : shown[0] <= 12 ? "Braden 10-12"
                   : shown[0] <= 14 ? "Braden 13-14"
                   : shown[0] <= 18 ? "Braden 15-18"
                                    : "Braden ≥19";
        case 122:
            return shown[0] > 45 ? "Morse >45" : shown[0] >= 25 ? "Morse 25-45" : "Morse <25";
        case 123:
            return shown[0] <= 40   ? "Barthel ≤40"
                   : shown[0] <= 60 ? "Barthel 41-60"
                   : shown[0] <= 99 ? "Barthel 61-99"
                                    : "Barthel 100";
        case 124:
            return inputs[0] + inputs[1] + inputs[2] + inputs[3] == 0 ? "初筛均为否"
                   : shown[2] >= 3                                    ? "NRS 2002 ≥3"
                                                                      : "NRS 2002 <3";
        case 125:
            return shown[0] >= 5   ? "Caprini ≥5"
                   : shown[0] >= 3 ? "Caprini 3-4"
                   : shown[0] >= 1 ? "Caprini 1-2"
                                   : "Caprini 0";
        case 126:
            return shown[0] >= 4 ? "Padua ≥4" : "Padua <4";
        case 127: {
            const double total = shown[7];
            return total >= 7      ? "NEWS2 ≥7"
                   : total >= 5    ? "NEWS2 5-6"
                   : shown[8] >= 3 ? "单项 3 分"
                   : total >= 1    ? "NEWS2 1-4"
                                   : "NEWS2 0";
        }
        case 128:
            return shown[5] >= 5 ? "MEWS ≥5" : "MEWS <5";
        case 129:
            return shown[0] >= 3    ? "RASS +3"
                   : shown[0] == 2  ? "RASS +2"
                   : shown[0] <= -5 ? "RASS -5"
                   : shown[0] == -4 ? "RASS -4"
                   : shown[0] == -3 ? "RASS -3"
                                    : "RASS -2 至 +1";
        case 130:
            return shown[0] >= 3 ? "CPOT ≥3" : "CPOT 0-2";
        case 131:
            return shown[0] >= 7   ? "7-10 分"
                   : shown[0] >= 4 ? "4-6 分"
                   : shown[0] >= 1 ? "1-3 分"
                                   : "0 分";
        case 132: {
            // 40-60 and 20-40 drops a minute on the standard 20-drop set.
            const double gtt = shown[0];
            const double mlPerHour = shown[1];
            const bool adult = inputs[1] == 1;
            return gtt < 1                           ? "滴速不足 1 滴/分"
                   : gtt > 200                       ? "滴速超过 200 滴/分"
                   : mlPerHour > (adult ? 180 : 120) ? (adult ? "高于成人" : "高于儿童")
                   : mlPerHour < (adult ? 120 : 60)  ? (adult ? "低于成人" : "低于儿童")
                                                     : "在常用速度范围内";
        }
        default:
            return "";
    }
}

// Inputs that land an output on a display tie next to each rule threshold
// (the exact value x.x5 or x.5 that the shown text rounds one way or the
// other), from other inputs drawn within their ranges.
std::vector<std::vector<double>> TieInputs(int id, std::mt19937_64& random) {
    auto draw = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    std::vector<std::vector<double>> vectors;
    switch (id) {
        case 49:
            for (double tie : {0.045, 1.005}) {
                const double w = draw(3, 150), drug = draw(1, 20), dil = draw(20, 500);
                vectors.push_back({tie * w * 60 * dil / (drug * 1000), w, drug, dil});
            }
            break;
        case 62:
            for (double tie : {18.45, 23.95, 27.95}) {
                const double h = draw(140, 200);
                vectors.push_back({tie * (h / 100) * (h / 100), h});
            }
            break;
        case 63:
            for (double tie : {14.5, 29.5, 44.5, 59.5, 89.5}) {
                const double age = std::floor(draw(18, 90)), sex = draw(0, 1) < 0.5 ? 1 : 2;
                // The eGFR falls as the creatinine rises: bisect to the tie.
                double low = 10, high = 3000;
                for (int step = 0; step < 200; ++step) {
                    const double middle = (low + high) / 2;
                    std::vector<double> v = {middle, age, sex};
                    const double egfr = EvaluateOutput(*FindSuiteTool(63), 1, v);
                    (egfr > tie ? low : high) = middle;
                }
                vectors.push_back({low, age, sex});
                vectors.push_back({high, age, sex});
            }
            break;
        case 64:
            for (double tie : {500.5, 449.5, 459.5, 390.5}) {
                const double hr = draw(40, 150), sex = tie == 459.5 ? 2 : 1;
                vectors.push_back({tie * std::sqrt(60 / hr), hr, sex});
            }
            break;
        default:
            break;
    }
    return vectors;
}

// Random inputs within each tool's ranges (spread over each range's orders of
// magnitude; a choice at random) and inputs built to land on display ties:
// the verdict is always the one the shown numbers call for.
TEST(FormulaTools, VerdictsReadTheValuesAsShown) {
    std::mt19937_64 random(20261208);
    for (const ToolDef* tool : SuiteTools()) {
        if (!IsFormulaTool(*tool) || tool->id == 61) {
            continue;
        }
        std::vector<std::vector<double>> vectors = TieInputs(tool->id, random);
        for (int i = 0; i < 4000; ++i) {
            std::vector<double> v;
            for (int j = 0; j < tool->inputCount; ++j) {
                const InputField& input = tool->inputs[j];
                if (HasChoices(input)) {
                    v.push_back(input.choices[random() % input.choiceCount].value);
                    continue;
                }
                if (input.form == InputForm::ClockTime) {
                    v.push_back(static_cast<double>(random() % (24 * 60)) / 60);
                    continue;
                }
                // Over the orders of magnitude of a range above 0, evenly
                // over one from 0.
                const InputRange& range = input.range;
                double value = range.lowest > 0
                                   ? std::exp(std::uniform_real_distribution<double>(
                                         std::log(range.lowest), std::log(range.highest))(random))
                                   : std::uniform_real_distribution<double>(range.lowest,
                                                                            range.highest)(random);
                value = std::clamp(value, range.lowest, range.highest);
                if (range.decimals > 0) {
                    value = std::round(value * 10) / 10;
                }
                v.push_back(range.whole ? std::round(value) : value);
            }
            vectors.push_back(v);
        }
        for (const std::vector<double>& v : vectors) {
            double inputs[kMaxInputs] = {};
            std::copy(v.begin(), v.end(), inputs);
            const testing::ReportResult result = testing::ComputeReport(*tool, inputs);
            std::vector<double> shown;
            for (const std::string& text : ShownValues(*tool, result.report)) {
                // "--" was not computed; a clock time ("次日") stands for no
                // number a rule here reads.
                char* end = nullptr;
                const double number = std::strtod(text.c_str(), &end);
                shown.push_back(text == "--" ? std::nan("") : end != text.c_str() ? number : 0);
            }
            const std::string expected = VerdictFromShown(tool->id, shown, inputs, result.report);
            ASSERT_FALSE(expected.empty()) << "no verdict written from the sources of " << tool->id;
            ASSERT_EQ(result.verdict.compare(0, expected.size(), expected), 0)
                << tool->id << ": " << result.report << result.verdict;
        }
    }
}

// Tool 48's rate, shown to two decimals and typed into tool 49, gives back
// the dose to its two decimals, and the same concentration.
TEST(FormulaTools, PumpRateRoundTripsTool48) {
    const ToolDef& forward = ToolDefinition<48>();
    const ToolDef& inverse = ToolDefinition<49>();
    int checked = 0;
    for (double dose : {0.02, 0.05, 0.08, 0.1, 0.15, 0.2, 0.35, 0.5, 0.75, 1.0, 1.2, 2.0}) {
        for (double weight : {40.0, 50.0, 60.0, 72.5, 90.0, 120.0}) {
            for (double drug : {1.0, 2.0, 4.0, 8.0, 16.0}) {
                for (double dilution : {20.0, 50.0, 100.0}) {
                    double inputs[kMaxInputs] = {dose, weight, drug, dilution};
                    const std::vector<std::string> rate =
                        ShownValues(forward, testing::ComputeReport(forward, inputs).report);
                    inputs[0] = std::stod(rate[1]);
                    const std::vector<std::string> back =
                        ShownValues(inverse, testing::ComputeReport(inverse, inputs).report);
                    char16_t expected[32];
                    FormatValue("f2", dose, expected, 32);
                    ASSERT_EQ(back[1], Utf8Of(expected))
                        << dose << " ug/kg/min, " << weight << " kg, " << drug << " mg in "
                        << dilution << " ml: rate " << rate[1];
                    ASSERT_EQ(back[0], rate[0]);
                    ++checked;
                }
            }
        }
    }
    EXPECT_EQ(checked, 12 * 6 * 5 * 3);
}

}  // namespace
}  // namespace kelomed
