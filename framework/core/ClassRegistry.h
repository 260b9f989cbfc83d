// The class registry: classes that layouts may name, found by name when a layout is read.
// Classes are registered by code that runs after start-up (the program entry, a test's set-up),
// never from static initialisers, whose order across modules is not defined.
#pragma once

#include "framework/core/Objects.h"

#include <initializer_list>
#include <string>

// Registers a class under its name; registering it again changes nothing, another class of
// the same name raises EFilerError "A class named X already exists".
void RegisterClass(const TClass& Class);
void RegisterClasses(std::initializer_list<const TClass*> Classes);
void UnRegisterClass(const TClass& Class);
// The registered class of that name (case-insensitive), or nullptr.
const TClass* GetClass(const std::string& ClassName);
// As GetClass, raising EClassNotFound "Class X not found" for an unknown name.
const TClass& FindClass(const std::string& ClassName);
