// A console reporter that keeps each benchmark's CPU time per iteration by
// name, so ratios between benchmarks come from one run.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace kelomed::bench {

class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                // Every benchmark here reports in nanoseconds, the default unit.
                nanoseconds_[run.benchmark_name()] = run.GetAdjustedCPUTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Nanoseconds per iteration, or 0 for a benchmark that did not run.
    double At(const std::string& name) const {
        const auto found = nanoseconds_.find(name);
        return found == nanoseconds_.end() ? 0 : found->second;
    }

  private:
    std::map<std::string, double> nanoseconds_;
};

}  // namespace kelomed::bench
