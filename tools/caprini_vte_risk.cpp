// Tool 125: the Caprini risk assessment model of venous thromboembolism.
#include "tools/suite.h"

namespace kelomed {
namespace {

// Caprini (2005): age by its band, then each risk factor worth its points
// when ticked; the women's factors apply only to a woman.
constexpr InputChoice kAge[] = {
    {0, u"0 ≤40 岁"}, {1, u"1 41-60 岁"}, {2, u"2 61-74 岁"}, {3, u"3 ≥75 岁"}};

constexpr InputField kInputs[] = {
    ChoiceInput("age", u"年龄", 0, kAge),
    CheckInput<1>("female", u"女性（适用妇女专项）"),
    CheckInput<1>("minor", u"计划小手术（1 分）"),
    CheckInput<1>("recent", u"大手术史（<1 个月）（1 分）"),
    CheckInput<1>("varicose", u"静脉曲张（1 分）"),
    CheckInput<1>("ibd", u"炎症性肠病史（1 分）"),
    CheckInput<1>("swollen", u"下肢肿胀（现患）（1 分）"),
    CheckInput<1>("obesity", u"肥胖（BMI >25）（1 分）"),
    CheckInput<1>("mi", u"急性心肌梗死（1 分）"),
    CheckInput<1>("chf", u"充血性心力衰竭（<1 个月）（1 分）"),
    CheckInput<1>("sepsis", u"败血症（<1 个月）（1 分）"),
    CheckInput<1>("lung", u"严重肺部疾病，含肺炎（<1 个月）（1 分）"),
    CheckInput<1>("copd", u"肺功能异常（COPD）（1 分）"),
    CheckInput<1>("bedrest", u"卧床的内科患者（1 分）"),
    CheckInput<1>("other", u"其他危险因素（1 分）"),
    CheckInput<1>("hormone", u"口服避孕药或激素替代治疗（1 分）", "female"),
    CheckInput<1>("pregnancy", u"妊娠期或产后（<1 个月）（1 分）", "female"),
    CheckInput<1>("obstetric", u"不明原因死产、反复流产（≥3 次）等（1 分）", "female"),
    CheckInput<2>("arthroscopic", u"关节镜手术（2 分）"),
    CheckInput<2>("malignancy", u"恶性肿瘤（既往或现患）（2 分）"),
    CheckInput<2>("major", u"大手术（>45 分钟）（2 分）"),
    CheckInput<2>("laparoscopic", u"腹腔镜手术（>45 分钟）（2 分）"),
    CheckInput<2>("confined", u"卧床（>72 小时）（2 分）"),
    CheckInput<2>("cast", u"石膏固定（<1 个月）（2 分）"),
    CheckInput<2>("cvc", u"中心静脉置管（2 分）"),
    CheckInput<3>("vte", u"静脉血栓栓塞症（DVT/PE）史（3 分）"),
    CheckInput<3>("family", u"血栓家族史（3 分）"),
    CheckInput<3>("leiden", u"凝血因子 V Leiden 阳性（3 分）"),
    CheckInput<3>("prothrombin", u"凝血酶原 20210A 阳性（3 分）"),
    CheckInput<3>("homocysteine", u"血清同型半胱氨酸升高（3 分）"),
    CheckInput<3>("lupus", u"狼疮抗凝物阳性（3 分）"),
    CheckInput<3>("cardiolipin", u"抗心磷脂抗体升高（3 分）"),
    CheckInput<3>("hit", u"肝素诱导的血小板减少症（HIT）（3 分）"),
    CheckInput<3>("thrombophilia", u"其他先天或获得性血栓形成倾向（3 分）"),
    CheckInput<5>("arthroplasty", u"择期下肢关节置换术（5 分）"),
    CheckInput<5>("fracture", u"髋关节、骨盆或下肢骨折（<1 个月）（5 分）"),
    CheckInput<5>("stroke", u"脑卒中（<1 个月）（5 分）"),
    CheckInput<5>("trauma", u"多发性创伤（<1 个月）（5 分）"),
    CheckInput<5>("spinal", u"急性脊髓损伤（瘫痪）（<1 个月）（5 分）"),
};

constexpr OutputField kOutputs[] = {
    {"total", u"Caprini 总分", u"分",
     "age+minor+recent+varicose+ibd+swollen+obesity+mi+chf+sepsis+lung+copd+bedrest+other+"
     "hormone+pregnancy+obstetric+arthroscopic+malignancy+major+laparoscopic+confined+cast+cvc+"
     "vte+family+leiden+prothrombin+homocysteine+lupus+cardiolipin+hit+thrombophilia+"
     "arthroplasty+fracture+stroke+trauma+spinal",
     "int"},
};

// The classes of ACCP 2012 and the Chinese guidance of 2018 (a total of 2
// is low risk there, moderate in Caprini's own 2005 classes).
constexpr VerdictRule kRules[] = {
    {"total>=5", 3, u"Caprini ≥5 分：高危"},
    {"total>=3", 2, u"Caprini 3-4 分：中危"},
    {"total>=1", 1, u"Caprini 1-2 分：低危"},
    {"", 0, u"Caprini 0 分：极低危"},
};

constexpr ToolDef kTool = ScaleTool(
    {125, u"Caprini 静脉血栓风险评估", u"外科住院患者 VTE 风险，年龄与各危险因素计分", u"护理评估",
     u"危险因素与计分：Caprini JA. Dis Mon 2005;51(2-3):70-78；风险分级按 Gould MK 等. Chest "
     u"2012;141(2 Suppl):e227S-e277S 与《医院内静脉血栓栓塞症防治与管理建议》（中华医学杂志 "
     u"2018;98(18):1383-1388）：0 极低危，1-2 低危，3-4 中危，≥5 高危（Caprini 2005 原分级以 2 "
     u"分为中危）",
     u"用于外科住院患者；内科患者用 Padua 评估。预防措施由医生结合出血风险决定。",
     "caprini jmxsfxpg"},
    kInputs, kOutputs, kRules);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
