#include "levels/Level6.h"

Level6::Level6()
{
    forests = {&wald1, &wald2, &wald3, &wald4};
}
