#include "config/Colour.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(ColourFromName, GivesTheColourOfEachOfTheSixteenNames) {
    EXPECT_EQ(ColourFromName("Black"), (Rgb{0, 0, 0}));
    EXPECT_EQ(ColourFromName("Maroon"), (Rgb{128, 0, 0}));
    EXPECT_EQ(ColourFromName("Green"), (Rgb{0, 128, 0}));
    EXPECT_EQ(ColourFromName("Olive"), (Rgb{128, 128, 0}));
    EXPECT_EQ(ColourFromName("Navy"), (Rgb{0, 0, 128}));
    EXPECT_EQ(ColourFromName("Purple"), (Rgb{128, 0, 128}));
    EXPECT_EQ(ColourFromName("Teal"), (Rgb{0, 128, 128}));
    EXPECT_EQ(ColourFromName("Gray"), (Rgb{128, 128, 128}));
    EXPECT_EQ(ColourFromName("Silver"), (Rgb{192, 192, 192}));
    EXPECT_EQ(ColourFromName("Red"), (Rgb{255, 0, 0}));
    EXPECT_EQ(ColourFromName("Lime"), (Rgb{0, 255, 0}));
    EXPECT_EQ(ColourFromName("Yellow"), (Rgb{255, 255, 0}));
    EXPECT_EQ(ColourFromName("Blue"), (Rgb{0, 0, 255}));
    EXPECT_EQ(ColourFromName("Fuchsia"), (Rgb{255, 0, 255}));
    EXPECT_EQ(ColourFromName("Aqua"), (Rgb{0, 255, 255}));
    EXPECT_EQ(ColourFromName("White"), (Rgb{255, 255, 255}));
}

TEST(ColourFromName, AnyOtherTextIsBlack) {
    for (const char* name : {"red", "WHITE", "Grey", " White", "White ", "", "clWhite"})
        EXPECT_EQ(ColourFromName(name), (Rgb{0, 0, 0})) << name;
}

} // namespace
} // namespace orvane
