#pragma once

#include <string>

// The rename options of one name part. Each field is named by its preset key; the extension's
// record is the same type (its keys carry a trailing "1" in presets) and its date fields are
// ignored. The defaults are the state of a fresh main window.
struct RenameRules {
    // Add
    bool textadd = false;
    std::string text;
    bool textins = false;
    std::string textinstext;
    std::string textinstextpos;
    bool fdate = false;
    std::string fdatetype = "Created Date";
    std::string fdateprefix = "Suffix";
    std::string dateformat = "MMDDYYYY";
    bool counter = false;
    std::string countlen = "1";
    std::string countstart = "1";
    std::string countprefix = "Suffix";

    // Replace
    bool textrep = false;
    std::string textreptext;
    std::string textreptextw;
    bool textrepcs = false;
    bool textrepall = false;

    // Change case: the first of lower, upper, toggle, title that is on wins; none of them
    // leaves the case alone.
    bool lower = false;
    bool upper = false;
    bool toggle = false;
    bool title = false;
    bool none = true;

    // Remove
    bool remalpha = false;
    bool remnum = false;
    bool remspec = false;
    bool remspace = false;
    bool rembracket = false;
    bool remall = false;
    bool rematpos = false;
    std::string remfrom = "1";
    std::string remlen = "1";
    bool remspeci = false;
    std::string remtext;
    bool remspeccs = false;
    bool remspecall = false;

    // Other options: remove before replace and insert instead of after them.
    bool remins = false;

    bool operator==(const RenameRules&) const = default;
};
