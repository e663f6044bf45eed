#include "platform/DesktopShell.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The real shell's opening, with a stand-in xdg-open first on the search path that records
// what it was given and ends with the status the row asks for.
class SystemShellTest : public QObject {
    Q_OBJECT

private slots:
    void openUrlFollowsXdgOpen_data();
    void openUrlFollowsXdgOpen();
};

void SystemShellTest::openUrlFollowsXdgOpen_data()
{
    QTest::addColumn<QString>("target");  // "page", or the name of a file in the fixture
    QTest::addColumn<int>("exitStatus");
    QTest::addColumn<bool>("opened");
    QTest::newRow("a program took the file") << QStringLiteral("a b.txt") << 0 << true;
    QTest::newRow("nothing handles the file") << QStringLiteral("a b.txt") << 3 << false;
    QTest::newRow("nothing handles the page") << QStringLiteral("page") << 4 << false;
    QTest::newRow("the file is gone") << QStringLiteral("gone.txt") << 0 << false;
}

void SystemShellTest::openUrlFollowsXdgOpen()
{
    QFETCH(QString, target);
    QFETCH(int, exitStatus);
    QFETCH(bool, opened);
    QTemporaryDir dir;
    const QString record = dir.filePath(QStringLiteral("given"));
    QFile opener(dir.filePath(QStringLiteral("xdg-open")));
    QVERIFY(opener.open(QIODevice::WriteOnly));
    opener.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\nexit %2\n").arg(record).arg(exitStatus).toUtf8());
    opener.close();
    opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile(dir.filePath(QStringLiteral("a b.txt"))).open(QIODevice::WriteOnly);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(dir.path()) + ':' + path);

    const QUrl url = target == u"page" ? QUrl(QStringLiteral("https://www.quillmark.example/contact.html"))
                                       : QUrl::fromLocalFile(dir.filePath(target));
    const bool result = SystemShell().OpenUrl(url);
    qputenv("PATH", path);
    QCOMPARE(result, opened);
    QFile given(record);
    if (target == u"gone.txt") {
        QVERIFY(!given.exists());
        return;
    }
    QVERIFY(given.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(given.readAll()), url.isLocalFile() ? url.toLocalFile() : url.toString());
}

QTEST_GUILESS_MAIN(SystemShellTest)
#include "tst_systemshell.moc"
