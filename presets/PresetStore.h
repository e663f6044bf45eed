#pragma once

#include "engine/RenameRules.h"

#include <string>
#include <string_view>
#include <vector>

// A named snapshot of the browsing state and both rename records: one section of settings.ini
// with 73 keys.
struct Preset {
    bool showfiles = true;          // Show Files (true) or Show Folders (false)
    std::string filefilter;         // the stored filter text, "" = no item chosen
    bool incsub = false;
    RenameRules file;               // keys as listed
    RenameRules ext;                // keys with the trailing "1"; date fields unused
};

// Whether a typed name can be a section of settings.ini: not blank, no "[" or "]", no control
// character, and not beginning with ";" once its leading and trailing blanks are dropped. The
// store always drops those blanks, so " mp3 " and "mp3" are the same preset.
bool IsValidPresetName(std::string_view name);

// The presets in one settings.ini. Every call reads the file afresh and keeps nothing open. A
// save or an erase replaces the whole file in one step (a temporary file in the same folder,
// renamed over it), so a failure leaves the old file exactly as it was; it throws
// std::runtime_error "Unable to write to <path>". Reading never fails: a missing file, section
// or key reads as absent.
class PresetStore {
public:
    PresetStore();                              // the executable's folder + "settings.ini"
    explicit PresetStore(std::string iniPath);

    std::vector<std::string> ListPresets() const;
    // Writes the 73 keys into the section of that name, keeping its place in the file and any
    // other keys in it. Throws std::invalid_argument for a name IsValidPresetName refuses.
    void WritePreset(const std::string& name, const Preset& preset);
    Preset ReadPreset(const std::string& name) const;   // missing keys give the defaults of the key table
    void ErasePreset(const std::string& name);

private:
    std::string path_;
};
