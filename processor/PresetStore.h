#pragma once

// Placeholder until the preset store lands.
class PresetStore
{
};
