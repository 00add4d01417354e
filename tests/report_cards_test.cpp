#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "app/decisions/selftest.h"
#include "reports/blood_draw_order.h"
#include "reports/critical_values.h"
#include "reports/dosing_times.h"
#include "reports/drug_compatibility.h"
#include "reports/follow_up_plan.h"
#include "reports/high_alert_drugs.h"
#include "reports/infusion_card.h"
#include "reports/lab_panels.h"
#include "reports/nurse_rota.h"
#include "reports/report_line.h"
#include "reports/shift_handover.h"
#include "reports/surgical_checklist.h"
#include "tests/report_tool.h"

namespace kelomed {
namespace {

using testing::GeneratorTool;
using testing::Utf8Of;

struct KindCase {
    ReportGenerator* generate;
    std::vector<const char*> keys;
    std::vector<double> values;
    std::size_t lineCount;
    const char* firstLine;
    const char* verdict;
    std::int32_t level;
};

void PrintTo(const KindCase& c, std::ostream* os) {
    *os << c.firstLine;
}

class EveryKind : public ::testing::TestWithParam<KindCase> {};

TEST_P(EveryKind, ComputesThroughTheEntryAndTheSelftest) {
    const KindCase& c = GetParam();
    const GeneratorTool tool(c.generate, c.keys);
    const auto result = tool.Compute(c.values);
    const auto lines = result.Lines();
    ASSERT_EQ(lines.size(), c.lineCount) << result.report;
    EXPECT_EQ(lines.front(), c.firstLine);
    EXPECT_EQ(result.report.substr(result.report.size() - 2), "\r\n");
    EXPECT_EQ(result.verdict, c.verdict);
    EXPECT_EQ(result.level, c.level);

    char16_t text[kSelftestTextCapacity];
    double defaults[kMaxInputs] = {};
    FillDefaultInputs(tool.tool(), defaults);
    EXPECT_EQ(
        BuildSelftestText(tool.tool(), defaults, testing::kTestToday, text, kSelftestTextCapacity),
        0);
    const std::string selftest = Utf8Of(text);
    EXPECT_NE(selftest.find("\r\nOUT|报告文本|见 DETAIL|\r\nVERDICT|"), std::string::npos);
    EXPECT_EQ(selftest.find("OUT|"), selftest.rfind("OUT|"));
    EXPECT_EQ(selftest.substr(selftest.size() - 10), "ERRORS|0\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, EveryKind,
    ::testing::Values(
        KindCase{GenerateNurseRota,
                 {"nurses", "days"},
                 {3, 3},
                 11,
                 "排班规则：三班轮转（白班 D / 夜班 N / 休息 R），每日每班 1 人，按人员顺序滚动。",
                 "已生成轮转排班表，可复制到排班本或表格",
                 0},
        KindCase{GenerateDosingTimes,
                 {"start", "interval", "times"},
                 {8, 8, 3},
                 3,
                 "首剂时间 8:00，间隔 8 小时，共 3 次：",
                 "给药时间表已生成，注意首剂与夜间给药时间",
                 0},
        KindCase{GenerateBloodDrawOrder,
                 {"kind"},
                 {4},
                 9,
                 "标准采血顺序（按添加剂，避免交叉污染）：",
                 "按标准顺序采血可减少溶血与交叉污染",
                 0},
        KindCase{GenerateCriticalValues,
                 {"kind"},
                 {1},
                 6,
                 "常见检验危急值（参考，需以本院文件为准）：",
                 "危急值必须闭环：报告、接收、处理、记录",
                 0},
        KindCase{GenerateHighAlertDrugs,
                 {"kind"},
                 {2},
                 3,
                 "高警示药品类别与要点：",
                 "高警示药品须专区、专标识、双人核对",
                 0},
        KindCase{GenerateDrugCompatibility,
                 {"drugA", "drugB"},
                 {1, 2},
                 6,
                 "待查：1 号 头孢曲松  +  2 号 葡萄糖酸钙",
                 "禁忌：不可同瓶输注，需间隔冲管",
                 3},
        KindCase{GenerateFollowUpPlan,
                 {"start", "gap", "times"},
                 {1, 7, 3},
                 5,
                 "随访节点（以今天为基准，起始第 1 天，间隔 7 天，共 3 次）：",
                 "随访计划已生成，可按日期短信提醒患者",
                 0},
        KindCase{GenerateSurgicalChecklist,
                 {},
                 {},
                 6,
                 "手术安全核查表（三步核查）：",
                 "三方核查缺一不可，签字后归档",
                 0},
        KindCase{GenerateShiftHandover,
                 {"beds"},
                 {2},
                 5,
                 "交班报告（床号 / 诊断 / 本班病情 / 治疗与管路 / 需下一班关注）：",
                 "模板已生成，床旁交接并双方签名",
                 0},
        KindCase{GenerateInfusionCard,
                 {"bed", "dose", "volume", "gtt"},
                 {12, 2.5, 250, 40},
                 6,
                 "静脉输液卡",
                 "输液卡已生成，双人核对后执行",
                 0},
        KindCase{GenerateLabPanels,
                 {"panel"},
                 {3},
                 2,
                 "凝血四项（淡蓝管）：PT、INR、APTT、TT、纤维蛋白原、D-二聚体。",
                 "套餐与采血管已列出，按顺序采血",
                 0}));

TEST(ReportCards, SelectorsFallBackToTheirDefaultRow) {
    const GeneratorTool blood(GenerateBloodDrawOrder, {"kind"});
    EXPECT_EQ(blood.Compute({7}).Lines()[8], "本次：其他项目，请按检验科项目手册执行。");
    EXPECT_EQ(blood.Compute({1.9}).Lines()[8],
              "本次：血常规 → 紫管 EDTA，采血后 8 次颠倒混匀，2 小时内送检。");
    EXPECT_EQ(blood.Compute({}).Lines()[7], "");

    const GeneratorTool alert(GenerateHighAlertDrugs, {"kind"});
    EXPECT_EQ(alert.Compute({1}).Lines()[1], "高浓度电解质：10% 氯化钾、10% 氯化钠、25% 硫酸镁");
    EXPECT_EQ(alert.Compute({0}).Lines()[1], "麻醉与肌松药：丙泊酚、维库溴铵、琥珀胆碱、阿片类");

    const GeneratorTool panels(GenerateLabPanels, {"panel"});
    for (const double panel : {0.0, 7.0, -1.0, std::nan("")}) {
        const auto lines = panels.Compute({panel}).Lines();
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[1], "注意：留取中段尿，1 小时内送检；月经期避免。") << panel;
    }

    const GeneratorTool critical(GenerateCriticalValues, {"kind"});
    EXPECT_EQ(critical.Compute({6.7}).Lines()[1], "肌钙蛋白明显升高（高于第 99 百分位）");
    for (const double kind : {-1.0, 0.0, 7.0}) {
        const auto lines = critical.Compute({kind}).Lines();
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(lines[1], "请查阅本院《危急值报告目录》");
        EXPECT_EQ(lines[2], "");
    }
    const GeneratorTool criticalWithoutKind(GenerateCriticalValues, {});
    EXPECT_EQ(criticalWithoutKind.Compute({}).Lines().size(), 4u);
}

TEST(ShiftHandover, BedCountIsClampedAfterTruncation) {
    const GeneratorTool handover(GenerateShiftHandover, {"beds"});
    const struct {
        double beds;
        std::size_t bedLines;
    } cases[] = {{0, 1}, {1e12, 1}, {-5, 1}, {31, 30}, {2.9, 2}, {30, 30}};
    for (const auto& c : cases) {
        const auto lines = handover.Compute({c.beds}).Lines();
        ASSERT_EQ(lines.size(), c.bedLines + 3) << c.beds;
        EXPECT_EQ(lines[1].substr(0, 6), "01 床") << c.beds;
    }
    const auto lines = handover.Compute({30}).Lines();
    EXPECT_EQ(
        lines[30],
        "30 床：诊断＿＿；体温＿℃ 脉搏＿次/分 呼吸＿次/分 血压＿/＿mmHg SpO2＿%；本班处置＿＿；"
        "管路（静脉/引流/导尿/吸氧）＿＿；下一班关注＿＿。");
    EXPECT_EQ(GeneratorTool(GenerateShiftHandover, {}).Compute({}).Lines().size(), 4u);
}

TEST(DrugCompatibility, RulesAreSymmetricAndFallBack) {
    const GeneratorTool check(GenerateDrugCompatibility, {"drugA", "drugB"});
    const struct {
        double a;
        double b;
        std::int32_t level;
        const char* verdict;
    } cases[] = {
        {1, 2, 3, "禁忌：不可同瓶输注，需间隔冲管"},
        {2, 1, 3, "禁忌：不可同瓶输注，需间隔冲管"},
        {9, 2, 3, "禁忌：不可同瓶输注，需间隔冲管"},
        {6, 3, 2, "不宜同瓶，分开输注并冲管"},
        {3, 9, 2, "不宜同瓶，分开输注并冲管"},
        {10, 4, 2, "不宜同瓶，建议分开输注"},
        {5, 9, 2, "不宜同瓶，建议分开输注"},
        {7.9, 6, 1, "建议分开输注"},
        {9, 9, 0, "未收录明确禁忌，仍需核对院内配伍表"},
        {1, 9, 0, "未收录明确禁忌，仍需核对院内配伍表"},
        {0, 11, 0, "未收录明确禁忌，仍需核对院内配伍表"},
        {12, 1, 0, "未收录明确禁忌，仍需核对院内配伍表"},
    };
    for (const auto& c : cases) {
        const auto result = check.Compute({c.a, c.b});
        EXPECT_EQ(result.level, c.level) << c.a << "+" << c.b;
        EXPECT_EQ(result.verdict, c.verdict) << c.a << "+" << c.b;
        ASSERT_EQ(result.Lines().size(), 6u);
    }
    const auto swapped = check.Compute({2, 1}).Lines();
    EXPECT_EQ(swapped[0], "待查：2 号 葡萄糖酸钙  +  1 号 头孢曲松");
    EXPECT_EQ(swapped[5], check.Compute({1, 2}).Lines()[5]);
    EXPECT_EQ(swapped[3], "      6奥美拉唑 7维生素C 8胰岛素 9碳酸氢钠 10多巴胺");
    EXPECT_EQ(check.Compute({0, 11}).Lines()[0], "待查：0 号 头孢曲松  +  11 号 头孢曲松");
    EXPECT_EQ(GeneratorTool(GenerateDrugCompatibility, {}).Compute({}).Lines()[0],
              "待查：0 号 头孢曲松  +  0 号 头孢曲松");
}

TEST(InfusionCard, PrintsWhatWasEntered) {
    const GeneratorTool card(GenerateInfusionCard, {"bed", "dose", "volume", "gtt"});
    const auto lines = card.Compute({12, 2.5, 250, 40}).Lines();
    EXPECT_EQ(lines[1], "床号：12");
    EXPECT_EQ(lines[2], "药液：医嘱药量 2.5 ，加入溶媒 250 ml");
    EXPECT_EQ(lines[3], "滴速：40 滴/分（约 120 ml/h）");
    EXPECT_EQ(card.Compute({3.7, -1, 0.5, 0}).Lines()[1], "床号：3");
    EXPECT_EQ(card.Compute({3.7, -1, 0.5, 0}).Lines()[2], "药液：医嘱药量 -1 ，加入溶媒 0.5 ml");
    // Every accepted amount with the digits it was typed with: never 0.00.
    EXPECT_EQ(card.Compute({1, 0.004, 12345.67, 40.5}).Lines()[2],
              "药液：医嘱药量 0.004 ，加入溶媒 12345.67 ml");
    EXPECT_EQ(card.Compute({1, 0.004, 250, 40.5}).Lines()[3], "滴速：40.5 滴/分（约 122 ml/h）");
}

TEST(ReportInputs, FirstKeyCountsAndWholeNumbersTruncate) {
    const GeneratorTool duplicated(GenerateLabPanels, {"panel", "panel"});
    EXPECT_EQ(duplicated.Compute({1, 3}).Lines()[1],
              "注意：剧烈运动、情绪、采血时间可影响结果；PLT 聚集需涂片复核。");
    EXPECT_EQ(ToWholeNumber(2.9), 2);
    EXPECT_EQ(ToWholeNumber(-2.9), -2);
    EXPECT_EQ(ToWholeNumber(2147483647.5), 2147483647);
    EXPECT_EQ(ToWholeNumber(2147483648.0), INT32_MIN);
    EXPECT_EQ(ToWholeNumber(1e12), INT32_MIN);
    EXPECT_EQ(ToWholeNumber(std::nan("")), INT32_MIN);
    EXPECT_EQ(ToWholeNumber(-std::numeric_limits<double>::infinity()), INT32_MIN);
}

}  // namespace
}  // namespace kelomed
