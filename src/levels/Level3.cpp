#include "levels/Level3.h"

Level3::Level3()
{
    trees = {&baum1, &baum2, &baum3, &baum4, &baum5};
}
