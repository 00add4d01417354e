#include <gtest/gtest.h>

#include <string>

#include "app/selftest.h"
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
    // "late" reads the earlier output "first", which the self-test evaluates
    // alone against zeroes: 1/first fails there although the window computes it.
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
    EXPECT_EQ(RunSelftest(tool, file.widePath().c_str(), testing::kTestToday),
              kSelftestOutputsFailed);
    EXPECT_EQ(file.Read(),
              "TOOL|5|测试工具|分类\r\n"
              "LEVEL|3\r\n"
              "OUT|一|4.0|单位\r\n"
              "OUT|二|--|\r\n"
              "OUT|三|--|\r\n"
              "VERDICT|请核对输入参数后重新计算\r\n"
              "DETAIL|一：4.0 单位 二：0.25 三：-- （部分结果无法计算，请检查输入是否合理） \r\n"
              "ERRORS|2\r\n");
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
    EXPECT_TRUE(RunSelftestIfAsked(ToolDefinition<48>(), 2, arguments, exitCode));
    EXPECT_EQ(exitCode, kSelftestReportNotWritten);
    TempFile missingFolder("no-such-folder/report.txt");
    EXPECT_EQ(
        RunSelftest(ToolDefinition<48>(), missingFolder.widePath().c_str(), testing::kTestToday),
        kSelftestReportNotWritten);
    EXPECT_FALSE(missingFolder.Exists());
    // The temporary folder itself is not a file.
    EXPECT_EQ(RunSelftest(ToolDefinition<48>(), Utf16Of(::testing::TempDir()).c_str(),
                          testing::kTestToday),
              kSelftestReportNotWritten);
}

}  // namespace
}  // namespace kelomed
