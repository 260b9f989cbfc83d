#include "framework/core/ClassRegistry.h"

#include "framework/core/Identifiers.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<const TClass*>& Registry() {
    static std::vector<const TClass*> Classes;
    return Classes;
}

} // namespace

void RegisterClass(const TClass& Class) {
    const TClass* Existing = GetClass(Class.ClassName());
    if (Existing == &Class)
        return;
    if (Existing)
        throw EFilerError("A class named " + Class.ClassName() + " already exists");
    Registry().push_back(&Class);
}

void RegisterClasses(std::initializer_list<const TClass*> Classes) {
    for (const TClass* Class : Classes)
        RegisterClass(*Class);
}

void UnRegisterClass(const TClass& Class) {
    auto& Classes = Registry();
    Classes.erase(std::remove(Classes.begin(), Classes.end(), &Class), Classes.end());
}

const TClass* GetClass(const std::string& ClassName) {
    for (const TClass* Class : Registry())
        if (SameText(Class->ClassName(), ClassName))
            return Class;
    return nullptr;
}

const TClass& FindClass(const std::string& ClassName) {
    if (const TClass* Class = GetClass(ClassName))
        return *Class;
    throw EClassNotFound("Class " + ClassName + " not found");
}
