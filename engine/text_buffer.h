// Fixed-capacity UTF-16 text buffers.
//
// Every capacity counts code units and includes the terminating zero. A copy
// keeps the first capacity - 1 units; an append adds at most
// capacity - length - 1 units; the result is always terminated (a capacity of
// 0 or less leaves the buffer untouched).
#pragma once

#include <type_traits>

namespace kelomed {

// Number of units before the terminating zero; 0 for a null pointer. Also
// while compiling, so that the length of a constant text can be derived
// (there a null text does not compile, and the sanitizers' builds cannot
// compare a constant's address with null).
constexpr int TextLength(const char16_t* text) {
    if (!std::is_constant_evaluated() && text == nullptr) {
        return 0;
    }
    int length = 0;
    while (text[length] != 0) {
        ++length;
    }
    return length;
}

// Length of at most `count` units of `text` (stops at the terminator).
int TextLengthBounded(const char16_t* text, int count);

// Replaces `destination` by the first capacity - 1 units of `source`.
void CopyText(char16_t* destination, int capacity, const char16_t* source);

// Appends at most `count` units of `source` (stopping at its terminator),
// bounded by the capacity. Returns the number of units appended.
int AppendUnits(char16_t* destination, int capacity, const char16_t* source, int count);

// Appends all of `source` that fits. Returns the number of units appended.
int AppendText(char16_t* destination, int capacity, const char16_t* source);

// True when the text is present and not empty. Also while compiling, where
// a null text does not compile, as for TextLength.
constexpr bool HasText(const char16_t* text) {
    if (!std::is_constant_evaluated() && text == nullptr) {
        return false;
    }
    return text[0] != 0;
}

// True when `text` reaches the last usable unit of its buffer: a bounded
// write that had to cut stops exactly there, so a text shorter than that was
// written whole.
bool FillsItsBuffer(const char16_t* text, int capacity);

// A text being written: it keeps its length, so appends do not measure the
// text again. Every append is bounded by the capacity and leaves the text
// terminated.
class TextWriter {
  public:
    // Continues the terminated text already in `text`.
    TextWriter(char16_t* text, int capacity);

    // Appends at most `count` units of `source` (stopping at its terminator),
    // as many as fit.
    void Append(const char16_t* source, int count = kUnbounded);
    void Append(char16_t unit);

    int length() const { return length_; }
    // True once an append could not add all it was given.
    bool cut() const { return cut_; }

  private:
    static constexpr int kUnbounded = 0x7FFFFFFF;

    char16_t* text_;
    int capacity_;
    int length_;
    bool cut_ = false;
};

}  // namespace kelomed
