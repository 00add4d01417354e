// The eleven report generators. Each takes (tool, inputs, report,
// reportCapacity, verdict, verdictCapacity), reads its inputs by key, writes a
// report of CR LF lines and a verdict into the caller's buffers (both already
// cleared, both bounded) and returns the level.
#pragma once

#include <cstdint>

#include "engine/tool_model.h"

namespace kelomed {

using ReportGenerator = std::int32_t(const ToolDef& tool, const double* inputs, char16_t* report,
                                     int reportCapacity, char16_t* verdict, int verdictCapacity);

ReportGenerator GenerateNurseRota;          // kind 1
ReportGenerator GenerateDosingTimes;        // kind 2
ReportGenerator GenerateBloodDrawOrder;     // kind 3
ReportGenerator GenerateCriticalValues;     // kind 4
ReportGenerator GenerateHighAlertDrugs;     // kind 5
ReportGenerator GenerateDrugCompatibility;  // kind 6
ReportGenerator GenerateFollowUpPlan;       // kind 7
ReportGenerator GenerateSurgicalChecklist;  // kind 8
ReportGenerator GenerateShiftHandover;      // kind 9
ReportGenerator GenerateInfusionCard;       // kind 10
ReportGenerator GenerateLabPanels;          // kind 11

}  // namespace kelomed
