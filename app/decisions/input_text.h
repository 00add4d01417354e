// What an input takes, read from text and said in words: the window's fields
// and the self-test's --set pairs take a value the same way and refuse it
// with the same message, which names the input and what it takes.
#pragma once

#include "engine/tool_model.h"

namespace kelomed {

inline constexpr int kInputMessageCapacity = 256;
// The longest text of a value as a record keeps it.
inline constexpr int kInputValueTextCapacity = 64;

// Reads the text of a number or clock-time input at 1-based `position`.
// False, with the message in `message`, when the text is not a number (or
// not H:MM) or the value is outside what the input takes.
bool ReadTypedInput(const InputField& input, int position, const char16_t* text, double& value,
                    char16_t* message, int capacity);

// Reads a choice or check-box input given as the number or the name of one
// of its items. False, with the message, for anything else.
bool ReadChoiceText(const InputField& input, int position, const char16_t* text, double& value,
                    char16_t* message, int capacity);

// "第 N 项“label”请从列表中选择。"
void FormatChoiceRefusal(const InputField& input, int position, char16_t* message, int capacity);

// Formats a number as a field shows it ("%.6g").
void FormatFieldValue(double value, char16_t* text, int capacity);

// Formats a value of `input` as its field shows it: a clock time as H:MM,
// any other number as FormatFieldValue does.
void FormatInputValue(const InputField& input, double value, char16_t* text, int capacity);

// The value as a record keeps it: a number with every digit it was typed
// with (the shortest text that reads back as the same number: 12345.67, not
// 12345.7), a clock time as H:MM, a choice or check box by its item's name,
// preceded by its number when the name does not show it ("1 男").
void FormatRecordValue(const InputField& input, double value, char16_t* text, int capacity);

}  // namespace kelomed
