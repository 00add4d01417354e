#include "engine/text_buffer.h"

namespace kelomed {

int TextLength(const char16_t* text) {
    if (text == nullptr) {
        return 0;
    }
    int length = 0;
    while (text[length] != 0) {
        ++length;
    }
    return length;
}

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

bool TextEquals(const char16_t* left, const char16_t* right) {
    const char16_t empty[1] = {0};
    const char16_t* a = left != nullptr ? left : empty;
    const char16_t* b = right != nullptr ? right : empty;
    while (*a != 0 && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

}  // namespace kelomed
