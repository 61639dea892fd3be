#include "levels/Level4.h"

Level4::Level4()
{
    trees = {&baum1, &baum2};
    forests = {&wald1, &wald2, &wald3};
}
