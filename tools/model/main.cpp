// korvel-model's entry: picks the verb from the command line or prints the usage.
// A program of its own for looking at a model without starting the game.

#include "Verbs.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

const Verb verbs[] = {
    {"info", "FILE.ms3d", "print the model's counts, texture names and bounds as JSON", runInfo},
    {"render", "FILE.ms3d OUT.png [animation [frame]]", "draw the model lit and textured into a PNG", runRender},
};

void printUsage(std::FILE* out)
{
    std::fprintf(out, "usage: korvel-model VERB ARGUMENTS...\n");
    for (const Verb& verb : verbs) {
        std::fprintf(out, "  %s %-12s %s\n", verb.name, verb.arguments, verb.description);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        printUsage(stderr);
        return exitUsage;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        printUsage(stdout);
        return 0;
    }
    for (const Verb& verb : verbs) {
        if (std::strcmp(argv[1], verb.name) != 0) {
            continue;
        }
        const int status = verb.run(std::vector<std::string>(argv + 2, argv + argc));
        if (status == exitUsage) {
            printUsage(stderr);
        }
        return status;
    }
    std::fprintf(stderr, "korvel-model: unknown verb \"%s\"\n", argv[1]);
    printUsage(stderr);
    return exitUsage;
}
