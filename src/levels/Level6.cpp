#include "levels/Level6.h"

#include "levels/Level6Layout.h"

Level6::Level6()
{
    forests = {&wald1, &wald2, &wald3, &wald4};
    listObstacles(level6::layout, bindings());
}

std::vector<NodeBinding> Level6::bindings()
{
    std::vector<NodeBinding> nodes = commonBindings();
    nodes.insert(nodes.end(), {{"wald1", &wald1}, {"wald2", &wald2}, {"wald3", &wald3}, {"wald4", &wald4}});
    return nodes;
}

void Level6::setup()
{
    Level::setup();
    placeAll(level6::layout, bindings());
    linkScenery();
    describe();
}

void Level6::frame()
{
    drawScene();
    paceAnimations();
}
