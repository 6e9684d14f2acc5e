#include "tools/OptionsSamples.h"

#include "app/rules/ScreenDefaults.h"
#include "platform/CodePage.h"
#include "platform/FontCatalog.h"
#include "tools/FontMapSampleRow.h"
#include "tools/OptionsControls.h"
#include "widgets/ColorResolve.h"

#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>

OptionsSamples::OptionsSamples(OptionsControls &controls, const FontCatalog &fonts, const CodePage &codePage,
                               QObject *parent)
    : QObject(parent)
    , m_c(controls)
    , m_fonts(fonts)
    , m_codePage(codePage)
{
    connect(m_c.OCharButtonScroll, &QScrollBar::valueChanged, this, &OptionsSamples::OCharButtonScroll_Change);
    connect(m_c.OCharButton, &FontMapSampleRow::cellClicked, this, &OptionsSamples::OCharButton_Click);
    connect(m_c.OCharButton, &FontMapSampleRow::cellMouseMove, this, &OptionsSamples::OCharButton_MouseMove);
    connect(m_c.OFMapHilite, &QCheckBox::toggled, this, &OptionsSamples::OFMapHilite_Click);
    connect(m_c.OFMapBorders, &QCheckBox::toggled, this, &OptionsSamples::OFMapBorders_Click);
}

void OptionsSamples::load(int zoomedLetter, int firstCode)
{
    m_zoomedLetter = zoomedLetter;
    m_c.OTextZoom->setText(QString(characterOf(zoomedLetter)));
    {
        const QSignalBlocker quiet(m_c.OCharButtonScroll);
        m_c.OCharButtonScroll->setValue(firstCode);
    }
    OCharButtonScroll_Change();
}

int OptionsSamples::firstCode() const
{
    return m_c.OCharButtonScroll->value();
}

QChar OptionsSamples::characterOf(int code) const
{
    return charForCode(quint8(code), m_charset);
}

void OptionsSamples::setFontName(const QString &name)
{
    m_fontName = name;
    m_charset = m_codePage.charset(name);
    showCellFont();
    showZoomFont();
    // A symbol font draws the same codes with other characters.
    m_c.OTextZoom->setText(QString(characterOf(m_zoomedLetter)));
    OCharButtonScroll_Change();
}

void OptionsSamples::setZoomSize(int points)
{
    m_zoomSize = points;
    showZoomFont();
}

void OptionsSamples::setZoomStyle(Style style, bool on)
{
    m_zoomStyles[style] = on;
    showZoomFont();
}

void OptionsSamples::showCellFont()
{
    if (!m_fontName.isEmpty())
        m_c.OCharButton->setCellFont(m_fonts.font(m_fontName, ScreenDefaults::kDesigned.textBoardFontSize));
}

void OptionsSamples::showZoomFont()
{
    if (m_fontName.isEmpty())
        return;
    QFont font = m_fonts.font(m_fontName, m_zoomSize);
    if (m_zoomStyles[Bold])
        font.setBold(true);
    if (m_zoomStyles[Italic])
        font.setItalic(true);
    font.setUnderline(m_zoomStyles[Underline]);
    font.setStrikeOut(m_zoomStyles[Strikeout]);
    m_c.OTextZoom->setFont(font);
}

void OptionsSamples::setForeColor(ColorValue color)
{
    m_fore = color;
    ::setForeColor(m_c.OTextZoom, color);
    for (int i = 0; i < FontMapSampleRow::kCells; ++i)
        m_c.OCharButton->setForeColor(i, color);
}

void OptionsSamples::setBackColor(ColorValue color)
{
    m_back = color;
    ::setBackColor(m_c.OTextZoom, color);
    for (int i = 0; i < FontMapSampleRow::kCells; ++i)
        m_c.OCharButton->setBackColor(i, color);
}

void OptionsSamples::OCharButtonScroll_Change()
{
    const int start = firstCode();
    m_c.OCharButtonStart->setText(QString::number(start));
    m_c.OCharButtonEnd->setText(QString::number(start + FontMapSampleRow::kCells - 1));
    FontMapSampleRow *row = m_c.OCharButton;
    row->hideMarker();
    const QChar zoomed = characterOf(m_zoomedLetter);
    for (int i = 0; i < FontMapSampleRow::kCells; ++i) {
        const QChar ch = characterOf(start + i);
        row->setCaption(i, QString(ch));
        if (ch == zoomed)
            row->setMarkerCell(i);
    }
}

void OptionsSamples::OCharButton_Click(int index)
{
    m_zoomedLetter = firstCode() + index;
    m_c.OTextZoom->setText(m_c.OCharButton->cell(index).caption);
    m_c.OCharButton->setMarkerCell(index);
}

void OptionsSamples::OCharButton_MouseMove(int index)
{
    FontMapSampleRow *row = m_c.OCharButton;
    if (m_c.OFMapHilite->isChecked()) {
        row->setForeColor(m_sampleHoverIndex, m_fore);
        row->setBackColor(m_sampleHoverIndex, m_back);
        row->setForeColor(index, m_back);
        row->setBackColor(index, m_fore);
    }
    m_sampleHoverIndex = index;
}

void OptionsSamples::OFMapHilite_Click()
{
    m_c.OCharButton->setForeColor(m_sampleHoverIndex, m_fore);
    m_c.OCharButton->setBackColor(m_sampleHoverIndex, m_back);
}

void OptionsSamples::OFMapBorders_Click()
{
    const int style = m_c.OFMapBorders->isChecked() ? 1 : 0;
    for (int i = 0; i < FontMapSampleRow::kCells; ++i)
        m_c.OCharButton->setBorderStyle(i, style);
}
