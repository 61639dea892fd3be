#include "levels/Level5.h"

#include "levels/Level5Layout.h"

Level5::Level5()
{
    trees = {&baum1, &baum2, &baum3, &baum4, &baum5};
    listObstacles(level5::layout, bindings());
    exitTarget = exitMarker(level5::layout, "exit")->target;
}

std::vector<NodeBinding> Level5::bindings()
{
    std::vector<NodeBinding> nodes = commonBindings();
    nodes.insert(nodes.end(), {{"baum1", &baum1}, {"baum2", &baum2}, {"baum3", &baum3}, {"baum4", &baum4}, {"baum5", &baum5}});
    return nodes;
}

void Level5::setup()
{
    Level::setup();
    placeAll(level5::layout, bindings());
    linkScenery();
    describe();
}

void Level5::frame()
{
    drawScene();
    paceAnimations();
}
