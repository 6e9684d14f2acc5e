#include "textboard/TextBoardFormat.h"

#include "app/ColorResolve.h"
#include "app/CoolBar.h"
#include "app/MainMenu.h"
#include "app/QuorvilControls.h"
#include "app/ToolBar.h"
#include "app/rules/GlobalDeclarations.h"
#include "app/rules/MainState.h"
#include "app/rules/QBColors.h"
#include "fontmap/FontMapGrid.h"
#include "fontmap/rules/FontSizeRules.h"
#include "platform/CodePage.h"
#include "platform/CommonDialog.h"
#include "platform/FontCatalog.h"
#include "platform/Services.h"
#include "textboard/TextBoardEdit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>
#include <array>

namespace {

// Per style, in TBFontStyle order: the FontFormatTB button and the Format menu item.
const std::array<QString, 4> &styleButtons()
{
    static const std::array<QString, 4> keys = {QStringLiteral("Bold"), QStringLiteral("Italic"),
                                                QStringLiteral("Underline"), QStringLiteral("Strikethrough")};
    return keys;
}

const std::array<QString, 4> &styleItems()
{
    static const std::array<QString, 4> items = {QStringLiteral("FFontBold"), QStringLiteral("FFontItalic"),
                                                 QStringLiteral("FFontUnderline"),
                                                 QStringLiteral("FFontStrikethrough")};
    return items;
}

constexpr std::array<TextBoardFormat::Style, 4> kStyles = {TextBoardFormat::Bold, TextBoardFormat::Italic,
                                                           TextBoardFormat::Underline, TextBoardFormat::Strikeout};

// The alignment buttons and menu items with their codes (the centre button is the second but
// has code 2).
struct AlignmentControl
{
    const char *button;
    const char *item;
    int code;
};
constexpr std::array<AlignmentControl, 3> kAlignments = {{
    {"AlignLeft", "AlignLeft", 0},
    {"CenterText", "AlignCenter", 2},
    {"AlignRight", "AlignRight", 1},
}};

const QString kColorKey = QStringLiteral("Color");

// A keystroke label that is one character is the character itself, and follows the charset;
// the longer ones ("Space Bar", "Alt+0128", "Ctrl+1") are words, not characters.
QString recodeLabel(const QString &label, FontCharset from, FontCharset to)
{
    return label.size() == 1 ? recodeText(label, from, to) : label;
}

void recodeTextBoard(TextBoardEdit *box, FontCharset from, FontCharset to)
{
    // The bytes of the text do not change, so this is no edit of the user's: no change event,
    // and caret, selection and scroll position stay. The undo history, whose steps hold the
    // characters of the old charset, starts afresh.
    box->recode(recodeText(box->Text(), from, to));
}

} // namespace

TextBoardFormat::TextBoardFormat(QuorvilControls &controls, MainState &state, const Services &services,
                                 CommonDialogProperties &cmnDlg, QObject *parent)
    : QObject(parent)
    , m_c(controls)
    , m_s(state)
    , m_services(services)
    , m_cmnDlg(cmnDlg)
{
    connect(m_c.menu, &MainMenu::menuOpening, this, [this](const QString &name) {
        if (name == QLatin1String("ItemFormat") || name == QLatin1String("FormatTB"))
            UpdateFormatMenu();
    });
}

void TextBoardFormat::registerCommands(CommandMap &commands)
{
    commands.insert(QStringLiteral("FormatFont"), [this] { FormatFont_Click(); });
    commands.insert(QStringLiteral("FFontBold"), [this] { FFontBold_Click(); });
    commands.insert(QStringLiteral("FFontItalic"), [this] { FFontItalic_Click(); });
    commands.insert(QStringLiteral("FFontUnderline"), [this] { FFontUnderline_Click(); });
    commands.insert(QStringLiteral("FFontStrikethrough"), [this] { FFontStrikethrough_Click(); });
    commands.insert(QStringLiteral("AlignLeft"), [this] { AlignLeft_Click(); });
    commands.insert(QStringLiteral("AlignCenter"), [this] { AlignCenter_Click(); });
    commands.insert(QStringLiteral("AlignRight"), [this] { AlignRight_Click(); });
}

void TextBoardFormat::ApplyTBFont()
{
    const QString name = m_c.FontNameCombo->currentText();
    const int size = m_c.FontSizeSlider->value();
    const FontCharset charset = m_services.codePage->charset(name);
    followCharset(charset);

    const QFont plain = m_services.fonts->font(name, size);
    m_plainWeight = plain.weight();
    m_plainSlant = plain.style();
    m_c.FMapContainer->setCellFont(plain, charset);
    m_c.TextBoard->setFont(plain);

    // A style that reads back on although every style was just switched off is the font's own.
    ToolBar *tb = m_c.FontFormatTB;
    for (Style s : kStyles) {
        const bool forced = textBoardStyle(s);
        tb->setValue(styleButtons()[s], forced ? 1 : 0);
        tb->setButtonEnabled(styleButtons()[s], !forced);
    }
    for (Style s : kStyles) {
        const QString &key = styleButtons()[s];
        if (tb->isButtonEnabled(key) && tb->value(key) != m_s.TBFontStyle[s])
            tb->setValue(key, m_s.TBFontStyle[s]);
    }
    for (Style s : kStyles)
        showStyle(m_c.TextBoard, s, tb->value(styleButtons()[s]) != 0);

    QFont zoom = m_c.TextBoard->font();
    zoom.setPointSizeF(m_c.TextZoom->font().pointSizeF());
    m_c.TextZoom->setFont(zoom);
    const qreal findSize = m_c.FindString->font().pointSizeF();
    m_c.FindString->setFont(m_services.fonts->font(name, findSize > 0 ? findSize : FontSizeRules::kMin));
    UpdateFormatMenu();
}

void TextBoardFormat::followCharset(FontCharset to)
{
    const FontCharset from = m_c.FMapContainer->charset();
    if (from == to)
        return;
    // A cell shows the character of its code in the new font, whatever map is loaded.
    for (int i = 0; i < FontMapGrid::kCells; ++i) {
        m_c.FMapContainer->setCaption(i, recodeText(m_c.FMapContainer->cell(i).caption, from, to));
        m_s.codeTable.set(i, CodeTable::KeyStroke, recodeLabel(m_s.codeTable.at(i, CodeTable::KeyStroke), from, to));
    }
    m_c.TextZoom->setText(recodeText(m_c.TextZoom->text(), from, to));
    m_c.KS->setText(recodeLabel(m_c.KS->text(), from, to));

    recodeTextBoard(m_c.TextBoard, from, to);
    {
        const QSignalBlocker block(m_c.FindString);
        const int caret = m_c.FindString->cursorPosition();
        m_c.FindString->setText(recodeText(m_c.FindString->text(), from, to));
        m_c.FindString->setCursorPosition(caret);
    }
    m_s.LastFindString = recodeText(m_s.LastFindString, from, to);
}

bool TextBoardFormat::textBoardStyle(Style style) const
{
    const QFont f = m_c.TextBoard->font();
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

void TextBoardFormat::ApplyTBSettings()
{
    m_c.FontSizeNumber->setText(QString::number(m_c.FontSizeSlider->value()));
    SetTBBold(m_s.TBFontStyle[Bold]);
    SetTBItalic(m_s.TBFontStyle[Italic]);
    SetTBUnderline(m_s.TBFontStyle[Underline]);
    SetTBStrikethru(m_s.TBFontStyle[Strikeout]);
    SetTBAlignment(m_c.TextBoard->Alignment());
    setForeColor(m_c.TextBoard, QBColor(m_s.TBFontColorIndex));
    m_c.FontFormatTB->setButtonImage(kColorKey, QString::number(m_s.TBFontColorIndex + 1));
    m_c.CoolBarTB->update();
}

void TextBoardFormat::setStyle(Style style, int value)
{
    m_s.TBFontStyle[style] = value;
    showStyle(m_c.TextBoard, style, value == 1);
    showStyle(m_c.TextZoom, style, value == 1);
    UpdateFormatMenu();
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
        m_c.TextAlignTB->setValue(QString::fromLatin1(a.button), 0);
    m_c.TextBoard->setAlignment(code);
    for (const AlignmentControl &a : kAlignments) {
        if (a.code == code)
            m_c.TextAlignTB->setValue(QString::fromLatin1(a.button), 1);
    }
    UpdateFormatMenu();
}

bool TextBoardFormat::SetTBFontColor(ColorValue color)
{
    for (int i = 0; i < 16; ++i) {
        if (QBColor(i) != color)
            continue;
        m_s.TBFontColorIndex = i;
        m_s.TBFontColorName = QBColorName(i);
        if (globals().gToolTips)
            m_c.FontFormatTB->setButtonToolTip(kColorKey, m_c.FontFormatTB->tag(kColorKey) + m_s.TBFontColorName
                                                              + QLatin1Char(')'));
        return true;
    }
    return false;
}

void TextBoardFormat::SetTBForeColor(ColorValue color)
{
    SetTBFontColor(color);
    setForeColor(m_c.TextBoard, color);
    m_s.TBFontColorName = QBColorName(m_s.TBFontColorIndex);
    m_c.FontFormatTB->setButtonImage(kColorKey, QString::number(m_s.TBFontColorIndex + 1));
    if (globals().gToolTips)
        m_c.FontFormatTB->setButtonToolTip(kColorKey, m_c.FontFormatTB->tag(kColorKey) + m_s.TBFontColorName
                                                          + QLatin1Char(')'));
}

void TextBoardFormat::SelectFontInCombo(const QString &name)
{
    QComboBox *combo = m_c.FontNameCombo;
    const int count = std::min(globals().gFontCount, combo->count());
    for (int p = 1; p <= count; ++p) {
        if (combo->itemText(p - 1) == name)
            m_s.FontIndex = p;
    }
    combo->setCurrentIndex(m_s.FontIndex - 1);
    m_s.TBFontName = combo->currentText();
}

void TextBoardFormat::FormatFont_Click()
{
    CommonDialogProperties &d = m_cmnDlg;
    d.CancelError = true;
    d.Flags = CdlFlags::ScreenFonts | CdlFlags::Effects | CdlFlags::LimitSize | CdlFlags::ForceFontExist;
    d.FontName = m_c.FontNameCombo->currentText();
    d.FontSize = m_c.FontSizeSlider->value();
    d.Min = FontSizeRules::kMin;
    d.Max = FontSizeRules::kMax;
    d.FontBold = textBoardStyle(Bold);
    d.FontItalic = textBoardStyle(Italic);
    d.FontUnderline = textBoardStyle(Underline);
    d.FontStrikethru = textBoardStyle(Strikeout);
    d.Color = foreColor(m_c.TextBoard);
    if (m_services.dialog->ShowFont(d) != DialogResult::Confirmed)
        return;

    if (d.FontName != m_c.FontNameCombo->currentText())
        SelectFontInCombo(d.FontName);
    ApplyTBFont();
    if (d.Color != foreColor(m_c.TextBoard))
        SetTBForeColor(d.Color);
    if (d.FontSize != m_c.FontSizeSlider->value())
        m_c.FontSizeSlider->setValue(FontSizeRules::roundHalfEven(d.FontSize));
    const std::array<bool, 4> chosen = {d.FontBold, d.FontItalic, d.FontUnderline, d.FontStrikethru};
    for (Style s : kStyles) {
        if (chosen[s] == textBoardStyle(s))
            continue;
        m_c.FontFormatTB->setValue(styleButtons()[s], chosen[s] ? 1 : 0);
        setStyle(s, chosen[s] ? 1 : 0);
    }
    m_c.TextBoard->setFocus(Qt::OtherFocusReason);
}

void TextBoardFormat::styleCommand(Style style)
{
    // The item's check mark shows the TextBoard's style, so the command toggles it.
    const int value = m_c.menu->isChecked(styleItems()[style]) ? 0 : 1;
    m_c.FontFormatTB->setValue(styleButtons()[style], value);
    setStyle(style, value);
}

void TextBoardFormat::FFontBold_Click()
{
    styleCommand(Bold);
}

void TextBoardFormat::FFontItalic_Click()
{
    styleCommand(Italic);
}

void TextBoardFormat::FFontUnderline_Click()
{
    styleCommand(Underline);
}

void TextBoardFormat::FFontStrikethrough_Click()
{
    styleCommand(Strikeout);
}

void TextBoardFormat::alignCommand(const QString &item, int code)
{
    if (!m_c.menu->isChecked(item))
        SetTBAlignment(code);
}

void TextBoardFormat::AlignLeft_Click()
{
    alignCommand(QStringLiteral("AlignLeft"), 0);
}

void TextBoardFormat::AlignCenter_Click()
{
    alignCommand(QStringLiteral("AlignCenter"), 2);
}

void TextBoardFormat::AlignRight_Click()
{
    alignCommand(QStringLiteral("AlignRight"), 1);
}

void TextBoardFormat::UpdateFormatMenu()
{
    for (Style s : kStyles) {
        m_c.menu->setChecked(styleItems()[s], textBoardStyle(s));
        m_c.menu->setEnabled(styleItems()[s], m_c.FontFormatTB->isButtonEnabled(styleButtons()[s]));
    }
    for (const AlignmentControl &a : kAlignments)
        m_c.menu->setChecked(QString::fromLatin1(a.item), m_c.TextAlignTB->value(QString::fromLatin1(a.button)) != 0);
}
