#include "levels/Level4.h"

#include "levels/Level4Layout.h"

Level4::Level4()
{
    trees = {&baum1, &baum2};
    forests = {&wald1, &wald2, &wald3};
    listObstacles(level4::layout, bindings());
    exitTarget = exitMarker(level4::layout, "northExit")->target;
}

std::vector<NodeBinding> Level4::bindings()
{
    std::vector<NodeBinding> nodes = commonBindings();
    nodes.insert(nodes.end(), {{"baum1", &baum1}, {"baum2", &baum2}, {"wald1", &wald1}, {"wald2", &wald2}, {"wald3", &wald3}});
    return nodes;
}

void Level4::setup()
{
    Level::setup();
    placeAll(level4::layout, bindings());
    northExit.position = exitMarker(level4::layout, "northExit")->position;
    linkScenery();
    describe();
}

void Level4::frame()
{
    drawScene();
    paceAnimations();
}

void Level4::returnFromSideTrip(int)
{
    applyReturn(*level4::layout.returnSetup, northExit);
}
