#include "support/MessageDriver.h"
#include "support/TestMain.h"
#include "support/ToolsFixture.h"

#include "core/GlobalDeclarations.h"
#include "tools/ExtendedCharPanel.h"
#include "tools/Keyboard.h"
#include "tools/KeyboardPicture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRawFont>
#include <QSlider>

namespace {

const QString kSymbol = QStringLiteral("Quorvil Symbol Test");
const QString kBoldOnly = QStringLiteral("Quorvil Bold Only");
const QString kSans = QStringLiteral("DejaVu Sans");
const QString kSerif = QStringLiteral("DejaVu Serif");

// The key of the 7, whose shifted character is the ampersand.
constexpr int kSevenKey = 7;
// The key of the q.
constexpr int kQKey = 13;

template<typename W>
W *child(const QWidget &parent, const char *name)
{
    auto *w = parent.findChild<W *>(QString::fromLatin1(name));
    Q_ASSERT(w);
    return w;
}

// The user picks the font of that name in the viewer's font box with the mouse.
void chooseFont(Keyboard &kb, const QString &name)
{
    auto *combo = child<QComboBox>(kb, "cmbFontName");
    const int index = combo->findText(name);
    QVERIFY2(index >= 0, qPrintable(name));
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
}

QImage render(QWidget *widget, const QRect &area)
{
    QImage image(area.size(), QImage::Format_RGB32);
    widget->render(&image, QPoint(), QRegion(area));
    return image;
}

// Where two images differ.
QRect difference(const QImage &a, const QImage &b)
{
    QRect changed;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
        }
    }
    return changed;
}

// The size of a text's ink: where drawing it alone, with room all round, changes the image.
QSize inkOf(const QFont &font, const QString &text)
{
    QImage blank(400, 400, QImage::Format_RGB32);
    blank.fill(Qt::white);
    QImage drawn = blank;
    QPainter painter(&drawn);
    painter.setFont(font);
    painter.drawText(QPointF(150, 200), text);
    painter.end();
    return difference(drawn, blank).size();
}

// Whether the middle of the area (away from the cap's corner legend) has dark pixels.
bool inkInTheMiddle(const QImage &image)
{
    const QRect middle(image.width() / 4, image.height() / 4, image.width() / 2, image.height() / 2);
    for (int y = middle.top(); y <= middle.bottom(); ++y) {
        for (int x = middle.left(); x <= middle.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 100)
                return true;
        }
    }
    return false;
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void opensUnshiftedOnTheTextBoardFont();
    void keysOfTheUSKeyboard();
    void symbolFontShowsItsSymbols();
    void captionsFollowTheCharset();
    void setFontOnlyForAnotherFont();
    void shiftSwitchesTheLayout_data();
    void shiftSwitchesTheLayout();
    void shiftKeysOnThePicture();
    void fontNameKeys_data();
    void fontNameKeys();
    void sizeEdit_data();
    void sizeEdit();
    void sliderSizesEveryLabel();
    void ampersandIsACharacter();
    void everyKeyShowsItsWholeCharacter_data();
    void everyKeyShowsItsWholeCharacter();
    void missingGlyphIsTheFontsOwn();
    void clicksAreInformationOnly_data();
    void clicksAreInformationOnly();
    void setFont_data();
    void setFont();
    void okChangesNothing();
    void specialCharacters();
    void toolTipsFollowTheSwitch_data();
    void toolTipsFollowTheSwitch();
    void noFontsAtAll();
};

void TestKeyboard::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestKeyboard::opensUnshiftedOnTheTextBoardFont()
{
    ToolsFixture f;
    Keyboard kb(f.services(), f.fontList(), f.fontMapColors);
    kb.SetupKeyboard(f.indexOf(kSerif), kSerif, 14.5);
    QCOMPARE(kb.windowTitle(), QStringLiteral("Keyboard Layout Viewer"));
    QCOMPARE(child<QComboBox>(kb, "cmbFontName")->currentText(), kSerif);
    QCOMPARE(child<QComboBox>(kb, "cmbFontName")->count(), f.fontList().size());
    QCOMPARE(child<QSlider>(kb, "sldFontSize")->value(), 14);   // 14.5 to the even neighbour
    QCOMPARE(child<QLabel>(kb, "lblFontSizeNumber")->text(), QStringLiteral("14"));
    QVERIFY(!child<QPushButton>(kb, "cmdSetFont")->isEnabled());
    QVERIFY(!kb.keyboardPicture()->isShifted());
    QCOMPARE(kb.keyboardPicture()->caption(kQKey), QStringLiteral("q"));
    QCOMPARE(kb.keyboardPicture()->labelFont().family(), kSerif);
    QCOMPARE(kb.specialChars()->labelFont().family(), kSerif);
    QVERIFY(!kb.keyboardPicture()->labelFont().bold());
    QVERIFY(kb.KBFontName().isEmpty());
    QCOMPARE(kb.OrigFontName(), kSerif);
    QVERIFY(!kb.specialChars()->isVisibleTo(&kb));
    QVERIFY(!kb.chosenFontName());
}

void TestKeyboard::keysOfTheUSKeyboard()
{
    // Four rows of 13, 13, 11 and 10 keys, left to right, none overlapping another, all on the
    // picture; a letter key types its capital with Shift.
    const QRectF picture(0, 0, KeyboardLayout::kPictureWidth, KeyboardLayout::kPictureHeight);
    const std::array<int, 5> starts = {0, 13, 26, 37, KeyboardLayout::kKeys};
    for (int row = 0; row < 4; ++row) {
        for (int k = starts[row]; k < starts[row + 1]; ++k) {
            const QRectF r = KeyboardLayout::keyRect(k);
            QVERIFY(picture.contains(r));
            QCOMPARE(r.top(), KeyboardLayout::keyRect(starts[row]).top());
            if (k > starts[row])
                QVERIFY(r.left() >= KeyboardLayout::keyRect(k - 1).right());
            if (row > 0)
                QVERIFY(r.top() >= KeyboardLayout::keyRect(starts[row - 1]).bottom());
            const QChar plain(KeyboardLayout::keyCode(k, false));
            if (plain.isLetter())
                QCOMPARE(QChar(KeyboardLayout::keyCode(k, true)), plain.toUpper());
        }
    }
    for (int k = 0; k < KeyboardLayout::kKeys; ++k) {
        for (auto other : {KeyboardLayout::OtherKey::LeftShift, KeyboardLayout::OtherKey::RightShift,
                           KeyboardLayout::OtherKey::Space})
            QVERIFY(!KeyboardLayout::keyRect(k).intersects(KeyboardLayout::otherKeyRect(other)));
    }
    QCOMPARE(KeyboardLayout::keyCode(kSevenKey, true), quint8('&'));
    QCOMPARE(KeyboardLayout::keyCode(0, false), quint8(96));
}

void TestKeyboard::symbolFontShowsItsSymbols()
{
    ToolsFixture f;
    Keyboard kb(f.services(), f.fontList(), f.fontMapColors);
    kb.SetupKeyboard(f.indexOf(kSymbol), kSymbol, 20);
    const KeyboardPicture *picture = kb.keyboardPicture();
    const QRawFont raw = QRawFont::fromFont(picture->labelFont());
    QCOMPARE(raw.familyName(), kSymbol);
    for (bool shifted : {false, true}) {
        shifted ? kb.ShowShiftedKeys() : kb.ShowUnshiftedKeys();
        for (int k = 0; k < KeyboardLayout::kKeys; ++k) {
            const QString caption = picture->caption(k);
            QCOMPARE(caption, QString(QChar(0xF000 + KeyboardLayout::keyCode(k, shifted))));
            // Each key draws a glyph of the symbol font's own.
            QVERIFY2(raw.glyphIndexesForString(caption).value(0) != 0, qPrintable(QString::number(k)));
        }
    }
    QCOMPARE(kb.specialChars()->caption(1), QString(QChar(0xF07F)));
    QCOMPARE(kb.specialChars()->caption(129), QString(QChar(0xF0FF)));
}

void TestKeyboard::captionsFollowTheCharset()
{
    ToolsFixture f;
    Keyboard kb(f.services(), f.fontList(), f.fontMapColors);
    kb.SetupKeyboard(f.indexOf(kSans), kSans, 20);
    kb.ShowShiftedKeys();
    chooseFont(kb, kSymbol);
    QCOMPARE(kb.keyboardPicture()->caption(kQKey), QString(QChar(0xF051)));
    QCOMPARE(kb.specialChars()->caption(129), QString(QChar(0xF0FF)));
    QVERIFY(kb.keyboardPicture()->isShifted());
    chooseFont(kb, kSerif);
    QCOMPARE(kb.keyboardPicture()->caption(kQKey), QStringLiteral("Q"));
    QCOMPARE(kb.specialChars()->caption(129), QStringLiteral("\u00ff"));
    QCOMPARE(kb.keyboardPicture()->labelFont().family(), kSerif);
}

void TestKeyboard::setFontOnlyForAnotherFont()
{
    ToolsFixture f;
    Keyboard kb(f.services(), f.fontList(), f.fontMapColors);
    kb.SetupKeyboard(f.indexOf(kSymbol), kSymbol, 20);
    auto *setFont = child<QPushButton>(kb, "cmdSetFont");
    chooseFont(kb, kSans);
    QVERIFY(setFont->isEnabled());
    QCOMPARE(kb.KBFontName(), kSans);
    QCOMPARE(kb.KBFontIndex(), f.indexOf(kSans));
    chooseFont(kb, kSymbol);
    QVERIFY(!setFont->isEnabled());
    QCOMPARE(kb.keyboardPicture()->labelFont().family(), kSymbol);
}

void TestKeyboard::shiftSwitchesTheLayout_data()
{
    // Platforms differ in whether a Shift key's own event already carries the Shift state.
    QTest::addColumn<int>("pressModifiers");
    QTest::addColumn<int>("releaseModifiers");
    QTest::addColumn<bool>("shifts");
    QTest::newRow("Shift, state after") << int(Qt::ShiftModifier) << int(Qt::NoModifier) << true;
    QTest::newRow("Shift, state before") << int(Qt::NoModifier) << int(Qt::ShiftModifier) << true;
    QTest::newRow("Ctrl+Shift") << int(Qt::ControlModifier) << int(Qt::ControlModifier) << false;
}

void TestKeyboard::shiftSwitchesTheLayout()
{
    QFETCH(int, pressModifiers);
    QFETCH(int, releaseModifiers);
    QFETCH(bool, shifts);
    ToolsFixture f;
    Keyboard kb(f.services(), f.fontList(), f.fontMapColors);
    kb.SetupKeyboard(f.indexOf(kSans), kSans, 20);
    // The key goes to whichever control has the focus.
    auto *ok = child<QPushButton>(kb, "cmdOK");
    QTest::keyPress(ok, Qt::Key_Shift, Qt::KeyboardModifiers(pressModifiers));
    QCOMPARE(kb.keyboardPicture()->isShifted(), shifts);
    QCOMPARE(kb.keyboardPicture()->caption(kSevenKey), shifts ? QStringLiteral("&") : QStringLiteral("7"));
    QTest::keyRelease(ok, Qt::Key_Shift, Qt::KeyboardModifiers(releaseModifiers));
    QVERIFY(!kb.keyboardPicture()->isShifted());
    QCOMPARE(kb.keyboardPicture()->caption(kSevenKey), QStringLiteral("7"));
}

void TestKeyboard::shiftKeysOnThePicture()
{
    ToolsFixture f;
    Keyboard kb(f.services(), f.fontList(), f.fontMapColors);
    kb.SetupKeyboard(f.indexOf(kSans), kSans, 20);
    KeyboardPicture *picture = kb.keyboardPicture();
    MessageDriver driver;
    for (bool right : {false, true}) {
        const QPoint shift = picture->shiftRect(right).center();
        QTest::mouseClick(picture, Qt::LeftButton, {}, shift);
        QVERIFY(picture->isShifted());
        QCOMPARE(picture->caption(kQKey), QStringLiteral("Q"));
        // The pressed picture now lies over the key; a click on it lets go.
        QTest::mouseClick(picture, Qt::LeftButton, {}, shift);
        QVERIFY(!picture->isShifted());
        QCOMPARE(picture->caption(kQKey), QStringLiteral("q"));
    }
    QCOMPARE(driver.count(), 0);
}

void TestKeyboard::fontNameKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("digit keeps the font") << QStringLiteral("7") << QStringLiteral("Courier");
    QTest::newRow("w: first W font") << QStringLiteral("w") << QStringLiteral("Webdings");
    QTest::newRow("W: first W font") << QStringLiteral("W") << QStringLiteral("Webdings");
    QTest::newRow("a") << QStringLiteral("a") << QStringLiteral("arial narrow");
    // A letter no face begins with takes the selection as it is.
    QTest::newRow("letter without a font") << QStringLiteral("q") << QStringLiteral("Verdana");
}

void TestKeyboard::fontNameKeys()
{
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QList<FakeFontCatalog::Family> families;
    for (const char *name : {"Courier", "Wingdings", "arial narrow", "Verdana", "Webdings"}) {
        FakeFontCatalog::Family family;
        family.name = QString::fromLatin1(name);
        family.symbol = family.name.endsWith(QLatin1String("dings"));
        families.append(family);
    }
    ToolsFixture f(families);
    Keyboard kb(f.services(), f.fontList(), f.fontMapColors);
    kb.SetupKeyboard(f.indexOf(QStringLiteral("Courier")), QStringLiteral("Courier"), 20);
    auto *combo = child<QComboBox>(kb, "cmbFontName");
    // Moved without a click: a key that jumps nowhere goes back to the font shown.
    combo->setCurrentIndex(combo->findText(QStringLiteral("Verdana")));
    QTest::keyClick(combo, key.at(0).toLatin1());
    QCOMPARE(combo->currentText(), expected);
    QCOMPARE(kb.keyboardPicture()->labelFont().family(), expected);
    QCOMPARE(child<QPushButton>(kb, "cmdSetFont")->isEnabled(), expected != QLatin1String("Courier"));
}

void TestKeyboard::sizeEdit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");
    QTest::newRow("50") << QStringLiteral("50") << int(Qt::Key_Return) << 36;
    QTest::newRow("2") << QStringLiteral("2") << int(Qt::Key_Return) << 8;
    QTest::newRow("24") << QStringLiteral("24") << int(Qt::Key_Enter) << 24;
    QTest::newRow("not a number") << QStringLiteral("big") << int(Qt::Key_Return) << 20;
    QTest::newRow("Esc") << QStringLiteral("30") << int(Qt::Key_Escape) << 20;
}

void TestKeyboard::sizeEdit()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, expected);
    ToolsFixture f;
    Keyboard kb(f.services(), f.fontList(), f.fontMapColors);
    kb.SetupKeyboard(f.indexOf(kSans), kSans, 20);
    kb.show();
    auto *number = child<QLabel>(kb, "lblFontSizeNumber");
    auto *edit = child<QLineEdit>(kb, "tbxFontSizeEdit");
    QTest::mouseClick(number, Qt::LeftButton);
    QVERIFY(edit->isVisible());
    QCOMPARE(edit->selectedText(), QStringLiteral("20"));
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key(key));
    QVERIFY(!edit->isVisible());
    QCOMPARE(child<QSlider>(kb, "sldFontSize")->value(), expected);
    QCOMPARE(number->text(), QString::number(expected));
    QCOMPARE(kb.keyboardPicture()->labelFont().pointSize(), expected);
    QCOMPARE(kb.specialChars()->labelFont().pointSize(), expected);
}

void TestKeyboard::sliderSizesEveryLabel()
{
    ToolsFixture f;
    Keyboard kb(f.services(), f.fontList(), f.fontMapColors);
    kb.SetupKeyboard(f.indexOf(kSans), kSans, 20);
    chooseFont(kb, kSerif);
    child<QSlider>(kb, "sldFontSize")->setValue(31);
    QCOMPARE(child<QLabel>(kb, "lblFontSizeNumber")->text(), QStringLiteral("31"));
    QCOMPARE(kb.keyboardPicture()->labelFont().pointSize(), 31);
    QCOMPARE(kb.keyboardPicture()->labelFont().family(), kSerif);
    QCOMPARE(kb.specialChars()->labelFont().pointSize(), 31);
}

void TestKeyboard::ampersandIsACharacter()
{
    ToolsFixture f;
    Keyboard kb(f.services(), f.fontList(), f.fontMapColors);
    kb.SetupKeyboard(f.indexOf(kSans), kSans, 28);
    kb.ShowShiftedKeys();
    KeyboardPicture *picture = kb.keyboardPicture();
    QCOMPARE(picture->caption(kSevenKey), QStringLiteral("&"));
    // An access-key marker would leave the key's face blank.
    QVERIFY(inkInTheMiddle(render(picture, picture->keyLabelRect(kSevenKey))));
}

void TestKeyboard::everyKeyShowsItsWholeCharacter_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("shifted");
    for (const char *family : {"DejaVu Sans", "Liberation Sans"}) {
        for (int points : {8, 24, 36}) {
            for (bool shifted : {false, true})
                QTest::addRow("%s %d%s", family, points, shifted ? ", shifted" : "") << QString::fromLatin1(family)
                                                                                     << points << shifted;
        }
    }
}

void TestKeyboard::everyKeyShowsItsWholeCharacter()
{
    // Each key's face shows all of its character: at 36 points the underscore on the hyphen key
    // lies far below the middle of a line, and was cut off at the face's edge.
    QFETCH(QString, family);
    QFETCH(int, points);
    QFETCH(bool, shifted);
    ToolsFixture f;
    Keyboard kb(f.services(), f.fontList(), f.fontMapColors);
    kb.SetupKeyboard(f.indexOf(family), family, points);
    if (shifted)
        kb.ShowShiftedKeys();
    KeyboardPicture *picture = kb.keyboardPicture();
    std::array<QString, KeyboardLayout::kKeys> captions;
    for (int key = 0; key < KeyboardLayout::kKeys; ++key)
        captions[key] = picture->caption(key);
    const QImage withCaptions = render(picture, picture->rect());
    picture->setCaptions({});
    const QImage blank = render(picture, picture->rect());
    for (int key = 0; key < KeyboardLayout::kKeys; ++key) {
        const QRect face = picture->keyLabelRect(key);
        const QSize shown = difference(withCaptions.copy(face), blank.copy(face)).size();
        // A character larger than the face cannot show whole; it fills the face instead.
        const QSize ink = inkOf(picture->labelFont(), captions[key]);
        const QSize expected = ink.boundedTo(face.size());
        // Placed at another fraction of a pixel, antialiasing may tint a pixel more or less.
        const auto near = [](int shown, int expected) { return std::abs(shown - expected) <= 1; };
        QVERIFY2(near(shown.width(), expected.width()) && near(shown.height(), expected.height()),
                 qPrintable(QStringLiteral("\"%1\" shows %2x%3 of %4x%5 on a face of %6x%7")
                                .arg(captions[key])
                                .arg(shown.width())
                                .arg(shown.height())
                                .arg(ink.width())
                                .arg(ink.height())
                                .arg(face.width())
                                .arg(face.height())));
    }
}

void TestKeyboard::missingGlyphIsTheFontsOwn()
{
    // The bold-only test font has neither e acute nor the euro sign; both cells show its own
    // missing-glyph frame, which a merged-in font's letters would replace with two different
    // glyphs.
    ToolsFixture f;
    Keyboard kb(f.services(), f.fontList(), f.fontMapColors);
    kb.SetupKeyboard(f.indexOf(kBoldOnly), kBoldOnly, 24);
    kb.specialChars()->setVisible(true);
    ExtendedCharPanel *panel = kb.specialChars();
    const int eAcute = 0xE9 - 126;
    const int euro = 0x80 - 126;
    QCOMPARE(panel->caption(eAcute), QStringLiteral("\u00e9"));
    QCOMPARE(panel->caption(euro), QStringLiteral("\u20ac"));
    QCOMPARE(panel->cellRect(eAcute).size(), panel->cellRect(euro).size());
    const QImage a = render(panel, panel->cellRect(eAcute));
    const QImage b = render(panel, panel->cellRect(euro));
    QVERIFY(inkInTheMiddle(a));
    QCOMPARE(a, b);
}

void TestKeyboard::clicksAreInformationOnly_data()
{
    QTest::addColumn<bool>("onAKey");
    QTest::newRow("key label") << true;
    QTest::newRow("keyboard") << false;
}

void TestKeyboard::clicksAreInformationOnly()
{
    QFETCH(bool, onAKey);
    ToolsFixture f;
    Keyboard kb(f.services(), f.fontList(), f.fontMapColors);
    kb.SetupKeyboard(f.indexOf(kSans), kSans, 20);
    KeyboardPicture *picture = kb.keyboardPicture();
    const QPoint at = onAKey ? picture->keyLabelRect(kQKey).center() : QPoint(3, 3);
    MessageDriver driver;
    driver.ok();
    QTest::mouseClick(picture, Qt::LeftButton, {}, at);
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil Interaction Error"));
    QCOMPARE(driver.last().text, QStringLiteral("\r\rThese buttons are displayed for information only.\r\r"
                                                "You can click only on the 'Shift' buttons or press\r"
                                                "the <Shift> key on your keyboard to view the\r"
                                                "uppercase letters of the currently selected font."));
    QCOMPARE(driver.last().buttons, QStringList{QStringLiteral("Ok")});
    QVERIFY(!driver.last().checkBoxVisible);
    QVERIFY(!picture->isShifted());
}

void TestKeyboard::setFont_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void TestKeyboard::setFont()
{
    QFETCH(bool, yes);
    ToolsFixture f;
    Keyboard kb(f.services(), f.fontList(), f.fontMapColors);
    kb.SetupKeyboard(f.indexOf(kSans), kSans, 20);
    chooseFont(kb, kSerif);
    MessageDriver driver;
    yes ? driver.yes() : driver.no();
    QTest::mouseClick(child<QPushButton>(kb, "cmdSetFont"), Qt::LeftButton);
    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Set Quorvil Font"));
    QCOMPARE(driver.last().text, QStringLiteral("\r\rDo you want to select the font\rDEJAVU SERIF\r"
                                                "as the current font for Quorvil?\r\r"
                                                "\u2022 Press Yes to select the font.\r"
                                                "\u2022 Press No to cancel operation."));
    QCOMPARE(driver.last().buttons, (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));
    QCOMPARE(driver.last().focused, QStringLiteral("Button1"));
    QCOMPARE(kb.chosenFontName().has_value(), yes);
    QCOMPARE(kb.result(), yes ? int(QDialog::Accepted) : int(QDialog::Rejected));
    if (yes)
        QCOMPARE(*kb.chosenFontName(), kSerif);
}

void TestKeyboard::okChangesNothing()
{
    ToolsFixture f;
    Keyboard kb(f.services(), f.fontList(), f.fontMapColors);
    kb.SetupKeyboard(f.indexOf(kSans), kSans, 20);
    chooseFont(kb, kSerif);
    kb.show();
    QTest::mouseClick(child<QPushButton>(kb, "cmdOK"), Qt::LeftButton);
    QVERIFY(!kb.isVisible());
    QVERIFY(!kb.chosenFontName());
}

void TestKeyboard::specialCharacters()
{
    ToolsFixture f;
    Keyboard kb(f.services(), f.fontList(), f.fontMapColors);
    kb.SetupKeyboard(f.indexOf(kSans), kSans, 20);
    kb.show();
    auto *check = child<QCheckBox>(kb, "chkSplChar");
    ExtendedCharPanel *panel = kb.specialChars();
    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->caption(1), QStringLiteral("\u007f"));
    QCOMPARE(panel->caption(2), QStringLiteral("\u20ac"));
    QCOMPARE(panel->caption(129), QStringLiteral("\u00ff"));
    QCOMPARE(panel->toolTipAt(panel->cellRect(1).center()), QStringLiteral("Alt+0127"));
    QCOMPARE(panel->toolTipAt(panel->cellRect(2).center()), QStringLiteral("Alt+0128"));
    QCOMPARE(panel->toolTipAt(panel->cellRect(129).center()), QStringLiteral("Alt+0255"));
    for (int i = 1; i < KeyboardLayout::kSpecialCodes; ++i)
        QVERIFY(!panel->cellRect(i).intersects(panel->cellRect(i + 1)));
    // The keyboard's Shift still works under the panel.
    QTest::keyPress(child<QPushButton>(kb, "cmdOK"), Qt::Key_Shift, Qt::ShiftModifier);
    QVERIFY(kb.keyboardPicture()->isShifted());
    QTest::keyRelease(child<QPushButton>(kb, "cmdOK"), Qt::Key_Shift);
    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(!panel->isVisible());
}

void TestKeyboard::toolTipsFollowTheSwitch_data()
{
    QTest::addColumn<bool>("on");
    QTest::newRow("on") << true;
    QTest::newRow("off") << false;
}

void TestKeyboard::toolTipsFollowTheSwitch()
{
    QFETCH(bool, on);
    ToolsFixture f;
    globals().gToolTips = on;
    Keyboard kb(f.services(), f.fontList(), f.fontMapColors);
    kb.SetupKeyboard(f.indexOf(kSans), kSans, 20);
    const auto tip = [&](const char *name) { return child<QWidget>(kb, name)->toolTip(); };
    const auto expect = [on](const char *text) { return on ? QString::fromUtf8(text) : QString(); };
    QCOMPARE(tip("cmbFontName"), expect("Select a Font"));
    QCOMPARE(tip("sldFontSize"), expect("Set Font size"));
    QCOMPARE(tip("lblFontSizeNumber"), expect("Font Size (Click to Change)"));
    QCOMPARE(tip("tbxFontSizeEdit"), expect("Enter font size"));
    QCOMPARE(tip("chkSplChar"), expect("Display special characters"));
    QCOMPARE(tip("cmdSetFont"), expect("Set this as Current Font and Exit"));
    QCOMPARE(tip("cmdOK"), expect("Ok"));
    KeyboardPicture *picture = kb.keyboardPicture();
    QCOMPARE(picture->toolTipAt(picture->shiftRect(true).center()), expect("Press to display uppercase characters"));
    kb.ShowShiftedKeys();
    QCOMPARE(picture->toolTipAt(picture->shiftRect(false).center()), expect("Press to display lowercase characters"));
    QCOMPARE(picture->toolTipAt(picture->keyLabelRect(kQKey).center()), QString());
    ExtendedCharPanel *panel = kb.specialChars();
    QCOMPARE(panel->toolTipAt(panel->cellRect(5).center()), expect("Alt+0131"));
    globals().gToolTips = true;
}

void TestKeyboard::noFontsAtAll()
{
    ToolsFixture f(QList<FakeFontCatalog::Family>{});
    Keyboard kb(f.services(), f.fontList(), f.fontMapColors);
    kb.SetupKeyboard(0, QStringLiteral("Arial"), 12);
    auto *combo = child<QComboBox>(kb, "cmbFontName");
    QCOMPARE(combo->count(), 0);
    QTest::keyClick(combo, 'a');
    QTest::keyClick(combo, '1');
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(kb.keyboardPicture()->caption(kQKey), QStringLiteral("q"));
    QVERIFY(!child<QPushButton>(kb, "cmdSetFont")->isEnabled());
}

QUORVIL_TEST_MAIN_WITH_FONTS(TestKeyboard, QStringLiteral(QUORVIL_TEST_FONTS "/quorvil-symbol-test.ttf"),
                             QStringLiteral(QUORVIL_TEST_FONTS "/quorvil-bold-only.ttf"),
                             QStringLiteral(QUORVIL_TEST_FONTS "/quorvil-fallback.ttf"))
#include "tst_keyboard.moc"
