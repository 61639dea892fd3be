#include "levels/Level2.h"

Level2::Level2()
{
    trees = {&baum1, &baum2, &baum3, &baum4, &baum5};
    forests = {&wald1, &wald2, &wald3, &wald4, &wald5};
}
