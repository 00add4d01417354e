// Tool 130: the Critical-care Pain Observation Tool.
#include "tools/suite.h"

namespace kelomed {
namespace {

// Gélinas et al. (2006): four items of 0 to 2; the third is compliance with
// the ventilator for an intubated patient, vocalization for one who is not.
constexpr InputChoice kFace[] = {
    {0, u"0 放松、平静"}, {1, u"1 紧张（皱眉、眼眶紧绷）"}, {2, u"2 扮怪相（以上加紧闭双眼）"}};
constexpr InputChoice kBody[] = {
    {0, u"0 无活动或正常体位"}, {1, u"1 防卫活动"}, {2, u"2 躁动不安"}};
constexpr InputChoice kVentilator[] = {
    {0, u"0 耐受呼吸机"}, {1, u"1 咳嗽但可耐受"}, {2, u"2 对抗呼吸机"}};
constexpr InputChoice kVoice[] = {
    {0, u"0 言语正常或不发声"}, {1, u"1 叹息、呻吟"}, {2, u"2 喊叫、哭泣"}};
constexpr InputChoice kMuscle[] = {{0, u"0 放松"}, {1, u"1 紧张、僵硬"}, {2, u"2 非常紧张或僵硬"}};

constexpr InputField kInputs[] = {
    CheckInput<1>("intubated", u"气管插管"),
    ChoiceInput("face", u"面部表情", 0, kFace),
    ChoiceInput("body", u"身体活动", 0, kBody),
    ChoiceInput("ventilator", u"呼吸机顺应性（插管）", 0, kVentilator, "intubated"),
    ChoiceInput("voice", u"发声（未插管）", 0, kVoice, "!intubated"),
    ChoiceInput("muscle", u"肌肉紧张度", 0, kMuscle),
};

constexpr OutputField kOutputs[] = {
    {"total", u"CPOT 总分", u"分", "face+body+ventilator+voice+muscle", "int"},
};

constexpr VerdictRule kRules[] = {
    {"total>=3", 3, u"CPOT ≥3 分：存在疼痛，报告医生并评估镇痛"},
    {"", 0, u"CPOT 0-2 分：无明显疼痛"},
};

constexpr ToolDef kTool =
    ScaleTool({130, u"CPOT 重症疼痛观察", u"不能自述疼痛的重症患者，4 项 0-8 分", u"护理评估",
               u"条目：Gélinas C, Fillion L, Puntillo KA, et al. Am J Crit Care "
               u"2006;15(4):420-427（插管患者评"
               u"呼吸机顺应性，未插管评发声）；界值 >2 分：Gélinas C 等. J Pain Symptom Manage "
               u"2009;37(1):58-67，"
               u"中国成人 ICU 镇痛和镇静治疗指南（2018）同此",
               u"静息时观察 1 分钟，翻身等操作时再评；能自述者用数字评分。", "cpot zzttgc"},
              kInputs, kOutputs, kRules);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
