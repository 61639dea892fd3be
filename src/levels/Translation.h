// The mark of a text the player reads, for the translators' tools.
// N_() changes nothing: `xgettext --keyword=N_` finds the texts by it.

#pragma once

#define N_(text) text
