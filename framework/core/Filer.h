// TFiler: what a persistent object sees of the layout reader or writer in DefineProperties.
// A class declares extra streamed properties there, either as values read and written
// through the reader/writer (DefineProperty) or as raw bytes (DefineBinaryProperty, written
// as hexadecimal data in braces). HasData tells the writer whether to write the property.
#pragma once

#include "framework/core/Objects.h"

#include <functional>
#include <string>

class TReader;
class TWriter;
class TStream;
class TComponent;

class TFiler : public TObject {
public:
    using TReaderProc = std::function<void(TReader& Reader)>;
    using TWriterProc = std::function<void(TWriter& Writer)>;
    using TStreamProc = std::function<void(TStream& Stream)>;

    virtual void DefineProperty(const std::string& Name, const TReaderProc& ReadData,
                                const TWriterProc& WriteData, bool HasData) = 0;
    virtual void DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData,
                                      const TStreamProc& WriteData, bool HasData) = 0;

    // The root component of the layout being read or written.
    TComponent* Root() const { return FRoot; }

protected:
    TComponent* FRoot = nullptr;
};
