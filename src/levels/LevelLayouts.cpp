// Maps the numbers 1 to 6 to the six levels' placement tables.
// Its own file so the game manager and the world generator look a table up without the levels.

#include "levels/LevelLayouts.h"

#include "levels/Level1Layout.h"
#include "levels/Level2Layout.h"
#include "levels/Level3Layout.h"
#include "levels/Level4Layout.h"
#include "levels/Level5Layout.h"
#include "levels/Level6Layout.h"

const LevelLayout* levelLayout(int number)
{
    static constexpr const LevelLayout* layouts[] = {
        &level1::layout, &level2::layout, &level3::layout,
        &level4::layout, &level5::layout, &level6::layout,
    };
    if (number < 1 || number > 6) {
        return nullptr;
    }
    return layouts[number - 1];
}
