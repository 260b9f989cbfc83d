// The saved format follows the first three characters of the extension, case-sensitively.
#include "app/SaveFormat.h"

#include <gtest/gtest.h>

TEST(SaveFormat, FirstThreeCharactersOfTheExtensionChooseTheFormat) {
    EXPECT_EQ(SaveFormatOf("C:\\shots\\a.jpg"), TSaveFormat::Jpeg);
    EXPECT_EQ(SaveFormatOf("C:\\shots\\a.bmp"), TSaveFormat::Bitmap);
    EXPECT_EQ(SaveFormatOf("a.jpgx"), TSaveFormat::Jpeg);
    EXPECT_EQ(SaveFormatOf("a.bmpfile"), TSaveFormat::Bitmap);
    EXPECT_EQ(SaveFormatOf("a.b.jpg"), TSaveFormat::Jpeg);
}

TEST(SaveFormat, OtherExtensionsCaseAndMissingExtensionsAreRefused) {
    EXPECT_EQ(SaveFormatOf("a.jpeg"), TSaveFormat::Unknown);
    EXPECT_EQ(SaveFormatOf("a.JPG"), TSaveFormat::Unknown);
    EXPECT_EQ(SaveFormatOf("a.BMP"), TSaveFormat::Unknown);
    EXPECT_EQ(SaveFormatOf("a.jp"), TSaveFormat::Unknown);
    EXPECT_EQ(SaveFormatOf("a."), TSaveFormat::Unknown);
    EXPECT_EQ(SaveFormatOf("picture"), TSaveFormat::Unknown);
    EXPECT_EQ(SaveFormatOf(""), TSaveFormat::Unknown);
}

TEST(SaveFormat, ADotInAFolderNameIsNotAnExtension) {
    EXPECT_EQ(FileExtension("C:\\my.jpg\\picture"), "");
    EXPECT_EQ(SaveFormatOf("C:\\my.jpg\\picture"), TSaveFormat::Unknown);
    EXPECT_EQ(SaveFormatOf("/home/u/my.bmp/shot"), TSaveFormat::Unknown);
    EXPECT_EQ(FileExtension("C:\\my.folder\\shot.jpg"), ".jpg");
}
