#include "Humanoid.h"

BuiltModel buildAvatar()
{
    Look look;
    look.shirt = {0.3f, 0.6f, 0.3f};
    look.trousers = {0.45f, 0.33f, 0.2f};
    look.hair = {0.5f, 0.3f, 0.12f};
    look.headwear = Headwear::Feather;
    look.headwearColour = {0.25f, 0.45f, 0.22f};
    look.backpack = true;
    return humanoid(look);
}

BuiltModel buildPriest()
{
    Look look;
    look.shirt = {0.12f, 0.12f, 0.14f};
    look.trousers = {0.12f, 0.12f, 0.14f};
    look.hair = {0.55f, 0.55f, 0.55f};
    look.robed = true;
    look.robe = {0.16f, 0.15f, 0.2f};
    look.badge = true; // a brass cross on the chest
    return humanoid(look);
}

BuiltModel buildOldWoman()
{
    Look look;
    look.shirt = {0.55f, 0.25f, 0.25f};
    look.trousers = {0.3f, 0.3f, 0.35f};
    look.hair = {0.85f, 0.85f, 0.85f};
    look.robed = true;
    look.robe = {0.35f, 0.3f, 0.45f};
    look.headwear = Headwear::Scarf;
    look.headwearColour = {0.75f, 0.62f, 0.3f};
    look.height = 7.2f;
    return humanoid(look);
}

BuiltModel buildHermit()
{
    Look look;
    look.shirt = {0.45f, 0.38f, 0.25f};
    look.trousers = {0.35f, 0.3f, 0.2f};
    look.hair = {0.8f, 0.8f, 0.78f};
    look.robed = true;
    look.robe = {0.42f, 0.34f, 0.2f};
    look.beard = true;
    look.staff = true;
    return humanoid(look);
}

BuiltModel buildCustomsOfficer()
{
    Look look;
    look.shirt = {0.2f, 0.3f, 0.55f};
    look.trousers = {0.15f, 0.18f, 0.3f};
    look.hair = {0.2f, 0.15f, 0.1f};
    look.headwear = Headwear::Cap;
    look.headwearColour = {0.15f, 0.2f, 0.4f};
    look.badge = true;
    return humanoid(look);
}

BuiltModel buildHero()
{
    Look look;
    look.shirt = {0.3f, 0.3f, 0.32f};
    look.trousers = {0.2f, 0.2f, 0.22f};
    look.hair = {0.1f, 0.1f, 0.1f};
    look.robed = true;
    look.robe = {0.45f, 0.12f, 0.1f};
    look.headwear = Headwear::Hood;
    look.headwearColour = {0.4f, 0.1f, 0.08f};
    look.staff = true;
    look.height = 2.4f; // placed at scale 1, unlike the other figures
    return humanoid(look);
}
