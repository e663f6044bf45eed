#pragma once

#include <QString>

// The per-user store of the program: QSettings(NativeFormat, UserScope, "Quillmark"), the
// file ~/.config/Quillmark.conf here and HKCU\Software\Quillmark on Windows. The installer
// creates it; its absence means the program is not installed, and the program never creates it.
class UserStore {
public:
    bool Exists() const;

    // "1" shows the tips dialog at start; an absent value reads as the empty text.
    QString ReadShowTips() const;

    // Writes the value only where the store exists.
    void WriteShowTips(const QString& value) const;
};
