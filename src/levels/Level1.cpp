#include "levels/Level1.h"

Level1::Level1()
{
    forests = {&wald1, &wald2, &wald3, &wald4};
}
