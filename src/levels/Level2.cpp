#include "levels/Level2.h"

#include "levels/Level2Layout.h"

Level2::Level2()
{
    trees = {&baum1, &baum2, &baum3, &baum4, &baum5};
    forests = {&wald1, &wald2, &wald3, &wald4, &wald5};
    listObstacles(level2::layout, bindings());
    exitTarget = exitMarker(level2::layout, "northExit")->target;
}

std::vector<NodeBinding> Level2::bindings()
{
    std::vector<NodeBinding> nodes = commonBindings();
    nodes.insert(nodes.end(), {{"baum1", &baum1}, {"baum2", &baum2}, {"baum3", &baum3}, {"baum4", &baum4}, {"baum5", &baum5}, {"wald1", &wald1}, {"wald2", &wald2}, {"wald3", &wald3}, {"wald4", &wald4}, {"wald5", &wald5}});
    return nodes;
}

void Level2::setup()
{
    Level::setup();
    placeAll(level2::layout, bindings());
    northExit.position = exitMarker(level2::layout, "northExit")->position;
    linkScenery();
    describe();
}

void Level2::frame()
{
    drawScene();
    paceAnimations();
}

void Level2::returnFromSideTrip(int)
{
    applyReturn(*level2::layout.returnSetup, northExit);
}
