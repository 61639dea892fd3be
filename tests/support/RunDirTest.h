#pragma once

#include "support/GlTestWindow.h"

#include <gtest/gtest.h>

#include <filesystem>

// A test with the GL window open and the build's run directory as working
// directory: the game resolves every data file against it, and loading
// models loads textures, which needs the GL context.
class RunDirTest : public ::testing::Test {
protected:
    void SetUp() override { GlTestWindow::ensure(); std::filesystem::current_path(KORVEL_RUN_DIR); }
    void TearDown() override { std::filesystem::current_path(previous); }

private:
    std::filesystem::path previous = std::filesystem::current_path();
};
