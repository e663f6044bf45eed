#include "batch/untRenProg.h"

#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

class RenProgTest : public QObject {
    Q_OBJECT

private slots:
    void windowHasNoCloseBox();
    void stopOnlyEmits();
    void userCannotCloseIt();
};

void RenProgTest::windowHasNoCloseBox()
{
    TfrmRenProg window;
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(window.windowTitle(), QStringLiteral("Please Wait..."));
    QCOMPARE(window.Bar()->objectName(), QStringLiteral("pbrMain"));
    QVERIFY(!window.Bar()->isTextVisible());
}

void RenProgTest::stopOnlyEmits()
{
    QWidget owner;
    TfrmRenProg window(&owner);
    window.show();
    QSignalSpy stopped(&window, &TfrmRenProg::stopClicked);
    auto* stop = window.findChild<QPushButton*>(QStringLiteral("btnStop"));
    QVERIFY(stop);
    QCOMPARE(stop->text(), QStringLiteral("Stop"));
    QTest::mouseClick(stop, Qt::LeftButton);
    QCOMPARE(stopped.count(), 1);
    QVERIFY(window.isVisible());
}

void RenProgTest::userCannotCloseIt()
{
    QWidget owner;
    TfrmRenProg window(&owner);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(window.isVisible());
    QVERIFY(!window.windowHandle()->close());
    QVERIFY(window.isVisible());
    window.hide();
    QVERIFY(!window.isVisible());
}

QTEST_MAIN(RenProgTest)
#include "tst_renprog.moc"
