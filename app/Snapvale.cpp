// Program entry of Snapvale.
#include "framework/WinApi.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
