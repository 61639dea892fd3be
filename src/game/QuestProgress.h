// What a quest has come to: the part of a quest the player's save keeps.

#pragma once

// How far a quest has come. The quest node is this record plus its partner
// and its dialog box, so a saved game sets it back by assignment.
struct QuestProgress {
    bool accepted = false; // the player agreed to the task; it is under way
    bool rewarded = false; // the partner has thanked the player
    bool finished = false; // the quest is closed
    int stage = 1;         // the conversation's step before the task is accepted, 1 to 4
    int collected = 0;     // items delivered so far

    bool operator==(const QuestProgress&) const = default;
};
