#include "platform/UserStore.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString kShowTips = QStringLiteral("ShowTips");

QSettings OpenStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quillmark"));
}

} // namespace

bool UserStore::Exists() const
{
    return QFileInfo::exists(OpenStore().fileName());
}

QString UserStore::ReadShowTips() const
{
    return OpenStore().value(kShowTips).toString();
}

void UserStore::WriteShowTips(const QString& value) const
{
    if (!Exists())
        return;
    QSettings store = OpenStore();
    store.setValue(kShowTips, value);
    store.sync();
}
