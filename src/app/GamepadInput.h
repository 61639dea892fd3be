// The game pad as the player's keys and mouse: its readings turned into what the keys would give the control node.

#pragma once

// Once a frame, from the frame loop. While walking: the left stick pushed
// past half way holds the walk and step keys, the right stick turns and
// tilts the view, the faster the further it is pushed; A talks, X takes, Y
// looks (held), the right shoulder whistles as the left mouse button does.
// In a conversation A and X answer 1 and 2, B closes it. Start pauses and
// goes on; the d-pad acts as the arrow keys do, in the settings list too.
// The start question takes A and X as its answers, a video ends on Start.
// True when the pad did something the picture should show.
bool useGamepad();

// No frames run while the game is paused: meanwhile the pad is read twenty
// times a second, so that Start goes on and the d-pad works the settings.
void watchGamepadWhilePaused();
