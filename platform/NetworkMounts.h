#pragma once

#include <QString>

#include <vector>

// A network location mounted by the desktop's virtual file system (GVfs).
struct NetworkMount {
    QString name;      // as the desktop shows it, "share on server"
    QString location;  // the address it is unmounted by, "smb://server/share/"
};

// The network locations in the text `gio mount -l` prints: its "Mount(n): name -> address"
// lines whose address is a network one (smb, sftp, ftp, WebDAV, NFS ...), in the order given.
// Local disks, phones and cameras are not network locations.
std::vector<NetworkMount> NetworkMountsIn(const QString& listing);
