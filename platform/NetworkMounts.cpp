#include "platform/NetworkMounts.h"

#include <QStringList>
#include <QUrl>

namespace {

bool IsNetworkScheme(const QString& scheme)
{
    static const QStringList schemes = {
        QStringLiteral("smb"), QStringLiteral("sftp"), QStringLiteral("ssh"), QStringLiteral("ftp"),
        QStringLiteral("ftps"), QStringLiteral("dav"), QStringLiteral("davs"), QStringLiteral("nfs"),
        QStringLiteral("afp"), QStringLiteral("google-drive"), QStringLiteral("onedrive")};
    return schemes.contains(scheme);
}

} // namespace

std::vector<NetworkMount> NetworkMountsIn(const QString& listing)
{
    std::vector<NetworkMount> mounts;
    const QString arrow = QStringLiteral(" -> ");
    for (const QString& rawLine : listing.split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (!line.startsWith(u"Mount("))
            continue;
        const qsizetype nameStart = line.indexOf(u"): ");
        const qsizetype arrowAt = line.lastIndexOf(arrow);
        if (nameStart < 0 || arrowAt < nameStart)
            continue;
        const QString location = line.mid(arrowAt + arrow.size()).trimmed();
        if (!IsNetworkScheme(QUrl(location).scheme()))
            continue;
        mounts.push_back({line.mid(nameStart + 3, arrowAt - nameStart - 3), location});
    }
    return mounts;
}
