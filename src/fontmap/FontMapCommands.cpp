#include "fontmap/FontMapCommands.h"

#include "fontmap/FontMapControls.h"
#include "fontmap/FontMapGrid.h"
#include "fontmap/rules/FontMapColors.h"
#include "fontmap/rules/FontMapState.h"
#include "fontmap/rules/ViewSettings.h"

#include <QLabel>

namespace {

// A keystroke label that is one character is the character itself, and follows the charset;
// the longer ones ("Space Bar", "Alt+0128", "Ctrl+1") are words, not characters.
QString recodeLabel(const QString &label, FontCharset from, FontCharset to)
{
    return label.size() == 1 ? recodeText(label, from, to) : label;
}

} // namespace

FontMapCommands::FontMapCommands(FontMapControls &controls, FontMapState &state, FontMapColors &colors,
                                 ViewSettings &views, QObject *parent)
    : QObject(parent)
    , m_c(controls)
    , m_s(state)
    , m_colors(colors)
    , m_views(views)
{
    connect(m_c.FMapContainer, &FontMapGrid::cellMouseMove, this, &FontMapCommands::CharButton_MouseMove);
    connect(m_c.FMapContainer, &FontMapGrid::cellMouseDown, this, &FontMapCommands::CharButton_MouseDown);
    // A screen reader reads each cell's codes from the table the Code and KeyStroke views show.
    m_c.FMapContainer->setCellDescriber([this](int index) {
        return describeCode(m_c.FMapContainer->cell(index).caption, m_s.codeTable().row(index));
    });
}

void FontMapCommands::SetupFMapCodes()
{
    const FontCharset charset = m_c.FMapContainer->charset();
    for (int i = 0; i < FontMapGrid::kCells; ++i) {
        const int code = 32 + i;
        const QString caption(charForCode(quint8(code), charset));
        m_c.FMapContainer->setCaption(i, caption);
        m_s.codeTable().fillRow(i, code, standardKeyStroke(code, caption));
    }
}

void FontMapCommands::CharButton_MouseMove(int index)
{
    if (m_colors.hilite()) {
        const ColorValue fore = m_colors.fore().color;
        const ColorValue back = m_colors.back().color;
        m_c.FMapContainer->setForeColor(m_s.LastHoverIndex(), fore);
        m_c.FMapContainer->setBackColor(m_s.LastHoverIndex(), back);
        m_c.FMapContainer->setBackColor(index, fore);
        m_c.FMapContainer->setForeColor(index, back);
    }
    if (m_views.isShown(ViewSettings::Zoom))
        m_c.TextZoom->setText(m_c.FMapContainer->cell(index).caption);
    if (m_views.isShown(ViewSettings::Code)) {
        m_c.AscCode->setText(m_s.codeTable().at(index, CodeTable::Decimal));
        m_c.HexCode->setText(m_s.codeTable().at(index, CodeTable::Hexadecimal));
        m_c.OctCode->setText(m_s.codeTable().at(index, CodeTable::Octal));
        m_c.BinCode->setText(m_s.codeTable().at(index, CodeTable::Binary));
    }
    if (m_views.isShown(ViewSettings::KeyStroke))
        m_c.KS->setText(m_s.codeTable().at(index, CodeTable::KeyStroke));
    m_s.setLastHoverIndex(index);
}

void FontMapCommands::CharButton_MouseDown(int index, Qt::MouseButton button, const QPoint &globalPos)
{
    if (button == Qt::LeftButton)
        Q_EMIT characterClicked(m_c.FMapContainer->cell(index).caption);
    else if (button == Qt::RightButton)
        Q_EMIT contextMenuRequested(globalPos);
}

void FontMapCommands::setMapFont(const QFont &plain, FontCharset charset)
{
    m_c.FMapContainer->setCellFont(plain, charset);
}

void FontMapCommands::followBoardFont(const QFont &board)
{
    QFont zoom = board;
    zoom.setPointSizeF(m_c.TextZoom->font().pointSizeF());
    m_c.TextZoom->setFont(zoom);
}

void FontMapCommands::followCharset(FontCharset from, FontCharset to)
{
    // A cell shows the character of its code in the new font, whatever map is loaded.
    for (int i = 0; i < FontMapGrid::kCells; ++i) {
        m_c.FMapContainer->setCaption(i, recodeText(m_c.FMapContainer->cell(i).caption, from, to));
        CodeTable &table = m_s.codeTable();
        table.set(i, CodeTable::KeyStroke, recodeLabel(table.at(i, CodeTable::KeyStroke), from, to));
    }
    m_c.TextZoom->setText(recodeText(m_c.TextZoom->text(), from, to));
    m_c.KS->setText(recodeLabel(m_c.KS->text(), from, to));
}
