#include "platform/DesktopEntries.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class ShellTextsTest : public QObject {
    Q_OBJECT

private slots:
    void execArguments_data();
    void execArguments();
    void applicationsFor();
};

void ShellTextsTest::execArguments_data()
{
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QStringList>("arguments");  // "FILE" stands for the file
    const QString file = QStringLiteral("FILE");
    QTest::newRow("%f") << QStringLiteral("viewer %f") << QStringList{QStringLiteral("viewer"), file};
    QTest::newRow("%U after an option") << QStringLiteral("app --new-window %U")
                                        << QStringList{QStringLiteral("app"), QStringLiteral("--new-window"), file};
    QTest::newRow("quoted program") << QStringLiteral("\"/opt/My App/run\" %u") << QStringList{QStringLiteral("/opt/My App/run"), file};
    QTest::newRow("escapes inside quotes") << QStringLiteral(R"(echo "say \"hi\" \\ \$HOME" %F)")
                                           << QStringList{QStringLiteral("echo"), QStringLiteral(R"(say "hi" \ $HOME)"), file};
    QTest::newRow("other codes dropped") << QStringLiteral("app %i %c %k %f") << QStringList{QStringLiteral("app"), file};
    QTest::newRow("%%") << QStringLiteral("app 100%% %f") << QStringList{QStringLiteral("app"), QStringLiteral("100%"), file};
    QTest::newRow("code inside a word") << QStringLiteral("app --file=%f") << QStringList{QStringLiteral("app"), QStringLiteral("--file=FILE")};
    QTest::newRow("no file code: file last") << QStringLiteral("  my-tool   -x ") << QStringList{QStringLiteral("my-tool"), QStringLiteral("-x"), file};
    QTest::newRow("quote left open") << QStringLiteral("app \"oops %f") << QStringList();
    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("codes only") << QStringLiteral("%i %c") << QStringList();
}

void ShellTextsTest::execArguments()
{
    QFETCH(QString, exec);
    QFETCH(QStringList, arguments);
    QCOMPARE(ExecArguments(exec, QStringLiteral("FILE")), arguments);
}

namespace {

void Write(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray Entry(const char* name, const char* more)
{
    return QByteArray("[Desktop Entry]\nType=Application\nName=") + name + "\nExec=" + name + " %f\n" + more + "\n";
}

} // namespace

// One user folder and two data folders: defaults, added and removed associations, shadowing,
// the entries that are left out, name order and inherited types.
void ShellTextsTest::applicationsFor()
{
    QTemporaryDir root;
    const QString config = root.filePath(QStringLiteral("config"));
    const QString data1 = root.filePath(QStringLiteral("data1"));
    const QString data2 = root.filePath(QStringLiteral("data2"));
    Write(config + QStringLiteral("/mimeapps.list"),
          "[Default Applications]\nimage/png=missing.desktop;kde-paint.desktop;\n"
          "[Added Associations]\nimage/png=editor.desktop;\n"
          "[Removed Associations]\nimage/png=gallery.desktop;\n");
    const QString apps = data1 + QStringLiteral("/applications/");
    Write(apps + QStringLiteral("kde/paint.desktop"), Entry("Paint", ""));
    Write(apps + QStringLiteral("editor.desktop"), Entry("Editor", ""));
    Write(apps + QStringLiteral("viewer.desktop"), Entry("Viewer", "MimeType=image/png;image/jpeg;"));
    Write(apps + QStringLiteral("abc.desktop"), Entry("aardvark", "MimeType=image/png;"));
    Write(apps + QStringLiteral("gallery.desktop"), Entry("Gallery", "MimeType=image/png;"));
    Write(apps + QStringLiteral("hidden.desktop"), Entry("Hidden", "Hidden=true\nMimeType=image/png;"));
    Write(apps + QStringLiteral("term.desktop"), Entry("Term", "Terminal=true\nMimeType=image/png;"));
    Write(apps + QStringLiteral("tryexec.desktop"), Entry("Gone", "TryExec=no-such-program-here\nMimeType=image/png;"));
    Write(apps + QStringLiteral("link.desktop"), "[Desktop Entry]\nType=Link\nName=Link\nURL=x\nMimeType=image/png;\n");
    Write(apps + QStringLiteral("hex.desktop"), Entry("Hex", "MimeType=application/octet-stream;"));
    Write(data2 + QStringLiteral("/applications/viewer.desktop"), Entry("Old Viewer", "MimeType=image/png;"));

    const std::vector<DesktopApplication> found =
        ApplicationsFor({QStringLiteral("image/png"), QStringLiteral("application/octet-stream")}, {config}, {data1, data2});
    QStringList names;
    for (const DesktopApplication& application : found)
        names << application.name + (application.isDefault ? QStringLiteral(" (default)") : QString());
    QCOMPARE(names, (QStringList{QStringLiteral("Paint (default)"), QStringLiteral("Editor"), QStringLiteral("aardvark"),
                                 QStringLiteral("Viewer"), QStringLiteral("Hex")}));
    QCOMPARE(found.front().id, QStringLiteral("kde-paint.desktop"));
    QCOMPARE(found.front().exec, QStringLiteral("Paint %f"));
}

QTEST_MAIN(ShellTextsTest)
#include "tst_shelltexts.moc"
