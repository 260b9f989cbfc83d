// TKsCustomForm: a component dropped on a form that takes over the form's whole non-client
// area: caption, borders, caption buttons, the window shape and the way the form is moved,
// sized, minimised, maximised, rolled up and sent to the tray. It hooks its owner form's
// window, answers the non-client messages itself and paints the frame into a surface that
// it copies to the window. This class paints with the system's colours and frame controls;
// the themed form paints with its engine's theme instead.
//
// The class is split by concern: KsForms.cpp (construction, properties, message routing),
// KsFormFrame.cpp (geometry, hit test, painting, region), KsFormStates.cpp (window states,
// closing, the tray), KsFormMouse.cpp (moving, sizing and the caption buttons) and
// KsFormMDI.cpp (the duties of multiple-document parents and children) and
// KsFormShadow.cpp (the snapshot of the screen behind the window, kept current as the window
// moves, and what is drawn over it: the drop shadow, the translucent form and the show
// animation).
#pragma once

#include "framework/windows/Controls.h"
#include "framework/windows/SizeConstraints.h"
#include "skin/forms/KsFormTypes.h"
#include "skin/forms/KsHooks.h"

#include <memory>
#include <string>

class TCanvas;
class TCustomForm;
class TKsBitmap;
class TKsCustomItem;
class TKsCustomMenuBar;
class TKsMessageWindow;
class TKsWindowSubclass;
class TPopupMenu;
struct TWMKey;

// Private messages of a skinned form.
constexpr uint32_t KM_TRAYNOTIFY = 0x056C;
constexpr uint32_t KM_REFRESHFRAME = 0x056D;
constexpr uint32_t KM_MAXIMIZE = 0x056E;
constexpr uint32_t KM_SETWINDOWSTATE = 0x056F;
constexpr uint32_t KM_PAINTTO = 0xB1C8;

using TPaintEvent = TEvent<TCanvas*>;

// The system's caption font of a standard (Small false) or tool-window frame.
TFont& KsCaptionFont(bool Small);

class TCustomImageList;
// The glyphs of the skinned system menu's items, 16 x 16, loaded once from the program's
// resources: 0 close, 1 minimize, 2 maximize, 3 restore, 4 roll-up, 5 tray.
TCustomImageList& KsSysMenuImages();

// Copies the screen's ScreenRect into Target with its top-left corner at (X, Y); answers
// false when the screen cannot be read. Tests substitute a known picture.
using TKsScreenSource = bool (*)(TKsBitmap& Target, int X, int Y, const RECT& ScreenRect);
TKsScreenSource& KsScreenSource();

class TKsCustomForm : public TKsHook {
public:
    static const TComponentClassOf<TKsCustomForm> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TKsCustomForm(TComponent* AOwner);
    ~TKsCustomForm() override;

    // ---- Properties ----
    bool Blend() const { return FBlend; }
    void SetBlend(bool Value);
    int BlendValue() const { return FBlendValue; }
    void SetBlendValue(int Value);
    TKsBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TKsBorderIcons Value);
    TKsBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TKsBorderStyle Value);
    bool CanResize() const { return FCanResize; }
    void SetCanResize(bool Value);
    bool CanMove() const { return FCanMove; }
    void SetCanMove(bool Value);
    bool DropShadow() const { return FDropShadow; }
    void SetDropShadow(bool Value);
    int ShadowWidth() const { return FShadowWidth; }
    void SetShadowWidth(int Value);
    bool Magnetic() const { return FMagnetic; }
    void SetMagnetic(bool Value) { FMagnetic = Value; }
    int MagneticValue() const { return FMagneticValue; }
    void SetMagneticValue(int Value) { FMagneticValue = Value; }
    TSizeConstraints* Constraints() const { return FConstraints.get(); }
    bool MinimizeApplication() const { return FMinimizeApplication; }
    void SetMinimizeApplication(bool Value) { FMinimizeApplication = Value; }
    bool SimpleDrag() const { return FSimpleDrag; }
    void SetSimpleDrag(bool Value) { FSimpleDrag = Value; }
    TKsAnimation ShowAnimation() const { return FShowAnimation; }
    void SetShowAnimation(TKsAnimation Value) { FShowAnimation = Value; }
    int ShowAnimationTime() const { return FShowAnimationTime; }
    void SetShowAnimationTime(int Value) { FShowAnimationTime = Value; }
    bool StayOnTop() const { return FStayOnTop; }
    void SetStayOnTop(bool Value);
    bool SysMenuBlend() const { return FSysMenuBlend; }
    void SetSysMenuBlend(bool Value) { FSysMenuBlend = Value; }
    int SysMenuBlendValue() const { return FSysMenuBlendValue; }
    void SetSysMenuBlendValue(int Value) { FSysMenuBlendValue = Value; }
    bool SysMenuDropShadow() const { return FSysMenuDropShadow; }
    void SetSysMenuDropShadow(bool Value) { FSysMenuDropShadow = Value; }
    int SysMenuShadowWidth() const { return FSysMenuShadowWidth; }
    void SetSysMenuShadowWidth(int Value) { FSysMenuShadowWidth = Value; }
    TKsAnimation SysMenuShowAnimation() const { return FSysMenuShowAnimation; }
    void SetSysMenuShowAnimation(TKsAnimation Value) { FSysMenuShowAnimation = Value; }
    int SysMenuShowAnimationTime() const { return FSysMenuShowAnimationTime; }
    void SetSysMenuShowAnimationTime(int Value) { FSysMenuShowAnimationTime = Value; }
    TKsWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TKsWindowState Value);
    TPaintEvent OnPaint;

    // ---- Geometry (window coordinates: the window's top-left corner is (0, 0)) ----
    int CaptionHeight() const;
    int BorderWidth() const;
    int FormWidth() const { return FFormWidth; }
    // Gives the frame another size for measuring its insets; the next layout of the window
    // sets the real one.
    void SetFormSize(int Width, int Height) {
        FFormWidth = Width;
        FFormHeight = Height;
    }
    int FormHeight() const { return FFormHeight; }
    int WindowWidth() const { return FWindowWidth; }
    int WindowHeight() const { return FWindowHeight; }
    // The band above the client bounds that holds the caption.
    RECT CaptionBand();
    POINT ScreenToWindow(POINT Point) const;
    // The owner form while the controller is attached to it.
    TCustomForm* Form() const;
    bool CaptionActive() const { return FCaptionActive; }
    TKsFormZone HotZone() const { return FHotZone; }
    TKsFormZone PressedZone() const { return FPressedZone; }

    virtual void UpdateRegion();
    virtual TGdiObject<HRGN> CreateFormRegion();
    virtual RECT GetBorderIconRect(TKsBorderIcon Icon);
    virtual RECT GetClientBounds();
    virtual RECT GetRollupBounds();
    virtual RECT GetMinimizedBounds();
    virtual RECT GetMaximizedBounds();
    virtual POINT GetMaxSize();
    virtual POINT GetMinSize();
    virtual void PaintFrame(TKsBitmap& Bitmap);
    virtual void PaintClient(TKsBitmap& Bitmap);
    virtual TKsFormZone HitTest(int X, int Y);

    // Re-lays the frame out keeping the client size.
    void UpdateFrame();
    // Has the host ask for the frame's insets again at the window's present size.
    void RecalculateFrame();
    // Composes the frame and copies it to the window.
    void RedrawFrame();
    // The surface the frame is composed in.
    TKsBitmap* GetSurface() const;
    void SuspendFramePaint() { FPaintEnabled = false; }
    void ResumeFramePaint() { FPaintEnabled = true; }

    // ---- The screen behind the window ----
    // Makes the snapshot show the screen inside the screen rectangle R, reading from the
    // screen only what the previous snapshot cannot supply.
    void UpdateBackground(const RECT& R);
    const TKsBitmap& Background() const { return *FBackground; }
    RECT BackgroundRect() const { return FBackgroundRect; }
    // The shadow strips at the right and bottom, composed over the snapshot.
    void PaintShadow(TKsBitmap& Bitmap);
    // Plays the show animation onto the screen while the window is about to appear.
    void ShowAnimated();
    bool Animating() const { return FAnimating; }

    // ---- Window states and commands ----
    void Maximize();
    void Minimize();
    void Rollup();
    void MinimizeToTray();
    void Restore();
    void Close();
    void Help();
    // ---- Menus (KsFormMenus.cpp) ----
    // The skinned menu bar the form's keyboard menu and short-cuts go to (not owned).
    TKsCustomMenuBar* MenuBar() const { return FMenuBar; }
    void SetMenuBar(TKsCustomMenuBar* Value);
    // The menu a right click on the tray icon opens while the form is in the tray.
    TPopupMenu* TrayMenu() const { return FTrayMenu; }
    void SetTrayMenu(TPopupMenu* Value);
    // A new item of the system menu, owned by AOwner.
    virtual TKsCustomItem* CreateSysMenuItem(TComponent* AOwner);
    // Rebuilds the system menu for the current state and border icons.
    void BuildSysMenu();
    // The system menu's root item, or nullptr before the first build.
    TKsCustomItem* SysMenu() const { return FSysMenu.get(); }
    // Opens the form's system menu and returns when it has closed.
    virtual void ShowSysMenu();
    // Opens the system menu at a screen point.
    void ShowSysMenuAt(POINT ScreenPoint);
    // The system menu's command for Item (compared by caption).
    void SysMenuClick(TObject* Item);
    // The form's short-cut handler while the controller is attached: the menu bar's items
    // first, then the form's own handler.
    void FormShortCut(TWMKey& Message, bool& Handled);
    // The form's icon, else the application's, else the host's standard one.
    HICON FormIcon() const;

    // ---- Multiple-document forms (KsFormMDI.cpp) ----
    // The owner form is a child living in a parent's client window.
    bool IsMDIChild() const;
    // The owner form is a parent of multiple-document children.
    bool IsMDIParent() const;
    // A maximised child has no frame and fills its parent's client window.
    bool IsMaximizedMDIChild() const;
    // For a child: some child of its parent is maximised, by the host or by its controller;
    // for a parent: some child's controller is maximised.
    bool IsChildMaximized() const;
    // For a child: the parent's caption becomes "Parent - [Child]" while a child is
    // maximised, and the parent's own caption again when none is.
    void RefreshParentCaption();
    // Restores every maximised controller among the parent's children (for a parent, among
    // its own), then refreshes the parent's caption.
    void RestoreMaximizedSiblings();
    // The active controller attached to Form, or nullptr.
    static TKsCustomForm* ControllerOf(const TCustomForm* Form);

    void Loaded() override;
    void Dispatch(TMessage& Message) override;
    void AfterMessage(TMessage& Msg) override;
    // The re-created window took the host's non-client sizes and has no region yet.
    void WindowRecreated() override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    // Whether the caption shows the system menu's icon.
    bool ShowsSystemMenuIcon() const;
    // A caption button shows pushed: the left button went down on it and is over it.
    bool IconPushed(TKsFormZone Zone) const;
    // A move or a resize is under way.
    bool Dragging() const { return FDragging; }
    // Whether the controller is attached to its owner form.
    bool Attached() const;
    // Lays the frame out once the controller has taken its form's window: around the client
    // area the window has, so that the form keeps its client size.
    virtual void LayOutTakenWindow();
    // Lays the frame out within the window's present size: for a window made at the size
    // its frame is to have, with one request for the frame's insets and no resize.
    void AdoptWindowSize();
    // The work area of the monitor the form is on (the primary one before it is attached).
    RECT FormWorkArea() const;

private:
    // Non-client messages.
    void WMNCCalcSize(TMessage& Message);
    void WMNCHitTest(TMessage& Message);
    void WMNCActivate(TMessage& Message);
    void WMEraseBkgnd(TMessage& Message);
    void WMPaint(TMessage& Message);
    void WMWindowPosChanging(TMessage& Message);
    void WMSysCommand(TMessage& Message);
    void KMPaintTo(TMessage& Message);
    // Alt with a letter: the menu bar opens the item with that accelerator.
    bool KeyMenu(TMessage& Message);
    void InstallShortCutHandler();
    void RestoreShortCutHandler();
    void KMRefreshFrame(TMessage& Message);
    void NCMouse(TMessage& Message);

    // Painting helpers.
    void PaintCaptionText(TKsBitmap& Bitmap, const RECT& Band);
    void PaintBorderIcons(TKsBitmap& Bitmap);
    void CopyClientTo(HDC DC);
    void BlendFrameBands(TKsBitmap& Bitmap);
    void BlendClient(TKsBitmap& Bitmap);
    // The form's region joined with its copy offset under the shadow; none for the base class.
    TGdiObject<HRGN> CreateShapeRegion();

    // The frame takes the window's size (the shadow's strips lie inside it).
    void TakeWindowSize(int Width, int Height);

    // The screen behind the window.
    RECT ProposedScreenRect(const WINDOWPOS& Position) const;
    void RebuildShadow();
    void PaintControlsInto(TKsBitmap& Image);
    void MaskOutsideShape(TKsBitmap& Image);

    // States.
    // Takes the state the host put the window in: minimised (by its own commands, the
    // application or another program) or back from it, with the rectangle it had before.
    void FollowHostIconic();
    // The window's bounds in the normal state while the host keeps it minimised.
    RECT HostNormalBounds() const;
    // Brings a minimised window back through the host; false when it was not minimised.
    bool LeaveHostIconic();
    // The size limits changed: the window is brought inside them at once.
    void ConstraintsChanged(TObject* Sender);
    void ApplyBounds(const RECT& Bounds);
    RECT FormBounds() const;
    bool ShownModally() const;
    friend class TApplicationStateRelay;
    void HookApplicationEvents();
    void UnhookApplicationEvents();
    // The application was minimised or restored (with MinimizeApplication).
    void AppMinimize();
    void AppRestore();
    bool UtilityMessage(TMessage& Message);
    // The hidden window the tray icon reports to.
    TKsMessageWindow& UtilityWindow();
    void AddTrayIcon();
    void RemoveTrayIcon();
    void SetTrayTip(const std::string& Tip);

    // Multiple-document forms.
    TCustomForm* MDIParentForm() const;
    // The skinned menu bar of the parent's controller, or nullptr.
    TKsCustomMenuBar* ParentMenuBar() const;
    // The parent's menu bar shows this child's caption buttons, or gives them back.
    void MergeIntoParentMenuBar();
    void UnmergeFromParentMenuBar();
    // A child left the maximised state, or went away: the parent's bar and its siblings
    // follow.
    void LeaveMaximizedMDIChild();
    void WMMDIActivate(TMessage& Message);
    // A parent's client window changed size: its maximised children follow.
    void FitMaximizedChildren();
    // A parent paints its client window through the controller.
    void HookClientWindow();
    // A child made active before the controller hooked it shows an active caption.
    void FollowMDIActivation();
    bool ClientWindowMessage(TMessage& Message);
    // Closes a child with its close action (minimise when it has the minimise button).
    void CloseMDIChild();
    // The controller goes: the parent's bar and caption no longer show this child.
    void ForgetMDIParent();

    // Moving and sizing.
    RECT SnapToEdges(RECT Bounds);
    RECT GetMagnetArea();
    void DrawDragFrame(const RECT& Bounds);
    void ActOnZone(TKsFormZone Zone);
    void CaptureLost(HWND NewCapture);
    void HideHostCaption();

    bool FBlend = false;
    int FBlendValue = 150;
    TKsBorderIcons FBorderIcons;
    TKsBorderStyle FBorderStyle = TKsBorderStyle::kbsStandard;
    bool FCanResize = true;
    bool FCanMove = true;
    bool FDropShadow = false;
    int FShadowWidth = 4;
    bool FMagnetic = true;
    int FMagneticValue = 20;
    std::unique_ptr<TSizeConstraints> FConstraints;
    bool FMinimizeApplication = true;
    bool FSimpleDrag = false;
    TKsAnimation FShowAnimation = TKsAnimation::kaNone;
    int FShowAnimationTime = 400;
    bool FStayOnTop = false;
    bool FSysMenuBlend = false;
    int FSysMenuBlendValue = 150;
    bool FSysMenuDropShadow = false;
    int FSysMenuShadowWidth = 4;
    TKsAnimation FSysMenuShowAnimation = TKsAnimation::kaNone;
    int FSysMenuShowAnimationTime = 300;

    int FFormWidth = 0;
    int FFormHeight = 0;
    int FWindowWidth = 0;
    int FWindowHeight = 0;

    TKsFormZone FPressedZone = TKsFormZone::fzNone;
    TKsFormZone FHotZone = TKsFormZone::fzNone;
    int FMouseShift = 0;
    bool FDragging = false;
    bool FSimpleDragging = false;
    bool FReleasingCapture = false;
    POINT FDownPoint{};
    POINT FLastPoint{};
    RECT FDragFrame{};

    TKsWindowState FWindowState = TKsWindowState::kwsNormal;
    TKsWindowState FPrevWindowState = TKsWindowState::kwsNormal;
    TKsWindowState FLoadedWindowState = TKsWindowState::kwsNormal;
    RECT FRestoreBounds{};
    // The host window was minimised when the controller last looked.
    bool FHostIconic = false;
    bool FTrayIconShown = false;
    std::wstring FTrayTip;
    std::unique_ptr<TKsMessageWindow> FUtilityWindow;
    std::string FCaptionText;

    bool FCaptionActive = false;
    bool FHostCaptionHidden = false;
    bool FPaintEnabled = true;
    // The window has a region of ours.
    bool FShaped = false;
    bool FUpdatingFrame = false;
    std::unique_ptr<TKsBitmap> FBuffer;
    std::unique_ptr<TKsBitmap> FBackground;
    RECT FBackgroundRect{};
    bool FAnimating = false;
    std::unique_ptr<TKsBitmap> FAnimationImage;

    std::unique_ptr<TKsWindowSubclass> FClientWindowHook;
    // What this child appended to its parent's caption while it was maximised.
    std::string FParentCaptionSuffix;

    TKsCustomMenuBar* FMenuBar = nullptr;
    TPopupMenu* FTrayMenu = nullptr;
    std::unique_ptr<TKsCustomItem> FSysMenu;
    POINT FSysMenuPoint{};
    TEvent<TWMKey&, bool&> FSavedOnShortCut;
    bool FShortCutInstalled = false;
};

extern const TEnumInfo KsBorderStyleInfo;
