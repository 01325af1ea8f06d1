// quorvane.exe: everything happens in App, the composition root.
#include <windows.h>

#include "win32/app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    quorvane::win32::App app(instance);
    return app.run();
}
