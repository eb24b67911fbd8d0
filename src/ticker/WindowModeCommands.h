#pragma once

// The window-mode commands of the ticker's "表示" menu, as the options dialog's
// "ウィンドウ操作" buttons reach them: the same operations, whoever calls them.
class WindowModeCommands {
public:
    virtual ~WindowModeCommands() = default;

    virtual void toggleBorder() = 0;      // "ボーダーを表示"
    virtual void toggleTopmost() = 0;     // "最前面に表示"
    virtual void toggleAlwaysShow() = 0;  // "常に表示"
    virtual void toggleReverse() = 0;     // "反転"
    virtual void toggleOrientation() = 0; // "縦横"
    virtual void fitToSign() = 0;         // the client area takes the sign's size
};
