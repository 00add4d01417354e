#include "tests/e2e/home_scenario.h"

#include <windows.h>

#include <commctrl.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/platform/record_files.h"
#include "app/win32/look_windows.h"
#include "tests/e2e/checks.h"
#include "tests/e2e/gui_probe.h"
#include "tools/suite.h"

namespace kelomed::e2e {
namespace {

const wchar_t* const kHomeClass = HomeWindowClass();
const wchar_t* const kToolClass = ToolWindowClass();
constexpr int kSearchId = 100;
constexpr int kListId = 101;
constexpr int kStatusId = 102;
constexpr UINT kSendTimeoutMs = 3000;

std::wstring WideOf(const char16_t* text) {
    return text != nullptr ? reinterpret_cast<const wchar_t*>(text) : L"";
}

std::wstring Number(int id) {
    wchar_t text[8];
    swprintf(text, 8, L"%03d", id);
    return text;
}

HWND HomeWindow() {
    return FindWindowW(kHomeClass, nullptr);
}

std::wstring TextOf(HWND control) {
    wchar_t text[512] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(control, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        kSendTimeoutMs, &copied);
    return text;
}

// The first column of every row of the home's list, read from its process:
// a list view's item texts live in its own address space.
std::vector<std::wstring> ListNumbers(HWND home) {
    std::vector<std::wstring> numbers;
    HWND list = GetDlgItem(home, kListId);
    DWORD pid = 0;
    GetWindowThreadProcessId(home, &pid);
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process == nullptr) {
        return numbers;
    }
    constexpr SIZE_T kTextUnits = 64;
    const SIZE_T size = sizeof(LVITEMW) + kTextUnits * sizeof(wchar_t);
    auto* remote = static_cast<char*>(
        VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; remote != nullptr && row < rows; ++row) {
        LVITEMW item = {};
        item.iSubItem = 0;
        item.cchTextMax = kTextUnits;
        item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(LVITEMW));
        WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
        SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(remote));
        wchar_t text[kTextUnits] = {};
        ReadProcessMemory(process, remote + sizeof(LVITEMW), text, sizeof text, nullptr);
        numbers.push_back(text);
    }
    if (remote != nullptr) {
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return numbers;
}

// The centre of row `row` of the home's list on the screen, read from its
// process like the rows' texts.
bool RowCentre(HWND home, int row, POINT& centre) {
    HWND list = GetDlgItem(home, kListId);
    DWORD pid = 0;
    GetWindowThreadProcessId(home, &pid);
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process == nullptr) {
        return false;
    }
    RECT box = {LVIR_LABEL, 0, 0, 0};
    void* remote =
        VirtualAllocEx(process, nullptr, sizeof box, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    const bool read =
        remote != nullptr && WriteProcessMemory(process, remote, &box, sizeof box, nullptr) &&
        SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(remote)) != 0 &&
        ReadProcessMemory(process, remote, &box, sizeof box, nullptr);
    if (remote != nullptr) {
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    centre = {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    return read && ClientToScreen(list, &centre);
}

std::wstring Joined(const std::vector<std::wstring>& items) {
    std::wstring text;
    for (const std::wstring& item : items) {
        text += (text.empty() ? L"" : L",") + item;
    }
    return text;
}

// The processes running `program` (its file name, "kelomed-t070.exe").
int ProcessesOf(const std::wstring& program) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return -1;
    }
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        count += _wcsicmp(entry.szExeFile, program.c_str()) == 0 ? 1 : 0;
    }
    CloseHandle(snapshot);
    return count;
}

HWND WaitForWindow(const wchar_t* className, const wchar_t* title, DWORD timeoutMs) {
    for (DWORD waited = 0; waited <= timeoutMs; waited += 100) {
        HWND window = FindWindowW(className, title);
        if (window != nullptr && IsWindowVisible(window)) {
            return window;
        }
        Sleep(100);
    }
    return nullptr;
}

HWND Launch(const std::wstring& program) {
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return nullptr;
    }
    WaitForInputIdle(process.hProcess, 10000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return WaitForWindow(kHomeClass, nullptr, 10000);
}

std::wstring FolderOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

// The numbers of the tool programs in `folder`.
std::vector<std::wstring> ProgramsIn(const std::wstring& folder) {
    std::vector<std::wstring> numbers;
    WIN32_FIND_DATAW found = {};
    HANDLE search = FindFirstFileW((folder + L"\\kelomed-t*.exe").c_str(), &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found)) {
        const std::wstring name = found.cFileName;
        if (name.size() == 16) {
            numbers.push_back(name.substr(9, 3));
        }
    }
    if (search != INVALID_HANDLE_VALUE) {
        FindClose(search);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

std::wstring RecentToolsPath() {
    char16_t folder[kPathCapacity] = {};
    ReadLocalAppDataFolder(folder, kPathCapacity);
    return std::wstring(Wide(folder)) + L"\\" + Wide(kSuiteFolderName) + L"\\recent-tools.txt";
}

void CloseAll() {
    for (const wchar_t* className : {kToolClass, kHomeClass}) {
        for (HWND window; (window = FindWindowW(className, nullptr)) != nullptr;) {
            DWORD_PTR ignored = 0;
            SendMessageTimeoutW(window, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored);
            for (int i = 0; i < 50 && IsWindow(window); ++i) {
                Sleep(100);
            }
        }
    }
}

// Waits until the home is the foreground window with the focus in its
// search field, where typed keys go.
void ExpectSearchFocused(HWND home, Checks& checks, const std::wstring& what) {
    const HWND search = GetDlgItem(home, kSearchId);
    auto focused = [home, search] {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(home, nullptr), &info);
        return GetForegroundWindow() == home && info.hwndFocus == search;
    };
    checks.Expect(WaitFor(focused, [](bool done) { return done; }), what);
}

// Opens the home on the list of every tool, no recent tools kept: the list
// is the programs beside it, each once, in number order.
int ListsEveryProgram(const std::wstring& program) {
    Checks checks;
    CloseAll();
    DeleteFileW(RecentToolsPath().c_str());
    HWND home = Launch(program);
    checks.Expect(home != nullptr, L"the home's window opens");
    if (home == nullptr) {
        checks.Summary();
        return 1;
    }
    std::vector<std::wstring> expected;
    for (const ToolDef* tool : SuiteTools()) {
        expected.push_back(Number(tool->id));
    }
    checks.ExpectEqual(Joined(ListNumbers(home)), Joined(expected),
                       L"the home lists every tool of the suite, in number order");
    checks.ExpectEqual(Joined(ProgramsIn(FolderOf(program))), Joined(expected),
                       L"and those are the programs beside it");
    checks.ExpectEqual(TextOf(GetDlgItem(home, kStatusId)),
                       L"共 " + std::to_wstring(expected.size()) + L" 个工具",
                       L"the status line counts them");
    ExpectSearchFocused(home, checks, L"it opens with the focus in the search field");
    checks.Summary();
    return checks.failed() > 0 ? 1 : 0;
}

// After "query" was typed: exactly the tools whose initials begin with it.
int FoundByInitials(const std::wstring& query) {
    Checks checks;
    HWND home = HomeWindow();
    checks.ExpectEventually([home] { return TextOf(GetDlgItem(home, kSearchId)); }, query,
                            L"the search field holds it");
    std::vector<std::wstring> expected;
    for (const ToolDef* tool : SuiteTools()) {
        std::wstring letters;
        for (const char* at = tool->initials; *at != 0; ++at) {
            if (*at != ' ') {
                letters += static_cast<wchar_t>(*at);
            }
        }
        if (letters.rfind(query, 0) == 0) {
            expected.push_back(Number(tool->id));
        }
    }
    checks.Expect(!expected.empty(), L"some tool's initials begin with " + query);
    checks.ExpectEventually([home] { return Joined(ListNumbers(home)); }, Joined(expected),
                            L"typing " + query + L" leaves the tools whose initials begin so");
    checks.Summary();
    return checks.failed() > 0 ? 1 : 0;
}

// The search field holds `query` ("" for empty) and the list the tools
// `numbers`, in this order.
int SearchShows(const std::wstring& query, const std::vector<std::wstring>& numbers) {
    Checks checks;
    HWND home = HomeWindow();
    checks.ExpectEventually([home] { return TextOf(GetDlgItem(home, kSearchId)); }, query,
                            L"the search field holds [" + query + L"]");
    if (!numbers.empty()) {
        checks.ExpectEventually([home] { return Joined(ListNumbers(home)); }, Joined(numbers),
                                L"and the list shows what it finds");
    }
    checks.Summary();
    return checks.failed() > 0 ? 1 : 0;
}

// Tool `id` runs in one process, its window shown; "again": it is the
// foreground window, and the home says it was open already.
int Opened(int id, bool again) {
    Checks checks;
    const ToolDef* tool = FindSuiteTool(id);
    const std::wstring program = L"kelomed-t" + Number(id) + L".exe";
    HWND window = WaitForWindow(kToolClass, WideOf(tool->title).c_str(), 10000);
    checks.Expect(window != nullptr, L"the window of " + program + L" is shown");
    checks.ExpectEqual(std::to_wstring(ProcessesOf(program)), L"1",
                       L"one process of " + program + (again ? L", not a second" : L""));
    if (!again) {
        // Opened once: a second request would have found the window and
        // said it was open already.
        checks.ExpectEventually([] { return TextOf(GetDlgItem(HomeWindow(), kStatusId)); },
                                L"已打开“" + WideOf(tool->title) + L"”",
                                L"the home says it opened it");
    }
    if (again) {
        const HWND forward = WaitFor(GetForegroundWindow, [window](HWND w) { return w == window; });
        checks.Expect(forward == window, L"opened again, its window comes forward");
        const std::wstring status = WaitFor(
            [] { return TextOf(GetDlgItem(HomeWindow(), kStatusId)); },
            [](const std::wstring& text) { return text.find(L"已经打开") != std::wstring::npos; });
        checks.Expect(status.find(L"已经打开") != std::wstring::npos,
                      L"the home says it was open already", status);
    }
    checks.Summary();
    return checks.failed() > 0 ? 1 : 0;
}

// The centre of the home's search field on the screen, where a nurse
// clicks to come back to it.
int SearchFieldPoint() {
    HWND search = GetDlgItem(HomeWindow(), kSearchId);
    RECT box;
    if (search == nullptr || !GetWindowRect(search, &box)) {
        return 1;
    }
    std::printf("%ld %ld\n", (box.left + box.right) / 2, (box.top + box.bottom) / 2);
    return 0;
}

// Opened again, the home lists the tool opened last first and says so; it
// is left open.
int ListsRecentFirst(const std::wstring& program, int id) {
    Checks checks;
    HWND home = Launch(program);
    const std::vector<std::wstring> rows =
        home != nullptr ? ListNumbers(home) : std::vector<std::wstring>{};
    checks.Expect(!rows.empty() && rows.front() == Number(id),
                  L"the tool opened last is listed first", rows.empty() ? L"" : rows.front());
    checks.ExpectEqual(std::to_wstring(rows.size()), std::to_wstring(SuiteTools().size()),
                       L"and every tool once");
    const std::wstring status = home != nullptr ? TextOf(GetDlgItem(home, kStatusId)) : L"";
    checks.Expect(status.find(L"最近打开的 1 个列在最前") != std::wstring::npos,
                  L"the status line says so", status);
    checks.Summary();
    return checks.failed() > 0 ? 1 : 0;
}

// The home alone in a folder: opening a tool says in the status line that
// its program is missing, and starts nothing.
int ReportsAMissingProgram(const std::wstring& program) {
    Checks checks;
    CloseAll();
    const std::wstring folder = L"C:\\kelomed-home-alone";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring alone = folder + L"\\kelomed.exe";
    CopyFileW(program.c_str(), alone.c_str(), FALSE);
    HWND home = Launch(alone);
    checks.Expect(home != nullptr, L"the home opens alone in a folder");
    if (home != nullptr) {
        HWND search = GetDlgItem(home, kSearchId);
        SendMessageW(search, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"70"));
        PostMessageW(search, WM_KEYDOWN, VK_RETURN, 0);
        SettleWindow(home);
        const std::wstring status = WaitFor(
            [home] { return TextOf(GetDlgItem(home, kStatusId)); },
            [](const std::wstring& text) { return text.find(L"找不到") != std::wstring::npos; });
        checks.Expect(status.find(L"找不到 kelomed-t070.exe") != std::wstring::npos,
                      L"a missing program's row gives the status message", status);
        checks.ExpectEqual(std::to_wstring(ProcessesOf(L"kelomed-t070.exe")), L"0",
                           L"and starts nothing");
    }
    CloseAll();
    DeleteFileW(alone.c_str());
    RemoveDirectoryW(folder.c_str());
    checks.Summary();
    return checks.failed() > 0 ? 1 : 0;
}

}  // namespace

int RunHomeVerb(const std::wstring& verb, const std::vector<std::wstring>& arguments) {
    if (verb == L"home-list" && arguments.size() == 1) {
        return ListsEveryProgram(arguments[0]);
    }
    if (verb == L"home-found" && arguments.size() == 1) {
        return FoundByInitials(arguments[0]);
    }
    if (verb == L"home-search" && !arguments.empty()) {
        return SearchShows(arguments[0] == L"-" ? L"" : arguments[0],
                           std::vector<std::wstring>(arguments.begin() + 1, arguments.end()));
    }
    if (verb == L"home-opened" && arguments.size() == 2) {
        return Opened(_wtoi(arguments[0].c_str()), arguments[1] == L"again");
    }
    if (verb == L"home-search-point") {
        return SearchFieldPoint();
    }
    if (verb == L"home-row-point" && arguments.size() == 1) {
        POINT centre = {};
        if (!RowCentre(HomeWindow(), _wtoi(arguments[0].c_str()), centre)) {
            return 1;
        }
        std::printf("%ld %ld\n", centre.x, centre.y);
        return 0;
    }
    if (verb == L"home-recent" && arguments.size() == 2) {
        return ListsRecentFirst(arguments[0], _wtoi(arguments[1].c_str()));
    }
    if (verb == L"home-missing" && arguments.size() == 1) {
        return ReportsAMissingProgram(arguments[0]);
    }
    if (verb == L"home-focused") {
        Checks checks;
        ExpectSearchFocused(HomeWindow(), checks, L"back in the home, the focus is in its search");
        checks.Summary();
        return checks.failed() > 0 ? 1 : 0;
    }
    if (verb == L"home-close") {
        CloseAll();
        return 0;
    }
    return -1;
}

}  // namespace kelomed::e2e
