// The assessment scales and the drip rate against their publications: each
// scale's items, options and points equal a table typed from its source;
// the lowest and highest totals and every class boundary from both sides,
// in rows written out by hand; the parameters' band edges of the early
// warning scores; items that apply only when another holds.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/compute.h"
#include "tests/report_tool.h"
#include "tests/test_text.h"
#include "tools/suite.h"

namespace kelomed {
namespace {

using testing::Utf8Of;

// The index of the input of `tool` whose key is `key`.
int InputIndex(const ToolDef& tool, const std::string& key) {
    for (int i = 0; i < tool.inputCount; ++i) {
        if (key == tool.inputs[i].key) {
            return i;
        }
    }
    ADD_FAILURE() << "tool " << tool.id << " has no input " << key;
    return 0;
}

// The text of output `key` in a report line "label：value unit".
std::string OutputText(const ToolDef& tool, const std::string& report, const std::string& key) {
    for (int i = 0; i < tool.outputCount; ++i) {
        if (key == tool.outputs[i].key) {
            const std::string label = Utf8Of(tool.outputs[i].label) + "：";
            std::size_t at = report.rfind(label, 0) == 0 ? 0 : report.find("\n" + label);
            if (at == std::string::npos) {
                return "(no line)";
            }
            at += (at == 0 ? 0 : 1) + label.size();
            const std::size_t end = report.find_first_of(" \r", at);
            return report.substr(at, end - at);
        }
    }
    return "(no output " + key + ")";
}

using Setting = std::pair<std::string, double>;

// Inputs set by key, the others keeping their defaults: a list, or a line
// of "key=value" ("rr=22 pulse=115").
struct Settings : std::vector<Setting> {
    Settings(std::vector<Setting> list) : std::vector<Setting>(std::move(list)) {}
    Settings(const char* line) {
        const std::string text = line;
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t end = std::min(text.find(' ', at), text.size());
            const std::size_t equals = text.find('=', at);
            emplace_back(text.substr(at, equals - at),
                         std::stod(text.substr(equals + 1, end - equals - 1)));
            at = end + 1;
        }
    }
};

// One row each: the tool, its settings, an output and the text it shows
// ("total=5"), the level (-1: not checked) and how the verdict begins.
struct ScaleCase {
    int id;
    Settings set;
    std::string shows;
    std::int32_t level;
    std::string verdictStart;
    const char* why;
};

testing::ReportResult ComputeSet(const ToolDef& tool,
                                 const std::vector<std::pair<std::string, double>>& set) {
    double inputs[kMaxInputs] = {};
    for (int i = 0; i < tool.inputCount; ++i) {
        inputs[i] = tool.inputs[i].defaultValue;
    }
    for (const auto& [key, value] : set) {
        inputs[InputIndex(tool, key)] = value;
    }
    return testing::ComputeReport(tool, inputs);
}

void CheckScaleCases(const std::vector<ScaleCase>& cases) {
    for (const ScaleCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.id) + ": " + c.why);
        const ToolDef& tool = *FindSuiteTool(c.id);
        const testing::ReportResult result = ComputeSet(tool, c.set);
        const std::string& shows = c.shows;
        const std::size_t equals = shows.find('=');
        EXPECT_EQ(OutputText(tool, result.report, shows.substr(0, equals)),
                  shows.substr(equals + 1))
            << result.report;
        if (c.level >= 0) {
            EXPECT_EQ(result.level, c.level) << result.verdict;
            EXPECT_EQ(result.verdict.rfind(c.verdictStart, 0), 0u) << result.verdict;
        }
    }
}

// An item of a scale as its source tables it: the input's key, its label
// and each option's points and words.
struct SourceItem {
    const char* key;
    const char* label;
    std::vector<std::pair<double, std::string>> options;
};

// A risk factor worth its points when ticked; a question that only opens
// other items (the initial screen, sex, intubation) is not scored.
struct SourceFactor {
    const char* key;
    double points;
    bool scored = true;
};

void CheckAgainstSource(int id, const std::vector<SourceItem>& items,
                        const std::vector<SourceFactor>& factors = {}) {
    const ToolDef& tool = *FindSuiteTool(id);
    SCOPED_TRACE(id);
    int listed = 0;
    for (const SourceItem& item : items) {
        const InputField& input = tool.inputs[InputIndex(tool, item.key)];
        EXPECT_EQ(Utf8Of(input.label), item.label);
        std::vector<std::pair<double, std::string>> options;
        for (int i = 0; i < input.choiceCount; ++i) {
            options.emplace_back(input.choices[i].value, Utf8Of(input.choices[i].name));
        }
        EXPECT_EQ(options, item.options) << item.key;
        ++listed;
    }
    for (const SourceFactor& factor : factors) {
        const InputField& input = tool.inputs[InputIndex(tool, factor.key)];
        ASSERT_EQ(input.form, InputForm::Check) << factor.key;
        EXPECT_EQ(input.choices[1].value, factor.points) << factor.key;
        // A factor's label says its points as the form does.
        if (factor.scored) {
            EXPECT_NE(Utf8Of(input.label)
                          .find("（" + std::to_string(static_cast<int>(factor.points)) + " 分）"),
                      std::string::npos)
                << Utf8Of(input.label);
        }
        ++listed;
    }
    EXPECT_EQ(listed, tool.inputCount) << "every input of the tool is in the source's table";
}

TEST(AssessmentScales, BradenAgainstBergstromAndBraden1987) {
    CheckAgainstSource(
        121, {
                 {"sensory",
                  "感知能力",
                  {{1, "1 完全受限"}, {2, "2 非常受限"}, {3, "3 轻度受限"}, {4, "4 无损害"}}},
                 {"moisture",
                  "潮湿程度",
                  {{1, "1 持续潮湿"}, {2, "2 经常潮湿"}, {3, "3 偶尔潮湿"}, {4, "4 很少潮湿"}}},
                 {"activity",
                  "活动能力",
                  {{1, "1 卧床"}, {2, "2 坐椅"}, {3, "3 偶尔步行"}, {4, "4 经常步行"}}},
                 {"mobility",
                  "移动能力",
                  {{1, "1 完全受限"}, {2, "2 非常受限"}, {3, "3 轻度受限"}, {4, "4 不受限"}}},
                 {"nutrition",
                  "营养摄取",
                  {{1, "1 非常差"}, {2, "2 可能不足"}, {3, "3 充足"}, {4, "4 丰富"}}},
                 {"friction",
                  "摩擦力和剪切力",
                  {{1, "1 存在问题"}, {2, "2 潜在问题"}, {3, "3 无明显问题"}}},
             });
    const std::vector<std::pair<std::string, double>> worst = {{"sensory", 1},   {"moisture", 1},
                                                               {"activity", 1},  {"mobility", 1},
                                                               {"nutrition", 1}, {"friction", 1}};
    CheckScaleCases({
        {121, worst, "total=6", 3, "Braden ≤9 分：极高危", "the lowest total"},
        {121, "sensory=1 moisture=1 activity=1 mobility=2 nutrition=2 friction=2", "total=9", 3,
         "Braden ≤9 分：极高危", "9 is very high"},
        {121, "sensory=1 moisture=1 activity=2 mobility=2 nutrition=2 friction=2", "total=10", 3,
         "Braden 10-12 分：高危", "10 is high"},
        {121, "sensory=2 moisture=2 activity=2 mobility=2 nutrition=2 friction=2", "total=12", 3,
         "Braden 10-12 分：高危", "12 is high"},
        {121, "sensory=3 moisture=2 activity=2 mobility=2 nutrition=2 friction=2", "total=13", 2,
         "Braden 13-14 分：中危", "13 is moderate"},
        {121, "sensory=3 moisture=3 activity=2 mobility=2 nutrition=2 friction=2", "total=14", 2,
         "Braden 13-14 分：中危", "14 is moderate"},
        {121, "sensory=3 moisture=3 activity=3 mobility=2 nutrition=2 friction=2", "total=15", 1,
         "Braden 15-18 分：低危", "15 is low"},
        {121, "sensory=3 moisture=3 activity=3 mobility=3 nutrition=3 friction=3", "total=18", 1,
         "Braden 15-18 分：低危", "18 is low"},
        {121, "sensory=4 moisture=3 activity=3 mobility=3 nutrition=3 friction=3", "total=19", 0,
         "Braden ≥19 分：无风险", "19 is not at risk"},
        {121, "", "total=23", 0, "Braden ≥19 分：无风险", "the defaults: the highest total"},
    });
}

TEST(AssessmentScales, MorseAgainstMorse1989AndTheChineseClasses) {
    CheckAgainstSource(
        122,
        {
            {"history", "跌倒史", {{0, "0 无"}, {25, "25 有（近 3 个月内）"}}},
            {"diagnosis", "超过一个医学诊断", {{0, "0 无"}, {15, "15 有"}}},
            {"aid",
             "使用行走辅助工具",
             {{0, "0 不需要/卧床休息/轮椅/护士扶助"},
              {15, "15 拐杖、手杖、助行器"},
              {30, "30 扶家具行走"}}},
            {"infusion", "静脉输液/肝素锁", {{0, "0 无"}, {20, "20 有"}}},
            {"gait",
             "步态",
             {{0, "0 正常/卧床休息/轮椅代步"}, {10, "10 虚弱乏力"}, {20, "20 受损（功能障碍）"}}},
            {"mental", "精神状态", {{0, "0 能正确评估自身能力"}, {15, "15 高估自身能力/忘记受限"}}},
        });
    CheckScaleCases({
        {122, "", "total=0", 0, "Morse <25 分：跌倒低危", "the lowest total"},
        {122, "infusion=20", "total=20", 0, "Morse <25 分：跌倒低危", "20 is low"},
        {122, "history=25", "total=25", 2, "Morse 25-45 分：跌倒中危", "25 is moderate"},
        {122, "history=25 infusion=20", "total=45", 2, "Morse 25-45 分：跌倒中危",
         "45 is moderate on the Chinese form"},
        {122, "history=25 diagnosis=15 gait=10", "total=50", 3, "Morse >45 分：跌倒高危",
         "50 is high"},
        {122, "history=25 diagnosis=15 aid=30 infusion=20 gait=20 mental=15", "total=125", 3,
         "Morse >45 分：跌倒高危", "the highest total"},
    });
}

TEST(AssessmentScales, BarthelAgainstMahoneyAndBarthel1965AndWsT431) {
    const std::vector<std::pair<double, std::string>> tenFiveNone = {
        {10, "10 可独立完成"}, {5, "5 需部分帮助"}, {0, "0 需极大帮助或完全依赖他人"}};
    CheckAgainstSource(
        123,
        {
            {"feeding",
             "进食",
             {{10, "10 可独立进食"}, {5, "5 需部分帮助"}, {0, "0 需极大帮助或完全依赖他人"}}},
            {"bathing",
             "洗澡",
             {{5, "5 准备好洗澡水后可独立完成"}, {0, "0 在洗澡过程中需他人帮助"}}},
            {"grooming", "修饰", {{5, "5 可独立完成"}, {0, "0 需他人帮助"}}},
            {"dressing", "穿衣", tenFiveNone},
            {"bowels",
             "控制大便",
             {{10, "10 可控制大便"}, {5, "5 偶尔失控，或需要他人提示"}, {0, "0 完全失控"}}},
            {"bladder",
             "控制小便",
             {{10, "10 可控制小便"},
              {5, "5 偶尔失控，或需要他人提示"},
              {0, "0 完全失控，或留置导尿管"}}},
            {"toilet", "如厕", tenFiveNone},
            {"transfer",
             "床椅转移",
             {{15, "15 可独立完成"},
              {10, "10 需部分帮助"},
              {5, "5 需极大帮助"},
              {0, "0 完全依赖他人"}}},
            {"walking",
             "平地行走",
             {{15, "15 可独立在平地上行走 45 m"},
              {10, "10 需部分帮助"},
              {5, "5 需极大帮助"},
              {0, "0 完全依赖他人"}}},
            {"stairs",
             "上下楼梯",
             {{10, "10 可独立上下楼梯"}, {5, "5 需部分帮助"}, {0, "0 需极大帮助或完全依赖他人"}}},
        });
    const std::vector<std::pair<std::string, double>> none = {
        {"feeding", 0}, {"bathing", 0}, {"grooming", 0}, {"dressing", 0}, {"bowels", 0},
        {"bladder", 0}, {"toilet", 0},  {"transfer", 0}, {"walking", 0},  {"stairs", 0}};
    auto with = [&](std::vector<std::pair<std::string, double>> extra) {
        std::vector<std::pair<std::string, double>> set = none;
        set.insert(set.end(), extra.begin(), extra.end());
        return set;
    };
    CheckScaleCases({
        {123, none, "total=0", 3, "Barthel ≤40 分：重度依赖", "the lowest total"},
        {123, with({{"feeding", 10}, {"bowels", 10}, {"bladder", 10}, {"transfer", 10}}),
         "total=40", 3, "Barthel ≤40 分：重度依赖", "40 is severe"},
        {123, with({{"feeding", 10}, {"bowels", 10}, {"bladder", 10}, {"transfer", 15}}),
         "total=45", 2, "Barthel 41-60 分：中度依赖", "45 is moderate"},
        {123,
         with(
             {{"feeding", 10}, {"bowels", 10}, {"bladder", 10}, {"transfer", 15}, {"walking", 15}}),
         "total=60", 2, "Barthel 41-60 分：中度依赖", "60 is moderate"},
        {123,
         with({{"feeding", 10},
               {"bowels", 10},
               {"bladder", 10},
               {"transfer", 15},
               {"walking", 15},
               {"grooming", 5}}),
         "total=65", 1, "Barthel 61-99 分：轻度依赖", "65 is mild"},
        {123, "stairs=5", "total=95", 1, "Barthel 61-99 分：轻度依赖", "95 is mild"},
        {123, "", "total=100", 0, "Barthel 100 分：无需依赖", "the defaults: the highest total"},
    });
}

TEST(AssessmentScales, Nrs2002AgainstKondrup2003) {
    // The initial screen's four questions gate every item of the final screen.
    CheckAgainstSource(
        124,
        {{"bmi", "初筛：BMI <20.5", {{0, "否"}, {1, "是"}}},
         {"loss", "初筛：近 3 个月内体重下降", {{0, "否"}, {1, "是"}}},
         {"intake", "初筛：近 1 周进食减少", {{0, "否"}, {1, "是"}}},
         {"severe", "初筛：病情严重（如在 ICU 治疗）", {{0, "否"}, {1, "是"}}}},
        {{"n1a", 1}, {"n1b", 1}, {"n2a", 2}, {"n2b", 2}, {"n2c", 2}, {"n3a", 3}, {"n3b", 3},
         {"n3c", 3}, {"d1a", 1}, {"d1b", 1}, {"d1c", 1}, {"d1d", 1}, {"d1e", 1}, {"d2a", 2},
         {"d2b", 2}, {"d2c", 2}, {"d2d", 2}, {"d3a", 3}, {"d3b", 3}, {"d3c", 3}, {"age", 1}});
    CheckScaleCases({
        {124, "", "total=(no line)", 0, "初筛均为否：暂无营养风险，一周后复筛",
         "the defaults: no initial yes, no final screen and no total"},
        {124, "n3b=3 d3c=3 age=1", "nutrition=(no line)", 0, "初筛均为否",
         "final items ticked without an initial yes do not apply"},
        {124, "loss=1 n1a=1", "total=1", 0, "NRS 2002 <3 分",
         "an initial yes opens the final screen"},
        {124, "loss=1 n1a=1 n2a=2", "nutrition=2", 0, "NRS 2002 <3 分",
         "each part scores its highest grade, not the sum"},
        {124, "bmi=1 n1a=1 d1a=1", "total=2", 0, "NRS 2002 <3 分", "2 is not at risk"},
        {124, "bmi=1 n1a=1 d1a=1 age=1", "total=3", 3, "NRS 2002 ≥3 分：有营养风险",
         "the age point makes 3"},
        {124, "severe=1 d3c=3", "total=3", 3, "NRS 2002 ≥3 分：有营养风险",
         "an ICU patient alone is at risk"},
        {124, "intake=1 n3c=3 d3a=3 age=1", "total=7", 3, "NRS 2002 ≥3 分：有营养风险",
         "the highest total"},
    });
}

TEST(AssessmentScales, CapriniAgainstCaprini2005AndTheChineseClasses) {
    CheckAgainstSource(
        125,
        {{"age", "年龄", {{0, "0 ≤40 岁"}, {1, "1 41-60 岁"}, {2, "2 61-74 岁"}, {3, "3 ≥75 岁"}}}},
        {{"female", 1, false}, {"minor", 1},        {"recent", 1},      {"varicose", 1},
         {"ibd", 1},           {"swollen", 1},      {"obesity", 1},     {"mi", 1},
         {"chf", 1},           {"sepsis", 1},       {"lung", 1},        {"copd", 1},
         {"bedrest", 1},       {"other", 1},        {"hormone", 1},     {"pregnancy", 1},
         {"obstetric", 1},     {"arthroscopic", 2}, {"malignancy", 2},  {"major", 2},
         {"laparoscopic", 2},  {"confined", 2},     {"cast", 2},        {"cvc", 2},
         {"vte", 3},           {"family", 3},       {"leiden", 3},      {"prothrombin", 3},
         {"homocysteine", 3},  {"lupus", 3},        {"cardiolipin", 3}, {"hit", 3},
         {"thrombophilia", 3}, {"arthroplasty", 5}, {"fracture", 5},    {"stroke", 5},
         {"trauma", 5},        {"spinal", 5}});
    CheckScaleCases({
        {125, "", "total=0", 0, "Caprini 0 分：极低危", "the lowest total"},
        {125, "age=1", "total=1", 1, "Caprini 1-2 分：低危", "1 is low"},
        {125, "age=1 obesity=1", "total=2", 1, "Caprini 1-2 分：低危",
         "2 is low with ACCP 2012 (moderate in 2005)"},
        {125, "age=2 obesity=1", "total=3", 2, "Caprini 3-4 分：中危", "3 is moderate"},
        {125, "age=2 major=2", "total=4", 2, "Caprini 3-4 分：中危", "4 is moderate"},
        {125, "age=3 major=2", "total=5", 3, "Caprini ≥5 分：高危", "5 is high"},
        {125, "hormone=1 pregnancy=1 obstetric=1", "total=0", 0, "Caprini 0 分",
         "the women's factors count 0 for a man"},
        {125, "female=1 hormone=1 pregnancy=1", "total=2", 1, "Caprini 1-2 分",
         "and count for a woman"},
    });
    // Every factor ticked, a woman of 75: the highest total.
    const ToolDef& tool = *FindSuiteTool(125);
    std::vector<std::pair<std::string, double>> all = {{"age", 3}};
    int highest = 3;
    for (int i = 1; i < tool.inputCount; ++i) {
        all.emplace_back(tool.inputs[i].key, tool.inputs[i].choices[1].value);
        highest += i == 1 ? 0 : static_cast<int>(tool.inputs[i].choices[1].value);
    }
    EXPECT_EQ(highest, 3 + 13 + 3 + 7 * 2 + 9 * 3 + 5 * 5);
    CheckScaleCases({
        {125, all, "total=" + std::to_string(highest), 3, "Caprini ≥5 分：高危",
         "the highest total"},
    });
}

TEST(AssessmentScales, PaduaAgainstBarbar2010) {
    CheckAgainstSource(126, {},
                       {{"cancer", 3},
                        {"vte", 3},
                        {"mobility", 3},
                        {"thrombophilia", 3},
                        {"trauma", 2},
                        {"elderly", 1},
                        {"failure", 1},
                        {"infarction", 1},
                        {"infection", 1},
                        {"obesity", 1},
                        {"hormone", 1}});
    CheckScaleCases({
        {126, "", "total=0", 0, "Padua <4 分：VTE 低危", "the lowest total"},
        {126, "cancer=3", "total=3", 0, "Padua <4 分：VTE 低危", "3 is low"},
        {126, "cancer=3 elderly=1", "total=4", 3, "Padua ≥4 分：VTE 高危", "4 is high"},
        {126,
         "cancer=3 vte=3 mobility=3 thrombophilia=3 trauma=2 elderly=1 failure=1 infarction=1 "
         "infection=1 obesity=1 hormone=1",
         "total=20", 3, "Padua ≥4 分：VTE 高危", "the highest total"},
    });
}

// Each parameter's band edges from both sides, the others normal.
TEST(AssessmentScales, News2BandsAgainstTheRcp2017Chart) {
    const struct {
        const char* key;
        double value;
        std::vector<std::pair<std::string, double>> also;
        const char* output;
        const char* points;
    } edges[] = {
        {"rr", 8, {}, "rr_score", "3"},
        {"rr", 9, {}, "rr_score", "1"},
        {"rr", 11, {}, "rr_score", "1"},
        {"rr", 12, {}, "rr_score", "0"},
        {"rr", 20, {}, "rr_score", "0"},
        {"rr", 21, {}, "rr_score", "2"},
        {"rr", 24, {}, "rr_score", "2"},
        {"rr", 25, {}, "rr_score", "3"},
        {"spo2", 91, {}, "spo2_score", "3"},
        {"spo2", 92, {}, "spo2_score", "2"},
        {"spo2", 93, {}, "spo2_score", "2"},
        {"spo2", 94, {}, "spo2_score", "1"},
        {"spo2", 95, {}, "spo2_score", "1"},
        {"spo2", 96, {}, "spo2_score", "0"},
        // Scale 2, only when chosen: on air 88 % and above scores 0.
        {"spo2", 83, {{"scale", 2}}, "spo2_score", "3"},
        {"spo2", 84, {{"scale", 2}}, "spo2_score", "2"},
        {"spo2", 85, {{"scale", 2}}, "spo2_score", "2"},
        {"spo2", 86, {{"scale", 2}}, "spo2_score", "1"},
        {"spo2", 87, {{"scale", 2}}, "spo2_score", "1"},
        {"spo2", 88, {{"scale", 2}}, "spo2_score", "0"},
        {"spo2", 92, {{"scale", 2}, {"oxygen", 2}}, "spo2_score", "0"},
        {"spo2", 93, {{"scale", 2}, {"oxygen", 2}}, "spo2_score", "1"},
        {"spo2", 94, {{"scale", 2}, {"oxygen", 2}}, "spo2_score", "1"},
        {"spo2", 95, {{"scale", 2}, {"oxygen", 2}}, "spo2_score", "2"},
        {"spo2", 96, {{"scale", 2}, {"oxygen", 2}}, "spo2_score", "2"},
        {"spo2", 97, {{"scale", 2}, {"oxygen", 2}}, "spo2_score", "3"},
        {"spo2", 100, {{"scale", 2}}, "spo2_score", "0"},
        {"spo2", 90, {{"scale", 2}}, "spo2_score", "0"},
        {"spo2", 90, {{"scale", 1}}, "spo2_score", "3"},
        {"oxygen", 2, {}, "oxygen_score", "2"},
        {"sbp", 90, {}, "sbp_score", "3"},
        {"sbp", 91, {}, "sbp_score", "2"},
        {"sbp", 100, {}, "sbp_score", "2"},
        {"sbp", 101, {}, "sbp_score", "1"},
        {"sbp", 110, {}, "sbp_score", "1"},
        {"sbp", 111, {}, "sbp_score", "0"},
        {"sbp", 219, {}, "sbp_score", "0"},
        {"sbp", 220, {}, "sbp_score", "3"},
        {"pulse", 40, {}, "pulse_score", "3"},
        {"pulse", 41, {}, "pulse_score", "1"},
        {"pulse", 50, {}, "pulse_score", "1"},
        {"pulse", 51, {}, "pulse_score", "0"},
        {"pulse", 90, {}, "pulse_score", "0"},
        {"pulse", 91, {}, "pulse_score", "1"},
        {"pulse", 110, {}, "pulse_score", "1"},
        {"pulse", 111, {}, "pulse_score", "2"},
        {"pulse", 130, {}, "pulse_score", "2"},
        {"pulse", 131, {}, "pulse_score", "3"},
        {"consciousness", 3, {}, "consciousness_score", "3"},
        {"temp", 35.0, {}, "temp_score", "3"},
        {"temp", 35.1, {}, "temp_score", "1"},
        {"temp", 36.0, {}, "temp_score", "1"},
        {"temp", 36.1, {}, "temp_score", "0"},
        {"temp", 38.0, {}, "temp_score", "0"},
        {"temp", 38.1, {}, "temp_score", "1"},
        {"temp", 39.0, {}, "temp_score", "1"},
        {"temp", 39.1, {}, "temp_score", "2"},
    };
    const ToolDef& tool = *FindSuiteTool(127);
    for (const auto& edge : edges) {
        SCOPED_TRACE(std::string(edge.key) + " " + std::to_string(edge.value));
        auto set = edge.also;
        set.emplace_back(edge.key, edge.value);
        EXPECT_EQ(OutputText(tool, ComputeSet(tool, set).report, edge.output), edge.points);
    }
    CheckScaleCases({
        {127, "", "total=0", 0, "NEWS2 0 分：常规监测", "the defaults"},
        {127, "pulse=91", "total=1", 1, "NEWS2 1-4 低危", "1 is low"},
        {127, "rr=22 pulse=105 temp=38.5", "total=4", 1, "NEWS2 1-4 低危",
         "4 without a single 3 is low"},
        {127, "rr=7", "total=3", 2, "单项 3 分（低-中危）", "a single 3 raises a low total"},
        {127, "consciousness=3", "highest=3", 2, "单项 3 分（低-中危）", "new confusion alone"},
        {127, "rr=22 pulse=115 temp=38.5", "total=5", 2, "NEWS2 5-6 中危", "5 is medium"},
        {127, "rr=22 pulse=115 temp=39.5", "total=6", 2, "NEWS2 5-6 中危", "6 is medium"},
        {127, "rr=25 pulse=115 temp=39.5", "total=7", 3, "NEWS2 ≥7 高危", "7 is high"},
        {127, "rr=5 spo2=85 oxygen=2 sbp=80 pulse=140 consciousness=3 temp=34.5", "total=20", 3,
         "NEWS2 ≥7 高危", "the highest total"},
    });
}

TEST(AssessmentScales, MewsBandsAgainstSubbe2001) {
    const struct {
        const char* key;
        double value;
        const char* output;
        const char* points;
    } edges[] = {
        {"sbp", 70, "sbp_score", "3"},     {"sbp", 71, "sbp_score", "2"},
        {"sbp", 80, "sbp_score", "2"},     {"sbp", 81, "sbp_score", "1"},
        {"sbp", 100, "sbp_score", "1"},    {"sbp", 101, "sbp_score", "0"},
        {"sbp", 199, "sbp_score", "0"},    {"sbp", 200, "sbp_score", "2"},
        {"hr", 40, "hr_score", "2"},       {"hr", 41, "hr_score", "1"},
        {"hr", 50, "hr_score", "1"},       {"hr", 51, "hr_score", "0"},
        {"hr", 100, "hr_score", "0"},      {"hr", 101, "hr_score", "1"},
        {"hr", 110, "hr_score", "1"},      {"hr", 111, "hr_score", "2"},
        {"hr", 129, "hr_score", "2"},      {"hr", 130, "hr_score", "3"},
        {"rr", 8, "rr_score", "2"},        {"rr", 9, "rr_score", "0"},
        {"rr", 14, "rr_score", "0"},       {"rr", 15, "rr_score", "1"},
        {"rr", 20, "rr_score", "1"},       {"rr", 21, "rr_score", "2"},
        {"rr", 29, "rr_score", "2"},       {"rr", 30, "rr_score", "3"},
        {"temp", 34.9, "temp_score", "2"}, {"temp", 35.0, "temp_score", "0"},
        {"temp", 38.4, "temp_score", "0"}, {"temp", 38.5, "temp_score", "2"},
        {"avpu", 2, "avpu_score", "2"},
    };
    const ToolDef& tool = *FindSuiteTool(128);
    for (const auto& edge : edges) {
        SCOPED_TRACE(std::string(edge.key) + " " + std::to_string(edge.value));
        EXPECT_EQ(OutputText(tool, ComputeSet(tool, {{edge.key, edge.value}}).report, edge.output),
                  edge.points);
    }
    CheckScaleCases({
        {128, "", "total=1", 0, "MEWS <5 分", "the defaults: a rate of 16 scores 1"},
        {128, "rr=12", "total=0", 0, "MEWS <5 分", "the lowest total"},
        {128, "hr=115 temp=38.6", "total=5", 3, "MEWS ≥5 分", "5 triggers"},
        {128, "hr=115 rr=12 temp=38.6", "total=4", 0, "MEWS <5 分", "4 does not"},
        {128, "sbp=60 hr=140 rr=35 temp=34 avpu=3", "total=14", 3, "MEWS ≥5 分",
         "the highest total"},
    });
}

TEST(AssessmentScales, RassAgainstSessler2002) {
    CheckAgainstSource(129, {{"rass",
                              "RASS 分级",
                              {{4, "+4 有攻击性：暴力行为，对医护人员构成危险"},
                               {3, "+3 非常躁动：拔管或有攻击性"},
                               {2, "+2 躁动：频繁无目的活动，人机对抗"},
                               {1, "+1 不安：焦虑，但动作不剧烈"},
                               {0, "0 清醒且平静"},
                               {-1, "-1 嗜睡：声音唤醒后睁眼并对视 ≥10 秒"},
                               {-2, "-2 轻度镇静：声音唤醒后短暂对视 <10 秒"},
                               {-3, "-3 中度镇静：对声音有活动或睁眼，无对视"},
                               {-4, "-4 深度镇静：对声音无反应，对身体刺激有反应"},
                               {-5, "-5 不可唤醒：对声音和身体刺激均无反应"}}}});
    CheckScaleCases({
        {129, "rass=4", "score=4", 3, "RASS +3 至 +4", "+4"},
        {129, "rass=3", "score=3", 3, "RASS +3 至 +4", "+3"},
        {129, "rass=2", "score=2", 2, "RASS +2：躁动", "+2"},
        {129, "rass=1", "score=1", 0, "RASS -2 至 +1", "+1 is within the target"},
        {129, "", "score=0", 0, "RASS -2 至 +1", "0"},
        {129, "rass=-2", "score=-2", 0, "RASS -2 至 +1", "-2 is within the target"},
        {129, "rass=-3", "score=-3", 1, "RASS -3：中度镇静", "-3"},
        {129, "rass=-4", "score=-4", 2, "RASS -4：深度镇静", "-4"},
        {129, "rass=-5", "score=-5", 3, "RASS -5：不可唤醒", "-5"},
    });
}

TEST(AssessmentScales, CpotAgainstGelinas2006) {
    CheckAgainstSource(
        130,
        {{"face",
          "面部表情",
          {{0, "0 放松、平静"},
           {1, "1 紧张（皱眉、眼眶紧绷）"},
           {2, "2 扮怪相（以上加紧闭双眼）"}}},
         {"body", "身体活动", {{0, "0 无活动或正常体位"}, {1, "1 防卫活动"}, {2, "2 躁动不安"}}},
         {"ventilator",
          "呼吸机顺应性（插管）",
          {{0, "0 耐受呼吸机"}, {1, "1 咳嗽但可耐受"}, {2, "2 对抗呼吸机"}}},
         {"voice",
          "发声（未插管）",
          {{0, "0 言语正常或不发声"}, {1, "1 叹息、呻吟"}, {2, "2 喊叫、哭泣"}}},
         {"muscle", "肌肉紧张度", {{0, "0 放松"}, {1, "1 紧张、僵硬"}, {2, "2 非常紧张或僵硬"}}}},
        {{"intubated", 1, false}});
    CheckScaleCases({
        {130, "", "total=0", 0, "CPOT 0-2 分", "the lowest total"},
        {130, "face=1 muscle=1", "total=2", 0, "CPOT 0-2 分", "2 is no pain"},
        {130, "face=1 muscle=1 body=1", "total=3", 3, "CPOT ≥3 分：存在疼痛", "3 is pain"},
        // The third item switches with intubation: the other one counts 0.
        {130, "voice=2 ventilator=2", "total=2", 0, "CPOT 0-2 分",
         "not intubated: vocalization counts"},
        {130, "intubated=1 voice=2 ventilator=1", "total=1", 0, "CPOT 0-2 分",
         "intubated: the ventilator counts"},
        {130, "intubated=1 face=2 body=2 ventilator=2 muscle=2", "total=8", 3, "CPOT ≥3 分",
         "the highest total"},
    });
}

TEST(AssessmentScales, PainRatingAgainstTheNationalStandard2018) {
    CheckScaleCases({
        {131, "", "score=0", 0, "0 分：无痛", "0"},
        {131, "pain=1", "score=1", 1, "1-3 分：轻度疼痛", "1"},
        {131, "pain=3", "score=3", 1, "1-3 分：轻度疼痛", "3"},
        {131, "pain=4", "score=4", 2, "4-6 分：中度疼痛",
         "4 is moderate here (mild with Serlin 1995)"},
        {131, "pain=6", "score=6", 2, "4-6 分：中度疼痛", "6"},
        {131, "pain=7", "score=7", 3, "7-10 分：重度疼痛", "7"},
        {131, "pain=10", "score=10", 3, "7-10 分：重度疼痛", "10"},
    });
}

// The textbook's examples and hand calculations beside each row.
TEST(DripRate, TextbookExamplesAndTheClockAcrossMidnight) {
    const std::vector<std::pair<std::string, double>> byTime = {{"mode", 1}};
    CheckScaleCases({
        {132, "volume=2000 factor=15 hours=10 minutes=0", "gtt=50", 2, "高于成人常用速度",
         "textbook: 2000 ml in 10 h at 15 drops/ml is 2000 x 15 / 600 = 50 drops/min, 200 ml/h"},
        {132, "volume=2000 factor=15 hours=10 minutes=0", "ml_h=200", -1, "", "and 200 ml/h"},
        {132, "mode=2 drops=54 factor=15", "ml_h=216", 2, "高于成人常用速度",
         "textbook: 54 drops/min at 15 drops/ml is 54 x 60 / 15 = 216 ml/h"},
        {132, "mode=2 volume=1500 drops=50 factor=15 start=9", "run=7", -1, "",
         "1500 ml at 50 drops/min, 15 drops/ml: 1500 x 15 / 50 = 450 min"},
        {132, "mode=2 volume=1500 drops=50 factor=15 start=9", "end=16:30", -1, "",
         "started at 9:00, it ends at 16:30"},
        {132, "mode=2 volume=1500 drops=50 factor=15 start=20", "end=次日", -1, "",
         "started at 20:00, it ends the next day at 3:30"},
        {132, "mode=2 volume=5000 drops=1 factor=60 start=23.5", "end=第210天", -1, "",
         "5000 ml at 1 drop/min of 60 drops/ml runs 300000 min: day 209 after the start"},
        // The end is the start plus the running time as shown: 2.5 min shows
        // 3 and ends at 8:03; 3167.5 min shows 52 h 48 min and, from 2:26,
        // ends at 7:14 on the third day.
        {132, "mode=2 volume=1 factor=15 drops=6 start=8", "run=0", -1, "", "2.5 min: 0 h 3 min"},
        {132, "mode=2 volume=1 factor=15 drops=6 start=8", "end=8:03", -1, "", "8:00 + 3 min"},
        {132, "mode=2 volume=633.5 factor=20 drops=4 start=2.4333333333333333", "end=第3天", -1, "",
         "2:26 + 3167.5 min"},
        // The usual ranges in ml/h from both sides, on any set.
        {132, "volume=1200 factor=10 hours=10 minutes=0", "ml_h=120", 0, "在常用速度范围内",
         "120 ml/h is usual for an adult"},
        {132, "volume=1190 factor=10 hours=10 minutes=0", "ml_h=119", 1, "低于成人常用速度",
         "119 is below"},
        {132, "volume=1800 factor=60 hours=10 minutes=0", "ml_h=180", 0, "在常用速度范围内",
         "180 is usual, on a 60-drop set too"},
        {132, "volume=1810 factor=60 hours=10 minutes=0", "ml_h=181", 2, "高于成人常用速度",
         "181 is above"},
        {132, "group=2 volume=600 hours=10 minutes=0", "ml_h=60.0", 0, "在常用速度范围内",
         "60 ml/h is usual for a child"},
        {132, "group=2 volume=590 hours=10 minutes=0", "ml_h=59.0", 1, "低于儿童常用速度",
         "59 is below"},
        {132, "group=2 volume=1200 hours=10 minutes=0", "ml_h=120", 0, "在常用速度范围内",
         "120 is usual"},
        {132, "group=2 volume=1210 hours=10 minutes=0", "ml_h=121", 2, "高于儿童常用速度",
         "121 is above"},
        {132, "group=2 mode=2 drops=100 factor=60", "ml_h=100", 0, "在常用速度范围内",
         "100 ml/h for a child is usual on a 60-drop set"},
        {132, "group=2 mode=2 drops=100 factor=20", "ml_h=300", 2, "高于儿童常用速度",
         "and 300 ml/h on a 20-drop set is not"},
        // Whole drops, and the verdict reads the whole number.
        {132, "volume=2000 factor=20 hours=12 minutes=0", "gtt=56", -1, "", "55.6 counts 56"},
        {132, "volume=50 factor=60 hours=72 minutes=0", "gtt=1", 1, "低于成人常用速度",
         "0.69 drops/min counts 1"},
        {132, "volume=28 factor=60 hours=72 minutes=0", "gtt=0", 3, "滴速不足 1 滴/分",
         "0.39 drops/min counts 0: it cannot be set"},
        {132, "volume=200.4 factor=60 hours=1 minutes=0", "gtt=200", 2, "高于成人常用速度",
         "200.4 counts 200, the most a chamber is set to"},
        {132, "volume=201 factor=60 hours=1 minutes=0", "gtt=201", 3, "滴速超过 200 滴/分",
         "201 cannot be counted"},
        {132, "volume=5000 factor=60 hours=0 minutes=1", "gtt=300000", 3, "滴速超过 200 滴/分",
         "5000 ml in one minute"},
        {132, "hours=0 minutes=0", "gtt=--", 3, "请核对输入参数后重新计算",
         "no time to run: not computed"},
        {132, "hours=0 minutes=0", "ml_h=--", -1, "", "nor its rate"},
        {132, "hours=0 minutes=0", "end=--", -1, "", "nor when it ends"},
    });
    // The planned time does not apply when the drops are given, and the
    // drops do not apply to a plan.
    const ToolDef& tool = *FindSuiteTool(132);
    double inputs[kMaxInputs] = {};
    for (int i = 0; i < tool.inputCount; ++i) {
        inputs[i] = tool.inputs[i].defaultValue;
    }
    EXPECT_TRUE(InputApplies(tool, inputs, InputIndex(tool, "hours")));
    EXPECT_FALSE(InputApplies(tool, inputs, InputIndex(tool, "drops")));
    inputs[InputIndex(tool, "mode")] = 2;
    EXPECT_FALSE(InputApplies(tool, inputs, InputIndex(tool, "minutes")));
    EXPECT_TRUE(InputApplies(tool, inputs, InputIndex(tool, "drops")));
}

// A scale's report lists each item as chosen, so that the copied result is
// a chart entry; a clear check box and an item that does not apply say
// nothing.
TEST(AssessmentScales, TheReportIsAChartEntry) {
    const ToolDef& tool = *FindSuiteTool(130);
    const std::string report = ComputeSet(tool, {{"intubated", 1}, {"face", 2}}).report;
    EXPECT_EQ(
        report.substr(0, report.find("CPOT 总分")),
        "气管插管：是\r\n面部表情：2 扮怪相（以上加紧闭双眼）\r\n身体活动：0 无活动或正常体位\r\n"
        "呼吸机顺应性（插管）：0 耐受呼吸机\r\n肌肉紧张度：0 放松\r\n");
    const std::string news = ComputeSet(*FindSuiteTool(127), {{"temp", 38.5}}).report;
    EXPECT_NE(news.find("体温：38.5 ℃\r\n"), std::string::npos) << news;
}

}  // namespace
}  // namespace kelomed
