#include "tools/FontBrowser.h"

#include "core/GlobalDeclarations.h"
#include "core/SettingsAccess.h"
#include "platform/DisplayService.h"
#include "platform/FontCatalog.h"
#include "tools/FlatScrollBar.h"
#include "tools/SampleSheetView.h"
#include "tools/SetFontQuestion.h"
#include "tools/rules/SampleSheet.h"
#include "widgets/FontNameBox.h"
#include "widgets/FormFrame.h"
#include "widgets/Pictures.h"
#include "widgets/TagToolTips.h"
#include "widgets/Twips.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>

#include <cmath>

namespace {

// Twips of the design that the layout rules do not move.
constexpr QRectF kHeading(165, 225, 3480, 240);
constexpr double kCountCaptionLeft = 120;
constexpr double kCountCaptionWidth = 2430;
constexpr double kCountLeft = 2580;
constexpr double kCountWidth = 780;
constexpr double kFirstCountTop = 255;
constexpr double kCountPitch = 225;
constexpr double kCountHeight = 210;

const QString kNameLabelFamily = QStringLiteral("Verdana");

QLabel *plainLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    return l;
}

QString alphaName(int i)
{
    return QStringLiteral("AlphaSample(%1)").arg(i);
}

} // namespace

FontBrowser::FontBrowser(const Services &services, const FontListEntries &fontList, const FontMapColors &schemeColors,
                         QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_schemeColors(schemeColors)
    , m_layout(services.display->twipsPerPixelX(), services.display->twipsPerPixelY())
{
    setObjectName(QStringLiteral("FontBrowser"));
    setWindowTitle(QStringLiteral("Quorvil Font Browser"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(true);
    m_layout.setScreen(m_services.display->workArea().size());
    buildControls();
    applyLayout();
    const QSizeF design = FontBrowserLayout::designInnerSize();
    resize(Twips::toQt(design.width()), Twips::toQt(design.height()));

    // Form_Load
    applyMinimumSize();
    fillList(fontList);
    readSampleText();
}

void FontBrowser::buildControls()
{
    auto *heading = plainLabel(this, "lblSelectFont", QStringLiteral("Select a font from the list below:"));
    Twips::place(heading, kHeading);

    m_fontListView = new QListWidget(this);
    m_fontListView->setObjectName(QStringLiteral("FontListView"));
    m_fontListView->setAccessibleName(heading->text());
    m_fontListView->setUniformItemSizes(true);
    m_fontListView->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_fontListView, &QListWidget::itemClicked, this, &FontBrowser::FontListView_ItemClick);
    connect(m_fontListView, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem *current) { FontListView_ItemClick(current); });

    m_fontNameLabel = plainLabel(this, "FontNameLabel", QString());
    m_fontNameLabel->setFont(nameLabelFont(m_layout.namePoints()));

    m_splitBar = new QWidget(this);
    m_splitBar->setObjectName(QStringLiteral("SplitBar"));
    m_splitBar->setCursor(Qt::SplitHCursor);
    m_splitBar->installEventFilter(this);

    m_plateHolder = new QFrame(this);
    m_plateHolder->setObjectName(QStringLiteral("SPlateHolder"));
    m_plateHolder->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_plateHolder->setLineWidth(2);
    m_plateClient = new QWidget(m_plateHolder);
    m_samplePlate = new SampleSheetView(m_plateClient);
    m_hScroll = new FlatScrollBar(Qt::Horizontal, m_plateClient);
    m_hScroll->setObjectName(QStringLiteral("SHScroll"));
    connect(m_hScroll, &QScrollBar::valueChanged, this, &FontBrowser::SHScroll_Change);
    m_vScroll = new FlatScrollBar(Qt::Vertical, m_plateClient);
    m_vScroll->setObjectName(QStringLiteral("SVScroll"));
    connect(m_vScroll, &QScrollBar::valueChanged, this, &FontBrowser::SVScroll_Change);
    m_holeBlock = new QFrame(m_plateClient);
    m_holeBlock->setObjectName(QStringLiteral("SHoleBlock"));
    m_holeBlock->setAutoFillBackground(true);

    m_summaryFrame = new QGroupBox(QStringLiteral("Summary:"), this);
    m_summaryFrame->setObjectName(QStringLiteral("SummaryFrame"));
    const QString captions[] = {QStringLiteral("Total number of fonts:"), QStringLiteral("Number of TrueType fonts:"),
                                QStringLiteral("Number of System fonts:")};
    const char *names[] = {"TotalFonts", "TTFonts", "SysFonts"};
    const QString tags[] = {QStringLiteral("No. of installed fonts"), QStringLiteral("No. of Truetype fonts"),
                            QStringLiteral("No. of System fonts")};
    QLabel **counts[] = {&m_totalFonts, &m_ttFonts, &m_sysFonts};
    for (int i = 0; i < 3; ++i) {
        const double top = kFirstCountTop + i * kCountPitch;
        Twips::place(plainLabel(m_summaryFrame, "", captions[i]),
                     QRectF(kCountCaptionLeft, top, kCountCaptionWidth, kCountHeight));
        QLabel *count = plainLabel(m_summaryFrame, names[i], QString());
        Twips::place(count, QRectF(kCountLeft, top, kCountWidth, kCountHeight));
        setTag(count, tags[i]);
        *counts[i] = count;
    }

    m_setFontButton = new QPushButton(QStringLiteral("Set this as Current Font and Exit"), this);
    m_setFontButton->setObjectName(QStringLiteral("SetFontButton"));
    setTag(m_setFontButton, QStringLiteral("Set this as Current Font and Exit"));
    connect(m_setFontButton, &QPushButton::clicked, this, &FontBrowser::SetFontButton_Click);
    m_okButton = new QPushButton(QStringLiteral("Ok"), this);
    m_okButton->setObjectName(QStringLiteral("OkButton"));
    setTag(m_okButton, QStringLiteral("Ok"));
    connect(m_okButton, &QPushButton::clicked, this, &FontBrowser::OkButton_Click);
}

void FontBrowser::fillList(const FontListEntries &fontList)
{
    const QIcon trueType = Pictures::icon(QStringLiteral("imlFontIcons"), QStringLiteral("TT"));
    const QIcon other = Pictures::icon(QStringLiteral("imlFontIcons"), QStringLiteral("SF"));
    const QSignalBlocker block(m_fontListView);
    for (const FontListEntry &entry : fontList) {
        auto *item = new QListWidgetItem(entry.isTrueType() ? trueType : other, entry.faceName());
        item->setData(kFontNumberRole, entry.fontNumber);
        item->setData(FontNameBox::kImageKeyRole, entry.imageKey());
        m_fontListView->addItem(item);
    }
}

void FontBrowser::readSampleText()
{
    // Read at every opening, so the sentence last set in the Options dialog shows at once.
    SettingsAccess access(*m_services.registry);
    m_sentence = SampleSheet::sentence(regToText(access.read(QStringLiteral("FB"), QStringLiteral("SampleText"))));
}

void FontBrowser::FontNameXchg(int fontIndex, const QString &fontName)
{
    m_initFontName = fontName;
    m_fontNameLabel->setText(fontName);
    fitNameLabel();

    m_layout.setHScrollValue(0);
    m_layout.setVScrollValue(0);
    applyLayout();

    QListWidgetItem *item = nullptr;
    if (const auto found = m_fontListView->findItems(fontName, Qt::MatchFixedString); !found.isEmpty())
        item = found.first();
    else if (fontIndex >= 1 && fontIndex <= m_fontListView->count())
        item = m_fontListView->item(fontIndex - 1);
    if (item) {
        m_fontListView->scrollToItem(item);
        {
            const QSignalBlocker block(m_fontListView);
            m_fontListView->setCurrentItem(item);
        }
        FontListView_ItemClick(item);
    }

    showTagToolTips({m_okButton, m_setFontButton, m_sysFonts, m_totalFonts, m_ttFonts}, globals().gToolTips);
}

void FontBrowser::FontListView_ItemClick(QListWidgetItem *item)
{
    if (!item)
        return;
    const QString text = item->text();
    if (text != m_curFont) {
        const int number = item->data(kFontNumberRole).toInt();
        m_fontNameLabel->setText(globals().gFontLF.value(LogFontRecord::FaceName, number).toString());
        fitNameLabel();
        ShowFontSample(text);
    }
    m_curFont = text;
}

void FontBrowser::ShowFontSample(const QString &fontName)
{
    using namespace SampleSheet;
    const double k = Twips::kPerQtUnit;
    const auto measure = [k](const QFont &font, const QString &text) {
        const QFontMetricsF fm(font);
        return QSizeF(std::ceil(fm.horizontalAdvance(text)) * k, std::ceil(fm.height()) * k);
    };

    QList<SampleSheetView::Label> labels;
    Measured measured;
    const QFont alphaFont = m_services.fonts->font(fontName, kAlphaPoints);
    for (int i = 0; i < kAlphaLines; ++i)
        measured.alpha[i] = measure(alphaFont, alphaText(i));
    std::array<QFont, kSentences> sentenceFonts;
    const QFont numberFont = font();
    for (int i = 0; i < kSentences; ++i) {
        sentenceFonts[i] = m_services.fonts->font(fontName, kSentencePoints[i]);
        measured.sentence[i] = measure(sentenceFonts[i], m_sentence);
        measured.pointSizeHeight[i] = measure(numberFont, QString::number(kSentencePoints[i])).height();
    }
    const Placed placed = place(measured, m_services.display->twipsPerPixelX(), m_services.display->twipsPerPixelY());

    for (int i = 0; i < kAlphaLines; ++i)
        labels.append({alphaName(i), alphaText(i), alphaFont,
                       QRectF(QPointF(kAlphaLeft, placed.alphaTop[i]), measured.alpha[i])});
    for (int i = 0; i < kSentences; ++i) {
        const QString number = QString::number(kSentencePoints[i]);
        labels.append({QStringLiteral("TypeSample(%1)").arg(i), m_sentence, sentenceFonts[i],
                       QRectF(QPointF(kSentenceLeft, placed.sentenceTop[i]), measured.sentence[i])});
        labels.append({QStringLiteral("PointSize(%1)").arg(i), number, numberFont,
                       QRectF(QPointF(kPointSizeLeft, placed.pointSizeTop[i]), measure(numberFont, number))});
    }
    m_samplePlate->setLabels(std::move(labels));
    m_samplePlate->setDivider(placed.dividerY, placed.width);

    m_layout.showSheet(QSizeF(placed.width, placed.height));
    m_setFontButton->setEnabled(fontName != m_initFontName);
    applyLayout();
    applyMinimumSize();
}

QFont FontBrowser::nameLabelFont(int points) const
{
    QFont f(kNameLabelFamily);
    f.setPointSize(points);
    return f;
}

double FontBrowser::nameLabelWidth(int points) const
{
    return std::ceil(QFontMetricsF(nameLabelFont(points)).horizontalAdvance(m_fontNameLabel->text()))
           * Twips::kPerQtUnit;
}

void FontBrowser::fitNameLabel()
{
    m_layout.fitNameLabel(formWidth(), [this](int points) { return nameLabelWidth(points); });
    applyLayout();
}

int FontBrowser::formWidth() const
{
    return int((width() + FormFrame::kWidth) * Twips::kPerQtUnit);
}

int FontBrowser::formHeight() const
{
    return int((height() + FormFrame::kHeight) * Twips::kPerQtUnit);
}

bool FontBrowser::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QDialog::event(event);
}

void FontBrowser::Form_Activate()
{
    const GlobalDeclarations &g = globals();
    m_totalFonts->setText(QString::number(g.gFontCount));
    m_ttFonts->setText(QString::number(g.gTTFontCount));
    m_sysFonts->setText(QString::number(g.gSysFontCount));
    m_layout.recordFormSize(formWidth(), formHeight());
}

void FontBrowser::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    Form_Resize();
}

void FontBrowser::Form_Resize()
{
    // The minimum size is the window's own (set apart from any resize), so every size that
    // arrives here is laid out.
    if (isMinimized())
        return;
    m_layout.resize(formWidth(), formHeight(), width() * Twips::kPerQtUnit, height() * Twips::kPerQtUnit,
                    [this](int points) { return nameLabelWidth(points); });
    applyLayout();
}

void FontBrowser::SplitBar_MouseMove(Qt::MouseButtons buttons, double x)
{
    if (buttons != Qt::LeftButton)
        return;
    if (!m_layout.dragSplitBar(x * Twips::kPerQtUnit, formWidth(), width() * Twips::kPerQtUnit,
                               [this](int points) { return nameLabelWidth(points); }))
        return;
    applyLayout();
    applyMinimumSize();
}

bool FontBrowser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_splitBar && event->type() == QEvent::MouseMove) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        SplitBar_MouseMove(mouse->buttons(), mouse->position().x());
    }
    return QDialog::eventFilter(watched, event);
}

void FontBrowser::SHScroll_Change(int value)
{
    m_layout.setHScrollValue(value);
    Twips::place(m_samplePlate, QRectF(m_layout.sheetPos(), m_layout.sheetSize()));
}

void FontBrowser::SVScroll_Change(int value)
{
    m_layout.setVScrollValue(value);
    Twips::place(m_samplePlate, QRectF(m_layout.sheetPos(), m_layout.sheetSize()));
    m_vScroll->setArrows(m_layout.vArrows());
}

void FontBrowser::applyLayout()
{
    const FontBrowserLayout::Controls &c = m_layout.controls();
    Twips::place(m_fontListView, c.fontList);
    const QFont nameFont = nameLabelFont(m_layout.namePoints());
    if (m_fontNameLabel->font() != nameFont)
        m_fontNameLabel->setFont(nameFont);
    Twips::place(m_fontNameLabel,
                 QRectF(c.nameLabel, QSizeF(nameLabelWidth(m_layout.namePoints()),
                                            std::ceil(QFontMetricsF(nameFont).height()) * Twips::kPerQtUnit)));
    Twips::place(m_splitBar, c.splitBar);
    Twips::place(m_plateHolder, c.plateHolder);
    const double border = m_plateHolder->frameWidth() * Twips::kPerQtUnit;
    Twips::place(m_plateClient, QRectF(border, border, std::max(0.0, c.plateHolder.width() - 2 * border),
                                       std::max(0.0, c.plateHolder.height() - 2 * border)));
    Twips::place(m_samplePlate, QRectF(m_layout.sheetPos(), m_layout.sheetSize()));
    Twips::place(m_hScroll, c.hScroll);
    Twips::place(m_vScroll, c.vScroll);
    Twips::place(m_holeBlock, c.holeBlock);
    Twips::place(m_summaryFrame, c.summaryFrame);
    Twips::place(m_setFontButton, c.setFontButton);
    Twips::place(m_okButton, c.okButton);
    applyScrollBars();
}

void FontBrowser::applyScrollBars()
{
    const auto apply = [](QScrollBar *bar, const ScrollRange &r) {
        const QSignalBlocker block(bar);
        bar->setRange(0, r.max);
        bar->setPageStep(r.largeChange);
        bar->setSingleStep(r.smallChange);
        bar->setValue(r.value);
    };
    apply(m_hScroll, m_layout.hScroll());
    apply(m_vScroll, m_layout.vScroll());
    m_vScroll->setArrows(m_layout.vArrows());
}

void FontBrowser::applyMinimumSize()
{
    const double tppX = m_services.display->twipsPerPixelX();
    const double tppY = m_services.display->twipsPerPixelY();
    const double width = std::max<double>(FontBrowserLayout::kMinTrackWidthPx * tppX, m_layout.minFormWidth());
    const double height = std::max<double>(FontBrowserLayout::kMinTrackHeightPx * tppY, m_layout.minFormHeight());
    setMinimumSize(int(std::ceil(width / Twips::kPerQtUnit)) - FormFrame::kWidth,
                   int(std::ceil(height / Twips::kPerQtUnit)) - FormFrame::kHeight);
}

void FontBrowser::SetFontButton_Click()
{
    if (!confirmSetFont(m_curFont, m_schemeColors))
        return;
    m_chosen = m_curFont;
    m_curFont.clear();
    accept();
}

void FontBrowser::OkButton_Click()
{
    m_curFont.clear();
    accept();
}
