#include "framework/core/TextConv.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TextConv, RoundTripsEveryPlane) {
    const std::string Text = "a\xC3\xA9\xE6\x88\xAA\xF0\x9F\x98\x80"; // a, é, 截, an emoji
    const std::wstring Wide = Utf8ToWide(Text);
    EXPECT_EQ(Wide.size(), sizeof(wchar_t) == 2 ? 5u : 4u);
    EXPECT_EQ(Wide[2], static_cast<wchar_t>(0x622A));
    EXPECT_EQ(WideToUtf8(Wide), Text);
}

TEST(TextConv, MalformedInputBecomesReplacementCharacters) {
    const std::wstring Replacement(1, static_cast<wchar_t>(0xFFFD));
    EXPECT_EQ(Utf8ToWide("\xFF"), Replacement);
    EXPECT_EQ(Utf8ToWide("\xC0\xAF"), Replacement + Replacement); // overlong '/'
    EXPECT_EQ(Utf8ToWide("\xED\xA0\x80"), Replacement + Replacement + Replacement);
    EXPECT_EQ(Utf8ToWide("\xE6\x88"), Replacement + Replacement); // truncated
    EXPECT_EQ(WideToUtf8(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xEF\xBF\xBD");
}

} // namespace
