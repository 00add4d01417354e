// Tool 126: the Padua prediction score of venous thromboembolism.
#include "tools/suite.h"

namespace kelomed {
namespace {

// Barbar et al. (2010): eleven risk factors, each worth its points.
constexpr InputField kInputs[] = {
    CheckInput<3>("cancer", u"活动性恶性肿瘤（3 分）"),
    CheckInput<3>("vte", u"既往静脉血栓栓塞症（3 分）"),
    CheckInput<3>("mobility", u"活动能力下降（卧床 ≥3 天）（3 分）"),
    CheckInput<3>("thrombophilia", u"已知的易栓症（3 分）"),
    CheckInput<2>("trauma", u"近期（≤1 个月）创伤和/或手术（2 分）"),
    CheckInput<1>("elderly", u"年龄 ≥70 岁（1 分）"),
    CheckInput<1>("failure", u"心脏和/或呼吸衰竭（1 分）"),
    CheckInput<1>("infarction", u"急性心肌梗死和/或缺血性脑卒中（1 分）"),
    CheckInput<1>("infection", u"急性感染和/或风湿性疾病（1 分）"),
    CheckInput<1>("obesity", u"肥胖（BMI ≥30）（1 分）"),
    CheckInput<1>("hormone", u"正在进行激素治疗（1 分）"),
};

constexpr OutputField kOutputs[] = {
    {"total", u"Padua 总分", u"分",
     "cancer+vte+mobility+thrombophilia+trauma+elderly+failure+infarction+infection+obesity+"
     "hormone",
     "int"},
};

constexpr VerdictRule kRules[] = {
    {"total>=4", 3, u"Padua ≥4 分：VTE 高危"},
    {"", 0, u"Padua <4 分：VTE 低危"},
};

constexpr ToolDef kTool = ScaleTool(
    {126, u"Padua 静脉血栓风险评估", u"内科住院患者 VTE 风险，11 项危险因素", u"护理评估",
     u"Barbar S, Noventa F, Rossetto V, et al. J Thromb Haemost 2010;8(11):2450-2457：≥4 分高危，"
     u"<4 分低危；《医院内静脉血栓栓塞症防治与管理建议》（中华医学杂志 2018;98(18):1383-1388）同此",
     u"用于内科住院患者；外科患者用 Caprini 评估。预防措施由医生结合出血风险决定。",
     "padua jmxsfxpg"},
    kInputs, kOutputs, kRules);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
