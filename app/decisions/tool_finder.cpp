#include "app/decisions/tool_finder.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "app/decisions/title_readings.h"

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

// A title as it is read, for ordering by title: each Chinese character by
// its reading, each Latin word in lower case, digits as they are, a space
// between them ("braden ya li xing sun shang feng xian ping gu").
struct TitleKey {
    static constexpr int kCapacity = 512;
    char text[kCapacity] = {};
    int length = 0;

    void Add(const char* piece) {
        if (length > 0 && length < kCapacity - 1) {
            text[length++] = ' ';
        }
        for (; *piece != 0 && length < kCapacity - 1; ++piece) {
            text[length++] = *piece;
        }
    }
};

const char* ReadingOf(char16_t character) {
    const auto* end = std::end(kTitleReadings);
    const auto* found = std::lower_bound(
        std::begin(kTitleReadings), end, character,
        [](const TitleReading& reading, char16_t unit) { return reading.character < unit; });
    // Every character of a title has its reading (the initials' check
    // says so); one without would sort last.
    return found != end && found->character == character ? found->syllable : "~";
}

TitleKey KeyOf(const char16_t* title) {
    TitleKey key;
    char word[TitleKey::kCapacity] = {};
    int wordLength = 0;
    auto endWord = [&] {
        if (wordLength > 0) {
            word[wordLength] = 0;
            key.Add(word);
            wordLength = 0;
        }
    };
    for (const char16_t* at = title; *at != 0; ++at) {
        const char16_t unit = FoldUnit(*at);
        if ((unit >= u'a' && unit <= u'z') || (unit >= u'0' && unit <= u'9')) {
            if (wordLength < TitleKey::kCapacity - 1) {
                word[wordLength++] = static_cast<char>(unit);
            }
            continue;
        }
        endWord();
        if (IsChineseCharacter(unit)) {
            key.Add(ReadingOf(unit));
        }
    }
    endWord();
    return key;
}

bool TitleBefore(const ToolDef& left, const ToolDef& right) {
    const int order = std::strcmp(KeyOf(left.title).text, KeyOf(right.title).text);
    return order != 0 ? order < 0 : left.id < right.id;
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
                                 return TitleBefore(*left, *right);
                             case ToolOrder::Category: {
                                 const int a = CategoryIndexOf(left->category);
                                 const int b = CategoryIndexOf(right->category);
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
