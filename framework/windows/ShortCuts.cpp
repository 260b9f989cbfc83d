#include "framework/windows/ShortCuts.h"

#include "framework/core/Identifiers.h"
#include "framework/graphics/WinApi.h"

#include <array>
#include <cctype>
#include <string_view>

namespace {

constexpr uint8_t KeyMask = 0xFF;

struct TKeyName {
    uint8_t Key;
    std::string_view Name;
};

constexpr std::array<TKeyName, 15> NamedKeys{{
    {VK_BACK, "BkSp"},
    {VK_TAB, "Tab"},
    {VK_RETURN, "Enter"},
    {VK_ESCAPE, "Esc"},
    {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"},
    {VK_NEXT, "PgDn"},
    {VK_END, "End"},
    {VK_HOME, "Home"},
    {VK_LEFT, "Left"},
    {VK_UP, "Up"},
    {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},
    {VK_INSERT, "Ins"},
    {VK_DELETE, "Del"},
}};

struct TModifierName {
    TShortCut Bit;
    std::string_view Prefix;
};

constexpr std::array<TModifierName, 3> Modifiers{{
    {scShift, "Shift+"},
    {scCtrl, "Ctrl+"},
    {scAlt, "Alt+"},
}};

constexpr int FunctionKeyCount = 12;

bool StartsWithText(const std::string& Text, std::string_view Prefix) {
    return SameText(Text.substr(0, Prefix.size()), std::string(Prefix));
}

std::string KeyName(uint8_t Key) {
    if ((Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z'))
        return std::string(1, static_cast<char>(Key));
    if (Key >= VK_F1 && Key < VK_F1 + FunctionKeyCount)
        return std::string(1, 'F').append(std::to_string(Key - VK_F1 + 1));
    for (const TKeyName& Named : NamedKeys)
        if (Named.Key == Key)
            return std::string(Named.Name);
    return {};
}

// The virtual key Name stands for, or 0.
uint8_t KeyOfName(const std::string& Name) {
    if (Name.size() == 1) {
        const char Upper = static_cast<char>(std::toupper(static_cast<unsigned char>(Name[0])));
        if ((Upper >= '0' && Upper <= '9') || (Upper >= 'A' && Upper <= 'Z'))
            return static_cast<uint8_t>(Upper);
    }
    for (const TKeyName& Named : NamedKeys)
        if (SameText(std::string(Named.Name), Name))
            return Named.Key;
    for (int Index = 0; Index < FunctionKeyCount; ++Index)
        if (SameText(KeyName(static_cast<uint8_t>(VK_F1 + Index)), Name))
            return static_cast<uint8_t>(VK_F1 + Index);
    return 0;
}

} // namespace

std::string ShortCutToText(TShortCut ShortCut) {
    const std::string Name = KeyName(static_cast<uint8_t>(ShortCut & KeyMask));
    if (Name.empty())
        return {};
    std::string Text;
    for (const TModifierName& Modifier : Modifiers)
        if (ShortCut & Modifier.Bit)
            Text += Modifier.Prefix;
    return Text + Name;
}

TShortCut TextToShortCut(const std::string& Text) {
    std::string Rest = Text;
    TShortCut Shift = scNone;
    for (bool Found = true; Found;) {
        Found = false;
        for (const TModifierName& Modifier : Modifiers)
            if (!(Shift & Modifier.Bit) && StartsWithText(Rest, Modifier.Prefix)) {
                Shift |= Modifier.Bit;
                Rest.erase(0, Modifier.Prefix.size());
                Found = true;
            }
    }
    const uint8_t Key = KeyOfName(Rest);
    return Key ? static_cast<TShortCut>(Shift | Key) : scNone;
}
