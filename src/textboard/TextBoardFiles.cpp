#include "textboard/TextBoardFiles.h"

#include "app/rules/ProductInfo.h"
#include "app/rules/SettingsLoad.h"
#include "app/rules/Toggles.h"
#include "core/GlobalDeclarations.h"
#include "core/QBColors.h"
#include "core/Settings.h"
#include "core/SettingsAccess.h"
#include "fontmap/FontChoice.h"
#include "fontmap/rules/FontSizeRules.h"
#include "platform/CommonDialog.h"
#include "platform/Services.h"
#include "textboard/RichTextBox.h"
#include "textboard/TextBoardDocument.h"
#include "textboard/TextBoardEdit.h"
#include "textboard/TextBoardFormat.h"
#include "textboard/rules/BoardText.h"
#include "textboard/rules/TextBoardFont.h"
#include "textboard/rules/TextBoardState.h"
#include "widgets/ActionCollection.h"
#include "widgets/ColorResolve.h"
#include "widgets/Message.h"
#include "widgets/ToolBar.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace {

const QString &appName()
{
    return globals().gAppName;
}

const QString kOK = QStringLiteral("OK");
const QString kYN = QStringLiteral("YN");

QString fileFilter()
{
    return appName() + QStringLiteral(" Uniform Format Files (*.QUF)|*.quf|Text Files (*.TXT)|*.txt");
}

// The folder of a path, without its trailing separator, as the dialogs' start folders keep it.
QString folderOf(const QString &path, const QString &fileTitle)
{
    return path.left(std::max<qsizetype>(0, path.size() - (fileTitle.size() + 1)));
}

} // namespace

TextBoardFiles::TextBoardFiles(TextBoardDocument &document, TextBoardEdit &view, TextBoardState &state,
                               ActionCollection &commands, const Services &services, CommonDialogProperties &cmnDlg,
                               const Parts &parts, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_view(view)
    , m_s(state)
    , m_services(services)
    , m_cmnDlg(cmnDlg)
    , m_format(parts.format)
    , m_font(parts.font)
    , m_fontChoice(parts.fontChoice)
    , m_toggles(parts.toggles)
    , m_schemeColors(parts.schemeColors)
{
    commands.onTriggered(QStringLiteral("FileLoad"), this, &TextBoardFiles::FileLoad_Click);
    commands.onTriggered(QStringLiteral("FileSave"), this, &TextBoardFiles::FileSave_Click);
}

TextBoardFiles::FileType TextBoardFiles::fileTypeOf(const QString &path)
{
    const QString ending = path.right(3).toUpper();
    if (ending == QLatin1String("TXT"))
        return FileType::Txt;
    if (ending == QLatin1String("QUF"))
        return FileType::Quf;
    return FileType::Other;
}

void TextBoardFiles::FileLoad_Click()
{
    LoadTBFile(QString());
}

bool TextBoardFiles::CheckLoadedFile(const QString &path)
{
    if (path != m_document.TBLoadedPath())
        return true;
    const GlobalDeclarations &g = globals();
    if (m_document.TBChanged()) {
        QrvlMsg(messageText({QString(), path, QString(), QStringLiteral("Text from this file was loaded"),
                       QStringLiteral("but has since been changed."), QString(),
                       QStringLiteral("Do you want to reload the file?"), QString(), QString()}),
                kYN, messageTitle(" File Load Error"), false, 2, m_schemeColors);
        return g.gMsgResult;
    }
    QrvlMsg(messageText({QString(), QString(), QString(), path, QString(), QStringLiteral("Text from this file is already loaded.")}),
            kOK, messageTitle(" File Load Error"), false, 1, m_schemeColors);
    return false;
}

bool TextBoardFiles::confirmLosingText()
{
    if (m_document.length() == 0)
        return true;
    const GlobalDeclarations &g = globals();
    if (m_document.TBChanged()) {
        QrvlMsg(messageText({QString(), QString(), QStringLiteral("Text on the TextBoard has been changed."),
                       QStringLiteral("You will lose these changes by loading another file now."), QString(),
                       QStringLiteral("Continue Loading?"), QStringLiteral("• Press Yes to continue loading text."),
                       QStringLiteral("• Press No to cancel operation.")}),
                kYN, messageTitle(" TextBoard Save Warning"), false, 1, m_schemeColors);
        return g.gMsgResult;
    }
    if (!m_toggles.isOn(Toggles::OverwriteWarning))
        return true;
    QrvlMsg(messageText({QString(), QString(), QStringLiteral("You have text on the TextBoard."),
                   QStringLiteral("You will lose this text by loading another file now."), QString(),
                   QStringLiteral("Continue Loading?"), QStringLiteral("• Press Yes to continue loading text."),
                   QStringLiteral("• Press No to cancel operation.")}),
            kYN, messageTitle(" TextBoard Overwrite Warning"), true, 1, m_schemeColors);
    m_toggles.set(Toggles::OverwriteWarning, !g.gMsgDontDisplay);
    return g.gMsgResult;
}

bool TextBoardFiles::chooseFileToLoad()
{
    CommonDialogProperties &d = m_cmnDlg;
    d.CancelError = true;
    d.Filter = fileFilter();
    d.Flags = CdlFlags::FileMustExist | CdlFlags::PathMustExist | CdlFlags::HideReadOnly;
    d.InitDir = m_document.TBLoadFolder();
    d.DialogTitle = QStringLiteral("Select a File to Load Text From");
    d.FileName.clear();
    if (m_services.dialog->ShowOpen(d) != DialogResult::Confirmed)
        return false;
    const QString path = d.FileName;
    if (!CheckLoadedFile(path))
        return false;
    m_document.setOpenFile(path, fileTitleOf(path));
    return true;
}

void TextBoardFiles::LoadTBFile(const QString &path)
{
    if (!confirmLosingText())
        return;
    if (path.isEmpty() && !chooseFileToLoad())
        return;

    // From here on a stopped load leaves the board empty and no file loaded.
    m_document.clear();
    m_document.setLoadedFile(QString(), QString());

    RichTextBox &rtf = m_document.TextBoardRTF();
    const FileType type = fileTypeOf(m_document.TBOpenPath());
    bool fontFound = false;
    if (!loadIntoTwin(type, fontFound))
        return;
    if (!twinFormatIsUniform()) {
        showInvalidFile();
        return;
    }
    // The characters of a symbol font's text are its codes, which the board shows in its
    // own font's charset.
    rtf.setSelStart(0);
    const FontCharset fileCharset = rtf.SelCharset().value_or(FontCharset::Ansi);
    // The board's own line breaks are CR LF; a file may have lone CRs or LFs, each one break.
    QString text = BoardText::withBoardBreaks(rtf.Text());
    bool partial = false;
    if (!keepWithinLimit(text, partial))
        return;

    if (type == FileType::Txt && m_toggles.isOn(Toggles::LoadTxtWithDefaults))
        RestoreTBDefaults();
    if (type == FileType::Quf && fontFound)
        CopyRTFFormatToTB();

    text = recodeText(text, fileCharset, m_font.charset());
    m_view.setText(text);
    m_document.setModified(false);
    if (m_document.Text() != text) {
        showLoadFailure();
        return;
    }
    const QString opened = m_document.TBOpenPath();
    const QString name = m_document.TBOpenName();
    Q_EMIT fileUsed(opened);
    m_fontChoice.setChosenName(m_view.font().family());
    m_document.setLoadedFile(opened, name);
    m_document.setTBLoadFolder(folderOf(opened, name));
    setCaption(name, partial);
}

bool TextBoardFiles::loadIntoTwin(FileType type, bool &fontFound)
{
    const QString &path = m_document.TBOpenPath();
    RichTextBox &rtf = m_document.TextBoardRTF();
    switch (type) {
    case FileType::Txt:
        if (!rtf.LoadFile(path, RichTextBox::FileKind::PlainText, m_font.charset())) {
            showInvalidFile();
            return false;
        }
        return true;
    case FileType::Quf: {
        if (!rtf.LoadFile(path, RichTextBox::FileKind::Rtf)) {
            showInvalidFile();
            return false;
        }
        m_s.setFontChangedOnLoad(false);
        rtf.setSelStart(0);
        const QString name = rtf.SelFontName().value_or(QString());
        fontFound = m_fontChoice.FontInCombo(name);
        if (fontFound) {
            m_fontChoice.showFontIndex();
            return true;
        }
        QrvlMsg(messageText({QString(), QStringLiteral("Font: ") + name, QStringLiteral("This font does not exist on your system."),
                       QStringLiteral("It is used by the file you are trying to load."), QString(),
                       appName() + QStringLiteral(" will load this file with current font setting."),
                       QStringLiteral("Load File?")}),
                kYN, messageTitle(" File Font Error"), false, 2, m_schemeColors);
        if (!globals().gMsgResult)
            return false;
        m_s.setFontChangedOnLoad(true);
        return true;
    }
    case FileType::Other:
        break;
    }
    QrvlMsg(messageText({QString(), QString(), appName() + QStringLiteral(" allows loading from only two types of files."),
                   QStringLiteral("These are:"),
                   QStringLiteral("• *.QUF (") + appName() + QStringLiteral(" Uniform Format files)"),
                   QStringLiteral("• *.TXT (ASCII Text files)"),
                   QStringLiteral("Please select only the above file types for loading.")}),
            kOK, messageTitle(" File Type Error"), false, 1, m_schemeColors);
    return false;
}

bool TextBoardFiles::twinFormatIsUniform()
{
    RichTextBox &rtf = m_document.TextBoardRTF();
    rtf.setSelStart(0);
    rtf.setSelLength(rtf.Text().size());
    return rtf.SelFontSize() && rtf.SelColor() && rtf.SelFontName();
}

bool TextBoardFiles::keepWithinLimit(QString &text, bool &partial)
{
    if (text.size() <= m_s.TBMaxLength())
        return true;
    QrvlMsg(messageText({QString(), QStringLiteral("Size of the file you are trying to load exceeds the"),
                   QStringLiteral("maximum limit (61,440 characters) of the TextBoard."),
                   QStringLiteral("A partial load upto the limit of the TextBoard is possible."), QString(),
                   QStringLiteral("Continue Loading?"), QStringLiteral("• Press Yes to load partial file."),
                   QStringLiteral("• Press No to cancel load.")}),
            kYN, messageTitle(" TextBoard Limit Warning"), false, 1, m_schemeColors);
    if (!globals().gMsgResult)
        return false;
    // A cut between the CR and the LF of a line break would leave half a break, which the
    // board reads as a whole one, one character over its limit.
    qsizetype keep = m_s.TBMaxLength();
    if (text.at(keep - 1) == QLatin1Char('\r') && text.at(keep) == QLatin1Char('\n'))
        --keep;
    text.truncate(keep);
    partial = true;
    return true;
}

void TextBoardFiles::RestoreTBDefaults()
{
    Settings defaults;
    SettingsAccess access(*m_services.registry);
    SettingsLoad::readTextBoard(access, defaults);
    m_format.takeSettings(defaults);
    m_fontChoice.setChosenName(defaults.TBFontName);
    m_format.ApplyTBSettings();
    m_fontChoice.selectLastFont();
    m_format.ApplyTBFont();
}

bool TextBoardFiles::CopyRTFFormatToTB()
{
    RichTextBox &rtf = m_document.TextBoardRTF();
    rtf.setSelStart(0);
    rtf.setSelLength(rtf.Text().size());

    // The loader has checked that name, size and colour are the same throughout.
    ColorValue color = rtf.SelColor().value_or(QBColor(0));
    if (!m_format.SetTBFontColor(color)) {
        QrvlMsg(messageText({QString(), QString(), QStringLiteral("Font color of the file you are trying to load does"),
                       QStringLiteral("not match the 16 predefined ") + appName() + QStringLiteral(" font colors."),
                       QString(), appName() + QStringLiteral(" will load this file with"),
                       QStringLiteral("the default font color of Black")}),
                kOK, messageTitle(" File Load Error"), false, 1, m_schemeColors);
        color = QBColor(0);
        m_font.setColor(0, QBColorName(0));
    }
    int size = FontSizeRules::roundHalfEven(rtf.SelFontSize().value_or(FontSizeRules::kMin));
    if (size < FontSizeRules::kMin) {
        showSizeCorrection(true);
        size = FontSizeRules::kMin;
    } else if (size > FontSizeRules::kMax) {
        showSizeCorrection(false);
        size = FontSizeRules::kMax;
    }
    m_format.ApplyTBFont();

    const auto bold = rtf.SelBold();
    const auto italic = rtf.SelItalic();
    const auto underline = rtf.SelUnderline();
    const auto strikethrough = rtf.SelStrikeThru();
    const auto alignment = rtf.SelAlignment();
    if (!bold || !italic || !underline || !strikethrough || !alignment) {
        QrvlMsg(messageText({QString(), QString(), QStringLiteral("The file you selected could not be loaded"),
                       QStringLiteral("successfully due to unknown reasons."), QString(),
                       QStringLiteral("Please contact the author at ") + ProductInfo::feedbackAddress(),
                       QStringLiteral("with all details of this problem.")}),
                kOK, messageTitle(" Unknown Error"), false, 1, m_schemeColors);
        return false;
    }

    // The board shows whole sizes only, the size the slider is set to below.
    QFont font = m_view.font();
    font.setPointSize(size);
    m_view.setFont(font);
    m_format.SetTBBold(*bold ? 1 : 0);
    m_format.SetTBItalic(*italic ? 1 : 0);
    m_format.SetTBUnderline(*underline ? 1 : 0);
    m_format.SetTBStrikethru(*strikethrough ? 1 : 0);
    m_format.keepBoardStyles();
    m_format.SetTBForeColor(color);
    m_format.SetTBAlignment(*alignment);
    // SetTBBold and its neighbours have given the Zoom view the same styles; the size
    // follows the slider.
    m_font.setSize(size);
    return true;
}

void TextBoardFiles::showSizeCorrection(bool tooSmall)
{
    const QStringList text =
        tooSmall ? QStringList{QString(), QString(), QStringLiteral("Font size of the file you are trying to load is"),
                               QStringLiteral("smaller than the minimum TextBoard font Size of 8."), QString(),
                               appName() + QStringLiteral(" will load this file"), QStringLiteral("with a font size of 8.")}
                 : QStringList{QString(), QString(), QStringLiteral("Font size of the file you are trying to load"),
                               QStringLiteral("exceeds the maximum TextBoard font Size of 36."), QString(),
                               appName() + QStringLiteral(" will load this file"),
                               QStringLiteral("with a font size of 36.")};
    QrvlMsg(messageText(text), kOK, messageTitle(" File Load Error"), false, 1, m_schemeColors);
}

void TextBoardFiles::CopyTBFormatToRTF(bool whole)
{
    RichTextBox &rtf = m_document.TextBoardRTF();
    const TextBoardEdit *board = &m_view;
    rtf.setText(whole ? board->Text() : board->SelText());
    rtf.setSelStart(0);
    rtf.setSelLength(rtf.Text().size());
    const QFont font = board->font();
    rtf.setSelFontName(font.family());
    rtf.setSelCharset(m_font.charset());
    rtf.setSelFontSize(font.pointSizeF());
    rtf.setSelBold(m_format.textBoardStyle(TextBoardFormat::Bold));
    rtf.setSelItalic(m_format.textBoardStyle(TextBoardFormat::Italic));
    rtf.setSelUnderline(m_format.textBoardStyle(TextBoardFormat::Underline));
    rtf.setSelStrikeThru(m_format.textBoardStyle(TextBoardFormat::Strikeout));
    const QColor color = resolveColor(foreColor(&m_view));
    rtf.setSelColor(rgbColor(color.red(), color.green(), color.blue()));
    rtf.setSelAlignment(board->Alignment());
}

void TextBoardFiles::FileSave_Click()
{
    CommonDialogProperties &d = m_cmnDlg;
    d.CancelError = true;
    d.Filter = fileFilter();
    d.FilterIndex = m_document.TBLoadedPath().toUpper().endsWith(QLatin1String("TXT")) ? 2 : 1;
    d.FileName = m_document.TBLoadedPath();
    d.Flags = CdlFlags::OverwritePrompt | CdlFlags::HideReadOnly;
    d.InitDir = m_document.TBSaveFolder();
    d.DialogTitle = QStringLiteral("Save Text in File");
    if (m_services.dialog->ShowSave(d) != DialogResult::Confirmed)
        return;
    const QString path = d.FileName;
    const QString fileTitle = fileTitleOf(path);

    const bool fontChangedBefore = m_s.FontChangedOnLoad();
    if (m_s.FontChangedOnLoad() && path == m_document.TBLoadedPath()) {
        QrvlMsg(messageText({QString(), QString(), QStringLiteral("The font settings of this file"),
                       QStringLiteral("was changed while loading it."), QStringLiteral("Saving this file will overwrite"),
                       QStringLiteral("it's original font settings."), QString(), QStringLiteral("Save File?")}),
                kYN, messageTitle(" File Save Warning"), false, 1, m_schemeColors);
        if (!globals().gMsgResult)
            return;
    } else {
        m_s.setFontChangedOnLoad(false);
    }

    RichTextBox &rtf = m_document.TextBoardRTF();
    bool saved = false;
    if (fileTitle.toUpper().endsWith(QLatin1String("TXT"))) {
        rtf.setText(m_document.Text());
        saved = rtf.SaveFile(path, RichTextBox::FileKind::PlainText, m_font.charset());
    } else {
        CopyTBFormatToRTF(true);
        saved = rtf.SaveFile(path, RichTextBox::FileKind::Rtf);
    }
    if (!saved) {
        // Nothing was written over the old file; the board still holds unsaved text.
        m_s.setFontChangedOnLoad(fontChangedBefore);
        showSaveFailure(path);
        return;
    }

    Q_EMIT fileUsed(path);
    m_document.setLoadedFile(path, fileTitle);
    m_document.setTBSaveFolder(folderOf(path, fileTitle));
    setCaption(fileTitle);
    m_document.setModified(false);
}

void TextBoardFiles::setCaption(const QString &fileTitle, bool partial)
{
    QString caption = appName() + QStringLiteral(" :  ") + fileTitle;
    if (partial)
        caption += QStringLiteral(" (PARTIALLY LOADED!)");
    Q_EMIT captionChanged(caption);
}

void TextBoardFiles::showInvalidFile()
{
    QrvlMsg(messageText({QString(), QString(), QStringLiteral("The file you selected could not be loaded successfully"),
                   QStringLiteral("It does not seem to be a valid .QUF or .TXT file.")}),
            kOK, messageTitle(" File Load Error"), false, 1, m_schemeColors);
}

void TextBoardFiles::showLoadFailure()
{
    QrvlMsg(messageText({QString(), QStringLiteral("The file you selected could not be loaded successfully."), QString(),
                   QStringLiteral("This may happen sometimes if the size of the file"),
                   QStringLiteral("being opened is large and the text volume exceeds"),
                   QStringLiteral("the 64 KB memory threshold of the TextBoard."), QString(),
                   QStringLiteral("Try closing ") + appName() + QStringLiteral(" and reloading the file again.")}),
            kOK, messageTitle(" File Load Error"), false, 1, m_schemeColors);
}

void TextBoardFiles::showSaveFailure(const QString &path)
{
    QrvlMsg(messageText({QString(), QString(), QStringLiteral("The text could not be saved in the file"), path, QString(),
                   QStringLiteral("The file on disk, if there was one, has not been changed.")}),
            kOK, messageTitle(" File Save Error"), false, 1, m_schemeColors);
}
