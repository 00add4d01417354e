#include "app/decisions/record_command.h"

#include "app/decisions/commands.h"
#include "app/decisions/record_store.h"
#include "engine/format_text.h"
#include "engine/text_buffer.h"

namespace kelomed {
namespace {

constexpr int kMessageCapacity = 1024;
constexpr int kAppDataCapacity = 260;

void ReportSaveFailure(WindowState& state, WindowView& view, const char16_t* path) {
    char16_t message[kMessageCapacity];
    if (path != nullptr) {
        FormatText(message, kMessageCapacity,
                   u"本次结果未能保存到记录文件：\r\n%ls\r\n\r\n"
                   u"如该文件正在 Excel 等程序中打开，请先关闭后再点击“保存记录”。",
                   path);
    } else {
        FormatText(message, kMessageCapacity,
                   u"本次结果未能保存：无法确定本机的本地应用数据文件夹。");
    }
    CopyText(state.statusText, kStatusTextCapacity, u"记录保存失败");
    view.RedrawMainWindow();
    view.ShowMessage(message, u"保存失败", MessageIcon::Warning);
}

}  // namespace

void SaveRecordCommand(WindowState& state, WindowView& view, const char16_t* appDataFolder,
                       const LocalTime& time) {
    if (!HasResult(state)) {
        view.ShowMessage(u"请先点击“计算”生成结果，再保存记录。", u"提示",
                         MessageIcon::Information);
        return;
    }
    if (state.reportCut) {
        view.ShowMessage(kIncompleteResultMessage, u"提示", MessageIcon::Warning);
        return;
    }
    if (appDataFolder == nullptr || appDataFolder[0] == 0) {
        ReportSaveFailure(state, view, nullptr);
        return;
    }
    char16_t path[kRecordPathCapacity];
    if (!AppendRecord(*state.tool, state.inputs, state.reportCopy, appDataFolder, time, path,
                      kRecordPathCapacity)) {
        ReportSaveFailure(state, view, path);
        return;
    }
    FormatText(state.statusText, kStatusTextCapacity, u"记录已保存：%ls", path);
    view.RedrawMainWindow();
    view.ShowMessage(u"本次结果已追加保存到本地记录（CSV，可用 Excel 打开）。", u"已保存",
                     MessageIcon::Information);
}

void RunSaveCommand(WindowState& state, WindowView& view) {
    char16_t folder[kAppDataCapacity];
    const bool known = ReadLocalAppDataFolder(folder, kAppDataCapacity);
    SaveRecordCommand(state, view, known ? folder : nullptr, ReadLocalTime());
}

}  // namespace kelomed
