#include "qt/TextCodec.h"
#include "qt/TickPacer.h"

#include <QTest>

using namespace kx;

// The front end's own helpers: text conversion and the strip's pace.
class FrontEndHelpersTest : public QObject {
    Q_OBJECT
private slots:
    void windows1252TextRoundTrips()
    {
        const std::string bytes = "\x80 caf\xE9 \xFF \x92";
        const QString text = toQString(bytes);
        QCOMPARE(text, QString::fromUtf8("\u20AC caf\u00E9 \u00FF \u2019"));
        QCOMPARE(fromQString(text), bytes);
        QCOMPARE(fromQString(QString::fromUtf8("\u4E2D")), std::string("?"));
        QCOMPARE(toTerminalQString("\x7F\x01\xB4"), QString::fromUtf8("\u2302\u263A\u00B4"));
    }

    void pacerKeepsSixtyFourTicksASecond()
    {
        TickPacer pacer(1.0 / 64);
        pacer.start(0);
        int ticks = 0;
        for (int ms = 1; ms <= 1000; ms += 1)
            ticks += pacer.due(ms / 1000.0);
        QCOMPARE(ticks, 64);
        // A stall does not make the strip leap: at most four ticks at once.
        QCOMPARE(pacer.due(3.0), 4);
        QCOMPARE(pacer.due(3.0 + 1.0 / 64), 1);
        QCOMPARE(pacer.due(3.0 + 6.0 / 64), 4);
    }
};

QObject* makeViewTest() { return new FrontEndHelpersTest; }

#include "FrontEndHelpersTest.moc"
