#include "levels/Level3.h"

#include "levels/Level3Layout.h"

Level3::Level3()
{
    trees = {&baum1, &baum2, &baum3, &baum4, &baum5};
    listObstacles(level3::layout, bindings());
    exitTarget = exitMarker(level3::layout, "exit")->target;
}

std::vector<NodeBinding> Level3::bindings()
{
    std::vector<NodeBinding> nodes = commonBindings();
    nodes.insert(nodes.end(), {{"baum1", &baum1}, {"baum2", &baum2}, {"baum3", &baum3}, {"baum4", &baum4}, {"baum5", &baum5}});
    return nodes;
}

void Level3::setup()
{
    Level::setup();
    placeAll(level3::layout, bindings());
    linkScenery();
    describe();
}

void Level3::frame()
{
    drawScene();
    paceAnimations();
}
