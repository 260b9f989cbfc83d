// What the combo box tests share: a combo box on a form in front of the desktop, filled
// with items, and the windows of this thread that a dropped-down list leaves behind.
#pragma once

#include "WindowTestSupport.h"

#include "framework/core/Strings.h"
#include "framework/windows/Forms.h"
#include "skin/controls/KsComboBoxs.h"
#include "skin/controls/KsControlsRegistration.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class ComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterSkinControls();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(200, 150, 360, 300);
        Combo = new TKsComboBox(Form.get());
        Combo->SetParent(Form.get());
        Combo->SetBounds(20, 20, 200, 21);
        Combo->OnChange = MakeEvent(this, &ComboBoxTest::Changed);
        Combo->OnCloseUp = MakeEvent(this, &ComboBoxTest::ClosedUp);
        Fill({"apple", "apricot", "banana", "cherry", "date"});
    }
    void TearDown() override { Form.reset(); }

    void Fill(const std::vector<std::string>& Texts) {
        Combo->Items()->Clear();
        for (const std::string& Text : Texts)
            Combo->Items()->Add(Text);
    }
    void FillNumbered(int Count) {
        Combo->Items()->BeginUpdate();
        Combo->Items()->Clear();
        for (int I = 0; I < Count; ++I)
            Combo->Items()->Add("item " + std::to_string(I));
        Combo->Items()->EndUpdate();
    }
    void Changed(TObject*) { ++Changes; }
    void ClosedUp(TObject*) { ++CloseUps; }

    std::unique_ptr<TForm> Form;
    TKsComboBox* Combo = nullptr;
    int Changes = 0;
    int CloseUps = 0;
};
