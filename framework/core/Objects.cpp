#include "framework/core/Objects.h"

TClass::TClass(std::string Name, const TPropertyTable* Properties, const TMethodTable* Methods)
    : FName(std::move(Name)), FProperties(Properties), FMethods(Methods) {}

TClass::TClass(std::string Name, const TClass& Parent, const TPropertyTable* Properties,
               const TMethodTable* Methods)
    : FName(std::move(Name)), FParent(&Parent), FProperties(Properties), FMethods(Methods) {}

bool TClass::InheritsFrom(const TClass& Ancestor) const {
    for (const TClass* Class = this; Class; Class = Class->FParent)
        if (Class == &Ancestor)
            return true;
    return false;
}

std::unique_ptr<TObject> TClass::NewObject() const {
    throw EInvalidOperation("Cannot create an instance of " + FName);
}

const TClassOf<TObject> TObject::Class{"TObject"};

void TObject::Dispatch(TMessage& Message) {
    DefaultHandler(Message);
}

void TObject::DefaultHandler(TMessage&) {}

const TClassOf<TPersistent> TPersistent::Class{"TPersistent", TObject::Class};

void TPersistent::Assign(TPersistent* Source) {
    if (!Source)
        AssignError(nullptr);
    Source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* Dest) {
    Dest->AssignError(this);
}

void TPersistent::DefineProperties(TFiler*) {}

void TPersistent::AssignError(const TPersistent* Source) const {
    const std::string SourceName = Source ? Source->ClassName() : "nil";
    throw EConvertError("Cannot assign a " + SourceName + " to a " + ClassName());
}
