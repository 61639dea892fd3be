// The six people of the game: the avatar, priest, old woman, hermit, customs officer and hero.
// Apart from Humanoid so each person reads as a Look and nothing else.

#include "Humanoid.h"

BuiltModel buildAvatar()
{
    return humanoid({.shirt = {0.3f, 0.6f, 0.3f}, .trousers = {0.45f, 0.33f, 0.2f}, .hair = {0.5f, 0.3f, 0.12f},
                     .headwear = Headwear::Feather, .headwearColour = {0.25f, 0.45f, 0.22f}, .backpack = true});
}

BuiltModel buildPriest()
{
    return humanoid({.shirt = {0.12f, 0.12f, 0.14f}, .trousers = {0.12f, 0.12f, 0.14f}, .hair = {0.55f, 0.55f, 0.55f},
                     .robe = {0.16f, 0.15f, 0.2f}, .robed = true,
                     .badge = true}); // a brass cross on the chest
}

BuiltModel buildOldWoman()
{
    return humanoid({.shirt = {0.55f, 0.25f, 0.25f}, .trousers = {0.3f, 0.3f, 0.35f}, .hair = {0.85f, 0.85f, 0.85f},
                     .robe = {0.35f, 0.3f, 0.45f}, .robed = true, .headwear = Headwear::Scarf,
                     .headwearColour = {0.75f, 0.62f, 0.3f}, .height = 7.2f});
}

BuiltModel buildHermit()
{
    return humanoid({.shirt = {0.45f, 0.38f, 0.25f}, .trousers = {0.35f, 0.3f, 0.2f}, .hair = {0.8f, 0.8f, 0.78f},
                     .robe = {0.42f, 0.34f, 0.2f}, .robed = true, .beard = true, .staff = true});
}

BuiltModel buildCustomsOfficer()
{
    return humanoid({.shirt = {0.2f, 0.3f, 0.55f}, .trousers = {0.15f, 0.18f, 0.3f}, .hair = {0.2f, 0.15f, 0.1f},
                     .headwear = Headwear::Cap, .headwearColour = {0.15f, 0.2f, 0.4f}, .badge = true});
}

BuiltModel buildHero()
{
    return humanoid({.shirt = {0.3f, 0.3f, 0.32f}, .trousers = {0.2f, 0.2f, 0.22f}, .hair = {0.1f, 0.1f, 0.1f},
                     .robe = {0.45f, 0.12f, 0.1f}, .robed = true, .headwear = Headwear::Hood,
                     .headwearColour = {0.4f, 0.1f, 0.08f}, .staff = true,
                     .height = 2.4f}); // placed at scale 1, unlike the other figures
}
