#include "support/CustomMapFixture.h"
#include "support/MessageDriver.h"
#include "support/TestMain.h"

#include "core/GlobalDeclarations.h"
#include "core/SettingsAccess.h"
#include "core/SettingsLayout.h"
#include "fontmap/FontMapGrid.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

Q_DECLARE_METATYPE(RegData)

namespace {

using Look = CustomMapModel::CellLook;

const QString kText = QStringLiteral("DejaVu Sans");
const QString kEditorKey = QStringLiteral("CFMEditor");
const QString kListCols = QStringLiteral("ListCols");
const QString kShiftDir = QStringLiteral("ShiftDir");
const QString kSymbol = QStringLiteral("Quorvil Symbol Test");

constexpr ColorValue kBlack = rgbColor(0, 0, 0);
constexpr ColorValue kWhite = rgbColor(255, 255, 255);
constexpr ColorValue kHighlight = systemColor(13);

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

// The records a map file must hold, built record by record: cell number, comma, the character
// between double quotes (xx for the double quote itself), CR LF.
QByteArray expectedFile(const QHash<int, char> &cells)
{
    QByteArray bytes;
    for (int n = 1; n <= 224; ++n) {
        QByteArray content;
        if (cells.contains(n - 1))
            content = cells.value(n - 1) == '"' ? QByteArray("xx") : QByteArray(1, cells.value(n - 1));
        bytes += QByteArray::number(n) + ",\"" + content + "\"\r\n";
    }
    return bytes;
}

CustomMapCells cellsOf(const QHash<int, char> &cells)
{
    CustomMapCells c{};
    for (auto it = cells.cbegin(); it != cells.cend(); ++it)
        c[it.key()] = quint8(it.value());
    return c;
}

// Makes a chosen file name the Save dialog's answer.
FakeCommonDialog::Choice choosePath(const QString &path)
{
    return [path](CommonDialogProperties &d) {
        d.FileName = path;
        d.FileTitle = QFileInfo(path).fileName();
    };
}

} // namespace

class TestCustomMap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void newMapStartsEmpty();
    void keys_data();
    void keys();
    void cellClickAndHover();
    void movesThroughButtonsAndMenus();
    void listClickMarksTheTarget();
    void takingTheLastCharacterEmptiesTheList();
    void captionsFollowTheFontsCharset_data();
    void captionsFollowTheFontsCharset();
    void fontLetterJump();
    void sizeEdit_data();
    void sizeEdit();
    void sizeTargets();
    void storedEditorValues_data();
    void storedEditorValues();
    void listColumns_data();
    void listColumns();
    void listColumnsRange();
    void tooltipsFollowTheToggle();
    void tabOrder();

    void newMapSaveAsThenSaveMap();
    void saveAsOntoOwnPathActsAsSaveMap();
    void saveAsCancelledChangesNothing();
    void failedSaveKeepsFileAndWork_data();
    void failedSaveKeepsFileAndWork();
    void editLoadsTheFileAndRefusesABadOne_data();
    void editLoadsTheFileAndRefusesABadOne();
    void completeMapOpensWithEmptyList();
    void closeRequests_data();
    void closeRequests();
    void cancelThenNoStillStoresTheValues();
    void mapSavedFlagForTheMainWindow_data();
    void mapSavedFlagForTheMainWindow();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString writeMap(const QString &name, const QHash<int, char> &cells);
    FontMapGrid *grid() const { return m_f->child<FontMapGrid>("imgCMMFMapHolder"); }
    QListWidget *list() const { return m_f->child<QListWidget>("lstFontChars"); }
    QString labelText(const char *name) const { return m_f->child<QLabel>(name)->text(); }
    QPushButton *button(const char *name) const { return m_f->child<QPushButton>(name); }
    QAction *action(const char *name) const { return m_f->child<QAction>(name); }
    void clickCell(int cell) const { QTest::mouseClick(grid(), Qt::LeftButton, {}, grid()->cellRect(cell).center()); }
    RegValue stored(const QString &name);

    std::unique_ptr<CustomMapFixture> m_f;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCustomMap::init()
{
    m_f = std::make_unique<CustomMapFixture>();
    m_dir = std::make_unique<QTemporaryDir>();
}

void TestCustomMap::cleanup()
{
    m_f.reset();
}

QString TestCustomMap::writeMap(const QString &name, const QHash<int, char> &cells)
{
    const QString file = path(name);
    writeAll(file, expectedFile(cells));
    return file;
}

RegValue TestCustomMap::stored(const QString &name)
{
    SettingsAccess settings(m_f->registry);
    return settings.read(kEditorKey, name);
}

void TestCustomMap::newMapStartsEmpty()
{
    CustomMap &e = m_f->openNew(kText);
    QCOMPARE(e.windowTitle(), QStringLiteral("Quorvil Custom Map Editor"));
    QCOMPARE(list()->count(), 224);
    QCOMPARE(list()->currentRow(), 0);
    QCOMPARE(list()->item(0)->text(), QStringLiteral(" "));
    QCOMPARE(list()->item(223)->text(), QStringLiteral("\u00ff"));
    QCOMPARE(labelText("lblCharsInList"), QStringLiteral("224"));
    QCOMPARE(labelText("lblCharsInMap"), QStringLiteral("0"));
    for (int i = 0; i < 224; ++i)
        QVERIFY(grid()->cell(i).caption.isEmpty());
    QCOMPARE(grid()->cell(0).backColor, kBlack);
    QCOMPARE(grid()->cell(0).foreColor, kWhite);
    QCOMPARE(grid()->cell(1).backColor, kWindowBackground);
    QVERIFY(button("cmdListToMap")->isEnabled());
    QVERIFY(!button("cmdMapToList")->isEnabled());
    QVERIFY(!button("btnSaveCFMap")->isEnabled());
    QVERIFY(!action("CFMapSave")->isEnabled());
    QVERIFY(button("btnSaveAsCFMap")->isEnabled());
    QCOMPARE(m_f->child<QComboBox>("cmbFontName")->currentText(), kText);
    QCOMPARE(grid()->cellFont().family(), kText);
    QVERIFY(m_f->child<QRadioButton>("optFontSize(1)")->isChecked());
}

void TestCustomMap::keys_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    QTest::newRow("End") << 5 << int(Qt::Key_End) << 223;
    QTest::newRow("Home") << 100 << int(Qt::Key_Home) << 0;
    QTest::newRow("Left from 0") << 0 << int(Qt::Key_Left) << 223;
    QTest::newRow("Right from 223") << 223 << int(Qt::Key_Right) << 0;
    QTest::newRow("Right") << 27 << int(Qt::Key_Right) << 28;
    QTest::newRow("Up from 0") << 0 << int(Qt::Key_Up) << 223;
    QTest::newRow("Up from 1") << 1 << int(Qt::Key_Up) << 196;
    QTest::newRow("Up") << 40 << int(Qt::Key_Up) << 12;
    QTest::newRow("Down from 223") << 223 << int(Qt::Key_Down) << 0;
    QTest::newRow("Down from 222") << 222 << int(Qt::Key_Down) << 27;
    QTest::newRow("Down") << 12 << int(Qt::Key_Down) << 40;
    QTest::newRow("other keys are ignored") << 40 << int(Qt::Key_A) << 40;
}

void TestCustomMap::keys()
{
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    CustomMap &e = m_f->openNew(kText);
    e.show();
    // Cell 12 holds a character, so the move buttons show which kind of cell is highlighted.
    clickCell(12);
    button("cmdListToMap")->click();
    clickCell(from);
    QCOMPARE(e.focusWidget(), grid());
    QTest::keyClick(grid(), Qt::Key(key));
    QCOMPARE(e.model().currentCell(), to);
    QCOMPARE(e.focusWidget(), grid());
    QCOMPARE(grid()->cell(to).backColor, kBlack);
    if (from != to)
        QCOMPARE(grid()->cell(from).backColor, kWhite);
    const bool filled = to == 12;
    QCOMPARE(button("cmdListToMap")->isEnabled(), !filled);
    QCOMPARE(button("cmdMapToList")->isEnabled(), filled);
    QCOMPARE(action("MoveLtoM")->isEnabled(), !filled);
    QCOMPARE(action("MoveMtoL")->isEnabled(), filled);
}

void TestCustomMap::cellClickAndHover()
{
    CustomMap &e = m_f->openNew(kText);
    e.show();
    button("cmdListToMap")->click(); // the space into cell 0
    button("cmdListToMap")->click(); // ! into cell 1
    QTest::mouseMove(grid(), grid()->cellRect(1).center());
    QCOMPARE(labelText("lblTextZoom"), QStringLiteral("!"));
    QCOMPARE(labelText("lblKeyStroke"), QStringLiteral("!"));
    QTest::mouseMove(grid(), grid()->cellRect(0).center());
    QCOMPARE(labelText("lblKeyStroke"), QStringLiteral("Space Bar"));
    QTest::mouseMove(grid(), grid()->cellRect(100).center());
    QCOMPARE(labelText("lblTextZoom"), QString());
    QCOMPARE(labelText("lblKeyStroke"), QString());

    QTest::mouseClick(grid(), Qt::RightButton, {}, grid()->cellRect(1).center());
    QCOMPARE(e.model().currentCell(), 2);
    clickCell(1);
    QCOMPARE(e.model().currentCell(), 1);
    QCOMPARE(grid()->cell(1).backColor, kBlack);
    QCOMPARE(grid()->cell(2).backColor, kWhite);
    QVERIFY(button("cmdMapToList")->isEnabled());
}

void TestCustomMap::movesThroughButtonsAndMenus()
{
    CustomMap &e = m_f->openNew(kText);
    e.show();
    button("cmdListToMap")->click();
    action("MoveLtoM")->trigger();
    QCOMPARE(grid()->cell(0).caption, QStringLiteral(" "));
    QCOMPARE(grid()->cell(1).caption, QStringLiteral("!"));
    QCOMPARE(grid()->cell(1).backColor, kWhite);
    QCOMPARE(grid()->cell(2).backColor, kHighlight);
    QCOMPARE(list()->count(), 222);
    QCOMPARE(list()->currentItem()->text(), QStringLiteral("\""));
    QCOMPARE(labelText("lblTextZoom"), QStringLiteral("\""));
    QCOMPARE(labelText("lblCharsInList"), QStringLiteral("222"));
    QCOMPARE(labelText("lblCharsInMap"), QStringLiteral("2"));
    QCOMPARE(e.focusWidget(), button("cmdListToMap"));
    // A new map has no file yet: Save Map waits for Save As.
    QVERIFY(!action("CFMapSave")->isEnabled());

    clickCell(1);
    action("MoveMtoL")->trigger();
    QCOMPARE(grid()->cell(1).caption, QString());
    QCOMPARE(e.model().currentCell(), 0);
    QCOMPARE(grid()->cell(0).backColor, kBlack);
    QCOMPARE(list()->count(), 223);
    QCOMPARE(list()->item(0)->text(), QStringLiteral("!"));
    // The list keeps its selection.
    QCOMPARE(list()->currentItem()->text(), QStringLiteral("\""));
    QCOMPARE(e.focusWidget(), button("cmdMapToList"));
    QVERIFY(!button("cmdListToMap")->isEnabled());
}

void TestCustomMap::listClickMarksTheTarget()
{
    CustomMap &e = m_f->openNew(kText);
    e.show();
    QListWidget *l = list();
    l->scrollToItem(l->item(33));
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(33)).center());
    QCOMPARE(l->currentRow(), 33);
    QCOMPARE(labelText("lblTextZoom"), QStringLiteral("A"));
    QCOMPARE(labelText("lblKeyStroke"), QStringLiteral("A"));
    QCOMPARE(grid()->cell(0).backColor, kHighlight);
    button("cmdListToMap")->click();
    QCOMPARE(grid()->cell(0).caption, QStringLiteral("A"));
    QCOMPARE(l->currentItem()->text(), QStringLiteral("B"));

    // The keyboard moves the selection as a click does.
    l->setFocus();
    QTest::keyClick(l, Qt::Key_Down);
    QCOMPARE(labelText("lblTextZoom"), QStringLiteral("C"));
}

void TestCustomMap::takingTheLastCharacterEmptiesTheList()
{
    QHash<int, char> cells;
    for (int i = 0; i < 223; ++i)
        cells.insert(i, char(33 + i));
    CustomMap *e = m_f->openEdit(writeMap(QStringLiteral("almost.qcm"), cells));
    QVERIFY(e);
    e->show();
    QCOMPARE(list()->count(), 1);
    QCOMPARE(list()->currentItem()->text(), QStringLiteral(" "));
    clickCell(223);
    button("cmdListToMap")->click();
    QCOMPARE(list()->count(), 0);
    QCOMPARE(list()->currentRow(), -1);
    QCOMPARE(labelText("lblCharsInList"), QStringLiteral("0"));
    QCOMPARE(labelText("lblCharsInMap"), QStringLiteral("224"));
    // The highlight wrapped to cell 0, which holds a character.
    QCOMPARE(e->model().currentCell(), 0);
    QVERIFY(!button("cmdListToMap")->isEnabled());
    QCOMPARE(e->focusWidget(), button("cmdMapToList"));

    // Returned to the empty list, a character is selected.
    button("cmdMapToList")->click();
    QCOMPARE(list()->count(), 1);
    QCOMPARE(list()->currentItem()->text(), QStringLiteral("!"));
    QCOMPARE(labelText("lblTextZoom"), QStringLiteral("!"));
}

void TestCustomMap::captionsFollowTheFontsCharset_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QChar>("a");
    QTest::newRow("text font") << kText << QChar(u'A');
    QTest::newRow("symbol font") << kSymbol << QChar(0xF041);
}

void TestCustomMap::captionsFollowTheFontsCharset()
{
    QFETCH(QString, family);
    QFETCH(QChar, a);
    CustomMap *e = m_f->openEdit(writeMap(QStringLiteral("a.qcm"), {{5, 'A'}}), family);
    QVERIFY(e);
    e->show();
    QCOMPARE(grid()->cell(5).caption, QString(a));
    QCOMPARE(list()->item(33)->text(), QString(QChar(a.unicode() + 1)));
    QTest::mouseMove(grid(), grid()->cellRect(6).center());
    QTest::mouseMove(grid(), grid()->cellRect(5).center());
    QCOMPARE(labelText("lblTextZoom"), QString(a));
    // The key to press is the same in either font.
    QCOMPARE(labelText("lblKeyStroke"), QStringLiteral("A"));

    // Choosing the other font shows the same codes as its characters.
    const QString other = family == kText ? kSymbol : kText;
    auto *combo = m_f->child<QComboBox>("cmbFontName");
    combo->setCurrentIndex(m_f->fontIndex(other) - 1);
    Q_EMIT combo->activated(combo->currentIndex());
    const QChar otherA = family == kText ? QChar(0xF041) : QChar(u'A');
    QCOMPARE(grid()->cell(5).caption, QString(otherA));
    QCOMPARE(list()->item(33)->text(), QString(QChar(otherA.unicode() + 1)));
    QCOMPARE(labelText("lblTextZoom"), QString(otherA));
    QCOMPARE(grid()->cellFont().family(), other);
    QCOMPARE(list()->font().family(), other);
    QCOMPARE(e->model().cellCode(5), quint8('A'));
}

void TestCustomMap::fontLetterJump()
{
    CustomMap &e = m_f->openNew(kText);
    e.show();
    auto *combo = m_f->child<QComboBox>("cmbFontName");
    const auto first = std::find_if(m_f->fontEntries.cbegin(), m_f->fontEntries.cend(),
                                    [](const FontListEntry &e) { return e.text.startsWith(QLatin1Char('Q')); });
    QVERIFY(first != m_f->fontEntries.cend());
    const int q = int(first - m_f->fontEntries.cbegin());
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Q);
    QCOMPARE(combo->currentIndex(), q);
    QCOMPARE(grid()->cellFont().family(), combo->currentText());
    // Any other character goes back to the font in use.
    QTest::keyClick(combo, Qt::Key_5);
    QCOMPARE(combo->currentIndex(), q);
    combo->setCurrentIndex(0);
    QTest::keyClick(combo, Qt::Key_5);
    QCOMPARE(combo->currentIndex(), q);
}

void TestCustomMap::sizeEdit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("size");
    QTest::newRow("within range") << "20" << int(Qt::Key_Return) << 20;
    QTest::newRow("40 sets 36") << "40" << int(Qt::Key_Return) << 36;
    QTest::newRow("3 sets 8") << "3" << int(Qt::Key_Return) << 8;
    QTest::newRow("a half rounds to even") << "12.5" << int(Qt::Key_Enter) << 12;
    QTest::newRow("not a number keeps the size") << "big" << int(Qt::Key_Return) << 14;
    QTest::newRow("huge keeps within range") << "99999999999" << int(Qt::Key_Return) << 36;
    QTest::newRow("Esc keeps the size") << "20" << int(Qt::Key_Escape) << 14;
}

void TestCustomMap::sizeEdit()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, size);
    CustomMap &e = m_f->openNew(kText, 14);
    e.show();
    auto *number = m_f->child<QLabel>("lblFontSizeNumber");
    auto *edit = m_f->child<QLineEdit>("tbxFontSizeNumber");
    QCOMPARE(number->text(), QStringLiteral("14"));
    QTest::mouseClick(number, Qt::LeftButton);
    QVERIFY(edit->isVisible());
    QCOMPARE(edit->selectedText(), QStringLiteral("14"));
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key(key));
    QVERIFY(!edit->isVisible());
    QVERIFY(e.isVisible());  // Esc in the edit is the edit's, not a close request
    QCOMPARE(number->text(), QString::number(size));
    QCOMPARE(m_f->child<QSlider>("sldFontSize")->value(), size);
    QCOMPARE(grid()->cellFont().pointSize(), size);
    QCOMPARE(e.focusWidget(), list());
}

void TestCustomMap::sizeTargets()
{
    CustomMap &e = m_f->openNew(kText, 10.5);
    e.show();
    auto *slider = m_f->child<QSlider>("sldFontSize");
    QCOMPARE(slider->value(), 10);
    QCOMPARE(grid()->cellFont().pointSize(), 10);
    QCOMPARE(list()->font().pointSizeF(), 10.5);

    slider->setValue(20);
    QCOMPARE(grid()->cellFont().pointSize(), 20);
    QCOMPARE(list()->font().pointSizeF(), 10.5);

    m_f->child<QRadioButton>("optFontSize(0)")->click();
    QCOMPARE(slider->value(), 10);
    slider->setValue(16);
    QCOMPARE(list()->font().pointSize(), 16);
    QCOMPARE(grid()->cellFont().pointSize(), 20);
    QCOMPARE(labelText("lblFontSizeNumber"), QStringLiteral("16"));

    m_f->child<QRadioButton>("optFontSize(1)")->click();
    QCOMPARE(slider->value(), 20);
    QCOMPARE(labelText("lblFontSizeNumber"), QStringLiteral("20"));
}

void TestCustomMap::storedEditorValues_data()
{
    QTest::addColumn<RegData>("listCols");
    QTest::addColumn<RegData>("shiftDir");
    QTest::addColumn<int>("columns");
    QTest::addColumn<bool>("vertical");
    auto dword = [](qint32 v) { return RegData{REG_DWORD, QByteArray(reinterpret_cast<const char *>(&v), 4)}; };
    const RegData missing;
    QTest::newRow("missing") << missing << missing << 8 << false;
    QTest::newRow("in range") << dword(12) << dword(1) << 12 << true;
    QTest::newRow("below the range") << dword(2) << dword(-3) << 8 << false;
    QTest::newRow("above the range") << dword(500) << dword(7) << 30 << true;
    QTest::newRow("not a number") << RegData{REG_SZ, "many"} << RegData{REG_SZ, "down"} << 8 << false;
}

void TestCustomMap::storedEditorValues()
{
    QFETCH(RegData, listCols);
    QFETCH(RegData, shiftDir);
    QFETCH(int, columns);
    QFETCH(bool, vertical);
    const QString key = SettingsLayout::keyPath(kEditorKey);
    if (listCols.type != 0)
        m_f->registry.plant(key, kListCols, listCols);
    if (shiftDir.type != 0)
        m_f->registry.plant(key, kShiftDir, shiftDir);
    CustomMap &e = m_f->openNew(kText);
    QCOMPARE(m_f->child<QSpinBox>("updListColumns")->value(), columns);
    QCOMPARE(m_f->child<QRadioButton>("optShiftDir(1)")->isChecked(), vertical);
    QCOMPARE(m_f->child<QRadioButton>("optShiftDir(0)")->isChecked(), !vertical);
    button("cmdListToMap")->click();
    QCOMPARE(e.model().currentCell(), vertical ? 28 : 1);
}

void TestCustomMap::listColumns_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("listSize"); // 0: the list keeps the map's size
    QTest::newRow("8") << 8 << 0;
    QTest::newRow("10, the first run's") << 10 << 0;
    QTest::newRow("12") << 12 << 0;
    QTest::newRow("13") << 13 << 0;
    QTest::newRow("30") << 30 << 0;
    QTest::newRow("12 at 36 points") << 12 << 36;
}

void TestCustomMap::listColumns()
{
    // The list shows as many whole columns as asked for, each as wide as the width allows, and
    // no slice of the next one in what is left over.
    QFETCH(int, columns);
    QFETCH(int, listSize);
    CustomMap &e = m_f->openNew(kText);
    e.show();
    if (listSize > 0) {
        m_f->child<QRadioButton>("optFontSize(0)")->click();
        m_f->child<QSlider>("sldFontSize")->setValue(listSize);
    }
    m_f->child<QSpinBox>("updListColumns")->setValue(columns);
    QListWidget *l = list();
    QCOMPARE(l->gridSize().width(), l->contentsRect().width() / columns);
    const QRect shown = l->viewport()->rect();
    QSet<int> lefts;
    QSet<int> allLefts; // fewer than asked for when the characters do not fill that many
    for (int i = 0; i < l->count(); ++i) {
        const QRect item = l->visualItemRect(l->item(i));
        allLefts.insert(item.left());
        if (!item.intersects(shown))
            continue;
        QVERIFY2(shown.contains(item), qPrintable(QStringLiteral("item %1 at %2..%3 of %4")
                                                     .arg(i)
                                                     .arg(item.left())
                                                     .arg(item.right())
                                                     .arg(shown.width())));
        lefts.insert(item.left());
    }
    QCOMPARE(int(lefts.size()), std::min(columns, int(allLefts.size())));
    // The items run down a column and on into the next.
    const QRect first = l->visualItemRect(l->item(0));
    const QRect second = l->visualItemRect(l->item(1));
    QCOMPARE(second.left(), first.left());
    QVERIFY(second.top() > first.top());
}

void TestCustomMap::listColumnsRange()
{
    auto *columns = m_f->openNew(kText).findChild<QSpinBox *>(QStringLiteral("updListColumns"));
    QCOMPARE(columns->minimum(), 8);
    QCOMPARE(columns->maximum(), 30);
}

void TestCustomMap::tooltipsFollowTheToggle()
{
    globals().gToolTips = true;
    m_f->openNew(kText);
    QCOMPARE(button("cmdListToMap")->toolTip(), QStringLiteral("Move selected List character to Map"));
    QCOMPARE(m_f->child<QLabel>("KSLabel")->toolTip(), QStringLiteral("Keystroke View Area"));
    QCOMPARE(m_f->child<QSpinBox>("updListColumns")->toolTip(), QStringLiteral("Adjust List Column Width"));
    globals().gToolTips = false;
    m_f->openNew(kText);
    QCOMPARE(button("cmdListToMap")->toolTip(), QString());
    QCOMPARE(m_f->child<QSlider>("sldFontSize")->toolTip(), QString());
}

void TestCustomMap::tabOrder()
{
    CustomMap &e = m_f->openNew(kText);
    e.show();
    const QStringList order{"lstFontChars",   "cmbFontName",    "sldFontSize",    "optFontSize(0)",
                            "optFontSize(1)", "optShiftDir(0)", "optShiftDir(1)", "cmdListToMap",
                            "cmdMapToList",   "btnSaveAsCFMap", "btnSaveCFMap",   "btnCancel"};
    QStringList chain;
    QWidget *w = list();
    do {
        if (order.contains(w->objectName()))
            chain.append(w->objectName());
        w = w->nextInFocusChain();
    } while (w != list());
    QCOMPARE(chain, order);
}

void TestCustomMap::newMapSaveAsThenSaveMap()
{
    CustomMap &e = m_f->create(m_dir->path());
    e.SetupNewCFMap(m_f->fontIndex(kText), kText, 12);
    e.show();
    for (int i = 0; i < 3; ++i)
        button("cmdListToMap")->click(); // space ! "
    const QString file = path(QStringLiteral("Greek.QCM"));
    m_f->dialog.confirm(choosePath(file));
    button("btnSaveAsCFMap")->click();

    QCOMPARE(m_f->dialog.count(), 1);
    const CommonDialogProperties &asked = m_f->dialog.shown().first().properties;
    QCOMPARE(asked.DialogTitle, QStringLiteral("Save Custom Map As"));
    QCOMPARE(asked.Filter, QStringLiteral("Quorvil Custom Map Files (*.QCM)|*.qcm"));
    QCOMPARE(asked.Flags, 6);
    QVERIFY(asked.CancelError);
    QCOMPARE(asked.FileName, QString());
    QCOMPARE(asked.InitDir, m_dir->path());

    QCOMPARE(readAll(file), expectedFile({{0, ' '}, {1, '!'}, {2, '"'}}));
    QVERIFY(readAll(file).startsWith("1,\" \"\r\n2,\"!\"\r\n3,\"xx\"\r\n4,\"\"\r\n"));
    QCOMPARE(e.windowTitle(), QStringLiteral("Quorvil Custom FontMap Editor :  Greek.QCM"));
    QVERIFY(!e.model().mapChanged());
    QVERIFY(!button("btnSaveCFMap")->isEnabled());
    QCOMPARE(m_f->slot.path(), file);

    clickCell(200);
    button("cmdListToMap")->click(); // #
    QVERIFY(button("btnSaveCFMap")->isEnabled());
    QVERIFY(action("CFMapSave")->isEnabled());
    action("CFMapSave")->trigger();
    QCOMPARE(readAll(file), expectedFile({{0, ' '}, {1, '!'}, {2, '"'}, {200, '#'}}));
    QVERIFY(!button("btnSaveCFMap")->isEnabled());
    QCOMPARE(m_f->dialog.count(), 1);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 1); // no temporary left behind
    QCOMPARE(e.saveFolder(), m_dir->path());
}

void TestCustomMap::saveAsOntoOwnPathActsAsSaveMap()
{
    const QString file = writeMap(QStringLiteral("own.qcm"), {{0, 'A'}});
    CustomMap *e = m_f->openEdit(file);
    QVERIFY(e);
    e->show();
    clickCell(1);
    button("cmdListToMap")->click(); // the space into cell 1
    m_f->dialog.confirm(choosePath(file));
    action("CFMapSaveAs")->trigger();
    QCOMPARE(m_f->dialog.shown().first().properties.FileName, file);
    QCOMPARE(readAll(file), expectedFile({{0, 'A'}, {1, ' '}}));
    QCOMPARE(e->windowTitle(), QStringLiteral("Quorvil Custom FontMap Editor :  own.qcm"));

    // Save Map was used: the main window reloads this map after the close.
    MessageDriver driver;
    globals().gCFMapSaved = false;
    e->close();
    QVERIFY(globals().gCFMapSaved);
}

void TestCustomMap::saveAsCancelledChangesNothing()
{
    const QString file = writeMap(QStringLiteral("kept.qcm"), {{0, 'A'}});
    CustomMap *e = m_f->openEdit(file);
    QVERIFY(e);
    button("cmdMapToList")->click();
    m_f->dialog.cancel();
    button("btnSaveAsCFMap")->click();
    QCOMPARE(readAll(file), expectedFile({{0, 'A'}}));
    QVERIFY(e->model().mapChanged());
    QCOMPARE(e->mapPath(), file);
}

void TestCustomMap::failedSaveKeepsFileAndWork_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("read-only folder") << "read-only";
    QTest::newRow("disk full") << "file size limit";
    QTest::newRow("Save As onto a folder") << "folder";
}

void TestCustomMap::failedSaveKeepsFileAndWork()
{
    QFETCH(QString, how);
    const QString folder = path(QStringLiteral("maps"));
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + QStringLiteral("/kept.qcm");
    writeAll(file, expectedFile({{0, 'A'}}));
    CustomMap *e = m_f->openEdit(file);
    QVERIFY(e);
    e->show();
    button("cmdMapToList")->click();
    const CustomMapCells work = e->model().cells();

    MessageDriver driver;
    driver.ok();
    struct rlimit before{};
    if (how == QLatin1String("read-only")) {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        if (QFileInfo(folder).isWritable()) {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("root writes into read-only folders; the file size limit covers root");
        }
        button("btnSaveCFMap")->click();
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    } else if (how == QLatin1String("file size limit")) {
        // Writes beyond 100 bytes fail with EFBIG, as on a full disk, for root too.
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &before);
        struct rlimit small = before;
        small.rlim_cur = 100;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        button("btnSaveCFMap")->click();
        setrlimit(RLIMIT_FSIZE, &before);
    } else {
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/sub.qcm")));
        m_f->dialog.confirm(choosePath(folder + QStringLiteral("/sub.qcm")));
        button("btnSaveAsCFMap")->click();
    }

    QCOMPARE(driver.count(), 1);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil Custom Map Save Error"));
    QVERIFY(driver.last().text.contains(how == QLatin1String("folder") ? folder + QStringLiteral("/sub.qcm") : file));
    QCOMPARE(readAll(file), expectedFile({{0, 'A'}}));
    QCOMPARE(e->model().cells(), work);
    QVERIFY(e->model().mapChanged());
    QCOMPARE(e->model().savedCells(), cellsOf({{0, 'A'}}));
    QCOMPARE(e->mapPath(), file);
    QCOMPARE(e->windowTitle(), QStringLiteral("Quorvil Custom FontMap Editor :  kept.qcm"));
    QCOMPARE(button("btnSaveCFMap")->isEnabled(), true);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("kept.qcm")});

    // The work is still unsaved: closing warns, and No keeps the editor open.
    driver.no();
    e->close();
    QCOMPARE(driver.count(), 2);
    QCOMPARE(driver.last().title, QStringLiteral("Quorvil Custom Map Save Warning"));
    QVERIFY(e->isVisible());
    QVERIFY(!globals().gCFMapSaved);
}

void TestCustomMap::editLoadsTheFileAndRefusesABadOne_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("opens");
    QTest::newRow("a good map") << expectedFile({{0, 'A'}, {34, '"'}, {223, '\xff'}}) << true;
    QTest::newRow("a character twice") << expectedFile({{0, 'A'}, {9, 'A'}}) << false;
    QTest::newRow("a control code") << expectedFile({{4, '\x01'}}) << false;
    QTest::newRow("cut short") << expectedFile({}).left(200) << false;
    QTest::newRow("not a map") << QByteArray("hello") << false;
}

void TestCustomMap::editLoadsTheFileAndRefusesABadOne()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, opens);
    const QString file = path(QStringLiteral("map.qcm"));
    writeAll(file, bytes);
    MessageDriver driver;
    driver.ok();
    CustomMap *e = m_f->openEdit(file);
    QCOMPARE(e != nullptr, opens);
    if (!opens) {
        QCOMPARE(driver.count(), 1);
        QCOMPARE(driver.last().title, QStringLiteral("Quorvil Custom Map Load Error"));
        QCOMPARE(driver.last().text, QStringList({QString(), file, QStringLiteral("This Quorvil Custom Map is unloadable."),
                                                  QString(), QStringLiteral("It has either become corrupt"),
                                                  QStringLiteral("or has been manually edited."), QString(),
                                                  QStringLiteral("Quorvil cannot load this Map.")})
                                         .join(QLatin1Char('\r')));
        QVERIFY(!m_f->slot.isOpen());
        return;
    }
    QCOMPARE(driver.count(), 0);
    QCOMPARE(e->windowTitle(), QStringLiteral("Quorvil Custom FontMap Editor :  map.qcm"));
    QCOMPARE(grid()->cell(34).caption, QStringLiteral("\""));
    QCOMPARE(grid()->cell(223).caption, QStringLiteral("\u00ff"));
    QCOMPARE(list()->count(), 221);
    QCOMPARE(list()->currentItem()->text(), QStringLiteral(" "));
    QCOMPARE(labelText("lblCharsInMap"), QStringLiteral("3"));
    QVERIFY(!button("btnSaveCFMap")->isEnabled());
    QCOMPARE(m_f->slot.path(), file);
}

void TestCustomMap::completeMapOpensWithEmptyList()
{
    QHash<int, char> all;
    for (int i = 0; i < 224; ++i)
        all.insert(i, char(32 + i));
    CustomMap *e = m_f->openEdit(writeMap(QStringLiteral("complete.qcm"), all));
    QVERIFY(e);
    QCOMPARE(list()->count(), 0);
    QCOMPARE(list()->currentRow(), -1);
    QCOMPARE(labelText("lblCharsInList"), QStringLiteral("0"));
    QVERIFY(!button("cmdListToMap")->isEnabled());
    button("cmdMapToList")->click();
    QCOMPARE(list()->count(), 1);
    QCOMPARE(list()->currentItem()->text(), QStringLiteral(" "));
    QCOMPARE(e->model().currentCell(), 223);
}

void TestCustomMap::closeRequests_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<bool>("closes");
    for (const char *route : {"close box", "Esc", "Map > Exit", "Cancel"}) {
        QTest::addRow("%s, unchanged", route) << route << false << false << true;
        QTest::addRow("%s, changed, No", route) << route << true << false << false;
        QTest::addRow("%s, changed, Yes", route) << route << true << true << true;
    }
}

void TestCustomMap::closeRequests()
{
    QFETCH(QString, route);
    QFETCH(bool, changed);
    QFETCH(bool, answerYes);
    QFETCH(bool, closes);
    const QString file = writeMap(QStringLiteral("map.qcm"), {{0, 'A'}});
    CustomMap *e = m_f->openEdit(file);
    QVERIFY(e);
    e->show();
    QVERIFY(QTest::qWaitForWindowExposed(e));
    button("cmdMapToList")->click();
    if (!changed) {
        // Out and back again: nothing to save.
        clickCell(0);
        list()->setCurrentRow(list()->row(list()->findItems(QStringLiteral("A"), Qt::MatchExactly).first()));
        button("cmdListToMap")->click();
    }
    QCOMPARE(e->model().mapChanged(), changed);

    MessageDriver driver;
    if (changed)
        answerYes ? driver.yes() : driver.no();
    if (route == QLatin1String("close box"))
        e->close();
    else if (route == QLatin1String("Esc"))
        QTest::keyClick(list(), Qt::Key_Escape);
    else if (route == QLatin1String("Map > Exit"))
        action("MapExit")->trigger();
    else
        button("btnCancel")->click();

    QCOMPARE(driver.count(), changed ? 1 : 0);
    QCOMPARE(driver.unexpected(), 0);
    if (changed) {
        const MessageDriver::Seen &seen = driver.last();
        QCOMPARE(seen.title, QStringLiteral("Quorvil Custom Map Save Warning"));
        QCOMPARE(seen.text, QStringLiteral("\r\rThere are changes pending to be saved\rwhich will be lost if you exit "
                                           "now.\r\rDo you really want to close the Editor?\r\r"));
        QCOMPARE(seen.buttons.size(), 2);
        QVERIFY(!seen.checkBoxVisible);
        QCOMPARE(seen.focused, QStringLiteral("Button2"));
    }
    QCOMPARE(e->isVisible(), !closes);
    QCOMPARE(readAll(file), expectedFile({{0, 'A'}}));
    // Cancel gives the file slot up; the other routes leave it to the main window.
    QCOMPARE(m_f->slot.isOpen(), route != QLatin1String("Cancel"));
}

void TestCustomMap::cancelThenNoStillStoresTheValues()
{
    CustomMap &e = m_f->openNew(kText);
    e.show();
    button("cmdListToMap")->click();
    m_f->child<QSpinBox>("updListColumns")->setValue(17);
    m_f->child<QRadioButton>("optShiftDir(1)")->click();
    QVERIFY(regIsEmpty(stored(kListCols)));

    MessageDriver driver;
    driver.no();
    button("btnCancel")->click();
    QCOMPARE(driver.count(), 1);
    QVERIFY(e.isVisible());
    QCOMPARE(stored(kListCols), RegValue(qint32(17)));
    QCOMPARE(stored(kShiftDir), RegValue(qint32(1)));

    m_f->child<QRadioButton>("optShiftDir(0)")->click();
    driver.yes();
    e.close();
    QVERIFY(!e.isVisible());
    QCOMPARE(stored(kShiftDir), RegValue(qint32(0)));

    // The next opening starts from them.
    m_f->openNew(kText);
    QCOMPARE(m_f->child<QSpinBox>("updListColumns")->value(), 17);
    QVERIFY(m_f->child<QRadioButton>("optShiftDir(0)")->isChecked());
}

void TestCustomMap::mapSavedFlagForTheMainWindow_data()
{
    QTest::addColumn<bool>("edit");
    QTest::addColumn<QString>("save");
    QTest::addColumn<bool>("reload");
    QTest::newRow("edit, Save Map") << true << "Save Map" << true;
    QTest::newRow("edit, Save As to another file") << true << "Save As" << false;
    QTest::newRow("edit, Save As, then Save Map to it") << true << "Save As, Save Map" << true;
    QTest::newRow("edit, no save") << true << "" << false;
    QTest::newRow("new, Save As, then Save Map") << false << "Save As, Save Map" << false;
}

void TestCustomMap::mapSavedFlagForTheMainWindow()
{
    QFETCH(bool, edit);
    QFETCH(QString, save);
    QFETCH(bool, reload);
    const QString file = writeMap(QStringLiteral("map.qcm"), {{0, 'A'}});
    const QString other = path(QStringLiteral("other.qcm"));
    CustomMap *e = edit ? m_f->openEdit(file) : &m_f->openNew(kText);
    QVERIFY(e);
    e->show();
    clickCell(1);
    button("cmdListToMap")->click();
    if (save.contains(QLatin1String("Save As"))) {
        m_f->dialog.confirm(choosePath(other));
        button("btnSaveAsCFMap")->click();
        QCOMPARE(e->mapPath(), other);
        clickCell(2);
        button("cmdListToMap")->click();
    }
    if (save.contains(QLatin1String("Save Map")))
        button("btnSaveCFMap")->click();

    MessageDriver driver;
    driver.yes();
    globals().gCFMapSaved = false;
    e->close();
    QVERIFY(!e->isVisible());
    QCOMPARE(globals().gCFMapSaved, reload);
    if (edit && save == QLatin1String("Save As"))
        QCOMPARE(readAll(file), expectedFile({{0, 'A'}}));
}

QUORVIL_TEST_MAIN_WITH_FONTS(TestCustomMap, QStringLiteral(QUORVIL_TEST_FONTS "/quorvil-symbol-test.ttf"))
#include "tst_custommap.moc"
