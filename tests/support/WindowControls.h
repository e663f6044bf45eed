#pragma once

#include "batch/RenamedModel.h"

#include <QTableView>
#include <QtGlobal>

// The control of that objectName under parent; a test without it cannot go on.
template <typename Widget = QWidget>
Widget* Find(const QObject& parent, const char* name)
{
    auto* widget = parent.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

// The rename list's rows behind lvwRenamed.
inline RenamedModel* RenameList(const QObject& window)
{
    return qobject_cast<RenamedModel*>(Find<QTableView>(window, "lvwRenamed")->model());
}
