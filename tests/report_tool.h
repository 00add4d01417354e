// Report tools for tests: a generator and a list of input keys.
#pragma once

#include <string>
#include <vector>

#include "engine/compute.h"
#include "engine/tool_model.h"
#include "tests/test_text.h"

namespace kelomed::testing {

// The date the tests take for today, unless one says otherwise.
inline constexpr CivilDate kTestToday = {2026, 12, 8};

struct ReportResult {
    std::string report;
    std::string verdict;
    std::int32_t level = -1;

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::size_t begin = 0;
        for (std::size_t end; (end = report.find("\r\n", begin)) != std::string::npos;
             begin = end + 2) {
            lines.push_back(report.substr(begin, end - begin));
        }
        if (begin < report.size()) {
            lines.push_back(report.substr(begin));
        }
        return lines;
    }
};

// What `tool` computes for `inputs` (kMaxInputs places), in buffers of the
// window's sizes unless told otherwise.
inline ReportResult ComputeReport(const ToolDef& tool, const double* inputs,
                                  int reportCapacity = kLongestFormulaReport + 1,
                                  int verdictCapacity = 512, const CivilDate& today = kTestToday) {
    std::vector<char16_t> report(static_cast<std::size_t>(reportCapacity));
    std::vector<char16_t> verdict(static_cast<std::size_t>(verdictCapacity));
    ReportResult result;
    result.level = ComputeTool(tool, inputs, today, report.data(), reportCapacity, verdict.data(),
                               verdictCapacity)
                       .level;
    result.report = Utf8Of(report.data());
    result.verdict = Utf8Of(verdict.data());
    return result;
}

class GeneratorTool {
  public:
    GeneratorTool(ReportGenerator* generate, std::vector<const char*> keys)
        : keys_(std::move(keys)) {
        for (const char* key : keys_) {
            inputs_.push_back({key, u"项", u"", 0});
        }
        tool_ = {100,
                 u"报告工具",
                 nullptr,
                 u"报告",
                 u"依据",
                 nullptr,
                 static_cast<std::int32_t>(inputs_.size()),
                 inputs_.data(),
                 0,
                 nullptr,
                 0,
                 nullptr,
                 generate};
    }

    const ToolDef& tool() const { return tool_; }

    ReportResult Compute(std::vector<double> values, int reportCapacity = 8192,
                         int verdictCapacity = 512, const CivilDate& today = kTestToday) const {
        values.resize(kMaxInputs);
        return ComputeReport(tool_, values.data(), reportCapacity, verdictCapacity, today);
    }

  private:
    std::vector<const char*> keys_;
    std::vector<InputField> inputs_;
    ToolDef tool_{};
};

}  // namespace kelomed::testing
