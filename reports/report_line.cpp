#include "reports/report_line.h"

#include <cstring>

#include "engine/text_buffer.h"

namespace kelomed {

void ReportWriter::AppendLine(const char16_t* line) {
    Append(line, kReportLineCapacity - 1);
    Append(u"\r\n");
}

double FindInputValue(const ToolDef& tool, const double* inputs, const char* key) {
    for (int i = 0; i < tool.inputCount; ++i) {
        if (std::strcmp(tool.inputs[i].key, key) == 0) {
            return inputs[i];
        }
    }
    return 0;
}

std::int32_t ToWholeNumber(double value) {
    if (value >= -2147483648.0 && value < 2147483648.0) {
        return static_cast<std::int32_t>(value);
    }
    return INT32_MIN;
}

std::int32_t FindWholeInput(const ToolDef& tool, const double* inputs, const char* key) {
    return ToWholeNumber(FindInputValue(tool, inputs, key));
}

void WriteVerdict(char16_t* verdict, int verdictCapacity, const char16_t* text) {
    CopyText(verdict, verdictCapacity, text);
}

}  // namespace kelomed
