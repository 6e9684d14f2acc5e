#include "platform/CommonDialogQt.h"

#include "core/QBColors.h"
#include "platform/FontCatalog.h"
#include "platform/Shell.h"
#include "platform/UserFolders.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>
#include <QFormLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QWidget *owner()
{
    return QApplication::activeWindow();
}

QColor qColorOf(ColorValue value)
{
    // Callers hand RGB values; a system colour value has no RGB of its own and starts from black.
    if (isSystemColor(value))
        return Qt::black;
    return QColor(redOf(value), greenOf(value), blueOf(value));
}

ColorValue colorValueOf(const QColor &c)
{
    return rgbColor(c.red(), c.green(), c.blue());
}

QIcon swatch(const QColor &color)
{
    QPixmap pm(16, 12);
    pm.fill(color);
    return QIcon(pm);
}

// Qt shows only the description when HideNameFilterDetails is set, and matches the globs in the
// final parentheses; descriptions keep their own "(*.QCM)" text as the user sees it.
QStringList qtNameFilters(const QList<FileFilter> &filters)
{
    QStringList list;
    for (const FileFilter &f : filters)
        list.append(f.description + QStringLiteral(" (") + f.patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    return list;
}

// The 1-based index of the filter the dialog has selected; with the details hidden Qt reports
// only the description.
int filterIndexOf(const QString &selected, const QString &filter)
{
    const QList<FileFilter> filters = parseFileFilter(filter);
    const QStringList full = qtNameFilters(filters);
    for (qsizetype i = 0; i < filters.size(); ++i) {
        if (selected == full.at(i) || selected == filters.at(i).description.trimmed())
            return int(i) + 1;
    }
    return 1;
}

// The extension a save dialog adds to a name typed without one: the filter's own, as "*.quf"
// gives "QUF"; none for a filter of every file or of several kinds.
QString defaultSuffixOf(const FileFilter &filter)
{
    static const QString wildcards = QStringLiteral("*?[");
    const QString glob = filter.patterns.value(0);
    if (filter.patterns.size() != 1 || !glob.startsWith(QLatin1String("*.")))
        return QString();
    const QString suffix = glob.mid(2);
    for (const QChar c : wildcards) {
        if (suffix.contains(c))
            return QString();
    }
    return suffix.toUpper();
}

// The classic font dialog: family, style and size (Qt's font picker, embedded), the effects, and
// the colour list of the 16 classic colours. It checks the choice against the caller's flags
// before it closes.
class FontChooser final : public QDialog
{
public:
    FontChooser(const CommonDialogProperties &dlg, const FontCatalog &fonts, QWidget *parent)
        : QDialog(parent)
        , m_dlg(dlg)
        , m_fonts(fonts)
    {
        setObjectName(QStringLiteral("CommonFontDialog"));
        setWindowTitle(QStringLiteral("Font"));
        auto *layout = new QVBoxLayout(this);

        m_picker = new QFontDialog(this);
        m_picker->setObjectName(QStringLiteral("FontPicker"));
        m_picker->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
        m_picker->setWindowFlags(Qt::Widget);
        QFont initial(dlg.FontName);
        if (dlg.FontSize > 0)
            initial.setPointSizeF(dlg.FontSize);
        initial.setBold(dlg.FontBold);
        initial.setItalic(dlg.FontItalic);
        initial.setUnderline(dlg.FontUnderline);
        initial.setStrikeOut(dlg.FontStrikethru);
        // The picker matches styles by name; without one it takes a family's regular face for
        // missing and may offer an oblique or condensed face instead of the one the text shows.
        initial.setStyleName(QFontInfo(initial).styleName());
        m_picker->setCurrentFont(initial);
        layout->addWidget(m_picker);
        // Esc inside the picker closes the whole dialog, not just the embedded picker.
        connect(m_picker, &QDialog::rejected, this, &QDialog::reject);

        if (dlg.Flags & CdlFlags::Effects) {
            auto *row = new QFormLayout;
            m_color = new QComboBox(this);
            m_color->setObjectName(QStringLiteral("FontColor"));
            for (int i = 0; i < 16; ++i)
                m_color->addItem(swatch(qColorOf(QBColor(i))), QBColorName(i), QBColor(i));
            int current = m_color->findData(dlg.Color);
            if (current < 0) {
                m_color->addItem(swatch(qColorOf(dlg.Color)), QStringLiteral("Custom"), dlg.Color);
                current = m_color->count() - 1;
            }
            m_color->setCurrentIndex(current);
            row->addRow(QStringLiteral("&Color:"), m_color);
            layout->addLayout(row);
        }

        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        buttons->setObjectName(QStringLiteral("FontButtons"));
        layout->addWidget(buttons);
        connect(buttons, &QDialogButtonBox::accepted, this, &FontChooser::tryAccept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

        // Enter in any field is OK. The embedded picker is a dialog of its own and would
        // otherwise take Enter for itself and hide, leaving only the colour row.
        for (QWidget *field : findChildren<QWidget *>()) {
            if (!qobject_cast<QAbstractButton *>(field) || qobject_cast<QCheckBox *>(field))
                field->installEventFilter(this);
        }
    }

    void writeTo(CommonDialogProperties &dlg) const
    {
        const QFont f = m_picker->currentFont();
        dlg.FontName = f.family();
        dlg.FontSize = f.pointSizeF();
        dlg.FontBold = f.bold();
        dlg.FontItalic = f.italic();
        dlg.FontUnderline = f.underline();
        dlg.FontStrikethru = f.strikeOut();
        if (m_color)
            dlg.Color = m_color->currentData().value<ColorValue>();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && isEnter(*static_cast<QKeyEvent *>(event))
            && static_cast<QWidget *>(watched)->window() == this) {
            tryAccept();
            return true;
        }
        return QDialog::eventFilter(watched, event);
    }

private:
    static bool isEnter(const QKeyEvent &key)
    {
        const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
        return enter && (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    }

    void tryAccept()
    {
        const QFont f = m_picker->currentFont();
        const QString refusal = fontChoiceRefusal(m_dlg, f.pointSizeF(), m_fonts.resolvedFace(f.family()).has_value());
        if (!refusal.isEmpty()) {
            QMessageBox::warning(this, windowTitle(), refusal);
            return;
        }
        accept();
    }

    const CommonDialogProperties &m_dlg;
    const FontCatalog &m_fonts;
    QFontDialog *m_picker = nullptr;
    QComboBox *m_color = nullptr;
};

QString defaultPdfPath()
{
    QString name = QCoreApplication::applicationName();
    if (name.isEmpty())
        name = QStringLiteral("print");
    return QDir(documentsFolder()).filePath(name + QStringLiteral(".pdf"));
}

} // namespace

QtCommonDialog::QtCommonDialog(const FontCatalog &fonts, Shell &shell)
    : m_fonts(fonts)
    , m_shell(shell)
{
}

DialogResult QtCommonDialog::ShowOpen(CommonDialogProperties &dlg)
{
    return showFile(dlg, false);
}

DialogResult QtCommonDialog::ShowSave(CommonDialogProperties &dlg)
{
    return showFile(dlg, true);
}

DialogResult QtCommonDialog::showFile(CommonDialogProperties &dlg, bool save)
{
    // Handed a folder that is not there, Qt would open elsewhere and offer the folder's last
    // part as the file's name.
    const StartFolders::DialogStart start = fileDialogStart(dlg.InitDir, dlg.FileName);
    QFileDialog d(owner(), dlg.DialogTitle, start.folder);
    d.setObjectName(save ? QStringLiteral("CommonSaveDialog") : QStringLiteral("CommonOpenDialog"));
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setOption(QFileDialog::HideNameFilterDetails);
    if (save) {
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setFileMode(QFileDialog::AnyFile);
        d.setOption(QFileDialog::DontConfirmOverwrite, !(dlg.Flags & CdlFlags::OverwritePrompt));
    } else {
        d.setAcceptMode(QFileDialog::AcceptOpen);
        // An existing file lies in an existing folder, so FileMustExist covers PathMustExist.
        d.setFileMode((dlg.Flags & CdlFlags::FileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    }
    const QList<FileFilter> parsed = parseFileFilter(dlg.Filter);
    const QStringList filters = qtNameFilters(parsed);
    if (!filters.isEmpty()) {
        d.setNameFilters(filters);
        const int index = qBound(1, dlg.FilterIndex, int(filters.size()));
        d.selectNameFilter(filters.at(index - 1));
        if (save) {
            // A name typed without an extension gets the chosen filter's, so that the file
            // saved is one the load dialog offers and the loader takes. Qt adds it before it
            // asks about overwriting, so the question is about the file that will be written.
            d.setDefaultSuffix(defaultSuffixOf(parsed.at(index - 1)));
            QObject::connect(&d, &QFileDialog::filterSelected, &d, [&d, &dlg, parsed](const QString &chosen) {
                d.setDefaultSuffix(defaultSuffixOf(parsed.at(filterIndexOf(chosen, dlg.Filter) - 1)));
            });
        }
    }
    if (!start.fileName.isEmpty())
        d.selectFile(QDir(start.folder).filePath(start.fileName));

    if (d.exec() != QDialog::Accepted)
        return cancelled(dlg);
    const QStringList chosen = d.selectedFiles();
    if (chosen.isEmpty())
        return cancelled(dlg);
    const QString path = chosen.first();
    dlg.FileName = path;
    dlg.FileTitle = fileTitleOf(path);
    if (!filters.isEmpty())
        dlg.FilterIndex = filterIndexOf(d.selectedNameFilter(), dlg.Filter);
    return DialogResult::Confirmed;
}

DialogResult QtCommonDialog::ShowFont(CommonDialogProperties &dlg)
{
    FontChooser chooser(dlg, m_fonts, owner());
    if (chooser.exec() != QDialog::Accepted)
        return cancelled(dlg);
    chooser.writeTo(dlg);
    return DialogResult::Confirmed;
}

DialogResult QtCommonDialog::ShowColor(CommonDialogProperties &dlg)
{
    QColorDialog d(owner());
    d.setObjectName(QStringLiteral("CommonColorDialog"));
    d.setOption(QColorDialog::DontUseNativeDialog);
    if (dlg.Flags & CdlFlags::RgbInit)
        d.setCurrentColor(qColorOf(dlg.Color));
    if (d.exec() != QDialog::Accepted)
        return cancelled(dlg);
    dlg.Color = colorValueOf(d.selectedColor());
    return DialogResult::Confirmed;
}

DialogResult QtCommonDialog::ShowPrinter(CommonDialogProperties &dlg)
{
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(defaultPdfPath());
    }
    QPrintDialog d(printer.get(), owner());
    d.setObjectName(QStringLiteral("CommonPrintDialog"));
    if (dlg.Flags & CdlFlags::PrintSelection) {
        d.setOption(QAbstractPrintDialog::PrintSelection, true);
        printer->setPrintRange(QPrinter::Selection);
    }
    if (d.exec() != QDialog::Accepted)
        return cancelled(dlg);
    dlg.hDC = (dlg.Flags & CdlFlags::ReturnDC) ? printer : nullptr;
    return DialogResult::Confirmed;
}

DialogResult QtCommonDialog::ShowHelp(CommonDialogProperties &dlg)
{
    if (dlg.HelpFile.isEmpty())
        return DialogResult::Cancelled;
    const QString path = QFileInfo(dlg.HelpFile).isAbsolute()
                             ? dlg.HelpFile
                             : QCoreApplication::applicationDirPath() + QLatin1Char('/') + dlg.HelpFile;
    m_shell.open(path);
    return DialogResult::Confirmed;
}
