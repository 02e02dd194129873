// Records its start and keeps running until it is ended from outside.
#include "record_start.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    RecordStart();
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
