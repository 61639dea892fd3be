#include "levels/Level5.h"

Level5::Level5()
{
    trees = {&baum1, &baum2, &baum3, &baum4, &baum5};
}
