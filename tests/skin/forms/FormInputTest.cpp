// The skinned standard frame under real input (SendInput on the Wine desktop): the caption
// moves the form, the edges and corners size it, a drag near the work area's edge snaps, the
// caption buttons act only on a press and release on them, a double click on the caption
// maximises and restores, and a right click on the caption asks for the system menu. Every
// point is taken from the window's own rectangles and the work area.
#include "WindowTestSupport.h"

#include "skin/forms/KsForms.h"
#include "skin/graphics/KsUtils.h"
#include "tests/support/UserInput.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// Records the requests for the system menu, which skinned menus show.
class TSysMenuRecorder : public TKsCustomForm {
public:
    using TKsCustomForm::TKsCustomForm;
    int SysMenuRequests = 0;
    void ShowSysMenu() override { ++SysMenuRequests; }
};

RECT Moved(RECT Rect, int DX, int DY) {
    OffsetRect(&Rect, DX, DY);
    return Rect;
}

std::string Describe(const RECT& Rect) {
    return std::to_string(Rect.left) + ", " + std::to_string(Rect.top) + " - " +
           std::to_string(Rect.right) + ", " + std::to_string(Rect.bottom);
}

POINT CentreOf(const RECT& Rect) {
    return POINT{(Rect.left + Rect.right) / 2, (Rect.top + Rect.bottom) / 2};
}

class FormInput : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetFormStyle(TFormStyle::fsStayOnTop);
        Form->SetCaption("Input");
        // In the middle of the work area, far enough from its edges not to snap.
        const RECT Area = WorkArea();
        const int W = std::min(400, RectWidth(Area) / 2);
        const int H = std::min(300, RectHeight(Area) / 2);
        Form->SetBounds(Area.left + (RectWidth(Area) - W) / 2,
                        Area.top + (RectHeight(Area) - H) / 2, W, H);
        Controller = new TSysMenuRecorder(Form.get());
        Controller->Loaded();
        BringForward(*Form);
        ASSERT_EQ(GetForegroundWindow(), Form->Handle());
    }
    void TearDown() override {
        ReleaseMouse(VK_LBUTTON);
        PumpMessagesFor(20);
        Form.reset();
    }

    RECT Bounds() const {
        RECT Rect{};
        GetWindowRect(Form->Handle(), &Rect);
        return Rect;
    }
    RECT WorkArea() const {
        MONITORINFO Monitor{};
        Monitor.cbSize = sizeof(Monitor);
        const POINT Origin{0, 0};
        GetMonitorInfoW(Form->HandleAllocated()
                            ? MonitorFromWindow(Form->Handle(), MONITOR_DEFAULTTONEAREST)
                            : MonitorFromPoint(Origin, MONITOR_DEFAULTTOPRIMARY),
                        &Monitor);
        return Monitor.rcWork;
    }
    // A point of the window (window coordinates) on the screen.
    POINT OnScreen(POINT Window) const {
        const RECT Rect = Bounds();
        return POINT{Rect.left + Window.x, Rect.top + Window.y};
    }
    // A free point of the caption, between the system menu's icon and the buttons.
    POINT CaptionPoint() const {
        const RECT Band = Controller->CaptionBand();
        const RECT Tray = Controller->GetBorderIconRect(TKsBorderIcon::kbiTray);
        return POINT{(Band.left + RectHeight(Band) + Tray.left) / 2, (Band.top + Band.bottom) / 2};
    }
    POINT IconCentre(TKsBorderIcon Icon) const {
        return CentreOf(Controller->GetBorderIconRect(Icon));
    }
    // A point of the button that lies outside the host's double-click reach of its centre,
    // so that a second click on the button in a row counts as a click of its own.
    POINT IconAside(TKsBorderIcon Icon) const {
        const RECT Rect = Controller->GetBorderIconRect(Icon);
        const int Reach = GetSystemMetrics(SM_CXDOUBLECLK) / 2 + 1;
        EXPECT_LT(CentreOf(Rect).x + Reach, Rect.right);
        return POINT{CentreOf(Rect).x + Reach, CentreOf(Rect).y};
    }
    bool BoundsBecome(const RECT& Expected) const {
        return PumpUntil([&] { return EqualRect(Bounds(), Expected) != FALSE; });
    }
    bool StateBecomes(TKsWindowState State) const {
        return PumpUntil([&] { return Controller->WindowState() == State; });
    }
    void DoubleClickAt(POINT Screen) {
        ClickAt(Screen.x, Screen.y);
        ClickAt(Screen.x, Screen.y);
    }

    std::unique_ptr<TForm> Form;
    TSysMenuRecorder* Controller = nullptr;
};

} // namespace

TEST_F(FormInput, DraggingTheCaptionMovesTheForm) {
    const RECT Before = Bounds();
    const POINT From = OnScreen(CaptionPoint());
    DragMouse(From, POINT{From.x + 37, From.y + 23});
    EXPECT_TRUE(BoundsBecome(Moved(Before, 37, 23))) << Describe(Bounds());
    EXPECT_EQ(Controller->WindowState(), TKsWindowState::kwsNormal);
}

TEST_F(FormInput, EachEdgeAndCornerSizesTheForm) {
    const RECT Start = Bounds();
    const int W = RectWidth(Start);
    const int H = RectHeight(Start);
    struct TEdge {
        TKsFormZone Zone;
        POINT Point; // window coordinates, one pixel inside the frame's outer edge
        bool Left, Top, Right, Bottom;
    };
    const TEdge Edges[] = {
        {TKsFormZone::fzLeft, {1, H / 2}, true, false, false, false},
        {TKsFormZone::fzTop, {W / 2, 1}, false, true, false, false},
        {TKsFormZone::fzRight, {W - 2, H / 2}, false, false, true, false},
        {TKsFormZone::fzBottom, {W / 2, H - 2}, false, false, false, true},
        {TKsFormZone::fzTopLeft, {1, 1}, true, true, false, false},
        {TKsFormZone::fzTopRight, {W - 2, 1}, false, true, true, false},
        {TKsFormZone::fzBottomLeft, {1, H - 2}, true, false, false, true},
        {TKsFormZone::fzBottomRight, {W - 2, H - 2}, false, false, true, true},
    };
    const int D = 30;
    for (const TEdge& Edge : Edges) {
        SCOPED_TRACE(static_cast<int>(Edge.Zone));
        Form->SetBounds(Start.left, Start.top, W, H);
        ASSERT_TRUE(BoundsBecome(Start));
        ASSERT_EQ(Controller->HitTest(Edge.Point.x, Edge.Point.y), Edge.Zone);
        const POINT From = OnScreen(Edge.Point);
        DragMouse(From, POINT{From.x + D, From.y + D});
        const RECT Expected{Start.left + (Edge.Left ? D : 0), Start.top + (Edge.Top ? D : 0),
                            Start.right + (Edge.Right ? D : 0),
                            Start.bottom + (Edge.Bottom ? D : 0)};
        EXPECT_TRUE(BoundsBecome(Expected)) << Describe(Bounds());
    }
}

TEST_F(FormInput, ADragNearTheWorkAreasEdgeSnapsOntoIt) {
    const RECT Area = WorkArea();
    const RECT Before = Bounds();
    const int M = Controller->MagneticValue();
    const POINT From = OnScreen(CaptionPoint());
    // Left to within one pixel less than the magnet's reach: the form lands on the edge.
    const int ToNear = Area.left + M - 1 - Before.left;
    DragMouse(From, POINT{From.x + ToNear, From.y});
    EXPECT_TRUE(BoundsBecome(Moved(Before, Area.left - Before.left, 0))) << Describe(Bounds());

    // At the magnet's reach it stays where it was dropped.
    const RECT Snapped = Bounds();
    const POINT Again = OnScreen(CaptionPoint());
    DragMouse(Again, POINT{Again.x + M, Again.y});
    EXPECT_TRUE(BoundsBecome(Moved(Snapped, M, 0))) << Describe(Bounds());
}

TEST_F(FormInput, ACaptionButtonActsOnlyWhenPressedAndReleasedOnIt) {
    const RECT Before = Bounds();
    DragMouse(OnScreen(IconCentre(TKsBorderIcon::kbiMaximize)), OnScreen(CaptionPoint()),
              VK_LBUTTON, 2);
    PumpUntil([&] { return Controller->PressedZone() == TKsFormZone::fzNone; });
    PumpMessagesFor(50);
    EXPECT_EQ(Controller->WindowState(), TKsWindowState::kwsNormal);
    EXPECT_TRUE(EqualRect(Bounds(), Before));

    const POINT Maximize = OnScreen(IconAside(TKsBorderIcon::kbiMaximize));
    ClickAt(Maximize.x, Maximize.y);
    ASSERT_TRUE(StateBecomes(TKsWindowState::kwsMaximized));
    EXPECT_TRUE(BoundsBecome(Controller->GetMaximizedBounds())) << Describe(Bounds());
}

TEST_F(FormInput, DoubleClickingTheCaptionMaximizesAndRestores) {
    const RECT Before = Bounds();
    DoubleClickAt(OnScreen(CaptionPoint()));
    ASSERT_TRUE(StateBecomes(TKsWindowState::kwsMaximized));
    EXPECT_TRUE(BoundsBecome(Controller->GetMaximizedBounds())) << Describe(Bounds());
    DoubleClickAt(OnScreen(CaptionPoint()));
    ASSERT_TRUE(StateBecomes(TKsWindowState::kwsNormal));
    EXPECT_TRUE(BoundsBecome(Before)) << Describe(Bounds());
}

TEST_F(FormInput, TheRollupButtonRollsTheFormUpAndDown) {
    const RECT Before = Bounds();
    const RECT Client = Controller->GetClientBounds();
    const int RolledHeight = Client.top + Controller->FormHeight() - Client.bottom;
    const POINT Rollup = OnScreen(IconCentre(TKsBorderIcon::kbiRollup));
    ClickAt(Rollup.x, Rollup.y);
    ASSERT_TRUE(StateBecomes(TKsWindowState::kwsRollup));
    EXPECT_TRUE(
        BoundsBecome(RECT{Before.left, Before.top, Before.right, Before.top + RolledHeight}))
        << Describe(Bounds());
    const POINT Unroll = OnScreen(IconAside(TKsBorderIcon::kbiRollup));
    ClickAt(Unroll.x, Unroll.y);
    ASSERT_TRUE(StateBecomes(TKsWindowState::kwsNormal));
    EXPECT_TRUE(BoundsBecome(Before)) << Describe(Bounds());
}

TEST_F(FormInput, ARightClickOnTheCaptionAsksForTheSystemMenu) {
    const POINT Caption = OnScreen(CaptionPoint());
    ClickAt(Caption.x, Caption.y, VK_RBUTTON);
    EXPECT_TRUE(PumpUntil([&] { return Controller->SysMenuRequests == 1; }));
    // A right click on the client area is the form's own.
    const RECT Client = Controller->GetClientBounds();
    const POINT Inside = OnScreen(CentreOf(Client));
    ClickAt(Inside.x, Inside.y, VK_RBUTTON);
    PumpMessagesFor(50);
    EXPECT_EQ(Controller->SysMenuRequests, 1);
}
