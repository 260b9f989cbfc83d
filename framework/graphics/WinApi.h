// The one way the product includes the Win32 headers: wide entry points, no min/max
// macros, and the A/W name macros that clash with the framework's own member names
// (TCanvas::TextOut, TApplication::MessageBox, ...) removed, so host calls name the wide
// function explicitly (TextOutW, MessageBoxW).
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif

#include <windows.h>

#undef TextOut
#undef DrawText
#undef MessageBox
#undef LoadBitmap
#undef LoadIcon
#undef LoadCursor
#undef GetObject
#undef CreateWindow
#undef CreateFont
#undef GetClassName
#undef SendMessage
#undef PostMessage
#undef DispatchMessage
#undef GetMessage
#undef PeekMessage
#undef DefWindowProc
#undef CallWindowProc
#undef RegisterClass
#undef FindWindow
#undef GetWindowText
#undef SetWindowText
#undef LoadImage
#undef CopyFile
#undef MoveFile
#undef DeleteFile
#undef FindResource
#undef GetCurrentTime
#undef Yield
