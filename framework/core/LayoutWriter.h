// TWriter: the inverse of TReader. It writes a root component and, through GetChildren, the
// components nested in it: for each, exactly the published properties whose stored rule
// holds, nested objects' properties as paths (Font.Height), references by name (across
// roots as Root.Name), events by the name of the root's published method, and the extra
// properties that DefineProperties declares.
#pragma once

#include "framework/core/Components.h"
#include "framework/core/Filer.h"
#include "framework/core/LayoutTree.h"

#include <string>
#include <vector>

struct TPropInfo;
class TStream;

class TWriter : public TFiler {
public:
    static const TClassOf<TWriter> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TWriter(TComponent* Root) { FRoot = Root; }

    // The layout of the root; EWriteError for state that cannot be written (an event bound
    // to an unpublished method, a reference to an unnamed component, ...).
    TLayoutObject WriteRootComponent();

    void DefineProperty(const std::string& Name, const TReaderProc& ReadData,
                        const TWriterProc& WriteData, bool HasData) override;
    void DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData,
                              const TStreamProc& WriteData, bool HasData) override;

    // The values of a property defined through DefineProperty.
    void WriteInteger(int64_t Value);
    void WriteBoolean(bool Value);
    void WriteString(const std::string& Value);
    void WriteFloat(double Value);
    void WriteIdent(const std::string& Value);
    void WriteListBegin();
    void WriteListEnd();

private:
    TLayoutObject WriteComponent(TComponent* Component, int Depth);
    void WriteProperties(TObject& Instance, const std::string& Prefix,
                         std::vector<TLayoutProperty>& Out, int Depth);
    TLayoutValue PropertyValue(TObject& Instance, const TPropInfo& Info) const;
    std::string ReferenceName(const TComponent* Component, const std::string& Property) const;
    void Append(TLayoutValue Value);

    // Where DefineProperties adds its properties, and the values being written.
    std::string FPrefix;
    std::vector<TLayoutProperty>* FDefined = nullptr;
    std::vector<TLayoutValue> FValues; // the values written for the current property
    std::vector<TLayoutValue> FLists;  // lists being written, innermost last
};

// The layout text of Root.
std::string WriteLayout(TComponent* Root);
void WriteLayoutToStream(TStream& Stream, TComponent* Root);
