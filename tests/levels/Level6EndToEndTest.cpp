// The real program on an X server of its own: skipped through to the last
// level by keys alone, where the skip key says goodbye on standard output.
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr const char* farewell = "Danke, dass Sie sich fuer Korvel entschieden haben.\nFreuen Sie sich auf Sarnik....";

// Starts the game, waits for its window, types `keys` one by one into it
// (half a second apart), then Escape; the exit status goes to "status.txt".
// No X request may wait without limit; the game is killed by its own
// process id should it not end.
const char* const session = R"(
game=$1; shift
"$game" > stdout.txt 2> stderr.txt &
pid=$!
for i in $(seq 300); do
  window=$(timeout 10 xdotool search --name '^Korvel$' 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.1
done
if [ -z "$window" ]; then kill $pid; echo 90 > status.txt; exit 0; fi
sleep 1
for key in "$@"; do
  timeout 10 xdotool windowfocus --sync "$window" key "$key"
  sleep 0.5
done
for i in $(seq 300); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
if kill -0 $pid 2>/dev/null; then kill -9 $pid; fi
wait $pid
echo $? > status.txt
)";

std::string readText(const fs::path& file)
{
    std::ifstream in(file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

int occurrences(const std::string& text, const std::string& part)
{
    int n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) {
        ++n;
    }
    return n;
}

} // namespace

TEST(Level6EndToEnd, SevenSkipsReachTheInnWhereSkippingSaysGoodbye)
{
    ScratchDir dir;
    fs::create_directory_symlink(fs::path(KORVEL_RUN_DIR) / "data", dir.path() / "data");
    dir.write("options.txt", "#fullscreen\nno\n#windowwidth\n800\n#windowheight\n600\n"
                             "#playintro\nno\n#playoutro\nno\n");
    dir.write("session.sh", session);
    // 1 -> 2 -> 3 -> 2 -> 4 -> 5 -> 4 -> 6, then two goodbyes, then Escape.
    const std::string command = "timeout 300 xvfb-run -a -s '-screen 0 1024x768x24' sh session.sh " KORVEL_RUN_DIR
                                "/korvel l l l l l l l l l Escape > /dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);

    EXPECT_EQ(readText(dir.path() / "status.txt"), "0\n") << readText(dir.path() / "stderr.txt");
    const std::string out = readText(dir.path() / "stdout.txt");
    EXPECT_EQ(out.rfind("Viel Spass mit Korvel ....\n", 0), 0u) << out;
    EXPECT_EQ(occurrences(out, farewell), 2) << out;
    // The second goodbye follows the first directly: no line end after it.
    EXPECT_NE(out.find(std::string(farewell) + farewell), std::string::npos) << out;
}
