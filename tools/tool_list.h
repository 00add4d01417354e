// Every tool of the suite, one program each: KELOMED_TOOL(id, the file in
// tools/ that defines it, without ".cpp"). The build reads this list to make
// the programs, so adding a tool is its file and one line here.
KELOMED_TOOL(48, norepinephrine_dose)
KELOMED_TOOL(101, nurse_rota)
KELOMED_TOOL(102, dosing_times)
KELOMED_TOOL(103, blood_draw_order)
KELOMED_TOOL(104, critical_values)
KELOMED_TOOL(105, high_alert_drugs)
KELOMED_TOOL(106, drug_compatibility)
KELOMED_TOOL(107, follow_up_plan)
KELOMED_TOOL(108, surgical_checklist)
KELOMED_TOOL(109, shift_handover)
KELOMED_TOOL(110, infusion_card)
KELOMED_TOOL(111, lab_panels)
