#include "support/TestMain.h"
#include "support/WhenModal.h"

#include "core/QBColors.h"
#include "platform/CommonDialogQt.h"
#include "platform/FcFontCatalog.h"
#include "platform/fakes/FakeShell.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

const FcFontCatalog &catalog()
{
    static const FcFontCatalog instance;
    return instance;
}

// The user types a path into the file name field and confirms.
void typeFileName(QFileDialog *d, const QString &path)
{
    if (auto *field = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        field->setText(path);
    else
        d->selectFile(path);
    static_cast<QDialog *>(d)->accept(); // QFileDialog's own accept checks the choice
}

// A field of the font dialog by kind and place: its lists, line edits and check boxes in the
// order Qt's picker builds them, its writing-system combo, and the colour list beside it.
QWidget *fontField(QDialog *dialog, const QString &kind, int place)
{
    if (kind == QLatin1String("colour"))
        return dialog->findChild<QComboBox *>(QStringLiteral("FontColor"));
    auto *picker = dialog->findChild<QFontDialog *>(QStringLiteral("FontPicker"));
    QList<QWidget *> fields;
    if (kind == QLatin1String("list")) {
        for (QAbstractItemView *v : picker->findChildren<QAbstractItemView *>())
            fields.append(v);
    } else if (kind == QLatin1String("edit")) {
        for (QLineEdit *e : picker->findChildren<QLineEdit *>())
            fields.append(e);
    } else if (kind == QLatin1String("check")) {
        for (QCheckBox *c : picker->findChildren<QCheckBox *>())
            fields.append(c);
    } else {
        for (QComboBox *c : picker->findChildren<QComboBox *>())
            fields.append(c);
    }
    return fields.value(place);
}

// What Format > Font asks for: the classic flags and limits, and a font to start from.
CommonDialogProperties fontRequest(const QString &family = QStringLiteral("DejaVu Serif"), double size = 12,
                                   bool bold = true)
{
    CommonDialogProperties dlg;
    dlg.CancelError = true;
    dlg.Flags = 0x12101;
    dlg.FontName = family;
    dlg.FontSize = size;
    dlg.Min = 8;
    dlg.Max = 36;
    dlg.FontBold = bold;
    dlg.Color = QBColor(12);
    return dlg;
}

QPushButton *okButton(QWidget *dialog)
{
    auto *box = dialog->findChild<QDialogButtonBox *>();
    return box ? box->button(QDialogButtonBox::Ok) : nullptr;
}

} // namespace

class TestCommonDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parseFilter_data();
    void parseFilter();
    void fontRefusal_data();
    void fontRefusal();
    void openDialog();
    void saveDialog_data();
    void saveDialog();
    void startFolderExists_data();
    void startFolderExists();
    void typedNameGetsTheFilterExtension_data();
    void typedNameGetsTheFilterExtension();
    void overwriteQuestionIsAboutTheFileWritten();
    void cancelLeavesEverything_data();
    void cancelLeavesEverything();
    void fontDialogRefusesSizesOutsideTheLimits();
    void fontDialogOffersTheStylesItIsGiven_data();
    void fontDialogOffersTheStylesItIsGiven();
    void enterInAFontFieldIsOk_data();
    void enterInAFontFieldIsOk();
    void colorDialogStartsFromTheColour();
    void printerWithoutPrinterWritesPdf_data();
    void printerWithoutPrinterWritesPdf();
    void helpOpensTheDocument_data();
    void helpOpensTheDocument();

private:
    QTemporaryDir m_dir;
};

void TestCommonDialog::parseFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("descriptions");
    QTest::addColumn<QList<QStringList>>("patterns");
    QTest::newRow("empty") << QString() << QStringList{} << QList<QStringList>{};
    QTest::newRow("one pair") << QStringLiteral("Quorvil Custom Map Files (*.QCM)|*.qcm")
                              << QStringList{QStringLiteral("Quorvil Custom Map Files (*.QCM)")}
                              << QList<QStringList>{{QStringLiteral("*.qcm")}};
    QTest::newRow("two pairs") << QStringLiteral("Quorvil Uniform Format Files (*.QUF)|*.quf|Text Files (*.TXT)|*.txt")
                               << QStringList{QStringLiteral("Quorvil Uniform Format Files (*.QUF)"),
                                              QStringLiteral("Text Files (*.TXT)")}
                               << QList<QStringList>{{QStringLiteral("*.quf")}, {QStringLiteral("*.txt")}};
    QTest::newRow("several globs") << QStringLiteral("Both|*.quf;*.txt")
                                   << QStringList{QStringLiteral("Both")}
                                   << QList<QStringList>{{QStringLiteral("*.quf"), QStringLiteral("*.txt")}};
    QTest::newRow("description alone") << QStringLiteral("All") << QStringList{QStringLiteral("All")}
                                       << QList<QStringList>{{QStringLiteral("*")}};
}

void TestCommonDialog::parseFilter()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, descriptions);
    QFETCH(QList<QStringList>, patterns);
    const QList<FileFilter> parsed = parseFileFilter(filter);
    QCOMPARE(parsed.size(), descriptions.size());
    for (qsizetype i = 0; i < parsed.size(); ++i) {
        QCOMPARE(parsed[i].description, descriptions[i]);
        QCOMPARE(parsed[i].patterns, patterns[i]);
    }
}

void TestCommonDialog::fontRefusal_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<double>("size");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("refusal");
    const int all = 0x12101;
    const QString sizeText = QStringLiteral("Size must be between 8 and 36 points.");
    QTest::newRow("8") << all << 8.0 << true << QString();
    QTest::newRow("36") << all << 36.0 << true << QString();
    QTest::newRow("7.5") << all << 7.5 << true << sizeText;
    QTest::newRow("36.5") << all << 36.5 << true << sizeText;
    QTest::newRow("72 without limits") << 0x10101 << 72.0 << true << QString();
    QTest::newRow("not installed") << all << 12.0 << false
                                   << QStringLiteral("There is no font with that name.\nChoose a font from the list of fonts.");
    QTest::newRow("not installed, not forced") << 0x2101 << 12.0 << false << QString();
}

void TestCommonDialog::fontRefusal()
{
    QFETCH(int, flags);
    QFETCH(double, size);
    QFETCH(bool, installed);
    QFETCH(QString, refusal);
    CommonDialogProperties dlg;
    dlg.Flags = flags;
    dlg.Min = 8;
    dlg.Max = 36;
    QCOMPARE(fontChoiceRefusal(dlg, size, installed), refusal);
}

void TestCommonDialog::openDialog()
{
    const QString folder = m_dir.path() + QStringLiteral("/open");
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/Map.QCM");
    for (const QString &name : {QStringLiteral("Map.QCM"), QStringLiteral("other.qcm"), QStringLiteral("notes.txt")}) {
        QFile file(folder + QLatin1Char('/') + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    FakeShell shell;
    QtCommonDialog dialogs(catalog(), shell);
    CommonDialogProperties dlg;
    dlg.CancelError = true;
    dlg.Flags = 0x1804;
    dlg.Filter = QStringLiteral("Quorvil Custom Map Files (*.QCM)|*.qcm");
    dlg.InitDir = folder;
    dlg.DialogTitle = QStringLiteral("Load a Custom Map");

    QString title;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    QFileDialog::AcceptMode accept = QFileDialog::AcceptSave;
    QString directory;
    QStringList filters;
    bool detailsHidden = false;
    QStringList offered; // the files the filter lets the user pick
    QElapsedTimer listing;
    auto guard = WhenModal::run<QFileDialog>([&](QFileDialog *d) {
        auto *model = d->findChild<QFileSystemModel *>();
        const QModelIndex root = model ? model->index(folder) : QModelIndex();
        if (!listing.isValid())
            listing.start();
        // The folder is listed in the background; give it a moment to show both maps.
        if (model && model->rowCount(root) < 2 && listing.elapsed() < 3000)
            return false;
        for (int row = 0; model && row < model->rowCount(root); ++row) {
            const QModelIndex item = model->index(row, 0, root);
            if (item.flags() & Qt::ItemIsEnabled)
                offered.append(item.data().toString());
        }
        offered.sort();
        title = d->windowTitle();
        mode = d->fileMode();
        accept = d->acceptMode();
        directory = d->directory().absolutePath();
        filters = d->nameFilters();
        detailsHidden = d->testOption(QFileDialog::HideNameFilterDetails);
        typeFileName(d, path);
        return true;
    });
    QCOMPARE(dialogs.ShowOpen(dlg), DialogResult::Confirmed);
    QCOMPARE(title, QStringLiteral("Load a Custom Map"));
    QCOMPARE(mode, QFileDialog::ExistingFile);
    QCOMPARE(accept, QFileDialog::AcceptOpen);
    QCOMPARE(directory, QDir(folder).absolutePath());
    QCOMPARE(filters, QStringList{QStringLiteral("Quorvil Custom Map Files (*.QCM) (*.qcm)")});
    QVERIFY(detailsHidden);
    QCOMPARE(offered, (QStringList{QStringLiteral("Map.QCM"), QStringLiteral("other.qcm")}));
    QCOMPARE(dlg.FileName, path);
    QCOMPARE(dlg.FileTitle, QStringLiteral("Map.QCM"));
    QCOMPARE(dlg.FilterIndex, 1);
}

void TestCommonDialog::saveDialog_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("asksBeforeOverwriting");
    QTest::newRow("6") << 6 << true;
    QTest::newRow("4") << 4 << false;
}

void TestCommonDialog::saveDialog()
{
    QFETCH(int, flags);
    QFETCH(bool, asksBeforeOverwriting);
    FakeShell shell;
    QtCommonDialog dialogs(catalog(), shell);
    CommonDialogProperties dlg;
    dlg.CancelError = true;
    dlg.Flags = flags;
    dlg.Filter = QStringLiteral("Quorvil Uniform Format Files (*.QUF)|*.quf|Text Files (*.TXT)|*.txt");
    dlg.FilterIndex = 2;
    dlg.InitDir = m_dir.path();
    dlg.DialogTitle = QStringLiteral("Save Text in File");
    const QString path = m_dir.path() + QStringLiteral("/notes");

    bool asks = !asksBeforeOverwriting;
    QString selectedFilter;
    QFileDialog::AcceptMode accept = QFileDialog::AcceptOpen;
    auto guard = WhenModal::run<QFileDialog>([&](QFileDialog *d) {
        asks = !d->testOption(QFileDialog::DontConfirmOverwrite);
        selectedFilter = d->selectedNameFilter();
        accept = d->acceptMode();
        typeFileName(d, path);
        return true;
    });
    QCOMPARE(dialogs.ShowSave(dlg), DialogResult::Confirmed);
    QCOMPARE(accept, QFileDialog::AcceptSave);
    QCOMPARE(asks, asksBeforeOverwriting);
    QCOMPARE(selectedFilter, QStringLiteral("Text Files (*.TXT)")); // the details are hidden
    QCOMPARE(dlg.FileName, path + QStringLiteral(".TXT"));
    QCOMPARE(dlg.FileTitle, QStringLiteral("notes.TXT"));
    QCOMPARE(dlg.FilterIndex, 2);
}

void TestCommonDialog::startFolderExists_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("initDir");   // below the test's folder; "-" for none
    QTest::addColumn<QString>("fileName");  // likewise
    QTest::addColumn<QString>("folder");    // where the dialog opens; "-" for the documents folder
    QTest::addColumn<QString>("name");      // what its name field shows
    QTest::newRow("open, folder deleted") << false << "maps/old/greek" << "-" << "maps" << "";
    QTest::newRow("save, folder deleted") << true << "maps/old" << "-" << "maps" << "";
    QTest::newRow("save, the file's folder deleted") << true << "maps" << "maps/old/Greek.QCM" << "maps" << "Greek.QCM";
    QTest::newRow("save, the name is a folder") << true << "-" << "maps" << "maps" << "";
    QTest::newRow("save, nothing given") << true << "-" << "-" << "-" << "";
}

void TestCommonDialog::startFolderExists()
{
    QFETCH(bool, save);
    QFETCH(QString, initDir);
    QFETCH(QString, fileName);
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("maps"))));
    const auto below = [&dir](const QString &p) { return p == QLatin1String("-") ? QString() : dir.filePath(p); };

    FakeShell shell;
    QtCommonDialog dialogs(catalog(), shell);
    CommonDialogProperties dlg;
    dlg.CancelError = true;
    dlg.Flags = save ? 6 : 0x1804;
    dlg.Filter = QStringLiteral("Quorvil Custom Map Files (*.QCM)|*.qcm");
    dlg.InitDir = below(initDir);
    dlg.FileName = below(fileName);
    QString openedIn;
    QString offered;
    auto guard = WhenModal::run<QFileDialog>([&](QFileDialog *d) {
        openedIn = d->directory().absolutePath();
        offered = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text();
        d->reject();
        return true;
    });
    QCOMPARE(save ? dialogs.ShowSave(dlg) : dialogs.ShowOpen(dlg), DialogResult::Cancelled);
    QCOMPARE(openedIn, folder == QLatin1String("-") ? TestEnvironment::documentsDir() : below(folder));
    QCOMPARE(offered, name);
}

void TestCommonDialog::typedNameGetsTheFilterExtension_data()
{
    const QString texts = QStringLiteral("Quorvil Uniform Format Files (*.QUF)|*.quf|Text Files (*.TXT)|*.txt");
    const QString maps = QStringLiteral("Quorvil Custom Map Files (*.QCM)|*.qcm");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("filterIndex");
    QTest::addColumn<int>("choose");  // the filter the user then picks in the dialog; 0: none
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("uniform format") << texts << 1 << 0 << "note1" << "note1.QUF";
    QTest::newRow("text") << texts << 2 << 0 << "note1" << "note1.TXT";
    QTest::newRow("text, chosen in the dialog") << texts << 1 << 2 << "note1" << "note1.TXT";
    QTest::newRow("map") << maps << 1 << 0 << "Greek" << "Greek.QCM";
    QTest::newRow("another extension stays") << texts << 1 << 0 << "note1.doc" << "note1.doc";
    QTest::newRow("own extension in capitals stays") << texts << 2 << 0 << "NOTE.TXT" << "NOTE.TXT";
    QTest::newRow("a filter of every file adds none") << QStringLiteral("All Files|*") << 1 << 0 << "note1" << "note1";
}

void TestCommonDialog::typedNameGetsTheFilterExtension()
{
    QFETCH(QString, filter);
    QFETCH(int, filterIndex);
    QFETCH(int, choose);
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    QTemporaryDir dir;
    FakeShell shell;
    QtCommonDialog dialogs(catalog(), shell);
    CommonDialogProperties dlg;
    dlg.CancelError = true;
    dlg.Flags = 6;
    dlg.Filter = filter;
    dlg.FilterIndex = filterIndex;
    dlg.InitDir = dir.path();
    auto guard = WhenModal::run<QFileDialog>([&](QFileDialog *d) {
        // The user picks the filter with the keyboard, as from the list.
        auto *types = d->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        for (int i = filterIndex; i < choose; ++i)
            QTest::keyClick(types, Qt::Key_Down);
        auto *field = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        field->setText(typed);
        QTest::keyClick(field, Qt::Key_Return);
        return true;
    });
    QCOMPARE(dialogs.ShowSave(dlg), DialogResult::Confirmed);
    QCOMPARE(dlg.FileName, dir.filePath(saved));
    QCOMPARE(dlg.FileTitle, saved);
    QCOMPARE(dlg.FilterIndex, choose ? choose : filterIndex);
}

void TestCommonDialog::overwriteQuestionIsAboutTheFileWritten()
{
    QTemporaryDir dir;
    QFile existing(dir.filePath(QStringLiteral("note1.QUF")));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    FakeShell shell;
    QtCommonDialog dialogs(catalog(), shell);
    CommonDialogProperties dlg;
    dlg.CancelError = true;
    dlg.Flags = 6;
    dlg.Filter = QStringLiteral("Quorvil Uniform Format Files (*.QUF)|*.quf|Text Files (*.TXT)|*.txt");
    dlg.InitDir = dir.path();
    QString question;
    auto answer = WhenModal::run<QMessageBox>([&](QMessageBox *box) {
        question = box->text();
        box->button(QMessageBox::No)->click();
        return true;
    });
    bool stayedOpen = false;
    auto guard = WhenModal::run<QFileDialog>([&](QFileDialog *d) {
        auto *field = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        field->setText(QStringLiteral("note1"));
        QTest::keyClick(field, Qt::Key_Return); // the question comes and goes inside
        stayedOpen = d->isVisible();
        d->reject();
        return true;
    });
    QCOMPARE(dialogs.ShowSave(dlg), DialogResult::Cancelled);
    QVERIFY2(question.contains(QLatin1String("note1.QUF")), qPrintable(question));
    QVERIFY(stayedOpen);
}

void TestCommonDialog::cancelLeavesEverything_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("cancelError");
    for (const char *kind : {"open", "save", "font", "color", "printer"}) {
        QTest::addRow("%s, CancelError on", kind) << QString::fromLatin1(kind) << true;
        QTest::addRow("%s, CancelError off", kind) << QString::fromLatin1(kind) << false;
    }
}

void TestCommonDialog::cancelLeavesEverything()
{
    QFETCH(QString, kind);
    QFETCH(bool, cancelError);
    FakeShell shell;
    QtCommonDialog dialogs(catalog(), shell);
    CommonDialogProperties dlg;
    dlg.CancelError = cancelError;
    dlg.Flags = kind == QLatin1String("font") ? 0x12101 : 0;
    dlg.FileName = QStringLiteral("before.txt");
    dlg.FontName = QStringLiteral("DejaVu Sans");
    dlg.FontSize = 11;
    dlg.Min = 8;
    dlg.Max = 36;
    dlg.Color = QBColor(3);
    dlg.InitDir = m_dir.path();

    bool seen = false;
    auto guard = WhenModal::run<QDialog>([&](QDialog *d) {
        seen = true;
        d->reject();
        return true;
    });
    DialogResult result = DialogResult::Confirmed;
    if (kind == QLatin1String("open"))
        result = dialogs.ShowOpen(dlg);
    else if (kind == QLatin1String("save"))
        result = dialogs.ShowSave(dlg);
    else if (kind == QLatin1String("font"))
        result = dialogs.ShowFont(dlg);
    else if (kind == QLatin1String("color"))
        result = dialogs.ShowColor(dlg);
    else
        result = dialogs.ShowPrinter(dlg);

    QVERIFY(seen);
    // With CancelError off the classic component returned normally, having changed nothing.
    QCOMPARE(result, cancelError ? DialogResult::Cancelled : DialogResult::Confirmed);
    QCOMPARE(dlg.FileName, QStringLiteral("before.txt"));
    QVERIFY(dlg.FileTitle.isEmpty());
    QCOMPARE(dlg.FontName, QStringLiteral("DejaVu Sans"));
    QCOMPARE(dlg.FontSize, 11.0);
    QCOMPARE(dlg.Color, QBColor(3));
    QVERIFY(!dlg.hDC);
}

void TestCommonDialog::fontDialogRefusesSizesOutsideTheLimits()
{
    FakeShell shell;
    QtCommonDialog dialogs(catalog(), shell);
    CommonDialogProperties dlg = fontRequest();

    QFont offered;
    QString offeredColor;
    QString refusal;
    bool stayedOpen = false;
    auto refusalGuard = WhenModal::run<QMessageBox>([&](QMessageBox *box) {
        refusal = box->text();
        box->accept();
        return true;
    });
    int step = 0;
    auto guard = WhenModal::run<QDialog>([&](QDialog *d) {
        if (d->objectName() != QLatin1String("CommonFontDialog"))
            return false;
        auto *picker = d->findChild<QFontDialog *>(QStringLiteral("FontPicker"));
        auto *color = d->findChild<QComboBox *>(QStringLiteral("FontColor"));
        if (step == 0) {
            offered = picker->currentFont();
            offeredColor = color->currentText();
            QFont big = offered;
            big.setPointSize(40);
            picker->setCurrentFont(big);
            okButton(d)->click(); // the refusal's box comes and goes inside this click
            stayedOpen = d->isVisible();
            ++step;
            return false;
        }
        QFont ok = picker->currentFont();
        ok.setPointSize(36);
        picker->setCurrentFont(ok);
        color->setCurrentIndex(color->findText(QStringLiteral("Blue")));
        okButton(d)->click();
        return true;
    });

    QCOMPARE(dialogs.ShowFont(dlg), DialogResult::Confirmed);
    QCOMPARE(offered.family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(offered.pointSize(), 12);
    QVERIFY(offered.bold());
    QCOMPARE(offeredColor, QStringLiteral("Red"));
    QCOMPARE(refusal, QStringLiteral("Size must be between 8 and 36 points."));
    QVERIFY(stayedOpen);
    QCOMPARE(dlg.FontName, QStringLiteral("DejaVu Serif"));
    QCOMPARE(dlg.FontSize, 36.0);
    QVERIFY(dlg.FontBold);
    QVERIFY(!dlg.FontItalic);
    QCOMPARE(dlg.Color, QBColor(9));
}

void TestCommonDialog::fontDialogOffersTheStylesItIsGiven_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    // DejaVu's regular faces are called "Book", and it has condensed and oblique ones besides.
    for (const char *family : {"DejaVu Serif", "DejaVu Sans", "Liberation Sans"}) {
        QTest::addRow("%s", family) << QString::fromLatin1(family) << false << false;
        QTest::addRow("%s bold", family) << QString::fromLatin1(family) << true << false;
        QTest::addRow("%s italic", family) << QString::fromLatin1(family) << false << true;
        QTest::addRow("%s bold italic", family) << QString::fromLatin1(family) << true << true;
    }
}

void TestCommonDialog::fontDialogOffersTheStylesItIsGiven()
{
    QFETCH(QString, family);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    FakeShell shell;
    QtCommonDialog dialogs(catalog(), shell);
    CommonDialogProperties dlg = fontRequest(family, 14, bold);
    dlg.FontItalic = italic;
    QFont offered;
    auto guard = WhenModal::run<QDialog>([&](QDialog *d) {
        offered = d->findChild<QFontDialog *>(QStringLiteral("FontPicker"))->currentFont();
        okButton(d)->click();
        return true;
    });
    // OK at once changes nothing.
    QCOMPARE(dialogs.ShowFont(dlg), DialogResult::Confirmed);
    QCOMPARE(offered.family(), family);
    QCOMPARE(dlg.FontName, family);
    QCOMPARE(dlg.FontSize, 14.0);
    QCOMPARE(dlg.FontBold, bold);
    QCOMPARE(dlg.FontItalic, italic);
}

void TestCommonDialog::enterInAFontFieldIsOk_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("place");
    QTest::addColumn<int>("typedSize"); // 0: the size is left as offered
    QTest::newRow("family list") << "list" << 0 << 0;
    QTest::newRow("style list") << "list" << 1 << 0;
    QTest::newRow("size list") << "list" << 2 << 0;
    QTest::newRow("family name") << "edit" << 0 << 0;
    QTest::newRow("style name") << "edit" << 1 << 0;
    QTest::newRow("size") << "edit" << 2 << 0;
    QTest::newRow("sample") << "edit" << 3 << 0;
    QTest::newRow("strikeout") << "check" << 0 << 0;
    QTest::newRow("underline") << "check" << 1 << 0;
    QTest::newRow("writing system") << "combo" << 0 << 0;
    QTest::newRow("colour") << "colour" << 0 << 0;
    QTest::newRow("size 40 refused, then 36") << "edit" << 2 << 40;
    QTest::newRow("size 7 refused, then 36") << "edit" << 2 << 7;
}

void TestCommonDialog::enterInAFontFieldIsOk()
{
    QFETCH(QString, kind);
    QFETCH(int, place);
    QFETCH(int, typedSize);
    FakeShell shell;
    QtCommonDialog dialogs(catalog(), shell);
    CommonDialogProperties dlg = fontRequest();

    QStringList refusals;
    auto refusalGuard = WhenModal::run<QMessageBox>([&](QMessageBox *box) {
        refusals.append(box->text());
        box->accept();
        return true;
    });
    bool fieldFound = false;
    bool closedByEnter = false;
    bool pickerShownAtRefusal = false;
    auto guard = WhenModal::run<QDialog>([&](QDialog *d) {
        if (d->objectName() != QLatin1String("CommonFontDialog"))
            return false;
        QWidget *field = fontField(d, kind, place);
        fieldFound = field != nullptr;
        if (field) {
            field->setFocus();
            auto *size = qobject_cast<QLineEdit *>(fontField(d, QStringLiteral("edit"), 2));
            if (typedSize > 0) {
                size->setText(QString::number(typedSize));
                QTest::keyClick(field, Qt::Key_Return); // the refusal's box comes and goes inside
                pickerShownAtRefusal = d->isVisible() && d->findChild<QFontDialog *>()->isVisible();
                size->setText(QStringLiteral("36"));
            }
            QTest::keyClick(field, Qt::Key_Return);
        }
        closedByEnter = !d->isVisible();
        if (!closedByEnter)
            d->reject();
        return true;
    });

    const DialogResult result = dialogs.ShowFont(dlg);
    QVERIFY(fieldFound);
    QVERIFY(closedByEnter);
    QCOMPARE(result, DialogResult::Confirmed);
    // Enter keeps what the dialog shows: the font it was handed, or the size typed last.
    QCOMPARE(dlg.FontName, QStringLiteral("DejaVu Serif"));
    QCOMPARE(dlg.FontSize, typedSize > 0 ? 36.0 : 12.0);
    QVERIFY(dlg.FontBold);
    QVERIFY(!dlg.FontItalic);
    QVERIFY(!dlg.FontUnderline);
    QVERIFY(!dlg.FontStrikethru);
    QCOMPARE(dlg.Color, QBColor(12));
    if (typedSize > 0) {
        QCOMPARE(refusals, QStringList{QStringLiteral("Size must be between 8 and 36 points.")});
        QVERIFY(pickerShownAtRefusal);
    } else {
        QVERIFY(refusals.isEmpty());
    }
}

void TestCommonDialog::colorDialogStartsFromTheColour()
{
    FakeShell shell;
    QtCommonDialog dialogs(catalog(), shell);
    CommonDialogProperties dlg;
    dlg.CancelError = true;
    dlg.Flags = 3;
    dlg.Color = rgbColor(10, 20, 30);
    QColor offered;
    auto guard = WhenModal::run<QColorDialog>([&](QColorDialog *d) {
        offered = d->currentColor();
        d->setCurrentColor(QColor(200, 100, 50));
        d->accept();
        return true;
    });
    QCOMPARE(dialogs.ShowColor(dlg), DialogResult::Confirmed);
    QCOMPARE(offered, QColor(10, 20, 30));
    QCOMPARE(dlg.Color, rgbColor(200, 100, 50));
}

void TestCommonDialog::printerWithoutPrinterWritesPdf_data()
{
    QTest::addColumn<bool>("documents"); // the account has a documents folder
    QTest::newRow("documents folder") << true;
    QTest::newRow("fresh account without one") << false;
}

void TestCommonDialog::printerWithoutPrinterWritesPdf()
{
    QFETCH(bool, documents);
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        QSKIP("A printer is installed here");
    const QString documentsDir = TestEnvironment::documentsDir();
    if (!documents)
        QVERIFY(QDir(documentsDir).removeRecursively());
    const auto restore = qScopeGuard([&documentsDir] { QDir().mkpath(documentsDir); });
    const QString folder = documents ? documentsDir : QFileInfo(documentsDir).path();
    FakeShell shell;
    QtCommonDialog dialogs(catalog(), shell);
    CommonDialogProperties dlg;
    dlg.CancelError = true;
    dlg.Flags = 0x101;
    const QString pdf = m_dir.path() + QStringLiteral("/board.pdf");

    QPrinter::OutputFormat format = QPrinter::NativeFormat;
    QString offeredFile;
    QPrinter::PrintRange range = QPrinter::AllPages;
    bool fileFieldFound = false;
    auto guard = WhenModal::run<QPrintDialog>([&](QPrintDialog *d) {
        format = d->printer()->outputFormat();
        offeredFile = d->printer()->outputFileName();
        range = d->printer()->printRange();
        // The user types the file's name into the dialog's own field.
        if (auto *field = d->findChild<QLineEdit *>(QStringLiteral("filename"))) {
            fileFieldFound = true;
            field->setText(pdf);
        }
        d->accept();
        return true;
    });
    QCOMPARE(dialogs.ShowPrinter(dlg), DialogResult::Confirmed);
    QCOMPARE(format, QPrinter::PdfFormat);
    QCOMPARE(QFileInfo(offeredFile).path(), folder);
    QVERIFY(offeredFile.endsWith(QLatin1String(".pdf")));
    QCOMPARE(range, QPrinter::Selection);
    QVERIFY(fileFieldFound);
    QVERIFY(dlg.hDC);
    QCOMPARE(dlg.hDC->outputFileName(), pdf);

    QTextDocument doc(QStringLiteral("Printed text"));
    doc.print(dlg.hDC.get());
    QFile out(pdf);
    QVERIFY(out.open(QIODevice::ReadOnly));
    QVERIFY(out.read(5) == "%PDF-");
}

void TestCommonDialog::helpOpensTheDocument_data()
{
    QTest::addColumn<QString>("helpFile");
    QTest::addColumn<QString>("opened"); // empty: nothing
    QTest::newRow("bare name") << QStringLiteral("Quorvil300.html")
                               << QCoreApplication::applicationDirPath() + QStringLiteral("/Quorvil300.html");
    QTest::newRow("full path") << QStringLiteral("/opt/help/Quorvil300.html")
                               << QStringLiteral("/opt/help/Quorvil300.html");
    QTest::newRow("none") << QString() << QString();
}

void TestCommonDialog::helpOpensTheDocument()
{
    QFETCH(QString, helpFile);
    QFETCH(QString, opened);
    FakeShell shell;
    QtCommonDialog dialogs(catalog(), shell);
    CommonDialogProperties dlg;
    dlg.CancelError = true;
    dlg.HelpFile = helpFile;
    dlg.HelpCommand = kHelpForceFile;
    const DialogResult result = dialogs.ShowHelp(dlg);
    QCOMPARE(result, opened.isEmpty() ? DialogResult::Cancelled : DialogResult::Confirmed);
    QCOMPARE(shell.opened(), opened.isEmpty() ? QStringList{} : QStringList{opened});
}

QUORVIL_TEST_MAIN(TestCommonDialog)
#include "tst_commondialog.moc"
