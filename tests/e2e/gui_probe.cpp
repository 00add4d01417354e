#include "tests/e2e/gui_probe.h"

#include <algorithm>
#include <cstring>

#include "app/win32/look_windows.h"
#include "tests/e2e/checks.h"

namespace kelomed::e2e {
namespace {

constexpr UINT kSendTimeoutMs = 3000;
constexpr int kMessageTextId = 0xFFFF;

struct BoxSearch {
    DWORD thread;
    HWND found;
};

BOOL CALLBACK FindBoxOfThread(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<BoxSearch*>(parameter);
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    if (IsWindowVisible(window) && std::wstring(className) == L"#32770" &&
        GetWindowThreadProcessId(window, nullptr) == search->thread) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

struct LabelSearch {
    HWND main;
    HWND found;
};

BOOL CALLBACK FindVerdictLabel(HWND child, LPARAM parameter) {
    auto* search = reinterpret_cast<LabelSearch*>(parameter);
    RECT box;
    GetWindowRect(child, &box);
    MapWindowPoints(nullptr, search->main, reinterpret_cast<POINT*>(&box), 2);
    if (box.left == 492 && box.top == 142) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

struct StaticSearch {
    HWND main;
    int left;
    std::vector<std::pair<LONG, HWND>> found;
};

BOOL CALLBACK FindStaticsAt(HWND child, LPARAM parameter) {
    auto* search = reinterpret_cast<StaticSearch*>(parameter);
    wchar_t className[32] = {};
    GetClassNameW(child, className, 32);
    RECT box;
    GetWindowRect(child, &box);
    MapWindowPoints(nullptr, search->main, reinterpret_cast<POINT*>(&box), 2);
    if (_wcsicmp(className, L"Static") == 0 && box.left == search->left) {
        search->found.emplace_back(box.top, child);
    }
    return TRUE;
}

}  // namespace

bool GuiProbe::Launch(const std::wstring& program) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
        return false;
    }
    WaitForInputIdle(process_.hProcess, 10000);
    for (int i = 0; i < 200 && main_ == nullptr; ++i) {
        Attach();
        if (main_ == nullptr) {
            Sleep(50);
        }
    }
    return main_ != nullptr;
}

bool GuiProbe::Attach() {
    main_ = FindWindowW(ToolWindowClass(), nullptr);
    thread_ = main_ != nullptr ? GetWindowThreadProcessId(main_, nullptr) : 0;
    return main_ != nullptr;
}

void GuiProbe::Close() {
    if (main_ != nullptr) {
        PostMessageW(main_, WM_CLOSE, 0, 0);
    }
    if (process_.hProcess != nullptr) {
        WaitForSingleObject(process_.hProcess, 10000);
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
        process_ = {};
    }
    main_ = nullptr;
}

HWND GuiProbe::VerdictLabel() const {
    LabelSearch search{main_, nullptr};
    EnumChildWindows(main_, FindVerdictLabel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<std::wstring> GuiProbe::StaticTextsAt(int left) const {
    StaticSearch search{main_, left, {}};
    EnumChildWindows(main_, FindStaticsAt, reinterpret_cast<LPARAM>(&search));
    std::sort(search.found.begin(), search.found.end());
    std::vector<std::wstring> texts;
    for (const auto& [top, control] : search.found) {
        texts.push_back(Text(control));
    }
    return texts;
}

HWND GuiProbe::Focused() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(thread_, &info);
    return info.hwndFocus;
}

std::wstring GuiProbe::Text(HWND control) const {
    wchar_t buffer[8192] = {};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(control, WM_GETTEXT, 8192, reinterpret_cast<LPARAM>(buffer),
                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored);
    return buffer;
}

std::wstring GuiProbe::ClassOf(HWND control) const {
    wchar_t name[64] = {};
    GetClassNameW(control, name, 64);
    return name;
}

LONG GuiProbe::StyleOf(HWND control) const {
    return GetWindowLongW(control, GWL_STYLE);
}

std::vector<std::wstring> GuiProbe::Items(HWND list) const {
    DWORD_PTR count = 0;
    SendMessageTimeoutW(list, CB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &count);
    std::vector<std::wstring> items;
    for (DWORD_PTR i = 0; i < count && i < 100; ++i) {
        wchar_t buffer[256] = {};
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer),
                            SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored);
        items.push_back(buffer);
    }
    return items;
}

int GuiProbe::Selection(HWND list) const {
    DWORD_PTR item = 0;
    SendMessageTimeoutW(list, CB_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &item);
    return static_cast<int>(static_cast<LRESULT>(item));
}

void GuiProbe::Select(HWND list, int item) const {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(list, CB_SETCURSEL, static_cast<WPARAM>(item), 0, SMTO_ABORTIFHUNG,
                        kSendTimeoutMs, &ignored);
}

bool GuiProbe::Checked(HWND box) const {
    DWORD_PTR state = 0;
    SendMessageTimeoutW(box, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &state);
    return state == BST_CHECKED;
}

void GuiProbe::SetChecked(HWND box, bool ticked) const {
    if (Checked(box) != ticked) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(box, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored);
    }
}

void GuiProbe::SetText(HWND control, const std::wstring& text) const {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored);
}

void GuiProbe::PressKey(HWND control, WPARAM key) const {
    PostMessageW(control, WM_KEYDOWN, key, 1);
    PostMessageW(control, WM_KEYUP, key, 0xC0000001);
}

void GuiProbe::Click(int commandId) const {
    PostMessageW(main_, WM_COMMAND, MAKEWPARAM(commandId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(main_, commandId)));
}

void GuiProbe::Settle() const {
    SettleWindow(main_);
}

bool SettleWindow(HWND window) {
    static const UINT barrier = RegisterWindowMessageW(Wide(kBarrierMessage));
    // Numbers unique across the driver's runs: the window keeps the last.
    static WPARAM next = static_cast<WPARAM>(GetTickCount64() * 1000 + GetCurrentProcessId());
    const WPARAM number = ++next;
    if (!PostMessageW(window, barrier, number, 0)) {
        return false;
    }
    const WPARAM kept = WaitFor(
        [window] {
            DWORD_PTR answer = 0;
            SendMessageTimeoutW(window, barrier, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &answer);
            return static_cast<WPARAM>(answer);
        },
        [number](WPARAM answer) { return answer == number; });
    if (kept != number) {
        Print(L"FAIL the window did not handle what was posted to it in time\n");
    }
    return kept == number;
}

HWND GuiProbe::FindBox() const {
    BoxSearch search{thread_, nullptr};
    EnumWindows(FindBoxOfThread, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

MessageBoxText GuiProbe::TakeMessageBox(int timeoutMs) const {
    MessageBoxText result;
    HWND box = WaitFor([this] { return FindBox(); }, [](HWND found) { return found != nullptr; },
                       static_cast<DWORD>(timeoutMs));
    if (box == nullptr) {
        return result;
    }
    // The box exists before its text is set.
    result.text = WaitFor([&] { return Text(GetDlgItem(box, kMessageTextId)); },
                          [](const std::wstring& text) { return !text.empty(); });
    result.shown = true;
    result.caption = Text(box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    WaitFor([box] { return IsWindow(box) != FALSE; }, [](bool open) { return !open; });
    Settle();
    return result;
}

bool GuiProbe::NoMessageBox() const {
    return FindBox() == nullptr;
}

std::wstring GuiProbe::OpenBoxCaption() const {
    const HWND box = FindBox();
    return box != nullptr ? Text(box) : std::wstring();
}

POINT GuiProbe::FieldCentre(int index) const {
    RECT box;
    GetWindowRect(Field(index), &box);
    return {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

std::wstring ReadClipboardText() {
    std::wstring text;
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (OpenClipboard(nullptr)) {
            HANDLE data = GetClipboardData(CF_UNICODETEXT);
            if (data != nullptr) {
                const auto* units = static_cast<const wchar_t*>(GlobalLock(data));
                if (units != nullptr) {
                    text = units;
                    GlobalUnlock(data);
                }
            }
            CloseClipboard();
            return text;
        }
        Sleep(50);
    }
    return text;
}

bool PutClipboardText(const std::wstring& text) {
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (block == nullptr) {
        return false;
    }
    std::memcpy(GlobalLock(block), text.c_str(), bytes);
    GlobalUnlock(block);
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            const bool placed = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
            CloseClipboard();
            return placed;
        }
        Sleep(50);
    }
    GlobalFree(block);
    return false;
}

std::wstring ReadClipboardTextOnceItIs(const std::wstring& expected) {
    return WaitFor(ReadClipboardText,
                   [&expected](const std::wstring& text) { return text == expected; });
}

}  // namespace kelomed::e2e
