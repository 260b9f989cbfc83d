// TCustomForm and TForm: the top-level windows of the program. A form has a border style
// and border icons, a position rule applied each time it is shown, a window state, a
// modal loop (ShowModal), the close protocol (OnCloseQuery, OnClose and its close actions),
// and it keeps track of its active control, through which it moves the keyboard focus with
// Tab and Shift+Tab and hands Return, Escape and Alt+letter to its controls.
//
// A multiple-document parent form (fsMDIForm) keeps its child forms (fsMDIChild) in a host
// client window that fills its client area less the controls aligned to its edges; the
// host's frame and child procedures do the default handling of the two kinds of window.
//
// A form class of the program is read from the layout resource named after its class: its
// constructor calls ReadFormLayout() as its last step, which reads the layout into the form
// and then raises OnCreate.
#pragma once

#include "framework/graphics/Canvas.h"
#include "framework/windows/ScrollingWinControl.h"

#include <memory>
#include <vector>

class TIcon;
class TMonitor;

enum class TFormBorderStyle : uint8_t {
    bsNone,
    bsSingle,
    bsSizeable,
    bsDialog,
    bsToolWindow,
    bsSizeToolWin
};
enum class TBorderIcon : uint8_t { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum class TFormStyle : uint8_t { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum class TPosition : uint8_t {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum class TWindowState : uint8_t { wsNormal, wsMinimized, wsMaximized };
enum class TTileMode : uint8_t { tbHorizontal, tbVertical };
enum class TFormStateFlag : uint8_t { fsCreating, fsVisible, fsShowing, fsModal, fsActivated };
using TFormState = TSet<TFormStateFlag>;

// Sees a key before the focused control and the dialog keys do; setting Handled takes it.
using TFormShortCutEvent = TEvent<TWMKey&, bool&>;

extern const TEnumInfo FormBorderStyleInfo;
extern const TEnumInfo BorderIconInfo;
extern const TEnumInfo FormStyleInfo;
extern const TEnumInfo PositionInfo;
extern const TEnumInfo WindowStateInfo;
extern const TEnumInfo TileModeInfo;

// The host window styles of a border style and its icons.
void FormWindowStyles(TFormBorderStyle BorderStyle, TBorderIcons Icons, DWORD& Style,
                      DWORD& ExStyle);

class TCustomForm : public TScrollingWinControl {
public:
    static const TComponentClassOf<TCustomForm> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons Value);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle Value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition Value) { FPosition = Value; }
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState Value);
    // Design-time scaling to the screen's resolution; this framework never scales, the
    // property is kept for layouts.
    bool Scaled() const { return FScaled; }
    void SetScaled(bool Value) { FScaled = Value; }

    RECT ClientRect() const override;
    void SetClientWidth(int Value) override;
    void SetClientHeight(int Value) override;
    int StoredClientWidth() const { return ClientWidth(); }
    int StoredClientHeight() const { return ClientHeight(); }

    // The control that has (or gets, when the form is activated) the keyboard focus.
    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* Control);
    // Moves the focus to Control (activating the form when it is showing).
    void FocusControl(TWinControl* Control);
    // The window that got the focus tells its form (CM_EXIT, CM_ENTER, CM_FOCUSCHANGED).
    void SetFocusedControl(TWinControl* Control);
    // A windowed control leaves the form: forget it as active control.
    void ControlRemoved(TWinControl* Control);

    TModalResult ModalResult() const { return FModalResult; }
    // A result set while the form runs modally ends its loop, also when no message is due.
    void SetModalResult(TModalResult Value);
    TFormState FormState() const { return FFormState; }

    // Shows the form with every other window of the program disabled and runs a message
    // loop until ModalResult becomes non-zero or the form is closed; answers ModalResult.
    TModalResult ShowModal();
    void Show();
    // Asks OnCloseQuery, then OnClose decides: hide (the default), free, minimize or
    // nothing. Closing the main form ends the application's loop.
    void Close();
    // Whether OnCloseQuery lets the form close.
    virtual bool CloseQuery();
    // The first half of Close: asks OnCloseQuery, then lets OnClose change Action, which
    // starts as given; answers caNone when the form may not close. The caller carries the
    // action out (Close does so for the form's own frame).
    TCloseAction QueryClose(TCloseAction Action);
    // Asked by the form's windowed controls (and the form) for every key pressed in them,
    // before the key reaches the control: OnShortCut decides. True when the key was taken.
    virtual bool IsShortCut(TWMKey& Message);
    // Frees the form once the messages already queued for it have been handled.
    void Release();

    // The window's icon; an empty one shows the application's.
    TIcon* Icon() const { return FIcon.get(); }
    TMonitor* Monitor();
    // Valid inside OnPaint.
    TCanvas* Canvas() const { return FCanvas.get(); }

    // Multiple-document forms. A child lives in the client window of its owner when that is
    // a parent form, else of the main form. A parent frees its children when it is freed.
    // The parent's host client window (nullptr for other forms and before the window
    // exists).
    HWND ClientHandle() const { return FClientHandle; }
    // A parent's children in the order they joined it; EListError outside the list.
    int MDIChildCount() const { return static_cast<int>(FMDIChildren.size()); }
    TCustomForm* MDIChildren(int Index) const;
    // The child the parent's client window has active, or nullptr.
    TCustomForm* ActiveMDIChild() const;
    // The parent form a child lives in, or nullptr (for other forms, and before the child's
    // window exists).
    TCustomForm* MDIParent() const { return FMDIParent; }
    // Tile lays the children side by side (tbVertical) or one above the other.
    TTileMode TileMode() const { return FTileMode; }
    void SetTileMode(TTileMode Value) { FTileMode = Value; }
    void Cascade();
    void Tile();
    void ArrangeIcons();
    // Activates the child below (Next) or at the bottom (Previous) of the active one.
    void Next();
    void Previous();

    void Dispatch(TMessage& Message) override;
    void Loaded() override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnPaint;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TFormShortCutEvent OnShortCut;

protected:
    // Reads the layout resource named after the form's class into the form, then raises
    // OnCreate; the constructor of a program's form class calls it last.
    void ReadFormLayout();
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    LRESULT CallDefWndProc(const TMessage& Message) override;
    void ControlsAligned(const RECT& FreeArea) override;
    void PaintWindow(HDC DC) override;
    virtual void DoClose(TCloseAction& Action);

private:
    void CMShowingChanged();
    void CMDialogKey(TMessage& Message);
    void WMActivate(TMessage& Message);
    void WMMDIActivate(TMessage& Message);
    void WMSize(TMessage& Message);
    // Marks the form activated or not, moves the focus to Target when there is one and
    // raises OnActivate or OnDeactivate.
    void ActivationChanged(bool Active, TWinControl* Target);
    bool IsMDIChildWindow() const { return FFormStyle == TFormStyle::fsMDIChild && FMDIParent; }
    // The parent form a child form would live in now, or nullptr.
    TCustomForm* FindMDIParent() const;
    void JoinMDIParent();
    void LeaveMDIParent();
    void CreateClientWindow();
    // Destroys the children's windows and the client window; the children stay, to be shown
    // again when the parent's window is made anew.
    void DestroyClientWindow();
    void ShowMDIChildrenAgain();
    intptr_t SendToClient(UINT Msg, WPARAM WParam, LPARAM LParam) const;
    void ApplyPosition();
    void ApplyIcon();
    void IconChanged(TObject* Sender);
    void ApplyWindowState();
    // The control that takes the focus when the form does: the active one while it can,
    // else the first in tab order; none when no control can.
    TWinControl* ActiveOrFirstControl();
    void FocusActiveOrFirstControl();
    void ModalLoop();
    void CloseModal();

    TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
    TBorderIcons FBorderIcons{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize,
                              TBorderIcon::biMaximize};
    TFormStyle FFormStyle = TFormStyle::fsNormal;
    TPosition FPosition = TPosition::poDesigned;
    TWindowState FWindowState = TWindowState::wsNormal;
    bool FScaled = true;
    int FLoadedClientWidth = -1;
    int FLoadedClientHeight = -1;
    TWinControl* FActiveControl = nullptr;
    TWinControl* FFocusedControl = nullptr;
    TModalResult FModalResult = mrNone;
    TFormState FFormState;
    TTileMode FTileMode = TTileMode::tbHorizontal;
    HWND FClientHandle = nullptr;
    std::vector<TCustomForm*> FMDIChildren;
    TCustomForm* FMDIParent = nullptr;
    std::unique_ptr<TCanvas> FCanvas;
    std::unique_ptr<TIcon> FIcon;
};

class TForm : public TCustomForm {
public:
    static const TComponentClassOf<TForm> Class;
    const TClass& ClassType() const override { return Class; }

    using TCustomForm::TCustomForm;
};
