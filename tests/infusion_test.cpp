// The infusion family as a drug library: every drug's limits, units and
// sources; its verdict at each limit from both sides; and its outputs
// against the units they are written in.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <random>
#include <regex>
#include <set>
#include <string>

#include "engine/compute.h"
#include "engine/expression.h"
#include "tests/report_tool.h"
#include "tests/test_text.h"
#include "tools/infusion.h"

namespace kelomed {
namespace {

using testing::Utf8Of;

// Each drug's tool with the inputs given by key; the others at defaults.
struct Dosing {
    double dose;
    double weight;
    double amount;
    double volume;
};

void FillInputs(const ToolDef& tool, const Dosing& dosing, double* inputs) {
    for (int i = 0; i < tool.inputCount; ++i) {
        const std::string key = tool.inputs[i].key;
        inputs[i] = key == "dose"   ? dosing.dose
                    : key == "w"    ? dosing.weight
                    : key == "drug" ? dosing.amount
                                    : dosing.volume;
    }
}

Dosing DefaultDosing(const InfusionDrug& drug, double dose) {
    return {dose, 60, drug.defaultAmount, drug.defaultVolume};
}

TEST(InfusionLibrary, HoldsTwelveDrugsEachAProgramOfTheSuite) {
    EXPECT_GE(InfusionLibrary().size(), 12u);
    std::set<int> ids;
    for (const InfusionDrug* drug : InfusionLibrary()) {
        EXPECT_TRUE(ids.insert(drug->texts.id).second) << drug->texts.id;
        const ToolDef* tool = FindSuiteTool(drug->texts.id);
        ASSERT_NE(tool, nullptr) << drug->texts.id;
        EXPECT_EQ(Utf8Of(tool->title), Utf8Of(drug->texts.title));
    }
    EXPECT_EQ(ids.count(48), 0u) << "tool 48 keeps its own table";
}

// The library as a smart pump's would be checked: no maximum below the
// usual upper limit, no unit the source does not use, no source without
// its year, and the reference saying what the verdicts use.
TEST(InfusionLibrary, EveryDrugsLimitsUnitsAndSourceAgree) {
    const std::map<DoseUnit, std::string> unitTexts = {
        {DoseUnit::MicrogramPerKgPerMinute, "μg/kg/min"},
        {DoseUnit::MicrogramPerMinute, "μg/min"},
        {DoseUnit::UnitPerMinute, "U/min"},
        {DoseUnit::MilligramPerHour, "mg/h"},
        {DoseUnit::MicrogramPerKgPerHour, "μg/kg/h"},
        {DoseUnit::MilligramPerKgPerHour, "mg/kg/h"},
    };
    for (const InfusionDrug* drug : InfusionLibrary()) {
        SCOPED_TRACE(drug->texts.id);
        const double lowest = std::stod(drug->usualLowest);
        const double highest = std::stod(drug->usualHighest);
        const double maximum = std::stod(drug->maximum);
        EXPECT_GT(lowest, 0);
        EXPECT_LE(lowest, highest);
        EXPECT_LE(highest, maximum) << "a maximum below the usual upper limit";
        EXPECT_EQ(DecimalValue(drug->maximum), maximum);

        const std::string unit = unitTexts.at(drug->unit);
        const ToolDef& tool = *FindSuiteTool(drug->texts.id);
        EXPECT_EQ(Utf8Of(tool.inputs[0].unit), unit);
        EXPECT_EQ(Utf8Of(tool.outputs[3].unit), unit);
        EXPECT_EQ(tool.inputs[1].key == std::string("w"), unit.find("/kg/") != std::string::npos);

        const std::string source = Utf8Of(drug->source);
        EXPECT_TRUE(std::regex_search(source, std::regex("(19|20)[0-9]{2}"))) << source;
        EXPECT_NE(source.find(std::string(drug->maximum) + " " + unit), std::string::npos)
            << "the source states the maximum in the drug's unit: " << source;
        const bool perMinute = unit.ends_with("/min");
        EXPECT_EQ(source.find(perMinute ? "/h" : "/min"), std::string::npos)
            << "a dose the source gives per " << (perMinute ? "minute" : "hour")
            << " is shown the other way: " << source;
        if (unit.find("/kg/") == std::string::npos) {
            EXPECT_EQ(source.find("/kg"), std::string::npos) << source;
        }
        EXPECT_EQ(Utf8Of(tool.reference), "常用 " + std::string(drug->usualLowest) + "-" +
                                              drug->usualHighest + " " + unit + "，最大 " +
                                              drug->maximum + " " + unit + "。" + source);
    }
}

// The level a dose deserves, from the limits as the source writes them.
std::int32_t ExpectedLevel(const InfusionDrug& drug, double dose) {
    return dose > std::stod(drug.maximum)        ? 3
           : dose > std::stod(drug.usualHighest) ? 2
           : dose < std::stod(drug.usualLowest)  ? 1
                                                 : 0;
}

// Each limit, the next doses below and above it, for every drug: the level
// changes exactly at the limit, which belongs to the range below it (the
// lowest usual dose to the usual range), and each verdict names its limit
// and unit.
TEST(InfusionLibrary, EveryLimitFromBothSides) {
    for (const InfusionDrug* drug : InfusionLibrary()) {
        const ToolDef& tool = *FindSuiteTool(drug->texts.id);
        const std::string unit = Utf8Of(ShapeOf(drug->unit).dose);
        for (const char* limit : {drug->usualLowest, drug->usualHighest, drug->maximum}) {
            const double value = std::stod(limit);
            for (const double dose :
                 {std::nextafter(value, 0.0), value, std::nextafter(value, 1e300)}) {
                SCOPED_TRACE(std::to_string(drug->texts.id) + " dose " + std::to_string(dose));
                ASSERT_TRUE(AcceptsValue(tool.inputs[0], dose));
                double inputs[kMaxInputs] = {};
                FillInputs(tool, DefaultDosing(*drug, dose), inputs);
                const testing::ReportResult result = testing::ComputeReport(tool, inputs);
                const std::int32_t expected = ExpectedLevel(*drug, dose);
                EXPECT_EQ(result.level, expected);
                const std::string& text = result.verdict;
                const std::string named =
                    expected == 3   ? std::string("超过最大剂量 ") + drug->maximum
                    : expected == 2 ? std::string("高于常用剂量上限 ") + drug->usualHighest
                    : expected == 1 ? std::string("低于常用剂量下限 ") + drug->usualLowest
                                    : std::string("在常用剂量范围 ") + drug->usualLowest + "-" +
                                          drug->usualHighest;
                EXPECT_EQ(text.rfind(named + " " + unit, 0), 0u) << text;
            }
        }
    }
}

// The outputs against their units, for doses, weights and preparations
// drawn within the fields' ranges: the concentration is the amount over the
// volume (in the dose's mass unit), the rate delivers the dose, the amount
// per hour is the rate times the amount per ml, and 1 ml/h delivers the dose
// over the rate.
TEST(InfusionLibrary, OutputsAgreeWithTheirUnits) {
    std::mt19937_64 random(20261208);
    auto draw = [&](const InputRange& range) {
        return std::exp(std::uniform_real_distribution<double>(std::log(range.lowest),
                                                               std::log(range.highest))(random));
    };
    for (const InfusionDrug* drug : InfusionLibrary()) {
        const ToolDef& tool = *FindSuiteTool(drug->texts.id);
        const std::string unit = Utf8Of(ShapeOf(drug->unit).dose);
        const double mass =
            unit.starts_with("μg") && Utf8Of(ShapeOf(drug->unit).amount) == "mg" ? 1000 : 1;
        const double perKilogram = unit.find("/kg/") != std::string::npos;
        const double minutes = unit.ends_with("/min") ? 60 : 1;
        for (int trial = 0; trial < 200; ++trial) {
            const Dosing dosing = {draw(drug->doseRange), draw(Between(0.3, 500)),
                                   draw(drug->amountRange), draw(Between(1, 1000))};
            SCOPED_TRACE(std::to_string(drug->texts.id) + " " + std::to_string(dosing.dose));
            double inputs[kMaxInputs] = {};
            FillInputs(tool, dosing, inputs);
            double outputs[kMaxOutputs] = {};
            for (int i = 0; i < tool.outputCount; ++i) {
                int failed = 0;
                outputs[i] =
                    EvaluateExpression(tool, tool.outputs[i].expression, inputs, outputs, failed);
                ASSERT_EQ(failed, 0) << tool.outputs[i].key;
            }
            const double concentration = dosing.amount * mass / dosing.volume;
            const double dosePerHour = dosing.dose * (perKilogram ? dosing.weight : 1) * minutes;
            EXPECT_NEAR(outputs[0] / concentration, 1, 1e-14);
            EXPECT_NEAR(outputs[1] * concentration / dosePerHour, 1, 1e-14);
            EXPECT_NEAR(outputs[2] / (outputs[1] * dosing.amount / dosing.volume), 1, 1e-14);
            EXPECT_NEAR(outputs[3] * outputs[1] / dosing.dose, 1, 1e-14);
        }
    }
}

}  // namespace
}  // namespace kelomed
