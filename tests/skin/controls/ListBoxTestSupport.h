// What the list box tests share: list boxes on a host form (with its window made, not shown)
// and items to fill them with.
#pragma once

#include "ControlTestSupport.h"

#include "skin/controls/KsControlsRegistration.h"
#include "skin/controls/KsListBoxs.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class ListBoxTest : public ::testing::Test {
protected:
    // Box is a plain list box of Width x Height at the form's top-left corner.
    void SetUpBox(int Width, int Height) {
        RegisterSkinControls();
        Form = MakeHostForm();
        Box = MakeBox<TKsListBox>(Width, Height);
    }
    template <class T> T* MakeBox(int Width, int Height) {
        auto* Made = new T(Form.get());
        Made->SetParent(Form.get());
        Made->SetBounds(0, 0, Width, Height);
        Made->HandleNeeded();
        return Made;
    }
    void Fill(const std::vector<std::string>& Texts) {
        for (const std::string& Text : Texts)
            Box->Items()->Add(Text);
    }
    // "item 0" .. "item Count - 1", added in one update.
    void FillNumbered(int Count) {
        Box->Items()->BeginUpdate();
        Box->Items()->Clear();
        for (int I = 0; I < Count; ++I)
            Box->Items()->Add("item " + std::to_string(I));
        Box->Items()->EndUpdate();
    }

    std::unique_ptr<TForm> Form;
    TKsListBox* Box = nullptr;
};
