#include "textboard/TextBoardFormat.h"

#include "core/GlobalDeclarations.h"
#include "core/QBColors.h"
#include "core/Settings.h"
#include "fontmap/FontChoice.h"
#include "fontmap/rules/FontSizeRules.h"
#include "platform/CodePage.h"
#include "platform/CommonDialog.h"
#include "platform/FontCatalog.h"
#include "platform/Services.h"
#include "textboard/TextBoardControls.h"
#include "textboard/TextBoardEdit.h"
#include "widgets/ActionCollection.h"
#include "widgets/ColorResolve.h"
#include "widgets/CoolBar.h"
#include "widgets/StateBinding.h"
#include "widgets/ToolBar.h"

#include <QLineEdit>

#include <algorithm>
#include <array>

namespace {

// Per style, in TextBoardFont's order: the FontFormatTB button (and its command).
const std::array<QString, 4> &styleButtons()
{
    static const std::array<QString, 4> keys = {QStringLiteral("Bold"), QStringLiteral("Italic"),
                                                QStringLiteral("Underline"), QStringLiteral("Strikethrough")};
    return keys;
}

const std::array<QString, 4> &styleCommands()
{
    static const std::array<QString, 4> items = {QStringLiteral("FFontBold"), QStringLiteral("FFontItalic"),
                                                 QStringLiteral("FFontUnderline"),
                                                 QStringLiteral("FFontStrikethrough")};
    return items;
}

constexpr std::array<TextBoardFont::Style, 4> kStyles = {TextBoardFont::Bold, TextBoardFont::Italic,
                                                         TextBoardFont::Underline, TextBoardFont::Strikeout};

// The alignment buttons with their commands and codes (the centre button is the second but
// has code 2).
struct AlignmentControl
{
    const char *button;
    const char *command;
    int code;
};
constexpr std::array<AlignmentControl, 3> kAlignments = {{
    {"AlignLeft", "AlignLeft", 0},
    {"CenterText", "AlignCenter", 2},
    {"AlignRight", "AlignRight", 1},
}};

const QString kColorKey = QStringLiteral("Color");

void recodeTextBoard(TextBoardEdit &box, FontCharset from, FontCharset to)
{
    // The bytes of the text do not change, so this is no edit of the user's: no change event,
    // and caret, selection and scroll position stay. The undo history, whose steps hold the
    // characters of the old charset, starts afresh.
    box.recode(recodeText(box.Text(), from, to));
}

} // namespace

TextBoardFormat::TextBoardFormat(TextBoardEdit &view, const TextBoardBars &bars, QLineEdit &findBox,
                                 ActionCollection &commands, TextBoardFont &font, FontChoice &choice,
                                 const Services &services, CommonDialogProperties &cmnDlg, QObject *parent)
    : QObject(parent)
    , m_view(view)
    , m_bars(bars)
    , m_findBox(findBox)
    , m_commands(commands)
    , m_font(font)
    , m_choice(choice)
    , m_services(services)
    , m_cmnDlg(cmnDlg)
{
    connect(&m_font, &TextBoardFont::charsetChanged, this, &TextBoardFormat::followCharset);
    showAndFollow(&m_font, &TextBoardFont::sizeChanged, this, &TextBoardFormat::followSize, m_font.size());
    m_commands.onTriggered(QStringLiteral("FormatFont"), this, &TextBoardFormat::FormatFont_Click);
    // A style command flips its button (and item) first; the style follows the new state.
    for (Style s : kStyles) {
        QAction *command = m_commands.action(styleCommands()[s]);
        connect(command, &QAction::triggered, this, [this, s](bool on) { setStyle(s, on ? 1 : 0); });
    }
    QStringList alignments;
    for (const AlignmentControl &a : kAlignments) {
        alignments.append(QString::fromLatin1(a.command));
        const int code = a.code;
        m_commands.onTriggered(alignments.last(), this, [this, code] { SetTBAlignment(code); });
    }
    m_commands.makeExclusive(alignments);
}

void TextBoardFormat::ApplyTBFont()
{
    const QString name = m_font.name();
    const int size = m_font.size();
    const FontCharset charset = m_services.codePage->charset(name);
    m_font.setCharset(charset);

    const QFont plain = m_services.fonts->font(name, size);
    m_plainWeight = plain.weight();
    m_plainSlant = plain.style();
    Q_EMIT mapFontChanged(plain, charset);
    m_view.setFont(plain);

    // A style that reads back on although every style was just switched off is the font's own.
    ToolBar *tb = m_bars.FontFormatTB;
    for (Style s : kStyles) {
        const bool forced = textBoardStyle(s);
        tb->setValue(styleButtons()[s], forced ? 1 : 0);
        tb->setButtonEnabled(styleButtons()[s], !forced);
    }
    for (Style s : kStyles) {
        const QString &key = styleButtons()[s];
        const int stored = m_font.style(s) ? 1 : 0;
        if (tb->isButtonEnabled(key) && tb->value(key) != stored)
            tb->setValue(key, stored);
    }
    for (Style s : kStyles)
        showStyle(&m_view, s, tb->value(styleButtons()[s]) != 0);
    Q_EMIT boardFontChanged(m_view.font());

    const qreal findSize = m_findBox.font().pointSizeF();
    m_findBox.setFont(m_services.fonts->font(name, findSize > 0 ? findSize : FontSizeRules::kMin));
}

void TextBoardFormat::followCharset(FontCharset from, FontCharset to)
{
    recodeTextBoard(m_view, from, to);
}

void TextBoardFormat::followSize(int size)
{
    QFont board = m_view.font();
    board.setPointSize(size);
    m_view.setFont(board);
    Q_EMIT boardFontChanged(board);
    QFont find = m_findBox.font();
    find.setPointSize(FontSizeRules::findBoxSize(m_view.font().pointSize()));
    m_findBox.setFont(find);
}

bool TextBoardFormat::textBoardStyle(Style style) const
{
    const QFont f = m_view.font();
    switch (style) {
    case Bold: return f.weight() >= 600; // semibold and heavier, as a face counts as bold
    case Italic: return f.style() != QFont::StyleNormal;
    case Underline: return f.underline();
    case Strikeout: return f.strikeOut();
    }
    return false;
}

void TextBoardFormat::showStyle(QWidget *widget, Style style, bool on) const
{
    // "Off" is the face's own weight and slant, so a face that is bold by itself stays bold.
    QFont f = widget->font();
    switch (style) {
    case Bold:
        f.setWeight(QFont::Weight(on ? std::max<int>(QFont::Bold, m_plainWeight) : m_plainWeight));
        break;
    case Italic:
        f.setStyle(on && m_plainSlant == QFont::StyleNormal ? QFont::StyleItalic : m_plainSlant);
        break;
    case Underline: f.setUnderline(on); break;
    case Strikeout: f.setStrikeOut(on); break;
    }
    widget->setFont(f);
}

void TextBoardFormat::takeSettings(const Settings &settings)
{
    m_font.setSize(settings.TBFontSize);
    for (Style s : kStyles)
        m_font.setStyle(s, settings.TBFontStyle[s] != 0);
    m_view.setAlignment(settings.TBAlignment);
    m_font.setAlignment(m_view.Alignment());
    m_font.setColor(settings.TBFontColorIndex, settings.TBFontColorName);
}

void TextBoardFormat::ApplyTBSettings()
{
    for (Style s : kStyles)
        setStyle(s, m_font.style(s) ? 1 : 0);
    SetTBAlignment(m_font.alignment());
    setForeColor(&m_view, QBColor(m_font.colorIndex()));
    m_bars.FontFormatTB->setButtonImage(kColorKey, QString::number(m_font.colorIndex() + 1));
    m_bars.CoolBarTB->update();
}

void TextBoardFormat::setStyle(Style style, int value)
{
    m_font.setStyle(style, value == 1);
    showStyle(&m_view, style, value == 1);
    Q_EMIT boardFontChanged(m_view.font());
}

void TextBoardFormat::SetTBBold(int value)
{
    setStyle(Bold, value);
}

void TextBoardFormat::SetTBItalic(int value)
{
    setStyle(Italic, value);
}

void TextBoardFormat::SetTBUnderline(int value)
{
    setStyle(Underline, value);
}

void TextBoardFormat::SetTBStrikethru(int value)
{
    setStyle(Strikeout, value);
}

void TextBoardFormat::SetTBAlignment(int code)
{
    for (const AlignmentControl &a : kAlignments)
        m_bars.TextAlignTB->setValue(QString::fromLatin1(a.button), 0);
    m_view.setAlignment(code);
    m_font.setAlignment(m_view.Alignment());
    for (const AlignmentControl &a : kAlignments) {
        if (a.code == code)
            m_bars.TextAlignTB->setValue(QString::fromLatin1(a.button), 1);
    }
}

bool TextBoardFormat::SetTBFontColor(ColorValue color)
{
    for (int i = 0; i < 16; ++i) {
        if (QBColor(i) != color)
            continue;
        m_font.setColor(i, QBColorName(i));
        showColorToolTip();
        return true;
    }
    return false;
}

void TextBoardFormat::SetTBForeColor(ColorValue color)
{
    SetTBFontColor(color);
    setForeColor(&m_view, color);
    m_font.setColor(m_font.colorIndex(), QBColorName(m_font.colorIndex()));
    m_bars.FontFormatTB->setButtonImage(kColorKey, QString::number(m_font.colorIndex() + 1));
    showColorToolTip();
}

void TextBoardFormat::showColorToolTip()
{
    if (globals().gToolTips)
        m_bars.FontFormatTB->setButtonToolTip(kColorKey, m_bars.FontFormatTB->tag(kColorKey) + m_font.colorName()
                                                          + QLatin1Char(')'));
}

void TextBoardFormat::keepBoardStyles()
{
    for (Style s : kStyles) {
        m_font.setStyle(s, textBoardStyle(s));
        m_bars.FontFormatTB->setValue(styleButtons()[s], m_font.style(s) ? 1 : 0);
    }
}

void TextBoardFormat::FormatFont_Click()
{
    CommonDialogProperties &d = m_cmnDlg;
    d.CancelError = true;
    d.Flags = CdlFlags::ScreenFonts | CdlFlags::Effects | CdlFlags::LimitSize | CdlFlags::ForceFontExist;
    d.FontName = m_font.name();
    d.FontSize = m_font.size();
    d.Min = FontSizeRules::kMin;
    d.Max = FontSizeRules::kMax;
    d.FontBold = textBoardStyle(Bold);
    d.FontItalic = textBoardStyle(Italic);
    d.FontUnderline = textBoardStyle(Underline);
    d.FontStrikethru = textBoardStyle(Strikeout);
    d.Color = foreColor(&m_view);
    if (m_services.dialog->ShowFont(d) != DialogResult::Confirmed)
        return;

    if (d.FontName != m_font.name())
        m_choice.SelectFontInCombo(d.FontName);
    ApplyTBFont();
    if (d.Color != foreColor(&m_view))
        SetTBForeColor(d.Color);
    if (d.FontSize != m_font.size())
        m_font.setSize(std::clamp(FontSizeRules::roundHalfEven(d.FontSize), FontSizeRules::kMin, FontSizeRules::kMax));
    const std::array<bool, 4> chosen = {d.FontBold, d.FontItalic, d.FontUnderline, d.FontStrikethru};
    for (Style s : kStyles) {
        if (chosen[s] == textBoardStyle(s))
            continue;
        m_bars.FontFormatTB->setValue(styleButtons()[s], chosen[s] ? 1 : 0);
        setStyle(s, chosen[s] ? 1 : 0);
    }
    m_view.setFocus(Qt::OtherFocusReason);
}

