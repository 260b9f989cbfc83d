#include "WindowTestSupport.h"

#include "framework/core/TextConv.h"
#include "framework/windows/ExtCtrls.h"
#include "framework/windows/ScrollBox.h"
#include "framework/windows/StdCtrls.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>

namespace {

RECT WindowRectInParent(HWND Window) {
    RECT Rect{};
    GetWindowRect(Window, &Rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(Window), reinterpret_cast<POINT*>(&Rect), 2);
    return Rect;
}

// A panel without bevels, so that its whole area is client area.
void MakeBareParent(TPanel& Parent, int Width, int Height) {
    Parent.SetBevelOuter(TBevelCut::bvNone);
    Parent.SetBounds(0, 0, Width, Height);
}

std::string WindowText(HWND Window) {
    wchar_t Buffer[256] = {};
    GetWindowTextW(Window, Buffer, 256);
    return WideToUtf8(Buffer);
}

TEST(ControlLayout, AlignedChildrenShareTheClientAreaInStackingOrder) {
    TPanel Parent(nullptr);
    MakeBareParent(Parent, 200, 100);
    TPanel Top(nullptr), Bottom(nullptr), Left(nullptr), Client(nullptr), Top2(nullptr);
    Top.SetHeight(10);
    Top2.SetBounds(0, 50, 10, 5);
    Bottom.SetHeight(20);
    Left.SetWidth(30);
    for (TPanel* Child : {&Client, &Left, &Bottom, &Top2, &Top})
        Child->SetParent(&Parent);
    Top.SetAlign(TAlign::alTop);
    Top2.SetAlign(TAlign::alTop);
    Bottom.SetAlign(TAlign::alBottom);
    Left.SetAlign(TAlign::alLeft);
    Client.SetAlign(TAlign::alClient);

    auto Bounds = [](const TControl& C) {
        return std::vector<int>{C.Left(), C.Top(), C.Width(), C.Height()};
    };
    EXPECT_EQ(Bounds(Top), (std::vector<int>{0, 0, 200, 10}));
    EXPECT_EQ(Bounds(Top2), (std::vector<int>{0, 10, 200, 5}));
    EXPECT_EQ(Bounds(Bottom), (std::vector<int>{0, 80, 200, 20}));
    EXPECT_EQ(Bounds(Left), (std::vector<int>{0, 15, 30, 65}));
    EXPECT_EQ(Bounds(Client), (std::vector<int>{30, 15, 170, 65}));

    Parent.SetBounds(0, 0, 300, 200);
    EXPECT_EQ(Bounds(Bottom), (std::vector<int>{0, 180, 300, 20}));
    EXPECT_EQ(Bounds(Client), (std::vector<int>{30, 15, 270, 165}));

    Left.SetVisible(false);
    EXPECT_EQ(Bounds(Client), (std::vector<int>{0, 15, 300, 165}));
}

TEST(ControlLayout, PanelBevelsNarrowTheAlignedArea) {
    TPanel Parent(nullptr);
    Parent.SetBevelOuter(TBevelCut::bvRaised);
    Parent.SetBevelInner(TBevelCut::bvLowered);
    Parent.SetBevelWidth(2);
    Parent.SetBorderWidth(1);
    Parent.SetBounds(0, 0, 100, 50);
    TPanel Child(nullptr);
    Child.SetParent(&Parent);
    Child.SetAlign(TAlign::alClient);
    EXPECT_EQ(Child.Left(), 5);
    EXPECT_EQ(Child.Top(), 5);
    EXPECT_EQ(Child.Width(), 90);
    EXPECT_EQ(Child.Height(), 40);
}

TEST(ControlLayout, AnchorsKeepDistancesWhenTheParentResizes) {
    TPanel Parent(nullptr);
    MakeBareParent(Parent, 200, 100);
    TPanel RightBottom(nullptr), Stretched(nullptr), Fixed(nullptr);
    RightBottom.SetBounds(150, 60, 40, 30);
    Stretched.SetBounds(10, 10, 100, 20);
    Fixed.SetBounds(5, 5, 10, 10);
    RightBottom.SetParent(&Parent);
    Stretched.SetParent(&Parent);
    Fixed.SetParent(&Parent);
    RightBottom.SetAnchors({TAnchorKind::akRight, TAnchorKind::akBottom});
    Stretched.SetAnchors({TAnchorKind::akLeft, TAnchorKind::akTop, TAnchorKind::akRight});

    Parent.SetBounds(0, 0, 260, 130);
    EXPECT_EQ(RightBottom.Left(), 210);
    EXPECT_EQ(RightBottom.Top(), 90);
    EXPECT_EQ(RightBottom.Width(), 40);
    EXPECT_EQ(Stretched.Width(), 160);
    EXPECT_EQ(Stretched.Left(), 10);
    EXPECT_EQ(Fixed.Left(), 5);
    EXPECT_EQ(Fixed.Width(), 10);
}

TEST(ControlLayout, ConstraintsLimitEverySize) {
    TPanel Panel(nullptr);
    Panel.Constraints()->SetMinWidth(50);
    Panel.Constraints()->SetMaxHeight(40);
    Panel.SetBounds(0, 0, 10, 100);
    EXPECT_EQ(Panel.Width(), 50);
    EXPECT_EQ(Panel.Height(), 40);
    Panel.Constraints()->SetMaxWidth(30); // below the minimum: the minimum follows
    EXPECT_EQ(Panel.Constraints()->MinWidth(), 30);
    EXPECT_EQ(Panel.Width(), 30);
}

TEST(WindowHandles, ParentsAreCreatedFirstAndChildWindowsFollowTheirBounds) {
    TForm Form(nullptr);
    TPanel Panel(nullptr);
    TButton Button(nullptr);
    Panel.SetParent(&Form);
    Button.SetParent(&Panel);
    Button.SetBounds(7, 9, 60, 22);
    EXPECT_FALSE(Form.HandleAllocated());

    const HWND ButtonWindow = Button.Handle();
    ASSERT_TRUE(Form.HandleAllocated());
    EXPECT_EQ(GetParent(ButtonWindow), Panel.Handle());
    EXPECT_EQ(GetParent(Panel.Handle()), Form.Handle());
    EXPECT_EQ(FindControl(ButtonWindow), &Button);
    const RECT Rect = WindowRectInParent(ButtonWindow);
    EXPECT_EQ(Rect.left, 7);
    EXPECT_EQ(Rect.top, 9);
    EXPECT_EQ(Rect.right - Rect.left, 60);

    Button.SetBounds(20, 4, 50, 30);
    const RECT Moved = WindowRectInParent(ButtonWindow);
    EXPECT_EQ(Moved.left, 20);
    EXPECT_EQ(Moved.bottom - Moved.top, 30);

    Panel.SetParent(nullptr); // leaving the form destroys the panel's window and its children
    EXPECT_FALSE(Panel.HandleAllocated());
    EXPECT_FALSE(Button.HandleAllocated());
    EXPECT_FALSE(IsWindow(ButtonWindow));
}

TEST(WindowHandles, AFreedWindowedChildLeavesTheTabOrder) {
    TForm Form(nullptr);
    auto* A = new TButton(&Form);
    auto* B = new TButton(&Form);
    auto* C = new TButton(&Form);
    for (TButton* Button : {A, B, C})
        Button->SetParent(&Form);
    Form.SetActiveControl(B);
    delete B;
    EXPECT_EQ(Form.ControlCount(), 2);
    EXPECT_EQ(C->TabOrder(), 1);
    EXPECT_EQ(Form.ActiveControl(), nullptr);
    std::vector<TWinControl*> Order;
    Form.GetTabOrderList(Order);
    EXPECT_EQ(Order, (std::vector<TWinControl*>{A, C}));
    Form.Show(); // only the controls of a showing form take the focus
    EXPECT_EQ(Form.FindNextControl(A, true, true), C);
    EXPECT_EQ(Form.FindNextControl(C, true, true), A);
    Form.Hide();
}

TEST(WindowHandles, RecreateWndKeepsCaptionBoundsAndChildren) {
    TForm Form(nullptr);
    Form.SetBounds(40, 50, 300, 200);
    Form.SetCaption("Before");
    TButton Button(nullptr);
    Button.SetParent(&Form);
    Button.SetBounds(10, 12, 80, 24);
    Button.SetCaption("Press");
    TProbeControl Graphic(nullptr);
    Graphic.SetParent(&Form);
    Form.HandleNeeded();
    Form.SetCaption("Renamed caption");
    const HWND OldForm = Form.Handle();
    const HWND OldButton = Button.Handle();

    Form.RecreateWnd();

    ASSERT_TRUE(Form.HandleAllocated());
    EXPECT_NE(Form.Handle(), OldForm);
    EXPECT_FALSE(IsWindow(OldButton));
    EXPECT_EQ(WindowText(Form.Handle()), "Renamed caption");
    RECT FormRect{};
    GetWindowRect(Form.Handle(), &FormRect);
    EXPECT_EQ(FormRect.left, 40);
    EXPECT_EQ(FormRect.top, 50);
    EXPECT_EQ(FormRect.right - FormRect.left, 300);
    ASSERT_TRUE(Button.HandleAllocated());
    EXPECT_EQ(GetParent(Button.Handle()), Form.Handle());
    EXPECT_EQ(WindowText(Button.Handle()), "Press");
    const RECT ButtonRect = WindowRectInParent(Button.Handle());
    EXPECT_EQ(ButtonRect.left, 10);
    EXPECT_EQ(ButtonRect.top, 12);
    EXPECT_EQ(Form.ControlCount(), 2);
    EXPECT_EQ(Graphic.Parent(), &Form);
}

TEST(WindowHandles, AWindowNamesItsControlOnlyWhileItLives) {
    TForm Form(nullptr);
    TButton Button(nullptr);
    Button.SetParent(&Form);
    Form.HandleNeeded();
    const HWND Window = Button.Handle();
    EXPECT_EQ(FindControl(Window), &Button);
    EXPECT_EQ(FindControl(nullptr), nullptr);

    // Destroyed by the host, as a parent's destruction does: the handle names nothing,
    // also not when the host hands the same value to a window of another kind.
    DestroyWindow(Window);
    EXPECT_EQ(FindControl(Window), nullptr);
    const HWND Plain = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                       nullptr, nullptr);
    EXPECT_EQ(FindControl(Plain), nullptr);
    DestroyWindow(Plain);

    Form.RecreateWnd();
    Button.HandleNeeded();
    EXPECT_EQ(FindControl(Button.Handle()), &Button);
    EXPECT_EQ(FindControl(Form.Handle()), &Form);
}

TEST(WindowHandles, TextSetThroughTheHostReachesTheControl) {
    TForm Form(nullptr);
    Form.HandleNeeded();
    SetWindowTextW(Form.Handle(), L"\u622a\u53d6\u7684\u56fe\u7247");
    EXPECT_EQ(Form.Caption(), "截取的图片");
    Form.SetCaption("Snapvale");
    EXPECT_EQ(WindowText(Form.Handle()), "Snapvale");
}

// Records the order in which messages pass the class chain.
class TRecordingPanel : public TPanel {
public:
    using TPanel::TPanel;
    std::vector<std::string> Trail;
    void Dispatch(TMessage& Message) override {
        if (Message.Msg == WM_USER + 5)
            Trail.push_back("Dispatch");
        TPanel::Dispatch(Message);
    }
    void DefaultHandler(TMessage& Message) override {
        if (Message.Msg == WM_USER + 5)
            Trail.push_back("DefaultHandler");
        TPanel::DefaultHandler(Message);
    }
};

TEST(WindowMessages, HostMessagesPassDispatchThenTheDefaultHandler) {
    TRecordingPanel Panel(nullptr);
    SendMessageW(Panel.Handle(), WM_USER + 5, 0, 0);
    EXPECT_EQ(Panel.Trail, (std::vector<std::string>{"Dispatch", "DefaultHandler"}));
}

TEST(WindowMessages, ExceptionsInHandlersReachTheErrorBoxAndHandlingGoesOn) {
    TRecordedMessageBoxes Recorded;
    Application->SetTitle("Snapvale1.0");
    TForm Form(nullptr);
    TButton Button(nullptr);
    Button.SetParent(&Form);
    int Clicks = 0;
    struct THandler {
        int* Count;
        void Click(TObject*) {
            ++*Count;
            throw EInvalidOperation("Cannot save the picture");
        }
    } Handler{&Clicks};
    Button.OnClick = MakeEvent(&Handler, &THandler::Click);

    SendMessageW(Button.Handle(), BM_CLICK, 0, 0);
    SendMessageW(Button.Handle(), BM_CLICK, 0, 0);

    EXPECT_EQ(Clicks, 2);
    ASSERT_EQ(Recorded.Boxes.size(), 2u);
    EXPECT_EQ(Recorded.Boxes[0].Text, "Cannot save the picture.");
    EXPECT_EQ(Recorded.Boxes[0].Caption, "Snapvale1.0");
    EXPECT_EQ(Recorded.Boxes[0].Flags & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    EXPECT_TRUE(Form.HandleAllocated());
}

TEST(GraphicChildren, MouseMessagesReachTheGraphicChildInItsCoordinates) {
    TForm Form(nullptr);
    TProbeControl Back(nullptr), Front(nullptr);
    Back.SetBounds(10, 10, 50, 50);
    Front.SetBounds(30, 30, 50, 50);
    Back.SetParent(&Form);
    Front.SetParent(&Form);
    const HWND Window = Form.Handle();

    SendMessageW(Window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(35, 40));
    SendMessageW(Window, WM_LBUTTONUP, 0, MAKELPARAM(36, 41));
    ASSERT_EQ(Front.Presses.size(), 1u);
    EXPECT_EQ(Front.Presses[0].x, 5);
    EXPECT_EQ(Front.Presses[0].y, 10);
    EXPECT_EQ(Front.Clicks, 1);
    EXPECT_EQ(Back.Presses.size(), 0u);

    // A press that leaves the control before the release is no click; the capture keeps
    // the release with the control that was pressed.
    SendMessageW(Window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 15));
    EXPECT_EQ(GetCaptureControl(), &Back);
    SendMessageW(Window, WM_LBUTTONUP, 0, MAKELPARAM(200, 200));
    EXPECT_EQ(Back.Presses.size(), 1u);
    EXPECT_EQ(Back.Clicks, 0);
    EXPECT_EQ(GetCaptureControl(), nullptr);

    Front.SetEnabled(false);
    SendMessageW(Window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(35, 40));
    SendMessageW(Window, WM_LBUTTONUP, 0, MAKELPARAM(35, 40));
    EXPECT_EQ(Front.Presses.size(), 1u);
    EXPECT_EQ(Back.Clicks, 1);
}

TEST(GraphicChildren, ADragStaysWithThePressedImageWhenAnotherControlComesUnderTheMouse) {
    TForm Form(nullptr);
    TImage Image(nullptr);
    Image.SetBounds(0, 0, 200, 200);
    Image.SetParent(&Form);
    TShape Outline(nullptr); // lies above the image, as a selection outline does
    Outline.SetParent(&Form);
    Outline.SetVisible(false);
    struct TDrag {
        TShape* Outline;
        std::vector<POINT> Moves;
        int Ups = 0;
        int Clicks = 0;
        void Down(TObject*, TMouseButton, TShiftState, int X, int Y) {
            Outline->SetBounds(X, Y, 0, 0);
            Outline->Show();
        }
        void Move(TObject*, TShiftState, int X, int Y) {
            Moves.push_back(POINT{X, Y});
            Outline->SetBounds(std::min(X, 150), std::min(Y, 150), std::abs(X - 150),
                               std::abs(Y - 150));
        }
        void Up(TObject*, TMouseButton, TShiftState, int, int) { ++Ups; }
        void Click(TObject*) { ++Clicks; }
    } Drag{&Outline, {}, 0, 0};
    Image.OnMouseDown = MakeEvent(&Drag, &TDrag::Down);
    Image.OnMouseMove = MakeEvent(&Drag, &TDrag::Move);
    Image.OnMouseUp = MakeEvent(&Drag, &TDrag::Up);
    Image.OnClick = MakeEvent(&Drag, &TDrag::Click);
    const HWND Window = Form.Handle();

    // Dragging up and to the left: the outline grows under the mouse.
    SendMessageW(Window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 150));
    SendMessageW(Window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 100));
    SendMessageW(Window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(90, 95));
    SendMessageW(Window, WM_LBUTTONUP, 0, MAKELPARAM(90, 95));
    ASSERT_EQ(Drag.Moves.size(), 2u);
    EXPECT_EQ(Drag.Moves[1].x, 90);
    EXPECT_EQ(Drag.Ups, 1);
    EXPECT_EQ(Drag.Clicks, 1);
    EXPECT_EQ(GetCaptureControl(), nullptr);
}

TEST(GraphicChildren, PaintControlsDrawsEachChildAtItsPlaceClippedToItsBounds) {
    TForm Form(nullptr);
    TProbeControl Red(nullptr, clRed), Blue(nullptr, clBlue), Hidden(nullptr, clLime);
    Red.SetBounds(10, 10, 20, 20);
    Blue.SetBounds(25, 25, 10, 10);
    Hidden.SetBounds(0, 0, 5, 5);
    Red.SetParent(&Form);
    Blue.SetParent(&Form);
    Hidden.SetParent(&Form);
    Hidden.SetVisible(false);

    TPixelSurface Surface(60, 60);
    Form.PaintControls(Surface.DC(), nullptr);

    EXPECT_EQ(Surface.Pixel(9, 9), 0xFFFFFFu);
    EXPECT_EQ(Surface.Pixel(10, 10), 0xFF0000u);
    EXPECT_EQ(Surface.Pixel(29, 24), 0xFF0000u);
    EXPECT_EQ(Surface.Pixel(30, 20), 0xFFFFFFu);
    EXPECT_EQ(Surface.Pixel(27, 27), 0x0000FFu); // later children lie on top
    EXPECT_EQ(Surface.Pixel(35, 35), 0xFFFFFFu);
    EXPECT_EQ(Surface.Pixel(2, 2), 0xFFFFFFu);

    // From a given child on only: what lies below it is left alone.
    TPixelSurface Partial(60, 60);
    Form.PaintControls(Partial.DC(), &Blue);
    EXPECT_EQ(Partial.Pixel(12, 12), 0xFFFFFFu);
    EXPECT_EQ(Partial.Pixel(27, 27), 0x0000FFu);
}

TEST(GraphicChildren, EveryWayOfAskingAParentToPaintCounts) {
    TForm Form(nullptr);
    Form.SetBounds(0, 0, 200, 200);
    TProbeControl Child(nullptr, clRed);
    Child.SetBounds(10, 10, 20, 20);
    Child.SetParent(&Form);
    TScrollBox Box(nullptr);
    Box.SetParent(&Form);
    Box.SetBounds(0, 50, 100, 100);
    Form.HandleNeeded();
    // Whether the step counted as a request to paint the control.
    const auto Counted = [](TWinControl& Control, const std::function<void()>& Step) {
        const unsigned Before = Control.RepaintCount();
        Step();
        return Control.RepaintCount() > Before;
    };
    EXPECT_TRUE(Counted(Form, [&] { Form.Invalidate(); }));
    EXPECT_TRUE(Counted(Form, [&] { Form.Repaint(); }));
    EXPECT_TRUE(Counted(Form, [&] { Form.Perform(WM_PAINT, 0, 0); }));
    EXPECT_TRUE(Counted(Form, [&] { Child.Invalidate(); }));
    EXPECT_TRUE(Counted(Form, [&] { Form.SetColor(clYellow); }));
    EXPECT_FALSE(Counted(Form, [&] { Form.Perform(WM_ERASEBKGND, 0, 0); }));
    EXPECT_FALSE(Counted(Form, [&] { Box.Invalidate(); }));
    // Scrolled content moves under the windows on it.
    EXPECT_TRUE(Counted(Box, [&] { Box.ScrollBy(0, 10); }));
}

TEST(GraphicChildren, PaintToDrawsTheBackgroundAndWindowedChildrenAtTheirPlaces) {
    TForm Form(nullptr);
    Form.SetColor(clYellow);
    Form.SetBorderStyle(TFormBorderStyle::bsNone);
    Form.SetBounds(0, 0, 80, 60);
    TPanel Inner(nullptr);
    Inner.SetBevelOuter(TBevelCut::bvNone);
    Inner.SetColor(clNavy);
    Inner.SetBounds(20, 10, 30, 20);
    Inner.SetParent(&Form);
    TProbeControl Dot(nullptr, clRed);
    Dot.SetBounds(5, 5, 4, 4);
    Dot.SetParent(&Inner);
    Form.HandleNeeded();

    TPixelSurface Surface(100, 80);
    Form.PaintTo(Surface.DC(), 10, 10);

    EXPECT_EQ(Surface.Pixel(9, 9), 0xFFFFFFu);
    EXPECT_EQ(Surface.Pixel(10, 10), RgbOf(clYellow));
    EXPECT_EQ(Surface.Pixel(30, 20), RgbOf(clNavy));
    EXPECT_EQ(Surface.Pixel(35, 25), RgbOf(clRed));
    EXPECT_EQ(Surface.Pixel(89, 69), RgbOf(clYellow));
    EXPECT_EQ(Surface.Pixel(90, 70), 0xFFFFFFu);
}

} // namespace
