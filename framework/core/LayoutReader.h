// TReader: builds components from a layout. Classes come from the class registry; every
// component read is owned by the root and joins its enclosing object through
// SetParentComponent. While reading, csLoading and csReading are set; component references
// are resolved when the whole root has been read (across roots through the global lookup,
// "MainFrm.TeThemeEngine1"), events are bound to the root's published methods by name, and
// finally Loaded runs on every component read, in creation order. A malformed layout raises
// EReadError "Line N: problem", after freeing every component this read created.
#pragma once

#include "framework/core/Components.h"
#include "framework/core/Filer.h"
#include "framework/core/LayoutTree.h"

#include <string_view>
#include <vector>

struct TPropInfo;
class TStream;

class TReader : public TFiler {
public:
    static const TClassOf<TReader> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TReader(const TLayoutObject& Layout) : FLayout(Layout) {}

    // Reads the layout into Root, whose class must be the layout's; with Root nullptr the
    // root is created from the registry and the caller owns it.
    TComponent* ReadRootComponent(TComponent* Root);

    void DefineProperty(const std::string& Name, const TReaderProc& ReadData,
                        const TWriterProc& WriteData, bool HasData) override;
    void DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData,
                              const TStreamProc& WriteData, bool HasData) override;

    // The values of a property defined through DefineProperty, in order.
    int64_t ReadInteger();
    bool ReadBoolean();
    std::string ReadString();
    double ReadFloat();
    std::string ReadIdent();
    void ReadListBegin();
    bool EndOfList() const;
    void ReadListEnd();

private:
    struct TFixup {
        TObject* Instance;
        const TPropInfo* Info;
        std::string Reference;
        int Line;
    };
    struct TListCursor {
        const TLayoutValue* List;
        size_t Index;
    };

    void ReadObject(const TLayoutObject& Layout, TComponent* Parent);
    void BeginReading(TComponent* Component);
    void ReadProperties(TObject& Instance, const TLayoutObject& Layout);
    void ReadProperty(TObject& Instance, const TLayoutProperty& Property);
    void ReadDefinedProperty(TObject& Instance, const std::string& Name,
                             const TLayoutProperty& Property);
    void SetValue(TObject& Instance, const TPropInfo& Info, const TLayoutValue& Value);
    void SetStrings(TObject& Instance, const TPropInfo& Info, const TLayoutValue& Value);
    void SetEvent(TObject& Instance, const TPropInfo& Info, const TLayoutValue& Value);
    void ResolveFixups();
    TComponent* FindReference(const std::string& Reference) const;
    const TLayoutValue& NextValue(const char* Expected);
    void FreeCreated(TComponent* CreatedRoot);

    const TLayoutObject& FLayout;
    std::vector<TComponent*> FLoaded;  // every component read, in creation order
    std::vector<TComponent*> FCreated; // the ones this read created (not a given root)
    std::vector<TFixup> FFixups;

    // The property DefineProperties is asked about, and its values.
    std::string FDefinedName;
    const TLayoutValue* FDefinedValue = nullptr;
    bool FDefinedFound = false;
    bool FDefinedConsumed = false;
    std::vector<TListCursor> FLists;
};

// Parses Text and reads it into Root (or a new root the caller owns, when Root is nullptr).
TComponent* ReadLayout(std::string_view Text, TComponent* Root);
// The same for a stream holding the layout text from its position to its end.
TComponent* ReadLayoutFromStream(TStream& Stream, TComponent* Root);
