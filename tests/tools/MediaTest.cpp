// The generated conversations and sounds, read as the game reads them.
#include "game/DialogueFile.h"
#include "platform/Language.h"
#include "support/RunDirTest.h"

#include <GL/freeglut.h>
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>

using Media = RunDirTest;

TEST_F(Media, EveryPartnerHasEightEntriesThatOfferTheKeysTheyActOnAndFitTheBox)
{
    // After the offer both answers lead on, after a no only yes does, once
    // accepted only 2 (the reminder); q, the way back to walking, comes last.
    const std::map<int, std::string> keys = {{1, "12q"}, {2, "12q"}, {3, "1q"}, {4, "1q"},
                                              {5, "q"},   {6, "q"},   {7, "q"},  {8, "2q"}};
    // Lines start at a quarter of the 800 pixels and end 40 inside the
    // panel's right edge at 656, in either language; rows start at 0.6 of
    // the 600 and step 20, Helvetica 12's descent on screen.
    const int widthLimit = 656 - 40 - 200, rowLimit = (600 - 4 - 360) / 20 + 1;
    for (const char* partner : {"priester", "altefrau", "einsiedler", "trumbel", "held"}) {
        std::vector<std::vector<std::string>> seen;
        for (const auto& [n, offered] : keys) {
            SCOPED_TRACE(std::string(partner) + " " + std::to_string(n));
            std::vector<std::string> texts, replies;
            readDialogueEntry(partner, n, texts, replies);
            EXPECT_TRUE(!texts.empty() && std::count(seen.begin(), seen.end(), texts) == 0) << "none, or as before";
            seen.push_back(texts);
            std::string replyKeys;
            for (const std::string& reply : replies) {
                EXPECT_TRUE(reply.size() > 3 && reply.substr(1, 2) == ": " && reply[3] != ' ') << reply;
                replyKeys += reply[0];
            }
            EXPECT_EQ(replyKeys, offered);
            EXPECT_LE(std::max<std::size_t>(texts.size(), 1) + replies.size(), static_cast<std::size_t>(rowLimit));
            texts.insert(texts.end(), replies.begin(), replies.end());
            for (const std::string& line : texts) {
                for (const Language language : {Language::German, Language::English}) {
                    useLanguage(language, KORVEL_RUN_DIR "/locale");
                    const auto* text = reinterpret_cast<const unsigned char*>(tr(line.c_str()));
                    EXPECT_TRUE(!line.empty() && line[0] != '#' && line.back() != ' ' &&
                                glutBitmapLength(GLUT_BITMAP_HELVETICA_12, text) <= widthLimit) << text;
                }
            }
        }
    }
    useLanguage(Language::German, {});
    unsetenv("LANGUAGE");
}

TEST_F(Media, EverySoundLoadsIntoTheMixerAndOnlyTheStoppingSoundIsSilentAndShort)
{
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16SYS, 1, 1024), 0) << Mix_GetError();
    for (const std::string name : {"pfeifen", "leer", "hilfe", "dankefenno", "boeoeoeoe", "huhn", "plakette", "zischeln"}) {
        SCOPED_TRACE(name);
        Mix_Chunk* chunk = Mix_LoadWAV(("data/sound/" + name + ".wav").c_str());
        ASSERT_NE(chunk, nullptr) << Mix_GetError();
        const auto* samples = reinterpret_cast<const Sint16*>(chunk->abuf);
        int peak = 0;
        for (std::size_t i = 0; i < chunk->alen / 2; ++i) peak = std::max(peak, std::abs(int(samples[i])));
        const double seconds = chunk->alen / 2 / 22050.0;
        // "leer" stops a looping whistle at once; the others are heard.
        EXPECT_TRUE(name == "leer" ? peak == 0 && seconds > 0.0 && seconds <= 0.5 : peak > 0.25 * 32768 && seconds >= 0.3)
            << peak << " " << seconds;
        Mix_FreeChunk(chunk);
    }
    Mix_CloseAudio();
    SDL_Quit();
}
