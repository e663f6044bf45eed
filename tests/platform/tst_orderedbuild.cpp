#include "platform/OrderedBuild.h"

#include <QTest>

#include <stdexcept>
#include <string>

class OrderedBuildTest : public QObject {
    Q_OBJECT

private slots:
    void deliversEveryPieceInOrder();
    void failuresEndTheWork();
};

void OrderedBuildTest::deliversEveryPieceInOrder()
{
    // Pieces of very different sizes, so the two threads finish them out of order.
    std::string expected;
    for (std::size_t piece = 0; piece < 300; ++piece)
        expected += std::string(piece % 7 * 5000, 'x') + std::to_string(piece) + ';';
    std::string delivered;
    BuildInOrder(300, [](std::size_t piece, std::string& text) {
        text = std::string(piece % 7 * 5000, 'x') + std::to_string(piece) + ';';
    }, [&delivered](std::string_view text) { delivered += text; });
    QVERIFY(delivered == expected);

    int calls = 0;
    BuildInOrder(0, [](std::size_t, std::string&) {}, [&calls](std::string_view) { ++calls; });
    QCOMPARE(calls, 0);
}

void OrderedBuildTest::failuresEndTheWork()
{
    // A build that throws, on whichever thread it ran: the pieces before it were delivered,
    // none after it, and the failure arrives here.
    std::string delivered;
    const auto failAt37 = [](std::size_t piece, std::string& text) {
        if (piece == 37)
            throw std::runtime_error("piece 37 failed");
        text = std::to_string(piece) + ';';
    };
    try {
        BuildInOrder(100, failAt37, [&delivered](std::string_view text) { delivered += text; });
        QFAIL("no failure arrived");
    } catch (const std::runtime_error& failure) {
        QCOMPARE(std::string(failure.what()), std::string("piece 37 failed"));
    }
    QVERIFY(delivered.ends_with(";35;36;"));

    // A delivery that throws ends the helper too, and the call returns.
    int deliveries = 0;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, BuildInOrder(100, [](std::size_t, std::string& text) { text = "x"; },
                                                              [&deliveries](std::string_view) {
        if (++deliveries == 5)
            throw std::runtime_error("disk full");
    }));
    QCOMPARE(deliveries, 5);
}

QTEST_GUILESS_MAIN(OrderedBuildTest)
#include "tst_orderedbuild.moc"
