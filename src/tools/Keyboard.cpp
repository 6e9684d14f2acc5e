#include "tools/Keyboard.h"

#include "core/GlobalDeclarations.h"
#include "fontmap/rules/FontSizeRules.h"
#include "platform/CodePage.h"
#include "platform/FontCatalog.h"
#include "tools/ExtendedCharPanel.h"
#include "tools/SetFontQuestion.h"
#include "widgets/FontNameBox.h"
#include "widgets/Message.h"
#include "widgets/SizeNumberEdit.h"
#include "widgets/TagToolTips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStringList>

namespace {

// The design, in pixels.
constexpr QRect kClientArea(0, 0, 731, 432);
constexpr QRect kPicture(10, 10, 711, 338);
constexpr QRect kFontNameCaption(10, 361, 72, 20);
constexpr QRect kFontName(84, 358, 280, 24);
constexpr QRect kFontSizeCaption(380, 361, 62, 20);
constexpr QRect kFontSizeNumber(444, 360, 26, 20);
constexpr QRect kFontSize(474, 358, 150, 24);
constexpr QRect kSplChar(10, 396, 240, 22);
constexpr QRect kSetFont(401, 394, 230, 28);
constexpr QRect kOK(641, 394, 80, 28);

// A key's own modifier counts as held while it is down, whatever the platform reports for it.
Qt::KeyboardModifiers heldModifiers(const QKeyEvent *key)
{
    Qt::KeyboardModifiers held = key->modifiers();
    Qt::KeyboardModifier own = Qt::NoModifier;
    switch (key->key()) {
    case Qt::Key_Shift: own = Qt::ShiftModifier; break;
    case Qt::Key_Control: own = Qt::ControlModifier; break;
    case Qt::Key_Alt: own = Qt::AltModifier; break;
    case Qt::Key_Meta: own = Qt::MetaModifier; break;
    default: break;
    }
    if (key->type() == QEvent::KeyPress)
        held |= own;
    else
        held &= ~Qt::KeyboardModifiers(own);
    return held & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

template<typename W>
W *make(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(geometry);
    return w;
}

QLabel *caption(QWidget *parent, const QString &text, const QRect &geometry)
{
    auto *l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(geometry);
    return l;
}

} // namespace

Keyboard::Keyboard(const Services &services, const FontListEntries &fontList, const FontMapColors &schemeColors,
                   QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_schemeColors(schemeColors)
{
    setObjectName(QStringLiteral("Keyboard"));
    setWindowTitle(QStringLiteral("Keyboard Layout Viewer"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(kClientArea.size());
    buildControls();

    // Form_Load
    FontNameBox::fill(m_cmbFontName, fontList);
    ShowUnshiftedKeys();
    FillSplChars();
    m_picSplChar->setVisible(m_chkSplChar->isChecked());
    applyToolTips();
    setTabOrder();

    // Shift is watched wherever the focus is.
    installEventFilter(this);
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
}

void Keyboard::buildControls()
{
    m_picKeyboard = new KeyboardPicture(this);
    m_picKeyboard->setGeometry(kPicture);
    m_picKeyboard->setAccessibleName(QStringLiteral("Keyboard Layout"));
    connect(m_picKeyboard, &KeyboardPicture::clicked, this, &Keyboard::picKeyboard_Click);

    m_picSplChar = new ExtendedCharPanel(this);
    m_picSplChar->setGeometry(kPicture);

    caption(this, QStringLiteral("Font Name:"), kFontNameCaption);
    m_cmbFontName = make<QComboBox>(this, "cmbFontName", kFontName);
    m_cmbFontName->setMaxVisibleItems(20);
    setTag(m_cmbFontName, QStringLiteral("Select a Font"));
    connect(m_cmbFontName, &QComboBox::activated, this, &Keyboard::cmbFontName_Click);
    new FontNameKeyPress(m_cmbFontName, [this](int keyAscii) { cmbFontName_KeyPress(keyAscii); });

    caption(this, QStringLiteral("Font Size:"), kFontSizeCaption);
    m_lblFontSizeNumber = make<QLabel>(this, "lblFontSizeNumber", kFontSizeNumber);
    m_lblFontSizeNumber->setAlignment(Qt::AlignCenter);
    m_lblFontSizeNumber->setFrameShape(QFrame::StyledPanel);
    setTag(m_lblFontSizeNumber, QStringLiteral("Font Size (Click to Change)"));
    m_tbxFontSizeEdit = make<QLineEdit>(this, "tbxFontSizeEdit", kFontSizeNumber);
    m_tbxFontSizeEdit->setFrame(false);
    m_tbxFontSizeEdit->setAlignment(Qt::AlignCenter);
    m_tbxFontSizeEdit->hide();
    setTag(m_tbxFontSizeEdit, QStringLiteral("Enter font size"));
    m_sldFontSize = make<QSlider>(this, "sldFontSize", kFontSize);
    m_sldFontSize->setOrientation(Qt::Horizontal);
    m_sldFontSize->setRange(FontSizeRules::kMin, FontSizeRules::kMax);
    m_sldFontSize->setPageStep(4);
    setTag(m_sldFontSize, QStringLiteral("Set Font size"));
    connect(m_sldFontSize, &QSlider::valueChanged, this, &Keyboard::sldFontSize_Change);
    m_sizeEdit = new SizeNumberEdit(m_lblFontSizeNumber, m_tbxFontSizeEdit, m_sldFontSize);

    m_chkSplChar = make<QCheckBox>(this, "chkSplChar", kSplChar);
    m_chkSplChar->setText(QStringLiteral("Show Special Characters"));
    setTag(m_chkSplChar, QStringLiteral("Display special characters"));
    connect(m_chkSplChar, &QCheckBox::clicked, this, &Keyboard::chkSplChar_Click);

    m_cmdSetFont = make<QPushButton>(this, "cmdSetFont", kSetFont);
    m_cmdSetFont->setText(QStringLiteral("Set this as Current Font and Exit"));
    setTag(m_cmdSetFont, QStringLiteral("Set this as Current Font and Exit"));
    connect(m_cmdSetFont, &QPushButton::clicked, this, &Keyboard::cmdSetFont_Click);

    m_cmdOK = make<QPushButton>(this, "cmdOK", kOK);
    m_cmdOK->setText(QStringLiteral("Ok"));
    setTag(m_cmdOK, QStringLiteral("Ok"));
    connect(m_cmdOK, &QPushButton::clicked, this, &Keyboard::cmdOK_Click);
}

void Keyboard::setTabOrder()
{
    QWidget::setTabOrder(m_cmdOK, m_cmbFontName);
    QWidget::setTabOrder(m_cmbFontName, m_sldFontSize);
    QWidget::setTabOrder(m_sldFontSize, m_chkSplChar);
    QWidget::setTabOrder(m_chkSplChar, m_cmdSetFont);
    m_cmdOK->setFocus(Qt::OtherFocusReason);
}

void Keyboard::applyToolTips()
{
    const bool on = globals().gToolTips;
    showTagToolTips({m_cmbFontName, m_sldFontSize, m_lblFontSizeNumber, m_tbxFontSizeEdit, m_chkSplChar,
                     m_cmdSetFont, m_cmdOK},
                    on);
    m_picKeyboard->setShiftToolTips(on ? QStringLiteral("Press to display uppercase characters") : QString(),
                                    on ? QStringLiteral("Press to display lowercase characters") : QString());
    m_picSplChar->setToolTipsShown(on);
}

void Keyboard::SetupKeyboard(int fontIndex, const QString &fontName, double fontSize)
{
    m_origFontName = fontName;
    m_kbFontIndex = fontIndex;
    setLabelFont(fontName, fontSize);
    // With no fonts at all there is no item to select.
    if (fontIndex >= 1 && fontIndex <= m_cmbFontName->count())
        m_cmbFontName->setCurrentIndex(fontIndex - 1);
    const int size = FontSizeRules::roundHalfEven(fontSize);
    m_sldFontSize->setValue(size);
    m_lblFontSizeNumber->setText(QString::number(size));
    m_cmdSetFont->setEnabled(false);
}

void Keyboard::setLabelFont(const QString &name, double size)
{
    const bool charsetChanged = m_services.codePage->charset(name) != m_services.codePage->charset(m_labelFontName);
    m_labelFontName = name;
    const QFont font = m_services.fonts->font(name, size);
    m_picKeyboard->setLabelFont(font);
    m_picSplChar->setLabelFont(font);
    // The characters of a symbol font stand at other places than those of a text font.
    if (charsetChanged) {
        showKeys(m_shifted);
        FillSplChars();
    }
}

void Keyboard::ShowUnshiftedKeys()
{
    showKeys(false);
}

void Keyboard::ShowShiftedKeys()
{
    showKeys(true);
}

void Keyboard::showKeys(bool shifted)
{
    m_shifted = shifted;
    std::array<QString, KeyboardLayout::kKeys> captions;
    for (int key = 0; key < KeyboardLayout::kKeys; ++key)
        captions[key] = m_services.codePage->charForCode(KeyboardLayout::keyCode(key, shifted), m_labelFontName);
    m_picKeyboard->setCaptions(captions);
    m_picKeyboard->setShifted(shifted);
}

void Keyboard::FillSplChars()
{
    std::array<QString, KeyboardLayout::kSpecialCodes> captions;
    for (int i = 1; i <= KeyboardLayout::kSpecialCodes; ++i)
        captions[i - 1] = m_services.codePage->charForCode(quint8(KeyboardLayout::kFirstSpecialCode - 1 + i),
                                                           m_labelFontName);
    m_picSplChar->setCaptions(captions);
}

void Keyboard::cmbFontName_Click()
{
    const QString text = m_cmbFontName->currentText();
    if (text == m_kbFontName)
        return;
    m_kbFontName = text;
    m_kbFontIndex = m_cmbFontName->currentIndex() + 1;
    m_cmdSetFont->setEnabled(m_kbFontName != m_origFontName);
    setLabelFont(m_kbFontName, m_sldFontSize->value());
}

void Keyboard::cmbFontName_KeyPress(int keyAscii)
{
    if (!isInitialLetter(keyAscii)) {
        if (m_kbFontIndex >= 1 && m_kbFontIndex <= m_cmbFontName->count())
            m_cmbFontName->setCurrentIndex(m_kbFontIndex - 1);
        return;
    }
    if (const int item = FontNameBox::initialLetterItem(m_cmbFontName, globals().gFontCount, keyAscii); item >= 0)
        m_cmbFontName->setCurrentIndex(item);
    cmbFontName_Click();
}

void Keyboard::sldFontSize_Change()
{
    const int size = m_sldFontSize->value();
    setLabelFont(m_labelFontName, size);
    m_lblFontSizeNumber->setText(QString::number(size));
}

void Keyboard::chkSplChar_Click()
{
    m_picSplChar->setVisible(m_chkSplChar->isChecked());
}

void Keyboard::picKeyboard_Click(KeyboardPicture::Part part)
{
    switch (part) {
    case KeyboardPicture::Part::LeftShift:
    case KeyboardPicture::Part::RightShift: ShowShiftedKeys(); break;
    case KeyboardPicture::Part::LeftShiftPressed:
    case KeyboardPicture::Part::RightShiftPressed: ShowUnshiftedKeys(); break;
    case KeyboardPicture::Part::KeyLabel:
    case KeyboardPicture::Part::Picture: showInteractionError(); break;
    }
}

void Keyboard::showInteractionError()
{
    const QString text = QStringList{QString(),
                                     QString(),
                                     QStringLiteral("These buttons are displayed for information only."),
                                     QString(),
                                     QStringLiteral("You can click only on the 'Shift' buttons or press"),
                                     QStringLiteral("the <Shift> key on your keyboard to view the"),
                                     QStringLiteral("uppercase letters of the currently selected font.")}
                             .join(QLatin1Char('\r'));
    QrvlMsg(text, QStringLiteral("OK"), messageTitle(" Interaction Error"), false, 1, m_schemeColors);
}

void Keyboard::cmdSetFont_Click()
{
    if (!confirmSetFont(m_kbFontName, m_schemeColors))
        return;
    m_chosen = m_kbFontName;
    accept();
}

void Keyboard::cmdOK_Click()
{
    accept();
}

bool Keyboard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        // An event that propagates up through several widgets is seen more than once; the
        // layout only changes when it differs.
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers held = heldModifiers(key);
        if (key->isAutoRepeat())
            return false;
        if (event->type() == QEvent::KeyPress && held == Qt::ShiftModifier && !m_shifted)
            ShowShiftedKeys();
        else if (event->type() == QEvent::KeyRelease && held == Qt::NoModifier && m_shifted)
            ShowUnshiftedKeys();
    }
    return QDialog::eventFilter(watched, event);
}
