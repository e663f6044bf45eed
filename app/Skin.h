#pragma once

// Applies the style sheet "Skins/Office2007 Blue.qss" beside the executable when it is there.
void ApplySkin();
