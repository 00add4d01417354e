// Finding a tool of the suite from the home program: by a piece of its
// title, category or subtitle, by its pinyin initials or by its number; the
// rows the home lists, in the order a column asks for, the recent tools
// first.
#pragma once

#include <span>

#include "engine/tool_model.h"

namespace kelomed {

// The most units of a query the search reads; the field takes no more.
inline constexpr int kLongestQuery = 40;
inline constexpr int kMostRecentTools = 8;
// Tool ids have one to three digits: no list is longer.
inline constexpr int kMostListedTools = 999;

// How `query`, as typed, finds `tool`. Spaces do not count, full-width
// letters and digits count as their ASCII forms, and Latin letters match in
// either case. An empty query finds every tool; otherwise strongly when the
// tool's title, category or subtitle holds the query, or the initials of a
// word of the title begin with it ("ylx" finds "braden ylxssfxpg"), or the
// query is the tool's number ("70" or "070"); and after those, when the
// letters stand within a word's initials ("xsfx" finds "caprini jmxsfxpg",
// 静脉血栓风险评估).
enum class QueryMatch { Strong, WithinInitials, None };
QueryMatch MatchQuery(const ToolDef& tool, const char16_t* query);
bool QueryFinds(const ToolDef& tool, const char16_t* query);

// How the list is ordered: by number; by title in the order of the titles'
// pinyin, syllable by syllable (丁 ding before 多 duo), a Latin word as its
// letters; by category, in the order of the suite's categories, each by
// number.
enum class ToolOrder { Number, Title, Category };

// The home's rows for `query`, in `order`, into `rows` (up to `capacity`);
// returns their count. With an empty query the recent tools (ids, most
// recent first) come first, in their own order, then the others; with a
// query, the strong matches before those within a word's initials.
int ListTools(std::span<const ToolDef* const> tools, const char16_t* query,
              std::span<const int> recent, ToolOrder order, const ToolDef** rows, int capacity);

}  // namespace kelomed
