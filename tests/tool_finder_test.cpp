// The home program's search and list as plain functions over the suite's
// own tables: what each kind of query finds, every tool reachable by its
// initials and number, the orders, the recent tools first, and the recent
// tools' file, damaged ones included.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "app/decisions/home_layout.h"
#include "app/decisions/recent_tools.h"
#include "app/decisions/tool_finder.h"
#include "tests/test_text.h"
#include "tools/suite.h"

namespace kelomed {
namespace {

std::vector<int> Found(const char16_t* query, std::span<const int> recent = {},
                       ToolOrder order = ToolOrder::Number) {
    const ToolDef* rows[kMostListedTools];
    const int count = ListTools(SuiteTools(), query, recent, order, rows, kMostListedTools);
    std::vector<int> ids;
    for (int i = 0; i < count; ++i) {
        ids.push_back(rows[i]->id);
    }
    return ids;
}

std::vector<int> AllIds() {
    std::vector<int> ids;
    for (const ToolDef* tool : SuiteTools()) {
        ids.push_back(tool->id);
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

std::vector<int> IdsInCategory(const std::string& category) {
    std::vector<int> ids;
    for (const ToolDef* tool : SuiteTools()) {
        if (testing::Utf8Of(tool->category) == category) {
            ids.push_back(tool->id);
        }
    }
    return ids;
}

TEST(ToolFinder, EachKindOfQueryFindsItsTools) {
    const std::vector<int> scales = IdsInCategory("护理评估");
    ASSERT_GE(scales.size(), 11u);
    const struct {
        const char16_t* query;
        std::vector<int> expected;
        const char* why;
    } cases[] = {
        {u"dba", {70}, "initials from the start: 多巴胺 is dba…, 多巴酚丁胺 dbf…"},
        {u"db", {70, 71}, "both dopamine and dobutamine"},
        {u"DBA", {70}, "initials in capitals"},
        {u"ｄｂａ", {70}, "initials in full width, as an input method may type them"},
        {u"70", {70}, "the number"},
        {u"070", {70}, "the number as the program's name writes it"},
        {u"0070", {}, "no tool has four digits"},
        {u"BRADEN", {121}, "a Latin word of a title in capitals"},
        {u"braden", {121}, "and in lower case"},
        {u"ylx", {121}, "initials from the title's second word"},
        {u"bradenyl", {121}, "initials across the title's words"},
        {u"压力", {121}, "a piece of a title"},
        {u"护理 评估", scales, "a category, the space typed inside it not counting"},
        {u"nrs", {124, 131}, "NRS 2002 and the pain rating (NRS)"},
        {u"egfr", {63}, "a Latin word inside a title"},
        {u"按体重计算多巴胺", {70}, "a piece of a subtitle"},
        {u"地尔硫䓬", {85}, "diltiazem as the ward's systems spell it, its title with 卓"},
        {u"间羟胺", {92}, "metaraminol, whose label limits it only from above"},
        {u"", AllIds(), "an empty query lists every tool"},
        {u"   ", AllIds(), "spaces alone are an empty query"},
        {u"xyz", {}, "nothing the suite holds"},
        {u"dbax", {}, "initials longer than any tool's that begin so"},
        {u"xsfx", {125, 126}, "within a word's initials: 静脉血栓风险 of Caprini and Padua"},
        {u"sy", {132, 105, 110, 124}, "where a word's initials begin so first, then within words"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Found(c.query), c.expected) << c.why;
    }
}

// Each tool by its whole initials, by the start of each of their words, and
// by its number; and its initials fit its title, which the tables also
// check while compiling.
TEST(ToolFinder, EveryToolIsReachableByItsInitialsAndNumber) {
    for (const ToolDef* tool : SuiteTools()) {
        SCOPED_TRACE(tool->id);
        ASSERT_NE(tool->initials, nullptr);
        std::string whole;
        for (const char* at = tool->initials; *at != 0; ++at) {
            if (*at != ' ') {
                whole += *at;
            }
        }
        const std::u16string query(whole.begin(), whole.end());
        const std::vector<int> byInitials = Found(query.c_str());
        EXPECT_NE(std::find(byInitials.begin(), byInitials.end(), tool->id), byInitials.end());
        EXPECT_TRUE(QueryFinds(*tool, query.substr(0, 2).c_str()));
        const std::string number = std::to_string(tool->id);
        EXPECT_EQ(Found(std::u16string(number.begin(), number.end()).c_str()),
                  std::vector<int>{tool->id});
    }
}

TEST(ToolFinder, OrdersByNumberTitleOrCategory) {
    const std::vector<int> byNumber = Found(u"");
    EXPECT_TRUE(std::is_sorted(byNumber.begin(), byNumber.end()));

    // By title: in the order of the titles' pinyin, syllable by syllable,
    // not of their initials' letters: 艾司洛尔 (ai) before 胺碘酮 (an, adt
    // before asle by initials); 肾上腺素 shen, 生长抑素 sheng, 手术安全核查表
    // shou, 输液滴速 shu (by initials ss…, sz…, ss…, sy…).
    const std::vector<int> byTitle = Found(u"", {}, ToolOrder::Title);
    ASSERT_EQ(byTitle.size(), byNumber.size());
    EXPECT_EQ(byTitle[0], 78);
    EXPECT_EQ(byTitle[1], 83);
    auto at = [&byTitle](int id) { return std::find(byTitle.begin(), byTitle.end(), id); };
    EXPECT_TRUE(at(72) < at(87) && at(87) < at(108) && at(108) < at(132));

    // By category: each category together, in the order of its first tool
    // in the suite, and by number within it.
    const std::vector<int> byCategory = Found(u"", {}, ToolOrder::Category);
    ASSERT_EQ(byCategory.size(), byNumber.size());
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < byCategory.size(); ++i) {
        const std::string category = testing::Utf8Of(FindSuiteTool(byCategory[i])->category);
        if (seen.empty() || seen.back() != category) {
            EXPECT_EQ(std::find(seen.begin(), seen.end(), category), seen.end())
                << category << " comes twice";
            seen.push_back(category);
        } else {
            EXPECT_LT(byCategory[i - 1], byCategory[i]);
        }
    }
    EXPECT_EQ(seen.front(), "重症用药");
}

TEST(ToolFinder, RecentToolsComeFirstWhenTheQueryIsEmpty) {
    const int recent[] = {125, 70, 999};
    const std::vector<int> rows = Found(u"", recent, ToolOrder::Title);
    ASSERT_EQ(rows.size(), AllIds().size()) << "each tool once, the unknown 999 left out";
    EXPECT_EQ(rows[0], 125);
    EXPECT_EQ(rows[1], 70);
    EXPECT_EQ(std::set<int>(rows.begin(), rows.end()).size(), rows.size());
    EXPECT_EQ(Found(u"db", recent), (std::vector<int>{70, 71})) << "a query lists what it finds";
}

TEST(RecentTools, TheFileReadsBackAndADamagedOneCostsOnlyItsDamage) {
    const struct {
        std::string bytes;
        std::vector<int> expected;
    } cases[] = {
        {"70\r\n121\n", {70, 121}},
        {"70\n70\n121", {70, 121}},
        {"abc\n70\n", {70}},
        {"999\n70\n", {70}},
        {"070\n-5\n7x\n\n121\r\n", {70, 121}},
        {"", {}},
        {std::string("\xEF\xBB\xBF\0\xFF\n", 6), {}},
        {"48\n49\n61\n62\n63\n64\n65\n66\n70\n", {48, 49, 61, 62, 63, 64, 65, 66}},
    };
    for (const auto& c : cases) {
        int ids[kMostRecentTools] = {};
        const int count = ReadRecentTools(c.bytes.data(), static_cast<int>(c.bytes.size()),
                                          SuiteTools(), ids, kMostRecentTools);
        EXPECT_EQ(std::vector<int>(ids, ids + count), c.expected) << c.bytes;
    }

    int ids[kMostRecentTools] = {};
    int count = 0;
    for (int id : {48, 49, 61, 62, 63, 64, 65, 66}) {
        RememberTool(ids, count, id);
    }
    RememberTool(ids, count, 63);
    EXPECT_EQ(std::vector<int>(ids, ids + count),
              (std::vector<int>{63, 66, 65, 64, 62, 61, 49, 48}))
        << "opened again, 63 moves first";
    RememberTool(ids, count, 121);
    EXPECT_EQ(std::vector<int>(ids, ids + count),
              (std::vector<int>{121, 63, 66, 65, 64, 62, 61, 49}))
        << "a ninth pushes the oldest off";

    char bytes[kRecentToolsFileCapacity];
    const int size = FormatRecentTools(ids, count, bytes, kRecentToolsFileCapacity);
    EXPECT_EQ(std::string(bytes, static_cast<std::size_t>(size)).substr(0, 9), "121\r\n63\r\n");
    int again[kMostRecentTools] = {};
    const int read = ReadRecentTools(bytes, size, SuiteTools(), again, kMostRecentTools);
    EXPECT_EQ(std::vector<int>(again, again + read), std::vector<int>(ids, ids + count));

    // A folder whose file path does not fit is refused, not cut to a path
    // elsewhere.
    const std::u16string longest(kRecentToolsPathCapacity - 20, u'a');
    char16_t path[kRecentToolsPathCapacity];
    EXPECT_TRUE(FormatRecentToolsFolder(longest.c_str(), path, kRecentToolsPathCapacity));
    EXPECT_FALSE(FormatRecentToolsPath(longest.c_str(), path, kRecentToolsPathCapacity));
    EXPECT_TRUE(
        FormatRecentToolsPath(u"C:\\Users\\nurse\\AppData\\Local", path, kRecentToolsPathCapacity));
}

TEST(HomeLayout, EveryBoxStandsInsideTheWindowAtEveryScale) {
    for (const double scale : {12.0 / 14.0, 1.0, 1.25, 1.5, 2.0}) {
        const HomeLayout layout = LayOutHome(scale);
        for (const Box& box : {layout.headerBand, layout.title, layout.subLine, layout.searchLabel,
                               layout.search, layout.list, layout.status}) {
            EXPECT_GE(box.left, 0);
            EXPECT_LE(box.right(), layout.clientWidth) << scale;
            EXPECT_LE(box.bottom(), layout.clientHeight) << scale;
        }
        int columns = 0;
        for (const int width : layout.columnWidths) {
            columns += width;
        }
        EXPECT_LE(columns, layout.list.width) << "the columns fit the list at " << scale;
        EXPECT_LE(layout.search.bottom(), layout.list.top);
        EXPECT_LE(layout.list.bottom(), layout.status.top);
    }
}

}  // namespace
}  // namespace kelomed
