// The mark of a text the player reads, for the level tables.
// N_() and tr() live in platform/Language.h, where every layer reaches them.

#pragma once

#include "platform/Language.h"
