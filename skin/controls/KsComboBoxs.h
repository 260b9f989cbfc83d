// TKsCustomComboBox: the skinned edit with a drop-down button at one end of its text line
// and a skinned list box that is moved into a borderless top-most window (TKsComboWindow)
// while the list is dropped down, and given back when it closes. Two styles: kcsDropDown
// (editable text, the list offers values, typed text can be completed from the items) and
// kcsDropDownList (read-only; the text is the current item, drawn by the list's own item
// painter, and the keys and the wheel step through the items).
//
// ItemIndex always lies inside the items or is -1, whatever happens to them.
//
// Sources: KsComboBoxs.cpp (properties, items, current item, completion, painting) and
// KsComboInput.cpp (dropping down and closing up, the button, keys, mouse and wheel).
#pragma once

#include "skin/controls/KsEdits.h"

#include <cstdint>
#include <string>

class TKsComboWindow;
class TKsCustomListBox;
class TTimer;
enum class TKsListBoxStyle : uint8_t;
enum class TKsFontDevice : uint8_t;
enum class TKsFontType : uint8_t;

enum class TKsComboButtonAlign : uint8_t { cbaLeft, cbaRight };
extern const TEnumInfo KsComboButtonAlignInfo;

enum class TKsComboStyle : uint8_t { kcsDropDown, kcsDropDownList };
extern const TEnumInfo KsComboStyleInfo;

class TKsCustomComboBox : public TKsCustomEdit {
public:
    static const TComponentClassOf<TKsCustomComboBox> Class;
    const TClass& ClassType() const override { return Class; }

    // How long after the last change typed text is completed.
    static constexpr uint32_t CompleteDelay = 100;

    explicit TKsCustomComboBox(TComponent* AOwner);
    ~TKsCustomComboBox() override;

    // --- Properties ---
    bool AutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool Value) { FAutoComplete = Value; }
    TKsComboButtonAlign ButtonAlign() const { return FButtonAlign; }
    void SetButtonAlign(TKsComboButtonAlign Value);
    TKsComboStyle ComboStyle() const { return FComboStyle; }
    void SetComboStyle(TKsComboStyle Value);
    // Items in view in the drop-down window, and the height each is given there.
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int Value) { FDropDownCount = Value; }
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int Value) { FItemHeight = Value; }
    // The current item, -1 for none; stays inside the items.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    // In kcsDropDownList the current item's text, else the edit's text.
    std::string Text() const;

    // --- Passed through to the list ---
    TKsCustomListBox* ListBox() const { return FListBox; }
    TStrings* Items() const;
    void SetItems(TStrings* Value);
    bool Flat() const;
    void SetFlat(bool Value);
    TKsFontDevice FontDevice() const;
    void SetFontDevice(TKsFontDevice Value);
    TKsFontType FontType() const;
    void SetFontType(TKsFontType Value);
    TKsListBoxStyle ListStyle() const;
    void SetListStyle(TKsListBoxStyle Value);
    bool ShowCheckBoxes() const;
    void SetShowCheckBoxes(bool Value);
    bool Sorted() const;
    void SetSorted(bool Value);
    bool WordWrap() const;
    void SetWordWrap(bool Value);
    TDrawItemEvent ListDrawItem() const;
    void SetListDrawItem(TDrawItemEvent Value);
    TMeasureItemEvent ListMeasureItem() const;
    void SetListMeasureItem(TMeasureItemEvent Value);

    // --- Dropping down ---
    bool DroppedDown() const { return FDropWindow != nullptr; }
    TKsComboWindow* DropWindow() const { return FDropWindow; }
    bool ButtonHot() const { return FButtonHot; }
    bool ButtonPressed() const { return FButtonPressed; }
    // Shows the list in its window below the combo (above it where there is no room).
    virtual void OpenDropDown();
    // Gives the list back (and the focus, where the combo can take it), closes the window
    // and fires OnCloseUp. Only a pick changes the current item.
    virtual void CloseUp();
    // The window lost the activation to Activated: the list closes, and the combo takes the
    // focus back only when its own form is the one activated.
    void CloseUpFor(HWND Activated);
    // The list's current item taken as the user's pick; the list closes.
    void PickListItem();
    // The list's click while dropped down: its current item becomes the combo's.
    void ListClick(TObject* Sender);

    // --- Geometry ---
    RECT GetTextRect() const override;
    RECT GetButtonRect() const;
    virtual int GetButtonWidth() const;

    void Loaded() override;
    void Dispatch(TMessage& Message) override;

    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    virtual void ShowList();
    virtual TKsCustomListBox* CreateListBox();
    // Replaces the list by a new one from CreateListBox (a descendant that makes another
    // kind of list calls it from its constructor).
    void SetUpListBox();
    void PaintControl() override;
    void PaintBackground(const RECT& Rect, TKsBitmap& Surface) override;
    // The drop-down button's look.
    virtual void PaintButton(TKsBitmap& Surface, const RECT& Rect);
    void Change() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    void KeyDown(TKey& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void DoMouseLeave() override;

    // Keeps ItemIndex inside the items after they changed.
    void ItemsChanged(TObject* Sender);

private:
    // The list back in the combo, hidden; whether it was away.
    bool TakeListBack();
    // Moves ItemIndex by Delta (keys, wheel), firing the change in kcsDropDownList.
    void StepItem(int Delta);
    // Whether a press on the combo closed the list (and is used up now).
    bool TakeClosingPress();
    void SetButtonHot(bool Value);
    void CompleteTimer(TObject* Sender);
    void WMNCHitTest(TMessage& Message);
    void WMNCLButtonDown(TMessage& Message);
    void WMNCMouseMove(TMessage& Message);
    void WMMouseWheel(TMessage& Message);
    void WMSetCursor(TMessage& Message);
    bool IsItem(int Index) const;

    TKsCustomListBox* FListBox = nullptr;
    TKsComboButtonAlign FButtonAlign = TKsComboButtonAlign::cbaRight;
    bool FButtonHot = false;
    bool FButtonPressed = false;
    int FDropDownCount = 8;
    int FItemHeight = 15;
    int FItemIndex = -1;
    TKsComboStyle FComboStyle = TKsComboStyle::kcsDropDown;
    bool FAutoComplete = false;
    std::string FLastText;
    bool FCompleting = false;
    TTimer* FCompleteTimer = nullptr;
    bool FSavedReadOnly = false;
    // Owned as a component; released (freed from the message loop) when it closes.
    TKsComboWindow* FDropWindow = nullptr;
    // The list is being given back and the window closed (or the combo freed, when it goes
    // back without events or focus).
    bool FClosing = false;
    // Whether closing gives the combo the focus (not when another window took it).
    bool FFocusOnClose = true;
    bool FClosedByPress = false;
};

// The plain skinned combo box that layouts hold.
class TKsComboBox : public TKsCustomComboBox {
public:
    static const TComponentClassOf<TKsComboBox> Class;
    const TClass& ClassType() const override { return Class; }

    using TKsCustomComboBox::TKsCustomComboBox;
};
