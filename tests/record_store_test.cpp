#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "app/decisions/commands.h"
#include "app/decisions/record_command.h"
#include "app/decisions/record_store.h"
#include "tests/recording_view.h"
#include "tests/report_tool.h"
#include "tests/temp_file.h"
#include "tools/suite.h"

namespace kelomed {
namespace {

using testing::RecordingView;
using testing::Utf16Of;
using testing::Utf8Of;

constexpr LocalTime kMorning = {2026, 12, 8, 9, 5, 7};
constexpr char kHeader[] = "\xEF\xBB\xBF时间,工具,目标剂量,体重,药量,稀释至,结果\r\n";
constexpr char kRecord[] =
    "2026-12-08 09:05:07,去甲肾上腺素配置与剂量,目标剂量=0.2,体重=60,药量=4,稀释至=50,"
    "\"浓度：80.0 ug/ml\r\n泵速：9.00 ml/h\r\n每小时药量：720 ug/h\r\n\"\r\n";

const std::string kSeparator(1, static_cast<char>(kPathSeparator));

std::string RecordPath(const std::string& root, const char* name) {
    return root + kSeparator + "KeloMedSuite" + kSeparator + "records" + kSeparator + name;
}

// A fresh application-data folder under GoogleTest's temporary folder.
class RecordFolder {
  public:
    RecordFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = ::testing::TempDir() + "kelomed-appdata-" + info->name();
        std::remove(RecordPath(root_, "T048.csv").c_str());
        std::remove(RecordPath(root_, "T005.csv").c_str());
    }
    std::u16string root() const { return Utf16Of(root_); }
    std::string Read(const char* name = "T048.csv") const {
        std::ifstream in(RecordPath(root_, name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    bool Exists(const char* name = "T048.csv") const {
        struct stat status {};
        return ::stat(RecordPath(root_, name).c_str(), &status) == 0;
    }
    std::string path(const char* name = "T048.csv") const { return RecordPath(root_, name); }

  private:
    std::string root_;
};

class SaveCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        state_ = std::make_unique<WindowState>();
        InitializeWindowState(*state_, ToolDefinition<48>());
        view_.fields = {u"0.2", u"60", u"4", u"50"};
    }
    void Save(const char16_t* folder) { SaveRecordCommand(*state_, view_, folder, kMorning); }

    std::unique_ptr<WindowState> state_;
    RecordingView view_;
    RecordFolder folder_;
};

TEST_F(SaveCommand, FirstSaveWritesMarkHeaderAndRecordSecondOnlyTheRecord) {
    RunComputeCommand(*state_, view_, testing::kTestToday);
    Save(folder_.root().c_str());
    ASSERT_EQ(view_.messages.size(), 1u);
    EXPECT_EQ(view_.messages[0].caption, "已保存");
    EXPECT_EQ(view_.messages[0].text, "本次结果已追加保存到本地记录（CSV，可用 Excel 打开）。");
    EXPECT_EQ(Utf8Of(state_->statusText), "记录已保存：" + folder_.path());
    EXPECT_EQ(folder_.Read(), std::string(kHeader) + kRecord);

    Save(folder_.root().c_str());
    EXPECT_EQ(folder_.Read(), std::string(kHeader) + kRecord + kRecord);
}

TEST_F(SaveCommand, ExistingEmptyFileGetsNoHeader) {
    Save(folder_.root().c_str());  // no result yet: refused, nothing created
    ASSERT_EQ(view_.messages.size(), 1u);
    EXPECT_EQ(view_.messages[0].text, "请先点击“计算”生成结果，再保存记录。");
    EXPECT_EQ(view_.messages[0].caption, "提示");
    EXPECT_FALSE(folder_.Exists());
    EXPECT_EQ(Utf8Of(state_->statusText), "就绪：填写参数后按 F5 或点击“计算”");

    RunComputeCommand(*state_, view_, testing::kTestToday);
    Save(folder_.root().c_str());
    std::ofstream(folder_.path(), std::ios::trunc | std::ios::binary).close();
    Save(folder_.root().c_str());
    EXPECT_EQ(folder_.Read(), kRecord);
}

TEST_F(SaveCommand, FailureIsNeverReportedAsSaved) {
    RunComputeCommand(*state_, view_, testing::kTestToday);
    // A file where the folder should be: nothing can be created below it.
    testing::TempFile blocker("blocker");
    std::ofstream(blocker.path()).put('x');
    Save(blocker.widePath().c_str());
    ASSERT_EQ(view_.messages.size(), 1u);
    EXPECT_EQ(view_.messages[0].caption, "保存失败");
    EXPECT_EQ(view_.messages[0].icon, MessageIcon::Warning);
    EXPECT_NE(view_.messages[0].text.find(RecordPath(blocker.path(), "T048.csv")),
              std::string::npos);
    EXPECT_EQ(Utf8Of(state_->statusText), "记录保存失败");

    view_.messages.clear();
    Save(nullptr);
    ASSERT_EQ(view_.messages.size(), 1u);
    EXPECT_EQ(view_.messages[0].caption, "保存失败");
    EXPECT_EQ(Utf8Of(state_->statusText), "记录保存失败");
}

TEST_F(SaveCommand, RecordUsesTheInputsOfTheLastAcceptedCompute) {
    RunComputeCommand(*state_, view_, testing::kTestToday);
    view_.fields = {u"0.3", u"abc", u"4", u"50"};
    RunComputeCommand(*state_, view_, testing::kTestToday);  // refused at the weight: not a number
    Save(folder_.root().c_str());
    view_.fields = {u"0.3", u"60", u"4", u"0"};
    RunComputeCommand(*state_, view_, testing::kTestToday);  // refused at the dilution: not above 0
    Save(folder_.root().c_str());
    EXPECT_EQ(folder_.Read(), std::string(kHeader) + kRecord + kRecord);
}

// A field holding a comma, a double quote or a line break stands in double
// quotes with its inner quotes doubled; the report is kept whole.
TEST(RecordLine, IsOneCsvRecordWithTheWholeReport) {
    static constexpr InputField inputs[] = {{"a", u"甲", u"", 0}, {"b", u"乙,\"丙\"", u"", 0}};
    static constexpr ToolDef tool = {5,      u"工具,含逗号", nullptr, u"c",    u"r", nullptr,
                                     2,      inputs,         0,       nullptr, 0,    nullptr,
                                     nullptr};
    const double values[] = {0.0000125, 123456789};
    const std::u16string longReport(6000, u'报');
    const std::u16string report = u"剂量：1,5 \"高\"\r\n第二行\r\n" + longReport + u"\r\n";
    char16_t line[kRecordLineCapacity];
    ASSERT_TRUE(BuildRecordLine(tool, values, report.c_str(), {2027, 1, 2, 3, 4, 5}, line,
                                kRecordLineCapacity));
    EXPECT_EQ(std::u16string(line),
              u"2027-01-02 03:04:05,\"工具,含逗号\",甲=1.25e-05,\"乙,\"\"丙\"\"=123456789\","
              u"\"剂量：1,5 \"\"高\"\"\r\n第二行\r\n" +
                  longReport + u"\r\n\"\r\n");

    char16_t header[kRecordHeaderCapacity];
    ASSERT_TRUE(BuildRecordHeader(tool, header, kRecordHeaderCapacity));
    EXPECT_EQ(std::u16string(header), u"时间,工具,甲,\"乙,\"\"丙\"\"\",结果\r\n");
}

// A label or title longer than its piece, or a line longer than its buffer,
// is refused rather than written cut.
TEST(RecordLine, IsRefusedRatherThanCut) {
    static const std::u16string longText(200, u'标');
    static const InputField inputs[] = {{"a", longText.c_str(), u"", 0}};
    const ToolDef longLabel = {5,      u"t", nullptr, u"检验", u"r",    nullptr, 1,
                               inputs, 0,    nullptr, 0,       nullptr, nullptr};
    const ToolDef longTitle = {5, longText.c_str(), nullptr, u"c",    u"r",   nullptr, 0, inputs,
                               0, nullptr,          0,       nullptr, nullptr};
    const double values[] = {1};
    char16_t header[kRecordHeaderCapacity];
    EXPECT_FALSE(BuildRecordHeader(longLabel, header, kRecordHeaderCapacity));
    char16_t line[kRecordLineCapacity];
    EXPECT_FALSE(BuildRecordLine(longLabel, values, u"r", {}, line, kRecordLineCapacity));
    EXPECT_FALSE(BuildRecordLine(longTitle, values, u"r", {}, line, kRecordLineCapacity));
    const ToolDef shortTool = {5,      u"t", nullptr, u"检验", u"r",    nullptr, 0,
                               inputs, 0,    nullptr, 0,       nullptr, nullptr};
    EXPECT_FALSE(BuildRecordLine(shortTool, values, u"报告", {2027, 1, 2, 3, 4, 5}, line, 26));
    EXPECT_TRUE(BuildRecordLine(shortTool, values, u"报告", {2027, 1, 2, 3, 4, 5}, line, 27));
    EXPECT_EQ(std::u16string(line), u"2027-01-02 03:04:05,t,报告\r\n");
}

TEST(RecordFile, PathFollowsTheToolId) {
    RecordFolder folder;
    static constexpr InputField inputs[] = {{"a", u"甲", u"", 0}};
    static constexpr ToolDef tool = {5,      u"五", nullptr, u"检验", u"r",    nullptr, 1,
                                     inputs, 0,     nullptr, 0,       nullptr, nullptr};
    const double values[] = {1};
    char16_t path[kRecordPathCapacity];
    ASSERT_TRUE(AppendRecord(tool, values, u"报告", folder.root().c_str(), kMorning, path,
                             kRecordPathCapacity));
    EXPECT_EQ(Utf8Of(path), folder.path("T005.csv"));
    EXPECT_EQ(folder.Read("T005.csv"),
              "\xEF\xBB\xBF时间,工具,甲,结果\r\n2026-12-08 09:05:07,五,甲=1,报告\r\n");
}

}  // namespace
}  // namespace kelomed
