#include "app/Startup.h"
#include "app/untMain.h"
#include "tests/support/MessageCatcher.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFile>
#include <QSettings>
#include <QTest>

#include <functional>

namespace {

// The per-user store: XDG_CONFIG_HOME points into the build folder for each test.
QString StorePath()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Quillmark.conf");
}

void WriteStore(const QByteArray& content)
{
    QFile file(StorePath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// Runs the program; `whileRunning` is called once the main window is up, then the window is closed.
int RunWhile(const std::function<void(TfrmMain&)>& whileRunning)
{
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* window = qobject_cast<TfrmMain*>(widget);
            if (window && window->isVisible()) {
                poll.stop();
                whileRunning(*window);
                window->close();
                return;
            }
        }
    });
    poll.start(10);
    return RunQuillmark(*qApp);
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QFile::remove(StorePath()); }

    void missingStoreStopsTheProgram();
    void absentShowTipsIsWrittenEmpty();
    void showTipsOneOpensTheTips();
};

void StartupTest::missingStoreStopsTheProgram()
{
    MessageCatcher catcher;
    bool windowSeen = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            windowSeen = windowSeen || qobject_cast<TfrmMain*>(widget);
    });
    poll.start(1);
    QCOMPARE(RunQuillmark(*qApp), 1);
    QCOMPARE(catcher.Messages().size(), 1);
    QCOMPARE(catcher.Messages()[0].text, QStringLiteral("Quillmark is not installed properly, please reinstall !"));
    QCOMPARE(catcher.Messages()[0].icon, QMessageBox::NoIcon);
    QCOMPARE(catcher.Messages()[0].title, QStringLiteral("Quillmark"));
    QVERIFY(!windowSeen);
    QVERIFY(!QFile::exists(StorePath()));
}

void StartupTest::absentShowTipsIsWrittenEmpty()
{
    WriteStore("[General]\n");
    bool tipsSeen = false;
    QCOMPARE(RunWhile([&](TfrmMain&) { tipsSeen = QApplication::activeModalWidget() != nullptr; }), 0);
    QVERIFY(!tipsSeen);
    QSettings store(StorePath(), QSettings::IniFormat);
    QVERIFY(store.contains(QStringLiteral("ShowTips")));
    QCOMPARE(store.value(QStringLiteral("ShowTips")).toString(), QString());
}

void StartupTest::showTipsOneOpensTheTips()
{
    WriteStore("[General]\nShowTips=1\n");
    bool mainVisibleFirst = false;
    QTimer answerTips;
    connect(&answerTips, &QTimer::timeout, this, [&] {
        auto* tips = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!tips || tips->objectName() != u"TfrmTip")
            return;
        for (QWidget* widget : QApplication::topLevelWidgets())
            mainVisibleFirst = mainVisibleFirst || (qobject_cast<TfrmMain*>(widget) && widget->isVisible());
        tips->findChild<QAbstractButton*>(QStringLiteral("chkShowTip"))->click();
        tips->reject();
    });
    answerTips.start(10);
    QCOMPARE(RunWhile([](TfrmMain&) {}), 0);
    QVERIFY(mainVisibleFirst);
    QSettings store(StorePath(), QSettings::IniFormat);
    QCOMPARE(store.value(QStringLiteral("ShowTips")).toString(), QStringLiteral("0"));
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
