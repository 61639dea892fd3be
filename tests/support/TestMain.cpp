// The main of every test program: HOME and the XDG base folders point into a
// temporary folder, emptied before each test, so that no test reads or
// writes a player's own options or saved game, and none sees another's; the
// locale is C.UTF-8, so the game speaks German.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

class PlayerHome : public testing::EmptyTestEventListener {
public:
    PlayerHome()
    {
        std::string pattern = (fs::temp_directory_path() / "korvel-home-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
        root = pattern;
    }
    ~PlayerHome() override
    {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
    void OnTestStart(const testing::TestInfo&) override
    {
        std::error_code ignored;
        fs::remove_all(root / "home", ignored);
        fs::create_directories(root / "home");
        const std::pair<const char*, const char*> places[] = {{"HOME", ""},
                                                              {"XDG_CONFIG_HOME", ".config"},
                                                              {"XDG_DATA_HOME", ".local/share"},
                                                              {"XDG_CACHE_HOME", ".cache"},
                                                              {"XDG_STATE_HOME", ".local/state"}};
        for (const auto& [name, below] : places) setenv(name, (root / "home" / below).c_str(), 1);
    }

private:
    fs::path root;
};

} // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // The game's own language unless a test asks for another. (Without any
    // LANG the X tools behave otherwise and a resized window's test fails.)
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) unsetenv(name);
    setenv("LANG", "C.UTF-8", 1);
    testing::UnitTest::GetInstance()->listeners().Append(new PlayerHome); // owned by the listeners
    return RUN_ALL_TESTS();
}
