#include "app/decisions/input_text.h"

#include <cmath>

#include "app/decisions/field_text.h"
#include "engine/format_text.h"
#include "engine/format_value.h"
#include "engine/text_buffer.h"

namespace kelomed {
namespace {

constexpr int kValueCapacity = 64;

// The unit as it stands after a number, and before a following Chinese
// word: " kg " and " 岁" (a space only between a digit or Latin letter and
// a Chinese character), " " without unit.
void FormatUnitBetween(const char16_t* unit, char16_t* text, int capacity) {
    const int length = TextLength(unit);
    const bool endsInChinese = length > 0 && unit[length - 1] >= 0x2E80;
    FormatText(text, capacity, length == 0 ? u" " : (endsInChinese ? u" %ls" : u" %ls "), unit);
}

// What a range allows, as the refusal of input `position` says it: "应在 0.3
// 至 500 kg 之间。", "应为 1 至 40 人之间的整数。", "应大于 0 且不大于 5 mg。",
// "应在 30 至 45 ℃ 之间，最多 1 位小数。".
void FormatRangeRefusal(int position, const InputField& input, char16_t* message, int capacity) {
    const InputRange& range = input.range;
    char16_t lowest[kValueCapacity];
    char16_t highest[kValueCapacity];
    FormatFieldValue(range.lowest, lowest, kValueCapacity);
    FormatFieldValue(range.highest, highest, kValueCapacity);
    char16_t unitBetween[kValueCapacity];
    FormatUnitBetween(input.unit, unitBetween, kValueCapacity);
    char16_t unitAtEnd[kValueCapacity] = {};
    if (HasText(input.unit)) {
        FormatText(unitAtEnd, kValueCapacity, u" %ls", input.unit);
    }
    const bool hasLowest = std::isfinite(range.lowest);
    const bool hasHighest = std::isfinite(range.highest);
    const char16_t* lowestWord = range.lowestAllowed ? u"不小于" : u"大于";
    const char16_t* highestWord = range.highestAllowed ? u"不大于" : u"小于";
    // A whole number is "为 ... 的整数"; a number is the condition alone.
    const char16_t* wholeStart = range.whole ? u"为" : u"";
    const char16_t* unitThenWhole = range.whole ? unitBetween : unitAtEnd;
    const char16_t* wholeEnd = range.whole ? u"的整数" : u"";
    char16_t condition[kInputMessageCapacity];
    if (hasLowest && hasHighest && range.lowestAllowed && range.highestAllowed) {
        FormatText(condition, kInputMessageCapacity,
                   range.whole ? u"为 %ls 至 %ls%ls之间的整数" : u"在 %ls 至 %ls%ls之间", lowest,
                   highest, unitBetween);
    } else if (hasLowest && hasHighest) {
        FormatText(condition, kInputMessageCapacity, u"%ls%ls %ls 且%ls %ls%ls%ls", wholeStart,
                   lowestWord, lowest, highestWord, highest, unitThenWhole, wholeEnd);
    } else if (hasLowest || hasHighest) {
        FormatText(condition, kInputMessageCapacity, u"%ls%ls %ls%ls%ls", wholeStart,
                   hasLowest ? lowestWord : highestWord, hasLowest ? lowest : highest,
                   unitThenWhole, wholeEnd);
    } else {
        FormatText(condition, kInputMessageCapacity, u"为整数");
    }
    if (range.decimals > 0) {
        FormatText(message, capacity, u"第 %d 项“%ls”应%ls，最多 %d 位小数。", position,
                   input.label, condition, range.decimals);
        return;
    }
    FormatText(message, capacity, u"第 %d 项“%ls”应%ls。", position, input.label, condition);
}

bool SameText(const char16_t* a, const char16_t* b) {
    int i = 0;
    for (; a[i] != 0 && a[i] == b[i]; ++i) {
    }
    return a[i] == b[i];
}

// True when `name` begins with the word `number`: "4 自动睁眼" shows 4,
// "12 项" does not show 1.
bool ShowsNumber(const char16_t* name, const char16_t* number) {
    int i = 0;
    for (; number[i] != 0 && name[i] == number[i]; ++i) {
    }
    return number[i] == 0 && (name[i] == u' ' || name[i] == 0);
}

}  // namespace

bool ReadTypedInput(const InputField& input, int position, const char16_t* text, double& value,
                    char16_t* message, int capacity) {
    if (input.form == InputForm::ClockTime) {
        if (ParseClockTimeText(text, value)) {
            return true;
        }
        FormatText(message, capacity, u"第 %d 项“%ls”请按“时:分”填写，如 8:30（0:00 至 23:59）。",
                   position, input.label);
        return false;
    }
    double read = 0;
    if (!ParseFieldText(text, read)) {
        FormatText(message, capacity, u"第 %d 项“%ls”请输入数字。", position, input.label);
        return false;
    }
    if (!IsWithin(input.range, read)) {
        FormatRangeRefusal(position, input, message, capacity);
        return false;
    }
    value = read;
    return true;
}

bool ReadChoiceText(const InputField& input, int position, const char16_t* text, double& value,
                    char16_t* message, int capacity) {
    double number = 0;
    const bool isNumber = HasText(text) && ParseFieldText(text, number);
    for (int i = 0; i < input.choiceCount; ++i) {
        if ((isNumber && input.choices[i].value == number) ||
            SameText(text, input.choices[i].name)) {
            value = input.choices[i].value;
            return true;
        }
    }
    FormatChoiceRefusal(input, position, message, capacity);
    return false;
}

void FormatChoiceRefusal(const InputField& input, int position, char16_t* message, int capacity) {
    FormatText(message, capacity, u"第 %d 项“%ls”请从列表中选择。", position, input.label);
}

void FormatFieldValue(double value, char16_t* text, int capacity) {
    FormatText(text, capacity, u"%.6g", value);
}

void FormatInputValue(const InputField& input, double value, char16_t* text, int capacity) {
    if (input.form == InputForm::ClockTime) {
        const long long minutes = std::llround(value * 60);
        FormatText(text, capacity, u"%lld:%02lld", minutes / 60, minutes % 60);
        return;
    }
    FormatFieldValue(value, text, capacity);
}

void FormatRecordValue(const InputField& input, double value, char16_t* text, int capacity) {
    if (HasChoices(input)) {
        const int item = ChoiceIndexOf(input, value);
        char16_t number[kValueCapacity];
        FormatText(number, kValueCapacity, u"%.17g", value);
        if (item < 0) {
            CopyText(text, capacity, number);
        } else if (input.form == InputForm::Choice &&
                   !ShowsNumber(input.choices[item].name, number)) {
            FormatText(text, capacity, u"%ls %ls", number, input.choices[item].name);
        } else {
            CopyText(text, capacity, input.choices[item].name);
        }
        return;
    }
    if (input.form == InputForm::ClockTime) {
        FormatInputValue(input, value, text, capacity);
        return;
    }
    FormatShortest(value, text, capacity);
}

}  // namespace kelomed
