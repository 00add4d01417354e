// Tool 066: the Glasgow Coma Scale total.
#include "tools/suite.h"

namespace kelomed {
namespace {

// Each response by its score and the descriptor of the published scale;
// a score the window cannot give (a fraction, one above the scale) still
// makes the total infinite, so a compute from elsewhere fails visibly.
constexpr InputChoice kEyeOpening[] = {
    {4, u"4 自动睁眼"},
    {3, u"3 呼唤睁眼"},
    {2, u"2 刺痛睁眼"},
    {1, u"1 无睁眼"},
};
constexpr InputChoice kVerbalResponse[] = {
    {5, u"5 回答正确（定向正常）"},
    {4, u"4 回答错乱"},
    {3, u"3 用词不当"},
    {2, u"2 只能发声"},
    {1, u"1 无发声"},
};
constexpr InputChoice kMotorResponse[] = {
    {6, u"6 遵嘱动作"},         {5, u"5 刺痛定位"}, {4, u"4 刺痛躲避（正常屈曲）"},
    {3, u"3 刺痛屈曲（异常）"}, {2, u"2 刺痛伸直"}, {1, u"1 无反应"},
};
constexpr InputField kInputs[] = {
    ChoiceInput("e", u"睁眼反应 E", 4, kEyeOpening),
    ChoiceInput("v", u"语言反应 V", 5, kVerbalResponse),
    ChoiceInput("m", u"运动反应 M", 6, kMotorResponse),
};

constexpr OutputField kOutputs[] = {
    {"total", u"GCS 总分", u"分",
     "e+v+m+(e==floor(e)&&e<=4&&v==floor(v)&&v<=5&&m==floor(m)&&m<=6?0:1e999)", "int"},
};

// The severity classes of the 15-point total; 15 is mild like 13 and 14,
// with full consciousness.
constexpr VerdictRule kRules[] = {
    {"total<=8", 3, u"GCS 3-8：重型，昏迷，注意保护气道"},
    {"total<=12", 2, u"GCS 9-12：中型"},
    {"total<=14", 1, u"GCS 13-14：轻型"},
    {"", 0, u"GCS 15：轻型，意识清楚"},
};

constexpr ToolDef kTool = FormulaTool(
    {66, u"格拉斯哥昏迷评分", u"GCS：睁眼、语言、运动", u"护理评估",
     u"Teasdale G, Jennett B. Lancet 1974;2:81（原量表，运动 5 级）；本工具按现行 15 分制：睁眼 "
     u"1-4、语言 1-5、运动 1-6，总分 3-15，分别记录 E、V、M（Teasdale G 等. Lancet Neurol "
     u"2014;13:844）；分级：13-15 轻型，9-12 中型，3-8 重型",
     u"各项按最佳反应选择；病历中请分别记录 E、V、M（如 "
     u"E4V5M6），总分用于分级。气管插管、失语等语言"
     u"无法评估时本工具不适用。",
     "glsghmpf"},
    kInputs, kOutputs, kRules);

}  // namespace

KELOMED_SUITE_TOOL(kTool)

}  // namespace kelomed
