// The counters' captions and the fill meter's rules, at the limit of 61,440 characters.

#include "textboard/rules/FillMeter.h"
#include "textboard/rules/TextBoardCounters.h"

#include <QTest>

namespace {

constexpr int kLimit = 61440;
constexpr double kFullWidth = 1200; // the designed meter, 80 pixels

} // namespace

class TestFillMeter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void counterCaptions_data();
    void counterCaptions();
    void colourBands_data();
    void colourBands();
    void width_data();
    void width();
};

void TestFillMeter::counterCaptions_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("chars");
    QTest::addColumn<QString>("percent");
    QTest::newRow("empty") << 0 << "0" << "0%";
    QTest::newRow("one") << 1 << "1" << "0%";
    QTest::newRow("999") << 999 << "999" << "2%";
    QTest::newRow("1,000") << 1000 << "1,000" << "2%";
    QTest::newRow("half") << 30720 << "30,720" << "50%";
    QTest::newRow("99.5 % rounds up") << 61133 << "61,133" << "100%";
    QTest::newRow("full") << 61440 << "61,440" << "100%";
    QTest::newRow("a million") << 1234567 << "1,234,567" << "2009%";
}

void TestFillMeter::counterCaptions()
{
    QFETCH(int, count);
    QFETCH(QString, chars);
    QFETCH(QString, percent);
    QCOMPARE(formatCharCount(count), chars);
    QCOMPARE(formatPercentFilled(count, kLimit), percent);
}

void TestFillMeter::colourBands_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<ColorValue>("color");
    const ColorValue white = rgbColor(255, 255, 255);
    const ColorValue paleYellow = rgbColor(255, 255, 192);
    const ColorValue lightOrange = rgbColor(255, 192, 128);
    const ColorValue red = rgbColor(255, 0, 0);
    QTest::newRow("empty") << 0 << white;
    QTest::newRow("exactly 50 %") << 30720 << white;
    QTest::newRow("50 % + 1") << 30721 << paleYellow;
    QTest::newRow("exactly 75 %") << 46080 << paleYellow;
    QTest::newRow("75 % + 1") << 46081 << lightOrange;
    QTest::newRow("exactly 95 %") << 58368 << lightOrange;
    QTest::newRow("95 % + 1") << 58369 << red;
    QTest::newRow("full") << 61440 << red;
}

void TestFillMeter::colourBands()
{
    QFETCH(int, count);
    QFETCH(ColorValue, color);
    QCOMPARE(FillMeter::color(count, kLimit), color);
}

void TestFillMeter::width_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("fullWidth");
    QTest::addColumn<double>("width"); // 0: hidden
    QTest::newRow("empty") << 0 << kFullWidth << 0.0;
    QTest::newRow("just under 15 twips") << 767 << kFullWidth << 0.0;
    QTest::newRow("exactly 15 twips") << 768 << kFullWidth << 15.0;
    QTest::newRow("half") << 30720 << kFullWidth << 600.0;
    QTest::newRow("full") << 61440 << kFullWidth << 1200.0;
    // At 1.25 scale the meter has other twips; the hiding rule stays 15 twips.
    QTest::newRow("wider meter") << 640 << 1440.0 << 15.0;
    QTest::newRow("wider meter, under") << 639 << 1440.0 << 0.0;
}

void TestFillMeter::width()
{
    QFETCH(int, count);
    QFETCH(double, fullWidth);
    QFETCH(double, width);
    const std::optional<double> w = FillMeter::width(count, fullWidth, kLimit);
    QCOMPARE(w.has_value(), width > 0);
    if (w)
        QCOMPARE(*w, width);
}

QTEST_GUILESS_MAIN(TestFillMeter)
#include "tst_fillmeter.moc"
