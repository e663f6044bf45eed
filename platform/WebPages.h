#pragma once

#include <QString>
#include <QUrl>

// The maker's web pages, all in one place so a move of the sites is one edit.
namespace WebPages {

inline QUrl CompanySite()
{
    return QUrl(QStringLiteral("https://www.quillmark-software.example/"));
}

inline QUrl ProductSite()
{
    return QUrl(QStringLiteral("https://www.quillmark.example/"));
}

inline QUrl Contact()
{
    return QUrl(QStringLiteral("https://www.quillmark.example/contact.html"));
}

inline QUrl VideoTutorial()
{
    return QUrl(QStringLiteral("https://www.quillmark.example/tutorial.html"));
}

} // namespace WebPages
