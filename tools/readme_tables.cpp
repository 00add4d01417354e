#include "tools/readme_tables.h"

#include <algorithm>

#include "engine/utf8.h"
#include "tools/infusion.h"
#include "tools/suite.h"

namespace kelomed {
namespace {

std::string Utf8Of(const char16_t* text) {
    if (text == nullptr) {
        return "";
    }
    std::string bytes(static_cast<std::size_t>(TextLength(text)) * kUtf8BytesPerUnit + 1, '\0');
    const int size = Utf16ToUtf8(text, bytes.data(), static_cast<int>(bytes.size()));
    bytes.resize(size > 0 ? static_cast<std::size_t>(size) : 0);
    return bytes;
}

std::string Text(const char* text) {
    return text != nullptr ? text : "";
}

std::string Joined(const std::string& left, const std::string& right) {
    return left.empty() ? right : right.empty() ? left : left + "; " + right;
}

bool IsInfusion(const ToolDef& tool) {
    for (const InfusionDrug* drug : InfusionLibrary()) {
        if (drug->texts.id == tool.id) {
            return true;
        }
    }
    return false;
}

std::string KindOf(const ToolDef& tool) {
    if (IsInfusion(tool)) {
        return "infusion";
    }
    if (!IsFormulaTool(tool)) {
        return "report";
    }
    return tool.listsChosenItems ? "scale" : "formula";
}

std::string Number(int id) {
    std::string number = std::to_string(id);
    return std::string(3 - std::min<std::size_t>(3, number.size()), '0') + number;
}

std::string UseName(const InfusionUse& use) {
    return use.name != nullptr ? Utf8Of(use.name) + ": " : "";
}

std::string UsualDose(const InfusionUse& use) {
    std::string usual = UseName(use);
    if (use.ceiling) {
        usual += "no usual dose in the label; ceiling " + Text(use.usualHighest) + "–" +
                 Text(use.maximum);
    } else if (use.usualLowest == nullptr || Text(use.usualLowest) == Text(use.usualHighest)) {
        usual += Text(use.usualHighest) + " (label rate)";
    } else {
        usual += Text(use.usualLowest) + "–" + Text(use.usualHighest);
    }
    if (use.limitNote != nullptr) {
        usual += " (" + Utf8Of(use.limitNote) + ")";
    }
    return usual;
}

// A use's limits, without its name.
std::string Limits(const InfusionDrug& drug, const InfusionUse& use) {
    std::string limits = use.maximum != nullptr ? Text(use.maximum) : "none in the label";
    if (use.maximumTime != nullptr) {
        limits += " (" + Utf8Of(use.maximumTime) + ")";
    }
    if (use.dailyMaximum != nullptr) {
        limits += "; " + Text(use.dailyMaximum) + " " + Utf8Of(ShapeOf(drug.unit).amountPerDay) +
                  " a day" + (use.dailyCountsLoading ? " with the load" : "") +
                  (use.dailyIsHard ? " (hard)" : " (soft)");
    }
    if (use.cumulativeMaximum != nullptr) {
        limits += "; course total " + Text(use.cumulativeMaximum) + " " +
                  Utf8Of(ShapeOf(drug.unit).amountPerDay) + " (reported)";
    }
    return limits;
}

std::string Loading(const InfusionUse& use) {
    const LoadingDose& loading = use.loading;
    if (loading.amount == nullptr) {
        return "";
    }
    std::string text = UseName(use) + Text(loading.amount) +
                       (loading.highest != nullptr ? "–" + Text(loading.highest) : "") + " " +
                       Utf8Of(loading.unit) + (loading.highest != nullptr ? " typed" : "");
    if (loading.minutes != nullptr) {
        text +=
            ", " + Text(loading.minutes) + " min" + (loading.minutesAtLeast ? " or longer" : "");
    }
    if (loading.pushTime != nullptr) {
        text += ", " + Utf8Of(loading.pushTime);
    }
    return text;
}

std::string Row(const InfusionDrug& drug) {
    std::string usual;
    std::string limits;
    std::string loading;
    // Limits every use shares are written once.
    bool sameLimits = true;
    for (const InfusionUse& use : drug.uses) {
        sameLimits = sameLimits && (use.usualHighest == nullptr ||
                                    Limits(drug, use) == Limits(drug, drug.uses[0]));
    }
    for (const InfusionUse& use : drug.uses) {
        if (use.usualHighest == nullptr) {
            continue;
        }
        usual = Joined(usual, UsualDose(use));
        if (!sameLimits) {
            limits = Joined(limits, UseName(use) + Limits(drug, use));
        }
        loading = Joined(loading, Loading(use));
    }
    if (sameLimits) {
        limits = Limits(drug, drug.uses[0]);
    }
    const std::string concentration = Utf8Of(ShapeOf(drug.unit).concentration);
    if (drug.maximumConcentration != nullptr) {
        limits +=
            "; concentration " + Text(drug.maximumConcentration) + " " + concentration + " (hard)";
    }
    if (drug.dilutionHighest != nullptr) {
        limits += "; dilution " + Text(drug.dilutionHighest) + " " + concentration + " (soft)";
    }
    std::string preparations;
    for (const Preparation& preparation : drug.preparations) {
        if (preparation.amount != nullptr) {
            preparations = (preparations.empty() ? "" : preparations + ", ") +
                           Text(preparation.amount) + "/" + Text(preparation.volume) +
                           (preparation.central ? " central" : "");
        }
    }
    return "| " + Number(drug.texts.id) + " " + Utf8Of(drug.texts.title) + " | " +
           Utf8Of(ShapeOf(drug.unit).dose) + " | " + usual + " | " + limits + " | " +
           (loading.empty() ? "—" : loading) + " | " + preparations + " | " + Utf8Of(drug.source) +
           " |\n";
}

bool Replace(std::string& text, const std::string& begin, const std::string& end,
             const std::string& table) {
    const std::size_t from = text.find(begin);
    const std::size_t to = from == std::string::npos ? from : text.find(end, from);
    if (to == std::string::npos) {
        return false;
    }
    const std::size_t after = from + begin.size();
    text.replace(after, to - after, "\n" + table);
    return true;
}

}  // namespace

std::string ProgramsTable() {
    std::string table = "| program | tool | what it computes | kind |\n|---|---|---|---|\n";
    table += "| `kelomed` | " + Utf8Of(kHomeTitle) +
             " | finds every tool below and opens its program | home |\n";
    for (const ToolDef* tool : SuiteTools()) {
        table += "| `kelomed-t" + Number(tool->id) + "` | " + Utf8Of(tool->title) + " | " +
                 Utf8Of(tool->subtitle) + " | " + KindOf(*tool) + " |\n";
    }
    return table;
}

std::string InfusionLibraryTable() {
    std::string table =
        "| program | dose unit | use: usual (soft) | maximum (hard) and other limits | loading "
        "dose | preparations (amount / ml) | source (year) |\n|---|---|---|---|---|---|---|\n";
    for (const InfusionDrug* drug : InfusionLibrary()) {
        table += Row(*drug);
    }
    return table;
}

bool WithTablesWritten(const std::string& readme, std::string& written) {
    written = readme;
    return Replace(written, "<!-- programs: suite_manifest writes this table -->",
                   "<!-- end of programs -->", ProgramsTable()) &&
           Replace(written, "<!-- infusion library: suite_manifest writes this table -->",
                   "<!-- end of infusion library -->", InfusionLibraryTable());
}

}  // namespace kelomed
