#include "engine/text_buffer.h"

namespace kelomed {

int TextLengthBounded(const char16_t* text, int count) {
    if (text == nullptr) {
        return 0;
    }
    int length = 0;
    while (length < count && text[length] != 0) {
        ++length;
    }
    return length;
}

void CopyText(char16_t* destination, int capacity, const char16_t* source) {
    if (destination == nullptr || capacity <= 0) {
        return;
    }
    destination[0] = 0;
    AppendText(destination, capacity, source);
}

int AppendUnits(char16_t* destination, int capacity, const char16_t* source, int count) {
    if (destination == nullptr || capacity <= 0) {
        return 0;
    }
    const int length = TextLengthBounded(destination, capacity - 1);
    int appended = 0;
    if (source != nullptr) {
        while (length + appended < capacity - 1 && appended < count && source[appended] != 0) {
            destination[length + appended] = source[appended];
            ++appended;
        }
    }
    destination[length + appended] = 0;
    return appended;
}

int AppendText(char16_t* destination, int capacity, const char16_t* source) {
    return AppendUnits(destination, capacity, source, capacity);
}

bool FillsItsBuffer(const char16_t* text, int capacity) {
    return TextLengthBounded(text, capacity) >= capacity - 1;
}

TextWriter::TextWriter(char16_t* text, int capacity)
    : text_(text),
      capacity_(text != nullptr ? capacity : 0),
      length_(capacity_ > 0 ? TextLengthBounded(text, capacity_ - 1) : 0) {}

void TextWriter::Append(const char16_t* source, int count) {
    if (capacity_ <= 0) {
        cut_ = cut_ || HasText(source);
        return;
    }
    int i = 0;
    if (source != nullptr) {
        for (; i < count && source[i] != 0 && length_ < capacity_ - 1; ++i) {
            text_[length_++] = source[i];
        }
        cut_ = cut_ || (i < count && source[i] != 0);
    }
    text_[length_] = 0;
}

void TextWriter::Append(char16_t unit) {
    const char16_t text[2] = {unit, 0};
    Append(text, 1);
}

}  // namespace kelomed
