#include "centre_on_owner.h"

void CentreOnOwner(HWND window) {
    RECT owner, own;
    GetWindowRect(GetWindow(window, GW_OWNER), &owner);
    GetWindowRect(window, &own);
    const int x = owner.left + ((owner.right - owner.left) - (own.right - own.left)) / 2;
    const int y = owner.top + ((owner.bottom - owner.top) - (own.bottom - own.top)) / 2;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
