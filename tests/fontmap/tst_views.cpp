// The Zoom, Code and KeyStroke views: switched from the Views menu, the views toolbar and their
// right-click menus, the zoom size with its slider, number and edit, and labels that hold
// their texts.
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include "core/SettingsLayout.h"
#include "fontmap/FontMapGrid.h"
#include "textboard/TextBoardEdit.h"
#include "widgets/ActionCollection.h"
#include "widgets/MainMenu.h"
#include "widgets/ToolBar.h"
#include "widgets/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QtMath>

#include <functional>

namespace {

using Fonts = MainWindowFixture::Fonts;
using Store = MainWindowFixture::Store;

const QStringList kViewMenu{QStringLiteral("ViewZoom"), QStringLiteral("ViewCode"), QStringLiteral("ViewKS"),
                            QStringLiteral("ViewSep"), QStringLiteral("ViewAll")};

// The items of a menu that show.
QStringList shownItems(const QMenu *menu)
{
    QStringList names;
    for (const QAction *a : menu->actions()) {
        if (a->isVisible())
            names.append(a->objectName());
    }
    return names;
}

// A right-click on `target`. While the pop-up that it opens is up, `whileOpen` gets it (or
// null when none opened); then the pop-up is closed with `key` (Esc by default).
void rightClick(QWidget *target, const std::function<void(QMenu *)> &whileOpen, Qt::Key key = Qt::Key_Escape)
{
    bool ran = false;
    QTimer::singleShot(0, target, [&] {
        auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        whileOpen(popup);
        ran = true;
        if (popup)
            QTest::keyClick(popup, key);
    });
    QTest::mousePress(target, Qt::RightButton, {}, QPoint(3, 3));
    QTest::mouseRelease(target, Qt::RightButton, {}, QPoint(3, 3));
    QTRY_VERIFY(ran);
    QCoreApplication::processEvents();
}

} // namespace

class TestViews : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void switchView_data();
    void switchView();
    void popUpShowsOnlyItsItem_data();
    void popUpShowsOnlyItsItem();
    void leftClickOpensNoMenu();
    void allViews_data();
    void allViews();
    void allViewsAtStartUp();
    void zoomEdit_data();
    void zoomEdit();
    void zoomNumberOpensNoEditWhileOff();
    void zoomSliderSizesLetter();
    void labelsFitTheirText();
    void zoomViewShowsItsWholeBorder_data();
    void zoomViewShowsItsWholeBorder();

private:
    QuorvilControls &c() { return m_f->controls(); }
    // The view's on-screen state: its menu check, its button, and what its labels show.
    void verifyView(const QString &item, bool on);

    std::unique_ptr<MainWindowFixture> m_f;
};

void TestViews::init()
{
    m_f = std::make_unique<MainWindowFixture>(1024, 768, Store::Seeded, Fonts::Fake);
    QVERIFY(m_f->start());
    for (const QString &item : kViewMenu.mid(0, 3))
        QVERIFY(m_f->window().commands().isChecked(item));
}

void TestViews::cleanup()
{
    m_f.reset();
}

void TestViews::verifyView(const QString &item, bool on)
{
    QCOMPARE(m_f->window().commands().isChecked(item), on);
    const QString onOff = on ? QStringLiteral("On") : QStringLiteral("Off");
    if (item == QLatin1String("ViewZoom")) {
        QCOMPARE(c().ViewsTB->value(QStringLiteral("Zoom")), on ? 1 : 0);
        QCOMPARE(c().ZoomSizeSlider->isEnabled(), on);
        QCOMPARE(c().ZoomSizeNumber->text(), on ? QString::number(c().ZoomSizeSlider->value()) : onOff);
        if (!on)
            QVERIFY(c().TextZoom->text().isEmpty());
    } else if (item == QLatin1String("ViewCode")) {
        QCOMPARE(c().ViewsTB->value(QStringLiteral("Code")), on ? 1 : 0);
        for (QLabel *code : {c().AscCode, c().HexCode, c().OctCode, c().BinCode})
            QCOMPARE(code->text(), onOff);
    } else {
        QCOMPARE(c().ViewsTB->value(QStringLiteral("KS")), on ? 1 : 0);
        QCOMPARE(c().KS->text(), onOff);
    }
}

void TestViews::switchView_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("place");
    QTest::addColumn<int>("accessKey");
    const struct
    {
        const char *item;
        Qt::Key key;
    } views[] = {{"ViewZoom", Qt::Key_Z}, {"ViewCode", Qt::Key_C}, {"ViewKS", Qt::Key_K}};
    for (const auto &v : views) {
        for (const char *place : {"menu", "toolbar", "right-click"})
            QTest::addRow("%s from the %s", v.item, place) << QString::fromLatin1(v.item) << QString::fromLatin1(place)
                                                           << int(v.key);
    }
}

void TestViews::switchView()
{
    QFETCH(QString, item);
    QFETCH(QString, place);
    QFETCH(int, accessKey);
    Q_EMIT c().FMapContainer->cellMouseMove(65 - 32);
    QAction *action = m_f->window().commands().action(item);
    const auto flip = [&] {
        if (place == QLatin1String("menu")) {
            QMenu *views = c().menu->menu(QStringLiteral("ItemView"));
            views->popup(QPoint(0, 0));
            QTest::keyClick(views, Qt::Key(accessKey));
        } else if (place == QLatin1String("toolbar")) {
            QTest::mouseClick(c().ViewsTB->widgetForAction(action), Qt::LeftButton);
        } else {
            QWidget *target = item == QLatin1String("ViewZoom")  ? static_cast<QWidget *>(c().TextZoom)
                              : item == QLatin1String("ViewCode") ? c().CVACover
                                                                   : c().KVACover;
            rightClick(target, [](QMenu *popup) { QVERIFY(popup); }, Qt::Key(accessKey));
        }
    };
    flip();
    verifyView(item, false);
    // A hover leaves a switched-off view alone.
    Q_EMIT c().FMapContainer->cellMouseMove(66 - 32);
    verifyView(item, false);
    flip();
    verifyView(item, true);
    QCOMPARE(shownItems(c().menu->menu(QStringLiteral("ItemView"))), kViewMenu);
}

void TestViews::popUpShowsOnlyItsItem_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("item");
    QTest::newRow("container") << "ViewsContainer" << "ViewZoom";
    QTest::newRow("zoom size caption") << "ZoomSizeLabel" << "ViewZoom";
    QTest::newRow("zoom size number") << "ZoomSizeNumber" << "ViewZoom";
    QTest::newRow("zoom size slider") << "ZoomSizeSlider" << "ViewZoom";
    QTest::newRow("zoom letter") << "TextZoom" << "ViewZoom";
    QTest::newRow("code view") << "CVACover" << "ViewCode";
    QTest::newRow("keystroke view") << "KVACover" << "ViewKS";
}

void TestViews::popUpShowsOnlyItsItem()
{
    QFETCH(QString, target);
    QFETCH(QString, item);
    QWidget *widget = c().ViewsContainer->objectName() == target
                          ? c().ViewsContainer
                          : c().ViewsContainer->findChild<QWidget *>(target);
    QVERIFY(widget);
    QStringList shown;
    rightClick(widget, [&shown](QMenu *popup) {
        if (popup)
            shown = shownItems(popup);
    });
    QCOMPARE(shown, QStringList{item});
    QCOMPARE(shownItems(c().menu->menu(QStringLiteral("ItemView"))), kViewMenu);
    // Closed without a choice: the view is as it was.
    verifyView(item, true);
}

void TestViews::leftClickOpensNoMenu()
{
    QTest::mouseClick(c().CVACover, Qt::LeftButton);
    QTest::mouseClick(c().TextZoom, Qt::MiddleButton);
    QCoreApplication::processEvents();
    QVERIFY(!QApplication::activePopupWidget());
    verifyView(QStringLiteral("ViewCode"), true);
}

void TestViews::allViews_data()
{
    QTest::addColumn<QString>("item");
    for (const QString &item : kViewMenu.mid(0, 3))
        QTest::newRow(qPrintable(item)) << item;
}

void TestViews::allViews()
{
    // "All Views" is checked exactly while all three views are on, however they were switched.
    QFETCH(QString, item);
    ActionCollection &commands = m_f->window().commands();
    const auto allOn = [&commands] { return commands.isChecked(QStringLiteral("ViewAll")); };
    QVERIFY(allOn());
    commands.trigger(item);
    QVERIFY(!allOn());
    commands.trigger(item);
    QVERIFY(allOn());

    // From all on, the item switches all off; from any other state, all on.
    commands.trigger(QStringLiteral("ViewAll"));
    QVERIFY(!allOn());
    for (const QString &view : kViewMenu.mid(0, 3))
        verifyView(view, false);
    commands.trigger(item);
    QVERIFY(!allOn());
    commands.trigger(QStringLiteral("ViewAll"));
    QVERIFY(allOn());
    for (const QString &view : kViewMenu.mid(0, 3))
        verifyView(view, true);
}

void TestViews::allViewsAtStartUp()
{
    // A view stored off starts the item unchecked.
    MainWindowFixture f(1024, 768, Store::Seeded, Fonts::Fake);
    QVERIFY(f.registry.setValue(SettingsLayout::keyPath(QStringLiteral("Views")), QStringLiteral("KeyStroke"),
                                RegData{REG_SZ, "False"}));
    QVERIFY(f.start());
    ActionCollection &commands = f.window().commands();
    QVERIFY(!commands.isChecked(QStringLiteral("ViewKS")));
    QVERIFY(!commands.isChecked(QStringLiteral("ViewAll")));
}

void TestViews::zoomEdit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("size");
    // From the zoom size 72.
    QTest::newRow("20") << "20" << int(Qt::Key_Return) << 20;
    QTest::newRow("100") << "100" << int(Qt::Key_Return) << 72;
    QTest::newRow("3") << "3" << int(Qt::Key_Enter) << 8;
    QTest::newRow("too large for 16 bits") << "40000" << int(Qt::Key_Return) << 72;
    QTest::newRow("not a number") << "big" << int(Qt::Key_Return) << 72;
    QTest::newRow("Esc") << "20" << int(Qt::Key_Escape) << 72;
}

void TestViews::zoomEdit()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, size);
    QCOMPARE(c().ZoomSizeSlider->value(), 72);
    editInPlace(c().ZoomSizeNumber, c().ZoomSizeEdit, typed, Qt::Key(key));
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(c().ZoomSizeSlider->value(), size);
    QCOMPARE(c().ZoomSizeNumber->text(), QString::number(size));
    QCOMPARE(c().TextZoom->font().pointSize(), size);
    QCOMPARE(m_f->window().views().zoomSize(), size);
}

void TestViews::zoomNumberOpensNoEditWhileOff()
{
    m_f->window().commands().trigger(QStringLiteral("ViewZoom"));
    QCOMPARE(c().ZoomSizeNumber->text(), QStringLiteral("Off"));
    QTest::mouseClick(c().ZoomSizeNumber, Qt::LeftButton);
    QVERIFY(c().ZoomSizeEdit->isHidden());
}

void TestViews::zoomSliderSizesLetter()
{
    QLabel *zoom = c().TextZoom;
    Q_EMIT c().FMapContainer->cellMouseMove(87 - 32);
    QCOMPARE(zoom->text(), QStringLiteral("W"));
    QCOMPARE(zoom->font().pointSize(), 72);
    QCOMPARE(zoom->font().family(), c().TextBoard->font().family());
    // The letter, 72 points high, fits the Zoom view.
    const QFontMetrics large(zoom->font());
    QVERIFY(large.height() <= zoom->contentsRect().height());
    QVERIFY(large.horizontalAdvance(QLatin1Char('W')) <= zoom->contentsRect().width());

    // Dragging the thumb sizes the letter at once and shows the size.
    QSlider *slider = c().ZoomSizeSlider;
    slider->setSliderDown(true);
    slider->setSliderPosition(30);
    QCOMPARE(zoom->font().pointSize(), 30);
    QCOMPARE(c().ZoomSizeNumber->text(), QStringLiteral("30"));
    slider->setSliderDown(false);
    // The keyboard moves it too.
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_PageDown);
    QCOMPARE(zoom->font().pointSize(), 25);
    QCOMPARE(c().ZoomSizeNumber->text(), QStringLiteral("25"));
    QVERIFY(QFontMetrics(zoom->font()).height() < large.height());
}

void TestViews::labelsFitTheirText()
{
    // Each caption holds its text and each value its widest one, one row after another, and
    // no label runs into the next one or out of the container.
    const struct
    {
        const char *caption;
        QLabel *value;
        QStringList values;
    } rows[] = {
        {"ZoomSizeLabel", c().ZoomSizeNumber, {"72", "Off"}},
        {"AscCodeCaption", c().AscCode, {"255", "On", "Off"}},
        {"HexCodeCaption", c().HexCode, {"FF", "On", "Off"}},
        {"OctCodeCaption", c().OctCode, {"377", "On", "Off"}},
        {"BinCodeCaption", c().BinCode, {"11111111", "On", "Off"}},
        {"KSCaption", c().KS, {"Alt+0255", "Space Bar", "Off"}},
    };
    const int right = c().ViewsContainer->contentsRect().right();
    QLabel *previous = nullptr;
    for (const auto &row : rows) {
        auto *caption = c().ViewsContainer->findChild<QLabel *>(QString::fromLatin1(row.caption));
        QVERIFY(caption);
        const QFontMetricsF metrics(caption->font());
        QVERIFY2(metrics.horizontalAdvance(caption->text()) <= caption->width(), row.caption);
        QVERIFY(metrics.height() <= caption->height());
        for (const QString &v : row.values)
            QVERIFY2(QFontMetricsF(row.value->font()).horizontalAdvance(v) <= row.value->width(), qPrintable(v));
        QVERIFY2(caption->geometry().right() < row.value->geometry().left(), row.caption);
        QVERIFY(row.value->geometry().right() <= right);
        if (previous && previous->y() == caption->y())
            QVERIFY2(previous->geometry().right() < caption->geometry().left(), row.caption);
        previous = row.value;
    }
    // The check runs at the scale the environment asks for.
    const double scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qgetenv("QT_SCALE_FACTOR").toDouble() : 1.0;
    QCOMPARE(c().ViewsContainer->devicePixelRatioF(), scale);
}

void TestViews::zoomViewShowsItsWholeBorder_data()
{
    QTest::addColumn<QString>("side");
    QTest::newRow("views on the left") << "VCOnL";
    QTest::newRow("views on the right") << "VCOnR";
}

void TestViews::zoomViewShowsItsWholeBorder()
{
    // The zoom view's box shows on all four sides, as the window draws it in device pixels: at
    // 1.25 its right side fell on the container's last column and was lost.
    QFETCH(QString, side);
    m_f->window().commands().trigger(side);
    QLabel *zoom = c().TextZoom;
    zoom->clear();
    QWidget *window = zoom->window();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // The whole window, so that each control falls on the device pixels it falls on on screen.
    const QImage shown = window->grab().toImage();
    const qreal scale = shown.devicePixelRatio();
    const QRectF logical(zoom->mapTo(window, QPoint(0, 0)), zoom->size());
    const QImage image = shown.copy(QRectF(logical.topLeft() * scale, logical.size() * scale).toAlignedRect());
    // A line of one pixel of the program spans this many device pixels, from a fraction on.
    const int line = qCeil(scale) + 1;
    const auto dark = [&image](const QPoint &p) { return qGray(image.pixel(p)) < 128; };
    const auto anyDark = [&dark](int from, int to, const std::function<QPoint(int)> &at) {
        for (int i = from; i < to; ++i) {
            if (dark(at(i)))
                return true;
        }
        return false;
    };
    const int w = image.width();
    const int h = image.height();
    QVERIFY2(anyDark(0, line, [h](int x) { return QPoint(x, h / 2); }), "left");
    QVERIFY2(anyDark(w - line, w, [h](int x) { return QPoint(x, h / 2); }), "right");
    QVERIFY2(anyDark(0, line, [w](int y) { return QPoint(w / 2, y); }), "top");
    QVERIFY2(anyDark(h - line, h, [w](int y) { return QPoint(w / 2, y); }), "bottom");
}

QUORVIL_TEST_MAIN(TestViews)
#include "tst_views.moc"
