#include "fontmap/FontChoice.h"

#include "widgets/Message.h"
#include "widgets/Pictures.h"
#include "app/rules/GlobalDeclarations.h"
#include "fontmap/FontMapControls.h"
#include "fontmap/FontMapGrid.h"
#include "fontmap/rules/FontMapState.h"
#include "fontmap/rules/FontSizeRules.h"
#include "platform/FontCatalog.h"
#include "platform/Services.h"
#include "textboard/rules/TextBoardFont.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QSlider>

#include <algorithm>

namespace {

constexpr int kEnter = 13;
constexpr int kEscape = 27;

const QString kTrueTypeImage = QStringLiteral("TT");
const QString kOtherImage = QStringLiteral("SF");

bool isLetter(int keyAscii)
{
    return (keyAscii >= 'A' && keyAscii <= 'Z') || (keyAscii >= 'a' && keyAscii <= 'z');
}

} // namespace

FontChoice::FontChoice(FontMapControls &controls, FontMapState &state, const Services &services,
                       TextBoardFont &font, QObject *parent)
    : QObject(parent)
    , m_c(controls)
    , m_s(state)
    , m_services(services)
    , m_font(font)
{
    connect(&m_font, &TextBoardFont::sizeChanged, this, &FontChoice::showSize);
    connect(m_c.FontNameCombo, &QComboBox::activated, this, &FontChoice::FontNameCombo_Click);
    m_c.FontNameCombo->installEventFilter(this);
    // Dragging the thumb only shows the number; the size changes when the thumb is let go.
    m_c.FontSizeSlider->setTracking(false);
    connect(m_c.FontSizeSlider, &QSlider::sliderMoved, this, &FontChoice::FontSizeSlider_Scroll);
    connect(m_c.FontSizeSlider, &QSlider::valueChanged, this, &FontChoice::FontSizeSlider_Change);
    m_c.FontSizeNumber->installEventFilter(this);
    m_c.FontSizeEdit->installEventFilter(this);
}

void FontChoice::LoadFonts(QListWidget *list)
{
    list->clear();
    GlobalDeclarations &g = globals();
    g.gFontCount = 0;
    g.gFontLF.clear();
    g.gFontTM.clear();
    m_services.fonts->enumFontFamilies([this, list](const EnumLogFont &lf, const NewTextMetric &tm, int type) {
        return EnumFontFamProc(lf, tm, type, list);
    });
}

int FontChoice::EnumFontFamProc(const EnumLogFont &logFont, const NewTextMetric &textMetric, int fontType,
                                QListWidget *list)
{
    GlobalDeclarations &g = globals();
    const int n = g.gFontCount;
    if (n >= kMaxFonts)
        return 0;
    auto *entry = new QListWidgetItem(logFont.faceName() + QString::number(fontType), list);
    entry->setData(kFontNumberRole, n);
    g.gFontLF.resize(n + 1);
    g.gFontTM.resize(n + 1);
    g.gFontLF.setColumn(n, logFont);
    g.gFontTM.setColumn(n, textMetric);
    g.gFontCount = n + 1;
    return 1;
}

bool FontChoice::InitFonts()
{
    LoadFonts(m_c.FontList);
    GlobalDeclarations &g = globals();
    g.gTTFontCount = 0;
    g.gSysFontCount = 0;
    QComboBox *combo = m_c.FontNameCombo;
    combo->clear();
    bool matched = false;
    for (int i = 0; i < g.gFontCount; ++i) {
        const QString entry = m_c.FontList->item(i)->text();
        const bool trueType = entry.endsWith(QLatin1Char('4'));
        const QString &image = trueType ? kTrueTypeImage : kOtherImage;
        ++(trueType ? g.gTTFontCount : g.gSysFontCount);
        const QString face = entry.chopped(1);
        combo->addItem(Pictures::icon(QStringLiteral("imlMainTBIcons"), image), face);
        combo->setItemData(i, image, kImageKeyRole);
        if (!matched && face == m_s.TBFontName) {
            m_s.FontIndex = i + 1;
            matched = true;
        }
    }
    if (matched) {
        combo->setCurrentIndex(m_s.FontIndex - 1);
        showChosenFace();
        return true;
    }

    const QString cr(QLatin1Char('\r'));
    const QString text = cr + cr + QStringLiteral("The font last used by ") + g.gAppName
                         + QStringLiteral(" is unavailable.") + cr + cr + QStringLiteral("Continue Loading?") + cr
                         + cr + QStringLiteral("\u2022 Press Yes to load ") + g.gAppName
                         + QStringLiteral(" with a default font.") + cr
                         + QStringLiteral("\u2022 Press No to terminate loading.");
    QrvlMsg(text, QStringLiteral("YN"), g.gAppName + QStringLiteral(" Font Initialization Error"), false, 1);
    if (!g.gMsgResult)
        return false;
    // TBFontName keeps the saved name, so choosing any font in the box applies it.
    combo->setCurrentIndex(0);
    m_s.FontIndex = 1;
    showChosenFace();
    return true;
}

void FontChoice::showChosenFace()
{
    m_font.setName(m_c.FontNameCombo->currentText());
}

int FontChoice::GetLastFontIndex() const
{
    const int count = std::min(globals().gFontCount, m_c.FontNameCombo->count());
    for (int i = 1; i <= count; ++i) {
        if (m_c.FontNameCombo->itemText(i - 1) == m_s.TBFontName)
            return i;
    }
    return 0;
}

bool FontChoice::FontInCombo(const QString &name)
{
    const int count = std::min(globals().gFontCount, m_c.FontNameCombo->count());
    for (int i = 1; i <= count; ++i) {
        if (m_c.FontNameCombo->itemText(i - 1) == name) {
            m_s.FontIndex = i;
            return true;
        }
    }
    return false;
}

void FontChoice::FontNameCombo_Click()
{
    const QString text = m_c.FontNameCombo->currentText();
    if (text == m_s.TBFontName)
        return;
    showChosenFace();
    Q_EMIT fontApplyRequested();
    m_s.TBFontName = text;
    m_s.FontIndex = m_c.FontNameCombo->currentIndex() + 1;
}

void FontChoice::SelectFontInCombo(const QString &name)
{
    QComboBox *combo = m_c.FontNameCombo;
    const int count = std::min(globals().gFontCount, combo->count());
    for (int p = 1; p <= count; ++p) {
        if (combo->itemText(p - 1) == name)
            m_s.FontIndex = p;
    }
    combo->setCurrentIndex(m_s.FontIndex - 1);
    m_s.TBFontName = combo->currentText();
    showChosenFace();
}

void FontChoice::setChosenName(const QString &name)
{
    m_s.TBFontName = name;
}

void FontChoice::showFontIndex()
{
    m_c.FontNameCombo->setCurrentIndex(m_s.FontIndex - 1);
    showChosenFace();
}

void FontChoice::selectLastFont()
{
    m_s.FontIndex = GetLastFontIndex();
    showFontIndex();
}

void FontChoice::FontNameCombo_KeyPress(int keyAscii)
{
    QComboBox *combo = m_c.FontNameCombo;
    if (!isLetter(keyAscii)) {
        combo->setCurrentIndex(m_s.FontIndex - 1);
        return;
    }
    const QChar typed = QChar(keyAscii).toUpper();
    const int count = std::min(globals().gFontCount, combo->count());
    for (int i = 1; i <= count; ++i) {
        const QString text = combo->itemText(i - 1);
        if (!text.isEmpty() && text.at(0).toUpper() == typed) {
            combo->setCurrentIndex(i - 1);
            break;
        }
    }
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

void FontChoice::FontSizeNumber_Click()
{
    QLineEdit *edit = m_c.FontSizeEdit;
    edit->setText(m_c.FontSizeNumber->text());
    edit->show();
    edit->raise();
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

void FontChoice::FontSizeEdit_KeyPress(int keyAscii)
{
    if (keyAscii != kEnter && keyAscii != kEscape)
        return;
    const QString text = m_c.FontSizeEdit->text();
    m_c.FontSizeEdit->hide();
    if (keyAscii == kEnter) {
        // Text that is no number leaves the size as it was.
        if (const auto size = FontSizeRules::sizeFromEditText(text)) {
            m_c.FontSizeSlider->setValue(*size);
            m_c.FontSizeNumber->setText(QString::number(*size));
        }
    }
    Q_EMIT textBoardFocusRequested();
}

void FontChoice::FontSizeEdit_LostFocus()
{
    m_c.FontSizeEdit->hide();
}

bool FontChoice::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_c.FontNameCombo && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->text().isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return false;
        const QChar ch = key->text().at(0);
        FontNameCombo_KeyPress(ch.unicode());
        // A printable character is the jump's alone; Enter and Esc still reach the box.
        return ch.isPrint();
    }
    if (watched == m_c.FontSizeNumber && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_c.FontSizeNumber->rect().contains(mouse->position().toPoint()))
            FontSizeNumber_Click();
        return false;
    }
    if (watched == m_c.FontSizeEdit) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                FontSizeEdit_KeyPress(kEnter);
                return true;
            }
            if (key == Qt::Key_Escape) {
                FontSizeEdit_KeyPress(kEscape);
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            FontSizeEdit_LostFocus();
        }
    }
    return QObject::eventFilter(watched, event);
}
