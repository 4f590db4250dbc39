#pragma once

class CSettingsStore;

// The display size of the forms, chosen in the display size dialog and stored as
// "FormScaling" of section "Settings": 0 for the screen's own scale, else 100,
// 110, ..., 150 per cent.
//
// The form views take their scale from "WinFormScaledFactorOv" (default: the
// screen's scale). A chosen size therefore also becomes that value, and the
// screen's own scale removes it, so that the views follow the screen again.
namespace DisplaySize {

inline constexpr int kChoiceCount = 7;

// The dialog's choice (0 the screen's scale, 1..6 for 100..150 %) for a stored
// "FormScaling": below 100 the screen's scale; then by tens, 150 and above the
// largest.
int ChoiceForScaling(int formScaling);
// The stored value of a choice: 0, 100, 110, ..., 150. Choices out of range
// give 0.
int ScalingForChoice(int choice);

// Stores a value of ScalingForChoice as "FormScaling" and as the views' scale.
// False when the settings cannot be written (the old values then stay).
bool Store(CSettingsStore& settings, int formScaling);

} // namespace DisplaySize
