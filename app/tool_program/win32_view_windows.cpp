#include <cstring>

#include "app/tool_program/gui_windows.h"
#include "engine/text_buffer.h"

namespace kelomed {
namespace {

constexpr int kClipboardAttempts = 10;
constexpr DWORD kClipboardRetryMs = 20;

// Another program (a clipboard manager, a remote desktop's clipboard sync,
// Wine's own) may hold the clipboard open for a moment; a nurse's copy
// should not fail for that.
bool OpenClipboardPatiently(HWND owner) {
    for (int attempt = 1; attempt <= kClipboardAttempts; ++attempt) {
        if (OpenClipboard(owner)) {
            return true;
        }
        Sleep(kClipboardRetryMs);
    }
    return false;
}

}  // namespace

void Win32View::ReadField(int index, char16_t* text, int capacity) {
    CopyText(text, capacity, u"");
    if (capacity > 0) {
        GetWindowTextW(gui_.fields[index], reinterpret_cast<wchar_t*>(text), capacity);
    }
}

void Win32View::SetField(int index, const char16_t* text) {
    SetWindowTextW(gui_.fields[index], Wide(text));
}

int Win32View::ReadChoice(int index) {
    if (gui_.layout.rows[index].kind == RowKind::Check) {
        return SendMessageW(gui_.fields[index], BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    }
    const LRESULT item = SendMessageW(gui_.fields[index], CB_GETCURSEL, 0, 0);
    return item == CB_ERR ? -1 : static_cast<int>(item);
}

void Win32View::SelectChoice(int index, int item) {
    if (gui_.layout.rows[index].kind == RowKind::Check) {
        SendMessageW(gui_.fields[index], BM_SETCHECK, item == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
        return;
    }
    SendMessageW(gui_.fields[index], CB_SETCURSEL, static_cast<WPARAM>(item), 0);
}

void Win32View::SetResultText(const char16_t* text) {
    SetWindowTextW(gui_.result, Wide(text));
}

void Win32View::SetVerdictText(const char16_t* text) {
    SetWindowTextW(gui_.verdict, Wide(text));
}

void Win32View::SetNoteText(const char16_t* text) {
    SetWindowTextW(gui_.note, Wide(text));
}

void Win32View::ShowMessage(const char16_t* text, const char16_t* caption, MessageIcon icon) {
    MessageBoxW(gui_.main, Wide(text), Wide(caption),
                icon == MessageIcon::Warning ? MB_ICONWARNING : MB_ICONINFORMATION);
}

void Win32View::FocusField(int index) {
    SetFocus(gui_.fields[index]);
}

// An input that does not apply is greyed, its label too.
void Win32View::EnableInput(int index, bool enabled) {
    EnableWindow(gui_.fields[index], enabled ? TRUE : FALSE);
    if (gui_.labels[index] != nullptr) {
        EnableWindow(gui_.labels[index], enabled ? TRUE : FALSE);
    }
}

void Win32View::RedrawVerdict() {
    InvalidateRect(gui_.verdict, nullptr, TRUE);
}

void Win32View::RedrawMainWindow() {
    InvalidateRect(gui_.main, nullptr, FALSE);
}

bool Win32View::PutOnClipboard(const char16_t* text) {
    // The block is prepared before the clipboard is emptied, so a failure
    // leaves what was there before.
    const SIZE_T bytes = (static_cast<SIZE_T>(TextLength(text)) + 1) * sizeof(char16_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (block == nullptr) {
        return false;
    }
    void* memory = GlobalLock(block);
    if (memory == nullptr) {
        GlobalFree(block);
        return false;
    }
    std::memcpy(memory, text, bytes);
    GlobalUnlock(block);
    if (!OpenClipboardPatiently(gui_.main)) {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    if (!placed) {
        GlobalFree(block);
    }
    CloseClipboard();
    return placed;
}

}  // namespace kelomed
