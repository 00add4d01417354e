// The infusion family as a drug library: every drug's unit, limits and
// sources; its verdict at each limit from both sides, soft and hard; and its
// outputs against the units they are written in, with rates shown to at
// least two significant digits.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <random>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "engine/compute.h"
#include "engine/expression.h"
#include "tests/report_tool.h"
#include "tests/test_text.h"
#include "tools/infusion.h"

namespace kelomed {
namespace {

using testing::Utf8Of;

// Each drug's tool with the inputs given by key.
struct Dosing {
    double dose;
    double weight;
    double preparation;
    double amount;
    double volume;
};

void FillInputs(const ToolDef& tool, const Dosing& dosing, double* inputs) {
    for (int i = 0; i < tool.inputCount; ++i) {
        const std::string key = tool.inputs[i].key;
        inputs[i] = key == "dose"   ? dosing.dose
                    : key == "w"    ? dosing.weight
                    : key == "prep" ? dosing.preparation
                    : key == "drug" ? dosing.amount
                                    : dosing.volume;
    }
}

// The unit each drug's source doses in, typed from the labels and
// guidelines: a drug dosed in another unit than its label's is the classic
// source of ten-fold errors.
const std::map<int, std::string> kLabelUnits = {
    {70, "μg/kg/min"}, {71, "μg/kg/min"}, {72, "μg/kg/min"}, {73, "U/min"},     {74, "μg/min"},
    {75, "μg/min"},    {76, "μg/kg/min"}, {77, "μg/kg/min"}, {78, "mg/kg/min"}, {79, "μg/kg/min"},
    {80, "μg/kg/h"},   {81, "mg/kg/h"},   {82, "mg/h"},      {83, "mg/min"},    {84, "mg/min"},
    {85, "μg/kg/min"}, {86, "μg/min"},    {87, "μg/h"},      {88, "μg/h"},      {89, "mg/kg/h"},
    {90, "μg/kg/h"},   {91, "μg/kg/min"},
};

TEST(InfusionLibrary, HoldsEveryDrugAsAProgramOfTheSuite) {
    std::set<int> ids;
    for (const InfusionDrug* drug : InfusionLibrary()) {
        EXPECT_TRUE(ids.insert(drug->texts.id).second) << drug->texts.id;
        const ToolDef* tool = FindSuiteTool(drug->texts.id);
        ASSERT_NE(tool, nullptr) << drug->texts.id;
        EXPECT_EQ(Utf8Of(tool->title), Utf8Of(drug->texts.title));
    }
    std::set<int> listed;
    for (const auto& [id, unit] : kLabelUnits) {
        listed.insert(id);
    }
    EXPECT_EQ(ids, listed);
}

// The library as a smart pump's is checked: each drug in its label's unit,
// each limit with a source and its year (or the source's want of one), no
// maximum below the usual top, and the reference saying which limit is soft
// and which hard, or that the label gives no maximum.
TEST(InfusionLibrary, EveryDrugsUnitLimitsAndSourceAgree) {
    for (const InfusionDrug* drug : InfusionLibrary()) {
        SCOPED_TRACE(drug->texts.id);
        const std::string unit = Utf8Of(ShapeOf(drug->unit).dose);
        EXPECT_EQ(unit, kLabelUnits.at(drug->texts.id));
        const double lowest = std::stod(drug->usualLowest);
        const double highest = std::stod(drug->usualHighest);
        EXPECT_GT(lowest, 0);
        EXPECT_LE(lowest, highest);

        const ToolDef& tool = *FindSuiteTool(drug->texts.id);
        EXPECT_EQ(Utf8Of(tool.inputs[0].unit), unit);
        EXPECT_EQ(Utf8Of(tool.outputs[3].unit), unit);
        EXPECT_EQ(tool.inputs[1].key == std::string("w"), unit.find("/kg/") != std::string::npos);

        const std::string source = Utf8Of(drug->source);
        EXPECT_TRUE(std::regex_search(source, std::regex("(19|20)[0-9]{2}|未注明日期"))) << source;
        EXPECT_NE(source.find(unit), std::string::npos) << "the source doses in " << unit;
        const std::string reference = Utf8Of(tool.reference);
        EXPECT_NE(reference.find("常用 " + std::string(drug->usualLowest) + "-" +
                                 drug->usualHighest + " " + unit + "（软限制）"),
                  std::string::npos)
            << reference;
        if (drug->maximum != nullptr) {
            EXPECT_LE(highest, std::stod(drug->maximum)) << "a maximum below the usual top";
            const std::string maximum = std::string(drug->maximum) + " " + unit;
            EXPECT_NE(source.find(maximum), std::string::npos) << source;
            EXPECT_NE(reference.find("说明书最大 " + maximum), std::string::npos) << reference;
            EXPECT_NE(reference.find("（硬限制）"), std::string::npos) << reference;
        } else {
            EXPECT_NE(reference.find("说明书未给最大剂量"), std::string::npos) << reference;
        }
        EXPECT_NE(reference.find(source), std::string::npos);
    }
}

// The level a dose deserves, from the limits as the source writes them, at
// a preparation and weight whose rate a pump runs.
std::int32_t ExpectedLevel(const InfusionDrug& drug, double dose) {
    return drug.maximum != nullptr && dose > std::stod(drug.maximum) ? 3
           : dose > std::stod(drug.usualHighest)                     ? 2
           : dose < std::stod(drug.usualLowest)                      ? 1
                                                                     : 0;
}

// Each limit, the next doses below and above it, for every drug: the level
// changes exactly at the limit, which belongs to the range below it (the
// lowest usual dose to the usual range), and each verdict names its limit,
// its unit and whether it is soft or hard.
TEST(InfusionLibrary, EveryLimitFromBothSides) {
    for (const InfusionDrug* drug : InfusionLibrary()) {
        const ToolDef& tool = *FindSuiteTool(drug->texts.id);
        const std::string unit = Utf8Of(ShapeOf(drug->unit).dose);
        std::vector<const char*> limits = {drug->usualLowest, drug->usualHighest};
        if (drug->maximum != nullptr) {
            limits.push_back(drug->maximum);
        }
        for (const char* limit : limits) {
            const double value = std::stod(limit);
            for (const double dose :
                 {std::nextafter(value, 0.0), value, std::nextafter(value, 1e300)}) {
                SCOPED_TRACE(std::to_string(drug->texts.id) + " dose " + std::to_string(dose));
                ASSERT_TRUE(AcceptsValue(tool.inputs[0], dose));
                double inputs[kMaxInputs] = {};
                FillInputs(tool, {dose, 60, 1, 0, 0}, inputs);
                const testing::ReportResult result = testing::ComputeReport(tool, inputs);
                const std::int32_t expected = ExpectedLevel(*drug, dose);
                // Milrinone's daily maximum is crossed within its usual
                // range, by its own rule; the worked examples show it.
                if (drug->dailyMaximum != nullptr && result.verdict.starts_with("持续 24 小时")) {
                    EXPECT_EQ(result.level, 2);
                    continue;
                }
                EXPECT_EQ(result.level, expected);
                const std::string named =
                    expected == 3 ? std::string("超过说明书最大剂量 ") + drug->maximum + " " + unit
                    : expected == 2 ? std::string("高于常用剂量上限 ") + drug->usualHighest + " " +
                                          unit + "，软限制"
                    : expected == 1 ? std::string("低于常用剂量下限 ") + drug->usualLowest + " " +
                                          unit + "，软限制"
                                    : std::string("在常用剂量范围 ") + drug->usualLowest + "-" +
                                          drug->usualHighest + " " + unit;
                EXPECT_TRUE(result.verdict.starts_with(named)) << result.verdict;
                EXPECT_EQ(result.verdict.find("硬限制") != std::string::npos, expected == 3);
            }
        }
    }
}

// The outputs against their units, for doses, weights and preparations
// drawn within the fields' ranges and at their corners: the concentration is
// the amount over the volume (in the dose's mass unit), the rate delivers
// the dose, the amount per hour is the rate times the amount per ml, 1 ml/h
// delivers the dose over the rate, and 24 hours of it the daily amount. The
// rate as shown is never 0.00 and never more than half a unit of its second
// significant digit off, so never a third off.
TEST(InfusionLibrary, OutputsAgreeWithTheirUnits) {
    std::mt19937_64 random(20261208);
    auto draw = [&](const InputRange& range) {
        return std::exp(std::uniform_real_distribution<double>(std::log(range.lowest),
                                                               std::log(range.highest))(random));
    };
    for (const InfusionDrug* drug : InfusionLibrary()) {
        const ToolDef& tool = *FindSuiteTool(drug->texts.id);
        const DoseUnitShape& shape = ShapeOf(drug->unit);
        const std::string unit = Utf8Of(shape.dose);
        const double mass = unit.starts_with("μg") && Utf8Of(shape.amount) == "mg" ? 1000 : 1;
        const bool perKilogram = unit.find("/kg/") != std::string::npos;
        const double minutes = unit.ends_with("/min") ? 60 : 1;
        const InputRange weights = Between(0.3, 500);
        const InputRange volumes = Between(1, 1000);
        std::vector<Dosing> dosings;
        for (double dose : {drug->doseRange.lowest, drug->doseRange.highest}) {
            for (double weight : {weights.lowest, weights.highest}) {
                for (double amount : {drug->amountRange.lowest, drug->amountRange.highest}) {
                    for (double volume : {volumes.lowest, volumes.highest}) {
                        dosings.push_back({dose, weight, kCustomPreparation, amount, volume});
                    }
                }
            }
        }
        for (int trial = 0; trial < 200; ++trial) {
            dosings.push_back({draw(drug->doseRange), draw(weights), kCustomPreparation,
                               draw(drug->amountRange), draw(volumes)});
        }
        for (const Dosing& dosing : dosings) {
            SCOPED_TRACE(std::to_string(drug->texts.id) + " " + std::to_string(dosing.dose));
            double inputs[kMaxInputs] = {};
            FillInputs(tool, dosing, inputs);
            const testing::ReportResult result = testing::ComputeReport(tool, inputs);
            double outputs[kMaxOutputs] = {};
            for (int i = 0; i < tool.outputCount; ++i) {
                int failed = 0;
                outputs[i] =
                    EvaluateExpression(tool, tool.outputs[i].expression, inputs, outputs, failed);
                ASSERT_EQ(failed, 0) << tool.outputs[i].key;
            }
            const double concentration = dosing.amount * mass / dosing.volume;
            const double dosePerHour = dosing.dose * (perKilogram ? dosing.weight : 1) * minutes;
            const double rate = dosePerHour / concentration;
            EXPECT_NEAR(outputs[0] / concentration, 1, 1e-14);
            EXPECT_NEAR(outputs[1] / rate, 1, 1e-14);
            EXPECT_NEAR(outputs[2] / (rate * dosing.amount / dosing.volume), 1, 1e-14);
            EXPECT_NEAR(outputs[3] * rate / dosing.dose, 1, 1e-14);
            if (tool.outputCount > 4) {
                EXPECT_NEAR(outputs[4] / (dosing.dose * minutes * 24 / mass), 1, 1e-14);
            }

            const std::string label = "泵速：";
            const std::size_t at = result.report.find(label) + label.size();
            const std::string shown = result.report.substr(at, result.report.find(' ', at) - at);
            const double shownRate = std::strtod(shown.c_str(), nullptr);
            const std::size_t digits = shown.size() - shown.find_first_not_of("0.");
            EXPECT_GE(digits, 2u) << shown;
            EXPECT_LE(std::fabs(shownRate - rate), 0.05 * rate) << shown;
            // A rate no pump runs is the verdict, unless a hard limit of the
            // dose or the concentration comes first.
            const bool hardLimitFirst =
                (drug->maximum != nullptr && dosing.dose > std::stod(drug->maximum)) ||
                (drug->maximumConcentration != nullptr && result.verdict.starts_with("浓度超过"));
            EXPECT_EQ(!hardLimitFirst && (shownRate < 0.1 || shownRate > 1200),
                      result.verdict.starts_with("泵速"))
                << shown << " " << result.verdict;
        }
    }
}

}  // namespace
}  // namespace kelomed
