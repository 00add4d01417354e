// The home program's window: a search field over a list of every tool of
// the suite; Enter or a double click opens a tool's own program beside it,
// or brings its window forward when it is open already.
#include <windows.h>

#include <commctrl.h>

#include "app/decisions/home_layout.h"
#include "app/decisions/home_selftest.h"
#include "app/decisions/recent_tools.h"
#include "app/decisions/tool_finder.h"
#include "app/decisions/window_placement.h"
#include "app/home_program/home_window_windows.h"
#include "app/platform/files.h"
#include "app/platform/record_files.h"
#include "app/platform/wide_text_windows.h"
#include "app/win32/dpi_windows.h"
#include "app/win32/look_windows.h"
#include "engine/format_text.h"
#include "tools/suite.h"

namespace kelomed {
namespace {

constexpr DWORD kHomeStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int kSearchId = 100;
constexpr int kListId = 101;
constexpr int kStatusId = 102;
constexpr int kStatusCapacity = 256;

constexpr const wchar_t* kColumnTitles[kHomeColumnCount] = {L"编号", L"名称", L"分类", L"说明"};
constexpr ToolOrder kColumnOrders[kHomeColumnCount] = {ToolOrder::Number, ToolOrder::Title,
                                                       ToolOrder::Category, ToolOrder::Number};

// A program the home started: its process, until its window shows.
struct Started {
    int id = 0;
    HANDLE process = nullptr;
};

struct Home {
    HINSTANCE instance = nullptr;
    HWND main = nullptr;
    HWND search = nullptr;
    HWND list = nullptr;
    HWND status = nullptr;
    HFONT fonts[kHomeFontCount] = {};
    HBRUSH background = nullptr;
    HomeLayout layout;
    int dpi = kDefaultDpi;
    ToolOrder order = ToolOrder::Number;
    int sortColumn = 0;
    int recent[kMostRecentTools] = {};
    int recentCount = 0;
    Started started[kMostListedTools] = {};
    int startedCount = 0;
};

Home home;

void SetStatus(const char16_t* text) {
    SetWindowTextW(home.status, Wide(text));
}

void CreateFonts() {
    constexpr int kWeights[kHomeFontCount] = {700, 400, 400};
    for (int i = 0; i < kHomeFontCount; ++i) {
        HFONT previous = home.fonts[i];
        home.fonts[i] = CreateSuiteFont(home.layout.fontHeights[i], kWeights[i]);
        if (previous != nullptr) {
            DeleteObject(previous);
        }
    }
}

void Place(HWND control, const Box& box, HomeFont font) {
    MoveWindow(control, box.left, box.top, box.width, box.height, TRUE);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(home.fonts[font]), TRUE);
}

void ApplyLayout() {
    Place(home.search, home.layout.search, kHomeTextFont);
    Place(home.list, home.layout.list, kHomeTextFont);
    Place(home.status, home.layout.status, kHomeSmallFont);
    for (int i = 0; i < kHomeColumnCount; ++i) {
        SendMessageW(home.list, LVM_SETCOLUMNWIDTH, i, home.layout.columnWidths[i]);
    }
}

// The recent tools as the file keeps them; none when it is missing or
// cannot be read.
void LoadRecentTools() {
    char16_t folder[kRecentToolsPathCapacity];
    char16_t path[kRecentToolsPathCapacity];
    char bytes[kRecentToolsFileCapacity];
    if (!ReadLocalAppDataFolder(folder, kRecentToolsPathCapacity) ||
        !FormatRecentToolsPath(folder, path, kRecentToolsPathCapacity)) {
        return;
    }
    const int size = ReadFileStart(path, bytes, kRecentToolsFileCapacity);
    home.recentCount =
        size > 0 ? ReadRecentTools(bytes, size, SuiteTools(), home.recent, kMostRecentTools) : 0;
}

// Keeps the list for next time; a file that cannot be written costs only
// the list, never the tool just opened.
void SaveRecentTools() {
    char16_t appData[kRecentToolsPathCapacity];
    char16_t folder[kRecentToolsPathCapacity];
    char16_t path[kRecentToolsPathCapacity];
    if (!ReadLocalAppDataFolder(appData, kRecentToolsPathCapacity) ||
        !FormatRecentToolsFolder(appData, folder, kRecentToolsPathCapacity) ||
        !FormatRecentToolsPath(appData, path, kRecentToolsPathCapacity)) {
        return;
    }
    CreateFolder(folder);
    char bytes[kRecentToolsFileCapacity];
    const int size =
        FormatRecentTools(home.recent, home.recentCount, bytes, kRecentToolsFileCapacity);
    WriteWholeFile(path, bytes, size);
}

void AddColumnText(int row, int column, const char16_t* text) {
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(Wide(text != nullptr ? text : u""));
    SendMessageW(home.list, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMW, 0,
                 reinterpret_cast<LPARAM>(&item));
}

// The list for what the search field holds, its first row chosen, and the
// status line saying what it shows.
void FillList() {
    wchar_t query[kLongestQuery + 1] = {};
    GetWindowTextW(home.search, query, kLongestQuery + 1);
    const char16_t* typed = reinterpret_cast<const char16_t*>(query);
    static const ToolDef* rows[kMostListedTools];
    const int count =
        ListTools(SuiteTools(), typed, {home.recent, static_cast<std::size_t>(home.recentCount)},
                  home.order, rows, kMostListedTools);
    SendMessageW(home.list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(home.list, LVM_DELETEALLITEMS, 0, 0);
    for (int row = 0; row < count; ++row) {
        char16_t number[8];
        FormatText(number, 8, u"%03d", static_cast<int>(rows[row]->id));
        AddColumnText(row, 0, number);
        AddColumnText(row, 1, rows[row]->title);
        AddColumnText(row, 2, rows[row]->category);
        AddColumnText(row, 3, rows[row]->subtitle);
        LVITEMW item = {};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        item.lParam = rows[row]->id;
        SendMessageW(home.list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    if (count > 0) {
        LVITEMW item = {};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(home.list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(home.list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(home.list, nullptr, TRUE);

    char16_t status[kStatusCapacity];
    const bool empty = query[0] == 0;
    const int recentShown = empty ? home.recentCount : 0;
    if (empty && recentShown > 0) {
        FormatText(status, kStatusCapacity, u"共 %d 个工具，最近打开的 %d 个列在最前", count,
                   recentShown);
    } else if (empty) {
        FormatText(status, kStatusCapacity, u"共 %d 个工具", count);
    } else if (count > 0) {
        FormatText(status, kStatusCapacity, u"找到 %d 个工具，回车打开选中的一个", count);
    } else {
        FormatText(status, kStatusCapacity,
                   u"没有找到“%ls”：可输入名称、拼音首字母（如 dba）或编号（如 70）", typed);
    }
    SetStatus(status);
}

int SelectedToolId() {
    const int row = static_cast<int>(
        SendMessageW(home.list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (row < 0) {
        return 0;
    }
    LVITEMW item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    SendMessageW(home.list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return static_cast<int>(item.lParam);
}

bool BringForward(HWND window) {
    if (window == nullptr) {
        return false;
    }
    if (IsIconic(window)) {
        ShowWindow(window, SW_RESTORE);
    }
    SetForegroundWindow(window);
    return true;
}

// The window of a tool's program that is open. Without one, `starting` says
// whether the home started that program and it still runs, its window not
// yet shown: the home never waits for it, so that it answers at once.
HWND OpenWindowOf(const ToolDef& tool, bool& starting) {
    starting = false;
    HWND window = FindWindowW(ToolWindowClass(), Wide(tool.title));
    for (int i = 0; i < home.startedCount; ++i) {
        Started& started = home.started[i];
        if (started.id != tool.id || started.process == nullptr) {
            continue;
        }
        const bool running = WaitForSingleObject(started.process, 0) == WAIT_TIMEOUT;
        if (window != nullptr || !running) {
            CloseHandle(started.process);
            started.process = nullptr;
        } else {
            starting = true;
        }
    }
    return window;
}

void RememberStarted(int id, HANDLE process) {
    for (int i = 0; i < home.startedCount; ++i) {
        if (home.started[i].id == id) {
            if (home.started[i].process != nullptr) {
                CloseHandle(home.started[i].process);
            }
            home.started[i].process = process;
            return;
        }
    }
    if (home.startedCount < kMostListedTools) {
        home.started[home.startedCount++] = {id, process};
    } else {
        CloseHandle(process);
    }
}

// Opens the tool's own program, the one beside the home, or brings its
// window forward; says in the status line what happened.
void OpenTool(int id) {
    const ToolDef* tool = FindSuiteTool(id);
    if (tool == nullptr) {
        return;
    }
    char16_t status[kStatusCapacity];
    wchar_t own[kPathCapacity] = {};
    const DWORD length = GetModuleFileNameW(nullptr, own, kPathCapacity);
    DWORD slash = length;
    while (slash > 0 && own[slash - 1] != L'\\' && own[slash - 1] != L'/') {
        --slash;
    }
    own[slash] = 0;
    char16_t program[kPathCapacity];
    const bool fits =
        FormatText(program, kPathCapacity, u"%lskelomed-t%03d.exe",
                   reinterpret_cast<const char16_t*>(own), static_cast<int>(id)) < kPathCapacity;
    if (length == 0 || length >= kPathCapacity || !fits || !FileExists(program)) {
        MessageBeep(MB_ICONWARNING);
        FormatText(status, kStatusCapacity,
                   u"找不到 kelomed-t%03d.exe（%ls）：本文件夹缺少这个程序，请联系信息科重新安装",
                   static_cast<int>(id), tool->title);
        SetStatus(status);
        return;
    }
    RememberTool(home.recent, home.recentCount, id);
    SaveRecentTools();
    bool starting = false;
    if (BringForward(OpenWindowOf(*tool, starting))) {
        FormatText(status, kStatusCapacity, u"“%ls”已经打开，已切换到它的窗口", tool->title);
        SetStatus(status);
        return;
    }
    if (starting) {
        FormatText(status, kStatusCapacity, u"“%ls”正在打开，请稍候", tool->title);
        SetStatus(status);
        return;
    }
    char16_t commandLine[kPathCapacity + 2];
    FormatText(commandLine, kPathCapacity + 2, u"\"%ls\"", program);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(Wide(program), const_cast<wchar_t*>(Wide(commandLine)), nullptr, nullptr,
                        FALSE, 0, nullptr, own, &startup, &process)) {
        FormatText(status, kStatusCapacity, u"无法启动 kelomed-t%03d.exe（错误 %lld）",
                   static_cast<int>(id), static_cast<long long>(GetLastError()));
        SetStatus(status);
        return;
    }
    CloseHandle(process.hThread);
    RememberStarted(id, process.hProcess);
    FormatText(status, kStatusCapacity, u"已打开“%ls”", tool->title);
    SetStatus(status);
}

void CreateControls() {
    home.search = CreateWindowExW(
        WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0,
        0, 0, home.main, reinterpret_cast<HMENU>(kSearchId), home.instance, nullptr);
    SendMessageW(home.search, EM_LIMITTEXT, kLongestQuery, 0);
    home.list = CreateWindowExW(
        WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 0, 0,
        0, 0, home.main, reinterpret_cast<HMENU>(kListId), home.instance, nullptr);
    SendMessageW(home.list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT,
                 LVS_EX_FULLROWSELECT);
    for (int i = 0; i < kHomeColumnCount; ++i) {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<wchar_t*>(kColumnTitles[i]);
        column.cx = home.layout.columnWidths[i];
        SendMessageW(home.list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    home.status =
        CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 0, 0, 0, home.main,
                        reinterpret_cast<HMENU>(kStatusId), home.instance, nullptr);
    ApplyLayout();
}

// The arrow on the column the list is ordered by, and on no other.
void ShowSortArrow() {
    HWND header = reinterpret_cast<HWND>(SendMessageW(home.list, LVM_GETHEADER, 0, 0));
    for (int i = 0; i < kHomeColumnCount; ++i) {
        HDITEMW item = {};
        item.mask = HDI_FORMAT;
        SendMessageW(header, HDM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        item.fmt |= i == home.sortColumn ? HDF_SORTUP : 0;
        SendMessageW(header, HDM_SETITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
}

void Paint(HDC dc) {
    const HomeLayout& layout = home.layout;
    RECT all = {0, 0, layout.clientWidth, layout.clientHeight};
    FillRect(dc, &all, home.background);
    HBRUSH band = CreateSolidBrush(kHeaderBand);
    RECT bandBox = {layout.headerBand.left, layout.headerBand.top, layout.headerBand.right(),
                    layout.headerBand.bottom()};
    FillRect(dc, &bandBox, band);
    DeleteObject(band);
    SetBkMode(dc, TRANSPARENT);
    auto text = [&](const Box& at, const wchar_t* words, COLORREF colour, HomeFont font) {
        HGDIOBJ previous = SelectObject(dc, home.fonts[font]);
        SetTextColor(dc, colour);
        RECT box = {at.left, at.top, at.right(), at.bottom()};
        DrawTextW(dc, words, -1, &box, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
        SelectObject(dc, previous);
    };
    text(layout.title, Wide(kHomeTitle), kWhite, kHomeTitleFont);
    text(layout.subLine, L"输入名称、拼音首字母或编号查找；回车或双击打开，↓ 键进入列表", kSubLine,
         kHomeSmallFont);
    text(layout.searchLabel, L"查找", kDarkText, kHomeTextFont);
}

LRESULT OnDpiChanged(HWND window, WPARAM wParam, LPARAM lParam) {
    home.dpi = HIWORD(wParam);
    home.layout = LayOutHome(FollowDpiChange(window, lParam, kHomeLayoutWidth, kHomeLayoutHeight));
    CreateFonts();
    ApplyLayout();
    InvalidateRect(window, nullptr, TRUE);
    return 0;
}

LRESULT OnNotify(const NMHDR& header) {
    if (header.idFrom != kListId) {
        return 0;
    }
    if (header.code == LVN_COLUMNCLICK) {
        const auto& click = reinterpret_cast<const NMLISTVIEW&>(header);
        if (click.iSubItem >= 0 && click.iSubItem < kHomeColumnCount) {
            home.order = kColumnOrders[click.iSubItem];
            home.sortColumn = click.iSubItem;
            ShowSortArrow();
            FillList();
        }
    } else if (header.code == LVN_ITEMACTIVATE) {
        // A double click; NM_DBLCLK comes with it and is left alone, so the
        // tool opens once.
        OpenTool(SelectedToolId());
    }
    return 0;
}

LRESULT LayoutAnswer(WPARAM query) {
    return query < kHomeFontCount ? home.layout.fontHeights[query]
                                  : static_cast<LRESULT>(home.layout.scale * 1000 + 0.5);
}

LRESULT CALLBACK HomeProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT answer = 0;
    if (AnswerTestMessage(message, wParam, LayoutAnswer, answer)) {
        return answer;
    }
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            Paint(dc);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_CTLCOLORSTATIC:
            SetBkColor(reinterpret_cast<HDC>(wParam), kBackground);
            SetTextColor(reinterpret_cast<HDC>(wParam), kQuietText);
            return reinterpret_cast<LRESULT>(home.background);
        case WM_COMMAND:
            if (LOWORD(wParam) == kSearchId && HIWORD(wParam) == EN_CHANGE) {
                FillList();
            }
            return 0;
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_DPICHANGED:
            return OnDpiChanged(window, wParam, lParam);
        case WM_ACTIVATE:
            // Back to the home, the nurse looks for the next tool: the focus
            // is in the search field, its text chosen so that typing
            // replaces it.
            if (LOWORD(wParam) != WA_INACTIVE) {
                SetFocus(home.search);
                SendMessageW(home.search, EM_SETSEL, 0, -1);
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

// Enter opens the chosen tool from the field or the list; Down goes from
// the field into the list, Up from the list's first row back to the field;
// Esc empties the field, Ctrl+A chooses its text. False when the key goes on
// to the control.
bool HandleKey(const MSG& message) {
    if (message.message != WM_KEYDOWN) {
        return false;
    }
    const bool inSearch = message.hwnd == home.search;
    const bool inList = message.hwnd == home.list;
    if (!inSearch && !inList) {
        return false;
    }
    switch (message.wParam) {
        case VK_RETURN:
            OpenTool(SelectedToolId());
            return true;
        case VK_DOWN:
            if (inSearch) {
                SetFocus(home.list);
                return true;
            }
            return false;
        case VK_UP:
            if (inList && SendMessageW(home.list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                       LVNI_FOCUSED) <= 0) {
                SetFocus(home.search);
                return true;
            }
            return false;
        case VK_ESCAPE:
            SetWindowTextW(home.search, L"");
            SetFocus(home.search);
            return true;
        case 'A':
            if (inSearch && (GetKeyState(VK_CONTROL) & 0x8000) != 0) {
                SendMessageW(home.search, EM_SETSEL, 0, -1);
                return true;
            }
            return false;
        default:
            return false;
    }
}

}  // namespace

int RunHome(HINSTANCE instance) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    home.instance = instance;
    home.background = CreateSolidBrush(kBackground);
    LoadRecentTools();

    const OpeningMonitor monitor = MonitorUnderPointer();
    home.dpi = monitor.dpi;
    const SIZE frame = WindowFrameAt(home.dpi, kHomeStyle);
    const WindowPlacement placement = PlaceWindowOfSize(home.dpi, monitor.work, frame.cx, frame.cy,
                                                        kHomeLayoutWidth, kHomeLayoutHeight);
    home.layout = LayOutHome(placement.scale);
    CreateFonts();

    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = HomeProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = home.background;
    windowClass.lpszClassName = HomeWindowClass();
    RegisterClassW(&windowClass);
    home.main = CreateWindowExW(0, HomeWindowClass(), Wide(kHomeTitle), kHomeStyle, placement.left,
                                placement.top, placement.width, placement.height, nullptr, nullptr,
                                instance, nullptr);
    if (home.main == nullptr) {
        return 1;
    }
    CreateControls();
    ShowSortArrow();
    FillList();
    ShowWindow(home.main, SW_SHOW);
    UpdateWindow(home.main);
    SetFocus(home.search);

    return RunMessageLoop(home.main, HandleKey);
}

}  // namespace kelomed
