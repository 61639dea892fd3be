#pragma once

#include <signal.h>
#include <sys/types.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

std::string readText(const std::filesystem::path& file); // the whole file

// What a window showed: RGB rows from the top, 3 bytes a pixel.
struct Screenshot {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;

    const unsigned char* at(int x, int y) const { return &rgb[(size_t(y) * width + x) * 3]; }
    // Pixels whose colour satisfies `wanted(r, g, b)`.
    template <typename Wanted>
    int count(Wanted wanted) const
    {
        int n = 0;
        for (size_t i = 0; i + 2 < rgb.size(); i += 3) n += wanted(rgb[i], rgb[i + 1], rgb[i + 2]);
        return n;
    }
    // Mean difference per channel from another picture of the same size, 0 to 255.
    double differenceFrom(const Screenshot& other) const
    {
        if (rgb.empty() || rgb.size() != other.rgb.size()) return 255.0;
        double sum = 0.0;
        for (size_t i = 0; i < rgb.size(); ++i) sum += std::abs(int(rgb[i]) - int(other.rgb[i]));
        return sum / double(rgb.size());
    }
};

// The real program as a player starts it, on a private Xvfb (no other test's
// window can cover it or catch its keys), its output caught in files. Nothing
// asked of X waits without a limit; the game is killed should it outlive the test.
class RealGame {
public:
    using Environment = std::vector<std::pair<std::string, std::string>>;
    // Starts `program` (the built game when empty) with `args` in `workingDir`,
    // for the player whose HOME is `home`: their options and saved game in its
    // .config and .local/share. Without a home, a new player of its own.
    // `environment` is added to the test's own.
    explicit RealGame(const std::filesystem::path& workingDir, const std::vector<std::string>& args = {},
                      const std::string& program = "", const std::filesystem::path& home = {},
                      const Environment& environment = {});
    ~RealGame();
    RealGame(const RealGame&) = delete;
    RealGame& operator=(const RealGame&) = delete;

    // Waits for the window titled "Korvel"; false when none appeared in 30 s.
    bool waitForWindow();
    // Types xdotool key names ("Escape", "l", "F1") into the window, `pause` apart.
    void type(const std::vector<std::string>& keys, std::chrono::milliseconds pause = std::chrono::milliseconds(500))
    {
        for (const std::string& key : keys) xdotool("key " + key), std::this_thread::sleep_for(pause);
    }
    // Runs an xdotool command ("keydown w") on the focused window.
    void xdotool(const std::string& what) const { onDisplay("xdotool windowfocus --sync " + windowId + " " + what); }
    // The X server repeats held keys, as a desktop's does by default.
    void repeatKeys() const;
    Screenshot screenshot() const;
    // Screenshots until one satisfies `wanted` or `limit` has passed; the last one taken.
    template <typename Wanted>
    Screenshot screenshotWhen(std::chrono::seconds limit, Wanted wanted) const
    {
        const auto end = std::chrono::steady_clock::now() + limit;
        Screenshot shot = screenshot();
        while (!(shot.width > 0 && wanted(shot)) && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            shot = screenshot();
        }
        return shot;
    }

    // The exit status (128 + signal number when killed), or -1 while it still runs after `limit`.
    int waitForExit(std::chrono::milliseconds limit);
    void signal(int number) const { if (game > 0 && status < 0) kill(game, number); }
    std::string output() const { return readText(outFile); }
    // Processor time the game has used so far, in seconds.
    double cpuSeconds() const;
    std::string errors() const { return readText(errFile); }

    // Runs an X client command against the game's display; its output.
    // `window()` names the game's window in it ("xprop -id " + window()).
    std::string onDisplay(const std::string& command) const;
    const std::string& window() const { return windowId; }

private:
    bool startServer();
    void stopServer();

    std::filesystem::path outFile, errFile, ownHome;
    std::string display, windowId;
    pid_t server = -1, game = -1;
    int serverPipe = -1, status = -1;
};

// Makes `dir` a run directory for the game: the build's data and
// catalogues linked in and an options file with `options` (key, value pairs as in options.txt).
void prepareRunDir(const std::filesystem::path& dir,
                   const std::vector<std::pair<std::string, std::string>>& options);

// How often `part` stands in `text`, not overlapping.
int occurrences(const std::string& text, const std::string& part);
