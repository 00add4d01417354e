#include "app/decisions/tool_finder.h"

#include <algorithm>

namespace kelomed {
namespace {

// A text as the search compares it: no spaces, full-width ASCII as ASCII,
// Latin letters in lower case; at most kLongestQuery units.
struct Folded {
    char16_t units[kLongestQuery + 1] = {};
    int length = 0;
    // False when the text was longer than what is kept.
    bool whole = true;
};

char16_t FoldUnit(char16_t unit) {
    if (unit >= 0xFF01 && unit <= 0xFF5E) {
        unit = static_cast<char16_t>(unit - 0xFF01 + u'!');
    }
    if (unit >= u'A' && unit <= u'Z') {
        unit = static_cast<char16_t>(unit - u'A' + u'a');
    }
    // 䓬 of 地尔硫䓬 as the ward's systems write it, 卓, which the titles use
    // because the ward font lacks 䓬.
    if (unit == u'䓬') {
        unit = u'卓';
    }
    return unit;
}

bool IsSpace(char16_t unit) {
    return unit == u' ' || unit == u'\t' || unit == 0x3000;
}

Folded Fold(const char16_t* text) {
    Folded folded;
    for (const char16_t* at = text; at != nullptr && *at != 0; ++at) {
        if (IsSpace(*at)) {
            continue;
        }
        if (folded.length == kLongestQuery) {
            folded.whole = false;
            break;
        }
        folded.units[folded.length++] = FoldUnit(*at);
    }
    return folded;
}

// True when `text`, folded as it is read, holds `query` (folded, not
// empty).
bool Holds(const char16_t* text, const Folded& query) {
    for (const char16_t* start = text; start != nullptr && *start != 0; ++start) {
        if (IsSpace(*start)) {
            continue;
        }
        int matched = 0;
        for (const char16_t* at = start; *at != 0 && matched < query.length; ++at) {
            if (IsSpace(*at)) {
                continue;
            }
            if (FoldUnit(*at) != query.units[matched]) {
                break;
            }
            ++matched;
        }
        if (matched == query.length) {
            return true;
        }
    }
    return false;
}

bool AllLetters(const Folded& query) {
    return std::all_of(query.units, query.units + query.length,
                       [](char16_t unit) { return unit >= u'a' && unit <= u'z'; });
}

bool AllDigits(const Folded& query) {
    return std::all_of(query.units, query.units + query.length,
                       [](char16_t unit) { return unit >= u'0' && unit <= u'9'; });
}

// Where the letters of `query` stand in the initials, the words' spaces
// skipped: from the start of a word, within one, or nowhere.
enum class InitialsMatch { AtAWordsStart, WithinAWord, Nowhere };

InitialsMatch FindInInitials(const char* initials, const Folded& query) {
    if (initials == nullptr) {
        return InitialsMatch::Nowhere;
    }
    InitialsMatch found = InitialsMatch::Nowhere;
    for (const char* start = initials; *start != 0; ++start) {
        if (*start == ' ') {
            continue;
        }
        int matched = 0;
        for (const char* at = start; *at != 0 && matched < query.length; ++at) {
            if (*at == ' ') {
                continue;
            }
            if (static_cast<char16_t>(*at) != query.units[matched]) {
                break;
            }
            ++matched;
        }
        if (matched == query.length) {
            if (start == initials || start[-1] == ' ') {
                return InitialsMatch::AtAWordsStart;
            }
            found = InitialsMatch::WithinAWord;
        }
    }
    return found;
}

bool IsNumber(const ToolDef& tool, const Folded& query) {
    if (query.length > 3 || !AllDigits(query)) {
        return false;
    }
    int number = 0;
    for (int i = 0; i < query.length; ++i) {
        number = number * 10 + (query.units[i] - u'0');
    }
    return number == tool.id;
}

// The initials without their spaces, for ordering by title.
bool InitialsBefore(const ToolDef& left, const ToolDef& right) {
    const char* a = left.initials != nullptr ? left.initials : "";
    const char* b = right.initials != nullptr ? right.initials : "";
    for (;;) {
        while (*a == ' ') {
            ++a;
        }
        while (*b == ' ') {
            ++b;
        }
        if (*a != *b || *a == 0) {
            return *a != *b ? static_cast<unsigned char>(*a) < static_cast<unsigned char>(*b)
                            : left.id < right.id;
        }
        ++a;
        ++b;
    }
}

bool SameText(const char16_t* a, const char16_t* b) {
    while (*a != 0 && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

// Where a tool's category first comes in the suite.
int CategoryRank(std::span<const ToolDef* const> tools, const ToolDef& tool) {
    for (std::size_t i = 0; i < tools.size(); ++i) {
        if (SameText(tools[i]->category, tool.category)) {
            return static_cast<int>(i);
        }
    }
    return static_cast<int>(tools.size());
}

}  // namespace

QueryMatch MatchQuery(const ToolDef& tool, const char16_t* query) {
    const Folded folded = Fold(query);
    if (folded.length == 0) {
        return QueryMatch::Strong;
    }
    if (!folded.whole) {
        return QueryMatch::None;
    }
    if (Holds(tool.title, folded) || Holds(tool.category, folded) || Holds(tool.subtitle, folded) ||
        IsNumber(tool, folded)) {
        return QueryMatch::Strong;
    }
    if (!AllLetters(folded)) {
        return QueryMatch::None;
    }
    switch (FindInInitials(tool.initials, folded)) {
        case InitialsMatch::AtAWordsStart:
            return QueryMatch::Strong;
        case InitialsMatch::WithinAWord:
            return QueryMatch::WithinInitials;
        case InitialsMatch::Nowhere:
        default:
            return QueryMatch::None;
    }
}

bool QueryFinds(const ToolDef& tool, const char16_t* query) {
    return MatchQuery(tool, query) != QueryMatch::None;
}

int ListTools(std::span<const ToolDef* const> tools, const char16_t* query,
              std::span<const int> recent, ToolOrder order, const ToolDef** rows, int capacity) {
    int count = 0;
    const bool emptyQuery = Fold(query).length == 0;
    int recentCount = 0;
    auto listed = [&](const ToolDef* tool) {
        return std::find(rows, rows + count, tool) != rows + count;
    };
    if (emptyQuery) {
        for (const int id : recent) {
            for (const ToolDef* tool : tools) {
                if (tool->id == id && count < capacity && !listed(tool)) {
                    rows[count++] = tool;
                }
            }
        }
        recentCount = count;
    }
    for (const ToolDef* tool : tools) {
        if (count < capacity && QueryFinds(*tool, query) && !listed(tool)) {
            rows[count++] = tool;
        }
    }
    std::stable_sort(rows + recentCount, rows + count,
                     [&](const ToolDef* left, const ToolDef* right) {
                         // Letters found within a word's initials come after
                         // those found where a word starts.
                         const QueryMatch leftMatch = MatchQuery(*left, query);
                         const QueryMatch rightMatch = MatchQuery(*right, query);
                         if (leftMatch != rightMatch) {
                             return leftMatch < rightMatch;
                         }
                         switch (order) {
                             case ToolOrder::Title:
                                 return InitialsBefore(*left, *right);
                             case ToolOrder::Category: {
                                 const int a = CategoryRank(tools, *left);
                                 const int b = CategoryRank(tools, *right);
                                 return a != b ? a < b : left->id < right->id;
                             }
                             case ToolOrder::Number:
                             default:
                                 return left->id < right->id;
                         }
                     });
    return count;
}

}  // namespace kelomed
