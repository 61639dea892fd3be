#include "StillVillage.h"

#include <gtest/gtest.h>

// Shadows are translucent black (alpha 0.1): each ground pixel under a
// shadow keeps 90 % of its colour, however many of the flattened model's
// triangles cover it, and the avatar's shadow is not lost under the ground
// that is drawn after the avatar.
TEST(ShadowBlendTest, ShadowsDarkenTheGroundOnceByTheirAlpha)
{
    GameDriver driver(KORVEL_RUN_DIR);
    Level1& village = stillVillage(driver);
    driver.frames(2);
    for (ModelNode* caster : {static_cast<ModelNode*>(&village.avatar), &village.haus2}) {
        caster->castsShadow = false;
        driver.drawFrame();
        const std::vector<unsigned char> bare = readPicture();
        caster->castsShadow = true;
        driver.drawFrame();
        const std::vector<unsigned char> shaded = readPicture();

        int darkened = 0;
        int otherwise = 0;
        for (std::size_t green = 1; green < bare.size(); green += 3) {
            if (shaded[green] == bare[green] || bare[green] < 60) {
                continue; // untouched, or too dark to tell 90 % from 81 %
            }
            const double kept = static_cast<double>(shaded[green]) / bare[green];
            ++(kept > 0.86 && kept < 0.94 ? darkened : otherwise);
        }
        EXPECT_GT(darkened, 40) << caster->getName();
        EXPECT_EQ(otherwise, 0) << caster->getName();
    }
}
