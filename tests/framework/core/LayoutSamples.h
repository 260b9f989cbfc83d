// Sample classes that carry every kind of published property, for the layout tests and the
// layout fuzz target: a root window with published methods, controls that nest through the
// parent protocol, a nested font, and an engine with a binary property.
#pragma once

#include "framework/core/Components.h"
#include "framework/core/Events.h"
#include "framework/core/Filer.h"
#include "framework/core/Strings.h"

#include <memory>
#include <string>
#include <vector>

enum class TSampleAlign : uint8_t { alNone, alTop, alClient };
enum class TSampleAnchor : uint8_t { akLeft, akTop, akRight, akBottom };
using TSampleAnchors = TSet<TSampleAnchor>;
enum class TSampleFontStyle : uint8_t { fsBold, fsItalic, fsUnderline };
using TSampleFontStyles = TSet<TSampleFontStyle>;

class TSampleFont : public TPersistent {
public:
    static const TClassOf<TSampleFont> Class;
    const TClass& ClassType() const override { return Class; }

    int Height() const { return FHeight; }
    void SetHeight(int Value) { FHeight = Value; }
    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value) { FName = Value; }
    TSampleFontStyles Style() const { return FStyle; }
    void SetStyle(TSampleFontStyles Value) { FStyle = Value; }

    void Assign(TPersistent* Source) override;

private:
    int FHeight = -11;
    std::string FName = "Tahoma";
    TSampleFontStyles FStyle;
};

// Records, for the tests, what happened while layouts were read.
struct TSampleLog {
    std::vector<std::string> Loaded;     // names, in the order Loaded ran
    std::vector<std::string> Destroyed;  // names, in the order of destruction
    bool CaptionSetWhileReading = false; // csLoading and csReading were both set
    int Alive = 0;                       // sample components in existence
    static TSampleLog& Instance();
    void Clear() {
        Loaded.clear();
        Destroyed.clear();
        CaptionSetWhileReading = false;
    }
};

class TSampleControl : public TComponent {
public:
    static const TComponentClassOf<TSampleControl> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TSampleControl(TComponent* AOwner);
    ~TSampleControl() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    int Width() const { return FWidth; }
    // A setter that refuses values, as real ones do: EInvalidOperation for negative widths.
    void SetWidth(int Value);
    int16_t Small() const { return FSmall; }
    void SetSmall(int16_t Value) { FSmall = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    TSampleAlign Align() const { return FAlign; }
    void SetAlign(TSampleAlign Value) { FAlign = Value; }
    TSampleAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TSampleAnchors Value) { FAnchors = Value; }
    // An integer whose layouts may name some values (clRed), as colours do.
    int32_t Color() const { return FColor; }
    void SetColor(int32_t Value) { FColor = Value; }
    double Ratio() const { return FRatio; }
    void SetRatio(double Value) { FRatio = Value; }
    TSampleFont* Font() const { return FFont.get(); }
    TStringList* Items() const { return FItems.get(); }
    // Stored only while ShowHint is on.
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value) { FShowHint = Value; }
    TSampleControl* Link() const { return FLink; }
    void SetLink(TSampleControl* Value);
    // Raw bytes streamed through DefineProperties, and integers through the value interface.
    std::vector<uint8_t> Data;
    std::vector<int64_t> Points;

    TNotifyEvent OnClick;
    TKeyPressEvent OnKeyPress;

    // Children join their parent control (or the root) through the parent protocol.
    TComponent* Parent() const { return FParent; }
    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TSampleControl* Controls(int Index) const { return FControls[static_cast<size_t>(Index)]; }
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override { return FParent; }
    void SetParentComponent(TComponent* Value) override;
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
    void Loaded() override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void DefineProperties(TFiler* Filer) override;

private:
    std::string FCaption;
    int FWidth = 64;
    int16_t FSmall = 0;
    bool FVisible = true;
    TSampleAlign FAlign = TSampleAlign::alNone;
    TSampleAnchors FAnchors{TSampleAnchor::akLeft, TSampleAnchor::akTop};
    int32_t FColor = 0;
    double FRatio = 1.0;
    std::unique_ptr<TSampleFont> FFont = std::make_unique<TSampleFont>();
    std::unique_ptr<TStringList> FItems = std::make_unique<TStringList>();
    std::string FHint;
    bool FShowHint = false;
    TSampleControl* FLink = nullptr;
    TComponent* FParent = nullptr;
    std::vector<TSampleControl*> FControls;
};

// A non-visual component with a binary property: the name of its theme, stored as a 32-bit
// length and the name's bytes.
class TSampleEngine : public TComponent {
public:
    static const TComponentClassOf<TSampleEngine> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TSampleEngine(TComponent* AOwner);
    ~TSampleEngine() override;

    std::string ThemeName = "Luna";

protected:
    void DefineProperties(TFiler* Filer) override;
};

// A root window whose published methods events bind to; it refers to an engine, possibly
// one of another window.
class TSampleForm : public TComponent {
public:
    static const TComponentClassOf<TSampleForm> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TSampleForm(TComponent* AOwner);
    ~TSampleForm() override;

    void ButtonClick(TObject* Sender);
    void OtherClick(TObject* Sender);
    void KeyPressed(TObject* Sender, TKeyChar& Key);
    TObject* LastSender = nullptr;

    TSampleEngine* Engine() const { return FEngine; }
    void SetEngine(TSampleEngine* Value);
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
    void Loaded() override;

    // Controls whose parent is the form, in the order they joined it.
    std::vector<TSampleControl*> Controls;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TSampleEngine* FEngine = nullptr;
};

// Registers the sample classes (once).
void RegisterSampleClasses();
