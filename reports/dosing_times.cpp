#include <cmath>

#include "engine/format_value.h"
#include "reports/dosing_times.h"
#include "reports/report_line.h"

namespace kelomed {
namespace {

constexpr int kEntryCapacity = 64;
constexpr char16_t kSeparator[] = u"  |  ";
constexpr char16_t kNote[] = u"说明：按等间隔给药；抗菌药物需结合半衰期与肾肝功能调整。";
// An interval near the largest double prints 309 digits, as the whole
// heading line may hold.
constexpr int kHeadingPieceCapacity = kReportLineCapacity;
constexpr long long kMinutesPerDay = 24 * 60;
// Up to 2^53 minutes a time counts whole minutes exactly.
constexpr double kLastExactMinute = 0x1p53;

// The minute, counted from midnight of day 1, nearest to `hours`; false when
// it is not a finite time a date can show (a huge interval overflows after a
// few doses). Times are read to the nearest minute: a time typed as H:MM is
// hours that a double holds only nearly (8:05 is 8.0833...), and a truncated
// minute would show about every other dose a minute early.
bool NearestMinute(double hours, long long& minute) {
    const double minutes = hours * 60;
    if (!(minutes < kLastExactMinute)) {
        return false;
    }
    minute = std::llround(minutes);
    return true;
}

// "第d天 HH:MM" for a dose `hours` past midnight of day 1, or "第--天 --:--".
void FormatEntry(double hours, char16_t* entry) {
    long long minute = 0;
    if (!NearestMinute(hours, minute)) {
        FormatText(entry, kEntryCapacity, u"第--天 --:--");
        return;
    }
    const long long clock = minute % kMinutesPerDay;
    FormatText(entry, kEntryCapacity, u"第%lld天 %02lld:%02lld", 1 + minute / kMinutesPerDay,
               clock / 60, clock % 60);
}

// The heading's first dose as H:MM, the same minute as its entry below.
void FormatFirstDose(double start, char16_t* text) {
    long long minute = 0;
    if (!NearestMinute(start, minute)) {
        FormatText(text, kHeadingPieceCapacity, u"--:--");
        return;
    }
    FormatText(text, kHeadingPieceCapacity, u"%lld:%02lld", minute / 60, minute % 60);
}

// The heading, every entry at its longest between separators, and the note.
constexpr int kLongestDosingTable = kLongestReportLine + kMostDoses * (kEntryCapacity - 1) +
                                    (kMostDoses - 1) * TextLength(kSeparator) + kLineEndUnits +
                                    LineUnits(kNote);
static_assert(kLongestDosingTable <= kLongestGeneratedReport);

}  // namespace

std::int32_t GenerateDosingTimes(const ToolDef& tool, const double* inputs, const CivilDate&,
                                 char16_t* report, int reportCapacity, char16_t* verdict,
                                 int verdictCapacity) {
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
    FormatShortest(interval, spacing, kHeadingPieceCapacity);
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
