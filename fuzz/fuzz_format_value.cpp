// Value and date formatting with arbitrary doubles, codes and capacities:
// the text keeps its first capacity - 1 units, terminated, and the date
// formatter reports a cut as -1.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/day_number.h"
#include "engine/format_value.h"
#include "engine/text_buffer.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kelomed::fuzz::FuzzInput input(data, size);
    const double value = input.Take<double>();
    const auto dayNumber = input.Take<std::int64_t>();
    const int capacity = 1 + input.Take<std::uint8_t>() % 200;
    const std::string code(reinterpret_cast<const char*>(input.rest()), input.restSize());

    std::vector<char16_t> full(400, u'\xFFFF');
    std::vector<char16_t> out(static_cast<std::size_t>(capacity), u'\xFFFF');
    kelomed::FormatValue(code.c_str(), value, full.data(), 400);
    kelomed::FormatValue(code.c_str(), value, out.data(), capacity);
    const int fullLength = kelomed::TextLength(full.data());
    const int length = kelomed::TextLength(out.data());
    if (fullLength > 128 || length > capacity - 1) {
        std::abort();
    }
    const int kept = fullLength < capacity - 1 ? fullLength : capacity - 1;
    if (length != kept || std::u16string(out.data()) != std::u16string(full.data(), kept)) {
        std::abort();
    }

    std::vector<char16_t> date(static_cast<std::size_t>(capacity), u'\xFFFF');
    std::vector<char16_t> wholeDate(64, u'\xFFFF');
    const int written = kelomed::FormatDayNumber(dayNumber, date.data(), capacity);
    const int wholeLength = kelomed::FormatDayNumber(dayNumber, wholeDate.data(), 64);
    const int dateLength = kelomed::TextLength(date.data());
    if (wholeLength < 0 || dateLength > capacity - 1) {
        std::abort();
    }
    if (written != (wholeLength <= capacity - 1 ? wholeLength : -1)) {
        std::abort();
    }
    return 0;
}
