#include <cmath>

#include "reports/generators.h"
#include "reports/report_line.h"

namespace kelomed {
namespace {

constexpr std::int32_t kMostDoses = 30;
constexpr int kEntryCapacity = 64;
constexpr char16_t kSeparator[] = u"  |  ";
constexpr char16_t kNote[] = u"说明：按等间隔给药；抗菌药物需结合半衰期与肾肝功能调整。";
// A start or interval near the largest double prints 309 digits, as the
// whole heading line may hold.
constexpr int kHeadingPieceCapacity = kReportLineCapacity;
// Beyond this many days (about 2^53 hours) a dose time no longer counts
// whole days and hours exactly.
constexpr double kLargestDay = 9.0e15;

// "第d天 HH:MM" for a dose at `hours` past midnight of day 1, or "第--天 --:--"
// when that time is not a finite number of hours that a date can show
// (a huge interval overflows to infinity after a few doses).
void FormatEntry(double hours, char16_t* entry) {
    const double days = hours / 24;
    if (!(days < kLargestDay)) {
        FormatText(entry, kEntryCapacity, u"第--天 --:--");
        return;
    }
    const double clock = std::fmod(hours, 24.0);
    const int hour = static_cast<int>(clock);
    const int minute = static_cast<int>((clock - hour) * 60);
    FormatText(entry, kEntryCapacity, u"第%lld天 %02d:%02d", 1 + static_cast<long long>(days), hour,
               minute);
}

bool IsWhole(double value) {
    return std::trunc(value) == value;
}

// The heading's first dose, in the same hours and truncated minutes as its
// entry below ("8:05" for 8.1); a whole hour keeps the form "8:00". `start`
// is finite and not negative.
void FormatFirstDose(double start, char16_t* text) {
    if (IsWhole(start)) {
        FormatText(text, kHeadingPieceCapacity, u"%.0f:00", start);
        return;
    }
    const double hours = std::trunc(start);
    const int minute = static_cast<int>((start - hours) * 60);
    FormatText(text, kHeadingPieceCapacity, u"%.0f:%02d", hours, minute);
}

// The heading, every entry at its longest between separators, and the note.
constexpr int kLongestDosingTable = kLongestReportLine + kMostDoses * (kEntryCapacity - 1) +
                                    (kMostDoses - 1) * TextLength(kSeparator) + kLineEndUnits +
                                    LineUnits(kNote);
static_assert(kLongestDosingTable <= kLongestGeneratedReport);

}  // namespace

std::int32_t GenerateDosingTimes(const ToolDef& tool, const double* inputs, char16_t* report,
                                 int reportCapacity, char16_t* verdict, int verdictCapacity) {
    ReportWriter writer(report, reportCapacity);
    double start = FindInputValue(tool, inputs, "start");
    double interval = FindInputValue(tool, inputs, "interval");
    const std::int32_t times = ClampCount(FindWholeInput(tool, inputs, "times"), 1, kMostDoses);
    // A start that is not a finite hour counts as midnight, like a negative one;
    // an interval that is not a finite positive number of hours counts as 8.
    if (!(start >= 0) || !std::isfinite(start)) {
        start = 0;
    }
    if (!(interval > 0) || !std::isfinite(interval)) {
        interval = 8;
    }
    char16_t firstDose[kHeadingPieceCapacity];
    FormatFirstDose(start, firstDose);
    char16_t spacing[kHeadingPieceCapacity];
    FormatText(spacing, kHeadingPieceCapacity, IsWhole(interval) ? u"%.0f" : u"%g", interval);
    AppendReportLine(writer, u"首剂时间 %ls，间隔 %ls 小时，共 %d 次：", firstDose, spacing, times);
    for (std::int32_t dose = 0; dose < times; ++dose) {
        char16_t entry[kEntryCapacity];
        FormatEntry(start + dose * interval, entry);
        writer.Append(entry);
        if (dose + 1 < times) {
            writer.Append(kSeparator);
        }
    }
    writer.Append(u"\r\n");
    AppendReportLine(writer, kNote);
    WriteVerdict(verdict, verdictCapacity, u"给药时间表已生成，注意首剂与夜间给药时间");
    return 0;
}

}  // namespace kelomed
