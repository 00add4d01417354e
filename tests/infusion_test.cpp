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
#include <tuple>
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
    double use = 1;
    double loading = 0;
};

void FillInputs(const ToolDef& tool, const Dosing& dosing, double* inputs) {
    for (int i = 0; i < tool.inputCount; ++i) {
        const std::string key = tool.inputs[i].key;
        inputs[i] = key == "dose"   ? dosing.dose
                    : key == "w"    ? dosing.weight
                    : key == "prep" ? dosing.preparation
                    : key == "drug" ? dosing.amount
                    : key == "use"  ? dosing.use
                    : key == "load_dose"
                        ? (dosing.loading > 0 ? dosing.loading : tool.inputs[i].defaultValue)
                        : dosing.volume;
    }
}

// The value of output `key`, as evaluated; NaN when the tool has none or it
// does not apply.
double OutputValue(const ToolDef& tool, const ComputeResult& result, const std::string& key) {
    for (int i = 0; i < tool.outputCount; ++i) {
        if (key == tool.outputs[i].key) {
            return result.applies[i] ? result.values[i] : std::nan("");
        }
    }
    return std::nan("");
}

std::vector<const InfusionUse*> UsesOf(const InfusionDrug& drug) {
    std::vector<const InfusionUse*> uses;
    for (const InfusionUse& use : drug.uses) {
        if (use.usualHighest != nullptr) {
            uses.push_back(&use);
        }
    }
    return uses;
}

// The unit each drug's source doses in, typed from the labels and
// guidelines: a drug dosed in another unit than its label's is the classic
// source of ten-fold errors.
const std::map<int, std::string> kLabelUnits = {
    {70, "μg/kg/min"}, {71, "μg/kg/min"}, {72, "μg/kg/min"}, {73, "U/min"},     {74, "μg/min"},
    {75, "μg/min"},    {76, "μg/kg/min"}, {77, "μg/kg/min"}, {78, "mg/kg/min"}, {79, "μg/kg/min"},
    {80, "μg/kg/h"},   {81, "mg/kg/h"},   {82, "mg/h"},      {83, "mg/min"},    {84, "mg/min"},
    {85, "μg/kg/min"}, {86, "μg/min"},    {87, "μg/h"},      {88, "μg/h"},      {89, "mg/kg/h"},
    {90, "μg/kg/h"},   {91, "μg/kg/min"}, {92, "mg/min"},
};

// The uses each label (or the guideline a tool cites) doses differently,
// typed from the sources: a drug whose uses differ never has one range.
const std::map<int, std::vector<std::string>> kLabelUses = {
    {82, {"初始", "维持"}},
    {83, {"前 6 小时", "维持"}},
    {85, {"高血压急症", "不稳定型心绞痛"}},
    {86, {"心脏传导阻滞", "抗休克"}},
    {87, {"上消化道大出血", "胰瘘、胆瘘、肠瘘", "糖尿病酮症酸中毒"}},
};

TEST(InfusionLibrary, HoldsEveryDrugAsAProgramOfTheSuite) {
    std::set<int> ids;
    for (const InfusionDrug* drug : InfusionLibrary()) {
        EXPECT_TRUE(ids.insert(drug->texts.id).second) << drug->texts.id;
        const ToolDef* tool = FindSuiteTool(drug->texts.id);
        ASSERT_NE(tool, nullptr) << drug->texts.id;
        EXPECT_EQ(Utf8Of(tool->title), Utf8Of(drug->texts.title));
        std::vector<std::string> names;
        for (const InfusionUse* use : UsesOf(*drug)) {
            names.push_back(use->name != nullptr ? Utf8Of(use->name) : "");
        }
        const auto listed = kLabelUses.find(drug->texts.id);
        EXPECT_EQ(names, listed != kLabelUses.end() ? listed->second : std::vector<std::string>{""})
            << drug->texts.id;
        // A use's own choice comes first, so the nurse picks it before the dose.
        EXPECT_EQ(std::string(tool->inputs[0].key), names.size() > 1 ? "use" : "dose");
    }
    std::set<int> listed;
    for (const auto& [id, unit] : kLabelUnits) {
        listed.insert(id);
    }
    EXPECT_EQ(ids, listed);
}

// The library as a smart pump's is checked: each drug in its label's unit,
// each limit with a source and its year (or the source's want of one), no
// maximum below the usual top, uses that differ, and the reference saying
// which limit is soft and which hard, or that the label gives no maximum.
TEST(InfusionLibrary, EveryDrugsUnitLimitsAndSourceAgree) {
    for (const InfusionDrug* drug : InfusionLibrary()) {
        SCOPED_TRACE(drug->texts.id);
        const std::string unit = Utf8Of(ShapeOf(drug->unit).dose);
        EXPECT_EQ(unit, kLabelUnits.at(drug->texts.id));
        const ToolDef& tool = *FindSuiteTool(drug->texts.id);
        const int dose = tool.inputs[0].key == std::string("use") ? 1 : 0;
        EXPECT_EQ(Utf8Of(tool.inputs[dose].unit), unit);
        EXPECT_EQ(Utf8Of(tool.outputs[3].unit), unit);
        EXPECT_EQ(tool.inputs[dose + 1].key == std::string("w"),
                  unit.find("/kg/") != std::string::npos);

        const std::string source = Utf8Of(drug->source);
        EXPECT_TRUE(std::regex_search(source, std::regex("(19|20)[0-9]{2}|未注明日期"))) << source;
        EXPECT_NE(source.find(unit), std::string::npos) << "the source doses in " << unit;
        const std::string reference = Utf8Of(tool.reference);
        std::set<std::tuple<std::string, std::string, bool>> ranges;
        for (const InfusionUse* use : UsesOf(*drug)) {
            const std::string lowest = use->usualLowest != nullptr ? use->usualLowest : "";
            const std::string highest = use->usualHighest;
            EXPECT_TRUE(ranges.insert({lowest, highest, use->loading.amount != nullptr}).second)
                << "two uses of one range and loading";
            if (lowest.empty() || lowest == highest) {
                EXPECT_NE(reference.find(use->ceiling ? "极量 " + highest
                                                      : "说明书剂量 " + highest + " " + unit),
                          std::string::npos)
                    << reference;
            } else {
                EXPECT_LE(std::stod(lowest), std::stod(highest));
                EXPECT_NE(
                    reference.find("常用 " + lowest + "-" + highest + " " + unit + "（软限制）"),
                    std::string::npos)
                    << reference;
            }
            if (use->maximum != nullptr) {
                EXPECT_LE(std::stod(highest), std::stod(use->maximum)) << "a maximum below the top";
                const std::string maximum = std::string(use->maximum) + " " + unit;
                EXPECT_NE(source.find(maximum), std::string::npos) << source;
                EXPECT_NE(reference.find(use->ceiling ? std::string("以上硬限制")
                                                      : "说明书最大 " + maximum),
                          std::string::npos)
                    << reference;
            } else {
                EXPECT_NE(reference.find("说明书未给最大剂量"), std::string::npos) << reference;
            }
        }
        EXPECT_NE(reference.find(source), std::string::npos);
    }
}

// The level a dose deserves in its use, from the limits as the source
// writes them, at a preparation and weight whose rate a pump runs.
std::int32_t ExpectedLevel(const InfusionUse& use, double dose) {
    const double highest = std::stod(use.usualHighest);
    return use.maximum != nullptr && dose > std::stod(use.maximum) ? 3
           : use.ceiling                                           ? (dose >= highest ? 2 : 0)
           : dose > highest && !(use.maximum != nullptr && std::stod(use.maximum) == highest) ? 2
           : use.usualLowest != nullptr && dose < std::stod(use.usualLowest)                  ? 1
           : use.limitNote != nullptr                                                         ? 1
                                                                                              : 0;
}

// Each limit of each use, the next doses below and above it, for every
// drug: the level changes exactly at the limit (the lowest usual dose to the
// usual range, a ceiling's start to the ceiling), and each verdict names its
// use, its limit, its unit and whether it is soft or hard.
TEST(InfusionLibrary, EveryLimitFromBothSides) {
    for (const InfusionDrug* drug : InfusionLibrary()) {
        const ToolDef& tool = *FindSuiteTool(drug->texts.id);
        const std::string unit = Utf8Of(ShapeOf(drug->unit).dose);
        const std::vector<const InfusionUse*> uses = UsesOf(*drug);
        const std::string name = Utf8Of(tool.title).substr(0, Utf8Of(tool.title).find("配置"));
        for (std::size_t u = 0; u < uses.size(); ++u) {
            const InfusionUse& use = *uses[u];
            std::vector<const char*> limits = {use.usualHighest};
            if (use.usualLowest != nullptr) {
                limits.push_back(use.usualLowest);
            }
            if (use.maximum != nullptr) {
                limits.push_back(use.maximum);
            }
            for (const char* limit : limits) {
                const double value = std::stod(limit);
                for (const double dose :
                     {std::nextafter(value, 0.0), value, std::nextafter(value, 1e300)}) {
                    SCOPED_TRACE(std::to_string(drug->texts.id) + " use " + std::to_string(u) +
                                 " dose " + std::to_string(dose));
                    double inputs[kMaxInputs] = {};
                    FillInputs(tool, {dose, 60, 1, 0, 0, static_cast<double>(u + 1)}, inputs);
                    for (int i = 0; i < tool.inputCount; ++i) {
                        ASSERT_TRUE(!InputApplies(tool, inputs, i) ||
                                    AcceptsValue(tool.inputs[i], inputs[i]))
                            << tool.inputs[i].key;
                    }
                    const testing::ReportResult result = testing::ComputeReport(tool, inputs);
                    const std::int32_t expected = ExpectedLevel(use, dose);
                    const std::string prefix =
                        uses.size() > 1 ? name + " " + Utf8Of(use.name) + "：" : "";
                    ASSERT_TRUE(result.verdict.starts_with(prefix)) << result.verdict;
                    const std::string verdict = result.verdict.substr(prefix.size());
                    // A daily total is crossed within or above the usual
                    // range by its own rule; the worked examples show it.
                    if (use.dailyMaximum != nullptr && verdict.starts_with("持续 24 小时")) {
                        EXPECT_EQ(result.level, use.dailyIsHard ? 3 : 2);
                        continue;
                    }
                    EXPECT_EQ(result.level, expected);
                    const bool labelRate =
                        use.usualLowest == nullptr || std::string(use.usualLowest) == limits[0];
                    const std::string named =
                        expected == 3
                            ? std::string("超过说明书最大剂量 ") + use.maximum + " " + unit
                        : expected == 2 && use.ceiling ? std::string("达到说明书极量 ")
                        : expected == 2
                            ? (labelRate ? "高于说明书剂量 " : "高于常用剂量上限 ") +
                                  std::string(use.usualHighest) + " " + unit + "，软限制"
                        : expected == 1 && use.usualLowest != nullptr &&
                                dose < std::stod(use.usualLowest)
                            ? (labelRate ? "低于说明书剂量 " : "低于常用剂量下限 ") +
                                  std::string(use.usualLowest) + " " + unit + "，软限制"
                        : use.ceiling ? std::string("低于说明书极量 ")
                        : labelRate ? std::string(use.usualLowest != nullptr ? "符合" : "不高于") +
                                          "说明书剂量 " + use.usualHighest + " " + unit
                                    : std::string("在常用剂量范围 ") + use.usualLowest + "-" +
                                          use.usualHighest + " " + unit + " 内";
                    EXPECT_TRUE(verdict.starts_with(named)) << result.verdict;
                    EXPECT_EQ(verdict.find("硬限制") != std::string::npos, expected == 3);
                    if (use.limitNote != nullptr && expected <= 1 &&
                        !(use.usualLowest != nullptr && dose < std::stod(use.usualLowest))) {
                        EXPECT_TRUE(verdict.ends_with(Utf8Of(use.limitNote))) << result.verdict;
                    }
                }
            }
        }
    }
}

// The outputs against their units, for doses, weights and preparations
// drawn within the fields' ranges and at their corners, in every use: the
// concentration is the amount over the volume (in the dose's mass unit), the
// rate delivers the dose, the amount per hour is the rate times the amount
// per ml, 1 ml/h delivers the dose over the rate, 24 hours of it the daily
// amount (with the loading dose where the label counts it), the volume lasts
// its minutes at the rate, and the loading dose is its amount for the
// weight, its volume of the preparation and that volume over the label's
// minutes. The rate as shown is never 0.00 and never more than half a unit
// of its second significant digit off, so never a third off; a time shown
// is the whole minutes the exact time has surely run.
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
        const std::vector<const InfusionUse*> uses = UsesOf(*drug);
        const InputRange weights = Between(0.3, 500);
        const InputRange volumes = Between(1, 1000);
        std::vector<Dosing> dosings;
        for (double dose : {drug->doseRange.lowest, drug->doseRange.highest}) {
            for (double weight : {weights.lowest, weights.highest}) {
                for (double amount : {drug->amountRange.lowest, drug->amountRange.highest}) {
                    for (double volume : {volumes.lowest, volumes.highest}) {
                        for (std::size_t u = 1; u <= uses.size(); ++u) {
                            dosings.push_back({dose, weight, kCustomPreparation, amount, volume,
                                               static_cast<double>(u)});
                        }
                    }
                }
            }
        }
        for (int trial = 0; trial < 200; ++trial) {
            dosings.push_back({draw(drug->doseRange), draw(weights), kCustomPreparation,
                               draw(drug->amountRange), draw(volumes),
                               static_cast<double>(1 + random() % uses.size())});
        }
        for (const Dosing& dosing : dosings) {
            SCOPED_TRACE(std::to_string(drug->texts.id) + " " + std::to_string(dosing.dose));
            const InfusionUse& use = *uses[static_cast<std::size_t>(dosing.use) - 1];
            double inputs[kMaxInputs] = {};
            FillInputs(tool, dosing, inputs);
            const testing::ReportResult result = testing::ComputeReport(tool, inputs);
            char16_t report[kLongestFormulaReport + 1];
            char16_t verdict[512];
            const ComputeResult computed = ComputeTool(tool, inputs, CivilDate{2026, 12, 9}, report,
                                                       kLongestFormulaReport + 1, verdict, 512);
            ASSERT_EQ(computed.failedCount, 0) << result.report;
            const auto value = [&](const char* key) { return OutputValue(tool, computed, key); };

            const double concentration = dosing.amount * mass / dosing.volume;
            const double dosePerHour = dosing.dose * (perKilogram ? dosing.weight : 1) * minutes;
            const double rate = dosePerHour / concentration;
            EXPECT_NEAR(value("conc") / concentration, 1, 1e-14);
            EXPECT_NEAR(value("rate") / rate, 1, 1e-14);
            EXPECT_NEAR(value("per_hour") / (rate * dosing.amount / dosing.volume), 1, 1e-14);
            EXPECT_NEAR(value("per_rate") * rate / dosing.dose, 1, 1e-14);
            const double emptyMinutes = dosing.volume * 60 / rate;
            EXPECT_NEAR(value("empty") / emptyMinutes, 1, 1e-14);
            const bool hasLoading = use.loading.amount != nullptr;
            const double loading =
                hasLoading ? std::stod(use.loading.amount) *
                                 (Utf8Of(use.loading.unit).ends_with("/kg") ? dosing.weight : 1)
                           : 0;
            const double loadingMass =
                hasLoading && Utf8Of(use.loading.mass) != Utf8Of(shape.amount) ? 1000 : 1;
            if (use.dailyMaximum != nullptr) {
                const double counted =
                    use.dailyCountsLoading ? std::stod(use.loading.amount) / loadingMass : 0;
                EXPECT_NEAR(value("per_day") / (dosing.dose * minutes * 24 / mass + counted), 1,
                            1e-14);
            }
            if (use.cumulativeMaximum != nullptr) {
                EXPECT_NEAR(value("to_total") * dosing.dose * minutes / 60 / mass /
                                std::stod(use.cumulativeMaximum),
                            1, 1e-14);
            }
            EXPECT_EQ(std::isnan(value("load_vol")), !hasLoading);
            if (hasLoading) {
                const double volume = loading / loadingMass / (dosing.amount / dosing.volume);
                EXPECT_NEAR(value("load_vol") / volume, 1, 1e-14);
                if (use.loading.minutes != nullptr) {
                    EXPECT_NEAR(value("load_rate") / (volume * 60 / std::stod(use.loading.minutes)),
                                1, 1e-14);
                }
            }

            const auto shownText = [&](const std::string& label) {
                const std::size_t at = result.report.find(label) + label.size();
                return result.report.substr(at, result.report.find('\r', at) - at);
            };
            const std::string shown = shownText("泵速：");
            const double shownRate = std::strtod(shown.c_str(), nullptr);
            const std::size_t digits = shown.find(' ') - shown.find_first_not_of("0.");
            EXPECT_GE(digits, 2u) << shown;
            EXPECT_LE(std::fabs(shownRate - rate), 0.05 * rate) << shown;
            // The time to empty in whole minutes, rounded down, computed in
            // long double from the typed numbers: a volume that lasts a whole
            // number of minutes is a row of the worked examples.
            const long double exact = static_cast<long double>(dosing.volume) * 60 * dosing.amount *
                                      mass /
                                      (static_cast<long double>(dosing.dose) *
                                       (perKilogram ? dosing.weight : 1) * minutes * dosing.volume);
            const long double whole = std::floor(exact);
            if (exact - whole > 1e-9L && whole + 1 - exact > 1e-9L && exact < 1e15L) {
                const long long m = static_cast<long long>(whole);
                const std::string time = shownText("全量输完约需：");
                EXPECT_EQ(time, m == 0 ? std::string("不足 1 分钟")
                                       : std::to_string(m / 60) + " 小时 " +
                                             std::to_string(m % 60) + " 分")
                    << static_cast<double>(exact);
            }
        }
    }
}

}  // namespace
}  // namespace kelomed
