#include "app/Startup.h"

#include <GL/freeglut.h>

int main(int argc, char** argv)
{
    startGame(argc, argv);
    glutMainLoop();
    return 0;
}
