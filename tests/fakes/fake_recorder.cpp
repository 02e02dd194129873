// Records its start and ends at once.
#include "record_start.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    RecordStart();
    BecomeIdle();
    return 0;
}
