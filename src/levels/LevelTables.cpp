// Maps the numbers 1 to 6 to the six levels' tables.

#include "levels/LevelTables.h"

#include "levels/Level1.h"
#include "levels/Level2.h"
#include "levels/Level3.h"
#include "levels/Level4.h"
#include "levels/Level5.h"
#include "levels/Level6.h"

const LevelTable* levelTable(int number)
{
    static constexpr const LevelTable* tables[] = {
        &Level1::layout, &Level2::layout, &Level3::layout, &Level4::layout, &Level5::layout, &Level6::layout,
    };
    if (number < 1 || number > 6) {
        return nullptr;
    }
    return tables[number - 1];
}
