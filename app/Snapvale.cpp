// Program entry of Snapvale: the application object, its four windows in their fixed
// order (the first becomes the main window) and the message loop.
#include "app/AboutPas.h"
#include "app/LastImgPas.h"
#include "app/MainPas.h"
#include "app/Unit2.h"

#include "framework/Application.h"
#include "framework/WinApi.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Application->Initialize();
    Application->SetTitle("Snapvale1.0");
    Application->CreateForm(MainFrm);
    Application->CreateForm(LastImgFrm);
    Application->CreateForm(Form2);
    Application->CreateForm(AboutFrm);
    Application->Run();
    return 0;
}
