#include "app/win32/look_windows.h"

namespace kelomed {

HFONT CreateSuiteFont(int height, int weight, const wchar_t* face) {
    return CreateFontW(-(height > 0 ? height : 1), 0, 0, 0, weight, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face);
}

int RunMessageLoop(HWND window, bool (*handleKey)(const MSG&)) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (handleKey(message) || IsDialogMessageW(window, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

double FollowDpiChange(HWND window, LPARAM suggestedRectangle, int layoutWidth, int layoutHeight) {
    const RECT* suggested = reinterpret_cast<const RECT*>(suggestedRectangle);
    SetWindowPos(window, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client;
    GetClientRect(window, &client);
    const double byWidth = static_cast<double>(client.right) / layoutWidth;
    const double byHeight = static_cast<double>(client.bottom) / layoutHeight;
    return byWidth < byHeight ? byWidth : byHeight;
}

bool AnswerTestMessage(UINT message, WPARAM wParam, LRESULT (*layoutAnswer)(WPARAM),
                       LRESULT& answer) {
    static const UINT layoutQuery = RegisterWindowMessageW(Wide(kLayoutQueryMessage));
    static const UINT barrier = RegisterWindowMessageW(Wide(kBarrierMessage));
    static WPARAM lastBarrier = 0;
    if (message == layoutQuery && layoutQuery != 0) {
        answer = layoutAnswer != nullptr ? layoutAnswer(wParam) : 0;
        return true;
    }
    if (message == barrier && barrier != 0) {
        if (wParam != 0) {
            lastBarrier = wParam;
        }
        answer = static_cast<LRESULT>(lastBarrier);
        return true;
    }
    return false;
}

}  // namespace kelomed
