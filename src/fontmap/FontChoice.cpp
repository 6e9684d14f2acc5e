#include "fontmap/FontChoice.h"

#include "core/GlobalDeclarations.h"
#include "fontmap/FontMapControls.h"
#include "fontmap/FontMapGrid.h"
#include "fontmap/rules/FontMapState.h"
#include "platform/FontCatalog.h"
#include "platform/Services.h"
#include "textboard/rules/TextBoardFont.h"
#include "widgets/Message.h"
#include "widgets/SizeNumberEdit.h"
#include "widgets/StateBinding.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSlider>

#include <algorithm>

FontChoice::FontChoice(FontMapControls &controls, FontMapState &state, const Services &services,
                       TextBoardFont &font, const FontMapColors &schemeColors, QObject *parent)
    : QObject(parent)
    , m_c(controls)
    , m_s(state)
    , m_services(services)
    , m_font(font)
    , m_schemeColors(schemeColors)
{
    connect(m_c.FontNameCombo, &QComboBox::activated, this, &FontChoice::FontNameCombo_Click);
    new FontNameKeyPress(m_c.FontNameCombo, [this](int keyAscii) { FontNameCombo_KeyPress(keyAscii); });
    // Dragging the thumb only shows the number; the size changes when the thumb is let go.
    m_c.FontSizeSlider->setTracking(false);
    connect(m_c.FontSizeSlider, &QSlider::sliderMoved, this, &FontChoice::FontSizeSlider_Scroll);
    connect(m_c.FontSizeSlider, &QSlider::valueChanged, this, &FontChoice::FontSizeSlider_Change);
    m_sizeEdit = new SizeNumberEdit(m_c.FontSizeNumber, m_c.FontSizeEdit, m_c.FontSizeSlider,
                                    [this] { Q_EMIT textBoardFocusRequested(); });
    showAndFollow(&m_font, &TextBoardFont::sizeChanged, this, &FontChoice::showSize, m_font.size());
}

void FontChoice::LoadFonts(QListWidget *list)
{
    m_entries = enumerateFonts(*m_services.fonts);
    list->clear();
    for (const FontListEntry &entry : std::as_const(m_entries)) {
        auto *item = new QListWidgetItem(entry.text, list);
        item->setData(kFontNumberRole, entry.fontNumber);
    }
}

bool FontChoice::InitFonts()
{
    LoadFonts(m_c.FontList);
    const GlobalDeclarations &g = globals();
    QComboBox *combo = m_c.FontNameCombo;
    FontNameBox::fill(combo, m_entries);
    const auto matched = std::find_if(m_entries.cbegin(), m_entries.cend(),
                                      [this](const FontListEntry &e) { return e.faceName() == m_s.TBFontName(); });
    if (matched != m_entries.cend()) {
        m_s.setFontIndex(int(matched - m_entries.cbegin()) + 1);
        combo->setCurrentIndex(m_s.FontIndex() - 1);
        showChosenFace();
        return true;
    }

    const QString cr(QLatin1Char('\r'));
    const QString text = cr + cr + QStringLiteral("The font last used by ") + g.gAppName
                         + QStringLiteral(" is unavailable.") + cr + cr + QStringLiteral("Continue Loading?") + cr
                         + cr + QStringLiteral("\u2022 Press Yes to load ") + g.gAppName
                         + QStringLiteral(" with a default font.") + cr
                         + QStringLiteral("\u2022 Press No to terminate loading.");
    QrvlMsg(text, QStringLiteral("YN"), messageTitle(" Font Initialization Error"), false, 1, m_schemeColors);
    if (!g.gMsgResult)
        return false;
    // TBFontName keeps the saved name, so choosing any font in the box applies it.
    combo->setCurrentIndex(0);
    m_s.setFontIndex(1);
    showChosenFace();
    return true;
}

int FontChoice::fontIndex() const
{
    return m_s.FontIndex();
}

const QString &FontChoice::chosenName() const
{
    return m_s.TBFontName();
}

QString FontChoice::boxText() const
{
    return m_c.FontNameCombo->currentText();
}

void FontChoice::showChosenFace()
{
    m_font.setName(m_c.FontNameCombo->currentText());
}

int FontChoice::GetLastFontIndex() const
{
    const int count = std::min(globals().gFontCount, m_c.FontNameCombo->count());
    for (int i = 1; i <= count; ++i) {
        if (m_c.FontNameCombo->itemText(i - 1) == m_s.TBFontName())
            return i;
    }
    return 0;
}

bool FontChoice::FontInCombo(const QString &name)
{
    const int count = std::min(globals().gFontCount, m_c.FontNameCombo->count());
    for (int i = 1; i <= count; ++i) {
        if (m_c.FontNameCombo->itemText(i - 1) == name) {
            m_s.setFontIndex(i);
            return true;
        }
    }
    return false;
}

void FontChoice::FontNameCombo_Click()
{
    const QString text = m_c.FontNameCombo->currentText();
    if (text == m_s.TBFontName())
        return;
    showChosenFace();
    Q_EMIT fontApplyRequested();
    m_s.setTBFontName(text);
    m_s.setFontIndex(m_c.FontNameCombo->currentIndex() + 1);
}

void FontChoice::SelectFontInCombo(const QString &name)
{
    QComboBox *combo = m_c.FontNameCombo;
    const int count = std::min(globals().gFontCount, combo->count());
    for (int p = 1; p <= count; ++p) {
        if (combo->itemText(p - 1) == name)
            m_s.setFontIndex(p);
    }
    combo->setCurrentIndex(m_s.FontIndex() - 1);
    m_s.setTBFontName(combo->currentText());
    showChosenFace();
}

void FontChoice::setChosenName(const QString &name)
{
    m_s.setTBFontName(name);
}

void FontChoice::showFontIndex()
{
    m_c.FontNameCombo->setCurrentIndex(m_s.FontIndex() - 1);
    showChosenFace();
}

void FontChoice::selectLastFont()
{
    m_s.setFontIndex(GetLastFontIndex());
    showFontIndex();
}

void FontChoice::FontNameCombo_KeyPress(int keyAscii)
{
    QComboBox *combo = m_c.FontNameCombo;
    if (!isInitialLetter(keyAscii)) {
        combo->setCurrentIndex(m_s.FontIndex() - 1);
        return;
    }
    if (const int item = FontNameBox::initialLetterItem(combo, globals().gFontCount, keyAscii); item >= 0)
        combo->setCurrentIndex(item);
    FontNameCombo_Click();
}

void FontChoice::FontSizeSlider_Scroll()
{
    // sliderMoved reports the thumb's place before the value follows it.
    m_c.FontSizeNumber->setText(QString::number(m_c.FontSizeSlider->sliderPosition()));
    Q_EMIT textBoardFocusRequested();
}

void FontChoice::FontSizeSlider_Change()
{
    m_font.setSize(m_c.FontSizeSlider->value());
}

void FontChoice::showSize(int size)
{
    m_c.FontSizeSlider->setValue(size);
    QFont cells = m_c.FMapContainer->cellFont();
    cells.setPointSize(size);
    m_c.FMapContainer->setCellFont(cells, m_c.FMapContainer->charset());
    m_c.FontSizeNumber->setText(QString::number(size));
}
