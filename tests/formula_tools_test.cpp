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

// The value text of each report line "label：value unit".
std::vector<std::string> ShownValues(const ToolDef& tool, const std::string& report) {
    std::vector<std::string> values;
    std::size_t at = 0;
    for (int i = 0; i < tool.outputCount; ++i) {
        const std::string label = Utf8Of(tool.outputs[i].label) + "：";
        at = report.find(label, at);
        if (at == std::string::npos) {
            break;
        }
        at += label.size();
        const std::size_t end = report.find_first_of(" \r", at);
        values.push_back(report.substr(at, end - at));
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
// shown in the row; then verdict texts at limits. Outputs: concentration,
// pump rate, amount per hour, the dose of 1 ml/h.
TEST(FormulaTools, InfusionWorkedExamples) {
    constexpr char kDopamineUsual[] = "在常用剂量范围 2-50 μg/kg/min 内";
    const std::vector<std::pair<int, FormulaCase>> cases = {
        {70,
         {{2, 60, 400, 250},
          {"1600", "4.50", "7.20", "0.444"},
          0,
          kDopamineUsual,
          "dopamine label's example: 2 μg/kg/min, 60 kg, 1600 μg/ml is 4.5 ml/h"}},
        {70,
         {{50, 60, 400, 250},
          {"1600", "112.50", "180", "0.444"},
          0,
          kDopamineUsual,
          "at the label's maximum: still the usual range"}},
        {70,
         {{50.5, 60, 400, 250},
          {"1600", "113.62", "182", "0.444"},
          3,
          "超过最大剂量 50 μg/kg/min，立即核对医嘱",
          "above it: 113.625 ml/h shows 113.62, a tie to even"}},
        {71,
         {{5, 70, 250, 250},
          {"1000", "21.00", "21.0", "0.238"},
          0,
          "在常用剂量范围 2.5-15 μg/kg/min 内",
          "dobutamine label's Table 1: 5 μg/kg/min at 1000 μg/ml is 0.005 ml/kg/min, 70 kg"}},
        {71,
         {{20, 70, 250, 250},
          {"1000", "84.00", "84.0", "0.238"},
          2,
          "高于常用剂量上限 15 μg/kg/min，请核对医嘱",
          "above the usual 15, below the rare 40"}},
        {72,
         {{0.05, 70, 1, 1000},
          {"1.00", "210.00", "0.210", "0.000238"},
          0,
          "在常用剂量范围 0.05-2 μg/kg/min 内",
          "epinephrine label's dilution, 1 mg in 1000 ml: 3.5 μg/min is 210 ml/h"}},
        {73,
         {{0.03, 10, 100},
          {"0.100", "18.00", "1.80", "0.00167"},
          0,
          "在常用剂量范围 0.01-0.07 U/min 内",
          "vasopressin label's 0.1 U/ml: 0.03 U/min is 0.3 ml/min"}},
        {73,
         {{0.005, 10, 100},
          {"0.100", "3.00", "0.300", "0.00167"},
          1,
          "低于常用剂量下限 0.01 U/min，请核对医嘱",
          "half the starting dose"}},
        {74,
         {{20, 10, 500},
          {"20.0", "60.00", "1.20", "0.333"},
          0,
          "在常用剂量范围 10-35 μg/min 内",
          "phenylephrine label's infusion, 10 mg in 500 ml: 20 μg/min is 1 ml/min"}},
        {75,
         {{10, 5, 50},
          {"100", "6.00", "0.600", "1.67"},
          0,
          "在常用剂量范围 10-200 μg/min 内",
          "nitroglycerin at 100 μg/ml: 10 μg/min is 0.1 ml/min"}},
        {76,
         {{0.3, 80, 50, 100},
          {"500", "2.88", "1.44", "0.104"},
          0,
          "在常用剂量范围 0.3-5 μg/kg/min 内",
          "nitroprusside at 0.5 mg/ml, 0.3 μg/kg/min, 80 kg: 24 μg/min is 2.88 ml/h"}},
        {77,
         {{5, 20, 200},
          {"0.100", "50.00", "5.00", "0.100"},
          0,
          "在常用剂量范围 3-15 mg/h 内",
          "nicardipine label: 5 mg/h at 0.1 mg/ml is 50 ml/h"}},
        {77,
         {{15, 20, 200},
          {"0.100", "150.00", "15.0", "0.100"},
          0,
          "在常用剂量范围 3-15 mg/h 内",
          "and its maximum 15 mg/h is 150 ml/h"}},
        {78,
         {{100, 70, 2500, 250},
          {"10000", "42.00", "420", "2.38"},
          0,
          "在常用剂量范围 50-200 μg/kg/min 内",
          "esmolol at 10 mg/ml: ml/h = kg x μg/kg/min x 0.006"}},
        {78,
         {{250, 70, 2500, 250},
          {"10000", "105.00", "1050", "2.38"},
          2,
          "高于常用剂量上限 200 μg/kg/min，请核对医嘱",
          "the perioperative range above 200, up to 300"}},
        {79,
         {{0.5, 70, 10, 50},
          {"200", "10.50", "2.10", "0.0476"},
          0,
          "在常用剂量范围 0.375-0.75 μg/kg/min 内",
          "milrinone label's table: 0.5 μg/kg/min at 200 μg/ml is 0.15 ml/kg/h"}},
        {80,
         {{0.5, 60, 200, 50},
          {"4.00", "7.50", "30.0", "0.0667"},
          0,
          "在常用剂量范围 0.2-0.7 μg/kg/h 内",
          "dexmedetomidine at 4 μg/ml: 0.5 μg/kg/h for 60 kg is 7.5 ml/h"}},
        {80,
         {{1, 60, 200, 50},
          {"4.00", "15.00", "60.0", "0.0667"},
          2,
          "高于常用剂量上限 0.7 μg/kg/h，请核对医嘱",
          "above the US range, within the EU maximum 1.4"}},
        {81,
         {{2, 70, 500, 50},
          {"10.0", "14.00", "140", "0.143"},
          0,
          "在常用剂量范围 0.3-4 mg/kg/h 内",
          "propofol 1% undiluted: 2 mg/kg/h for 70 kg is 140 mg/h, 14 ml/h"}},
    };
    for (const auto& [id, c] : cases) {
        CheckCases(id, {c});
    }
}

// The verdict each formula tool's sources give for its outputs as shown (and
// the inputs it reads), as the start of the verdict text: written from the
// publications' thresholds, not from the tools' rules; an infusion's from
// its drug's limits as the source writes them, on the dose as typed. Empty
// for a tool none is written for.
std::string VerdictFromShown(int id, const std::vector<double>& shown, const double* inputs) {
    for (const double value : shown) {
        if (std::isnan(value)) {
            return kCheckInputs;
        }
    }
    for (const InfusionDrug* drug : InfusionLibrary()) {
        if (drug->texts.id == id) {
            const double dose = inputs[0];
            return dose > std::stod(drug->maximum)        ? "超过最大剂量"
                   : dose > std::stod(drug->usualHighest) ? "高于常用剂量上限"
                   : dose < std::stod(drug->usualLowest)  ? "低于常用剂量下限"
                                                          : "在常用剂量范围";
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
            return inputs[0] + inputs[1] + inputs[2] + inputs[3] == 0 ? "初筛 4 项均为否"
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
            const double gtt = shown[0];
            const bool adult = inputs[1] == 1;
            return gtt < 1                   ? "滴速低于 1 滴/分"
                   : gtt > (adult ? 60 : 40) ? (adult ? "高于成人" : "高于儿童")
                   : gtt < (adult ? 40 : 20) ? (adult ? "低于成人" : "低于儿童")
                                             : "在常用滴速范围内";
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
            const std::string expected = VerdictFromShown(tool->id, shown, inputs);
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
