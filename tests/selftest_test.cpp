#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/decisions/selftest.h"
#include "engine/tool_model.h"
#include "tests/report_tool.h"
#include "tests/temp_file.h"
#include "tests/test_text.h"
#include "tools/suite.h"

namespace kelomed {
namespace {

using testing::TempFile;
using testing::Utf16Of;
using testing::Utf8Of;

// Tool 48's own file is checked byte for byte by the test command
// (tests/data/selftest-t048.txt); these pin the rules of the format.
TEST(Selftest, FailingOutputExitsTwoAndStillWritesEveryLine) {
    // "late" reads the earlier output "first": the self-test shows the one
    // computation the window makes, in order, so it reads 4 there too.
    static constexpr InputField inputs[] = {{"a", u"甲", u"mg", 2}};
    static constexpr OutputField outputs[] = {
        {"first", u"一", u"单位", "a*2", "f1"},
        {"late", u"二", nullptr, "1/first", "f2"},
        {"huge", u"三", u"", "10^999", "f0"},
    };
    // Would match, but "huge" fails in the compute too: no rule is trusted then.
    static constexpr VerdictRule rules[] = {{"late>0", 1, u"已计算"}};
    static constexpr ToolDef tool = {5,
                                     u"测试工具",
                                     nullptr,
                                     u"分类",
                                     u"依据",
                                     nullptr,
                                     InputCountOf(inputs),
                                     inputs,
                                     OutputCountOf(outputs),
                                     outputs,
                                     RuleCountOf(rules),
                                     rules,
                                     nullptr};
    TempFile file("failing.txt");
    const double defaults[] = {2};
    EXPECT_EQ(RunSelftest(tool, file.widePath().c_str(), defaults, testing::kTestToday),
              kSelftestOutputsFailed);
    EXPECT_EQ(file.Read(),
              "TOOL|5|测试工具|分类\r\n"
              "LEVEL|3\r\n"
              "OUT|一|4.0|单位\r\n"
              "OUT|二|0.25|\r\n"
              "OUT|三|--|\r\n"
              "VERDICT|请核对输入参数后重新计算\r\n"
              "DETAIL|一：4.0 单位 二：0.25 三：-- （部分结果无法计算，请检查输入是否合理） \r\n"
              "ERRORS|1\r\n");
}

TEST(Selftest, DetailIsOneLineOfAtMost8000Units) {
    std::u16string report;
    for (int i = 0; i < 3000; ++i) {
        report += u"浓度\r\n";  // 3 kept units per line
    }
    char16_t text[kSelftestTextCapacity] = {};
    AppendDetailLine(report.c_str(), text, kSelftestTextCapacity);
    const std::u16string detail(text);
    ASSERT_EQ(detail.size(), 7u + 8000u + 2u);
    EXPECT_EQ(detail.substr(0, 10), u"DETAIL|浓度 ");
    EXPECT_EQ(detail.find(u'\r'), detail.size() - 2);
    EXPECT_EQ(detail.substr(detail.size() - 4), u"浓度\r\n");  // 8000 = 2666 × 3 + 2
}

TEST(Selftest, LongChineseTextIsWrittenWhole) {
    // 8000 Chinese characters of detail need about 24 KB of UTF-8.
    std::u16string text = u"DETAIL|" + std::u16string(8000, u'药') + u"\r\n";
    text += std::u16string(kSelftestTextCapacity - 1 - text.size(), u'量');
    TempFile file("long.txt");
    ASSERT_TRUE(WriteSelftestFile(file.widePath().c_str(), text.c_str()));
    const std::string bytes = file.Read();
    EXPECT_EQ(bytes.size(), 7u + 2u + (kSelftestTextCapacity - 1 - 9) * 3u);
    EXPECT_EQ(bytes.substr(0, 10), "DETAIL|药");
}

TEST(Selftest, ReportThatCannotBeWrittenExitsThree) {
    // A path longer than its buffer is not cut to another file's name.
    const std::u16string longPath(600, u'p');
    const char16_t* arguments[] = {u"--selftest", longPath.c_str()};
    int exitCode = 0;
    char16_t message[kSelftestMessageCapacity];
    EXPECT_TRUE(RunSelftestIfAsked(ToolDefinition<48>(), 2, arguments, exitCode, message,
                                   kSelftestMessageCapacity));
    EXPECT_EQ(exitCode, kSelftestReportNotWritten);
    const double defaults[] = {0.2, 60, 4, 50};
    TempFile missingFolder("no-such-folder/report.txt");
    EXPECT_EQ(RunSelftest(ToolDefinition<48>(), missingFolder.widePath().c_str(), defaults,
                          testing::kTestToday),
              kSelftestReportNotWritten);
    EXPECT_FALSE(missingFolder.Exists());
    // The temporary folder itself is not a file.
    EXPECT_EQ(RunSelftest(ToolDefinition<48>(), Utf16Of(::testing::TempDir()).c_str(), defaults,
                          testing::kTestToday),
              kSelftestReportNotWritten);
}

// --set computes a case instead of the defaults, each value taken as its
// field takes it; a refusal writes no report, exits with its own code and
// says which key and what it takes.
TEST(Selftest, SetPairsComputeACaseOrAreRefused) {
    const struct {
        int id;
        std::vector<std::u16string> sets;
        int exitCode;
        const char* expected;  // a line of the report, or the start of the message
    } cases[] = {
        {48, {u"dose=1.5"}, kSelftestPassed, "LEVEL|3\r\n"},
        {48, {u"dose=0.5", u"w=72.5", u"dose=1.5"}, kSelftestPassed, "OUT|泵速|81.56|ml/h\r\n"},
        {48, {u"dil=1000"}, kSelftestPassed, "OUT|浓度|4.0|ug/ml\r\n"},
        {66, {u"e=3"}, kSelftestPassed, "OUT|GCS 总分|14|分\r\n"},
        {66, {u"m=1 无反应", u"v=1"}, kSelftestPassed, "OUT|GCS 总分|6|分\r\n"},
        {102, {u"start=8:05"}, kSelftestPassed, "第1天 08:05"},
        {48,
         {u"rate=9"},
         kSelftestUnknownKey,
         "--set rate=9：工具 048 没有这个输入；它的输入是：dose、w、drug、dil"},
        {48,
         {u"dose=99"},
         kSelftestValueRefused,
         "--set dose=99：第 1 项“目标剂量”应在 0.01 至 5 ug/kg/min 之间。"},
        {48, {u"w=abc"}, kSelftestValueRefused, "--set w=abc：第 2 项“体重”请输入数字。"},
        {66, {u"e=5"}, kSelftestValueRefused, "--set e=5：第 1 项“睁眼反应 E”请从列表中选择。"},
        {102,
         {u"start=0830"},
         kSelftestValueRefused,
         "--set start=0830：第 1 项“首剂时间”请按“时:分”填写"},
        {48, {u"dose"}, kSelftestMalformedSet, "--set dose：应写作 KEY=VALUE"},
        {48, {u"=0.5"}, kSelftestMalformedSet, "--set =0.5：应写作 KEY=VALUE"},
        {48, {}, kSelftestMalformedSet, "--set 之后应有 KEY=VALUE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Utf8Of(c.sets.empty() ? u"(none)" : c.sets.back().c_str()));
        TempFile file("set.txt");
        const std::u16string path = file.widePath();
        std::vector<const char16_t*> arguments = {u"--selftest", path.c_str(),
                                                  u"--today=2026-12-08"};
        for (const std::u16string& pair : c.sets) {
            arguments.push_back(u"--set");
            arguments.push_back(pair.c_str());
        }
        if (c.sets.empty()) {
            arguments.push_back(u"--set");
        }
        int exitCode = -1;
        char16_t message[kSelftestMessageCapacity];
        ASSERT_TRUE(RunSelftestIfAsked(*FindSuiteTool(c.id), static_cast<int>(arguments.size()),
                                       arguments.data(), exitCode, message,
                                       kSelftestMessageCapacity));
        EXPECT_EQ(exitCode, c.exitCode);
        if (c.exitCode == kSelftestPassed) {
            EXPECT_NE(file.Read().find(c.expected), std::string::npos) << file.Read();
            EXPECT_EQ(message[0], 0);
        } else {
            EXPECT_EQ(testing::Utf8Of(message).rfind(c.expected, 0), 0u)
                << testing::Utf8Of(message);
            EXPECT_FALSE(file.Exists());
        }
    }
}

}  // namespace
}  // namespace kelomed
