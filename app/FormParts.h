// The application's windows reach the components their layouts created by name.
#pragma once

#include "framework/core/Components.h"
#include "framework/core/Exceptions.h"

#include <string>

// The component Name of Owner as a T; a layout that lacks it is a defect of the program,
// reported as EComponentError naming the component.
template <class T> T* ComponentNamed(TComponent& Owner, const std::string& Name) {
    if (auto* Found = dynamic_cast<T*>(Owner.FindComponent(Name)))
        return Found;
    throw EComponentError("Component " + Name + " of " + Owner.Name() +
                          " is missing or of the wrong class");
}
