#include "source/untProg.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

class ProgTest : public QObject {
    Q_OBJECT

private slots:
    void windowHasNoCloseBox();
    void stopOnlyEmits();
    void userCannotCloseIt();
};

void ProgTest::windowHasNoCloseBox()
{
    TfrmProg window;
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(window.windowTitle(), QStringLiteral("Adding files"));
}

void ProgTest::stopOnlyEmits()
{
    QWidget owner;
    TfrmProg window(&owner);
    window.SetFolderName(QStringLiteral("Holidays"));
    window.show();
    QSignalSpy stopped(&window, &TfrmProg::stopClicked);
    auto* stop = window.findChild<QPushButton*>(QStringLiteral("btnStop"));
    QVERIFY(stop);
    QTest::mouseClick(stop, Qt::LeftButton);
    QCOMPARE(stopped.count(), 1);
    QVERIFY(window.isVisible());

    // The panel keeps the last folder name between walks.
    window.hide();
    window.show();
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("pnlProg"))->text(),
             QStringLiteral("Holidays"));
}

void ProgTest::userCannotCloseIt()
{
    QWidget owner;
    TfrmProg window(&owner);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(window.isVisible());
    QVERIFY(!window.windowHandle()->close());
    QVERIFY(window.isVisible());
}

QTEST_MAIN(ProgTest)
#include "tst_prog.moc"
