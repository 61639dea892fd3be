#pragma once

#include "LevelFixture.h"
#include "levels/Level6.h"

#include <fstream>
#include <string>

// The inn village as the game manager hands it over.
class InnVillageTest : public LevelTest<Level6, 6> {
protected:
    // The first line the hero says in entry `entry`, read straight from the
    // dialogue file: the section "#held", the entry's number line, "#text".
    static std::string heroLine(int entry)
    {
        std::ifstream file("data/text/dialogues.txt");
        std::string line;
        bool inSection = false;
        bool inEntry = false;
        while (std::getline(file, line)) {
            if (line == "#held") {
                inSection = true;
            } else if (inSection && line == "#" + std::to_string(entry)) {
                inEntry = true;
            } else if (inEntry && line == "#text") {
                std::getline(file, line);
                return line;
            }
        }
        return {};
    }
};
