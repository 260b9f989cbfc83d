// TResourceStream: read-only access to a resource compiled into the program.
#pragma once

#include "framework/core/Streams.h"

#include <string>

// RT_RCDATA resources are looked up by name in the program's module; a missing one raises
// EResNotFound "Resource X not found".
class TResourceStream : public TCustomMemoryStream {
public:
    static const TClassOf<TResourceStream> Class;
    const TClass& ClassType() const override { return Class; }

    explicit TResourceStream(const std::string& ResourceName);

    // Resources are read-only: raises EStreamError.
    int32_t Write(const void* Buffer, int32_t Count) override;
};

class TComponent;

// Reads the window layout stored as the RT_RCDATA resource of that name into Root (see
// ReadLayout): EResNotFound when there is none, EReadError for a malformed layout.
TComponent* ReadLayoutResource(const std::string& ResourceName, TComponent* Root);
