// korvel-model's verbs, their usage lines and exit codes.
// Its own header so main lists the verbs and each verb lives in its own file.

#pragma once

#include <string>
#include <vector>

// A verb returns this when its arguments do not fit; main then prints the usage.
constexpr int exitUsage = 2;
// A verb returns this when the file it was given cannot be used.
constexpr int exitRefused = 1;

struct Verb {
    const char* name;
    const char* arguments;   // shown in the usage message
    const char* description; // one line for the usage message
    int (*run)(const std::vector<std::string>& arguments); // exit status
};

// info FILE.ms3d: counts, texture names and vertex bounds as one JSON object.
int runInfo(const std::vector<std::string>& arguments);
// render FILE.ms3d OUT.png [animation [frame]]: a lit, textured picture of the
// model, optionally in one pose of an animation, drawn on the X display.
int runRender(const std::vector<std::string>& arguments);
