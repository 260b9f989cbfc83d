#include "LayoutSamples.h"

#include "framework/windows/ResourceStream.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ResourceStream, ReadsDataResourceByName) {
    TResourceStream Stream("FRAMEWORK_SAMPLE");
    ASSERT_EQ(Stream.Size(), 4);
    std::string Text(4, '\0');
    Stream.ReadBuffer(Text.data(), 4);
    EXPECT_EQ(Text, "Luna");
    EXPECT_THROW(Stream.ReadBuffer(Text.data(), 1), EReadError);
    EXPECT_THROW(Stream.Write("x", 1), EStreamError);
}

TEST(ResourceStream, MissingResourceNamesIt) {
    try {
        TResourceStream Stream("NO_SUCH_RESOURCE");
        FAIL() << "no exception";
    } catch (const EResNotFound& E) {
        EXPECT_EQ(E.Message(), "Resource NO_SUCH_RESOURCE not found");
    }
}

TEST(ResourceStream, ReadsWindowLayoutsFromResources) {
    RegisterSampleClasses();
    TSampleForm Form(nullptr);
    ReadLayoutResource("FRAMEWORK_LAYOUT", &Form);
    EXPECT_EQ(Form.Tag(), 5);
    auto* Button = dynamic_cast<TSampleControl*>(Form.FindComponent("Button"));
    ASSERT_NE(Button, nullptr);
    EXPECT_EQ(Button->Caption(), "ok");
    EXPECT_THROW(ReadLayoutResource("NO_SUCH_LAYOUT", &Form), EResNotFound);
}

} // namespace
