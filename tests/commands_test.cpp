#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/decisions/commands.h"
#include "app/decisions/field_text.h"
#include "engine/tool_model.h"
#include "reports/nurse_rota.h"
#include "tests/recording_view.h"
#include "tests/report_tool.h"
#include "tests/test_tools.h"
#include "tools/suite.h"

namespace kelomed {
namespace {

using testing::RecordingView;
using testing::Utf8Of;

struct FieldCase {
    const char16_t* text;
    bool accepted;
    double value;
};

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << testing::Utf8Of(c.text);
}

class FieldText : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldText, IsWhollyOneNumberOrRefused) {
    const FieldCase& c = GetParam();
    double value = -99;
    EXPECT_EQ(ParseFieldText(c.text, value), c.accepted);
    EXPECT_EQ(value, c.accepted ? c.value : -99);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FieldText,
    ::testing::Values(
        FieldCase{u"", true, 0}, FieldCase{u"   ", true, 0}, FieldCase{u"0.2", true, 0.2},
        FieldCase{u"  60  ", true, 60}, FieldCase{u"-1.5", true, -1.5}, FieldCase{u"+3", true, 3},
        FieldCase{u".5", true, 0.5}, FieldCase{u"5.", true, 5}, FieldCase{u"1e3", true, 1000},
        FieldCase{u"2.5E-2", true, 0.025}, FieldCase{u"０.５", true, 0.5},
        FieldCase{u"１２", true, 12}, FieldCase{u"－３．５", true, -3.5},
        FieldCase{u"\u3000４\u3000", true, 4}, FieldCase{u"1e-400", false, 0},
        FieldCase{u"inf", false, 0}, FieldCase{u"nan", false, 0}, FieldCase{u"1e999", false, 0},
        FieldCase{u"abc", false, 0}, FieldCase{u"12abc", false, 0}, FieldCase{u"1,5", false, 0},
        FieldCase{u"0x1A", false, 0}, FieldCase{u"--1", false, 0}, FieldCase{u"+-1", false, 0},
        FieldCase{u"-", false, 0}, FieldCase{u".", false, 0}, FieldCase{u"1e", false, 0},
        FieldCase{u"1 2", false, 0}, FieldCase{u"１，５", false, 0}, FieldCase{u"5。", false, 0}));

struct ClockCase {
    const char16_t* text;
    bool accepted;
    double hours;
};

void PrintTo(const ClockCase& c, std::ostream* os) {
    *os << testing::Utf8Of(c.text);
}

class ClockTimeText : public ::testing::TestWithParam<ClockCase> {};

TEST_P(ClockTimeText, IsHoursAndMinutesOrAWholeHour) {
    const ClockCase& c = GetParam();
    double hours = -99;
    EXPECT_EQ(ParseClockTimeText(c.text, hours), c.accepted);
    EXPECT_EQ(hours, c.accepted ? c.hours : -99);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ClockTimeText,
    ::testing::Values(ClockCase{u"8:30", true, 8.5}, ClockCase{u"08:05", true, 8 + 5 / 60.0},
                      ClockCase{u" 23:59 ", true, 23 + 59 / 60.0}, ClockCase{u"0:00", true, 0},
                      ClockCase{u"８：３０", true, 8.5}, ClockCase{u"8", true, 8},
                      ClockCase{u"17", true, 17}, ClockCase{u"", false, 0},
                      ClockCase{u"0830", false, 0}, ClockCase{u"7.30", false, 0},
                      ClockCase{u"7.5", false, 0}, ClockCase{u"24:00", false, 0},
                      ClockCase{u"8:60", false, 0}, ClockCase{u"8:5", false, 0},
                      ClockCase{u"8:300", false, 0}, ClockCase{u"-1:00", false, 0},
                      ClockCase{u"8:30pm", false, 0}, ClockCase{u":30", false, 0}));

TEST(FieldText, TooLongTextIsRefusedNotCut) {
    std::u16string digits = u"0." + std::u16string(125, u'1');
    double value = 0;
    EXPECT_TRUE(ParseFieldText(digits.c_str(), value));
    digits += u"1";
    EXPECT_FALSE(ParseFieldText(digits.c_str(), value));
}

class Commands : public ::testing::Test {
  protected:
    void SetUp() override {
        state_ = std::make_unique<WindowState>();
        InitializeWindowState(*state_, ToolDefinition<48>());
        view_.fields = {u"0.2", u"60", u"4", u"50"};
    }

    WindowState& state() { return *state_; }

    std::unique_ptr<WindowState> state_;
    RecordingView view_;
};

TEST_F(Commands, StartsReadyWithoutResult) {
    EXPECT_EQ(Utf8Of(state().statusText), "就绪：填写参数后按 F5 或点击“计算”");
    EXPECT_FALSE(HasResult(state()));
}

// The engine's report and verdict of the defaults, as the window must show them.
std::pair<std::string, std::string> DefaultResult() {
    const double inputs[kMaxInputs] = {0.20000000298023224, 60, 4, 50};
    const testing::ReportResult result = testing::ComputeReport(ToolDefinition<48>(), inputs);
    return {result.report, result.verdict};
}

TEST_F(Commands, ComputeShowsResultAndKeepsCopyText) {
    RunComputeCommand(state(), view_, testing::kTestToday);
    const auto [report, verdict] = DefaultResult();
    EXPECT_TRUE(view_.messages.empty());
    EXPECT_EQ(view_.result, report);
    EXPECT_EQ(view_.verdictText, verdict);
    EXPECT_EQ(Utf8Of(state().copyText), report + "—— " + verdict);
    EXPECT_EQ(Utf8Of(state().statusText), "计算完成  去甲肾上腺素配置与剂量");
    EXPECT_EQ(state().inputs[0], 0.2);
    EXPECT_EQ(state().level, 0);
    // The focus stays where the compute came from, so F5 and Enter go on.
    EXPECT_EQ(view_.focusedField, -1);
    EXPECT_GE(view_.verdictRedraws, 1);

    view_.fields[0] = u"1.5";
    RunComputeCommand(state(), view_, testing::kTestToday);
    EXPECT_EQ(state().level, 3);
    EXPECT_EQ(view_.verdictText, "剂量超过 1ug/kg/min，休克加重，评估联合用药");
}

TEST_F(Commands, RefusedFieldChangesNothingAndReportsTheFirst) {
    const struct {
        std::vector<std::u16string> fields;
        const char* message;
        int focus;
    } cases[] = {
        {{u"1.5", u"12abc", u"inf", u"50"}, "第 2 项“体重”请输入数字。", 1},
        // Each input of tool 48 has its range; an empty field reads 0.
        {{u"0", u"60", u"4", u"50"}, "第 1 项“目标剂量”应在 0.01 至 5 ug/kg/min 之间。", 0},
        {{u"-0.2", u"60", u"4", u"50"}, "第 1 项“目标剂量”应在 0.01 至 5 ug/kg/min 之间。", 0},
        {{u"5.01", u"60", u"4", u"50"}, "第 1 项“目标剂量”应在 0.01 至 5 ug/kg/min 之间。", 0},
        {{u"0.2", u"", u"4", u"50"}, "第 2 项“体重”应在 0.3 至 500 kg 之间。", 1},
        {{u"0.2", u"1e308", u"4", u"50"}, "第 2 项“体重”应在 0.3 至 500 kg 之间。", 1},
        {{u"0.2", u"60", u"-0", u"50"}, "第 3 项“药量”应在 0.1 至 100 mg 之间。", 2},
        {{u"0.2", u"60", u"5e-324", u"50"}, "第 3 项“药量”应在 0.1 至 100 mg 之间。", 2},
        {{u"0.2", u"60", u"4", u"0"}, "第 4 项“稀释至”应在 1 至 1000 ml 之间。", 3},
        {{u"0.2", u"60", u"4", u"1000.5"}, "第 4 项“稀释至”应在 1 至 1000 ml 之间。", 3},
        // Fields are checked in order, whichever way the first one is bad.
        {{u"0", u"abc", u"4", u"50"}, "第 1 项“目标剂量”应在 0.01 至 5 ug/kg/min 之间。", 0},
        {{u"0.2", u"abc", u"0", u"50"}, "第 2 项“体重”请输入数字。", 1},
    };
    RunComputeCommand(state(), view_, testing::kTestToday);
    const std::string report = Utf8Of(state().reportCopy);
    const std::string copy = Utf8Of(state().copyText);
    const std::string status = Utf8Of(state().statusText);
    for (const auto& c : cases) {
        view_.fields = c.fields;
        view_.result = "untouched";
        view_.verdictText = "untouched";
        view_.messages.clear();
        RunComputeCommand(state(), view_, testing::kTestToday);
        ASSERT_EQ(view_.messages.size(), 1u) << c.message;
        EXPECT_EQ(view_.messages[0].text, c.message);
        EXPECT_EQ(view_.messages[0].caption, "输入有误");
        EXPECT_EQ(view_.messages[0].icon, MessageIcon::Warning);
        EXPECT_EQ(view_.focusedField, c.focus) << c.message;
        EXPECT_EQ(view_.result, "untouched");
        EXPECT_EQ(view_.verdictText, "untouched");
        EXPECT_EQ(Utf8Of(state().reportCopy), report);
        EXPECT_EQ(Utf8Of(state().copyText), copy);
        EXPECT_EQ(Utf8Of(state().statusText), status);
        EXPECT_EQ(state().level, 0);
        // The kept inputs still belong to the result on screen.
        EXPECT_EQ(state().inputs[0], 0.2);
        EXPECT_EQ(state().inputs[1], 60);
        EXPECT_EQ(state().inputs[2], 4);
        EXPECT_EQ(state().inputs[3], 50);
    }
}

TEST_F(Commands, FailedComputeShowsItsReportWithTheWarningVerdict) {
    // Tool 48's ranges keep every output computable, so a tool whose inputs
    // take any number shows the failure: a dilution of 0.
    InitializeWindowState(state(), testing::kProbeTool);
    view_.fields = {u"0.2", u"60", u"4", u"0", u"1"};
    RunComputeCommand(state(), view_, testing::kTestToday);
    EXPECT_TRUE(view_.messages.empty());
    EXPECT_EQ(view_.result.substr(0, view_.result.find("两倍")),
              "浓度：-- ug/ml\r\n泵速：-- ml/h\r\n");
    EXPECT_NE(view_.result.find("（部分结果无法计算，请检查输入是否合理）\r\n"), std::string::npos);
    EXPECT_EQ(view_.verdictText, "请核对输入参数后重新计算");
    EXPECT_EQ(state().level, 3);
    EXPECT_EQ(Utf8Of(state().copyText), view_.result + "—— 请核对输入参数后重新计算");
    EXPECT_GE(view_.verdictRedraws, 1);
}

// What each suite tool's fields refuse, with the message that says what the
// field takes; the earlier fields at their defaults.
TEST(CommandsForSuiteTools, RefuseValuesOutsideTheirRangeAndSayWhatTheyTake) {
    const struct {
        int id;
        int field;
        const char16_t* text;
        const char* message;
    } cases[] = {
        {49, 2, u"1e-300", "第 3 项“药量”应在 0.1 至 100 mg 之间。"},
        {49, 0, u"5e-324", "第 1 项“泵速”应在 0.1 至 999 ml/h 之间。"},
        {62, 1, u"1e-160", "第 2 项“身高”应在 50 至 280 cm 之间。"},
        {63, 1, u"17", "第 2 项“年龄”应为 18 至 120 岁之间的整数。"},
        {63, 1, u"50.5", "第 2 项“年龄”应为 18 至 120 岁之间的整数。"},
        {64, 1, u"0", "第 2 项“心率”应在 20 至 300 次/分之间。"},
        {65, 1, u"25", "第 2 项“INR”应在 0.5 至 20 之间。"},
        {101, 0, u"41", "第 1 项“护士人数”应为 1 至 40 人之间的整数。"},
        {101, 1, u"32", "第 2 项“排班天数”应为 1 至 31 天之间的整数。"},
        {101, 0, u"2.9", "第 1 项“护士人数”应为 1 至 40 人之间的整数。"},
        {102, 0, u"0830", "第 1 项“首剂时间”请按“时:分”填写，如 8:30（0:00 至 23:59）。"},
        {102, 0, u"7.30", "第 1 项“首剂时间”请按“时:分”填写，如 8:30（0:00 至 23:59）。"},
        {102, 2, u"31", "第 3 项“给药次数”应为 1 至 30 次之间的整数。"},
        {107, 0, u"1e308", "第 1 项“首次随访”应为 0 至 3650 天后之间的整数。"},
        {109, 0, u"31", "第 1 项“床位数”应为 1 至 30 床之间的整数。"},
        {110, 0, u"1e308", "第 1 项“床号”应为 1 至 9999 床之间的整数。"},
        {110, 1, u"0", "第 2 项“医嘱药量”应在 0.001 至 100000 之间。"},
    };
    for (const auto& c : cases) {
        const ToolDef& tool = *FindSuiteTool(c.id);
        auto state = std::make_unique<WindowState>();
        InitializeWindowState(*state, tool);
        RecordingView view;
        view.fields.resize(static_cast<std::size_t>(tool.inputCount));
        RunResetCommand(*state, view);
        RunComputeCommand(*state, view, testing::kTestToday);
        const std::string before = view.result;
        view.fields[static_cast<std::size_t>(c.field)] = c.text;
        view.messages.clear();
        RunComputeCommand(*state, view, testing::kTestToday);
        ASSERT_EQ(view.messages.size(), 1u) << c.message;
        EXPECT_EQ(view.messages[0].text, c.message);
        EXPECT_EQ(view.focusedField, c.field) << c.message;
        EXPECT_EQ(view.result, before) << c.message;
    }
}

// A bound that is itself not allowed, and a whole number with one bound.
TEST(CommandsForRanges, MessagesSayWhichBoundsAreAllowed) {
    static constexpr InputField inputs[] = {
        NumberInput("a", u"甲", u"mg", 1, AboveUpTo(0, 5)),
        NumberInput("b", u"乙", u"", 1, {0, 10, true, false, true}),
        NumberInput("c", u"丙", u"次", 1, {1, kAnyNumber.highest, true, true, true}),
        NumberInput("d", u"丁", u"", 1, {kAnyNumber.lowest, 2, true, false, false}),
    };
    static_assert(InputsAreConsistent(inputs));
    static constexpr ToolDef tool = {
        5,      u"t", nullptr, u"检验", u"r",    nullptr, InputCountOf(inputs),
        inputs, 0,    nullptr, 0,       nullptr, nullptr};
    const struct {
        std::vector<std::u16string> fields;
        const char* message;
    } cases[] = {
        {{u"0", u"1", u"1", u"1"}, "第 1 项“甲”应大于 0 且不大于 5 mg。"},
        {{u"5.5", u"1", u"1", u"1"}, "第 1 项“甲”应大于 0 且不大于 5 mg。"},
        {{u"5", u"10", u"1", u"1"}, "第 2 项“乙”应为不小于 0 且小于 10 的整数。"},
        {{u"5", u"9", u"0", u"1"}, "第 3 项“丙”应为不小于 1 次的整数。"},
        {{u"5", u"9", u"1e300", u"2"}, "第 4 项“丁”应小于 2。"},
        {{u"5", u"9", u"1e300", u"-1e300"}, nullptr},
    };
    auto state = std::make_unique<WindowState>();
    InitializeWindowState(*state, tool);
    RecordingView view;
    for (const auto& c : cases) {
        view.fields = c.fields;
        view.messages.clear();
        RunComputeCommand(*state, view, testing::kTestToday);
        if (c.message == nullptr) {
            EXPECT_TRUE(view.messages.empty());
        } else {
            ASSERT_EQ(view.messages.size(), 1u) << c.message;
            EXPECT_EQ(view.messages[0].text, c.message);
        }
    }
}

// A choice input's value is the number of the chosen item; reset chooses
// the default again, and a clock time is typed and restored as H:MM.
TEST(CommandsForSuiteTools, ChoicesAndClockTimesAreReadAndReset) {
    auto state = std::make_unique<WindowState>();
    InitializeWindowState(*state, *FindSuiteTool(106));
    RecordingView view;
    view.fields.resize(2);
    RunResetCommand(*state, view);
    EXPECT_EQ(view.chosen[0], 0);
    EXPECT_EQ(view.chosen[1], 1);
    view.chosen[1] = 2;
    RunComputeCommand(*state, view, testing::kTestToday);
    EXPECT_EQ(state->inputs[1], 3);
    EXPECT_EQ(view.result.substr(0, view.result.find("\r\n")),
              "待查：1 号 头孢曲松  +  3 号 万古霉素");
    view.chosen[0] = -1;
    RunComputeCommand(*state, view, testing::kTestToday);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "第 1 项“药物 A”请从列表中选择。");

    InitializeWindowState(*state, *FindSuiteTool(102));
    view.fields.assign(3, u"");
    RunResetCommand(*state, view);
    EXPECT_EQ(view.fields, (std::vector<std::u16string>{u"8:00", u"8", u"3"}));
    view.fields[0] = u"8:30";
    RunComputeCommand(*state, view, testing::kTestToday);
    EXPECT_EQ(state->inputs[0], 8.5);
    EXPECT_EQ(
        view.result.substr(0, view.result.find("\r\n", view.result.find("\r\n") + 2)),
        "首剂时间 8:30，间隔 8 小时，共 3 次：\r\n第1天 08:30  |  第1天 16:30  |  第2天 00:30");
}

TEST_F(Commands, FieldLongerThanItsBufferIsRefused) {
    view_.fields[3] = u"5" + std::u16string(200, u'0');
    RunComputeCommand(state(), view_, testing::kTestToday);
    ASSERT_EQ(view_.messages.size(), 1u);
    EXPECT_EQ(view_.messages[0].text, "第 4 项“稀释至”请输入数字。");
}

TEST_F(Commands, CopyNeedsAResultAndReportsClipboardFailure) {
    RunCopyCommand(state(), view_);
    ASSERT_EQ(view_.messages.size(), 1u);
    EXPECT_EQ(view_.messages[0].text, "请先点击“计算”生成结果。");
    EXPECT_EQ(view_.messages[0].caption, "提示");
    EXPECT_EQ(view_.messages[0].icon, MessageIcon::Information);

    RunComputeCommand(state(), view_, testing::kTestToday);
    RunCopyCommand(state(), view_);
    const auto [report, verdict] = DefaultResult();
    EXPECT_EQ(view_.clipboard, "去甲肾上腺素配置与剂量\r\n" + report + "—— " + verdict);
    EXPECT_EQ(Utf8Of(state().statusText), "结果已复制到剪贴板");

    view_.clipboardWorks = false;
    RunCopyCommand(state(), view_);
    EXPECT_EQ(Utf8Of(state().statusText), "复制失败，请重试");
}

TEST_F(Commands, ResetRestoresDefaultsAndDropsTheResult) {
    view_.fields = {u"1.5", u"70", u"8", u"100"};
    RunComputeCommand(state(), view_, testing::kTestToday);
    RunResetCommand(state(), view_);
    EXPECT_EQ(view_.fields, (std::vector<std::u16string>{u"0.2", u"60", u"4", u"50"}));
    EXPECT_EQ(view_.result, "");
    EXPECT_EQ(view_.verdictText, "填写左侧参数，点击“计算”");
    EXPECT_EQ(view_.note, "首选中心静脉；外渗可致皮肤坏死，需酚妥拉明局部封闭。");
    EXPECT_EQ(Utf8Of(state().statusText), "已恢复默认值");
    EXPECT_EQ(state().level, 0);
    EXPECT_FALSE(HasResult(state()));
    view_.messages.clear();
    RunCopyCommand(state(), view_);
    ASSERT_EQ(view_.messages.size(), 1u);
    EXPECT_EQ(view_.messages[0].text, "请先点击“计算”生成结果。");
}

// Nine lines, the last naming the product's address only when the build was
// given one.
TEST_F(Commands, AboutHoldsNineLines) {
    constexpr char kAbout[] =
        "去甲肾上腺素配置与剂量\r\n\r\n分类：重症用药\r\n"
        "参考依据：去甲肾上腺素 0.05-1ug/kg/min，常用 1mg/50ml 配置\r\n\r\n"
        "本工具为临床辅助计算/记录工具，结果不能替代医师诊疗判断，\r\n"
        "具体用药与处置请结合患者实际情况及本院规范执行。\r\n\r\n"
        "版本 V" KELOMED_VERSION_TEXT;
    RunAboutCommand(state(), view_);
    ASSERT_EQ(view_.messages.size(), 1u);
    EXPECT_EQ(view_.messages[0].caption, "关于本工具");
    EXPECT_EQ(view_.messages[0].text, kAbout) << "the test build is given no address";
    char16_t text[1400];
    FormatAboutText(ToolDefinition<48>(), u"" KELOMED_VERSION_TEXT, u"www.hospital.cn", text, 1400);
    EXPECT_EQ(Utf8Of(text), std::string(kAbout) + "    官网：www.hospital.cn");
}

TEST(CommandsForReportKinds, TheLongestReportIsShownAndCopiedWhole) {
    const testing::GeneratorTool rota(GenerateNurseRota, {"nurses", "days"});
    auto state = std::make_unique<WindowState>();
    InitializeWindowState(*state, rota.tool());
    RecordingView view;
    view.fields = {u"40", u"31"};
    RunComputeCommand(*state, view, testing::kTestToday);
    const std::string whole = rota.Compute({40, 31}, 65536).report;
    EXPECT_EQ(Utf8Of(state->reportCopy), whole);
    EXPECT_EQ(view.result, whole);
    EXPECT_EQ(Utf8Of(state->copyText), whole);
    EXPECT_EQ(view.verdictText, "已生成轮转排班表，可复制到排班本或表格");
    RunCopyCommand(*state, view);
    EXPECT_EQ(view.clipboard, "报告工具\r\n" + whole);
    EXPECT_EQ(Utf8Of(state->statusText), "结果已复制到剪贴板");
}

}  // namespace
}  // namespace kelomed
