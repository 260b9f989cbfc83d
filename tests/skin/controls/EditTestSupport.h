// What the edit tests under real input share: an edit made in code on a form in front of the
// desktop, holding the keyboard focus, and keys and text sent to it as a user types them.
#pragma once

#include "framework/windows/Forms.h"
#include "skin/controls/KsEdits.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class EditOnScreen : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Each sends real input and lets it reach the edit.
    void Type(const std::string& Text);
    void Key(WORD VirtualKey);
    void Chord(WORD Modifier, WORD VirtualKey);

    std::unique_ptr<TForm> Form;
    TKsEdit* Edit = nullptr;
};
